#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/attach/x86_decode.h"
#include "tests/x86_decode/hex_bytes.h"

namespace tebix::x86 {
namespace {

using testing::Bytes;

struct LengthCase {
  const char* bytes;  // the instruction, followed by nothing
  int length;
};

// Encodings found at the start of real system functions, and the addressing forms around them.
TEST(Decoder, LengthsOfPrologueAndAddressingForms) {
  const LengthCase cases[] = {
      {"8B FF", 2},                              // mov edi, edi (hot-patch point)
      {"55", 1},                                 // push ebp
      {"8B EC", 2},                              // mov ebp, esp
      {"83 EC 10", 3},                           // sub esp, imm8
      {"81 EC 00 01 00 00", 6},                  // sub esp, imm32
      {"8D 4C 24 04", 4},                        // lea ecx, [esp+4] (SIB + disp8)
      {"83 E4 F0", 3},                           // and esp, -16
      {"FF 71 FC", 3},                           // push [ecx-4]
      {"B8 85 10 00 00", 5},                     // mov eax, imm32 (system-call stub)
      {"64 A1 00 00 00 00", 6},                  // mov eax, fs:[0] (moffs32 behind a segment)
      {"67 A1 00 00", 4},                        // moffs16 under an address-size override
      {"6A FF", 2},                              // push -1
      {"68 78 56 34 12", 5},                     // push imm32
      {"66 0F 1F 44 00 00", 6},                  // six-byte no-op
      {"0F B6 45 08", 4},                        // movzx eax, byte [ebp+8]
      {"F0 0F C1 01", 4},                        // lock xadd [ecx], eax
      {"66 C7 45 F8 34 12", 6},                  // mov word [ebp-8], imm16
      {"C7 84 24 00 01 00 00 78 56 34 12", 11},  // SIB + disp32 + imm32
      {"C7 04 25 00 10 00 00 01 00 00 00", 11},  // SIB with no base: disp32
      {"67 8B 46 02", 4},                        // 16-bit addressing, disp8
      {"67 8B 06 34 12", 5},                     // 16-bit addressing, disp16 only
      {"F6 45 08 01", 4},                        // test byte [ebp+8], imm8 (group 3 /0)
      {"F7 45 08 00 00 01 00", 7},               // test dword [ebp+8], imm32
      {"F7 D8", 2},                              // neg eax (group 3 without immediate)
      {"C8 10 00 00", 4},                        // enter 16, 0
      {"9A 00 00 00 00 08 00", 7},               // far call ptr16:32
      {"66 9A 00 00 08 00", 6},                  // far call ptr16:16
      {"0F BA 6D 08 05", 5},                     // bts dword [ebp+8], 5
      {"0F A4 C2 04", 4},                        // shld edx, eax, 4
      {"66 0F 70 C1 1B", 5},                     // pshufd
      {"0F AE F0", 3},                           // mfence
      {"F0 0F C7 0E", 4},                        // lock cmpxchg8b [esi]
      {"F3 A5", 2},                              // rep movsd
      {"66 F3 AB", 3},                           // rep stosw
      {"F3 90", 2},                              // pause
      {"D9 EE", 2},                              // fldz
      {"DD 5D F8", 3},                           // fstp qword [ebp-8]
      {"E8 00 00 00 00", 5},                     // call rel32
      {"0F 84 10 00 00 00", 6},                  // je rel32
      {"2E 74 05", 3},                           // je rel8 with a branch hint
      {"F2 E9 00 00 00 00", 6},                  // bnd jmp rel32
  };
  for (const auto& c : cases) {
    auto bytes = Bytes(c.bytes);
    Instruction insn;
    ASSERT_EQ(Decode(bytes.data(), bytes.size(), insn), Refusal::kNone) << c.bytes;
    EXPECT_EQ(insn.length, c.length) << c.bytes;
  }
}

struct FlowCase {
  const char* bytes;
  Flow flow;
  int rel_offset, rel_size;
  int32_t displacement;
};

TEST(Decoder, ControlFlowAndRelativeOperands) {
  const FlowCase cases[] = {
      {"74 FE", Flow::kJcc, 1, 1, -2},
      {"2E 75 10", Flow::kJcc, 2, 1, 16},
      {"0F 85 00 01 00 00", Flow::kJcc, 2, 4, 256},
      {"F2 0F 8C FC FF FF FF", Flow::kJcc, 3, 4, -4},
      {"E8 10 00 00 00", Flow::kCall, 1, 4, 16},
      {"E9 F0 FF FF FF", Flow::kJump, 1, 4, -16},
      {"EB 80", Flow::kJump, 1, 1, -128},
      {"E3 03", Flow::kLoop, 1, 1, 3},
      {"E2 FD", Flow::kLoop, 1, 1, -3},
      {"C3", Flow::kReturn, 0, 0, 0},
      {"C2 08 00", Flow::kReturn, 0, 0, 0},
      {"CB", Flow::kReturn, 0, 0, 0},
      {"FF 25 00 10 00 10", Flow::kIndirectJump, 0, 0, 0},
      {"2E FF 25 00 10 00 10", Flow::kIndirectJump, 0, 0, 0},
      {"FF E0", Flow::kIndirectJump, 0, 0, 0},
      {"FF 15 00 10 00 10", Flow::kIndirectCall, 0, 0, 0},
      {"FF D2", Flow::kIndirectCall, 0, 0, 0},
      {"EA 00 00 00 00 08 00", Flow::kIndirectJump, 0, 0, 0},
      {"8B 45 08", Flow::kNext, 0, 0, 0},
  };
  for (const auto& c : cases) {
    auto bytes = Bytes(c.bytes);
    Instruction insn;
    ASSERT_EQ(Decode(bytes.data(), bytes.size(), insn), Refusal::kNone) << c.bytes;
    EXPECT_EQ(insn.flow, c.flow) << c.bytes;
    EXPECT_EQ(insn.rel_offset, c.rel_offset) << c.bytes;
    EXPECT_EQ(insn.rel_size, c.rel_size) << c.bytes;
    EXPECT_EQ(insn.RelativeDisplacement(bytes.data()), c.displacement) << c.bytes;
  }
}

struct RefusalCase {
  const char* bytes;
  Refusal rule;
};

TEST(Decoder, EveryRefusalNamesItsRule) {
  const RefusalCase cases[] = {
      {"E8 00 00", Refusal::kTruncated},
      {"8B", Refusal::kTruncated},
      {"8B 04", Refusal::kTruncated},  // SIB missing
      {"66 66 66 66 66 66 66 66 66 66 66 66 66 66 8B C0", Refusal::kTooLong},
      {"66 66 66 66 66 66 66 66 66 66 66 66 66 8B C0 00", Refusal::kNone},  // exactly 15 bytes
      {"66 66 66 66 66 66 66 66 66 66 66 66 81 C0 00 00", Refusal::kTooLong},
      {"0F 04", Refusal::kUndefinedOpcode},
      {"0F 6C C0", Refusal::kUndefinedOpcode},  // exists only with 66
      {"8D C0", Refusal::kUndefinedForm},       // lea with a register source
      {"8E C8", Refusal::kUndefinedForm},       // load of CS
      {"FF F8", Refusal::kUndefinedForm},
      {"DD 28", Refusal::kUndefinedForm},     // x87 hole
      {"0F 1F C0", Refusal::kUndefinedForm},  // hint no-op in register form
      {"F0 8B 00", Refusal::kBadLock},
      {"F0 01 C0", Refusal::kBadLock},  // register destination
      {"F3 8B C0", Refusal::kStrayPrefix},
      {"F3 66 0F 10 C0", Refusal::kStrayPrefix},  // two selecting prefixes
      {"66 2E 0F 6C C0", Refusal::kStrayPrefix},  // selecting prefix not last
      {"66 E9 00 00", Refusal::kSizedBranch},
      {"67 E3 00", Refusal::kSizedBranch},
      {"C5 F8 77", Refusal::kVexEvexXop},
      {"62 F1 7C 48 58 C0", Refusal::kVexEvexXop},
      {"8F E8 78 C2 C0 01", Refusal::kVexEvexXop},
      {"0F 38 00 C0", Refusal::kThreeByteMap},
      {"0F 0F C0 B4", Refusal::kRareExtension},
      {"0F C7 F0", Refusal::kRareExtension},  // RDRAND
      {"0F 01 D0", Refusal::kSystemOnly},
      {"0F 20 C0", Refusal::kSystemOnly},
      {"0F 34", Refusal::kSystemOnly},
  };
  for (const auto& c : cases) {
    auto bytes = Bytes(c.bytes);
    Instruction insn;
    EXPECT_EQ(Decode(bytes.data(), bytes.size(), insn), c.rule) << c.bytes;
  }
  for (int r = 0; r < static_cast<int>(Refusal::kCount); ++r) {
    EXPECT_STRNE(RefusalName(static_cast<Refusal>(r)), "?") << r;
  }
}

TEST(Decoder, TruncatedInputIsRefusedNotOverread) {
  // Every prefix of a long instruction: the decoder must say "truncated" and never read further
  // (the copies live on the heap so that the sanitizer sees an over-read).
  for (const char* full : {"66 2E C7 84 88 78 56 34 12 34 12", "0F 85 00 01 00 00", "F2 0F 70 44 24 08 1B"}) {
    const auto bytes = Bytes(full);
    for (size_t n = 0; n < bytes.size(); ++n) {
      std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + n);
      Instruction insn;
      EXPECT_EQ(Decode(cut.data(), cut.size(), insn), Refusal::kTruncated) << full << " cut at " << n;
    }
  }
}

}  // namespace
}  // namespace tebix::x86
