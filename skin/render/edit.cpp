#include "skin/render/edit.h"

#include "skin/render/scrolled_control.h"

namespace tebix {
namespace {

// Border and bars follow focus and enabled state; the edit repaints its own
// bars as it scrolls, so the end of a scroll needs nothing more. A wheel
// notch scrolls exactly one line where the system would scroll several.
constexpr ScrolledTraits kTraits = {.focus_repaint = true, .end_scroll_repaint = false, .wheel_by_line = true};

std::unique_ptr<SkinnedWindow> Create(HWND window) {
  return CreateScrolledControl(window, kTraits);
}

}  // namespace

const RendererEntry kEditRenderer = {RendererId::kEdit, &Create, &ScrolledControlProc};

}  // namespace tebix
