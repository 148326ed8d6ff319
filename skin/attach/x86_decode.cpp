#include "skin/attach/x86_decode.h"

#include <array>
#include <cstring>

namespace tebix::x86 {

namespace {

// Operand layout of an opcode.
enum Shape : uint8_t {
  kBad = 0,  // undefined
  kPlain,    // opcode only
  kM,        // ModRM
  kMIb,      // ModRM + imm8
  kMIz,      // ModRM + imm16/32
  kIb,       // imm8
  kIw,       // imm16
  kIz,       // imm16/32
  kIwIb,     // ENTER
  kMoffs,    // A0-A3: address-sized offset
  kFar,      // 9A/EA: imm16/32 offset + selector
  kRel8,     // relative 8-bit
  kRelz,     // relative 16/32-bit
  kGroup3b,  // F6: /0 /1 take imm8
  kGroup3z,  // F7: /0 /1 take imm16/32
  kEscape,   // 0F
  kPrefix,
};

// One-byte map, 32-bit mode.
// clang-format off
constexpr Shape kOneByte[256] = {
    // 00
    kM, kM, kM, kM, kIb, kIz, kPlain, kPlain, kM, kM, kM, kM, kIb, kIz, kPlain, kEscape,
    // 10
    kM, kM, kM, kM, kIb, kIz, kPlain, kPlain, kM, kM, kM, kM, kIb, kIz, kPlain, kPlain,
    // 20
    kM, kM, kM, kM, kIb, kIz, kPrefix, kPlain, kM, kM, kM, kM, kIb, kIz, kPrefix, kPlain,
    // 30
    kM, kM, kM, kM, kIb, kIz, kPrefix, kPlain, kM, kM, kM, kM, kIb, kIz, kPrefix, kPlain,
    // 40
    kPlain, kPlain, kPlain, kPlain, kPlain, kPlain, kPlain, kPlain,
    kPlain, kPlain, kPlain, kPlain, kPlain, kPlain, kPlain, kPlain,
    // 50
    kPlain, kPlain, kPlain, kPlain, kPlain, kPlain, kPlain, kPlain,
    kPlain, kPlain, kPlain, kPlain, kPlain, kPlain, kPlain, kPlain,
    // 60
    kPlain, kPlain, kM, kM, kPrefix, kPrefix, kPrefix, kPrefix,
    kIz, kMIz, kIb, kMIb, kPlain, kPlain, kPlain, kPlain,
    // 70
    kRel8, kRel8, kRel8, kRel8, kRel8, kRel8, kRel8, kRel8,
    kRel8, kRel8, kRel8, kRel8, kRel8, kRel8, kRel8, kRel8,
    // 80
    kMIb, kMIz, kMIb, kMIb, kM, kM, kM, kM, kM, kM, kM, kM, kM, kM, kM, kM,
    // 90
    kPlain, kPlain, kPlain, kPlain, kPlain, kPlain, kPlain, kPlain,
    kPlain, kPlain, kFar, kPlain, kPlain, kPlain, kPlain, kPlain,
    // A0
    kMoffs, kMoffs, kMoffs, kMoffs, kPlain, kPlain, kPlain, kPlain,
    kIb, kIz, kPlain, kPlain, kPlain, kPlain, kPlain, kPlain,
    // B0
    kIb, kIb, kIb, kIb, kIb, kIb, kIb, kIb, kIz, kIz, kIz, kIz, kIz, kIz, kIz, kIz,
    // C0
    kMIb, kMIb, kIw, kPlain, kM, kM, kMIb, kMIz, kIwIb, kPlain, kIw, kPlain, kPlain, kIb, kPlain, kPlain,
    // D0
    kM, kM, kM, kM, kIb, kIb, kPlain, kPlain, kM, kM, kM, kM, kM, kM, kM, kM,
    // E0
    kRel8, kRel8, kRel8, kRel8, kIb, kIb, kIb, kIb, kRelz, kRelz, kFar, kRel8, kPlain, kPlain, kPlain, kPlain,
    // F0
    kPrefix, kPlain, kPrefix, kPrefix, kPlain, kPlain, kGroup3b, kGroup3z,
    kPlain, kPlain, kPlain, kPlain, kPlain, kPlain, kM, kM,
};
// clang-format on

// What the 0F map holds at an opcode.
enum class Kind : uint8_t {
  kUndefined,
  kInteger,  // general-purpose: 66 sets the operand size, F2/F3 are stray
  kVector,   // MMX/SSE: none/66/F3/F2 select the instruction (see `variants`)
  kHint,     // prefetch and hint no-ops 0F 18-1F: memory forms only
  kSpecial,  // decoded by its own rule below (0D, 71-73, AE, C7, Jcc)
  kSystem,
  kRare,
  kThreeByte,
};

// Mandatory-prefix variants of a vector opcode.
constexpr uint8_t kNone = 1, k66 = 2, kF3 = 4, kF2 = 8;
constexpr uint8_t kAll = kNone | k66 | kF3 | kF2, kNo66 = kNone | k66;

enum class Form : uint8_t { kAny, kMemoryOnly, kRegisterOnly };

struct TwoByte {
  Shape shape = kBad;
  Kind kind = Kind::kUndefined;
  uint8_t variants = 0;
  Form form = Form::kAny;
};

constexpr std::array<TwoByte, 256> BuildTwoByteMap() {
  std::array<TwoByte, 256> m{};
  auto set = [&m](int first, int last, Shape shape, Kind kind, uint8_t variants = 0, Form form = Form::kAny) {
    for (int op = first; op <= last; ++op) m[op] = {shape, kind, variants, form};
  };
  const auto mem = Form::kMemoryOnly, reg = Form::kRegisterOnly;
  set(0x00, 0x01, kM, Kind::kSystem);       // groups 6 and 7 (descriptor tables, VMX)
  set(0x02, 0x03, kM, Kind::kInteger);      // LAR, LSL
  set(0x05, 0x09, kPlain, Kind::kSystem);   // SYSCALL, CLTS, SYSRET, INVD, WBINVD
  set(0x0B, 0x0B, kPlain, Kind::kInteger);  // UD2
  set(0x0D, 0x0D, kM, Kind::kSpecial);      // PREFETCH group
  set(0x0E, 0x0F, kPlain, Kind::kRare);     // FEMMS, 3DNow!
  set(0x10, 0x11, kM, Kind::kVector, kAll);
  set(0x12, 0x12, kM, Kind::kVector, kAll);  // 66: memory only (checked below)
  set(0x13, 0x13, kM, Kind::kVector, kNo66, mem);
  set(0x14, 0x15, kM, Kind::kVector, kNo66);
  set(0x16, 0x16, kM, Kind::kVector, kNo66 | kF3);  // 66: memory only
  set(0x17, 0x17, kM, Kind::kVector, kNo66, mem);
  set(0x18, 0x1F, kM, Kind::kHint);
  set(0x20, 0x23, kM, Kind::kSystem);  // MOV to and from control and debug registers
  set(0x28, 0x29, kM, Kind::kVector, kNo66);
  set(0x2A, 0x2A, kM, Kind::kVector, kAll);
  set(0x2B, 0x2B, kM, Kind::kVector, kNo66, mem);
  set(0x2C, 0x2D, kM, Kind::kVector, kAll);
  set(0x2E, 0x2F, kM, Kind::kVector, kNo66);
  set(0x30, 0x30, kPlain, Kind::kSystem);   // WRMSR
  set(0x31, 0x31, kPlain, Kind::kInteger);  // RDTSC
  set(0x32, 0x35, kPlain, Kind::kSystem);   // RDMSR, RDPMC, SYSENTER, SYSEXIT
  set(0x37, 0x37, kPlain, Kind::kSystem);   // GETSEC
  set(0x38, 0x38, kBad, Kind::kThreeByte);
  set(0x3A, 0x3A, kBad, Kind::kThreeByte);
  set(0x40, 0x4F, kM, Kind::kInteger);  // CMOVcc
  set(0x50, 0x50, kM, Kind::kVector, kNo66, reg);
  set(0x51, 0x51, kM, Kind::kVector, kAll);
  set(0x52, 0x53, kM, Kind::kVector, kNone | kF3);
  set(0x54, 0x57, kM, Kind::kVector, kNo66);
  set(0x58, 0x5A, kM, Kind::kVector, kAll);
  set(0x5B, 0x5B, kM, Kind::kVector, kNo66 | kF3);
  set(0x5C, 0x5F, kM, Kind::kVector, kAll);
  set(0x60, 0x6B, kM, Kind::kVector, kNo66);
  set(0x6C, 0x6D, kM, Kind::kVector, k66);
  set(0x6E, 0x6E, kM, Kind::kVector, kNo66);
  set(0x6F, 0x6F, kM, Kind::kVector, kNo66 | kF3);
  set(0x70, 0x70, kMIb, Kind::kVector, kAll);
  set(0x71, 0x73, kMIb, Kind::kSpecial, kNo66, reg);  // shift-by-immediate groups
  set(0x74, 0x76, kM, Kind::kVector, kNo66);
  set(0x77, 0x77, kPlain, Kind::kInteger);  // EMMS
  set(0x78, 0x79, kM, Kind::kSystem);       // VMREAD, VMWRITE (SSE4a with prefixes)
  set(0x7C, 0x7D, kM, Kind::kVector, k66 | kF2);
  set(0x7E, 0x7F, kM, Kind::kVector, kNo66 | kF3);
  set(0x80, 0x8F, kRelz, Kind::kSpecial);       // Jcc rel16/32
  set(0x90, 0x9F, kM, Kind::kInteger);          // SETcc
  set(0xA0, 0xA2, kPlain, Kind::kInteger);      // PUSH FS, POP FS, CPUID
  set(0xA3, 0xA3, kM, Kind::kInteger);          // BT
  set(0xA4, 0xA4, kMIb, Kind::kInteger);        // SHLD imm
  set(0xA5, 0xA5, kM, Kind::kInteger);          // SHLD CL
  set(0xA8, 0xA9, kPlain, Kind::kInteger);      // PUSH GS, POP GS
  set(0xAA, 0xAA, kPlain, Kind::kSystem);       // RSM
  set(0xAB, 0xAB, kM, Kind::kInteger);          // BTS
  set(0xAC, 0xAC, kMIb, Kind::kInteger);        // SHRD imm
  set(0xAD, 0xAD, kM, Kind::kInteger);          // SHRD CL
  set(0xAE, 0xAE, kM, Kind::kSpecial);          // group 15: FXSAVE ... CLFLUSH, fences
  set(0xAF, 0xAF, kM, Kind::kInteger);          // IMUL
  set(0xB0, 0xB1, kM, Kind::kInteger);          // CMPXCHG
  set(0xB2, 0xB2, kM, Kind::kInteger, 0, mem);  // LSS
  set(0xB3, 0xB3, kM, Kind::kInteger);          // BTR
  set(0xB4, 0xB5, kM, Kind::kInteger, 0, mem);  // LFS, LGS
  set(0xB6, 0xB7, kM, Kind::kInteger);          // MOVZX
  set(0xB8, 0xB8, kM, Kind::kVector, kF3);      // POPCNT
  set(0xB9, 0xB9, kM, Kind::kRare);             // UD1
  set(0xBA, 0xBA, kMIb, Kind::kInteger);        // group 8: BT/BTS/BTR/BTC imm (/4../7)
  set(0xBB, 0xBF, kM, Kind::kInteger);          // BTC, BSF/TZCNT, BSR/LZCNT, MOVSX
  set(0xC0, 0xC1, kM, Kind::kInteger);          // XADD
  set(0xC2, 0xC2, kMIb, Kind::kVector, kAll);
  set(0xC3, 0xC3, kM, Kind::kVector, kNone, mem);  // MOVNTI
  set(0xC4, 0xC4, kMIb, Kind::kVector, kNo66);
  set(0xC5, 0xC5, kMIb, Kind::kVector, kNo66, reg);
  set(0xC6, 0xC6, kMIb, Kind::kVector, kNo66);
  set(0xC7, 0xC7, kM, Kind::kSpecial);      // group 9: CMPXCHG8B
  set(0xC8, 0xCF, kPlain, Kind::kInteger);  // BSWAP
  set(0xD0, 0xD0, kM, Kind::kVector, k66 | kF2);
  set(0xD1, 0xD5, kM, Kind::kVector, kNo66);
  set(0xD6, 0xD6, kM, Kind::kVector, k66 | kF3 | kF2);  // F3/F2: register only
  set(0xD7, 0xD7, kM, Kind::kVector, kNo66, reg);
  set(0xD8, 0xE5, kM, Kind::kVector, kNo66);
  set(0xE6, 0xE6, kM, Kind::kVector, k66 | kF3 | kF2);
  set(0xE7, 0xE7, kM, Kind::kVector, kNo66, mem);
  set(0xE8, 0xEF, kM, Kind::kVector, kNo66);
  set(0xF0, 0xF0, kM, Kind::kVector, kF2, mem);  // LDDQU
  set(0xF1, 0xF6, kM, Kind::kVector, kNo66);
  set(0xF7, 0xF7, kM, Kind::kVector, kNo66, reg);
  set(0xF8, 0xFE, kM, Kind::kVector, kNo66);
  set(0xFF, 0xFF, kM, Kind::kRare);  // UD0
  return m;
}

constexpr std::array<TwoByte, 256> kTwoByte = BuildTwoByteMap();

// Register forms of x87 escapes that no instruction uses.
bool IsUndefinedX87Register(uint8_t op, uint8_t modrm) {
  const uint8_t reg = (modrm >> 3) & 7;
  switch (op) {
    case 0xD9:
      if (reg == 2) return modrm != 0xD0;  // only FNOP
      if (reg == 4) return modrm == 0xE2 || modrm == 0xE3 || modrm == 0xE6 || modrm == 0xE7;
      if (reg == 5) return modrm == 0xEF;
      return false;
    case 0xDA:
      if (reg >= 4) return modrm != 0xE9;  // only FUCOMPP
      return false;
    case 0xDB:
      if (reg == 4) return !(modrm == 0xE2 || modrm == 0xE3);  // FNCLEX, FNINIT
      return reg == 7;
    case 0xDD:
      return reg == 1 || reg == 6 || reg == 7;
    case 0xDE:
      if (reg == 3) return modrm != 0xD9;  // only FCOMPP
      return false;
    case 0xDF:
      if (reg == 4) return modrm != 0xE0;  // only FNSTSW AX
      return reg == 7 || reg == 1 || reg == 2 || reg == 3;
    default:
      return false;
  }
}

// Memory forms of x87 escapes that no instruction uses.
bool IsUndefinedX87Memory(uint8_t op, uint8_t reg) {
  return (op == 0xD9 && reg == 1) || (op == 0xDB && (reg == 4 || reg == 6)) || (op == 0xDD && reg == 5);
}

// Instructions that accept LOCK: read-modify-write forms with a memory destination.
bool IsLockable(uint8_t map, uint8_t op, uint8_t modrm) {
  if ((modrm >> 6) == 3) return false;
  const uint8_t reg = (modrm >> 3) & 7;
  if (map == 0) {
    if (op < 0x40 && (op & 7) <= 1 && (op & 0x38) != 0x38) return true;  // ADD ... XOR r/m, r (not CMP)
    if (op >= 0x80 && op <= 0x83) return reg != 7;                       // group 1 except CMP
    if (op == 0x86 || op == 0x87) return true;                           // XCHG
    if (op == 0xF6 || op == 0xF7) return reg == 2 || reg == 3;           // NOT, NEG
    if (op == 0xFE || op == 0xFF) return reg <= 1;                       // INC, DEC
    return false;
  }
  switch (op) {
    case 0xAB:
    case 0xB3:
    case 0xBB:  // BTS, BTR, BTC
    case 0xB0:
    case 0xB1:  // CMPXCHG
    case 0xC0:
    case 0xC1:  // XADD
      return true;
    case 0xBA:
      return reg >= 5;  // BTS/BTR/BTC imm
    case 0xC7:
      return reg == 1;  // CMPXCHG8B
    default:
      return false;
  }
}

// One-byte opcodes that define F2/F3: string instructions, PAUSE, REP/BND RET and BND branches.
bool TakesRepeatPrefix(uint8_t op, uint8_t modrm, bool has_modrm, uint8_t rep) {
  if ((op >= 0x6C && op <= 0x6F) || (op >= 0xA4 && op <= 0xA7) || (op >= 0xAA && op <= 0xAF)) return true;
  if (op == 0x90) return rep == 0xF3;
  if (op == 0xC2 || op == 0xC3) return true;
  if ((op >= 0x70 && op <= 0x7F) || op == 0xE8 || op == 0xE9 || op == 0xEB) return rep == 0xF2;
  if (op == 0xFF && has_modrm) {
    const uint8_t reg = (modrm >> 3) & 7;
    return rep == 0xF2 && (reg == 2 || reg == 4);
  }
  return false;
}

class Decoder {
 public:
  Decoder(const uint8_t* code, size_t available, Instruction& out)
      : code_(code), available_(available), out_(out) {}

