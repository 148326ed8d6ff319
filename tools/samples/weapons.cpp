// Weapon records: packed attribute word from list values, attack in round
// hundreds (so the attack search finds groups), ranges, ammunition or EN.
#include "tools/samples/generators.h"
#include "tools/samples/notable.h"

namespace vdk::samples {
namespace {

struct WordFields {
  std::uint32_t effect, price, space, sea, land, air, order, kind;
};

std::uint32_t PackWord(const WordFields& f) {
  return (f.effect << 27) | (f.price << 24) | (f.space << 21) | (f.sea << 18) | (f.land << 15) |
         (f.air << 12) | (f.order << 3) | f.kind;
}

}  // namespace

void FillWeapons(Bytes& shared) {
  Prng r = StreamFor(kStreamWeapons);
  for (std::uint32_t i = 0; i < kWeapons.count; ++i) {
    Record rec(shared, kWeapons, i);
    WordFields f{};
    f.effect = r.range(0, kWeaponUpgradeEffects - 1);
    f.price = r.range(0, kWeaponUpgradePrices - 1);
    f.space = r.range(1, 5);
    f.sea = r.range(1, 5);
    f.land = r.range(2, 5);
    f.air = r.range(1, 5);
    f.order = r.range(0, 0777);
    f.kind = r.range(0, 7);
    rec.u32(0x00, PackWord(f));
    rec.u16(0x04, 0x0100 + i);                                         // name code
    rec.u16(0x08, r.steps(800, 6000, 100));                            // attack
    rec.s8(0x0A, r.chance(15) ? r.srange(-20, -1) : r.srange(0, 30));  // hit
    rec.s8(0x0C, r.chance(10) ? r.srange(-10, -1) : r.srange(0, 30));  // critical
    const bool map = r.chance(5);
    rec.u16(0x0E, map ? r.range(0x0100, 0x01FF) : 0);  // MAP weapon code
    rec.u8(0x14, r.byte());                            // attribute flags
    rec.u8(0x15, r.byte());
    rec.u8(0x16, r.chance(10) ? r.steps(10, 100, 10) : 0);  // W gauge
    const std::uint32_t minRange = r.range(1, 3);
    rec.u8(0x17, minRange);
    rec.u8(0x18, minRange + r.range(0, 6));
    const bool usesAmmo = r.chance(50);
    rec.u8(0x19, usesAmmo ? r.range(1, 20) : 0);            // ammunition
    rec.u8(0x1A, usesAmmo ? 0 : r.steps(5, 60, 5));         // EN cost
    rec.u8(0x1B, r.chance(30) ? r.steps(100, 130, 5) : 0);  // morale
    const bool needsSkill = r.chance(10);
    rec.u8(0x1D, needsSkill ? r.range(2, kRequiredSkills - 1) : 0);
    rec.u8(0x1E, needsSkill ? r.range(1, 9) : 0);
    rec.u8(0x20, map ? r.range(1, 0x20) : 0);  // MAP shape
  }

  using namespace notable;
  Bytes& s = shared;
  {
    Record rec(s, kWeapons, kWeaponTopBits);
    rec.u32(0x00, 0xC0000000u | PackWord({2, 3, 4, 4, 5, 3, 0123, 1}));
  }
  Record(s, kWeapons, kWeaponPilotSkill).u8(0x1D, 0xFF);
  Record(s, kWeapons, kWeaponPilotSkill).u8(0x1E, 1);
  Record(s, kWeapons, kWeaponHit100).u8(0x0A, 100);
  Record(s, kWeapons, kWeaponNegativeModifiers).s8(0x0A, -10);
  Record(s, kWeapons, kWeaponNegativeModifiers).s8(0x0C, -5);
  {
    Record rec(s, kWeapons, kWeaponBeyondLists);
    rec.u32(0x00, PackWord({6, 7, 3, 3, 3, 7, 0, 1}));
    rec.u8(0x1D, 50);
    rec.u8(0x1E, 3);
  }
  // The searched attack: record 26 and a few more share it.
  for (std::uint32_t i : {kWeaponSearched, 100u, 640u, 1627u})
    Record(s, kWeapons, i).u16(0x08, kSearchedAttack);
}

}  // namespace vdk::samples
