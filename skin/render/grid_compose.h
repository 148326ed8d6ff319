// What the grids share to paint off screen: the grid paints into a memory
// DC of its client size, and the engine's EndPaint lays that painting over
// the skin background with the button-face colour left out, so that the
// grid's own background shows the skin while its cells keep their colours.
#pragma once

#include <windows.h>

#include "skin/attach/paint_redirect.h"

#include <cstddef>

namespace tebix {

// The begin of such a paint, after the real BeginPaint (its DC in ps->hdc):
// a memory DC of the client size in `record` (with the real DC), filled with
// `fill` (the button-face brush when null, so that what the grid leaves
// unpainted comes out as skin background rather than as a black hole), its
// clip narrowed to `clip` when given, handed to the grid in `ps`. Without a
// real DC, or when no memory DC can be made, the grid paints on the real DC.
HDC BeginGridPaint(HWND window, PAINTSTRUCT* ps, PaintRedirect* record, HBRUSH fill, const RECT* clip);

// Lays `painted` (width x height, drawn on a button-face background) onto
// `target` at 0,0: only what differs from the button-face colour is copied.
// Used for what a grid draws through GetDC while it paints.
void LayOverScreen(HDC target, HDC painted, int width, int height);

// A grid's DC record, hung for the window's life: what the grid draws
// through GetDC lands in an off-screen DC of its client size on the
// button-face colour. Released outside WM_PAINT, the drawing is dropped and
// the grid repainted in full, skinned. Released while the grid paints (where
// a repaint would call for another paint after every paint, endlessly), it
// is laid straight onto the screen with its button-face background left out.
class GridDc {
 public:
  GridDc() = default;
  ~GridDc();
  GridDc(const GridDc&) = delete;
  GridDc& operator=(const GridDc&) = delete;

  // Hangs the record on `window` as new (on creation and on the attach probe).
  void Hang(HWND window);
  // While true, the grid is inside its WM_PAINT.
  void SetPainting(bool painting) { record_.extra[kPainting] = painting ? 1 : 0; }

  static constexpr std::size_t kHandedOut = 0;  // the memory DC is with the grid
  static constexpr std::size_t kPainting = 1;

 private:
  void Drop();
  HWND window_ = nullptr;
  DcRedirect record_;
};

// The GetDC/ReleaseDC substitute of the grids' DC records.
extern const DcSubstitute kGridDcSubstitute;

// Redirect types of the grids whose paint ends in the composing EndPaint.
inline constexpr int kApexGridPaint = 1002;
inline constexpr int kDataGridRedirect = 1004;
inline constexpr int kFlexGridPaint = 1011;

}  // namespace tebix
