#include "skin/core/draw_skin_part.h"

#include <algorithm>

#include "skin/core/nine_grid.h"
#include "skin/core/skin_resources.h"
#include "skin/core/shifted_colour.h"

namespace tebix {
namespace {

int I(std::int64_t v) {
  return static_cast<int>(v);
}

// Keyed copies go through a work bitmap and a mask kept from one call to
// the next. TransparentBlt makes and selects a fresh pair on every call,
// and under some systems selecting a new bitmap costs round trips to the
// window server; a nine-piece keyed part made 27 of them per paint. The
// steps and the pixels are those of a keyed copy: stretch into the work
// bitmap, mask the key, clear the key in the work bitmap and the rest in
// the target, then lay the work bitmap over the target.
struct KeyedScratch {
  HDC work = nullptr;
  HDC mask = nullptr;
  HBITMAP work_bitmap = nullptr;
  HBITMAP mask_bitmap = nullptr;
  HGDIOBJ work_original = nullptr;
  HGDIOBJ mask_original = nullptr;
  int width = 0, height = 0;
  int bits = 0;  // colour depth of the work bitmap
};
KeyedScratch g_scratch;

void FreeScratchBitmaps(KeyedScratch& k) {
  if (k.work != nullptr && k.work_original != nullptr) SelectObject(k.work, k.work_original);
  if (k.mask != nullptr && k.mask_original != nullptr) SelectObject(k.mask, k.mask_original);
  if (k.work_bitmap != nullptr) DeleteObject(k.work_bitmap);
  if (k.mask_bitmap != nullptr) DeleteObject(k.mask_bitmap);
  k.work_bitmap = k.mask_bitmap = nullptr;
  k.work_original = k.mask_original = nullptr;
  k.width = k.height = k.bits = 0;
}

// Work and mask bitmaps of at least `width` x `height`, the work bitmap in
// the format of `target`; false when they cannot be had.
bool ScratchFor(HDC target, int width, int height) {
  KeyedScratch& k = g_scratch;
  // The target's depth without asking the device (that costs round trips):
  // a memory DC's from its bitmap, any other the screen's.
  int bits = ScreenBitsPerPixel();
  if (GetObjectType(target) == OBJ_MEMDC) {
    BITMAP bm{};
    const HGDIOBJ selected = GetCurrentObject(target, OBJ_BITMAP);
    bits = selected != nullptr && GetObjectW(selected, sizeof bm, &bm) != 0 ? bm.bmBitsPixel * bm.bmPlanes : 0;
  }
  if (bits == 0) return false;
  if (k.work_bitmap != nullptr && bits == k.bits && width <= k.width && height <= k.height) return true;
  if (k.work == nullptr) k.work = CreateCompatibleDC(nullptr);
  if (k.mask == nullptr) k.mask = CreateCompatibleDC(nullptr);
  if (k.work == nullptr || k.mask == nullptr) return false;
  const int w = std::max({width, k.width, 256}), h = std::max({height, k.height, 64});
  FreeScratchBitmaps(k);
  k.work_bitmap = CreateSurfaceBitmap(target, w, h);
  k.mask_bitmap = CreateBitmap(w, h, 1, 1, nullptr);
  if (k.work_bitmap == nullptr || k.mask_bitmap == nullptr) {
    FreeScratchBitmaps(k);
    return false;
  }
  k.work_original = SelectObject(k.work, k.work_bitmap);
  k.mask_original = SelectObject(k.mask, k.mask_bitmap);
  k.width = w;
  k.height = h;
  k.bits = bits;
  return true;
}

void Keyed(HDC target, const PieceRect& d, HDC source, const PieceRect& s, std::uint32_t key) {
  const int dw = I(d.width), dh = I(d.height);
  // Mirrored copies and right-to-left DCs stay with the system's own keyed
  // copy.
  const bool plain = dw > 0 && dh > 0 && s.width > 0 && s.height > 0 && dw <= 4096 && dh <= 4096 &&
                     GetLayout(target) == 0;
  if (!plain || !ScratchFor(target, dw, dh)) {
    TransparentBlt(target, I(d.x), I(d.y), dw, dh, source, I(s.x), I(s.y), I(s.width), I(s.height), key);
    return;
  }
  HDC work = g_scratch.work, mask = g_scratch.mask;
  const int stretch_mode = GetStretchBltMode(source);
  if (stretch_mode == BLACKONWHITE || stretch_mode == WHITEONBLACK) SetStretchBltMode(source, COLORONCOLOR);
  StretchBlt(work, 0, 0, dw, dh, source, I(s.x), I(s.y), I(s.width), I(s.height), SRCCOPY);
  if (stretch_mode == BLACKONWHITE || stretch_mode == WHITEONBLACK) SetStretchBltMode(source, stretch_mode);
  SetBkColor(work, key);
  BitBlt(mask, 0, 0, dw, dh, work, 0, 0, SRCCOPY);
  SetBkColor(work, RGB(0, 0, 0));
  SetTextColor(work, RGB(255, 255, 255));
  BitBlt(work, 0, 0, dw, dh, mask, 0, 0, SRCAND);
  const COLORREF background = SetBkColor(target, RGB(255, 255, 255));
  const COLORREF text = SetTextColor(target, RGB(0, 0, 0));
  BitBlt(target, I(d.x), I(d.y), dw, dh, mask, 0, 0, SRCAND);
  BitBlt(target, I(d.x), I(d.y), dw, dh, work, 0, 0, SRCPAINT);
  SetBkColor(target, background);
  SetTextColor(target, text);
}

}  // namespace

void DrawSkinPart(HDC target, int left, int top, int right, int bottom, const SkinPart& part, HDC source) {
  if (right <= left || bottom <= top) return;
  const auto key = static_cast<std::uint32_t>(part.transparent);
  for (const SkinPiece& piece : NinePieces(part, left, top, right, bottom)) {
    if (!Drawable(piece.dest, piece.source)) continue;
    const PieceRect& d = piece.dest;
    const PieceRect& s = piece.source;
    if (key != 0) {
      Keyed(target, d, source, s, ShiftedColour(key));
    } else if (piece.corner) {
      BitBlt(target, I(d.x), I(d.y), I(d.width), I(d.height), source, I(s.x), I(s.y), SRCCOPY);
    } else {
      StretchBlt(target, I(d.x), I(d.y), I(d.width), I(d.height), source, I(s.x), I(s.y), I(s.width),
                 I(s.height), SRCCOPY);
    }
  }
  const auto glyph = PlaceGlyph(part, left, top, right, bottom);
  if (glyph && Drawable(glyph->dest, glyph->source)) {
    // The glyph's key is shifted with the bitmap whether the glyph is
    // centred or stretched: an unshifted key would no longer match its
    // recoloured background.
    Keyed(target, glyph->dest, source, glyph->source,
          ShiftedColour(static_cast<std::uint32_t>(part.glyph_transparent)));
  }
}

void ReleaseKeyedScratch() {
  FreeScratchBitmaps(g_scratch);
  if (g_scratch.work != nullptr) DeleteDC(g_scratch.work);
  if (g_scratch.mask != nullptr) DeleteDC(g_scratch.mask);
  g_scratch = {};
}

void DrawSkinPart(HDC target, const RECT& dest, const SkinPart& part, HDC source) {
  DrawSkinPart(target, dest.left, dest.top, dest.right, dest.bottom, part, source);
}

}  // namespace tebix
