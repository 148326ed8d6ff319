// The apex grid: the skin draws its client-edge frame first, then the grid
// paints its cells off screen, laid over the skin background when it ends.
#pragma once

#include "skin/attach/creation_hook.h"
#include "skin/attach/paint_redirect.h"

namespace tebix {

extern const RendererEntry kApexGridRenderer;

// The paint substitute of its redirect type (registered at engine start).
extern const PaintSubstitute kApexGridPaintSubstitute;

}  // namespace tebix
