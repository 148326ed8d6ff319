// The four editors' own tables and rules: where each control's field lies in
// its record, the sample files' corner records, and the behaviour the forms
// add to the shared core (training type buttons, "该技能养成PP消耗1").
#include <gtest/gtest.h>

#include <string>

#include "editor/editors/core/record_editor.h"
#include "editor/editors/layouts/full_upgrade_bonus_layout.h"
#include "editor/editors/layouts/skill_effect_layout.h"
#include "editor/editors/layouts/skill_training_layout.h"
#include "editor/editors/layouts/upgrade_cost_layout.h"
#include "tests/growth_cost_editors/game_image.h"
#include "tools/samples/layout.h"
#include "tools/samples/notable.h"

namespace vdk::editors {
namespace {

using testing::Bytes;
using testing::GameImage;
namespace notable = samples::notable;

GameImage SharedBin() {
  return GameImage(samples::kSharedBinName, testing::Samples().sharedBin);
}
GameImage Exe() {
  return GameImage(samples::kExeName, testing::Samples().exe);
}

FormValues Decode(const RecordLayout& layout, const Bytes& record) {
  FormValues values;
  DecodeRecord(layout, record, values);
  return values;
}

// Writes the record from `values` and returns its bytes as the file now holds them.
Bytes Write(const GameImage& file, const RecordLayout& layout, std::uint32_t record, FormValues& values) {
  const std::vector<FieldError> errors = WriteRecord(file.path(), layout, record, values);
  EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors[0].control);
  return file.at(layout.offsetOf(record), layout.recordSize);
}

Bytes Original(const GameImage& file, const RecordLayout& layout, std::uint32_t record) {
  const auto at = file.original().begin() + static_cast<std::ptrdiff_t>(layout.offsetOf(record));
  return Bytes(at, at + layout.recordSize);
}

// --- 机体改满奖励 -------------------------------------------------------------

TEST(FullUpgradeBonusEditor, EachControlShowsItsFieldOfTheRecord) {
  const RecordLayout& layout = FullUpgradeBonusLayout();
  EXPECT_EQ(layout.offsetOf(56) + layout.recordSize, 0x14CCAEu);
  Bytes record(38);
  for (std::size_t i = 0; i < record.size(); ++i) record[i] = static_cast<std::uint8_t>(i);
  for (int k = 0; k < 4; ++k) {
    record[static_cast<std::size_t>(0x15 + k)] = static_cast<std::uint8_t>(1 + k);
    record[static_cast<std::size_t>(0x21 + k)] = static_cast<std::uint8_t>(5 - k);
  }
  record[0x19] = 25;
  FormValues v = Decode(layout, record);
  const std::pair<const char*, const char*> texts[] = {
      {"Text1", "1284"}, {"Text2", "1798"}, {"Text3", "2312"}, {"Text4", "10"}, {"Text5", "11"},
      {"Text6", "12"},   {"Text7", "13"},   {"Text8", "14"},   {"Text9", "15"}, {"Text10", "16"},
      {"Text12", "1A"},  {"Text13", "28"},  {"Text14", "30"},
  };
  for (const auto& [control, text] : texts) EXPECT_EQ(v[control].text, text) << control;
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(v[Element("Combo2", k)].selection, 1 + k);
    EXPECT_EQ(v[Element("Combo3", k)].selection, 5 - k);
  }
  EXPECT_EQ(v["Combo1"].selection, 25);
  EXPECT_EQ(v.size(), 13u + 9u) << "a control too many or too few";
}

TEST(FullUpgradeBonusEditor, ListsHoldTheNamesInRecordOrder) {
  ASSERT_EQ(FullUpgradeBonusNames().size(), 57u);
  EXPECT_STREQ(FullUpgradeBonusNames()[0], L"最大HP+10%");
  EXPECT_STREQ(FullUpgradeBonusNames()[25], L"強化パーツ最大装備数+1");
  EXPECT_STREQ(FullUpgradeBonusNames()[56], L"念動フィールドS+ 400");
  ASSERT_EQ(GrantedUnitSkillNames().size(), 32u);
  EXPECT_STREQ(GrantedUnitSkillNames()[25], L"フルブロック");
  EXPECT_STREQ(GrantedUnitSkillNames()[31], L"ＯＤＥシステム");
  ASSERT_EQ(TerrainScale().size(), 6u);
  EXPECT_STREQ(TerrainScale()[5], L"S");
}

TEST(FullUpgradeBonusEditor, SampleCornerRecordsShowAndKeepTheirValues) {
  GameImage file = SharedBin();
  const RecordLayout& layout = FullUpgradeBonusLayout();
  FormValues special = ShowRecord(file.path(), layout, notable::kBonusSpecial0A);
  EXPECT_EQ(special["Text12"].text, "0A");
  EXPECT_EQ(Write(file, layout, notable::kBonusSpecial0A, special)[0x1A], 0x0A);

  // Unit air terrain 6 and skill 40 have no list item: an extra item each.
  FormValues beyond = ShowRecord(file.path(), layout, notable::kBonusBeyondLists);
  EXPECT_EQ(beyond["Combo2(0)"].selection, 6);
  EXPECT_EQ(beyond["Combo2(0)"].extra, 6u);
  EXPECT_EQ(beyond["Combo1"].selection, 32);
  EXPECT_EQ(beyond["Combo1"].extra, 40u);
  // Choosing "S" for the unit's air rating stores 05; the skill stays 40.
  beyond["Combo2(0)"] = ControlValue{.selection = 5};
  const Bytes after = Write(file, layout, notable::kBonusBeyondLists, beyond);
  EXPECT_EQ(after[0x15], 5);
  EXPECT_EQ(after[0x19], 40);
}

