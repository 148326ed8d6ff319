#include "skin/core/skin_recolour.h"

#include <cstdint>
#include <vector>

#include "skin/core/shifted_colour.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"

namespace tebix {

bool RecolourBitmap(HDC dc, HBITMAP bitmap, SIZE size, HsvDeltas deltas) {
  if (size.cx <= 0 || size.cy <= 0) return true;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy));
  const auto rows = static_cast<UINT>(size.cy);
  if (GetDIBits(dc, bitmap, 0, rows, pixels.data(), &info, DIB_RGB_COLORS) != size.cy) return false;
  ShiftPixels(pixels, deltas);
  return SetDIBits(dc, bitmap, 0, rows, pixels.data(), &info, DIB_RGB_COLORS) == size.cy;
}

int AdjustSkinHsv(int hue, int saturation, int brightness) {
  if (!SkinLoaded() || !DrawingSurfacesReady()) return 1;
  const HsvDeltas wanted{hue, saturation, brightness};
  if (wanted.Any()) {
    if (wanted == CurrentDeltas()) return 1;
    if (hue < 0 || hue > 360 || saturation < 0 || saturation > 256 || brightness < 0 || brightness > 256) {
      return 1;
    }
  }
  // Back to the skin as loaded; an earlier recoloured copy goes.
  ShowSkinBitmap(LoadedSkinBitmap());
  HDC skin_dc = SkinBitmapDc();

  const SIZE size = SkinBitmapSize();
  HBITMAP copy = CreateCompatibleBitmap(skin_dc, size.cx, size.cy);
  if (copy != nullptr) {
    SelectObject(ScratchDc(), copy);
    BitBlt(ScratchDc(), 0, 0, size.cx, size.cy, skin_dc, 0, 0, SRCCOPY);
    DeselectBitmap(ScratchDc());
    if (wanted.Any() && !RecolourBitmap(skin_dc, copy, size, wanted)) {
      DeleteObject(copy);
      copy = nullptr;
    }
  }
  if (copy == nullptr) {
    // Out of GDI resources: the skin is shown as loaded, and says so.
    SetCurrentDeltas({});
    RebuildBackgroundBrush();
    return 1;
  }
  SetCurrentDeltas(wanted);
  ShowSkinBitmap(copy);
  RebuildBackgroundBrush();
  ClearShiftedColourCache();
  if (auto attach = CurrentSkinModelHooks().attach_all_windows) attach();
  return 0;
}

}  // namespace tebix
