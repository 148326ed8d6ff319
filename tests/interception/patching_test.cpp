// Installing and removing the 21 patches in the live process.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

#include "skin/attach/interception.h"
#include "skin/attach/real_functions.h"
#include "tests/interception/test_window.h"

namespace tebix {
namespace {

using Snapshot = std::array<std::array<uint8_t, x86::kTrampolineSize>, kHookedFunctionCount>;

Snapshot EntryBytes() {
  Snapshot s{};
  for (size_t i = 0; i < kHookedFunctionCount; ++i) {
    const uint8_t* entry = InterceptedEntry(static_cast<HookedFunction>(i));
    if (entry) std::memcpy(s[i].data(), entry, s[i].size());
  }
  return s;
}

void ExpectSame(const Snapshot& a, const Snapshot& b) {
  for (size_t i = 0; i < kHookedFunctionCount; ++i)
    EXPECT_EQ(a[i], b[i]) << HookedFunctionName(static_cast<HookedFunction>(i));
}

DWORD Protection(const void* p) {
  MEMORY_BASIC_INFORMATION info{};
  VirtualQuery(p, &info, sizeof info);
  return info.Protect;
}

TEST(Patching, AllTwentyOneHookAndUnhookInOrderRestoringEveryByte) {
  const Snapshot before = EntryBytes();
  std::array<DWORD, kHookedFunctionCount> protection{};
  for (size_t i = 0; i < kHookedFunctionCount; ++i)
    protection[i] = Protection(InterceptedEntry(static_cast<HookedFunction>(i)));
  for (size_t i = 0; i < kHookedFunctionCount; ++i)
    ASSERT_NE(InterceptedEntry(static_cast<HookedFunction>(i)), nullptr) << i;

  const InterceptionReport installed = InstallInterception();
  for (size_t i = 0; i < kHookedFunctionCount; ++i) {
    const HookedFunction f = installed[i].function;
    EXPECT_EQ(f, static_cast<HookedFunction>(i));  // install order
    EXPECT_TRUE(installed[i].result.ok())
        << HookedFunctionName(f) << ": " << PatchStatusName(installed[i].result.status) << " / "
        << x86::PlanFailureName(installed[i].result.plan) << " / "
        << x86::RefusalName(installed[i].result.refusal);
    EXPECT_TRUE(IsIntercepted(f));
    const uint8_t* entry = InterceptedEntry(f);
    EXPECT_EQ(entry[0], 0xE9) << HookedFunctionName(f);
    // Code pages are given back their protection; the trampoline is executable, not writable.
    EXPECT_EQ(Protection(entry), protection[i]) << HookedFunctionName(f);
    EXPECT_EQ(Protection(RealFunction(f)), static_cast<DWORD>(PAGE_EXECUTE_READ)) << HookedFunctionName(f);
  }

  const InterceptionReport removed = RemoveInterception();
  for (size_t i = 0; i < kHookedFunctionCount; ++i) {
    EXPECT_EQ(removed[i].function, kRemovalOrder[i]);
    EXPECT_TRUE(removed[i].result.ok()) << HookedFunctionName(removed[i].function);
    EXPECT_FALSE(IsIntercepted(removed[i].function));
    EXPECT_EQ(Protection(InterceptedEntry(removed[i].function)),
              protection[static_cast<size_t>(removed[i].function)]);
  }
  EXPECT_EQ(kRemovalOrder[0], HookedFunction::kExtTextOutA);
  EXPECT_EQ(kRemovalOrder[6], HookedFunction::kMoveWindow);
  EXPECT_EQ(kRemovalOrder[13], HookedFunction::kGetScrollInfo);
  ExpectSame(before, EntryBytes());
}

TEST(Patching, ThousandInstallRemoveCyclesLeaveEveryEntryUnchanged) {
  const Snapshot before = EntryBytes();
  int failures = 0;
  for (int cycle = 0; cycle < 1000; ++cycle) {
    for (const auto& o : InstallInterception()) failures += !o.result.ok();
    for (const auto& o : RemoveInterception()) failures += !o.result.ok();
  }
  EXPECT_EQ(failures, 0);
  ExpectSame(before, EntryBytes());
}

// Draws and takes DCs on its own thread until told to stop.
struct Caller {
  std::atomic<bool> stop{false};
  std::atomic<int> calls{0}, failures{0};

