// The plain bordered control: hot-key and IP-address fields and animation
// controls keep all of their own painting; the skin only draws their border.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kPlainBorderedRenderer;

}  // namespace tebix
