// The one table of renderers: each renderer file contributes its entry.
#include "skin/render/renderers.h"

#include "skin/render/plain_bordered.h"

namespace tebix {

std::span<const RendererEntry> AllRenderers() {
  static const RendererEntry renderers[] = {
      kPlainBorderedRenderer,
  };
  return renderers;
}

}  // namespace tebix
