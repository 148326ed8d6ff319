// Combination attacks: two to four weapons, units and pilots each (the rest
// 0xFFFF), and a multiplier between 1.00 and 2.00.
#include "tools/samples/generators.h"
#include "tools/samples/notable.h"

namespace vdk::samples {
namespace {

void Participants(Record& rec, Prng& r, std::uint32_t first, std::uint32_t listLength) {
  const std::uint32_t count = r.range(2, 4);
  for (std::uint32_t k = 0; k < 4; ++k)
    rec.u16(first + 2 * k, k < count ? r.range(0, listLength - 2) : kNone16);
}

}  // namespace

void FillCombinationAttacks(Bytes& shared) {
  Prng r = StreamFor(kStreamCombinationAttacks);
  for (std::uint32_t i = 0; i < kCombinationAttacks.count; ++i) {
    Record rec(shared, kCombinationAttacks, i);
    Participants(rec, r, 0x00, kWeaponNames);
    Participants(rec, r, 0x08, kUnitCodeNames);
    Participants(rec, r, 0x10, kPilotCodeNames);
    rec.u8(0x18, r.steps(100, 200, 5));
  }
  Record(shared, kCombinationAttacks, notable::kComboMultiplier123).u8(0x18, 0x7B);
  Record(shared, kCombinationAttacks, notable::kComboMultiplierMax).u8(0x18, 0xFF);
}

}  // namespace vdk::samples
