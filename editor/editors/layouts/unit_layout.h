// Units in SHARED.BIN: hit points, energy, armour, mobility, terrain ranks,
// movement types and size, who may board, sixteen weapon slots, five unit
// abilities, the full-upgrade bonus and a few raw coded fields.
#pragma once

#include "editor/editors/core/record_editor.h"

namespace vdk::editors {

// Every shown field of a unit record, in record order. The terrain word
// (Text3, offset 6) comes before its bit fields, so its bits 21 to 31, which
// no other control shows, are written back from its text.
const RecordLayout& UnitLayout();

// Unit abilities Combo1(0)-Combo1(4), index = stored byte (32 items).
const ItemList& UnitAbilityNames();
// Full-upgrade bonuses Combo18, index = stored byte (57 items).
const ItemList& FullUpgradeBonusNames();
// Sizes Combo24: "-", "S", "M", "L", "LL".
const ItemList& UnitSizeNames();

// The weapon slots Combo2 (first fixed weapon) to Combo17 (last swappable).
inline constexpr int kFirstWeaponCombo = 2;
inline constexpr int kWeaponSlots = 16;

// "?" beside the upgrade-step code.
inline constexpr const wchar_t* kUpgradeStepHelp =
    L"按顺序是EN,HP,装甲,运动性.A表示10段改造,F表示15改.全部四项可10改就是AAAA,四项可15改就是FFFF";
inline constexpr const wchar_t* kUpgradeStepHelpTitle = L"换乘类型";

}  // namespace vdk::editors
