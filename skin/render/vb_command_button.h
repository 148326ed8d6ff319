// The VB runtime's command button. A standard one is painted from the skin
// like a push button; a graphical one (owner-drawn) paints its own picture
// and caption into a memory DC, which is laid over the skin's face.
#pragma once

#include "skin/attach/creation_hook.h"
#include "skin/attach/paint_redirect.h"

namespace tebix {

extern const RendererEntry kVbCommandButtonRenderer;

// The paint substitute of redirect type 1009 (registered at engine start).
extern const PaintSubstitute kVbCommandButtonPaintSubstitute;

}  // namespace tebix
