// Date/time pickers and month calendars under the skin: the picker's frame
// and drop button where skin metric 21 puts them, none beside an up-down,
// the pressed part only while held; the calendar's title buttons in the
// state the mouse gives each, and its title in the skin's colour.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "skin/core/draw_skin_part.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "tests/skin_buttons/button_pixels.h"
#include "tests/skin_scroll/scroll_support.h"

namespace tebix::test {
namespace {

void Repaint(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Sets skin metric 21 for one test.
class Metric21 {
 public:
  explicit Metric21(int value) : saved_(SkinMetric(21)) { Set(value); }
  ~Metric21() { Set(saved_); }

 private:
  static void Set(int value) { const_cast<SkinData*>(CurrentSkinData())->metrics[21] = value; }
  int saved_;
};

class DatesTest : public ScrollTest {
 protected:
  void SetUp() override {
    ScrollTest::SetUp();
    RegisterSuperclassA("DTPicker20WndClass", "SysDateTimePick32");
    RegisterSuperclassA("MonthView20WndClass", "SysMonthCal32");
  }
  void TearDown() override {
    ReleaseCapture();
    ScrollTest::TearDown();
  }

  HWND Picker(const char* class_name, DWORD style) {
    HWND w = ChildA(class_name, style, WS_EX_CLIENTEDGE, 20, 20, 180, 26);
    Repaint(w);
    Pump();
    return w;
  }

  // A calendar sized to one month (as many as `months` across).
  HWND Calendar(const char* class_name, DWORD style, int months = 1) {
    HWND w = ChildA(class_name, style, WS_EX_CLIENTEDGE, 20, 20, 400, 300);
    RECT one{};
    SendMessageW(w, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&one));
    SetWindowPos(w, nullptr, 0, 0, months * (one.right + 6) - 6 + 4, one.bottom + 4, SWP_NOMOVE | SWP_NOZORDER);
    Repaint(w);
    Pump();
    return w;
  }
};

// --- Date/time picker -------------------------------------------------------------

TEST_F(DatesTest, PickerFrameAndDropButtonFollowMetric21) {
  struct Case {
    const char* name;
    const char* class_name;
    DWORD style;
    int metric;
    bool disabled;
    int part;  // 0: no drop button
    int line;  // skin colour of the frame's line
  } cases[] = {
      {"button inside the frame", "SysDateTimePick32", DTS_SHORTDATEFORMAT, 0, false, 261, 15},
      {"button over the frame", "SysDateTimePick32", DTS_SHORTDATEFORMAT, 1, false, 261, 15},
      {"runtime's picker", "DTPicker20WndClass", DTS_LONGDATEFORMAT, 1, false, 261, 15},
      {"disabled", "SysDateTimePick32", DTS_SHORTDATEFORMAT, 1, true, 265, 21},
      {"up-down, metric 0", "SysDateTimePick32", DTS_TIMEFORMAT | DTS_UPDOWN, 0, false, 0, 15},
      {"up-down, metric 1", "SysDateTimePick32", DTS_TIMEFORMAT | DTS_UPDOWN, 1, false, 0, 15},
  };
  for (const Case& c : cases) {
    Metric21 metric(c.metric);
    HWND picker = Picker(c.class_name, c.style);
    ASSERT_NE(ObjectOf(picker), nullptr) << c.name;
    if (c.disabled) EnableWindow(picker, FALSE);
    Repaint(picker);
    Pump();
    RECT window{};
    GetWindowRect(picker, &window);
    OffsetRect(&window, -window.left, -window.top);
    const RECT client = ClientInWindow(picker);
    ASSERT_GT(client.left, 0) << c.name << ": a frame to draw";
    const int mid = window.bottom / 2;
    EXPECT_EQ(ScreenPixel(picker, 0, mid), SkinColour(c.line)) << c.name << ": left line";
    const RECT base = c.metric != 0 ? window : client;
    const RECT button{base.right - 22, base.top, base.right, base.bottom};
    // The window's last column: the button's when it spans the window, else the frame's line.
    const COLORREF right_edge = ScreenPixel(picker, window.right - 1, mid);
    if (c.part != 0 && c.metric != 0) {
      ASSERT_NE(PartPixel(c.part, button, window.right - 1, mid), SkinColour(c.line)) << c.name;
      EXPECT_EQ(right_edge, PartPixel(c.part, button, window.right - 1, mid)) << c.name;
    } else {
      EXPECT_EQ(right_edge, SkinColour(c.line)) << c.name << ": right line";
    }
    if (c.part != 0) {
      const POINT probes[] = {{(button.left + button.right) / 2, mid},
                              {button.left + 1, button.top + 1},
                              {button.right - 2, button.bottom - 2}};
      for (const POINT& p : probes) {
        EXPECT_EQ(ScreenPixel(picker, p.x, p.y), PartPixel(c.part, button, p.x, p.y))
            << c.name << " at " << p.x << "," << p.y;
      }
    } else {
      HWND up_down = FindWindowExW(picker, nullptr, UPDOWN_CLASSW, nullptr);
      ASSERT_NE(up_down, nullptr) << c.name;
      // Where a drop button would be, the picker's fields and up-down show.
      const RECT would_be{client.right - 22, client.top, client.right, client.bottom};
      int same = 0;
      for (int x = would_be.left; x < would_be.right; ++x) {
        if (ScreenPixel(picker, x, mid) == PartPixel(261, would_be, x, mid)) ++same;
      }
      EXPECT_LT(same, 11) << c.name;
    }
    DestroyWindow(picker);
  }
}

TEST_F(DatesTest, DropButtonShowsPressedPartOnlyWhileHeld) {
  for (int metric : {0, 1}) {
    Metric21 set(metric);
    HWND picker = Picker("SysDateTimePick32", DTS_SHORTDATEFORMAT);
    RECT window{};
    GetWindowRect(picker, &window);
    OffsetRect(&window, -window.left, -window.top);
    const RECT base = metric != 0 ? window : ClientInWindow(picker);
    const RECT button{base.right - 22, base.top, base.right, base.bottom};
    const POINT at{(button.left + button.right) / 2 - 3, (button.top + button.bottom) / 2};
    // The two parts must differ where the test looks.
    POINT look = at;
    for (int x = button.left + 1; x < button.right - 1; ++x) {
      if (PartPixel(261, button, x, at.y) != PartPixel(264, button, x, at.y)) {
        look.x = x;
        break;
      }
    }
    ASSERT_NE(PartPixel(261, button, look.x, look.y), PartPixel(264, button, look.x, look.y));
    EXPECT_EQ(ScreenPixel(picker, look.x, look.y), PartPixel(261, button, look.x, look.y)) << "metric " << metric;

    SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(picker, at.x, at.y));
    Pump();
    EXPECT_EQ(ScreenPixel(picker, look.x, look.y), PartPixel(264, button, look.x, look.y)) << "held";
    const HWND dropped = reinterpret_cast<HWND>(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0));
    if (dropped != nullptr) {
      EXPECT_NE(ObjectOf(dropped), nullptr) << "the dropped calendar is skinned";
    }

