// The scroll bar control: its pixels, what it sends its parent on arrows,
// track and thumb, size boxes, and the control messages against the scroll
// functions.
#include <windows.h>

#include "skin/core/skin_data.h"
#include "skin/render/scroll_bar_engine.h"
#include "tests/skin_scroll/scroll_support.h"

namespace tebix::test {
namespace {

POINT Centre(const RECT& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void SetBar(HWND bar, int minimum, int maximum, UINT page, int position) {
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, minimum, maximum, page, position, 0};
  SetScrollInfo(bar, SB_CTL, &si, TRUE);
  UpdateWindow(bar);
}

struct Orientation {
  const char* name;
  DWORD style;
  int width, height;
  UINT message;
  int first_part, second_part, thumb_part, track_part;
};

const Orientation kOrientations[] = {
    {"vertical", SBS_VERT, 17, 160, WM_VSCROLL, kUpArrowPart, kDownArrowPart, kVerticalThumbPart,
     kVerticalTrackPart},
    {"horizontal", SBS_HORZ, 200, 17, WM_HSCROLL, kLeftArrowPart, kRightArrowPart, kHorizontalThumbPart,
     kHorizontalTrackPart},
};

TEST_F(ScrollTest, ScrollBarControlIsDrawnFromTheSkin) {
  for (const Orientation& o : kOrientations) {
    HWND bar = Child(L"ScrollBar", o.style, 0, 40, 40, o.width, o.height);
    ASSERT_NE(ObjectOf(bar), nullptr) << o.name;
    SetBar(bar, 0, 100, 20, 40);
    ScrollState& s = StateOf(bar);
    const struct {
      const char* element;
      RECT rect;
      int part;
    } probes[] = {
        {"first arrow", s.up_arrow, o.first_part},
        {"second arrow", s.down_arrow, o.second_part},
        {"thumb", s.vertical_thumb, o.thumb_part},
    };
    for (const auto& p : probes) {
      ASSERT_FALSE(IsRectEmpty(&p.rect)) << o.name << " " << p.element;
      const POINT c = Centre(p.rect);
      EXPECT_EQ(ScreenPixel(bar, c.x, c.y), PartPixel(p.part, p.rect, c.x, c.y)) << o.name << " " << p.element;
    }
    // The thumb sits where the position says: 40 of 0..100 - 20 + 1.
    const RECT& track = s.vertical_track;
    const int length = (o.style & SBS_VERT) ? track.bottom - track.top : track.right - track.left;
    const int offset = (o.style & SBS_VERT) ? s.vertical_thumb.top - track.top : s.vertical_thumb.left - track.left;
    EXPECT_EQ(offset, MulDiv(40, length, 100)) << o.name;
    // Disabled: the disabled parts and no thumb.
    EnableWindow(bar, FALSE);
    UpdateWindow(bar);
    const POINT first = Centre(s.up_arrow);
    EXPECT_EQ(ScreenPixel(bar, first.x, first.y), PartPixel(o.first_part + 3, s.up_arrow, first.x, first.y))
        << o.name;
    const POINT middle = Centre(s.vertical_thumb);
    EXPECT_EQ(ScreenPixel(bar, middle.x, middle.y), PartPixel(o.track_part + 3, track, middle.x, middle.y))
        << o.name << ": no thumb";
    DestroyWindow(bar);
  }
}

TEST_F(ScrollTest, ScrollBarControlReportsToItsParent) {
  for (const Orientation& o : kOrientations) {
    HWND bar = Child(L"ScrollBar", o.style, 0, 40, 40, o.width, o.height);
    SetBar(bar, 0, 100, 20, 40);
    ScrollState& s = StateOf(bar);
    const bool v = (o.style & SBS_VERT) != 0;
    const POINT mid = Centre(s.vertical_track);
    const struct {
      const char* element;
      POINT at;
      int code;
    } presses[] = {
        {"first arrow", Centre(s.up_arrow), SB_LINEUP},
        {"second arrow", Centre(s.down_arrow), SB_LINEDOWN},
        {"track before the thumb", v ? POINT{mid.x, s.up_arrow.bottom} : POINT{s.up_arrow.right, mid.y}, SB_PAGEUP},
        {"track after the thumb", v ? POINT{mid.x, s.down_arrow.top - 1} : POINT{s.down_arrow.left - 1, mid.y},
         SB_PAGEDOWN},
    };
    for (const auto& p : presses) {
      ScrollLog().clear();
      const POINT c = p.at;
      SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y));
      ASSERT_EQ(ScrollLog().size(), 1u) << o.name << " " << p.element;
      EXPECT_EQ(ScrollLog()[0].window, host()) << o.name << " " << p.element;
      EXPECT_EQ(ScrollLog()[0].message, o.message) << o.name << " " << p.element;
      EXPECT_EQ(ScrollLog()[0].code, p.code) << o.name << " " << p.element;
      EXPECT_EQ(ScrollLog()[0].lparam, reinterpret_cast<LPARAM>(bar)) << o.name << " " << p.element;
      EXPECT_EQ(GetCapture(), bar);
      PumpFor(700);
      EXPECT_GE(ScrollLog().size(), 2u) << o.name << " " << p.element << " repeats";
      SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(c.x, c.y));
      const size_t released = ScrollLog().size();
      PumpFor(200);
      EXPECT_EQ(ScrollLog().size(), released) << o.name << " " << p.element << " stops";
    }
    // The thumb dragged to both ends: the parent hears every position, then
    // the final one and the end.
    ScrollLog().clear();
    const POINT grab = Centre(s.vertical_thumb);
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grab.x, grab.y));
    EXPECT_TRUE(ScrollLog().empty()) << "a thumb press sends nothing";
    const POINT start = (o.style & SBS_VERT) ? POINT{grab.x, s.vertical_track.top} : POINT{s.vertical_track.left, grab.y};
    const POINT end = (o.style & SBS_VERT) ? POINT{grab.x, s.vertical_track.bottom - 1}
                                           : POINT{s.vertical_track.right - 1, grab.y};
    SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(start.x, start.y));
    SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(end.x, end.y));
    SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(end.x, end.y));
    ASSERT_EQ(ScrollLog().size(), 4u) << o.name;
    EXPECT_EQ(ScrollLog()[0].code, SB_THUMBTRACK);
    EXPECT_EQ(ScrollLog()[0].position, 0);
    EXPECT_EQ(ScrollLog()[1].code, SB_THUMBTRACK);
    EXPECT_EQ(ScrollLog()[1].position, 81);
    EXPECT_EQ(ScrollLog()[2].code, SB_THUMBPOSITION);
    EXPECT_EQ(ScrollLog()[2].position, 81);
    EXPECT_EQ(ScrollLog()[3].code, SB_ENDSCROLL);
    for (const ScrollEvent& e : ScrollLog()) EXPECT_EQ(e.lparam, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 81) << o.name;
    DestroyWindow(bar);
  }
}

