// The renderers that exist, for the class dispatch.
#pragma once

#include <span>

#include "skin/attach/creation_hook.h"

namespace tebix {

std::span<const RendererEntry> AllRenderers();

}  // namespace tebix
