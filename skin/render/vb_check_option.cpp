#include "skin/render/vb_check_option.h"

#include "skin/render/vb_button.h"

namespace tebix {
namespace {

ButtonLook CheckBoxLook() {
  ButtonLook look;
  look.kind = button::Kind::kCheck;
  look.colour_enabled = 0;
  look.colour_disabled = 4;
  return look;
}

ButtonLook OptionButtonLook() {
  ButtonLook look;
  look.kind = button::Kind::kRadio;
  look.colour_enabled = 10;
  look.colour_disabled = 14;
  return look;
}

std::unique_ptr<SkinnedWindow> CreateVbCheckBox(HWND window) {
  return std::make_unique<VbButton>(window, 1007, CheckBoxLook());
}

std::unique_ptr<SkinnedWindow> CreateVbOptionButton(HWND window) {
  return std::make_unique<VbButton>(window, 1008, OptionButtonLook());
}

}  // namespace

const RendererEntry kVbCheckBoxRenderer = {RendererId::kVbCheckBox, &CreateVbCheckBox, &VbButtonProc};
const RendererEntry kVbOptionButtonRenderer = {RendererId::kOptionButton, &CreateVbOptionButton, &VbButtonProc};

}  // namespace tebix