TEST_F(ScrollTest, VbScrollBarsAreSkinnedLikeTheControl) {
  RegisterSuperclassA("ThunderRT6VScrollBar", "ScrollBar");
  RegisterSuperclassA("ThunderHScrollBar", "ScrollBar");
  HWND vertical = ChildA("ThunderRT6VScrollBar", SBS_VERT, 0, 40, 40, 17, 120);
  HWND horizontal = ChildA("ThunderHScrollBar", SBS_HORZ, 0, 80, 40, 160, 17);
  for (HWND bar : {vertical, horizontal}) {
    ASSERT_NE(ObjectOf(bar), nullptr);
    EXPECT_TRUE(HasProperty(bar, "Tebix_Attached"));
    SetBar(bar, 0, 10, 0, 5);
    ScrollState& s = StateOf(bar);
    const POINT c = Centre(s.vertical_thumb);
    const int part = bar == vertical ? kVerticalThumbPart : kHorizontalThumbPart;
    EXPECT_EQ(ScreenPixel(bar, c.x, c.y), PartPixel(part, s.vertical_thumb, c.x, c.y));
  }
}

TEST_F(ScrollTest, SizeBoxesShowTheGripInTheirCorner) {
  for (DWORD style : {DWORD{SBS_SIZEBOX}, DWORD{SBS_SIZEGRIP}}) {
    HWND box = Child(L"ScrollBar", style, 0, 60, 60, 40, 30);
    UpdateWindow(box);
    const SkinPart& grip = CurrentSkinData()->parts[kSizeGripPart];
    ASSERT_GT(grip.width, 0);
    const RECT corner{40 - grip.width, 30 - grip.height, 40, 30};
    const POINT c = Centre(corner);
    EXPECT_EQ(ScreenPixel(box, c.x, c.y), PartPixel(kSizeGripPart, corner, c.x, c.y)) << style;
    EXPECT_EQ(ScreenPixel(box, 39, 29), PartPixel(kSizeGripPart, corner, 39, 29)) << style;
    DestroyWindow(box);
  }
}

TEST_F(ScrollTest, ControlMessagesAndScrollFunctionsAgree) {
  HWND bar = Child(L"ScrollBar", SBS_HORZ, 0, 40, 40, 200, 17);
  SetBar(bar, 0, 50, 10, 5);
  EXPECT_EQ(SendMessageW(bar, SBM_GETPOS, 0, 0), 5);
  // Set by message, read by function ...
  EXPECT_EQ(SendMessageW(bar, SBM_SETPOS, 30, TRUE), 5);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 30);
  SendMessageW(bar, SBM_SETRANGE, 0, 20);
  int low = -1, high = -1;
  GetScrollRange(bar, SB_CTL, &low, &high);
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 20);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 11) << "the position follows the smaller range";
  SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
  si.fMask = SIF_POS;
  si.nPos = 2;
  SendMessageW(bar, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&si));
  // ... and set by function, read by message.
  SetScrollPos(bar, SB_CTL, 7, TRUE);
  SCROLLINFO got{sizeof got, SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(SendMessageW(bar, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&got)));
  EXPECT_EQ(got.nMin, 0);
  EXPECT_EQ(got.nMax, 20);
  EXPECT_EQ(got.nPage, 10u);
  EXPECT_EQ(got.nPos, 7);
  // The thumb is drawn where the functions put it.
  UpdateWindow(bar);
  ScrollState& s = StateOf(bar);
  const int length = s.vertical_track.right - s.vertical_track.left;
  EXPECT_EQ(s.vertical_thumb.left - s.vertical_track.left, MulDiv(7, length, 20));
}

}  // namespace
}  // namespace tebix::test
