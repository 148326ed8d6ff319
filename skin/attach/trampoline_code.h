// Machine code of a trampoline and of a patched entry point, computed from the
// bytes alone so that it can be checked without touching live code.
//
// A trampoline is 32 bytes. Once built it holds the whole instructions copied
// from the start of the real function (relative operands relocated), then a
// five-byte relative jump back to the first instruction not copied; the rest is
// filled with int3, and its last byte (offset 31) holds the number of bytes
// copied. Calling the trampoline is calling the real function.
//
// Addresses are 32-bit; all arithmetic on them wraps as the processor's does.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "skin/attach/x86_decode.h"

namespace tebix::x86 {

inline constexpr size_t kTrampolineSize = 32;
inline constexpr size_t kLengthByte = 31;
inline constexpr size_t kJumpSize = 5;                            // E9 + rel32
inline constexpr size_t kMinimumCover = kJumpSize;                // what the entry jump overwrites
inline constexpr size_t kMaximumCover = kLengthByte - kJumpSize;  // 26: copy + jump back fit in 31

using TrampolineBytes = std::array<uint8_t, kTrampolineSize>;

enum class PlanFailure : uint8_t {
  kNone,
  kUndecodable,  // an instruction the decoder refuses (see the plan's `refusal`)
  kEndsTooSoon,  // a jump, return or indirect jump before five bytes are covered
  kTooLong,      // the covering instructions take more than 26 bytes
  kUnreachable,  // a short branch whose target the trampoline cannot reach
};

const char* PlanFailureName(PlanFailure f);

struct TrampolinePlan {
  PlanFailure failure = PlanFailure::kNone;
  Refusal refusal = Refusal::kNone;  // set with kUndecodable
  uint8_t covered = 0;               // bytes of the entry that move into the trampoline
  TrampolineBytes code{};            // the trampoline's contents
};

// Plans the trampoline for the function whose first `available` bytes are at `entry`
// (loaded at `entry_address`), for a trampoline placed at `trampoline_address`.
TrampolinePlan PlanTrampoline(const uint8_t* entry, size_t available, uint32_t entry_address,
                              uint32_t trampoline_address);

// The bytes written over the entry: a relative jump from `entry_address` to `target`
// followed by int3 (the caller writes as many as the trampoline covers).
std::array<uint8_t, kMaximumCover> EntryJump(uint32_t entry_address, uint32_t target);

// True when `code` starts with a relative jump (E9) from `address` to `target`.
bool JumpsTo(const uint8_t* code, uint32_t address, uint32_t target);

// True when the trampoline still has a plausible length byte (5..26) followed by its jump back.
bool TrampolineIntact(const TrampolineBytes& trampoline, uint32_t trampoline_address, uint32_t entry_address);

// Rebuilds the entry's original bytes from an intact trampoline, relocating again.
// Returns the number of bytes written to `out` (the covered length) or 0 when the
// trampoline's instructions cannot be decoded back.
size_t RestoredEntry(const TrampolineBytes& trampoline, uint32_t trampoline_address, uint32_t entry_address,
                     std::array<uint8_t, kMaximumCover>& out);

}  // namespace tebix::x86
