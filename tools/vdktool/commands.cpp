#include "tools/vdktool/commands.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "editor/editors/core/journal.h"
#include "editor/game_file.h"
#include "editor/text_codec.h"
#include "tools/vdktool/csv.h"
#include "tools/vdktool/tables.h"

namespace vdk::tool {

using editors::FormValues;
using json = nlohmann::ordered_json;

namespace {

// A refusal: one line for the user, exit code 2.
struct Refused : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string Utf8Path(const std::filesystem::path& p) {
  return DisplayName(p);
}

std::string Hex(std::uint64_t v, int digits = 1) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%0*llX", digits, static_cast<unsigned long long>(v));
  return text;
}

// The table's bytes of a game file, read only.
std::vector<std::uint8_t> ReadTableBytes(const std::filesystem::path& file, const editors::RecordLayout& layout) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) throw Refused("找不到游戏文件：" + Utf8Path(file));
  if (std::filesystem::is_directory(file, ec)) throw Refused("游戏文件是一个文件夹：" + Utf8Path(file));
  std::ifstream in(file, std::ios::binary);
  if (!in) throw Refused("无法读取游戏文件：" + Utf8Path(file));
  in.seekg(0, std::ios::end);
  const auto size = static_cast<std::uint64_t>(in.tellg());
  const std::uint64_t end = layout.offsetOf(layout.recordCount);
  if (!in || size < end)
    throw Refused("文件 " + Utf8Path(file) + " 太短：只有 " + std::to_string(size) + " 字节，至少需要 " +
                  std::to_string(end) + " 字节。");
  std::vector<std::uint8_t> bytes(end - layout.tableOffset);
  in.seekg(static_cast<std::streamoff>(layout.tableOffset));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!in) throw Refused("无法读取游戏文件：" + Utf8Path(file));
  return bytes;
}

std::span<const std::uint8_t> RecordBytes(const std::vector<std::uint8_t>& table,
                                          const editors::RecordLayout& layout, std::uint32_t record) {
  return std::span<const std::uint8_t>(table).subspan(static_cast<std::size_t>(record) * layout.recordSize,
                                                      layout.recordSize);
}

const Table& TableOf(const std::string& id) {
  const Table* t = FindTable(id);
  if (!t) {
    std::string known;
    for (const Table& each : Tables()) known += (known.empty() ? "" : ", ") + each.id;
    throw Refused("未知的表“" + id + "”；可用的表：" + known);
  }
  return *t;
}

// What every command over a table needs: its columns and its record names.
struct View {
  const Table& table;
  std::vector<Column> columns;
  const std::vector<std::string>* names = nullptr;

  View(const Table& t, Catalogue& catalogue) : table(t), columns(Columns(t, catalogue)) {
    if (t.recordNames) names = &catalogue.Items(t.recordNames);
  }
  std::string name(std::uint32_t record) const {
    return names && record < names->size() ? (*names)[record] : std::string();
  }
  std::vector<std::string> header() const {
    std::vector<std::string> h{"index", "name"};
    for (const Column& c : columns) h.push_back(c.header);
    h.push_back("raw");
    return h;
  }
  std::vector<std::string> cells(std::span<const std::uint8_t> record, FormValues& values) const {
    values.clear();
    editors::DecodeRecord(*table.layout, record, values);
    std::vector<std::string> cells;
    cells.reserve(columns.size());
    for (const Column& c : columns) cells.push_back(CellText(c, values));
    return cells;
  }
};

