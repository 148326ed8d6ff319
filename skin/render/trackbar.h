// The trackbar: channel and thumb drawn from the skin over the whole
// window, the thumb's part chosen by tick side and by the mouse, which makes
// it hot only while the pointer is over the thumb itself.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kTrackbarRenderer;

}  // namespace tebix