    SendMessageW(picker, WM_LBUTTONUP, 0, ClientPoint(picker, at.x, at.y));
    Pump();
    EXPECT_EQ(ScreenPixel(picker, look.x, look.y), PartPixel(261, button, look.x, look.y)) << "released";
    // A click off the button leaves it alone.
    SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(picker, 6, at.y));
    Pump();
    EXPECT_EQ(ScreenPixel(picker, look.x, look.y), PartPixel(261, button, look.x, look.y)) << "elsewhere";
    SendMessageW(picker, WM_LBUTTONUP, 0, ClientPoint(picker, 6, at.y));
    DestroyWindow(picker);
    Pump();
  }
}

// --- Month calendar -------------------------------------------------------------

// Where the calendar says a title button is (client coordinates): every
// point that hits it, and the rectangle around them grown by one pixel as
// the skin draws it.
RECT TitleButton(HWND calendar, DWORD hit) {
  RECT client{};
  GetClientRect(calendar, &client);
  RECT found{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = 0; y < std::min<int>(client.bottom, 60); ++y) {
    for (int x = 0; x < client.right; ++x) {
      MCHITTESTINFO info{};
      info.cbSize = MCHITTESTINFO_V1_SIZE;
      info.pt = {x, y};
      SendMessageW(calendar, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
      if (info.uHit != hit) continue;
      found.left = std::min<LONG>(found.left, x);
      found.top = std::min<LONG>(found.top, y);
      found.right = std::max<LONG>(found.right, x);
      found.bottom = std::max<LONG>(found.bottom, y);
    }
  }
  if (found.left == INT_MAX) return {};
  return {found.left - 1, found.top - 1, found.right + 2, found.bottom + 2};
}

constexpr DWORD kPrevious = 0x02010003;
constexpr DWORD kNext = 0x01010003;

// The client as the skin should show a button in `rect` with `part`: the
// title colour, then the part.
Pixels ExpectedButton(HWND calendar, const RECT& rect, int part, int colour) {
  RECT client{};
  GetClientRect(calendar, &client);
  return Expected(client.right, client.bottom, [&](HDC dc) {
    HBRUSH fill = CreateSolidBrush(SkinColour(colour));
    FillRect(dc, &rect, fill);
    DeleteObject(fill);
    DrawSkinPart(dc, rect, CurrentSkinData()->parts[part], SkinBitmapDc());
  });
}

TEST_F(DatesTest, TitleButtonsShowTheStateOfTheirOwn) {
  struct Case {
    const char* name;
    UINT message;    // 0: none
    DWORD over;      // the button the mouse is over, 0 for neither
    bool disabled;
    int previous;    // parts expected
    int next;
  } cases[] = {
      {"untouched", 0, 0, false, 253, 257},
      {"hovering next", WM_MOUSEMOVE, kNext, false, 253, 258},
      {"hovering previous", WM_MOUSEMOVE, kPrevious, false, 254, 257},
      {"moved off both", WM_MOUSEMOVE, 0, false, 253, 257},
      {"left the calendar", WM_MOUSELEAVE, 0, false, 253, 257},
      {"pressing next", WM_LBUTTONDOWN, kNext, false, 253, 259},
      {"disabled", 0, 0, true, 256, 260},
  };
  for (const char* class_name : {"SysMonthCal32", "MonthView20WndClass"}) {
    for (const Case& c : cases) {
      HWND calendar = Calendar(class_name, 0);
      ASSERT_NE(ObjectOf(calendar), nullptr) << class_name;
      const RECT previous = TitleButton(calendar, kPrevious), next = TitleButton(calendar, kNext);
      ASSERT_FALSE(IsRectEmpty(&previous));
      ASSERT_FALSE(IsRectEmpty(&next));
      if (c.disabled) {
        EnableWindow(calendar, FALSE);
        Repaint(calendar);
        Pump();
      }
      if (c.message != 0) {
        // From a hot button first, so that moving off has something to undo.
        if (c.over == 0) {
          SendMessageW(calendar, WM_MOUSEMOVE, 0, MAKELPARAM(next.left + 4, next.top + 4));
        }
        const RECT& target = c.over == kNext ? next : previous;
        const LPARAM at = c.over == 0 ? MAKELPARAM(2, 120) : MAKELPARAM((target.left + target.right) / 2,
                                                                        (target.top + target.bottom) / 2);
        SendMessageW(calendar, c.message, c.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, at);
      }
      const Pixels shown = CaptureClient(calendar);
      const int colour = c.disabled ? 45 : 44;
      EXPECT_EQ(Differences(shown, ExpectedButton(calendar, previous, c.previous, colour), previous), 0)
          << class_name << ", " << c.name << ": previous shows " << c.previous;
      EXPECT_EQ(Differences(shown, ExpectedButton(calendar, next, c.next, colour), next), 0)
          << class_name << ", " << c.name << ": next shows " << c.next;
      if (c.message == WM_LBUTTONDOWN) SendMessageW(calendar, WM_LBUTTONUP, 0, 0);
      DestroyWindow(calendar);
      Pump();
    }
  }
  // The parts the cases tell apart must look different.
  const RECT r{0, 0, 24, 20};
  for (auto [a, b] : {std::pair{253, 254}, {257, 258}, {257, 259}, {253, 256}, {257, 260}}) {
    EXPECT_GT(Differences(ExpectedPart(24, 20, a, r), ExpectedPart(24, 20, b, r), r), 0) << a << " vs " << b;
  }
}

// A hit test that never finds anything, put above the engine's procedure.
WNDPROC g_calendar_proc = nullptr;
LRESULT CALLBACK BlindHitTest(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == MCM_HITTEST) {
    reinterpret_cast<MCHITTESTINFO*>(lparam)->uHit = MCHT_NOWHERE;
    return MCHT_NOWHERE;
  }
  return CallWindowProcW(g_calendar_proc, window, message, wparam, lparam);
}

