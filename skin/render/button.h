// The "Button" renderers: push buttons, check boxes and radio buttons share
// one object and one painting pipeline; each has its own entry so that the
// class dispatch can name it.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kPushButtonRenderer;
extern const RendererEntry kCheckBoxRenderer;
extern const RendererEntry kRadioButtonRenderer;

}  // namespace tebix