std::uint32_t RecordNumber(const std::string& text, const editors::RecordLayout& layout, const std::string& where) {
  std::uint64_t v = 0;
  bool ok = !text.empty() && text.size() <= 10;
  for (char c : text) {
    ok = ok && c >= '0' && c <= '9';
    if (ok) v = v * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (!ok || v >= layout.recordCount)
    throw Refused(where + "记录号须为 0 到 " + std::to_string(layout.recordCount - 1) + " 之间的整数，而不是“" + text +
                  "”");
  return static_cast<std::uint32_t>(v);
}

std::string ReadInput(const std::string& name) {
  if (name == "-") {
    std::ostringstream all;
    all << std::cin.rdbuf();
    return all.str();
  }
  std::ifstream in(PathOf(name), std::ios::binary);
  if (!in) throw Refused("无法读取输入文件：" + name);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The rows of a dump as read back: where each came from, the record index
// cell and one cell a column.
struct InputRow {
  std::string where;  // "row 3"
  std::string index;
  std::vector<std::string> cells;
};

std::vector<InputRow> RowsFromCsv(const std::string& text, const View& view) {
  CsvError error;
  std::optional<std::vector<CsvRow>> rows = ParseCsv(text, error);
  if (!rows) throw Refused("row " + std::to_string(error.row) + ": " + error.reason);
  if (rows->empty()) throw Refused("输入是空的，没有表头");
  const std::vector<std::string> header = view.header();
  const CsvRow& got = rows->front();
  for (std::size_t c = 0; c < std::max(header.size(), got.size()); ++c) {
    const std::string want = c < header.size() ? header[c] : "";
    const std::string have = c < got.size() ? got[c] : "";
    if (want != have)
      throw Refused("row 1, column " + std::to_string(c + 1) + ": 表头不符：应为“" + want + "”，实为“" + have +
                    "”");
  }
  std::vector<InputRow> out;
  for (std::size_t r = 1; r < rows->size(); ++r) {
    CsvRow& row = (*rows)[r];
    if (row.size() == 1 && row[0].empty()) continue;  // a blank line
    const std::string where = "row " + std::to_string(r + 1);
    if (row.size() != header.size())
      throw Refused(where + ": 有 " + std::to_string(row.size()) + " 列，应为 " + std::to_string(header.size()) +
                    " 列");
    InputRow in{where, row[0], {}};
    in.cells.assign(std::make_move_iterator(row.begin() + 2), std::make_move_iterator(row.end() - 1));
    out.push_back(std::move(in));
  }
  return out;
}

std::string JsonCell(const json& v, const std::string& where) {
  if (v.is_string()) return v.get<std::string>();
  if (v.is_number_integer() || v.is_number_unsigned()) return v.dump();
  throw Refused(where + ": 值须为文本或整数");
}

std::vector<InputRow> RowsFromJson(const std::string& text, const View& view) {
  json doc;
  try {
    doc = json::parse(text);
  } catch (const json::exception& e) {
    throw Refused(std::string("JSON 无法解析：") + e.what());
  }
  const json* records = doc.is_object() && doc.contains("records") ? &doc["records"] : &doc;
  if (!records->is_array()) throw Refused("JSON 须为记录的数组，或含有 \"records\" 数组的对象");
  if (doc.is_object() && doc.contains("table") && doc["table"] != view.table.id)
    throw Refused("JSON 是表“" + JsonCell(doc["table"], "table") + "”的，不是“" + view.table.id + "”的");
  std::vector<InputRow> out;
  std::size_t r = 0;
  for (const json& record : *records) {
    const std::string where = "row " + std::to_string(++r);
    if (!record.is_object() || !record.contains("index") || !record.contains("fields") ||
        !record["fields"].is_object())
      throw Refused(where + ": 记录须为含有 \"index\" 和 \"fields\" 的对象");
    InputRow in{where, JsonCell(record["index"], where + ", column index"), {}};
    const json& fields = record["fields"];
    for (const Column& c : view.columns) {
      if (!fields.contains(c.header)) throw Refused(where + ", column " + c.header + ": 缺少该字段");
      in.cells.push_back(JsonCell(fields[c.header], where + ", column " + c.header));
    }
    if (fields.size() != view.columns.size())
      for (const auto& [key, value] : fields.items())
        if (FindColumn(view.columns, key) < 0 || view.columns[static_cast<std::size_t>(FindColumn(view.columns, key))].header != key)
          throw Refused(where + ", column " + key + ": 未知的字段");
    out.push_back(std::move(in));
  }
  return out;
}

// A planned write: the records' bytes as they are and as they will be.
struct Plan {
  std::vector<journal::Change> changes;
  std::size_t records = 0;
  std::size_t fields = 0;
};

// Checks every cell of every row against the file's records and plans the
// write of the changed fields. Throws Refused listing every bad cell.
Plan PlanWrite(const View& view, const std::vector<std::uint8_t>& table, std::vector<InputRow>& rows) {
  const editors::RecordLayout& layout = *view.table.layout;
  std::vector<std::string> errors;
  std::map<std::uint32_t, std::string> seen;
  Plan plan;
  FormValues values;
  for (InputRow& row : rows) {
    std::uint32_t record;
    try {
      record = RecordNumber(row.index, layout, "");
    } catch (const Refused& bad) {
      errors.push_back(row.where + ", column index: " + bad.what());
      continue;
    }
    auto [it, fresh] = seen.emplace(record, row.where);
    if (!fresh) {
      errors.push_back(row.where + ", column index: 记录 " + std::to_string(record) + " 已在 " + it->second + " 出现");
      continue;
    }
    std::span<const std::uint8_t> before = RecordBytes(table, layout, record);
    const std::vector<std::string> now = view.cells(before, values);
    std::vector<int> changed;
    for (std::size_t c = 0; c < view.columns.size(); ++c) {
      const std::string& cell = row.cells[c];
      std::size_t bad = 0;
      if (!IsUtf8(cell, &bad)) {
        errors.push_back(row.where + ", column " + view.columns[c].header + ": 不是有效的 UTF-8 文本");
        continue;
      }
      if (cell == now[c]) continue;
      if (std::optional<std::string> reason = ParseCell(view.columns[c], cell, values)) {
        errors.push_back(row.where + ", column " + view.columns[c].header + ": " + *reason);
        continue;
      }
      changed.push_back(static_cast<int>(c));
    }
    if (changed.empty()) continue;
    std::vector<std::uint8_t> after(before.begin(), before.end());
    for (auto& [c, reason] : EncodeChanged(view.columns, changed, values, after))
      errors.push_back(row.where + ", column " + view.columns[static_cast<std::size_t>(c)].header + ": " + reason);
    std::vector<journal::Change> d =
        journal::Differences(layout.offsetOf(record), std::vector<std::uint8_t>(before.begin(), before.end()), after);
    if (!d.empty()) {
      ++plan.records;
      plan.fields += changed.size();
    }
    plan.changes.insert(plan.changes.end(), d.begin(), d.end());
  }
  if (!errors.empty()) {
    std::string all;
    for (const std::string& e : errors) all += (all.empty() ? "" : "\n") + e;
    throw Refused(all);
  }
  return plan;
}

std::string NoteFor(const std::vector<std::string>& args) {
  std::string note = "vdktool";
  for (const std::string& a : args) note += " " + a;
  return note.substr(0, 400);
}

// Reads the table through the file the write will go to, checks and writes.
Plan Apply(const View& view, const std::filesystem::path& file, std::vector<InputRow>& rows,
           const std::vector<std::string>& args) {
  const editors::RecordLayout& layout = *view.table.layout;
  std::vector<std::uint8_t> table = ReadTableBytes(file, layout);
  Plan plan = PlanWrite(view, table, rows);
  if (plan.changes.empty()) return plan;
  GameFile game(file, layout.offsetOf(layout.recordCount));
  journal::SetNote(NoteFor(args));
  journal::WriteJournaled(game, plan.changes);
  game.close();
  return plan;
}

std::string TimeText(std::int64_t t) {
  std::time_t tt = static_cast<std::time_t>(t);
  std::tm parts{};
#ifdef _WIN32
  gmtime_s(&parts, &tt);
#else
  gmtime_r(&tt, &parts);
#endif
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &parts);
  return text;
}

// ---------------------------------------------------------------- commands

int ListTables(std::ostream& out) {
  char line[160];
  std::snprintf(line, sizeof line, "%-14s %-12s %-9s %7s %5s  %s\n", "table", "file", "offset", "records", "size",
                "title");
  out << line;
  for (const Table& t : Tables()) {
    std::snprintf(line, sizeof line, "%-14s %-12s %-9s %7u %5u  ", t.id.c_str(), GameFileName(t.file),
                  Hex(t.layout->tableOffset, 6).c_str(), t.layout->recordCount, t.layout->recordSize);
    out << line << t.title << "\n";
  }
  return kDone;
}

int Dump(const View& view, const std::filesystem::path& file, const std::string& format, const std::string& output,
         std::ostream& out) {
  const editors::RecordLayout& layout = *view.table.layout;
  const std::vector<std::uint8_t> table = ReadTableBytes(file, layout);
  std::string text;
  FormValues values;
  if (format == "json") {
    json records = json::array();
    for (std::uint32_t r = 0; r < layout.recordCount; ++r) {
      std::span<const std::uint8_t> bytes = RecordBytes(table, layout, r);
      std::vector<std::string> cells = view.cells(bytes, values);
      json fields = json::object();
      for (std::size_t c = 0; c < cells.size(); ++c) fields[view.columns[c].header] = std::move(cells[c]);
      records.push_back(json{{"index", r}, {"name", view.name(r)}, {"fields", std::move(fields)}, {"raw", HexOf(bytes)}});
    }
    text = json{{"table", view.table.id}, {"file", GameFileName(view.table.file)}, {"records", std::move(records)}}
               .dump(1, '\t', false, json::error_handler_t::strict) +
           "\n";
  } else {
    text.reserve(layout.recordCount * (layout.recordSize * 6 + 64));
    text += CsvLine(view.header());
    CsvRow row;
    for (std::uint32_t r = 0; r < layout.recordCount; ++r) {
      std::span<const std::uint8_t> bytes = RecordBytes(table, layout, r);
      row = view.cells(bytes, values);
      row.insert(row.begin(), {std::to_string(r), view.name(r)});
      row.push_back(HexOf(bytes));
      text += CsvLine(row);
    }
  }
  if (output.empty() || output == "-") {
    out << text;
    return kDone;
  }
  std::ofstream o(PathOf(output), std::ios::binary);
  if (!o || !o.write(text.data(), static_cast<std::streamsize>(text.size())) || !o.flush())
    throw Refused("无法写入输出文件：" + output);
  return kDone;
}

int Load(const View& view, const std::filesystem::path& file, const std::string& input,
         const std::vector<std::string>& args, std::ostream& out) {
  std::string text = ReadInput(input);
  std::size_t bad = 0;
  if (!IsUtf8(text, &bad)) {
    const std::size_t row = 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(bad), '\n'));
    throw Refused("row " + std::to_string(row) + ": 不是有效的 UTF-8 文本（第 " + std::to_string(bad) + " 字节）");
  }
  std::string_view body = text;
  if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
  const std::size_t first = body.find_first_not_of(" \t\r\n");
  const bool isJson = first != std::string_view::npos && (body[first] == '[' || body[first] == '{');
  std::vector<InputRow> rows = isJson ? RowsFromJson(std::string(body), view) : RowsFromCsv(text, view);
  Plan plan = Apply(view, file, rows, args);
  if (plan.changes.empty()) {
    out << "没有改动，未写入任何字节。\n";
    return kDone;
  }
  std::size_t bytes = 0;
  for (const journal::Change& c : plan.changes) bytes += c.after.size();
  out << "已写入 " << plan.records << " 条记录的 " << plan.fields << " 个字段（" << bytes << " 字节）。\n";
  return kDone;
}

