#include "editor/editors/layouts/weapon_layout.h"

#include <gtest/gtest.h>

#include "editor/game_file.h"
#include "editor/name_lists.h"
#include "tests/editor_core/layout_checks.h"

namespace vdk::editors {
namespace {

using checks::Bytes;
using checks::GameFolder;
namespace notable = samples::notable;

std::size_t WeaponAt(std::uint32_t n) {
  return static_cast<std::size_t>(WeaponLayout().offsetOf(n));
}

std::uint32_t Word(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

TEST(WeaponLayout, MatchesTheTableAndItsNameList) {
  EXPECT_EQ(WeaponLayout().offsetOf(0), 0x12BF88u);
  EXPECT_EQ(WeaponLayout().offsetOf(0) + 1, static_cast<std::uint64_t>(kWeapon2Names.firstPosition));
  EXPECT_EQ(WeaponLayout().recordCount, kWeapon2Names.count);
  EXPECT_EQ(WeaponLayout().offsetOf(1628), 0x13A478u);
  EXPECT_EQ(RequiredSkillNames().size(), 47u);
  EXPECT_STREQ(RequiredSkillNames()[46], L"PILOT");
  EXPECT_STREQ(WeaponFlagsFirstByte()[7], L"ALL");
  EXPECT_STREQ(WeaponFlagsSecondByte()[5], L"贯通");
}

TEST(WeaponLayout, UnchangedWritesKeepSampleAndRandomFiles) {
  GameFolder sample;
  checks::ExpectUnchangedWritesKeepFile(sample.sharedBin(), WeaponLayout());
  GameFolder random(5);
  checks::ExpectUnchangedWritesKeepFile(random.sharedBin(), WeaponLayout());
}

TEST(WeaponLayout, EachFieldWritesOnlyItsOwnBits) {
  GameFolder sample;
  checks::ExpectEachFieldWritesOnlyItsBits(sample.sharedBin(), WeaponLayout(), 30);
}

TEST(WeaponLayout, AttributeWordShowsItsFieldsAndKeepsItsTopBits) {
  GameFolder sample;
  FormValues v = ShowRecord(sample.sharedBin(), WeaponLayout(), notable::kWeaponTopBits);
  EXPECT_EQ(v["Combo2"].selection, 2);
  EXPECT_EQ(v["Combo3"].selection, 3);
  EXPECT_EQ(v["Combo4"].selection, 4);
  EXPECT_EQ(v["Combo5"].selection, 4);
  EXPECT_EQ(v["Combo6"].selection, 5);
  EXPECT_EQ(v["Combo7"].selection, 3);
  EXPECT_EQ(v["Text19"].text, "123");
  EXPECT_EQ(v["Combo8"].selection, 1);
  v["Text19"].text = "5";  // packs as octal 005
  ASSERT_TRUE(WriteRecord(sample.sharedBin(), WeaponLayout(), notable::kWeaponTopBits, v).empty());
  const std::uint32_t w = Word(sample.bytes(), WeaponAt(notable::kWeaponTopBits));
  EXPECT_EQ(w >> 30, 3u);
  EXPECT_EQ((w >> 3) & 0x1FF, 5u);
  EXPECT_EQ(v["Text19"].text, "005");
  char hex[9];
  std::snprintf(hex, sizeof hex, "%02X%02X%02X%02X", w & 0xFF, (w >> 8) & 0xFF, (w >> 16) & 0xFF, w >> 24);
  EXPECT_EQ(v["Text1"].text, hex);
}

TEST(WeaponLayout, SignedModifiersAndPilotSkill) {
  GameFolder sample;
  FormValues v = ShowRecord(sample.sharedBin(), WeaponLayout(), notable::kWeaponHit100);
  EXPECT_EQ(v["Text5"].text, "-156");
  v = ShowRecord(sample.sharedBin(), WeaponLayout(), notable::kWeaponNegativeModifiers);
  EXPECT_EQ(v["Text5"].text, "-10");
  EXPECT_EQ(v["Text6"].text, "-5");
  v["Text5"].text = "-1";
  ASSERT_TRUE(WriteRecord(sample.sharedBin(), WeaponLayout(), notable::kWeaponNegativeModifiers, v).empty());
  EXPECT_EQ(v["Text5"].text, "255");
  EXPECT_EQ(sample.bytes()[WeaponAt(notable::kWeaponNegativeModifiers) + 0x0A], 0xFF);

  v = ShowRecord(sample.sharedBin(), WeaponLayout(), notable::kWeaponPilotSkill);
  EXPECT_EQ(v["Combo1"].selection, 46);
  v["Combo1"].selection = 0;
  ASSERT_TRUE(WriteRecord(sample.sharedBin(), WeaponLayout(), notable::kWeaponPilotSkill, v).empty());
  EXPECT_EQ(sample.bytes()[WeaponAt(notable::kWeaponPilotSkill) + 0x1D], 0x00);
  v["Combo1"].selection = 46;
  ASSERT_TRUE(WriteRecord(sample.sharedBin(), WeaponLayout(), notable::kWeaponPilotSkill, v).empty());
  EXPECT_EQ(sample.bytes()[WeaponAt(notable::kWeaponPilotSkill) + 0x1D], 0xFF);
}

TEST(WeaponLayout, ValuesWithoutListEntriesShowRawAndSurvive) {
  GameFolder sample;
  const Bytes before = sample.bytes();
  FormValues v = ShowRecord(sample.sharedBin(), WeaponLayout(), notable::kWeaponBeyondLists);
  EXPECT_EQ(v["Combo2"].extra, 6u);
  EXPECT_EQ(v["Combo3"].extra, 7u);
  EXPECT_EQ(v["Combo7"].extra, 7u);
  EXPECT_EQ(v["Combo1"].extra, 50u);
  ASSERT_TRUE(WriteRecord(sample.sharedBin(), WeaponLayout(), notable::kWeaponBeyondLists, v).empty());
  EXPECT_TRUE(sample.bytes() == before);
}

TEST(WeaponLayout, BulkCommandsTouchOnlyTheirThreeBits) {
  GameFolder sample;
  const Bytes before = sample.bytes();
  FormValues v = ShowRecord(sample.sharedBin(), WeaponLayout(), 0);
  v["Combo2"].selection = 4;
  v["Combo3"].selection = 5;
  for (int pass = 0; pass < 2; ++pass) {  // a second run changes nothing more
    ASSERT_TRUE(SetUpgradeClassOfEveryWeapon(sample.sharedBin(), UpgradeClass::Effect, v));
    ASSERT_TRUE(SetUpgradeClassOfEveryWeapon(sample.sharedBin(), UpgradeClass::Price, v));
  }
  const Bytes after = sample.bytes();
  for (std::size_t i = 0; i < after.size(); ++i) {
    const bool wordByte3 = i >= WeaponAt(0) && i < WeaponAt(1628) && (i - WeaponAt(0)) % 36 == 3;
    if (!wordByte3 && after[i] != before[i]) FAIL() << "byte " << i << " changed";
    if (wordByte3) {
      EXPECT_EQ(after[i] & 0xC0, before[i] & 0xC0);  // bits 30-31 kept
      EXPECT_EQ(after[i] & 0x3F, (4 << 3) | 5);
    }
  }
  // Nothing chosen: nothing done.
  v["Combo2"].selection = -1;
  EXPECT_FALSE(SetUpgradeClassOfEveryWeapon(sample.sharedBin(), UpgradeClass::Effect, v));
  EXPECT_TRUE(sample.bytes() == after);
}

TEST(WeaponLayout, SearchListsMatchesInRecordOrder) {
  GameFolder sample;
  const Bytes bytes = sample.bytes();
  std::vector<std::uint32_t> expected;
  for (std::uint32_t n = 0; n < 1628; ++n)
    if ((bytes[WeaponAt(n) + 8] | bytes[WeaponAt(n) + 9] << 8) == static_cast<int>(notable::kSearchedAttack))
      expected.push_back(n);
  std::uint16_t attack = 0;
  ASSERT_TRUE(ParseAttack(" 1500 ", attack));
  std::vector<AttackMatch> found = FindWeaponsByAttack(sample.sharedBin(), attack);
  ASSERT_GT(found.size(), 1u);
  ASSERT_EQ(found.size(), expected.size());
  for (std::size_t i = 0; i < found.size(); ++i) EXPECT_EQ(found[i].record, expected[i]);
  const auto first26 = std::find_if(found.begin(), found.end(), [](auto& m) { return m.record == 26; });
  ASSERT_NE(first26, found.end());
  EXPECT_EQ(first26->line, L"01A - 攻击力:1500");
  EXPECT_TRUE(FindWeaponsByAttack(sample.sharedBin(), notable::kUnmatchedAttack).empty());
  for (const char* bad : {"", "abc", "65536", "-1", "1.5"}) EXPECT_FALSE(ParseAttack(bad, attack)) << bad;
}

TEST(WeaponLayout, ShortFileIsRefusedByBulkCommandAndSearch) {
  testing::TempDir dir;
  const auto p = dir.write("SHARED.BIN", std::string(0x13A477, '\0'));
  FormValues v{{"Combo2", ControlValue{.selection = 1}}};
  EXPECT_THROW(SetUpgradeClassOfEveryWeapon(p, UpgradeClass::Effect, v), GameFileError);
  EXPECT_THROW(FindWeaponsByAttack(p, 0), GameFileError);
  EXPECT_EQ(testing::TempDir::read(p), std::string(0x13A477, '\0'));
}

TEST(WeaponLayout, BadEntriesWriteNothing) {
  GameFolder sample;
  const Bytes before = sample.bytes();
  FormValues v = ShowRecord(sample.sharedBin(), WeaponLayout(), 1);
  v["Text19"].text = "778";
  v["Text4"].text = "65536";
  v["Text5"].text = "-157";
  v["Text16"].text = "G0";
  std::vector<FieldError> errors = WriteRecord(sample.sharedBin(), WeaponLayout(), 1, v);
  ASSERT_EQ(errors.size(), 4u);
  EXPECT_EQ(errors[0].control, "Text19");
  EXPECT_NE(errors[2].message.find(L"-156 到 255"), std::wstring::npos);
  EXPECT_TRUE(sample.bytes() == before);
}

}  // namespace
}  // namespace vdk::editors
