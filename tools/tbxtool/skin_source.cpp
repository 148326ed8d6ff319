#include "tools/tbxtool/skin_source.h"

#include <cstdio>
#include <cstring>
#include <optional>

namespace tebix::tbx {

namespace {

constexpr std::size_t kBmpFileHeaderBytes = 14;

void PutInt32(std::vector<std::uint8_t>& out, std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void SetInt32(std::vector<std::uint8_t>& out, std::size_t offset, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

const char* const kSectionNames[kSkinTableCount] = {"metrics", "colours", "offset pairs", "rectangles",
                                                    "parts"};
const char* const kPairFields[] = {"dx", "dy"};
const char* const kRectangleFields[] = {"x", "y", "width", "height"};

std::string Hex(std::int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<std::uint32_t>(value));
  return text;
}

// Decimal (optionally negative) or 0x-hexadecimal, as a 32-bit pattern.
std::optional<std::int32_t> ParseNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    if (text.size() > 10) return std::nullopt;
    for (char c : text.substr(2)) {
      int digit;
      if (c >= '0' && c <= '9') {
        digit = c - '0';
      } else if (c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
      } else if (c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
      } else {
        return std::nullopt;
      }
      value = value * 16 + static_cast<std::uint64_t>(digit);
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  }
  const bool negative = text[0] == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 10) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (negative) {
    if (value > 0x80000000u) return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(0u - static_cast<std::uint32_t>(value)));
  }
  if (value > 0xFFFFFFFFu) return std::nullopt;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

// Reads "name=value" words into `values`, in any order, each field once.
bool ParseFields(std::span<const std::string_view> words, std::span<const char* const> names,
                 std::span<std::int32_t> values, std::string& error) {
  std::vector<bool> seen(names.size(), false);
  for (std::string_view word : words) {
    const std::size_t eq = word.find('=');
    if (eq == std::string_view::npos) {
      error = "expected name=value, found \"" + std::string(word) + "\"";
      return false;
    }
    const std::string_view name = word.substr(0, eq);
    std::size_t field = 0;
    while (field < names.size() && name != names[field]) ++field;
    if (field == names.size()) {
      error = "unknown field \"" + std::string(name) + "\"";
      return false;
    }
    if (seen[field]) {
      error = "field \"" + std::string(name) + "\" given twice";
      return false;
    }
    const auto value = ParseNumber(word.substr(eq + 1));
    if (!value) {
      error = "\"" + std::string(word.substr(eq + 1)) + "\" is not a 32-bit number";
      return false;
    }
    seen[field] = true;
    values[field] = *value;
  }
  for (std::size_t field = 0; field < names.size(); ++field) {
    if (!seen[field]) {
      error = "field \"" + std::string(names[field]) + "\" is missing";
      return false;
    }
  }
  return true;
}

bool ParseNumbers(std::span<const std::string_view> words, std::span<std::int32_t> values, std::string& error) {
  if (words.size() != values.size()) {
    error = "expected " + std::to_string(values.size()) + " number(s), found " + std::to_string(words.size());
    return false;
  }
  for (std::size_t i = 0; i < words.size(); ++i) {
    const auto value = ParseNumber(words[i]);
    if (!value) {
      error = "\"" + std::string(words[i]) + "\" is not a 32-bit number";
      return false;
    }
    values[i] = *value;
  }
  return true;
}

std::size_t EntryCount(const SkinSource& source, int table) {
  switch (table) {
    case kSkinMetrics: return source.metrics.size();
    case kSkinColours: return source.colours.size();
    case kSkinOffsetPairs: return source.offset_pairs.size();
    case kSkinRectangles: return source.rectangles.size();
    default: return source.parts.size();
  }
}

}  // namespace

bool SkinSource::operator==(const SkinSource& other) const {
  auto same_parts = [&] {
    return parts.size() == other.parts.size() &&
           (parts.empty() || std::memcmp(parts.data(), other.parts.data(), parts.size() * sizeof(SkinPart)) == 0);
  };
  return kind == other.kind && version == other.version && reserved == other.reserved && spare == other.spare &&
         metrics == other.metrics && colours == other.colours && offset_pairs == other.offset_pairs &&
         rectangles == other.rectangles && same_parts() && bitmap == other.bitmap;
}

