// One filler per game table (or small group of tables). Each writes every
// shown field of every record of its table into a file image that already
// holds random filler, leaving the unshown bytes as that filler.
#pragma once

#include "tools/samples/image.h"
#include "tools/samples/prng.h"

namespace vdk::samples {

// SHARED.BIN
void FillUnits(Bytes& shared);
void FillWeapons(Bytes& shared);
void FillPilots(Bytes& shared);  // pilots and their skill-growth rows
void FillCombinationAttacks(Bytes& shared);
void FillTraining(Bytes& shared);
void FillEnhancementParts(Bytes& shared);
void FillAceBonuses(Bytes& shared);
void FillFullUpgradeBonuses(Bytes& shared);
void FillAmmoMaterials(Bytes& shared);

// VDKX_418.06
void FillUpgradeCosts(Bytes& exe);
void FillSkillEffects(Bytes& exe);

// Stream numbers of the per-table generators (see Prng).
enum Stream : std::uint64_t {
  kStreamSharedFiller = 1,
  kStreamExeFiller,
  kStreamUnits,
  kStreamWeapons,
  kStreamPilots,
  kStreamCombinationAttacks,
  kStreamTraining,
  kStreamEnhancementParts,
  kStreamAceBonuses,
  kStreamFullUpgradeBonuses,
  kStreamAmmoMaterials,
  kStreamUpgradeCosts,
  kStreamSkillEffects,
};

inline Prng StreamFor(Stream s) {
  return Prng(kSampleSeed, s);
}

}  // namespace vdk::samples