  Refusal Run() {
    out_ = Instruction{};
    if (Refusal r = Prefixes(); r != Refusal::kNone) return r;
    if (!Have(1)) return Refusal::kTruncated;
    uint8_t op = code_[pos_++];
    Shape shape = kOneByte[op];
    if (shape == kEscape) {
      if (!Have(1)) return Refusal::kTruncated;
      op = code_[pos_++];
      out_.map = 1;
    }
    out_.opcode = op;
    Refusal r = out_.map == 0 ? OneByte(op, shape) : TwoByteOpcode(op, shape);
    if (r != Refusal::kNone) return r;
    if (r = Operands(shape); r != Refusal::kNone) return r;
    SetFlow();
    return Refusal::kNone;
  }

 private:
  bool Have(size_t n) const { return pos_ + n <= available_; }

  Refusal Prefixes() {
    for (;;) {
      if (!Have(1)) return Refusal::kTruncated;
      const uint8_t b = code_[pos_];
      if (b == 0x66) {
        out_.operand16 = true;
      } else if (b == 0x67) {
        out_.address16 = true;
      } else if (b == 0xF0) {
        out_.lock = true;
      } else if (b == 0xF2 || b == 0xF3) {
        out_.rep = b;
        (b == 0xF2 ? f2_ : f3_) = true;
      } else if (b == 0x26 || b == 0x2E || b == 0x36 || b == 0x3E || b == 0x64 || b == 0x65) {
        out_.segment = b;
      } else {
        break;
      }
      last_prefix_ = b;
      if (++pos_ >= 15) return Refusal::kTooLong;  // no room left for an opcode
    }
    out_.prefix_count = static_cast<uint8_t>(pos_);
    return Refusal::kNone;
  }

