// What the whole-gallery tests share: the renderers the dispatch table names
// that do not exist yet, gallery pages hosted in a window of their own,
// synthetic mouse and keyboard input over a page, the checks that nothing is
// left subclassed, and the process figures the soak watches.
#pragma once

#include <windows.h>

#include <cstddef>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "skin/attach/dispatch.h"

namespace tebix::test {

// Renderers that rows of the dispatch table choose but that are not built
// yet: their windows stay unmarked and unskinned. Every row has its renderer
// now; a row added later without one is listed here until its renderer
// lands. The tests fail both when a listed renderer turns up (the list is
// stale) and when an unlisted one is missing.
inline constexpr std::array<RendererId, 0> kStillMissing{};
bool IsStillMissing(RendererId id);

// The VB6 toolbar row's renderer on this system, as the engine resolves it
// from the size of the system's control library.
RendererId VbToolbarOnThisSystem();

// The renderer the dispatch table chooses for a window from its class name
// and styles (the VB6 toolbar resolved); kNone for unlisted classes and for
// styles the table leaves unskinned.
RendererId ChosenRenderer(HWND window);
std::wstring ClassOf(HWND window);

// A gallery page built into a visible pop-up of its own at the screen's
// top-left corner. Building records every window's procedure as it was made.
class HostedPage {
 public:
  explicit HostedPage(const wchar_t* name);
  ~HostedPage();
  HostedPage(const HostedPage&) = delete;
  HostedPage& operator=(const HostedPage&) = delete;

  HWND host() const { return host_; }
  HWND panel() const { return panel_; }
  std::vector<HWND> Windows() const;
  // Paints every window of the page now, frames included.
  void PaintAll() const;
  // The procedure each window had when the page was built.
  const std::map<HWND, WNDPROC>& BuiltProcs() const { return procs_; }
  void Close();

 private:
  HWND host_ = nullptr;
  HWND panel_ = nullptr;
  std::map<HWND, WNDPROC> procs_;
};

// Handles the thread's messages for `ms` milliseconds (at least once).
void PumpFor(int ms);

// While alive, a thread timer closes any popup menu the input opens (menus
// run a modal loop of their own) and notes, for every menu window it sees,
// whether it carried "Tebix".
class MenuCloser {
 public:
  MenuCloser();
  ~MenuCloser();
  int menus_seen() const;
  int menus_skinned() const;
};

// Synthetic input over `windows`: the cursor moved across each visible one,
// clicks (posted, so that controls with a tracking loop see the button go
// up), the wheel, and keys. `round` varies the points and keys.
void Exercise(const std::vector<HWND>& windows, int round);
// Cursor moves only: hover states come and go.
void Hover(const std::vector<HWND>& windows);

// Every window of this thread (top-level windows and their descendants).
std::vector<HWND> ThreadWindows();

// Windows among `windows` still carrying one of the engine's object
// properties, or whose procedure lies in the engine's module, or (for the
// windows in `built`) differs from the one recorded when the page was
// built. Described one per line, empty when none.
std::string LeftSubclassed(const std::vector<HWND>& windows, HMODULE engine,
                           const std::map<HWND, WNDPROC>& built = {});

// The process figures the soak watches.
struct Figures {
  int gdi = 0;                // live GDI objects
  int user = 0;               // USER objects (0 where the system does not count them)
  int windows = 0;            // windows of the thread
  std::size_t heap = 0;       // bytes in use in the process heaps
  std::size_t private_ = 0;   // private bytes of the process
};
Figures Measure();

}  // namespace tebix::test
