// Paints a whole skin from a theme: every part, colour, metric, offset pair
// and rectangle the library's renderers address, laid out in one bitmap.
#pragma once

#include "skins/generator/theme.h"
#include "tools/tbxtool/skin_source.h"

namespace tebix::skins {

// The bitmap's width; its height follows from the cells.
inline constexpr int kSheetWidth = 256;

tbx::SkinSource PaintSkin(const Theme& theme);

}  // namespace tebix::skins
