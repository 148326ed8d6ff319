// The data grid: its cells are painted off screen and laid over the skin
// background; what it draws through GetDC outside WM_PAINT lands off screen
// too and brings a repaint instead; the skin draws its client-edge border.
#pragma once

#include "skin/attach/creation_hook.h"
#include "skin/attach/paint_redirect.h"

namespace tebix {

extern const RendererEntry kDataGridRenderer;

// The paint substitute of its redirect type (registered at engine start).
extern const PaintSubstitute kDataGridPaintSubstitute;

}  // namespace tebix
