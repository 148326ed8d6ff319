// Tree views ("SysTreeView32", the ActiveX tree view and the VB6
// runtime's directory list boxes): the skin's border and bars.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kTreeViewRenderer;

}  // namespace tebix
