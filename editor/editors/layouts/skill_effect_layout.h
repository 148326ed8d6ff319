// The two skill effect tables of VDKX_418.06 (Form11, "机体机师技能效果"):
// the nine defensive unit skills (record chosen in Combo1) and the per-level
// bonuses of the two fighting styles (record chosen in Combo3). Each table is
// written by its own button.
#pragma once

#include "editor/editors/core/record_editor.h"

namespace vdk::editors {

inline constexpr int kFightingStyleLevels = 10;

// Text1 (code), Text2 (defence value), Combo2 (effect type), Text3 (EN cost).
const RecordLayout& DefensiveSkillLayout();
// Text4(0..9) attack bonuses, Text5(0..9) range or movement bonuses.
const RecordLayout& FightingStyleLayout();

// Combo1: the nine defensive skills in record order.
const ItemList& DefensiveSkillNames();
// Combo2: "减少伤害", "无效化伤害", "念动力LV*防御效果", "类型4".
const ItemList& DefenceTypeNames();
// Combo3: "ガンファイト", "インファイト".
const ItemList& FightingStyleNames();

}  // namespace vdk::editors
