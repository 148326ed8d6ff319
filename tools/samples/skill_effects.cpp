// Skill effects: the defensive unit skills (defence value, effect type, EN
// cost) and the per-level bonuses of the two fighting styles.
#include "tools/samples/generators.h"
#include "tools/samples/notable.h"

namespace vdk::samples {

void FillSkillEffects(Bytes& exe) {
  Prng r = StreamFor(kStreamSkillEffects);
  for (std::uint32_t i = 0; i < kDefensiveSkills.count; ++i) {
    Record rec(exe, kDefensiveSkills, i);
    rec.u32(0x00, 0x00000100u * (i + 1) + 0x05);  // skill code
    rec.u16(0x0C, r.steps(500, 4000, 100));       // defence value
    rec.u8(0x10, r.range(0, 2));                  // effect type
    rec.u8(0x14, r.steps(0, 20, 5));              // EN cost
  }
  Record(exe, kDefensiveSkills, notable::kDefenceType3).u8(0x10, 3);
  Record(exe, kDefensiveSkills, notable::kDefenceBeyondList).u8(0x10, 4);

  for (std::uint32_t i = 0; i < kFightingStyles.count; ++i) {
    Record rec(exe, kFightingStyles, i);
    std::uint32_t attack = r.steps(50, 100, 10);
    std::uint32_t reach = 0;
    for (std::uint32_t k = 0; k < 10; ++k) {
      rec.u32(0x00 + 4 * k, attack);
      rec.u32(0x30 + 4 * k, reach);
      attack += r.steps(50, 100, 10);  // at most 100 + 9 * 100 = 1000
      if (k % 4 == 3) ++reach;         // +1 range or movement every four levels
    }
  }
}

}  // namespace vdk::samples
