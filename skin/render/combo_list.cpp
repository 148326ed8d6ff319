#include "skin/render/combo_list.h"

#include "skin/render/scrolled_control.h"

namespace tebix {
namespace {

// A thumb drag takes the mouse capture only in a combo box, which lets its
// list hold it while dropped (scrolled_rules.h).
constexpr ScrolledTraits kTraits = {.focus_repaint = false, .end_scroll_repaint = true, .drop_list = true};

std::unique_ptr<SkinnedWindow> Create(HWND window) {
  return CreateScrolledControl(window, kTraits);
}

}  // namespace

const RendererEntry kComboListRenderer = {RendererId::kComboList, &Create, &ScrolledControlProc};

}  // namespace tebix
