// The VB runtime's picture box: it paints itself into a memory DC whose
// button-face background becomes the skin background and whose black text
// is recoloured; its border is the skin's client edge.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kPictureBoxRenderer;

}  // namespace tebix
