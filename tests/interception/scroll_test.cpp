// The seven scroll-bar functions against a real window carrying a scroll state block.
#include <gtest/gtest.h>

#include "skin/attach/skinned_window.h"

#include <functional>
#include <string>
#include <vector>

#include "skin/attach/scroll_state.h"
#include "tests/interception/test_window.h"

namespace tebix {
namespace {

SCROLLINFO Info(UINT mask, int min = 0, int max = 0, UINT page = 0, int pos = 0) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = mask;
  si.nMin = min;
  si.nMax = max;
  si.nPage = page;
  si.nPos = pos;
  return si;
}

void SetBar(ScrollBarState& bar, int min, int max, UINT page, int pos, int shown = 1) {
  bar.info = Info(SIF_ALL, min, max, page, pos);
  bar.shown = shown;
}

struct Expected {
  int min, max;
  UINT page;
  int pos;
  int shown, disabled;
};

struct ScrollCase {
  std::string name;
  std::function<void(ScrollState&)> setup;
  std::function<int(HWND)> call;
  int result;
  Expected horizontal, vertical;
  bool invalidates = false;
};

void ExpectBar(const ScrollBarState& bar, const Expected& e, const std::string& what) {
  EXPECT_EQ(bar.info.nMin, e.min) << what;
  EXPECT_EQ(bar.info.nMax, e.max) << what;
  EXPECT_EQ(bar.info.nPage, e.page) << what;
  EXPECT_EQ(bar.info.nPos, e.pos) << what;
  EXPECT_EQ(bar.shown, e.shown) << what;
  EXPECT_EQ(bar.disabled, e.disabled) << what;
}

// Both bars start shown (and the window has both scroll styles) with range 0..100, page 10, position 40.
void Standard(ScrollState& s) {
  SetBar(s.horizontal, 0, 100, 10, 40);
  SetBar(s.vertical, 0, 100, 10, 40);
}
constexpr Expected kStandard{0, 100, 10, 40, 1, 0};

std::vector<ScrollCase> Cases() {
  auto set_info = [](int bar, SCROLLINFO si, BOOL redraw = TRUE) {
    return [=](HWND w) { return SetScrollInfo(w, bar, &si, redraw); };
  };
  return {
      {"page is cut to the range",
       Standard,
       set_info(SB_VERT, Info(SIF_RANGE | SIF_PAGE, 0, 99, 500)),
       40,
       kStandard,
       {0, 99, 100, 40, 0, 0}},
      {"page 0 lets the position reach maximum + 1",
       Standard,
       set_info(SB_VERT, Info(SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 0, 500)),
       101,
       kStandard,
       {0, 100, 0, 101, 1, 0}},
      {"position is clamped to maximum - page + 1",
       Standard,
       set_info(SB_HORZ, Info(SIF_POS, 0, 0, 0, 200)),
       91,
       {0, 100, 10, 91, 1, 0},
       kStandard},
      {"position is raised to the minimum",
       Standard,
       set_info(SB_HORZ, Info(SIF_RANGE | SIF_POS, 20, 100, 0, 3)),
       20,
       {20, 100, 10, 20, 1, 0},
       kStandard},
      {"SB_CTL sets the vertical block, invalidates and returns the position",
       Standard,
       set_info(SB_CTL, Info(SIF_POS, 0, 0, 0, 7)),
       7,
       kStandard,
       {0, 100, 10, 7, 1, 0},
       true},
      {"a page covering the range hides the bar",
       Standard,
       set_info(SB_VERT, Info(SIF_RANGE | SIF_PAGE, 0, 9, 10)),
       40,
       kStandard,
       {0, 9, 10, 40, 0, 0}},
      {"a hidden bar with a scrollable range is shown",
       [](ScrollState& s) {
         Standard(s);
         SetBar(s.horizontal, 0, 0, 0, 0, 0);
       },
       set_info(SB_HORZ, Info(SIF_RANGE | SIF_PAGE, 0, 50, 5)),
       0,
       {0, 50, 5, 0, 1, 0},
       kStandard},
      {"an empty range hides the bar",
       Standard,
       set_info(SB_HORZ, Info(SIF_RANGE | SIF_PAGE, 0, 0, 0)),
       40,
       {0, 0, 0, 40, 0, 0},
       kStandard},
      {"SIF_DISABLENOSCROLL keeps the bar, disabled",
       [](ScrollState& s) {
         Standard(s);
         SetBar(s.horizontal, 0, 0, 0, 0, 0);
       },
       set_info(SB_HORZ, Info(SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 9, 10)),
       0,
       {0, 9, 10, 0, 1, 1},
       kStandard},
      {"SetScrollPos clamps and returns the old position",
       Standard,
       [](HWND w) { return SetScrollPos(w, SB_VERT, 500, TRUE); },
       40,
       kStandard,
       {0, 100, 10, 91, 1, 0}},
      {"SetScrollPos on SB_CTL invalidates",
       Standard,
       [](HWND w) { return SetScrollPos(w, SB_CTL, 5, FALSE); },
       40,
       kStandard,
       {0, 100, 10, 5, 1, 0},
       true},
      {"SetScrollRange during a thumb drag changes nothing",
       [](ScrollState& s) {
         Standard(s);
         s.dragging = 1;
       },
       [](HWND w) { return SetScrollRange(w, SB_VERT, 0, 5, TRUE); }, 40, kStandard, kStandard},
      {"SetScrollRange with equal ends hides the bar",
       Standard,
       [](HWND w) { return SetScrollRange(w, SB_HORZ, 5, 5, TRUE); },
       1,
       {5, 5, 10, 40, 0, 0},
       kStandard},
      {"SetScrollRange with different ends shows the bar",
       [](ScrollState& s) {
         Standard(s);
         SetBar(s.vertical, 0, 0, 0, 0, 0);
       },
       [](HWND w) { return SetScrollRange(w, SB_VERT, 0, 30, TRUE); },
       1,
       kStandard,
       {0, 30, 0, 0, 1, 0}},
      {"SetScrollRange on SB_CTL invalidates and returns 1",
       Standard,
       [](HWND w) { return SetScrollRange(w, SB_CTL, 1, 2, TRUE); },
       1,
       kStandard,
       {1, 2, 10, 40, 1, 0},
       true},
      {"EnableScrollBar SB_BOTH disables both bars",
       Standard,
       [](HWND w) { return EnableScrollBar(w, SB_BOTH, ESB_DISABLE_BOTH); },
       1,
       {0, 0, 0, 40, 1, 1},
       {0, 0, 0, 40, 1, 1}},
      {"EnableScrollBar SB_BOTH with no arrows enables both",
       [](ScrollState& s) {
         Standard(s);
         s.horizontal.disabled = s.vertical.disabled = 1;
       },
       [](HWND w) { return EnableScrollBar(w, SB_BOTH, ESB_ENABLE_BOTH); }, 1, kStandard, kStandard},
      {"EnableScrollBar SB_HORZ leaves the vertical bar",
       Standard,
       [](HWND w) { return EnableScrollBar(w, SB_HORZ, ESB_DISABLE_LTUP); },
       1,
       {0, 0, 0, 40, 1, 1},
       kStandard},
      {"EnableScrollBar SB_CTL only marks the control",
       Standard,
       [](HWND w) { return EnableScrollBar(w, SB_CTL, ESB_DISABLE_BOTH); },
       1,
       kStandard,
       {0, 100, 10, 40, 1, 1},
       true},
      {"EnableScrollBar on no bar fails and changes nothing", Standard,
       [](HWND w) { return EnableScrollBar(w, 7, ESB_DISABLE_BOTH); }, 0, kStandard, kStandard},
      {"an unknown bar makes the set functions fail", Standard,
       [](HWND w) {
         SCROLLINFO si = Info(SIF_POS, 0, 0, 0, 5);
         return SetScrollInfo(w, 3, &si, TRUE) + SetScrollPos(w, 3, 5, TRUE) +
                SetScrollRange(w, 3, 0, 5, TRUE);
       },
       0, kStandard, kStandard},
  };
}

class ScrollFunctions : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<testing::TestWindow>(WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL);
  }
  void TearDown() override { window_.reset(); }

  // Hangs `state` on the window, with the window's scroll styles matching its shown flags.
  void Attach(ScrollState& state) {
    const HWND w = window_->handle();
    ShowScrollBar(w, SB_HORZ, state.horizontal.shown);
    ShowScrollBar(w, SB_VERT, state.vertical.shown);
    SetScrollState(w, &state);
    testing::PumpMessages();
    ValidateRect(w, nullptr);
  }
  void Detach() { SetScrollState(window_->handle(), nullptr); }
  bool HasStyle(DWORD bit) const { return (GetWindowLongW(window_->handle(), GWL_STYLE) & bit) != 0; }

  testing::Intercepted patches_;
  std::unique_ptr<testing::TestWindow> window_;
};

