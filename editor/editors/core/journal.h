// The change journal: a file beside each game file that records every write
// before it happens, so that any write (of the editor or of vdktool) can be
// listed and undone, and a write cut short can be finished or reverted.
//
// The journal of "SHARED.BIN" is "SHARED.BIN.vdkjournal". All numbers are
// little-endian.
//
//   header   "VDKJ"                    4 bytes, magic
//            version                   u16, 1
//            name length n             u16
//            name                      n bytes, UTF-8 file name of the game
//                                      file (no folder)
//            game file size            u64
//            CRC-32                    u32, of every header byte before it
//   entry    payload length L          u32
//            payload                   L bytes:
//              sequence                  u64, 1 for the first entry, then +1
//              time                      i64, seconds since 1970-01-01 UTC
//              kind                      u8, 1 write, 2 undo
//              undone sequence           u64, for an undo; else 0
//              note length m, note       u16, m bytes UTF-8 (program, command)
//              change count c            u32
//              c times: offset           u64, 0-based byte offset in the game file
//                       length k         u32
//                       old bytes        k bytes
//                       new bytes        k bytes
//            CRC-32                    u32, of the payload
//
// A write appends its entry, flushes it to the disk and only then writes the
// game file. An entry whose declared length runs past the end of the journal
// is the remains of an append that was cut short (the game file was not yet
// touched): it is ignored and cut off by the next append. A checksum that
// does not match, or a header that names another file or size, makes the
// journal unusable: every write is then refused until it is moved away.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/game_file.h"

namespace vdk::journal {

// A journal that cannot be read, is damaged, belongs to another file, or
// cannot be appended to. Writes are refused with this error.
class JournalError : public GameFileError {
public:
  using GameFileError::GameFileError;
};

struct Change {
  std::uint64_t offset = 0;
  std::vector<std::uint8_t> before;
  std::vector<std::uint8_t> after;  // as long as `before`
};

enum class Kind : std::uint8_t { Write = 1, Undo = 2 };

struct Entry {
  std::uint64_t sequence = 0;
  std::int64_t time = 0;
  Kind kind = Kind::Write;
  std::uint64_t undone = 0;
  std::string note;
  std::vector<Change> changes;
};

struct Contents {
  bool exists = false;
  std::vector<Entry> entries;
  std::uint64_t validEnd = 0;  // bytes of the journal that hold whole entries
  bool tornTail = false;       // an entry cut short follows them
};

std::filesystem::path JournalPathFor(const std::filesystem::path& gameFile);

// Who writes: put into every entry's note before the command ("vdkedit",
// "vdktool set weapon ..."). Process-wide; "vdkedit" until set.
void SetNote(std::string note);
const std::string& Note();

// Reads the journal of `gameFile` (empty contents when there is none).
// Throws JournalError when it is damaged or belongs to another file.
Contents Read(const std::filesystem::path& gameFile);

// The bytes of `changes` that differ, as changes of their own (runs of
// differing bytes), for a caller that builds before/after from whole records.
std::vector<Change> Differences(std::uint64_t offset, const std::vector<std::uint8_t>& before,
                                const std::vector<std::uint8_t>& after);

// Appends an entry for `changes` to the journal of the open game file,
// flushed to the disk, then writes the new bytes into `game`. Does nothing
// for no changes. Throws JournalError, before any byte of the game file is
// written, when the journal cannot be read or written; GameFileError when
// the game file write fails afterwards (the entry then stands for an
// interrupted write). Returns the entry's sequence number (0 for nothing).
std::uint64_t WriteJournaled(GameFile& game, const std::vector<Change>& changes, Kind kind = Kind::Write,
                             std::uint64_t undone = 0);

// State of an entry against the game file as it is now.
enum class State {
  Applied,      // the file holds the entry's new bytes
  NotApplied,   // it holds the old bytes
  Partial,      // some bytes old, the rest new: a write cut short
  Changed,      // something else: changed since, by a later entry or outside
};
const char* StateName(State state);
State StateOf(const Entry& entry, GameFile& game);
// The state of every entry against the file as it would be with the later
// entries rolled back, so that a write a later one changed again still
// counts as applied, and Changed means a change from outside. NotApplied and
// Partial are only given to the newest entry (an interrupted write).
std::vector<State> States(const Contents& contents, GameFile& game);

// The writes that `Undo` would revert, newest first: entries of kind Write
// that no Undo entry has reverted.
std::vector<const Entry*> UndoableWrites(const Contents& contents);

// Reverts the last `count` writes, newest first. Every one is checked before
// anything is written: the file must hold each write's new bytes (or, for the
// newest entry of the journal, each byte its old or new value, as an
// interrupted write leaves it); otherwise nothing changes and JournalError
// tells which write and byte differ. Each revert is journaled as an Undo
// entry. Returns the sequences reverted.
std::vector<std::uint64_t> Undo(const std::filesystem::path& gameFile, std::size_t count);

// Finishes an interrupted write: when the newest entry is NotApplied or
// Partial, writes its remaining new bytes. Returns false when there is
// nothing to finish; throws JournalError when the file holds other bytes.
bool Recover(const std::filesystem::path& gameFile);

// CRC-32 (IEEE 802.3, as zip uses).
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);

}  // namespace vdk::journal
