// Full-upgrade bonuses: one or two boosts each, terrain ratings mostly
// unchanged ("-"), now and then a granted unit skill.
#include "tools/samples/generators.h"
#include "tools/samples/notable.h"

namespace vdk::samples {

void FillFullUpgradeBonuses(Bytes& shared) {
  Prng r = StreamFor(kStreamFullUpgradeBonuses);
  for (std::uint32_t i = 0; i < kFullUpgradeBonuses.count; ++i) {
    Record rec(shared, kFullUpgradeBonuses, i);
    for (std::uint32_t at : {0x04u, 0x06u, 0x08u}) rec.u16(at, r.chance(15) ? r.steps(100, 300, 100) : 0);
    rec.u8(0x0A, r.chance(25) ? r.steps(10, 30, 5) : 0);   // HP %
    rec.u8(0x0B, r.chance(25) ? r.steps(10, 30, 5) : 0);   // EN %
    rec.u8(0x0C, r.chance(25) ? r.steps(10, 20, 5) : 0);   // mobility %
    rec.u8(0x0D, r.chance(10) ? r.range(1, 3) : 0);        // movement
    rec.u8(0x0E, r.chance(25) ? r.steps(10, 20, 5) : 0);   // armour %
    rec.u8(0x0F, r.chance(10) ? r.steps(30, 50, 10) : 0);  // W gauge
    rec.u8(0x10, r.chance(5) ? 1 : 0);                     // part slots
    const bool unitTerrain = r.chance(10);
    for (std::uint32_t t = 0; t < 4; ++t) rec.u8(0x15 + t, unitTerrain ? r.range(4, 5) : 0);
    rec.u8(0x19, r.chance(15) ? r.range(1, 25) : 0);       // granted skill
    rec.u8(0x1A, r.chance(10) ? r.range(1, 0x0F) : 0);     // special attribute
    rec.u8(0x1C, r.chance(10) ? r.steps(10, 20, 10) : 0);  // weapon hit %
    rec.u8(0x1E, r.chance(10) ? r.steps(2, 4, 2) : 0);     // weapon ammunition
    const bool weaponTerrain = r.chance(10);
    for (std::uint32_t t = 0; t < 4; ++t) rec.u8(0x21 + t, weaponTerrain ? r.range(4, 5) : 0);
  }
  using namespace notable;
  Record(shared, kFullUpgradeBonuses, kBonusSpecial0A).u8(0x1A, 0x0A);
  Record beyond(shared, kFullUpgradeBonuses, kBonusBeyondLists);
  beyond.u8(0x15, 6);
  beyond.u8(0x19, 40);
}

}  // namespace vdk::samples
