// The real vdkedit.exe under Wine: each of the four editors opened from the
// main window, a record picked, fields changed and written, and the game
// file's bytes checked; plus the converter of the combination attack editor
// and how the editors report bad entries, unreadable files and missing lists.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "editor/editors/ace_bonus_editor_ids.h"
#include "editor/editors/ammo_material_editor_ids.h"
#include "editor/editors/combination_attack_editor_ids.h"
#include "editor/editors/enhancement_part_editor_ids.h"
#include "editor/resource.h"
#include "tests/gui_driver/gui_driver.h"
#include "tools/samples/sample_files.h"

namespace vdk::gui {
namespace {

namespace samples = vdk::samples;

constexpr int kCombinationAttacks = 3, kEnhancementParts = 4, kAmmoMaterials = 5, kAceBonuses = 6;

// Picks a list item and posts the notification, for a choice that shows a
// message box (a sent notification would wait for the box to close).
void PostListSelection(HWND dialog, int id, int index) {
  HWND list = Control(dialog, id);
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::string Describe(const std::map<std::size_t, unsigned char>& bytes) {
  std::string text;
  char item[32];
  for (const auto& [offset, value] : bytes) {
    std::snprintf(item, sizeof item, "%zX=%02X ", offset, value);
    text += item;
  }
  return text.empty() ? "(none)" : text;
}

class EditorWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(samples::WriteSampleFiles(folder_.path(), files_, error)) << error;
    original_ = ReadFileBytes(files_.sharedBin);
  }

  // Starts the program with both sample files chosen.
  Program& start(const std::filesystem::path& exe = {}) {
    program_ = std::make_unique<Program>(folder_.path(), exe);
    program_->chooseGameFiles(files_.sharedBin, files_.exe);
    return *program_;
  }

  // Offsets of SHARED.BIN that differ from the sample, with their bytes now.
  std::map<std::size_t, unsigned char> changes() const {
    const auto now = ReadFileBytes(files_.sharedBin);
    std::map<std::size_t, unsigned char> changed;
    for (std::size_t i = 0; i < now.size() && i < original_.size(); ++i)
      if (now[i] != original_[i]) changed[i] = now[i];
    if (now.size() != original_.size()) changed[original_.size()] = 0;
    return changed;
  }

  // Presses the write button and waits until the file holds `expected`
  // (only those bytes changed since the sample was written; bytes that the
  // sample already holds with the expected value are not changes).
  void writeAndExpect(HWND form, int writeButton, std::map<std::size_t, unsigned char> expected) {
    std::erase_if(expected, [&](const auto& byte) { return original_[byte.first] == byte.second; });
    Click(form, writeButton);
    EXPECT_TRUE(WaitUntil([&] { return changes() == expected; }))
        << "expected " << Describe(expected) << "\n     got " << Describe(changes());
    EXPECT_FALSE(WaitForMessageBox(program_->processId(), 200)) << "unexpected message";
  }

  // The next message box's text (dismissed), or a note that none came.
  std::wstring messageText(int timeoutMs = kDefaultTimeoutMs) {
    auto box = WaitForMessageBox(program_->processId(), timeoutMs);
    if (!box) return L"(no message box)";
    Dismiss(*box);
    return box->title + L"|" + box->text;
  }

