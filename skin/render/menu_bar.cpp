#include "skin/render/menu_bar.h"

#include <windowsx.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin/attach/frame.h"
#include "skin/attach/menu_bar_services.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/draw_skin_part.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "skin/render/menu_items.h"
#include "skin/render/menu_layout.h"

namespace tebix {
namespace {

constexpr UINT_PTR kWatchTimer = 25941;        // watches the pointer while a drop-down is open
constexpr UINT_PTR kNextDropDownTimer = 25942; // opens the next drop-down
constexpr UINT_PTR kRelayoutTimer = 25943;     // the system lays the converted bar out again
constexpr int kOpenState = 9;

struct Place {
  HMENU menu;
  POINT at;
};
std::vector<Place> g_places;
bool g_placing = false;

bool IsMdiButton(HBITMAP bitmap) {
  switch (reinterpret_cast<ULONG_PTR>(bitmap)) {
    case 2: case 3: case 5: case 6: case 7: return true;  // HBMMENU_MBAR_*
  }
  return false;
}

struct BarItemPlace {
  RECT rect{};  // window coordinates
  int row = 0;
};

// The item's place on the skinned bar, in window coordinates.
bool ItemPlace(HWND window, const MenuBarState& bar, int index, BarItemPlace& out, bool with_shift = true) {
  RECT r{};
  if (bar.menu == nullptr || !GetMenuItemRect(window, bar.menu, static_cast<UINT>(index), &r)) return false;
  const int rows = std::max(1, bar.rows);
  out.row = menu::RowOf(r.top, bar.system_bar.top, bar.system_row_height, rows);
  int shift = 0;
  if (with_shift) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    if (GetMenuItemInfoW(bar.menu, static_cast<UINT>(index), TRUE, &info) && IsMdiButton(info.hbmpItem)) {
      shift = menu::MdiButtonShift(GetSystemMetrics(SM_CXFRAME), bar.left_border, bar.right_border);
    }
  }
  const layout::Rect placed = menu::SkinnedItemRect(
      {r.left, r.top, r.right, r.bottom},
      {bar.system_bar.left, bar.system_bar.top, bar.system_bar.right, bar.system_bar.bottom},
      {bar.bar.left, bar.bar.top, bar.bar.right, bar.bar.bottom}, out.row, SkinMetric(13), shift);
  out.rect = {placed.left, placed.top, placed.right, placed.bottom};
  return true;
}

int HitTest(HWND window, const MenuBarState& bar, POINT screen) {
  if (bar.menu == nullptr || !IsMenu(bar.menu)) return -1;
  const POINT p{screen.x - bar.origin.x, screen.y - bar.origin.y};
  if (!PtInRect(&bar.bar, p)) return -1;
  const int count = GetMenuItemCount(bar.menu);
  for (int i = 0; i < count; ++i) {
    BarItemPlace place;
    if (ItemPlace(window, bar, i, place) && PtInRect(&place.rect, p)) return i;
  }
  return -1;
}

void RebuildPlaces(HWND window, const MenuBarState& bar) {
  g_places.clear();
  if (bar.menu == nullptr) return;
  const int count = GetMenuItemCount(bar.menu);
  for (int i = 0; i < count; ++i) {
    const HMENU drop_down = GetSubMenu(bar.menu, i);
    BarItemPlace place;
    if (drop_down == nullptr || !ItemPlace(window, bar, i, place, false)) continue;
    g_places.push_back({drop_down, {std::max<LONG>(place.rect.left + bar.origin.x, 0) + 1,
                                    place.rect.bottom + bar.origin.y}});
  }
}

void DrawPartAt(HDC dc, const RECT& r, int index) {
  const SkinData* skin = CurrentSkinData();
  if (skin == nullptr) return;
  const SkinPart& part = skin->parts[static_cast<std::size_t>(index)];
  if (part.width > 0 && part.height > 0) DrawSkinPart(dc, r, part, SkinBitmapDc());
}

// A button of a maximised MDI child at its normal part's size, centred.
void DrawMdiButton(HDC dc, const RECT& r, int normal, int state) {
  const SkinData* skin = CurrentSkinData();
  if (skin == nullptr) return;
  const SkinPart& base = skin->parts[static_cast<std::size_t>(normal)];
  const int w = base.width, h = base.height;
  if (w <= 0 || h <= 0) return;
  const int x = (r.left + r.right - w) / 2, y = (r.top + r.bottom - h) / 2;
  DrawPartAt(dc, {x, y, x + w, y + h}, normal + state);
}

HICON ChildIcon(HWND child) {
  if (child == nullptr || !IsWindow(child)) return nullptr;
  auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(child, GCLP_HICON));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(SendMessageW(child, WM_GETICON, ICON_BIG, 0));
  return icon;
}

