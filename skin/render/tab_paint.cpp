#include "skin/render/tab_paint.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin/core/draw_skin_part.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "skin/render/button_paint.h"
#include "skin/render/layout_rect_win32.h"
#include "skin/render/off_screen.h"

namespace tebix {
namespace {

using tab::Box;
using tab::Family;
using tab::Look;
using tab::Side;

static_assert(tab::kStyleBottom == TCS_BOTTOM && tab::kStyleRight == TCS_RIGHT &&
              tab::kStyleVertical == TCS_VERTICAL && tab::kStyleButtons == TCS_BUTTONS);

constexpr int kTextLimit = 512;
constexpr int kTextColour = 48;
// The family face: the Chinese system face by its GB2312 name. Named wide,
// so that the name is the same under every code page (in ANSI it would
// only come out right under the Chinese one).
constexpr wchar_t kFamilyFace[] = L"\x5B8B\x4F53_GB2312";
// What the system calls the same face in English; a face the family face
// falls back to when it comes out without the glyphs the captions need.
constexpr wchar_t kFallbackFace[] = L"SimSun";

// One item as the control reports it.
struct Item {
  RECT rect{};
  bool placed = false;  // the control gave the item a rectangle
  int image = -1;
  std::wstring wide;   // a wide control's caption
  std::string narrow;  // an ANSI control's caption
};

Item ReadItem(HWND window, bool unicode, int index) {
  Item item;
  item.placed = SendMessageW(window, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(&item.rect)) != 0 &&
                IsRectEmpty(&item.rect) == FALSE;
  if (unicode) {
    wchar_t text[kTextLimit] = {};
    TCITEMW t{};
    t.mask = TCIF_TEXT | TCIF_IMAGE;
    t.pszText = text;
    t.cchTextMax = kTextLimit;
    t.iImage = -1;
    if (SendMessageW(window, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&t))) {
      text[kTextLimit - 1] = L'\0';
      // The control may hand back its own buffer instead of filling ours.
      item.wide = t.pszText != nullptr ? t.pszText : L"";
      item.image = t.iImage;
    }
  } else {
    char text[kTextLimit] = {};
    TCITEMA t{};
    t.mask = TCIF_TEXT | TCIF_IMAGE;
    t.pszText = text;
    t.cchTextMax = kTextLimit;
    t.iImage = -1;
    if (SendMessageA(window, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&t))) {
      text[kTextLimit - 1] = '\0';
      item.narrow = t.pszText != nullptr ? t.pszText : "";
      item.image = t.iImage;
    }
  }
  return item;
}

