// Progress bars, trackbars, up-down controls and headers under the skin:
// what the screen shows of real windows as the mouse and the program drive them.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/core/colour_exports.h"
#include "skin/core/draw_skin_part.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "skin/render/bar_paint.h"
#include "skin/render/range_layout.h"
#include "tests/skin_buttons/button_pixels.h"
#include "tests/skin_engine/engine_support.h"

namespace tebix::test {
namespace {

const SkinPart& Part(int index) {
  return CurrentSkinData()->parts[index];
}

void DrawPartAt(HDC dc, const RECT& r, int index) {
  DrawSkinPart(dc, r, Part(index), SkinBitmapDc());
}

RECT Moved(RECT r, int dx, int dy) {
  OffsetRect(&r, dx, dy);
  return r;
}

// The whole window as the screen shows it, border included.
Pixels CaptureWindow(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  const int w = outer.right - outer.left, h = outer.bottom - outer.top;
  return Expected(w, h, [&](HDC dc) {
    HDC source = GetWindowDC(window);
    BitBlt(dc, 0, 0, w, h, source, 0, 0, SRCCOPY);
    ReleaseDC(window, source);
  });
}

SIZE WindowSize(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  return {outer.right - outer.left, outer.bottom - outer.top};
}

// Where the client area starts inside the window.
POINT ClientOrigin(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return {origin.x - outer.left, origin.y - outer.top};
}

LPARAM At(int x, int y) {
  return MAKELPARAM(x, y);
}

class RangesTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetForegroundWindow(Parent());
  }
  void TearDown() override {
    ReleaseCapture();
    EngineTest::TearDown();
  }
  HWND Control(const wchar_t* class_name, DWORD style, int width, int height) {
    HWND w = Make(class_name, WS_CHILD | WS_VISIBLE | style, 0, nullptr, width, height);
    if (w != nullptr) {
      SetWindowPos(w, HWND_TOP, 20, 20, width, height, 0);
      Repaint(w);
    }
    return w;
  }
};

TEST_F(RangesTest, TheSkinTellsThePartsApart) {
  // Without different parts the pixel checks below could not fail.
  const RECT r{0, 0, 30, 20};
  for (auto [a, b] : {std::pair{154, 156}, std::pair{160, 162}, std::pair{229, 230}, std::pair{244, 245},
                      std::pair{194, 196}, std::pair{198, 200}, std::pair{202, 204}, std::pair{150, 151},
                      std::pair{150, 152}, std::pair{239, 241}}) {
    EXPECT_GT(Differences(ExpectedPart(30, 20, a, r), ExpectedPart(30, 20, b, r), r), 0) << a << " vs " << b;
  }
}

TEST_F(RangesTest, EveryClassOfTheseRowsIsSkinned) {
  for (const char* name : {"ProgressBar20WndClass", "Slider20WndClass", "UpDown20WndClass", "UpDownWndClass",
                           "msvb_lib_updown", "msvb_lib_header"}) {
    const char* base = name[0] == 'P' ? "msctls_progress32"
                       : name[0] == 'S' ? "msctls_trackbar32"
                       : std::string(name).find("header") != std::string::npos ? "SysHeader32"
                                                                               : "msctls_updown32";
    RegisterSuperclassA(name, base);
    HWND w = MakeAnsi(name, WS_CHILD | WS_VISIBLE);
    ASSERT_NE(w, nullptr) << name;
    EXPECT_NE(ObjectOf(w), nullptr) << name;
  }
  for (const wchar_t* name : {PROGRESS_CLASSW, TRACKBAR_CLASSW, UPDOWN_CLASSW, WC_HEADERW}) {
    HWND w = Control(name, 0, 60, 30);
    EXPECT_NE(ObjectOf(w), nullptr);
  }
}

// --- Progress bar ------------------------------------------------------------------

