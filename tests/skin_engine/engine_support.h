// Shared pieces of the engine tests: the engine started once for the test
// program with the default skin attached, probe renderers that record what
// reaches them, and windows made and read back by the tests.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "skin/attach/creation_hook.h"
#include "skin/attach/skinned_window.h"
#include "tests/common/window_checks.h"

namespace tebix::test {

// Everything a probe renderer saw, by window.
struct ProbeLog {
  std::map<HWND, std::vector<UINT>> messages;  // in arrival order
  int alive = 0;                               // probe objects not yet deleted
  int deleted = 0;
  void Clear() { *this = {}; }
};
ProbeLog& Probes();

// A renderer that records every message and passes it on.
class Probe : public SkinnedWindow {
 public:
  explicit Probe(HWND window);
  ~Probe() override;
  bool destroyed_during_call = false;
};
LRESULT ProbeProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam);
std::unique_ptr<SkinnedWindow> CreateProbe(HWND window);

// Puts the probe in the dispatch table for these renderers, beside the real ones.
void UseProbesFor(std::initializer_list<RendererId> ids);
// Takes these renderers out of the dispatch table for the rest of the test.
void LeaveOut(std::initializer_list<RendererId> ids);

// The engine runs for the whole test program; each test starts with the
// default skin attached and the real renderers, and ends with the skin
// detached and its windows gone.
class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A window destroyed at the end of the test.
  HWND Make(const wchar_t* class_name, DWORD style, DWORD ex_style = 0, HWND parent = nullptr, int width = 120,
            int height = 40, const wchar_t* text = L"");
  HWND MakeAnsi(const char* class_name, DWORD style, DWORD ex_style = 0, HWND parent = nullptr);
  // A visible top-level window to put children in.
  HWND Parent();

 private:
  std::vector<HWND> windows_;
  HWND parent_ = nullptr;
};

// Registers a class on the button-face background, once: wide with `proc`
// (DefWindowProcW unless given), or ANSI with DefWindowProcA.
void RegisterPlainClass(const wchar_t* name, WNDPROC proc = DefWindowProcW);
void RegisterPlainClassA(const char* name);
// Registers `name` as a copy of the system class `base`, as a runtime that
// wraps the standard controls does.
void RegisterSuperclassA(const char* name, const char* base);

// An owner's window procedure that answers WM_DRAWITEM by filling the item
// red and keeping what it was asked in DrawRequests().
LRESULT CALLBACK RedFillingOwnerProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
std::vector<DRAWITEMSTRUCT>& DrawRequests();

// The colour of pixel (x, y) of the window, non-client area included, as
// the screen shows it.
COLORREF WindowPixel(HWND window, int x, int y);

}  // namespace tebix::test
