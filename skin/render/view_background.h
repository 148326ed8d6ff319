// View clients: the client windows of MDI frames ("MDIClient") and MFC
// views ("AfxFrameOrView..."): the skin's border and bars.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kViewBackgroundRenderer;

}  // namespace tebix
