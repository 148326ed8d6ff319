#include "skin/render/popup_menu.h"

#include <algorithm>
#include <string>
#include <vector>

#include "skin/attach/menu_interception.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/draw_skin_part.h"
#include "skin/core/engine.h"
#include "skin/core/shifted_colour.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "skin/render/menu_bar.h"
#include "skin/render/menu_items.h"
#include "skin/render/menu_layout.h"

namespace tebix {
namespace {

constexpr UINT kSizeWindow = 0x1E2;   // MN_SIZEWINDOW
constexpr UINT kGetMenu = 0x1E1;      // MN_GETHMENU
constexpr UINT kSelectItem = 0x1E5;   // MN_SELECTITEM
constexpr UINT_PTR kPrintTimer = 0x6621;
constexpr UINT kRepaintPopup = 0x6A3D;  // posted: repaint once the system's own drawing is done
constexpr COLORREF kRedKey = RGB(255, 0, 0);

// Skin rectangles whose width replaces a built-in glyph.
constexpr int kArrowRect = 25, kArrowDisabledRect = 28;
constexpr int kCheckRect = 17, kCheckDisabledRect = 20;
constexpr int kRadioRect = 21, kRadioDisabledRect = 24;

class PopupMenu : public SkinnedWindow {
 public:
  explicit PopupMenu(HWND window);
  ~PopupMenu() override;
  HMENU menu = nullptr;
  int selected = -1;
  bool converting = false;
  bool repaint_posted = false;
};

std::vector<PopupMenu*> g_popups;

PopupMenu::PopupMenu(HWND window) : SkinnedWindow(window) {
  g_popups.push_back(this);
}

PopupMenu::~PopupMenu() {
  g_popups.erase(std::remove(g_popups.begin(), g_popups.end(), this), g_popups.end());
}

const SkinRectangle* SkinRect(int index) {
  const SkinData* skin = CurrentSkinData();
  if (skin == nullptr || index < 0 || static_cast<std::size_t>(index) >= skin->rectangles.size()) return nullptr;
  return &skin->rectangles[static_cast<std::size_t>(index)];
}

int RectWidth(int index) {
  const SkinRectangle* r = SkinRect(index);
  return r != nullptr ? std::max(0, r->width) : 0;
}

const SkinPart* Part(int index) {
  const SkinData* skin = CurrentSkinData();
  if (skin == nullptr || index < 0 || static_cast<std::size_t>(index) >= skin->parts.size()) return nullptr;
  return &skin->parts[static_cast<std::size_t>(index)];
}

void DrawPart(HDC dc, const RECT& r, int index) {
  const SkinPart* part = Part(index);
  if (part != nullptr && part->width > 0 && part->height > 0) DrawSkinPart(dc, r, *part, SkinBitmapDc());
}

void DrawGlyph(HDC dc, menu::Glyph glyph, int left, const RECT& item, COLORREF colour) {
  const int top = menu::GlyphTop(item.top, item.bottom);
  for (int row = 0; row < 8; ++row) {
    const std::uint8_t bits = menu::GlyphRow(glyph, row);
    for (int col = 0; col < 8; ++col) {
      if (bits & (0x80 >> col)) SetPixelV(dc, left + col, top + row, colour);
    }
  }
}

// A skin rectangle's cell, centred vertically in the item at `left`.
void DrawCell(HDC dc, int index, int left, const RECT& item) {
  const SkinRectangle* r = SkinRect(index);
  if (r == nullptr || r->width <= 0 || r->height <= 0) return;
  const int top = (item.top + item.bottom - r->height) / 2;
  BitBlt(dc, left, top, r->width, r->height, SkinBitmapDc(), r->x, r->y, SRCCOPY);
}

// The cell when the skin has one, else the built-in glyph in `colour`.
void DrawMark(HDC dc, int cell, menu::Glyph glyph, int left, const RECT& item, COLORREF colour) {
  if (RectWidth(cell) > 0) {
    DrawCell(dc, cell, left, item);
  } else {
    DrawGlyph(dc, glyph, left, item, colour);
  }
}

void DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& r, int left, int max_size) {
  BITMAP info{};
  if (GetObjectW(bitmap, sizeof info, &info) == 0) return;
  HDC source = CreateCompatibleDC(dc);
  if (source == nullptr) return;
  const HGDIOBJ old = SelectObject(source, bitmap);
  const int w = std::min<int>(info.bmWidth, max_size), h = std::min<int>(info.bmHeight, max_size);
  const int top = (r.top + r.bottom - h) / 2;
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, left, top, w, h, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

void DrawSubmenuArrow(HDC dc, const RECT& r, bool disabled) {
  const int cell = disabled ? kArrowDisabledRect : kArrowRect;
  const int width = RectWidth(kArrowRect) > 0 ? RectWidth(kArrowRect) : 8;
  const int x = r.right - SkinMetric(9) - width;
  DrawMark(dc, cell, menu::Glyph::kArrow, x, r, SkinColour(disabled ? 39 : 36));
}

// The four caption-button pictures a system menu may carry.
bool PictureGlyph(HBITMAP bitmap, bool disabled, menu::Glyph& glyph, int& cell) {
  switch (reinterpret_cast<ULONG_PTR>(bitmap)) {
    case 8: glyph = menu::Glyph::kClose; cell = disabled ? 4 : 1; return true;      // HBMMENU_POPUP_CLOSE
    case 9: glyph = menu::Glyph::kRestore; cell = disabled ? 16 : 13; return true;  // HBMMENU_POPUP_RESTORE
    case 10: glyph = menu::Glyph::kMaximize; cell = disabled ? 12 : 9; return true; // HBMMENU_POPUP_MAXIMIZE
    case 11: glyph = menu::Glyph::kMinimize; cell = disabled ? 8 : 5; return true;  // HBMMENU_POPUP_MINIMIZE
  }
  return false;
}

void DrawText(HDC dc, std::wstring_view text, const RECT& item) {
  if (text.empty()) return;
  const menu::TextPlaces places =
      menu::PlaceText({item.left, item.top, item.right, item.bottom}, SkinMetric(11));
  const std::size_t tab = menu::TabAt(text);
  std::wstring before(tab == std::wstring_view::npos ? text : text.substr(0, tab));
  RECT left{places.left.left, places.left.top, places.left.right, places.left.bottom};
  if (!before.empty()) {
    real::DrawTextExW(dc, before.data(), static_cast<int>(before.size()), &left, DT_SINGLELINE | DT_VCENTER, nullptr);
  }
  if (tab == std::wstring_view::npos) return;
  std::wstring after(text.substr(tab + 1));
  RECT right{places.right.left, places.right.top, places.right.right, places.right.bottom};
  if (!after.empty()) {
    real::DrawTextExW(dc, after.data(), static_cast<int>(after.size()), &right,
                      DT_RIGHT | DT_VCENTER | DT_SINGLELINE, nullptr);
  }
}

// A plain item, or one the skin converted: everything from the item's
// live state, the text from the record when there is one.
void DrawItem(HDC dc, HMENU menu, int index, const RECT& r, const MENUITEMINFOW& info, const MenuItemRecord* record) {
  const bool submenu = info.hSubMenu != nullptr;
  if ((info.fType & MFT_SEPARATOR) && !submenu) {
    const SkinPart* part = Part(66);
    if (part == nullptr) return;
    const int height = std::max(0, part->height);
    const int top = (r.top + r.bottom - height) / 2;
    DrawPart(dc, {r.left, top, r.right, top + height}, 66);
    return;
  }
  const bool disabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) != 0;
  const bool hilite = (info.fState & MFS_HILITE) != 0;
  COLORREF colour = SkinColour(36);
  if (disabled) {
    colour = SkinColour(39);  // never highlighted
  } else if (hilite) {
    colour = SkinColour(37);
    DrawPart(dc, r, 68);
  }
  const bool checked = (info.fState & MFS_CHECKED) != 0;
  // The application's own check pictures: the one for the item's state.
  const HBITMAP check_picture = checked ? info.hbmpChecked : info.hbmpUnchecked;
  if (check_picture != nullptr) {
    const int top = (r.top + r.bottom - 16) / 2;
    HDC source = CreateCompatibleDC(dc);
    if (source != nullptr) {
      BITMAP bm{};
      GetObjectW(check_picture, sizeof bm, &bm);
      const HGDIOBJ old = SelectObject(source, check_picture);
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchBlt(dc, r.left, top, 16, 16, source, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
      SelectObject(source, old);
      DeleteDC(source);
    }
  }
  const HBITMAP picture = record != nullptr ? record->bitmap : info.hbmpItem;
  const int check_x = r.left + SkinMetric(10);
  menu::Glyph glyph;
  int cell = 0;
  if (PictureGlyph(picture, disabled, glyph, cell)) {
    DrawMark(dc, cell, glyph, check_x, r, colour == SkinColour(37) ? SkinColour(36) : colour);
  } else if (reinterpret_cast<ULONG_PTR>(picture) > 11 && picture != HBMMENU_CALLBACK) {
    DrawBitmap(dc, picture, r, r.left + 2, std::max(1, static_cast<int>(r.bottom - r.top) - 2));
  }
  if (checked && info.hbmpChecked == nullptr) {
    const bool radio = (info.fType & MFT_RADIOCHECK) != 0;
    const int mark = radio ? (disabled ? kRadioDisabledRect : kRadioRect) : (disabled ? kCheckDisabledRect : kCheckRect);
    DrawMark(dc, mark, radio ? menu::Glyph::kRadio : menu::Glyph::kCheck, check_x, r,
             SkinColour(disabled ? 39 : 36));
  }
  std::wstring live;
  std::wstring_view text;
  if (record != nullptr) {
    text = record->Text();
  } else {
    wchar_t buffer[MenuItemRecord::kTextCapacity] = {};
    const int n = GetMenuStringW(menu, static_cast<UINT>(index), buffer, MenuItemRecord::kTextCapacity, MF_BYPOSITION);
    live.assign(buffer, static_cast<std::size_t>(std::max(0, n)));
    text = live;
  }
  SetTextColor(dc, colour);
  const HFONT font = (info.fState & MFS_DEFAULT) && SkinBoldFont() != nullptr ? SkinBoldFont() : SkinFont();
  const HGDIOBJ old_font = SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  DrawText(dc, text, r);
  SelectObject(dc, old_font);
  if (submenu) DrawSubmenuArrow(dc, r, disabled);
}

// An item the application draws itself: into a red surface, then onto the
// menu without its background and without red.
void DrawForeignItem(HDC dc, HMENU menu, const RECT& r, const MENUITEMINFOW& info) {
  const HWND owner = MenuOwnerWindow();
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (owner == nullptr || w <= 0 || h <= 0) return;
  const bool hilite = (info.fState & MFS_HILITE) != 0;
  HDC drawing = CreateCompatibleDC(dc);
  HDC keyed = CreateCompatibleDC(dc);
  HBITMAP drawing_bitmap = CreateCompatibleBitmap(dc, w, h);
  HBITMAP keyed_bitmap = CreateCompatibleBitmap(dc, w, h);
  if (drawing != nullptr && keyed != nullptr && drawing_bitmap != nullptr && keyed_bitmap != nullptr) {
    const HGDIOBJ old_drawing = SelectObject(drawing, drawing_bitmap);
    const HGDIOBJ old_keyed = SelectObject(keyed, keyed_bitmap);
    HBRUSH red = CreateSolidBrush(kRedKey);
    const RECT all{0, 0, w, h};
    FillRect(drawing, &all, red);
    FillRect(keyed, &all, red);
    DeleteObject(red);
    const HGDIOBJ old_font = SelectObject(drawing, SkinFont() != nullptr ? SkinFont() : GetStockObject(DEFAULT_GUI_FONT));
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = info.wID;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = hilite ? ODS_SELECTED : 0;
    item.hwndItem = reinterpret_cast<HWND>(menu);
    item.hDC = drawing;
    item.rcItem = all;
    item.itemData = info.dwItemData;
    SetOwnerDrawDc(drawing);
    SendMessageW(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    SetOwnerDrawDc(nullptr);
    if (hilite) DrawPart(dc, r, 68);
    const COLORREF background = GetPixel(drawing, 1, 1);
    TransparentBlt(keyed, 0, 0, w, h, drawing, 0, 0, w, h, background);
    TransparentBlt(dc, r.left, r.top, w, h, keyed, 0, 0, w, h, kRedKey);
    SelectObject(drawing, old_font);
    SelectObject(drawing, old_drawing);
    SelectObject(keyed, old_keyed);
  }
  if (drawing_bitmap != nullptr) DeleteObject(drawing_bitmap);
  if (keyed_bitmap != nullptr) DeleteObject(keyed_bitmap);
  if (drawing != nullptr) DeleteDC(drawing);
  if (keyed != nullptr) DeleteDC(keyed);
  if (info.hSubMenu != nullptr) DrawSubmenuArrow(dc, r, (info.fState & (MFS_GRAYED | MFS_DISABLED)) != 0);
}

// The arrows of a menu too long for the screen: the bands they take, in
// window coordinates. The system keeps them outside the client area, or
// (where it draws them itself) inside it; then they are bands of the arrow
// parts' height inside the background's border.
struct ScrollBands {
  RECT top{};
  RECT bottom{};
};

bool ScrollBandsOf(const RECT& window, const RECT& client, bool scrolled_inside, ScrollBands& bands) {
  const int w = window.right - window.left, h = window.bottom - window.top;
  const int ct = client.top - window.top, cb = client.bottom - window.top;
  const int cl = client.left - window.left, cr = client.right - window.left;
  if (ct > 10) {
    const int b = cl;
    bands.top = {cl, b, cr, ct};
    bands.bottom = {cl, cb, cr, h - b};
    return true;
  }
  if (!scrolled_inside) return false;
  const SkinPart* top_part = Part(116);
  const SkinPart* bottom_part = Part(120);
  const SkinPart* back = Part(65);
  const int b = std::max(cl, back != nullptr ? std::clamp(back->top_margin, 0, h / 4) : 0);
  const int side = std::max(cl, back != nullptr ? std::clamp(back->left_margin, 0, w / 4) : 0);
  const int side_right = std::max(w - cr, back != nullptr ? std::clamp(back->right_margin, 0, w / 4) : 0);
  const int top_h = top_part != nullptr && top_part->height > 0 ? top_part->height : SkinMetric(7);
  const int bottom_h = bottom_part != nullptr && bottom_part->height > 0 ? bottom_part->height : SkinMetric(7);
  bands.top = {side, b, w - side_right, b + top_h};
  bands.bottom = {side, h - b - bottom_h, w - side_right, h - b};
  return true;
}

void PaintPopup(PopupMenu& self, HDC target) {
  const HWND window = self.window();
  if (self.menu == nullptr || !IsMenu(self.menu) || !SkinLoaded()) return;
  RECT wr{};
  GetWindowRect(window, &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  if (w <= 0 || h <= 0) return;
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  HDC dc = target != nullptr ? target : real::GetWindowDC(window);
  if (dc == nullptr) return;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, w, h);
  if (memory == nullptr || bitmap == nullptr) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (memory != nullptr) DeleteDC(memory);
    if (target == nullptr) real::ReleaseDC(window, dc);
    return;
  }
  const HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
  const RECT all{0, 0, w, h};
  FillRect(memory, &all, SkinBackgroundBrush() != nullptr ? SkinBackgroundBrush() : GetSysColorBrush(COLOR_MENU));
  DrawPart(memory, all, 65);
  const HGDIOBJ old_brush = SkinBackgroundBrush() != nullptr ? SelectObject(memory, SkinBackgroundBrush()) : nullptr;
  const HGDIOBJ old_font = SelectObject(memory, SkinFont() != nullptr ? SkinFont() : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(memory, TRANSPARENT);

  // The first item showing, and how far the items are scrolled.
  const POINT corner{client.left, client.top};
  const int count = GetMenuItemCount(self.menu);
  int first = MenuItemFromPoint(window, self.menu, corner);
  int offset = 0;
  if (first < 1) {
    first = 0;
  } else {
    RECT r0{}, rf{};
    // Where the system already moves the rectangles with the scrolling, the
    // first item showing holds the corner.
    if (GetMenuItemRect(window, self.menu, 0, &r0) && GetMenuItemRect(window, self.menu, first, &rf) &&
        !PtInRect(&rf, corner)) {
      offset = r0.top - rf.top;
    }
  }
  // A menu longer than its window scrolls: its first or last item lies
  // outside the client area.
  bool scrolled_inside = false;
  RECT end{};
  if (count > 0 && GetMenuItemRect(window, self.menu, 0, &end) && end.top + offset < client.top) {
    scrolled_inside = true;
  }
  if (count > 0 && GetMenuItemRect(window, self.menu, static_cast<UINT>(count - 1), &end) &&
      end.bottom + offset > client.bottom) {
    scrolled_inside = true;
  }
  ScrollBands bands;
  const bool scrolling = ScrollBandsOf(wr, client, scrolled_inside, bands);
  const int saved = SaveDC(memory);
  IntersectClipRect(memory, client.left - wr.left, client.top - wr.top, client.right - wr.left,
                    client.bottom - wr.top);
  if (scrolling) {
    ExcludeClipRect(memory, 0, 0, w, bands.top.bottom);
    ExcludeClipRect(memory, 0, bands.bottom.top, w, h);
  }
  for (int i = first; i < count; ++i) {
    RECT r{};
    if (!GetMenuItemRect(window, self.menu, static_cast<UINT>(i), &r)) continue;
    OffsetRect(&r, -wr.left, -wr.top + offset);
    if (r.top >= h) break;
    if (r.bottom <= 0) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_DATA | MIIM_FTYPE | MIIM_BITMAP;
    if (!GetMenuItemInfoW(self.menu, static_cast<UINT>(i), TRUE, &info)) break;
    const MenuItemRecord* record = RecordOf(info.dwItemData);
    if ((info.fType & MFT_OWNERDRAW) && record == nullptr) {
      DrawForeignItem(memory, self.menu, r, info);
    } else {
      DrawItem(memory, self.menu, i, r, info, record);
    }
  }
  RestoreDC(memory, saved);
  if (scrolling) {
    DrawPart(memory, bands.top, 116);
    DrawPart(memory, bands.bottom, 120);
  }
  BitBlt(dc, 0, 0, w, h, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old_font);
  if (old_brush != nullptr) SelectObject(memory, old_brush);
  SelectObject(memory, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  if (target == nullptr) real::ReleaseDC(window, dc);
}

// The window region: the window less the key-coloured pixels of the menu
// background's four edge bands.
void SetPopupRegion(PopupMenu& self) {
  const SkinPart* back = Part(65);
  if (back == nullptr || back->transparent == 0 || back->width <= 0 || back->height <= 0) return;
  const HWND window = self.window();
  RECT wr{};
  GetWindowRect(window, &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  if (w <= 0 || h <= 0) return;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  if (dib == nullptr || dc == nullptr || bits == nullptr) {
    if (dib != nullptr) DeleteObject(dib);
    if (dc != nullptr) DeleteDC(dc);
    return;
  }
  const HGDIOBJ old = SelectObject(dc, dib);
  SkinPart opaque = *back;  // the key pixels themselves are wanted
  opaque.transparent = 0;
  opaque.glyph_width = 0;
  DrawSkinPart(dc, 0, 0, w, h, opaque, SkinBitmapDc());
  GdiFlush();
  const COLORREF key = ShiftedColour(static_cast<std::uint32_t>(back->transparent));
  const std::uint32_t key_pixel = (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
  const int top = std::clamp(back->top_margin, 0, h), bottom = std::clamp(back->bottom_margin, 0, h - top);
  const int left = std::clamp(back->left_margin, 0, w), right = std::clamp(back->right_margin, 0, w - left);
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  std::vector<RECT> runs;
  auto scan = [&](int y, int x0, int x1) {
    int start = -1;
    for (int x = x0; x <= x1; ++x) {
      const bool keyed = x < x1 && (pixels[static_cast<std::size_t>(y) * w + x] & 0xFFFFFF) == key_pixel;
      if (keyed && start < 0) start = x;
      if (!keyed && start >= 0) {
        runs.push_back({start, y, x, y + 1});
        start = -1;
      }
    }
  };
  for (int y = 0; y < h; ++y) {
    if (y < top || y >= h - bottom) {
      scan(y, 0, w);
    } else {
      scan(y, 0, left);
      scan(y, w - right, w);
    }
  }
  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
  HRGN region = CreateRectRgn(0, 0, w, h);
  if (region == nullptr) return;
  for (const RECT& run : runs) {
    HRGN piece = CreateRectRgnIndirect(&run);
    if (piece == nullptr) continue;
    CombineRgn(region, region, piece, RGN_DIFF);
    DeleteObject(piece);
  }
  if (SetWindowRgn(window, region, TRUE) == 0) DeleteObject(region);
}

void FindMenu(PopupMenu& self) {
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(self.window(), kGetMenu, 0, 0));
  if (menu != nullptr) self.menu = menu;
}

void Convert(PopupMenu& self) {
  if (self.converting || self.menu == nullptr) return;
  self.converting = true;
  ConvertMenu(self.menu, false);
  self.converting = false;
}

LRESULT PopupMenuProc(SkinnedWindow& base, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& self = static_cast<PopupMenu&>(base);
  switch (message) {
    case WM_CREATE: {
      // The system has the menu once the window is made; it measures the
      // items only afterwards, so they are converted here.
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      SetMenuOwnerWindow(nullptr);
      SetOwnerDrawDc(nullptr);
      FindMenu(self);
      Convert(self);
      return result;
    }
    case kSizeWindow:
      SetMenuOwnerWindow(nullptr);
      SetOwnerDrawDc(nullptr);
      FindMenu(self);
      Convert(self);
      return self.CallPrevious(message, wparam, lparam);
    case kSelectItem: {
      const int index = wparam > 0xFFFF ? -1 : static_cast<int>(wparam);
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      if (index != self.selected) PaintPopup(self, nullptr);
      self.selected = index;
      return result;
    }
    case WM_KEYDOWN: {
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      PaintPopup(self, nullptr);
      return result;
    }
    case WM_PAINT:
      if (self.menu == nullptr) FindMenu(self);
      if (MenuOwnerWindow() != nullptr) {
        PAINTSTRUCT ps;
        real::BeginPaint(self.window(), &ps);
        real::EndPaint(self.window(), &ps);
      } else {
        self.CallPrevious(message, wparam, lparam);  // the system's drawing shows who owns the menu
      }
      PaintPopup(self, nullptr);
      return 0;
    case WM_NCPAINT:
      PaintPopup(self, nullptr);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PRINT: {
      LRESULT result = 0;
      if (MenuOwnerWindow() == nullptr) result = self.CallPrevious(message, wparam, lparam);
      PaintPopup(self, reinterpret_cast<HDC>(wparam));
      SetTimer(self.window(), kPrintTimer, 1, nullptr);
      return result;
    }
    case WM_TIMER:
      if (wparam != kPrintTimer) break;
      KillTimer(self.window(), kPrintTimer);
      if (self.menu != nullptr) {
        RECT client{};
        GetClientRect(self.window(), &client);
        POINT corner{client.left, client.top};
        ClientToScreen(self.window(), &corner);
        if (MenuItemFromPoint(self.window(), self.menu, corner) > 0) PaintPopup(self, nullptr);
      }
      return 0;
    case kRepaintPopup:
      self.repaint_posted = false;
      PaintPopup(self, nullptr);
      return 0;
    case WM_SIZE: {
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      SetPopupRegion(self);
      return result;
    }
    case WM_WINDOWPOSCHANGING: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(lparam);
      POINT at{};
      if (pos != nullptr && !(pos->flags & SWP_NOMOVE) && self.menu != nullptr && DropDownPlace(self.menu, at)) {
        pos->x = at.x;
        pos->y = at.y;
      }
      break;
    }
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreatePopupMenu(HWND window) {
  return std::make_unique<PopupMenu>(window);
}

// The system moved the highlight by drawing single items (and their
// arrows) itself: the popup repaints once that drawing is over.
void RepaintPopupOf(HMENU menu) {
  for (PopupMenu* popup : g_popups) {
    if (popup->menu != menu || popup->repaint_posted) continue;
    popup->repaint_posted = PostMessageW(popup->window(), kRepaintPopup, 0, 0) != FALSE;
  }
}

}  // namespace

const RendererEntry kPopupMenuRenderer{RendererId::kPopupMenu, &CreatePopupMenu, &PopupMenuProc};

HWND PopupWindowOf(HMENU menu) {
  for (PopupMenu* popup : g_popups) {
    if (popup->menu == menu) return popup->window();
  }
  return nullptr;
}

void StartMenus() {
  SetOwnerDrawnMenuHandler(&HandleOwnerDrawnMenuMessage);
  SetPopupItemSelected(&RepaintPopupOf);
  SetMenuListCallbacks({&RestoreAllMenus, &FreeDropDownPlaces});
  RegisterMenuBarServices();
}

void StopMenus() {
  ClearMenuBarServices();
  SetMenuListCallbacks({});
  SetPopupItemSelected(nullptr);
  SetOwnerDrawnMenuHandler(nullptr);
}

}  // namespace tebix
