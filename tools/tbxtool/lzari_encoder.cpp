#include "tools/tbxtool/lzari_encoder.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>

#include "skin/core/lzari_format.h"
#include "skin/core/lzari_model.h"

namespace tebix::tbx {

using namespace lzari;

namespace {

// Writes bits most significant first; the last byte is padded with zeros.
class BitWriter {
 public:
  explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  void Put(std::uint32_t bit) {
    if (bit) byte_ |= mask_;
    mask_ >>= 1;
    if (mask_ == 0) {
      out_.push_back(byte_);
      byte_ = 0;
      mask_ = 0x80;
    }
  }

  void Flush() {
    if (mask_ != 0x80) out_.push_back(byte_);
    byte_ = 0;
    mask_ = 0x80;
  }

 private:
  std::vector<std::uint8_t>& out_;
  std::uint8_t byte_ = 0;
  std::uint8_t mask_ = 0x80;
};

}  // namespace

// The arithmetic coder, the exact mirror of the decoder's.
class LzariStreamWriter::Coder {
 public:
  explicit Coder(std::vector<std::uint8_t>& out) : bits_(out), position_cum_(PositionCum()) {}

  const CharModel& model() const { return model_; }

  void Character(int c) {
    const int sym = model_.SymbolOf(c);
    Narrow(model_.low(sym), model_.high(sym), model_.total());
    model_.Update(sym);
  }

  void Match(int length, int distance) {
    Character(kLengthBias + length);
    const int p = distance - 1;
    Narrow(position_cum_[p + 1], position_cum_[p], kPositionTotal);
  }

  // Two more bits (plus the pending ones) single out a value inside
  // [low, high) whatever follows them.
  void Finish() {
    ++pending_;
    Output(low_ < kQ1 ? 0 : 1);
    bits_.Flush();
  }

 private:
  void Narrow(std::uint32_t cum_low, std::uint32_t cum_high, std::uint32_t total) {
    const std::uint32_t range = high_ - low_;
    high_ = low_ + range * cum_high / total;
    low_ = low_ + range * cum_low / total;
    for (;;) {
      if (low_ >= kQ2) {
        Output(1);
        low_ -= kQ2;
        high_ -= kQ2;
      } else if (low_ >= kQ1 && high_ <= kQ3) {
        ++pending_;
        low_ -= kQ1;
        high_ -= kQ1;
      } else if (high_ > kQ2) {
        break;
      } else {
        Output(0);
      }
      low_ += low_;
      high_ += high_;
    }
  }

  void Output(std::uint32_t bit) {
    bits_.Put(bit);
    for (; pending_ > 0; --pending_) bits_.Put(bit ^ 1u);
  }

  BitWriter bits_;
  CharModel model_;
  const PositionTable& position_cum_;
  std::uint32_t low_ = 0;
  std::uint32_t high_ = kQ4;
  std::uint64_t pending_ = 0;
};

namespace {

using Encoder = LzariStreamWriter::Coder;

// The initial window as the text before the data: 60 bytes that a stream
// must never copy from (window 4036..4095), then the 4036 fill bytes.
constexpr std::size_t kHistory = kWindowSize;
constexpr std::size_t kFirstSource = kLongestMatch;

struct Match {
  int length;
  int distance;  // 1..4096
};

// Longest-match search with hash chains: every position is linked to the
// previous one with the same first three bytes, so the candidates come
// nearest first and each longer match found is also the nearest of its
// length, which the position model prices lowest.
class MatchFinder {
 public:
  explicit MatchFinder(std::span<const std::uint8_t> text)
      : text_(text.data()), size_(text.size()), hash_mask_(HashSize(text.size()) - 1),
        head_(HashSize(text.size()), kEmpty), previous_(kCycle, kEmpty) {}

