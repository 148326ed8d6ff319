#include "skin/render/list_view.h"

#include "skin/render/scrolled_control.h"

namespace tebix {
namespace {

// Border and bars follow focus and enabled state and are repainted when
// a scroll ends.
constexpr ScrolledTraits kTraits = {.focus_repaint = true, .end_scroll_repaint = true};

std::unique_ptr<SkinnedWindow> Create(HWND window) {
  return CreateScrolledControl(window, kTraits);
}

}  // namespace

const RendererEntry kListViewRenderer = {RendererId::kListView, &Create, &ScrolledControlProc};

}  // namespace tebix
