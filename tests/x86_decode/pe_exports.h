// Reads the export table of a 32-bit PE file from its bytes, without loading it:
// for every exported function the file bytes from its entry to the end of its section.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tebix::testing {

struct ExportedCode {
  std::string name;
  uint32_t address = 0;            // preferred load address of the entry (image base + RVA)
  const uint8_t* bytes = nullptr;  // points into the image buffer
  size_t available = 0;            // bytes from the entry to the end of its section's raw data
};

struct PeImage {
  std::vector<uint8_t> data;
  std::vector<ExportedCode> exports;  // functions in executable sections; forwarders left out
  std::string error;                  // why the file could not be read (empty on success)
};

// Loads `path` and collects its exported functions. Malformed files give an error, never a crash.
PeImage ReadExports(const std::string& path);

}  // namespace tebix::testing