void Paint(HWND window, MenuBarState& bar, HDC target, int hot_item) {
  if (!IsWindowVisible(window) || IsRectEmpty(&bar.bar) || bar.menu == nullptr || !IsMenu(bar.menu)) return;
  const int w = bar.bar.right - bar.bar.left, h = bar.bar.bottom - bar.bar.top;
  HDC dc = target != nullptr ? target : real::GetWindowDC(window);
  if (dc == nullptr) return;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, w, h);
  if (memory != nullptr && bitmap != nullptr) {
    const HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
    const RECT all{0, 0, w, h};
    FillRect(memory, &all, SkinBackgroundBrush() != nullptr ? SkinBackgroundBrush() : GetSysColorBrush(COLOR_MENU));
    DrawPartAt(memory, all, 48);
    SetBkMode(memory, TRANSPARENT);
    const HGDIOBJ old_font = SelectObject(memory, SkinFont() != nullptr ? SkinFont() : GetStockObject(DEFAULT_GUI_FONT));
    const bool open = bar.frame_state != nullptr && *bar.frame_state == kOpenState;
    const int count = GetMenuItemCount(bar.menu);
    for (int i = 0; i < count; ++i) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_STATE | MIIM_DATA | MIIM_FTYPE | MIIM_BITMAP;
      BarItemPlace place;
      if (!GetMenuItemInfoW(bar.menu, static_cast<UINT>(i), TRUE, &info) || !ItemPlace(window, bar, i, place)) continue;
      RECT r = place.rect;
      OffsetRect(&r, -bar.bar.left, -bar.bar.top);
      const bool hot = i == hot_item;
      const auto picture = reinterpret_cast<ULONG_PTR>(info.hbmpItem);
      const int button_state = hot ? (open ? 2 : 1) : 0;
      if (picture == 1) {  // HBMMENU_SYSTEM: the maximised child's icon
        if (HICON icon = ChildIcon(reinterpret_cast<HWND>(info.dwItemData))) {
          DrawIconEx(memory, (r.left + r.right - 16) / 2, (r.top + r.bottom - 16) / 2, icon, 16, 16, 0, nullptr,
                     DI_NORMAL);
        }
      } else if (picture == 5 || picture == 6) {
        DrawMdiButton(memory, r, 53, button_state);
      } else if (picture == 2) {
        DrawMdiButton(memory, r, 57, button_state);
      } else if (picture == 3 || picture == 7) {
        DrawMdiButton(memory, r, 61, button_state);
      } else if (picture > 11 && info.hbmpItem != HBMMENU_CALLBACK) {
        // A picture of the application's (the child's icon, as some systems put it).
        BITMAP bm{};
        if (GetObjectW(info.hbmpItem, sizeof bm, &bm) != 0) {
          HDC source = CreateCompatibleDC(memory);
          const HGDIOBJ old = SelectObject(source, info.hbmpItem);
          const int bw = std::min<int>(bm.bmWidth, r.right - r.left), bh = std::min<int>(bm.bmHeight, r.bottom - r.top);
          BitBlt(memory, (r.left + r.right - bw) / 2, (r.top + r.bottom - bh) / 2, bw, bh, source, 0, 0, SRCCOPY);
          SelectObject(source, old);
          DeleteDC(source);
        }
      } else if (picture == 0) {
        std::wstring text;
        if (const MenuItemRecord* record = RecordOf(info.dwItemData)) {
          text.assign(record->Text());
        } else {
          wchar_t buffer[MenuItemRecord::kTextCapacity] = {};
          const int n = GetMenuStringW(bar.menu, static_cast<UINT>(i), buffer, MenuItemRecord::kTextCapacity,
                                       MF_BYPOSITION);
          text.assign(buffer, static_cast<std::size_t>(std::max(0, n)));
        }
        COLORREF colour = SkinColour(40);
        if (hot) {
          InflateRect(&r, -1, -1);
          DrawPartAt(memory, r, open ? 51 : 50);
          colour = SkinColour(open ? 42 : 41);
        }
        SetTextColor(memory, colour);
        if (!text.empty()) {
          real::DrawTextExW(memory, text.data(), static_cast<int>(text.size()), &r,
                            DT_CENTER | DT_VCENTER | DT_SINGLELINE, nullptr);
        }
      }
    }
    SelectObject(memory, old_font);
    // A window so low that its bottom border reaches into the bar keeps the border.
    int shown = h;
    if (bar.bottom_border_top > bar.bar.top && bar.bottom_border_top < bar.bar.bottom) {
      shown = bar.bottom_border_top - bar.bar.top;
    }
    BitBlt(dc, bar.bar.left, bar.bar.top, w, shown, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old_bitmap);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (memory != nullptr) DeleteDC(memory);
  if (target == nullptr) real::ReleaseDC(window, dc);
}