  // Reads the ModRM byte and whatever addressing bytes it announces.
  Refusal ModRM() {
    if (!Have(1)) return Refusal::kTruncated;
    out_.has_modrm = true;
    out_.modrm = code_[pos_++];
    const uint8_t mod = out_.modrm >> 6;
    const uint8_t rm = out_.modrm & 7;
    if (out_.address16) {
      if (mod == 0 && rm == 6)
        out_.disp_size = 2;
      else if (mod == 1)
        out_.disp_size = 1;
      else if (mod == 2)
        out_.disp_size = 2;
    } else if (mod != 3) {
      if (rm == 4) {
        if (!Have(1)) return Refusal::kTruncated;
        const uint8_t sib = code_[pos_++];
        if (mod == 0 && (sib & 7) == 5) out_.disp_size = 4;
      }
      if (mod == 0 && rm == 5)
        out_.disp_size = 4;
      else if (mod == 1)
        out_.disp_size = 1;
      else if (mod == 2)
        out_.disp_size = 4;
    }
    if (!Have(out_.disp_size)) return Refusal::kTruncated;
    pos_ += out_.disp_size;
    return Refusal::kNone;
  }

  uint8_t Mod() const { return out_.modrm >> 6; }
  uint8_t Reg() const { return (out_.modrm >> 3) & 7; }

