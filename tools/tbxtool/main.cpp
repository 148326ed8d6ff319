// tbxtool: makes and inspects skin files (see tbxtool.h for the commands).
#include <iostream>
#include <string>
#include <vector>

#include "tools/tbxtool/tbxtool.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return tebix::tbx::RunTbxTool(args, std::cout, std::cerr);
}