  static DWORD WINAPI Run(void* self) {
    auto* c = static_cast<Caller*>(self);
    HDC memory = CreateCompatibleDC(nullptr);
    while (!c->stop) {
      HDC screen = GetDC(nullptr);
      const bool ok = screen != nullptr && ReleaseDC(nullptr, screen) == 1 && TextOutW(memory, 0, 0, L"x", 1);
      ++c->calls;
      if (!ok) ++c->failures;
    }
    DeleteDC(memory);
    return 0;
  }
};

TEST(Patching, OtherThreadsKeepCallingWhilePatchesComeAndGo) {
  Caller caller;
  HANDLE worker = CreateThread(nullptr, 0, &Caller::Run, &caller, 0, nullptr);
  ASSERT_NE(worker, nullptr);
  while (caller.calls == 0) Sleep(1);
  int patch_failures = 0;
  for (int cycle = 0; cycle < 200; ++cycle) {
    for (const auto& o : InstallInterception()) patch_failures += !o.result.ok();
    for (const auto& o : RemoveInterception()) patch_failures += !o.result.ok();
  }
  caller.stop = true;
  WaitForSingleObject(worker, INFINITE);
  CloseHandle(worker);
  EXPECT_EQ(patch_failures, 0);
  EXPECT_GT(caller.calls.load(), 0);
  EXPECT_EQ(caller.failures.load(), 0);
}

TEST(Patching, SecondInstallIsRefusedWithoutDamage) {
  const Snapshot original = EntryBytes();
  {
    testing::Intercepted once;
    const Snapshot patched = EntryBytes();
    for (const auto& o : InstallInterception()) {
      EXPECT_EQ(o.result.status, PatchStatus::kAlreadyPatched) << HookedFunctionName(o.function);
      EXPECT_TRUE(IsIntercepted(o.function));
    }
    ExpectSame(patched, EntryBytes());

    // A second patcher on an entry that already jumps into this library is refused as well.
    static uint8_t spare[x86::kTrampolineSize];
    PatchSite other;
    other.trampoline = spare;
    other.replacement = reinterpret_cast<const void*>(&EntryBytes);
    const PatchResult r = InstallPatch(other, reinterpret_cast<const void*>(&::GetDC));
    EXPECT_EQ(r.status, PatchStatus::kOwnCode);
    ExpectSame(patched, EntryBytes());

    // And the patched functions still work.
    testing::TestWindow window;
    HDC dc = GetDC(window.handle());
    EXPECT_NE(dc, nullptr);
    EXPECT_EQ(ReleaseDC(window.handle(), dc), 1);
  }
  ExpectSame(original, EntryBytes());
}

// Code built by the test in a page of its own.
class CodePage {
 public:
  CodePage()
      : base_(static_cast<uint8_t*>(
            VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE))) {
    std::memset(base_, 0xCC, 4096);
  }
  ~CodePage() { VirtualFree(base_, 0, MEM_RELEASE); }
  uint8_t* at(size_t offset) const { return base_ + offset; }
  void Put(size_t offset, std::initializer_list<uint8_t> bytes) const {
    std::copy(bytes.begin(), bytes.end(), base_ + offset);
  }

 private:
  uint8_t* base_;
};

void PutAddress(uint8_t* at, const void* value) {
  const auto v = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(value));
  std::memcpy(at, &v, 4);
}

int WINAPI ReplacementForTest();

TEST(Patching, ImportsAreFollowedThroughThunksAndUnmovableStartsRefused) {
  CodePage page;
  // 0x000: jmp [0x100]; 0x100 holds 0x200; 0x200: jmp rel32 to 0x300; 0x300: a function.
  uint8_t* thunk = page.at(0);
  page.Put(0, {0xFF, 0x25});
  PutAddress(page.at(2), page.at(0x100));
  PutAddress(page.at(0x100), page.at(0x200));
  page.Put(0x200, {0xE9});
  const uint32_t rel = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(page.at(0x300)) -
                                             reinterpret_cast<uintptr_t>(page.at(0x205)));
  std::memcpy(page.at(0x201), &rel, 4);
  page.Put(0x300, {0x8B, 0xFF, 0x55, 0x8B, 0xEC, 0x5D, 0x33, 0xC0, 0xC3});
  EXPECT_EQ(ResolveFunction(thunk), page.at(0x300));
  EXPECT_EQ(ResolveFunction(page.at(0x300)), page.at(0x300));
  EXPECT_EQ(ResolveFunction(nullptr), nullptr);

  static uint8_t spare[x86::kTrampolineSize];
  struct Refused {
    size_t at;
    std::initializer_list<uint8_t> code;
    x86::PlanFailure why;
  };
  const Refused refused[] = {
      {0x400, {0xC3}, x86::PlanFailure::kEndsTooSoon},                          // ret
      {0x410, {0x33, 0xC0, 0xC2, 0x04, 0x00}, x86::PlanFailure::kEndsTooSoon},  // xor eax, eax; ret 4
      {0x420, {0x2E, 0xFF, 0x25, 0, 0, 0, 0}, x86::PlanFailure::kEndsTooSoon},  // jmp cs:[...]
      {0x430, {0x0F, 0x38, 0x00, 0xC0}, x86::PlanFailure::kUndecodable},
      {0x440, {0x85, 0xC0, 0x74, 0x40, 0x90}, x86::PlanFailure::kUnreachable},
  };
  for (const auto& r : refused) {
    page.Put(r.at, r.code);
    const std::vector<uint8_t> before(page.at(r.at), page.at(r.at) + 16);
    PatchSite site;
    site.trampoline = spare;
    site.replacement = reinterpret_cast<const void*>(&ReplacementForTest);
    const PatchResult result = InstallPatch(site, page.at(r.at));
    EXPECT_EQ(result.status, PatchStatus::kNotRelocatable) << r.at;
    EXPECT_EQ(result.plan, r.why) << r.at;
    EXPECT_FALSE(site.patched);
    EXPECT_EQ(std::vector<uint8_t>(page.at(r.at), page.at(r.at) + 16), before) << r.at;
  }
}