  Refusal OneByte(uint8_t op, Shape& shape) {
    if (shape == kBad) return Refusal::kUndefinedOpcode;
    // Opcodes that turn into another encoding family with a register-form ModRM.
    if (op == 0xC4 || op == 0xC5 || op == 0x62) {
      if (!Have(1)) return Refusal::kTruncated;
      if ((code_[pos_] & 0xC0) == 0xC0) return Refusal::kVexEvexXop;
    }
    if (op == 0x8F) {
      if (!Have(1)) return Refusal::kTruncated;
      if ((code_[pos_] & 0x38) != 0) return Refusal::kVexEvexXop;
    }
    const bool modrm =
        shape == kM || shape == kMIb || shape == kMIz || shape == kGroup3b || shape == kGroup3z;
    if (modrm) {
      if (Refusal r = ModRM(); r != Refusal::kNone) return r;
      const uint8_t mod = Mod(), reg = Reg();
      if (mod == 3 && (op == 0x62 || op == 0xC4 || op == 0xC5 || op == 0x8D)) return Refusal::kUndefinedForm;
      if (mod == 3 && op == 0xFF && (reg == 3 || reg == 5)) return Refusal::kUndefinedForm;  // far CALL/JMP
      if (op == 0xFE && reg >= 2) return Refusal::kUndefinedForm;
      if (op == 0xFF && reg == 7) return Refusal::kUndefinedForm;
      if (op == 0x8C && reg >= 6) return Refusal::kUndefinedForm;                // no segment register 6 or 7
      if (op == 0x8E && (reg == 1 || reg >= 6)) return Refusal::kUndefinedForm;  // nor a load of CS
      if ((op == 0xC6 || op == 0xC7) && reg != 0) {
        return out_.modrm == 0xF8 ? Refusal::kRareExtension  // XABORT / XBEGIN
                                  : Refusal::kUndefinedForm;
      }
      if (op >= 0xD8 && op <= 0xDF) {
        if (mod == 3 && IsUndefinedX87Register(op, out_.modrm)) return Refusal::kUndefinedForm;
        if (mod != 3 && IsUndefinedX87Memory(op, reg)) return Refusal::kUndefinedForm;
      }
      if ((shape == kGroup3b || shape == kGroup3z) && reg <= 1) shape = shape == kGroup3b ? kMIb : kMIz;
    }
    if (out_.rep && !TakesRepeatPrefix(op, out_.modrm, modrm, out_.rep)) return Refusal::kStrayPrefix;
    if (out_.lock && !IsLockable(0, op, modrm ? out_.modrm : 0xC0)) return Refusal::kBadLock;
    if ((shape == kRel8 || shape == kRelz) && (out_.operand16 || out_.address16))
      return Refusal::kSizedBranch;
    return Refusal::kNone;
  }

