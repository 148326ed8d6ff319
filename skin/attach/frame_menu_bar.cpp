// The menu bar inside the frame: its rows and rectangle, and the calls of
// the menu renderer's services. Until the menu renderer registers them, a
// small bar of the frame's own: the skin background, the item texts, and a
// click that opens the item's drop-down under it.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>

#include "skin/attach/frame.h"
#include "skin/attach/real_functions.h"
#include "skin/core/draw_skin_part.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"

namespace tebix {
namespace {

constexpr UINT_PTR kWatchTimer = 25941;
constexpr UINT_PTR kNextDropDownTimer = 25942;

// The item's skinned rectangle in window coordinates: its place in the
// system's layout moved onto the skinned bar, one skin row per system row.
bool ItemRect(const FrameWindow& f, int index, RECT& out) {
  const MenuBarState& m = f.menu_bar;
  RECT r{};
  if (m.menu == nullptr || !GetMenuItemRect(f.window(), m.menu, static_cast<UINT>(index), &r)) return false;
  const int row_height = std::max(1, m.system_row_height);
  const int row = std::clamp(static_cast<int>(r.top - m.system_bar.top + row_height / 2) / row_height, 0,
                             frame::kMaxMenuRows);
  const int skin_row = std::clamp(SkinMetric(13), 0, frame::kMaxPieceSize);
  const int left = m.bar.left + (r.left - m.system_bar.left);
  out = {left, m.bar.top + row * skin_row, left + (r.right - r.left), m.bar.top + (row + 1) * skin_row};
  return true;
}

void DrawFallbackBar(FrameWindow& f, HDC dc, int hot_item) {
  MenuBarState& m = f.menu_bar;
  const HBRUSH background = SkinBackgroundBrush();
  FillRect(dc, &m.bar, background != nullptr ? background : GetSysColorBrush(COLOR_MENU));
  const HGDIOBJ old_font = SelectObject(dc, SkinFont() != nullptr ? SkinFont() : GetStockObject(DEFAULT_GUI_FONT));
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF old_colour = GetTextColor(dc);
  const SkinData* skin = CurrentSkinData();
  const int count = GetMenuItemCount(m.menu);
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!ItemRect(f, i, r)) continue;
    IntersectRect(&r, &r, &m.bar);
    if (IsRectEmpty(&r)) continue;
    const bool open = i == hot_item && f.button_state == frame::kMenuOpenState;
    if (i == hot_item && skin != nullptr) {
      const SkinPart& part = skin->parts[open ? 51 : 50];
      if (part.width > 0 && part.height > 0) DrawSkinPart(dc, r, part, SkinBitmapDc());
    }
    const UINT state = GetMenuState(m.menu, static_cast<UINT>(i), MF_BYPOSITION);
    SetTextColor(dc, SkinColour((state & (MF_GRAYED | MF_DISABLED)) ? 39 : i == hot_item ? (open ? 42 : 41) : 40));
    wchar_t text[256] = {};
    const int length = GetMenuStringW(m.menu, static_cast<UINT>(i), text, 255, MF_BYPOSITION);
    if (length > 0) real::DrawTextExW(dc, text, length, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER, nullptr);
  }
  SetTextColor(dc, old_colour);
  SetBkMode(dc, old_mode);
  SelectObject(dc, old_font);
}

}  // namespace

int MenuRows(const FrameWindow& f) {
  if (f.menu_bar.menu == nullptr) return 0;
  MENUBARINFO info{};
  info.cbSize = sizeof info;
  const int row = std::max(1, GetSystemMetrics(SM_CYMENU));
  if (!GetMenuBarInfo(f.window(), OBJID_MENU, 0, &info)) return 1;
  const int height = info.rcBar.bottom - info.rcBar.top;
  return std::max(1, (height + row / 2) / row);
}

void LayOutMenuBar(FrameWindow& f) {
  MenuBarState& m = f.menu_bar;
  const frame::Rect& bar = f.layout.menu_bar;
  m.bar = {bar.left, bar.top, bar.right, bar.bottom};
  m.origin = {f.window_rect.left, f.window_rect.top};
  m.system_row_height = GetSystemMetrics(SM_CYMENU);
  m.active = f.active;
  const FrameStyle* record = f.record();
  m.left_border = record != nullptr ? record->parts[1].width : 0;
  m.right_border = record != nullptr ? record->parts[2].width : 0;
  m.bottom_border_top = f.layout.bottom.top;
  if (m.menu == nullptr || bar.empty()) return;
  MENUBARINFO info{};
  info.cbSize = sizeof info;
  if (GetMenuBarInfo(f.window(), OBJID_MENU, 0, &info)) m.system_bar = info.rcBar;
  if (MenuBars().layout != nullptr) MenuBars().layout(f.window(), m);
}

