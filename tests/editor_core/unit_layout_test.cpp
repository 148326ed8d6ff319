#include "editor/editors/layouts/unit_layout.h"

#include <gtest/gtest.h>

#include "editor/name_lists.h"
#include "tests/editor_core/layout_checks.h"

namespace vdk::editors {
namespace {

using checks::GameFolder;
namespace notable = samples::notable;

TEST(UnitLayout, MatchesTheTableAndItsNameList) {
  const RecordLayout& l = UnitLayout();
  EXPECT_EQ(l.offsetOf(0), 0x11F8A4u);
  EXPECT_EQ(l.offsetOf(99), 0x121F50u);
  EXPECT_EQ(l.recordCount, kUnitNames.count);
  EXPECT_EQ(l.offsetOf(0) + 1, static_cast<std::uint64_t>(kUnitNames.firstPosition));
  EXPECT_EQ(l.offsetOf(l.recordCount), 0x129F70u);
  EXPECT_EQ(UnitAbilityNames().size(), 32u);
  EXPECT_EQ(FullUpgradeBonusNames().size(), 57u);
  EXPECT_STREQ(FullUpgradeBonusNames()[56], L"念動フィールドS+ 400");
}

TEST(UnitLayout, UnchangedWritesKeepSampleAndRandomFiles) {
  GameFolder sample;
  checks::ExpectUnchangedWritesKeepFile(sample.sharedBin(), UnitLayout());
  GameFolder random(41);
  checks::ExpectUnchangedWritesKeepFile(random.sharedBin(), UnitLayout());
}

TEST(UnitLayout, EachFieldWritesOnlyItsOwnBits) {
  GameFolder sample;
  checks::ExpectEachFieldWritesOnlyItsBits(sample.sharedBin(), UnitLayout(), 5);
}

TEST(UnitLayout, ShowsTheTerrainWordByItsBits) {
  GameFolder sample;
  FormValues v = ShowRecord(sample.sharedBin(), UnitLayout(), notable::kUnitTerrainExample);
  EXPECT_EQ(v["Text3"].text, "49F20100");
  for (const char* rank : {"Combo20", "Combo21", "Combo22", "Combo23"})
    EXPECT_EQ(v[rank].selection, 1) << rank;
  for (const char* move : {"Check3", "Check4", "Check5", "Check6"}) EXPECT_TRUE(v[move].checked) << move;
  EXPECT_EQ(v["Combo24"].selection, 1);
  EXPECT_EQ(v["Text4"].text, "00");

  // Air movement only: bits 12 to 20 equal 1.
  v["Check3"].checked = v["Check4"].checked = v["Check5"].checked = false;
  v["Combo24"].selection = 0;
  ASSERT_TRUE(WriteRecord(sample.sharedBin(), UnitLayout(), notable::kUnitTerrainExample, v).empty());
  EXPECT_EQ(v["Text3"].text, "49120000");
  FormValues again = ShowRecord(sample.sharedBin(), UnitLayout(), notable::kUnitTerrainExample);
  EXPECT_TRUE(again["Check6"].checked);
  EXPECT_FALSE(again["Check3"].checked);
  EXPECT_EQ(again["Text4"].text, "00");
}

TEST(UnitLayout, TerrainWordKeepsItsUnshownTopBits) {
  // The whole top of the word (bits 21 to 31) survives a write, including
  // 0x00E00000, whose bit 23 the word's recomposition would otherwise drop.
  for (std::uint32_t unit : {notable::kUnitTerrainBits21To22, notable::kUnitTerrainBits21To23}) {
    GameFolder sample;
    FormValues v = ShowRecord(sample.sharedBin(), UnitLayout(), unit);
    const std::string word = v["Text3"].text;
    v["Text4"].text = v["Text4"].text == "11" ? "10" : "11";
    ASSERT_TRUE(WriteRecord(sample.sharedBin(), UnitLayout(), unit, v).empty());
    const checks::Bytes bytes = sample.bytes();
    const std::size_t at = static_cast<std::size_t>(UnitLayout().offsetOf(unit)) + 6;
    EXPECT_EQ(bytes[at + 2] & 0xE0, unit == notable::kUnitTerrainBits21To22 ? 0x60 : 0xE0);
    EXPECT_EQ(bytes[at + 3], 0);
    EXPECT_NE(v["Text3"].text, word);
  }
}

TEST(UnitLayout, ValuesWithoutListEntriesShowRawAndSurvive) {
  GameFolder sample;
  const auto before = sample.bytes();
  FormValues v = ShowRecord(sample.sharedBin(), UnitLayout(), notable::kUnitAbility255);
  EXPECT_EQ(v["Combo1(2)"].selection, 32);
  EXPECT_EQ(v["Combo1(2)"].extra, 255u);
  ASSERT_TRUE(WriteRecord(sample.sharedBin(), UnitLayout(), notable::kUnitAbility255, v).empty());

  v = ShowRecord(sample.sharedBin(), UnitLayout(), notable::kUnitBeyondLists);
  EXPECT_EQ(v["Combo20"].extra, 6u);
  EXPECT_EQ(v["Combo24"].extra, 5u);
  EXPECT_EQ(v["Combo18"].extra, 60u);
  EXPECT_EQ(v["Combo5"].extra, 3600u);
  EXPECT_EQ(v["Combo5"].selection, 3560);
  ASSERT_TRUE(WriteRecord(sample.sharedBin(), UnitLayout(), notable::kUnitBeyondLists, v).empty());
  EXPECT_TRUE(sample.bytes() == before);

  // Picking a real item replaces the raw value.
  v["Combo1(0)"].selection = 31;
  v["Combo5"].selection = 12;
  ASSERT_TRUE(WriteRecord(sample.sharedBin(), UnitLayout(), notable::kUnitBeyondLists, v).empty());
  const std::size_t at = static_cast<std::size_t>(UnitLayout().offsetOf(notable::kUnitBeyondLists));
  EXPECT_EQ(sample.bytes()[at + 87], 31);
  EXPECT_EQ(sample.bytes()[at + 42], 12);
}

TEST(UnitLayout, EmptyWeaponSlotIsTheLastName) {
  GameFolder sample;
  // Unit 0's last swappable slot is empty in the sample file.
  FormValues v = ShowRecord(sample.sharedBin(), UnitLayout(), 0);
  EXPECT_EQ(v["Combo17"].selection, 3559);
  v["Combo2"].selection = 3559;
  ASSERT_TRUE(WriteRecord(sample.sharedBin(), UnitLayout(), 0, v).empty());
  const std::size_t at = static_cast<std::size_t>(UnitLayout().offsetOf(0));
  EXPECT_EQ(sample.bytes()[at + 36], 0xFF);
  EXPECT_EQ(sample.bytes()[at + 37], 0xFF);
}

TEST(UnitLayout, KnownFieldsShowAsStored) {
  GameFolder sample;
  const checks::Bytes bytes = sample.bytes();
  const std::size_t at = static_cast<std::size_t>(UnitLayout().offsetOf(3));
  FormValues v = ShowRecord(sample.sharedBin(), UnitLayout(), 3);
  auto u = [&](std::size_t i) { return static_cast<std::uint32_t>(bytes[at + i]); };
  EXPECT_EQ(v["Text1"].text, std::to_string(u(0) | u(1) << 8 | u(2) << 16 | u(3) << 24));
  EXPECT_EQ(v["Text6"].text, std::to_string(u(24) | u(25) << 8));
  EXPECT_EQ(v["Text13"].text, std::to_string(u(82)));
  EXPECT_EQ(v["Combo18"].selection, static_cast<int>(u(84)));
  for (int k = 0; k < 8; ++k) EXPECT_EQ(v[Element("Check1", k)].checked, ((u(34) >> (7 - k)) & 1) != 0);
  char hex[3];
  std::snprintf(hex, sizeof hex, "%02X", u(94));
  EXPECT_EQ(v["Text18"].text, hex);
}

TEST(UnitLayout, BadEntriesWriteNothing) {
  GameFolder sample;
  const auto before = sample.bytes();
  FormValues v = ShowRecord(sample.sharedBin(), UnitLayout(), 2);
  v["Text6"].text = "70000";  // EN is a word
  v["Text13"].text = "256";   // movement is a byte
  v["Text2"].text = "AAA";    // four hex digits
  v["Text4"].text = "12";     // binary digits
  std::vector<FieldError> errors = WriteRecord(sample.sharedBin(), UnitLayout(), 2, v);
  ASSERT_EQ(errors.size(), 4u);
  EXPECT_EQ(errors[0].control, "Text2");
  EXPECT_NE(errors[0].message.find(L"最大改造段数"), std::wstring::npos);
  EXPECT_NE(JoinMessages(errors).find(L"0 到 65535"), std::wstring::npos);
  EXPECT_TRUE(sample.bytes() == before);
}

}  // namespace
}  // namespace vdk::editors
