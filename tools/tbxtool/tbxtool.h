// The skin tool's commands, callable in-process (main.cpp is a thin shell).
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace tebix::tbx {

// Runs one command; `args` excludes the program name. Returns the exit code:
// 0 on success, 1 for bad input (with a message on `err`), 2 for bad usage.
int RunTbxTool(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace tebix::tbx
