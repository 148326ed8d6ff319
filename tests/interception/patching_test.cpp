// Installing and removing the 21 patches in the live process.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
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

TEST(Patching, AllTwentyOneHookAndUnhookInOrderRestoringEveryByte) {
  const Snapshot before = EntryBytes();
  for (size_t i = 0; i < kHookedFunctionCount; ++i)
    ASSERT_NE(InterceptedEntry(static_cast<HookedFunction>(i)), nullptr) << i;

  const InterceptionReport installed = InstallInterception();
  for (size_t i = 0; i < kHookedFunctionCount; ++i) {
    const HookedFunction f = installed[i].function;
    EXPECT_EQ(f, static_cast<HookedFunction>(i));  // install order
    EXPECT_TRUE(installed[i].result.ok()) << HookedFunctionName(f) << ": "
                                          << PatchStatusName(installed[i].result.status) << " / "
                                          << x86::PlanFailureName(installed[i].result.plan) << " / "
                                          << x86::RefusalName(installed[i].result.refusal);
    EXPECT_TRUE(IsIntercepted(f));
    const uint8_t* entry = InterceptedEntry(f);
    EXPECT_EQ(entry[0], 0xE9) << HookedFunctionName(f);
    EXPECT_NE(RealFunction(f), nullptr);
  }

  const InterceptionReport removed = RemoveInterception();
  for (size_t i = 0; i < kHookedFunctionCount; ++i) {
    EXPECT_EQ(removed[i].function, kRemovalOrder[i]);
    EXPECT_TRUE(removed[i].result.ok()) << HookedFunctionName(removed[i].function);
    EXPECT_FALSE(IsIntercepted(removed[i].function));
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

// A patch of our own on a function nobody else here uses, to damage on purpose.
int WINAPI ReplacementForTest() { return 0; }

TEST(Patching, RemovalRefusesADamagedTrampolineOrEntry) {
  auto* trampoline = static_cast<uint8_t*>(
      VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE));
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
  EXPECT_EQ(GetDoubleClickTime(), 0u);  // the replacement answers
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