std::vector<std::uint8_t> BuildSkinBlock(const SkinSource& source) {
  std::vector<std::uint8_t> block;
  PutInt32(block, source.kind);
  PutInt32(block, source.version);
  for (std::int32_t v : source.reserved) PutInt32(block, v);
  for (int t = 0; t < kSkinTableCount; ++t) PutInt32(block, static_cast<std::int32_t>(EntryCount(source, t)));
  for (std::int32_t v : source.spare) PutInt32(block, v);
  for (std::int32_t v : source.metrics) PutInt32(block, v);
  for (std::int32_t v : source.colours) PutInt32(block, v);
  for (const auto& pair : source.offset_pairs) {
    for (std::int32_t v : pair) PutInt32(block, v);
  }
  for (const auto& rectangle : source.rectangles) {
    for (std::int32_t v : rectangle) PutInt32(block, v);
  }
  for (const SkinPart& part : source.parts) {
    for (const SkinPartField& field : kSkinPartFields) PutInt32(block, part.*field.member);
  }
  block.insert(block.end(), source.bitmap.begin(), source.bitmap.end());
  return block;
}

bool ReadSkinBlock(std::span<const std::uint8_t> block, SkinSource& source, std::string& error) {
  SkinBlockLayout layout;
  if (!ParseSkinBlockLayout(block, layout, error)) return false;
  source = {};
  source.kind = ReadInt32(block, kSkinKindOffset);
  source.version = ReadInt32(block, kSkinVersionOffset);
  for (std::size_t i = 0; i < kSkinReservedWords; ++i) source.reserved[i] = ReadInt32(block, kSkinReservedOffset + 4 * i);
  for (std::size_t i = 0; i < kSkinSpareWords; ++i) source.spare[i] = ReadInt32(block, kSkinSpareOffset + 4 * i);
  auto entry = [&](int table, std::size_t index, std::size_t word) {
    return ReadInt32(block, layout.table_offsets[table] + index * kSkinEntryBytes[table] + 4 * word);
  };
  for (std::size_t i = 0; i < layout.counts[kSkinMetrics]; ++i) source.metrics.push_back(entry(kSkinMetrics, i, 0));
  for (std::size_t i = 0; i < layout.counts[kSkinColours]; ++i) source.colours.push_back(entry(kSkinColours, i, 0));
  for (std::size_t i = 0; i < layout.counts[kSkinOffsetPairs]; ++i) {
    source.offset_pairs.push_back({entry(kSkinOffsetPairs, i, 0), entry(kSkinOffsetPairs, i, 1)});
  }
  for (std::size_t i = 0; i < layout.counts[kSkinRectangles]; ++i) {
    source.rectangles.push_back({entry(kSkinRectangles, i, 0), entry(kSkinRectangles, i, 1),
                                 entry(kSkinRectangles, i, 2), entry(kSkinRectangles, i, 3)});
  }
  for (std::size_t i = 0; i < layout.counts[kSkinParts]; ++i) {
    source.parts.push_back(ReadSkinPart(block, layout.table_offsets[kSkinParts] + i * kSkinEntryBytes[kSkinParts]));
  }
  source.bitmap.assign(block.begin() + static_cast<std::ptrdiff_t>(layout.bitmap.offset), block.end());
  return true;
}

std::string WriteSkinTables(const SkinSource& source) {
  std::string text =
      "# Skin tables, one entry a line, numbered from 0. Numbers are decimal or\n"
      "# 0x-hexadecimal; colours are 0x00BBGGRR. The bitmap is skin.bmp beside\n"
      "# this file. Pack with: tbxtool pack FOLDER FILE.tbx\n\n";
  text += "[header]\n";
  text += "kind " + std::to_string(source.kind) + "\n";
  text += "version " + std::to_string(source.version) + "\n";
  text += "reserved";
  for (std::int32_t v : source.reserved) text += " " + std::to_string(v);
  text += "\nspare";
  for (std::int32_t v : source.spare) text += " " + std::to_string(v);
  text += "\n";

  auto section = [&](int table) { text += std::string("\n[") + kSectionNames[table] + "]\n"; };
  auto index = [&](std::size_t i) { text += std::to_string(i) + ":"; };
  section(kSkinMetrics);
  for (std::size_t i = 0; i < source.metrics.size(); ++i) {
    index(i);
    text += " " + std::to_string(source.metrics[i]) + "\n";
  }
  section(kSkinColours);
  for (std::size_t i = 0; i < source.colours.size(); ++i) {
    index(i);
    text += " " + Hex(source.colours[i]) + "\n";
  }
  section(kSkinOffsetPairs);
  for (std::size_t i = 0; i < source.offset_pairs.size(); ++i) {
    index(i);
    for (int f = 0; f < 2; ++f) text += std::string(" ") + kPairFields[f] + "=" + std::to_string(source.offset_pairs[i][f]);
    text += "\n";
  }
  section(kSkinRectangles);
  for (std::size_t i = 0; i < source.rectangles.size(); ++i) {
    index(i);
    for (int f = 0; f < 4; ++f) {
      text += std::string(" ") + kRectangleFields[f] + "=" + std::to_string(source.rectangles[i][f]);
    }
    text += "\n";
  }
  section(kSkinParts);
  for (std::size_t i = 0; i < source.parts.size(); ++i) {
    index(i);
    for (const SkinPartField& field : kSkinPartFields) {
      const std::int32_t v = source.parts[i].*field.member;
      text += std::string(" ") + field.name + "=" + (field.colour ? Hex(v) : std::to_string(v));
    }
    text += "\n";
  }
  return text;
}

