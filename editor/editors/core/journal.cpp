#include "editor/editors/core/journal.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vdk::journal {

namespace {

constexpr char kMagic[4] = {'V', 'D', 'K', 'J'};
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kMaxNote = 0xFFFF;

std::string& NoteStore() {
  static std::string note = "vdkedit";
  return note;
}

std::string Utf8Name(const std::filesystem::path& p) {
  auto u8 = p.filename().u8string();
  return std::string(u8.begin(), u8.end());
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

struct Writer {
  std::string bytes;
  void put(std::uint64_t v, int width) {
    for (int i = 0; i < width; ++i) bytes += static_cast<char>(v >> (8 * i));
  }
  void put(const void* data, std::size_t n) { bytes.append(static_cast<const char*>(data), n); }
  const std::uint8_t* data() const { return reinterpret_cast<const std::uint8_t*>(bytes.data()); }
};

// Reads little-endian numbers from a block; `ok` turns false on a read past
// its end.
struct Reader {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at = 0;
  bool ok = true;
  std::uint64_t get(int width) {
    if (size - at < static_cast<std::size_t>(width)) {
      ok = false;
      at = size;
      return 0;
    }
    std::uint64_t v = 0;
    for (int i = width - 1; i >= 0; --i) v = (v << 8) | data[at + static_cast<std::size_t>(i)];
    at += static_cast<std::size_t>(width);
    return v;
  }
  std::vector<std::uint8_t> take(std::size_t n) {
    if (size - at < n) {
      ok = false;
      at = size;
      return {};
    }
    std::vector<std::uint8_t> v(data + at, data + at + n);
    at += n;
    return v;
  }
};

std::string Header(const std::filesystem::path& gameFile, std::uint64_t size) {
  Writer w;
  std::string name = Utf8Name(gameFile);
  w.put(kMagic, 4);
  w.put(kVersion, 2);
  w.put(name.size(), 2);
  w.put(name.data(), name.size());
  w.put(size, 8);
  w.put(Crc32(w.data(), w.bytes.size()), 4);
  return w.bytes;
}

std::string Encode(const Entry& e) {
  Writer p;
  p.put(e.sequence, 8);
  p.put(static_cast<std::uint64_t>(e.time), 8);
  p.put(static_cast<std::uint8_t>(e.kind), 1);
  p.put(e.undone, 8);
  std::string note = e.note.substr(0, kMaxNote);
  p.put(note.size(), 2);
  p.put(note.data(), note.size());
  p.put(e.changes.size(), 4);
  for (const Change& c : e.changes) {
    p.put(c.offset, 8);
    p.put(c.before.size(), 4);
    p.put(c.before.data(), c.before.size());
    p.put(c.after.data(), c.after.size());
  }
  Writer w;
  w.put(p.bytes.size(), 4);
  w.put(p.bytes.data(), p.bytes.size());
  w.put(Crc32(p.data(), p.bytes.size()), 4);
  return w.bytes;
}

std::string Bytes(const std::filesystem::path& journal) {
  std::string data;
#ifdef _WIN32
  std::FILE* f = _wfopen(journal.c_str(), L"rb");
#else
  std::FILE* f = std::fopen(journal.c_str(), "rb");
#endif
  if (!f) throw JournalError("无法读取变更日志：" + DisplayName(journal));
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) data.append(buffer, n);
  bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) throw JournalError("无法读取变更日志：" + DisplayName(journal));
  return data;
}

[[noreturn]] void Damaged(const std::filesystem::path& journal, const std::string& what) {
  throw JournalError("变更日志已损坏（" + what + "）：" + DisplayName(journal) +
                     "；请将其移走后再写入。");
}

std::uint64_t FileSize(const std::filesystem::path& p) {
  std::error_code ec;
  auto size = std::filesystem::file_size(p, ec);
  if (ec) throw GameFileError("无法打开文件：" + DisplayName(p));
  return size;
}

std::vector<std::uint8_t> ReadAt(GameFile& game, std::uint64_t offset, std::size_t n) {
  if (offset + n > game.size()) throw GameFileError("文件太短，读写位置超出文件末尾：" + DisplayName(game.path()));
  game.FileCursor = static_cast<std::int32_t>(offset + 1);
  std::vector<std::uint8_t> bytes(n);
  for (auto& b : bytes) b = game.readByte();
  return bytes;
}

void FlushToDisk(std::FILE* f) {
  if (std::fflush(f) != 0) throw std::system_error(errno, std::generic_category());
#ifdef _WIN32
  if (_commit(_fileno(f)) != 0) throw std::system_error(errno, std::generic_category());
#else
  if (fsync(fileno(f)) != 0) throw std::system_error(errno, std::generic_category());
#endif
}

