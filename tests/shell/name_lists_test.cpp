#include "editor/name_lists.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "editor/text_codec.h"
#include "tests/shell/temp_dir.h"

namespace vdk {
namespace {

using testing::TempDir;

std::string Lines(std::size_t count, const std::string& prefix = "name") {
  std::string s;
  for (std::size_t i = 0; i < count; ++i) s += prefix + std::to_string(i) + "\r\n";
  return s;
}

TEST(ReadListItems, DelimitedInputRule) {
  const auto items = ReadListItems("  first  \r\n\"quoted, with comma\"\nplain,split\r\n\"x\" tail\n last", 6, "t");
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[0], "first");  // leading and trailing blanks dropped
  EXPECT_EQ(items[1], "quoted, with comma");
  EXPECT_EQ(items[2], "plain");  // a comma splits
  EXPECT_EQ(items[3], "split");
  EXPECT_EQ(items[4], "x");  // text after the closing quote is dropped
  EXPECT_EQ(items[5], "last");
}

TEST(ReadListItems, EmptyLinesAreItemsAndExtraItemsAreIgnored) {
  const auto items = ReadListItems("a\r\n\r\nb\r\nc\r\nd\r\n", 3, "t");
  EXPECT_EQ(items, (std::vector<std::string>{"a", "", "b"}));
}

TEST(ReadListItems, TooFewItemsNameTheFile) {
  try {
    ReadListItems(Lines(426), 427, "\\unit.txt");
    FAIL();
  } catch (const NameListError& e) {
    EXPECT_NE(std::string(e.what()).find("unit.txt"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("426"), std::string::npos);
  }
  EXPECT_EQ(ReadListItems(Lines(427), 427, "u").size(), 427u);
  EXPECT_EQ(ReadListItems(Lines(500), 427, "u").back(), "name426");
}

TEST(NameLists, PositionsFollowTheRecordTables) {
  TempDir dir;
  dir.write("data/unit.txt", Lines(427));
  const auto list = LoadNameList(dir.path(), kUnitNames);
  ASSERT_EQ(list.positions.size(), 427u);
  EXPECT_EQ(list.positions[0], 0x11F8A4 + 1);
  EXPECT_EQ(list.positions[99], 1187665);  // byte offset 0x121F50
  EXPECT_EQ(list.positions[426], 0x11F8A4 + 1 + 426 * 100);

  dir.write("data/pilot.txt", Lines(382));
  EXPECT_EQ(LoadNameList(dir.path(), kPilotNames).positions[1], 0x13B490 + 1 + 148);
  dir.write("data/weapon2.txt", Lines(1628));
  EXPECT_EQ(LoadNameList(dir.path(), kWeapon2Names).positions[1627], 0x12BF88 + 1 + 36 * 1627);
  dir.write("data/weapon.txt", Lines(3560));
  EXPECT_TRUE(LoadNameList(dir.path(), kWeaponNames).positions.empty());
}

TEST(NameLists, MissingFileAndCommaShiftAreReported) {
  TempDir dir;
  EXPECT_THROW(LoadNameList(dir.path(), kUnitNames), NameListError);
  // A name with a comma splits into two items and shifts every later name.
  dir.write("data/unit.txt", "a,b\r\n" + Lines(426));
  const auto list = LoadNameList(dir.path(), kUnitNames);
  EXPECT_EQ(list.names[1], L"b");
  EXPECT_EQ(list.names[2], L"name0");
}

TEST(NameLists, DecodedFromCodePage936) {
  TempDir dir;
  // "机体" in code page 936 is BB FA CC E5.
  dir.write("data/pilot.txt", "\xBB\xFA\xCC\xE5 7\r\n" + Lines(381));
  EXPECT_EQ(LoadNameList(dir.path(), kPilotNames).names[0], L"机体 7");
  EXPECT_EQ(EncodeCp936(L"机体"), "\xBB\xFA\xCC\xE5");
}

TEST(NameLists, ShippedListsHaveTheirItemCounts) {
  const char* folder = std::getenv("VDK_DATA_FOLDER");
  ASSERT_NE(folder, nullptr);
  const std::filesystem::path program = std::filesystem::path(folder).parent_path();
  for (const auto& file : {kUnitNames, kWeaponNames, kPilotNames, kWeapon2Names, kUnit2Names, kPilot2Names}) {
    const std::string bytes = ReadWholeFile(DataFilePath(program, file.name));
    EXPECT_EQ(ReadListItems(bytes, file.count, file.name).size(), file.count) << file.name;
    EXPECT_THROW(ReadListItems(bytes, file.count + 1, file.name), NameListError) << file.name;
  }
}

TEST(HelpTexts, ReadLineByLineWithCrLf) {
  TempDir dir;
  dir.write("data/sm.txt", "one\ntwo\r\n\xBB\xFA");
  EXPECT_EQ(LoadHelpText(dir.path(), kInstructionsText), L"one\r\ntwo\r\n机\r\n");
  EXPECT_THROW(LoadHelpText(dir.path(), kQuestionsText), NameListError);
}

}  // namespace
}  // namespace vdk