TEST_F(RangesTest, ProgressBarFillsByTheTruncatedPercentage) {
  struct Case {
    const char* name;
    DWORD style;
    int width, height;
    int low, high, position;
    bool enabled;
    int filled;  // pixels along the bar
  } cases[] = {
      {"low + 1 of 0..300 in 100 px: no fill", 0, 100, 18, 0, 300, 1, true, 0},
      {"low + 3 of 0..300: 1 %", 0, 100, 18, 0, 300, 3, true, 1},
      {"half", 0, 100, 18, 0, 300, 150, true, 50},
      {"299 of 0..300 in 200 px: 99 %, not 99.7 %", 0, 200, 18, 0, 300, 299, true, 198},
      {"full", 0, 120, 18, 0, 10, 10, true, 120},
      {"high equal to low: the track alone", 0, 100, 18, 5, 5, 5, true, 0},
      {"disabled", 0, 100, 18, 0, 100, 60, false, 60},
      {"vertical, a quarter", PBS_VERTICAL, 20, 100, 0, 100, 25, true, 25},
      {"vertical, disabled", PBS_VERTICAL, 20, 100, 0, 100, 70, false, 70},
  };
  for (const Case& c : cases) {
    HWND w = Control(PROGRESS_CLASSW, c.style, c.width, c.height);
    ASSERT_NE(w, nullptr) << c.name;
    SendMessageW(w, PBM_SETRANGE32, c.low, c.high);
    SendMessageW(w, PBM_SETPOS, c.position, 0);
    EnableWindow(w, c.enabled);
    Repaint(w);

    const bool vertical = c.style & PBS_VERTICAL;
    const int track = (vertical ? 160 : 154) + (c.enabled ? 0 : 1);
    const int fill = (vertical ? 162 : 156) + (c.enabled ? 0 : 1);
    const SkinPart& m = Part(vertical ? 160 : 154);
    const SIZE size = WindowSize(w);
    const RECT all{0, 0, size.cx, size.cy};
    auto picture = [&](int filled) {
      return Expected(size.cx, size.cy, [&](HDC dc) {
        DrawPartAt(dc, all, track);
        if (filled == 0) return;
        if (vertical) {
          DrawPartAt(dc, RECT{m.left_margin, size.cy - filled + m.top_margin, size.cx - m.right_margin,
                              size.cy - m.bottom_margin},
                     fill);
        } else {
          DrawPartAt(dc, RECT{m.left_margin, m.top_margin, filled - m.right_margin, size.cy - m.bottom_margin},
                     fill);
        }
      });
    };
    const Pixels shown = CaptureWindow(w);
    EXPECT_EQ(Differences(shown, picture(c.filled), all), 0) << c.name;
    const int length = vertical ? size.cy : size.cx;
    EXPECT_GT(Differences(shown, picture(c.filled + 40 <= length ? c.filled + 40 : 0), all), 0)
        << c.name << ": could not fail";
    if (vertical) {
      // The fill rises from the bottom: the rows that differ from the bare track end at the bottom margin.
      const Span rows = DifferingRows(shown, picture(0), all);
      EXPECT_EQ(rows.last, size.cy - m.bottom_margin - 1) << c.name;
      EXPECT_GE(rows.first, size.cy - c.filled) << c.name;
    }
  }
}

// --- Trackbar ------------------------------------------------------------------

struct TrackPicture {
  RECT channel;  // window-relative
  RECT thumb;
};

