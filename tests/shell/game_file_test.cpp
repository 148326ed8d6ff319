#include "editor/game_file.h"

#include <gtest/gtest.h>

#include "editor/conversions.h"
#include "tests/shell/temp_dir.h"

namespace vdk {
namespace {

using testing::TempDir;

TEST(GameFile, MissingOrUnchosenFileIsReportedByName) {
  TempDir dir;
  const auto missing = dir.path() / "SHARED.BIN";
  try {
    GameFile f(missing, 10);
    FAIL() << "opened a missing file";
  } catch (const GameFileError& e) {
    EXPECT_NE(std::string(e.what()).find("SHARED.BIN"), std::string::npos) << e.what();
  }
  EXPECT_THROW(GameFile(std::filesystem::path(), 1), GameFileError);
}

TEST(GameFile, TooShortFileIsRefusedBeforeAnyAccessAndLeftAlone) {
  TempDir dir;
  const auto p = dir.write("VDKX_418.06", std::string(100, '\x11'));
  try {
    GameFile f(p, 101);
    FAIL() << "opened a file that is too short";
  } catch (const GameFileError& e) {
    const std::string text = e.what();
    EXPECT_NE(text.find("VDKX_418.06"), std::string::npos) << text;
    EXPECT_NE(text.find("101"), std::string::npos) << text;
  }
  EXPECT_EQ(TempDir::read(p), std::string(100, '\x11'));
  EXPECT_NO_THROW(GameFile(p, 100));
}

TEST(GameFile, AccessPastTheEndFailsInsteadOfGrowingTheFile) {
  TempDir dir;
  const auto p = dir.write("g.bin", std::string(4, '\0'));
  GameFile f(p, 4);
  f.FileCursor = 4;
  EXPECT_NO_THROW(PutByte(f, 1));
  EXPECT_THROW(PutByte(f, 2), GameFileError);
  f.FileCursor = 0;
  EXPECT_THROW(f.readByte(), GameFileError);
  f.close();
  EXPECT_EQ(TempDir::read(p), std::string("\0\0\0\x01", 4));
}

TEST(GameFile, EachOperationSeesTheFileAsItIsNow) {
  // Open-use-close: a second open sees what the first one wrote, and a new
  // path chosen in between is the one used.
  TempDir dir;
  const auto a = dir.write("a.bin", std::string(8, '\0'));
  const auto b = dir.write("b.bin", std::string(8, '\x55'));
  {
    GameFile f(a, 8);
    f.FileCursor = 2;
    PutDwordLE(f, 0x01020304);
  }
  {
    GameFile f(a, 8);
    f.FileCursor = 2;
    EXPECT_EQ(ReadHexBytes(f, 4, 1), "01020304");
  }
  GameFile f(b, 8);
  EXPECT_EQ(ReadHexBytes(f, 1, 0), "55");
}

}  // namespace
}  // namespace vdk
