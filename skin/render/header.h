// The header: its columns drawn from the skin in display order, the column
// under the pointer hot or pressed, with its image and a title that is
// always left-aligned; wide titles stay wide.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kHeaderRenderer;

}  // namespace tebix
