// The unit, pilot and weapon editors of the real vdkedit.exe under Wine:
// each is opened from the main window, a record is picked, a field changed
// and written, and the game file's bytes are checked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/editors/pilot_editor_ids.h"
#include "editor/editors/unit_editor_ids.h"
#include "editor/editors/weapon_editor_ids.h"
#include "editor/resource.h"
#include "tests/gui_driver/gui_driver.h"
#include "tools/samples/sample_files.h"

namespace vdk::gui {
namespace {

using Bytes = std::vector<unsigned char>;
namespace notable = samples::notable;

// Presses a button and returns once the form has handled it. Only for
// buttons that show no message box.
void Press(HWND dialog, int id) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                           reinterpret_cast<LPARAM>(Control(dialog, id)), SMTO_NORMAL, 20000, &result))
    throw std::runtime_error("button " + std::to_string(id) + " was not handled");
}

std::uint32_t Little(const Bytes& b, std::size_t at, int width) {
  std::uint32_t n = 0;
  for (int i = width - 1; i >= 0; --i) n = n << 8 | b[at + static_cast<std::size_t>(i)];
  return n;
}

// Positions whose bytes differ.
std::vector<std::size_t> Changed(const Bytes& before, const Bytes& after) {
  std::vector<std::size_t> at;
  for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
    if (before[i] != after[i]) at.push_back(i);
  return at;
}

class EditorsGui : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(samples::WriteSampleFiles(folder_.path(), files_, error)) << error;
    program_ = std::make_unique<Program>(folder_.path());
    program_->chooseGameFiles(files_.sharedBin, files_.exe);
  }

  Bytes game() const { return ReadFileBytes(files_.sharedBin); }

  // The text of the next message box, which is then closed.
  std::wstring NextMessage(int button = IDOK) {
    auto box = WaitForMessageBox(program_->processId());
    if (!box) return L"(no message box)";
    Dismiss(*box, button);
    return box->text;
  }

  TempFolder folder_;
  samples::WrittenPaths files_;
  std::unique_ptr<Program> program_;
};

TEST_F(EditorsGui, UnitEditorShowsUnitZeroAndWritesAChangedField) {
  HWND form = program_->openEditor(0, L"机体能力");
  ASSERT_TRUE(form);
  EXPECT_EQ(Text(program_->mainWindow()), L"铁卫VDK静态修改器");
  HWND chooser = Control(form, IDC_FORM2_COMBO19);
  EXPECT_EQ(ComboItems(chooser).size(), 427u);
  EXPECT_EQ(ComboSelection(chooser), 0);
  EXPECT_EQ(ComboItems(Control(form, IDC_FORM2_COMBO17)).size(), 3560u);
  LookAt("weapon-second-page");

  const Bytes before = game();
  const std::size_t unit = samples::kUnits.at(notable::kUnitAbility255);
  SelectComboItem(form, IDC_FORM2_COMBO19, static_cast<int>(notable::kUnitAbility255));
  EXPECT_EQ(ControlText(form, IDC_FORM2_TEXT1), std::to_wstring(Little(before, unit, 4)));
  // Ability 255 has no list entry: an extra item says so.
  HWND ability = Control(form, IDC_FORM2_COMBO1_2);
  EXPECT_EQ(ComboSelection(ability), 32);
  EXPECT_NE(ComboItems(ability).back().find(L"255"), std::wstring::npos);

  SetControlText(form, IDC_FORM2_TEXT6, L"321");                           // EN
  SetChecked(form, IDC_FORM2_CHECK3, !IsChecked(form, IDC_FORM2_CHECK3));  // space movement, bit 15
  Press(form, IDC_FORM2_COMMAND2);
  const Bytes after = game();
  EXPECT_EQ(Little(after, unit + 24, 2), 321u);
  EXPECT_EQ(Changed(before, after), (std::vector<std::size_t>{unit + 7, unit + 24, unit + 25}));
  EXPECT_EQ(after[unit + 89], 255);
}

