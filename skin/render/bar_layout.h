// The rules of the status bar and toolbar renderers that need no window:
// where a status part puts its icon, text and separator and where the size
// grip goes; which face, text colour and image list a toolbar button takes
// in which state, and where its drop-down arrow, text and image sit.
// Win32-free; the painters apply them.
#pragma once

#include <cstdint>

#include "skin/render/layout_rect.h"

namespace tebix::bars {

using Box = layout::Rect;

// --- Status bar -------------------------------------------------------------

inline constexpr int kStatusBackgroundPart = 112;
inline constexpr int kStatusSeparatorPart = 113;
inline constexpr int kSizeGripPart = 149;
inline constexpr int kStatusTextColour = 46;
// Between an icon (or the part's left edge) and the text.
inline constexpr int kStatusTextGap = 3;
// The grip's bottom-right corner sits this far inside the client area's.
inline constexpr int kGripInset = 2;

// Where one status part draws. `part` is the part's rectangle (the client
// area when the control reports an empty one); `previous_left` the left edge
// of the part drawn before, or INT32_MIN for the first.
struct StatusPartLayout {
  bool drawn = false;  // false: the part does not advance and is skipped
  Box clip;            // the part grown by 1 px right and bottom
  int icon_x = 0;      // icon at its own size, centred vertically
  int icon_y = 0;
  Box item;       // the part without the icon: the owner-draw rectangle
  Box text;       // text rectangle: the item less the gap at the left
  Box separator;  // the separator part at the right end
};
StatusPartLayout LayOutStatusPart(const Box& part, const Box& client, int previous_left, int icon_width,
                                  int icon_height, int separator_width);

// The size grip at its own size, bottom-right corner kGripInset inside the client's.
Box PlaceSizeGrip(const Box& client, int grip_width, int grip_height);

// --- Toolbar ----------------------------------------------------------------

inline constexpr int kButtonNormalPart = 106;
inline constexpr int kButtonHotPart = 107;
inline constexpr int kButtonPressedPart = 108;
inline constexpr int kButtonDisabledPart = 109;
inline constexpr int kFlatSeparatorPart = 111;
inline constexpr int kBarFramePart = 266;
inline constexpr int kNoPart = 0;

inline constexpr int kTextNormalColour = 53;
inline constexpr int kTextHotColour = 54;
inline constexpr int kTextPressedColour = 55;
inline constexpr int kTextDisabledColour = 56;

// Space the drop-down arrow takes at a button's right edge.
inline constexpr int kDropDownWidth = 12;
// The 8 x 8 arrow glyph, a row a byte, bit 7 the leftmost pixel.
inline constexpr std::uint8_t kDropDownGlyph[8] = {0x00, 0x00, 0xFE, 0x7C, 0x38, 0x10, 0x00, 0x00};

// Mouse state of a toolbar.
enum class Mouse : std::uint8_t { kNormal = 0, kHot = 1, kPressed = 2 };

// What the painter knows of one button.
struct ButtonState {
  bool enabled = true;
  bool checked = false;  // a check button that is checked, or a button the control shows pressed
  bool hot = false;      // the button under the pointer
  Mouse mouse = Mouse::kNormal;
  bool flat = false;  // the toolbar has the flat style
};

enum class Images : std::uint8_t { kNormal, kHot, kDisabled };

struct ButtonLook {
  int face = kNoPart;  // skin part, kNoPart for none
  int text_colour = kTextNormalColour;
  Images images = Images::kNormal;
};
ButtonLook LookOfButton(const ButtonState& state);

// Where a button's pieces go. `list` is the list style (image at the left,
// text right-aligned); `image_width`/`image_height` 0 without an image list.
struct ButtonLayout {
  bool arrow = false;
  int arrow_x = 0;  // the glyph's left edge
  int arrow_y = 0;  // its top row
  Box text;         // the text rectangle
  unsigned text_flags = 0;
  int image_x = 0;
  int image_y = 0;
};
ButtonLayout LayOutButton(const Box& button, bool list, bool drop_down, bool has_text, int image_width,
                          int image_height);

// The flat separator at its own width, centred in the separator's rectangle.
Box PlaceFlatSeparator(const Box& separator, int part_width);

// DrawText flags (the values of the system headers).
inline constexpr unsigned kDtCentre = 0x1;
inline constexpr unsigned kDtRight = 0x2;
inline constexpr unsigned kDtVCentre = 0x4;
inline constexpr unsigned kDtBottom = 0x8;
inline constexpr unsigned kDtSingleLine = 0x20;

}  // namespace tebix::bars
