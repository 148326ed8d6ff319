// Game files for the editor tests: the sample files or random bytes, written
// into a scratch folder, with cheap reads of a byte range.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "tests/shell/temp_dir.h"
#include "tools/samples/sample_files.h"

namespace vdk::testing {

using Bytes = std::vector<std::uint8_t>;

// The sample files, built once per test program.
inline const samples::SampleFiles& Samples() {
  static const samples::SampleFiles files = samples::MakeSampleFiles();
  return files;
}

inline Bytes RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
  return bytes;
}

class GameImage {
 public:
  GameImage(const std::string& name, Bytes bytes) : original_(std::move(bytes)) {
    path_ = dir_.write(name, std::string(original_.begin(), original_.end()));
  }
  const std::filesystem::path& path() const { return path_; }
  const Bytes& original() const { return original_; }

  Bytes now() const {
    std::string s = TempDir::read(path_);
    return Bytes(s.begin(), s.end());
  }
  Bytes at(std::uint64_t offset, std::size_t count) const {
    std::ifstream in(path_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    Bytes bytes(count);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
  }

 private:
  TempDir dir_;
  std::filesystem::path path_;
  Bytes original_;
};

}  // namespace vdk::testing
