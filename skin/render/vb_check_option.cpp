#include "skin/render/vb_check_option.h"

#include "skin/render/vb_button.h"

namespace tebix {
namespace {

std::unique_ptr<SkinnedWindow> CreateVbCheckBox(HWND window) {
  return std::make_unique<VbButton>(window, 1007, LookOf(button::Kind::kCheck));
}

std::unique_ptr<SkinnedWindow> CreateVbOptionButton(HWND window) {
  return std::make_unique<VbButton>(window, 1008, LookOf(button::Kind::kRadio));
}

}  // namespace

const RendererEntry kVbCheckBoxRenderer = {RendererId::kVbCheckBox, &CreateVbCheckBox, &VbButtonProc};
const RendererEntry kVbOptionButtonRenderer = {RendererId::kOptionButton, &CreateVbOptionButton, &VbButtonProc};

}  // namespace tebix