void Append(const std::filesystem::path& gameFile, std::uint64_t gameSize, const Contents& contents,
            const std::string& entry) {
  const std::filesystem::path path = JournalPathFor(gameFile);
  const std::string refused = "无法写入变更日志 " + DisplayName(path) + "，未写入任何数据";
  try {
    if (contents.exists && contents.tornTail) std::filesystem::resize_file(path, contents.validEnd);
    std::string bytes;
    if (!contents.exists || contents.validEnd == 0) bytes = Header(gameFile, gameSize);
    bytes += entry;
#ifdef _WIN32
    std::FILE* f = _wfopen(path.c_str(), contents.exists && contents.validEnd ? L"ab" : L"wb");
#else
    std::FILE* f = std::fopen(path.c_str(), contents.exists && contents.validEnd ? "ab" : "wb");
#endif
    if (!f) throw std::system_error(errno, std::generic_category());
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    try {
      if (ok) FlushToDisk(f);
    } catch (...) {
      ok = false;
    }
    ok = std::fclose(f) == 0 && ok;
    if (!ok) throw std::system_error(EIO, std::generic_category());
  } catch (const std::exception& failure) {
    throw JournalError(refused + "（" + failure.what() + "）。");
  }
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::filesystem::path JournalPathFor(const std::filesystem::path& gameFile) {
  std::filesystem::path p = gameFile;
  p += ".vdkjournal";
  return p;
}

void SetNote(std::string note) {
  NoteStore() = std::move(note);
}

const std::string& Note() {
  return NoteStore();
}

Contents Read(const std::filesystem::path& gameFile) {
  Contents contents;
  const std::filesystem::path path = JournalPathFor(gameFile);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return contents;
  contents.exists = true;
  const std::string data = Bytes(path);
  if (data.empty()) return contents;  // created, nothing appended yet
  Reader r{reinterpret_cast<const std::uint8_t*>(data.data()), data.size()};

  if (data.size() < 4 || std::memcmp(data.data(), kMagic, 4) != 0) Damaged(path, "不是变更日志");
  r.at = 4;
  std::uint64_t version = r.get(2);
  std::size_t nameLength = static_cast<std::size_t>(r.get(2));
  std::vector<std::uint8_t> name = r.take(nameLength);
  std::uint64_t size = r.get(8);
  std::size_t headerEnd = r.at;
  std::uint64_t crc = r.get(4);
  if (!r.ok || crc != Crc32(r.data, headerEnd)) Damaged(path, "文件头校验和不符");
  if (version != kVersion) Damaged(path, "版本 " + std::to_string(version) + " 未知");
  const std::string recorded(name.begin(), name.end());
  const std::uint64_t actual = FileSize(gameFile);
  if (!SameName(recorded, Utf8Name(gameFile)) || size != actual)
    throw JournalError("变更日志 " + DisplayName(path) + " 属于另一个文件（" + recorded + "，" +
                       std::to_string(size) + " 字节），不是 " + Utf8Name(gameFile) + "（" +
                       std::to_string(actual) + " 字节）。");
  contents.validEnd = r.at;

  while (r.at < data.size()) {
    const std::size_t start = r.at;
    std::uint64_t length = r.get(4);
    if (!r.ok || length > data.size() - r.at || data.size() - r.at - length < 4) {
      contents.tornTail = true;  // an append cut short
      break;
    }
    Reader p{r.data + r.at, static_cast<std::size_t>(length)};
    r.at += static_cast<std::size_t>(length);
    if (r.get(4) != Crc32(p.data, p.size))
      Damaged(path, "第 " + std::to_string(contents.entries.size() + 1) + " 条记录（文件位置 " +
                        std::to_string(start) + "）校验和不符");
    Entry e;
    e.sequence = p.get(8);
    e.time = static_cast<std::int64_t>(p.get(8));
    std::uint64_t kind = p.get(1);
    e.undone = p.get(8);
    std::vector<std::uint8_t> note = p.take(static_cast<std::size_t>(p.get(2)));
    e.note.assign(note.begin(), note.end());
    std::uint64_t count = p.get(4);
    for (std::uint64_t i = 0; p.ok && i < count; ++i) {
      Change c;
      c.offset = p.get(8);
      std::size_t n = static_cast<std::size_t>(p.get(4));
      c.before = p.take(n);
      c.after = p.take(n);
      if (p.ok && c.offset + n > actual) p.ok = false;
      e.changes.push_back(std::move(c));
    }
    if (!p.ok || p.at != p.size || (kind != 1 && kind != 2))
      Damaged(path, "第 " + std::to_string(contents.entries.size() + 1) + " 条记录的内容无效");
    e.kind = static_cast<Kind>(kind);
    contents.entries.push_back(std::move(e));
    contents.validEnd = r.at;
  }
  return contents;
}

std::vector<Change> Differences(std::uint64_t offset, const std::vector<std::uint8_t>& before,
                                const std::vector<std::uint8_t>& after) {
  std::vector<Change> changes;
  const std::size_t n = std::min(before.size(), after.size());
  for (std::size_t i = 0; i < n;) {
    if (before[i] == after[i]) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < n && before[j] != after[j]) ++j;
    changes.push_back({offset + i, {before.begin() + static_cast<std::ptrdiff_t>(i), before.begin() + static_cast<std::ptrdiff_t>(j)},
                       {after.begin() + static_cast<std::ptrdiff_t>(i), after.begin() + static_cast<std::ptrdiff_t>(j)}});
    i = j;
  }
  return changes;
}

