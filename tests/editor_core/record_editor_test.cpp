#include "editor/editors/core/record_editor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "editor/game_file.h"
#include "tests/shell/temp_dir.h"

namespace vdk::editors {
namespace {

using testing::TempDir;

// A small table that uses every way of showing a field: a packed word with
// its hex text and bit fields, lists with and without specials, signed
// bytes, check boxes, options and a field that is shown only.
RecordLayout SampleLayout() {
  RecordLayout l;
  l.tableOffset = 6;
  l.recordSize = 20;
  l.recordCount = 3;
  auto add = [&](std::string control, int offset, int width, Codec codec, int shift = 0, int bits = 0) {
    Field f;
    f.control = std::move(control);
    f.label = std::wstring(f.control.begin(), f.control.end());
    f.offset = offset;
    f.width = width;
    f.codec = std::move(codec);
    f.shift = shift;
    f.bits = bits;
    l.fields.push_back(std::move(f));
    return &l.fields.back();
  };
  add("Word", 0, 4, HexCodec());
  add("Kind", 0, 4, ListCodec(8), 0, 3);
  add("Order", 0, 4, OctalCodec(3), 3, 9);
  add("Rank", 0, 4, ListCodec(6), 12, 3);
  add("Flag", 0, 4, CheckCodec(), 15, 1);
  add("Unknown", 0, 4, BinaryCodec(2), 19, 2);
  add("Attack", 4, 2, DecimalCodec());
  add("Hit", 6, 1, SignedCodec(99));
  add("Weapon", 7, 2, ListCodec(10, {{0xFFFF, 9}}));
  add("Skill", 9, 1, ListCodec(5, {{0xFF, 4}}));
  for (Field& f : CheckBoxByte("Check1", 10, {L"b0", L"b1", L"b2", L"b3", L"b4", L"b5", L"b6", L"b7"}))
    l.fields.push_back(std::move(f));
  add("Option1", 11, 1, OptionsCodec({1, 4, 6}));
  add("Code", 12, 2, HexCodec());
  add("HP", 14, 4, DecimalCodec());
  add("Number", 18, 2, HexCodec())->written = false;
  return l;
}

std::string RandomBytes(std::size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  std::string s(n, '\0');
  for (char& c : s) c = static_cast<char>(rng() & 0xFF);
  return s;
}

struct TableFile {
  TempDir dir;
  std::filesystem::path path;
  std::string original;
  explicit TableFile(std::string bytes) : path(dir.write("SHARED.BIN", bytes)), original(std::move(bytes)) {}
  std::string now() const { return TempDir::read(path); }
  // Record bytes as they are in the file now.
  std::string record(const RecordLayout& l, std::uint32_t n) const {
    return now().substr(static_cast<std::size_t>(l.offsetOf(n)), l.recordSize);
  }
};

std::string RecordWith(std::initializer_list<std::pair<int, std::uint8_t>> bytes) {
  std::string r(20, '\0');
  for (auto [at, b] : bytes) r[static_cast<std::size_t>(at)] = static_cast<char>(b);
  return r;
}

TableFile FileWithRecord1(const std::string& record) {
  std::string bytes(6 + 3 * 20 + 5, '\x5A');
  bytes.replace(6 + 20, 20, record);
  return TableFile(bytes);
}

TEST(RecordEditor, UnchangedWriteLeavesRandomFilesByteIdentical) {
  const RecordLayout l = SampleLayout();
  for (unsigned seed = 1; seed <= 200; ++seed) {
    TableFile f(RandomBytes(6 + 3 * 20 + 3, seed));
    for (std::uint32_t n = 0; n < l.recordCount; ++n) {
      FormValues v = ShowRecord(f.path, l, n);
      ASSERT_TRUE(WriteRecord(f.path, l, n, v).empty()) << "seed " << seed;
    }
    ASSERT_EQ(f.now(), f.original) << "seed " << seed;
  }
}

TEST(RecordEditor, ShowsEachKindOfFieldAsStored) {
  // Word 0x8001F249 little-endian: kind 1, order 0o111, rank 7 (no item),
  // flag 1, unknown 0b11, bit 31 shown only in the hex text.
  const std::uint32_t word = 0x8001F249 | (3u << 19);
  TableFile f = FileWithRecord1(RecordWith({{0, word & 0xFF},
                                            {1, (word >> 8) & 0xFF},
                                            {2, (word >> 16) & 0xFF},
                                            {3, word >> 24},
                                            {4, 0xDC},
                                            {5, 0x05},
                                            {6, 100},
                                            {7, 0xFF},
                                            {8, 0xFF},
                                            {9, 0xFF},
                                            {10, 0x81},
                                            {11, 4},
                                            {12, 0xAB},
                                            {13, 0x01},
                                            {14, 0xFF},
                                            {15, 0xFF},
                                            {16, 0xFF},
                                            {17, 0xFF}}));
  FormValues v = ShowRecord(f.path, SampleLayout(), 1);
  EXPECT_EQ(v["Word"].text, "49F21980");
  EXPECT_EQ(v["Kind"].selection, 1);
  EXPECT_EQ(v["Order"].text, "111");
  EXPECT_EQ(v["Rank"].selection, 6);  // the extra item after the six
  EXPECT_EQ(v["Rank"].extra, 7u);
  EXPECT_TRUE(v["Flag"].checked);
  EXPECT_EQ(v["Unknown"].text, "11");
  EXPECT_EQ(v["Attack"].text, "1500");
  EXPECT_EQ(v["Hit"].text, "-156");
  EXPECT_EQ(v["Weapon"].selection, 9);
  EXPECT_FALSE(v["Weapon"].extra);
  EXPECT_EQ(v["Skill"].selection, 4);
  EXPECT_TRUE(v["Check1(0)"].checked);  // bit 7
  EXPECT_TRUE(v["Check1(7)"].checked);  // bit 0
  EXPECT_FALSE(v["Check1(3)"].checked);
  EXPECT_EQ(v["Check1(0)"].text, "");
  EXPECT_EQ(v["Option1"].selection, 1);
  EXPECT_EQ(v["Code"].text, "AB01");
  EXPECT_EQ(v["HP"].text, "4294967295");
}

TEST(RecordEditor, ChangingOneFieldWritesOnlyItsBits) {
  const RecordLayout l = SampleLayout();
  TableFile f(RandomBytes(6 + 3 * 20, 7));
  auto changed = [&](const char* control, auto edit) {
    FormValues v = ShowRecord(f.path, l, 2);
    const std::string before = f.record(l, 2);
    edit(v[control]);
    EXPECT_TRUE(WriteRecord(f.path, l, 2, v).empty()) << control;
    const std::string after = f.record(l, 2);
    std::string diff;
    for (std::size_t i = 0; i < before.size(); ++i)
      if (before[i] != after[i]) diff += std::to_string(i) + " ";
    return std::make_pair(diff, after);
  };
  auto [d1, r1] = changed("Rank", [](ControlValue& c) { c.selection = c.selection == 2 ? 3 : 2; });
  EXPECT_EQ(d1, "1 ");  // bits 12-14 live in byte 1
  auto [d2, r2] = changed("Hit", [](ControlValue& c) { c.text = "-1"; });
  EXPECT_EQ(static_cast<std::uint8_t>(r2[6]), 0xFF);
  auto [d3, r3] = changed("Check1(2)", [](ControlValue& c) { c.checked = !c.checked; });
  EXPECT_EQ(d3, "10 ");
  auto [d4, r4] = changed("Attack", [](ControlValue& c) { c.text = "300"; });
  EXPECT_EQ(r4.substr(4, 2), std::string("\x2C\x01", 2));
  // The file outside the record is untouched throughout.
  EXPECT_EQ(f.now().substr(0, 6 + 2 * 20), f.original.substr(0, 6 + 2 * 20));
}

TEST(RecordEditor, PackedWordKeepsUnshownBitsAndIsShownRecomposed) {
  const RecordLayout l = SampleLayout();
  TableFile f = FileWithRecord1(RecordWith({{0, 0x49}, {1, 0xF2}, {2, 0xE1}, {3, 0xC0}}));
  FormValues v = ShowRecord(f.path, l, 1);
  v["Kind"].selection = 7;
  v["Order"].text = "5";  // one digit packs as 005
  v["Unknown"].text = "01";
  ASSERT_TRUE(WriteRecord(f.path, l, 1, v).empty());
  // 0xC0E1F249 -> kind 7, order 5, unknown 01: bits 21-31 as they were.
  const std::uint32_t expected =
      (0xC0E1F249u & ~0x7u & ~(0x1FFu << 3) & ~(3u << 19)) | 7u | (5u << 3) | (1u << 19);
  std::string r = f.record(l, 1);
  std::uint32_t got = static_cast<std::uint8_t>(r[0]) | static_cast<std::uint8_t>(r[1]) << 8 |
                      static_cast<std::uint8_t>(r[2]) << 16 |
                      static_cast<std::uint32_t>(static_cast<std::uint8_t>(r[3])) << 24;
  EXPECT_EQ(got, expected);
  EXPECT_EQ(v["Word"].text, ShowRecord(f.path, l, 1)["Word"].text);
  EXPECT_EQ(v["Order"].text, "005");
}

TEST(RecordEditor, ListSpecialsAndExtraItemsRoundTrip) {
  const RecordLayout l = SampleLayout();
  // Weapon 9 is the item that stands for 0xFFFF: a stored 9 has no item of
  // its own and must not turn into 0xFFFF. Skill 200 is beyond the list.
  TableFile f = FileWithRecord1(RecordWith({{7, 9}, {8, 0}, {9, 200}}));
  FormValues v = ShowRecord(f.path, l, 1);
  EXPECT_EQ(v["Weapon"].selection, 10);
  EXPECT_EQ(v["Weapon"].extra, 9u);
  EXPECT_EQ(v["Skill"].selection, 5);
  EXPECT_EQ(v["Skill"].extra, 200u);
  ASSERT_TRUE(WriteRecord(f.path, l, 1, v).empty());
  EXPECT_EQ(f.now(), f.original);

  v["Weapon"].selection = 9;  // the last item: empty slot
  v["Skill"].selection = 4;   // the special item
  ASSERT_TRUE(WriteRecord(f.path, l, 1, v).empty());
  EXPECT_EQ(f.record(l, 1).substr(7, 3), "\xFF\xFF\xFF");
  v["Weapon"].selection = 3;
  v["Skill"].selection = 0;
  ASSERT_TRUE(WriteRecord(f.path, l, 1, v).empty());
  EXPECT_EQ(f.record(l, 1).substr(7, 3), std::string("\x03\x00\x00", 3));
}

TEST(RecordEditor, NoSelectionLeavesTheFieldAsStored) {
  const RecordLayout l = SampleLayout();
  TableFile f = FileWithRecord1(RecordWith({{0, 0x05}, {9, 3}, {11, 2}}));
  FormValues v = ShowRecord(f.path, l, 1);
  EXPECT_EQ(v["Option1"].selection, -1);  // 2 is none of 1, 4, 6
  v["Kind"].selection = -1;
  v["Skill"].selection = -1;
  ASSERT_TRUE(WriteRecord(f.path, l, 1, v).empty());
  EXPECT_EQ(f.now(), f.original);
  v["Option1"].selection = 2;
  ASSERT_TRUE(WriteRecord(f.path, l, 1, v).empty());
  EXPECT_EQ(f.record(l, 1)[11], 6);
}

TEST(RecordEditor, InvalidEntriesWriteNothingAndNameTheField) {
  const RecordLayout l = SampleLayout();
  struct Case {
    const char* control;
    const char* text;
  };
  const Case cases[] = {
      {"Attack", "65536"},  {"Attack", "12a"}, {"Attack", ""},    {"Attack", "-1"},
      {"HP", "4294967296"}, {"Hit", "-157"},   {"Hit", "256"},    {"Hit", "1.5"},
      {"Code", "AB0"},      {"Code", "AB0G"},  {"Code", "AB012"}, {"Word", "1234567"},
      {"Order", "8"},       {"Order", "1234"}, {"Unknown", "2"},  {"Unknown", "100"},
  };
  for (const Case& c : cases) {
    TableFile f(RandomBytes(6 + 3 * 20, 11));
    FormValues v = ShowRecord(f.path, l, 0);
    v["Attack"].text = "1";  // a valid change that must not reach the file either
    v[c.control].text = c.text;
    std::vector<FieldError> errors = WriteRecord(f.path, l, 0, v);
    ASSERT_EQ(errors.size(), 1u) << c.control << " " << c.text;
    EXPECT_EQ(errors[0].control, c.control);
    EXPECT_NE(errors[0].message.find(L"“" + std::wstring(c.control, c.control + strlen(c.control)) + L"”"),
              std::wstring::npos);
    EXPECT_EQ(f.now(), f.original) << c.control << " " << c.text;
  }
}

TEST(RecordEditor, AcceptedEntriesAreShownAsStoredAfterTheWrite) {
  const RecordLayout l = SampleLayout();
  TableFile f(RandomBytes(6 + 3 * 20, 3));
  FormValues v = ShowRecord(f.path, l, 0);
  v["Hit"].text = " -1 ";
  v["Code"].text = "ab01";
  v["Attack"].text = "0065535";
  v["HP"].text = "4294967295";
  ASSERT_TRUE(WriteRecord(f.path, l, 0, v).empty());
  EXPECT_EQ(v["Hit"].text, "255");
  EXPECT_EQ(v["Code"].text, "AB01");
  EXPECT_EQ(v["Attack"].text, "65535");
  EXPECT_EQ(f.record(l, 0).substr(12, 6), "\xAB\x01\xFF\xFF\xFF\xFF");
  EXPECT_EQ(ShowRecord(f.path, l, 0)["Hit"].text, "-1");
}

TEST(RecordEditor, ShownOnlyFieldIsNeverWritten) {
  const RecordLayout l = SampleLayout();
  TableFile f(RandomBytes(6 + 3 * 20, 5));
  FormValues v = ShowRecord(f.path, l, 0);
  v["Number"].text = "not hex at all";
  ASSERT_TRUE(WriteRecord(f.path, l, 0, v).empty());
  EXPECT_EQ(f.now(), f.original);
}

TEST(RecordEditor, SeveralRecordsAreCheckedTogetherBeforeAnyIsWritten) {
  RecordLayout a = SampleLayout();
  RecordLayout b;
  b.tableOffset = 0;
  b.recordSize = 3;
  b.recordCount = 2;
  Field row;
  row.control = "Row(0)";
  row.codec = DecimalCodec();
  b.fields.push_back(row);
  TableFile f(RandomBytes(6 + 3 * 20, 9));
  const RecordRef refs[] = {{&a, 1}, {&b, 1}};
  FormValues v = ShowRecords(f.path, refs);
  v["Attack"].text = "7";
  v["Row(0)"].text = "256";
  std::vector<FieldError> errors = WriteRecords(f.path, refs, v);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].control, "Row(0)");
  EXPECT_EQ(f.now(), f.original);
  v["Row(0)"].text = "9";
  ASSERT_TRUE(WriteRecords(f.path, refs, v).empty());
  EXPECT_EQ(f.now()[3], 9);
  EXPECT_EQ(f.record(a, 1).substr(4, 2), std::string("\x07\x00", 2));
}

