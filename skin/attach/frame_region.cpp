// The window region: the window rectangle less the key-coloured pixels of
// the four frame pieces, so that rounded or cut corners of the skin show
// what lies behind the window.
#include <windows.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "skin/attach/frame.h"
#include "skin/core/draw_skin_part.h"
#include "skin/core/shifted_colour.h"
#include "skin/core/skin_resources.h"

namespace tebix {
namespace {

constexpr char kSetWindowRgnProperty[] = "SetWindowRgn";
constexpr std::size_t kRectanglesPerRegion = 2000;

// Combines `count` rectangles, offset by (dx, dy), into `into` (RGN_OR).
void AddRectangles(HRGN into, const frame::Rect* rects, std::size_t count, int dx, int dy) {
  if (count == 0) return;
  std::vector<std::byte> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(count);
  data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  RECT bounds{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  auto* out = reinterpret_cast<RECT*>(data->Buffer);
  for (std::size_t i = 0; i < count; ++i) {
    out[i] = {rects[i].left + dx, rects[i].top + dy, rects[i].right + dx, rects[i].bottom + dy};
    bounds.left = std::min(bounds.left, out[i].left);
    bounds.top = std::min(bounds.top, out[i].top);
    bounds.right = std::max(bounds.right, out[i].right);
    bounds.bottom = std::max(bounds.bottom, out[i].bottom);
  }
  data->rdh.rcBound = bounds;
  if (HRGN part = ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data)) {
    CombineRgn(into, into, part, RGN_OR);
    DeleteObject(part);
  }
}

// The key-coloured pixels of `part` drawn over `piece`, in window coordinates.
HRGN KeyRegion(const SkinPart& part, const frame::Rect& piece) {
  const int width = piece.width(), height = piece.height();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = ScreenDc();
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dib == nullptr || bits == nullptr) {
    if (dib != nullptr) DeleteObject(dib);
    return nullptr;
  }
  HDC dc = CreateCompatibleDC(screen);
  const HGDIOBJ old = SelectObject(dc, dib);
  SkinPart opaque = part;
  opaque.transparent = 0;  // the key pixels are drawn, to be found
  opaque.glyph_width = 0;
  DrawSkinPart(dc, 0, 0, width, height, opaque, SkinBitmapDc());
  GdiFlush();
  const std::vector<frame::Rect> runs = frame::KeyRuns(
      static_cast<const std::uint32_t*>(bits), width, height, ShiftedColour(static_cast<std::uint32_t>(part.transparent)));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(dib);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  for (std::size_t i = 0; i < runs.size(); i += kRectanglesPerRegion) {
    AddRectangles(region, runs.data() + i, std::min(kRectanglesPerRegion, runs.size() - i), piece.left, piece.top);
  }
  return region;
}

void SetRegion(FrameWindow& f, HRGN region) {
  const HWND w = f.window();
  HRGN copy = nullptr;
  if (region != nullptr) {
    copy = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(copy, region, nullptr, RGN_COPY);
  }
  f.setting_region = true;
  SetPropA(w, kSetWindowRgnProperty, reinterpret_cast<HANDLE>(1));
  if (!SetWindowRgn(w, region, TRUE) && region != nullptr) DeleteObject(region);
  RemovePropA(w, kSetWindowRgnProperty);
  f.setting_region = false;
  if (f.saved_region != nullptr) DeleteObject(f.saved_region);
  f.saved_region = copy;
}

}  // namespace

void RebuildRegion(FrameWindow& f) {
  ++f.region_rebuilds;
  const FrameStyle* record = f.record();
  if (record == nullptr || !f.layout.has_frame) {
    if (f.saved_region != nullptr) SetRegion(f, nullptr);
    return;
  }
  const int width = f.layout.strip.width();
  const int height = f.layout.bottom.bottom;
  HRGN region = CreateRectRgn(0, 0, width, height);
  const struct {
    std::size_t slot;
    const frame::Rect* piece;
  } pieces[] = {{0, &f.layout.strip}, {1, &f.layout.left}, {2, &f.layout.right}, {3, &f.layout.bottom}};
  for (const auto& p : pieces) {
    const SkinPart& part = record->parts[p.slot];
    if (part.transparent == 0 || p.piece->empty()) continue;
    if (HRGN keyed = KeyRegion(part, *p.piece)) {
      CombineRgn(region, region, keyed, RGN_DIFF);
      DeleteObject(keyed);
    }
  }
  SetRegion(f, region);
}

bool RegionDiffers(const FrameWindow& f) {
  HRGN current = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(f.window(), current);
  bool differs;
  if (kind == ERROR) {  // no region at all
    differs = f.saved_region != nullptr;
  } else {
    differs = f.saved_region == nullptr || !EqualRgn(current, f.saved_region);
  }
  DeleteObject(current);
  return differs;
}

}  // namespace tebix
