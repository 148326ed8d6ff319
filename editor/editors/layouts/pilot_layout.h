// Pilots in SHARED.BIN: the six basic stats, SP, spirit commands with their
// costs and learning levels, the twin spirit, the ACE bonus, six skills,
// sixteen trust-bonus codes and who the pilot may board with. Each skill
// has a row code that points into the skill-growth table, whose nine bytes
// are the pilot levels at which the skill reaches levels 1 to 9.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "editor/editors/core/record_editor.h"

namespace vdk::editors {

// Every shown field of a pilot record, in record order.
const RecordLayout& PilotLayout();

inline constexpr int kPilotSkills = 6;
inline constexpr int kGrowthLevels = 9;

// The skill-growth table: 9-byte rows from byte offset 0x149DFC up to the
// enhancement part table (rows 0 to 244).
inline constexpr std::uint32_t kGrowthTableOffset = 0x149DFC;
inline constexpr std::uint32_t kGrowthRowCount = 245;

// Skill s (0 to 5): its row-code box and the array of its nine level boxes.
struct SkillRow {
  const char* code;    // "Text22", "Text23", "Text24", "Text25", "Text26", "Text28"
  const char* levels;  // "Text13", "Text17", "Text18", "Text19", "Text20", "Text21"
};
extern const std::array<SkillRow, kPilotSkills> kSkillRows;

// The growth row of skill s as a record of the growth table, shown in that
// skill's nine level boxes.
const RecordLayout& GrowthRowLayout(int skill);

// Which growth row each skill's level boxes show: the row number, or nothing
// for a skill without a row (code 0000, the boxes show "0") or whose code
// points beyond the table (the boxes are left empty). Only shown rows are
// written, and each at the row it was shown from.
using GrowthRows = std::array<std::optional<std::uint32_t>, kPilotSkills>;

// The row a code text stands for (its two bytes little-endian), when it is
// a valid four-digit code; nothing for text that is not.
std::optional<std::uint32_t> RowCode(const std::string& codeText);

// Shows pilot `pilot` and then the growth rows its codes point to.
FormValues ShowPilot(const std::filesystem::path& file, std::uint32_t pilot, GrowthRows& rows);

// Checks the pilot's fields and its shown rows together; only when every
// entry is valid writes them (rows at the row they were shown from, so a
// changed code never copies one row's levels over another). Afterwards the
// rows are shown again from the codes as written. Throws GameFileError
// as ShowRecords does.
std::vector<FieldError> WritePilot(const std::filesystem::path& file, std::uint32_t pilot, GrowthRows& rows,
                                   FormValues& values);

// Spirit commands Combo1(0)-Combo1(5) and Combo2 (44 items).
const ItemList& SpiritCommandNames();
// Skills Combo7(0)-Combo7(5) (47 items, the last "未使用").
const ItemList& PilotSkillList();
// ACE bonuses Combo3 (86 items).
const ItemList& PilotAceBonusNames();

}  // namespace vdk::editors
