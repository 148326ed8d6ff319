// Unit records: stats in the game's ranges, terrain word from sensible
// ranks, weapon slots with valid weapon numbers and empty slots.
#include "tools/samples/generators.h"
#include "tools/samples/notable.h"

namespace vdk::samples {
namespace {

// Upgrade-step digit: 10 or 15 steps.
// (Every draw sits in its own statement: the order in which operands are
// evaluated differs between compilers, and the output must not.)
std::uint32_t StepDigit(Prng& r) {
  return r.chance(70) ? 0xA : 0xF;
}

std::uint32_t TerrainWord(Prng& r) {
  std::uint32_t v = 0;
  for (int t = 0; t < 4; ++t) v |= r.range(1, 5) << (3 * t);  // air, land, sea, space
  std::uint32_t moves = r.range(1, 15);                       // bit 0 air .. bit 3 space, at least one
  v |= moves << 12;
  v |= r.range(1, 4) << 16;  // size S..LL
  v |= r.range(0, 3) << 19;  // the unknown two bits
  return v;
}

// Ability bytes: up to three real abilities (1..25 or 31), the rest none.
std::uint32_t Ability(Prng& r) {
  if (r.chance(8)) return 31;
  return r.range(1, 25);
}

}  // namespace

void FillUnits(Bytes& shared) {
  Prng r = StreamFor(kStreamUnits);
  for (std::uint32_t n = 0; n < kUnits.count; ++n) {
    Record rec(shared, kUnits, n);
    rec.u32(0, r.steps(2500, 9900, 100));
    std::uint32_t steps = 0;  // EN, HP, armour, mobility: one hex digit each
    for (int d = 0; d < 4; ++d) steps = (steps << 4) | StepDigit(r);
    rec.u8(4, steps >> 8);
    rec.u8(5, steps & 0xFF);
    rec.u32(6, TerrainWord(r));
    rec.u32(10, 0x00A00000u | (n << 4) | r.range(0, 15));  // name code
    rec.u16(24, r.steps(100, 300, 5));                     // EN
    rec.u16(26, r.steps(800, 2500, 50));                   // armour
    rec.u16(28, r.steps(1000, 20000, 100));                // repair cost
    rec.u16(30, r.steps(1000, 30000, 100));                // destroy reward
    // Boarding flags: most units take their own pilot only.
    rec.u8(34, r.chance(40) ? r.byte() : 0);
    rec.u8(35, r.chance(20) ? r.byte() : 0);
    // Weapons: 2..8 fixed, 0..4 swappable, the rest empty.
    const std::uint32_t fixed = r.range(2, 8);
    const std::uint32_t swappable = r.range(0, 4);
    for (std::uint32_t s = 0; s < 8; ++s) {
      rec.u16(36 + 2 * s, s < fixed ? r.range(0, kWeapons.count - 1) : kNone16);
      rec.u16(52 + 2 * s, s < swappable ? r.range(0, kWeaponNames - 2) : kNone16);
    }
    rec.u32(68, 0x00010000u * r.range(1, 0x40) + n);  // graphics and animation
    rec.u8(72, r.range(1, 0x40));                     // music
    rec.u8(82, r.range(4, 8));                        // movement
    rec.u8(83, r.range(80, 160));                     // mobility
    rec.u8(84, r.range(0, kFullUpgradeBonusKinds - 1));
    rec.u8(85, r.steps(0, 150, 10));  // W gauge
    rec.u8(86, r.range(5, 30));       // PP for a kill
    const std::uint32_t abilities = r.range(0, 3);
    for (std::uint32_t a = 0; a < 5; ++a) rec.u8(87 + a, a < abilities ? Ability(r) : 0);
    rec.u8(94, r.chance(15) ? r.range(1, 0x30) : 0);  // transformation code
  }

  using namespace notable;
  Record(shared, kUnits, kUnitTerrainExample).u32(6, kUnitTerrainExampleWord);
  Record(shared, kUnits, kUnitAbility255).u8(87 + kUnitAbility255Slot, 255);
  Record(shared, kUnits, kUnitTerrainBits21To22).u32(6, 0x00600000u | 0x0002B6E4u);
  Record(shared, kUnits, kUnitTerrainBits21To23).u32(6, 0x00E00000u | 0x0001B49Bu);
  Record beyond(shared, kUnits, kUnitBeyondLists);
  beyond.u32(6, (6u << 9) | (4u << 6) | (3u << 3) | 2u | (0xFu << 12) | (5u << 16));
  beyond.u8(84, 60);
  beyond.u16(36 + 2 * 3, 3600);
}

}  // namespace vdk::samples