  TempFolder folder_;
  samples::WrittenPaths files_;
  std::vector<unsigned char> original_;
  std::unique_ptr<Program> program_;
};

std::size_t At(const samples::Table& table, std::uint32_t record, std::uint32_t offset) {
  return table.at(record) + offset;
}

TEST_F(EditorWindowsTest, EachEditorWritesTheChangedFieldsOfThePickedRecord) {
  Program& program = start();
  std::map<std::size_t, unsigned char> expected;

  // 合体技: attack 3, the first unit slot on the second tab page, and the
  // multiplier through the converter.
  HWND attacks = program.openEditor(kCombinationAttacks, L"合体技");
  ASSERT_TRUE(attacks);
  EXPECT_EQ(Text(program.mainWindow()), L"铁卫VDK静态修改器");
  EXPECT_EQ(ListItems(Control(attacks, IDC_FORM5_LIST1)).size(), 12u);
  EXPECT_EQ(ComboItems(Control(attacks, IDC_FORM5_COMBO1)).size(), 3560u);
  EXPECT_EQ(ComboItems(Control(attacks, IDC_FORM5_COMBO5)).size(), 1413u);
  EXPECT_EQ(ComboItems(Control(attacks, IDC_FORM5_COMBO12)).size(), 1315u);
  SelectListItem(attacks, IDC_FORM5_LIST1, samples::notable::kComboMultiplierMax);
  ASSERT_TRUE(WaitUntil([&] { return ControlText(attacks, IDC_FORM5_TEXT1) == L"FF"; }));
  SelectTab(attacks, IDC_FORM5_SSTAB1, 1);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(Control(attacks, IDC_FORM5_COMBO5)) != FALSE; }));
  EXPECT_FALSE(IsWindowVisible(Control(attacks, IDC_FORM5_COMBO1)));
  SelectComboItem(attacks, IDC_FORM5_COMBO5, 0x0102);
  SetControlText(attacks, IDC_FORM5_TEXT2, L"1.5");
  Click(attacks, IDC_FORM5_COMMAND4);
  ASSERT_TRUE(WaitUntil([&] { return ControlText(attacks, IDC_FORM5_TEXT1) == L"96"; }));
  expected[At(samples::kCombinationAttacks, 3, 0x08)] = 0x02;
  expected[At(samples::kCombinationAttacks, 3, 0x09)] = 0x01;
  expected[At(samples::kCombinationAttacks, 3, 0x18)] = 0x96;
  // A slot set to the last name stores the empty marker.
  SelectComboItem(attacks, IDC_FORM5_COMBO6, 1412);
  expected[At(samples::kCombinationAttacks, 3, 0x0A)] = 0xFF;
  expected[At(samples::kCombinationAttacks, 3, 0x0B)] = 0xFF;
  writeAndExpect(attacks, IDC_FORM5_COMMAND2, expected);

  // 强化配件 (window "芯片性能"): part 42's price shows 65535; the HP bonus
  // changes, the part number box is not written.
  HWND parts = program.openEditor(kEnhancementParts, L"芯片性能");
  ASSERT_TRUE(parts);
  SelectListItem(parts, IDC_FORM6_LIST1, samples::notable::kPartPrice65535);
  ASSERT_TRUE(WaitUntil([&] { return ControlText(parts, IDC_FORM6_TEXT15) == L"65535"; }));
  SetControlText(parts, IDC_FORM6_TEXT2, L"1234");
  SetControlText(parts, IDC_FORM6_TEXT1, L"FFFF");
  SelectComboItem(parts, IDC_FORM6_COMBO1, 31);
  expected[At(samples::kEnhancementParts, 42, 0x02)] = 0xD2;
  expected[At(samples::kEnhancementParts, 42, 0x03)] = 0x04;
  expected[At(samples::kEnhancementParts, 42, 0x1A)] = 31;
  writeAndExpect(parts, IDC_FORM6_COMMAND2, expected);

  // 特殊弹素材: a negative attack change and a special property.
  HWND ammo = program.openEditor(kAmmoMaterials, L"特殊弹素材");
  ASSERT_TRUE(ammo);
  SelectListItem(ammo, IDC_FORM7_LIST1, samples::notable::kAmmoAttackMinus10);
  ASSERT_TRUE(WaitUntil([&] { return ControlText(ammo, IDC_FORM7_TEXT2) == L"-10"; }));
  SetControlText(ammo, IDC_FORM7_TEXT2, L"-20");
  SetChecked(ammo, IDC_FORM7_OPTION1_1, true);
  expected[At(samples::kAmmoMaterials, 2, 0x02)] = 0xEC;
  expected[At(samples::kAmmoMaterials, 2, 0x03)] = 0xFF;
  expected[At(samples::kAmmoMaterials, 2, 0x10)] = 4;
  if (original_[At(samples::kAmmoMaterials, 2, 0x10)] == 4)
    expected.erase(At(samples::kAmmoMaterials, 2, 0x10));
  writeAndExpect(ammo, IDC_FORM7_COMMAND3, expected);
  EXPECT_EQ(ControlText(ammo, IDC_FORM7_TEXT2), L"65516");  // the box shows what is stored

  // ACE奖励: record 9 holds a spirit byte beyond the list, which stays while
  // the melee bonus changes; then 魂 is chosen.
  HWND ace = program.openEditor(kAceBonuses, L"ACE奖励");
  ASSERT_TRUE(ace);
  SelectComboItem(ace, IDC_FORM14_COMBO1, samples::notable::kAceBeyondLists);
  HWND spirit = Control(ace, IDC_FORM14_COMBO3);
  ASSERT_TRUE(WaitUntil([&] { return ComboSelection(spirit) == 44; }));
  EXPECT_NE(ComboItems(spirit).back().find(L"50"), std::wstring::npos);
  SetControlText(ace, IDC_FORM14_TEXT1, L"25");
  expected[At(samples::kAceBonuses, 9, 0x04)] = 25;
  writeAndExpect(ace, IDC_FORM14_COMMAND2, expected);
  SelectComboItem(ace, IDC_FORM14_COMBO3, 37);
  expected[At(samples::kAceBonuses, 9, 0x14)] = 0x25;
  writeAndExpect(ace, IDC_FORM14_COMMAND2, expected);

  // "返回" closes an editor and leaves the main window usable.
  Click(ace, IDC_FORM14_COMMAND3);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(ace); }));
  EXPECT_TRUE(IsWindowEnabled(program.mainWindow()));
  EXPECT_TRUE(program.running());
}

