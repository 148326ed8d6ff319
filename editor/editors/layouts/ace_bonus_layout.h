// Ace bonuses in SHARED.BIN: for each of 87 bonus kinds the boosts it gives a
// pilot, an optional spirit command with its SP cost, an effect class and a
// movement bonus. Every field is one byte.
#pragma once

#include "editor/editors/core/record_editor.h"

namespace vdk::editors {

// The 87 bonus descriptions in record order (the chooser Combo1).
const ItemList& AceBonusNames();
// Effect classes (Combo2), item = stored byte.
const ItemList& AceEffectClassNames();

// Text1-Text16, Combo3 (the pilots' spirit commands, SpiritCommandNames),
// Text18, Combo2 and Text19 over bytes 0x04-0x17; bytes 0x00-0x03 are not
// shown.
const RecordLayout& AceBonusLayout();

}  // namespace vdk::editors