void PaintMenuBar(FrameWindow& f, HDC dc, int hot_item) {
  MenuBarState& m = f.menu_bar;
  if (m.menu == nullptr || IsRectEmpty(&m.bar)) return;
  if (MenuBars().paint != nullptr) {
    MenuBars().paint(f.window(), m, dc, hot_item);
    return;
  }
  DrawFallbackBar(f, dc, hot_item);
}

void RedrawMenuBar(FrameWindow& f) {
  if (!f.visible() || IsRectEmpty(&f.menu_bar.bar)) return;
  if (HDC dc = real::GetWindowDC(f.window())) {
    PaintMenuBar(f, dc, f.menu_bar.hot_item);
    real::ReleaseDC(f.window(), dc);
  }
}

int MenuBarItemAt(FrameWindow& f, POINT screen) {
  MenuBarState& m = f.menu_bar;
  if (MenuBars().hit_test != nullptr) return MenuBars().hit_test(f.window(), m, screen);
  if (m.menu == nullptr) return -1;
  const POINT p{screen.x - m.origin.x, screen.y - m.origin.y};
  const int count = GetMenuItemCount(m.menu);
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (ItemRect(f, i, r) && PtInRect(&r, p)) return i;
  }
  return -1;
}

LRESULT MenuBarPress(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  MenuBarState& m = f.menu_bar;
  LRESULT result = 0;
  if (MenuBars().message != nullptr && MenuBars().message(f, m, WM_NCLBUTTONDOWN, wparam, lparam, result)) {
    return result;
  }
  const int item = MenuBarItemAt(f, {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
  if (item < 0) return 0;
  const UINT state = GetMenuState(m.menu, static_cast<UINT>(item), MF_BYPOSITION);
  if (state & (MF_GRAYED | MF_DISABLED)) return 0;
  RECT r{};
  if (!ItemRect(f, item, r)) return 0;
  const HWND w = f.window();
  m.tracked_item = item;
  m.hot_item = item;
  f.button_state = frame::kMenuOpenState;
  RedrawMenuBar(f);
  if (HMENU drop_down = GetSubMenu(m.menu, item)) {
    OffsetRect(&r, m.origin.x, m.origin.y);
    TPMPARAMS params{sizeof params, r};
    TrackPopupMenuEx(drop_down, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_VERTICAL, r.left, r.bottom, w,
                     &params);
  } else {
    SendMessageW(w, WM_COMMAND, GetMenuItemID(m.menu, item), 0);
  }
  if (!IsWindow(w)) return 0;
  m.tracked_item = -1;
  m.hot_item = -1;
  if (f.button_state == frame::kMenuOpenState) f.button_state = 0;
  RedrawMenuBar(f);
  return 0;
}

void MenuBarHover(FrameWindow& f, LPARAM lparam) {
  MenuBarState& m = f.menu_bar;
  LRESULT ignored = 0;
  if (MenuBars().message != nullptr &&
      MenuBars().message(f, m, WM_NCMOUSEMOVE, frame::hit::kMenuBar, lparam, ignored)) {
    return;
  }
  if (f.button_state == frame::kMenuOpenState) return;
  const int item = MenuBarItemAt(f, {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
  if (item == m.hot_item) return;
  m.hot_item = item;
  RedrawMenuBar(f);
}

void MenuBarLeave(FrameWindow& f) {
  MenuBarState& m = f.menu_bar;
  m.hot = false;
  if (f.button_state == frame::kMenuOpenState || m.hot_item == -1) return;
  m.hot_item = -1;
  RedrawMenuBar(f);
}

void StopMenuTracking(FrameWindow& f) {
  MenuBarState& m = f.menu_bar;
  if (MenuBars().stop_tracking != nullptr) {
    MenuBars().stop_tracking(f.window(), m);
    return;
  }
  if (m.tracked_item == -1) return;
  m.tracked_item = -1;
  KillTimer(f.window(), kWatchTimer);
  KillTimer(f.window(), kNextDropDownTimer);
}

bool MenuBarMessage(FrameWindow& f, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (MenuBars().message == nullptr) return false;
  return MenuBars().message(f, f.menu_bar, message, wparam, lparam, result);
}

}  // namespace tebix
