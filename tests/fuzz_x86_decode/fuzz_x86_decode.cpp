// Fuzz target for the instruction-length decoder and the trampoline code. Each
// input is used two ways:
//  - as a run of instructions: whatever the decoder accepts must fit the input
//    and the 15-byte limit and have Capstone's length and branch target;
//  - as the start of a function: a trampoline planned for it must pass its own
//    integrity check and give the input's first bytes back exactly.
#include <capstone/capstone.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "skin/attach/trampoline_code.h"
#include "skin/attach/x86_decode.h"

namespace {

using tebix::x86::Decode;
using tebix::x86::Instruction;
using tebix::x86::Refusal;

void Check(bool condition) {
  if (!condition) std::abort();
}

struct Capstone {
  Capstone() {
    Check(cs_open(CS_ARCH_X86, CS_MODE_32, &handle) == CS_ERR_OK);
    cs_option(handle, CS_OPT_DETAIL, CS_OPT_ON);
    insn = cs_malloc(handle);
  }
  csh handle = 0;
  cs_insn* insn = nullptr;
};

void CompareWithCapstone(const uint8_t* code, size_t size, uint32_t address) {
  static Capstone cs;
  Instruction ours;
  if (Decode(code, size, ours) != Refusal::kNone) return;
  Check(ours.length >= 1 && ours.length <= 15 && ours.length <= size);
  const uint8_t* p = code;
  size_t left = size;
  uint64_t at = address;
  Check(cs_disasm_iter(cs.handle, &p, &left, &at, cs.insn));
  Check(cs.insn->size == ours.length);
  bool relative = false;
  for (uint8_t i = 0; i < cs.insn->detail->groups_count; ++i)
    relative |= cs.insn->detail->groups[i] == CS_GRP_BRANCH_RELATIVE;
  Check(relative == (ours.rel_size != 0));
  if (relative) {
    uint32_t target = address + ours.length + static_cast<uint32_t>(ours.RelativeDisplacement(code));
    if (ours.rel_size == 2) target &= 0xFFFF;  // see the differential test
    const cs_x86& x = cs.insn->detail->x86;
    Check(x.op_count >= 1 && x.operands[0].type == X86_OP_IMM);
    Check(static_cast<uint32_t>(x.operands[0].imm) == target);
  }
}

void CheckTrampoline(const uint8_t* code, size_t size, uint32_t entry, uint32_t trampoline) {
  const auto plan = tebix::x86::PlanTrampoline(code, size, entry, trampoline);
  if (plan.failure != tebix::x86::PlanFailure::kNone) return;
  Check(plan.covered >= tebix::x86::kMinimumCover && plan.covered <= tebix::x86::kMaximumCover);
  Check(plan.covered <= size);
  Check(tebix::x86::TrampolineIntact(plan.code, trampoline, entry));
  std::array<uint8_t, tebix::x86::kMaximumCover> restored{};
  Check(tebix::x86::RestoredEntry(plan.code, trampoline, entry, restored) == plan.covered);
  Check(std::memcmp(restored.data(), code, plan.covered) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  uint32_t trampoline;
  std::memcpy(&trampoline, data, 4);  // the first four bytes place the trampoline
  const uint8_t* code = data + 4;
  const size_t n = size - 4;
  const uint32_t entry = 0x68900000;
  for (size_t off = 0; off < n && off < 32; ++off)
    CompareWithCapstone(code + off, n - off, entry + uint32_t(off));
  CheckTrampoline(code, n, entry, trampoline);
  CheckTrampoline(code, n, entry, entry + 40);  // close enough for short branches to be re-aimed
  return 0;
}
