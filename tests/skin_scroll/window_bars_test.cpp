// The bars a window carries in its non-client area, on windows of the
// generic renderer: the client area they leave, their pixels, the scroll
// functions, hover, arrow auto-repeat and thumb drags.
#include <windows.h>

#include "skin/attach/creation_hook.h"
#include "skin/attach/scroll_bar_services.h"
#include "skin/core/skin_data.h"
#include "skin/render/scroll_bar_engine.h"
#include "skin/render/scroll_geometry.h"
#include "tests/skin_scroll/scroll_support.h"

namespace tebix::test {
namespace {

void SetBar(HWND window, int bar, int minimum, int maximum, UINT page, int position) {
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, minimum, maximum, page, position, 0};
  SetScrollInfo(window, bar, &si, TRUE);
}

void Repaint(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

POINT Centre(const RECT& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(ScrollTest, BarsTakeTheSkinSizesOffTheClientArea) {
  struct Case {
    const char* name;
    DWORD style;
    DWORD ex_style;
    int lost_width;   // skin metric
    int lost_height;  // skin metric
    bool left;
  };
  const Case cases[] = {
      {"vertical", WS_VSCROLL, 0, 17, 0, false},
      {"horizontal", WS_HSCROLL, 0, 0, 14, false},
      {"both", WS_VSCROLL | WS_HSCROLL, 0, 17, 14, false},
      {"both, bordered", WS_VSCROLL | WS_HSCROLL | WS_BORDER, 0, 17, 14, false},
      {"vertical on the left", WS_VSCROLL, WS_EX_LEFTSCROLLBAR, 17, 0, true},
      {"neither", 0, 0, 0, 0, false},
  };
  for (const Case& c : cases) {
    HWND w = Child(kPaneClass, c.style, c.ex_style, 20, 20, 200, 150);
    ASSERT_NE(ObjectOf(w), nullptr) << c.name;
    EXPECT_TRUE(HasProperty(w, "Scroll_Prop")) << c.name;
    const int border = (c.style & WS_BORDER) ? GetSystemMetrics(SM_CXBORDER) : 0;
    const RECT client = ClientInWindow(w);
    const int lost_width = c.lost_width ? SkinMetric(c.lost_width) : 0;
    const int lost_height = c.lost_height ? SkinMetric(c.lost_height) : 0;
    EXPECT_EQ(client.right - client.left, 200 - 2 * border - lost_width) << c.name;
    EXPECT_EQ(client.bottom - client.top, 150 - 2 * border - lost_height) << c.name;
    EXPECT_EQ(client.left, border + (c.left ? lost_width : 0)) << c.name;
    const ScrollState& s = StateOf(w);
    EXPECT_EQ(s.vertical.shown, (c.style & WS_VSCROLL) ? 1 : 0) << c.name;
    EXPECT_EQ(s.horizontal.shown, (c.style & WS_HSCROLL) ? 1 : 0) << c.name;
    EXPECT_EQ(s.left_scrollbar, c.left ? 1 : 0) << c.name;
    if (c.style & WS_VSCROLL) {
      // The bar lies beside the client area, on its side.
      Repaint(w);
      const RECT& up = s.up_arrow;
      EXPECT_EQ(up.left, c.left ? client.left - SkinMetric(17) : client.right) << c.name;
      EXPECT_EQ(up.bottom - up.top, SkinMetric(18)) << c.name;
    }
    DestroyWindow(w);
  }
}

TEST_F(ScrollTest, BarPixelsAreTheSkinPartsAndFollowTheProgram) {
  HWND w = Child(kPaneClass, WS_VSCROLL | WS_HSCROLL, 0, 20, 20, 240, 200);
  SetBar(w, SB_VERT, 0, 99, 10, 0);
  SetBar(w, SB_HORZ, 0, 9, 0, 0);  // page 0: a minimum thumb
  Repaint(w);
  ScrollState& s = StateOf(w);
  ASSERT_EQ(s.painted, 1);
  const RECT client = ClientInWindow(w);
  const int track = client.bottom - client.top - 2 * SkinMetric(18);
  // Vertical thumb: 9/99 of the track at the top.
  const RECT thumb = s.vertical_thumb;
  EXPECT_EQ(thumb.top, client.top + SkinMetric(18));
  EXPECT_EQ(thumb.bottom - thumb.top, std::max(scroll::MulDiv(9, track, 99), SkinMetric(19)));

  // Arrows lie on the skin background, so their corners show it where the
  // part is transparent; thumbs lie on the track and are compared inside.
  struct Probe {
    const char* name;
    RECT rect;
    int part;
    bool corners;
  };
  const Probe probes[] = {
      {"up arrow", s.up_arrow, kUpArrowPart, true},
      {"down arrow", s.down_arrow, kDownArrowPart, true},
      {"vertical thumb", s.vertical_thumb, kVerticalThumbPart, false},
      {"left arrow", s.left_arrow, kLeftArrowPart, true},
      {"right arrow", s.right_arrow, kRightArrowPart, true},
      {"horizontal thumb", s.horizontal_thumb, kHorizontalThumbPart, false},
  };
  for (const Probe& p : probes) {
    ASSERT_FALSE(IsRectEmpty(&p.rect)) << p.name;
    const POINT c = Centre(p.rect);
    const int inset = p.corners ? 1 : 4;
    for (const POINT at : {c, POINT{p.rect.left + inset, p.rect.top + inset},
                           POINT{p.rect.right - 1 - inset, p.rect.bottom - 1 - inset}}) {
      EXPECT_EQ(ScreenPixel(w, at.x, at.y), PartPixel(p.part, p.rect, at.x, at.y))
          << p.name << " at " << at.x << "," << at.y;
    }
  }
  // The program moves the thumb: the bar shows it at once.
  const POINT old_thumb = Centre(s.vertical_thumb);
  SetScrollPos(w, SB_VERT, 90, TRUE);
  EXPECT_EQ(s.vertical_thumb.bottom, client.bottom - SkinMetric(18));
  EXPECT_EQ(ScreenPixel(w, old_thumb.x, old_thumb.y),
            PartPixel(kVerticalTrackPart, s.vertical_track, old_thumb.x, old_thumb.y))
      << "the track shows where the thumb was";
  const POINT new_thumb = Centre(s.vertical_thumb);
  EXPECT_EQ(ScreenPixel(w, new_thumb.x, new_thumb.y),
            PartPixel(kVerticalThumbPart, s.vertical_thumb, new_thumb.x, new_thumb.y));
}

TEST_F(ScrollTest, DisabledLookShowsDisabledPartsWithoutAThumb) {
  HWND w = Child(kPaneClass, WS_VSCROLL, 0, 20, 20, 200, 150);
  SetBar(w, SB_VERT, 0, 99, 10, 20);
  EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH);
  Repaint(w);
  ScrollState& s = StateOf(w);
  EXPECT_EQ(s.vertical.disabled, 1);
  EXPECT_TRUE(IsRectEmpty(&s.vertical_thumb));
  const POINT up = Centre(s.up_arrow);
  EXPECT_EQ(ScreenPixel(w, up.x, up.y), PartPixel(kUpArrowPart + 3, s.up_arrow, up.x, up.y));
  const POINT track = Centre(s.vertical_track);
  EXPECT_EQ(ScreenPixel(w, track.x, track.y), PartPixel(kVerticalTrackPart + 3, s.vertical_track, track.x, track.y));
  // A range that scrolls again brings the thumb and the normal look back.
  SetBar(w, SB_VERT, 0, 99, 10, 20);
  EXPECT_EQ(s.vertical.disabled, 0);
  EXPECT_FALSE(IsRectEmpty(&s.vertical_thumb));
}

TEST_F(ScrollTest, ScrollFunctionsKeepPageAndPositionInsideTheRange) {
  HWND w = Child(kPaneClass, WS_VSCROLL, 0, 20, 20, 200, 150);
  struct Step {
    const char* name;
    UINT mask;
    int min, max;
    UINT page;
    int pos;
    int expect_min, expect_max;
    UINT expect_page;
    int expect_pos;
  };
  const Step steps[] = {
      {"set all", SIF_ALL, 0, 100, 10, 50, 0, 100, 10, 50},
      {"position past the end", SIF_POS, 0, 0, 0, 500, 0, 100, 10, 91},
      {"position before the start", SIF_POS, 0, 0, 0, -5, 0, 100, 10, 0},
      {"page larger than the range", SIF_PAGE, 0, 0, 500, 0, 0, 100, 101, 0},
      {"page back", SIF_PAGE | SIF_POS, 0, 0, 10, 91, 0, 100, 10, 91},
      {"page 0 lets the position reach max + 1", SIF_ALL, 0, 20, 0, 30, 0, 20, 0, 21},
  };
  for (const Step& step : steps) {
    SCROLLINFO si{sizeof si, step.mask, step.min, step.max, step.page, step.pos, 0};
    SetScrollInfo(w, SB_VERT, &si, TRUE);
    SCROLLINFO got{sizeof got, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(w, SB_VERT, &got)) << step.name;
    EXPECT_EQ(got.nMin, step.expect_min) << step.name;
    EXPECT_EQ(got.nMax, step.expect_max) << step.name;
    EXPECT_EQ(got.nPage, step.expect_page) << step.name;
    EXPECT_EQ(got.nPos, step.expect_pos) << step.name;
    EXPECT_EQ(GetScrollPos(w, SB_VERT), step.expect_pos) << step.name;
  }
  // A position the program set is drawn inside the track even when a
  // smaller range left it behind.
  SetBar(w, SB_VERT, 0, 100, 10, 80);
  SetScrollRange(w, SB_VERT, 0, 40, TRUE);
  RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const ScrollState& s = StateOf(w);
  EXPECT_EQ(s.vertical_thumb.bottom, s.vertical_track.bottom);
  EXPECT_GT(s.vertical_thumb.top, s.vertical_track.top);
}

TEST_F(ScrollTest, HoverLightsTheElementUnderThePointerOnly) {
  HWND w = Child(kPaneClass, WS_VSCROLL, 0, 20, 20, 200, 150);
  SetBar(w, SB_VERT, 0, 99, 10, 0);
  Repaint(w);
  ScrollState& s = StateOf(w);
  const POINT down = Centre(s.down_arrow);
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(w, down.x, down.y)), 0x3005);
  SendMessageW(w, WM_NCMOUSEMOVE, 0x3005, ScreenPoint(w, down.x, down.y));
  EXPECT_EQ(s.mouse_state, 1);
  EXPECT_EQ(s.hot_element, 3);
  EXPECT_EQ(ScreenPixel(w, down.x, down.y), PartPixel(kDownArrowPart + 1, s.down_arrow, down.x, down.y));
  const POINT up = Centre(s.up_arrow);
  EXPECT_EQ(ScreenPixel(w, up.x, up.y), PartPixel(kUpArrowPart, s.up_arrow, up.x, up.y)) << "not hot";
  // Into the client area: nothing is hot any more.
  SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(s.mouse_state, 0);
  EXPECT_EQ(s.hot_element, 0);
  EXPECT_EQ(ScreenPixel(w, down.x, down.y), PartPixel(kDownArrowPart, s.down_arrow, down.x, down.y));
  // The hit test of the client area is the window's own; the system's bar
  // codes never come out.
  const LRESULT client_hit = SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(w, 50, 50));
  EXPECT_EQ(client_hit, HTCLIENT);
}

