#include "skin/core/frame_styles.h"

namespace tebix {
namespace {

// Slots 0..7 of a group of eight parts starting at `first`: the even parts
// (active window) and then the odd ones (inactive window).
void FillGroup(FrameStyle& style, const SkinData& skin, std::size_t first) {
  for (std::size_t i = 0; i < 4; ++i) {
    style.parts[i] = skin.parts[first + 2 * i];
    style.parts[4 + i] = skin.parts[first + 2 * i + 1];
  }
}

}  // namespace

FrameStyles BuildFrameStyles(const SkinData& skin) {
  FrameStyles styles{};

  FrameStyle& normal = styles[kNormalFrame];
  FillGroup(normal, skin, 0);
  for (std::size_t i = 8; i < kFramePartSlots; ++i) normal.parts[i] = skin.parts[i];
  for (std::size_t i = 0; i < 7; ++i) normal.offset_pairs[i] = skin.offset_pairs[i];
  normal.offset_pairs[7] = skin.offset_pairs[6];
  normal.colours = {skin.colours[24], skin.colours[25]};
  normal.metric = skin.metrics[1];

  FrameStyle& tool = styles[kToolFrame];
  FillGroup(tool, skin, 28);
  for (std::size_t i = 0; i < 4; ++i) tool.parts[8 + i] = skin.parts[36 + i];
  tool.offset_pairs[0] = skin.offset_pairs[8];
  tool.offset_pairs[6] = skin.offset_pairs[9];
  tool.offset_pairs[7] = skin.offset_pairs[9];
  tool.colours = {skin.colours[26], skin.colours[27]};

  FillGroup(styles[kBorderOnlyFrame], skin, 40);
  return styles;
}

}  // namespace tebix
