// The generic renderer: a control's own painting over the skin background,
// through BeginPaint and through GetDC, with its black text recoloured.
#include <windows.h>

#include "skin/attach/creation_hook.h"
#include "skin/attach/text_recolour.h"
#include "skin/core/skin_data.h"
#include "skin/render/generic.h"
#include "tests/skin_scroll/scroll_support.h"

namespace tebix::test {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

TEST_F(ScrollTest, OwnPaintingShowsTheSkinBackgroundForButtonFace) {
  HWND pane = Child(kPaneClass, 0, 0, 20, 20, 120, 80);
  ASSERT_NE(ObjectOf(pane), nullptr);
  EXPECT_TRUE(HasProperty(pane, "TEBIX_GETDC"));
  RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  // The pane filled everything with the button face and put a red square
  // at (10, 10, 30, 30).
  EXPECT_EQ(ScreenPixel(pane, 20, 20), kRed);
  for (const POINT p : {POINT{2, 2}, POINT{60, 40}, POINT{119, 79}}) {
    EXPECT_EQ(ScreenPixel(pane, p.x, p.y), BackgroundPixel(p.x, p.y)) << p.x << "," << p.y;
  }
  // Only part of it repainted: the rest stays as it was.
  const RECT part{50, 0, 120, 80};
  RedrawWindow(pane, &part, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(ScreenPixel(pane, 20, 20), kRed);
  EXPECT_EQ(ScreenPixel(pane, 60, 40), BackgroundPixel(60, 40));
}

TEST_F(ScrollTest, DrawingThroughGetDcIsComposedOnRelease) {
  HWND pane = Child(kPaneClass, 0, 0, 20, 20, 120, 80);
  RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  HDC dc = GetDC(pane);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC)) << "a substitute, not the screen";
  EXPECT_EQ(GetPixel(dc, 20, 20), kRed) << "holds the window's current image";
  const RECT face{40, 40, 70, 70}, blue{80, 10, 100, 30};
  FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
  HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
  FillRect(dc, &blue, brush);
  DeleteObject(brush);
  // Black text drawn on it comes out in the skin's text colour.
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  const RECT text_area{2, 50, 38, 78};
  RECT box = text_area;
  DrawTextW(dc, L"MMMM", -1, &box, DT_LEFT | DT_TOP | DT_SINGLELINE);
  EXPECT_EQ(ScreenPixel(pane, 90, 20), BackgroundPixel(90, 20)) << "nothing shows before the release";
  EXPECT_EQ(ReleaseDC(pane, dc), 1);
  EXPECT_EQ(ScreenPixel(pane, 90, 20), RGB(0, 0, 255));
  EXPECT_EQ(ScreenPixel(pane, 55, 55), BackgroundPixel(55, 55));
  EXPECT_EQ(ScreenPixel(pane, 20, 20), kRed);
  int recoloured = 0, black = 0;
  for (int y = text_area.top; y < text_area.bottom; ++y) {
    for (int x = text_area.left; x < text_area.right; ++x) {
      const COLORREF c = ScreenPixel(pane, x, y);
      if (c == SkinColour(61)) ++recoloured;
      if (c == RGB(0, 0, 0)) ++black;
    }
  }
  EXPECT_GT(recoloured, 0);
  EXPECT_EQ(black, 0);
  // Taken twice without giving back: the second works as the first.
  HDC first = GetDC(pane);
  HDC second = GetDC(pane);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(ReleaseDC(pane, second), 1);
  (void)first;
  // A DC of the window not from GetDC is released as it is.
  HDC window_dc = GetWindowDC(pane);
  EXPECT_EQ(ReleaseDC(pane, window_dc), 1);
}

TEST_F(ScrollTest, OwnerDrawnButtonsAreGenericAndKeepTheirDrawing) {
  HWND button = Child(L"Button", BS_OWNERDRAW, 0, 20, 20, 100, 40);
  ASSERT_NE(ObjectOf(button), nullptr);
  EXPECT_EQ(FindRenderer(RendererId::kGeneric)->create, kGenericRenderer.create);
  EXPECT_TRUE(HasProperty(button, "Tebix_Attached"));
  // The host draws nothing on WM_DRAWITEM (DefWindowProc): what the button
  // leaves is the skin background, not the button face.
  RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_NE(ScreenPixel(button, 50, 20), GetSysColor(COLOR_BTNFACE));
  // Pressed and released, it still reports its click.
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollTest, LateAttachedPaneGetsItsBarsAndKeepsItsPosition) {
  // A pane made while no skin is loaded keeps the system's bars until the
  // skin comes and attaches it; its scroll information carries over.
  HWND pane = Child(kPaneClass, WS_VSCROLL, 0, 20, 20, 160, 120);
  ASSERT_NE(ObjectOf(pane), nullptr);
  DetachObject(pane);
  ASSERT_EQ(ObjectOf(pane), nullptr);
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 60, 10, 25, 0};
  SetScrollInfo(pane, SB_VERT, &si, TRUE);
  ProbeWindow(pane, false);
  ASSERT_NE(ObjectOf(pane), nullptr);
  EXPECT_EQ(GetScrollPos(pane, SB_VERT), 25);
  const RECT client = ClientInWindow(pane);
  EXPECT_EQ(client.right - client.left, 160 - SkinMetric(17));
}

}  // namespace
}  // namespace tebix::test

