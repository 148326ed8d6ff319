#include "editor/editors/layouts/skill_training_layout.h"

#include <string>

#include "editor/editors/core/shared_lists.h"

namespace vdk::editors {

namespace {

RecordLayout MakeLayout() {
  RecordLayout layout{.tableOffset = 0x149B6C, .recordSize = 14, .recordCount = 46, .fields = {}};
  layout.fields.push_back(
      {.control = "Text10", .label = L"说明(16)", .offset = 0x00, .width = 4, .codec = HexCodec()});
  for (int k = 0; k < kTrainingLevels; ++k) {
    layout.fields.push_back({.control = Element("Text1", k),
                             .label = std::wstring(L"LV").append(std::to_wstring(k + 1)).append(L"所需PP值"),
                             .offset = 0x04 + k,
                             .width = 1,
                             .codec = DecimalCodec()});
  }
  // The last byte: the training type in its high hex digit, chosen with the
  // option buttons, and another value in its low digit, typed in Text2. The
  // buttons stand for 5 (main pilot), 7 (sub-pilot) and 0 (cannot be trained).
  layout.fields.push_back(
      {.control = "Text2", .label = L"养成类型", .offset = 0x0D, .width = 1, .codec = HexCodec()});
  layout.fields.push_back({.control = kTrainingTypeGroup,
                           .label = L"能否养成",
                           .offset = 0x0D,
                           .width = 1,
                           .codec = OptionsCodec({5, 7, 0}),
                           .shift = 4,
                           .bits = 4});
  return layout;
}

}  // namespace

const RecordLayout& SkillTrainingLayout() {
  static const RecordLayout layout = MakeLayout();
  return layout;
}

const ItemList& TrainedSkillNames() {
  static const ItemList names = [] {
    ItemList skills = PilotSkillNames();
    skills[0] = L"???";
    return skills;
  }();
  return names;
}

int TrainingTypeButton(const FormValues& values) {
  auto it = values.find(kTrainingTypeGroup);
  if (it == values.end() || it->second.selection < 0) return 2;
  return it->second.selection;
}

void KeepTypedTrainingType(FormValues& values) {
  ControlValue& group = values[kTrainingTypeGroup];
  if (group.selection < 0) group.extra.reset();
}

void SetAllTrainingCostsToOne(FormValues& values) {
  for (int k = 0; k < kTrainingLevels; ++k) values[Element("Text1", k)].text.assign(1, '1');
}

}  // namespace vdk::editors
