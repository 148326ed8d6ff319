// The renderers that exist, for the class dispatch.
#pragma once

#include <span>

#include "skin/attach/creation_hook.h"

namespace tebix {

std::span<const RendererEntry> AllRenderers();

// At engine start: hands the table to the class dispatch and registers what
// the renderers serve the interception and the frame with (paint and DC
// substitutes, the scroll-bar services).
void StartRenderers();

// At engine stop: takes all of it back.
void StopRenderers();

}  // namespace tebix
