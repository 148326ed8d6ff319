// Special ammunition materials in SHARED.BIN: the bonuses and penalties each
// of the 33 materials puts on a weapon, the terrain ratings it raises and one
// special property.
#pragma once

#include <cstdint>

#include "editor/editors/core/record_editor.h"

namespace vdk::editors {

// The 33 materials in record order (the chooser List1).
const ItemList& AmmoMaterialNames();

// The special property codes of the option buttons Option1(0)-Option1(2):
// "移动后可攻击", "バリア贯通" and "バリア弱体".
inline constexpr std::uint32_t kSpecialPropertyCodes[] = {1, 4, 6};

// The "?" note on the terrain raise bytes.
inline constexpr const wchar_t* kTerrainNoteTitle = L"地形适应";
inline constexpr const wchar_t* kTerrainNote = L"空陆海宇：01表示该地形适应会上升";

// Text1 (material number, shown only), Text2-Text11 and Option1(0..2).
// Changes are signed: the attack word above 60000 and a byte above 99 show
// as negative numbers; a negative entry is stored as 65536 + v or 256 + v.
const RecordLayout& AmmoMaterialLayout();

}  // namespace vdk::editors
