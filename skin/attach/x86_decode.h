// Instruction-length decoder for 32-bit x86 code.
//
// Used to copy whole instructions from the start of a system function into a
// trampoline. It knows the legacy and segment prefixes, operand- and
// address-size overrides, the one- and two-byte opcode maps with their ModRM,
// SIB, displacement and immediate forms, and which operands are relative to the
// instruction pointer. Whatever it does not decode for certain it refuses and
// names the rule, so that a caller never copies a guessed length.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tebix::x86 {

// Why an instruction was not decoded. Every refusal names one rule.
enum class Refusal : uint8_t {
  kNone = 0,
  kTruncated,        // the bytes end inside the instruction
  kTooLong,          // more than 15 bytes (the processor faults)
  kUndefinedOpcode,  // no instruction has this opcode in 32-bit mode
  kUndefinedForm,    // the opcode exists, but not with this ModRM form
  kBadLock,          // LOCK on an instruction that cannot be locked (the processor faults)
  kStrayPrefix,      // F2/F3 the instruction does not define; conflicting or misplaced 66/F2/F3
  kSizedBranch,      // relative branch under an operand- or address-size override
  kVexEvexXop,       // AVX-family encodings (C4/C5/62/8F escapes)
  kThreeByteMap,     // 0F 38 / 0F 3A (SSSE3 and later, never in prologues)
  kRareExtension,    // 3DNow!, SSE4a, XSAVE, RDRAND, undefined-instruction opcodes and the like
  kSystemOnly,       // privileged, system-call or virtualisation instructions
  kCount
};

const char* RefusalName(Refusal r);

// How an instruction moves the instruction pointer.
enum class Flow : uint8_t {
  kNext,          // falls through
  kJcc,           // conditional relative branch (70-7F, 0F 80-8F)
  kLoop,          // LOOP/LOOPE/LOOPNE/JECXZ (E0-E3)
  kCall,          // relative call (E8)
  kJump,          // unconditional relative jump (E9, EB)
  kIndirectJump,  // FF /4, FF /5, far jump EA
  kIndirectCall,  // FF /2, FF /3, far call 9A
  kReturn,        // C2, C3, CA, CB, CF
};

struct Instruction {
  uint8_t length = 0;
  uint8_t prefix_count = 0;  // bytes before the opcode
  uint8_t map = 0;           // 0: one-byte map, 1: 0F map
  uint8_t opcode = 0;
  bool has_modrm = false;
  uint8_t modrm = 0;
  bool operand16 = false;  // 66 prefix present
  bool address16 = false;  // 67 prefix present
  uint8_t segment = 0;     // last segment override byte, 0 if none
  uint8_t rep = 0;         // last of F2/F3, 0 if none
  bool lock = false;
  Flow flow = Flow::kNext;
  // Relative operand (branch displacement), counted from the end of the instruction.
  uint8_t rel_offset = 0;  // byte offset inside the instruction, 0 if none
  uint8_t rel_size = 0;    // 1, 2 or 4
  uint8_t imm_size = 0;    // immediate bytes (excluding a relative operand)
  uint8_t disp_size = 0;   // ModRM displacement bytes

  // The sign-extended relative operand of the instruction whose bytes start at `bytes`.
  int32_t RelativeDisplacement(const uint8_t* bytes) const;
};

// Decodes the instruction at `code` (at most `available` bytes are read).
// Returns kNone and fills `out` on success.
Refusal Decode(const uint8_t* code, size_t available, Instruction& out);

}  // namespace tebix::x86
