// The VB runtime's frame: the control paints its inside into a memory DC
// (its button-face background replaced by the skin's), then the skin draws
// the caption and the frame around it as for a group box.
#pragma once

#include "skin/attach/creation_hook.h"
#include "skin/attach/paint_redirect.h"

namespace tebix {

extern const RendererEntry kVbFrameRenderer;

// The paint substitute of redirect type 1006 (registered at engine start).
extern const PaintSubstitute kVbFramePaintSubstitute;

}  // namespace tebix
