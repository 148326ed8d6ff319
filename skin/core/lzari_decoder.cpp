#include "skin/core/lzari_decoder.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

#include "skin/core/lzari_format.h"
#include "skin/core/lzari_model.h"

namespace tebix {

using namespace lzari;

namespace {

// Reads the stream most significant bit first, 64 bits at a time; past the
// end it delivers zeros and counts them.
class BitReader {
 public:
  explicit BitReader(std::span<const std::uint8_t> input)
      : next_(input.data()), end_(input.data() + input.size()) {}

  // The next `count` (0..17) bits as a number.
  std::uint32_t Bits(std::uint32_t count) {
    if (available_ < count) {
      // Keep the bits still buffered in front of the next ones.
      const std::uint32_t held = available_;
      const std::uint32_t high = held == 0 ? 0 : static_cast<std::uint32_t>(buffer_ & ((1ull << held) - 1));
      Refill();
      const std::uint32_t rest = count - held;
      available_ -= rest;
      return (high << rest) | static_cast<std::uint32_t>(buffer_ >> available_);
    }
    available_ -= count;
    return static_cast<std::uint32_t>(buffer_ >> available_) & ((1u << count) - 1);
  }

  std::uint32_t Bit() { return Bits(1); }

  // Bits taken beyond the end of the input so far.
  std::uint64_t BitsPastEnd() const { return padded_bits_ > available_ ? padded_bits_ - available_ : 0; }
  // Cheap test used between symbols: true once the input is exhausted well
  // beyond what any complete stream needs.
  bool Overrun() const { return padded_bits_ > 64 + kMaxBitsPastEnd; }

 private:
  void Refill() {
    std::uint64_t v = 0;
    const std::size_t left = static_cast<std::size_t>(end_ - next_);
    if (left >= 8) {
      for (int i = 0; i < 8; ++i) v = (v << 8) | next_[i];
      next_ += 8;
    } else {
      for (std::size_t i = 0; i < 8; ++i) v = (v << 8) | (i < left ? next_[i] : 0u);
      next_ = end_;
      padded_bits_ += (8 - left) * 8;
    }
    buffer_ = v;
    available_ = 64;
  }

  const std::uint8_t* next_;
  const std::uint8_t* end_;
  std::uint64_t buffer_ = 0;
  std::uint32_t available_ = 0;
  std::uint64_t padded_bits_ = 0;  // zero bits loaded from beyond the end
};

// x -> p for the fixed position model: p is the position whose range
// [PositionCum()[p + 1], PositionCum()[p]) holds x.
const std::uint16_t* PositionLookup() {
  static const std::unique_ptr<std::uint16_t[]> table = [] {
    auto t = std::make_unique<std::uint16_t[]>(kPositionTotal);
    const PositionTable& cum = PositionCum();
    for (int p = 0; p < kWindowSize; ++p) {
      for (std::uint32_t x = cum[p + 1]; x < cum[p]; ++x) t[x] = static_cast<std::uint16_t>(p);
    }
    return t;
  }();
  return table.get();
}

// The arithmetic decoder. Its invariant low <= value < high holds for any
// input, so every index derived from it stays in range.
class Decoder {
 public:
  explicit Decoder(std::span<const std::uint8_t> stream)
      : bits_(stream), positions_(PositionLookup()), position_cum_(PositionCum().data()) {
    value_ = bits_.Bits(kCodeBits);
  }

  int Character() {
    const std::uint32_t range = high_ - low_;
    const std::uint32_t total = model_.total();
    const std::uint32_t x = ((value_ - low_ + 1) * total - 1) / range;
    const int sym = model_.FindSymbol(x);
    high_ = low_ + range * model_.high(sym) / total;
    low_ = low_ + range * model_.low(sym) / total;
    Renormalise();
    const int c = model_.CharacterOf(sym);
    model_.Update(sym);
    return c;
  }

  int Position() {
    const std::uint32_t range = high_ - low_;
    const std::uint32_t x = ((value_ - low_ + 1) * kPositionTotal - 1) / range;
    const int p = positions_[x];
    high_ = low_ + range * position_cum_[p] / kPositionTotal;
    low_ = low_ + range * position_cum_[p + 1] / kPositionTotal;
    Renormalise();
    return p;
  }

  const BitReader& bits() const { return bits_; }

