// vdktool: the command line around the commands. On Windows the arguments
// arrive as wide text and are passed on as UTF-8; everything written is
// UTF-8, byte for byte.
#include <iostream>
#include <string>
#include <vector>

#include "tools/vdktool/commands.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "editor/text_codec.h"

namespace {

std::filesystem::path ProgramFolder() {
  std::wstring path(32768, L'\0');
  DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(n);
  return std::filesystem::path(path).parent_path();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(vdk::NarrowUtf8(argv[i]));
  int code = vdk::tool::Run(args, std::cout, std::cerr, ProgramFolder() / "data");
  std::cout.flush();
  return code;
}

#else
#include <unistd.h>

#include <climits>

namespace {

std::filesystem::path ProgramFolder() {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : self.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  int code = vdk::tool::Run(args, std::cout, std::cerr, ProgramFolder() / "data");
  std::cout.flush();
  return code;
}
#endif
