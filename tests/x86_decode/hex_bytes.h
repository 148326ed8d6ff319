// Instruction bytes written as hexadecimal text ("8B FF 55") in the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tebix::x86::testing {

inline std::vector<uint8_t> Bytes(const std::string& hex) {
  std::vector<uint8_t> out;
  for (size_t i = 0; i + 1 < hex.size(); ++i) {
    if (hex[i] == ' ') continue;
    out.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    ++i;
  }
  return out;
}

}  // namespace tebix::x86::testing
