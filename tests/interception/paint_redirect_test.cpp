// BeginPaint, EndPaint and the DC functions by redirect type, on real windows.
#include <gtest/gtest.h>

#include "skin/attach/skinned_window.h"

#include <vector>

#include "skin/attach/paint_redirect.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/text_recolour.h"
#include "tests/interception/test_window.h"

namespace tebix {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kSkinBackground = RGB(0, 128, 0), kSkinText = RGB(0, 0, 255);

void FillClient(HWND window, HDC dc, COLORREF colour) {
  RECT r;
  GetClientRect(window, &r);
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

TEST(PaintRedirect, OneShotClipLimitsThePaintToTheRecordsRectangle) {
  testing::Intercepted patches;
  testing::TestWindow window;
  RECT clip{10, 10, 29, 29};
  bool property_gone = false;
  window.on_paint = [&](HWND hwnd) {
    PaintRedirect record;
    record.type = 1003;
    record.clip = &clip;
    SetPaintRedirect(hwnd, &record);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    property_gone = FindPaintRedirect(hwnd) == nullptr;
    FillClient(hwnd, dc, kRed);
    EndPaint(hwnd, &ps);
    SetPaintRedirect(hwnd, nullptr);
  };
  window.Repaint();
  EXPECT_TRUE(property_gone);
  const HWND w = window.handle();
  EXPECT_EQ(testing::ClientPixel(w, 10, 10), kRed);
  EXPECT_EQ(testing::ClientPixel(w, 28, 28), kRed);  // the path's right and bottom edges are made up for
  EXPECT_NE(testing::ClientPixel(w, 9, 9), kRed);
  EXPECT_NE(testing::ClientPixel(w, 30, 30), kRed);
  EXPECT_NE(testing::ClientPixel(w, 100, 60), kRed);
}

TEST(PaintRedirect, TypeSixTakesEveryDcAwayFromTheWindow) {
  testing::Intercepted patches;
  testing::TestWindow window;
  const HWND w = window.handle();
  DcRedirect record;
  for (int type : {6, 1, 1007}) {  // 1007 without a registered substitute passes through
    record.type = type;
    SetDcRedirect(w, &record);
    HDC a = GetDC(w), b = GetDCEx(w, nullptr, DCX_WINDOW), c = GetWindowDC(w);
    if (type == 6) {
      EXPECT_EQ(a, nullptr);
      EXPECT_EQ(b, nullptr);
      EXPECT_EQ(c, nullptr);
    } else {
      EXPECT_NE(a, nullptr) << type;
      EXPECT_NE(b, nullptr) << type;
      EXPECT_NE(c, nullptr) << type;
      EXPECT_EQ(ReleaseDC(w, a), 1);
      EXPECT_EQ(ReleaseDC(w, b), 1);
      EXPECT_EQ(ReleaseDC(w, c), 1);
    }
  }
  SetDcRedirect(w, nullptr);
  HDC screen = GetDC(nullptr);
  EXPECT_NE(screen, nullptr);
  ReleaseDC(nullptr, screen);
}

// A renderer's substitute as the tests see it: it hands out a memory DC and counts calls.
struct FakeRenderer {
  static inline int begins = 0, ends = 0, gets = 0, releases = 0;
  static inline HDC memory = nullptr;
  static inline HDC last_real = nullptr;

  static HDC Begin(HWND, PAINTSTRUCT* ps, PaintRedirect* record) {
    ++begins;
    record->real_dc = ps->hdc;
    ps->hdc = memory;
    return memory;
  }
  static BOOL End(HWND window, const PAINTSTRUCT* ps, PaintRedirect* record) {
    ++ends;
    PAINTSTRUCT real = *ps;
    real.hdc = record->real_dc;
    return real::EndPaint(window, &real);
  }
  static HDC Get(HWND, HDC real_dc, DcRedirect*) {
    ++gets;
    last_real = real_dc;
    return memory;
  }
  static int Release(HWND window, HDC, DcRedirect*) {
    ++releases;
    return real::ReleaseDC(window, last_real);
  }
};

TEST(PaintRedirect, SubstitutesServeTheirTypesAndOnlyThose) {
  EXPECT_FALSE(RegisterPaintSubstitute(1001, {}));  // built in
  EXPECT_FALSE(RegisterPaintSubstitute(6, {}));
  EXPECT_FALSE(RegisterDcSubstitute(1002, {}));
  testing::Intercepted patches;
  testing::TestWindow window;
  const HWND w = window.handle();
  FakeRenderer::memory = CreateCompatibleDC(nullptr);

  struct Seen {
    HDC begun = nullptr;
    BOOL ended = FALSE;
  } seen;
  int type = 3;
  window.on_paint = [&](HWND hwnd) {
    PaintRedirect record;
    record.type = type;
    SetPaintRedirect(hwnd, &record);
    PAINTSTRUCT ps;
    seen.begun = BeginPaint(hwnd, &ps);
    seen.ended = EndPaint(hwnd, &ps);
    SetPaintRedirect(hwnd, nullptr);
  };

  // Not registered yet: the window paints on the real DC.
  window.Repaint();
  EXPECT_NE(seen.begun, nullptr);
  EXPECT_NE(seen.begun, FakeRenderer::memory);
  EXPECT_TRUE(seen.ended);
  EXPECT_EQ(FakeRenderer::begins, 0);

  for (int t : {3, 5, 1006, 1009, 1012}) {
    ASSERT_TRUE(RegisterPaintSubstitute(t, {&FakeRenderer::Begin, &FakeRenderer::End}));
    type = t;
    FakeRenderer::begins = FakeRenderer::ends = 0;
    window.Repaint();
    EXPECT_EQ(seen.begun, FakeRenderer::memory) << t;
    EXPECT_TRUE(seen.ended) << t;
    EXPECT_EQ(FakeRenderer::begins, 1) << t;
    EXPECT_EQ(FakeRenderer::ends, 1) << t;
    RegisterPaintSubstitute(t, {});
  }

  ASSERT_TRUE(RegisterDcSubstitute(1007, {&FakeRenderer::Get, &FakeRenderer::Release}));
  DcRedirect record;
  record.type = 1007;
  SetDcRedirect(w, &record);
  HDC dc = GetDC(w);
  EXPECT_EQ(dc, FakeRenderer::memory);
  EXPECT_NE(FakeRenderer::last_real, nullptr);
  EXPECT_EQ(ReleaseDC(w, dc), 1);
  EXPECT_EQ(FakeRenderer::gets, 1);
  EXPECT_EQ(FakeRenderer::releases, 1);
  record.type = 1008;  // no substitute for this type
  dc = GetDC(w);
  EXPECT_NE(dc, FakeRenderer::memory);
  EXPECT_EQ(ReleaseDC(w, dc), 1);
  EXPECT_EQ(FakeRenderer::gets, 1);
  SetDcRedirect(w, nullptr);
  RegisterDcSubstitute(1007, {});
  DeleteDC(FakeRenderer::memory);
}

HBRUSH SkinBackground() {
  static HBRUSH brush = CreateSolidBrush(kSkinBackground);
  return brush;
}
COLORREF SkinText(bool enabled) {
  return enabled ? kSkinText : RGB(128, 128, 128);
}

TEST(PaintRedirect, ClientPaintingPutsTheSkinBehindWhatTheWindowPainted) {
  testing::Intercepted patches;
  SetClientPaintLook({&SkinBackground, &SkinText});
  testing::TestWindow window;
  PaintRedirect record;
  HDC given = nullptr;
  bool recolouring_during_paint = false;
  window.on_paint = [&](HWND hwnd) {
    record = PaintRedirect{};
    record.type = 1001;
    SetPaintRedirect(hwnd, &record);
    PAINTSTRUCT ps;
    given = BeginPaint(hwnd, &ps);
    recolouring_during_paint = TextRecolourDc() == given && TextRecolourColour() == kSkinText;
    RECT left{0, 0, 60, 100};
    FillRect(given, &left, GetSysColorBrush(COLOR_BTNFACE));
    RECT red{60, 0, 80, 100};
    HBRUSH brush = CreateSolidBrush(kRed);
    FillRect(given, &red, brush);
    DeleteObject(brush);
    SetTextColor(given, RGB(0, 0, 0));
    SetBkMode(given, TRANSPARENT);
    TextOutW(given, 4, 4, L"WWMM", 4);
    EndPaint(hwnd, &ps);
    SetPaintRedirect(hwnd, nullptr);
  };
  window.Repaint();
  EXPECT_TRUE(recolouring_during_paint);
  EXPECT_NE(given, record.real_dc);
  EXPECT_EQ(record.memory_dc, nullptr);  // freed by EndPaint
  EXPECT_EQ(record.bitmap, nullptr);
  EXPECT_EQ(TextRecolourDc(), nullptr);
  const HWND w = window.handle();
  EXPECT_EQ(testing::ClientPixel(w, 40, 80), kSkinBackground);   // painted button face
  EXPECT_EQ(testing::ClientPixel(w, 150, 80), kSkinBackground);  // left unpainted
  EXPECT_EQ(testing::ClientPixel(w, 70, 50), kRed);              // the window's own colour stays
  EXPECT_GT(testing::CountClientPixels(w, kSkinText), 0);        // its black text is recoloured
  EXPECT_EQ(testing::CountClientPixels(w, GetSysColor(COLOR_BTNFACE)), 0);
  SetClientPaintLook({});
}

// A renderer's window procedure in miniature: the button paints under a type 1001 record.
WNDPROC g_button_procedure = nullptr;
LRESULT CALLBACK RedirectedButtonProcedure(HWND h, UINT m, WPARAM wp, LPARAM lp) {
  if (m != WM_PAINT) return CallWindowProcW(g_button_procedure, h, m, wp, lp);
  PaintRedirect record;
  record.type = 1001;
  SetPaintRedirect(h, &record);
  const LRESULT r = CallWindowProcW(g_button_procedure, h, m, wp, lp);
  SetPaintRedirect(h, nullptr);
  return r;
}

// A standard control's own painting (user32's button code) reaches the replacements.
TEST(PaintRedirect, AStandardButtonPaintsThroughTheReplacements) {
  testing::Intercepted patches;
  SetClientPaintLook({&SkinBackground, &SkinText});
  testing::TestWindow parent;
  HWND button = CreateWindowExW(0, L"BUTTON", L"WWMM", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 120, 40,
                                parent.handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(button, nullptr);
  g_button_procedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RedirectedButtonProcedure)));
  InvalidateRect(button, nullptr, TRUE);
  UpdateWindow(button);
  testing::PumpMessages();
  EXPECT_GT(testing::CountClientPixels(button, kSkinBackground), 100);
  EXPECT_GT(testing::CountClientPixels(button, kSkinText), 0);
  EXPECT_EQ(testing::CountClientPixels(button, GetSysColor(COLOR_BTNFACE)), 0);
  DestroyWindow(button);
  SetClientPaintLook({});
}

TEST(PaintRedirect, PaintingWithoutRecordsIsUnchanged) {
  testing::TestWindow window;
  struct Result {
    bool got_dc;
    BOOL ended;
    std::vector<COLORREF> pixels;
  };
  auto paint_once = [&]() {
    Result result{};
    window.on_paint = [&](HWND hwnd) {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      result.got_dc = dc != nullptr && dc == ps.hdc;
      FillClient(hwnd, dc, RGB(250, 250, 250));
      RECT r{20, 20, 70, 50};
      FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      TextOutW(dc, 80, 20, L"text", 4);
      result.ended = EndPaint(hwnd, &ps);
    };
    window.Repaint();
    int width;
    result.pixels = testing::ClientSnapshot(window.handle(), &width);
    return result;
  };
  const Result plain = paint_once();
  testing::Intercepted patches;
  const Result patched = paint_once();
  EXPECT_TRUE(plain.got_dc);
  EXPECT_TRUE(patched.got_dc);
  EXPECT_EQ(plain.ended, patched.ended);
  EXPECT_EQ(plain.pixels, patched.pixels);
}

}  // namespace
}  // namespace tebix
