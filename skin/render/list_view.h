// List views ("SysListView32" and the ActiveX list view): the skin's
// border and bars.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kListViewRenderer;

}  // namespace tebix
