// The four editors in the real vdkedit.exe under Wine: each opened from the
// main window's list, a record picked, a field changed and written, and the
// game file's bytes checked (only the changed field differs).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/editors/full_upgrade_bonus_editor_ids.h"
#include "editor/editors/skill_effect_editor_ids.h"
#include "editor/editors/skill_training_editor_ids.h"
#include "editor/editors/upgrade_cost_editor_ids.h"
#include "tests/gui_driver/gui_driver.h"
#include "tools/samples/layout.h"
#include "tools/samples/notable.h"
#include "tools/samples/sample_files.h"

namespace vdk::gui {
namespace {

using Bytes = std::vector<unsigned char>;

// Selects a combo box item and posts the change to the dialog, for a choice
// that ends in a message box (a sent notification would wait for it).
void PostComboChoice(HWND dialog, int id, int index) {
  HWND combo = Control(dialog, id);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_NORMAL, kDefaultTimeoutMs,
                      &ignored);
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

class GrowthCostEditorsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    samples::WrittenPaths written;
    std::string error;
    ASSERT_TRUE(samples::WriteSampleFiles(folder_.path(), written, error)) << error;
    sharedBin_ = written.sharedBin;
    exe_ = written.exe;
    sharedBefore_ = ReadFileBytes(sharedBin_);
    exeBefore_ = ReadFileBytes(exe_);
    program_ = std::make_unique<Program>(folder_.path());
    program_->chooseGameFiles(sharedBin_, exe_);
  }

  // Waits until the file differs from `before`, then returns its bytes.
  static Bytes WaitForChange(const std::filesystem::path& file, const Bytes& before) {
    Bytes now;
    WaitUntil([&] {
      now = ReadFileBytes(file);
      return now != before;
    });
    return now;
  }

  // `before` with `bytes` put at `offset`.
  static Bytes With(Bytes before, std::size_t offset, const Bytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), before.begin() + static_cast<std::ptrdiff_t>(offset));
    return before;
  }

  // The message box a write shows; none is expected after a valid write.
  std::wstring WriteMessage(HWND form, int button) {
    Click(form, button);
    auto box = WaitForMessageBox(program_->processId(), 3000);
    if (!box) return L"";
    Dismiss(*box);
    return box->text;
  }

  TempFolder folder_;
  std::filesystem::path sharedBin_, exe_;
  Bytes sharedBefore_, exeBefore_;
  std::unique_ptr<Program> program_;
};

TEST_F(GrowthCostEditorsTest, FullUpgradeBonusEditorShowsAndWritesABonus) {
  HWND form = program_->openEditor(7, L"机体改满奖励");
  const auto names = ListItems(Control(form, IDC_FORM8_LIST1));
  ASSERT_EQ(names.size(), 57u);
  EXPECT_EQ(names[56], L"念動フィールドS+ 400");
  EXPECT_EQ(ComboItems(Control(form, IDC_FORM8_COMBO1)).size(), 32u);
  EXPECT_EQ(ComboItems(Control(form, IDC_FORM8_COMBO3_3)).size(), 6u);

  // A skill byte of 40 has no item: an extra one says its value.
  SelectListItem(form, IDC_FORM8_LIST1, static_cast<int>(samples::notable::kBonusBeyondLists));
  const auto skills = ComboItems(Control(form, IDC_FORM8_COMBO1));
  ASSERT_EQ(skills.size(), 33u);
  EXPECT_NE(skills[32].find(L"40"), std::wstring::npos);
  EXPECT_EQ(ComboSelection(Control(form, IDC_FORM8_COMBO1)), 32);

  const std::uint32_t record = samples::notable::kBonusSpecial0A;
  SelectListItem(form, IDC_FORM8_LIST1, static_cast<int>(record));
  EXPECT_EQ(ControlText(form, IDC_FORM8_TEXT12), L"0A");
  EXPECT_EQ(ComboItems(Control(form, IDC_FORM8_COMBO1)).size(), 32u) << "the extra item stays behind";

  SetControlText(form, IDC_FORM8_TEXT1, L"300");
  SelectComboItem(form, IDC_FORM8_COMBO2_0, 5);  // "S" for the unit's air rating
  Click(form, IDC_FORM8_COMMAND2);
  const std::size_t at = samples::kFullUpgradeBonuses.at(record);
  Bytes expected = With(sharedBefore_, at + 0x04, {0x2C, 0x01});
  expected[at + 0x15] = 5;
  EXPECT_TRUE(WaitForChange(sharedBin_, sharedBefore_) == expected);
}