TEST_F(EditorWindowsTest, BadEntryIsNamedFocusedAndNothingIsWritten) {
  Program& program = start();
  HWND parts = program.openEditor(kEnhancementParts, L"芯片性能");
  ASSERT_TRUE(parts);
  // Without a record picked, "写入" does nothing.
  Click(parts, IDC_FORM6_COMMAND2);
  EXPECT_EQ(messageText(500), L"(no message box)");

  SelectListItem(parts, IDC_FORM6_LIST1, 7);
  ASSERT_TRUE(WaitUntil([&] { return !ControlText(parts, IDC_FORM6_TEXT15).empty(); }));
  SetControlText(parts, IDC_FORM6_TEXT3, L"77");
  SetControlText(parts, IDC_FORM6_TEXT12, L"256");
  Click(parts, IDC_FORM6_COMMAND2);
  const std::wstring message = messageText();
  EXPECT_NE(message.find(L"附加命中率"), std::wstring::npos) << message;
  EXPECT_NE(message.find(L"255"), std::wstring::npos) << message;
  // The editor focuses the field once the box has returned, a moment after it is gone.
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  EXPECT_TRUE(WaitUntil([&] {
    return GetGUIThreadInfo(GetWindowThreadProcessId(parts, nullptr), &info) &&
           info.hwndFocus == Control(parts, IDC_FORM6_TEXT12);
  })) << "focus on " << info.hwndFocus;
  EXPECT_TRUE(changes().empty());
}