TEST_F(ScrollTest, HeldArrowRepeatsAfterAPauseUntilReleased) {
  HWND w = Child(kPaneClass, WS_VSCROLL, 0, 20, 20, 200, 150);
  SetBar(w, SB_VERT, 0, 1000, 10, 0);
  Repaint(w);
  ScrollState& s = StateOf(w);
  const POINT down = Centre(s.down_arrow);
  const LPARAM at = ScreenPoint(w, down.x, down.y);
  ScrollLog().clear();
  EXPECT_EQ(SendMessageW(w, WM_NCLBUTTONDOWN, 0x3005, at), 0);
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_LINEDOWN), 1) << "one at once";
  EXPECT_EQ(s.mouse_state, 2);
  EXPECT_EQ(ScreenPixel(w, down.x, down.y), PartPixel(kDownArrowPart + 2, s.down_arrow, down.x, down.y));
  PumpFor(350);
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_LINEDOWN), 1) << "nothing before 500 ms";
  PumpFor(1150);  // 1.5 s held: about 1 + 1 + 1000 / 55 messages
  const int held = CountEvents(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_GE(held, 8);
  EXPECT_LE(held, 24);
  SendMessageW(w, WM_NCLBUTTONUP, 0x3005, at);
  EXPECT_EQ(s.mouse_state, 1) << "released over the arrow";
  const int released = CountEvents(WM_VSCROLL, SB_LINEDOWN);
  PumpFor(300);
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_LINEDOWN), released) << "no repeat after the release";
  // The release of a non-client press reaches the window as what it is.
  EXPECT_EQ(CountEvents(WM_LBUTTONUP), 0);
  EXPECT_EQ(CountEvents(WM_NCLBUTTONUP), 1);
}

