// Lists that several of the unit, pilot and weapon editors show alike.
#pragma once

#include "editor/editors/core/record_editor.h"

namespace vdk::editors {

// The terrain scale of units and weapons: 0 "-", 1 "D" ... 5 "S".
const ItemList& TerrainScale();

// Captions of the boarding-flag check boxes by bit (bit 0 first), for the
// first and the second flag byte; units and pilots share them.
const ItemList& BoardingFlagsFirstByte();
const ItemList& BoardingFlagsSecondByte();

// Pilot skills 0 "没有" to 45 "ＥＸＰアップ"; the pilot editor adds
// "未使用" as item 46, the weapon editor "PILOT".
const ItemList& PilotSkillNames();

// `list` followed by `more`.
ItemList Joined(const ItemList& list, std::initializer_list<const wchar_t*> more);

}  // namespace vdk::editors
