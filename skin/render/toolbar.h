// The toolbar: painted wholly by the skin from the control's buttons, image
// lists and texts; the control's own painting is kept off the screen. A
// poll of the pointer ends the hot look when the pointer leaves.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kToolbarRenderer;

// The hover poll's timer on a toolbar.
inline constexpr UINT_PTR kToolbarHoverTimer = 0x88888;

}  // namespace tebix
