// Edit boxes ("Edit", attached on their first paint, and the VB6 runtime's
// text boxes): the skin's border and bars; a wheel notch scrolls one line.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kEditRenderer;

}  // namespace tebix
