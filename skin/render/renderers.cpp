// The one table of renderers: each renderer file contributes its entry.
#include "skin/render/renderers.h"

#include "skin/attach/scroll_bar_services.h"
#include "skin/render/generic.h"
#include "skin/render/plain_bordered.h"
#include "skin/render/scroll_bar.h"
#include "skin/render/scroll_bar_engine.h"

namespace tebix {

std::span<const RendererEntry> AllRenderers() {
  static const RendererEntry renderers[] = {
      kPlainBorderedRenderer,
      kScrollBarRenderer,
      kGenericRenderer,
  };
  return renderers;
}

void StartRenderers() {
  SetRenderers(AllRenderers());
  RegisterScrollBarServices();
  RegisterGenericSubstitutes();
}

void StopRenderers() {
  SetRenderers({});
  SetScrollBarServices({});
  ClearScrollBarServices();
  ClearGenericSubstitutes();
}

}  // namespace tebix
