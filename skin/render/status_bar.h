// The status bar: painted wholly by the skin from the control's parts,
// icons and texts; the control's own painting is kept off the screen.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kStatusBarRenderer;

}  // namespace tebix
