// vdktool driven in-process over every table, on the sample game files and
// on files of random bytes, and the change journal it and the editor write.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "editor/editors/core/journal.h"
#include "editor/editors/layouts/weapon_layout.h"
#include "tests/shell/temp_dir.h"
#include "tools/samples/sample_files.h"
#include "tools/vdktool/commands.h"
#include "tools/vdktool/csv.h"
#include "tools/vdktool/tables.h"

namespace vdk::tool {
namespace {

namespace fs = std::filesystem;
using Bytes = std::string;

struct Result {
  int code;
  std::string out, err;
};

// Two game files in a scratch folder: the samples, or random bytes.
class Game {
public:
  explicit Game(std::optional<unsigned> seed = std::nullopt) {
    samples::SampleFiles files = samples::MakeSampleFiles();
    if (seed) {
      std::mt19937 rng(*seed);
      for (auto* f : {&files.sharedBin, &files.exe})
        for (auto& b : *f) b = static_cast<std::uint8_t>(rng());
    }
    shared_ = dir_.write(samples::kSharedBinName, {files.sharedBin.begin(), files.sharedBin.end()});
    exe_ = dir_.write(samples::kExeName, {files.exe.begin(), files.exe.end()});
  }
  fs::path file(const Table& t) const { return t.file == GameFileKind::SharedBin ? shared_ : exe_; }
  fs::path at(const std::string& name) const { return dir_.path() / name; }
  Result run(std::vector<std::string> args) const {
    std::ostringstream out, err;
    int code = Run(args, out, err, VDK_DATA_FOLDER);
    return {code, out.str(), err.str()};
  }
  Result run(const std::string& command, const Table& t, std::vector<std::string> more = {}) const {
    std::vector<std::string> args{command, t.id, file(t).string()};
    args.insert(args.end(), more.begin(), more.end());
    return run(args);
  }
  static Bytes read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    Bytes bytes(fs::exists(p) ? static_cast<std::size_t>(fs::file_size(p)) : 0, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
  }
  fs::path write(const std::string& name, const std::string& text) const { return dir_.write(name, text); }

private:
  testing::TempDir dir_;
  fs::path shared_, exe_;
};

std::string Names(const ::testing::TestParamInfo<const Table*>& info) {
  return info.param->id;
}

std::vector<const Table*> AllTables() {
  std::vector<const Table*> all;
  for (const Table& t : Tables()) all.push_back(&t);
  return all;
}

class EveryTable : public ::testing::TestWithParam<const Table*> {
protected:
  const Table& table() const { return *GetParam(); }
};

// Dump then load, as CSV and as JSON, on the samples and on random bytes:
// nothing is written and no journal appears.
TEST_P(EveryTable, DumpThenLoadChangesNothing) {
  for (std::optional<unsigned> seed : {std::optional<unsigned>{}, std::optional<unsigned>{7u}}) {
    Game game(seed);
    const Bytes before = Game::read(game.file(table()));
    for (const char* format : {"csv", "json"}) {
      const fs::path dump = game.at(std::string("dump.") + format);
      Result d = game.run("dump", table(), {"--format", format, "-o", dump.string()});
      ASSERT_EQ(d.code, kDone) << d.err;
      Result l = game.run("load", table(), {dump.string()});
      ASSERT_EQ(l.code, kDone) << format << ": " << l.err;
      EXPECT_EQ(Game::read(game.file(table())), before) << format;
      EXPECT_FALSE(fs::exists(journal::JournalPathFor(game.file(table())))) << format;
    }
  }
}

// Every field in turn gets another valid value through `set`: the file then
// differs from before in that field's bits only, and by exactly the value.
TEST_P(EveryTable, SettingOneFieldChangesOnlyItsBits) {
  Game game(3u);
  Catalogue catalogue(VDK_DATA_FOLDER);
  const std::vector<Column> columns = Columns(table(), catalogue);
  const editors::RecordLayout& layout = *table().layout;
  const std::uint32_t record = layout.recordCount / 2;
  const std::size_t at = layout.offsetOf(record);
  for (const Column& column : columns) {
    const editors::Field& f = *column.field;
    const Bytes before = Game::read(game.file(table()));
    std::vector<std::uint8_t> bytes(before.begin() + static_cast<std::ptrdiff_t>(at),
                                    before.begin() + static_cast<std::ptrdiff_t>(at + layout.recordSize));
    const std::uint32_t mask = f.bitCount() >= 32 ? 0xFFFFFFFFu : (1u << f.bitCount()) - 1;
    // Another stored value the field accepts, shown as the dump shows it.
    std::string cell;
    std::uint32_t wanted = 0;
    for (std::uint32_t step = 1; step < 4096 && cell.empty(); ++step) {
      std::uint32_t v = editors::FieldValue(f, bytes);
      if (f.codec.shown == editors::Shown::Options)
        v = f.codec.options[step % f.codec.options.size()];
      else if (f.codec.shown == editors::Shown::List)
        v = step - 1;  // the first items
      else
        v = (v + step) & mask;
      if (v == editors::FieldValue(f, bytes)) continue;
      std::vector<std::uint8_t> probe = bytes;
      std::uint64_t word = 0;
      for (int i = f.width - 1; i >= 0; --i) word = word << 8 | probe[static_cast<std::size_t>(f.offset + i)];
      word = (word & ~(std::uint64_t{mask} << f.shift)) | (std::uint64_t{v} << f.shift);
      for (int i = 0; i < f.width; ++i) probe[static_cast<std::size_t>(f.offset + i)] = static_cast<std::uint8_t>(word >> (8 * i));
      editors::FormValues values;
      editors::DecodeRecord(layout, probe, values);
      if (values[f.control].extra) continue;  // not an item of its list
      cell = CellText(column, values);
      wanted = v;
    }
    ASSERT_FALSE(cell.empty()) << column.header;
    Result r = game.run("set", table(), {std::to_string(record), f.control, cell});
    const Bytes after = Game::read(game.file(table()));
    if (!f.written) {
      EXPECT_EQ(r.code, kRefused) << column.header;
      EXPECT_EQ(after, before) << column.header;
      continue;
    }
    ASSERT_EQ(r.code, kDone) << column.header << ": " << r.err;
    std::vector<std::uint8_t> now(after.begin() + static_cast<std::ptrdiff_t>(at),
                                  after.begin() + static_cast<std::ptrdiff_t>(at + layout.recordSize));
    EXPECT_EQ(editors::FieldValue(f, now), wanted) << column.header;
    // The first and the last byte that differ, and the bits within them.
    ASSERT_EQ(after.size(), before.size());
    const std::size_t first = static_cast<std::size_t>(std::mismatch(before.begin(), before.end(), after.begin()).first - before.begin());
    const std::size_t last = before.size() - 1 -
        static_cast<std::size_t>(std::mismatch(before.rbegin(), before.rend(), after.rbegin()).first - before.rbegin());
    ASSERT_LT(first, before.size()) << column.header;
    ASSERT_GE(first, at + static_cast<std::size_t>(f.offset)) << column.header;
    ASSERT_LT(last, at + static_cast<std::size_t>(f.offset + f.width)) << column.header;
    for (std::size_t i = first; i <= last; ++i) {
      const int bitsChanged = static_cast<std::uint8_t>(before[i] ^ after[i]);
      const int fieldBits =
          static_cast<int>((std::uint64_t{mask} << f.shift) >> (8 * (i - at - static_cast<std::size_t>(f.offset))) & 0xFF);
      EXPECT_EQ(bitsChanged & ~fieldBits, 0) << column.header;
    }
  }
}

// Each kind of bad cell, in a dump of the table: refused with its row and
// column named, nothing written, no journal.
TEST_P(EveryTable, BadCellsWriteNothing) {
  Game game;
  const fs::path dump = game.at("dump.csv");
  ASSERT_EQ(game.run("dump", table(), {"-o", dump.string()}).code, kDone);
  CsvError error;
  const std::vector<CsvRow> rows = *ParseCsv(Game::read(dump), error);
  Catalogue catalogue(VDK_DATA_FOLDER);
  const std::vector<Column> columns = Columns(table(), catalogue);
  auto firstOf = [&](auto pred) -> int {
    for (std::size_t c = 0; c < columns.size(); ++c)
      if (columns[c].field->written && pred(*columns[c].field)) return static_cast<int>(c) + 2;
    return -1;
  };
  using editors::Shown;
  const int number = firstOf([](const editors::Field& f) { return f.codec.shown == Shown::Decimal; });
  const int text = firstOf([](const editors::Field& f) {
    return f.codec.shown != Shown::List && f.codec.shown != Shown::Check && f.codec.shown != Shown::Options;
  });
  const int list = firstOf([](const editors::Field& f) { return f.codec.shown == Shown::List; });
  const int check = firstOf([](const editors::Field& f) { return f.codec.shown == Shown::Check; });
  const int options = firstOf([](const editors::Field& f) { return f.codec.shown == Shown::Options; });
  struct Case {
    const char* what;
    int row, column;  // -1: not in this table
    std::string cell;
    const char* expected;  // in the message
  };
  const std::string last = std::to_string(table().layout->recordCount);
  const Case cases[] = {
      {"number out of range", 1, number, "99999999999", ", column "},
      {"not a number", 1, text, "x1", ", column "},
      {"negative where unsigned", 1, number, "-1", ", column "},
      {"no such list item", 1, list, "没有这一项", ", column "},
      {"list value beyond the list", 1, list, "70000", ", column "},
      {"check box not 0 or 1", 1, check, "2", ", column "},
      {"option no button stands for", 1, options, "3", ", column "},
      {"invalid UTF-8", 1, text, "\xC3\x28", "UTF-8"},
      {"wrong header", 0, 2, "攻击力?", "row 1, column 3"},
      {"index beyond the table", 1, 0, last, "row 2, column index"},
      {"index not a number", 1, 0, "one", "row 2, column index"},
      {"duplicate index", 2, 0, "0", "row 3, column index"},
  };
  const Bytes before = Game::read(game.file(table()));
  for (const Case& c : cases) {
    if (c.column < 0 || static_cast<std::size_t>(c.row) >= rows.size()) continue;
    std::vector<CsvRow> bad = rows;
    // The bad cell, and a good change elsewhere that must not be written.
    bad[static_cast<std::size_t>(c.row)][static_cast<std::size_t>(c.column)] = c.cell;
    if (number > 0 && rows.size() > 3) bad[3][static_cast<std::size_t>(number)] = "0";
    std::string csv;
    for (const CsvRow& row : bad) csv += CsvLine(row);
    const fs::path in = game.write("bad.csv", csv);
    Result r = game.run("load", table(), {in.string()});
    EXPECT_EQ(r.code, kRefused) << c.what;
    EXPECT_NE(r.err.find(c.expected), std::string::npos) << c.what << ": " << r.err;
    EXPECT_EQ(Game::read(game.file(table())), before) << c.what;
    EXPECT_FALSE(fs::exists(journal::JournalPathFor(game.file(table())))) << c.what;
  }
  // A row of the wrong length.
  std::string csv = CsvLine(rows[0]) + CsvLine({"0", "x"});
  Result r = game.run("load", table(), {game.write("short.csv", csv).string()});
  EXPECT_EQ(r.code, kRefused);
  EXPECT_NE(r.err.find("row 2:"), std::string::npos) << r.err;
  EXPECT_EQ(Game::read(game.file(table())), before);
}

INSTANTIATE_TEST_SUITE_P(Tables, EveryTable, ::testing::ValuesIn(AllTables()), Names);

const Table& Weapons() {
  return *FindTable("weapon");
}

// Commands and files the tool refuses: a one-line message, exit 2, the
// file as it was.
TEST(VdkTool, RefusesBadInput) {
  Game game;
  const fs::path shared = game.file(Weapons());
  const Bytes before = Game::read(shared);
  const fs::path shortFile = game.write("SHORT.BIN", std::string(1000, '\0'));
  const fs::path badUtf8 = game.write("bad.csv", "index,name\xFF\r\n");
  struct Case {
    std::vector<std::string> args;
    const char* expected;
  } cases[] = {
      {{"dump", "weapons", shared.string()}, "未知的表"},
      {{"get", "weapon", shared.string(), "1", "攻击"}, "没有字段"},
      {{"set", "weapon", shared.string(), "1", "攻击", "5"}, "没有字段"},
      {{"set", "weapon", shared.string(), "1628", "攻击力", "5"}, "记录号"},
      {{"set", "weapon", shared.string(), "1", "攻击力", "65536"}, "攻击力"},
      {{"dump", "weapon", game.at("MISSING.BIN").string()}, "找不到"},
      {{"dump", "weapon", game.at("").string()}, "文件夹"},
      {{"set", "weapon", shortFile.string(), "1", "攻击力", "5"}, "太短"},
      {{"load", "weapon", shared.string(), badUtf8.string()}, "UTF-8"},
      {{"load", "weapon", shared.string(), game.at("none.csv").string()}, "无法读取"},
      {{"undo", shared.string()}, "只有 0 次"},
      {{"dump", "weapon"}, "GAMEFILE"},
      {{"frobnicate"}, "subcommand"},
  };
  for (const Case& c : cases) {
    std::ostringstream out, err;
    int code = tool::Run(c.args, out, err, VDK_DATA_FOLDER);
    EXPECT_EQ(code, kRefused) << c.args[0] << " " << c.expected;
    const std::string message = err.str();
    EXPECT_NE(message.find(c.expected), std::string::npos) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
  }
  EXPECT_EQ(Game::read(shared), before);
  // --help on every command.
  for (const char* command : {"tables", "dump", "load", "get", "set", "diff", "history", "undo", "recover"}) {
    std::ostringstream out, err;
    EXPECT_EQ(tool::Run({command, "--help"}, out, err, VDK_DATA_FOLDER), kDone) << command;
    EXPECT_NE(out.str().find(command), std::string::npos) << command;
  }
}

// Editing one cell of a CSV dump, with the quoting a spreadsheet adds and a
// byte order mark, writes that field only; diff then names it.
TEST(VdkTool, EditedDumpWritesTheChangedCell) {
  Game game;
  const fs::path shared = game.file(Weapons());
  const Bytes original = Game::read(shared);
  const fs::path copy = game.write("B.BIN", original);
  CsvError error;
  ASSERT_EQ(game.run("dump", Weapons(), {"-o", game.at("w.csv").string()}).code, kDone);
  std::vector<CsvRow> rows = *ParseCsv(Game::read(game.at("w.csv")), error);
  const std::size_t attack = std::find(rows[0].begin(), rows[0].end(), "攻击力") - rows[0].begin();
  rows[6][attack] = "1234";
  std::string csv = "\xEF\xBB\xBF";
  for (CsvRow& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) csv += (c ? ",\"" : "\"") + row[c] + "\"";
    csv += "\n";
  }
  Result r = game.run("load", Weapons(), {game.write("edited.csv", csv).string()});
  ASSERT_EQ(r.code, kDone) << r.err;
  const Bytes now = Game::read(shared);
  const std::size_t at = Weapons().layout->offsetOf(5) + 8;
  Bytes expected = original;
  expected[at] = static_cast<char>(1234 & 0xFF);
  expected[at + 1] = static_cast<char>(1234 >> 8);
  EXPECT_EQ(now, expected);
  Result d = game.run({"diff", "weapon", copy.string(), shared.string()});
  EXPECT_EQ(d.code, kDifferent);
  EXPECT_NE(d.out.find("weapon 5 "), std::string::npos) << d.out;
  EXPECT_NE(d.out.find("攻击力: "), std::string::npos) << d.out;
  EXPECT_NE(d.out.find(" -> 1234\n"), std::string::npos) << d.out;
  EXPECT_EQ(std::count(d.out.begin(), d.out.end(), '\n'), 1) << d.out;
  EXPECT_EQ(game.run({"diff", "weapon", shared.string(), shared.string()}).code, kDone);
}

TEST(Csv, QuotingRoundTrips) {
  const std::vector<std::string> fields = {"", "plain", "a,b", "say \"hi\"", "two\r\nlines", "lf\nonly",
                                           " padded ", "武器,\"名\"", "\"", ","};
  const std::string line = CsvLine(fields) + CsvLine({"x"});
  CsvError error;
  std::optional<std::vector<CsvRow>> rows = ParseCsv(line, error);
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 2u);
  EXPECT_EQ((*rows)[0], fields);
  rows = ParseCsv("\xEF\xBB\xBF" "a,b\nc,d", error);
  ASSERT_TRUE(rows);
  EXPECT_EQ(*rows, (std::vector<CsvRow>{{"a", "b"}, {"c", "d"}}));
  for (const char* bad : {"\"open", "a\"b", "\"x\"y"}) EXPECT_FALSE(ParseCsv(bad, error)) << bad;
}