TEST_F(EditorWindowsTest, MultiplierConverterPromptsAndGuards) {
  Program& program = start();
  HWND attacks = program.openEditor(kCombinationAttacks, L"合体技");
  ASSERT_TRUE(attacks);
  // Entering it again brings the same window forward.
  EXPECT_EQ(program.openEditor(kCombinationAttacks, L"合体技"), attacks);
  EXPECT_EQ(TopLevelWindows(program.processId()).size(), 2u);
  Click(attacks, IDC_FORM5_COMMAND7);
  EXPECT_EQ(messageText(), L"vdkedit|请先在左面的文本框输入00-FF范围的16进制数");
  Click(attacks, IDC_FORM5_COMMAND4);
  EXPECT_EQ(messageText(), L"vdkedit|请先在右面的文本框输入0-2.55范围的10进制数");
  Click(attacks, IDC_FORM5_COMMAND6);
  EXPECT_EQ(messageText(), L"vdkedit|注意在10进制里填上倍率后一定要按←转换成16进制后再写入才有效");

  SetControlText(attacks, IDC_FORM5_TEXT1, L"1FF");
  EXPECT_TRUE(WaitUntil([&] { return ControlText(attacks, IDC_FORM5_TEXT1) == L"FF"; }));
  Click(attacks, IDC_FORM5_COMMAND7);
  EXPECT_TRUE(WaitUntil([&] { return ControlText(attacks, IDC_FORM5_TEXT2) == L"2.55"; }));
  SetControlText(attacks, IDC_FORM5_TEXT2, L"3");
  EXPECT_TRUE(WaitUntil([&] { return ControlText(attacks, IDC_FORM5_TEXT2) == L"2.55"; }));

  // The decimal box alone does not reach the file: the write takes the hex box.
  SelectListItem(attacks, IDC_FORM5_LIST1, samples::notable::kComboMultiplier123);
  ASSERT_TRUE(WaitUntil([&] { return ControlText(attacks, IDC_FORM5_TEXT1) == L"7B"; }));
  SetControlText(attacks, IDC_FORM5_TEXT2, L"2");
  Click(attacks, IDC_FORM5_COMMAND2);
  Sleep(300);
  EXPECT_TRUE(changes().empty());
}

TEST_F(EditorWindowsTest, AmmoNoteAndAnUnreadableFileAreReported) {
  Program& program = start();
  HWND ammo = program.openEditor(kAmmoMaterials, L"特殊弹素材");
  ASSERT_TRUE(ammo);
  Click(ammo, IDC_FORM7_COMMAND1);
  EXPECT_EQ(messageText(), L"地形适应|空陆海宇：01表示该地形适应会上升");

  SelectListItem(ammo, IDC_FORM7_LIST1, samples::notable::kAmmoProperty2);
  ASSERT_TRUE(WaitUntil([&] { return !ControlText(ammo, IDC_FORM7_TEXT2).empty(); }));
  for (int k = 0; k < 3; ++k) EXPECT_FALSE(IsChecked(ammo, IDC_FORM7_OPTION1_0 + k)) << k;

  // The file is cut short behind the editor's back: picking a record says
  // so, and a write then has no record to write.
  WriteFileBytes(files_.sharedBin, std::vector<unsigned char>(original_.begin(), original_.begin() + 0x1000));
  PostListSelection(ammo, IDC_FORM7_LIST1, 5);
  EXPECT_NE(messageText().find(L"SHARED.BIN"), std::wstring::npos);
  Click(ammo, IDC_FORM7_COMMAND3);
  EXPECT_EQ(messageText(500), L"(no message box)");
  EXPECT_EQ(ReadFileBytes(files_.sharedBin).size(), 0x1000u);
  EXPECT_TRUE(program.running());
}

TEST_F(EditorWindowsTest, MissingNameListKeepsTheCombinationEditorClosed) {
  // A copy of the program whose data folder lacks unit2.txt.
  const auto install = folder_.path() / L"install";
  std::filesystem::create_directories(install / L"data");
  for (const auto& entry : std::filesystem::directory_iterator(BuildFolder()))
    if (entry.path().filename() == L"vdkedit.exe" || entry.path().extension() == L".dll")
      std::filesystem::copy_file(entry.path(), install / entry.path().filename());
  for (const auto& entry : std::filesystem::directory_iterator(BuildFolder() / L"data"))
    if (entry.path().filename() != L"unit2.txt")
      std::filesystem::copy_file(entry.path(), install / L"data" / entry.path().filename());

  Program& program = start(install / L"vdkedit.exe");
  SelectListItem(program.mainWindow(), IDC_FORM1_LIST1, kCombinationAttacks);
  Click(program.mainWindow(), IDC_FORM1_COMMAND4);
  EXPECT_NE(messageText().find(L"unit2.txt"), std::wstring::npos);
  Sleep(300);
  EXPECT_FALSE(program.hasWindow(L"合体技"));
  EXPECT_EQ(Text(program.mainWindow()), L"铁卫VDK静态修改器");
  EXPECT_TRUE(program.running());
}

}  // namespace
}  // namespace vdk::gui