TEST_F(ScrollTest, LeavingTheBarStopsTheRepeat) {
  HWND w = Child(kPaneClass, WS_VSCROLL | WS_HSCROLL, 0, 20, 20, 200, 150);
  SetBar(w, SB_VERT, 0, 1000, 10, 500);
  SetBar(w, SB_HORZ, 0, 1000, 10, 500);
  Repaint(w);
  ScrollState& s = StateOf(w);
  struct Case {
    const char* name;
    RECT rect;
    int hit;
    UINT message;
    int code;
  };
  const Case cases[] = {
      {"up arrow", s.up_arrow, 0x3003, WM_VSCROLL, SB_LINEUP},
      {"track below the thumb", {s.vertical_thumb.left, s.vertical_thumb.bottom + 1, s.vertical_thumb.right,
                                 s.vertical_thumb.bottom + 3}, 0x3004, WM_VSCROLL, SB_PAGEDOWN},
      {"left arrow", s.left_arrow, 0x3000, WM_HSCROLL, SB_LINELEFT},
      {"track left of the thumb", {s.horizontal_thumb.left - 3, s.horizontal_thumb.top, s.horizontal_thumb.left - 1,
                                   s.horizontal_thumb.bottom}, 0x3001, WM_HSCROLL, SB_PAGELEFT},
  };
  for (const Case& c : cases) {
    ScrollLog().clear();
    const POINT p = Centre(c.rect);
    ASSERT_EQ(SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(w, p.x, p.y)), c.hit) << c.name;
    SendMessageW(w, WM_NCLBUTTONDOWN, c.hit, ScreenPoint(w, p.x, p.y));
    EXPECT_EQ(CountEvents(c.message, c.code), 1) << c.name;
    PumpFor(700);
    EXPECT_GE(CountEvents(c.message, c.code), 2) << c.name << " repeats";
    // The pointer goes into the client area.
    SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(w, 60, 60));
    const int left_at = CountEvents(c.message, c.code);
    PumpFor(250);
    EXPECT_EQ(CountEvents(c.message, c.code), left_at) << c.name << " stops";
    EXPECT_EQ(s.mouse_state, 0) << c.name << " no longer drawn pressed";
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(40, 40));
  }
}

