// What every table of these editors must keep, on the sample files and on
// files of random bytes: an unchanged write leaves the file byte-identical,
// a change to one control changes exactly the bits of its field, and an entry
// that cannot be converted writes nothing at all.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "editor/editors/core/record_editor.h"
#include "editor/editors/layouts/full_upgrade_bonus_layout.h"
#include "editor/editors/layouts/skill_effect_layout.h"
#include "editor/editors/layouts/skill_training_layout.h"
#include "editor/editors/layouts/upgrade_cost_layout.h"
#include "editor/game_file.h"
#include "tests/growth_cost_editors/game_image.h"

namespace vdk::editors {
namespace {

using testing::Bytes;
using testing::GameImage;

struct TableCase {
  const char* name;
  const RecordLayout& (*layout)();
  bool onExe;  // VDKX_418.06 rather than SHARED.BIN
};

const TableCase kTables[] = {
    {"FullUpgradeBonuses", &FullUpgradeBonusLayout, false},
    {"SkillTraining", &SkillTrainingLayout, false},
    {"UnitUpgradeCosts", &UnitUpgradeCostLayout, true},
    {"WeaponUpgradeCosts", &WeaponUpgradeCostLayout, true},
    {"DefensiveSkills", &DefensiveSkillLayout, true},
    {"FightingStyles", &FightingStyleLayout, true},
};

enum class Source { Samples, RandomBytes };

class TableTest : public ::testing::TestWithParam<std::tuple<TableCase, Source>> {
 protected:
  const RecordLayout& layout() const { return std::get<0>(GetParam()).layout(); }

  GameImage MakeFile() const {
    const TableCase& table = std::get<0>(GetParam());
    if (std::get<1>(GetParam()) == Source::Samples) {
      const auto& samples = testing::Samples();
      return GameImage(table.onExe ? samples::kExeName : samples::kSharedBinName,
                       table.onExe ? samples.exe : samples.sharedBin);
    }
    // Random bytes up to a little past the table: the file need not be longer.
    const auto end = static_cast<std::size_t>(layout().offsetOf(layout().recordCount)) + 7;
    return GameImage(table.onExe ? samples::kExeName : samples::kSharedBinName,
                     testing::RandomBytes(end, static_cast<unsigned>(layout().tableOffset)));
  }

