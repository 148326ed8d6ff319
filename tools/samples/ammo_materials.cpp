// Special ammunition materials: small signed changes (stored the game's way,
// negatives as 65536 + v or 256 + v), terrain raises 0 or 1, and a special
// property of 1, 4 or 6 on a few.
#include "tools/samples/generators.h"
#include "tools/samples/notable.h"

namespace vdk::samples {

void FillAmmoMaterials(Bytes& shared) {
  Prng r = StreamFor(kStreamAmmoMaterials);
  for (std::uint32_t i = 0; i < kAmmoMaterials.count; ++i) {
    Record rec(shared, kAmmoMaterials, i);
    rec.u16(0x00, 0x0300 + i);                                 // material number
    rec.s16(0x02, r.chance(60) ? r.srange(-30, 30) * 10 : 0);  // attack
    rec.s8(0x04, r.chance(40) ? r.srange(-20, 20) : 0);        // hit
    rec.s8(0x06, r.chance(40) ? r.srange(-20, 20) : 0);        // critical
    rec.s8(0x08, r.chance(30) ? r.srange(-2, 2) : 0);          // range
    rec.s8(0x09, r.chance(30) ? r.srange(-3, 3) : 0);          // ammunition
    rec.s8(0x0A, r.chance(30) ? r.srange(-10, 10) : 0);        // required morale
    for (std::uint32_t t = 0; t < 4; ++t) rec.u8(0x0B + t, r.chance(15) ? 1 : 0);
    const std::uint32_t pick = r.range(0, 9);
    rec.u8(0x10, pick == 0 ? 1 : pick == 1 ? 4 : pick == 2 ? 6 : 0);
  }
  using namespace notable;
  Record(shared, kAmmoMaterials, kAmmoAttackMinus10).s16(0x02, -10);
  Record(shared, kAmmoMaterials, kAmmoAttack60000).u16(0x02, 60000);
  Record(shared, kAmmoMaterials, kAmmoAttack60001).u16(0x02, 60001);
  Record(shared, kAmmoMaterials, kAmmoProperty2).u8(0x10, 2);
}

}  // namespace vdk::samples
