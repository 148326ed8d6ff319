// Game files for the tests of this suite: the sample SHARED.BIN, files of
// random bytes, and a look at what a write changed.
#pragma once

#include <cstdint>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "editor/editors/core/record_editor.h"
#include "tests/shell/temp_dir.h"
#include "tools/samples/sample_files.h"

namespace vdk::editors::testing {

// The sample SHARED.BIN, built once.
inline const std::string& SampleSharedBin() {
  static const std::string bytes = [] {
    const auto files = samples::MakeSampleFiles();
    return std::string(files.sharedBin.begin(), files.sharedBin.end());
  }();
  return bytes;
}

// Random bytes over the table and a little around it, zeros before that.
inline std::string RandomFileFor(const RecordLayout& layout, unsigned seed) {
  std::mt19937 rng(seed);
  std::string bytes(layout.offsetOf(layout.recordCount) + 7, '\0');
  for (std::size_t i = layout.tableOffset >= 64 ? layout.tableOffset - 64 : 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<char>(rng() & 0xFF);
  return bytes;
}

// A game file in a scratch folder. The checks look at the stretch around one
// table, which keeps them quick on a file of more than a megabyte.
class GameFileCopy {
 public:
  GameFileCopy(std::string bytes, const RecordLayout& layout)
      : path_(dir_.write("SHARED.BIN", bytes)), original_(std::move(bytes)) {
    const std::uint64_t end = layout.offsetOf(layout.recordCount);
    from_ = layout.tableOffset >= 64 ? layout.tableOffset - 64 : 0;
    length_ = std::min<std::uint64_t>(end + 64, original_.size()) - from_;
  }
  const std::filesystem::path& path() const { return path_; }

  std::string read(std::uint64_t offset, std::size_t count) const {
    std::ifstream in(path_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    std::string bytes(count, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
  }
  std::uint8_t byteAt(std::uint64_t offset) const { return static_cast<std::uint8_t>(read(offset, 1).at(0)); }

  // 0-based offsets around the table at which the file differs from its
  // original; a changed file size counts as a change at the old end.
  std::vector<std::size_t> changedOffsets() const {
    std::vector<std::size_t> changed;
    const std::string now = read(from_, static_cast<std::size_t>(length_));
    for (std::size_t i = 0; i < now.size(); ++i)
      if (now[i] != original_[static_cast<std::size_t>(from_) + i])
        changed.push_back(static_cast<std::size_t>(from_) + i);
    if (std::filesystem::file_size(path_) != original_.size()) changed.push_back(original_.size());
    return changed;
  }

  // Puts the stretch around the table back as it was.
  void restore() const {
    std::fstream out(path_, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(static_cast<std::streamoff>(from_));
    out.write(original_.data() + from_, static_cast<std::streamsize>(length_));
  }

 private:
  vdk::testing::TempDir dir_;
  std::filesystem::path path_;
  std::string original_;
  std::uint64_t from_ = 0, length_ = 0;
};

}  // namespace vdk::editors::testing