int Get(const View& view, const std::filesystem::path& file, const std::string& recordText,
        const std::string& fieldName, std::ostream& out) {
  const editors::RecordLayout& layout = *view.table.layout;
  const std::uint32_t record = RecordNumber(recordText, layout, "");
  int column = -1;
  if (!fieldName.empty() && (column = FindColumn(view.columns, fieldName)) < 0)
    throw Refused("表“" + view.table.id + "”没有字段“" + fieldName + "”");
  const std::vector<std::uint8_t> table = ReadTableBytes(file, layout);
  FormValues values;
  std::span<const std::uint8_t> bytes = RecordBytes(table, layout, record);
  std::vector<std::string> cells = view.cells(bytes, values);
  if (column >= 0) {
    out << cells[static_cast<std::size_t>(column)] << "\n";
    return kDone;
  }
  out << "index: " << record << "\nname: " << view.name(record) << "\n";
  for (std::size_t c = 0; c < cells.size(); ++c) out << view.columns[c].header << ": " << cells[c] << "\n";
  out << "raw: " << HexOf(bytes) << "\n";
  return kDone;
}

int Set(const View& view, const std::filesystem::path& file, const std::string& recordText,
        const std::string& fieldName, const std::string& value, const std::vector<std::string>& args,
        std::ostream& out) {
  const editors::RecordLayout& layout = *view.table.layout;
  const std::uint32_t record = RecordNumber(recordText, layout, "");
  const int column = FindColumn(view.columns, fieldName);
  if (column < 0) throw Refused("表“" + view.table.id + "”没有字段“" + fieldName + "”");
  if (!IsUtf8(value)) throw Refused("值不是有效的 UTF-8 文本");
  const std::vector<std::uint8_t> table = ReadTableBytes(file, layout);
  FormValues values;
  InputRow row{"record " + std::to_string(record), std::to_string(record),
               view.cells(RecordBytes(table, layout, record), values)};
  const std::string before = row.cells[static_cast<std::size_t>(column)];
  row.cells[static_cast<std::size_t>(column)] = value;
  std::vector<InputRow> rows{row};
  Plan plan = Apply(view, file, rows, args);
  const std::vector<std::uint8_t> now = ReadTableBytes(file, layout);
  const std::string after = view.cells(RecordBytes(now, layout, record), values)[static_cast<std::size_t>(column)];
  if (plan.changes.empty())
    out << view.columns[static_cast<std::size_t>(column)].header << ": " << after << "（未改动）\n";
  else
    out << view.columns[static_cast<std::size_t>(column)].header << ": " << before << " -> " << after << "\n";
  return kDone;
}

