// The pilot skill training table of SHARED.BIN (Form9, "机师技能养成"): for
// each of 46 pilot skills the PP needed for levels 1 to 9, who can train it
// and a description code.
#pragma once

#include "editor/editors/core/record_editor.h"

namespace vdk::editors {

const RecordLayout& SkillTrainingLayout();

// List1: the skill names in record order.
const ItemList& TrainedSkillNames();

// The option buttons Option1 "主机师能养成", Option2 "副机师能养成" and
// Option3 "不能养成" form one group in FormValues under this name; its
// selection k stands for button Option(k + 1).
inline constexpr char kTrainingTypeGroup[] = "Option";
inline constexpr int kTrainingLevels = 9;
// Every PP box set by "该技能养成PP消耗1".
void SetAllTrainingCostsToOne(FormValues& values);

}  // namespace vdk::editors
