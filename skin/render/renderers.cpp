// The one table of renderers: each renderer file contributes its entry.
#include "skin/render/renderers.h"

#include "skin/attach/frame.h"
#include "skin/attach/scroll_bar_services.h"
#include "skin/render/plain_bordered.h"

namespace tebix {

std::span<const RendererEntry> AllRenderers() {
  static const RendererEntry renderers[] = {
      kPlainBorderedRenderer,
      kDialogFrameRenderer,
      kFormFrameRenderer,
      kMdiChildFormFrameRenderer,
      kMdiFormFrameRenderer,
      kMfcMainFrameRenderer,
      kMfcMdiChildFrameRenderer,
  };
  return renderers;
}

void StartRenderers() {
  SetRenderers(AllRenderers());
  StartFrames();
}

void StopRenderers() {
  SetRenderers({});
  StopFrames();
  SetScrollBarServices({});
}

}  // namespace tebix
