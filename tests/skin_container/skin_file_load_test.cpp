// Loading a skin block or file with the library's message boxes: each box
// shown is read (caption, text, buttons) and dismissed by a watcher thread
// while the load waits in it, as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/core/skin_file_load.h"
#include "tests/common/message_boxes.h"
#include "tests/skin_container/temp_folder.h"
#include "tools/tbxtool/lzari_encoder.h"
#include "tools/tbxtool/sample_skin.h"

namespace tebix {
namespace {

using Bytes = std::vector<std::uint8_t>;

using test::MessageBoxWatcher;
using test::SeenBox;

// The installer the loader hands unpacked skins to; records what it got.
struct Installed {
  static inline int calls = 0;
  static inline Bytes block;
  static inline int answer = 1;
  static int Install(const UnpackedBlock& unpacked) {
    ++calls;
    block.assign(unpacked.data(), unpacked.data() + unpacked.size());
    return answer;
  }
  static void Reset() {
    calls = 0;
    block.clear();
    answer = 1;
  }
};

Bytes SkinFile(const Bytes& block, const char* magic = ".TBX") {
  Bytes file(magic, magic + 4);
  const Bytes stream = tbx::LzariEncode(block, tbx::Parsing::kGreedy);
  file.insert(file.end(), stream.begin(), stream.end());
  return file;
}

class SkinFileLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    Installed::Reset();
    block_ = tbx::BuildSkinBlock(tbx::MakeSampleSkin(3, 5));
    file_ = SkinFile(block_);
  }

  // Runs `load` and returns its result and the boxes it showed.
  template <typename Load>
  std::pair<int, std::vector<SeenBox>> WithWatcher(Load load) {
    MessageBoxWatcher watcher;
    const int result = load();
    return {result, watcher.Seen()};
  }

  void ExpectOneBox(const std::vector<SeenBox>& seen, const wchar_t* text, const wchar_t* caption) {
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, text);
    EXPECT_EQ(seen[0].caption, caption);
    EXPECT_EQ(seen[0].buttons, 1) << "OK only";
    EXPECT_FALSE(seen[0].owned);
    EXPECT_EQ(Installed::calls, 0) << "nothing installed: the previous skin stays";
  }

  Bytes block_;
  Bytes file_;
  testing::TempFolder dir_;
};

TEST_F(SkinFileLoad, GoodBlockIsInstalledWithoutAMessage) {
  auto [result, seen] = WithWatcher([&] {
    return LoadSkinBlock(file_.data(), static_cast<std::uint32_t>(file_.size()), &Installed::Install);
  });
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(Installed::calls, 1);
  EXPECT_EQ(Installed::block, block_);
}

TEST_F(SkinFileLoad, RefusedBlockGivesZeroWithoutAMessage) {
  Installed::answer = 0;
  auto [result, seen] = WithWatcher([&] {
    return LoadSkinBlock(file_.data(), static_cast<std::uint32_t>(file_.size()), &Installed::Install);
  });
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(seen.empty());
}

TEST_F(SkinFileLoad, MissingOrEmptyBlockShowsBadFile) {
  auto [r1, null_block] = WithWatcher([&] { return LoadSkinBlock(nullptr, 100, &Installed::Install); });
  EXPECT_EQ(r1, 0);
  ExpectOneBox(null_block, L"无效的皮肤文件!", L"错误");
  auto [r2, empty_block] = WithWatcher([&] { return LoadSkinBlock(file_.data(), 0, &Installed::Install); });
  EXPECT_EQ(r2, 0);
  ExpectOneBox(empty_block, L"无效的皮肤文件!", L"错误");
}

TEST_F(SkinFileLoad, WrongMagicOrDamagedStreamShowsBadFormat) {
  const Bytes lower = SkinFile(block_, ".tbx");
  const Bytes cut(file_.begin(), file_.begin() + static_cast<std::ptrdiff_t>(file_.size() / 2));
  const Bytes short_block(file_.begin(), file_.begin() + 6);
  const Bytes no_header = SkinFile(Bytes(40, 7));
  const Bytes zero_size = SkinFile({});
  Bytes huge = file_;
  huge[7] = 0x10;  // declared size above 256 MiB
  for (const Bytes* block : std::initializer_list<const Bytes*>{&lower, &cut, &short_block, &no_header, &zero_size, &huge}) {
    auto [result, seen] = WithWatcher([&] {
      return LoadSkinBlock(block->data(), static_cast<std::uint32_t>(block->size()), &Installed::Install);
    });
    EXPECT_EQ(result, 0);
    ExpectOneBox(seen, L"无效的皮肤格式!", L"错误!");
  }
}

TEST_F(SkinFileLoad, FilesAreReadWholeAndCheckedTheSameWay) {
  testing::WriteBytes(dir_ / "good.tbx", file_);
  testing::WriteBytes(dir_ / "empty.tbx", {});
  testing::WriteBytes(dir_ / "lower.tbx", SkinFile(block_, ".tbx"));
  auto load = [&](const char* name) {
    const std::string path = (dir_ / name).string();
    return WithWatcher([&] { return LoadSkinFile(path.c_str(), &Installed::Install); });
  };

  auto [good, no_box] = load("good.tbx");
  EXPECT_EQ(good, 1);
  EXPECT_TRUE(no_box.empty());
  EXPECT_EQ(Installed::block, block_);
  Installed::Reset();

  auto [missing, missing_box] = load("missing.tbx");
  EXPECT_EQ(missing, 0);
  ExpectOneBox(missing_box, L"无效的皮肤文件!", L"错误");
  auto [empty, empty_box] = load("empty.tbx");
  EXPECT_EQ(empty, 0);
  ExpectOneBox(empty_box, L"无效的皮肤文件!", L"错误");
  auto [lower, lower_box] = load("lower.tbx");
  EXPECT_EQ(lower, 0) << "a file that reads but holds no skin is a failed load";
  ExpectOneBox(lower_box, L"无效的皮肤格式!", L"错误!");
}

TEST_F(SkinFileLoad, FileHeldOpenElsewhereCannotBeRead) {
  testing::WriteBytes(dir_ / "locked.tbx", file_);
  const std::wstring path = (dir_ / "locked.tbx").wstring();
  HANDLE other = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  const std::string narrow = (dir_ / "locked.tbx").string();
  auto [result, seen] = WithWatcher([&] { return LoadSkinFile(narrow.c_str(), &Installed::Install); });
  CloseHandle(other);
  EXPECT_EQ(result, 0);
  ExpectOneBox(seen, L"无效的皮肤文件!", L"错误");
}

}  // namespace
}  // namespace tebix
