// The pilot skill training table of SHARED.BIN (Form9, "机师技能养成"): for
// each of 46 pilot skills the PP needed for levels 1 to 9, who can train it
// and a description code.
#pragma once

#include "editor/editors/core/record_editor.h"

namespace vdk::editors {

const RecordLayout& SkillTrainingLayout();

// List1: the skill names in record order: the pilot skills 0 to 45, with
// "???" for skill 0.
const ItemList& TrainedSkillNames();

// The option buttons Option1 "主机师能养成", Option2 "副机师能养成" and
// Option3 "不能养成" form one group in FormValues under this name; its
// selection k stands for button Option(k + 1).
inline constexpr char kTrainingTypeGroup[] = "Option";
inline constexpr int kTrainingLevels = 9;

// The option button to show checked (0 to 2): the chosen one, or "不能养成"
// for a stored type digit that no button stands for (the game trains a
// skill only for 5 and 7).
int TrainingTypeButton(const FormValues& values);

// Before a write: with no button chosen since the record was shown, the type
// digit comes from Text2 as typed, so a stored digit that no button stands
// for is written back as it was and an edit of Text2 is kept.
void KeepTypedTrainingType(FormValues& values);

// "该技能养成PP消耗1": every PP box set to 1 (the file changes on "写入").
void SetAllTrainingCostsToOne(FormValues& values);

}  // namespace vdk::editors