  // Inserts `pos` (positions are inserted in increasing order) and writes
  // the matches found, lengths strictly increasing, to `out`; returns how
  // many. Near the end, where fewer than 3 bytes remain, nothing is done.
  int Insert(std::size_t pos, Match* out) {
    const std::size_t left = size_ - pos;
    if (left < kThreshold + 1) return 0;
    const int limit = static_cast<int>(std::min<std::size_t>(kLongestMatch, left));
    const std::uint8_t* cur = text_ + pos;
    const std::uint32_t h = Hash(cur);
    std::int64_t candidate = head_[h];
    head_[h] = static_cast<std::int64_t>(pos);
    previous_[pos & (kCycle - 1)] = candidate;

    int best = kThreshold;
    int count = 0;
    while (candidate != kEmpty && pos - static_cast<std::size_t>(candidate) <= kWindowSize) {
      const std::size_t distance = pos - static_cast<std::size_t>(candidate);
      const std::uint8_t* pb = cur - distance;
      if (pb[best] == cur[best]) {
        int len = 0;
        while (len < limit && pb[len] == cur[len]) ++len;
        if (len > best) {
          best = len;
          out[count++] = {len, static_cast<int>(distance)};
          if (len == limit) break;
        }
      }
      candidate = previous_[static_cast<std::size_t>(candidate) & (kCycle - 1)];
    }
    return count;
  }

 private:
  static constexpr std::int64_t kEmpty = -1;
  static constexpr std::size_t kCycle = 2 * kWindowSize;  // no slot is reused within the window
  // Small inputs get a small table: 2^10 to 2^16 chains.
  static std::size_t HashSize(std::size_t text_size) {
    std::size_t size = 1 << 10;
    while (size < (1u << 16) && size < text_size - kHistory) size <<= 1;
    return size;
  }
  std::uint32_t Hash(const std::uint8_t* p) const {
    return ((static_cast<std::uint32_t>(p[0]) << 8 | p[1]) ^ (p[2] * 0x9E37u)) & hash_mask_;
  }

  const std::uint8_t* text_;
  std::size_t size_;
  std::uint32_t hash_mask_;
  std::vector<std::int64_t> head_;
  std::vector<std::int64_t> previous_;
};


std::vector<std::uint8_t> MakeText(std::span<const std::uint8_t> data) {
  std::vector<std::uint8_t> text(kHistory + data.size());
  std::memset(text.data() + kFirstSource, kFillByte, kWindowStart);
  if (!data.empty()) std::memcpy(text.data() + kHistory, data.data(), data.size());
  return text;
}

// Matches into the fill bytes: the last 60 positions of the window are
// enough, since every run of fill bytes of up to 60 starts among them.
void InsertWindow(MatchFinder& finder, Match* scratch) {
  for (std::size_t pos = kHistory - kLongestMatch; pos < kHistory; ++pos) finder.Insert(pos, scratch);
}

void EncodeGreedy(std::span<const std::uint8_t> text, Encoder& encoder, bool lazy) {
  MatchFinder finder(text);
  Match matches[kLongestMatch + 1];
  InsertWindow(finder, matches);
  const std::size_t end = text.size();
  std::size_t pos = kHistory;
  Match current{0, 0};
  bool have_current = false;  // `current` holds the matches of pos, already inserted
  while (pos < end) {
    if (!have_current) {
      const int n = finder.Insert(pos, matches);
      current = n > 0 ? matches[n - 1] : Match{0, 0};
    }
    have_current = false;
    if (current.length <= kThreshold) {
      encoder.Character(text[pos]);
      ++pos;
      continue;
    }
    if (lazy && current.length < kLongestMatch && pos + 1 < end) {
      const int n = finder.Insert(pos + 1, matches);
      const Match next = n > 0 ? matches[n - 1] : Match{0, 0};
      if (next.length > current.length) {
        encoder.Character(text[pos]);
        ++pos;
        current = next;
        have_current = true;
        continue;
      }
      encoder.Match(current.length, current.distance);
      for (std::size_t k = pos + 2; k < pos + static_cast<std::size_t>(current.length); ++k) {
        finder.Insert(k, matches);
      }
    } else {
      encoder.Match(current.length, current.distance);
      for (std::size_t k = pos + 1; k < pos + static_cast<std::size_t>(current.length); ++k) {
        finder.Insert(k, matches);
      }
    }
    pos += static_cast<std::size_t>(current.length);
  }
}

// Prices are in 1/4096 bit, computed with integers only, so that the tool
// makes the same choices, and the same file, on every platform.
using Price = std::int64_t;
constexpr int kPriceFraction = 12;

// log2(x) for x >= 1, in 1/4096 units: the integer part from the highest
// bit, the fraction bit by bit by squaring the normalised value.
Price Log2Price(std::uint32_t x) {
  int whole = 31;
  while ((x >> whole) == 0) --whole;
  std::uint64_t y = static_cast<std::uint64_t>(x) << (31 - whole);  // 1.31 fixed point in [1, 2)
  Price fraction = 0;
  for (int bit = kPriceFraction - 1; bit >= 0; --bit) {
    y = (y * y) >> 31;
    if (y >= (1ull << 32)) {
      y >>= 1;
      fraction |= Price{1} << bit;
    }
  }
  return (Price{whole} << kPriceFraction) | fraction;
}

// Prices from the model as it stands.
struct Prices {
  Price literal[256];
  Price length[kLongestMatch + 1];
  const Price* position;  // fixed, shared

