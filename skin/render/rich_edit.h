// Rich edit boxes ("RICHEDIT" and the ActiveX rich text box): the skin's
// border and bars.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kRichEditRenderer;

}  // namespace tebix
