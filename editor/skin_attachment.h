// Hands the skin the program carries among its resources to the skinning
// library before the first window is created, so that every window of the
// editor is drawn from it.
#pragma once

namespace vdk {

void AttachBuiltInSkin();

}  // namespace vdk