TEST_F(GrowthCostEditorsTest, AnInvalidEntryIsNamedAndNothingIsWritten) {
  HWND form = program_->openEditor(7, L"机体改满奖励");
  // No bonus chosen yet: "写入" does nothing.
  EXPECT_EQ(WriteMessage(form, IDC_FORM8_COMMAND2), L"");
  SelectListItem(form, IDC_FORM8_LIST1, 3);
  SetControlText(form, IDC_FORM8_TEXT2, L"150");
  SetControlText(form, IDC_FORM8_TEXT4, L"256");
  const std::wstring message = WriteMessage(form, IDC_FORM8_COMMAND2);
  EXPECT_NE(message.find(L"HP+%"), std::wstring::npos) << message;
  EXPECT_NE(message.find(L"255"), std::wstring::npos) << message;
  EXPECT_TRUE(ReadFileBytes(sharedBin_) == sharedBefore_);
  // The focus is on the entry to mend.
  GUITHREADINFO thread{};
  thread.cbSize = sizeof(thread);
  EXPECT_TRUE(WaitUntil([&] {
    return GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &thread) &&
           thread.hwndFocus == Control(form, IDC_FORM8_TEXT4);
  }));
}

TEST_F(GrowthCostEditorsTest, SkillTrainingEditorWritesTheTypeAndAllCostsToOne) {
  HWND form = program_->openEditor(8, L"机师技能养成");
  ASSERT_EQ(ListItems(Control(form, IDC_FORM9_LIST1)).size(), 46u);
  const std::uint32_t record = samples::notable::kTrainingMain;
  SelectListItem(form, IDC_FORM9_LIST1, static_cast<int>(record));
  EXPECT_EQ(ControlText(form, IDC_FORM9_TEXT2), L"53");
  EXPECT_TRUE(IsChecked(form, IDC_FORM9_OPTION1));

  SetChecked(form, IDC_FORM9_OPTION2, true);  // "副机师能养成"
  Click(form, IDC_FORM9_COMMAND4);            // "该技能养成PP消耗1"
  Click(form, IDC_FORM9_COMMAND2);
  const std::size_t at = samples::kTraining.at(record);
  Bytes expected = With(sharedBefore_, at + 4, Bytes(9, 1));
  expected[at + 0x0D] = 0x73;
  EXPECT_TRUE(WaitForChange(sharedBin_, sharedBefore_) == expected);
  EXPECT_TRUE(WaitUntil([&] { return ControlText(form, IDC_FORM9_TEXT2) == L"73"; }));

  // A type digit no button stands for shows "不能养成" and is kept.
  const std::uint32_t odd = samples::notable::kTrainingOddType;
  SelectListItem(form, IDC_FORM9_LIST1, static_cast<int>(odd));
  EXPECT_EQ(ControlText(form, IDC_FORM9_TEXT2), L"23");
  EXPECT_TRUE(IsChecked(form, IDC_FORM9_OPTION3));
  SetControlText(form, IDC_FORM9_TEXT1_0, L"42");
  Click(form, IDC_FORM9_COMMAND2);
  const std::size_t oddAt = samples::kTraining.at(odd);
  Bytes expectedOdd = expected;
  expectedOdd[oddAt + 4] = 42;
  EXPECT_TRUE(WaitForChange(sharedBin_, expected) == expectedOdd);
}