  Refusal TwoByteOpcode(uint8_t op, Shape& shape) {
    const TwoByte& info = kTwoByte[op];
    shape = info.shape;
    switch (info.kind) {
      case Kind::kUndefined:
        return Refusal::kUndefinedOpcode;
      case Kind::kSystem:
        return Refusal::kSystemOnly;
      case Kind::kRare:
        return Refusal::kRareExtension;
      case Kind::kThreeByte:
        return Refusal::kThreeByteMap;
      default:
        break;
    }
    const bool modrm = shape == kM || shape == kMIb;
    if (modrm) {
      if (Refusal r = ModRM(); r != Refusal::kNone) return r;
    }
    const bool reg_form = Mod() == 3;
    if (info.form == Form::kMemoryOnly && reg_form) return Refusal::kUndefinedForm;
    if (info.form == Form::kRegisterOnly && modrm && !reg_form) return Refusal::kUndefinedForm;

    switch (info.kind) {
      case Kind::kInteger:
        if (f2_ || f3_) {
          // Only TZCNT and LZCNT give a repeat prefix a meaning here.
          if (!(f3_ && !f2_ && (op == 0xBC || op == 0xBD))) return Refusal::kStrayPrefix;
        }
        if (op == 0xBA && Reg() < 4) return Refusal::kUndefinedForm;
        break;
      case Kind::kVector: {
        if (!SelectingPrefixInPlace()) return Refusal::kStrayPrefix;
        const uint8_t variant = f3_ ? kF3 : f2_ ? kF2 : out_.operand16 ? k66 : kNone;
        if (!(info.variants & variant)) {
          return variant == kNone ? Refusal::kUndefinedOpcode : Refusal::kStrayPrefix;
        }
        if ((op == 0x12 || op == 0x16) && variant == k66 && reg_form) return Refusal::kUndefinedForm;
        if (op == 0xD6 && (variant == kF3 || variant == kF2) && !reg_form) return Refusal::kUndefinedForm;
        break;
      }
      case Kind::kHint:
        if (f2_ || f3_) return Refusal::kStrayPrefix;
        if (reg_form) return Refusal::kUndefinedForm;
        break;
      case Kind::kSpecial:
        if (Refusal r = SpecialTwoByte(op, reg_form); r != Refusal::kNone) return r;
        break;
      default:
        break;
    }
    if (out_.lock && !IsLockable(1, op, modrm ? out_.modrm : 0xC0)) return Refusal::kBadLock;
    return Refusal::kNone;
  }

