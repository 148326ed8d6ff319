// Status part layout, grip placement, and the toolbar's looks and layout.
#include "skin/render/bar_layout.h"

#include <gtest/gtest.h>

#include <climits>

namespace tebix::bars {
namespace {

TEST(StatusPartLayout, PlacesIconTextSeparatorAndSkipsPartsThatDoNotAdvance) {
  const Box client{0, 0, 400, 22};
  struct Case {
    const char* name;
    Box part;
    int previous_left;
    int icon_w, icon_h;
    bool drawn;
    int icon_x, icon_y;
    Box text;
    Box separator;
  } cases[] = {
      {"text only", {10, 2, 110, 20}, INT_MIN, 0, 0, true, 0, 0, {13, 2, 110, 20}, {106, 2, 110, 20}},
      {"icon then text 3 px after it",
       {10, 2, 110, 20},
       INT_MIN,
       16,
       16,
       true,
       10,
       3,
       {29, 2, 110, 20},
       {106, 2, 110, 20}},
      {"odd height centres the icon low",
       {0, 0, 50, 21},
       INT_MIN,
       16,
       16,
       true,
       0,
       2,
       {19, 0, 50, 21},
       {46, 0, 50, 21}},
      {"empty part takes the client area", {}, INT_MIN, 0, 0, true, 0, 0, {3, 0, 400, 22}, {396, 0, 400, 22}},
      {"part left of the last drawn one is skipped", {5, 2, 60, 20}, 10, 0, 0, false, 0, 0, {}, {}},
      {"part at the same left is skipped", {10, 2, 60, 20}, 10, 0, 0, false, 0, 0, {}, {}},
  };
  for (const Case& c : cases) {
    const StatusPartLayout got = LayOutStatusPart(c.part, client, c.previous_left, c.icon_w, c.icon_h, 4);
    EXPECT_EQ(got.drawn, c.drawn) << c.name;
    if (!c.drawn) continue;
    EXPECT_EQ(got.text, c.text) << c.name;
    EXPECT_EQ(got.separator, c.separator) << c.name;
    EXPECT_EQ(got.item.left, c.text.left - kStatusTextGap) << c.name;
    EXPECT_EQ(got.clip.right, (c.part.empty() ? client : c.part).right + 1) << c.name;
    if (c.icon_w > 0) {
      EXPECT_EQ(got.icon_x, c.icon_x) << c.name;
      EXPECT_EQ(got.icon_y, c.icon_y) << c.name;
    }
  }
}

TEST(SizeGrip, SitsTwoPixelsInsideTheCorner) {
  EXPECT_EQ(PlaceSizeGrip({0, 0, 300, 22}, 12, 12), (Box{286, 8, 298, 20}));
  EXPECT_TRUE(PlaceSizeGrip({0, 0, 300, 22}, 0, 12).empty()) << "a skin without a grip draws none";
}

TEST(ToolbarButtonLook, FaceColourAndImagesByStateAndStyle) {
  using M = Mouse;
  struct Case {
    const char* name;
    ButtonState state;
    int face;
    int colour;
    Images images;
  } cases[] = {
      {"idle raised",
       {true, false, false, M::kNormal, false},
       kButtonNormalPart,
       kTextNormalColour,
       Images::kNormal},
      {"idle flat has no face",
       {true, false, false, M::kHot, true},
       kNoPart,
       kTextNormalColour,
       Images::kNormal},
      {"hot flat", {true, false, true, M::kHot, true}, kButtonHotPart, kTextHotColour, Images::kHot},
      {"hot raised", {true, false, true, M::kHot, false}, kButtonHotPart, kTextHotColour, Images::kHot},
      {"pressed",
       {true, false, true, M::kPressed, true},
       kButtonPressedPart,
       kTextPressedColour,
       Images::kHot},
      {"checked flat",
       {true, true, false, M::kNormal, true},
       kButtonPressedPart,
       kTextPressedColour,
       Images::kNormal},
      {"checked and hot stays pressed",
       {true, true, true, M::kHot, true},
       kButtonPressedPart,
       kTextPressedColour,
       Images::kHot},
      {"hot index left over after the pointer went",
       {true, false, true, M::kNormal, true},
       kNoPart,
       kTextNormalColour,
       Images::kNormal},
      {"disabled raised",
       {false, false, false, M::kNormal, false},
       kButtonDisabledPart,
       kTextDisabledColour,
       Images::kDisabled},
      {"disabled flat, even hot and checked",
       {false, true, true, M::kPressed, true},
       kNoPart,
       kTextDisabledColour,
       Images::kDisabled},
  };
  for (const Case& c : cases) {
    const ButtonLook look = LookOfButton(c.state);
    EXPECT_EQ(look.face, c.face) << c.name;
    EXPECT_EQ(look.text_colour, c.colour) << c.name;
    EXPECT_EQ(look.images, c.images) << c.name;
  }
}

TEST(ToolbarButtonLayout, ArrowTextAndImagePlaces) {
  const Box button{10, 0, 70, 40};
  struct Case {
    const char* name;
    bool list, drop_down, text;
    int arrow_x;  // -1: no arrow
    Box text_rect;
    unsigned flags;
    int image_x, image_y;
  } cases[] = {
      {"image alone is centred",
       false,
       false,
       false,
       -1,
       {10, 0, 70, 37},
       kDtCentre | kDtBottom | kDtSingleLine,
       32,
       12},
      {"with text the image rises 5 px",
       false,
       false,
       true,
       -1,
       {10, 0, 70, 37},
       kDtCentre | kDtBottom | kDtSingleLine,
       32,
       7},
      {"drop-down arrow takes 12 px at the right",
       false,
       true,
       true,
       58,
       {10, 0, 58, 37},
       kDtCentre | kDtBottom | kDtSingleLine,
       26,
       7},
      {"list: image left, text right",
       true,
       false,
       true,
       -1,
       {10, 0, 67, 40},
       kDtRight | kDtVCentre | kDtSingleLine,
       13,
       12},
      {"list with drop-down",
       true,
       true,
       true,
       58,
       {10, 0, 55, 40},
       kDtRight | kDtVCentre | kDtSingleLine,
       13,
       12},
  };
  for (const Case& c : cases) {
    const ButtonLayout got = LayOutButton(button, c.list, c.drop_down, c.text, 16, 16);
    EXPECT_EQ(got.arrow, c.arrow_x >= 0) << c.name;
    if (c.arrow_x >= 0) {
      EXPECT_EQ(got.arrow_x, c.arrow_x) << c.name;
      EXPECT_EQ(got.arrow_y, 16) << c.name;  // (top + bottom) / 2 - 4
    }
    EXPECT_EQ(got.text, c.text_rect) << c.name;
    EXPECT_EQ(got.text_flags, c.flags) << c.name;
    EXPECT_EQ(got.image_x, c.image_x) << c.name;
    EXPECT_EQ(got.image_y, c.image_y) << c.name;
  }
}

TEST(FlatSeparator, CentredAtItsOwnWidth) {
  EXPECT_EQ(PlaceFlatSeparator({100, 2, 108, 26}, 2), (Box{103, 2, 105, 26}));
  EXPECT_EQ(PlaceFlatSeparator({100, 2, 108, 26}, 7), (Box{100, 2, 107, 26}));
  EXPECT_TRUE(PlaceFlatSeparator({100, 2, 108, 26}, 0).empty());
}

}  // namespace
}  // namespace tebix::bars