TEST_F(GrowthCostEditorsTest, UpgradeCostEditorWritesEachTableWithItsOwnButton) {
  HWND form = program_->openEditor(9, L"改造费用");
  EXPECT_EQ(ComboItems(Control(form, IDC_FORM10_COMBO1)),
            (std::vector<std::wstring>{L"HP", L"EN", L"运动性", L"装甲"}));
  EXPECT_EQ(ComboItems(Control(form, IDC_FORM10_COMBO2)).size(), 5u);
  // No row chosen: neither button writes.
  EXPECT_EQ(WriteMessage(form, IDC_FORM10_COMMAND1), L"");
  EXPECT_EQ(WriteMessage(form, IDC_FORM10_COMMAND3), L"");

  SelectComboItem(form, IDC_FORM10_COMBO1, 3);  // "装甲", at 0x434BF4
  SelectComboItem(form, IDC_FORM10_COMBO2, 1);
  SetControlText(form, IDC_FORM10_TEXT1_2, L"70000");
  SetControlText(form, IDC_FORM10_TEXT2_14, L"123456");
  Click(form, IDC_FORM10_COMMAND1);
  const Bytes unitWritten = With(exeBefore_, 0x434BF4 + 8, {0x70, 0x11, 0x01, 0x00});
  EXPECT_TRUE(WaitForChange(exe_, exeBefore_) == unitWritten);

  Click(form, IDC_FORM10_COMMAND3);
  const Bytes weaponWritten =
      With(unitWritten, samples::kWeaponUpgradeCosts.at(1) + 56, {0x40, 0xE2, 0x01, 0x00});
  EXPECT_TRUE(WaitForChange(exe_, unitWritten) == weaponWritten);
}

TEST_F(GrowthCostEditorsTest, AFileTooShortForTheRowIsReportedAndNothingIsWritten) {
  HWND form = program_->openEditor(9, L"改造费用");
  SelectComboItem(form, IDC_FORM10_COMBO1, 0);
  // The file is cut short behind the editor's back: row 3 no longer fits.
  const Bytes cut(exeBefore_.begin(), exeBefore_.begin() + samples::kUnitUpgradeCosts.at(3) + 10);
  WriteFileBytes(exe_, cut);
  PostComboChoice(form, IDC_FORM10_COMBO1, 3);
  auto box = WaitForMessageBox(program_->processId());
  ASSERT_TRUE(box);
  EXPECT_NE(box->text.find(L"VDKX_418.06"), std::wstring::npos) << box->text;
  Dismiss(*box);
  // Nothing counts as shown: row 0's values cannot go into another row.
  EXPECT_EQ(ComboSelection(Control(form, IDC_FORM10_COMBO1)), -1);
  EXPECT_EQ(WriteMessage(form, IDC_FORM10_COMMAND1), L"");
  EXPECT_TRUE(ReadFileBytes(exe_) == cut);
}

TEST_F(GrowthCostEditorsTest, SkillEffectEditorWritesBothTables) {
  HWND form = program_->openEditor(10, L"机体机师技能效果");
  EXPECT_EQ(ComboItems(Control(form, IDC_FORM11_COMBO1)).size(), 9u);
  EXPECT_EQ(ComboItems(Control(form, IDC_FORM11_COMBO3)),
            (std::vector<std::wstring>{L"ガンファイト", L"インファイト"}));
  EXPECT_TRUE(IsEnabled(form, IDC_FORM11_COMBO3));

  // An effect type of 4 has no item of its own.
  SelectComboItem(form, IDC_FORM11_COMBO1, static_cast<int>(samples::notable::kDefenceBeyondList));
  EXPECT_EQ(ComboSelection(Control(form, IDC_FORM11_COMBO2)), 4);

  SelectComboItem(form, IDC_FORM11_COMBO1, 8);  // "ビーム吸收", at 0x44EA40
  SelectComboItem(form, IDC_FORM11_COMBO2, 3);  // "类型4"
  SetControlText(form, IDC_FORM11_TEXT3, L"30");
  Click(form, IDC_FORM11_COMMAND1);
  Bytes defenceWritten = exeBefore_;
  defenceWritten[0x44EA40 + 0x10] = 3;
  defenceWritten[0x44EA40 + 0x14] = 30;
  EXPECT_TRUE(WaitForChange(exe_, exeBefore_) == defenceWritten);

  SelectComboItem(form, IDC_FORM11_COMBO3, 1);  // "インファイト"
  SetControlText(form, IDC_FORM11_TEXT5_9, L"7");
  Click(form, IDC_FORM11_COMMAND3);
  const Bytes styleWritten =
      With(defenceWritten, samples::kFightingStyles.at(1) + 0x30 + 36, {0x07, 0x00, 0x00, 0x00});
  EXPECT_TRUE(WaitForChange(exe_, defenceWritten) == styleWritten);
}

}  // namespace
}  // namespace vdk::gui