  Prices() : position(PositionPrices()) {}

  static const Price* PositionPrices() {
    static const std::vector<Price> prices = [] {
      std::vector<Price> p(kWindowSize);
      const PositionTable& cum = PositionCum();
      for (int i = 0; i < kWindowSize; ++i) p[i] = Log2Price(kPositionTotal) - Log2Price(cum[i] - cum[i + 1]);
      return p;
    }();
    return prices.data();
  }

  // The prices of `model`, or the mean of those of `a` and `b`.
  void Set(const CharModel& model) { Set(model, model); }
  void Set(const CharModel& a, const CharModel& b) {
    auto price = [&](int c) {
      auto one = [c](const CharModel& m) {
        const int sym = m.SymbolOf(c);
        return Log2Price(m.total()) - Log2Price(m.high(sym) - m.low(sym));
      };
      return (one(a) + one(b)) / 2;
    };
    for (int c = 0; c < 256; ++c) literal[c] = price(c);
    for (int l = kThreshold + 1; l <= kLongestMatch; ++l) length[l] = price(kLengthBias + l);
  }
};

// Cheapest parse, one block of the data at a time, priced from the model at
// the block's start. Matches are cut at the block's end.
void EncodeOptimal(std::span<const std::uint8_t> text, Encoder& encoder) {
  constexpr std::size_t kBlock = 4096;
  MatchFinder finder(text);
  Match scratch[kLongestMatch + 1];
  InsertWindow(finder, scratch);
  auto prices = std::make_unique<Prices>();

  std::vector<Match> found;                      // matches of every position of the block
  std::vector<std::uint32_t> first(kBlock + 1);  // index into `found` per position
  std::vector<Price> cost(kBlock + 1);
  std::vector<Match> step(kBlock + 1);  // how each position is best reached
  std::vector<Match> path;

  for (std::size_t start = kHistory; start < text.size(); start += kBlock) {
    const std::size_t n = std::min(kBlock, text.size() - start);
    found.clear();
    for (std::size_t i = 0; i < n; ++i) {
      first[i] = static_cast<std::uint32_t>(found.size());
      const int count = finder.Insert(start + i, scratch);
      found.insert(found.end(), scratch, scratch + count);
    }
    first[n] = static_cast<std::uint32_t>(found.size());

    // Cheapest path through the block at the current prices, into `path`.
    auto find_path = [&] {
      std::fill(cost.begin(), cost.begin() + static_cast<std::ptrdiff_t>(n) + 1,
                std::numeric_limits<Price>::max());
      cost[0] = 0;
      for (std::size_t i = 0; i < n; ++i) {
        const Price here = cost[i];
        const Price literal = here + prices->literal[text[start + i]];
        if (literal < cost[i + 1]) {
          cost[i + 1] = literal;
          step[i + 1] = {1, 0};
        }
        int shorter = kThreshold;
        for (std::uint32_t m = first[i]; m < first[i + 1]; ++m) {
          const Match match = found[m];
          const int longest = std::min<int>(match.length, static_cast<int>(n - i));
          const Price base = here + prices->position[match.distance - 1];
          for (int l = shorter + 1; l <= longest; ++l) {
            const Price c = base + prices->length[l];
            if (c < cost[i + l]) {
              cost[i + l] = c;
              step[i + l] = {l, match.distance};
            }
          }
          shorter = std::max(shorter, longest);
        }
      }
      path.clear();
      for (std::size_t i = n; i > 0; i -= static_cast<std::size_t>(step[i].length)) path.push_back(step[i]);
      std::reverse(path.begin(), path.end());
    };
    auto symbol = [&](const Match& m, std::size_t pos) {
      return m.length == 1 ? text[pos] : kLengthBias + m.length;
    };

    // Priced first from the model as it stands, then again from the model
    // that the first path leaves behind, halfway between the two.
    prices->Set(encoder.model());
    find_path();
    CharModel after = encoder.model();
    std::size_t pos = start;
    for (const Match& m : path) {
      after.Update(after.SymbolOf(symbol(m, pos)));
      pos += static_cast<std::size_t>(m.length);
    }
    prices->Set(encoder.model(), after);
    find_path();

    pos = start;
    for (const Match& m : path) {
      if (m.length == 1) {
        encoder.Character(text[pos]);
      } else {
        encoder.Match(m.length, m.distance);
      }
      pos += static_cast<std::size_t>(m.length);
    }
  }
}

}  // namespace

LzariStreamWriter::LzariStreamWriter(std::uint32_t declared_size) {
  for (int i = 0; i < kSizeFieldBytes; ++i) out_.push_back(static_cast<std::uint8_t>(declared_size >> (8 * i)));
  coder_ = std::make_unique<Coder>(out_);
}

LzariStreamWriter::~LzariStreamWriter() = default;

void LzariStreamWriter::Literal(std::uint8_t byte) { coder_->Character(byte); }

void LzariStreamWriter::Match(int length, int distance) { coder_->Match(length, distance); }

std::vector<std::uint8_t> LzariStreamWriter::Finish() {
  coder_->Finish();
  return std::move(out_);
}

std::vector<std::uint8_t> LzariEncode(std::span<const std::uint8_t> data, Parsing parsing) {
  if (data.empty()) return std::vector<std::uint8_t>(kSizeFieldBytes, 0);  // nothing to decode, no bits
  if (parsing == Parsing::kSmallest) {
    // The cheapest path is priced from a model that its own choices keep
    // changing, so on some data the lazy parse still comes out shorter.
    std::vector<std::uint8_t> optimal = LzariEncode(data, Parsing::kOptimal);
    std::vector<std::uint8_t> lazy = LzariEncode(data, Parsing::kLazy);
    return lazy.size() < optimal.size() ? lazy : optimal;
  }
  const std::vector<std::uint8_t> text = MakeText(data);
  LzariStreamWriter writer(static_cast<std::uint32_t>(data.size()));
  Encoder& encoder = *writer.coder_;
  if (parsing == Parsing::kOptimal) {
    EncodeOptimal(text, encoder);
  } else {
    EncodeGreedy(text, encoder, parsing == Parsing::kLazy);
  }
  return writer.Finish();
}

}  // namespace tebix::tbx
