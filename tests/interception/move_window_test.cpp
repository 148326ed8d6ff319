// MoveWindow: outer sizes meant for the system frame become the skin frame's.
#include <gtest/gtest.h>

#include "skin/attach/skinned_window.h"

#include "skin/attach/frame_size.h"
#include "tests/interception/test_window.h"

namespace tebix {
namespace {

struct FakeFrame {
  bool has_style = true;
  FrameSize size;
};

bool QueryFakeFrame(HWND, void* frame, FrameSize* out) {
  const auto* f = static_cast<const FakeFrame*>(frame);
  if (!f->has_style) return false;
  *out = f->size;
  return true;
}

SIZE WindowSize(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return {r.right - r.left, r.bottom - r.top};
}

class MoveWindowCompensation : public ::testing::Test {
 protected:
  void SetUp() override {
    SetFrameSizeQuery(&QueryFakeFrame);
    frame_.size.caption = FrameCaption::kNormal;
    frame_.size.caption_height = 25;
    frame_.size.left_width = 10;
    frame_.size.right_width = 12;
    frame_.size.bottom_height = 4;
    SetFrameObject(window_.handle(), &frame_);
  }
  void TearDown() override {
    SetFrameObject(window_.handle(), nullptr);
    SetFrameSizeQuery(nullptr);
  }
  SIZE Moved(int width, int height) {
    EXPECT_TRUE(MoveWindow(window_.handle(), 50, 60, width, height, TRUE));
    return WindowSize(window_.handle());
  }

  testing::Intercepted patches_;
  testing::TestWindow window_{WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 150};
  FakeFrame frame_;
};

TEST_F(MoveWindowCompensation, SizesAreConvertedToTheSkinFrame) {
  const int fx = GetSystemMetrics(SM_CXFRAME), fy = GetSystemMetrics(SM_CYFRAME);
  const SIZE s = Moved(400, 300);
  EXPECT_EQ(s.cx, 10 + 12 + 400 - 2 * fx);
  EXPECT_EQ(s.cy, 25 + 4 + 300 - 2 * fy - GetSystemMetrics(SM_CYCAPTION));

  frame_.size.caption = FrameCaption::kMdiChild;
  frame_.size.menu_extra_height = 6;
  const SIZE mdi = Moved(401, 301);
  EXPECT_EQ(mdi.cy, 25 + 4 + 301 - 2 * fy - GetSystemMetrics(SM_CYSMCAPTION) + 6);

  frame_.size.caption = FrameCaption::kNone;
  frame_.size.menu_extra_height = 0;
  EXPECT_EQ(Moved(402, 302).cy, 25 + 4 + 302 - 2 * fy);
}

TEST_F(MoveWindowCompensation, TheCurrentSizeStaysAsItIs) {
  const SIZE now = WindowSize(window_.handle());
  const SIZE s = Moved(now.cx, 300);
  EXPECT_EQ(s.cx, now.cx);
  EXPECT_NE(s.cy, 300);
}

TEST_F(MoveWindowCompensation, LimitsAndMissingFrameStylesLeaveTheCallAlone) {
  frame_.size.has_limits = true;
  frame_.size.limit_width = 1000;
  frame_.size.limit_height = 200;  // the converted height would not be below it
  SIZE s = Moved(400, 300);
  EXPECT_EQ(s.cx, 400);
  EXPECT_EQ(s.cy, 300);
  frame_.size.limit_height = 1000;
  EXPECT_NE(Moved(410, 310).cx, 410);

  frame_.has_style = false;
  s = Moved(420, 320);
  EXPECT_EQ(s.cx, 420);
  EXPECT_EQ(s.cy, 320);

  SetFrameObject(window_.handle(), nullptr);
  frame_.has_style = true;
  s = Moved(430, 330);
  EXPECT_EQ(s.cx, 430);
  EXPECT_EQ(s.cy, 330);
}

}  // namespace
}  // namespace tebix
