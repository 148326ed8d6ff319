// Interception of 21 USER32 and GDI32 entry points for the whole process.
//
// The engine installs it at start and removes it at stop. While installed, every
// call of one of these functions, from any module and any thread, reaches the
// library's replacement, which serves it from skin state when the window or DC
// takes part in skinning and otherwise passes it on to the real function. Each
// entry point is patched or restored on its own; one that cannot be patched
// simply stays as it is and the engine runs without that interception.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "skin/attach/patcher.h"

namespace tebix {

// The intercepted functions, in the order they are installed.
enum class HookedFunction : uint8_t {
  kMoveWindow,
  kTextOutA,
  kTextOutW,
  kExtTextOutA,
  kExtTextOutW,
  kDrawTextExA,
  kDrawTextExW,
  kBeginPaint,
  kEndPaint,
  kGetDC,
  kGetDCEx,
  kGetWindowDC,
  kReleaseDC,
  kGetScrollInfo,
  kGetScrollPos,
  kGetScrollRange,
  kGetScrollBarInfo,
  kSetScrollInfo,
  kSetScrollPos,
  kSetScrollRange,
  kEnableScrollBar,
};

inline constexpr size_t kHookedFunctionCount = 21;

// Removal takes the text functions first, then MoveWindow, then the rest in install order.
extern const std::array<HookedFunction, kHookedFunctionCount> kRemovalOrder;

const char* HookedFunctionName(HookedFunction f);

struct HookOutcome {
  HookedFunction function;
  PatchResult result;
};

// Outcomes in the order the entry points were handled.
using InterceptionReport = std::array<HookOutcome, kHookedFunctionCount>;

InterceptionReport InstallInterception();
InterceptionReport RemoveInterception();

bool IsIntercepted(HookedFunction f);

// The real function: its trampoline while intercepted, the system function otherwise.
// The library's own drawing calls the real functions through `real_functions.h`.
void* RealFunction(HookedFunction f);

// The code that patching `f` changes (the system function after following its jumps),
// or null when there is none. Meant for checks; it does not patch anything.
const uint8_t* InterceptedEntry(HookedFunction f);

}  // namespace tebix