std::uint64_t WriteJournaled(GameFile& game, const std::vector<Change>& changes, Kind kind,
                             std::uint64_t undone) {
  if (changes.empty()) return 0;
  for (const Change& c : changes)
    if (c.before.size() != c.after.size() || c.offset + c.after.size() > game.size())
      throw GameFileError("写入位置超出文件末尾：" + DisplayName(game.path()));
  // Several changes of one byte (two records that are one, such as two
  // skills sharing a growth row) become one: the first old value, the last
  // new one; bytes that end as they were drop out.
  std::map<std::uint64_t, std::pair<std::uint8_t, std::uint8_t>> merged;
  for (const Change& c : changes)
    for (std::size_t i = 0; i < c.after.size(); ++i) {
      auto [it, fresh] = merged.try_emplace(c.offset + i, c.before[i], c.after[i]);
      if (!fresh) it->second.second = c.after[i];
    }
  std::vector<Change> runs;
  for (const auto& [at, pair] : merged) {
    if (pair.first == pair.second && kind == Kind::Write) continue;
    if (runs.empty() || runs.back().offset + runs.back().after.size() != at) runs.push_back({at, {}, {}});
    runs.back().before.push_back(pair.first);
    runs.back().after.push_back(pair.second);
  }
  if (runs.empty()) return 0;
  Contents contents = Read(game.path());
  Entry e;
  e.sequence = contents.entries.empty() ? 1 : contents.entries.back().sequence + 1;
  e.time = static_cast<std::int64_t>(std::time(nullptr));
  e.kind = kind;
  e.undone = undone;
  e.note = Note();
  e.changes = std::move(runs);
  Append(game.path(), game.size(), contents, Encode(e));
  for (const Change& c : e.changes) {
    game.FileCursor = static_cast<std::int32_t>(c.offset + 1);
    for (std::uint8_t b : c.after) game.writeByte(b);
  }
  return e.sequence;
}

const char* StateName(State state) {
  switch (state) {
    case State::Applied:
      return "applied";
    case State::NotApplied:
      return "not applied (interrupted)";
    case State::Partial:
      return "partly applied (interrupted)";
    case State::Changed:
      return "changed since";
  }
  return "?";
}

State StateOf(const Entry& entry, GameFile& game) {
  bool allNew = true, allOld = true, each = true;
  for (const Change& c : entry.changes) {
    if (c.offset + c.after.size() > game.size()) return State::Changed;
    std::vector<std::uint8_t> now = ReadAt(game, c.offset, c.after.size());
    for (std::size_t i = 0; i < now.size(); ++i) {
      bool isNew = now[i] == c.after[i], isOld = now[i] == c.before[i];
      allNew = allNew && isNew;
      allOld = allOld && isOld;
      each = each && (isNew || isOld);
    }
  }
  if (allNew) return State::Applied;
  if (allOld) return State::NotApplied;
  return each ? State::Partial : State::Changed;
}

std::vector<State> States(const Contents& contents, GameFile& game) {
  std::vector<State> states(contents.entries.size(), State::Applied);
  std::map<std::uint64_t, std::uint8_t> bytes;
  auto current = [&](std::uint64_t at) -> int {
    auto it = bytes.find(at);
    if (it != bytes.end()) return it->second;
    if (at >= game.size()) return -1;
    return bytes[at] = ReadAt(game, at, 1)[0];
  };
  for (std::size_t k = contents.entries.size(); k-- > 0;) {
    const Entry& e = contents.entries[k];
    bool allNew = true, allOld = true, each = true;
    for (const Change& c : e.changes)
      for (std::size_t i = 0; i < c.after.size(); ++i) {
        const int now = current(c.offset + i);
        allNew = allNew && now == c.after[i];
        allOld = allOld && now == c.before[i];
        each = each && (now == c.after[i] || now == c.before[i]);
      }
    const bool newest = k + 1 == contents.entries.size();
    states[k] = allNew ? State::Applied
                : newest && allOld ? State::NotApplied
                : newest && each   ? State::Partial
                                   : State::Changed;
    for (const Change& c : e.changes)
      for (std::size_t i = 0; i < c.before.size(); ++i) bytes[c.offset + i] = c.before[i];
  }
  return states;
}

