// Text drawn black on the recolour DC comes out in the skin's colour; nothing else changes.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "skin/attach/text_recolour.h"
#include "tests/interception/test_window.h"

namespace tebix {
namespace {

// A 32-bit memory surface whose pixels the test can read.
class Surface {
 public:
  Surface() {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = kWidth;
    bi.bmiHeader.biHeight = -kHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    SelectObject(dc_, bitmap_);
    SelectObject(dc_, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc_, TRANSPARENT);
    Clear();
  }
  ~Surface() {
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  HDC dc() const { return dc_; }
  void Clear() {
    const RECT all{0, 0, kWidth, kHeight};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    GdiFlush();
  }
  int Count(COLORREF c) const {
    GdiFlush();
    const uint32_t want = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    int n = 0;
    for (int i = 0; i < kWidth * kHeight; ++i) n += (bits_[i] & 0xFFFFFF) == want;
    return n;
  }
  std::vector<uint32_t> Pixels() const {
    GdiFlush();
    return std::vector<uint32_t>(bits_, bits_ + kWidth * kHeight);
  }

 private:
  static constexpr int kWidth = 120, kHeight = 40;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  uint32_t* bits_ = nullptr;
};

struct TextCall {
  const char* name;
  std::function<void(HDC)> draw;
};

const std::vector<TextCall>& TextCalls() {
  static const std::vector<TextCall> calls = {
      {"TextOutA", [](HDC dc) { TextOutA(dc, 2, 2, "WWMM##", 6); }},
      {"TextOutW", [](HDC dc) { TextOutW(dc, 2, 2, L"WWMM##", 6); }},
      {"ExtTextOutA", [](HDC dc) { ExtTextOutA(dc, 2, 2, 0, nullptr, "WWMM##", 6, nullptr); }},
      {"ExtTextOutW", [](HDC dc) { ExtTextOutW(dc, 2, 2, 0, nullptr, L"WWMM##", 6, nullptr); }},
      {"DrawTextExA",
       [](HDC dc) {
         char text[] = "WWMM##";
         RECT r{2, 2, 118, 38};
         DrawTextExA(dc, text, -1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE, nullptr);
       }},
      {"DrawTextExW",
       [](HDC dc) {
         wchar_t text[] = L"WWMM##";
         RECT r{2, 2, 118, 38};
         DrawTextExW(dc, text, -1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE, nullptr);
       }},
  };
  return calls;
}

constexpr COLORREF kBlack = RGB(0, 0, 0), kSkinText = RGB(0, 0, 255), kRed = RGB(255, 0, 0);

TEST(TextRecolour, BlackTextOnTheRecolourDcTakesTheSkinColour) {
  testing::Intercepted patches;
  Surface target, other;
  for (const auto& call : TextCalls()) {
    SetTextRecolour(target.dc(), kSkinText);
    target.Clear();
    SetTextColor(target.dc(), kBlack);
    call.draw(target.dc());
    EXPECT_GT(target.Count(kSkinText), 0) << call.name;
    EXPECT_EQ(target.Count(kBlack), 0) << call.name;
    EXPECT_EQ(GetTextColor(target.dc()), kBlack) << call.name << ": the DC keeps its own colour";

    // Any other colour stays as it is.
    target.Clear();
    SetTextColor(target.dc(), kRed);
    call.draw(target.dc());
    EXPECT_GT(target.Count(kRed), 0) << call.name;
    EXPECT_EQ(target.Count(kSkinText), 0) << call.name;

    // So does black text on any other DC.
    other.Clear();
    SetTextColor(other.dc(), kBlack);
    call.draw(other.dc());
    EXPECT_GT(other.Count(kBlack), 0) << call.name;
    EXPECT_EQ(other.Count(kSkinText), 0) << call.name;

    // An empty slot recolours nothing.
    ClearTextRecolour();
    target.Clear();
    SetTextColor(target.dc(), kBlack);
    call.draw(target.dc());
    EXPECT_EQ(target.Count(kSkinText), 0) << call.name;
  }
  EXPECT_EQ(TextRecolourDc(), nullptr);
}

TEST(TextRecolour, PatchedTextOutputMatchesUnpatchedPixelForPixel) {
  Surface surface;
  std::vector<std::vector<uint32_t>> unpatched;
  for (const auto& call : TextCalls()) {
    surface.Clear();
    SetTextColor(surface.dc(), kBlack);
    call.draw(surface.dc());
    unpatched.push_back(surface.Pixels());
  }
  testing::Intercepted patches;
  Surface elsewhere;
  SetTextRecolour(elsewhere.dc(), kSkinText);  // a slot for another DC changes nothing here
  for (size_t i = 0; i < TextCalls().size(); ++i) {
    surface.Clear();
    SetTextColor(surface.dc(), kBlack);
    TextCalls()[i].draw(surface.dc());
    EXPECT_EQ(surface.Pixels(), unpatched[i]) << TextCalls()[i].name;
  }
  ClearTextRecolour();
}

}  // namespace
}  // namespace tebix
