// The progress bar: track and fill drawn from the skin over the whole
// window, horizontal or vertical, from the control's position and range.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kProgressBarRenderer;

}  // namespace tebix
