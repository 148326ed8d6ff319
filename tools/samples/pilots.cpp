// Pilot records and the skill-growth rows they point into. Every skill a
// pilot has gets a row code into the growth table (rows are shared between
// pilots, as in the game); a pilot without a skill in a slot has code 0000.
#include "tools/samples/generators.h"
#include "tools/samples/notable.h"

namespace vdk::samples {
namespace {

// Fills `out` with `count` distinct values from lo..hi.
template <std::size_t N>
void Distinct(Prng& r, std::uint32_t (&out)[N], std::uint32_t count, std::uint32_t lo, std::uint32_t hi) {
  for (std::uint32_t k = 0; k < count; ++k) {
    bool fresh = false;
    while (!fresh) {
      out[k] = r.range(lo, hi);
      fresh = true;
      for (std::uint32_t j = 0; j < k; ++j) fresh = fresh && out[j] != out[k];
    }
  }
}

void FillGrowthRows(Bytes& shared, Prng& r) {
  for (std::uint32_t k = 0; k < kSkillGrowth.count; ++k) {
    Record row(shared, kSkillGrowth, k);
    std::uint32_t level = r.range(1, 20);
    for (std::uint32_t l = 0; l < 9; ++l) {
      row.u8(l, level);
      level += r.range(1, 9);  // strictly ascending, at most 20 + 8 * 9 = 92
    }
  }
}

}  // namespace

void FillPilots(Bytes& shared) {
  Prng r = StreamFor(kStreamPilots);
  FillGrowthRows(shared, r);
  for (std::uint32_t n = 0; n < kPilots.count; ++n) {
    Record rec(shared, kPilots, n);
    rec.u8(18, r.chance(30) ? r.byte() : 0);  // boarding flags
    rec.u8(19, r.chance(15) ? r.byte() : 0);
    std::uint32_t skills[6] = {};
    const std::uint32_t skillCount = r.range(1, 6);
    Distinct(r, skills, skillCount, 2, kPilotSkills - 2);
    for (std::uint32_t s = 0; s < 6; ++s) {
      rec.u16(24 + 2 * s, s < skillCount ? r.range(1, kSkillGrowth.count - 1) : 0);
      rec.u8(129 + s, skills[s]);
    }
    for (std::uint32_t t = 0; t < 16; ++t) rec.u16(38 + 2 * t, r.chance(25) ? r.range(0x0001, 0x0400) : 0);
    rec.u8(100, r.range(40, 160));  // SP
    for (std::uint32_t s = 0; s < 6; ++s) rec.u8(101 + s, r.range(100, 250));
    rec.u8(107, r.range(0, kPilotAceBonuses - 1));
    std::uint32_t spirits[6] = {};
    Distinct(r, spirits, 6, 2, kSpiritCommands - 1);
    std::uint32_t level = 1;
    for (std::uint32_t s = 0; s < 6; ++s) {
      rec.u8(108 + s, spirits[s]);
      rec.u8(114 + s, r.steps(5, 70, 5));
      rec.u8(120 + s, level);
      level += r.range(2, 12);  // ascending learning levels, at most 61
    }
    rec.u8(126, r.range(2, kSpiritCommands - 1));
    rec.u8(127, r.steps(20, 80, 5));
  }

  using namespace notable;
  Record(shared, kPilots, kPilotRowCode5).u16(24, 5);
  Record(shared, kPilots, kPilotsSharingRowA).u16(24, kSharedRowCode);
  Record(shared, kPilots, kPilotsSharingRowB).u16(24, kSharedRowCode);
  {
    Record rec(shared, kPilots, kPilotWithoutSkills);
    for (std::uint32_t s = 0; s < 6; ++s) {
      rec.u16(24 + 2 * s, 0);
      rec.u8(129 + s, 0);
    }
  }
  {
    Record rec(shared, kPilots, kPilotBeyondLists);
    rec.u8(107, 90);
    rec.u8(108, 50);
    rec.u8(129, 60);
  }
}

}  // namespace vdk::samples
