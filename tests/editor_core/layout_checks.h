// Checks every editor layout must pass, and sample files on disk for them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "editor/editors/core/record_editor.h"
#include "tests/shell/temp_dir.h"
#include "tools/samples/sample_files.h"

namespace vdk::editors::checks {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ReadBytes(const std::filesystem::path& p) {
  Bytes bytes(static_cast<std::size_t>(std::filesystem::file_size(p)));
  std::ifstream(p, std::ios::binary)
      .read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

// A SHARED.BIN on disk: the sample file, or random bytes of the same size.
class GameFolder {
 public:
  GameFolder() {
    const Bytes bytes = samples::MakeSampleFiles().sharedBin;
    path_ = dir_.write(samples::kSharedBinName, std::string(bytes.begin(), bytes.end()));
  }
  explicit GameFolder(unsigned seed) {
    std::mt19937 rng(seed);
    std::string bytes(samples::kSharedBinSize, '\0');
    for (char& c : bytes) c = static_cast<char>(rng() & 0xFF);
    path_ = dir_.write(samples::kSharedBinName, bytes);
  }
  const std::filesystem::path& sharedBin() const { return path_; }
  Bytes bytes() const { return ReadBytes(path_); }

 private:
  testing::TempDir dir_;
  std::filesystem::path path_;
};

// The bits of record bytes a field covers.
inline std::vector<std::uint8_t> FieldMask(const Field& f, std::size_t recordSize) {
  std::vector<std::uint8_t> mask(recordSize, 0);
  for (int bit = f.shift; bit < f.shift + f.bitCount(); ++bit)
    mask[static_cast<std::size_t>(f.offset + bit / 8)] |= static_cast<std::uint8_t>(1u << (bit % 8));
  return mask;
}

// Changes a field's entry to another valid one (as a user would).
inline void ChangeEntry(const Field& f, ControlValue& v) {
  const std::uint64_t max = f.bitCount() >= 32 ? 0xFFFFFFFFull : (1ull << f.bitCount()) - 1;
  switch (f.codec.shown) {
    case Shown::Decimal:
    case Shown::Signed: {
      std::int64_t n = std::stoll(v.text);
      if (n < 0) n += std::int64_t{1} << f.bitCount();
      v.text = std::to_string(static_cast<std::uint64_t>(n) == max ? 0 : n + 1);
      break;
    }
    case Shown::Hex: {
      // The high digit of the last byte: in a packed word that is the top
      // of the word, which no bit field shows.
      char& digit = v.text[v.text.size() - 2];
      digit = digit == '7' ? '8' : '7';
      break;
    }
    case Shown::Octal:
    case Shown::Binary:
      v.text.back() = v.text.back() == '1' ? '0' : '1';
      break;
    case Shown::List:
      v.selection = v.selection == 1 ? 2 : 1;
      break;
    case Shown::Check:
      v.checked = !v.checked;
      break;
    case Shown::Options:
      v.selection = v.selection == 0 ? 1 : 0;
      break;
  }
}

// Shows and writes back every record unchanged: the file stays byte-identical.
inline void ExpectUnchangedWritesKeepFile(const std::filesystem::path& file, const RecordLayout& layout) {
  const Bytes before = ReadBytes(file);
  for (std::uint32_t n = 0; n < layout.recordCount; ++n) {
    FormValues v = ShowRecord(file, layout, n);
    std::vector<FieldError> errors = WriteRecord(file, layout, n, v);
    ASSERT_TRUE(errors.empty()) << "record " << n << ": " << errors[0].control;
  }
  ASSERT_TRUE(ReadBytes(file) == before);
}

// For each written field of `record`: changing only that entry and writing
// changes bits inside that field only, and the file elsewhere not at all.
inline void ExpectEachFieldWritesOnlyItsBits(const std::filesystem::path& file, const RecordLayout& layout,
                                             std::uint32_t record) {
  const std::size_t start = static_cast<std::size_t>(layout.offsetOf(record));
  for (const Field& f : layout.fields) {
    if (!f.written) continue;
    const Bytes before = ReadBytes(file);
    FormValues v = ShowRecord(file, layout, record);
    ChangeEntry(f, v[f.control]);
    ASSERT_TRUE(WriteRecord(file, layout, record, v).empty()) << f.control;
    const Bytes after = ReadBytes(file);
    const std::vector<std::uint8_t> mask = FieldMask(f, layout.recordSize);
    ASSERT_EQ(after.size(), before.size());
    ASSERT_TRUE(
        std::equal(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(start), after.begin()));
    const std::size_t end = start + layout.recordSize;
    ASSERT_TRUE(std::equal(before.begin() + static_cast<std::ptrdiff_t>(end), before.end(),
                           after.begin() + static_cast<std::ptrdiff_t>(end)));
    bool changed = false;
    for (std::size_t i = start; i < end; ++i) {
      const std::uint8_t diff = before[i] ^ after[i];
      ASSERT_EQ(diff & ~mask[i - start], 0) << f.control << " changed record byte " << i - start;
      changed = changed || diff != 0;
    }
    EXPECT_TRUE(changed) << f.control << " wrote nothing";
  }
}

}  // namespace vdk::editors::checks