bool ParseSkinTables(std::string_view text, SkinSource& source, std::string& error) {
  SkinSource parsed;
  int section = -1;  // -1: before any section, kSkinTableCount: [header]
  bool seen[kSkinTableCount + 1] = {};
  int line_number = 0;
  auto fail = [&](const std::string& message) {
    error = "line " + std::to_string(line_number) + ": " + message;
    return false;
  };
  while (!text.empty()) {
    ++line_number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (line.empty()) continue;

    if (line.front() == '[') {
      if (line.back() != ']') return fail("a section name ends with ']'");
      const std::string_view name = line.substr(1, line.size() - 2);
      section = -1;
      if (name == "header") section = kSkinTableCount;
      for (int t = 0; t < kSkinTableCount; ++t) {
        if (name == kSectionNames[t]) section = t;
      }
      if (section < 0) {
        return fail("unknown section [" + std::string(name) +
                    "]; the sections are [header], [metrics], [colours], [offset pairs], [rectangles] and [parts]");
      }
      if (seen[section]) return fail("section [" + std::string(name) + "] appears twice");
      seen[section] = true;
      continue;
    }
    if (section < 0) return fail("entries must follow a section such as [metrics]");

    std::vector<std::string_view> words = Words(line);
    if (section == kSkinTableCount) {
      const std::string_view key = words.front();
      const std::span<const std::string_view> values(words.data() + 1, words.size() - 1);
      bool ok = false;
      if (key == "kind") {
        ok = ParseNumbers(values, std::span(&parsed.kind, 1), error);
      } else if (key == "version") {
        ok = ParseNumbers(values, std::span(&parsed.version, 1), error);
      } else if (key == "reserved") {
        ok = ParseNumbers(values, parsed.reserved, error);
      } else if (key == "spare") {
        ok = ParseNumbers(values, parsed.spare, error);
      } else {
        error = "unknown header field \"" + std::string(key) + "\"; they are kind, version, reserved and spare";
      }
      if (!ok) return fail(error);
      continue;
    }

    const std::string_view label = words.front();
    const std::size_t expected = EntryCount(parsed, section);
    if (label.empty() || label.back() != ':' || ParseNumber(label.substr(0, label.size() - 1)) != std::optional(static_cast<std::int32_t>(expected))) {
      return fail("expected entry \"" + std::to_string(expected) + ":\" of [" + kSectionNames[section] + "], found \"" +
                  std::string(label) + "\"");
    }
    const std::span<const std::string_view> values(words.data() + 1, words.size() - 1);
    bool ok = true;
    switch (section) {
      case kSkinMetrics:
      case kSkinColours: {
        std::int32_t v = 0;
        ok = ParseNumbers(values, std::span(&v, 1), error);
        (section == kSkinMetrics ? parsed.metrics : parsed.colours).push_back(v);
        break;
      }
      case kSkinOffsetPairs: {
        std::array<std::int32_t, 2> v{};
        ok = ParseFields(values, kPairFields, v, error);
        parsed.offset_pairs.push_back(v);
        break;
      }
      case kSkinRectangles: {
        std::array<std::int32_t, 4> v{};
        ok = ParseFields(values, kRectangleFields, v, error);
        parsed.rectangles.push_back(v);
        break;
      }
      default: {
        std::array<const char*, 18> names{};
        std::array<std::int32_t, 18> v{};
        for (std::size_t f = 0; f < names.size(); ++f) names[f] = kSkinPartFields[f].name;
        ok = ParseFields(values, names, v, error);
        SkinPart part{};
        for (std::size_t f = 0; f < names.size(); ++f) part.*kSkinPartFields[f].member = v[f];
        parsed.parts.push_back(part);
        break;
      }
    }
    if (!ok) return fail(error);
  }
  parsed.bitmap = std::move(source.bitmap);
  source = std::move(parsed);
  return true;
}

