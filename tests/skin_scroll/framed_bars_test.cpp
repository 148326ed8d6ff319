// A top-level window with a skinned frame and its own scroll bars: the frame
// makes room for the skin's bars, and the bars draw and work as on any other
// window.
#include <gtest/gtest.h>

#include "skin/core/skin_data.h"
#include "tests/skin_scroll/scroll_support.h"

namespace tebix::test {
namespace {

constexpr wchar_t kFormClass[] = L"ThunderRT6FormDC";  // framed by the form frame
constexpr int kUpArrowPart = 116, kDownArrowPart = 120, kLeftArrowPart = 124, kVerticalThumbPart = 140;

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_VSCROLL || message == WM_HSCROLL) {
    ScrollLog().push_back({window, message, LOWORD(wparam), static_cast<short>(HIWORD(wparam)), lparam});
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

class FramedBarsTest : public ScrollTest {
 protected:
  HWND Form(DWORD style) {
    RegisterPlainClass(kFormClass, FormProc);
    form_ = CreateWindowExW(0, kFormClass, L"Framed", WS_OVERLAPPEDWINDOW | WS_VISIBLE | style, 60, 60, 320, 260,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    return form_;
  }
  void TearDown() override {
    if (form_ != nullptr) DestroyWindow(form_);
    ScrollTest::TearDown();
  }

 private:
  HWND form_ = nullptr;
};

POINT Centre(const RECT& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(FramedBarsTest, FramedWindowDrawsAndOperatesItsSkinnedBars) {
  HWND w = Form(WS_VSCROLL | WS_HSCROLL);
  ASSERT_NE(ObjectOf(w), nullptr) << "the form frame took the window";
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 999, 100, 0, 0};
  SetScrollInfo(w, SB_VERT, &si, TRUE);
  SetScrollInfo(w, SB_HORZ, &si, TRUE);
  RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  ScrollState& s = StateOf(w);
  ASSERT_EQ(s.vertical.shown, 1);
  ASSERT_EQ(s.horizontal.shown, 1);

  // The bars lie right of and below the client area, as wide as the skin says.
  const RECT client = ClientInWindow(w);
  EXPECT_EQ(s.up_arrow.left, client.right);
  EXPECT_EQ(s.up_arrow.right - s.up_arrow.left, SkinMetric(17));
  EXPECT_EQ(s.up_arrow.top, client.top);
  EXPECT_EQ(s.left_arrow.top, client.bottom);
  EXPECT_EQ(s.left_arrow.bottom - s.left_arrow.top, SkinMetric(14));

  // They are drawn from the skin, the thumb where the program put it.
  struct Probe {
    const char* name;
    RECT rect;
    int part;
  };
  for (const Probe& p : {Probe{"up arrow", s.up_arrow, kUpArrowPart}, Probe{"down arrow", s.down_arrow, kDownArrowPart},
                         Probe{"left arrow", s.left_arrow, kLeftArrowPart},
                         Probe{"vertical thumb", s.vertical_thumb, kVerticalThumbPart}}) {
    ASSERT_FALSE(IsRectEmpty(&p.rect)) << p.name;
    const POINT c = Centre(p.rect);
    EXPECT_EQ(ScreenPixel(w, c.x, c.y), PartPixel(p.part, p.rect, c.x, c.y)) << p.name;
  }
  EXPECT_EQ(s.vertical_thumb.top, s.vertical_track.top);

  // The frame hands the bars' hit test, press, timers and release to them.
  const POINT down = Centre(s.down_arrow);
  const LPARAM at = ScreenPoint(w, down.x, down.y);
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, at), 0x3005);
  ScrollLog().clear();
  SendMessageW(w, WM_NCLBUTTONDOWN, 0x3005, at);
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_LINEDOWN), 1) << "one at once";
  PumpFor(1500);
  const int held = CountEvents(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_GE(held, 8) << "repeats while held";
  SendMessageW(w, WM_NCLBUTTONUP, 0x3005, at);
  const int released = CountEvents(WM_VSCROLL, SB_LINEDOWN);
  PumpFor(300);
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_LINEDOWN), released) << "no repeat after the release";

  // The caption buttons still answer as before.
  EXPECT_NE(SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(w, client.left + 40, 10)), 0x3005);
}

}  // namespace
}  // namespace tebix::test
