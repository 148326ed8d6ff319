#include "skin/render/menu_items.h"

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "skin/attach/real_functions.h"
#include "skin/attach/window_procs.h"
#include "skin/core/skin_data.h"
#include "skin/render/menu_layout.h"

namespace tebix {
namespace {

std::vector<std::unique_ptr<MenuItemRecord>> g_records;  // in creation order
std::unordered_set<const void*> g_record_set;            // to know the skin's item data
std::vector<HMENU> g_converted;                          // menus to restore
HWND g_owner = nullptr;
HDC g_owner_draw_dc = nullptr;
BarItemDrawn g_bar_item_drawn = nullptr;
PopupItemSelected g_popup_item_selected = nullptr;

menu::Metrics SkinMenuMetrics() {
  return {SkinMetric(7), SkinMetric(8), SkinMetric(9), SkinMetric(10), SkinMetric(11)};
}

// The item's text, cut to the record: the whole text is read first so
// that a long one is cut where the record ends, never past it.
void ReadText(HMENU menu, int position, MenuItemRecord& record) {
  const int full = GetMenuStringW(menu, static_cast<UINT>(position), nullptr, 0, MF_BYPOSITION);
  if (full <= 0) return;
  std::wstring text(static_cast<std::size_t>(full) + 1, L'\0');
  const int read = GetMenuStringW(menu, static_cast<UINT>(position), text.data(), full + 1, MF_BYPOSITION);
  text.resize(static_cast<std::size_t>(std::max(0, read)));
  const std::size_t length = menu::CutLength(text, MenuItemRecord::kTextCapacity);
  text.copy(record.text, length);
  record.text[length] = L'\0';
  record.length = static_cast<int>(length);
}

bool IsSystemBarBitmap(HBITMAP bitmap) {
  const auto value = reinterpret_cast<ULONG_PTR>(bitmap);
  return value != 0;  // the MDI buttons, the child's icon, or a picture of the application
}

void Forget(MenuItemRecord* record) {
  g_record_set.erase(record);
}

// Frees the records of converted menus the host has destroyed since.
void PruneDestroyedMenus() {
  std::vector<HMENU> gone;
  for (HMENU m : g_converted) {
    if (!IsMenu(m)) gone.push_back(m);
  }
  if (gone.empty()) return;
  auto destroyed = [&gone](HMENU m) { return std::find(gone.begin(), gone.end(), m) != gone.end(); };
  g_converted.erase(std::remove_if(g_converted.begin(), g_converted.end(), destroyed), g_converted.end());
  g_records.erase(std::remove_if(g_records.begin(), g_records.end(),
                                 [&](const std::unique_ptr<MenuItemRecord>& r) {
                                   if (!destroyed(r->menu)) return false;
                                   g_record_set.erase(r.get());
                                   return true;
                                 }),
                  g_records.end());
}

}  // namespace

MenuItemRecord* RecordOf(ULONG_PTR item_data) {
  if (item_data == 0) return nullptr;
  const auto* p = reinterpret_cast<const void*>(item_data);
  return g_record_set.count(p) != 0 ? reinterpret_cast<MenuItemRecord*>(item_data) : nullptr;
}

int ConvertMenu(HMENU menu, bool bar) {
  if (menu == nullptr || !IsMenu(menu) || !SkinLoaded()) return 0;
  PruneDestroyedMenus();
  const int count = GetMenuItemCount(menu);
  int converted = 0;
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_CHECKMARKS | MIIM_DATA | MIIM_FTYPE | MIIM_BITMAP;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (MenuItemRecord* record = RecordOf(info.dwItemData); record != nullptr) {
      record->index = i;
      continue;
    }
    if ((info.fType & MFT_OWNERDRAW) || info.dwItemData != 0) continue;
    // A picture-only item stays the system's: there is no text to draw.
    if (info.fType & MFT_BITMAP) continue;
    if (bar && IsSystemBarBitmap(info.hbmpItem)) continue;
    auto record = std::make_unique<MenuItemRecord>();
    record->menu = menu;
    record->state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    record->index = i;
    record->bar = bar;
    ReadText(menu, i, *record);
    MENUITEMINFOW write{};
    write.cbSize = sizeof write;
    write.fMask = MIIM_FTYPE | MIIM_DATA;
    write.fType = info.fType | MFT_OWNERDRAW;
    write.dwItemData = reinterpret_cast<ULONG_PTR>(record.get());
    if (!bar && info.hbmpItem != nullptr) {
      record->bitmap = info.hbmpItem;
      record->bitmap_moved = true;
      write.fMask |= MIIM_BITMAP;
      write.hbmpItem = nullptr;
    }
    g_record_set.insert(record.get());
    if (!SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &write)) {
      Forget(record.get());
      continue;
    }
    g_records.push_back(std::move(record));
    ++converted;
  }
  if (converted > 0 && !MenuConverted(menu)) g_converted.push_back(menu);
  return converted;
}

bool MenuConverted(HMENU menu) {
  for (HMENU m : g_converted) {
    if (m == menu) return true;
  }
  return false;
}

void RestoreMenu(HMENU menu) {
  if (menu == nullptr || !IsMenu(menu)) return;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    const MenuItemRecord* record = RecordOf(info.dwItemData);
    if (record == nullptr) continue;
    MENUITEMINFOW write{};
    write.cbSize = sizeof write;
    write.fMask = MIIM_FTYPE | MIIM_DATA;
    write.fType = info.fType & ~static_cast<UINT>(MFT_OWNERDRAW);
    write.dwItemData = 0;
    if (record->bitmap_moved) {
      write.fMask |= MIIM_BITMAP;
      write.hbmpItem = record->bitmap;
    }
    SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &write);
  }
}

