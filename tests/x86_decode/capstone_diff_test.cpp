// Differential test of the instruction-length decoder against Capstone.
//
// Two inputs: a generated corpus (every opcode of the one-, two- and three-byte
// maps under a set of prefix combinations, with every ModRM byte and a spread
// of SIB bytes) and the first 32 bytes of every exported function of the system
// libraries Wine ships. Whatever the decoder accepts must have Capstone's length
// and, for branches, Capstone's target; whatever it refuses is counted by rule.
#include <capstone/capstone.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "skin/attach/trampoline_code.h"
#include "skin/attach/x86_decode.h"
#include "tests/x86_decode/pe_exports.h"

namespace tebix::x86 {
namespace {

struct Tally {
  uint64_t instructions = 0;  // decoded by at least one side
  uint64_t agreed = 0;
  uint64_t branches_checked = 0;
  std::map<Refusal, uint64_t> refused;        // by rule
  std::map<Refusal, uint64_t> refused_valid;  // ... of which Capstone decoded
  std::map<Refusal, std::string> example;     // one such instruction per rule
  uint64_t both_rejected = 0;
  std::vector<std::string> disagreements;

  void Print(const char* title) const {
    std::printf("%s: %llu instructions, %llu agreed (%llu branch targets), %zu disagreements\n", title,
                (unsigned long long)instructions, (unsigned long long)agreed,
                (unsigned long long)branches_checked, disagreements.size());
    for (const auto& [rule, n] : refused) {
      auto v = refused_valid.find(rule);
      auto e = example.find(rule);
      std::printf("  refused, %-40s %9llu (Capstone decoded %llu%s%s)\n", RefusalName(rule),
                  (unsigned long long)n, (unsigned long long)(v == refused_valid.end() ? 0 : v->second),
                  e == example.end() ? "" : ", e.g. ", e == example.end() ? "" : e->second.c_str());
    }
    for (size_t i = 0; i < disagreements.size() && i < 40; ++i)
      std::printf("  %s\n", disagreements[i].c_str());
  }
};

std::string Hex(const uint8_t* b, size_t n) {
  std::string s;
  char buf[4];
  for (size_t i = 0; i < n; ++i) {
    std::snprintf(buf, sizeof buf, "%02X ", b[i]);
    s += buf;
  }
  return s;
}

class Capstone {
 public:
  Capstone() {
    ok_ = cs_open(CS_ARCH_X86, CS_MODE_32, &handle_) == CS_ERR_OK;
    if (ok_) cs_option(handle_, CS_OPT_DETAIL, CS_OPT_ON);
    if (ok_) insn_ = cs_malloc(handle_);
  }
  ~Capstone() {
    if (insn_) cs_free(insn_, 1);
    if (ok_) cs_close(&handle_);
  }
  bool ok() const { return ok_ && insn_; }

  // Decodes one instruction; returns its length (0 when Capstone rejects it).
  size_t Decode(const uint8_t* code, size_t size, uint32_t address) {
    const uint8_t* p = code;
    size_t left = size;
    uint64_t addr = address;
    if (!cs_disasm_iter(handle_, &p, &left, &addr, insn_)) return 0;
    return insn_->size;
  }
  bool IsRelativeBranch() const {
    const cs_detail* d = insn_->detail;
    for (uint8_t i = 0; i < d->groups_count; ++i)
      if (d->groups[i] == CS_GRP_BRANCH_RELATIVE) return true;
    return false;
  }
  bool Target(uint32_t& target) const {
    const cs_x86& x = insn_->detail->x86;
    for (uint8_t i = 0; i < x.op_count; ++i) {
      if (x.operands[i].type == X86_OP_IMM) {
        target = static_cast<uint32_t>(x.operands[i].imm);
        return true;
      }
    }
    return false;
  }
  std::string Text() const { return std::string(insn_->mnemonic) + " " + insn_->op_str; }

