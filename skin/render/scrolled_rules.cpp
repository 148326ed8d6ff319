#include "skin/render/scrolled_rules.h"

namespace tebix::scrolled {

int ComboFrameState(bool enabled, bool combo_has_focus) {
  if (!enabled) return kFrameDisabled;
  return combo_has_focus ? kFrameFocused : kFrameNormal;
}

layout::Rect ComboFrame(int width, int height, bool simple, int list_top) {
  layout::Rect frame{0, 0, width > 0 ? width : 0, height > 0 ? height : 0};
  if (simple && list_top - 1 > frame.top && list_top - 1 < frame.bottom) frame.bottom = list_top - 1;
  return frame;
}

layout::Rect DropButton(const layout::Rect& button, const layout::Rect& frame, int stretch_metric) {
  if (button.empty()) return {};
  if (stretch_metric == 0) return button;
  return {button.left, frame.top, frame.right, frame.bottom};
}

int DropButtonPart(bool pressed) {
  return pressed ? kDropButtonPressedPart : kDropButtonPart;
}

bool IsComboBoxParent(unsigned parent_atom, unsigned system_combo_atom) {
  return parent_atom == kComboBoxAtom || (system_combo_atom != 0 && parent_atom == system_combo_atom);
}

int WheelLineCode(int version_flag, bool combo_parent, std::uint32_t wparam) {
  if (version_flag != 1 || combo_parent) return -1;
  const auto delta = static_cast<std::int16_t>(wparam >> 16);
  return delta > 0 ? 0 : 1;
}

bool DropListMayCapture(bool combo_parent) {
  return combo_parent;
}

}  // namespace tebix::scrolled
