// The rules of the progress bar, trackbar, up-down and header renderers
// that need no window: how much of a progress bar is filled and where the
// fill goes; which channel and thumb parts a trackbar shows and where a
// vertical channel lies; how an up-down splits into its two buttons and
// which part each shows; the header's columns in display order, the column
// under a point, and where a column's image and title go.
// Win32-free; the painters apply them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "skin/render/layout_rect.h"

namespace tebix::ranges {

using Box = layout::Rect;

// Mouse state of a trackbar, up-down or header.
enum class Mouse : std::uint8_t { kNormal = 0, kHot = 1, kPressed = 2 };

// A part's fixed rows and columns, as the skin gives them.
struct Margins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// --- Progress bar -----------------------------------------------------------

inline constexpr int kProgressTrackPart = 154;          // +1 disabled
inline constexpr int kProgressFillPart = 156;           // +1 disabled
inline constexpr int kProgressVerticalTrackPart = 160;  // +1 disabled
inline constexpr int kProgressVerticalFillPart = 162;   // +1 disabled

struct ProgressParts {
  int track = 0;
  int fill = 0;
};
ProgressParts ProgressPartsFor(bool vertical, bool enabled);

// How many of `length` pixels are filled at `position` of `low`..`high`:
// the percentage truncated to a whole number first, then that share of the
// length, truncated again. A range with high at or below low, a position at
// or below low, or no length fills nothing; a position past high fills all.
// Any 32-bit range works, the full one included.
int FilledLength(std::int32_t position, std::int32_t low, std::int32_t high, int length);

// Where the fill goes in a bar `bar` (at 0,0) with `filled` pixels filled,
// inset by the track part's margins: from the left edge for a horizontal
// bar, up from the bottom edge for a vertical one. Empty when nothing is
// filled, or when the margins leave no room.
Box ProgressFill(const Box& bar, bool vertical, int filled, const Margins& track);

// --- Trackbar ---------------------------------------------------------------

// The control's style bits that choose the look.
inline constexpr std::uint32_t kTrackVertical = 0x0002;     // TBS_VERT
inline constexpr std::uint32_t kTrackTopOrLeft = 0x0004;    // TBS_TOP, TBS_LEFT
inline constexpr std::uint32_t kTrackBothSides = 0x0008;    // TBS_BOTH

// The channel part: 251/252 horizontal, 249/250 vertical.
int ChannelPart(std::uint32_t style, bool enabled);

// The thumb part by tick side and state. Ticks on both sides, above (or to
// the left) and below (or to the right) each have their own set; the thumb
// of a vertical trackbar with ticks on the left alone has a focused part,
// shown while the trackbar has the focus and the mouse is away.
int ThumbPart(std::uint32_t style, bool enabled, Mouse mouse, bool focused);

// The channel of a vertical trackbar. The control reports it laid out
// across (long side horizontal); turned, its long side becomes the height,
// centred on the middle of the client area's height, and its short side
// the width, centred on the thumb's horizontal middle. A channel the control
// already reports upright is taken as it is.
Box UprightChannel(const Box& reported, const Box& client, const Box& thumb);

// --- Up-down control ----------------------------------------------------------

inline constexpr std::uint32_t kUpDownHorizontal = 0x0040;  // UDS_HORZ

// The buttons' area: the client area, less 1 px at the right and bottom
// inside a date/time picker, whose frame would otherwise cover the edge.
Box UpDownArea(const Box& client, bool inside_picker);

// The two buttons, first (upper, or left) and second (lower, or right),
// with a one-pixel gap between them that keeps the background.
struct UpDownHalves {
  Box first;
  Box second;
};
UpDownHalves SplitUpDown(const Box& area, bool horizontal);

// 0 for the first button, 1 for the second, -1 for neither (the gap included).
int HalfAt(const UpDownHalves& halves, int x, int y);

// The part of each button. `hot_half` is the button under the pointer (-1
// for none); `held_half` the one the left button went down on (-1 for
// none). While the mouse is pressed only the held button shows pressed;
// while hot only the one under the pointer shows hot.
struct UpDownLook {
  int first = 0;
  int second = 0;
};
UpDownLook LookOfUpDown(bool horizontal, bool enabled, Mouse mouse, int hot_half, int held_half);

// --- Header -------------------------------------------------------------------

inline constexpr int kHeaderPart = 150;  // background and a column at rest
inline constexpr int kHeaderHotPart = 151;
inline constexpr int kHeaderPressedPart = 152;
inline constexpr int kHeaderTextColour = 32;
inline constexpr int kHeaderHotTextColour = 33;
inline constexpr int kHeaderPressedTextColour = 34;
// Between the column's left edge and its image or title, and between the
// image and the title.
inline constexpr int kHeaderTextInset = 6;

// One column as it shows: its item index and rectangle.
struct HeaderColumn {
  int index = -1;
  Box rect;
};

// The columns in display order: `order[p]` is the item shown at position p
// (what the control reports for each position), `rects[i]` item i's
// rectangle. A position naming an item that does not exist, or one shown
// already, is left out, so a control reporting nonsense cannot make a
// column paint twice or read past the items.
std::vector<HeaderColumn> ColumnsInDisplayOrder(std::span<const int> order, std::span<const Box> rects);

// The display position of the column under (x, y); -1 for none.
int PositionAt(std::span<const HeaderColumn> columns, int x, int y);

// The part and text colour of the column at `position`, given the stored
// hot position and the mouse state.
struct HeaderLook {
  int part = kHeaderPart;
  int text_colour = kHeaderTextColour;
};
HeaderLook LookOfColumn(int position, int hot_position, Mouse mouse);

// Where a column's image and title go. The image (when it is drawn) sits
// at the inset, centred vertically; the title follows it after another
// inset, else starts at the inset. The title ends one inset before the
// column's right edge.
struct HeaderItemLayout {
  bool image = false;
  int image_x = 0;
  int image_y = 0;
  Box text;
};
HeaderItemLayout LayOutColumn(const Box& item, bool draw_image, int image_width, int image_height);

}  // namespace tebix::ranges
