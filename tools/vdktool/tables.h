// The tables vdktool knows: each editor's layout with the game file it lives
// in, where its records' names come from and which list every list field
// chooses from; and the cells of a dump: a field's value as text in the form
// the editor shows it, and back, checked with the editor's rules.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editor/editors/core/record_editor.h"
#include "editor/name_lists.h"

namespace vdk::tool {

enum class GameFileKind { SharedBin, Exe };
const char* GameFileName(GameFileKind kind);

// Where a list's item texts come from: a list built into the program or a
// name list of the data folder.
struct ListSource {
  const editors::ItemList* fixed = nullptr;
  const NameListFile* names = nullptr;
  explicit operator bool() const { return fixed || names; }
};

struct Table {
  std::string id;        // on the command line: "weapon"
  std::string title;     // UTF-8, as the editor's caption names it
  GameFileKind file;
  const editors::RecordLayout* layout;
  ListSource recordNames;  // none: records are shown by number only
  // List fields: control name (or the array name before "(") -> items.
  std::map<std::string, ListSource> lists;
};

const std::vector<Table>& Tables();
// Nothing for an unknown id.
const Table* FindTable(const std::string& id);

// The table and record a byte of a game file belongs to, for history.
struct Place {
  const Table* table = nullptr;
  std::uint32_t record = 0;
};
std::optional<Place> PlaceOf(GameFileKind file, std::uint64_t offset);
// The kind of game file a path names by its file name (case-insensitive);
// nothing for a name that is neither.
std::optional<GameFileKind> KindOfFile(const std::filesystem::path& path);

// Item texts of lists (UTF-8), with the data folder's name lists read on
// first use. Throws NameListError when a list cannot be read.
class Catalogue {
public:
  explicit Catalogue(std::filesystem::path dataFolder) : folder_(std::move(dataFolder)) {}
  const std::vector<std::string>& Items(const ListSource& source);

private:
  std::filesystem::path folder_;
  std::map<const void*, std::vector<std::string>> lists_;
};

// One column of a dump: its header and the field it shows.
struct Column {
  std::string header;  // UTF-8: the field's label, with " [control]" added
                       // when the label is empty or taken by another field
  const editors::Field* field;
  const std::vector<std::string>* items = nullptr;  // list fields
};

// The columns of a table in layout order; item texts come from `catalogue`.
std::vector<Column> Columns(const Table& table, Catalogue& catalogue);
// Index of the column with this header or control name, or -1.
int FindColumn(const std::vector<Column>& columns, const std::string& name);

// A field of a decoded record as a cell: text fields as the editor shows
// them, check boxes "1"/"0", option groups the stored number, lists
// "item text (stored value)" or, for a value without an item, the editor's
// text for it.
std::string CellText(const Column& column, const editors::FormValues& values);

// Reads a changed cell back into `values` (which hold the record as it is
// in the file), with the editor's rules. Returns the reason when the cell
// cannot be written.
std::optional<std::string> ParseCell(const Column& column, const std::string& cell, editors::FormValues& values);

// Encodes the fields of `changed` columns, in layout order, into `record`.
// Every cell must have been parsed; returns the reasons of fields that still
// fail (by column).
std::vector<std::pair<int, std::string>> EncodeChanged(const std::vector<Column>& columns,
                                                       const std::vector<int>& changed,
                                                       const editors::FormValues& values,
                                                       std::span<std::uint8_t> record);

// Hex of bytes, two upper-case digits each.
std::string HexOf(std::span<const std::uint8_t> bytes);

// True when `text` is well-formed UTF-8; `badAt` gets the offset of the
// first byte that is not.
bool IsUtf8(std::string_view text, std::size_t* badAt = nullptr);

}  // namespace vdk::tool