TrackPicture TrackRects(HWND w) {
  RECT channel{}, thumb{}, client{};
  SendMessageW(w, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  SendMessageW(w, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  GetClientRect(w, &client);
  if (GetWindowLongW(w, GWL_STYLE) & TBS_VERT) {
    // Turned upright about the client middle and the thumb, unless reported upright.
    const int across = channel.right - channel.left, thickness = channel.bottom - channel.top;
    if (thickness <= across) {
      const int top = client.bottom / 2 - across / 2, left = (thumb.left + thumb.right) / 2 - thickness / 2;
      channel = {left, top, left + thickness, top + across};
    }
  }
  const POINT o = ClientOrigin(w);
  return {Moved(channel, o.x, o.y), Moved(thumb, o.x, o.y)};
}

Pixels TrackbarPicture(HWND w, int channel_part, int thumb_part) {
  const TrackPicture r = TrackRects(w);
  const SIZE size = WindowSize(w);
  return Expected(size.cx, size.cy, [&](HDC dc) {
    DrawPartAt(dc, r.channel, channel_part);
    DrawPartAt(dc, r.thumb, thumb_part);
  });
}

TEST_F(RangesTest, TrackbarThumbIsHotOnlyOverTheThumb) {
  struct Step {
    const char* name;
    UINT message;
    bool on_thumb;  // else over the channel, away from the thumb
    int offset;     // added to the normal part: 0 normal, 1 hot, 3 pressed
  };
  const Step steps[] = {
      {"over the channel", WM_MOUSEMOVE, false, 0},
      {"onto the thumb", WM_MOUSEMOVE, true, 1},
      {"pressed on the thumb", WM_LBUTTONDOWN, true, 3},
      {"released on the thumb", WM_LBUTTONUP, true, 1},
      {"back to the channel", WM_MOUSEMOVE, false, 0},
      {"pressed on the channel", WM_LBUTTONDOWN, false, 0},
      {"released on the channel", WM_LBUTTONUP, false, 0},
      {"left the window", WM_MOUSELEAVE, false, 0},
  };
  struct Style {
    const char* name;
    DWORD style;
    int width, height;
    int channel, thumb;
  } styles[] = {
      {"ticks below", 0, 200, 32, 251, 229},
      {"ticks above", TBS_TOP, 200, 32, 251, 224},
      {"both sides", TBS_BOTH, 200, 40, 251, 219},
      {"vertical", TBS_VERT, 40, 160, 249, 244},
      {"vertical, ticks left", TBS_VERT | TBS_LEFT, 40, 160, 249, 239},
      {"vertical, both sides", TBS_VERT | TBS_BOTH, 44, 160, 249, 234},
  };
  for (const Style& s : styles) {
    HWND w = Control(TRACKBAR_CLASSW, s.style | TBS_AUTOTICKS, s.width, s.height);
    ASSERT_NE(w, nullptr) << s.name;
    SendMessageW(w, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendMessageW(w, TBM_SETPOS, TRUE, 80);
    Repaint(w);
    const SIZE size = WindowSize(w);
    const RECT all{0, 0, size.cx, size.cy};
    for (const Step& step : steps) {
      RECT thumb{};
      SendMessageW(w, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
      const bool vertical = s.style & TBS_VERT;
      POINT p{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
      if (!step.on_thumb) {
        // Near the low end of the channel, well away from the thumb at 80 %.
        if (vertical) {
          p.y = 12;
        } else {
          p.x = 12;
        }
      }
      SendMessageW(w, step.message, step.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, At(p.x, p.y));
      UpdateWindow(w);
      // Clicked, the trackbar has the focus, which the thumb with ticks on the left shows at rest.
      const bool focus_shows = (s.style & TBS_VERT) && (s.style & TBS_LEFT) && GetFocus() == w;
      const int part = step.offset == 0 && focus_shows ? s.thumb + 2 : s.thumb + step.offset;
      const Pixels shown = CaptureWindow(w);
      EXPECT_EQ(Differences(shown, TrackbarPicture(w, s.channel, part), all), 0) << s.name << ": " << step.name;
    }
    SendMessageW(w, TBM_SETPOS, TRUE, 80);
  }
}

TEST_F(RangesTest, TrackbarShowsDisabledAndFocusedParts) {
  HWND w = Control(TRACKBAR_CLASSW, TBS_VERT | TBS_LEFT, 40, 140);
  ASSERT_NE(w, nullptr);
  SetFocus(w);
  Repaint(w);
  const SIZE size = WindowSize(w);
  const RECT all{0, 0, size.cx, size.cy};
  EXPECT_EQ(Differences(CaptureWindow(w), TrackbarPicture(w, 249, 241), all), 0) << "focused";
  SetFocus(Parent());
  Repaint(w);
  EXPECT_EQ(Differences(CaptureWindow(w), TrackbarPicture(w, 249, 239), all), 0) << "focus gone";
  EnableWindow(w, FALSE);
  UpdateWindow(w);
  EXPECT_EQ(Differences(CaptureWindow(w), TrackbarPicture(w, 250, 243), all), 0) << "disabled";
}

// --- Up-down ------------------------------------------------------------------

Pixels UpDownPicture(HWND w, const ranges::Box& area, bool horizontal, int first, int second) {
  RECT client{};
  GetClientRect(w, &client);
  const ranges::UpDownHalves h = ranges::SplitUpDown(area, horizontal);
  return Expected(client.right, client.bottom, [&](HDC dc) {
    DrawPartAt(dc, RECT{h.first.left, h.first.top, h.first.right, h.first.bottom}, first);
    DrawPartAt(dc, RECT{h.second.left, h.second.top, h.second.right, h.second.bottom}, second);
  });
}

TEST_F(RangesTest, UpDownShowsThePressedPartOnlyOnTheHalfHeld) {
  struct Case {
    const char* name;
    DWORD style;
    int width, height;
    UINT message;
    POINT at;
    int first, second;
  } cases[] = {
      {"at rest", 0, 18, 36, 0, {}, 194, 198},
      {"lower held", 0, 18, 36, WM_LBUTTONDOWN, {9, 27}, 194, 200},
      {"upper held", 0, 18, 36, WM_LBUTTONDOWN, {9, 5}, 196, 198},
      {"hot upper", 0, 18, 36, WM_MOUSEHOVER, {9, 5}, 195, 198},
      {"hot lower", 0, 18, 36, WM_MOUSEHOVER, {9, 30}, 194, 199},
      {"horizontal, right held", UDS_HORZ, 36, 20, WM_LBUTTONDOWN, {30, 10}, 202, 208},
      {"horizontal, left held", UDS_HORZ, 36, 20, WM_LBUTTONDOWN, {4, 10}, 204, 206},
      {"horizontal, hot right", UDS_HORZ, 36, 20, WM_MOUSEHOVER, {30, 10}, 202, 207},
  };
  for (const Case& c : cases) {
    HWND w = Control(UPDOWN_CLASSW, c.style, c.width, c.height);
    ASSERT_NE(w, nullptr) << c.name;
    SendMessageW(w, UDM_SETRANGE32, 0, 100);
    SendMessageW(w, UDM_SETPOS32, 0, 50);
    if (c.message != 0) {
      SendMessageW(w, WM_MOUSEMOVE, 0, At(c.at.x, c.at.y));
      SendMessageW(w, c.message, c.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, At(c.at.x, c.at.y));
    }
    UpdateWindow(w);
    RECT client{};
    GetClientRect(w, &client);
    const ranges::Box area{0, 0, client.right, client.bottom};
    const bool horizontal = c.style & UDS_HORZ;
    const Pixels shown = CaptureClient(w);
    EXPECT_EQ(Differences(shown, UpDownPicture(w, area, horizontal, c.first, c.second), client), 0) << c.name;
    if (c.message == WM_LBUTTONDOWN) {
      SendMessageW(w, WM_LBUTTONUP, 0, At(c.at.x, c.at.y));
      UpdateWindow(w);
      const int normal_first = horizontal ? 202 : 194, normal_second = horizontal ? 206 : 198;
      const bool first_half = horizontal ? c.at.x < client.right / 2 : c.at.y < client.bottom / 2;
      EXPECT_EQ(Differences(CaptureClient(w),
                            UpDownPicture(w, area, horizontal, normal_first + (first_half ? 1 : 0),
                                          normal_second + (first_half ? 0 : 1)),
                            client),
                0)
          << c.name << ": released, hot";
    }
    SendMessageW(w, WM_MOUSELEAVE, 0, 0);
  }
}

TEST_F(RangesTest, UpDownInsideADatePickerKeepsItsLastRowAndColumn) {
  HWND picker = Control(DATETIMEPICK_CLASSW, DTS_UPDOWN, 160, 24);
  ASSERT_NE(picker, nullptr);
  HWND w = FindWindowExW(picker, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(w, nullptr) << "the picker makes its up-down";
  ASSERT_NE(ObjectOf(w), nullptr);
  Repaint(w);
  RECT client{};
  GetClientRect(w, &client);
  const ranges::Box full{0, 0, client.right, client.bottom};
  // The last column lies under the picker's frame on the screen.
  const RECT visible{0, 0, client.right - 1, client.bottom};
  const Pixels shown = CaptureClient(w);
  EXPECT_EQ(Differences(shown, UpDownPicture(w, ranges::UpDownArea(full, true), false, 194, 198), visible), 0);
  EXPECT_GT(Differences(shown, UpDownPicture(w, full, false, 194, 198), visible), 0) << "could not fail";
}

TEST_F(RangesTest, UpDownWithABorderFillsItsRingWithTheBackground) {
  HWND w = Make(UPDOWN_CLASSW, WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE, nullptr, 20, 40);
  ASSERT_NE(w, nullptr);
  RECT client{};
  GetClientRect(w, &client);
  ASSERT_LT(client.right, 20) << "the control keeps its edge";
  // Something other than the background under the ring first.
  HDC dc = GetWindowDC(w);
  const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  const RECT ring{0, 0, 20, 40};
  FillRect(dc, &ring, red);
  DeleteObject(red);
  ReleaseDC(w, dc);
  SendMessageW(w, WM_NCPAINT, 1, 0);
  const SIZE size = WindowSize(w);
  const Pixels shown = CaptureWindow(w);
  const Pixels background = Expected(size.cx, size.cy, [](HDC) {});
  const RECT all{0, 0, size.cx, size.cy};
  const POINT o = ClientOrigin(w);
  const RECT inside{o.x, o.y, o.x + client.right, o.y + client.bottom};
  int ring_differences = 0;
  for (int y = 0; y < size.cy; ++y) {
    for (int x = 0; x < size.cx; ++x) {
      if (!PtInRect(&inside, POINT{x, y}) && shown.at(x, y) != background.at(x, y)) ++ring_differences;
    }
  }
  EXPECT_EQ(ring_differences, 0);
  EXPECT_GT(Differences(shown, background, all), 0) << "the buttons show inside the ring";
}

// --- Header ------------------------------------------------------------------

struct Column {
  const wchar_t* title;
  int width;
  int format;
};

HWND FillHeader(HWND header, const std::vector<Column>& columns) {
  for (size_t i = 0; i < columns.size(); ++i) {
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = const_cast<wchar_t*>(columns[i].title);
    item.cxy = columns[i].width;
    item.fmt = HDF_STRING | columns[i].format;
    SendMessageW(header, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  return header;
}

// The header as the skin should show it: part 150 over all, each column's
// part, and its title `inset` px inside the left edge (`flags` added to
// the text format).
Pixels HeaderPicture(HWND w, int hot_position, int hot_part, int inset, UINT flags = DT_LEFT) {
  const SIZE size = WindowSize(w);
  const int count = static_cast<int>(SendMessageW(w, HDM_GETITEMCOUNT, 0, 0));
  return Expected(size.cx, size.cy, [&](HDC dc) {
    DrawPartAt(dc, RECT{0, 0, size.cx, size.cy}, 150);
    for (int position = 0; position < count; ++position) {
      const int index = static_cast<int>(SendMessageW(w, HDM_ORDERTOINDEX, position, 0));
      RECT r{};
      SendMessageW(w, HDM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
      const bool hot = position == hot_position;
      DrawPartAt(dc, r, hot ? hot_part : 150);
      wchar_t text[256] = {};
      HDITEMW item{};
      item.mask = HDI_TEXT;
      item.pszText = text;
      item.cchTextMax = 256;
      SendMessageW(w, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
      bars::BarText title;
      title.unicode = true;
      title.wide = text;
      const int saved = SaveDC(dc);
      IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
      SelectObject(dc, bars::TextFont(w, title));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, SkinColour(hot ? (hot_part == 152 ? 34 : 33) : 32));
      RECT t{r.left + inset, r.top, r.right - 6, r.bottom};
      DrawTextW(dc, text, -1, &t, flags | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
      RestoreDC(dc, saved);
    }
  });
}

TEST_F(RangesTest, ReorderedHeaderPaintsAndHitTestsByDisplayPosition) {
  HWND w = FillHeader(Control(WC_HEADERW, HDS_BUTTONS | HDS_HORZ | HDS_DRAGDROP, 320, 24),
                      {{L"Name", 100, HDF_LEFT}, {L"Size", 80, HDF_RIGHT}, {L"Date", 120, HDF_CENTER}});
  ASSERT_NE(w, nullptr);
  const int order[] = {2, 0, 1};
  SendMessageW(w, HDM_SETORDERARRAY, 3, reinterpret_cast<LPARAM>(order));
  Repaint(w);
  const SIZE size = WindowSize(w);
  const RECT all{0, 0, size.cx, size.cy};
  RECT date{};
  SendMessageW(w, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&date));
  ASSERT_EQ(date.left, 0) << "the control shows item 2 first";

  EXPECT_EQ(Differences(CaptureWindow(w), HeaderPicture(w, -1, 150, 6), all), 0) << "at rest";
  struct Step {
    const char* name;
    UINT message;
    int x;
    int hot_position, part;
  } steps[] = {
      {"over Date, shown first", WM_MOUSEMOVE, 30, 0, 151},
      {"over Name, shown second", WM_MOUSEMOVE, 150, 1, 151},
      {"over Size, shown last", WM_MOUSEMOVE, 250, 2, 151},
      {"pressed on Size", WM_LBUTTONDOWN, 250, 2, 152},
      {"released on Size", WM_LBUTTONUP, 250, 2, 151},
      {"past the columns", WM_MOUSEMOVE, 310, -1, 150},
      {"left", WM_MOUSELEAVE, 0, -1, 150},
  };
  for (const Step& s : steps) {
    SendMessageW(w, s.message, s.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, At(s.x, 10));
    UpdateWindow(w);
    EXPECT_EQ(Differences(CaptureWindow(w), HeaderPicture(w, s.hot_position, s.part, 6), all), 0) << s.name;
  }

  // Titles are left-aligned whatever the column's format.
  const Pixels shown = CaptureWindow(w);
  EXPECT_GT(Differences(shown, HeaderPicture(w, -1, 150, 6, DT_RIGHT), all), 0) << "could not fail";
  RECT size_rect{};
  SendMessageW(w, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&size_rect));
  const Pixels bare = Expected(size.cx, size.cy, [&](HDC dc) {
    DrawPartAt(dc, all, 150);
    DrawPartAt(dc, size_rect, 150);
  });
  const RECT inner{size_rect.left + 2, size_rect.top + 3, size_rect.right - 3, size_rect.bottom - 3};
  const Span text = DifferingColumns(shown, bare, inner);
  ASSERT_GE(text.first, 0) << "the title shows";
  EXPECT_LE(text.first, size_rect.left + 8) << "starts at the left";
  EXPECT_LT(text.last, size_rect.left + 40) << "and stays there";
}

TEST_F(RangesTest, WideHeaderTitlesStayWide) {
  HWND w = Control(WC_HEADERW, HDS_BUTTONS | HDS_HORZ, 300, 24);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(IsWindowUnicode(w));
  SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  FillHeader(w, {{L"\u540d\u79f0 \u00e9t\u00e9", 150, HDF_LEFT}, {L"\u5927\u5c0f", 100, HDF_LEFT}});
  Repaint(w);
  const SIZE size = WindowSize(w);
  const RECT all{0, 0, size.cx, size.cy};
  const Pixels shown = CaptureWindow(w);
  EXPECT_EQ(Differences(shown, HeaderPicture(w, -1, 150, 6), all), 0);
  // Through the ANSI code page the titles would lose their characters.
  std::vector<Column> lost = {{L"?? \u00e9t\u00e9", 150, HDF_LEFT}, {L"??", 100, HDF_LEFT}};
  HWND ansi_like = FillHeader(Control(WC_HEADERW, HDS_BUTTONS | HDS_HORZ, 300, 24), lost);
  EXPECT_GT(Differences(shown, HeaderPicture(ansi_like, -1, 150, 6), all), 0) << "could not fail";
}

TEST_F(RangesTest, HeaderShowsItsImagesBeforeTheTitles) {
  HWND w = Control(WC_HEADERW, HDS_BUTTONS | HDS_HORZ, 300, 24);
  ASSERT_NE(w, nullptr);
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 1, 0);
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  const RECT square{0, 0, 16, 16};
  FillRect(dc, &square, red);
  DeleteObject(red);
  SelectObject(dc, old);
  DeleteDC(dc);
  ImageList_Add(images, bitmap, nullptr);
  DeleteObject(bitmap);
  SendMessageW(w, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_IMAGE;
  item.pszText = const_cast<wchar_t*>(L"Name");
  item.cxy = 150;
  item.fmt = HDF_STRING | HDF_IMAGE | HDF_RIGHT;
  item.iImage = 0;
  SendMessageW(w, HDM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  Repaint(w);
  const Pixels shown = CaptureWindow(w);
  const SIZE size = WindowSize(w);
  const int top = (size.cy - 16) / 2;
  EXPECT_EQ(shown.at(6, top), RGB(255, 0, 0));
  EXPECT_EQ(shown.at(21, top + 15), RGB(255, 0, 0));
  EXPECT_NE(shown.at(5, top), RGB(255, 0, 0));
  EXPECT_NE(shown.at(22, top), RGB(255, 0, 0));
  // The title follows 6 px after the image.
  const RECT all{0, 0, size.cx, size.cy};
  const Pixels without_title = Expected(size.cx, size.cy, [&](HDC target) {
    DrawPartAt(target, all, 150);
    DrawPartAt(target, RECT{0, 0, 150, size.cy}, 150);
    ImageList_Draw(images, 0, target, 6, top, ILD_TRANSPARENT);
  });
  const Span text = DifferingColumns(shown, without_title, RECT{0, 3, 150, size.cy - 3});
  EXPECT_GE(text.first, 28);
  EXPECT_LE(text.first, 30);
  SendMessageW(w, HDM_SETIMAGELIST, 0, 0);
  ImageList_Destroy(images);
}

TEST_F(RangesTest, ReportListViewHeaderIsSkinned) {
  HWND list = Control(WC_LISTVIEWW, LVS_REPORT, 300, 120);
  ASSERT_NE(list, nullptr);
  for (int i = 0; i < 2; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = i == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.cx = 120;
    column.pszText = const_cast<wchar_t*>(i == 0 ? L"File" : L"Size");
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  EXPECT_NE(ObjectOf(header), nullptr);
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const SIZE size = WindowSize(header);
  ASSERT_GT(size.cy, 0);
  const RECT all{0, 0, size.cx, size.cy};
  EXPECT_EQ(Differences(CaptureWindow(header), HeaderPicture(header, -1, 150, 6), all), 0);
}

TEST_F(RangesTest, AColourShiftReachesTitlesAndParts) {
  HWND header = FillHeader(Control(WC_HEADERW, HDS_BUTTONS | HDS_HORZ, 240, 24),
                           {{L"Name", 120, HDF_LEFT}, {L"Size", 100, HDF_RIGHT}});
  ASSERT_NE(header, nullptr);
  const SIZE size = WindowSize(header);
  const RECT all{0, 0, size.cx, size.cy};
  const Pixels before = CaptureWindow(header);
  ASSERT_EQ(Tebix_Adjust_HSV(120, 20, 0), 0);
  Repaint(header);
  const Pixels after = CaptureWindow(header);
  EXPECT_EQ(Differences(after, HeaderPicture(header, -1, 150, 6), all), 0);
  EXPECT_GT(Differences(after, before, all), 0) << "the shift shows";
  Tebix_Adjust_HSV(0, 0, 0);
}

TEST_F(RangesTest, OwnerDrawnColumnsAreDrawnByTheOwner) {
  RegisterPlainClass(L"RangesOwner", RedFillingOwnerProc);
  HWND owner = Make(L"RangesOwner", WS_CHILD | WS_VISIBLE, 0, nullptr, 360, 60);
  SetWindowPos(owner, HWND_TOP, 0, 0, 360, 60, 0);
  HWND w = Make(WC_HEADERW, WS_CHILD | WS_VISIBLE | HDS_BUTTONS | HDS_HORZ, 0, owner, 300, 24);
  ASSERT_NE(w, nullptr);
  SetWindowPos(w, HWND_TOP, 10, 10, 300, 24, 0);
  FillHeader(w, {{L"Plain", 100, HDF_LEFT}, {L"", 120, HDF_OWNERDRAW}});
  HDITEMW value{};
  value.mask = HDI_LPARAM;
  value.lParam = 0x1234;
  SendMessageW(w, HDM_SETITEMW, 1, reinterpret_cast<LPARAM>(&value));
  DrawRequests().clear();
  Repaint(w);
  ASSERT_FALSE(DrawRequests().empty());
  const DRAWITEMSTRUCT& asked = DrawRequests().back();
  EXPECT_EQ(asked.CtlType, static_cast<UINT>(ODT_HEADER));
  EXPECT_EQ(asked.itemID, 1u);
  EXPECT_EQ(asked.itemData, 0x1234u);
  EXPECT_EQ(asked.rcItem.left, 100);
  EXPECT_EQ(asked.rcItem.right, 220);
  const Pixels shown = CaptureWindow(w);
  EXPECT_EQ(shown.at(160, 12), RGB(255, 0, 0));
  EXPECT_NE(shown.at(50, 2), RGB(255, 0, 0)) << "the plain column keeps the skin";
}

}  // namespace
}  // namespace tebix::test
