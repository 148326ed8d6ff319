// Combo boxes: the frame's colours by state, the drop button from the skin
// with and without metric 20, and the drop-down list printed with its
// border and bars before it is shown.
#include <windows.h>

#include "skin/core/skin_data.h"
#include "skin/render/scroll_bar_engine.h"
#include "tests/skin_scroll/scroll_support.h"

namespace tebix::test {
namespace {

void Repaint(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

COMBOBOXINFO InfoOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(combo, &info);
  return info;
}

// The combo's item and button in window coordinates.
RECT InWindow(HWND window, RECT r) {
  const RECT client = ClientInWindow(window);
  OffsetRect(&r, client.left, client.top);
  return r;
}

void AddItems(HWND combo, int count) {
  for (int i = 0; i < count; ++i) {
    wchar_t text[32];
    wsprintfW(text, L"\u9879\u76ee %d", i);  // wide items, as the editor's
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

// Sets skin metric 20 for one test.
class Metric20 {
 public:
  explicit Metric20(int value) : saved_(SkinMetric(20)) { Set(value); }
  ~Metric20() { Set(saved_); }

 private:
  static void Set(int value) { const_cast<SkinData*>(CurrentSkinData())->metrics[20] = value; }
  int saved_;
};

TEST_F(ScrollTest, ComboFrameShowsTheStateColours) {
  struct Case {
    const char* name;
    DWORD style;
    bool focus;
    bool disable;
    int line;  // skin colour of the line; the fill is the next
  };
  const Case cases[] = {
      {"drop-down list, normal", CBS_DROPDOWNLIST, false, false, 15},
      {"drop-down list, focused", CBS_DROPDOWNLIST, true, false, 19},
      {"drop-down list, disabled", CBS_DROPDOWNLIST, true, true, 21},
      {"drop-down, its edit focused", CBS_DROPDOWN, true, false, 15},
      {"drop-down, disabled", CBS_DROPDOWN, false, true, 21},
  };
  for (const Case& c : cases) {
    HWND combo = Child(L"ComboBox", c.style | WS_VSCROLL | WS_TABSTOP, 0, 20, 20, 160, 200);
    ASSERT_NE(ObjectOf(combo), nullptr) << c.name;
    AddItems(combo, 5);
    if (c.focus) SetFocus(combo);
    if (c.disable) EnableWindow(combo, FALSE);
    Pump();
    Repaint(combo);
    if (c.style == CBS_DROPDOWN && c.focus) {
      ASSERT_EQ(GetFocus(), InfoOf(combo).hwndItem) << "the edit holds the focus";
    }
    const RECT item = InWindow(combo, InfoOf(combo).rcItem);
    ASSERT_GE(item.left, 2) << c.name << ": room for line and fill left of the item";
    const int y = (item.top + item.bottom) / 2;
    EXPECT_EQ(ScreenPixel(combo, 0, y), SkinColour(c.line)) << c.name << ": line";
    EXPECT_EQ(ScreenPixel(combo, item.left - 1, y), SkinColour(c.line + 1)) << c.name << ": fill";
    DestroyWindow(combo);
  }
}

TEST_F(ScrollTest, DropButtonIsTheSkinPartWithAndWithoutMetric20) {
  for (int metric : {0, 1}) {
    Metric20 set(metric);
    for (DWORD style : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
      HWND combo = Child(L"ComboBox", style | WS_VSCROLL, 0, 20, 20, 160, 200);
      AddItems(combo, 3);
      Repaint(combo);
      RECT button = InWindow(combo, InfoOf(combo).rcButton);
      ASSERT_FALSE(IsRectEmpty(&button));
      RECT window{};
      GetWindowRect(combo, &window);
      if (metric != 0) {
        button.top = 0;
        button.right = window.right - window.left;
        button.bottom = window.bottom - window.top;
      }
      const int mid_x = (button.left + button.right) / 2, mid_y = (button.top + button.bottom) / 2;
      const POINT probes[] = {{mid_x, mid_y}, {button.left + 1, button.top + 1}, {button.right - 2, button.bottom - 2},
                              {mid_x, button.top + 2}, {mid_x, button.bottom - 3}};
      for (const POINT& p : probes) {
        EXPECT_EQ(ScreenPixel(combo, p.x, p.y), PartPixel(214, button, p.x, p.y))
            << "metric 20 = " << metric << ", style " << style << " at " << p.x << "," << p.y;
      }
      DestroyWindow(combo);
    }
  }
}

TEST_F(ScrollTest, PressedDropButtonShowsItsPart) {
  HWND combo = Child(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 20, 20, 160, 200);
  AddItems(combo, 3);
  Repaint(combo);
  const RECT button = InWindow(combo, InfoOf(combo).rcButton);
  const POINT mid{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
  SendMessageW(combo, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(combo, mid.x, mid.y));
  Pump();
  ASSERT_TRUE(InfoOf(combo).stateButton & STATE_SYSTEM_PRESSED);
  Repaint(combo);
  EXPECT_EQ(ScreenPixel(combo, mid.x, mid.y), PartPixel(217, button, mid.x, mid.y));
  SendMessageW(combo, WM_LBUTTONUP, 0, ClientPoint(combo, mid.x, mid.y));
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  Pump();
  Repaint(combo);
  EXPECT_EQ(ScreenPixel(combo, mid.x, mid.y), PartPixel(214, button, mid.x, mid.y));
}

// The image of a window printed into a memory surface of its size.
struct Printed {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  Printed(HWND window, LPARAM flags) {
    RECT r{};
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, r.right - r.left, r.bottom - r.top);
    ReleaseDC(nullptr, screen);
    old = SelectObject(dc, bitmap);
    const RECT all{0, 0, r.right - r.left, r.bottom - r.top};
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &all, magenta);
    DeleteObject(magenta);
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags);
  }
  ~Printed() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  COLORREF at(int x, int y) const { return GetPixel(dc, x, y); }
};

TEST_F(ScrollTest, DropDownListPrintsBorderAndBars) {
  HWND combo = Child(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 20, 20, 160, 200);
  AddItems(combo, 40);
  const HWND list = InfoOf(combo).hwndList;
  ASSERT_NE(list, nullptr);
  ASSERT_FALSE(IsWindowVisible(list)) << "printed before it was ever shown";
  ASSERT_NE(ObjectOf(list), nullptr);
  ASSERT_TRUE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL);
  ScrollState& s = StateOf(list);
  {
    // Without the non-client area the frame is not printed.
    Printed client_only(list, PRF_CLIENT);
    EXPECT_EQ(s.painted, 0);
  }
  Printed image(list, PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  EXPECT_EQ(s.painted, 1);
  RECT window{};
  GetWindowRect(list, &window);
  EXPECT_EQ(image.at(0, (window.bottom - window.top) / 2), SkinColour(15)) << "the border's line";
  struct Probe {
    const char* name;
    RECT rect;
    int part;
  };
  const Probe probes[] = {{"up arrow", s.up_arrow, kUpArrowPart},
                          {"down arrow", s.down_arrow, kDownArrowPart},
                          {"thumb", s.vertical_thumb, kVerticalThumbPart}};
  for (const Probe& p : probes) {
    ASSERT_FALSE(IsRectEmpty(&p.rect)) << p.name;
    const POINT c{(p.rect.left + p.rect.right) / 2, (p.rect.top + p.rect.bottom) / 2};
    EXPECT_EQ(image.at(c.x, c.y), PartPixel(p.part, p.rect, c.x, c.y)) << p.name;
  }
}

TEST_F(ScrollTest, OpenDropDownListShowsSkinnedBarsAndKeepsItsCapture) {
  HWND combo = Child(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 20, 20, 160, 200);
  AddItems(combo, 40);
  const HWND list = InfoOf(combo).hwndList;
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  ASSERT_TRUE(IsWindowVisible(list));
  Repaint(list);
  ScrollState& s = StateOf(list);
  ASSERT_FALSE(IsRectEmpty(&s.vertical_thumb));
  const POINT c{(s.up_arrow.left + s.up_arrow.right) / 2, (s.up_arrow.top + s.up_arrow.bottom) / 2};
  EXPECT_EQ(ScreenPixel(list, c.x, c.y), PartPixel(kUpArrowPart, s.up_arrow, c.x, c.y));
  // A thumb drag leaves the capture with the list, which holds it while
  // dropped, and the list stays open.
  const HWND holder = GetCapture();
  ASSERT_EQ(holder, list);
  const RECT thumb = s.vertical_thumb;
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON,
               ClientPoint(list, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2));
  EXPECT_EQ(s.dragging, 1);
  EXPECT_EQ(s.captured, 0);
  EXPECT_EQ(GetCapture(), holder);
  const LPARAM below = ClientPoint(list, (thumb.left + thumb.right) / 2, thumb.bottom + 30);
  SendMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, below);
  SendMessageW(list, WM_LBUTTONUP, 0, below);
  EXPECT_EQ(s.dragging, 0);
  EXPECT_GT(s.vertical.info.nPos, 0) << "dragged down";
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_EQ(GetCapture(), list);
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  Pump();
}

}  // namespace
}  // namespace tebix::test
