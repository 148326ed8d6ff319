// The shared core of the record editors. An editor is described as data: a
// RecordLayout lists the fields of one record (where each sits, how wide it
// is, which control shows it and how its value turns into text, a list
// choice or a check mark). Showing a record decodes every field into
// FormValues; writing encodes them back, checking every entry before the
// first byte goes to the file. The dialogs only copy FormValues to and from
// their controls, so everything here runs (and is tested) without a window.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vdk::editors {

// The texts of a list choice, in item order.
using ItemList = std::vector<const wchar_t*>;

// What one control holds. Text boxes use `text`; lists, combo boxes and
// groups of option buttons use `selection`; check boxes use `checked`.
struct ControlValue {
  std::string text{};
  int selection = -1;  // -1: nothing selected
  // A stored value that has no item in its list. It is shown as one extra
  // item after the list's own (its index is the list's item count) and is
  // written back unchanged while that item stays selected.
  std::optional<std::uint32_t> extra{};
  bool checked = false;
};

// The controls of a form by control name ("Text1", "Combo1(0)", "Check2(7)").
using FormValues = std::map<std::string, ControlValue>;

// How a field's stored number is shown.
enum class Shown {
  Decimal,  // unsigned decimal text
  Signed,   // decimal; stored values above `signedAbove` show as value - 2^bits
  Hex,      // the field's bytes as hex digits in file order (two a byte)
  Octal,    // up to `digits` octal digits; fewer are padded with zeros
  Binary,   // up to `digits` binary digits; fewer are padded with zeros
  List,     // list item: item = value, except for `specials`
  Check,    // a one-bit field as a check box
  Options,  // option buttons: button k stands for the value options[k]
};
// A stored value without an item of its own (beyond the list, or the index
// of an item that a special has taken over, such as 3559 when that item
// stands for 0xFFFF) is shown as the extra item and kept while it stays
// selected. A value that is none of an option group's values selects no
// button and is kept while none is chosen; a list or group with nothing
// selected and nothing kept is not written.

// A list item that stands for a stored value other than its own index
// (the last weapon name for 0xFFFF, "PILOT" for 0xFF).
struct Special {
  std::uint32_t value;
  int item;
};

struct Codec {
  Shown shown = Shown::Decimal;
  std::uint32_t signedAbove = 0;         // Signed
  int digits = 0;                        // Octal, Binary
  int itemCount = 0;                     // List
  std::vector<Special> specials{};       // List
  std::vector<std::uint32_t> options{};  // Options
};

// One shown field. Multi-byte numbers are little-endian. A field with `bits`
// set is the bit range [shift, shift + bits) of the number at `offset`;
// several such fields can share one word, and a Hex field over the whole
// word carries the bits that no other field shows.
struct Field {
  std::string control{};
  std::wstring label{};  // how messages name the field
  int offset = 0;        // byte offset within the record
  int width = 1;         // bytes, 1 to 4
  Codec codec{};
  int shift = 0;
  int bits = 0;         // 0: the whole number
  bool written = true;  // false: shown only, never written

  int bitCount() const { return bits ? bits : 8 * width; }
};

// A table of fixed-size records in a game file.
struct RecordLayout {
  std::uint32_t tableOffset = 0;  // 0-based byte offset of record 0
  std::uint32_t recordSize = 0;
  std::uint32_t recordCount = 0;
  std::vector<Field> fields{};  // applied in this order when writing

  std::uint64_t offsetOf(std::uint32_t record) const {
    return tableOffset + static_cast<std::uint64_t>(recordSize) * record;
  }
};

// An entry that cannot be converted: the control and a message naming the
// field and what it accepts.
struct FieldError {
  std::string control{};
  std::wstring message{};
};

// One record of one table, for operations that span several (a pilot and
// its skill-growth rows).
struct RecordRef {
  const RecordLayout* layout;
  std::uint32_t record;
};

// --- Describing fields ----------------------------------------------------

Codec DecimalCodec();
Codec SignedCodec(std::uint32_t signedAbove);
Codec HexCodec();
Codec OctalCodec(int digits);
Codec BinaryCodec(int digits);
Codec ListCodec(int itemCount, std::vector<Special> specials = {});
Codec CheckCodec();
Codec OptionsCodec(std::vector<std::uint32_t> options);

// Eight check boxes `array`(0) to `array`(7) over the byte at `offset`: box k
// shows bit 7 - k. `labels` name the boxes by bit (bit 0 first).
std::vector<Field> CheckBoxByte(const std::string& array, int offset, const ItemList& labels);

// "Name(index)": the control name of an element of a control array.
std::string Element(const std::string& array, int index);

// Appending to a layout, in write order: a whole number of `width` bytes at
// `offset`; the bit range [shift, shift + bits) of such a number; ready-made
// fields (check-box bytes).
void AddField(RecordLayout& layout, std::string control, std::wstring label, int offset, int width,
              Codec codec);
void AddBitField(RecordLayout& layout, std::string control, std::wstring label, int offset, int width,
                 int shift, int bits, Codec codec);
void AddFields(RecordLayout& layout, std::vector<Field> fields);

// Number of items of a list, for ListCodec.
int ItemCount(const ItemList& items);

// --- Showing and writing --------------------------------------------------

// Pure conversions between a record's bytes and the form's values.
void DecodeRecord(const RecordLayout& layout, std::span<const std::uint8_t> record, FormValues& values);
// Encodes every written field into `record` (which holds the record as it
// is in the file) and marks the bytes to write in `touched`. Returns the
// errors; on error `record` may be partly changed and must not be written.
std::vector<FieldError> EncodeRecord(const RecordLayout& layout, const FormValues& values,
                                     std::span<std::uint8_t> record, std::vector<bool>& touched);

// Opens the game file, reads the records and closes it. Throws GameFileError
// when the file cannot be opened or is too short.
FormValues ShowRecords(const std::filesystem::path& file, std::span<const RecordRef> records);
FormValues ShowRecord(const std::filesystem::path& file, const RecordLayout& layout, std::uint32_t record);

// Opens the game file, checks every entry of every record, and only when all
// are valid writes the bytes of the written fields; then closes the file.
// Returns the errors (nothing written when there are any). On success the
// values are updated to what was written where the form shows it differently
// (Hex words recomposed from their bit fields, negative entries as stored).
std::vector<FieldError> WriteRecords(const std::filesystem::path& file, std::span<const RecordRef> records,
                                     FormValues& values);
std::vector<FieldError> WriteRecord(const std::filesystem::path& file, const RecordLayout& layout,
                                    std::uint32_t record, FormValues& values);

// --- Single fields -----------------------------------------------------------

// The stored number of a field in a record (its bit range when it has one).
std::uint32_t FieldValue(const Field& field, std::span<const std::uint8_t> record);

// The number a field's entry stands for. Returns nothing when the entry is
// not to be written (a list or option group without a selection, a field
// that is shown only) and when it cannot be converted; in the latter case
// the error is appended to `errors`.
std::optional<std::uint32_t> StoredValue(const Field& field, const FormValues& values,
                                         std::vector<FieldError>& errors);

// Text of the extra list item for a stored value without an item.
std::wstring ExtraItemText(std::uint32_t value);

// All messages of a failed write, one a line.
std::wstring JoinMessages(const std::vector<FieldError>& errors);

}  // namespace vdk::editors
