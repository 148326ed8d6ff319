// The skin's menu items: plain items the skin turned into owner-drawn ones,
// each carrying a MenuItemRecord, and the answers to the measure and draw
// requests the system sends their owner window.
//
// A converted item keeps its text wide, whatever the owner window is, so a
// menu in any script draws under any code page.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace tebix {

struct MenuItemRecord {
  static constexpr std::size_t kTextCapacity = 256;  // characters, terminator included

  HMENU menu = nullptr;      // the menu the item belongs to
  UINT state = 0;            // GetMenuState at conversion (MF_POPUP, MF_SEPARATOR)
  int index = 0;             // place in the menu bar (menu-bar items)
  bool bar = false;          // an item of a window's menu bar
  bool bitmap_moved = false; // the item's bitmap was taken into `bitmap`
  HBITMAP bitmap = nullptr;
  wchar_t text[kTextCapacity] = {};
  int length = 0;

  std::wstring_view Text() const { return {text, static_cast<std::size_t>(length)}; }
};

// The record behind an item's data, or null when the data is not the skin's.
MenuItemRecord* RecordOf(ULONG_PTR item_data);

// Converts every plain item of `menu` (popup items; with `bar` the items of
// a menu bar, keeping their bitmaps). Items already owner-drawn or carrying
// data are left to their application. Returns how many were converted; a
// menu with at least one is listed for the restore. The records of listed
// menus that no longer exist are freed first, so that a host making a new
// context menu for every click does not pile them up.
int ConvertMenu(HMENU menu, bool bar);
// Whether `menu` is on the converted-menu list.
bool MenuConverted(HMENU menu);
// Gives every converted item of `menu` its own type, data and bitmap back.
void RestoreMenu(HMENU menu);
// Every converted menu restored; the lists and records freed.
void RestoreAllMenus();
// Number of records alive (tests).
std::size_t MenuRecordCount();

// The window that last received a draw request for a menu item, and the
// memory DC in which the skin asks an application to draw its own item.
HWND MenuOwnerWindow();
void SetMenuOwnerWindow(HWND window);
HDC OwnerDrawDc();
void SetOwnerDrawDc(HDC dc);

// WM_MEASUREITEM / WM_DRAWITEM for menus (and WM_INITMENUPOPUP, after which
// the popup's items are converted), called with the owner window's own
// procedure.
LRESULT HandleOwnerDrawnMenuMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam, WNDPROC saved,
                                    bool unicode);

// The item text's width in the skin font (both halves of a tab-split text).
int MenuTextWidth(HDC dc, std::wstring_view text, HFONT font);

// Called for a converted menu-bar item drawn by the system (its keyboard
// loop): the bar repaints with the item open or not.
using BarItemDrawn = void (*)(HWND window, int index, bool selected);
void SetBarItemDrawn(BarItemDrawn callback);
// Called for a converted popup item the system highlighted or unhighlighted:
// the popup showing `menu` repaints.
using PopupItemSelected = void (*)(HMENU menu);
void SetPopupItemSelected(PopupItemSelected callback);

}  // namespace tebix