  // Vector instructions take one selecting prefix (66, F3 or F2) at most, and compilers
  // put it right before the escape byte.
  bool SelectingPrefixInPlace() const {
    if (int(f2_) + int(f3_) + int(out_.operand16) > 1) return false;
    if (!f2_ && !f3_ && !out_.operand16) return true;
    return last_prefix_ == 0x66 || last_prefix_ == 0xF2 || last_prefix_ == 0xF3;
  }

  Refusal SpecialTwoByte(uint8_t op, bool reg_form) {
    const uint8_t reg = Reg();
    if (op >= 0x80 && op <= 0x8F) {  // Jcc rel16/32; F2 is the BND prefix
      if (f3_) return Refusal::kStrayPrefix;
      if (out_.operand16 || out_.address16) return Refusal::kSizedBranch;
      return Refusal::kNone;
    }
    if (f2_ || f3_) return Refusal::kStrayPrefix;
    switch (op) {
      case 0x0D:  // PREFETCHW; the other members are 3DNow! prefetches
        return reg == 1 && !reg_form ? Refusal::kNone : Refusal::kRareExtension;
      case 0x71:
      case 0x72:
      case 0x73: {  // shift by immediate: only some /reg values exist
        if (!SelectingPrefixInPlace()) return Refusal::kStrayPrefix;
        static constexpr uint8_t kMmx[3] = {0x54, 0x54, 0x44};  // /2 /4 /6, /2 /4 /6, /2 /6
        static constexpr uint8_t kSse[3] = {0x54, 0x54, 0xCC};  // as MMX, plus 66 0F 73 /3 /7
        const uint8_t valid = (out_.operand16 ? kSse : kMmx)[op - 0x71];
        return (valid >> reg) & 1 ? Refusal::kNone : Refusal::kUndefinedForm;
      }
      case 0xAE:  // memory: FXSAVE ... CLFLUSH; register: only the three fences
        if (!reg_form) return Refusal::kNone;
        if (out_.operand16) return Refusal::kStrayPrefix;
        return out_.modrm == 0xE8 || out_.modrm == 0xF0 || out_.modrm == 0xF8 ? Refusal::kNone
                                                                              : Refusal::kUndefinedForm;
      case 0xC7:  // CMPXCHG8B; the rest of the group is XSAVE, VMX and RDRAND
        return reg == 1 && !reg_form ? Refusal::kNone : Refusal::kRareExtension;
      default:
        return Refusal::kUndefinedOpcode;
    }
  }

