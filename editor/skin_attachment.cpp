#include "editor/skin_attachment.h"

namespace vdk {

void AttachBuiltInSkin() {
  // The skinning library and the built-in "TBX"/"COMPACT" skin resource are
  // not part of the program yet: until they are, the editor runs with the
  // system's own window look. This is the one call the editor makes into
  // the library, made before the main window exists.
}

}  // namespace vdk
