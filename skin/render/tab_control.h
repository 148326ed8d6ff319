// The tab control and the tab strip: painted whole by the skin (see
// tab_paint.h); the control's own painting never reaches the screen.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

// "SysTabControl32": WM_PAINT is drawn off screen from the skin and never
// passed on.
extern const RendererEntry kTabControlRenderer;
// "TabStrip20WndClass": its own paint is let through clipped to nothing,
// then the skin draws the control through the window's DC.
extern const RendererEntry kTabStripRenderer;

}  // namespace tebix