  Refusal Operands(Shape shape) {
    const uint8_t zsize = out_.operand16 ? 2 : 4;
    switch (shape) {
      case kMIb:
      case kIb:
        out_.imm_size = 1;
        break;
      case kMIz:
      case kIz:
        out_.imm_size = zsize;
        break;
      case kIw:
        out_.imm_size = 2;
        break;
      case kIwIb:
        out_.imm_size = 3;
        break;
      case kMoffs:
        out_.imm_size = out_.address16 ? 2 : 4;
        break;
      case kFar:
        out_.imm_size = static_cast<uint8_t>(zsize + 2);
        break;
      case kRel8:
        out_.rel_size = 1;
        break;
      case kRelz:
        out_.rel_size = zsize;
        break;
      default:
        break;
    }
    if (out_.rel_size) {
      out_.rel_offset = static_cast<uint8_t>(pos_);
      pos_ += out_.rel_size;
    }
    pos_ += out_.imm_size;
    if (pos_ > 15) return Refusal::kTooLong;
    if (pos_ > available_) return Refusal::kTruncated;
    out_.length = static_cast<uint8_t>(pos_);
    return Refusal::kNone;
  }

  void SetFlow() {
    const uint8_t op = out_.opcode;
    if (out_.map == 1) {
      if (op >= 0x80 && op <= 0x8F) out_.flow = Flow::kJcc;
      return;
    }
    if (op >= 0x70 && op <= 0x7F) {
      out_.flow = Flow::kJcc;
    } else if (op >= 0xE0 && op <= 0xE3) {
      out_.flow = Flow::kLoop;
    } else if (op == 0xE8) {
      out_.flow = Flow::kCall;
    } else if (op == 0xE9 || op == 0xEB) {
      out_.flow = Flow::kJump;
    } else if (op == 0xEA) {
      out_.flow = Flow::kIndirectJump;
    } else if (op == 0x9A) {
      out_.flow = Flow::kIndirectCall;
    } else if (op == 0xC2 || op == 0xC3 || op == 0xCA || op == 0xCB || op == 0xCF) {
      out_.flow = Flow::kReturn;
    } else if (op == 0xFF) {
      const uint8_t reg = Reg();
      if (reg == 4 || reg == 5) out_.flow = Flow::kIndirectJump;
      if (reg == 2 || reg == 3) out_.flow = Flow::kIndirectCall;
    }
  }