std::vector<std::uint8_t> MakeBmpFile(std::span<const std::uint8_t> dib) {
  SkinBitmapLayout layout;
  std::string ignored;
  std::size_t pixels = dib.size();
  if (ParseSkinBitmap(dib, 0, layout, ignored)) pixels = layout.pixels_offset;
  std::vector<std::uint8_t> file(kBmpFileHeaderBytes + dib.size(), 0);
  file[0] = 'B';
  file[1] = 'M';
  SetInt32(file, 2, static_cast<std::uint32_t>(file.size()));
  SetInt32(file, 10, static_cast<std::uint32_t>(kBmpFileHeaderBytes + pixels));
  if (!dib.empty()) std::memcpy(file.data() + kBmpFileHeaderBytes, dib.data(), dib.size());
  return file;
}

bool ReadBmpFile(std::span<const std::uint8_t> file, std::vector<std::uint8_t>& dib, std::string& error) {
  if (file.size() < kBmpFileHeaderBytes + kBitmapInfoHeaderBytes || file[0] != 'B' || file[1] != 'M') {
    error = "not a BMP file";
    return false;
  }
  const auto pixels_at = static_cast<std::uint32_t>(ReadInt32(file, 10));
  const auto header_bytes = static_cast<std::uint32_t>(ReadInt32(file, kBmpFileHeaderBytes));
  if (header_bytes < kBitmapInfoHeaderBytes || kBmpFileHeaderBytes + std::uint64_t{header_bytes} > file.size()) {
    error = "the BMP header size " + std::to_string(header_bytes) + " is not valid";
    return false;
  }
  const auto compression = static_cast<std::uint32_t>(ReadInt32(file, kBmpFileHeaderBytes + 16));
  const std::uint16_t bit_count = ReadUint16(file, kBmpFileHeaderBytes + 14);
  std::uint64_t palette = static_cast<std::uint32_t>(ReadInt32(file, kBmpFileHeaderBytes + 32));
  if (palette == 0 && bit_count <= 8) palette = 1u << bit_count;

  // The 40-byte header, then the masks (the larger header versions keep
  // them in the same place), the palette and the pixels.
  std::vector<std::uint8_t> out(file.begin() + kBmpFileHeaderBytes,
                                file.begin() + kBmpFileHeaderBytes + kBitmapInfoHeaderBytes);
  SetInt32(out, 0, kBitmapInfoHeaderBytes);
  std::uint64_t next = kBmpFileHeaderBytes + std::uint64_t{header_bytes};
  auto append = [&](std::uint64_t from, std::uint64_t count, const char* what) {
    if (from + count > file.size()) {
      error = std::string("the BMP ") + what + " is missing";
      return false;
    }
    out.insert(out.end(), file.begin() + static_cast<std::ptrdiff_t>(from),
               file.begin() + static_cast<std::ptrdiff_t>(from + count));
    return true;
  };
  if (compression == kBiBitfields) {
    const bool in_header = header_bytes >= kBitmapInfoHeaderBytes + 12;
    if (!append(in_header ? kBmpFileHeaderBytes + kBitmapInfoHeaderBytes : next, 12, "colour masks")) return false;
    if (!in_header) next += 12;
  }
  if (!append(next, palette * 4, "palette")) return false;
  next += palette * 4;
  if (pixels_at < next || pixels_at > file.size()) {
    error = "the BMP pixel offset " + std::to_string(pixels_at) + " is not valid";
    return false;
  }
  out.insert(out.end(), file.begin() + pixels_at, file.end());
  SkinBitmapLayout layout;
  if (!ParseSkinBitmap(out, 0, layout, error)) return false;
  dib = std::move(out);
  return true;
}

}  // namespace tebix::tbx
