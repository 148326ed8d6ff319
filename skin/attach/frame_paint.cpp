// Painting the frame: the borders straight into the window DC, the caption
// composed off-screen (part, buttons, icon, text) and copied in one BitBlt.
#include <windows.h>

#include "skin/attach/frame.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/scroll_bar_services.h"
#include "skin/core/draw_skin_part.h"
#include "skin/core/shifted_colour.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"

namespace tebix {
namespace {

RECT Win(const frame::Rect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

// Caption text: one line, vertically centred, cut at a word with an
// ellipsis; '&' is shown as it is.
constexpr UINT kCaptionTextFormat = DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS | DT_NOPREFIX;

// The skin's font may lack the characters of a wide caption (a Chinese
// caption under a Western code page): the dialog font of the same height
// and weight then draws it, as the system links it to fonts that have them.
struct FallbackFont {
  HFONT source = nullptr;
  HFONT font = nullptr;
};
FallbackFont g_fallback;

HFONT FallbackFor(HFONT source) {
  if (g_fallback.source == source && g_fallback.font != nullptr) return g_fallback.font;
  if (g_fallback.font != nullptr) DeleteObject(g_fallback.font);
  g_fallback = {};
  LOGFONTW lf{};
  if (source == nullptr || GetObjectW(source, sizeof lf, &lf) == 0) return nullptr;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(lf.lfFaceName, L"MS Shell Dlg", LF_FACESIZE);
  g_fallback = {source, CreateFontIndirectW(&lf)};
  return g_fallback.font;
}

bool FontHasGlyphs(HDC dc, const std::wstring& text) {
  std::wstring indices(text.size(), L'\0');
  const DWORD got = GetGlyphIndicesW(dc, text.data(), static_cast<int>(text.size()),
                                     reinterpret_cast<WORD*>(indices.data()), GGI_MARK_NONEXISTING_GLYPHS);
  if (got == GDI_ERROR) return true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (static_cast<WORD>(indices[i]) == 0xFFFF && text[i] > L' ') return false;
  }
  return true;
}

void DrawCaptionText(const FrameWindow& f, HDC dc) {
  RECT text = Win(f.layout.text);
  if (IsRectEmpty(&text)) return;
  if (f.unicode()) {
    if (f.caption_wide.empty()) return;
    std::wstring copy = f.caption_wide;
    HGDIOBJ old = nullptr;
    if (!FontHasGlyphs(dc, copy)) {
      if (HFONT fallback = FallbackFor(static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT)))) old = SelectObject(dc, fallback);
    }
    real::DrawTextExW(dc, copy.data(), static_cast<int>(copy.size()), &text, kCaptionTextFormat, nullptr);
    if (old != nullptr) SelectObject(dc, old);
  } else {
    if (f.caption_ansi.empty()) return;
    std::string copy = f.caption_ansi.substr(0, 1024);
    real::DrawTextExA(dc, copy.data(), static_cast<int>(copy.size()), &text, kCaptionTextFormat, nullptr);
  }
}

