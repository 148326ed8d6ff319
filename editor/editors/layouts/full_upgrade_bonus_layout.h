// The full-upgrade bonus table of SHARED.BIN (Form8, "机体改满奖励"): 57 kinds
// of bonus, each a set of numeric boosts, a granted unit skill and terrain
// ratings for the unit and its weapons.
#pragma once

#include "editor/editors/core/record_editor.h"

namespace vdk::editors {

const RecordLayout& FullUpgradeBonusLayout();

// List1: the bonus names in record order.
const ItemList& FullUpgradeBonusNames();
// Combo1: the unit skill a bonus grants (index = stored byte).
const ItemList& GrantedUnitSkillNames();
// Combo2(0..3) and Combo3(0..3): "-", "D", "C", "B", "A", "S".
const ItemList& TerrainRatingNames();

// The terrain combos of one group ("Combo2" unit, "Combo3" weapons), in the
// order air, land, sea, space.
inline constexpr int kTerrainCombos = 4;

}  // namespace vdk::editors
