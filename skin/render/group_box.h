// The "Button" group box: its caption and frame line or frame part from the
// skin, drawn straight onto the window around its visible children.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kGroupBoxRenderer;

}  // namespace tebix