 private:
  // Shifts out the settled bits. Stepwise: while low >= Q2, or high <= Q2
  // (both in one half), drop the top bit and double; while low >= Q1 and
  // high <= Q3 (straddling the middle), subtract Q1 and double; each
  // doubling takes in one bit. The one-half steps all come first (a
  // straddling step while both sit in the lower half leaves the same state
  // as two one-half steps), so they are taken together: as many as low and
  // high - 1 have equal leading bits.
#if defined(__GNUC__)
  __attribute__((always_inline))
#endif
  void Renormalise() {
    constexpr std::uint32_t kMask = kQ4 - 1;
    const std::uint32_t differ = (low_ ^ (high_ - 1)) & kMask;
    const std::uint32_t n =
        differ == 0 ? kCodeBits : static_cast<std::uint32_t>(std::countl_zero(differ)) - (32 - kCodeBits);
    if (n != 0) {
      low_ = (low_ << n) & kMask;
      high_ = (((high_ - 1) << n) & kMask) + (1u << n);
      value_ = ((value_ << n) & kMask) | bits_.Bits(n);
    }
    while (low_ >= kQ1 && high_ <= kQ3) {
      low_ = 2 * (low_ - kQ1);
      high_ = 2 * (high_ - kQ1);
      value_ = 2 * (value_ - kQ1) + bits_.Bit();
    }
  }

  BitReader bits_;
  CharModel model_;
  const std::uint16_t* positions_;
  const std::uint32_t* position_cum_;
  std::uint32_t low_ = 0;
  std::uint32_t high_ = kQ4;
  std::uint32_t value_ = 0;
};

std::uint32_t ReadSize(std::span<const std::uint8_t> input) {
  return static_cast<std::uint32_t>(input[0]) | static_cast<std::uint32_t>(input[1]) << 8 |
         static_cast<std::uint32_t>(input[2]) << 16 | static_cast<std::uint32_t>(input[3]) << 24;
}

}  // namespace

const char* Describe(LzariStatus status) {
  switch (status) {
    case LzariStatus::kOk:
      return "ok";
    case LzariStatus::kNoSize:
      return "the stream is too short to hold the unpacked size";
    case LzariStatus::kTooLarge:
      return "the declared unpacked size is larger than 64 MiB";
    case LzariStatus::kTruncated:
      return "the stream ends before the declared size is unpacked";
  }
  return "unknown error";
}

void UnpackedBlock::clear() {
  storage_.assign(1, 0);
  offset_ = 0;
  size_ = 0;
}

LzariStatus LzariDecode(std::span<const std::uint8_t> input, UnpackedBlock& out) {
  out.clear();
  if (input.size() < kSizeFieldBytes) return LzariStatus::kNoSize;
  const std::uint32_t size = ReadSize(input);
  if (size > kMaxUnpackedSize) return LzariStatus::kTooLarge;
  if (size == 0) return LzariStatus::kOk;

  // The window is the history itself: the output goes behind a copy of the
  // initial window laid out as it sits before the write index (60 bytes of
  // 4036..4095, zero, then the 4036 fill bytes), so a copy at distance d
  // simply reads d bytes back. Slack behind the end takes a whole match.
  constexpr std::size_t kHistory = kWindowSize;
  constexpr std::size_t kSlack = kLongestMatch + 8;
  // The first allocation is sized from the input so that a corrupt size
  // costs nothing; a block that unpacks further grows as it goes.
  const std::size_t first = std::min<std::size_t>(size, std::max<std::size_t>(16u << 10, input.size() * 16));
  std::vector<std::uint8_t> buffer(kHistory + first + kSlack);
  std::memset(buffer.data() + kLongestMatch, kFillByte, kWindowStart);

  Decoder decoder(input.subspan(kSizeFieldBytes));
  std::size_t count = 0;
  std::uint8_t* base = buffer.data() + kHistory;
  std::size_t capacity = buffer.size() - kHistory - kSlack;
  while (count < size) {
    if (count >= capacity) {
      const std::size_t grown = std::min<std::size_t>(std::size_t{size}, capacity * 2);
      buffer.resize(kHistory + grown + kSlack);
      base = buffer.data() + kHistory;
      capacity = grown;
    }
    const int c = decoder.Character();
    if (c < kFirstLengthSymbol) {
      base[count++] = static_cast<std::uint8_t>(c);
    } else {
      const int distance = decoder.Position() + 1;
      const int length = c - kLengthBias;
      std::uint8_t* dst = base + count;
      const std::uint8_t* src = dst - distance;
      if (distance >= 8) {
        // Eight bytes at a time: each piece reads only bytes written before
        // it; up to seven bytes beyond the match land in the slack and are
        // overwritten by what follows.
        for (int k = 0; k < length; k += 8) std::memcpy(dst + k, src + k, 8);
      } else {
        for (int k = 0; k < length; ++k) dst[k] = src[k];
      }
      count += static_cast<std::size_t>(length);
    }
    if (decoder.bits().Overrun()) return LzariStatus::kTruncated;
  }
  if (decoder.bits().BitsPastEnd() > kMaxBitsPastEnd) return LzariStatus::kTruncated;

  buffer.resize(kHistory + count + 1);
  buffer[kHistory + count] = 0;
  out.storage_ = std::move(buffer);
  out.offset_ = kHistory;
  out.size_ = count;
  return LzariStatus::kOk;
}

}  // namespace tebix
