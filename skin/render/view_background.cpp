#include "skin/render/view_background.h"

#include "skin/render/scrolled_control.h"

namespace tebix {
namespace {

// A view client's border does not show focus; its bars are repainted when
// a scroll ends.
constexpr ScrolledTraits kTraits = {.focus_repaint = false, .end_scroll_repaint = true};

std::unique_ptr<SkinnedWindow> Create(HWND window) {
  return CreateScrolledControl(window, kTraits);
}

}  // namespace

const RendererEntry kViewBackgroundRenderer = {RendererId::kViewBackground, &Create, &ScrolledControlProc};

}  // namespace tebix
