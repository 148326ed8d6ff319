// The flex grid: a scrolled control whose cells are painted off screen and
// laid over the skin background.
#pragma once

#include "skin/attach/creation_hook.h"
#include "skin/attach/paint_redirect.h"

namespace tebix {

extern const RendererEntry kFlexGridRenderer;
// The paint substitute of its redirect type (registered at engine start).
extern const PaintSubstitute kFlexGridPaintSubstitute;

}  // namespace tebix
