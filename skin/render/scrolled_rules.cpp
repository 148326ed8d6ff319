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

int WheelLineCode(int version_flag, unsigned parent_atom, std::uint32_t wparam) {
  if (version_flag != 1 || parent_atom == kSpecialParentAtom) return -1;
  const auto delta = static_cast<std::int16_t>(wparam >> 16);
  return delta > 0 ? 0 : 1;
}

bool DropListMayCapture(unsigned parent_atom) {
  return parent_atom == kSpecialParentAtom;
}

}  // namespace tebix::scrolled
