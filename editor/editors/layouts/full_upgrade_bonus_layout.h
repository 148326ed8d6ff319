// The full-upgrade bonus table of SHARED.BIN (Form8, "机体改满奖励"): 57 kinds
// of bonus, each a set of numeric boosts, a granted unit skill and terrain
// ratings for the unit and its weapons.
#pragma once

#include "editor/editors/core/record_editor.h"
#include "editor/editors/core/shared_lists.h"
#include "editor/editors/layouts/unit_layout.h"

namespace vdk::editors {

// The lists: List1 holds the bonus names in record order, the same list
// as a unit's full-upgrade bonus (FullUpgradeBonusNames); Combo1 the unit
// skill granted (GrantedUnitSkillNames, index = stored byte); Combo2(0..3) and
// Combo3(0..3) the terrain scale (TerrainScale).
const RecordLayout& FullUpgradeBonusLayout();

// The unit skills a bonus (or an enhancement part) grants: the unit
// abilities' list.
inline const ItemList& GrantedUnitSkillNames() { return UnitAbilityNames(); }

// The terrain combos of one group ("Combo2" unit, "Combo3" weapons), in the
// order air, land, sea, space.
inline constexpr int kTerrainCombos = 4;

}  // namespace vdk::editors
