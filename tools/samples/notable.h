// Records of the sample files that hold deliberate corner values. Every other
// record holds plausible values within its lists; these few hold what the
// editors must show sensibly and keep through a write.
//
// | Table                 | Record | What it holds                                                |
// |-----------------------|--------|--------------------------------------------------------------|
// | units                 | 1      | terrain word 0x0001F249 (all ranks D, all four movements, S) |
// | units                 | 7      | unit ability 3 (offset 89) = 255                             |
// | units                 | 11     | terrain word with bits 21-22 set (0x0060....)                |
// | units                 | 12     | terrain word with bits 21-23 set (0x00E0....)                |
// | units                 | 13     | beyond the lists: space rank 6, size 5, bonus 60, weapon 3600|
// | weapons               | 5      | attribute word with bits 30-31 set                           |
// | weapons               | 6      | required skill 0xFF ("PILOT")                                |
// | weapons               | 7      | hit modifier 100 (shown as -156)                             |
// | weapons               | 8      | hit -10 (0xF6), critical -5 (0xFB)                           |
// | weapons               | 9      | beyond the lists: effect 6, price 7, air rank 7, skill 50    |
// | weapons               | 26     | attack 1500; more weapons share it, none has attack 1234     |
// | pilots                | 0      | skill 1 row code 5 (bytes 05 00)                             |
// | pilots                | 1, 2   | skill 1 of both uses the same growth row (code 7)            |
// | pilots                | 3      | no skills: six row codes 0000, six skill bytes 0             |
// | pilots                | 4      | beyond the lists: spirit 50, skill 60, ACE bonus 90          |
// | combination attacks   | 0      | multiplier 0x7B (1.23)                                       |
// | combination attacks   | 3      | multiplier 0xFF (2.55)                                       |
// | pilot skill training  | 2      | type byte 0x53 (main pilot)                                  |
// | pilot skill training  | 3      | type byte 0x73 (sub-pilot)                                   |
// | pilot skill training  | 4      | type byte 0x23 (cannot be trained, odd high digit)           |
// | enhancement parts     | 5      | granted skill 31                                             |
// | enhancement parts     | 42     | price 65535                                                  |
// | full-upgrade bonuses  | 10     | special attribute 0x0A                                       |
// | full-upgrade bonuses  | 11     | beyond the lists: unit air terrain 6, skill 40               |
// | special ammunition    | 2      | attack change 0xFFF6 (-10)                                   |
// | special ammunition    | 25, 26 | attack change 60000 and 60001                                |
// | special ammunition    | 27     | special property 2 (no option)                               |
// | ace bonuses           | 0      | the unused record: every bonus 0                             |
// | ace bonuses           | 9      | beyond the lists: spirit 50, effect class 5                  |
// | defensive skills      | 8      | effect type 3                                                |
// | defensive skills      | 7      | beyond the list: effect type 4                               |
#pragma once

#include <cstdint>

namespace vdk::samples::notable {

inline constexpr std::uint32_t kUnitTerrainExample = 1;
inline constexpr std::uint32_t kUnitTerrainExampleWord = 0x0001F249;
inline constexpr std::uint32_t kUnitAbility255 = 7;
inline constexpr std::uint32_t kUnitAbility255Slot = 2;  // 0-based: the byte at offset 87 + 2
inline constexpr std::uint32_t kUnitTerrainBits21To22 = 11;
inline constexpr std::uint32_t kUnitTerrainBits21To23 = 12;
inline constexpr std::uint32_t kUnitBeyondLists = 13;

inline constexpr std::uint32_t kWeaponTopBits = 5;
inline constexpr std::uint32_t kWeaponPilotSkill = 6;
inline constexpr std::uint32_t kWeaponHit100 = 7;
inline constexpr std::uint32_t kWeaponNegativeModifiers = 8;
inline constexpr std::uint32_t kWeaponBeyondLists = 9;
inline constexpr std::uint32_t kWeaponSearched = 26;
inline constexpr std::uint32_t kSearchedAttack = 1500;
inline constexpr std::uint32_t kUnmatchedAttack = 1234;

inline constexpr std::uint32_t kPilotRowCode5 = 0;
inline constexpr std::uint32_t kPilotsSharingRowA = 1;
inline constexpr std::uint32_t kPilotsSharingRowB = 2;
inline constexpr std::uint32_t kSharedRowCode = 7;
inline constexpr std::uint32_t kPilotWithoutSkills = 3;
inline constexpr std::uint32_t kPilotBeyondLists = 4;

inline constexpr std::uint32_t kComboMultiplier123 = 0;
inline constexpr std::uint32_t kComboMultiplierMax = 3;

inline constexpr std::uint32_t kTrainingMain = 2;
inline constexpr std::uint32_t kTrainingSub = 3;
inline constexpr std::uint32_t kTrainingOddType = 4;

inline constexpr std::uint32_t kPartSkill31 = 5;
inline constexpr std::uint32_t kPartPrice65535 = 42;

inline constexpr std::uint32_t kBonusSpecial0A = 10;
inline constexpr std::uint32_t kBonusBeyondLists = 11;

inline constexpr std::uint32_t kAmmoAttackMinus10 = 2;
inline constexpr std::uint32_t kAmmoAttack60000 = 25;
inline constexpr std::uint32_t kAmmoAttack60001 = 26;
inline constexpr std::uint32_t kAmmoProperty2 = 27;

inline constexpr std::uint32_t kAceUnused = 0;
inline constexpr std::uint32_t kAceBeyondLists = 9;

inline constexpr std::uint32_t kDefenceType3 = 8;
inline constexpr std::uint32_t kDefenceBeyondList = 7;

}  // namespace vdk::samples::notable
