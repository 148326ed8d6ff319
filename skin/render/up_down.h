// The up-down control: its two buttons drawn from the skin, hot and pressed
// per button, with a one-pixel gap between them; the ring of a control with
// a border filled with the skin background.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kUpDownRenderer;

}  // namespace tebix
