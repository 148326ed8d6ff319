#include "editor/editors/layouts/skill_training_layout.h"

#include <string>

namespace vdk::editors {

namespace {

RecordLayout MakeLayout() {
  RecordLayout layout{.tableOffset = 0x149B6C, .recordSize = 14, .recordCount = 46, .fields = {}};
  layout.fields.push_back(
      {.control = "Text10", .label = L"说明(16)", .offset = 0x00, .width = 4, .codec = HexCodec()});
  for (int k = 0; k < kTrainingLevels; ++k) {
    layout.fields.push_back({.control = Element("Text1", k),
                             .label = L"LV" + std::to_wstring(k + 1) + L"所需PP值",
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
  static const ItemList names{L"???",
                              L"???",
                              L"念动力",
                              L"Ｂチルドレン",
                              L"Ｂマン",
                              L"Ｍチルドレン",
                              L"ラッキー",
                              L"底力",
                              L"援护攻击",
                              L"援护防御",
                              L"カウンター",
                              L"インファイト",
                              L"ガンファイト",
                              L"ＳＰアップ",
                              L"指挥官",
                              L"切り払い",
                              L"シールド防御",
                              L"ＳＰ回复",
                              L"集中力",
                              L"ヒット＆アウェイ",
                              L"天才",
                              L"アタッカー",
                              L"リベンジ",
                              L"予知",
                              L"强运",
                              L"见切り",
                              L"神业",
                              L"Ｅセーブ",
                              L"Ｂセーブ",
                              L"ラーニング",
                              L"斗争心",
                              L"战意高扬",
                              L"气力＋（回避）",
                              L"气力＋（命中）",
                              L"气力＋（ダメージ）",
                              L"气力＋（击破）",
                              L"连携攻击",
                              L"集束攻击",
                              L"ガード",
                              L"气力限界突破",
                              L"修理技能",
                              L"补给技能",
                              L"统率",
                              L"２回行动",
                              L"がんばり屋",
                              L"ＥＸＰアップ"};
  return names;
}

void SetAllTrainingCostsToOne(FormValues& values) {
  for (int k = 0; k < kTrainingLevels; ++k) values[Element("Text1", k)].text = "1";
}

}  // namespace vdk::editors
