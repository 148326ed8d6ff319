// What each editor of this suite shows for the sample records with corner
// values, and the rules particular to one editor: the stand-in for empty
// participant slots, the signed changes of the ammunition materials, the
// option buttons that write only when one is chosen, and fields shown only.
#include <gtest/gtest.h>

#include "tests/attack_part_editors/editors_under_test.h"
#include "tests/attack_part_editors/test_files.h"
#include "tools/samples/notable.h"

namespace vdk::editors::testing {
namespace {

namespace notable = samples::notable;

// The file with one record's bytes replaced at `offset` within the record.
std::string WithBytes(const RecordLayout& l, std::uint32_t record, int offset, std::string bytes) {
  std::string file = SampleSharedBin();
  file.replace(static_cast<std::size_t>(l.offsetOf(record)) + static_cast<std::size_t>(offset), bytes.size(),
               bytes);
  return file;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

TEST(CombinationAttackEditor, EmptySlotsShowTheLastNameAndWriteBackAsFFFF) {
  const RecordLayout& l = CombinationAttackLayout();
  // Slot 1 of each kind empty, slot 2 holding the last index itself (no
  // name of its own: it is stored as a number, not as the empty marker).
  std::string file = SampleSharedBin();
  for (int kind = 0; kind < 3; ++kind) {
    const int last = static_cast<int>(kParticipantKinds[kind].listLength) - 1;
    file.replace(static_cast<std::size_t>(l.offsetOf(4)) + 8 * kind, 4,
                 Bytes({0xFF, 0xFF, last & 0xFF, last >> 8}));
  }
  GameFileCopy game(file, l);
  FormValues v = ShowRecord(game.path(), l, 4);
  for (int kind = 0; kind < 3; ++kind) {
    const int first = kParticipantKinds[kind].firstCombo;
    const int last = static_cast<int>(kParticipantKinds[kind].listLength) - 1;
    const std::string empty = "Combo" + std::to_string(first), stored = "Combo" + std::to_string(first + 1);
    EXPECT_EQ(v[empty].selection, last) << empty;
    EXPECT_FALSE(v[empty].extra) << empty;
    EXPECT_EQ(v[stored].selection, last + 1) << stored;  // the extra item
    EXPECT_EQ(v[stored].extra, static_cast<std::uint32_t>(last)) << stored;
  }
  ASSERT_TRUE(WriteRecord(game.path(), l, 4, v).empty());
  EXPECT_TRUE(game.changedOffsets().empty());

  // Choosing the last name in a slot stores FF FF, never the index.
  v["Combo7"].selection = static_cast<int>(kParticipantKinds[1].listLength) - 1;
  v["Combo2"].selection = 0;
  ASSERT_TRUE(WriteRecord(game.path(), l, 4, v).empty());
  EXPECT_EQ(game.read(l.offsetOf(4) + 0x0C, 2), Bytes({0xFF, 0xFF}));
  EXPECT_EQ(game.read(l.offsetOf(4) + 0x02, 2), Bytes({0, 0}));
}

TEST(CombinationAttackEditor, MultiplierShowsAsTwoHexDigits) {
  const RecordLayout& l = CombinationAttackLayout();
  GameFileCopy game(SampleSharedBin(), l);
  EXPECT_EQ(ShowRecord(game.path(), l, notable::kComboMultiplier123)["Text1"].text, "7B");
  EXPECT_EQ(ShowRecord(game.path(), l, notable::kComboMultiplierMax)["Text1"].text, "FF");
  // Byte 0x19 is not shown and stays; the multiplier alone changes.
  FormValues v = ShowRecord(game.path(), l, 0);
  v["Text1"].text = *MultiplierToHex("1.5");
  ASSERT_TRUE(WriteRecord(game.path(), l, 0, v).empty());
  EXPECT_EQ(game.byteAt(l.offsetOf(0) + 0x18), 0x96);
  EXPECT_EQ(game.changedOffsets().size(), 1u);
}

TEST(CombinationAttackEditor, ConverterBetweenHexAndFactor) {
  struct ToDecimal {
    const char* hex;
    const char* decimal;
  };
  for (const auto& [hex, decimal] : {ToDecimal{"7B", "1.23"},
                                     {"C8", "2"},
                                     {"FF", "2.55"},
                                     {"00", "0"},
                                     {"5", "0.05"},
                                     {"6E", "1.1"},
                                     {"0ff", "2.55"},
                                     {"c8", "2"}})
    EXPECT_EQ(MultiplierToDecimal(hex), decimal) << hex;
  for (const char* bad : {"", "G1", "100", " 7B", "1.5"}) EXPECT_FALSE(MultiplierToDecimal(bad)) << bad;

  struct ToHex {
    const char* decimal;
    const char* hex;
  };
  for (const auto& [decimal, hex] : {ToHex{"1.5", "96"},
                                     {"2.55", "FF"},
                                     {"1.23", "7B"},
                                     {"0", "00"},
                                     {"0.05", "05"},
                                     {" 2 ", "C8"},
                                     {".5", "32"},
                                     {"2.", "C8"},
                                     {"0.125", "0C"},
                                     {"0.135", "0E"}})
    EXPECT_EQ(MultiplierToHex(decimal), hex) << decimal;
  for (const char* bad : {"", "-", ".", "2.56", "-0.5", "1,5", "abc", "1e2", "1.2.3"})
    EXPECT_FALSE(MultiplierToHex(bad)) << bad;
}

TEST(CombinationAttackEditor, GuardsReplaceEntriesBeyondTheRange) {
  EXPECT_EQ(GuardHexMultiplier("1FF"), "FF");
  EXPECT_EQ(GuardHexMultiplier("100"), "FF");
  EXPECT_EQ(GuardHexMultiplier("FFFFFFFFFFFFFFFFFFFF"), "FF");  // no overflow on long entries
  for (const char* kept : {"", "F", "FF", "0FF", "G", "7b"}) EXPECT_FALSE(GuardHexMultiplier(kept)) << kept;

  EXPECT_EQ(GuardDecimalMultiplier("3"), "2.55");
  EXPECT_EQ(GuardDecimalMultiplier("2.551"), "2.55");
  EXPECT_EQ(GuardDecimalMultiplier("-1"), "2.55");
  // The replacement itself and every partial entry on the way to a valid
  // factor stay as typed (the guard must not fire on its own text).
  for (const char* kept : {"2.55", "2.5", "2.", "0", "-", ".", "", "x", "1.23"})
    EXPECT_FALSE(GuardDecimalMultiplier(kept)) << kept;
}

TEST(EnhancementPartEditor, SamplesShowAndSkillItemsWriteTheirOwnIndex) {
  const RecordLayout& l = EnhancementPartLayout();
  GameFileCopy game(SampleSharedBin(), l);
  FormValues v = ShowRecord(game.path(), l, notable::kPartSkill31);
  EXPECT_EQ(v["Combo1"].selection, 31);
  EXPECT_EQ(v["Text1"].text, "0502");  // part number 0x0205 in file order
  EXPECT_EQ(ShowRecord(game.path(), l, notable::kPartPrice65535)["Text15"].text, "65535");

  // The five "???" items each stand for their own byte.
  for (int item = 26; item <= 30; ++item) {
    v["Combo1"].selection = item;
    ASSERT_TRUE(WriteRecord(game.path(), l, notable::kPartSkill31, v).empty());
    EXPECT_EQ(game.byteAt(l.offsetOf(notable::kPartSkill31) + 0x1A), item);
  }
}

TEST(EnhancementPartEditor, SkillByteBeyondTheListIsKept) {
  const RecordLayout& l = EnhancementPartLayout();
  GameFileCopy game(WithBytes(l, 3, 0x1A, Bytes({200})), l);
  FormValues v = ShowRecord(game.path(), l, 3);
  EXPECT_EQ(v["Combo1"].selection, 32);
  EXPECT_EQ(v["Combo1"].extra, 200u);
  v["Text2"].text = "1234";
  ASSERT_TRUE(WriteRecord(game.path(), l, 3, v).empty());
  EXPECT_EQ(game.byteAt(l.offsetOf(3) + 0x1A), 200);
  EXPECT_EQ(game.byteAt(l.offsetOf(3) + 0x02), 0xD2);
  EXPECT_EQ(game.byteAt(l.offsetOf(3) + 0x03), 0x04);
}

TEST(AmmoMaterialEditor, SignedChangesShowAndStoreTheGamesWay) {
  const RecordLayout& l = AmmoMaterialLayout();
  GameFileCopy game(SampleSharedBin(), l);
  EXPECT_EQ(ShowRecord(game.path(), l, notable::kAmmoAttackMinus10)["Text2"].text, "-10");
  EXPECT_EQ(ShowRecord(game.path(), l, notable::kAmmoAttack60000)["Text2"].text, "60000");
  EXPECT_EQ(ShowRecord(game.path(), l, notable::kAmmoAttack60001)["Text2"].text, "-5535");

  FormValues v = ShowRecord(game.path(), l, 0);
  v["Text2"].text = "-10";
  v["Text3"].text = "-1";
  v["Text7"].text = "-156";
  ASSERT_TRUE(WriteRecord(game.path(), l, 0, v).empty());
  const std::string record = game.read(l.offsetOf(0), l.recordSize);
  EXPECT_EQ(record.substr(0x02, 3), Bytes({0xF6, 0xFF, 0xFF}));
  EXPECT_EQ(record[0x0A], '\x64');
  // After the write the boxes hold the stored numbers, as the game keeps them.
  EXPECT_EQ(v["Text2"].text, "65526");
  EXPECT_EQ(v["Text3"].text, "255");
  // ... which show as the same changes when the record is read again.
  FormValues again = ShowRecord(game.path(), l, 0);
  EXPECT_EQ(again["Text2"].text, "-10");
  EXPECT_EQ(again["Text7"].text, "-156");  // stored as 100, above the line of the 99 rule
}

TEST(AmmoMaterialEditor, PropertyOptionWritesOnlyWhenOneIsChosen) {
  const RecordLayout& l = AmmoMaterialLayout();
  GameFileCopy game(SampleSharedBin(), l);
  const std::uint32_t n = notable::kAmmoProperty2;
  FormValues v = ShowRecord(game.path(), l, n);
  EXPECT_EQ(v["Option1"].selection, -1);
  v["Text4"].text = "7";
  ASSERT_TRUE(WriteRecord(game.path(), l, n, v).empty());
  EXPECT_EQ(game.byteAt(l.offsetOf(n) + 0x10), 2);
  EXPECT_EQ(game.byteAt(l.offsetOf(n) + 0x06), 7);

  const int expected[] = {1, 4, 6};
  for (int k = 0; k < 3; ++k) {
    v["Option1"].selection = k;
    ASSERT_TRUE(WriteRecord(game.path(), l, n, v).empty());
    EXPECT_EQ(game.byteAt(l.offsetOf(n) + 0x10), expected[k]);
    EXPECT_EQ(ShowRecord(game.path(), l, n)["Option1"].selection, k);
  }
}

TEST(AceBonusEditor, UnusedRecordAndValuesBeyondTheLists) {
  const RecordLayout& l = AceBonusLayout();
  GameFileCopy game(SampleSharedBin(), l);
  FormValues unused = ShowRecord(game.path(), l, notable::kAceUnused);
  for (const Field& f : l.fields) {
    if (f.codec.shown == Shown::List)
      EXPECT_EQ(unused[f.control].selection, 0) << f.control;
    else
      EXPECT_EQ(unused[f.control].text, "0") << f.control;
  }
  FormValues beyond = ShowRecord(game.path(), l, notable::kAceBeyondLists);
  EXPECT_EQ(beyond["Combo3"].extra, 50u);
  EXPECT_EQ(beyond["Combo3"].selection, static_cast<int>(SpiritCommandNames().size()));
  EXPECT_EQ(beyond["Combo2"].extra, 5u);
  EXPECT_EQ(beyond["Text18"].text, "30");
  beyond["Text1"].text = "25";
  ASSERT_TRUE(WriteRecord(game.path(), l, notable::kAceBeyondLists, beyond).empty());
  EXPECT_EQ(game.changedOffsets(),
            std::vector<std::size_t>{static_cast<std::size_t>(l.offsetOf(notable::kAceBeyondLists) + 4)});
}

TEST(AceBonusEditor, SpiritCommandIsStoredAsItsIndex) {
  const RecordLayout& l = AceBonusLayout();
  const auto& spirits = SpiritCommandNames();
  const auto soul =
      std::find_if(spirits.begin(), spirits.end(), [](const wchar_t* s) { return s == std::wstring(L"魂"); });
  ASSERT_NE(soul, spirits.end());
  GameFileCopy game(SampleSharedBin(), l);
  FormValues v = ShowRecord(game.path(), l, 12);
  v["Combo3"].selection = static_cast<int>(soul - spirits.begin());
  ASSERT_TRUE(WriteRecord(game.path(), l, 12, v).empty());
  EXPECT_EQ(game.byteAt(l.offsetOf(12) + 0x14), 0x25);
}

}  // namespace
}  // namespace vdk::editors::testing