void Repaint(HWND window, MenuBarState& bar, int hot_item) {
  bar.hot_item = hot_item;
  Paint(window, bar, nullptr, hot_item);
}

void SetState(MenuBarState& bar, int state) {
  if (bar.frame_state != nullptr) *bar.frame_state = state;
}

bool Disabled(const MenuBarState& bar, int item) {
  return (GetMenuState(bar.menu, static_cast<UINT>(item), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) != 0;
}

void CloseDropDown(HWND window) {
  SendMessageW(window, WM_CANCELMODE, 0, 0);
  EndMenu();  // an owner that does not pass WM_CANCELMODE on still gets its menu closed
}

// Opens the drop-down of `item` under the skinned item; returns when it closed.
void OpenDropDown(HWND window, MenuBarState& bar, int item) {
  const HMENU drop_down = GetSubMenu(bar.menu, item);
  if (drop_down == nullptr) return;
  SetTimer(window, kWatchTimer, 1, nullptr);
  SetState(bar, kOpenState);
  Repaint(window, bar, item);
  RebuildPlaces(window, bar);
  POINT at{0, 0};
  for (const Place& p : g_places) {
    if (p.menu == drop_down) at = p.at;
  }
  g_placing = true;
  TrackPopupMenu(drop_down, TPM_LEFTBUTTON, at.x, at.y, 0, window, nullptr);
  g_placing = false;
  if (!IsWindow(window)) return;
  KillTimer(window, kWatchTimer);
  if (bar.tracked_item != item) return;  // the pointer moved on: the next one opens
  // Closed for good. The click that closed it, when it was on this item,
  // must not open it again: the item stays tracked until then.
  SetState(bar, 0);
  POINT cursor{};
  GetCursorPos(&cursor);
  if (HitTest(window, bar, cursor) != item) bar.tracked_item = -1;
  Repaint(window, bar, bar.tracked_item >= 0 ? item : -1);
}

void Press(HWND window, MenuBarState& bar, LPARAM lparam) {
  const int item = HitTest(window, bar, {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
  if (item < 0) return;
  if (bar.tracked_item >= 0) {
    SetState(bar, 0);
    Repaint(window, bar, bar.tracked_item);
    KillTimer(window, kWatchTimer);
    CloseDropDown(window);
    bar.tracked_item = -1;
    return;
  }
  if (Disabled(bar, item)) return;
  bar.tracked_item = item;
  if (GetSubMenu(bar.menu, item) != nullptr) {
    OpenDropDown(window, bar, item);
    return;
  }
  SetState(bar, kOpenState);
  Repaint(window, bar, item);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetMenuItemID(bar.menu, item), 0), 0);
}

void Watch(HWND window, MenuBarState& bar) {
  POINT cursor{};
  GetCursorPos(&cursor);
  const int next = HitTest(window, bar, cursor);
  const int tracked = bar.tracked_item;
  if (next < 0 || tracked < 0 || next == tracked) return;
  if (GetSubMenu(bar.menu, next) == nullptr || Disabled(bar, next)) return;
  BarItemPlace from, to;
  if (!ItemPlace(window, bar, tracked, from) || !ItemPlace(window, bar, next, to)) return;
  if (!menu::SwitchDropDown({from.row, from.rect.left, from.rect.right}, {to.row, to.rect.left, to.rect.right})) return;
  KillTimer(window, kWatchTimer);
  bar.tracked_item = next;
  CloseDropDown(window);
  SetTimer(window, kNextDropDownTimer, 1, nullptr);
}

void CALLBACK Relayout(HWND window, UINT, UINT_PTR id, DWORD) {
  KillTimer(window, id);
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
}

void Layout(HWND window, MenuBarState& bar) {
  if (bar.menu == nullptr) return;
  // The system measures converted items anew only when it lays the bar out
  // again, which must not happen inside this layout.
  if (ConvertMenu(bar.menu, true) > 0) SetTimer(window, kRelayoutTimer, 0, &Relayout);
  RebuildPlaces(window, bar);
}

int HitTestService(HWND window, const MenuBarState& bar, POINT screen) {
  return HitTest(window, bar, screen);
}

bool IsSkinMenuItemMessage(UINT message, LPARAM lparam) {
  if (lparam == 0) return false;
  if (message == WM_MEASUREITEM) {
    const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lparam);
    return item->CtlType == ODT_MENU && item->CtlID == 0 && RecordOf(item->itemData) != nullptr;
  }
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
  return item->CtlType == ODT_MENU && RecordOf(item->itemData) != nullptr;
}

