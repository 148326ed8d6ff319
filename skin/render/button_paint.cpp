#include "skin/render/button_paint.h"

#include "skin/attach/skinned_window.h"
#include "skin/attach/text_recolour.h"
#include "skin/core/draw_skin_part.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "skin/render/query_messages.h"

namespace tebix {
namespace {

using button::Box;
using button::Image;
using button::Kind;
using button::Mouse;

static_assert(button::kDtCentre == DT_CENTER && button::kDtRight == DT_RIGHT && button::kDtVCentre == DT_VCENTER &&
              button::kDtBottom == DT_BOTTOM && button::kDtWordBreak == DT_WORDBREAK &&
              button::kDtSingleLine == DT_SINGLELINE && button::kDtNoClip == DT_NOCLIP &&
              button::kDtCalcRect == DT_CALCRECT);
static_assert(button::kLeftText == BS_LEFTTEXT && button::kIcon == BS_ICON && button::kBitmap == BS_BITMAP &&
              button::kAlignLeft == BS_LEFT && button::kAlignRight == BS_RIGHT && button::kAlignCentre == BS_CENTER &&
              button::kAlignTop == BS_TOP && button::kAlignBottom == BS_BOTTOM && button::kPushLike == BS_PUSHLIKE &&
              button::kMultiLine == BS_MULTILINE && button::kOwnerDraw == BS_OWNERDRAW);

constexpr int kCaptionLimit = 1024;

HFONT FontOr(HFONT font) {
  if (font != nullptr) return font;
  if (HFONT skin = SkinFont()) return skin;
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// An image a button shows: its handle, kind and size; no handle, nothing.
struct ButtonImage {
  HANDLE handle = nullptr;
  Image kind = Image::kNone;
  int width = 0;
  int height = 0;
  explicit operator bool() const { return handle != nullptr && width > 0 && height > 0; }
};

ButtonImage ImageOf(HWND window, std::uint32_t style, bool any_nibble) {
  ButtonImage image;
  image.kind = button::ImageOf(style, any_nibble);
  if (image.kind == Image::kNone) return image;
  const WPARAM type = image.kind == Image::kIcon ? IMAGE_ICON : IMAGE_BITMAP;
  image.handle = reinterpret_cast<HANDLE>(SendMessageW(window, BM_GETIMAGE, type, 0));
  if (image.handle == nullptr) return image;
  if (image.kind == Image::kIcon) {
    ICONINFO info{};
    if (GetIconInfo(static_cast<HICON>(image.handle), &info)) {
      BITMAP bm{};
      if (info.hbmColor != nullptr && GetObjectW(info.hbmColor, sizeof bm, &bm)) {
        image.width = bm.bmWidth;
        image.height = bm.bmHeight;
      } else if (info.hbmMask != nullptr && GetObjectW(info.hbmMask, sizeof bm, &bm)) {
        image.width = bm.bmWidth;  // a monochrome icon: mask over image
        image.height = bm.bmHeight / 2;
      }
      if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
      if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    }
  } else {
    BITMAP bm{};
    if (GetObjectType(image.handle) == OBJ_BITMAP && GetObjectW(image.handle, sizeof bm, &bm)) {
      image.width = bm.bmWidth;
      image.height = bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
    }
  }
  return image;
}

void DrawImage(HDC dc, const ButtonImage& image, int x, int y) {
  if (!image) return;
  if (image.kind == Image::kIcon) {
    DrawIconEx(dc, x, y, static_cast<HICON>(image.handle), image.width, image.height, 0, nullptr, DI_NORMAL);
    return;
  }
  HDC source = CreateCompatibleDC(dc);
  if (source == nullptr) return;
  const HGDIOBJ old = SelectObject(source, image.handle);
  if (old != nullptr) {  // a bitmap selected into another DC cannot be shown
    BitBlt(dc, x, y, image.width, image.height, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
  }
  DeleteDC(source);
}

// Draws the caption in `rect` with the format's flags, placing a
// word-wrapped caption by its measured height first.
void DrawFormatted(HDC dc, const Caption& caption, RECT rect, std::uint32_t style, const button::CaptionFormat& format) {
  if (format.multiline && button::MultilineNeedsMeasure(style)) {
    RECT measured = rect;
    caption.Draw(dc, measured, format.flags | DT_CALCRECT);
    rect = ToRect(button::PlaceMultiline(ToLayout(rect), measured.bottom - measured.top, style));
  }
  caption.Draw(dc, rect, format.flags);
}

OffsetPair PressShift() {
  const SkinData* skin = CurrentSkinData();
  return skin != nullptr ? skin->offset_pairs[14] : OffsetPair{0, 0};
}

}  // namespace

const SkinPart& ButtonPart(int index) {
  static const SkinPart kEmpty{};
  const SkinData* skin = CurrentSkinData();
  if (skin == nullptr || index < 0 || index >= static_cast<int>(skin->parts.size())) return kEmpty;
  return skin->parts[index];
}

SIZE ButtonPartSize(int index) {
  const SkinPart& part = ButtonPart(index);
  return {part.width > 0 ? part.width : 0, part.height > 0 ? part.height : 0};
}

void DrawButtonPart(HDC dc, const RECT& rect, int index) {
  if (HDC source = SkinBitmapDc()) DrawSkinPart(dc, rect, ButtonPart(index), source);
}

Caption::Caption(HWND window, bool unicode) : unicode_(unicode) {
  if (unicode_) {
    wchar_t text[kCaptionLimit + 1] = {};
    const int n = GetWindowTextW(window, text, kCaptionLimit + 1);
    wide_.assign(text, n > 0 ? n : 0);
  } else {
    char text[kCaptionLimit + 1] = {};
    const int n = GetWindowTextA(window, text, kCaptionLimit + 1);
    narrow_.assign(text, n > 0 ? n : 0);
  }
}

int Caption::Draw(HDC dc, RECT& rect, UINT flags) const {
  if (unicode_) return DrawTextW(dc, wide_.c_str(), static_cast<int>(wide_.size()), &rect, flags);
  return DrawTextA(dc, narrow_.c_str(), static_cast<int>(narrow_.size()), &rect, flags);
}

bool Caption::Plain() const {
  if (unicode_) {
    for (wchar_t c : wide_)
      if (c >= 0x80) return false;
  } else {
    for (char c : narrow_)
      if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

bool SkinFontIsEastAsian() {
  static HFONT checked = nullptr;
  static bool east_asian = false;
  const HFONT skin = SkinFont();
  if (skin != checked) {
    checked = skin;
    east_asian = false;
    if (HDC dc = CreateCompatibleDC(nullptr)) {
      const HGDIOBJ old = SelectObject(dc, skin);
      switch (GetTextCharset(dc)) {
        case SHIFTJIS_CHARSET:
        case HANGUL_CHARSET:
        case JOHAB_CHARSET:
        case GB2312_CHARSET:
        case CHINESEBIG5_CHARSET: east_asian = true; break;
      }
      SelectObject(dc, old);
      DeleteDC(dc);
    }
  }
  return east_asian;
}

HFONT CaptionFont(HWND window, const Caption& caption, bool own_font) {
  if (!own_font && caption.Plain() && !SkinFontIsEastAsian()) return FontOr(nullptr);
  const HFONT own = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  return FontOr(own);
}

SIZE Caption::Extent(HDC dc) const {
  SIZE size{};
  if (unicode_) GetTextExtentPoint32W(dc, wide_.c_str(), static_cast<int>(wide_.size()), &size);
  else GetTextExtentPoint32A(dc, narrow_.c_str(), static_cast<int>(narrow_.size()), &size);
  return size;
}

void DrawButton(HDC dc, HWND window, bool unicode, const ButtonLook& look, Mouse mouse, unsigned check,
                bool draw_caption) {
  RECT client{};
  GetClientRect(window, &client);
  const auto style = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE));
  button::State state;
  state.enabled = IsWindowEnabled(window) != FALSE;
  state.focused = HasFocus(window);
  state.mouse = mouse;
  state.check = check;

  const Caption caption(window, unicode);
  const HGDIOBJ old_font = SelectObject(dc, CaptionFont(window, caption, look.own_font));
  const HGDIOBJ old_brush = SelectObject(dc, BackgroundBrush());
  SetBkMode(dc, TRANSPARENT);
  PatBlt(dc, 0, 0, client.right, client.bottom, PATCOPY);
  SetTextColor(dc, SkinColour(state.enabled ? look.colour_enabled : look.colour_disabled));

  const bool face = look.kind == Kind::kPush || button::IsPushLike(style);
  const int part = button::ToggleButtonPart(look.kind, style, state);
  RECT caption_rect = client;
  if (face) {
    DrawButtonPart(dc, client, part);
  } else {
    const SIZE glyph = ButtonPartSize(button::GlyphSizePart(look.kind));
    const button::GlyphLayout layout = button::PlaceGlyph(ToLayout(client), glyph.cx, glyph.cy, style);
    DrawButtonPart(dc, ToRect(layout.glyph), part);
    caption_rect = ToRect(layout.caption);
  }

  const button::CaptionFormat format = button::FormatCaption(look.kind, style);
  const ButtonImage image = ImageOf(window, style, look.any_image_nibble);
  const bool pressed = mouse == Mouse::kPressed;
  const OffsetPair shift = pressed ? PressShift() : OffsetPair{0, 0};
  if (look.kind == Kind::kPush) {
    if (image && look.image_alone) {
      int x = 0, y = 0;
      button::CentreImage(ToLayout(client), image.width, image.height, shift.dx, shift.dy, x, y);
      DrawImage(dc, image, x, y);
    } else if (look.image_alone) {
      if (draw_caption) {
        OffsetRect(&caption_rect, shift.dx, shift.dy);
        DrawFormatted(dc, caption, caption_rect, style, format);
      }
    } else {
      if (image && !caption.empty()) {
        const button::ImageGroup group = button::PlaceImageWithCaption(ToLayout(client), image.width, image.height,
                                                                       caption.Extent(dc).cx, pressed);
        DrawImage(dc, image, group.image_x, group.image_y);
        caption_rect = ToRect(group.caption);
      } else if (image) {
        int x = 0, y = 0;
        button::CentreImage(ToLayout(client), image.width, image.height, shift.dx, shift.dy, x, y);
        DrawImage(dc, image, x, y);
      }
      if (draw_caption && !caption.empty()) {
        OffsetRect(&caption_rect, shift.dx, shift.dy);
        DrawFormatted(dc, caption, caption_rect, style, format);
      }
    }
  } else if (image) {
    int x = 0, y = 0;
    button::PlaceToggleImage(ToLayout(caption_rect), image.height, x, y);
    DrawImage(dc, image, x, y);
  } else if (draw_caption) {
    DrawFormatted(dc, caption, caption_rect, style, format);
  }
  SelectObject(dc, old_brush);
  SelectObject(dc, old_font);
}

void PaintButton(HWND window, bool unicode, const ButtonLook& look, Mouse mouse, unsigned check, HDC target,
                 bool draw_caption) {
  RECT client{};
  GetClientRect(window, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  auto paint = [&](HDC dc) {
    HDC memory = nullptr;
    HBITMAP bitmap = nullptr;
    if (!MakeClientMemoryDc(window, dc, memory, bitmap)) {
      DrawButton(dc, window, unicode, look, mouse, check, draw_caption);  // straight on, rather than not at all
      return;
    }
    DrawButton(memory, window, unicode, look, mouse, check, draw_caption);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    DiscardMemoryDc(memory, bitmap);
  };
  if (target != nullptr) paint(target);
  else WithWindowDc(window, paint);
}

void DrawGroupFrame(HDC dc, HWND window, bool unicode) {
  RECT client{};
  GetClientRect(window, &client);
  const auto style = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE));
  const bool enabled = IsWindowEnabled(window) != FALSE;
  const Caption caption(window, unicode);
  const HGDIOBJ old_font = SelectObject(dc, CaptionFont(window, caption, false));
  SetBkMode(dc, TRANSPARENT);

  const ButtonImage image = ImageOf(window, style, false);
  const bool has_text = !image && !caption.empty();
  const bool framed_caption = ButtonPart(103).width != 0;
  int width = 0, height = 0;
  if (image) {
    width = image.width;
    height = image.height;
  } else if (has_text) {
    RECT measured{0, 0, 0, 0};
    caption.Draw(dc, measured, DT_CALCRECT | DT_SINGLELINE);
    width = measured.right - measured.left;
    height = measured.bottom - measured.top;
    if (framed_caption) {
      width += 8;
      height += 8;
    }
  }
  const bool has_caption = image || has_text;
  const RECT caption_rect = has_caption ? ToRect(button::PlaceGroupCaption(ToLayout(client), width, height, style))
                                        : RECT{0, 0, 0, 0};
  const int caption_height = has_caption ? height : 0;

  if (framed_caption && has_caption) DrawButtonPart(dc, caption_rect, enabled ? 103 : 104);
  if (image) DrawImage(dc, image, caption_rect.left, caption_rect.top);
  else SetTextColor(dc, SkinColour(enabled ? 28 : 29));

  if (SkinMetric(4) != 0) {
    RECT frame = client;
    if (has_text) {
      frame.top += caption_height / 2;
      RECT text = caption_rect;
      caption.Draw(dc, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    // An image caption is kept clear of the frame part as a text one is.
    if (has_caption) ExcludeClipRect(dc, caption_rect.left, caption_rect.top, caption_rect.right, caption_rect.bottom);
    DrawButtonPart(dc, frame, enabled ? 101 : 102);
  } else {
    if (has_text) {
      RECT text = caption_rect;
      caption.Draw(dc, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if (has_caption) ExcludeClipRect(dc, caption_rect.left, caption_rect.top, caption_rect.right, caption_rect.bottom);
    const HPEN pen = CreatePen(PS_SOLID, 1, SkinColour(enabled ? 30 : 31));
    const HGDIOBJ old_pen = SelectObject(dc, pen);
    const HGDIOBJ old_brush = SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
    RoundRect(dc, 0, caption_height / 2, client.right, client.bottom, SkinMetric(5), SkinMetric(6));
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
  }
  SelectObject(dc, old_font);
}

DcSuppression::DcSuppression(HWND window) : window_(window) {
  record_.type = 6;
  before_ = SwapDcRedirect(window_, &record_);
}

DcSuppression::~DcSuppression() {
  // The window may have gone during the message; its record went with it.
  if (FindRecord(window_) != nullptr) SwapDcRedirect(window_, before_);
}

LRESULT PassOnQuietly(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  if (OnlyAsks(message)) return self.CallPrevious(message, wparam, lparam);
  DcSuppression quiet(self.window());
  return self.CallPrevious(message, wparam, lparam);
}

namespace {

bool RepaintsAfter(UINT message) {
  switch (message) {
    case WM_ENABLE:
    case WM_SETTEXT:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_SETIMAGE:
    // The focused parts show the focus, so a change of focus is a change of look.
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return true;
  }
  return false;
}

}  // namespace

LookChange::LookChange(HWND window, UINT message)
    : window_(window),
      repaints_(RepaintsAfter(message)),
      sets_state_(message == BM_SETCHECK || message == BM_SETSTATE) {
  if (sets_state_) state_before_ = SendMessageW(window_, BM_GETSTATE, 0, 0);
}

bool LookChange::happened() const {
  if (!repaints_) return false;
  return !sets_state_ || SendMessageW(window_, BM_GETSTATE, 0, 0) != state_before_;
}

Mouse MouseAfterRelease(HWND window) {
  POINT pointer{};
  RECT bounds{};
  if (!GetCursorPos(&pointer) || !GetWindowRect(window, &bounds)) return Mouse::kHot;
  return PtInRect(&bounds, pointer) ? Mouse::kHot : Mouse::kNormal;
}

ButtonLook LookOf(Kind kind) {
  ButtonLook look;
  look.kind = kind;
  switch (kind) {
    case Kind::kPush:
      look.own_font = true;
      look.any_image_nibble = true;
      look.colour_enabled = 5;
      look.colour_disabled = 9;
      break;
    case Kind::kCheck:
      look.colour_enabled = 0;
      look.colour_disabled = 4;
      break;
    case Kind::kRadio:
      look.colour_enabled = 10;
      look.colour_disabled = 14;
      break;
  }
  return look;
}

bool TrackHover(HWND window, bool tracking, Mouse mouse) {
  if (tracking && mouse != Mouse::kNormal) return tracking;
  TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, window, 1};
  return TrackMouseEvent(&track) != FALSE;
}

unsigned CheckStateOf(HWND window, Kind kind) {
  if (kind == Kind::kPush) return 0;
  return static_cast<unsigned>(SendMessageW(window, BM_GETSTATE, 0, 0)) & 3u;
}

HDC BeginMemoryPaint(HWND window, PAINTSTRUCT* ps, PaintRedirect* record, HBRUSH fill, COLORREF text) {
  const HDC real_dc = ps->hdc;
  if (real_dc == nullptr) return nullptr;
  DiscardMemoryDc(record->memory_dc, record->bitmap);
  record->real_dc = real_dc;
  if (!MakeClientMemoryDc(window, real_dc, record->memory_dc, record->bitmap)) return nullptr;
  RECT client{};
  GetClientRect(window, &client);
  FillRect(record->memory_dc, &client, fill);
  SetTextRecolour(record->memory_dc, text);
  ps->hdc = record->memory_dc;
  return record->memory_dc;
}

BOOL EndMemoryPaint(HWND window, const PAINTSTRUCT* ps, PaintRedirect* record) {
  PAINTSTRUCT finished = *ps;
  if (record->real_dc != nullptr) finished.hdc = record->real_dc;
  record->real_dc = nullptr;
  return real::EndPaint(window, &finished);
}

void PassPaintOn(SkinnedWindow& self, PaintRedirect& record) {
  SetPaintRedirect(self.window(), &record);
  self.CallPrevious(WM_PAINT, 0, 0);
  SetPaintRedirect(self.window(), nullptr);
  ValidateRect(self.window(), nullptr);
}

}  // namespace tebix
