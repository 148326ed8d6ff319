#include "bench/lzari/plain_lzari_decoder.h"

#include <memory>

namespace tebix::bench {
namespace {

constexpr int N = 4096;
constexpr int F = 60;
constexpr int THRESHOLD = 2;
constexpr int N_CHAR = 256 - THRESHOLD + F;  // 314
constexpr std::uint32_t Q1 = 0x8000, Q2 = 0x10000, Q3 = 0x18000, Q4 = 0x20000;
constexpr std::uint32_t MAX_CUM = 0x7FFF;

struct State {
  const std::uint8_t* input;
  std::uint64_t length;
  std::uint64_t index = 0;
  std::uint32_t byte = 0;
  std::uint32_t mask = 0;
  std::uint64_t past_end = 0;

  std::uint32_t low = 0, high = Q4, value = 0;
  std::uint32_t sym_freq[N_CHAR + 1];
  std::uint32_t sym_cum[N_CHAR + 1];
  std::uint32_t sym_to_char[N_CHAR + 1];
  std::uint32_t char_to_sym[N_CHAR];
  std::uint32_t position_cum[N + 1];
  std::uint8_t window[N];

  std::uint32_t GetBit() {
    const std::uint32_t before = mask;
    mask >>= 1;
    if (before < 2) {
      if (index < length) {
        byte = input[index];
      } else {
        byte = 0;
        past_end += 8;
      }
      ++index;
      mask = 0x80;
    }
    return (byte & mask) != 0 ? 1 : 0;
  }

  // Bits read beyond the end, counting only those actually taken.
  std::uint64_t BitsPastEnd() const {
    if (index <= length) return 0;
    std::uint32_t unread = 0;
    for (std::uint32_t m = mask >> 1; m != 0; m >>= 1) ++unread;
    return past_end - unread;
  }

  void StartModel() {
    sym_cum[N_CHAR] = 0;
    for (int sym = N_CHAR; sym >= 1; sym--) {
      const int ch = sym - 1;
      char_to_sym[ch] = sym;
      sym_to_char[sym] = ch;
      sym_freq[sym] = 1;
      sym_cum[sym - 1] = sym_cum[sym] + sym_freq[sym];
    }
    sym_freq[0] = 0;
    position_cum[N] = 0;
    for (int i = N; i >= 1; i--) position_cum[i - 1] = position_cum[i] + 10000 / (i + 200);
  }

  void UpdateModel(int sym) {
    if (sym_cum[0] >= MAX_CUM) {
      std::uint32_t c = 0;
      for (int i = N_CHAR; i > 0; i--) {
        sym_cum[i] = c;
        c += (sym_freq[i] = (sym_freq[i] + 1) >> 1);
      }
      sym_cum[0] = c;
    }
    int i;
    for (i = sym; sym_freq[i] == sym_freq[i - 1]; i--) {
    }
    if (i < sym) {
      const std::uint32_t ch_i = sym_to_char[i];
      const std::uint32_t ch_sym = sym_to_char[sym];
      sym_to_char[i] = ch_sym;
      sym_to_char[sym] = ch_i;
      char_to_sym[ch_i] = sym;
      char_to_sym[ch_sym] = i;
    }
    sym_freq[i]++;
    while (--i >= 0) sym_cum[i]++;
  }

  void Renormalise() {
    for (;;) {
      if (low >= Q2) {
        value -= Q2;
        low -= Q2;
        high -= Q2;
      } else if (low >= Q1 && high <= Q3) {
        value -= Q1;
        low -= Q1;
        high -= Q1;
      } else if (high > Q2) {
        break;
      }
      low += low;
      high += high;
      value = 2 * value + GetBit();
    }
  }

  int BinarySearchSym(std::uint32_t x) {
    int i = 1, j = N_CHAR;
    while (i < j) {
      const int k = (i + j) / 2;
      if (sym_cum[k] > x) {
        i = k + 1;
      } else {
        j = k;
      }
    }
    return i;
  }

  int BinarySearchPos(std::uint32_t x) {
    int i = 1, j = N;
    while (i < j) {
      const int k = (i + j) / 2;
      if (position_cum[k] > x) {
        i = k + 1;
      } else {
        j = k;
      }
    }
    return i - 1;
  }

  int DecodeChar() {
    const std::uint32_t range = high - low;
    const int sym = BinarySearchSym(((value - low + 1) * sym_cum[0] - 1) / range);
    high = low + (range * sym_cum[sym - 1]) / sym_cum[0];
    low += (range * sym_cum[sym]) / sym_cum[0];
    Renormalise();
    const int ch = static_cast<int>(sym_to_char[sym]);
    UpdateModel(sym);
    return ch;
  }

  int DecodePosition() {
    const std::uint32_t range = high - low;
    const int position = BinarySearchPos(((value - low + 1) * position_cum[0] - 1) / range);
    high = low + (range * position_cum[position]) / position_cum[0];
    low += (range * position_cum[position + 1]) / position_cum[0];
    Renormalise();
    return position;
  }
};

}  // namespace

PlainDecodeResult PlainLzariDecode(std::span<const std::uint8_t> input, std::uint64_t max_bits_past_end) {
  PlainDecodeResult result;
  if (input.size() < 4) return result;
  const std::uint32_t size = input[0] | input[1] << 8 | input[2] << 16 | static_cast<std::uint32_t>(input[3]) << 24;
  if (size == 0) return result;

  auto s = std::make_unique<State>();
  s->input = input.data() + 4;
  s->length = input.size() - 4;
  for (int i = 0; i < 17; i++) s->value = 2 * s->value + s->GetBit();
  s->StartModel();
  for (int i = 0; i < N - F; i++) s->window[i] = ' ';
  for (int i = N - F; i < N; i++) s->window[i] = 0;
  int r = N - F;
  std::uint64_t count = 0;
  while (count < size) {
    const int c = s->DecodeChar();
    if (c < 256) {
      result.bytes.push_back(static_cast<std::uint8_t>(c));
      s->window[r++] = static_cast<std::uint8_t>(c);
      r &= (N - 1);
      count++;
    } else {
      const int i = (r - s->DecodePosition() - 1) & (N - 1);
      const int j = c - 255 + THRESHOLD;
      for (int k = 0; k < j; k++) {
        const std::uint8_t b = s->window[(i + k) & (N - 1)];
        result.bytes.push_back(b);
        s->window[r++] = b;
        r &= (N - 1);
        count++;
      }
    }
    if (s->BitsPastEnd() > max_bits_past_end) {
      result.gave_up = true;
      break;
    }
  }
  result.bits_past_end = s->BitsPastEnd();
  return result;
}

}  // namespace tebix::bench
