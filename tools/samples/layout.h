// Where the game tables lie in the two game files: offset, record count and
// record size of each, plus the lengths of the name lists their fields index.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vdk::samples {

struct Table {
  const char* name;
  std::uint32_t offset;  // 0-based byte offset in its file
  std::uint32_t count;
  std::uint32_t size;  // bytes per record
  constexpr std::uint32_t at(std::uint32_t index) const { return offset + index * size; }
  constexpr std::uint32_t end() const { return offset + count * size; }
};

// SHARED.BIN
inline constexpr Table kUnits{"units", 0x11F8A4, 427, 100};
inline constexpr Table kWeapons{"weapons", 0x12BF88, 1628, 36};
inline constexpr Table kPilots{"pilots", 0x13B490, 382, 148};
inline constexpr Table kCombinationAttacks{"combination attacks", 0x1498B2, 12, 26};
inline constexpr Table kTraining{"pilot skill training", 0x149B6C, 46, 14};
// Skill-growth rows run from their start up to the enhancement part table:
// 245 rows of 9 bytes. Row code 0 means "no row", so pilots use rows 1..244.
inline constexpr Table kSkillGrowth{"pilot skill growth rows", 0x149DFC, 245, 9};
inline constexpr Table kEnhancementParts{"enhancement parts", 0x14A69C, 43, 40};
inline constexpr Table kAceBonuses{"ace bonuses", 0x14BC04, 87, 24};
inline constexpr Table kFullUpgradeBonuses{"full-upgrade bonuses", 0x14C438, 57, 38};
inline constexpr Table kAmmoMaterials{"special ammunition materials", 0x14CD58, 33, 18};

// VDKX_418.06
inline constexpr Table kFightingStyles{"fighting-style skill effects", 0x3A1A60, 2, 96};
inline constexpr Table kUnitUpgradeCosts{"unit upgrade costs", 0x434B34, 4, 64};
inline constexpr Table kWeaponUpgradeCosts{"weapon upgrade costs", 0x434EB4, 5, 64};
inline constexpr Table kDefensiveSkills{"defensive unit skill effects", 0x44E960, 9, 28};

inline constexpr Table kSharedBinTables[] = {
    kUnits,       kWeapons,          kPilots,     kCombinationAttacks, kTraining,
    kSkillGrowth, kEnhancementParts, kAceBonuses, kFullUpgradeBonuses, kAmmoMaterials};
inline constexpr Table kExeTables[] = {kFightingStyles, kUnitUpgradeCosts, kWeaponUpgradeCosts,
                                       kDefensiveSkills};

inline constexpr std::size_t kSharedBinSize = 0x150000;
inline constexpr std::size_t kExeSize = 0x450000;

// Lengths of the lists that fields index.
inline constexpr std::uint32_t kWeaponNames = 3560;     // weapon.txt; the last name stands for 0xFFFF
inline constexpr std::uint32_t kUnitCodeNames = 1413;   // unit2.txt; the last stands for 0xFFFF
inline constexpr std::uint32_t kPilotCodeNames = 1315;  // pilot2.txt; the last stands for 0xFFFF
inline constexpr std::uint32_t kTerrainRanks = 6;       // "-", D, C, B, A, S
inline constexpr std::uint32_t kUnitSizes = 5;          // "-", S, M, L, LL
inline constexpr std::uint32_t kUnitSkills = 32;
inline constexpr std::uint32_t kFullUpgradeBonusKinds = 57;
inline constexpr std::uint32_t kSpiritCommands = 44;
inline constexpr std::uint32_t kPilotSkills = 47;      // the last, 46, is "unused"
inline constexpr std::uint32_t kPilotAceBonuses = 86;  // the pilot's ACE byte; table 0 is unused
inline constexpr std::uint32_t kWeaponUpgradeEffects = 5;
inline constexpr std::uint32_t kWeaponUpgradePrices = 6;
inline constexpr std::uint32_t kRequiredSkills = 46;  // 0..45; 0xFF stands for "PILOT"
inline constexpr std::uint32_t kAceEffectClasses = 4;
inline constexpr std::uint32_t kDefenceTypes = 4;
inline constexpr std::uint16_t kNone16 = 0xFFFF;

}  // namespace vdk::samples
