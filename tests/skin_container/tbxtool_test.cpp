// The skin tool's commands, run in-process on files in a scratch folder.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "skin/core/skin_block_format.h"
#include "tests/skin_container/temp_folder.h"
#include "tools/tbxtool/sample_skin.h"
#include "tools/tbxtool/skin_source.h"
#include "tools/tbxtool/tbxtool.h"

namespace tebix::tbx {
namespace {

using testing::ReadBytes;
using testing::ReadText;
using testing::TempFolder;
using testing::WriteBytes;
using testing::WriteText;
using Bytes = std::vector<std::uint8_t>;

struct ToolRun {
  int code;
  std::string out;
  std::string err;
};

ToolRun Tool(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int code = RunTbxTool(args, out, err);
  return {code, out.str(), err.str()};
}

class TbxTool : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_ = MakeSampleSkin(5, 5);
    skin_.bitmap = MakeSampleDib(64, 48, 24);  // small, to pack quickly
    skin_.spare = {1, 2, 3, 4, -5};            // unread header words survive
    WriteBytes(dir_ / "block.bin", BuildSkinBlock(skin_));
    ASSERT_EQ(Tool({"encode", (dir_ / "block.bin").string(), tbx()}).code, 0);
  }
  std::string tbx() const { return (dir_ / "skin.tbx").string(); }
  std::string path(const char* name) const { return (dir_ / name).string(); }

  TempFolder dir_;
  SkinSource skin_;
};

TEST_F(TbxTool, InfoDescribesTheSkin) {
  const ToolRun run = Tool({"info", tbx()});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("magic: .TBX"), std::string::npos);
  const std::string size = std::to_string(BuildSkinBlock(skin_).size());
  EXPECT_NE(run.out.find("declared unpacked size: " + size + " bytes"), std::string::npos);
  EXPECT_NE(run.out.find("real unpacked size: " + size + " bytes"), std::string::npos);
  EXPECT_NE(run.out.find("22 metrics, 63 colours, 15 offset pairs, 29 rectangles, 271 parts"), std::string::npos);
  EXPECT_NE(run.out.find("64 x 48 pixels, 24 bits per pixel, bottom-up, at offset 20500"), std::string::npos)
      << run.out;
}

TEST_F(TbxTool, UnpackPackUnpackGivesTheSameSource) {
  ASSERT_EQ(Tool({"unpack", tbx(), path("src1")}).code, 0);
  const std::string tables = ReadText(dir_ / "src1" / "skin.txt");
  EXPECT_NE(tables.find("[parts]"), std::string::npos);
  EXPECT_NE(tables.find("spare 1 2 3 4 -5"), std::string::npos);
  EXPECT_NE(tables.find(" glyph_transparent=0x00FF00FF "), std::string::npos);

  ASSERT_EQ(Tool({"pack", path("src1"), path("again.tbx")}).code, 0);
  ASSERT_EQ(Tool({"unpack", path("again.tbx"), path("src2")}).code, 0);
  EXPECT_EQ(ReadText(dir_ / "src2" / "skin.txt"), tables);
  EXPECT_EQ(ReadBytes(dir_ / "src2" / "skin.bmp"), ReadBytes(dir_ / "src1" / "skin.bmp"));
  ASSERT_EQ(Tool({"decode", path("again.tbx"), path("again.bin")}).code, 0);
  EXPECT_EQ(ReadBytes(dir_ / "again.bin"), BuildSkinBlock(skin_)) << "the block itself is rebuilt exactly";
}

TEST_F(TbxTool, EditedTablesAreParsedAndCheckedLineByLine) {
  ASSERT_EQ(Tool({"unpack", tbx(), path("src")}).code, 0);
  const std::string original = ReadText(dir_ / "src" / "skin.txt");
  auto pack_with = [&](const std::string& from, const std::string& to) {
    std::string text = original;
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
    WriteText(dir_ / "src" / "skin.txt", text);
    return Tool({"pack", path("src"), path("out.tbx")});
  };

  ToolRun run = pack_with("[metrics]\n0: 0\n", "[metrics]  # edited\n0: 0x10\n");
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(Tool({"unpack", path("out.tbx"), path("back")}).code, 0);
  EXPECT_NE(ReadText(dir_ / "back" / "skin.txt").find("[metrics]\n0: 16\n"), std::string::npos);

  const struct {
    const char* from;
    const char* to;
    const char* message;
  } bad[] = {
      {"\n1: ", "\n2: ", "expected entry \"1:\""},
      {" glyph_x=", " glyph_z=", "unknown field \"glyph_z\""},
      {" flags=", " width=", "field \"width\" given twice"},
      {"[colours]", "[colors]", "unknown section [colors]"},
      {"kind 0", "kind zero", "\"zero\" is not a 32-bit number"},
      {"[rectangles]\n0: x=46", "[rectangles]\n0: x=99999999999", "is not a 32-bit number"},
  };
  for (const auto& b : bad) {
    run = pack_with(b.from, b.to);
    EXPECT_EQ(run.code, 1) << b.from;
    EXPECT_NE(run.err.find(b.message), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("skin.txt line "), std::string::npos) << run.err;
  }
}

