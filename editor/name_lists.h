// Name lists: the plain-text lists in the data folder beside the program
// that give units, pilots and weapons their names, and the record position
// table an editor builds from its chooser's list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vdk {

// A list file that is missing, unreadable or holds too few items. The text
// names the file.
class NameListError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// One list file: its name with the leading separator as the program writes
// it ("\unit.txt"), how many items are read, and, for the list that chooses
// the record being edited, where record 0 sits (1-based) and the record size.
struct NameListFile {
  const char* name;
  std::size_t count;
  std::int32_t firstPosition = 0;
  std::int32_t recordSize = 0;
};

inline constexpr NameListFile kUnitNames{"\\unit.txt", 427, 1177765, 100};
inline constexpr NameListFile kWeaponNames{"\\weapon.txt", 3560};
inline constexpr NameListFile kPilotNames{"\\pilot.txt", 382, 1291409, 148};
inline constexpr NameListFile kWeapon2Names{"\\weapon2.txt", 1628, 1228681, 36};
inline constexpr NameListFile kUnit2Names{"\\unit2.txt", 1413};
inline constexpr NameListFile kPilot2Names{"\\pilot2.txt", 1315};

// Help texts of the help window.
inline constexpr const char* kInstructionsText = "\\sm.txt";
inline constexpr const char* kQuestionsText = "\\wt.txt";

// Captions the main window shows while lists are read and afterwards.
inline constexpr const wchar_t* kReadingCaption = L"正在读取数据";
inline constexpr const wchar_t* kReadyCaption = L"铁卫VDK静态修改器";

struct NameList {
  std::vector<std::wstring> names;
  // 1-based record positions, one per name, empty for lists without records.
  std::vector<std::int32_t> positions;
};

// The program folder, "\" and "data\", then the name with its leading "\":
// the doubled separator counts as one.
std::filesystem::path DataFilePath(const std::filesystem::path& programFolder, std::string_view name);

// Splits raw bytes into at most `count` items with the delimited-input rule:
// leading blanks skipped; a quoted item runs to the closing quote; any other
// item runs to the next comma or line end and loses trailing blanks. Raises
// NameListError naming `fileName` when fewer than `count` items are present.
std::vector<std::string> ReadListItems(std::string_view bytes, std::size_t count, std::string_view fileName);

// Reads one list from the data folder (code page 936) and builds its record
// position table when the list has one.
NameList LoadNameList(const std::filesystem::path& programFolder, const NameListFile& file);

// Reads a help text whole, each line followed by CR LF, decoded from code
// page 936.
std::wstring LoadHelpText(const std::filesystem::path& programFolder, std::string_view name);

// Reads a whole file into memory; raises NameListError naming it when it
// cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

}  // namespace vdk
