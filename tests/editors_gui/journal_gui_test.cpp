// A write of the real vdkedit.exe's "写入" button goes into the change
// journal first: vdktool's history lists it and its undo reverts it; with a
// journal that cannot be written the button writes nothing and says why.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "editor/editors/core/journal.h"
#include "editor/editors/weapon_editor_ids.h"
#include "editor/text_codec.h"
#include "tests/gui_driver/gui_driver.h"
#include "tools/samples/sample_files.h"
#include "tools/vdktool/commands.h"

namespace vdk::gui {
namespace {

using Bytes = std::vector<unsigned char>;

struct Tool {
  int code;
  std::string out, err;
};

Tool RunTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int code = tool::Run(args, out, err, BuildFolder() / "data");
  return {code, out.str(), err.str()};
}

void Press(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Control(dialog, id)));
}

class JournalGui : public ::testing::Test {
protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(samples::WriteSampleFiles(folder_.path(), files_, error)) << error;
    program_ = std::make_unique<Program>(folder_.path());
    program_->chooseGameFiles(files_.sharedBin, files_.exe);
    form_ = program_->openEditor(2, L"武器性能");
    ASSERT_TRUE(form_);
    SelectListItem(form_, IDC_FORM4_LIST1, 5);
    ASSERT_TRUE(WaitUntil([&] { return !ControlText(form_, IDC_FORM4_TEXT4).empty(); }));
  }
  Bytes game() const { return ReadFileBytes(files_.sharedBin); }
  // Writes attack `attack` into weapon 5 with the button; waits for the
  // file to change or a message box, whose text is returned.
  std::wstring WriteAttack(const wchar_t* attack) {
    const Bytes before = game();
    SetControlText(form_, IDC_FORM4_TEXT4, attack);
    Press(form_, IDC_FORM4_COMMAND2);
    std::wstring message;
    WaitUntil([&] {
      if (auto box = WaitForMessageBox(program_->processId(), 50)) {
        message = box->text;
        Dismiss(*box);
        return true;
      }
      return game() != before;
    });
    return message;
  }

  TempFolder folder_;
  samples::WrittenPaths files_;
  std::unique_ptr<Program> program_;
  HWND form_ = nullptr;
};

TEST_F(JournalGui, EditorWriteAppearsInHistoryAndUndoes) {
  const Bytes original = game();
  EXPECT_EQ(WriteAttack(L"1499"), L"");
  const std::size_t at = samples::kWeapons.at(5) + 8;
  const Bytes written = game();
  ASSERT_EQ(written[at] | written[at + 1] << 8, 1499);

  const journal::Contents contents = journal::Read(files_.sharedBin);
  ASSERT_EQ(contents.entries.size(), 1u);
  const journal::Entry& entry = contents.entries[0];
  EXPECT_EQ(entry.note, "vdkedit");
  ASSERT_EQ(entry.changes.size(), 1u);
  EXPECT_EQ(entry.changes[0].offset, at);
  EXPECT_EQ(entry.changes[0].before, Bytes(original.begin() + static_cast<std::ptrdiff_t>(at),
                                           original.begin() + static_cast<std::ptrdiff_t>(at + entry.changes[0].before.size())));

  const Tool history = RunTool({"history", NarrowUtf8(files_.sharedBin.wstring())});
  ASSERT_EQ(history.code, tool::kDone) << history.err;
  EXPECT_NE(history.out.find("#1 "), std::string::npos) << history.out;
  EXPECT_NE(history.out.find("vdkedit"), std::string::npos) << history.out;
  EXPECT_NE(history.out.find("weapon 5 +0x08"), std::string::npos) << history.out;
  EXPECT_NE(history.out.find("applied"), std::string::npos) << history.out;

  const Tool undo = RunTool({"undo", NarrowUtf8(files_.sharedBin.wstring())});
  ASSERT_EQ(undo.code, tool::kDone) << undo.err;
  EXPECT_EQ(game(), original);
}

TEST_F(JournalGui, UnwritableJournalRefusesTheWrite) {
  const Bytes original = game();
  std::filesystem::create_directories(journal::JournalPathFor(files_.sharedBin) / "blocked");
  const std::wstring message = WriteAttack(L"1499");
  EXPECT_NE(message.find(L"变更日志"), std::wstring::npos) << NarrowUtf8(message);
  EXPECT_EQ(game(), original);
  // The entry stays in the form: once the journal can be written, the same
  // button writes it.
  EXPECT_EQ(ControlText(form_, IDC_FORM4_TEXT4), L"1499");
  std::filesystem::remove_all(journal::JournalPathFor(files_.sharedBin));
  EXPECT_EQ(WriteAttack(L"1499"), L"");
  const Bytes written = game();
  const std::size_t at = samples::kWeapons.at(5) + 8;
  EXPECT_EQ(written[at] | written[at + 1] << 8, 1499);
}

}  // namespace
}  // namespace vdk::gui