  const uint8_t* code_;
  size_t available_;
  Instruction& out_;
  size_t pos_ = 0;
  bool f2_ = false, f3_ = false;
  uint8_t last_prefix_ = 0;
};

}  // namespace

const char* RefusalName(Refusal r) {
  switch (r) {
    case Refusal::kNone:
      return "accepted";
    case Refusal::kTruncated:
      return "truncated";
    case Refusal::kTooLong:
      return "longer than 15 bytes";
    case Refusal::kUndefinedOpcode:
      return "undefined opcode";
    case Refusal::kUndefinedForm:
      return "undefined ModRM form";
    case Refusal::kBadLock:
      return "LOCK on an instruction that cannot be locked";
    case Refusal::kStrayPrefix:
      return "stray, misplaced or conflicting prefix";
    case Refusal::kSizedBranch:
      return "relative branch with a size override";
    case Refusal::kVexEvexXop:
      return "VEX/EVEX/XOP encoding";
    case Refusal::kThreeByteMap:
      return "three-byte opcode map";
    case Refusal::kRareExtension:
      return "rare extension (3DNow!, XSAVE, RDRAND, UD0/UD1 ...)";
    case Refusal::kSystemOnly:
      return "system or virtualisation instruction";
    case Refusal::kCount:
      break;
  }
  return "?";
}

int32_t Instruction::RelativeDisplacement(const uint8_t* bytes) const {
  if (rel_size == 1) return static_cast<int8_t>(bytes[rel_offset]);
  if (rel_size == 2) {
    int16_t v;
    std::memcpy(&v, bytes + rel_offset, 2);
    return v;
  }
  if (rel_size == 4) {
    int32_t v;
    std::memcpy(&v, bytes + rel_offset, 4);
    return v;
  }
  return 0;
}

Refusal Decode(const uint8_t* code, size_t available, Instruction& out) {
  return Decoder(code, available, out).Run();
}

}  // namespace tebix::x86
