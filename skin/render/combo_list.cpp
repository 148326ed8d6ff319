#include "skin/render/combo_list.h"

#include "skin/render/scrolled_control.h"

namespace tebix {
namespace {

// The list keeps the mouse capture while it is dropped: a thumb drag takes
// it only under a parent of the special class atom (scrolled_rules.h).
constexpr ScrolledTraits kTraits = {.focus_repaint = false, .end_scroll_repaint = true, .drop_list = true};

std::unique_ptr<SkinnedWindow> Create(HWND window) {
  return CreateScrolledControl(window, kTraits);
}

}  // namespace

const RendererEntry kComboListRenderer = {RendererId::kComboList, &Create, &ScrolledControlProc};

}  // namespace tebix
