// Every window the editor shows is taken by the skin: the main window and
// its Open dialogs, the eleven editors, a message box, the help and about
// windows, each with every control inside, and the drop-down lists of the
// combo boxes. Read from outside the program, through the properties the
// skin publishes. And a record written through the skinned controls gives
// the same bytes as without the skin.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor/editors/unit_editor_ids.h"
#include "editor/editors/weapon_editor_ids.h"
#include "editor/resource.h"
#include "tests/gui_driver/gui_driver.h"
#include "tools/samples/sample_files.h"

namespace vdk::gui {
namespace {

using Bytes = std::vector<unsigned char>;

struct Shown {
  int listIndex;
  const wchar_t* caption;
};

const Shown kEditors[] = {
    {0, L"机体能力"}, {1, L"机师能力"},     {2, L"武器性能"},     {3, L"合体技"},
    {4, L"芯片性能"}, {5, L"特殊弹素材"},   {6, L"ACE奖励"},      {7, L"机体改满奖励"},
    {8, L"机师技能养成"}, {9, L"改造费用"}, {10, L"机体机师技能效果"},
};

// Classes no renderer takes. The engine marks them once ("Tebix_NoHook")
// and leaves them to what is around or inside them.
const wchar_t* const kLeftToParent[] = {
    L"Static",            // text and icons on the dialog's skin background (WM_CTLCOLORSTATIC)
    L"SHELLDLL_DefView",  // the Open dialog's file view: wholly covered by its list view
    L"ComboBoxEx32",      // the Open dialog's "look in" box: wholly covered by its combo box
};

bool Skinned(HWND window) { return GetPropA(window, "Tebix") != nullptr; }
bool LeftAlone(HWND window) { return GetPropA(window, "Tebix_NoHook") != nullptr; }

bool LeftToParent(const std::wstring& className) {
  return std::any_of(std::begin(kLeftToParent), std::end(kLeftToParent),
                     [&](const wchar_t* c) { return className == c; });
}

std::wstring Describe(HWND window) {
  std::wstring text = Text(window);
  if (text.size() > 12) text = text.substr(0, 12) + L"...";
  return ClassName(window) + L" \"" + text + L"\"" + (LeftAlone(window) ? L" (marked, left alone)" : L" (not taken)");
}

// What of `top` (itself, and every window shown inside it) is neither taken
// by a renderer nor a class deliberately left to its parent. Hidden windows
// draw nothing; a page of them is checked when it is shown.
std::vector<std::wstring> NotSkinned(HWND top) {
  std::vector<std::wstring> missing;
  if (!Skinned(top)) missing.push_back(L"(the window itself) " + Describe(top));
  for (HWND child : Children(top)) {
    if (Skinned(child) || !IsWindowVisible(child)) continue;
    if (LeftAlone(child) && LeftToParent(ClassName(child))) continue;
    missing.push_back(Describe(child));
  }
  return missing;
}

// The drop-down lists of the process's combo boxes: top-level windows of
// their own, hidden until dropped.
struct ListSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectDropDownList(HWND window, LPARAM param) {
  auto& s = *reinterpret_cast<ListSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == s.processId && ClassName(window) == L"ComboLBox") s.found.push_back(window);
  return TRUE;
}

std::vector<HWND> DropDownLists(DWORD processId) {
  ListSearch search{processId, {}};
  EnumWindows(CollectDropDownList, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string Narrow(const std::wstring& where, const std::vector<std::wstring>& missing) {
  std::wstring all = where;
  for (const std::wstring& m : missing) all += L"; " + m;
  std::string out;
  for (wchar_t c : all) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

// An edit is taken at its first paint: the window is given a moment to
// paint before what is missing is reported.
#define EXPECT_ALL_SKINNED(window, where)                                  \
  do {                                                                     \
    std::vector<std::wstring> missing_;                                    \
    WaitUntil([&] { return (missing_ = NotSkinned(window)).empty(); }, 3000); \
    EXPECT_TRUE(missing_.empty()) << Narrow(where, missing_);              \
  } while (false)

TEST(EditorWindowsSkinned, EveryWindowAndEveryControlIsTakenByTheSkin) {
  TempFolder folder;
  samples::WrittenPaths files;
  std::string error;
  ASSERT_TRUE(samples::WriteSampleFiles(folder.path(), files, error)) << error;
  Program program(folder.path());
  EXPECT_ALL_SKINNED(program.mainWindow(), L"main window");
  LookAt("main");

  // The Open dialog, once for each game file.
  for (const auto& [button, file] : {std::pair{IDC_FORM1_COMMAND2, files.sharedBin}, std::pair{IDC_FORM1_COMMAND3, files.exe}}) {
    Click(program.mainWindow(), button);
    HWND dialog = WaitForOpenDialog(program.processId());
    ASSERT_TRUE(dialog) << "the Open dialog did not appear";
    EXPECT_ALL_SKINNED(dialog, L"Open dialog");
    LookAt(button == IDC_FORM1_COMMAND2 ? "open-dialog" : "");
    AnswerOpenDialog(program.processId(), file);
  }
  ASSERT_TRUE(WaitUntil([&] { return !ControlText(program.mainWindow(), IDC_FORM1_TEXT3).empty(); }));

  for (const Shown& editor : kEditors) {
    HWND form = program.openEditor(editor.listIndex, editor.caption);
    ASSERT_TRUE(form) << Narrow(editor.caption, {});
    EXPECT_ALL_SKINNED(form, editor.caption);
    const std::string name = "editor-" + std::to_string(editor.listIndex);
    LookAt(name);
    if (const auto combos = Children(form, L"ComboBox"); !combos.empty()) {  // one list dropped
      SendMessageW(combos.front(), CB_SHOWDROPDOWN, TRUE, 0);
      LookAt(name + "-dropped");
      SendMessageW(combos.front(), CB_SHOWDROPDOWN, FALSE, 0);
    }
    if (editor.listIndex == 0) {  // a refused entry brings a message box
      SetControlText(form, IDC_FORM2_TEXT13, L"300");
      Click(form, IDC_FORM2_COMMAND2);
      const auto box = WaitForMessageBox(program.processId());
      ASSERT_TRUE(box) << "no message box for a bad entry";
      EXPECT_ALL_SKINNED(box->window, L"message box");
      LookAt("message-box");
      Dismiss(*box);
    }
    if (editor.listIndex == 2) {  // the weapon editor's second page
      SelectTab(form, IDC_FORM4_SSTAB1, 1);
      EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(Control(form, IDC_FORM4_COMMAND1)) != FALSE; }));
      EXPECT_ALL_SKINNED(form, L"weapon editor, second page");
      LookAt("editor-2-second-page");
    }
    const std::vector<HWND> lists = DropDownLists(program.processId());
    EXPECT_FALSE(lists.empty() && !Children(form, L"ComboBox").empty());
    for (HWND list : lists) EXPECT_TRUE(Skinned(list)) << Narrow(editor.caption, {Describe(list)});
    PostMessageW(form, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(form); }));
  }

  for (const auto& [button, caption] : {std::pair{IDC_FORM1_COMMAND5, L"使用说明"}, std::pair{IDC_FORM1_COMMAND7, L"关于"}}) {
    Click(program.mainWindow(), button);
    HWND window = program.waitForWindow(caption);
    ASSERT_TRUE(window);
    EXPECT_ALL_SKINNED(window, caption);
    LookAt(button == IDC_FORM1_COMMAND5 ? "help" : "about");
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  }
}