// Undo restores the bytes exactly, write by write, and refuses after an
// outside change; history lists tool and editor writes alike.
TEST(Journal, UndoRestoresAndRefusesAfterOutsideChange) {
  Game game;
  const fs::path shared = game.file(Weapons());
  const Bytes original = Game::read(shared);
  ASSERT_EQ(game.run("set", Weapons(), {"3", "攻击力", "4321"}).code, kDone);
  const Bytes afterFirst = Game::read(shared);
  // A write through the editor's path.
  journal::SetNote("vdkedit");
  editors::FormValues values = editors::ShowRecord(shared, Weapons().layout[0], 4);
  values["Text5"].text = "-5";
  ASSERT_TRUE(editors::WriteRecord(shared, *Weapons().layout, 4, values).empty());
  const Bytes afterSecond = Game::read(shared);
  ASSERT_NE(afterSecond, afterFirst);

  Result h = game.run({"history", shared.string()});
  ASSERT_EQ(h.code, kDone) << h.err;
  EXPECT_NE(h.out.find("#1 "), std::string::npos) << h.out;
  EXPECT_NE(h.out.find("vdktool set weapon"), std::string::npos) << h.out;
  EXPECT_NE(h.out.find("#2 "), std::string::npos) << h.out;
  EXPECT_NE(h.out.find("vdkedit"), std::string::npos) << h.out;
  EXPECT_NE(h.out.find("weapon 4 +0x0A: "), std::string::npos) << h.out;

  ASSERT_EQ(game.run({"undo", shared.string()}).code, kDone);
  EXPECT_EQ(Game::read(shared), afterFirst);
  // Every entry counts as applied with the later ones rolled back.
  h = game.run({"history", shared.string()});
  EXPECT_EQ(h.out.find("interrupted"), std::string::npos) << h.out;
  EXPECT_NE(h.out.find("applied, undone by #3)"), std::string::npos) << h.out;
  EXPECT_NE(h.out.find("undo #2"), std::string::npos) << h.out;
  // An outside change to the first write's bytes: refused, nothing changes.
  Bytes outside = afterFirst;
  const std::size_t at = Weapons().layout->offsetOf(3) + 8;
  outside[at] ^= 0x40;
  game.write(samples::kSharedBinName, outside);
  Result refused = game.run({"undo", shared.string()});
  EXPECT_EQ(refused.code, kRefused);
  EXPECT_NE(refused.err.find("0x"), std::string::npos) << refused.err;
  EXPECT_EQ(Game::read(shared), outside);
  // Put back, the undo goes through to the original bytes.
  game.write(samples::kSharedBinName, afterFirst);
  ASSERT_EQ(game.run({"undo", shared.string()}).code, kDone);
  EXPECT_EQ(Game::read(shared), original);
  EXPECT_EQ(game.run({"undo", shared.string()}).code, kRefused);  // nothing left
}

