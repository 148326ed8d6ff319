// Enhancement parts in SHARED.BIN: the bonuses each of the 43 fittable parts
// gives a unit, its price, the unit skill it grants and two coded fields.
#pragma once

#include "editor/editors/core/record_editor.h"

namespace vdk::editors {

// The 43 parts in record order (the chooser List1).
const ItemList& EnhancementPartNames();

// Text1 (part number, shown only), Text2-Text17 and Combo1, the granted unit
// skill (one of the unit abilities,
// UnitAbilityNames(), item = stored byte).
const RecordLayout& EnhancementPartLayout();

}  // namespace vdk::editors
