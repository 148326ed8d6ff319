// Comma-separated values after RFC 4180: fields with commas, quotes or line
// breaks are quoted, a quote inside one is doubled, records end in CR LF. The
// reader also takes bare LF line ends and a UTF-8 byte order mark.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vdk::tool {

using CsvRow = std::vector<std::string>;

// One field as the writer puts it.
std::string CsvField(std::string_view text);
// A record: its fields and the CR LF.
std::string CsvLine(const CsvRow& fields);

struct CsvError {
  std::size_t row;  // 1-based record number
  std::string reason;
};

// Parses the whole text; on a malformed quote returns nothing and sets
// `error`. A final line end does not start an empty record.
std::optional<std::vector<CsvRow>> ParseCsv(std::string_view text, CsvError& error);

}  // namespace vdk::tool
