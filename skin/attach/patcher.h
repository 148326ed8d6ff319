// Patching one system entry point in memory: the first whole instructions move
// into a trampoline inside the library and the entry jumps to a replacement.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "skin/attach/trampoline_code.h"

namespace tebix {

enum class PatchStatus : uint8_t {
  kOk,
  kNoFunction,         // the import leads to no readable code
  kAlreadyPatched,     // this entry point is patched already
  kOwnCode,            // the jumps lead into the library itself: someone patched it for us
  kNotRelocatable,     // the start of the function cannot be moved (see `plan`)
  kProtection,         // the memory protection could not be changed (see `error`)
  kTrampolineChanged,  // removal: the trampoline is no longer what installation left
  kEntryChanged,       // removal: the entry no longer jumps to the replacement
  kNotPatched,         // removal of an entry that is not patched
};

const char* PatchStatusName(PatchStatus s);

struct PatchResult {
  PatchStatus status = PatchStatus::kOk;
  x86::PlanFailure plan = x86::PlanFailure::kNone;
  x86::Refusal refusal = x86::Refusal::kNone;
  DWORD error = 0;  // system error code; ERROR_INVALID_DATA when removal finds a mismatch
  bool ok() const { return status == PatchStatus::kOk; }
};

// One entry point and what patching it needs.
struct PatchSite {
  uint8_t* trampoline = nullptr;      // x86::kTrampolineSize executable bytes inside the library
  const void* replacement = nullptr;  // where the entry jumps while patched
  uint8_t* entry = nullptr;           // the patched function's first byte, while patched
  std::atomic<bool> patched{false};   // set once the trampoline is ready, before the entry jumps
};

// The function that an import names: a jump through memory (FF 25) at that address is
// followed, then a relative jump (E9). Null when there is no readable code.
uint8_t* ResolveFunction(const void* import_address);

PatchResult InstallPatch(PatchSite& site, const void* import_address);
PatchResult RemovePatch(PatchSite& site);

}  // namespace tebix
