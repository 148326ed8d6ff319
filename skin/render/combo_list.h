// The drop-down list of a combo box ("ComboLBox"): the skin's border and
// bars, also in the image printed before the list appears.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kComboListRenderer;

}  // namespace tebix