// The caption as wide characters, for asking a font about its glyphs.
std::wstring WideOf(const Item& item) {
  if (!item.narrow.empty()) {
    const int n = MultiByteToWideChar(CP_ACP, 0, item.narrow.data(), static_cast<int>(item.narrow.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
      MultiByteToWideChar(CP_ACP, 0, item.narrow.data(), static_cast<int>(item.narrow.size()), wide.data(), n);
    return wide;
  }
  return item.wide;
}

HFONT FontOfFace(const wchar_t* face, int charset, int escapement) {
  return CreateFontW(-12, 0, escapement, escapement, FW_NORMAL, FALSE, FALSE, FALSE, static_cast<BYTE>(charset),
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_MODERN, face);
}

// Whether `font` has a glyph for every character beyond ASCII of the captions.
bool HasGlyphs(HDC dc, HFONT font, const std::vector<std::wstring>& captions) {
  const HGDIOBJ old = SelectObject(dc, font);
  bool all = true;
  for (const std::wstring& caption : captions) {
    std::wstring wide;
    for (wchar_t c : caption)
      if (c >= 0x80) wide.push_back(c);
    if (wide.empty()) continue;
    std::vector<WORD> glyphs(wide.size());
    if (GetGlyphIndicesW(dc, wide.c_str(), static_cast<int>(wide.size()), glyphs.data(),
                         GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
      all = false;
      break;
    }
    for (WORD g : glyphs)
      if (g == 0xFFFF) all = false;
    if (!all) break;
  }
  SelectObject(dc, old);
  return all;
}

// Whether the system gave `font` the family face itself rather than a
// face of its own choosing.
bool IsFamilyFace(HDC dc, HFONT font) {
  const HGDIOBJ old = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, old);
  return lstrcmpiW(face, kFamilyFace) == 0;
}

// The family font for the captions: the family face when the system has it
// by its Chinese name. A system that does not know that name puts in a face
// of its own choosing: a Western face without the captions' glyphs, or
// under an East Asian code page a small bitmap face that is hard to read.
// Then the same face by its English name (which the system has, or maps to
// a face of its choice with the glyphs), then the control's own font turned
// the way the tabs read; each only when it has the captions' glyphs.
HFONT ChooseFont(HDC dc, HWND window, std::uint32_t style, Family family, const std::vector<std::wstring>& captions) {
  const HFONT family_font = CreateTabFont(style, family);
  if (family_font == nullptr || (IsFamilyFace(dc, family_font) && HasGlyphs(dc, family_font, captions)))
    return family_font;
  const int escapement = tab::EscapementOf(style);
  if (HFONT english = FontOfFace(kFallbackFace, GB2312_CHARSET, escapement)) {
    if (HasGlyphs(dc, english, captions)) {
      DeleteObject(family_font);
      return english;
    }
    DeleteObject(english);
  }
  const auto own = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  LOGFONTW logfont{};
  if (own != nullptr && GetObjectW(own, sizeof logfont, &logfont) == sizeof logfont) {
    logfont.lfEscapement = logfont.lfOrientation = escapement;
    if (HFONT turned = CreateFontIndirectW(&logfont)) {
      if (HasGlyphs(dc, turned, captions)) {
        DeleteObject(family_font);
        return turned;
      }
      DeleteObject(turned);
    }
  }
  return family_font;
}

SIZE TextExtent(HDC dc, const Item& item) {
  SIZE size{};
  if (!item.wide.empty()) GetTextExtentPoint32W(dc, item.wide.c_str(), static_cast<int>(item.wide.size()), &size);
  else if (!item.narrow.empty())
    GetTextExtentPoint32A(dc, item.narrow.c_str(), static_cast<int>(item.narrow.size()), &size);
  return size;
}

class TabPainter {
 public:
  TabPainter(HDC dc, HWND window, bool unicode, Family family) : dc_(dc), window_(window), family_(family) {
    style_ = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE));
    enabled_ = IsWindowEnabled(window) != FALSE;
    escapement_ = tab::EscapementOf(style_);
    GetClientRect(window, &client_);
    display_ = client_;
    SendMessageW(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display_));
    images_ = reinterpret_cast<HIMAGELIST>(SendMessageW(window, TCM_GETIMAGELIST, 0, 0));
    if (images_ != nullptr && !ImageList_GetIconSize(images_, &image_width_, &image_height_)) images_ = nullptr;
    const int count = static_cast<int>(SendMessageW(window, TCM_GETITEMCOUNT, 0, 0));
    selected_ = static_cast<int>(SendMessageW(window, TCM_GETCURSEL, 0, 0));
    for (int i = 0; i < count && i < 4096; ++i) items_.push_back(ReadItem(window, unicode, i));
    if (selected_ >= static_cast<int>(items_.size())) selected_ = -1;
  }

  void Paint() {
    const int saved = SaveDC(dc_);
    FillRect(dc_, &client_, BackgroundBrush());
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, SkinColour(kTextColour));
    std::vector<std::wstring> captions;
    for (const Item& item : items_) captions.push_back(WideOf(item));
    const HFONT font = ChooseFont(dc_, window_, style_, family_, captions);
    if (font != nullptr) SelectObject(dc_, font);
    if (style_ & TCS_BUTTONS) PaintButtons();
    else PaintTabs();
    RestoreDC(dc_, saved);
    if (font != nullptr) DeleteObject(font);
  }

 private:
  // A tab scrolled out of view to the left starts left of the client area;
  // some versions of the control give it no rectangle at all instead.
  bool ScrolledOut(const Item& item) const { return !item.placed || item.rect.left < client_.left; }

  void Part(const RECT& rect, int index) {
    const SkinData* skin = CurrentSkinData();
    if (skin == nullptr || index < 0 || static_cast<size_t>(index) >= skin->parts.size()) return;
    DrawSkinPart(dc_, rect, skin->parts[static_cast<size_t>(index)], SkinBitmapDc());
  }

  void PaintTabs() {
    const Box display = ToLayout(display_);
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
      const Item& item = items_[static_cast<size_t>(i)];
      if (ScrolledOut(item)) continue;
      const Side side = tab::SideOf(ToLayout(item.rect), display);
      Part(item.rect, tab::PartOf(side, Look::kNormal, enabled_, false));
      Content(item, item.rect);
    }
    PaintPane(display);
  }

  void PaintPane(const Box& display) {
    const Box client = ToLayout(client_);
    const Item* selected = selected_ >= 0 ? &items_[static_cast<size_t>(selected_)] : nullptr;
    if (selected != nullptr && ScrolledOut(*selected)) selected = nullptr;  // the pane then starts at the tabs in view
    const Side side = selected != nullptr ? tab::SideOf(ToLayout(selected->rect), display) : tab::SideOfStyle(style_);
    // Without a selection the pane starts where the tabs end.
    int inner = selected != nullptr ? tab::InnerEdge(ToLayout(selected->rect), side) : NoSelectionEdge(side, display);
    const int far_edge = tab::FarEdge(side, display, client, [this](int x, int y) { return HitsTab(x, y); });
    Part(ToRect(tab::PaneOf(side, inner, far_edge, client)), tab::kPanePart);
    if (selected == nullptr) return;
    const RECT grown = ToRect(tab::GrowSelected(ToLayout(selected->rect), side, family_));
    Part(grown, tab::PartOf(side, Look::kSelected, enabled_, false));
    Content(*selected, selected->rect);
  }

  // The inner edge of the row of tabs nearest the pane, or the display
  // rectangle's edge without tabs in view.
  int NoSelectionEdge(Side side, const Box& display) const {
    bool found = false;
    int edge = 0;
    for (const Item& item : items_) {
      if (ScrolledOut(item)) continue;
      const int e = tab::InnerEdge(ToLayout(item.rect), side);
      const bool nearer = side == Side::kTop || side == Side::kLeft ? e > edge : e < edge;
      if (!found || nearer) edge = e;
      found = true;
    }
    if (found) return edge;
    switch (side) {
      case Side::kTop: return display.top;
      case Side::kBottom: return display.bottom;
      case Side::kLeft: return display.left;
      case Side::kRight: return display.right;
    }
    return display.top;
  }

  bool HitsTab(int x, int y) const {
    TCHITTESTINFO hit{};
    hit.pt = {x, y};
    return SendMessageW(window_, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) >= 0;
  }

  void PaintButtons() {
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
      const Item& item = items_[static_cast<size_t>(i)];
      if (ScrolledOut(item)) continue;
      const Look look = i == selected_ ? Look::kSelected : Look::kNormal;
      Part(item.rect, tab::PartOf(Side::kTop, look, enabled_, true));
      Content(item, item.rect);
    }
  }

  // The item's image and caption.
  void Content(const Item& item, const RECT& rect) {
    const SIZE text = TextExtent(dc_, item);
    const bool image = images_ != nullptr && item.image >= 0 && item.image < ImageList_GetImageCount(images_);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    const int text_height = text.cy > 0 ? text.cy : metrics.tmHeight;
    const tab::ItemPlacement place = tab::PlaceItem(ToLayout(rect), escapement_, text.cx, text_height,
                                                    image ? image_width_ : 0, image ? image_height_ : 0);
    if (image) ImageList_Draw(images_, item.image, dc_, place.image_x, place.image_y, ILD_TRANSPARENT);
    if (!item.wide.empty())
      TextOutW(dc_, place.text_x, place.text_y, item.wide.c_str(), static_cast<int>(item.wide.size()));
    else if (!item.narrow.empty())
      TextOutA(dc_, place.text_x, place.text_y, item.narrow.c_str(), static_cast<int>(item.narrow.size()));
  }

  HDC dc_;
  HWND window_;
  Family family_;
  std::uint32_t style_ = 0;
  bool enabled_ = true;
  int escapement_ = 0;
  RECT client_{};
  RECT display_{};
  HIMAGELIST images_ = nullptr;
  int image_width_ = 0, image_height_ = 0;
  int selected_ = -1;
  std::vector<Item> items_;
};

}  // namespace

HFONT CreateTabFont(std::uint32_t style, Family family) {
  return FontOfFace(kFamilyFace, family == Family::kTabStrip ? GB2312_CHARSET : DEFAULT_CHARSET,
                    tab::EscapementOf(style));
}

void PaintTabControl(HDC dc, HWND window, bool unicode, Family family) {
  TabPainter(dc, window, unicode, family).Paint();
}

}  // namespace tebix
