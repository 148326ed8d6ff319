// The rules of the button renderers that need no window: which skin part a
// button shows in which state, where a check box or radio glyph goes, how a
// caption is formatted and placed, where an image sits beside a caption, and
// where a group box puts its caption. Win32-free; the painters apply them.
#pragma once

#include <cstdint>

#include "skin/render/layout_rect.h"

namespace tebix::button {

using Box = layout::Rect;

// The style bits the rules read (the values of the system headers).
inline constexpr std::uint32_t kTypeMask = 0xF;
inline constexpr std::uint32_t kOwnerDraw = 0xB;
inline constexpr std::uint32_t kLeftText = 0x20;      // in the 0xF0 nibble, as a whole value
inline constexpr std::uint32_t kIcon = 0x40;
inline constexpr std::uint32_t kBitmap = 0x80;
inline constexpr std::uint32_t kAlignLeft = 0x100;    // 0xF00 nibble
inline constexpr std::uint32_t kAlignRight = 0x200;
inline constexpr std::uint32_t kAlignCentre = 0x300;
inline constexpr std::uint32_t kAlignTop = 0x400;
inline constexpr std::uint32_t kAlignBottom = 0x800;
inline constexpr std::uint32_t kPushLike = 0x1000;    // 0xF000 nibble
inline constexpr std::uint32_t kMultiLine = 0x2000;

// DrawText flags (the values of the system headers).
inline constexpr unsigned kDtCentre = 0x1;
inline constexpr unsigned kDtRight = 0x2;
inline constexpr unsigned kDtVCentre = 0x4;
inline constexpr unsigned kDtBottom = 0x8;
inline constexpr unsigned kDtWordBreak = 0x10;
inline constexpr unsigned kDtSingleLine = 0x20;
inline constexpr unsigned kDtNoClip = 0x100;
inline constexpr unsigned kDtCalcRect = 0x400;

// Check states as BM_GETSTATE reports them (low two bits).
inline constexpr unsigned kUnchecked = 0;
inline constexpr unsigned kChecked = 1;
inline constexpr unsigned kIndeterminate = 2;

// The buttons that share the painting pipeline. The VB runtime's buttons
// follow the rules of their "Button" counterparts.
enum class Kind : std::uint8_t { kPush, kCheck, kRadio };

// Mouse state of a button.
enum class Mouse : std::uint8_t { kNormal = 0, kHot = 1, kPressed = 2 };

// What a painter knows about a button when it chooses its part.
struct State {
  bool enabled = true;
  bool focused = false;
  Mouse mouse = Mouse::kNormal;
  unsigned check = kUnchecked;  // BM_GETSTATE; BST_CHECKED wins over BST_INDETERMINATE
};

bool IsPushLike(std::uint32_t style);

// Skin part of a push face: 75 disabled, 72 hot, 74 pressed, 73 focused, 71.
int PushFacePart(const State& state);

// The part a check box or radio button draws: its glyph, or, push-like,
// the push face over the whole client area (mouse state ignored there).
int ToggleButtonPart(Kind kind, std::uint32_t style, const State& state);

// Skin part whose size is the glyph size: 76 for check boxes, 91 for radio buttons.
int GlyphSizePart(Kind kind);

// Where a glyph goes and what is left for the caption.
struct GlyphLayout {
  Box glyph;
  Box caption;
};
GlyphLayout PlaceGlyph(const Box& client, int glyph_width, int glyph_height, std::uint32_t style);

// How a caption is drawn.
struct CaptionFormat {
  unsigned flags = 0;      // DrawText flags
  bool multiline = false;  // word-wrapped; the rectangle is then moved by PlaceMultiline
};
CaptionFormat FormatCaption(Kind kind, std::uint32_t style);

// Moves a word-wrapped caption's rectangle for its measured height: to the
// bottom (0x800), the middle (anything but 0x400), or leaves it (0x400).
// `measured` is the height DrawText reported with DT_CALCRECT.
Box PlaceMultiline(const Box& caption, int measured, std::uint32_t style);
// Whether PlaceMultiline needs the measured height at all.
bool MultilineNeedsMeasure(std::uint32_t style);

// The image a button shows, from its style. The push button takes the whole
// ranges 0x40..0x4F and 0x80..0x8F; the others exactly 0x40 or 0x80.
enum class Image : std::uint8_t { kNone, kIcon, kBitmap };
Image ImageOf(std::uint32_t style, bool push_button);

// A push button's image beside its caption: image, a 4 px gap and caption
// centred as one group; the image centred vertically on the caption
// rectangle and, pressed, 1 px right and down.
struct ImageGroup {
  int image_x = 0;
  int image_y = 0;
  Box caption;
};
ImageGroup PlaceImageWithCaption(const Box& client, int image_width, int image_height, int caption_width,
                                 bool pressed);
// An image alone, centred in `area` and moved by (dx, dy).
void CentreImage(const Box& area, int image_width, int image_height, int dx, int dy, int& x, int& y);
// A check box or radio button's image in place of its caption: at the
// caption rectangle's left, centred vertically on it.
void PlaceToggleImage(const Box& caption, int image_height, int& x, int& y);

// The group box caption rectangle of the given size: centred (0x300), its
// right edge 10 px from the right (bit 0x200), else its left edge 10 px from
// the left; top 0.
Box PlaceGroupCaption(const Box& client, int width, int height, std::uint32_t style);

// The client rectangle a VB frame lets its own painting reach: shrunk by 4 px
// left, right and bottom and by 16 px at the top (8 without a caption).
Box FrameInnerClip(const Box& client, bool has_caption);

// The client rectangle shrunk by `by` on every side (what a graphical
// command button shows of its own painting).
Box Shrink(const Box& box, int by);

}  // namespace tebix::button