TEST_F(ScrollFunctions, SetFunctionsStoreInTheBlock) {
  for (const auto& c : Cases()) {
    ScrollState state{};
    c.setup(state);
    Attach(state);
    const ScrollState before = state;
    const HWND w = window_->handle();
    EXPECT_EQ(c.call(w), c.result) << c.name;
    ExpectBar(state.horizontal, c.horizontal, c.name + " (horizontal)");
    ExpectBar(state.vertical, c.vertical, c.name + " (vertical)");
    // Show and hide act on the window itself.
    EXPECT_EQ(HasStyle(WS_HSCROLL), state.horizontal.shown != 0) << c.name;
    EXPECT_EQ(HasStyle(WS_VSCROLL), state.vertical.shown != 0) << c.name;
    // SB_CTL invalidates the window; otherwise only showing or hiding a bar repaints its frame.
    const bool frame_changed =
        state.horizontal.shown != before.horizontal.shown || state.vertical.shown != before.vertical.shown;
    RECT update;
    if (!frame_changed) {
      EXPECT_EQ(GetUpdateRect(w, &update, FALSE) != FALSE, c.invalidates) << c.name;
    }
    Detach();
  }
}

TEST_F(ScrollFunctions, GetFunctionsReadTheBlock) {
  ScrollState state{};
  SetBar(state.horizontal, -5, 50, 7, 12);
  state.horizontal.info.nTrackPos = 13;
  SetBar(state.vertical, 1, 9, 2, 3);
  Attach(state);
  const HWND w = window_->handle();

  SCROLLINFO si = Info(SIF_ALL);
  EXPECT_TRUE(GetScrollInfo(w, SB_HORZ, &si));
  EXPECT_EQ(si.nMin, -5);
  EXPECT_EQ(si.nMax, 50);
  EXPECT_EQ(si.nPage, 7u);
  EXPECT_EQ(si.nPos, 12);
  EXPECT_EQ(si.nTrackPos, 13);
  si = Info(SIF_POS);
  EXPECT_TRUE(GetScrollInfo(w, SB_CTL, &si));  // SB_CTL reads the vertical block
  EXPECT_EQ(si.nPos, 3);
  EXPECT_EQ(GetScrollPos(w, SB_HORZ), 12);
  EXPECT_EQ(GetScrollPos(w, SB_VERT), 3);
  int lo = 0, hi = 0;
  EXPECT_TRUE(GetScrollRange(w, SB_VERT, &lo, &hi));
  EXPECT_EQ(lo, 1);
  EXPECT_EQ(hi, 9);

  // Unknown bars and missing out-pointers fail with 0.
  EXPECT_FALSE(GetScrollInfo(w, 5, &si));
  EXPECT_EQ(GetScrollPos(w, 5), 0);
  EXPECT_FALSE(GetScrollRange(w, SB_VERT, nullptr, &hi));
  EXPECT_FALSE(GetScrollRange(w, 5, &lo, &hi));
  Detach();
}

