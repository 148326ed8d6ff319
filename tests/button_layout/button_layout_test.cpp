// The button rules, case by case.
#include <gtest/gtest.h>

#include "skin/render/button_layout.h"

namespace tebix::button {
namespace {

State S(bool enabled, Mouse mouse = Mouse::kNormal, bool focused = false, unsigned check = kUnchecked) {
  State s;
  s.enabled = enabled;
  s.mouse = mouse;
  s.focused = focused;
  s.check = check;
  return s;
}

constexpr Mouse N = Mouse::kNormal, H = Mouse::kHot, P = Mouse::kPressed;

struct PartCase {
  const char* name;
  Kind kind;
  std::uint32_t style;
  State state;
  int part;
};

TEST(ButtonParts, EachStateShowsItsPart) {
  const PartCase cases[] = {
      // Push faces: disabled wins over everything, hot over pressed, both over focus.
      {"push normal", Kind::kPush, 0, S(true), 71},
      {"push hot", Kind::kPush, 0, S(true, H, true), 72},
      {"push focused", Kind::kPush, 0, S(true, N, true), 73},
      {"push pressed", Kind::kPush, 0, S(true, P, true), 74},
      {"push disabled pressed", Kind::kPush, 0, S(false, P), 75},
      {"push disabled hot focused", Kind::kPush, 0, S(false, H, true), 75},
      // Check box rows: unchecked 76.., checked 81.., indeterminate 86..
      {"check normal", Kind::kCheck, 3, S(true), 76},
      {"check hot", Kind::kCheck, 3, S(true, H), 77},
      {"check pressed", Kind::kCheck, 3, S(true, P, true), 78},
      {"check focused", Kind::kCheck, 3, S(true, N, true), 79},
      {"check disabled", Kind::kCheck, 3, S(false, H), 80},
      {"checked normal", Kind::kCheck, 3, S(true, N, false, kChecked), 81},
      {"checked hot", Kind::kCheck, 3, S(true, H, false, kChecked), 82},
      {"checked pressed", Kind::kCheck, 3, S(true, P, false, kChecked), 83},
      {"checked focused", Kind::kCheck, 3, S(true, N, true, kChecked), 84},
      {"checked disabled", Kind::kCheck, 3, S(false, N, false, kChecked), 85},
      {"indeterminate normal", Kind::kCheck, 6, S(true, N, false, kIndeterminate), 86},
      {"indeterminate hot", Kind::kCheck, 6, S(true, H, false, kIndeterminate), 87},
      {"indeterminate focused", Kind::kCheck, 6, S(true, N, true, kIndeterminate), 89},
      {"indeterminate disabled", Kind::kCheck, 6, S(false, N, false, kIndeterminate), 90},
      {"checked beats indeterminate", Kind::kCheck, 6, S(true, N, false, kChecked | kIndeterminate), 81},
      // Radio rows: unchecked 91.., checked 96..; no indeterminate row.
      {"radio normal", Kind::kRadio, 9, S(true), 91},
      {"radio hot", Kind::kRadio, 9, S(true, H), 92},
      {"radio pressed", Kind::kRadio, 9, S(true, P), 93},
      {"radio focused", Kind::kRadio, 9, S(true, N, true), 94},
      {"radio disabled", Kind::kRadio, 9, S(false), 95},
      {"radio checked", Kind::kRadio, 9, S(true, N, false, kChecked), 96},
      {"radio checked pressed", Kind::kRadio, 9, S(true, P, false, kChecked), 98},
      {"radio checked disabled", Kind::kRadio, 9, S(false, H, false, kChecked), 100},
      {"radio indeterminate reads unchecked", Kind::kRadio, 9, S(true, N, false, kIndeterminate), 91},
      // Push-like toggles: the push faces by check state; the mouse is ignored.
      {"push-like check", Kind::kCheck, 0x1003, S(true, H, true), 71},
      {"push-like checked", Kind::kCheck, 0x1003, S(true, H, false, kChecked), 74},
      {"push-like indeterminate", Kind::kCheck, 0x1006, S(true, N, false, kIndeterminate), 72},
      {"push-like indeterminate hovered", Kind::kCheck, 0x1006, S(true, H, false, kIndeterminate), 72},
      {"push-like disabled checked", Kind::kCheck, 0x1003, S(false, N, false, kChecked), 75},
      {"push-like radio", Kind::kRadio, 0x1009, S(true, P), 71},
      {"push-like radio checked", Kind::kRadio, 0x1009, S(true, N, false, kChecked), 74},
      {"push-like radio disabled", Kind::kRadio, 0x1009, S(false, N, false, kChecked), 75},
      // Push-like only as the whole 0xF000 nibble.
      {"push-like with multi-line is a glyph", Kind::kCheck, 0x3003, S(true, N, false, kChecked), 81},
  };
  for (const PartCase& c : cases) {
    EXPECT_EQ(ToggleButtonPart(c.kind, c.style, c.state), c.part) << c.name;
  }
}

struct GlyphCase {
  const char* name;
  std::uint32_t style;
  Box glyph;
  int caption_left;
  int caption_right;
};

TEST(ButtonGlyph, PlacedByLeftTextAndVerticalNibble) {
  const Box client{0, 0, 100, 30};
  // Glyph 13 x 13.
  const GlyphCase cases[] = {
      {"default: left, centred", 0x3, {2, 8, 15, 21}, 17, 100},
      {"left text: right edge", 0x23, {85, 8, 98, 21}, 0, 83},
      {"left text plus icon bit is not left text", 0x63, {2, 8, 15, 21}, 17, 100},
      {"top", 0x403, {2, 0, 15, 13}, 17, 100},
      {"bottom", 0x803, {2, 17, 15, 30}, 17, 100},
      {"vcentre value centres", 0xC03, {2, 8, 15, 21}, 17, 100},
      {"top and left text", 0x423, {85, 0, 98, 13}, 0, 83},
  };
  for (const GlyphCase& c : cases) {
    const GlyphLayout layout = PlaceGlyph(client, 13, 13, c.style);
    EXPECT_EQ(layout.glyph, c.glyph) << c.name;
    EXPECT_EQ(layout.caption.left, c.caption_left) << c.name;
    EXPECT_EQ(layout.caption.right, c.caption_right) << c.name;
    EXPECT_EQ(layout.caption.top, 0) << c.name;
    EXPECT_EQ(layout.caption.bottom, 30) << c.name;
  }
}

struct FormatCase {
  const char* name;
  Kind kind;
  std::uint32_t style;
  unsigned flags;
  bool multiline;
};

TEST(ButtonCaption, FlagsForEveryNibble) {
  constexpr unsigned L = 0, C = kDtCentre, R = kDtRight, V = kDtVCentre, B = kDtBottom, S1 = kDtSingleLine,
                     W = kDtWordBreak, NC = kDtNoClip;
  const FormatCase cases[] = {
      // Push buttons: left, right, else centred.
      {"push default", Kind::kPush, 0x0, NC | C | S1 | V, false},
      {"push left", Kind::kPush, 0x100, NC | L | S1 | V, false},
      {"push right", Kind::kPush, 0x200, NC | R | S1 | V, false},
      {"push centre", Kind::kPush, 0x300, NC | C | S1 | V, false},
      {"push top", Kind::kPush, 0x400, NC | C | S1, false},
      {"push bottom", Kind::kPush, 0x800, NC | C | S1 | B, false},
      {"push vcentre", Kind::kPush, 0xC00, NC | C | S1 | V, false},
      // Combined nibbles match no single alignment.
      {"push left+top is neither", Kind::kPush, 0x500, NC | C | S1 | V, false},
      {"push right+bottom is neither", Kind::kPush, 0xA00, NC | C | S1 | V, false},
      // Check boxes: no base flag; left unless centred or right.
      {"check default", Kind::kCheck, 0x3, L | S1 | V, false},
      {"check left", Kind::kCheck, 0x103, L | S1 | V, false},
      {"check right", Kind::kCheck, 0x203, R | S1 | V, false},
      {"check centre", Kind::kCheck, 0x303, C | S1 | V, false},
      {"check bottom", Kind::kCheck, 0x803, L | S1 | B, false},
      {"check push-like default centres", Kind::kCheck, 0x1003, C | S1 | V, false},
      {"check push-like left", Kind::kCheck, 0x1103, L | S1 | V, false},
      {"check push-like right", Kind::kCheck, 0x1203, R | S1 | V, false},
      // Radio buttons: no-clip; left unless centred or right.
      {"radio default", Kind::kRadio, 0x9, NC | L | S1 | V, false},
      {"radio left", Kind::kRadio, 0x109, NC | L | S1 | V, false},
      {"radio right", Kind::kRadio, 0x209, NC | R | S1 | V, false},
      {"radio centre", Kind::kRadio, 0x309, NC | C | S1 | V, false},
      {"radio push-like", Kind::kRadio, 0x1009, NC | C | S1 | V, false},
      {"radio push-like left", Kind::kRadio, 0x1109, NC | L | S1 | V, false},
      // Multi-line only as the whole nibble.
      {"multi-line push", Kind::kPush, 0x2000, NC | C | W, true},
      {"multi-line check right", Kind::kCheck, 0x2203, R | W, true},
      {"multi-line with notify is single-line", Kind::kPush, 0x6000, NC | C | S1 | V, false},
      {"multi-line with notify, check", Kind::kCheck, 0x6003, L | S1 | V, false},
      {"multi-line and push-like is single-line", Kind::kCheck, 0x3003, L | S1 | V, false},
  };
  for (const FormatCase& c : cases) {
    const CaptionFormat f = FormatCaption(c.kind, c.style);
    EXPECT_EQ(f.flags, c.flags) << c.name;
    EXPECT_EQ(f.multiline, c.multiline) << c.name;
  }
}

TEST(ButtonCaption, WrappedCaptionMovesByItsHeight) {
  const Box caption{10, 0, 90, 40};
  struct Case {
    std::uint32_t style;
    bool measures;
    Box placed;
  } cases[] = {
      {0x2400, false, {10, 0, 90, 40}},   // top: stays
      {0x2800, true, {10, 26, 90, 40}},   // bottom: top = bottom - height
      {0x2000, true, {10, 13, 90, 27}},   // middle: 20 - 7
      {0x2C00, true, {10, 13, 90, 27}},   // the vcentre value also centres
      {0x2100, true, {10, 13, 90, 27}},   // horizontal bits only: centred
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MultilineNeedsMeasure(c.style), c.measures) << std::hex << c.style;
    EXPECT_EQ(PlaceMultiline(caption, 14, c.style), c.placed) << std::hex << c.style;
  }
}

TEST(ButtonImages, StyleNibbleSelectsTheImage) {
  struct Case {
    std::uint32_t style;
    Image image;
  } cases[] = {
      {0x40, Image::kIcon},  {0x41, Image::kIcon},   {0x80, Image::kBitmap}, {0x8B, Image::kBitmap},
      {0x00, Image::kNone},  {0x20, Image::kNone},   {0xC0, Image::kNone},   {0x60, Image::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ImageOf(c.style, true), c.image) << std::hex << c.style;
    EXPECT_EQ(ImageOf(c.style, false), c.image) << std::hex << c.style;
  }
}

TEST(ButtonImages, ImageBesideCaptionIsCentredAsAGroup) {
  const Box client{0, 0, 120, 30};
  // 16 + 4 + 40 = 60 wide: starts at 30.
  ImageGroup g = PlaceImageWithCaption(client, 16, 16, 40, false);
  EXPECT_EQ(g.image_x, 30);
  EXPECT_EQ(g.image_y, 7);
  EXPECT_EQ(g.caption, (Box{50, 0, 90, 30}));
  // Pressed: the image moves exactly one pixel right and down, the caption not here.
  ImageGroup p = PlaceImageWithCaption(client, 16, 16, 40, true);
  EXPECT_EQ(p.image_x, 31);
  EXPECT_EQ(p.image_y, 8);
  EXPECT_EQ(p.caption, g.caption);

  int x = 0, y = 0;
  CentreImage(client, 16, 16, 0, 0, x, y);
  EXPECT_EQ(x, 52);
  EXPECT_EQ(y, 7);
  CentreImage(client, 16, 16, 2, 1, x, y);
  EXPECT_EQ(x, 54);
  EXPECT_EQ(y, 8);
  PlaceToggleImage(Box{17, 0, 100, 30}, 10, x, y);
  EXPECT_EQ(x, 17);
  EXPECT_EQ(y, 10);
}

TEST(GroupBox, CaptionPlacedByAlignment) {
  const Box client{0, 0, 200, 100};
  struct Case {
    std::uint32_t style;
    int left;
  } cases[] = {
      {0x7, 10},         // default: 10 px from the left
      {0x107, 10},       // left
      {0x207, 200 - 10 - 50},  // right
      {0x307, 75},       // centred
      {0xA07, 140},      // right bit with bottom: still right
  };
  for (const Case& c : cases) {
    const Box r = PlaceGroupCaption(client, 50, 20, c.style);
    EXPECT_EQ(r.left, c.left) << std::hex << c.style;
    EXPECT_EQ(r.width(), 50);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.height(), 20);
  }
}

TEST(VbFrame, InsideClipLeavesBorderAndCaptionStrip) {
  const Box client{0, 0, 200, 100};
  EXPECT_EQ(FrameInnerClip(client, true), (Box{4, 16, 196, 96}));
  EXPECT_EQ(FrameInnerClip(client, false), (Box{4, 8, 196, 96}));
  EXPECT_EQ(Shrink(client, 5), (Box{5, 5, 195, 95}));
}

}  // namespace
}  // namespace tebix::button
