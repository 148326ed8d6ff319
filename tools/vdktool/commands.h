// vdktool's commands over the editor core: tables, dump, load, get, set,
// diff, history, undo and recover. Everything the program does runs through
// Run, so that the tests drive it in-process.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace vdk::tool {

// Exit codes: 0 done; 1 `diff` found differences; 2 anything refused (bad
// input, a file that cannot be used), with one line on `err`.
inline constexpr int kDone = 0;
inline constexpr int kDifferent = 1;
inline constexpr int kRefused = 2;

// `args` are the command line after the program name, UTF-8. `dataFolder`
// holds the name lists unless --data names another.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const std::filesystem::path& dataFolder);

// A path from UTF-8 text.
std::filesystem::path PathOf(const std::string& utf8);

}  // namespace vdk::tool