  Bytes RecordNow(const GameImage& file, std::uint32_t record) const {
    return file.at(layout().offsetOf(record), layout().recordSize);
  }
};

// The bits of the record that a field may change.
Bytes FieldMask(const Field& field, std::size_t recordSize) {
  Bytes mask(recordSize, 0);
  const std::uint64_t bits = (field.bitCount() >= 32 ? 0xFFFFFFFFull : (1ull << field.bitCount()) - 1)
                             << field.shift;
  for (int i = 0; i < field.width; ++i)
    mask[static_cast<std::size_t>(field.offset + i)] = static_cast<std::uint8_t>(bits >> (8 * i));
  return mask;
}

// Another valid entry for the field than the one shown.
void ChangeEntry(const Field& field, ControlValue& value) {
  switch (field.codec.shown) {
    case Shown::Decimal: {
      const std::uint64_t max = field.bitCount() >= 32 ? 0xFFFFFFFFull : (1ull << field.bitCount()) - 1;
      value.text = std::to_string((std::stoull(value.text) + 1) & max);
      break;
    }
    case Shown::Hex: {
      char& last = value.text.back();
      const int digit = (last <= '9' ? last - '0' : last - 'A' + 10);
      last = "0123456789ABCDEF"[(digit + 1) % 16];
      break;
    }
    case Shown::List:
      value.selection = value.selection + 1 >= field.codec.itemCount ? 0 : value.selection + 1;
      value.extra.reset();
      break;
    case Shown::Options:
      value.selection = (value.selection + 1) % static_cast<int>(field.codec.options.size());
      value.extra.reset();
      break;
    default:
      FAIL() << "no change for " << field.control;
  }
}

TEST_P(TableTest, UnchangedWriteOfEveryRecordLeavesTheFileByteIdentical) {
  GameImage file = MakeFile();
  for (std::uint32_t r = 0; r < layout().recordCount; ++r) {
    FormValues values = ShowRecord(file.path(), layout(), r);
    EXPECT_TRUE(WriteRecord(file.path(), layout(), r, values).empty()) << "record " << r;
  }
  EXPECT_TRUE(file.now() == file.original());
}

TEST_P(TableTest, ChangingOneControlChangesExactlyTheBitsOfItsField) {
  GameImage file = MakeFile();
  Bytes expected = file.original();
  std::uint32_t record = 0;
  for (const Field& field : layout().fields) {
    record = (record + 1) % layout().recordCount;  // spread the changes over the records
    FormValues values = ShowRecord(file.path(), layout(), record);
    ChangeEntry(field, values[field.control]);
    const ControlValue wanted = values[field.control];
    const Bytes before = RecordNow(file, record);
    ASSERT_TRUE(WriteRecord(file.path(), layout(), record, values).empty()) << field.control;
    const Bytes after = RecordNow(file, record);

    const Bytes mask = FieldMask(field, before.size());
    bool changed = false;
    for (std::size_t i = 0; i < before.size(); ++i) {
      const auto diff = static_cast<std::uint8_t>(before[i] ^ after[i]);
      EXPECT_EQ(diff & ~mask[i], 0) << field.control << " changed byte " << i << " of record " << record;
      changed = changed || diff != 0;
    }
    EXPECT_TRUE(changed) << field.control;

    const ControlValue shown = ShowRecord(file.path(), layout(), record)[field.control];
    EXPECT_EQ(shown.text, wanted.text) << field.control;
    EXPECT_EQ(shown.selection, wanted.selection) << field.control;
    std::copy(after.begin(), after.end(),
              expected.begin() + static_cast<std::ptrdiff_t>(layout().offsetOf(record)));
  }
  EXPECT_TRUE(file.now() == expected) << "bytes outside the changed records moved";
}

TEST_P(TableTest, AnEntryThatCannotBeConvertedWritesNothing) {
  GameImage file = MakeFile();
  const std::uint32_t record = layout().recordCount - 1;
  for (const Field& field : layout().fields) {
    std::vector<std::string> bad;
    const auto digits = static_cast<std::size_t>(2 * field.width);
    if (field.codec.shown == Shown::Decimal) {
      const std::uint64_t max = field.bitCount() >= 32 ? 0xFFFFFFFFull : (1ull << field.bitCount()) - 1;
      bad = {"", "abc", "-1", "1.5", "12a", std::to_string(max + 1)};
    } else if (field.codec.shown == Shown::Hex) {
      bad = {"", std::string(digits - 1, 'A'), std::string(digits + 1, 'A'),
             "G" + std::string(digits - 1, '0')};
    }
    for (const std::string& entry : bad) {
      // Every other control changed too: nothing of the record may reach the file.
      FormValues values = ShowRecord(file.path(), layout(), record);
      for (const Field& other : layout().fields)
        if (other.control != field.control) ChangeEntry(other, values[other.control]);
      values[field.control].text = entry;
      const std::vector<FieldError> errors = WriteRecord(file.path(), layout(), record, values);
      ASSERT_EQ(errors.size(), 1u) << field.control << " = \"" << entry << "\"";
      EXPECT_EQ(errors[0].control, field.control);
      EXPECT_NE(errors[0].message.find(field.label), std::wstring::npos) << field.control;
    }
  }
  EXPECT_TRUE(file.now() == file.original());
}

TEST_P(TableTest, AShortOrMissingFileIsReportedAndLeftAlone) {
  const TableCase& table = std::get<0>(GetParam());
  const std::uint32_t last = layout().recordCount - 1;
  // One byte short of the last record's end.
  GameImage file(
      table.onExe ? samples::kExeName : samples::kSharedBinName,
      testing::RandomBytes(static_cast<std::size_t>(layout().offsetOf(last) + layout().recordSize - 1), 3));
  EXPECT_THROW(ShowRecord(file.path(), layout(), last), GameFileError);
  FormValues values = ShowRecord(file.path(), layout(), 0);
  EXPECT_THROW(WriteRecord(file.path(), layout(), last, values), GameFileError);
  EXPECT_TRUE(file.now() == file.original());
  EXPECT_THROW(ShowRecord(file.path().parent_path() / "missing", layout(), 0), GameFileError);
}

std::string CaseName(const ::testing::TestParamInfo<TableTest::ParamType>& info) {
  return std::string(std::get<0>(info.param).name) +
         (std::get<1>(info.param) == Source::Samples ? "OnSamples" : "OnRandomBytes");
}

INSTANTIATE_TEST_SUITE_P(Tables, TableTest,
                         ::testing::Combine(::testing::ValuesIn(kTables),
                                            ::testing::Values(Source::Samples, Source::RandomBytes)),
                         CaseName);

}  // namespace
}  // namespace vdk::editors
