// Enhancement parts: each part gives one to three bonuses, has a price and
// now and then grants a unit skill.
#include "tools/samples/generators.h"
#include "tools/samples/notable.h"

namespace vdk::samples {
namespace {

struct Bonus {
  std::uint32_t offset, width, lo, hi, step;
};

// The bonus fields a part may give, with their plausible ranges.
constexpr Bonus kBonuses[] = {
    {0x02, 2, 500, 3000, 100},  // HP
    {0x04, 2, 20, 150, 10},     // EN
    {0x06, 2, 1, 2, 1},         // movement
    {0x08, 2, 5, 30, 5},        // mobility
    {0x0A, 2, 100, 400, 50},    // armour
    {0x0C, 2, 10, 30, 5},       // HP recovery
    {0x0E, 2, 10, 30, 5},       // EN recovery
    {0x10, 2, 1, 1, 1},         // ammunition recovery
    {0x14, 2, 5, 10, 5},        // SP recovery
    {0x1C, 1, 1, 2, 1},         // range
    {0x1D, 1, 10, 30, 5},       // hit
    {0x1E, 1, 10, 30, 5},       // critical
    {0x1F, 1, 5, 10, 5},        // morale
};

}  // namespace

void FillEnhancementParts(Bytes& shared) {
  Prng r = StreamFor(kStreamEnhancementParts);
  for (std::uint32_t i = 0; i < kEnhancementParts.count; ++i) {
    Record rec(shared, kEnhancementParts, i);
    rec.u16(0x00, 0x0200 + i);  // part number
    for (const Bonus& b : kBonuses) {
      const std::uint32_t v = r.chance(20) ? r.steps(b.lo, b.hi, b.step) : 0;
      if (b.width == 2)
        rec.u16(b.offset, v);
      else
        rec.u8(b.offset, v);
    }
    rec.u8(0x1A, r.chance(15) ? r.range(1, 25) : 0);            // granted skill
    rec.u16(0x20, r.steps(1000, 40000, 500));                   // price
    rec.u16(0x24, r.range(0x0001, 0x0010) << 8);                // part type code
    rec.u16(0x26, r.chance(20) ? r.range(0x0001, 0x000F) : 0);  // terrain code
  }
  using namespace notable;
  Record(shared, kEnhancementParts, kPartSkill31).u8(0x1A, 31);
  Record(shared, kEnhancementParts, kPartPrice65535).u16(0x20, 65535);
}

}  // namespace vdk::samples
