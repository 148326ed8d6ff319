// Synthetic game files for users without the disc and for every test: a
// SHARED.BIN and a VDKX_418.06 whose tables hold plausible records and whose
// other bytes are random filler. The output depends on nothing but the code:
// every build writes the same bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/samples/layout.h"
#include "tools/samples/notable.h"

namespace vdk::samples {

inline constexpr char kSharedBinName[] = "SHARED.BIN";
inline constexpr char kExeName[] = "VDKX_418.06";

struct SampleFiles {
  std::vector<std::uint8_t> sharedBin;  // kSharedBinSize bytes
  std::vector<std::uint8_t> exe;        // kExeSize bytes
};

// Builds both files in memory.
SampleFiles MakeSampleFiles();

struct WrittenPaths {
  std::filesystem::path sharedBin;
  std::filesystem::path exe;
};

// Writes SHARED.BIN and VDKX_418.06 into `folder`, creating the folder if it
// does not exist (existing files of those names are replaced). On failure
// returns false and puts a message naming the path into `error`.
bool WriteSampleFiles(const std::filesystem::path& folder, WrittenPaths& written, std::string& error);

// FNV-1a of a byte block, to compare outputs of different builds at a glance.
std::uint64_t Fingerprint(const std::vector<std::uint8_t>& bytes);

}  // namespace vdk::samples
