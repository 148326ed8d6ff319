#include "skin/core/shifted_colour.h"

#include <utility>
#include <vector>

namespace tebix {
namespace {

// Renderers ask for a few dozen colours; past this many the cache stops
// growing (so that a stray caller cannot make every search slow) and
// further colours are shifted on each request.
constexpr std::size_t kCacheLimit = 256;

HsvDeltas g_deltas;
std::vector<std::pair<std::uint32_t, std::uint32_t>> g_cache;  // requested, shifted

}  // namespace

HsvDeltas CurrentDeltas() {
  return g_deltas;
}

void SetCurrentDeltas(HsvDeltas deltas) {
  if (deltas == g_deltas) return;
  g_deltas = deltas;
  g_cache.clear();
}

void ResetDeltas() {
  SetCurrentDeltas({});
}

std::uint32_t ShiftedColour(std::uint32_t colour) {
  if (!g_deltas.Any()) return colour;
  for (const auto& [requested, shifted] : g_cache) {
    if (requested == colour) return shifted;
  }
  const std::uint32_t shifted = HsvShift(colour, g_deltas);
  if (g_cache.size() < kCacheLimit) g_cache.emplace_back(colour, shifted);
  return shifted;
}

void ClearShiftedColourCache() {
  g_cache.clear();
}

std::size_t ShiftedColourCacheSize() {
  return g_cache.size();
}

}  // namespace tebix
