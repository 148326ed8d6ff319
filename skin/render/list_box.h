// List boxes ("ListBox" and the VB6 runtime's list and file list boxes):
// the skin's border and bars.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kListBoxRenderer;

}  // namespace tebix
