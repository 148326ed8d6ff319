// Combo boxes ("ComboBox" and the VB6 runtime's combo and drive list
// boxes): the skin's client-edge frame around the item, in the colours of
// the combo's state, and the skin's drop button. A drop-down list combo
// still paints its selected item itself, clipped to the item rectangle;
// the other styles leave the text to their edit box.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kComboBoxRenderer;

}  // namespace tebix