int Diff(const View& view, const std::filesystem::path& a, const std::filesystem::path& b, std::ostream& out) {
  const editors::RecordLayout& layout = *view.table.layout;
  const std::vector<std::uint8_t> ta = ReadTableBytes(a, layout), tb = ReadTableBytes(b, layout);
  FormValues values;
  std::size_t differences = 0;
  for (std::uint32_t r = 0; r < layout.recordCount; ++r) {
    std::span<const std::uint8_t> ra = RecordBytes(ta, layout, r), rb = RecordBytes(tb, layout, r);
    if (std::equal(ra.begin(), ra.end(), rb.begin())) continue;
    const std::vector<std::string> ca = view.cells(ra, values), cb = view.cells(rb, values);
    const std::string who = view.table.id + " " + std::to_string(r) + (view.name(r).empty() ? "" : " " + view.name(r));
    bool shown = false;
    for (std::size_t c = 0; c < ca.size(); ++c) {
      if (ca[c] == cb[c]) continue;
      out << who << ": " << view.columns[c].header << ": " << ca[c] << " -> " << cb[c] << "\n";
      shown = true;
      ++differences;
    }
    if (!shown) {
      out << who << ": 未显示的字节: " << HexOf(ra) << " -> " << HexOf(rb) << "\n";
      ++differences;
    }
  }
  return differences ? kDifferent : kDone;
}

