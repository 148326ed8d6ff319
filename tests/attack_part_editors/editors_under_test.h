// The four editors of this suite, described for tests that run the same
// checks over each: its table layout and the names of its records.
#pragma once

#include <string>
#include <vector>

#include "editor/editors/core/record_editor.h"
#include "editor/editors/layouts/ace_bonus_layout.h"
#include "editor/editors/layouts/ammo_material_layout.h"
#include "editor/editors/layouts/combination_attack_layout.h"
#include "editor/editors/layouts/enhancement_part_layout.h"
#include "editor/editors/layouts/pilot_layout.h"
#include "tools/samples/layout.h"

namespace vdk::editors::testing {

struct EditorUnderTest {
  const char* name;
  const RecordLayout* layout;
  const ItemList* records;      // the chooser's names, one per record
  const samples::Table* table;  // where the sample files put the table
};

inline std::vector<EditorUnderTest> EditorsUnderTest() {
  return {
      {"CombinationAttack", &CombinationAttackLayout(), &CombinationAttackNames(),
       &samples::kCombinationAttacks},
      {"EnhancementPart", &EnhancementPartLayout(), &EnhancementPartNames(), &samples::kEnhancementParts},
      {"AmmoMaterial", &AmmoMaterialLayout(), &AmmoMaterialNames(), &samples::kAmmoMaterials},
      {"AceBonus", &AceBonusLayout(), &AceBonusNames(), &samples::kAceBonuses},
  };
}

inline std::string TestName(const EditorUnderTest& e) {
  return e.name;
}

}  // namespace vdk::editors::testing
