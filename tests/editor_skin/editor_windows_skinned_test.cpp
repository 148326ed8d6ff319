// Every window the editor shows is taken by the skin: the main window, the
// eleven editors, the help and about windows, each with its buttons. Read
// from outside the program, through the properties the skin publishes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/resource.h"
#include "tests/gui_driver/gui_driver.h"
#include "tools/samples/sample_files.h"

namespace vdk::gui {
namespace {

struct Shown {
  int listIndex;  // -1: not an editor
  const wchar_t* caption;
};

const Shown kEditors[] = {
    {0, L"机体能力"}, {1, L"机师能力"},     {2, L"武器性能"},     {3, L"合体技"},
    {4, L"芯片性能"}, {5, L"特殊弹素材"},   {6, L"ACE奖励"},      {7, L"机体改满奖励"},
    {8, L"机师技能养成"}, {9, L"改造费用"}, {10, L"机体机师技能效果"},
};

bool Skinned(HWND window) {
  return GetPropA(window, "Tebix") != nullptr;
}

// What of `form` the skin left alone: the form itself when `framed`, and
// every button, check box, option button and group box inside it.
std::vector<std::wstring> Unskinned(HWND form, bool framed) {
  std::vector<std::wstring> missing;
  if (framed && !Skinned(form)) missing.push_back(L"(the window itself)");
  for (HWND button : Children(form, L"Button")) {
    const LONG type = GetWindowLongW(button, GWL_STYLE) & 0xF;
    if (type == BS_OWNERDRAW) continue;  // drawn by the program; skinned generically
    if (!Skinned(button)) missing.push_back(L"button \"" + Text(button) + L"\"");
  }
  return missing;
}

std::string Describe(const wchar_t* caption, const std::vector<std::wstring>& missing) {
  std::wstring all = caption;
  for (const std::wstring& m : missing) all += L"; " + m;
  std::string out;
  for (wchar_t c : all) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

TEST(EditorWindowsSkinned, EveryWindowAndEveryButtonIsTakenByTheSkin) {
  TempFolder folder;
  samples::WrittenPaths files;
  std::string error;
  ASSERT_TRUE(samples::WriteSampleFiles(folder.path(), files, error)) << error;
  Program program(folder.path());
  program.chooseGameFiles(files.sharedBin, files.exe);

  const bool framed = Skinned(program.mainWindow());
  EXPECT_TRUE(framed) << "the main window carries the skin";
  {
    const auto missing = Unskinned(program.mainWindow(), framed);
    EXPECT_TRUE(missing.empty()) << Describe(L"main window", missing);
  }

  for (const Shown& editor : kEditors) {
    HWND form = program.openEditor(editor.listIndex, editor.caption);
    ASSERT_TRUE(form) << Describe(editor.caption, {});
    const auto missing = Unskinned(form, framed);
    EXPECT_TRUE(missing.empty()) << Describe(editor.caption, missing);
    PostMessageW(form, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(form); }));
  }

  for (const auto& [button, caption] : {std::pair{IDC_FORM1_COMMAND5, L"使用说明"}, std::pair{IDC_FORM1_COMMAND7, L"关于"}}) {
    Click(program.mainWindow(), button);
    HWND window = program.waitForWindow(caption);
    ASSERT_TRUE(window);
    const auto missing = Unskinned(window, framed);
    EXPECT_TRUE(missing.empty()) << Describe(caption, missing);
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  }
}

}  // namespace
}  // namespace vdk::gui