int History(const std::filesystem::path& file, std::ostream& out) {
  GameFile game(file, 0);
  const journal::Contents contents = journal::Read(file);
  if (!contents.exists || contents.entries.empty()) {
    out << "没有变更记录：" << Utf8Path(journal::JournalPathFor(file)) << "\n";
    if (contents.tornTail) out << "（末尾有一条未写完的记录，已忽略；游戏文件未因它改动）\n";
    return kDone;
  }
  std::map<std::uint64_t, std::uint64_t> undoneBy;
  for (const journal::Entry& e : contents.entries)
    if (e.kind == journal::Kind::Undo) undoneBy[e.undone] = e.sequence;
  const std::optional<GameFileKind> kind = KindOfFile(file);
  const std::vector<journal::State> states = journal::States(contents, game);
  for (std::size_t k = 0; k < contents.entries.size(); ++k) {
    const journal::Entry& e = contents.entries[k];
    std::size_t bytes = 0;
    for (const journal::Change& c : e.changes) bytes += c.after.size();
    out << "#" << e.sequence << "  " << TimeText(e.time) << "  "
        << (e.kind == journal::Kind::Write ? "write" : "undo #" + std::to_string(e.undone)) << "  " << e.note
        << "  (" << bytes << " bytes, " << journal::StateName(states[k]);
    if (auto it = undoneBy.find(e.sequence); it != undoneBy.end()) out << ", undone by #" << it->second;
    out << ")\n";
    for (const journal::Change& c : e.changes) {
      out << "    " << Hex(c.offset, 6);
      if (kind)
        if (std::optional<Place> place = PlaceOf(*kind, c.offset))
          out << " " << place->table->id << " " << place->record << " +"
              << Hex(c.offset - place->table->layout->offsetOf(place->record), 2);
      out << ": " << HexOf(c.before) << " -> " << HexOf(c.after) << "\n";
    }
  }
  if (contents.tornTail) out << "（末尾有一条未写完的记录，已忽略；游戏文件未因它改动）\n";
  return kDone;
}

int UndoCommand(const std::filesystem::path& file, std::size_t count, const std::vector<std::string>& args,
                std::ostream& out) {
  { GameFile check(file, 0); }
  journal::SetNote(NoteFor(args));
  for (std::uint64_t seq : journal::Undo(file, count)) out << "已撤销第 " << seq << " 次写入。\n";
  return kDone;
}

int RecoverCommand(const std::filesystem::path& file, std::ostream& out) {
  { GameFile check(file, 0); }
  out << (journal::Recover(file) ? "已完成中断的写入。\n" : "没有中断的写入。\n");
  return kDone;
}

}  // namespace