// One weapon picked, changed and written by mouse and keyboard through the
// skinned list box, edit, combo box, check box and button, then read back.
// Returns the game file's bytes after the write; `shown` gets the attack the
// editor shows when the record is picked again.
Bytes WriteWeaponByHand(const std::filesystem::path& exe, const std::filesystem::path& gameFolder,
                        const samples::WrittenPaths& files, std::wstring& shown) {
  Program program(gameFolder, exe);
  program.chooseGameFiles(files.sharedBin, files.exe);
  HWND form = program.openEditor(2, L"武器性能");
  if (!form) throw std::runtime_error("the weapon editor did not open");
  HWND list = Control(form, IDC_FORM4_LIST1);
  const auto pick = [&](int index) {
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    ClickAt(list, POINT{8, (index - top) * height + height / 2});
    if (!WaitUntil([&] { return ListSelection(list) == index; })) throw std::runtime_error("the list click was lost");
  };
  constexpr int kWeapon = 7;
  pick(kWeapon);
  const Bytes before = ReadFileBytes(files.sharedBin);

  HWND attack = Control(form, IDC_FORM4_TEXT4);
  SendMessageW(attack, EM_SETSEL, 0, -1);
  for (wchar_t c : std::wstring(L"1234")) PostMessageW(attack, WM_CHAR, c, 1);
  HWND combo = Control(form, IDC_FORM4_COMBO1);
  const int item = ComboSelection(combo);
  PostMessageW(combo, WM_KEYDOWN, VK_DOWN, 1);
  PostMessageW(combo, WM_KEYUP, VK_DOWN, 0xC0000001);
  HWND check = Control(form, IDC_FORM4_CHECK1_0);
  const bool wasChecked = IsChecked(form, IDC_FORM4_CHECK1_0);
  RECT box{};
  GetClientRect(check, &box);
  ClickAt(check, POINT{box.right / 2, box.bottom / 2});
  if (!WaitUntil([&] {
        return ControlText(form, IDC_FORM4_TEXT4) == L"1234" && ComboSelection(combo) != item &&
               IsChecked(form, IDC_FORM4_CHECK1_0) != wasChecked;
      }))
    throw std::runtime_error("typing, the combo key or the check-box click was lost");

  HWND write = Control(form, IDC_FORM4_COMMAND2);
  RECT face{};
  GetClientRect(write, &face);
  ClickAt(write, POINT{face.right / 2, face.bottom / 2});
  Bytes after;
  if (!WaitUntil([&] { return (after = ReadFileBytes(files.sharedBin)) != before; }))
    throw std::runtime_error("the write button wrote nothing");

  pick(kWeapon + 1);
  pick(kWeapon);
  shown = ControlText(form, IDC_FORM4_TEXT4);
  return after;
}

