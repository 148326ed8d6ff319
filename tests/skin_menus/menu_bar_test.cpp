// Menu bars of skinned frames: rows, hit tests, clicks and moving between
// drop-downs.
#include <windows.h>

#include <string>

#include "skin/core/skin_data.h"
#include "skin/render/menu_items.h"
#include "tests/skin_menus/menu_support.h"

namespace tebix::test {
namespace {

void PumpFor(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  while (static_cast<int>(end - GetTickCount()) > 0) {
    Pump();
    Sleep(5);
  }
}

// A bar too wide for its window: items 0-9, those with even ids open drop-downs.
HMENU WideBar() {
  HMENU bar = CreateMenu();
  const wchar_t* names[] = {L"Alpha", L"Bravo", L"Charlie", L"Delta", L"Echo",
                            L"Foxtrot", L"Golf", L"Hotel", L"India", L"Juliet"};
  for (int i = 0; i < 10; ++i) {
    if (i % 2 == 0 || i == 9) {
      HMENU drop_down = CreatePopupMenu();
      AppendMenuW(drop_down, MF_STRING, 100 + i, L"Entry");
      AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(drop_down), names[i]);
    } else {
      AppendMenuW(bar, MF_STRING, 100 + i, names[i]);
    }
  }
  return bar;
}

struct Item {
  int row = 0;
  RECT rect{};  // screen coordinates on the skinned bar
};

// Where the item must be on the skinned bar: the system's row found by
// rounding its offset up, in rows of skin metric 13.
Item Expected(HWND w, FrameWindow& f, int index) {
  MENUBARINFO info{};
  info.cbSize = sizeof info;
  GetMenuBarInfo(w, OBJID_MENU, 0, &info);
  RECT r{};
  GetMenuItemRect(w, f.menu_bar.menu, static_cast<UINT>(index), &r);
  const int cy = GetSystemMetrics(SM_CYMENU);
  Item item;
  item.row = std::min((static_cast<int>(r.top - info.rcBar.top) + cy - 1) / cy, f.menu_bar.rows - 1);
  RECT wr{};
  GetWindowRect(w, &wr);
  const int left = wr.left + f.menu_bar.bar.left + (r.left - info.rcBar.left);
  const int top = wr.top + f.menu_bar.bar.top + item.row * SkinMetric(13);
  item.rect = {left, top, left + (r.right - r.left), top + SkinMetric(13)};
  return item;
}

POINT Centre(const RECT& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(MenuTest, TwoRowBarFindsEachItemsRowByRoundingUp) {
  HMENU bar = WideBar();
  HWND w = Form(230, 240, bar);
  FrameWindow* f = FrameOf(w);
  ASSERT_NE(f, nullptr);
  PumpFor(50);
  ASSERT_GE(f->menu_bar.rows, 2) << "the bar wraps";
  EXPECT_EQ(f->layout.menu_bar.height(), f->menu_bar.rows * SkinMetric(13));
  EXPECT_TRUE(MenuConverted(bar));
  bool second_row = false;
  for (int i = 0; i < 10; ++i) {
    const Item item = Expected(w, *f, i);
    second_row |= item.row == 1;
    EXPECT_EQ(MenuBarItemAt(*f, Centre(item.rect)), i) << "item " << i << " row " << item.row;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA | MIIM_FTYPE;
    GetMenuItemInfoW(bar, i, TRUE, &info);
    const MenuItemRecord* record = RecordOf(info.dwItemData);
    ASSERT_NE(record, nullptr) << i;
    EXPECT_TRUE(record->bar);
    EXPECT_EQ(record->index, i);
  }
  EXPECT_TRUE(second_row);
  DestroyWindow(w);
  DestroyMenu(bar);
}

TEST_F(MenuTest, BarClicksSendCommandsAtOnceOrOpenUnderTheSkinnedItem) {
  HMENU bar = WideBar();
  HWND w = Form(600, 240, bar);
  FrameWindow* f = FrameOf(w);
  ASSERT_NE(f, nullptr);
  PumpFor(50);
  // A plain item: its command at once, drawn open, tracked until the next click.
  const Item plain = Expected(w, *f, 1);
  SendMessageW(w, WM_NCLBUTTONDOWN, 0x1234, MAKELPARAM(Centre(plain.rect).x, Centre(plain.rect).y));
  EXPECT_EQ(Log().commands, std::vector<WPARAM>{101});
  EXPECT_EQ(f->button_state, 9);
  EXPECT_EQ(f->menu_bar.tracked_item, 1);
  {
    // Drawn open: part 51 inside the item, one pixel in from its edges.
    RECT wr{};
    GetWindowRect(w, &wr);
    RECT open = plain.rect;
    OffsetRect(&open, -wr.left, -wr.top);
    InflateRect(&open, -1, -1);
    const int iw = open.right - open.left, ih = open.bottom - open.top;
    EXPECT_EQ(WindowPixel(w, open.left + 2, open.top + ih / 2), PartPixel(51, iw, ih, 2, ih / 2)) << "open item";
  }
  SendMessageW(w, WM_NCLBUTTONDOWN, 0x1234, MAKELPARAM(Centre(plain.rect).x, Centre(plain.rect).y));
  EXPECT_EQ(f->menu_bar.tracked_item, -1) << "the next click lets go";
  EXPECT_EQ(f->button_state, 0);
  EXPECT_EQ(Log().commands.size(), 1u);
  // An item with a drop-down opens it under the skinned item.
  const Item drop = Expected(w, *f, 2);
  Log().drop_downs.clear();
  SetCursorPos(0, 0);
  SendMessageW(w, WM_NCLBUTTONDOWN, 0x1234, MAKELPARAM(Centre(drop.rect).x, Centre(drop.rect).y));
  ASSERT_EQ(Log().drop_downs.size(), 1u);
  EXPECT_EQ(Log().drop_downs[0].top, drop.rect.bottom);
  EXPECT_EQ(Log().drop_downs[0].left, std::max<LONG>(drop.rect.left, 0) + 1);
  EXPECT_EQ(f->menu_bar.tracked_item, -1);
  EXPECT_EQ(f->button_state, 0);
  DestroyWindow(w);
  DestroyMenu(bar);
}

TEST_F(MenuTest, MovingToALowerRowFurtherRightKeepsTheDropDown) {
  HMENU bar = WideBar();
  HWND w = Form(230, 240, bar);
  FrameWindow* f = FrameOf(w);
  ASSERT_NE(f, nullptr);
  PumpFor(50);
  ASSERT_GE(f->menu_bar.rows, 2);
  const Item first = Expected(w, *f, 0);
  ASSERT_EQ(first.row, 0);
  // A drop-down item of the same row, and one lower down further right.
  int same = -1, lower = -1;
  for (int i = 1; i < 10; ++i) {
    if (GetSubMenu(bar, i) == nullptr) continue;
    const Item item = Expected(w, *f, i);
    if (item.row == 0 && same < 0) same = i;
    if (item.row == 1 && item.rect.left >= first.rect.right && lower < 0) lower = i;
  }
  ASSERT_GE(same, 0);
  ASSERT_GE(lower, 0);
  int after_lower = -2, after_same = -2;
  RunSteps(w, {
                  [&](HWND) { SetCursorPos(Centre(Expected(w, *f, lower).rect).x, Centre(Expected(w, *f, lower).rect).y); },
                  [&](HWND) {
                    after_lower = f->menu_bar.tracked_item;
                    SetCursorPos(Centre(Expected(w, *f, same).rect).x, Centre(Expected(w, *f, same).rect).y);
                  },
                  [&](HWND) { after_same = f->menu_bar.tracked_item; },
              });
  SendMessageW(w, WM_NCLBUTTONDOWN, 0x1234, MAKELPARAM(Centre(first.rect).x, Centre(first.rect).y));
  PumpFor(600);
  EXPECT_EQ(after_lower, 0) << "still the first drop-down";
  EXPECT_EQ(after_same, same) << "switched along the row";
  SetCursorPos(0, 0);
  PumpFor(50);
  EXPECT_EQ(OpenPopup(), nullptr) << "no menu left open";
  DestroyWindow(w);
  DestroyMenu(bar);
}

// The system's own loop through the bar (the keyboard's): the item it
// selects is drawn open, and its drop-down is placed under the skinned item.
TEST_F(MenuTest, TheKeyboardsBarLoopDrawsTheItemOpenAndPlacesItsDropDown) {
  HMENU bar = WideBar();
  HWND w = Form(600, 240, bar);
  FrameWindow* f = FrameOf(w);
  ASSERT_NE(f, nullptr);
  PumpFor(50);
  const Item first = Expected(w, *f, 0);
  int state_in_loop = -1, hot_in_loop = -2;
  RECT drop_down{};
  RunSteps(w, {
                  [&](HWND) {
                    state_in_loop = f->button_state;
                    hot_in_loop = f->menu_bar.hot_item;
                    keybd_event(VK_DOWN, 0, 0, 0);
                    keybd_event(VK_DOWN, 0, KEYEVENTF_KEYUP, 0);
                  },
                  [&](HWND) {
                    if (HWND popup = OpenPopup()) GetWindowRect(popup, &drop_down);
                  },
              });
  SendMessageW(w, WM_SYSCOMMAND, SC_KEYMENU, 0);
  PumpFor(100);
  EXPECT_EQ(state_in_loop, 9);
  EXPECT_EQ(hot_in_loop, 0);
  EXPECT_EQ(drop_down.top, first.rect.bottom) << "placed under the skinned item";
  EXPECT_EQ(drop_down.left, std::max<LONG>(first.rect.left, 0) + 1);
  EXPECT_EQ(f->button_state, 0) << "the loop over, nothing is drawn open";
  EXPECT_EQ(OpenPopup(), nullptr);
  DestroyWindow(w);
  DestroyMenu(bar);
}

}  // namespace
}  // namespace tebix::test
