#include "editor/editors/layouts/pilot_layout.h"

#include <gtest/gtest.h>

#include "editor/name_lists.h"
#include "tests/editor_core/layout_checks.h"

namespace vdk::editors {
namespace {

using checks::GameFolder;
namespace notable = samples::notable;

std::size_t RowAt(std::uint32_t k) {
  return kGrowthTableOffset + 9 * k;
}
std::size_t PilotAt(std::uint32_t n) {
  return static_cast<std::size_t>(PilotLayout().offsetOf(n));
}

TEST(PilotLayout, MatchesTheTableAndItsNameList) {
  EXPECT_EQ(PilotLayout().offsetOf(0), 0x13B490u);
  EXPECT_EQ(PilotLayout().offsetOf(0) + 1, static_cast<std::uint64_t>(kPilotNames.firstPosition));
  EXPECT_EQ(PilotLayout().recordCount, kPilotNames.count);
  EXPECT_EQ(PilotLayout().offsetOf(382), 0x149168u);
  EXPECT_EQ(SpiritCommandNames().size(), 44u);
  EXPECT_EQ(PilotSkillList().size(), 47u);
  EXPECT_STREQ(PilotSkillList()[46], L"未使用");
  EXPECT_EQ(PilotAceBonusNames().size(), 86u);
  EXPECT_EQ(RowCode("0500"), 5u);
  EXPECT_EQ(RowCode("0001"), 256u);
  EXPECT_FALSE(RowCode("05"));
}

TEST(PilotLayout, UnchangedWritesKeepSampleAndRandomFiles) {
  for (int seed : {0, 17}) {
    GameFolder folder = seed ? GameFolder(static_cast<unsigned>(seed)) : GameFolder();
    const checks::Bytes before = folder.bytes();
    for (std::uint32_t n = 0; n < PilotLayout().recordCount; ++n) {
      GrowthRows rows;
      FormValues v = ShowPilot(folder.sharedBin(), n, rows);
      ASSERT_TRUE(WritePilot(folder.sharedBin(), n, rows, v).empty()) << n;
    }
    EXPECT_TRUE(folder.bytes() == before) << "seed " << seed;
  }
}

TEST(PilotLayout, EachFieldWritesOnlyItsOwnBits) {
  GameFolder sample;
  checks::ExpectEachFieldWritesOnlyItsBits(sample.sharedBin(), PilotLayout(), 10);
}

TEST(PilotLayout, ShowsStatsListsAndTheRowsItsCodesPointTo) {
  GameFolder sample;
  const checks::Bytes bytes = sample.bytes();
  GrowthRows rows;
  FormValues v = ShowPilot(sample.sharedBin(), notable::kPilotRowCode5, rows);
  const std::size_t at = PilotAt(notable::kPilotRowCode5);
  EXPECT_EQ(v["Text2"].text, std::to_string(bytes[at + 100]));  // SP at 0x13B4F4 for pilot 0
  EXPECT_EQ(v["Combo3"].selection, bytes[at + 107]);
  EXPECT_EQ(v["Combo7(0)"].selection, bytes[at + 129]);
  EXPECT_EQ(v["Text22"].text, "0500");
  EXPECT_EQ(rows[0], 5u);
  for (int level = 0; level < 9; ++level)
    EXPECT_EQ(v[Element("Text13", level)].text,
              std::to_string(bytes[0x149DFC + 45 + static_cast<std::size_t>(level)]));
}

TEST(PilotLayout, SkillWithoutRowShowsZerosAndLeavesTheTableAlone) {
  GameFolder sample;
  const checks::Bytes before = sample.bytes();
  GrowthRows rows;
  FormValues v = ShowPilot(sample.sharedBin(), notable::kPilotWithoutSkills, rows);
  for (int s = 0; s < kPilotSkills; ++s) {
    EXPECT_FALSE(rows[static_cast<std::size_t>(s)]);
    EXPECT_EQ(v[Element(kSkillRows[static_cast<std::size_t>(s)].levels, 8)].text, "0");
  }
  v["Text13(0)"].text = "77";  // not a row: never written
  ASSERT_TRUE(WritePilot(sample.sharedBin(), notable::kPilotWithoutSkills, rows, v).empty());
  EXPECT_TRUE(sample.bytes() == before);
}

TEST(PilotLayout, PilotsSharingARowSeeEachOthersChanges) {
  GameFolder sample;
  GrowthRows rowsA, rowsB;
  FormValues a = ShowPilot(sample.sharedBin(), notable::kPilotsSharingRowA, rowsA);
  a["Text13(4)"].text = "99";
  ASSERT_TRUE(WritePilot(sample.sharedBin(), notable::kPilotsSharingRowA, rowsA, a).empty());
  FormValues b = ShowPilot(sample.sharedBin(), notable::kPilotsSharingRowB, rowsB);
  EXPECT_EQ(b["Text13(4)"].text, "99");
  EXPECT_EQ(sample.bytes()[RowAt(notable::kSharedRowCode) + 4], 99);
}

TEST(PilotLayout, ChangedCodeMovesTheSkillWithoutCopyingItsRow) {
  GameFolder sample;
  const checks::Bytes before = sample.bytes();
  GrowthRows rows;
  FormValues v = ShowPilot(sample.sharedBin(), notable::kPilotRowCode5, rows);
  v["Text22"].text = "0900";  // now row 9
  ASSERT_TRUE(WritePilot(sample.sharedBin(), notable::kPilotRowCode5, rows, v).empty());
  const checks::Bytes after = sample.bytes();
  EXPECT_EQ(after[PilotAt(notable::kPilotRowCode5) + 24], 9);
  // Neither row 5 nor row 9 changed; the form now shows row 9.
  EXPECT_TRUE(std::equal(after.begin() + static_cast<std::ptrdiff_t>(kGrowthTableOffset),
                         after.begin() + static_cast<std::ptrdiff_t>(kGrowthTableOffset + 245 * 9),
                         before.begin() + static_cast<std::ptrdiff_t>(kGrowthTableOffset)));
  EXPECT_EQ(rows[0], 9u);
  EXPECT_EQ(v["Text13(0)"].text, std::to_string(after[RowAt(9)]));
}

TEST(PilotLayout, CodeBeyondTheTableIsKeptButItsRowIsNeitherShownNorWritten) {
  GameFolder sample;
  GrowthRows rows;
  FormValues v = ShowPilot(sample.sharedBin(), 20, rows);
  v["Text23"].text = "FFFF";
  ASSERT_TRUE(WritePilot(sample.sharedBin(), 20, rows, v).empty());
  const checks::Bytes before = sample.bytes();
  v = ShowPilot(sample.sharedBin(), 20, rows);
  EXPECT_EQ(v["Text23"].text, "FFFF");
  EXPECT_FALSE(rows[1]);
  EXPECT_EQ(v["Text17(0)"].text, "");
  ASSERT_TRUE(WritePilot(sample.sharedBin(), 20, rows, v).empty());
  EXPECT_TRUE(sample.bytes() == before);
}

TEST(PilotLayout, BadRowEntryWritesNeitherThePilotNorAnyRow) {
  GameFolder sample;
  const checks::Bytes before = sample.bytes();
  GrowthRows rows;
  FormValues v = ShowPilot(sample.sharedBin(), notable::kPilotRowCode5, rows);
  v["Text2"].text = "12";
  v["Text27(3)"].text = "12";  // a trust code needs four digits
  v["Text13(8)"].text = "300";
  std::vector<FieldError> errors = WritePilot(sample.sharedBin(), notable::kPilotRowCode5, rows, v);
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0].control, "Text27(3)");
  EXPECT_EQ(errors[1].control, "Text13(8)");
  EXPECT_NE(errors[1].message.find(L"0 到 255"), std::wstring::npos);
  EXPECT_TRUE(sample.bytes() == before);
}

TEST(PilotLayout, ValuesWithoutListEntriesShowRawAndSurvive) {
  GameFolder sample;
  GrowthRows rows;
  FormValues v = ShowPilot(sample.sharedBin(), notable::kPilotBeyondLists, rows);
  EXPECT_EQ(v["Combo3"].extra, 90u);
  EXPECT_EQ(v["Combo3"].selection, 86);
  EXPECT_EQ(v["Combo1(0)"].extra, 50u);
  EXPECT_EQ(v["Combo7(0)"].extra, 60u);
}

}  // namespace
}  // namespace vdk::editors