TEST(EditorWindowsSkinned, AWeaponWrittenThroughSkinnedControlsHasTheUnskinnedBytes) {
  TempFolder skinnedGame, unskinnedGame, copy;
  samples::WrittenPaths skinnedFiles, unskinnedFiles;
  std::string error;
  ASSERT_TRUE(samples::WriteSampleFiles(skinnedGame.path(), skinnedFiles, error)) << error;
  ASSERT_TRUE(samples::WriteSampleFiles(unskinnedGame.path(), unskinnedFiles, error)) << error;
  const Bytes original = ReadFileBytes(skinnedFiles.sharedBin);

  std::wstring skinnedShown, unskinnedShown;
  const Bytes skinned = WriteWeaponByHand(BuildFolder() / L"vdkedit.exe", skinnedGame.path(), skinnedFiles, skinnedShown);
  const Bytes unskinned =
      WriteWeaponByHand(PrepareUnskinnedCopy(copy.path()), unskinnedGame.path(), unskinnedFiles, unskinnedShown);

  EXPECT_TRUE(skinned == unskinned) << "the skinned program wrote other bytes";
  EXPECT_EQ(skinnedShown, L"1234");
  EXPECT_EQ(unskinnedShown, L"1234");
  // Only the picked weapon's record changed.
  const std::size_t record = samples::kWeapons.at(7);
  for (std::size_t i = 0; i < original.size() && i < skinned.size(); ++i) {
    if (original[i] != skinned[i]) {
      EXPECT_TRUE(i >= record && i < record + 36) << "byte " << i << " changed";
    }
  }
}

}  // namespace
}  // namespace vdk::gui