void RestoreAllMenus() {
  for (HMENU menu : g_converted) RestoreMenu(menu);
  g_converted.clear();
  g_converted.shrink_to_fit();
  g_record_set.clear();
  g_records.clear();
  g_records.shrink_to_fit();
  g_owner = nullptr;
  g_owner_draw_dc = nullptr;
}

std::size_t MenuRecordCount() {
  return g_records.size();
}

HWND MenuOwnerWindow() { return g_owner; }
void SetMenuOwnerWindow(HWND window) { g_owner = window; }
HDC OwnerDrawDc() { return g_owner_draw_dc; }
void SetOwnerDrawDc(HDC dc) { g_owner_draw_dc = dc; }
void SetBarItemDrawn(BarItemDrawn callback) { g_bar_item_drawn = callback; }
void SetPopupItemSelected(PopupItemSelected callback) { g_popup_item_selected = callback; }

int MenuTextWidth(HDC dc, std::wstring_view text, HFONT font) {
  if (dc == nullptr || text.empty()) return 0;
  const HGDIOBJ old = SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  auto width = [dc](std::wstring_view part) {
    if (part.empty()) return 0;
    std::wstring copy(part);
    RECT r{0, 0, 0, 0};
    real::DrawTextExW(dc, copy.data(), static_cast<int>(copy.size()), &r, DT_CALCRECT | DT_SINGLELINE, nullptr);
    return static_cast<int>(r.right - r.left);
  };
  const std::size_t tab = menu::TabAt(text);
  int result = 0;
  if (tab == std::wstring_view::npos) {
    result = menu::TextWidth(width(text), 0, false);
  } else {
    result = menu::TextWidth(width(text.substr(0, tab)), width(text.substr(tab + 1)), true);
  }
  SelectObject(dc, old);
  return result;
}

namespace {

LRESULT Measure(HWND window, WPARAM wparam, LPARAM lparam, WNDPROC saved, bool unicode) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
  if (item == nullptr || item->CtlType != ODT_MENU || item->CtlID != 0) {
    return CallProc(saved, unicode, window, WM_MEASUREITEM, wparam, lparam);
  }
  const menu::Metrics metrics = SkinMenuMetrics();
  if (const MenuItemRecord* record = RecordOf(item->itemData); record != nullptr) {
    HDC dc = CreateCompatibleDC(nullptr);
    const int text = MenuTextWidth(dc, record->Text(), SkinFont());
    if (dc != nullptr) DeleteDC(dc);
    if (record->bar) {
      item->itemWidth = static_cast<UINT>(menu::BarItemWidth(text));
    } else {
      const bool submenu = (record->state & MF_POPUP) != 0;
      const bool separator = (record->state & MF_SEPARATOR) != 0 && !submenu;
      const menu::ItemSize size = menu::PopupItemSize(metrics, text, submenu, separator);
      item->itemWidth = static_cast<UINT>(size.width);
      item->itemHeight = static_cast<UINT>(size.height);
    }
    return TRUE;
  }
  CallProc(saved, unicode, window, WM_MEASUREITEM, wparam, lparam);
  item->itemWidth = static_cast<UINT>(menu::ForeignItemWidth(metrics, static_cast<int>(item->itemWidth)));
  return TRUE;
}

LRESULT Draw(HWND window, WPARAM wparam, LPARAM lparam, WNDPROC saved, bool unicode) {
  auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lparam);
  if (item == nullptr || wparam != 0 || item->CtlType != ODT_MENU) {
    return CallProc(saved, unicode, window, WM_DRAWITEM, wparam, lparam);
  }
  g_owner = window;
  const auto menu = reinterpret_cast<HMENU>(item->hwndItem);
  if (const MenuItemRecord* record = RecordOf(item->itemData); record != nullptr) {
    if (record->bar) {
      if (g_bar_item_drawn != nullptr) g_bar_item_drawn(window, record->index, (item->itemState & ODS_SELECTED) != 0);
    } else if ((item->itemAction & ODA_SELECT) && g_popup_item_selected != nullptr) {
      // The system moved the highlight by drawing the item alone: the
      // popup's own painting shows it.
      g_popup_item_selected(menu);
    }
    return TRUE;
  }
  if (item->hDC != nullptr && item->hDC == g_owner_draw_dc) {
    return CallProc(saved, unicode, window, WM_DRAWITEM, 0, lparam);
  }
  // The application draws its own item on screen only when the skin asks
  // for it; what the system asks for lands in a throw-away surface.
  DRAWITEMSTRUCT copy = *item;
  copy.hDC = CreateCompatibleDC(item->hDC);
  if (copy.hDC != nullptr) {
    CallProc(saved, unicode, window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&copy));
    DeleteDC(copy.hDC);
  }
  if ((item->itemAction & ODA_SELECT) && g_popup_item_selected != nullptr) g_popup_item_selected(menu);
  return TRUE;
}

}  // namespace

LRESULT HandleOwnerDrawnMenuMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam, WNDPROC saved,
                                    bool unicode) {
  switch (message) {
    case WM_MEASUREITEM: return Measure(window, wparam, lparam, saved, unicode);
    case WM_DRAWITEM: return Draw(window, wparam, lparam, saved, unicode);
    case WM_INITMENUPOPUP: {
      // What the application changes in the menu as it opens is converted too.
      const LRESULT result = CallProc(saved, unicode, window, message, wparam, lparam);
      ConvertMenu(reinterpret_cast<HMENU>(wparam), false);
      return result;
    }
  }
  return CallProc(saved, unicode, window, message, wparam, lparam);
}

}  // namespace tebix