TEST(RecordEditor, MissingOrShortFileIsReportedAndLeftAlone) {
  const RecordLayout l = SampleLayout();
  TempDir dir;
  EXPECT_THROW(ShowRecord(dir.path() / "SHARED.BIN", l, 0), GameFileError);
  // Record 2 ends at byte 66; a 65-byte file holds records 0 and 1 only.
  const auto p = dir.write("SHARED.BIN", std::string(65, '\x01'));
  EXPECT_NO_THROW(ShowRecord(p, l, 1));
  FormValues v = ShowRecord(p, l, 1);
  EXPECT_THROW(ShowRecord(p, l, 2), GameFileError);
  EXPECT_THROW(WriteRecord(p, l, 2, v), GameFileError);
  EXPECT_EQ(TempDir::read(p), std::string(65, '\x01'));
  EXPECT_THROW(ShowRecord(p, l, 3), std::out_of_range);
}

TEST(RecordEditor, MessagesAndExtraItemTexts) {
  EXPECT_EQ(ExtraItemText(255), L"未列出的值 255 (0xFF)");
  EXPECT_EQ(ExtraItemText(3559), L"未列出的值 3559 (0xDE7)");
  EXPECT_EQ(JoinMessages({{"a", L"one"}, {"b", L"two"}}), L"one\r\ntwo");
  EXPECT_EQ(Element("Combo1", 4), "Combo1(4)");
}

}  // namespace
}  // namespace vdk::editors
