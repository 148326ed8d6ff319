#include "skin/core/skin_data.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "skin/core/shifted_colour.h"
#include "skin/core/skin_resources.h"

namespace tebix {
namespace {

struct Model {
  std::unique_ptr<SkinData> data;
  HBITMAP bitmap = nullptr;  // as loaded
  HBITMAP shown = nullptr;   // in the skin bitmap DC: the bitmap as loaded or a recoloured copy
  SIZE size{};
  HBRUSH background = nullptr;
  HBITMAP background_pattern = nullptr;  // kept while the brush lives
  HFONT font = nullptr;
  HFONT bold_font = nullptr;
  FrameStyles frames{};
  SkinModelHooks hooks;
};

Model g_model;

HFONT MakeSkinFont(int weight) {
  return CreateFontW(12, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_MODERN | DEFAULT_PITCH, L"宋体_GB2312");
}

// The block's DIB as a device-dependent bitmap on the screen DC. The
// header, masks and palette are copied out so that GDI gets them aligned.
HBITMAP MakeSkinBitmap(std::span<const std::uint8_t> block, const SkinBitmapLayout& layout) {
  const std::size_t info_bytes = layout.pixels_offset - layout.offset;
  std::vector<std::uint32_t> info((info_bytes + 3) / 4);
  std::memcpy(info.data(), block.data() + layout.offset, info_bytes);
  const auto* bitmap_info = reinterpret_cast<const BITMAPINFO*>(info.data());
  return CreateDIBitmap(ScreenDc(), &bitmap_info->bmiHeader, CBM_INIT, block.data() + layout.pixels_offset,
                        bitmap_info, DIB_RGB_COLORS);
}

}  // namespace

void ReleaseSkinObjects() {
  Model& m = g_model;
  DeselectBitmap(SkinBitmapDc());
  if (m.shown != nullptr && m.shown != m.bitmap) DeleteObject(m.shown);
  if (m.bitmap != nullptr) DeleteObject(m.bitmap);
  m.bitmap = nullptr;
  m.shown = nullptr;
  m.size = {};
  if (m.background != nullptr) {
    SelectBackgroundBrush(nullptr);
    DeleteObject(m.background);
    m.background = nullptr;
  }
  if (m.background_pattern != nullptr) DeleteObject(m.background_pattern);
  m.background_pattern = nullptr;
  for (HFONT* font : {&m.font, &m.bold_font}) {
    if (*font != nullptr) DeleteObject(*font);
    *font = nullptr;
  }
}

void FreeSkinModel() {
  ReleaseSkinObjects();
  g_model.data.reset();
  g_model.frames = {};
}

int LoadSkinModel(const UnpackedBlock& block) {
  return LoadSkinModel(block.bytes());
}

int LoadSkinModel(std::span<const std::uint8_t> block) {
  if (!DrawingSurfacesReady()) return 0;
  auto data = std::make_unique<SkinData>();
  SkinBitmapLayout layout;
  std::string error;
  const SkinBlockStatus status = ParseSkinBlock(block, *data, layout, error);
  if (status == SkinBlockStatus::kBadTables) return 0;

  Model& m = g_model;
  ReleaseSkinObjects();
  m.data = std::move(data);
  m.frames = BuildFrameStyles(*m.data);
  if (status != SkinBlockStatus::kOk) return 0;
  m.bitmap = MakeSkinBitmap(block, layout);
  if (m.bitmap == nullptr) return 0;
  m.size = {layout.width, layout.height < 0 ? -layout.height : layout.height};
  ShowSkinBitmap(m.bitmap);
  RebuildBackgroundBrush();
  m.font = MakeSkinFont(FW_NORMAL);
  m.bold_font = MakeSkinFont(FW_BOLD);
  if (m.hooks.forget_owner_drawn_menus != nullptr) m.hooks.forget_owner_drawn_menus();
  return 1;
}

void ShowSkinBitmap(HBITMAP bitmap) {
  Model& m = g_model;
  SelectObject(SkinBitmapDc(), bitmap);
  if (m.shown != nullptr && m.shown != m.bitmap && m.shown != bitmap) DeleteObject(m.shown);
  m.shown = bitmap;
}

void RebuildBackgroundBrush() {
  Model& m = g_model;
  HBRUSH brush = nullptr;
  HBITMAP pattern = nullptr;
  if (m.data != nullptr) {
    const SkinRectangle& cell = m.data->rectangles[0];
    if (cell.width > 0 && cell.height > 0)
      pattern = CreateCompatibleBitmap(SkinBitmapDc(), cell.width, cell.height);
    if (pattern != nullptr) {
      SelectObject(ScratchDc(), pattern);
      BitBlt(ScratchDc(), 0, 0, cell.width, cell.height, SkinBitmapDc(), cell.x, cell.y, SRCCOPY);
      DeselectBitmap(ScratchDc());
      brush = CreatePatternBrush(pattern);
    }
  }
  // A skin without a usable rectangle 0 still gets a brush to paint with.
  if (brush == nullptr) brush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  SelectBackgroundBrush(brush);
  if (m.background != nullptr) DeleteObject(m.background);
  if (m.background_pattern != nullptr) DeleteObject(m.background_pattern);
  m.background = brush;
  m.background_pattern = pattern;
}

const SkinData* CurrentSkinData() {
  return g_model.data.get();
}
bool SkinLoaded() {
  return g_model.bitmap != nullptr;
}
HBITMAP LoadedSkinBitmap() {
  return g_model.bitmap;
}
SIZE SkinBitmapSize() {
  return g_model.size;
}
HBRUSH SkinBackgroundBrush() {
  return g_model.background;
}
HFONT SkinFont() {
  return g_model.font;
}
HFONT SkinBoldFont() {
  return g_model.bold_font;
}
const FrameStyle& SkinFrameStyle(FrameKind kind) {
  return g_model.frames[static_cast<std::size_t>(kind)];
}

COLORREF SkinColour(int index) {
  const SkinData* data = g_model.data.get();
  if (data == nullptr || index < 0 || index >= static_cast<int>(kColourCapacity)) return 0;
  return ShiftedColour(data->colours[static_cast<std::size_t>(index)]);
}

int SkinMetric(int index) {
  const SkinData* data = g_model.data.get();
  if (data == nullptr || index < 0 || index >= static_cast<int>(kMetricCapacity)) return 0;
  return data->metrics[static_cast<std::size_t>(index)];
}

void SetSkinModelHooks(SkinModelHooks hooks) {
  g_model.hooks = hooks;
}
const SkinModelHooks& CurrentSkinModelHooks() {
  return g_model.hooks;
}

}  // namespace tebix
