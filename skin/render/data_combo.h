// The data combo: the control paints its text only left of its drop button;
// the skin draws the frame and the button, pressed while the mouse holds it.
#pragma once

#include "skin/attach/creation_hook.h"
#include "skin/attach/paint_redirect.h"

namespace tebix {

extern const RendererEntry kDataComboRenderer;

}  // namespace tebix
