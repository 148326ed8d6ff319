// The rules of the tab renderers that need no window: on which side of the
// display rectangle a tab lies, which skin part it shows, how far the
// selected tab grows, where the pane runs, which way the text reads and
// where an item's image and text go. Win32-free; the tab painter applies them.
#pragma once

#include <cstdint>

#include "skin/render/layout_rect.h"

namespace tebix::tab {

using Box = layout::Rect;

// Tab control styles the rules read (the values of the system headers).
inline constexpr std::uint32_t kStyleBottom = 0x2;     // TCS_BOTTOM
inline constexpr std::uint32_t kStyleRight = 0x2;      // TCS_RIGHT (with kStyleVertical)
inline constexpr std::uint32_t kStyleVertical = 0x80;  // TCS_VERTICAL
inline constexpr std::uint32_t kStyleButtons = 0x100;  // TCS_BUTTONS

// Where a tab lies relative to the display rectangle.
enum class Side : std::uint8_t { kTop, kBottom, kLeft, kRight };

// The family the control belongs to: the common tab control, or the tab
// strip, whose selected tab below the pane grows one pixel further down.
enum class Family : std::uint8_t { kTabControl, kTabStrip };

// How an item is shown.
enum class Look : std::uint8_t { kNormal, kSelected };

// The side of item rectangle `item` relative to display rectangle `display`:
// below when its top is under the display's bottom, left when its right is
// before the display's left, right when its left is past the display's
// right, above otherwise.
Side SideOf(const Box& item, const Box& display);

// The side the style puts the tabs on (TCS_VERTICAL, TCS_RIGHT, TCS_BOTTOM).
Side SideOfStyle(std::uint32_t style);

// The skin part of a tab on `side` in `look`; a disabled control shows the
// disabled part for every tab. With TCS_BUTTONS the push faces (71, 73, 75).
int PartOf(Side side, Look look, bool enabled, bool buttons);

// The pane part.
inline constexpr int kPanePart = 186;

// Text escapement of the style in tenths of a degree: 900 (reading upwards)
// for vertical tabs on the left, -900 (reading downwards) on the right, 0.
int EscapementOf(std::uint32_t style);

// The rectangle the selected tab is drawn into: its item rectangle grown by
// 2 px on every side; the tab strip's tab below the pane by 3 px at its
// bottom edge.
Box GrowSelected(const Box& item, Side side, Family family);

// The edge of the client area the pane runs to on the side away from the
// tabs. When the display rectangle is more than 10 px short of that client
// edge, the edge is found by probing outwards from the display rectangle
// along its middle line, one pixel at a time, stopping at the first point
// that `hits_tab(x, y)` reports as a tab, or at the client edge.
template <typename HitsTab>
int FarEdge(Side side, const Box& display, const Box& client, HitsTab hits_tab);

// The pane: from the selected tab's inner edge (`inner`: the item's bottom
// for tabs on top, its top for tabs below, its right for tabs on the left,
// its left for tabs on the right) to `far_edge`, across the whole client
// area the other way.
Box PaneOf(Side side, int inner, int far_edge, const Box& client);

// The inner edge of an item rectangle on `side` (see PaneOf).
int InnerEdge(const Box& item, Side side);

// Where an item's image and text go. `text_length` is the text's extent
// along its reading direction, `text_height` across it; `image_width` and
// `image_height` are 0 without an image. The text point is where TextOut
// starts it (for rotated text the start of the rotated baseline box's top
// edge, as the system places escaped text).
struct ItemPlacement {
  int image_x = 0, image_y = 0;
  int text_x = 0, text_y = 0;
};
ItemPlacement PlaceItem(const Box& item, int escapement, int text_length, int text_height, int image_width,
                        int image_height);

// The gap between an item's image and its text, and the image's inset from
// the start of the group.
inline constexpr int kImageGap = 4;
inline constexpr int kImageInset = 2;
// The display rectangle counts as reaching the client edge within this distance.
inline constexpr int kFarEdgeSlack = 10;

template <typename HitsTab>
int FarEdge(Side side, const Box& display, const Box& client, HitsTab hits_tab) {
  const int mid_x = display.left + display.width() / 2;
  const int mid_y = display.top + display.height() / 2;
  switch (side) {
    case Side::kTop:
      if (client.bottom - display.bottom <= kFarEdgeSlack) return client.bottom;
      for (int y = display.bottom; y < client.bottom; ++y)
        if (hits_tab(mid_x, y)) return y;
      return client.bottom;
    case Side::kBottom:
      if (display.top - client.top <= kFarEdgeSlack) return client.top;
      for (int y = display.top - 1; y >= client.top; --y)
        if (hits_tab(mid_x, y)) return y + 1;
      return client.top;
    case Side::kLeft:
      if (client.right - display.right <= kFarEdgeSlack) return client.right;
      for (int x = display.right; x < client.right; ++x)
        if (hits_tab(x, mid_y)) return x;
      return client.right;
    case Side::kRight:
      if (display.left - client.left <= kFarEdgeSlack) return client.left;
      for (int x = display.left - 1; x >= client.left; --x)
        if (hits_tab(x, mid_y)) return x + 1;
      return client.left;
  }
  return client.bottom;
}

}  // namespace tebix::tab