namespace tebix::test {
namespace {

LRESULT CALLBACK RefusingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CREATE) return -1;
  return DefWindowProcW(window, message, wparam, lparam);
}

// A paint that begins and never ends.
LRESULT CALLBACK UnfinishedPaintProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    ValidateRect(window, nullptr);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

TEST_F(ScrollTest, WindowThatRefusesItsCreationIsNotMadeAnyway) {
  RegisterPlainClass(L"RefusingVSFlexGrid", RefusingProc);
  HWND w = CreateWindowExW(0, L"RefusingVSFlexGrid", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, 100, 100, host(),
                           nullptr, nullptr, nullptr);
  EXPECT_EQ(w, nullptr);
  if (w != nullptr) DestroyWindow(w);
}

TEST_F(ScrollTest, PaintThatNeverEndsDoesNotKeepTheBuffer) {
  RegisterPlainClass(L"UnfinishedVSFlexGrid", UnfinishedPaintProc);
  HWND broken = Child(L"UnfinishedVSFlexGrid", 0, 0, 10, 10, 60, 60);
  ASSERT_NE(ObjectOf(broken), nullptr);
  RedrawWindow(broken, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  // Another generic window paints through the buffer as usual afterwards.
  HWND pane = Child(kPaneClass, 0, 0, 100, 10, 120, 80);
  RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(ScreenPixel(pane, 20, 20), kRed);
  EXPECT_EQ(ScreenPixel(pane, 60, 40), BackgroundPixel(60, 40));
}

TEST_F(ScrollTest, ScrollBarControlLosingTheMouseEndsItsDrag) {
  HWND bar = Child(L"ScrollBar", SBS_VERT, 0, 40, 40, 17, 160);
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 20, 0, 0};
  SetScrollInfo(bar, SB_CTL, &si, TRUE);
  UpdateWindow(bar);
  ScrollState& s = StateOf(bar);
  const int x = (s.vertical_thumb.left + s.vertical_thumb.right) / 2, y = s.vertical_thumb.top + 2;
  ScrollLog().clear();
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y + 30));
  ASSERT_EQ(CountEvents(WM_VSCROLL, SB_THUMBTRACK), 1);
  SetCapture(host());  // someone else takes the mouse
  EXPECT_EQ(s.dragging, 0);
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_THUMBPOSITION), 1);
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_ENDSCROLL), 1);
  ReleaseCapture();
  // Later moves do not drag any more.
  SendMessageW(bar, WM_MOUSEMOVE, 0, MAKELPARAM(x, y + 60));
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_THUMBTRACK), 1);
}

}  // namespace
}  // namespace tebix::test

namespace tebix::test {
namespace {

TEST_F(ScrollTest, DetachedWindowsKeepWhatTheProgramSet) {
  HWND pane = Child(kPaneClass, WS_VSCROLL | WS_HSCROLL, 0, 20, 20, 160, 120);
  HWND bar = Child(L"ScrollBar", SBS_HORZ, 0, 200, 20, 160, 17);
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 60, 10, 25, 0};
  SetScrollInfo(pane, SB_VERT, &si, TRUE);
  si.nPos = 7;
  SetScrollInfo(pane, SB_HORZ, &si, TRUE);
  si.nPos = 33;
  SetScrollInfo(bar, SB_CTL, &si, TRUE);
  ASSERT_TRUE(DetachObject(pane));
  ASSERT_TRUE(DetachObject(bar));
  // The system's own functions answer now.
  EXPECT_EQ(GetScrollPos(pane, SB_VERT), 25);
  EXPECT_EQ(GetScrollPos(pane, SB_HORZ), 7);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 33);
  SCROLLINFO got{sizeof got, SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(pane, SB_VERT, &got));
  EXPECT_EQ(got.nMax, 60);
  EXPECT_EQ(got.nPage, 10u);
}

// A DC taken through GetDC and never given back goes with its window: the
// text-colour slot must not go on naming a DC that no longer exists, whose
// handle the system may give to the next DC made.
TEST_F(ScrollTest, AWindowDyingWithItsDcTakenLeavesNoTextColourBehind) {
  HWND pane = Child(kPaneClass, 0, 0, 20, 20, 120, 80);
  HDC dc = GetDC(pane);
  ASSERT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
  ASSERT_EQ(TextRecolourDc(), dc);
  DestroyWindow(pane);
  EXPECT_EQ(GetObjectType(dc), 0u) << "the memory DC went with the window";
  EXPECT_EQ(TextRecolourDc(), nullptr);
}

}  // namespace
}  // namespace tebix::test
