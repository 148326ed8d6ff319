// The data list: a scrolled control whose control paints its items inside
// a 2 px ring the skin draws around them.
#pragma once

#include "skin/attach/creation_hook.h"
#include "skin/attach/paint_redirect.h"

namespace tebix {

extern const RendererEntry kDataListRenderer;

}  // namespace tebix