TEST_F(EditorsGui, UnitEditorRefusesABadEntryAndAnswersItsButtons) {
  HWND form = program_->openEditor(0, L"机体能力");
  ASSERT_TRUE(form);
  const Bytes before = game();
  SetControlText(form, IDC_FORM2_TEXT13, L"300");  // movement is one byte
  Click(form, IDC_FORM2_COMMAND2);
  const std::wstring message = NextMessage();
  EXPECT_NE(message.find(L"移动力"), std::wstring::npos) << message;
  EXPECT_NE(message.find(L"0 到 255"), std::wstring::npos) << message;
  EXPECT_TRUE(game() == before);

  Click(form, IDC_FORM2_COMMAND5);
  auto box = WaitForMessageBox(program_->processId());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->title, L"换乘类型");
  EXPECT_NE(box->text.find(L"AAAA"), std::wstring::npos);
  Dismiss(*box, IDCANCEL);

  Click(form, IDC_FORM2_COMMAND3);  // "返回"
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(form); }));
  EXPECT_TRUE(IsWindowEnabled(program_->mainWindow()));
}

TEST_F(EditorsGui, PilotEditorWritesStatsAndGrowthRow) {
  HWND form = program_->openEditor(1, L"机师能力");
  ASSERT_TRUE(form);
  EXPECT_EQ(ListItems(Control(form, IDC_FORM3_LIST1)).size(), 382u);
  EXPECT_EQ(ControlText(form, IDC_FORM3_TEXT2), L"");  // nothing shown until a pilot is chosen

  const Bytes before = game();
  const std::size_t pilot = samples::kPilots.at(notable::kPilotRowCode5);
  SelectListItem(form, IDC_FORM3_LIST1, static_cast<int>(notable::kPilotRowCode5));
  EXPECT_EQ(ControlText(form, IDC_FORM3_TEXT2), std::to_wstring(before[pilot + 100]));
  EXPECT_EQ(ControlText(form, IDC_FORM3_TEXT22), L"0500");
  const std::size_t row5 = samples::kSkillGrowth.at(5);
  EXPECT_EQ(ControlText(form, IDC_FORM3_TEXT13_0 + 8), std::to_wstring(before[row5 + 8]));
  LookAt("weapon-second-page");

  SetControlText(form, IDC_FORM3_TEXT3, L"77");         // melee
  SetControlText(form, IDC_FORM3_TEXT13_0 + 8, L"99");  // skill 1 reaches level 9 at pilot level 99
  Press(form, IDC_FORM3_COMMAND2);
  const Bytes after = game();
  EXPECT_EQ(after[pilot + 101], 77);
  EXPECT_EQ(after[row5 + 8], 99);
  EXPECT_EQ(Changed(before, after).size(),
            static_cast<std::size_t>((before[pilot + 101] != 77) + (before[row5 + 8] != 99)));
}

// "查看机师代码" hands the full path of the pilot code list to the shell: it
// opens in the text editor associated with .txt files (a window of another
// process whose caption names the file), or, where no program is associated,
// the editor says it could not open that file.
TEST_F(EditorsGui, PilotCodesGoToTheShell) {
  HWND form = program_->openEditor(1, L"机师能力");
  ASSERT_TRUE(form);
  Click(form, IDC_FORM3_COMMAND1);
  HWND viewer = nullptr;
  std::optional<MessageBoxInfo> box;
  EXPECT_TRUE(WaitUntil(
      [&] {
        for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
          if (IsWindowVisible(w) && Text(w).find(L"pilot2") != std::wstring::npos) viewer = w;
        if (!viewer) box = WaitForMessageBox(program_->processId(), 100);
        return viewer || box;
      },
      20000));
  if (viewer) PostMessageW(viewer, WM_CLOSE, 0, 0);
  if (box) {
    EXPECT_NE(box->text.find(L"data\\pilot2.txt"), std::wstring::npos) << box->text;
    Dismiss(*box);
  }
}

