// Services of the Windows shell the editor uses: its own folder, opening a
// document with its associated program, and starting a command line.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

namespace vdk {

// The folder the program runs from (no trailing separator).
std::filesystem::path ProgramFolder();

// Asks the shell to open `target` (a path or address) with the verb "Open",
// the desktop as owner and "C:\" as working folder; returns the shell's result.
INT_PTR OpenDocument(const std::wstring& target);

// Runs a command line with a normal, focused window; the result is not examined.
void RunCommandLine(const std::wstring& commandLine);

}  // namespace vdk
