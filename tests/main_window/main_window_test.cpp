// The real vdkedit.exe under Wine: the main window's controls, the two
// "missing file" messages, the Open dialogs, the help window and the about
// box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/editor_list.h"
#include "editor/resource.h"
#include "tests/gui_driver/gui_driver.h"

namespace vdk::gui {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sharedBin_ = folder_.path() / L"SHARED.BIN";
    exe_ = folder_.path() / L"VDKX_418.06";
    WriteFileBytes(sharedBin_, std::vector<unsigned char>(16, 0));
    WriteFileBytes(exe_, std::vector<unsigned char>(16, 0));
  }

  // Presses "进入编辑" and returns the text of the message box it shows.
  std::wstring EnterEditorMessage(Program& program) {
    Click(program.mainWindow(), IDC_FORM1_COMMAND4);
    auto box = WaitForMessageBox(program.processId());
    if (!box) return L"(no message box)";
    Dismiss(*box);
    return box->text;
  }

  TempFolder folder_;
  std::filesystem::path sharedBin_, exe_;
};

TEST_F(MainWindowTest, ShowsEveryControlCaptionAndTheElevenEditorsInOrder) {
  Program program(folder_.path());
  HWND form = program.mainWindow();
  EXPECT_EQ(Text(form), L"铁卫VDK静态修改器V1.20");
  const std::pair<int, const wchar_t*> captions[] = {
      {IDC_FORM1_COMMAND2, L"打开SHARED.BIN"}, {IDC_FORM1_COMMAND3, L"打开VDKX_418.06"},
      {IDC_FORM1_FRAME1, L"修改项目"},         {IDC_FORM1_COMMAND4, L"进入编辑"},
      {IDC_FORM1_FRAME2, L"其他"},             {IDC_FORM1_COMMAND5, L"使用说明"},
      {IDC_FORM1_COMMAND6, L"镜像工具"},       {IDC_FORM1_COMMAND7, L"关于"},
      {IDC_FORM1_COMMAND8, L"退出"},
  };
  for (const auto& [id, caption] : captions) EXPECT_EQ(ControlText(form, id), caption) << id;
  EXPECT_EQ(ControlText(form, IDC_FORM1_TEXT2), L"");
  EXPECT_EQ(ControlText(form, IDC_FORM1_TEXT3), L"");

  const std::vector<std::wstring> expected = {L"机体能力",     L"机师能力",     L"武器能力", L"合体技",
                                              L"强化配件",     L"特殊弹素材",   L"ACE奖励",  L"机体改满奖励",
                                              L"机师技能养成", L"改造费用",     L"机体机师技能效果"};
  HWND list = Control(form, IDC_FORM1_LIST1);
  EXPECT_EQ(ListItems(list), expected);
  EXPECT_EQ(ListSelection(list), -1);
}

