#include "editor/name_lists.h"

#include <fstream>
#include <sstream>

#include "editor/game_file.h"
#include "editor/text_codec.h"

namespace vdk {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Consumes one line end (CR, LF or CR LF) at `pos`, if there is one.
void SkipLineEnd(std::string_view s, std::size_t& pos) {
  if (pos < s.size() && s[pos] == '\r') ++pos;
  if (pos < s.size() && s[pos] == '\n') ++pos;
}

std::string_view Label(std::string_view name) {
  return !name.empty() && name.front() == '\\' ? name.substr(1) : name;
}

}  // namespace

std::filesystem::path DataFilePath(const std::filesystem::path& programFolder, std::string_view name) {
  return programFolder / "data" / std::filesystem::path(std::string(Label(name)));
}

std::vector<std::string> ReadListItems(std::string_view s, std::size_t count, std::string_view fileName) {
  std::vector<std::string> items;
  items.reserve(count);
  std::size_t pos = 0;
  while (items.size() < count) {
    while (pos < s.size() && IsBlank(s[pos])) ++pos;
    if (pos >= s.size()) {
      throw NameListError("名称列表 " + std::string(Label(fileName)) + " 只有 " +
                          std::to_string(items.size()) + " 项，需要 " + std::to_string(count) + " 项。");
    }
    std::string item;
    if (s[pos] == '"') {
      const std::size_t close = s.find('"', pos + 1);
      const std::size_t end = close == std::string_view::npos ? s.size() : close;
      item.assign(s.substr(pos + 1, end - pos - 1));
      pos = close == std::string_view::npos ? s.size() : close + 1;
      // Whatever follows the closing quote up to the delimiter is dropped.
      while (pos < s.size() && s[pos] != ',' && !IsLineEnd(s[pos])) ++pos;
    } else {
      const std::size_t start = pos;
      while (pos < s.size() && s[pos] != ',' && !IsLineEnd(s[pos])) ++pos;
      std::size_t end = pos;
      while (end > start && IsBlank(s[end - 1])) --end;
      item.assign(s.substr(start, end - start));
    }
    if (pos < s.size() && s[pos] == ',')
      ++pos;
    else
      SkipLineEnd(s, pos);
    items.push_back(std::move(item));
  }
  return items;
}

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw NameListError("找不到文件或无法读取：" + DisplayName(path));
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

NameList LoadNameList(const std::filesystem::path& programFolder, const NameListFile& file) {
  const auto path = DataFilePath(programFolder, file.name);
  const std::string bytes = ReadWholeFile(path);
  NameList list;
  const auto items = ReadListItems(bytes, file.count, DisplayName(path));
  list.names.reserve(items.size());
  for (const auto& item : items) list.names.push_back(DecodeCp936(item));
  if (file.recordSize > 0) {
    list.positions.reserve(file.count);
    for (std::size_t n = 0; n < file.count; ++n)
      list.positions.push_back(file.firstPosition + file.recordSize * static_cast<std::int32_t>(n));
  }
  return list;
}

std::wstring LoadHelpText(const std::filesystem::path& programFolder, std::string_view name) {
  const std::string bytes = ReadWholeFile(DataFilePath(programFolder, name));
  std::string text;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t end = pos;
    while (end < bytes.size() && !IsLineEnd(bytes[end])) ++end;
    text.append(bytes, pos, end - pos);
    text += "\r\n";
    pos = end;
    SkipLineEnd(bytes, pos);
  }
  return DecodeCp936(text);
}

}  // namespace vdk
