// Pilot skill training: ascending PP per level and a training type of main
// pilot (5), sub-pilot (7) or none (0) in the high digit of the last byte.
#include "tools/samples/generators.h"
#include "tools/samples/notable.h"

namespace vdk::samples {

void FillTraining(Bytes& shared) {
  Prng r = StreamFor(kStreamTraining);
  for (std::uint32_t i = 0; i < kTraining.count; ++i) {
    Record rec(shared, kTraining, i);
    rec.u32(0x00, 0x00300000u + 0x100u * i + r.range(0, 0xFF));  // description code
    std::uint32_t pp = r.range(5, 30);
    for (std::uint32_t l = 0; l < 9; ++l) {
      rec.u8(0x04 + l, pp);
      pp += r.range(5, 25);  // ascending, at most 30 + 8 * 25 = 230
    }
    const std::uint32_t pick = r.range(0, 9);
    const std::uint32_t type = pick < 5 ? 5 : pick < 8 ? 7 : 0;
    rec.u8(0x0D, (type << 4) | r.range(0, 15));
  }
  using namespace notable;
  Record(shared, kTraining, kTrainingMain).u8(0x0D, 0x53);
  Record(shared, kTraining, kTrainingSub).u8(0x0D, 0x73);
  Record(shared, kTraining, kTrainingOddType).u8(0x0D, 0x23);
}

}  // namespace vdk::samples
