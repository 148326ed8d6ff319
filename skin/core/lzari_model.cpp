#include "skin/core/lzari_model.h"

namespace tebix::lzari {

const PositionTable& PositionCum() {
  static const PositionTable table = [] {
    PositionTable t{};
    t[kWindowSize] = 0;
    for (int i = kWindowSize; i >= 1; --i) t[i - 1] = t[i] + 10000u / static_cast<std::uint32_t>(i + 200);
    return t;
  }();
  return table;
}

void CharModel::Reset() {
  sym_cum_[kSymbolCount] = 0;
  for (int sym = kSymbolCount; sym >= 1; --sym) {
    char_to_sym_[sym - 1] = static_cast<std::uint16_t>(sym);
    sym_to_char_[sym] = static_cast<std::uint16_t>(sym - 1);
    sym_freq_[sym] = 1;
    sym_cum_[sym - 1] = sym_cum_[sym] + 1;
  }
  sym_freq_[0] = 0;
  sym_to_char_[0] = 0;
}

void CharModel::Halve() {
  std::uint32_t c = 0;
  for (int i = kSymbolCount; i >= 1; --i) {
    sym_cum_[i] = c;
    sym_freq_[i] = (sym_freq_[i] + 1) / 2;
    c += sym_freq_[i];
  }
  sym_cum_[0] = c;
}

int CharModel::FirstOfRun(int sym) const {
  const std::uint32_t f = sym_freq_[sym];
  int lo = 1;  // sym_freq_[lo..i] >= f; the first equal to f is wanted
  int i = sym;
  while (lo < i) {
    const int mid = (lo + i) >> 1;
    if (sym_freq_[mid] == f) {
      i = mid;
    } else {
      lo = mid + 1;
    }
  }
  return i;
}

}  // namespace tebix::lzari
