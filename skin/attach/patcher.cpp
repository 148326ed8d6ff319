#include "skin/attach/patcher.h"

#include <algorithm>
#include <cstring>

namespace tebix {

namespace {

// Bytes that can be read from `p` to the end of its memory region (0 when unreadable).
size_t ReadableBytes(const void* p) {
  MEMORY_BASIC_INFORMATION info;
  if (!p || VirtualQuery(p, &info, sizeof info) != sizeof info) return 0;
  if (info.State != MEM_COMMIT || (info.Protect & (PAGE_NOACCESS | PAGE_GUARD)) || info.Protect == 0)
    return 0;
  const auto end = reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize;
  return end - reinterpret_cast<uintptr_t>(p);
}

uint32_t Address(const void* p) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p));
}

HMODULE ModuleOf(const void* p) {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     static_cast<LPCWSTR>(p), &module);
  return module;
}

PatchResult Failure(PatchStatus status, DWORD error = 0) {
  PatchResult r;
  r.status = status;
  r.error = error;
  return r;
}

// Writes `n` bytes over live code: flush, make writable, copy, flush, restore the protection.
bool WriteCode(void* at, const void* bytes, size_t n, DWORD* error) {
  const HANDLE process = GetCurrentProcess();
  FlushInstructionCache(process, at, n);
  DWORD old_protection = 0;
  if (!VirtualProtect(at, n, PAGE_EXECUTE_READWRITE, &old_protection)) {
    *error = GetLastError();
    return false;
  }
  auto* code = static_cast<uint8_t*>(at);
  if ((reinterpret_cast<uintptr_t>(code) & 7) == 0 && n <= 8) {
    // One locked store, so that another thread never runs a half-written jump.
    auto* word = reinterpret_cast<volatile LONG64*>(code);
    LONG64 old_value, new_value;
    do {
      std::memcpy(&old_value, code, 8);
      new_value = old_value;
      std::memcpy(&new_value, bytes, n);
    } while (InterlockedCompareExchange64(word, new_value, old_value) != old_value);
  } else {
    std::memcpy(code, bytes, n);
  }
  FlushInstructionCache(process, at, n);
  DWORD unused;
  VirtualProtect(at, n, old_protection, &unused);
  return true;
}

}  // namespace

const char* PatchStatusName(PatchStatus s) {
  switch (s) {
    case PatchStatus::kOk:
      return "patched";
    case PatchStatus::kNoFunction:
      return "no readable function";
    case PatchStatus::kAlreadyPatched:
      return "already patched";
    case PatchStatus::kOwnCode:
      return "leads into the library itself";
    case PatchStatus::kNotRelocatable:
      return "start of the function cannot be moved";
    case PatchStatus::kProtection:
      return "memory protection not changed";
    case PatchStatus::kTrampolineChanged:
      return "trampoline changed";
    case PatchStatus::kEntryChanged:
      return "entry no longer jumps to the replacement";
    case PatchStatus::kNotPatched:
      return "not patched";
  }
  return "?";
}

uint8_t* ResolveFunction(const void* import_address) {
  auto* p = static_cast<uint8_t*>(const_cast<void*>(import_address));
  if (ReadableBytes(p) >= 6 && p[0] == 0xFF && p[1] == 0x25) {
    uint32_t slot;
    std::memcpy(&slot, p + 2, 4);
    const void* slot_address = reinterpret_cast<const void*>(static_cast<uintptr_t>(slot));
    if (ReadableBytes(slot_address) < 4) return nullptr;
    uint32_t target;
    std::memcpy(&target, slot_address, 4);
    p = reinterpret_cast<uint8_t*>(static_cast<uintptr_t>(target));
  }
  if (ReadableBytes(p) >= 5 && p[0] == 0xE9) {
    int32_t rel;
    std::memcpy(&rel, p + 1, 4);
    p = reinterpret_cast<uint8_t*>(static_cast<uintptr_t>(Address(p) + 5 + static_cast<uint32_t>(rel)));
  }
  return ReadableBytes(p) > 0 ? p : nullptr;
}

PatchResult InstallPatch(PatchSite& site, const void* import_address) {
  if (site.patched) return Failure(PatchStatus::kAlreadyPatched);
  uint8_t* entry = ResolveFunction(import_address);
  if (!entry) return Failure(PatchStatus::kNoFunction);
  if (ModuleOf(entry) == ModuleOf(site.replacement)) return Failure(PatchStatus::kOwnCode);

  const size_t available = std::min<size_t>(ReadableBytes(entry), 64);
  const x86::TrampolinePlan plan =
      x86::PlanTrampoline(entry, available, Address(entry), Address(site.trampoline));
  if (plan.failure != x86::PlanFailure::kNone) {
    PatchResult r = Failure(PatchStatus::kNotRelocatable);
    r.plan = plan.failure;
    r.refusal = plan.refusal;
    return r;
  }

  // The trampoline first: once the entry jumps, the replacement must reach the real function.
  DWORD error = 0;
  if (!WriteCode(site.trampoline, plan.code.data(), plan.code.size(), &error))
    return Failure(PatchStatus::kProtection, error);
  site.entry = entry;
  site.patched = true;
  const auto jump = x86::EntryJump(Address(entry), Address(site.replacement));
  if (!WriteCode(entry, jump.data(), plan.covered, &error)) {
    site.patched = false;
    site.entry = nullptr;
    return Failure(PatchStatus::kProtection, error);
  }
  return {};
}

PatchResult RemovePatch(PatchSite& site) {
  if (!site.patched) return Failure(PatchStatus::kNotPatched);
  x86::TrampolineBytes trampoline;
  std::memcpy(trampoline.data(), site.trampoline, trampoline.size());
  std::array<uint8_t, x86::kMaximumCover> original;
  size_t covered = 0;
  if (x86::TrampolineIntact(trampoline, Address(site.trampoline), Address(site.entry)))
    covered = x86::RestoredEntry(trampoline, Address(site.trampoline), Address(site.entry), original);
  if (covered == 0) {
    SetLastError(ERROR_INVALID_DATA);
    return Failure(PatchStatus::kTrampolineChanged, ERROR_INVALID_DATA);
  }
  if (ReadableBytes(site.entry) < covered ||
      !x86::JumpsTo(site.entry, Address(site.entry), Address(site.replacement))) {
    SetLastError(ERROR_INVALID_DATA);
    return Failure(PatchStatus::kEntryChanged, ERROR_INVALID_DATA);
  }
  DWORD error = 0;
  if (!WriteCode(site.entry, original.data(), covered, &error))
    return Failure(PatchStatus::kProtection, error);
  // The trampoline stays as it is: a caller still inside it runs the original
  // instructions and jumps back into the restored function.
  site.patched = false;
  site.entry = nullptr;
  return {};
}

}  // namespace tebix
