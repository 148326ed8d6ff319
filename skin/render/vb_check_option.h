// The VB runtime's check box and option button, painted from the skin as
// the "Button" check box and radio button are.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kVbCheckBoxRenderer;
extern const RendererEntry kVbOptionButtonRenderer;

}  // namespace tebix
