// The adaptive character model of the LZARI coder. Symbols 1..314 are kept
// sorted by falling frequency; sym_cum[s] is the total frequency of the
// symbols above s, so symbol s owns [sym_cum[s], sym_cum[s - 1]) of the range
// [0, sym_cum[0]). Encoder and decoder update it identically after every
// character.
#pragma once

#include <cstddef>
#include <cstdint>

#include "skin/core/lzari_format.h"

namespace tebix::lzari {

class CharModel {
 public:
  CharModel() { Reset(); }

  void Reset();

  std::uint32_t total() const { return sym_cum_[0]; }
  // Lower and upper bound of symbol `sym` (1..314) in the cumulative range.
  std::uint32_t low(int sym) const { return sym_cum_[sym]; }
  std::uint32_t high(int sym) const { return sym_cum_[sym - 1]; }

  int SymbolOf(int character) const { return char_to_sym_[character]; }
  int CharacterOf(int sym) const { return sym_to_char_[sym]; }

  // The symbol whose range holds `x` (0 <= x < total()): the first s with
  // sym_cum[s] <= x, by a bisection without branches.
  int FindSymbol(std::uint32_t x) const {
    // The most frequent symbols sit first; look at the top two directly.
    if (sym_cum_[1] <= x) return 1;
    if (sym_cum_[2] <= x) return 2;
    const std::uint32_t* base = sym_cum_ + 3;
    std::size_t n = kSymbolCount - 2;
    while (n > 1) {
      const std::size_t half = n / 2;
      base = base[half] > x ? base + half : base;
      n -= half;
    }
    return static_cast<int>(base - sym_cum_) + (*base > x ? 1 : 0);
  }

  // Counts one more occurrence of `sym`'s character.
  void Update(int sym) {
    if (sym_cum_[0] >= kMaxCum) Halve();
    // Frequencies never rise with the index (every update raises the first
    // of a run of equal ones, halving keeps the order), so the first slot
    // with sym's frequency can be found by bisection when the run is long.
    const std::uint32_t f = sym_freq_[sym];
    int i = sym;
    if (sym_freq_[i - 1] == f) i = FirstOfRun(i);
    if (i < sym) {
      const std::uint16_t ch_i = sym_to_char_[i];
      const std::uint16_t ch_sym = sym_to_char_[sym];
      sym_to_char_[i] = ch_sym;
      sym_to_char_[sym] = ch_i;
      char_to_sym_[ch_i] = static_cast<std::uint16_t>(sym);
      char_to_sym_[ch_sym] = static_cast<std::uint16_t>(i);
    }
    sym_freq_[i] += 1;
    for (int k = 0; k < i; ++k) sym_cum_[k] += 1;
  }

 private:
  void Halve();
  int FirstOfRun(int sym) const;

  // Index 0 of sym_freq_ is a sentinel (0) that ends the walk over equal
  // frequencies.
  std::uint32_t sym_freq_[kSymbolCount + 1];
  std::uint32_t sym_cum_[kSymbolCount + 1];
  std::uint16_t sym_to_char_[kSymbolCount + 1];
  std::uint16_t char_to_sym_[kSymbolCount];
};

}  // namespace tebix::lzari