 private:
  csh handle_ = 0;
  cs_insn* insn_ = nullptr;
  bool ok_ = false;
};

// Compares one instruction; returns the length to step over (0 when neither side knows it).
size_t CompareOne(Capstone& cs, const uint8_t* code, size_t size, uint32_t address, Tally& t) {
  Instruction ours;
  const Refusal refusal = Decode(code, size, ours);
  const size_t theirs = cs.Decode(code, size, address);
  if (refusal == Refusal::kNone || theirs != 0) ++t.instructions;
  if (refusal != Refusal::kNone) {
    if (theirs == 0) {
      ++t.both_rejected;
    } else {
      if (t.refused_valid[refusal]++ == 0) t.example[refusal] = Hex(code, theirs) + "(" + cs.Text() + ")";
    }
    ++t.refused[refusal];
    return theirs;
  }
  auto report = [&](const std::string& what) {
    t.disagreements.push_back(Hex(code, std::min<size_t>(size, 15)) + "-> " + what);
  };
  if (theirs == 0) {
    report("decoder: " + std::to_string(ours.length) + " bytes, Capstone rejects");
    return ours.length;
  }
  if (theirs != ours.length) {
    report("decoder: " + std::to_string(ours.length) + " bytes, Capstone: " + std::to_string(theirs) + " (" +
           cs.Text() + ")");
    return ours.length;
  }
  const bool relative = ours.rel_size != 0;
  if (relative != cs.IsRelativeBranch()) {
    report(std::string("relative operand: decoder ") + (relative ? "yes" : "no") + ", Capstone " + cs.Text());
    return ours.length;
  }
  if (relative) {
    uint32_t expected = 0;
    // A 66 prefix makes a branch wrap at 64 KiB. Capstone wraps the targets of rel16
    // branches but not of rel8 ones; the trampoline code never relocates either kind.
    uint32_t target = address + ours.length + static_cast<uint32_t>(ours.RelativeDisplacement(code));
    if (ours.rel_size == 2) target &= 0xFFFF;
    if (!cs.Target(expected) || expected != target) {
      report("branch target " + std::to_string(target) + " vs Capstone " + cs.Text());
      return ours.length;
    }
    ++t.branches_checked;
  }
  ++t.agreed;
  return ours.length;
}

// Prefix runs the corpus puts in front of every opcode.
const std::vector<std::vector<uint8_t>>& PrefixSets() {
  static const std::vector<std::vector<uint8_t>> sets = {
      {},
      {0x66},
      {0x67},
      {0xF0},
      {0xF2},
      {0xF3},
      {0x2E},
      {0x26},
      {0x36},
      {0x3E},
      {0x64},
      {0x65},
      {0x66, 0x67},
      {0xF3, 0x66},
      {0x66, 0xF2},
      {0x66, 0xF3},
      {0xF2, 0x66},
      {0xF0, 0x66},
      {0x64, 0x67},
      {0xF2, 0xF3},
      {0xF3, 0xF2},
      {0x66, 0x66},
      {0x2E, 0x3E, 0x66, 0x67, 0xF3},
      std::vector<uint8_t>(13, 0x66),  // at the 15-byte limit with a two-byte instruction
  };
  return sets;
}

// Bytes after the ModRM byte: SIB, displacement, immediate, or the next instruction.
constexpr std::array<uint8_t, 16> kTail = {0x24, 0x78, 0x56, 0x34, 0x12, 0xF0, 0xDE, 0xBC,
                                           0x9A, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77};
constexpr std::array<uint8_t, 8> kSibs = {0x24, 0x25, 0x00, 0xE5, 0x4D, 0x8C, 0xFF, 0x65};

TEST(CapstoneDifferential, GeneratedCorpus) {
  Capstone cs;
  ASSERT_TRUE(cs.ok());
  Tally t;
  std::vector<std::vector<uint8_t>> opcodes;
  for (int op = 0; op < 256; ++op) opcodes.push_back({uint8_t(op)});
  for (int op = 0; op < 256; ++op) opcodes.push_back({0x0F, uint8_t(op)});
  for (int op = 0; op < 256; ++op) opcodes.push_back({0x0F, 0x38, uint8_t(op)});
  for (int op = 0; op < 256; ++op) opcodes.push_back({0x0F, 0x3A, uint8_t(op)});
  uint8_t buf[40];
  uint64_t generated = 0;
  for (const auto& prefixes : PrefixSets()) {
    for (const auto& opcode : opcodes) {
      for (int modrm = 0; modrm < 256; ++modrm) {
        size_t n = 0;
        for (uint8_t p : prefixes) buf[n++] = p;
        for (uint8_t o : opcode) buf[n++] = o;
        buf[n++] = uint8_t(modrm);
        const size_t sib_at = n;
        for (uint8_t b : kTail) buf[n++] = b;
        const bool has_sib_slot = (modrm & 0xC0) != 0xC0 && (modrm & 7) == 4;
        const size_t sib_variants = has_sib_slot ? kSibs.size() : 1;
        for (size_t s = 0; s < sib_variants; ++s) {
          if (has_sib_slot) buf[sib_at] = kSibs[s];
          CompareOne(cs, buf, n, 0x10000000, t);
          ++generated;
        }
      }
    }
  }
  std::printf("generated corpus: %llu byte strings\n", (unsigned long long)generated);
  t.Print("generated corpus");
  if (const char* dump = std::getenv("TEBIX_DIFF_DUMP")) {
    if (FILE* f = std::fopen(dump, "w")) {
      for (const auto& d : t.disagreements) std::fprintf(f, "%s\n", d.c_str());
      std::fclose(f);
    }
  }
  EXPECT_TRUE(t.disagreements.empty());
  EXPECT_EQ(t.refused.count(Refusal::kNone), 0u);
}

TEST(CapstoneDifferential, RandomByteStrings) {
  // Random prefixes, opcodes and operands, weighted so that prefixes and the 0F escape come up often.
  Capstone cs;
  ASSERT_TRUE(cs.ok());
  Tally t;
  std::mt19937 rng(20240607);
  static constexpr uint8_t kPrefixBytes[] = {0x66, 0x67, 0xF0, 0xF2, 0xF3, 0x2E,
                                             0x3E, 0x26, 0x36, 0x64, 0x65};
  constexpr int kStrings = 2'000'000;
  uint8_t buf[24];
  for (int i = 0; i < kStrings; ++i) {
    size_t n = 0;
    const int prefixes = static_cast<int>(rng() % 4);
    for (int p = 0; p < prefixes; ++p) buf[n++] = kPrefixBytes[rng() % sizeof kPrefixBytes];
    if (rng() % 2) buf[n++] = 0x0F;
    while (n < sizeof buf) buf[n++] = static_cast<uint8_t>(rng());
    CompareOne(cs, buf, sizeof buf, 0x20000000u + static_cast<uint32_t>(rng() % 0x1000000), t);
  }
  std::printf("random corpus: %d byte strings\n", kStrings);
  t.Print("random corpus");
  EXPECT_TRUE(t.disagreements.empty());
}

std::string WineDllFolder() {
  const char* env = std::getenv("TEBIX_WINE_DLLS");
  return env ? env : TEBIX_WINE_DLLS;
}

TEST(CapstoneDifferential, WineSystemLibraryPrologues) {
  Capstone cs;
  ASSERT_TRUE(cs.ok());
  Tally t;
  size_t functions = 0;
  for (const char* dll : {"user32.dll", "gdi32.dll", "win32u.dll", "kernel32.dll", "comctl32.dll"}) {
    const auto image = testing::ReadExports(WineDllFolder() + "/" + dll);
    ASSERT_TRUE(image.error.empty()) << image.error;
    ASSERT_FALSE(image.exports.empty()) << dll;
    for (const auto& fn : image.exports) {
      ++functions;
      size_t at = 0;
      while (at < 32 && at < fn.available) {
        const size_t step = CompareOne(cs, fn.bytes + at, fn.available - at, fn.address + uint32_t(at), t);
        if (step == 0) break;
        at += step;
      }
    }
  }
  std::printf("Wine system libraries: %zu exported functions\n", functions);
  t.Print("exported function prologues");
  EXPECT_GT(functions, 3000u);
  EXPECT_TRUE(t.disagreements.empty());
}

// Every exported function of the same libraries: a trampoline planned for a far-away
// place must give the entry's bytes back exactly, and every refusal must name its rule.
TEST(TrampolineRoundTrip, WineSystemLibraryExports) {
  size_t functions = 0, planned = 0;
  std::map<std::string, size_t> refused;
  for (const char* dll : {"user32.dll", "gdi32.dll", "win32u.dll", "kernel32.dll", "comctl32.dll"}) {
    const auto image = testing::ReadExports(WineDllFolder() + "/" + dll);
    ASSERT_TRUE(image.error.empty()) << image.error;
    for (const auto& fn : image.exports) {
      ++functions;
      const uint32_t trampoline = fn.address ^ 0x40000000u;
      const auto plan = PlanTrampoline(fn.bytes, fn.available, fn.address, trampoline);
      if (plan.failure != PlanFailure::kNone) {
        std::string why = PlanFailureName(plan.failure);
        if (plan.failure == PlanFailure::kUndecodable) why += std::string(": ") + RefusalName(plan.refusal);
        ++refused[why];
        continue;
      }
      ++planned;
      std::array<uint8_t, kMaximumCover> restored{};
      ASSERT_EQ(RestoredEntry(plan.code, trampoline, fn.address, restored), plan.covered) << fn.name;
      EXPECT_TRUE(std::equal(restored.begin(), restored.begin() + plan.covered, fn.bytes)) << fn.name;
      EXPECT_TRUE(TrampolineIntact(plan.code, trampoline, fn.address)) << fn.name;
    }
  }
  std::printf("trampolines: %zu exported functions, %zu planned and restored exactly\n", functions, planned);
  for (const auto& [why, n] : refused) std::printf("  left unpatched, %-50s %zu\n", why.c_str(), n);
  EXPECT_GT(planned, functions / 2);
}

}  // namespace
}  // namespace tebix::x86
