// make_samples [--force] DIR: writes the sample SHARED.BIN and VDKX_418.06
// into DIR and prints their paths and fingerprints. Game files already in DIR
// are left alone unless --force is given, so real files copied from a disc
// cannot be overwritten by mistake.
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "tools/samples/sample_files.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: make_samples [--force] DIR\n"
               "Writes sample %s and %s into DIR (created if missing).\n"
               "--force replaces game files of those names that are already there.\n",
               vdk::samples::kSharedBinName, vdk::samples::kExeName);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool force = false;
  std::string folder;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--force") {
      force = true;
    } else if (arg.empty() || arg[0] == '-' || !folder.empty()) {
      return Usage();
    } else {
      folder = arg;
    }
  }
  if (folder.empty()) return Usage();

  namespace fs = std::filesystem;
  using namespace vdk::samples;
  if (!force) {
    for (const char* name : {kSharedBinName, kExeName}) {
      std::error_code ec;
      const fs::path existing = fs::path(folder) / name;
      if (fs::exists(existing, ec)) {
        std::fprintf(stderr, "make_samples: %s already exists; nothing written (use --force to replace it)\n",
                     existing.string().c_str());
        return 1;
      }
    }
  }

  WrittenPaths written;
  std::string error;
  if (!WriteSampleFiles(folder, written, error)) {
    std::fprintf(stderr, "make_samples: %s\n", error.c_str());
    return 1;
  }
  const SampleFiles files = MakeSampleFiles();
  std::printf("%s  %zu bytes  fingerprint %016" PRIX64 "\n", written.sharedBin.string().c_str(),
              files.sharedBin.size(), Fingerprint(files.sharedBin));
  std::printf("%s  %zu bytes  fingerprint %016" PRIX64 "\n", written.exe.string().c_str(), files.exe.size(),
              Fingerprint(files.exe));
  return 0;
}