// Drags the vertical thumb: pressed at its centre, moved to each point in
// turn (window coordinates), released at the last.
void DragVertical(HWND w, std::initializer_list<POINT> moves) {
  ScrollState& s = StateOf(w);
  const POINT grab = Centre(s.vertical_thumb);
  SendMessageW(w, WM_NCLBUTTONDOWN, 0x3007, ScreenPoint(w, grab.x, grab.y));
  POINT last = grab;
  for (const POINT p : moves) {
    SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(w, p.x, p.y));
    last = p;
  }
  SendMessageW(w, WM_LBUTTONUP, 0, ClientPoint(w, last.x, last.y));
}

TEST_F(ScrollTest, DraggedThumbReportsPositionsFromMinToTheLastPage) {
  HWND w = Child(kPaneClass, WS_VSCROLL, 0, 20, 20, 200, 200);
  SetBar(w, SB_VERT, 10, 110, 10, 50);
  Repaint(w);
  ScrollState& s = StateOf(w);
  const int x = Centre(s.vertical_track).x;
  const int top = s.vertical_track.top, bottom = s.vertical_track.bottom;
  ScrollLog().clear();
  DragVertical(w, {{x, top}, {x, bottom - 1}});
  std::vector<int> tracked;
  for (const ScrollEvent& e : ScrollLog())
    if (e.message == WM_VSCROLL && e.code == SB_THUMBTRACK) tracked.push_back(e.position);
  ASSERT_EQ(tracked.size(), 2u);
  EXPECT_EQ(tracked[0], 10);
  EXPECT_EQ(tracked[1], 101);
  ASSERT_GE(ScrollLog().size(), 4u);
  const ScrollEvent& position = ScrollLog()[ScrollLog().size() - 3];
  EXPECT_EQ(position.code, SB_THUMBPOSITION);
  EXPECT_EQ(position.position, 101);
  EXPECT_EQ(ScrollLog()[ScrollLog().size() - 2].code, SB_ENDSCROLL);
  EXPECT_EQ(ScrollLog().back().message, static_cast<UINT>(WM_LBUTTONUP));
  EXPECT_EQ(GetScrollPos(w, SB_VERT), 101);
  EXPECT_EQ(s.dragging, 0);
  EXPECT_EQ(GetCapture(), nullptr) << "the capture is given back";
  EXPECT_EQ(s.vertical_thumb.bottom, bottom) << "the thumb stays at the end";
}