// The caption strip composed in the first back buffer, then copied.
void DrawCaption(const FrameWindow& f, HDC window_dc) {
  const FrameStyle* record = f.record();
  const frame::Rect& strip = f.layout.strip;
  if (record == nullptr || strip.empty()) return;
  HDC source = SkinBitmapDc();
  HDC memory = BackBufferDc(0);
  if (memory == nullptr) {  // no surfaces: draw straight, flicker and all
    DrawSkinPart(window_dc, Win(strip), record->parts[f.active ? 0 : 4], source);
    return;
  }
  const HBRUSH background = SkinBackgroundBrush();
  if (background != nullptr) {
    RECT area = Win(strip);
    FillRect(memory, &area, background);
  }
  DrawSkinPart(memory, Win(strip), record->parts[f.active ? 0 : 4], source);
  if (f.choice != frame::Choice::kBorderOnly) {
    const struct {
      const frame::Rect* rect;
      frame::Button button;
    } buttons[] = {{&f.layout.close, frame::Button::kClose},
                   {&f.layout.maximize, frame::Button::kMaximize},
                   {&f.layout.minimize, frame::Button::kMinimize},
                   {&f.layout.help, frame::Button::kHelp}};
    for (const auto& b : buttons) {
      if (b.rect->empty()) continue;
      const int slot = frame::ButtonSlot(b.button, f.last_style, f.active, f.button_state);
      if (slot >= 0 && slot < static_cast<int>(kFramePartSlots)) {
        DrawSkinPart(memory, Win(*b.rect), record->parts[static_cast<std::size_t>(slot)], source);
      }
    }
    if (f.icon != nullptr && !f.layout.icon.empty()) {
      DrawIconEx(memory, f.layout.icon.left, f.layout.icon.top, f.icon, f.layout.icon.width(),
                 f.layout.icon.height(), 0, nullptr, DI_NORMAL);
    }
    const HGDIOBJ old_font = SelectObject(memory, SkinBoldFont() != nullptr ? SkinBoldFont() : GetStockObject(DEFAULT_GUI_FONT));
    const int old_mode = SetBkMode(memory, TRANSPARENT);
    const COLORREF old_colour = SetTextColor(memory, ShiftedColour(record->colours[f.active ? 0 : 1]));
    DrawCaptionText(f, memory);
    SetTextColor(memory, old_colour);
    SetBkMode(memory, old_mode);
    SelectObject(memory, old_font);
  }
  BitBlt(window_dc, strip.left, strip.top, strip.width(), strip.height(), memory, strip.left, strip.top, SRCCOPY);
}

void DrawBorders(const FrameWindow& f, HDC dc) {
  const FrameStyle* record = f.record();
  if (record == nullptr) return;
  const std::size_t base = f.active ? 0 : 4;
  HDC source = SkinBitmapDc();
  DrawSkinPart(dc, Win(f.layout.left), record->parts[base + 1], source);
  DrawSkinPart(dc, Win(f.layout.right), record->parts[base + 2], source);
  DrawSkinPart(dc, Win(f.layout.bottom), record->parts[base + 3], source);
}

}  // namespace

void PaintFrame(FrameWindow& f) {
  const HWND w = f.window();
  if (f.undone || !f.visible() || !SkinLoaded()) return;
  const bool has_frame = LayOutFrame(f);
  HDC dc = real::GetWindowDC(w);
  if (dc == nullptr) return;
  if (f.choice != frame::Choice::kNone) {
    if (has_frame) {
      DrawBorders(f, dc);
      DrawCaption(f, dc);
    }
  } else if (ScrollBars().client_edge != nullptr) {
    ScrollBars().client_edge(dc, w);
  }
  if ((f.last_style & (WS_HSCROLL | WS_VSCROLL)) != 0 && !f.layout.client.empty()) {
    f.scroll.painted = 1;
    if (ScrollBars().paint != nullptr) ScrollBars().paint(w, f.scroll, dc);
  }
  if (!f.setting_region && f.region_pending && (has_frame || f.saved_region != nullptr)) {
    f.region_pending = false;
    real::ReleaseDC(w, dc);
    RebuildRegion(f);
    return;
  }
  if (!f.layout.menu_bar.empty()) PaintMenuBar(f, dc, f.menu_bar.hot_item);
  real::ReleaseDC(w, dc);
}

void RedrawCaption(FrameWindow& f) {
  if (f.undone || f.choice == frame::Choice::kNone || !f.visible() || !SkinLoaded()) return;
  const HWND w = f.window();
  if (HDC dc = real::GetWindowDC(w)) {
    DrawCaption(f, dc);
    real::ReleaseDC(w, dc);
  }
}

void RepaintFrame(FrameWindow& f) {
  if (f.visible()) PaintFrame(f);
}

void ReleaseFrameFonts() {
  if (g_fallback.font != nullptr) DeleteObject(g_fallback.font);
  g_fallback = {};
}

}  // namespace tebix