TEST_F(DatesTest, TitleAreaTakesTheSkinColour) {
  struct Case {
    const char* name;
    int months;
    bool disabled;
    bool blind;  // the title buttons cannot be found
  } cases[] = {
      {"one month", 1, false, false},
      {"two months", 2, false, false},
      {"disabled", 1, true, false},
      {"buttons not found", 1, false, true},
  };
  for (const Case& c : cases) {
    HWND calendar = Calendar("SysMonthCal32", 0, c.months);
    const COLORREF own_title = static_cast<COLORREF>(SendMessageW(calendar, MCM_GETCOLOR, MCSC_TITLEBK, 0));
    const COLORREF own_month = static_cast<COLORREF>(SendMessageW(calendar, MCM_GETCOLOR, MCSC_MONTHBK, 0));
    const RECT previous = TitleButton(calendar, kPrevious), next = TitleButton(calendar, kNext);
    ASSERT_FALSE(IsRectEmpty(&previous)) << c.name;
    if (c.blind) {
      g_calendar_proc = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(calendar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BlindHitTest)));
    }
    if (c.disabled) EnableWindow(calendar, FALSE);
    Repaint(calendar);
    Pump();
    const Pixels shown = CaptureClient(calendar);
    const COLORREF title = c.blind ? own_title : SkinColour(c.disabled ? 45 : 44);
    ASSERT_NE(own_title, SkinColour(44)) << "the skin must change something";
    // Title strip between the buttons, clear of the month's name; and the
    // day area below stays the calendar's own.
    const int y = previous.top + 2;
    EXPECT_EQ(shown.at(previous.right + 2, y), title) << c.name;
    EXPECT_EQ(shown.at(next.left - 3, y), title) << c.name;
    EXPECT_EQ(shown.at(shown.width / (2 * c.months), shown.height - 3), own_month) << c.name << ": month background";
    if (c.blind) {
      SetWindowLongPtrW(calendar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_calendar_proc));
    } else {
      const int part = c.disabled ? 256 : 253;
      EXPECT_EQ(Differences(shown, ExpectedButton(calendar, previous, part, c.disabled ? 45 : 44), previous), 0)
          << c.name;
    }
    DestroyWindow(calendar);
    Pump();
  }
}

}  // namespace
}  // namespace tebix::test