TEST_F(MainWindowTest, EnterEditorAsksForSharedBinFirstThenForTheExecutable) {
  Program program(folder_.path());
  HWND form = program.mainWindow();
  SelectListItem(form, IDC_FORM1_LIST1, 2);  // an editor on SHARED.BIN alone
  EXPECT_EQ(EnterEditorMessage(program), L"请先打开SHARED.BIN文件再进入修改");

  Click(form, IDC_FORM1_COMMAND2);
  AnswerOpenDialog(program.processId(), sharedBin_);
  ASSERT_TRUE(WaitUntil([&] { return !ControlText(form, IDC_FORM1_TEXT2).empty(); }));
  EXPECT_NE(ControlText(form, IDC_FORM1_TEXT2).find(L"SHARED.BIN"), std::wstring::npos);
  EXPECT_EQ(EnterEditorMessage(program), L"请先打开VDKX_418.06文件再进入修改");

  // With both files and nothing selected in the list, nothing happens.
  Click(form, IDC_FORM1_COMMAND3);
  AnswerOpenDialog(program.processId(), exe_);
  ASSERT_TRUE(WaitUntil([&] { return !ControlText(form, IDC_FORM1_TEXT3).empty(); }));
  SendMessageW(Control(form, IDC_FORM1_LIST1), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  Click(form, IDC_FORM1_COMMAND4);
  EXPECT_FALSE(WaitForMessageBox(program.processId(), 500));
  EXPECT_TRUE(program.running());
}

TEST_F(MainWindowTest, CancellingTheOpenDialogKeepsTheChosenPath) {
  Program program(folder_.path());
  HWND form = program.mainWindow();
  program.chooseGameFiles(sharedBin_, exe_);
  const std::wstring shared = ControlText(form, IDC_FORM1_TEXT2);
  const std::wstring exe = ControlText(form, IDC_FORM1_TEXT3);

  Click(form, IDC_FORM1_COMMAND2);
  AnswerOpenDialog(program.processId(), {});
  Click(form, IDC_FORM1_COMMAND3);
  AnswerOpenDialog(program.processId(), {});
  EXPECT_EQ(ControlText(form, IDC_FORM1_TEXT2), shared);
  EXPECT_EQ(ControlText(form, IDC_FORM1_TEXT3), exe);

  // The paths still count: entering an editor asks for nothing.
  SelectListItem(form, IDC_FORM1_LIST1, 0);
  Click(form, IDC_FORM1_COMMAND4);
  if (auto box = WaitForMessageBox(program.processId(), 1000)) {
    EXPECT_EQ(box->text.find(L"请先打开"), std::wstring::npos) << "asked again for a file";
    Dismiss(*box);
  }
}

TEST_F(MainWindowTest, HelpWindowShowsBothHelpTextsAndCloses) {
  Program program(folder_.path());
  Click(program.mainWindow(), IDC_FORM1_COMMAND5);
  HWND help = program.waitForWindow(L"使用说明");
  ASSERT_TRUE(help);
  EXPECT_EQ(ControlText(help, IDC_FORM12_COMMAND2), L"使用说明");
  EXPECT_EQ(ControlText(help, IDC_FORM12_COMMAND3), L"常见问题");
  EXPECT_EQ(ControlText(help, IDC_FORM12_COMMAND1), L"关闭");

  const std::wstring instructions = ControlText(help, IDC_FORM12_TEXT1);
  EXPECT_GT(instructions.size(), 20u);
  EXPECT_NE(instructions.find(L"\r\n"), std::wstring::npos);

  Click(help, IDC_FORM12_COMMAND3);
  ASSERT_TRUE(WaitUntil([&] { return ControlText(help, IDC_FORM12_TEXT1) != instructions; }));
  const std::wstring questions = ControlText(help, IDC_FORM12_TEXT1);
  EXPECT_GT(questions.size(), 20u);

  Click(help, IDC_FORM12_COMMAND2);
  ASSERT_TRUE(WaitUntil([&] { return ControlText(help, IDC_FORM12_TEXT1) == instructions; }));

  // A second press of the main window's button brings the same window forward.
  Click(program.mainWindow(), IDC_FORM1_COMMAND5);
  Sleep(200);
  EXPECT_EQ(TopLevelWindows(program.processId()).size(), 2u);

  Click(help, IDC_FORM12_COMMAND1);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(help); }));
  EXPECT_TRUE(IsWindowEnabled(program.mainWindow()));
  EXPECT_TRUE(program.running());
}

TEST_F(MainWindowTest, AboutBoxShowsVersionAndDateAndCloses) {
  Program program(folder_.path());
  Click(program.mainWindow(), IDC_FORM1_COMMAND7);
  HWND about = program.waitForWindow(L"关于");
  ASSERT_TRUE(about);
  EXPECT_NE(ControlText(about, IDC_FORM13_TITLE).find(L"V1.20"), std::wstring::npos);
  EXPECT_EQ(ControlText(about, IDC_FORM13_DATE), L"2008年8月17日");
  Click(about, IDC_FORM13_COMMAND1);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
  EXPECT_TRUE(program.running());
}

TEST_F(MainWindowTest, ExitEndsTheProgramWithOtherWindowsOpen) {
  Program program(folder_.path());
  Click(program.mainWindow(), IDC_FORM1_COMMAND7);
  ASSERT_TRUE(program.waitForWindow(L"关于"));
  Click(program.mainWindow(), IDC_FORM1_COMMAND8);
  EXPECT_TRUE(program.waitForExit());
}

}  // namespace
}  // namespace vdk::gui
