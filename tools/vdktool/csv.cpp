#include "tools/vdktool/csv.h"

namespace vdk::tool {

std::string CsvField(std::string_view text) {
  bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
               (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!quote) return std::string(text);
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

std::string CsvLine(const CsvRow& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i) line += ',';
    line += CsvField(fields[i]);
  }
  line += "\r\n";
  return line;
}

std::optional<std::vector<CsvRow>> ParseCsv(std::string_view text, CsvError& error) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<CsvRow> rows;
  CsvRow row;
  std::string field;
  std::size_t i = 0;
  const std::size_t n = text.size();
  bool rowStarted = false;
  while (i < n) {
    rowStarted = true;
    if (text[i] == '"' && field.empty()) {
      // A quoted field: runs to the quote that is not doubled.
      ++i;
      bool closed = false;
      while (i < n) {
        if (text[i] == '"') {
          if (i + 1 < n && text[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          closed = true;
          break;
        }
        field += text[i++];
      }
      if (!closed) {
        error = {rows.size() + 1, "引号没有结束"};
        return std::nullopt;
      }
      if (i < n && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
        error = {rows.size() + 1, "引号后面须为逗号或行尾"};
        return std::nullopt;
      }
      continue;
    }
    const char c = text[i];
    if (c == ',') {
      row.push_back(std::move(field));
      field.clear();
      ++i;
    } else if (c == '\r' || c == '\n') {
      row.push_back(std::move(field));
      field.clear();
      rows.push_back(std::move(row));
      row.clear();
      rowStarted = false;
      i += (c == '\r' && i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
    } else if (c == '"') {
      error = {rows.size() + 1, "不在引号字段中的引号"};
      return std::nullopt;
    } else {
      field += c;
      ++i;
    }
  }
  if (rowStarted) {
    row.push_back(std::move(field));
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace vdk::tool