// --- 机师技能养成 -------------------------------------------------------------

TEST(SkillTrainingEditor, EachControlShowsItsFieldOfTheRecord) {
  const RecordLayout& layout = SkillTrainingLayout();
  EXPECT_EQ(layout.offsetOf(45) + layout.recordSize, 0x149DF0u);
  FormValues v = Decode(layout, {0x12, 0x34, 0x56, 0x78, 1, 2, 3, 4, 5, 6, 7, 8, 250, 0x7C});
  EXPECT_EQ(v["Text10"].text, "12345678");
  for (int k = 0; k < 8; ++k) EXPECT_EQ(v[Element("Text1", k)].text, std::to_string(k + 1));
  EXPECT_EQ(v["Text1(8)"].text, "250");
  EXPECT_EQ(v["Text2"].text, "7C");
  EXPECT_EQ(v[kTrainingTypeGroup].selection, 1);
  EXPECT_EQ(TrainingTypeButton(v), 1);
  EXPECT_EQ(TrainingTypeButton(Decode(layout, Bytes(14, 0))), 2);
}

TEST(SkillTrainingEditor, SkillNamesAreTheRequiredSkillsWithTwoUnknownFirst) {
  ASSERT_EQ(TrainedSkillNames().size(), 46u);
  EXPECT_STREQ(TrainedSkillNames()[0], L"???");
  EXPECT_STREQ(TrainedSkillNames()[2], L"念动力");
  EXPECT_STREQ(TrainedSkillNames()[45], L"ＥＸＰアップ");
}

TEST(SkillTrainingEditor, TheOptionButtonsSetTheTypeDigitAndText2TheOther) {
  GameImage file = SharedBin();
  const RecordLayout& layout = SkillTrainingLayout();
  FormValues main = ShowRecord(file.path(), layout, notable::kTrainingMain);
  EXPECT_EQ(main["Text2"].text, "53");
  EXPECT_EQ(TrainingTypeButton(main), 0);
  EXPECT_EQ(TrainingTypeButton(ShowRecord(file.path(), layout, notable::kTrainingSub)), 1);

  // "副机师能养成" stores 7 in the high digit and Text2 then shows 73.
  main[kTrainingTypeGroup].selection = 1;
  KeepTypedTrainingType(main);
  EXPECT_EQ(Write(file, layout, notable::kTrainingMain, main)[0x0D], 0x73);
  EXPECT_EQ(main["Text2"].text, "73");

  // A chosen button wins over the first digit typed in Text2.
  main["Text2"].text = "6F";
  main[kTrainingTypeGroup].selection = 0;
  EXPECT_EQ(Write(file, layout, notable::kTrainingMain, main)[0x0D], 0x5F);
}

TEST(SkillTrainingEditor, AnUnlistedTypeDigitShowsAsNotTrainableAndIsKept) {
  GameImage file = SharedBin();
  const RecordLayout& layout = SkillTrainingLayout();
  const std::uint32_t odd = notable::kTrainingOddType;  // type byte 0x23
  FormValues v = ShowRecord(file.path(), layout, odd);
  EXPECT_EQ(v["Text2"].text, "23");
  EXPECT_EQ(TrainingTypeButton(v), 2);
  KeepTypedTrainingType(v);
  EXPECT_EQ(Write(file, layout, odd, v), Original(file, layout, odd));

  // With no button chosen, a digit typed in Text2 is written as typed.
  v["Text2"].text = "43";
  KeepTypedTrainingType(v);
  EXPECT_EQ(Write(file, layout, odd, v)[0x0D], 0x43);

  // Choosing "不能养成" writes 0.
  v[kTrainingTypeGroup].selection = 2;
  KeepTypedTrainingType(v);
  EXPECT_EQ(Write(file, layout, odd, v)[0x0D], 0x03);
}

TEST(SkillTrainingEditor, AllCostsToOneWritesNineOnesAndNothingElse) {
  GameImage file = SharedBin();
  const RecordLayout& layout = SkillTrainingLayout();
  FormValues v = ShowRecord(file.path(), layout, 7);
  SetAllTrainingCostsToOne(v);
  Bytes expected = Original(file, layout, 7);
  std::fill(expected.begin() + 4, expected.begin() + 13, 1);
  EXPECT_EQ(Write(file, layout, 7, v), expected);
}

// --- 改造费用 -----------------------------------------------------------------

