#include "editor/editors/core/record_editor.h"

#include <algorithm>
#include <stdexcept>

#include "editor/editors/core/journal.h"
#include "editor/game_file.h"

namespace vdk::editors {

namespace {

std::uint32_t Mask(int bits) {
  return bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1u;
}

std::uint32_t ReadNumber(std::span<const std::uint8_t> record, int offset, int width) {
  std::uint32_t n = 0;
  for (int i = width - 1; i >= 0; --i) n = (n << 8) | record[static_cast<std::size_t>(offset + i)];
  return n;
}

void WriteNumber(std::span<std::uint8_t> record, int offset, int width, std::uint32_t n,
                 std::vector<bool>& touched) {
  for (int i = 0; i < width; ++i) {
    auto at = static_cast<std::size_t>(offset + i);
    record[at] = static_cast<std::uint8_t>(n >> (8 * i));
    touched[at] = true;
  }
}

void CheckField(const Field& field, std::size_t recordSize) {
  if (field.width < 1 || field.width > 4 || field.offset < 0 ||
      static_cast<std::size_t>(field.offset + field.width) > recordSize || field.shift < 0 ||
      field.bits < 0 || field.shift + field.bitCount() > 8 * field.width)
    throw std::logic_error("field " + field.control + " does not fit its record");
}

std::string Digits(std::uint32_t n, int base, int minDigits) {
  static constexpr char kAlphabet[] = "0123456789ABCDEF";
  std::string text;
  do {
    text.insert(text.begin(), kAlphabet[n % static_cast<std::uint32_t>(base)]);
    n /= static_cast<std::uint32_t>(base);
  } while (n != 0);
  if (static_cast<int>(text.size()) < minDigits)
    text.insert(0, static_cast<std::size_t>(minDigits) - text.size(), '0');
  return text;
}

std::string HexBytes(std::span<const std::uint8_t> record, int offset, int width) {
  std::string text;
  for (int i = 0; i < width; ++i) text += Digits(record[static_cast<std::size_t>(offset + i)], 16, 2);
  return text;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

int DigitIn(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9')
    v = c - '0';
  else if (c >= 'A' && c <= 'F')
    v = c - 'A' + 10;
  else if (c >= 'a' && c <= 'f')
    v = c - 'a' + 10;
  return v < base ? v : -1;
}

// Whole number in `base`; false when a character is not a digit of the base
// or the value exceeds `limit`.
bool ParseDigits(std::string_view text, int base, std::uint64_t limit, std::uint64_t& value) {
  if (text.empty()) return false;
  value = 0;
  for (char c : text) {
    int d = DigitIn(c, base);
    if (d < 0) return false;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
    if (value > limit) return false;
  }
  return true;
}

std::wstring Widen(std::string_view ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

std::wstring Name(const Field& field) {
  return L"“" + (field.label.empty() ? Widen(field.control) : field.label) + L"”";
}

void Fail(const Field& field, std::vector<FieldError>& errors, const std::wstring& accepted) {
  errors.push_back({field.control, Name(field) + L"须为" + accepted + L"。"});
}

int ItemOf(const Codec& codec, std::uint32_t value) {
  for (const Special& s : codec.specials)
    if (s.value == value) return s.item;
  if (value >= static_cast<std::uint32_t>(codec.itemCount)) return -1;
  for (const Special& s : codec.specials)
    if (static_cast<std::uint32_t>(s.item) == value) return -1;  // that item stands for another value
  return static_cast<int>(value);
}

std::uint32_t ValueOfItem(const Codec& codec, int item) {
  for (const Special& s : codec.specials)
    if (s.item == item) return s.value;
  return static_cast<std::uint32_t>(item);
}

const ControlValue* Find(const FormValues& values, const std::string& control) {
  auto it = values.find(control);
  return it == values.end() ? nullptr : &it->second;
}

void ShowField(const Field& field, std::span<const std::uint8_t> record, FormValues& values) {
  ControlValue& shown = values[field.control];
  const Codec& codec = field.codec;
  std::uint32_t v = FieldValue(field, record);
  shown.extra.reset();
  switch (codec.shown) {
    case Shown::Decimal:
      shown.text = std::to_string(v);
      break;
    case Shown::Signed: {
      std::int64_t n = v;
      if (v > codec.signedAbove) n -= std::int64_t{1} << field.bitCount();
      shown.text = std::to_string(n);
      break;
    }
    case Shown::Hex:
      shown.text = HexBytes(record, field.offset, field.width);
      break;
    case Shown::Octal:
      shown.text = Digits(v, 8, codec.digits);
      break;
    case Shown::Binary:
      shown.text = Digits(v, 2, codec.digits);
      break;
    case Shown::List:
      shown.selection = ItemOf(codec, v);
      if (shown.selection < 0) {
        shown.selection = codec.itemCount;
        shown.extra = v;
      }
      break;
    case Shown::Check:
      shown.checked = v != 0;
      break;
    case Shown::Options: {
      auto it = std::find(codec.options.begin(), codec.options.end(), v);
      shown.selection = it == codec.options.end() ? -1 : static_cast<int>(it - codec.options.begin());
      if (shown.selection < 0) shown.extra = v;
      break;
    }
  }
}

// After a write: texts as the file now holds them (hex words recomposed,
// negative entries as stored, digits padded).
void RefreshText(const Field& field, std::span<const std::uint8_t> record, FormValues& values) {
  switch (field.codec.shown) {
    case Shown::Decimal:
    case Shown::Signed:
      values[field.control].text = std::to_string(FieldValue(field, record));
      break;
    case Shown::Hex:
    case Shown::Octal:
    case Shown::Binary:
      ShowField(field, record, values);
      break;
    default:
      break;
  }
}

std::uint64_t RequiredEnd(std::span<const RecordRef> records) {
  std::uint64_t end = 0;
  for (const RecordRef& ref : records) {
    if (ref.record >= ref.layout->recordCount)
      throw std::out_of_range("record " + std::to_string(ref.record) + " is beyond its table");
    end = std::max(end, ref.layout->offsetOf(ref.record) + ref.layout->recordSize);
  }
  return end;
}

std::vector<std::uint8_t> ReadBytes(GameFile& file, std::uint64_t offset, std::uint32_t count) {
  file.FileCursor = static_cast<std::int32_t>(offset + 1);
  std::vector<std::uint8_t> bytes(count);
  for (auto& b : bytes) b = file.readByte();
  return bytes;
}

}  // namespace

Codec DecimalCodec() {
  return {};
}
Codec SignedCodec(std::uint32_t signedAbove) {
  Codec c;
  c.shown = Shown::Signed;
  c.signedAbove = signedAbove;
  return c;
}
Codec HexCodec() {
  Codec c;
  c.shown = Shown::Hex;
  return c;
}
Codec OctalCodec(int digits) {
  Codec c;
  c.shown = Shown::Octal;
  c.digits = digits;
  return c;
}
Codec BinaryCodec(int digits) {
  Codec c;
  c.shown = Shown::Binary;
  c.digits = digits;
  return c;
}
Codec ListCodec(int itemCount, std::vector<Special> specials) {
  Codec c;
  c.shown = Shown::List;
  c.itemCount = itemCount;
  c.specials = std::move(specials);
  return c;
}
Codec CheckCodec() {
  Codec c;
  c.shown = Shown::Check;
  return c;
}
Codec OptionsCodec(std::vector<std::uint32_t> options) {
  Codec c;
  c.shown = Shown::Options;
  c.options = std::move(options);
  return c;
}

std::string Element(const std::string& array, int index) {
  return array + "(" + std::to_string(index) + ")";
}

std::vector<Field> CheckBoxByte(const std::string& array, int offset, const ItemList& labels) {
  std::vector<Field> fields;
  for (int k = 0; k < 8; ++k) {
    int bit = 7 - k;
    Field f;
    f.control = Element(array, k);
    f.label = static_cast<std::size_t>(bit) < labels.size() ? labels[static_cast<std::size_t>(bit)] : L"";
    f.offset = offset;
    f.width = 1;
    f.codec = CheckCodec();
    f.shift = bit;
    f.bits = 1;
    fields.push_back(std::move(f));
  }
  return fields;
}

void AddField(RecordLayout& layout, std::string control, std::wstring label, int offset, int width,
              Codec codec) {
  AddBitField(layout, std::move(control), std::move(label), offset, width, 0, 0, std::move(codec));
}

void AddBitField(RecordLayout& layout, std::string control, std::wstring label, int offset, int width,
                 int shift, int bits, Codec codec) {
  layout.fields.push_back({.control = std::move(control),
                           .label = std::move(label),
                           .offset = offset,
                           .width = width,
                           .codec = std::move(codec),
                           .shift = shift,
                           .bits = bits});
}

void AddFields(RecordLayout& layout, std::vector<Field> fields) {
  for (Field& f : fields) layout.fields.push_back(std::move(f));
}

int ItemCount(const ItemList& items) {
  return static_cast<int>(items.size());
}

std::uint32_t FieldValue(const Field& field, std::span<const std::uint8_t> record) {
  CheckField(field, record.size());
  return (ReadNumber(record, field.offset, field.width) >> field.shift) & Mask(field.bitCount());
}

std::optional<std::uint32_t> StoredValue(const Field& field, const FormValues& values,
                                         std::vector<FieldError>& errors) {
  if (!field.written) return std::nullopt;
  const ControlValue* entry = Find(values, field.control);
  if (!entry) {
    errors.push_back({field.control, Name(field) + L"没有值。"});
    return std::nullopt;
  }
  const Codec& codec = field.codec;
  const int bits = field.bitCount();
  const std::uint64_t max = Mask(bits);
  std::string_view text = Trim(entry->text);
  std::uint64_t v = 0;
  switch (codec.shown) {
    case Shown::Decimal:
      if (!ParseDigits(text, 10, max, v)) {
        Fail(field, errors, L" 0 到 " + std::to_wstring(max) + L" 之间的整数");
        return std::nullopt;
      }
      return static_cast<std::uint32_t>(v);
    case Shown::Signed: {
      const std::int64_t low = static_cast<std::int64_t>(codec.signedAbove) + 1 - (std::int64_t{1} << bits);
      bool negative = !text.empty() && text.front() == '-';
      std::string_view digits = negative ? text.substr(1) : text;
      bool ok = ParseDigits(digits, 10, max + (std::uint64_t{1} << bits), v);
      std::int64_t n = negative ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v);
      if (!ok || n < low || n > static_cast<std::int64_t>(max)) {
        Fail(field, errors, L" " + std::to_wstring(low) + L" 到 " + std::to_wstring(max) + L" 之间的整数");
        return std::nullopt;
      }
      if (n < 0) n += std::int64_t{1} << bits;
      return static_cast<std::uint32_t>(n);
    }
    case Shown::Hex: {
      std::uint64_t n = 0;
      if (text.size() != static_cast<std::size_t>(2 * field.width) ||
          !ParseDigits(text, 16, 0xFFFFFFFFu, n)) {
        Fail(field, errors, L" " + std::to_wstring(2 * field.width) + L" 位十六进制数字（0-9、A-F）");
        return std::nullopt;
      }
      // The text holds the bytes in file order; the value is their
      // little-endian number.
      std::uint32_t value = 0;
      for (int i = 0; i < field.width; ++i)
        value |= static_cast<std::uint32_t>((n >> (8 * (field.width - 1 - i))) & 0xFF) << (8 * i);
      return (value >> field.shift) & Mask(bits);
    }
    case Shown::Octal:
    case Shown::Binary: {
      int base = codec.shown == Shown::Octal ? 8 : 2;
      if (text.size() > static_cast<std::size_t>(codec.digits) || !ParseDigits(text, base, max, v)) {
        Fail(field, errors,
             L" 1 到 " + std::to_wstring(codec.digits) +
                 (base == 8 ? L" 位八进制数字（0-7）" : L" 位二进制数字（0 或 1）"));
        return std::nullopt;
      }
      return static_cast<std::uint32_t>(v);
    }
    case Shown::List: {
      int s = entry->selection;
      if (s < 0) return std::nullopt;
      if (s == codec.itemCount && entry->extra) return *entry->extra & Mask(bits);
      if (s >= codec.itemCount) {
        errors.push_back({field.control, Name(field) + L"的选择无效。"});
        return std::nullopt;
      }
      std::uint32_t value = ValueOfItem(codec, s);
      if (value > max) {
        errors.push_back({field.control, Name(field) + L"的选择超出该字段的范围。"});
        return std::nullopt;
      }
      return value;
    }
    case Shown::Check:
      return entry->checked ? 1u : 0u;
    case Shown::Options: {
      int s = entry->selection;
      if (s >= 0 && static_cast<std::size_t>(s) < codec.options.size())
        return codec.options[static_cast<std::size_t>(s)];
      if (s < 0 && entry->extra) return *entry->extra & Mask(bits);
      return std::nullopt;
    }
  }
  return std::nullopt;
}

void DecodeRecord(const RecordLayout& layout, std::span<const std::uint8_t> record, FormValues& values) {
  for (const Field& field : layout.fields) ShowField(field, record, values);
}

std::vector<FieldError> EncodeRecord(const RecordLayout& layout, const FormValues& values,
                                     std::span<std::uint8_t> record, std::vector<bool>& touched) {
  std::vector<FieldError> errors;
  touched.assign(record.size(), false);
  for (const Field& field : layout.fields) {
    CheckField(field, record.size());
    std::optional<std::uint32_t> v = StoredValue(field, values, errors);
    if (!v) continue;
    std::uint32_t mask = Mask(field.bitCount()) << field.shift;
    std::uint32_t n = ReadNumber(record, field.offset, field.width);
    n = (n & ~mask) | ((*v << field.shift) & mask);
    WriteNumber(record, field.offset, field.width, n, touched);
  }
  return errors;
}

FormValues ShowRecords(const std::filesystem::path& file, std::span<const RecordRef> records) {
  FormValues values;
  GameFile game(file, RequiredEnd(records));
  for (const RecordRef& ref : records) {
    std::vector<std::uint8_t> bytes =
        ReadBytes(game, ref.layout->offsetOf(ref.record), ref.layout->recordSize);
    DecodeRecord(*ref.layout, bytes, values);
  }
  game.close();
  return values;
}

FormValues ShowRecord(const std::filesystem::path& file, const RecordLayout& layout, std::uint32_t record) {
  RecordRef ref{&layout, record};
  return ShowRecords(file, std::span<const RecordRef>(&ref, 1));
}

std::vector<FieldError> WriteRecords(const std::filesystem::path& file, std::span<const RecordRef> records,
                                     FormValues& values) {
  GameFile game(file, RequiredEnd(records));
  std::vector<std::vector<std::uint8_t>> bytes, original;
  std::vector<std::vector<bool>> touched(records.size());
  std::vector<FieldError> errors;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const RecordRef& ref = records[i];
    bytes.push_back(ReadBytes(game, ref.layout->offsetOf(ref.record), ref.layout->recordSize));
    original.push_back(bytes.back());
    std::vector<FieldError> found = EncodeRecord(*ref.layout, values, bytes.back(), touched[i]);
    errors.insert(errors.end(), found.begin(), found.end());
  }
  if (!errors.empty()) return errors;  // nothing written; the file closes unchanged