bool Message(SkinnedWindow& self, MenuBarState& bar, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  const HWND window = self.window();
  result = 0;
  switch (message) {
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      // The bar's own items are measured and drawn when the system lays the
      // bar out or moves through it from the keyboard, without a popup.
      if (!IsSkinMenuItemMessage(message, lparam) || (message == WM_DRAWITEM && wparam != 0)) return false;
      result = HandleOwnerDrawnMenuMessage(window, message, wparam, lparam, self.previous(), self.unicode());
      return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      Press(window, bar, lparam);
      return true;
    case WM_NCMOUSEMOVE: {
      if (bar.tracked_item >= 0) return true;
      const int item = HitTest(window, bar, {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      if (item != bar.hot_item) Repaint(window, bar, item);
      return true;
    }
    case WM_TIMER:
      if (wparam == kWatchTimer) {
        Watch(window, bar);
        return true;
      }
      if (wparam == kNextDropDownTimer) {
        KillTimer(window, kNextDropDownTimer);
        if (bar.tracked_item >= 0) OpenDropDown(window, bar, bar.tracked_item);
        return true;
      }
      return false;
    case WM_ENTERMENULOOP:
      if (wparam == FALSE) {
        g_placing = true;
        RebuildPlaces(window, bar);
      }
      return false;
    case WM_EXITMENULOOP:
      g_placing = false;
      return false;
    case WM_CAPTURECHANGED: {
      POINT cursor{};
      GetCursorPos(&cursor);
      RECT on_screen = bar.bar;
      OffsetRect(&on_screen, bar.origin.x, bar.origin.y);
      if (HitTest(window, bar, cursor) != bar.tracked_item && !PtInRect(&on_screen, cursor)) {
        SetState(bar, 0);
        if (bar.tracked_item != -2) bar.tracked_item = -1;
        Repaint(window, bar, -1);
      }
      return false;
    }
  }
  return false;
}

void StopTracking(HWND window, MenuBarState& bar) {
  if (bar.tracked_item == -1) return;
  bar.tracked_item = -1;
  KillTimer(window, kWatchTimer);
  KillTimer(window, kNextDropDownTimer);
}

void Undo(HWND, MenuBarState& bar) {
  if (bar.menu != nullptr) RestoreMenu(bar.menu);
}

// The system drew a bar item itself (its keyboard loop): the skin draws the
// bar with that item open, or without it.
void BarItemDrawnBySystem(HWND window, int index, bool selected) {
  auto* frame = dynamic_cast<FrameWindow*>(ObjectOf(window));
  if (frame == nullptr) return;
  MenuBarState& bar = frame->menu_bar;
  if (selected) {
    SetState(bar, kOpenState);
    Repaint(window, bar, index);
  } else if (bar.hot_item == index) {
    SetState(bar, 0);
    Repaint(window, bar, -1);
  }
}

}  // namespace

bool DropDownPlace(HMENU menu, POINT& at) {
  if (!g_placing) return false;
  for (const Place& p : g_places) {
    if (p.menu == menu) {
      at = p.at;
      return true;
    }
  }
  return false;
}

void FreeDropDownPlaces() {
  g_places.clear();
  g_places.shrink_to_fit();
  g_placing = false;
}

void RegisterMenuBarServices() {
  MenuBarServices services;
  services.layout = &Layout;
  services.paint = &Paint;
  services.hit_test = &HitTestService;
  services.message = &Message;
  services.stop_tracking = &StopTracking;
  services.undo = &Undo;
  SetMenuBarServices(services);
  SetBarItemDrawn(&BarItemDrawnBySystem);
}

void ClearMenuBarServices() {
  SetMenuBarServices({});
  SetBarItemDrawn(nullptr);
  FreeDropDownPlaces();
}

}  // namespace tebix