TEST_F(ScrollTest, DragFreezesOutsideItsZoneAndResumesFromTheAnchor) {
  HWND w = Child(kPaneClass, WS_VSCROLL, 0, 20, 20, 200, 240);
  SetBar(w, SB_VERT, 0, 200, 20, 0);
  Repaint(w);
  ScrollState& s = StateOf(w);
  const POINT grab = Centre(s.vertical_thumb);
  const int thumb_top = s.vertical_thumb.top;
  ScrollLog().clear();
  SendMessageW(w, WM_NCLBUTTONDOWN, 0x3007, ScreenPoint(w, grab.x, grab.y));
  EXPECT_EQ(s.dragging, 1);
  SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(w, grab.x, grab.y + 30));
  EXPECT_EQ(s.vertical_thumb.top, thumb_top + 30);
  const int after_first = CountEvents(WM_VSCROLL, SB_THUMBTRACK);
  EXPECT_EQ(after_first, 1);
  // 100 px to the left of the track: frozen.
  SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(w, s.vertical_track.left - 100, grab.y + 60));
  EXPECT_EQ(s.vertical_thumb.top, thumb_top + 30);
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_THUMBTRACK), after_first);
  // 90 px beside it still drags; from the anchor the frozen move left behind.
  SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(w, s.vertical_track.left - 90, grab.y + 40));
  EXPECT_EQ(s.vertical_thumb.top, thumb_top + 40);
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_THUMBTRACK), after_first + 1);
  // Above the track (over the up arrow) is outside the zone too.
  SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(w, grab.x, s.up_arrow.top + 1));
  EXPECT_EQ(s.vertical_thumb.top, thumb_top + 40);
  SendMessageW(w, WM_LBUTTONUP, 0, ClientPoint(w, grab.x, grab.y + 40));
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_ENDSCROLL), 1);
  EXPECT_EQ(GetScrollPos(w, SB_VERT), s.last_track_pos);
}

TEST_F(ScrollTest, DragEndsWhenAnotherWindowTakesTheMouse) {
  HWND w = Child(kPaneClass, WS_VSCROLL, 0, 20, 20, 200, 200);
  SetBar(w, SB_VERT, 0, 100, 10, 0);
  Repaint(w);
  ScrollState& s = StateOf(w);
  const POINT grab = Centre(s.vertical_thumb);
  ScrollLog().clear();
  SendMessageW(w, WM_NCLBUTTONDOWN, 0x3007, ScreenPoint(w, grab.x, grab.y));
  SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(w, grab.x, grab.y + 25));
  ASSERT_EQ(GetCapture(), w);
  SetCapture(host());
  EXPECT_EQ(s.dragging, 0);
  EXPECT_EQ(s.captured, 0);
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_THUMBPOSITION), 1);
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_ENDSCROLL), 1);
  ReleaseCapture();
  // The bars follow the program again.
  SetScrollPos(w, SB_VERT, 0, TRUE);
  EXPECT_EQ(s.vertical_thumb.top, s.vertical_track.top);
}

