// Control-bar containers (the frame windows that hold toolbars): only their
// background is the skin's; the bars inside paint themselves.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kControlBarRenderer;

}  // namespace tebix
