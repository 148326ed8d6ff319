#include "skin/render/rich_edit.h"

#include "skin/render/scrolled_control.h"

namespace tebix {
namespace {

// Border and bars follow focus and enabled state; the end of a scroll
// needs no repaint.
constexpr ScrolledTraits kTraits = {.focus_repaint = true, .end_scroll_repaint = false};

std::unique_ptr<SkinnedWindow> Create(HWND window) {
  return CreateScrolledControl(window, kTraits);
}

}  // namespace

const RendererEntry kRichEditRenderer = {RendererId::kRichEdit, &Create, &ScrolledControlProc};

}  // namespace tebix
