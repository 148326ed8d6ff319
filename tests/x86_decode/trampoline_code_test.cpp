#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "skin/attach/trampoline_code.h"
#include "tests/x86_decode/hex_bytes.h"

namespace tebix::x86 {
namespace {

using testing::Bytes;

int32_t Rel32At(const uint8_t* p) {
  int32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

constexpr uint32_t kEntry = 0x6890B8F0;
constexpr uint32_t kTrampoline = 0x10001000;

// What a trampoline must look like whatever it copied: the jump back right after the
// copy, int3 up to the length byte, the length byte, and a restore that gives the
// original bytes back exactly.
void ExpectWellFormed(const TrampolinePlan& plan, const std::vector<uint8_t>& entry, uint32_t entry_address,
                      uint32_t trampoline_address) {
  const size_t n = plan.covered;
  ASSERT_GE(n, kMinimumCover);
  ASSERT_LE(n, kMaximumCover);
  EXPECT_EQ(plan.code[kLengthByte], n);
  EXPECT_TRUE(JumpsTo(&plan.code[n], trampoline_address + uint32_t(n), entry_address + uint32_t(n)));
  for (size_t i = n + kJumpSize; i < kLengthByte; ++i) EXPECT_EQ(plan.code[i], 0xCC) << i;
  EXPECT_TRUE(TrampolineIntact(plan.code, trampoline_address, entry_address));
  std::array<uint8_t, kMaximumCover> restored{};
  ASSERT_EQ(RestoredEntry(plan.code, trampoline_address, entry_address, restored), n);
  EXPECT_TRUE(std::equal(entry.begin(), entry.begin() + n, restored.begin()));
}

struct PrologueCase {
  const char* bytes;
  size_t covered;
};

TEST(Trampoline, CopiesWholeInstructionsUntilFiveBytesAreCovered) {
  const PrologueCase cases[] = {
      {"8B FF 55 8B EC 5D FF 25 58 51 94 68", 5},           // hot-patch point before a jump thunk
      {"8D 4C 24 04 83 E4 F0 FF 71 FC 55", 7},              // stack-realigning prologue
      {"B8 85 10 00 00 BA 70 C6 A8 64 FF D2 C2 04 00", 5},  // system-call stub
      {"55 89 E5 57 56 53 83 EC 2C", 5},                    // push ebp; mov ebp, esp; push edi; push esi
      {"6A 10 68 78 56 34 12", 7},                          // push imm8; push imm32
      {"55 8B EC 81 EC 00 02 00 00", 9},                    // sub esp, imm32 straddling byte 5
      {"64 A1 00 00 00 00 50", 6},                          // mov eax, fs:[0]
  };
  for (const auto& c : cases) {
    const auto entry = Bytes(c.bytes);
    const auto plan = PlanTrampoline(entry.data(), entry.size(), kEntry, kTrampoline);
    ASSERT_EQ(plan.failure, PlanFailure::kNone) << c.bytes;
    EXPECT_EQ(plan.covered, c.covered) << c.bytes;
    EXPECT_TRUE(std::equal(entry.begin(), entry.begin() + plan.covered, plan.code.begin())) << c.bytes;
    ExpectWellFormed(plan, entry, kEntry, kTrampoline);
  }
}

TEST(Trampoline, RelocatesRelativeOperandsAndKeepsInternalOnes) {
  struct Case {
    const char* bytes;
    uint32_t entry, trampoline;
  };
  const Case cases[] = {
      {"E8 10 00 00 00 90", kEntry, kTrampoline},        // call rel32
      {"85 C0 0F 84 00 01 00 00", kEntry, kTrampoline},  // je rel32 after test
      {"85 C0 74 01 90 90", kEntry, kTrampoline},        // je rel8 to the end of the copy
      {"E8 F0 FF FF FF 90", 0xFFFFFFF0, 0x00000100},     // addresses that wrap around
      {"85 C0 75 20 90 90", 0x10000000, 0x10000030},     // je rel8, still in reach
  };
  for (const auto& c : cases) {
    const auto entry = Bytes(c.bytes);
    const auto plan = PlanTrampoline(entry.data(), entry.size(), c.entry, c.trampoline);
    ASSERT_EQ(plan.failure, PlanFailure::kNone) << c.bytes;
    ExpectWellFormed(plan, entry, c.entry, c.trampoline);
    // Every relative branch still reaches the same absolute target.
    size_t off = 0;
    while (off < plan.covered) {
      Instruction old_insn, new_insn;
      ASSERT_EQ(Decode(entry.data() + off, entry.size() - off, old_insn), Refusal::kNone);
      ASSERT_EQ(Decode(plan.code.data() + off, plan.covered - off, new_insn), Refusal::kNone);
      if (old_insn.rel_size) {
        const uint32_t old_target = c.entry + uint32_t(off + old_insn.length) +
                                    uint32_t(old_insn.RelativeDisplacement(entry.data() + off));
        const uint32_t new_target = c.trampoline + uint32_t(off + new_insn.length) +
                                    uint32_t(new_insn.RelativeDisplacement(plan.code.data() + off));
        const bool internal = old_target - c.entry <= plan.covered;
        EXPECT_EQ(new_target, internal ? old_target - c.entry + c.trampoline : old_target) << c.bytes;
      }
      off += old_insn.length;
    }
  }
  // The call's displacement is rewritten for the trampoline's place.
  const auto call = Bytes("E8 10 00 00 00");
  const auto plan = PlanTrampoline(call.data(), call.size(), kEntry, kTrampoline);
  EXPECT_EQ(uint32_t(Rel32At(&plan.code[1])), kEntry + 5 + 0x10 - (kTrampoline + 5));
}

TEST(Trampoline, RefusesEntriesItCannotMove) {
  struct Case {
    const char* bytes;
    PlanFailure failure;
  };
  const Case cases[] = {
      {"E9 00 00 00 00", PlanFailure::kEndsTooSoon},
      {"8B FF E9 00 00 00 00", PlanFailure::kEndsTooSoon},  // jump before five bytes
      {"C3 90 90 90 90", PlanFailure::kEndsTooSoon},
      {"33 C0 C2 08 00", PlanFailure::kEndsTooSoon},
      {"FF 25 00 10 00 10", PlanFailure::kEndsTooSoon},
      {"2E FF 25 00 10 00 10", PlanFailure::kEndsTooSoon},  // behind a segment prefix
      {"FF E0 90 90 90", PlanFailure::kEndsTooSoon},        // jmp eax
      {"EB 10 90 90 90", PlanFailure::kEndsTooSoon},        // short jump
      {"85 C0 74 40 90", PlanFailure::kUnreachable},        // short je leaving the copy
      {"E3 40 90 90 90", PlanFailure::kUnreachable},        // jecxz leaving the copy
      {"0F 0B 0F 38 00 C0", PlanFailure::kUndecodable},
      {"55 8B", PlanFailure::kUndecodable},  // function bytes end too soon
  };
  for (const auto& c : cases) {
    const auto entry = Bytes(c.bytes);
    const auto plan = PlanTrampoline(entry.data(), entry.size(), kEntry, kTrampoline);
    EXPECT_EQ(plan.failure, c.failure) << c.bytes << ": " << PlanFailureName(plan.failure);
    EXPECT_EQ(plan.covered, 0) << c.bytes;
  }
}

TEST(Trampoline, RefusesATargetThatWouldLandInsideItsOwnCopy) {
  // jne to entry+45 from a trampoline at entry+40: re-aimed, it would point into the copy
  // and could no longer be told apart from a branch inside it when the bytes go back.
  const auto entry = Bytes("24 04 00 E4 75 27 00");
  const auto plan = PlanTrampoline(entry.data(), entry.size(), kEntry, kEntry + 40);
  EXPECT_EQ(plan.failure, PlanFailure::kUnreachable);
}

TEST(Trampoline, IntegrityChecksCatchDamage) {
  const auto entry = Bytes("8B FF 55 8B EC 5D");
  const auto plan = PlanTrampoline(entry.data(), entry.size(), kEntry, kTrampoline);
  ASSERT_EQ(plan.failure, PlanFailure::kNone);
  ASSERT_TRUE(TrampolineIntact(plan.code, kTrampoline, kEntry));
  EXPECT_FALSE(TrampolineIntact(plan.code, kTrampoline, kEntry + 1));  // another entry
  EXPECT_FALSE(TrampolineIntact(plan.code, kTrampoline + 1, kEntry));  // moved
  for (uint8_t bad_length : {0, 4, 6, 27, 30, 255}) {
    auto damaged = plan.code;
    damaged[kLengthByte] = bad_length;
    EXPECT_FALSE(TrampolineIntact(damaged, kTrampoline, kEntry)) << int(bad_length);
    std::array<uint8_t, kMaximumCover> out{};
    if (bad_length < kMinimumCover || bad_length > kMaximumCover) {
      EXPECT_EQ(RestoredEntry(damaged, kTrampoline, kEntry, out), 0u);
    }
  }
  auto no_jump = plan.code;
  no_jump[5] = 0x90;
  EXPECT_FALSE(TrampolineIntact(no_jump, kTrampoline, kEntry));

  const auto patch = EntryJump(kEntry, 0x10002000);
  EXPECT_TRUE(JumpsTo(patch.data(), kEntry, 0x10002000));
  EXPECT_FALSE(JumpsTo(patch.data(), kEntry, 0x10002001));
  EXPECT_EQ(patch[5], 0xCC);
}

}  // namespace
}  // namespace tebix::x86
