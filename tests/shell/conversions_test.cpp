#include "editor/conversions.h"
#include "editor/disc_image_tool.h"

#include <gtest/gtest.h>

#include "tests/shell/temp_dir.h"

namespace vdk {
namespace {

using testing::TempDir;

// A small game file of known bytes, opened as "file number 1".
class FileFixture : public ::testing::Test {
protected:
  std::string bytes(std::size_t n) { return TempDir::read(path_).substr(0, n); }
  void SetUp() override { path_ = dir_.write("game.bin", std::string("\x34\x12\x78\x56\x34\x12\0\0\0\0\0\0", 12)); }
  TempDir dir_;
  std::filesystem::path path_;
};

TEST(HexToNumber, DigitsOfEitherCaseAndNonDigits) {
  EXPECT_EQ(HexToNumber("ff"), 255);
  EXPECT_EQ(HexToNumber("FF"), 255);
  EXPECT_EQ(HexToNumber("0FF"), 255);
  EXPECT_EQ(HexToNumber("G1"), 1);  // G counts 0
  EXPECT_EQ(HexToNumber(""), 0);
  EXPECT_EQ(HexToNumber("FFFFFFFFFFFF"), 0xFFFFFFFFFFFFLL);  // 12 digits exactly
  EXPECT_EQ(HexToNumber("0000000000000012"), 0x12);         // leading zeros are fine
  EXPECT_THROW(HexToNumber("FFFFFFFFFFFFFFFF"), ConversionOverflow);
}

TEST(HexToByte, RangeAndOverflow) {
  EXPECT_EQ(HexToByte("7f"), 0x7F);
  EXPECT_EQ(HexToByte(""), 0);
  EXPECT_THROW(HexToByte("100"), ConversionOverflow);
}

TEST(PadHex, WidthsAndSwap) {
  EXPECT_EQ(PadHex("A", "4"), "0A00");
  EXPECT_EQ(PadHex("A", "3"), "00A");
  EXPECT_EQ(PadHex("A", "2"), "0A");
  EXPECT_EQ(PadHex("AB", "3"), "0AB");
  EXPECT_EQ(PadHex("ABC", "2"), "ABC");
  EXPECT_EQ(PadHex("1234", "4"), "3412");
  EXPECT_EQ(PadHex("12345", "4"), "3412");  // only the first four take part
  EXPECT_EQ(PadHex("12C", "4"), "2C01");
  EXPECT_EQ(PadHex("7", "5"), "7");  // other widths leave the text alone
}

TEST(TrantoDec, BasesBlanksAndRounding) {
  EXPECT_EQ(TrantoDec("101", 2), 5);
  EXPECT_EQ(TrantoDec("1f", 16), 31);
  EXPECT_EQ(TrantoDec(" 12", 10), 12);
  EXPECT_EQ(TrantoDec("   ", 8), 0);
  EXPECT_EQ(TrantoDec("", 8), 0);
  EXPECT_EQ(TrantoDec("9", 8), 9);    // digits beyond the base count as they are
  EXPECT_EQ(TrantoDec("x7", 8), 7);   // non-digits count 0
  EXPECT_EQ(TrantoDec("777", 8), 511);
  EXPECT_EQ(TrantoDec("7FFFFFFF", 16), 2147483647);
  EXPECT_THROW(TrantoDec("80000000", 16), ConversionOverflow);
}

TEST(trandec, DigitsAndZero) {
  EXPECT_EQ(trandec(5, 2), "101");
  EXPECT_EQ(trandec(255, 16), "FF");
  EXPECT_EQ(trandec(0, 2), "");
  EXPECT_EQ(trandec(511, 8), "777");
  EXPECT_EQ(trandec(2147483647, 16), "7FFFFFFF");
  // Round trip through TrantoDec for every base.
  for (int base = 2; base <= 16; ++base)
    for (int n : {1, 7, 100, 4095, 123456})
      EXPECT_EQ(TrantoDec(trandec(n, static_cast<std::int16_t>(base)), static_cast<std::int16_t>(base)), n);
}

TEST_F(FileFixture, ReadHexBytesOrdersAndCursor) {
  GameFile f(path_, 12);
  f.FileCursor = 3;
  EXPECT_EQ(ReadHexBytes(f, 4, 0), "78563412");
  EXPECT_EQ(f.FileCursor, 7);
  f.FileCursor = 3;
  EXPECT_EQ(ReadHexBytes(f, 4, 1), "12345678");
  f.FileCursor = 1;
  EXPECT_EQ(ReadHexBytes(f, 2, 0), "3412");
  f.FileCursor = 1;
  EXPECT_EQ(ReadHexBytes(f, 2, 1), "1234");
  EXPECT_EQ(ReadHexBytes(f, 0, 1), "");
  EXPECT_EQ(f.FileCursor, 3);
  EXPECT_EQ(ReadHexBytes(f, 2, 2), "");  // unknown order reads nothing
  EXPECT_EQ(f.FileCursor, 3);
}

TEST_F(FileFixture, WritersLittleEndianAndTheirQuirks) {
  {
    GameFile f(path_, 12);
    f.FileCursor = 7;
    PutWordLE(f, 300);
    PutWordLE(f, 0x12345);  // above 65535: hex digits 3-4, then 1-2
    PutWordLE(f, -1);
    EXPECT_EQ(f.FileCursor, 13);
    f.close();
  }
  EXPECT_EQ(TempDir::read(path_).substr(6), std::string("\x2C\x01\x34\x12\xFF\xFF", 6));

  {
    GameFile f(path_, 12);
    f.FileCursor = 1;
    PutDwordLE(f, -1);
    PutDwordLE(f, 1);
    PutWordLE(f, 0);
    PutWordLE(f, 65535);
  }
  EXPECT_EQ(TempDir::read(path_), std::string("\xFF\xFF\xFF\xFF\x01\0\0\0\0\0\xFF\xFF", 12));

  {
    GameFile f(path_, 12);
    f.FileCursor = 1;
    PutHexWord(f, "ABCD");   // text order
    PutHexDword(f, "0102");  // missing pairs write 0
    PutHexByte(f, "7");
    PutByte(f, 0x99);
  }
  EXPECT_EQ(TempDir::read(path_).substr(0, 8), std::string("\xAB\xCD\x01\x02\0\0\x07\x99", 8));
}

TEST_F(FileFixture, WriteThenReadWithoutReopening) {
  GameFile f(path_, 12);
  f.FileCursor = 5;
  PutByte(f, 0xAA);
  f.FileCursor = 5;
  EXPECT_EQ(ReadHexBytes(f, 2, 0), "AA12");
  PutByte(f, 0xBB);
  f.FileCursor = 6;
  EXPECT_EQ(ReadHexBytes(f, 2, 0), "12BB");
}

}  // namespace
}  // namespace vdk

namespace vdk {
namespace {

TEST(DiscImageTool, CommandLineKeepsBothSeparatorsBeforeTheToolName) {
  EXPECT_EQ(DiscImageToolCommand(L"C:\\Games\\vdk"),
            L"Rundll32.exe url.dll, FileProtocolHandler C:\\Games\\vdk\\data\\\\Voruzo.exe");
}

}  // namespace
}  // namespace vdk
