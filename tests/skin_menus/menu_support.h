// What the menu tests share: an ANSI form that owns the menus and records
// what its procedure saw, a menu opened and looked at from inside its own
// loop (and always closed again), and screen captures of windows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "skin/attach/frame.h"
#include "tests/skin_engine/engine_support.h"

namespace tebix::test {

// Item data of the application's own owner-drawn items: the form measures
// them kAppItemWidth x kAppItemHeight and draws them in kAppItemBackground,
// with a blue block at x 2-11 and a red one at x 20-29.
inline constexpr ULONG_PTR kAppItemData = 0xA11;
inline constexpr int kAppItemWidth = 60;
inline constexpr int kAppItemHeight = 20;
inline constexpr COLORREF kAppItemBackground = RGB(10, 200, 10);

struct FormLog {
  std::vector<WPARAM> commands;      // WM_COMMAND ids
  std::vector<HDC> app_item_dcs;     // where the application was asked to draw its items
  std::vector<RECT> drop_downs;      // popups seen open (screen rectangles)
};
FormLog& Log();

// Called on every WM_TIMER of the form's test timers while a menu is open.
using MenuStep = std::function<void(HWND owner)>;

// A window's pixels as the screen shows them, non-client area included.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB
  COLORREF At(int x, int y) const;
};
Capture CaptureWindow(HWND window);

// The part's look at `x`, `y` when drawn over a `width` x `height` rectangle.
COLORREF PartPixel(int part, int width, int height, int x, int y);

class MenuTest : public EngineTest {
 protected:
  void SetUp() override;
  // A visible form of the skinned kind, owner of the test menus.
  HWND Form(int width = 360, int height = 240, HMENU bar = nullptr);
  // Opens `menu` at (x, y) on `owner`; `inspect` runs once the popup is
  // shown and painted, with its window, then the menu closes. Returns when
  // it has closed (at the latest after a few seconds).
  void OpenMenu(HWND owner, HMENU menu, const std::function<void(HWND popup)>& inspect, int x = 120, int y = 100);
  // Steps run one after the other, `interval` ms apart, while whatever
  // menu the form has open runs its loop; the last closes the menu.
  void RunSteps(HWND owner, std::vector<MenuStep> steps, UINT interval = 120);
  void TearDown() override;

 private:
  std::vector<HWND> owned_;
};

// `inspect` runs once, with the popup, when the next menu the form opens
// (from a bar click, say) is shown and painted; the menu then closes.
void InspectNextMenu(std::function<void(HWND popup)> inspect);

FrameWindow* FrameOf(HWND window);
// The visible popup menu window of this thread, or null.
HWND OpenPopup();

}  // namespace tebix::test
