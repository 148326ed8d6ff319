#include "skin/attach/interception.h"

#include "skin/attach/replacements.h"

// The trampolines: one 32-byte stub per intercepted function, in the library's own
// code section (made writable only while a trampoline is written).
asm(".section .text$tebix_trampolines,\"xr\"\n"
    ".balign 32\n"
    "tebix_trampolines:\n"
    ".fill 672, 1, 0xCC\n"
    ".text\n");
extern "C" unsigned char tebix_trampolines[] __asm__("tebix_trampolines");
static_assert(672 == 21 * 32, "one trampoline per intercepted function");

namespace tebix {

namespace {

struct Hook {
  const char* name;
  const void* import;  // the address the library's import names
  const void* replacement;
  PatchSite site;
};

template <typename Fn>
const void* Code(Fn* f) {
  return reinterpret_cast<const void*>(f);
}

// Filled on first use: the import addresses are only known once the library is loaded.
Hook* Hooks() {
  static Hook hooks[kHookedFunctionCount] = {
      {"MoveWindow", Code(&::MoveWindow), Code(&SkinMoveWindow), {}},
      {"TextOutA", Code(&::TextOutA), Code(&SkinTextOutA), {}},
      {"TextOutW", Code(&::TextOutW), Code(&SkinTextOutW), {}},
      {"ExtTextOutA", Code(&::ExtTextOutA), Code(&SkinExtTextOutA), {}},
      {"ExtTextOutW", Code(&::ExtTextOutW), Code(&SkinExtTextOutW), {}},
      {"DrawTextExA", Code(&::DrawTextExA), Code(&SkinDrawTextExA), {}},
      {"DrawTextExW", Code(&::DrawTextExW), Code(&SkinDrawTextExW), {}},
      {"BeginPaint", Code(&::BeginPaint), Code(&SkinBeginPaint), {}},
      {"EndPaint", Code(&::EndPaint), Code(&SkinEndPaint), {}},
      {"GetDC", Code(&::GetDC), Code(&SkinGetDC), {}},
      {"GetDCEx", Code(&::GetDCEx), Code(&SkinGetDCEx), {}},
      {"GetWindowDC", Code(&::GetWindowDC), Code(&SkinGetWindowDC), {}},
      {"ReleaseDC", Code(&::ReleaseDC), Code(&SkinReleaseDC), {}},
      {"GetScrollInfo", Code(&::GetScrollInfo), Code(&SkinGetScrollInfo), {}},
      {"GetScrollPos", Code(&::GetScrollPos), Code(&SkinGetScrollPos), {}},
      {"GetScrollRange", Code(&::GetScrollRange), Code(&SkinGetScrollRange), {}},
      {"GetScrollBarInfo", Code(&::GetScrollBarInfo), Code(&SkinGetScrollBarInfo), {}},
      {"SetScrollInfo", Code(&::SetScrollInfo), Code(&SkinSetScrollInfo), {}},
      {"SetScrollPos", Code(&::SetScrollPos), Code(&SkinSetScrollPos), {}},
      {"SetScrollRange", Code(&::SetScrollRange), Code(&SkinSetScrollRange), {}},
      {"EnableScrollBar", Code(&::EnableScrollBar), Code(&SkinEnableScrollBar), {}},
  };
  static const bool placed = [] {
    for (size_t i = 0; i < kHookedFunctionCount; ++i) {
      hooks[i].site.trampoline = tebix_trampolines + i * x86::kTrampolineSize;
      hooks[i].site.replacement = hooks[i].replacement;
    }
    return true;
  }();
  (void)placed;
  return hooks;
}

Hook& HookFor(HookedFunction f) {
  return Hooks()[static_cast<size_t>(f)];
}

}  // namespace

const std::array<HookedFunction, kHookedFunctionCount> kRemovalOrder = {
    HookedFunction::kExtTextOutA,    HookedFunction::kExtTextOutW,      HookedFunction::kTextOutA,
    HookedFunction::kTextOutW,       HookedFunction::kDrawTextExA,      HookedFunction::kDrawTextExW,
    HookedFunction::kMoveWindow,     HookedFunction::kBeginPaint,       HookedFunction::kEndPaint,
    HookedFunction::kGetDC,          HookedFunction::kGetDCEx,          HookedFunction::kGetWindowDC,
    HookedFunction::kReleaseDC,      HookedFunction::kGetScrollInfo,    HookedFunction::kGetScrollPos,
    HookedFunction::kGetScrollRange, HookedFunction::kGetScrollBarInfo, HookedFunction::kSetScrollInfo,
    HookedFunction::kSetScrollPos,   HookedFunction::kSetScrollRange,   HookedFunction::kEnableScrollBar,
};

const char* HookedFunctionName(HookedFunction f) {
  const auto i = static_cast<size_t>(f);
  return i < kHookedFunctionCount ? HookFor(f).name : "?";
}

InterceptionReport InstallInterception() {
  InterceptionReport report;
  for (size_t i = 0; i < kHookedFunctionCount; ++i) {
    const auto f = static_cast<HookedFunction>(i);
    Hook& hook = HookFor(f);
    report[i] = {f, InstallPatch(hook.site, hook.import)};
  }
  return report;
}

InterceptionReport RemoveInterception() {
  InterceptionReport report;
  for (size_t i = 0; i < kHookedFunctionCount; ++i) {
    const HookedFunction f = kRemovalOrder[i];
    report[i] = {f, RemovePatch(HookFor(f).site)};
  }
  return report;
}

bool IsIntercepted(HookedFunction f) {
  return HookFor(f).site.patched;
}

void* RealFunction(HookedFunction f) {
  Hook& hook = HookFor(f);
  return const_cast<void*>(hook.site.patched ? static_cast<const void*>(hook.site.trampoline) : hook.import);
}

const uint8_t* InterceptedEntry(HookedFunction f) {
  Hook& hook = HookFor(f);
  if (hook.site.patched) return hook.site.entry;
  return ResolveFunction(hook.import);
}

}  // namespace tebix
