// The combo boxes that offer thousands of names (the unit editor's weapon
// slots, the combination attack editor's weapons, units and pilots) take
// their names in only when first needed. Seen from outside they must be
// the boxes they always were: the stored value shown from the start, the
// full list, keyboard selection in the closed box, and the same bytes
// written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/editors/combination_attack_editor_ids.h"
#include "editor/editors/unit_editor_ids.h"
#include "tests/gui_driver/gui_driver.h"
#include "tools/samples/sample_files.h"

namespace vdk::gui {
namespace {

using Bytes = std::vector<unsigned char>;

struct LongBox {
  const char* what;
  int editor;  // index in the main window's list
  const wchar_t* caption;
  bool chooserIsList;
  int chooser;
  unsigned record;
  samples::Table table;
  int combo;
  int offset;  // of the box's two bytes in the record
  int items;   // the last item stands for 0xFFFF
};

const LongBox kBoxes[] = {
    {"unit 3, weapon slot 1", 0, L"机体能力", false, IDC_FORM2_COMBO19, 3, samples::kUnits, IDC_FORM2_COMBO2, 36,
     3560},
    {"unit 3, weapon slot 2", 0, L"机体能力", false, IDC_FORM2_COMBO19, 3, samples::kUnits, IDC_FORM2_COMBO3, 38,
     3560},
    {"attack 1, weapon 2", 3, L"合体技", true, IDC_FORM5_LIST1, 1, samples::kCombinationAttacks, IDC_FORM5_COMBO2,
     2, 3560},
    {"attack 1, unit 1", 3, L"合体技", true, IDC_FORM5_LIST1, 1, samples::kCombinationAttacks, IDC_FORM5_COMBO5, 8,
     1413},
    {"attack 2, pilot 1", 3, L"合体技", true, IDC_FORM5_LIST1, 2, samples::kCombinationAttacks, IDC_FORM5_COMBO9,
     16, 1315},
};

unsigned Word(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 20000, &result))
    throw std::runtime_error("message " + std::to_string(message) + " not answered");
  return static_cast<LRESULT>(result);
}

// A key pressed while the box has the keyboard; returns once it is handled.
void PressKey(HWND box, UINT key) {
  Send(box, WM_KEYDOWN, key, 1);
  Send(box, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

// The write button, pressed; returns once the form has handled it.
void Write(HWND form, int id) {
  Send(form, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Control(form, id)));
}

TEST(LongLists, ShowTheStoredValueChangeByKeyboardAndWriteTheSameBytes) {
  TempFolder folder;
  samples::WrittenPaths files;
  std::string error;
  ASSERT_TRUE(samples::WriteSampleFiles(folder.path(), files, error)) << error;

  for (const LongBox& b : kBoxes) {
    SCOPED_TRACE(b.what);
    // A fresh program for each box: the box is still unfilled when looked at.
    Program program(folder.path());
    program.chooseGameFiles(files.sharedBin, files.exe);
    HWND form = program.openEditor(b.editor, b.caption);
    ASSERT_TRUE(form);
    if (b.chooserIsList) SelectListItem(form, b.chooser, static_cast<int>(b.record));
    else SelectComboItem(form, b.chooser, static_cast<int>(b.record));

    const Bytes before = ReadFileBytes(files.sharedBin);
    const std::size_t at = b.table.at(b.record) + static_cast<std::size_t>(b.offset);
    const unsigned stored = Word(before, at);
    const int expected = stored == 0xFFFF ? b.items - 1 : static_cast<int>(stored);
    if (expected >= b.items - 6) {
      ADD_FAILURE() << "the sample record has no ordinary value here";
      continue;
    }

    // The stored value, shown and selected; the box's text is that item's.
    HWND box = Control(form, b.combo);
    EXPECT_EQ(ComboSelection(box), expected);
    const std::vector<std::wstring> items = ComboItems(box);
    ASSERT_EQ(items.size(), static_cast<std::size_t>(b.items));
    EXPECT_EQ(Text(box), items[static_cast<std::size_t>(expected)]);

    // Written unchanged: not a byte differs.
    Write(form, b.chooserIsList ? IDC_FORM5_COMMAND2 : IDC_FORM2_COMMAND2);
    EXPECT_TRUE(ReadFileBytes(files.sharedBin) == before);

    // Arrow keys in the closed box move through the list.
    PressKey(box, VK_DOWN);
    PressKey(box, VK_DOWN);
    PressKey(box, VK_UP);
    EXPECT_EQ(ComboSelection(box), expected + 1);
    EXPECT_EQ(Text(box), items[static_cast<std::size_t>(expected + 1)]);
    EXPECT_EQ(Send(box, CB_GETDROPPEDSTATE), 0);
    EXPECT_EQ(Send(box, CB_GETCOUNT), b.items);

    // Selecting by text finds the first name that begins with it.
    const std::wstring& name = items[static_cast<std::size_t>(expected + 5)];
    std::size_t first = 0;
    while (items[first].compare(0, name.size(), name) != 0) ++first;
    EXPECT_EQ(Send(box, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str())),
              static_cast<LRESULT>(first));
    EXPECT_EQ(ComboSelection(box), static_cast<int>(first));

    // Home and End reach the first and the last name; the last is written
    // as the empty slot.
    PressKey(box, VK_END);
    EXPECT_EQ(ComboSelection(box), b.items - 1);
    Write(form, b.chooserIsList ? IDC_FORM5_COMMAND2 : IDC_FORM2_COMMAND2);
    Bytes after = ReadFileBytes(files.sharedBin);
    EXPECT_EQ(Word(after, at), 0xFFFFu);
    PressKey(box, VK_HOME);
    PressKey(box, VK_DOWN);
    Write(form, b.chooserIsList ? IDC_FORM5_COMMAND2 : IDC_FORM2_COMMAND2);
    after = ReadFileBytes(files.sharedBin);
    EXPECT_EQ(Word(after, at), 1u);
    for (std::size_t i = 0; i < before.size(); ++i) {
      if (i == at || i == at + 1) continue;
      ASSERT_EQ(after[i], before[i]) << i;
    }

    // Put back for the next box.
    WriteFileBytes(files.sharedBin, before);
  }
}

}  // namespace
}  // namespace vdk::gui