TEST(UpgradeCostEditor, RowsLieWhereTheirListsSay) {
  ASSERT_EQ(UnitUpgradeRowNames().size(), 4u);
  ASSERT_EQ(WeaponUpgradeRowNames().size(), 5u);
  EXPECT_STREQ(UnitUpgradeRowNames()[3], L"装甲");
  EXPECT_EQ(UnitUpgradeCostLayout().offsetOf(3), 0x434BF4u);
  EXPECT_EQ(UnitUpgradeCostLayout().offsetOf(4), 0x434C34u);
  EXPECT_EQ(WeaponUpgradeCostLayout().offsetOf(5), 0x434FF4u);

  Bytes row(64);
  for (std::size_t i = 0; i < row.size(); ++i) row[i] = static_cast<std::uint8_t>(i);
  FormValues v = Decode(UnitUpgradeCostLayout(), row);
  EXPECT_EQ(v["Text1(0)"].text, "50462976");    // 03 02 01 00
  EXPECT_EQ(v["Text1(14)"].text, "993671480");  // 38 39 3A 3B
  EXPECT_EQ(v.size(), 15u);
}

TEST(UpgradeCostEditor, CostsAreWrittenAsFourBytesLowestFirst) {
  GameImage file = Exe();
  const RecordLayout& layout = WeaponUpgradeCostLayout();
  FormValues v = ShowRecord(file.path(), layout, 2);
  v["Text2(4)"].text = "70000";
  v["Text2(5)"].text = "4294967295";  // the whole unsigned range is accepted
  Bytes expected = Original(file, layout, 2);
  const std::uint8_t bytes[] = {0x70, 0x11, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
  std::copy(std::begin(bytes), std::end(bytes), expected.begin() + 16);
  EXPECT_EQ(Write(file, layout, 2, v), expected);
}

// --- 机体机师技能效果 ---------------------------------------------------------

TEST(SkillEffectEditor, EachControlShowsItsFieldOfTheRecord) {
  Bytes defence(28, 0xAA);
  const std::uint8_t code[] = {0xDE, 0xAD, 0xBE, 0xEF};
  std::copy(std::begin(code), std::end(code), defence.begin());
  defence[0x0C] = 0x34;
  defence[0x0D] = 0x12;
  defence[0x10] = 2;
  defence[0x14] = 25;
  FormValues v = Decode(DefensiveSkillLayout(), defence);
  EXPECT_EQ(v["Text1"].text, "DEADBEEF");
  EXPECT_EQ(v["Text2"].text, "4660");
  EXPECT_EQ(v["Combo2"].selection, 2);
  EXPECT_EQ(v["Text3"].text, "25");

  Bytes style(96, 0xAA);
  for (int k = 0; k < kFightingStyleLevels; ++k) {
    style[static_cast<std::size_t>(4 * k)] = static_cast<std::uint8_t>(10 + k);
    style[static_cast<std::size_t>(0x30 + 4 * k)] = static_cast<std::uint8_t>(k);
    for (int i = 1; i < 4; ++i) {
      style[static_cast<std::size_t>(4 * k + i)] = 0;
      style[static_cast<std::size_t>(0x30 + 4 * k + i)] = 0;
    }
  }
  FormValues s = Decode(FightingStyleLayout(), style);
  for (int k = 0; k < kFightingStyleLevels; ++k) {
    EXPECT_EQ(s[Element("Text4", k)].text, std::to_string(10 + k));
    EXPECT_EQ(s[Element("Text5", k)].text, std::to_string(k));
  }
}

TEST(SkillEffectEditor, ListsAndRecordPositions) {
  ASSERT_EQ(DefensiveSkillNames().size(), 9u);
  EXPECT_STREQ(DefensiveSkillNames()[8], L"ビーム吸收");
  EXPECT_EQ(DefensiveSkillLayout().offsetOf(8), 0x44EA40u);
  EXPECT_EQ(DefensiveSkillLayout().offsetOf(9), 0x44EA5Cu);
  ASSERT_EQ(DefenceTypeNames().size(), 4u);
  EXPECT_STREQ(DefenceTypeNames()[3], L"类型4");
  ASSERT_EQ(FightingStyleNames().size(), 2u);
  EXPECT_STREQ(FightingStyleNames()[1], L"インファイト");
  EXPECT_EQ(FightingStyleLayout().offsetOf(2), 0x3A1B20u);
}

TEST(SkillEffectEditor, EffectTypesInAndBeyondTheList) {
  GameImage file = Exe();
  const RecordLayout& layout = DefensiveSkillLayout();
  FormValues type3 = ShowRecord(file.path(), layout, notable::kDefenceType3);
  EXPECT_EQ(type3["Combo2"].selection, 3);

  FormValues beyond = ShowRecord(file.path(), layout, notable::kDefenceBeyondList);
  EXPECT_EQ(beyond["Combo2"].selection, 4);
  EXPECT_EQ(beyond["Combo2"].extra, 4u);
  // "类型4" stores 03.
  beyond["Combo2"] = ControlValue{.selection = 3};
  Bytes expected = Original(file, layout, notable::kDefenceBeyondList);
  expected[0x10] = 3;
  EXPECT_EQ(Write(file, layout, notable::kDefenceBeyondList, beyond), expected);
}

}  // namespace
}  // namespace vdk::editors
