// Ace bonuses: one to three small boosts, now and then a spirit command with
// its SP cost, an effect class and a movement bonus. Record 0 is unused.
#include "tools/samples/generators.h"
#include "tools/samples/notable.h"

namespace vdk::samples {

void FillAceBonuses(Bytes& shared) {
  Prng r = StreamFor(kStreamAceBonuses);
  for (std::uint32_t i = 0; i < kAceBonuses.count; ++i) {
    Record rec(shared, kAceBonuses, i);
    const bool unused = i == notable::kAceUnused;
    for (std::uint32_t at = 0x04; at <= 0x13; ++at)
      rec.u8(at, !unused && r.chance(15) ? r.steps(5, 40, 5) : 0);
    const bool spirit = !unused && r.chance(15);
    rec.u8(0x14, spirit ? r.range(2, kSpiritCommands - 1) : 0);
    rec.u8(0x15, spirit ? r.steps(10, 60, 5) : 0);
    rec.u8(0x16, !unused && r.chance(15) ? r.range(1, kAceEffectClasses - 1) : 0);
    rec.u8(0x17, !unused && r.chance(5) ? 1 : 0);
  }
  Record beyond(shared, kAceBonuses, notable::kAceBeyondLists);
  beyond.u8(0x14, 50);
  beyond.u8(0x15, 30);
  beyond.u8(0x16, 5);
}

}  // namespace vdk::samples