// A write cut short after its journal entry: bytes half old, half new. Undo
// brings back the old bytes; recover finishes it instead.
TEST(Journal, InterruptedWriteIsUndoneOrFinished) {
  for (bool finish : {false, true}) {
    Game game;
    const fs::path shared = game.file(Weapons());
    const Bytes original = Game::read(shared);
    ASSERT_EQ(game.run("set", Weapons(), {"9", "地形适应,改造等(16)", "01234567"}).code, kDone);
    const Bytes written = Game::read(shared);
    Bytes torn = written;
    const std::size_t at = Weapons().layout->offsetOf(9);
    torn[at + 2] = original[at + 2];
    torn[at + 3] = original[at + 3];
    ASSERT_NE(torn, written);
    game.write(samples::kSharedBinName, torn);
    Result h = game.run({"history", shared.string()});
    EXPECT_NE(h.out.find("partly applied"), std::string::npos) << h.out;
    Result r = game.run({finish ? "recover" : "undo", shared.string()});
    ASSERT_EQ(r.code, kDone) << r.err;
    EXPECT_EQ(Game::read(shared), finish ? written : original);
  }
}

// A damaged journal, one of another file and one that cannot be written
// stop every write; the game file stays as it was.
TEST(Journal, BadJournalsRefuseWrites) {
  struct Case {
    const char* what;
    void (*spoil)(const Game&, const fs::path& journal);
    const char* expected;
  } cases[] = {
      {"flipped byte",
       [](const Game&, const fs::path& j) {
         Bytes b = Game::read(j);
         b[b.size() - 9] ^= 1;
         std::ofstream(j, std::ios::binary) << b;
       },
       "损坏"},
      {"not a journal", [](const Game&, const fs::path& j) { std::ofstream(j, std::ios::binary) << "hello"; }, "损坏"},
      {"another file's",
       [](const Game& g, const fs::path& j) {
         samples::SampleFiles f = samples::MakeSampleFiles();
         const fs::path other = g.write("OTHER.BIN", {f.sharedBin.begin(), f.sharedBin.end()});
         editors::FormValues v = editors::ShowRecord(other, *Weapons().layout, 1);
         v["Text4"].text = "7";
         ASSERT_TRUE(editors::WriteRecord(other, *Weapons().layout, 1, v).empty());
         fs::copy_file(journal::JournalPathFor(other), j, fs::copy_options::overwrite_existing);
       },
       "另一个文件"},
      {"cannot be written",
       [](const Game&, const fs::path& j) {
         fs::remove(j);
         fs::create_directories(j / "x");
       },
       "变更日志"},
  };
  for (const Case& c : cases) {
    Game game;
    const fs::path shared = game.file(Weapons());
    ASSERT_EQ(game.run("set", Weapons(), {"2", "攻击力", "100"}).code, kDone);
    const fs::path j = journal::JournalPathFor(shared);
    c.spoil(game, j);
    const Bytes before = Game::read(shared);
    Result set = game.run("set", Weapons(), {"2", "攻击力", "200"});
    EXPECT_EQ(set.code, kRefused) << c.what;
    EXPECT_NE(set.err.find(c.expected), std::string::npos) << c.what << ": " << set.err;
    editors::FormValues v = editors::ShowRecord(shared, *Weapons().layout, 2);
    v["Text4"].text = "300";
    EXPECT_THROW(editors::WriteRecord(shared, *Weapons().layout, 2, v), journal::JournalError) << c.what;
    EXPECT_EQ(game.run({"undo", shared.string()}).code, kRefused) << c.what;
    EXPECT_EQ(Game::read(shared), before) << c.what;
  }
}

// An append cut short leaves a tail that is ignored and then replaced.
TEST(Journal, TornTailIsIgnoredAndReplaced) {
  Game game;
  const fs::path shared = game.file(Weapons());
  ASSERT_EQ(game.run("set", Weapons(), {"2", "攻击力", "100"}).code, kDone);
  const fs::path j = journal::JournalPathFor(shared);
  std::ofstream(j, std::ios::binary | std::ios::app) << std::string("\x40\x00\x00\x00\x01\x02", 6);
  EXPECT_TRUE(journal::Read(shared).tornTail);
  ASSERT_EQ(game.run("set", Weapons(), {"2", "攻击力", "200"}).code, kDone);
  journal::Contents c = journal::Read(shared);
  EXPECT_FALSE(c.tornTail);
  ASSERT_EQ(c.entries.size(), 2u);
  EXPECT_EQ(c.entries[1].sequence, 2u);
}

}  // namespace
}  // namespace vdk::tool
