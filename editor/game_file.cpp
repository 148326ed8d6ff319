#include "editor/game_file.h"

#include <limits>

namespace vdk {

std::string DisplayName(const std::filesystem::path& path) {
  auto u8 = path.u8string();
  return std::string(u8.begin(), u8.end());
}

GameFile::GameFile(const std::filesystem::path& path, std::uint64_t requiredEnd) {
  open(path, requiredEnd);
}

GameFile::~GameFile() {
  if (file_) std::fclose(file_);
}

void GameFile::open(const std::filesystem::path& path, std::uint64_t requiredEnd) {
  close();
  path_ = path;
  FileCursor = 1;
  if (path.empty()) throw GameFileError("尚未选择游戏文件。");
#ifdef _WIN32
  file_ = _wfopen(path.c_str(), L"r+b");
#else
  file_ = std::fopen(path.c_str(), "r+b");
#endif
  if (!file_) fail("无法以读写方式打开文件");
  if (std::fseek(file_, 0, SEEK_END) != 0) fail("无法读取文件");
  long end = std::ftell(file_);
  if (end < 0) fail("无法读取文件");
  size_ = static_cast<std::uint64_t>(end);
  filePos_ = -1;
  if (size_ < requiredEnd) {
    std::string msg = "文件 " + DisplayName(path_) + " 太短：只有 " + std::to_string(size_) +
                      " 字节，至少需要 " + std::to_string(requiredEnd) + " 字节。";
    close();
    throw GameFileError(msg);
  }
}

void GameFile::close() {
  if (file_) {
    bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!ok) fail("无法写入文件");
  }
}

void GameFile::fail(const char* what) const {
  throw GameFileError(std::string(what) + "：" + DisplayName(path_));
}

void GameFile::seekTo(std::int32_t position, bool forWrite) {
  if (!file_) fail("文件未打开");
  if (position < 1 || static_cast<std::uint64_t>(position) > size_)
    fail("文件太短，读写位置超出文件末尾");
  std::int64_t offset = position - 1;
  // stdio needs a seek whenever the direction changes; otherwise the call is
  // skipped while the position is already right.
  if (filePos_ != offset || lastWasWrite_ != forWrite) {
    if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) fail("无法读取文件");
    filePos_ = offset;
    lastWasWrite_ = forWrite;
  }
}

std::uint8_t GameFile::readByte() {
  seekTo(FileCursor, false);
  int c = std::fgetc(file_);
  if (c == EOF) fail("无法读取文件");
  ++filePos_;
  skip(1);
  return static_cast<std::uint8_t>(c);
}

void GameFile::writeByte(std::uint8_t b) {
  seekTo(FileCursor, true);
  if (std::fputc(b, file_) == EOF) fail("无法写入文件");
  ++filePos_;
  skip(1);
}

void GameFile::skip(std::int32_t count) {
  if (count > 0 && FileCursor > std::numeric_limits<std::int32_t>::max() - count)
    throw ConversionOverflow("FileCursor overflow");
  FileCursor += count;
}

}  // namespace vdk
