#include "skin/render/bar_layout.h"

namespace tebix::bars {

StatusPartLayout LayOutStatusPart(const Box& part, const Box& client, int previous_left, int icon_width,
                                  int icon_height, int separator_width) {
  StatusPartLayout out;
  const Box r = part.empty() ? client : part;
  if (r.left <= previous_left) return out;
  out.drawn = true;
  out.clip = {r.left, r.top, r.right + 1, r.bottom + 1};
  Box item = r;
  if (icon_width > 0 && icon_height > 0) {
    out.icon_x = r.left;
    out.icon_y = r.top + (r.height() - icon_height) / 2;
    item.left += icon_width;
  }
  out.item = item;
  out.text = {item.left + kStatusTextGap, item.top, item.right, item.bottom};
  if (separator_width > 0) out.separator = {r.right - separator_width, r.top, r.right, r.bottom};
  return out;
}

Box PlaceSizeGrip(const Box& client, int grip_width, int grip_height) {
  if (grip_width <= 0 || grip_height <= 0) return {};
  const int right = client.right - kGripInset;
  const int bottom = client.bottom - kGripInset;
  return {right - grip_width, bottom - grip_height, right, bottom};
}

ButtonLook LookOfButton(const ButtonState& state) {
  ButtonLook look;
  if (!state.enabled) {
    look.face = state.flat ? kNoPart : kButtonDisabledPart;
    look.text_colour = kTextDisabledColour;
    look.images = Images::kDisabled;
    return look;
  }
  const bool hot = state.hot && state.mouse != Mouse::kNormal;
  if (hot) look.images = Images::kHot;
  if (state.checked || (hot && state.mouse == Mouse::kPressed)) {
    look.face = kButtonPressedPart;
    look.text_colour = kTextPressedColour;
  } else if (hot) {
    look.face = kButtonHotPart;
    look.text_colour = kTextHotColour;
  } else {
    look.face = state.flat ? kNoPart : kButtonNormalPart;
  }
  return look;
}

ButtonLayout LayOutButton(const Box& button, bool list, bool drop_down, bool has_text, int image_width,
                          int image_height) {
  ButtonLayout out;
  Box r = button;
  if (drop_down) {
    out.arrow = true;
    out.arrow_x = r.right - kDropDownWidth;
    out.arrow_y = r.top + (r.height() - 8) / 2;
    r.right -= kDropDownWidth;
  }
  if (list) {
    out.text = {r.left, r.top, r.right - 3, r.bottom};
    out.text_flags = kDtRight | kDtVCentre | kDtSingleLine;
    out.image_x = r.left + 3;
    out.image_y = r.top + (r.height() - image_height) / 2;
  } else {
    out.text = {r.left, r.top, r.right, r.bottom - 3};
    out.text_flags = kDtCentre | kDtBottom | kDtSingleLine;
    out.image_x = r.left + (r.width() - image_width) / 2;
    out.image_y = r.top + (r.height() - image_height) / 2 - (has_text ? 5 : 0);
  }
  return out;
}

Box PlaceFlatSeparator(const Box& separator, int part_width) {
  if (part_width <= 0) return {};
  const int left = separator.left + (separator.width() - part_width) / 2;
  return {left, separator.top, left + part_width, separator.bottom};
}

}  // namespace tebix::bars