TEST_F(TbxTool, BitmapsFromImageEditorsAreAcceptedShallowOnesRefused) {
  ASSERT_EQ(Tool({"unpack", tbx(), path("src")}).code, 0);
  const Bytes bmp = ReadBytes(dir_ / "src" / "skin.bmp");
  // A 124-byte header with the pixels 16 bytes further on, as editors write.
  Bytes v5(bmp.begin(), bmp.begin() + 14 + 40);
  v5.resize(14 + 124 + 16, 0);
  v5[14] = 124;
  const std::uint32_t pixels_at = 14 + 124 + 16;
  std::memcpy(v5.data() + 10, &pixels_at, 4);
  v5.insert(v5.end(), bmp.begin() + 14 + 40, bmp.end());
  WriteBytes(dir_ / "src" / "skin.bmp", v5);
  ASSERT_EQ(Tool({"pack", path("src"), path("v5.tbx")}).code, 0);
  ASSERT_EQ(Tool({"unpack", path("v5.tbx"), path("v5")}).code, 0);
  EXPECT_EQ(ReadBytes(dir_ / "v5" / "skin.bmp"), bmp);

  WriteBytes(dir_ / "src" / "skin.bmp", MakeBmpFile(MakeSampleDib(8, 8, 16)));
  ToolRun run = Tool({"pack", path("src"), path("shallow.tbx")});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("16 bits per pixel; skins need 24 or 32"), std::string::npos) << run.err;

  WriteText(dir_ / "src" / "skin.bmp", "not a picture at all, really not");
  run = Tool({"pack", path("src"), path("bad.tbx")});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("not a BMP file"), std::string::npos) << run.err;
}

TEST_F(TbxTool, RawBlocksRoundTrip) {
  const Bytes any = {'n', 'o', 't', ' ', 'a', ' ', 's', 'k', 'i', 'n'};
  WriteBytes(dir_ / "any.bin", any);
  ASSERT_EQ(Tool({"encode", path("any.bin"), path("any.tbx")}).code, 0);
  ASSERT_EQ(Tool({"decode", path("any.tbx"), path("back.bin")}).code, 0);
  EXPECT_EQ(ReadBytes(dir_ / "back.bin"), any);
  const ToolRun info = Tool({"info", path("any.tbx")});
  EXPECT_EQ(info.code, 1) << "decodes, but is no skin";
  EXPECT_NE(info.out.find("real unpacked size: 10 bytes"), std::string::npos);
  EXPECT_NE(info.err.find("not a skin"), std::string::npos);

  WriteBytes(dir_ / "empty.bin", {});
  ASSERT_EQ(Tool({"encode", path("empty.bin"), path("empty.tbx")}).code, 0);
  ASSERT_EQ(Tool({"decode", path("empty.tbx"), path("empty.out")}).code, 0);
  EXPECT_TRUE(ReadBytes(dir_ / "empty.out").empty());
}

TEST_F(TbxTool, BadInputGivesAMessageAndNonZeroExit) {
  Bytes file = ReadBytes(dir_ / "skin.tbx");
  file[1] = 't';
  WriteBytes(dir_ / "lower.tbx", file);
  file[1] = 'T';
  file.resize(file.size() - 2);
  WriteBytes(dir_ / "cut.tbx", file);
  WriteBytes(dir_ / "short.tbx", {'.', 'T', 'B', 'X', 1});

  const struct {
    std::vector<std::string> args;
    int code;
    const char* message;
  } cases[] = {
      {{}, 2, "usage"},
      {{"frobnicate"}, 2, "unknown command"},
      {{"info"}, 2, "info takes 1 argument"},
      {{"info", path("missing.tbx")}, 1, "no such file"},
      {{"info", path("lower.tbx")}, 1, "does not start with \".TBX\""},
      {{"decode", path("cut.tbx"), path("x.bin")}, 1, "ends before the declared size"},
      {{"unpack", path("short.tbx"), path("x")}, 1, "too short to hold the unpacked size"},
      {{"pack", path("nowhere"), path("x.tbx")}, 1, "skin.txt"},
  };
  for (const auto& c : cases) {
    const ToolRun run = Tool(c.args);
    EXPECT_EQ(run.code, c.code) << (c.args.empty() ? "" : c.args[0]);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir_ / "x.bin")) << "nothing written on failure";
}

}  // namespace
}  // namespace tebix::tbx
