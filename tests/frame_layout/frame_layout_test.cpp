// The frame's geometry and rules: which record a window gets, the client
// rectangle and the size that keeps it, where the caption pieces lie, what a
// point hits, which command a click gives, and the key runs of a region.
#include "skin/attach/frame_layout.h"

#include <gtest/gtest.h>

namespace tebix::frame {
namespace {

using namespace style;

SkinPart Part(int width, int height) {
  SkinPart p{};
  p.width = width;
  p.height = height;
  return p;
}

// A normal frame shaped like the editor's skin: a 25-pixel caption, borders
// of 4 (left, right) and 5 (bottom), 18 x 18 buttons at 25, 49 and 73 from
// the right edge, help at 97, a 16 x 16 icon at (10, 5), text from 8 to 17.
FrameStyle NormalRecord(int metric = 0) {
  FrameStyle r{};
  r.parts[0] = Part(72, 25);
  r.parts[1] = Part(4, 10);
  r.parts[2] = Part(4, 10);
  r.parts[3] = Part(10, 5);
  for (int slot = 8; slot < 28; ++slot) r.parts[static_cast<std::size_t>(slot)] = Part(18, 18);
  r.offset_pairs = {OffsetPair{-25, 4}, {-49, 4}, {-73, 4}, {-97, 4}, {10, 5}, {16, 16}, {4, 8}, {4, 8}};
  r.metric = metric;
  return r;
}

TEST(FrameLayout, FrameStyleFollowsCaptionBorderAndToolBits) {
  const struct {
    std::uint32_t style, ex_style;
    Choice want;
  } cases[] = {
      {kCaption | kSysMenu, 0, Choice::kNormal},
      {kCaption, kExToolWindow, Choice::kTool},
      {kBorder, kExToolWindow, Choice::kBorderOnly},  // one caption bit is no caption
      {0x00400000, 0, Choice::kNone},                 // WS_DLGFRAME alone
      {kThickFrame, 0, Choice::kBorderOnly},
      {kModalFrame, 0, Choice::kBorderOnly},
      {kChild | kVScroll, 0, Choice::kNone},
  };
  for (const auto& c : cases) EXPECT_EQ(ChooseFrame(c.style, c.ex_style), c.want) << std::hex << c.style;
}

TEST(FrameLayout, ClientRectangleTakesFrameMenuRowsAndScrollBars) {
  const Borders b{25, 4, 4, 5};
  const struct {
    const char* name;
    Choice choice;
    std::uint32_t style, ex_style;
    int rows;
    Rect want;  // of the window (100, 50, 400, 350)
  } cases[] = {
      {"plain", Choice::kNormal, kCaption, 0, 0, {104, 75, 396, 345}},
      {"two menu rows", Choice::kNormal, kCaption, 0, 2, {104, 75 + 40, 396, 345}},
      {"bars", Choice::kNormal, kCaption | kVScroll | kHScroll, 0, 0, {104, 75, 396 - 17, 345 - 14}},
      {"left bar", Choice::kNormal, kCaption | kVScroll, kExLeftScrollBar, 0, {104 + 17, 75, 396, 345}},
      {"no frame, menu", Choice::kNone, 0, 0, 1, {100, 70, 400, 350}},
  };
  for (const auto& c : cases) {
    const Insets insets = SkinInsets(c.choice, b, c.style, c.ex_style, {c.rows, 20, 17, 14});
    EXPECT_EQ(ClientOf({100, 50, 400, 350}, insets), c.want) << c.name;
  }
  // A window smaller than its frame keeps an empty client inside it.
  const Rect tiny = ClientOf({0, 0, 6, 10}, {4, 25, 4, 5});
  EXPECT_TRUE(tiny.empty());
  EXPECT_LE(tiny.right, 6);
  EXPECT_LE(tiny.bottom, 10);
}

TEST(FrameLayout, CompensatedSizeKeepsTheClientArea) {
  // A sizable captioned window: system frame 4 + caption 19 against the skin's.
  const Insets system{4, 23, 4, 4};
  const Insets skin{4, 25, 4, 5};
  EXPECT_EQ(CompensatedSize({300, 200}, system, skin), (Size{300, 203}));
  // A dialog frame of 3 and a menu row: the client keeps 294 x 156.
  const Insets dialog{3, 3 + 19 + 19, 3, 3};
  const Insets skin_menu{4, 25 + 20, 4, 5};
  const Size s = CompensatedSize({300, 200}, dialog, skin_menu);
  EXPECT_EQ(s.width - skin_menu.left - skin_menu.right, 300 - 6);
  EXPECT_EQ(s.height - skin_menu.top - skin_menu.bottom, 200 - 44);
}

Layout NormalLayout(const FrameStyle& r, std::uint32_t s, bool icon = true, int rows = 0) {
  LayoutInput in;
  in.choice = Choice::kNormal;
  in.record = &r;
  in.width = 300;
  in.height = 200;
  in.style = s;
  in.has_icon = icon;
  in.menu_rows = rows;
  in.menu_row_height = 20;
  in.client = {4, 25 + rows * 20, 296, 195};
  return LayOut(in);
}

TEST(FrameLayout, ButtonsIconTextAndPieces) {
  const FrameStyle r = NormalRecord();
  const Layout l = NormalLayout(r, kCaption | kSysMenu | kMinimizeBox | kMaximizeBox, true, 1);
  EXPECT_EQ(l.close, (Rect{275, 4, 293, 22}));
  EXPECT_EQ(l.maximize, (Rect{251, 4, 269, 22}));
  EXPECT_EQ(l.minimize, (Rect{227, 4, 245, 22}));
  EXPECT_TRUE(l.help.empty());
  EXPECT_EQ(l.icon, (Rect{10, 5, 26, 21}));
  EXPECT_EQ(l.text, (Rect{30, 8, 227, 17}));
  EXPECT_EQ(l.caption, (Rect{2, 2, 298, 25}));
  EXPECT_EQ(l.strip, (Rect{0, 0, 300, 25}));
  EXPECT_EQ(l.left, (Rect{0, 25, 4, 195}));
  EXPECT_EQ(l.right, (Rect{296, 25, 300, 195}));
  EXPECT_EQ(l.bottom, (Rect{0, 195, 300, 200}));
  EXPECT_EQ(l.menu_bar, (Rect{4, 25, 296, 45}));
  EXPECT_TRUE(l.has_frame);

  // Without the system menu there are no buttons and no icon; the text runs
  // from the left border to the caption's end.
  const Layout bare = NormalLayout(r, kCaption | kMinimizeBox);
  EXPECT_TRUE(bare.close.empty() && bare.minimize.empty() && bare.icon.empty());
  EXPECT_EQ(bare.text, (Rect{8, 8, 298, 17}));
}

TEST(FrameLayout, HelpButtonTakesMaximizePlaceWithoutBoxes) {
  const struct {
    const char* name;
    std::uint32_t style;
    int metric;
    int help_left;
    int text_right;
  } cases[] = {
      {"help only", kCaption | kSysMenu | kContextHelp, 0, 251, 251},
      {"help only, metric 1", kCaption | kSysMenu | kContextHelp, 1, 203, 203},
      {"with boxes", kCaption | kSysMenu | kContextHelp | kMinimizeBox, 0, 203, 203},
  };
  for (const auto& c : cases) {
    const FrameStyle r = NormalRecord(c.metric);
    const Layout l = NormalLayout(r, c.style, false);
    EXPECT_EQ(l.help.left, c.help_left) << c.name;
    EXPECT_EQ(l.text.right, c.text_right) << c.name;
  }
}

TEST(FrameLayout, HitTestCodes) {
  const FrameStyle r = NormalRecord();
  const std::uint32_t sizable = kCaption | kSysMenu | kMinimizeBox | kMaximizeBox | kThickFrame;
  const Layout l = NormalLayout(r, sizable, true, 1);
  const struct {
    int x, y;
    std::uint32_t style;
    int want;
  } cases[] = {
      {280, 10, sizable, hit::kClose},      {255, 10, sizable, hit::kMaxButton},
      {230, 10, sizable, hit::kMinButton},  {12, 8, sizable, hit::kSysMenu},
      {100, 10, sizable, hit::kCaption},    {100, 30, sizable, hit::kMenuBar},
      {100, 100, sizable, hit::kClient},    {1, 100, sizable, hit::kLeft},
      {298, 100, sizable, hit::kRight},     {100, 198, sizable, hit::kBottom},
      {1, 198, sizable, hit::kBottomLeft},  {298, 198, sizable, hit::kBottomRight},
      {100, 0, sizable, hit::kTop},         {0, 0, sizable, hit::kTopLeft},
      {299, 1, sizable, hit::kTopRight},    {1, 100, sizable | kZoomed, hit::kBorder},
      {1, 100, sizable & ~kThickFrame, hit::kBorder},
  };
  for (const auto& c : cases) EXPECT_EQ(HitTest(l, c.style, c.x, c.y), c.want) << c.x << "," << c.y;
}

TEST(FrameLayout, CaptionButtonCommandsNeedTheirStyle) {
  const struct {
    Button button;
    std::uint32_t style;
    unsigned want;
  } cases[] = {
      {Button::kMinimize, kMinimizeBox, command::kMinimize},
      {Button::kMinimize, kMinimizeBox | kIconic, command::kRestore},
      {Button::kMinimize, kMaximizeBox, 0},
      {Button::kMaximize, kMaximizeBox, command::kMaximize},
      {Button::kMaximize, kMaximizeBox | kZoomed, command::kRestore},
      {Button::kMaximize, kMinimizeBox, 0},
      {Button::kClose, kSysMenu, command::kClose},
      {Button::kClose, 0, 0},
      {Button::kHelp, kContextHelp, command::kContextHelp},
      {Button::kHelp, kSysMenu, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ButtonCommand(c.button, c.style), c.want) << static_cast<int>(c.button) << " " << std::hex << c.style;
  }
  EXPECT_EQ(CaptionDoubleClickCommand(kMaximizeBox), 0xF032u);
  EXPECT_EQ(CaptionDoubleClickCommand(kMaximizeBox | kZoomed), 0xF122u);
  EXPECT_EQ(CaptionDoubleClickCommand(kMinimizeBox), 0u);
  EXPECT_EQ(PressCommand(hit::kCaption, 0), 0xF012u);
  EXPECT_EQ(PressCommand(hit::kCaption, kZoomed), 0u);
  EXPECT_EQ(PressCommand(hit::kLeft, 0), 0xF001u);
  EXPECT_EQ(PressCommand(hit::kBottomRight, 0), 0xF008u);
  EXPECT_EQ(PressCommand(hit::kBorder, 0), 0u);
}

TEST(FrameLayout, ButtonImagesByStateActivityAndBoxes) {
  const std::uint32_t boxes = kMinimizeBox | kMaximizeBox;
  const struct {
    Button button;
    std::uint32_t style;
    bool active;
    int state;
    int want;
  } cases[] = {
      {Button::kClose, boxes, true, 0, 8},       {Button::kClose, boxes, true, 5, 9},
      {Button::kClose, boxes, true, 6, 10},      {Button::kClose, boxes, false, 6, 11},
      {Button::kMaximize, boxes, true, 3, 13},   {Button::kMaximize, boxes | kZoomed, true, 4, 18},
      {Button::kMaximize, kMinimizeBox, true, 3, 15},  // missing box: disabled image
      {Button::kMinimize, boxes | kIconic, true, 0, 16},
      {Button::kMinimize, boxes, true, 2, 22},   {Button::kHelp, boxes, true, 7, 25},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ButtonSlot(c.button, c.style, c.active, c.state), c.want)
        << static_cast<int>(c.button) << " state " << c.state;
  }
}

TEST(FrameLayout, KeyRunsAreOnePixelHighRunsInRowOrder) {
  // Magenta key (COLORREF 0xFF00FF) in DIB order 0x00FF00FF; the high byte is ignored.
  const std::uint32_t k = 0xAAFF00FF, o = 0x00123456;
  const std::uint32_t pixels[] = {
      k, k, o, k,  //
      o, o, o, o,  //
      o, k, k, k,  //
  };
  const std::vector<Rect> runs = KeyRuns(pixels, 4, 3, 0x00FF00FF);
  const std::vector<Rect> want = {{0, 0, 2, 1}, {3, 0, 4, 1}, {1, 2, 4, 3}};
  EXPECT_EQ(runs, want);
  // A key whose channels are not symmetric: red (0x0000FF) is 0x00FF0000 in the DIB.
  const std::uint32_t red[] = {0x00FF0000, 0x000000FF};
  EXPECT_EQ(KeyRuns(red, 2, 1, 0x0000FF), (std::vector<Rect>{{0, 0, 1, 1}}));
  EXPECT_TRUE(KeyRuns(nullptr, 4, 4, 0).empty());
}

TEST(FrameLayout, DamagedSkinValuesStayInRange) {
  FrameStyle r = NormalRecord();
  r.parts[0].height = 2000000000;
  r.parts[1].width = -50;
  r.parts[2].width = 0x7FFFFFFF;
  r.parts[8].width = -2000000000;
  r.offset_pairs[0] = {-2147483647 - 1, 2147483647};
  r.offset_pairs[5] = {100000, -5};
  const Borders b = BordersOf(r);
  EXPECT_EQ(b.caption, kMaxPieceSize);
  EXPECT_EQ(b.left, 0);
  EXPECT_EQ(b.right, kMaxPieceSize);
  const Insets insets =
      SkinInsets(Choice::kNormal, b, kVScroll | kHScroll, 0, {1000000, 2000000000, -3, 2000000000});
  EXPECT_LE(insets.top, kMaxPieceSize + kMaxMenuRows * kMaxPieceSize);
  EXPECT_EQ(insets.right, kMaxPieceSize);  // the scroll bar's -3 counts as 0
  EXPECT_EQ(insets.bottom, b.bottom + kMaxPieceSize);
  LayoutInput in;
  in.choice = Choice::kNormal;
  in.record = &r;
  in.width = 300;
  in.height = 200;
  in.style = kCaption | kSysMenu | kMinimizeBox;
  in.has_icon = true;
  in.client = ClientOf({0, 0, 300, 200}, insets);
  const Layout l = LayOut(in);
  EXPECT_TRUE(l.close.empty()) << "a negative button width is no button";
  EXPECT_LE(l.icon.width(), kMaxIconSize);
  EXPECT_TRUE(l.client.empty());
  EXPECT_LE(l.client.right, 300);
  EXPECT_EQ(HitTest(l, in.style, 150, 100), hit::kCaption);
}

TEST(FrameLayout, MaximizedMdiChildPutsItsFrameOutsideTheArea) {
  const Rect r = MdiMaximizedRect({4, 25, 4, 5}, {500, 300});
  EXPECT_EQ(r, (Rect{-4, -25, 504, 305}));
  EXPECT_EQ(ClientOf(r, {4, 25, 4, 5}), (Rect{0, 0, 500, 300}));
}

}  // namespace
}  // namespace tebix::frame
