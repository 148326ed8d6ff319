#include "skin/render/button_layout.h"

namespace tebix::button {
namespace {

constexpr std::uint32_t Horizontal(std::uint32_t style) {
  return style & 0xF00;
}

// Within a row of five glyph parts (normal, hot, pressed, focused, disabled).
int InRow(int first, const State& state) {
  if (!state.enabled) return first + 4;
  switch (state.mouse) {
    case Mouse::kHot: return first + 1;
    case Mouse::kPressed: return first + 2;
    case Mouse::kNormal: break;
  }
  return state.focused ? first + 3 : first;
}

bool IsChecked(unsigned check) {
  return (check & kChecked) != 0;
}
bool IsIndeterminate(unsigned check) {
  return !IsChecked(check) && (check & kIndeterminate) != 0;
}

}  // namespace

bool IsPushLike(std::uint32_t style) {
  return (style & 0xF000) == kPushLike;
}

int PushFacePart(const State& state) {
  if (!state.enabled) return 75;
  if (state.mouse == Mouse::kHot) return 72;
  if (state.mouse == Mouse::kPressed) return 74;
  return state.focused ? 73 : 71;
}

int ToggleButtonPart(Kind kind, std::uint32_t style, const State& state) {
  if (kind == Kind::kPush) return PushFacePart(state);
  const bool checked = IsChecked(state.check);
  const bool indeterminate = kind == Kind::kCheck && IsIndeterminate(state.check);
  if (IsPushLike(style)) {
    if (!state.enabled) return 75;
    if (checked) return 74;
    if (indeterminate) return 72;
    return 71;
  }
  if (kind == Kind::kCheck) return InRow(checked ? 81 : indeterminate ? 86 : 76, state);
  return InRow(checked ? 96 : 91, state);
}

int GlyphSizePart(Kind kind) {
  return kind == Kind::kRadio ? 91 : 76;
}

GlyphLayout PlaceGlyph(const Box& client, int glyph_width, int glyph_height, std::uint32_t style) {
  GlyphLayout layout;
  layout.caption = client;
  if ((style & 0xF0) == kLeftText) {
    layout.glyph.left = client.right - 2 - glyph_width;
    layout.glyph.right = client.right - 2;
    layout.caption.right = client.right - glyph_width - 4;
  } else {
    layout.glyph.left = client.left + 2;
    layout.glyph.right = client.left + 2 + glyph_width;
    layout.caption.left = client.left + glyph_width + 4;
  }
  switch (style & 0xF00) {
    case kAlignTop: layout.glyph.top = client.top; break;
    case kAlignBottom: layout.glyph.top = client.bottom - glyph_height; break;
    default: layout.glyph.top = (client.bottom - glyph_height - client.top) / 2; break;
  }
  layout.glyph.bottom = layout.glyph.top + glyph_height;
  return layout;
}

CaptionFormat FormatCaption(Kind kind, std::uint32_t style) {
  CaptionFormat format;
  const std::uint32_t h = Horizontal(style);
  // Push faces (and push-like toggles): left, right, else centred.
  auto push_alignment = [h]() -> unsigned { return h == kAlignLeft ? 0u : h == kAlignRight ? kDtRight : kDtCentre; };
  switch (kind) {
    case Kind::kPush:
      format.flags = kDtNoClip | push_alignment();
      break;
    case Kind::kCheck:
      if (IsPushLike(style)) format.flags = push_alignment();
      else format.flags = h == kAlignCentre ? kDtCentre : h == kAlignRight ? kDtRight : 0u;
      break;
    case Kind::kRadio:
      format.flags = kDtNoClip;
      if (IsPushLike(style)) format.flags |= push_alignment();
      else format.flags |= h == kAlignCentre ? kDtCentre : h == kAlignRight ? kDtRight : 0u;
      break;
  }
  if ((style & 0xF000) == kMultiLine) {
    format.multiline = true;
    format.flags |= kDtWordBreak;
  } else {
    format.flags |= kDtSingleLine;
    switch (style & 0xF00) {
      case kAlignBottom: format.flags |= kDtBottom; break;
      case kAlignTop: break;
      default: format.flags |= kDtVCentre; break;
    }
  }
  return format;
}

bool MultilineNeedsMeasure(std::uint32_t style) {
  return (style & 0xF00) != kAlignTop;
}

Box PlaceMultiline(const Box& caption, int measured, std::uint32_t style) {
  Box placed = caption;
  switch (style & 0xF00) {
    case kAlignTop: break;
    case kAlignBottom: placed.top = caption.bottom - measured; break;
    default: {
      const int middle = (caption.top + caption.bottom) / 2;
      placed.top = middle - measured / 2;
      placed.bottom = placed.top + measured;
      break;
    }
  }
  return placed;
}

Image ImageOf(std::uint32_t style, bool push_button) {
  // Read as the 0xF0 nibble, the push button's ranges 0x40..0x4F and
  // 0x80..0x8F come to the same single values the others require.
  (void)push_button;
  const std::uint32_t nibble = style & 0xF0;
  if (nibble == kIcon) return Image::kIcon;
  if (nibble == kBitmap) return Image::kBitmap;
  return Image::kNone;
}

ImageGroup PlaceImageWithCaption(const Box& client, int image_width, int image_height, int caption_width,
                                 bool pressed) {
  ImageGroup group;
  const int total = image_width + 4 + caption_width;
  const int left = client.left + (client.width() - total) / 2;
  group.image_x = left;
  group.caption = {left + image_width + 4, client.top, left + image_width + 4 + caption_width, client.bottom};
  group.image_y = group.caption.top + (group.caption.height() - image_height) / 2;
  if (pressed) {
    group.image_x += 1;
    group.image_y += 1;
  }
  return group;
}

void CentreImage(const Box& area, int image_width, int image_height, int dx, int dy, int& x, int& y) {
  x = area.left + (area.width() - image_width) / 2 + dx;
  y = area.top + (area.height() - image_height) / 2 + dy;
}

void PlaceToggleImage(const Box& caption, int image_height, int& x, int& y) {
  x = caption.left;
  y = caption.top + (caption.height() - image_height) / 2;
}

Box PlaceGroupCaption(const Box& client, int width, int height, std::uint32_t style) {
  Box caption{0, client.top, 0, client.top + height};
  if ((style & 0x300) == 0x300) {
    caption.left = client.left + (client.width() - width) / 2;
  } else if ((style & 0x200) != 0) {
    caption.left = client.right - 10 - width;
  } else {
    caption.left = client.left + 10;
  }
  caption.right = caption.left + width;
  return caption;
}

Box FrameInnerClip(const Box& client, bool has_caption) {
  return {client.left + 4, client.top + (has_caption ? 16 : 8), client.right - 4, client.bottom - 4};
}

Box Shrink(const Box& box, int by) {
  return {box.left + by, box.top + by, box.right - by, box.bottom - by};
}

}  // namespace tebix::button
