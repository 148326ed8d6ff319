// Date/time pickers ("SysDateTimePick32" and the ActiveX picker's class):
// the picker paints its own fields; the skin draws the client-edge frame
// around them and the drop button (none when the picker shows an up-down
// control instead), pressed while the mouse holds it.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kDateTimePickerRenderer;

}  // namespace tebix
