// Paint and DC redirection: how a renderer makes a window's own painting land in
// a DC of the renderer's choosing.
//
// Two records drive it, kept in the engine's window table (window_table.h) and
// read there by the intercepted painting functions on every call:
//
//  paint record   a PaintRedirect. A renderer sets it (SetPaintRedirect) only
//                 while it calls the window's previous procedure with WM_PAINT,
//                 and takes it away right after that call. It is the engine's
//                 own business during that one call and is not published as
//                 the window's "TEBIX_PAINT" property.
//  DC record      a DcRedirect, for as long as the renderer wants GetDC/ReleaseDC
//                 (and, for type 6, GetDCEx/GetWindowDC) on the window
//                 redirected (SetDcRedirect; also published as "TEBIX_GETDC").
//
// The record's type decides what happens:
//
//  BeginPaint   1, 2, 4, 1003, 1005  the real DC is clipped to *clip grown by one pixel
//                                    right and bottom; the paint record is taken away at once
//               1001, 1010           memory-DC client painting (built in, below)
//               3, 5, 1002, 1004, 1006, 1009, 1011, 1012
//                                    the registered PaintSubstitute's `begin`
//  EndPaint     1001, 1002, 1004, 1010, 1011
//                                    composition of the memory DC over the skin
//                                    background (built in, below)
//               3, 5, 1006, 1009, 1012
//                                    the registered PaintSubstitute's `end`
//  GetDC        6                    the DC is released again and null returned
//               5, 1004, 1007, 1008, 1009
//                                    the registered DcSubstitute's `get`
//  GetDCEx, GetWindowDC  6           the DC is released again and null returned
//  ReleaseDC    5, 1004, 1007, 1008, 1009
//                                    the registered DcSubstitute's `release`
//
// Any other type, and a type whose substitute is not registered, passes through:
// the window gets the real DC as if nothing were redirected.
//
// Memory-DC client painting (1001, 1010): BeginPaint gives the window a memory DC
// of its client size, filled with the button-face colour and made the text-recolour
// DC (text_recolour.h); EndPaint fills a second buffer with the skin background,
// lays the window's painting over it with the button-face colour transparent,
// copies the result to the real DC and ends the real paint. The record's real_dc,
// memory_dc and bitmap hold the state in between; a substitute that begins a paint
// of type 1002, 1004 or 1011 must fill them the same way for the built-in EndPaint.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tebix {

inline constexpr char kPaintRedirectProperty[] = "TEBIX_PAINT";
inline constexpr char kDcRedirectProperty[] = "TEBIX_GETDC";
inline constexpr char kDcRedirectTypeProperty[] = "TEBIX_GETDC_TYPE";

// Lives on the renderer's stack during one WM_PAINT; all zero when set.
struct PaintRedirect {
  int type = 0;
  union {
    HDC real_dc = nullptr;  // the real paint DC, once BeginPaint has run
    const RECT* clip;       // one-shot clip types: the rectangle to clip to (client coordinates)
  };
  HDC memory_dc = nullptr;
  HBITMAP bitmap = nullptr;
  uintptr_t extra[4] = {};  // renderer-specific
};

// Lives in the renderer's window object.
struct DcRedirect {
  int type = 0;
  HDC real_dc = nullptr;  // the DC obtained from the system (renderer's use)
  HDC memory_dc = nullptr;
  HBITMAP bitmap = nullptr;
  uintptr_t extra[4] = {};  // renderer-specific
};

struct PaintSubstitute {
  // Called after the real BeginPaint, whose DC (null when it gave none) is in ps->hdc.
  // Returns the DC the window is to paint on and puts it into ps->hdc as well.
  HDC (*begin)(HWND window, PAINTSTRUCT* ps, PaintRedirect* record) = nullptr;
  // Finishes the paint: composes what the window painted, then ends the real paint
  // itself (real::EndPaint with the real DC) and returns that result.
  BOOL (*end)(HWND window, const PAINTSTRUCT* ps, PaintRedirect* record) = nullptr;
};

struct DcSubstitute {
  // Called with the real DC the system gave (never null); returns the DC handed to the caller.
  HDC (*get)(HWND window, HDC real_dc, DcRedirect* record) = nullptr;
  // Finishes the DC (composes, releases the real DC through real::ReleaseDC); returns its result.
  int (*release)(HWND window, HDC dc, DcRedirect* record) = nullptr;
};

// The renderer that owns a redirect type registers its substitute once (at engine
// start). Returns false for a type that has no substitute. Registering empty
// functions takes the substitute back.
bool RegisterPaintSubstitute(int type, PaintSubstitute substitute);
bool RegisterDcSubstitute(int type, DcSubstitute substitute);

// The skin's look for memory-DC client painting: the background brush and the text
// colour (shifted skin colour 61 for an enabled window, 62 for a disabled one).
// Without it the system's button-face brush and black text are used.
struct ClientPaintLook {
  HBRUSH (*background)() = nullptr;
  COLORREF (*text_colour)(bool enabled) = nullptr;
};
void SetClientPaintLook(ClientPaintLook look);

}  // namespace tebix