std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const std::filesystem::path& dataFolder) {
  CLI::App app{"vdktool: the game's tables on the command line (dump, load, get, set, diff) and the change "
               "journal beside each game file (history, undo, recover).",
               "vdktool"};
  app.require_subcommand(1);
  std::string data;
  app.add_option("--data", data, "folder with the name lists (default: the data folder beside the program)");
  std::string table, file, fileB, input, record, field, value, format = "csv", output;
  std::size_t count = 1;

  CLI::App* tables = app.add_subcommand("tables", "List the tables: file, offset, record count and record size.");
  CLI::App* dump = app.add_subcommand("dump", "Write every record of a table as CSV or JSON.");
  dump->add_option("TABLE", table, "table (see `vdktool tables`)")->required();
  dump->add_option("GAMEFILE", file, "SHARED.BIN or VDKX_418.06")->required();
  dump->add_option("--format", format, "csv (default) or json")->check(CLI::IsMember({"csv", "json"}));
  dump->add_option("-o,--output", output, "output file (default: standard output)");
  CLI::App* load = app.add_subcommand(
      "load", "Write a dump back: every cell is checked first; only changed fields are written.");
  load->add_option("TABLE", table, "table")->required();
  load->add_option("GAMEFILE", file, "game file")->required();
  load->add_option("IN", input, "CSV or JSON file as dump writes it (- for standard input)")->required();
  CLI::App* get = app.add_subcommand("get", "Show one record, or one field of it.");
  get->add_option("TABLE", table, "table")->required();
  get->add_option("GAMEFILE", file, "game file")->required();
  get->add_option("RECORD", record, "record number")->required();
  get->add_option("FIELD", field, "field label (a column of the dump) or control name");
  CLI::App* set = app.add_subcommand("set", "Write one field of one record, checked as the editor checks it.");
  set->add_option("TABLE", table, "table")->required();
  set->add_option("GAMEFILE", file, "game file")->required();
  set->add_option("RECORD", record, "record number")->required();
  set->add_option("FIELD", field, "field label or control name")->required();
  set->add_option("VALUE", value, "the value as dump shows it")->required();
  CLI::App* diff = app.add_subcommand("diff", "Field-level differences of a table between two game files.");
  diff->add_option("TABLE", table, "table")->required();
  diff->add_option("A", file, "first game file")->required();
  diff->add_option("B", fileB, "second game file")->required();
  CLI::App* history = app.add_subcommand("history", "List the change journal of a game file.");
  history->add_option("GAMEFILE", file, "game file")->required();
  CLI::App* undo = app.add_subcommand("undo", "Revert the last N writes recorded in the journal.");
  undo->add_option("GAMEFILE", file, "game file")->required();
  undo->add_option("N", count, "how many writes (default 1)")->check(CLI::PositiveNumber);
  CLI::App* recover = app.add_subcommand("recover", "Finish a write that was cut short after its journal entry.");
  recover->add_option("GAMEFILE", file, "game file")->required();

  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    app.parse(reversed);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e, out, err);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e, out, err);
  } catch (const CLI::ParseError& e) {
    err << "vdktool: " << e.what() << "（vdktool --help 显示用法）\n";
    return kRefused;
  }

  try {
    Catalogue catalogue(data.empty() ? dataFolder : PathOf(data));
    const std::filesystem::path gameFile = PathOf(file);
    if (tables->parsed()) return ListTables(out);
    if (history->parsed()) return History(gameFile, out);
    if (undo->parsed()) return UndoCommand(gameFile, count, args, out);
    if (recover->parsed()) return RecoverCommand(gameFile, out);
    const Table& t = TableOf(table);
    const View view(t, catalogue);
    if (dump->parsed()) return Dump(view, gameFile, format, output, out);
    if (load->parsed()) return Load(view, gameFile, input, args, out);
    if (get->parsed()) return Get(view, gameFile, record, field, out);
    if (set->parsed()) return Set(view, gameFile, record, field, value, args, out);
    if (diff->parsed()) return Diff(view, gameFile, PathOf(fileB), out);
  } catch (const Refused& e) {
    err << "vdktool: " << e.what() << "\n";
    return kRefused;
  } catch (const std::exception& e) {
    std::string what = e.what();
    std::replace(what.begin(), what.end(), '\n', ' ');
    err << "vdktool: " << what << "\n";
    return kRefused;
  }
  return kRefused;
}

}  // namespace vdk::tool
