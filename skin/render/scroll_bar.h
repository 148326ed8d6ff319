// The scroll bar control ("ScrollBar" and the VB6 runtime's four scroll bar
// classes), size boxes and size grips included: drawn entirely from the skin
// and operated by the skin, reporting to its parent as the system's does.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kScrollBarRenderer;

}  // namespace tebix