TEST_F(ScrollFunctions, BarsAreRepaintedOnlyWhenAskedAndLaidOut) {
  static int painted = 0;
  SetScrollBarPainter([](HWND, ScrollState*) { ++painted; });
  ScrollState state{};
  Standard(state);
  Attach(state);
  const HWND w = window_->handle();
  SetScrollPos(w, SB_VERT, 5, TRUE);
  EXPECT_EQ(painted, 0);  // bars not laid out yet
  state.painted = 1;
  SetScrollPos(w, SB_VERT, 6, FALSE);
  EXPECT_EQ(painted, 0);
  SetScrollPos(w, SB_VERT, 7, TRUE);
  SCROLLINFO si = Info(SIF_POS, 0, 0, 0, 8);
  SetScrollInfo(w, SB_HORZ, &si, TRUE);
  SetScrollRange(w, SB_HORZ, 0, 90, TRUE);
  EnableScrollBar(w, SB_VERT, ESB_ENABLE_BOTH);
  EXPECT_EQ(painted, 4);
  SetScrollBarPainter(nullptr);
  Detach();
}

TEST_F(ScrollFunctions, ScrollBarInfoKeepsTheStateButEmptiesTheRectangle) {
  const HWND w = window_->handle();
  SCROLLBARINFO plain{};
  plain.cbSize = sizeof plain;
  ASSERT_TRUE(GetScrollBarInfo(w, OBJID_VSCROLL, &plain));
  ASSERT_FALSE(IsRectEmpty(&plain.rcScrollBar));
  ScrollState state{};
  Standard(state);
  Attach(state);
  SCROLLBARINFO skinned{};
  skinned.cbSize = sizeof skinned;
  ASSERT_TRUE(GetScrollBarInfo(w, OBJID_VSCROLL, &skinned));
  EXPECT_TRUE(IsRectEmpty(&skinned.rcScrollBar));
  for (int i = 0; i < CCHILDREN_SCROLLBAR + 1; ++i) EXPECT_EQ(skinned.rgstate[i], plain.rgstate[i]) << i;
  Detach();
}

