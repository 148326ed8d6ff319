// The two upgrade cost tables of VDKX_418.06 (Form10, "改造费用"): the cost
// of each of the 15 upgrade stages for the four unit statistics (Text1(0..14),
// row chosen in Combo1) and for five kinds of weapon upgrade (Text2(0..14),
// row chosen in Combo2). Each table is written by its own button.
#pragma once

#include "editor/editors/core/record_editor.h"

namespace vdk::editors {

inline constexpr int kUpgradeStages = 15;

const RecordLayout& UnitUpgradeCostLayout();
const RecordLayout& WeaponUpgradeCostLayout();

// Combo1: "HP", "EN", "运动性", "装甲".
const ItemList& UnitUpgradeRowNames();
// Combo2: "第一种" to "第五种".
const ItemList& WeaponUpgradeRowNames();

}  // namespace vdk::editors