TEST_F(EditorsGui, PilotSkillsSharingARowEditItTogether) {
  HWND form = program_->openEditor(1, L"机师能力");
  ASSERT_TRUE(form);
  SelectListItem(form, IDC_FORM3_LIST1, static_cast<int>(notable::kPilotRowCode5));
  // Skill 2 now points at skill 1's row; after the write both show it.
  SetControlText(form, IDC_FORM3_TEXT23, L"0500");
  Press(form, IDC_FORM3_COMMAND2);
  const std::size_t row5 = samples::kSkillGrowth.at(5);
  EXPECT_EQ(ControlText(form, IDC_FORM3_TEXT17_0 + 2), std::to_wstring(game()[row5 + 2]));
  SetControlText(form, IDC_FORM3_TEXT13_0 + 2, L"55");
  EXPECT_EQ(ControlText(form, IDC_FORM3_TEXT17_0 + 2), L"55");
  Press(form, IDC_FORM3_COMMAND2);
  EXPECT_EQ(game()[row5 + 2], 55);
  // A skill without a row has nothing to edit.
  SelectListItem(form, IDC_FORM3_LIST1, static_cast<int>(notable::kPilotWithoutSkills));
  EXPECT_EQ(ControlText(form, IDC_FORM3_TEXT21_0), L"0");
  EXPECT_FALSE(IsEnabled(form, IDC_FORM3_TEXT21_0));
}

TEST_F(EditorsGui, WeaponEditorWritesSearchesAndSetsEveryUpgradeClass) {
  HWND form = program_->openEditor(2, L"武器性能");
  ASSERT_TRUE(form);
  EXPECT_EQ(ListItems(Control(form, IDC_FORM4_LIST1)).size(), 1628u);

  // Search by attack power; a result shows its weapon.
  SetControlText(form, IDC_FORM4_TEXT17, L"1500");
  Press(form, IDC_FORM4_COMMAND4);
  const std::vector<std::wstring> found = ListItems(Control(form, IDC_FORM4_LIST2));
  ASSERT_FALSE(found.empty());
  EXPECT_NE(std::find(found.begin(), found.end(), L"01A - 攻击力:1500"), found.end());
  const int row =
      static_cast<int>(std::find(found.begin(), found.end(), L"01A - 攻击力:1500") - found.begin());
  SelectListItem(form, IDC_FORM4_LIST2, row);
  EXPECT_EQ(ListSelection(Control(form, IDC_FORM4_LIST1)), static_cast<int>(notable::kWeaponSearched));
  EXPECT_EQ(ControlText(form, IDC_FORM4_TEXT4), L"1500");

  // A changed attack is written into its two bytes only.
  const Bytes before = game();
  const std::size_t weapon = samples::kWeapons.at(notable::kWeaponSearched);
  SetControlText(form, IDC_FORM4_TEXT4, L"1499");
  Press(form, IDC_FORM4_COMMAND2);
  Bytes after = game();
  EXPECT_EQ(Little(after, weapon + 8, 2), 1499u);
  EXPECT_EQ(Changed(before, after), (std::vector<std::size_t>{weapon + 8}));

  // Second page: upgrade effect class 4 ("800") for every weapon.
  SelectTab(form, IDC_FORM4_SSTAB1, 1);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(Control(form, IDC_FORM4_COMMAND1)) != FALSE; }));
  EXPECT_FALSE(IsWindowVisible(Control(form, IDC_FORM4_TEXT4)));
  LookAt("weapon-second-page");
  SelectComboItem(form, IDC_FORM4_COMBO2, 4);
  Press(form, IDC_FORM4_COMMAND1);
  const Bytes bulk = game();
  for (std::uint32_t n = 0; n < samples::kWeapons.count; ++n) {
    const std::size_t at = samples::kWeapons.at(n);
    ASSERT_EQ((bulk[at + 3] >> 3) & 7, 4) << n;
    ASSERT_EQ(bulk[at + 3] & 0xC7, after[at + 3] & 0xC7) << n;
  }
  for (std::size_t i : Changed(after, bulk)) ASSERT_EQ((i - samples::kWeapons.offset) % 36, 3u) << i;
}

}  // namespace
}  // namespace vdk::gui
