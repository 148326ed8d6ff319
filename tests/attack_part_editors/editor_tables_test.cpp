// Checks every editor of this suite the same way, on the sample SHARED.BIN
// and on files of random bytes: an unchanged write leaves the file as it
// was, a change to one control writes exactly its field's bytes, and an
// entry that cannot be converted writes nothing at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "editor/game_file.h"
#include "tests/attack_part_editors/editors_under_test.h"
#include "tests/attack_part_editors/test_files.h"

namespace vdk::editors::testing {
namespace {

class EditorTables : public ::testing::TestWithParam<EditorUnderTest> {
 protected:
  const RecordLayout& layout() const { return *GetParam().layout; }
};

TEST_P(EditorTables, LayoutAgreesWithTheTableAndItsChooser) {
  const RecordLayout& l = layout();
  EXPECT_EQ(l.tableOffset, GetParam().table->offset);
  EXPECT_EQ(l.recordSize, GetParam().table->size);
  EXPECT_EQ(l.recordCount, GetParam().table->count);
  EXPECT_EQ(GetParam().records->size(), l.recordCount);
  std::set<std::string> controls;
  for (const Field& f : l.fields) {
    EXPECT_LE(f.offset + f.width, static_cast<int>(l.recordSize)) << f.control;
    EXPECT_FALSE(f.label.empty()) << f.control;
    EXPECT_TRUE(controls.insert(f.control).second) << f.control << " twice";
  }
}

TEST_P(EditorTables, UnchangedWriteLeavesTheFileByteIdentical) {
  const RecordLayout& l = layout();
  std::vector<std::string> files{SampleSharedBin()};
  for (unsigned seed = 1; seed <= 10; ++seed) files.push_back(RandomFileFor(l, seed));
  for (std::size_t i = 0; i < files.size(); ++i) {
    GameFileCopy file(files[i], l);
    for (std::uint32_t n = 0; n < l.recordCount; ++n) {
      FormValues values = ShowRecord(file.path(), l, n);
      const auto errors = WriteRecord(file.path(), l, n, values);
      ASSERT_TRUE(errors.empty()) << "file " << i << " record " << n << ": " << errors.front().control;
    }
    ASSERT_TRUE(file.changedOffsets().empty()) << "file " << i;
  }
}

// A different entry that the field accepts.
void ChangeEntry(const Field& field, ControlValue& entry) {
  switch (field.codec.shown) {
    case Shown::Decimal:
    case Shown::Signed:
      entry.text = entry.text == "1" ? "2" : "1";
      break;
    case Shown::Hex:
      entry.text[0] = entry.text[0] == '0' ? 'A' : '0';
      break;
    case Shown::List:
      entry.selection = entry.selection + 1 >= field.codec.itemCount ? 0 : entry.selection + 1;
      break;
    case Shown::Options:
      entry.selection = (entry.selection + 1) % static_cast<int>(field.codec.options.size());
      break;
    default:
      FAIL() << "no change for " << field.control;
  }
}

TEST_P(EditorTables, ChangingOneControlWritesExactlyItsField) {
  const RecordLayout& l = layout();
  for (const std::string& bytes : {SampleSharedBin(), RandomFileFor(l, 99)}) {
    GameFileCopy file(bytes, l);
    for (std::uint32_t n : {0u, l.recordCount / 2, l.recordCount - 1}) {
      for (const Field& field : l.fields) {
        file.restore();
        FormValues values = ShowRecord(file.path(), l, n);
        ChangeEntry(field, values[field.control]);
        ASSERT_TRUE(WriteRecord(file.path(), l, n, values).empty()) << field.control;
        const auto changed = file.changedOffsets();
        if (!field.written) {
          EXPECT_TRUE(changed.empty()) << field.control << " is shown only";
          continue;
        }
        const std::uint64_t start = l.offsetOf(n) + static_cast<std::uint64_t>(field.offset);
        EXPECT_FALSE(changed.empty()) << field.control << " record " << n;
        for (std::size_t at : changed)
          EXPECT_TRUE(at >= start && at < start + static_cast<std::uint64_t>(field.width))
              << field.control << " record " << n << " changed offset " << at;
        // Shown again, the record holds the new entry.
        FormValues again = ShowRecord(file.path(), l, n);
        EXPECT_EQ(again[field.control].selection, values[field.control].selection) << field.control;
        if (field.codec.shown == Shown::Hex) {
          EXPECT_EQ(again[field.control].text, values[field.control].text);
        }
      }
    }
  }
}

// Entries the field cannot hold, by how it is shown.
std::vector<std::string> BadEntries(const Field& field) {
  const std::uint64_t limit = (std::uint64_t{1} << (8 * field.width)) - 1;
  switch (field.codec.shown) {
    case Shown::Decimal:
      return {"", "-1", "12a", std::to_string(limit + 1), "1.5"};
    case Shown::Signed: {
      const std::int64_t low =
          static_cast<std::int64_t>(field.codec.signedAbove) + 1 - (std::int64_t{1} << (8 * field.width));
      return {"", "-", std::to_string(low - 1), std::to_string(limit + 1), "x1"};
    }
    case Shown::Hex:
      return {"", std::string(2 * field.width - 1, '1'), std::string(2 * field.width + 1, '1'),
              std::string(2 * field.width, 'G')};
    default:
      return {};
  }
}

TEST_P(EditorTables, AnEntryThatCannotBeConvertedWritesNothing) {
  const RecordLayout& l = layout();
  const std::uint32_t n = l.recordCount - 1;
  GameFileCopy file(SampleSharedBin(), l);
  for (const Field& field : l.fields) {
    if (!field.written) continue;
    for (const std::string& bad : BadEntries(field)) {
      FormValues values = ShowRecord(file.path(), l, n);
      // Valid changes around the bad entry must not reach the file either.
      for (const Field& other : l.fields)
        if (&other != &field && other.written) ChangeEntry(other, values[other.control]);
      values[field.control].text = bad;
      const auto errors = WriteRecord(file.path(), l, n, values);
      ASSERT_EQ(errors.size(), 1u) << field.control << " \"" << bad << "\"";
      EXPECT_EQ(errors[0].control, field.control);
      EXPECT_NE(errors[0].message.find(field.label), std::wstring::npos) << field.control;
      EXPECT_TRUE(file.changedOffsets().empty()) << field.control << " \"" << bad << "\"";
    }
  }
}

TEST_P(EditorTables, AFileTooShortForTheRecordIsRefusedAndKept) {
  const RecordLayout& l = layout();
  const std::uint32_t last = l.recordCount - 1;
  std::string bytes = RandomFileFor(l, 5);
  bytes.resize(static_cast<std::size_t>(l.offsetOf(last) + l.recordSize - 1));
  GameFileCopy file(bytes, l);
  EXPECT_NO_THROW(ShowRecord(file.path(), l, last - 1));
  EXPECT_THROW(ShowRecord(file.path(), l, last), GameFileError);
  FormValues values = ShowRecord(file.path(), l, last - 1);
  EXPECT_THROW(WriteRecord(file.path(), l, last, values), GameFileError);
  EXPECT_TRUE(file.changedOffsets().empty());
}

INSTANTIATE_TEST_SUITE_P(AttackPartEditors, EditorTables, ::testing::ValuesIn(EditorsUnderTest()),
                         [](const auto& info) { return TestName(info.param); });

}  // namespace
}  // namespace vdk::editors::testing