  // Only bytes that change are written, each write journaled first.
  std::vector<journal::Change> changes;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::uint64_t start = records[i].layout->offsetOf(records[i].record);
    std::vector<std::uint8_t> after = original[i];
    for (std::size_t at = 0; at < bytes[i].size(); ++at)
      if (touched[i][at]) after[at] = bytes[i][at];
    for (journal::Change& c : journal::Differences(start, original[i], after)) changes.push_back(std::move(c));
  }
  journal::WriteJournaled(game, changes);
  game.close();
  for (std::size_t i = 0; i < records.size(); ++i)
    for (const Field& field : records[i].layout->fields)
      if (field.written) RefreshText(field, bytes[i], values);
  return errors;
}

std::vector<FieldError> WriteRecord(const std::filesystem::path& file, const RecordLayout& layout,
                                    std::uint32_t record, FormValues& values) {
  RecordRef ref{&layout, record};
  return WriteRecords(file, std::span<const RecordRef>(&ref, 1), values);
}

std::wstring ExtraItemText(std::uint32_t value) {
  return L"未列出的值 " + std::to_wstring(value) + L" (0x" + Widen(Digits(value, 16, 2)) + L")";
}

std::wstring JoinMessages(const std::vector<FieldError>& errors) {
  std::wstring text;
  for (const FieldError& e : errors) {
    if (!text.empty()) text += L"\r\n";
    text += e.message;
  }
  return text;
}

}  // namespace vdk::editors