// A patch of our own on a function nobody else here uses, to damage on purpose.
int WINAPI ReplacementForTest() {
  return 0;
}

TEST(Patching, RemovalRefusesADamagedTrampolineOrEntry) {
  auto* trampoline =
      static_cast<uint8_t*>(VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE));
  ASSERT_NE(trampoline, nullptr);
  PatchSite site;
  site.trampoline = trampoline;
  site.replacement = reinterpret_cast<const void*>(&ReplacementForTest);
  const void* import = reinterpret_cast<const void*>(&::GetDoubleClickTime);
  uint8_t* entry = ResolveFunction(import);
  ASSERT_NE(entry, nullptr);
  std::array<uint8_t, 16> original;
  std::memcpy(original.data(), entry, original.size());

  const UINT unpatched = GetDoubleClickTime();
  ASSERT_NE(unpatched, 0u);
  ASSERT_TRUE(InstallPatch(site, import).ok());
  EXPECT_EQ(InstallPatch(site, import).status, PatchStatus::kAlreadyPatched);
  EXPECT_EQ(GetDoubleClickTime(), 0u);                                    // the replacement answers
  EXPECT_EQ(reinterpret_cast<UINT(WINAPI*)()>(trampoline)(), unpatched);  // the real function behind it

  auto write_entry = [&](size_t at, uint8_t value) {
    DWORD old;
    VirtualProtect(entry + at, 1, PAGE_EXECUTE_READWRITE, &old);
    const uint8_t previous = entry[at];
    entry[at] = value;
    VirtualProtect(entry + at, 1, old, &old);
    return previous;
  };

  // The entry no longer jumps to our replacement: nothing is restored.
  const uint8_t saved = write_entry(1, static_cast<uint8_t>(entry[1] + 1));
  std::array<uint8_t, 16> damaged;
  std::memcpy(damaged.data(), entry, damaged.size());
  PatchResult r = RemovePatch(site);
  EXPECT_EQ(r.status, PatchStatus::kEntryChanged);
  EXPECT_EQ(r.error, static_cast<DWORD>(ERROR_INVALID_DATA));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DATA));
  EXPECT_EQ(std::memcmp(entry, damaged.data(), damaged.size()), 0);
  write_entry(1, saved);

  // The trampoline's length byte is out of range: nothing is restored either.
  const uint8_t length = trampoline[x86::kLengthByte];
  trampoline[x86::kLengthByte] = 30;
  r = RemovePatch(site);
  EXPECT_EQ(r.status, PatchStatus::kTrampolineChanged);
  EXPECT_EQ(r.error, static_cast<DWORD>(ERROR_INVALID_DATA));
  trampoline[x86::kLengthByte] = length;

  ASSERT_TRUE(RemovePatch(site).ok());
  EXPECT_EQ(std::memcmp(entry, original.data(), original.size()), 0);
  EXPECT_EQ(RemovePatch(site).status, PatchStatus::kNotPatched);
  VirtualFree(trampoline, 0, MEM_RELEASE);
}

TEST(Patching, RealFunctionsWorkWhetherPatchedOrNot) {
  testing::TestWindow window;
  for (int round = 0; round < 2; ++round) {
    std::unique_ptr<testing::Intercepted> patches;
    if (round == 1) patches = std::make_unique<testing::Intercepted>();
    HDC dc = real::GetDC(window.handle());
    ASSERT_NE(dc, nullptr) << round;
    EXPECT_EQ(real::ReleaseDC(window.handle(), dc), 1);
    HDC wdc = real::GetWindowDC(window.handle());
    ASSERT_NE(wdc, nullptr) << round;
    EXPECT_EQ(real::ReleaseDC(window.handle(), wdc), 1);
    RECT r;
    GetWindowRect(window.handle(), &r);
    EXPECT_TRUE(real::MoveWindow(window.handle(), r.left, r.top, 220 + round, 160, TRUE));
    GetWindowRect(window.handle(), &r);
    EXPECT_EQ(r.right - r.left, 220 + round);
  }
}

}  // namespace
}  // namespace tebix
