// The three frame style records the window frame draws from: copies of the
// first 48 parts and of a few offset pairs, colours and metrics, arranged in
// the slots the frame renderer addresses. Win32-free.
#pragma once

#include <array>
#include <cstdint>

#include "skin/core/skin_tables.h"

namespace tebix {

inline constexpr std::size_t kFramePartSlots = 28;
inline constexpr std::size_t kFrameOffsetSlots = 8;

// Slots 0..3 hold the parts of an active window, slots 4..7 those of an
// inactive one; the slots from 8 on are shared.
struct FrameStyle {
  std::array<SkinPart, kFramePartSlots> parts{};
  std::array<OffsetPair, kFrameOffsetSlots> offset_pairs{};
  std::array<std::uint32_t, 2> colours{};
  std::int32_t metric = 0;
};

enum FrameKind : int {
  kNormalFrame,      // windows with a caption
  kToolFrame,        // caption windows with WS_EX_TOOLWINDOW
  kBorderOnlyFrame,  // bordered windows without a caption
  kFrameKindCount,
};

using FrameStyles = std::array<FrameStyle, kFrameKindCount>;

FrameStyles BuildFrameStyles(const SkinData& skin);

}  // namespace tebix
