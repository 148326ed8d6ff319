#include "skin/attach/trampoline_code.h"

#include <cstring>

namespace tebix::x86 {

namespace {

constexpr uint32_t kJump32 = static_cast<uint32_t>(kJumpSize);

void PutRel32(uint8_t* at, uint32_t value) {
  std::memcpy(at, &value, 4);
}

uint32_t GetRel32(const uint8_t* at) {
  uint32_t v;
  std::memcpy(&v, at, 4);
  return v;
}

// Moves the whole instructions of `length` bytes at `src` (which run at `from`) to `dst`
// (which will run at `to`). A branch into the block itself, its end included, moves with
// it and keeps its displacement; any other target is re-aimed. Short branches that cannot
// reach from the new place, and targets inside the new place, make the move fail.
PlanFailure MoveInstructions(const uint8_t* src, size_t length, uint32_t from, uint32_t to, uint8_t* dst,
                             Refusal* refusal) {
  size_t off = 0;
  while (off < length) {
    Instruction insn;
    const Refusal r = Decode(src + off, length - off, insn);
    if (r != Refusal::kNone) {
      if (refusal) *refusal = r;
      return PlanFailure::kUndecodable;
    }
    std::memcpy(dst + off, src + off, insn.length);
    if (insn.rel_size != 0) {
      const uint32_t next_old = from + static_cast<uint32_t>(off + insn.length);
      const uint32_t target = next_old + static_cast<uint32_t>(insn.RelativeDisplacement(src + off));
      const bool inside = target - from <= length;
      // An outside target that would fall into the moved copy could not be told apart
      // from an inside one when the bytes are moved back.
      if (!inside && target - to <= length) return PlanFailure::kUnreachable;
      if (!inside) {
        const uint32_t next_new = to + static_cast<uint32_t>(off + insn.length);
        const int32_t disp = static_cast<int32_t>(target - next_new);
        if (insn.rel_size == 4) {
          PutRel32(dst + off + insn.rel_offset, static_cast<uint32_t>(disp));
        } else if (insn.rel_size == 1 && disp >= -128 && disp <= 127) {
          dst[off + insn.rel_offset] = static_cast<uint8_t>(static_cast<int8_t>(disp));
        } else {
          return PlanFailure::kUnreachable;
        }
      }
    }
    off += insn.length;
  }
  return PlanFailure::kNone;
}

}  // namespace

const char* PlanFailureName(PlanFailure f) {
  switch (f) {
    case PlanFailure::kNone:
      return "none";
    case PlanFailure::kUndecodable:
      return "instruction not decoded";
    case PlanFailure::kEndsTooSoon:
      return "jump or return within the first five bytes";
    case PlanFailure::kTooLong:
      return "more than 26 bytes to copy";
    case PlanFailure::kUnreachable:
      return "short branch out of reach of the trampoline";
  }
  return "?";
}

TrampolinePlan PlanTrampoline(const uint8_t* entry, size_t available, uint32_t entry_address,
                              uint32_t trampoline_address) {
  TrampolinePlan plan;
  size_t covered = 0;
  while (covered < kMinimumCover) {
    Instruction insn;
    const Refusal r = Decode(entry + covered, available - covered, insn);
    if (r != Refusal::kNone) {
      plan.failure = PlanFailure::kUndecodable;
      plan.refusal = r;
      return plan;
    }
    // Past an unconditional transfer the bytes may belong to another function.
    if (insn.flow == Flow::kJump || insn.flow == Flow::kIndirectJump || insn.flow == Flow::kReturn) {
      plan.failure = PlanFailure::kEndsTooSoon;
      return plan;
    }
    covered += insn.length;
  }
  if (covered > kMaximumCover) {
    plan.failure = PlanFailure::kTooLong;
    return plan;
  }
  plan.code.fill(0xCC);
  plan.failure =
      MoveInstructions(entry, covered, entry_address, trampoline_address, plan.code.data(), &plan.refusal);
  if (plan.failure != PlanFailure::kNone) return plan;
  const uint32_t back_from = trampoline_address + static_cast<uint32_t>(covered);
  plan.code[covered] = 0xE9;
  PutRel32(&plan.code[covered + 1], entry_address + static_cast<uint32_t>(covered) - (back_from + kJump32));
  plan.code[kLengthByte] = static_cast<uint8_t>(covered);
  plan.covered = static_cast<uint8_t>(covered);
  return plan;
}

std::array<uint8_t, kMaximumCover> EntryJump(uint32_t entry_address, uint32_t target) {
  std::array<uint8_t, kMaximumCover> out;
  out.fill(0xCC);
  out[0] = 0xE9;
  PutRel32(&out[1], target - (entry_address + kJump32));
  return out;
}

bool JumpsTo(const uint8_t* code, uint32_t address, uint32_t target) {
  return code[0] == 0xE9 && address + kJump32 + GetRel32(code + 1) == target;
}

bool TrampolineIntact(const TrampolineBytes& trampoline, uint32_t trampoline_address,
                      uint32_t entry_address) {
  const size_t covered = trampoline[kLengthByte];
  if (covered < kMinimumCover || covered > kMaximumCover) return false;
  return JumpsTo(&trampoline[covered], trampoline_address + static_cast<uint32_t>(covered),
                 entry_address + static_cast<uint32_t>(covered));
}

size_t RestoredEntry(const TrampolineBytes& trampoline, uint32_t trampoline_address, uint32_t entry_address,
                     std::array<uint8_t, kMaximumCover>& out) {
  const size_t covered = trampoline[kLengthByte];
  if (covered < kMinimumCover || covered > kMaximumCover) return 0;
  out.fill(0xCC);
  if (MoveInstructions(trampoline.data(), covered, trampoline_address, entry_address, out.data(), nullptr) !=
      PlanFailure::kNone)
    return 0;
  return covered;
}

}  // namespace tebix::x86