std::vector<const Entry*> UndoableWrites(const Contents& contents) {
  std::vector<const Entry*> writes;
  std::vector<std::uint64_t> undone;
  for (const Entry& e : contents.entries)
    if (e.kind == Kind::Undo) undone.push_back(e.undone);
  for (auto it = contents.entries.rbegin(); it != contents.entries.rend(); ++it)
    if (it->kind == Kind::Write && std::find(undone.begin(), undone.end(), it->sequence) == undone.end())
      writes.push_back(&*it);
  return writes;
}

std::vector<std::uint64_t> Undo(const std::filesystem::path& gameFile, std::size_t count) {
  Contents contents = Read(gameFile);
  std::vector<const Entry*> writes = UndoableWrites(contents);
  if (count == 0) return {};
  if (writes.size() < count)
    throw JournalError("变更日志中只有 " + std::to_string(writes.size()) + " 次可撤销的写入，无法撤销 " +
                       std::to_string(count) + " 次。");
  writes.resize(count);

  std::uint64_t end = 0;
  for (const Entry* e : writes)
    for (const Change& c : e->changes) end = std::max<std::uint64_t>(end, c.offset + c.after.size());
  GameFile game(gameFile, end);

  // Check every write against the file as the earlier reverts will leave it.
  std::map<std::uint64_t, std::uint8_t> bytes;
  auto current = [&](std::uint64_t at) {
    auto it = bytes.find(at);
    if (it != bytes.end()) return it->second;
    std::uint8_t b = ReadAt(game, at, 1)[0];
    bytes[at] = b;
    return b;
  };
  const std::uint64_t newest = contents.entries.back().sequence;
  std::vector<std::vector<Change>> reverts;
  for (const Entry* e : writes) {
    std::vector<Change> revert;
    for (const Change& c : e->changes) {
      Change r{c.offset, {}, c.before};
      for (std::size_t i = 0; i < c.after.size(); ++i) {
        std::uint8_t now = current(c.offset + i);
        bool interrupted = e->sequence == newest && now == c.before[i];
        if (now != c.after[i] && !interrupted) {
          char at[32];
          std::snprintf(at, sizeof at, "0x%llX", static_cast<unsigned long long>(c.offset + i));
          throw JournalError("无法撤销第 " + std::to_string(e->sequence) + " 次写入：文件 " +
                             DisplayName(gameFile) + " 在位置 " + at +
                             " 的字节已不是该次写入的结果（之后被改动过），未做任何改动。");
        }
        r.before.push_back(now);
      }
      for (std::size_t i = 0; i < c.after.size(); ++i) bytes[c.offset + i] = c.before[i];
      revert.push_back(std::move(r));
    }
    reverts.push_back(std::move(revert));
  }

  std::vector<std::uint64_t> done;
  for (std::size_t k = 0; k < writes.size(); ++k) {
    std::vector<Change> changes;
    for (const Change& c : reverts[k]) {
      std::vector<Change> d = Differences(c.offset, c.before, c.after);
      changes.insert(changes.end(), d.begin(), d.end());
    }
    if (changes.empty()) {
      // An interrupted write that never reached the file: only the record
      // that it is reverted.
      Change keep{writes[k]->changes.front().offset,
                  {writes[k]->changes.front().before.front()},
                  {writes[k]->changes.front().before.front()}};
      changes.push_back(std::move(keep));
    }
    WriteJournaled(game, changes, Kind::Undo, writes[k]->sequence);
    done.push_back(writes[k]->sequence);
  }
  game.close();
  return done;
}

bool Recover(const std::filesystem::path& gameFile) {
  Contents contents = Read(gameFile);
  if (contents.entries.empty()) return false;
  const Entry& last = contents.entries.back();
  std::uint64_t end = 0;
  for (const Change& c : last.changes) end = std::max<std::uint64_t>(end, c.offset + c.after.size());
  GameFile game(gameFile, end);
  State state = StateOf(last, game);
  if (state == State::Applied) return false;
  if (state == State::Changed)
    throw JournalError("无法完成第 " + std::to_string(last.sequence) + " 次写入：文件 " + DisplayName(gameFile) +
                       " 中的字节既不是写入前的也不是写入后的，未做任何改动。");
  for (const Change& c : last.changes) {
    game.FileCursor = static_cast<std::int32_t>(c.offset + 1);
    for (std::uint8_t b : c.after) game.writeByte(b);
  }
  game.close();
  return true;
}

}  // namespace vdk::journal