TEST_F(ScrollTest, ServicesServeTheFrameAndStopWithTheEngine) {
  // What the frame reaches the bars by is registered while the engine runs.
  EXPECT_NE(ScrollBars().message, nullptr);
  EXPECT_NE(ScrollBars().paint, nullptr);
  EXPECT_NE(ScrollBars().client_edge, nullptr);
  HWND w = Child(kPaneClass, WS_VSCROLL, 0, 20, 20, 200, 150);
  SetBar(w, SB_VERT, 0, 99, 10, 0);
  Repaint(w);
  ScrollState& s = StateOf(w);
  SkinnedWindow* object = ObjectOf(w);
  ASSERT_NE(object, nullptr);
  const POINT up = Centre(s.up_arrow);
  EXPECT_EQ(ScrollBars().message(*object, s, WM_NCHITTEST, 0, ScreenPoint(w, up.x, up.y), true), 0x3003);
  // An unrelated message is passed on.
  EXPECT_EQ(ScrollBars().message(*object, s, WM_GETDLGCODE, 0, 0, true), 0);
}

}  // namespace
}  // namespace tebix::test

namespace tebix::test {
namespace {

// The pointer moved to a point of the window (window coordinates) as the
// mouse would, with the buttons given.
void MouseAt(HWND window, int x, int y, DWORD buttons = 0) {
  RECT r;
  GetWindowRect(window, &r);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(r.left + x, 65535, width - 1);
  input.mi.dy = MulDiv(r.top + y, 65535, height - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
  SendInput(1, &input, sizeof input);
  PumpFor(60);
}

TEST_F(ScrollTest, RealMouseInputClicksArrowsAndDragsTheThumb) {
  HWND w = Child(kPaneClass, WS_VSCROLL, 0, 20, 20, 200, 200);
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 0, 0};
  SetScrollInfo(w, SB_VERT, &si, TRUE);
  RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  ScrollState& s = StateOf(w);
  const POINT down{(s.down_arrow.left + s.down_arrow.right) / 2, (s.down_arrow.top + s.down_arrow.bottom) / 2};
  MouseAt(w, down.x, down.y);
  EXPECT_EQ(s.mouse_state, 1) << "hot under the pointer";
  ScrollLog().clear();
  MouseAt(w, down.x, down.y, MOUSEEVENTF_LEFTDOWN);
  MouseAt(w, down.x, down.y, MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_LINEDOWN), 1) << "a click, one line";

  const POINT grab{(s.vertical_thumb.left + s.vertical_thumb.right) / 2, s.vertical_thumb.top + 3};
  ScrollLog().clear();
  MouseAt(w, grab.x, grab.y);
  MouseAt(w, grab.x, grab.y, MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(s.dragging, 1);
  EXPECT_EQ(GetCapture(), w);
  MouseAt(w, grab.x, grab.y + 20);
  MouseAt(w, grab.x + 40, grab.y + 50);
  MouseAt(w, grab.x + 40, grab.y + 50, MOUSEEVENTF_LEFTUP);
  EXPECT_GE(CountEvents(WM_VSCROLL, SB_THUMBTRACK), 2);
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_THUMBPOSITION), 1);
  EXPECT_EQ(CountEvents(WM_VSCROLL, SB_ENDSCROLL), 1);
  EXPECT_EQ(s.dragging, 0);
  EXPECT_EQ(GetCapture(), nullptr);
  const int track = s.vertical_track.bottom - s.vertical_track.top;
  const int thumb = s.vertical_thumb.bottom - s.vertical_thumb.top;
  EXPECT_EQ(GetScrollPos(w, SB_VERT), MulDiv(50, 100 - 10 + 1, track - thumb));
  MouseAt(w, 60, 60);
  PumpFor(100);
  EXPECT_EQ(s.mouse_state, 0) << "nothing hot once the pointer left";
}

}  // namespace
}  // namespace tebix::test