// Without the block every call reaches the system and answers as it would unpatched.
TEST(ScrollPassThrough, WindowsWithoutABlockBehaveAsUnpatched) {
  auto run = [] {
    testing::TestWindow window(WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL);
    const HWND w = window.handle();
    std::vector<int> results;
    SCROLLINFO si = Info(SIF_RANGE | SIF_PAGE | SIF_POS, 0, 200, 20, 150);
    results.push_back(SetScrollInfo(w, SB_VERT, &si, TRUE));
    results.push_back(SetScrollPos(w, SB_VERT, 400, TRUE));
    results.push_back(GetScrollPos(w, SB_VERT));
    results.push_back(SetScrollRange(w, SB_HORZ, 3, 30, TRUE));
    int lo = 0, hi = 0;
    results.push_back(GetScrollRange(w, SB_HORZ, &lo, &hi));
    results.push_back(lo);
    results.push_back(hi);
    SCROLLINFO out = Info(SIF_ALL);
    results.push_back(GetScrollInfo(w, SB_VERT, &out));
    results.push_back(out.nMin);
    results.push_back(out.nMax);
    results.push_back(static_cast<int>(out.nPage));
    results.push_back(out.nPos);
    results.push_back(EnableScrollBar(w, SB_HORZ, ESB_DISABLE_BOTH));
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    results.push_back(GetScrollBarInfo(w, OBJID_HSCROLL, &info));
    results.push_back(info.rcScrollBar.right - info.rcScrollBar.left);
    results.push_back(static_cast<int>(info.rgstate[0]));
    results.push_back(GetScrollPos(w, 9));
    return results;
  };
  const auto plain = run();
  testing::Intercepted patches;
  EXPECT_EQ(run(), plain);
}

}  // namespace
}  // namespace tebix
