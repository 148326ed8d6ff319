// The painting the button renderers share: a button face, glyph, image and
// caption composed off screen and copied to the window in one go; the
// caption and line of group boxes and VB frames; a window's caption read
// and drawn wide or ANSI as the window is; the paint a VB control does off
// screen for the renderer to lay over the skin; and the type-6 record a
// button hangs while it passes a message on.
#pragma once

#include <windows.h>

#include <string>

#include "skin/attach/paint_redirect.h"
#include "skin/core/skin_block_format.h"
#include "skin/render/button_layout.h"
#include "skin/render/layout_rect_win32.h"
#include "skin/render/off_screen.h"

namespace tebix {

class SkinnedWindow;

// Skin part `index` (an empty part outside the table or before a load).
const SkinPart& ButtonPart(int index);
SIZE ButtonPartSize(int index);
void DrawButtonPart(HDC dc, const RECT& rect, int index);


// A window's caption, read and drawn with the wide functions for a wide
// window and the ANSI ones otherwise, so that it never passes through a
// code page it was not written in. At most 1024 characters.
class Caption {
 public:
  Caption(HWND window, bool unicode);
  bool empty() const { return unicode_ ? wide_.empty() : narrow_.empty(); }
  // DrawText with `flags`; with DT_CALCRECT `rect` receives the size. Returns the height.
  int Draw(HDC dc, RECT& rect, UINT flags) const;
  SIZE Extent(HDC dc) const;
  // Only characters below 0x80, which every font draws.
  bool Plain() const;

 private:
  bool unicode_;
  std::wstring wide_;
  std::string narrow_;
};

// The font a caption is drawn in: the control's own (WM_GETFONT) for a
// push button; for the others the skin font, unless the control has a font
// of its own and either the caption has characters beyond ASCII or the skin
// font came out as an East Asian face. The skin font is a 12-pixel face that
// is often missing: the system puts in a Western face without Chinese glyphs,
// or, under an East Asian code page, a face whose glyphs are too small to
// read at that size. The control's font is the one its dialog chose for its
// text, which the system links to a face that has the glyphs.
HFONT CaptionFont(HWND window, const Caption& caption, bool own_font);
// Whether the skin font came out as an East Asian face.
bool SkinFontIsEastAsian();

// What a button painter draws with.
struct ButtonLook {
  button::Kind kind = button::Kind::kPush;
  bool own_font = false;     // the control's WM_GETFONT font, else the skin font
  bool any_image_nibble = false;  // push button rule for the image test (see ImageOf)
  bool image_alone = false;  // VB command button: an image is centred and the caption left out
  int colour_enabled = 5;
  int colour_disabled = 9;
};

// The look of a push button, check box or radio button of the system; the
// VB check and option buttons share the check box's and radio button's.
ButtonLook LookOf(button::Kind kind);

// The common pipeline: the client area filled with the skin background, the
// face or glyph of the state, then the image or caption, composed off
// screen and copied to `target` (the window's DC through the real GetDC
// when null). `draw_caption` false leaves the caption out (a graphical VB
// command button draws its own). `check` is the BM_GETSTATE value.
void PaintButton(HWND window, bool unicode, const ButtonLook& look, button::Mouse mouse, unsigned check, HDC target,
                 bool draw_caption = true);
// The same into `dc` (a DC of the client size), without the copy.
void DrawButton(HDC dc, HWND window, bool unicode, const ButtonLook& look, button::Mouse mouse, unsigned check,
                bool draw_caption);

// The caption (image or text) and the frame of a group box or VB frame on
// `dc`, whose clip the call may narrow (the caller restores it).
void DrawGroupFrame(HDC dc, HWND window, bool unicode);

// Calls `draw(dc)` on the window's client DC taken through the real GetDC
// (the one that is never redirected), and releases it. Not for a hidden
// window, which shows nothing and is painted whole when it is shown.
template <typename Draw>
void WithWindowDc(HWND window, Draw draw);

// Calls `draw(dc)` on the DC of BeginPaint, between BeginPaint and EndPaint.
template <typename Draw>
void WithPaintDc(HWND window, Draw draw);

// While it lives, the window's GetDC, GetDCEx and GetWindowDC give no DC:
// a type-6 record hung in the engine's table (nested uses restore the one before).
class DcSuppression {
 public:
  explicit DcSuppression(HWND window);
  ~DcSuppression();
  DcSuppression(const DcSuppression&) = delete;
  DcSuppression& operator=(const DcSuppression&) = delete;

 private:
  HWND window_;
  DcRedirect record_;
  DcRedirect* before_;
};

// The two ends of a paint substitute that has the control paint off screen.
// Begin: a memory DC of the client size in `record`, filled with `fill`, its
// black text recoloured to `text`, handed to the control in `ps`; null (the
// control paints on `ps->hdc` as it is) without a real DC or when no memory
// DC can be made.
HDC BeginMemoryPaint(HWND window, PAINTSTRUCT* ps, PaintRedirect* record, HBRUSH fill, COLORREF text);
// End: the real EndPaint on the real DC; the memory DC stays in `record`.
BOOL EndMemoryPaint(HWND window, const PAINTSTRUCT* ps, PaintRedirect* record);

// WM_PAINT passed on to the control with `record` hung, so that its
// BeginPaint and EndPaint go to the substitute of the record's type; the
// window is validated after, also when the control did not paint at all.
// The memory DC the substitute leaves in `record` is the caller's.
void PassPaintOn(SkinnedWindow& self, PaintRedirect& record);


// A message passed on to the control: with the window's DCs suppressed
// (DcSuppression) while the control handles it, or plainly when it only asks.
LRESULT PassOnQuietly(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam);

// Whether a message changes a button's look, so that the button paints
// itself at once after it. Made before the message is passed on and asked
// after: a check or state set to what it already was changes nothing.
class LookChange {
 public:
  LookChange(HWND window, UINT message);
  bool happened() const;

 private:
  HWND window_;
  bool repaints_;
  bool sets_state_;
  LRESULT state_before_ = 0;
};

// The mouse state after a button release: hot while the pointer is over the
// window, normal when the click was made by a program (BM_CLICK) with the
// pointer elsewhere, which no leave would ever report.
button::Mouse MouseAfterRelease(HWND window);

// Arms hover and leave tracking (`tracking` says whether it is armed) until
// the hover has come: the system keeps the leave tracking until the pointer
// leaves, so once the button is hot a move needs no call of its own. Returns
// whether tracking is armed now.
bool TrackHover(HWND window, bool tracking, button::Mouse mouse);

// BM_GETSTATE of a check box or radio button; 0 for a push button.
unsigned CheckStateOf(HWND window, button::Kind kind);

}  // namespace tebix

#include "skin/attach/real_functions.h"

namespace tebix {

template <typename Draw>
void WithWindowDc(HWND window, Draw draw) {
  if (!IsWindowVisible(window)) return;
  if (HDC dc = real::GetDC(window)) {
    draw(dc);
    real::ReleaseDC(window, dc);
  }
}

template <typename Draw>
void WithPaintDc(HWND window, Draw draw) {
  PAINTSTRUCT ps{};
  if (HDC dc = BeginPaint(window, &ps)) {
    draw(dc);
    EndPaint(window, &ps);
  }
}

}  // namespace tebix
