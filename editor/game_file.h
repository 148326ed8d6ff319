// The game file behind "file number 1": every show, write, bulk command and
// search opens it, works through FileCursor and closes it again.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace vdk {

// Raised when a game file cannot be opened, is too short for what an
// operation needs, or a read or write fails. The text names the file.
class GameFileError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Raised by the conversions when a value does not fit (a byte above 255, a
// 32-bit overflow); the editors validate first so that this never fires
// half-way through a write.
class ConversionOverflow : public std::overflow_error {
public:
  using std::overflow_error::overflow_error;
};

class GameFile {
public:
  GameFile() = default;
  // Opens the file for positioned read/write access. `requiredEnd` is the
  // 0-based offset one past the last byte the operation will touch; a shorter
  // file is refused before anything is read or written.
  GameFile(const std::filesystem::path& path, std::uint64_t requiredEnd);
  ~GameFile();
  GameFile(const GameFile&) = delete;
  GameFile& operator=(const GameFile&) = delete;

  void open(const std::filesystem::path& path, std::uint64_t requiredEnd);
  void close();
  bool isOpen() const { return file_ != nullptr; }
  std::uint64_t size() const { return size_; }
  const std::filesystem::path& path() const { return path_; }

  // Reads the byte at FileCursor and advances it by one.
  std::uint8_t readByte();
  // Writes one byte at FileCursor and advances it by one.
  void writeByte(std::uint8_t b);
  // Moves FileCursor forward over bytes that are not shown.
  void skip(std::int32_t count);

  // 1-based position of the next byte read or written.
  std::int32_t FileCursor = 1;

private:
  void seekTo(std::int32_t position, bool forWrite);
  [[noreturn]] void fail(const char* what) const;

  std::FILE* file_ = nullptr;
  std::filesystem::path path_;
  std::uint64_t size_ = 0;
  std::int64_t filePos_ = -1;  // where the stdio position is, or -1 if unknown
  bool lastWasWrite_ = false;
};

// Human-readable name of a path for messages (UTF-8).
std::string DisplayName(const std::filesystem::path& path);

}  // namespace vdk
