// The one table of renderers: each renderer file contributes its entry.
#include "skin/render/renderers.h"

#include "skin/attach/scroll_bar_services.h"
#include "skin/render/plain_bordered.h"

namespace tebix {

std::span<const RendererEntry> AllRenderers() {
  static const RendererEntry renderers[] = {
      kPlainBorderedRenderer,
  };
  return renderers;
}

void StartRenderers() {
  SetRenderers(AllRenderers());
}

void StopRenderers() {
  SetRenderers({});
  SetScrollBarServices({});
}

}  // namespace tebix
