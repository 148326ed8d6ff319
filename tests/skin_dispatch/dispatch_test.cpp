// Every row of the class dispatch table, its conditions and its deferral.
#include <gtest/gtest.h>

#include <string>

#include "skin/attach/dispatch.h"
#include "skin/core/engine_state.h"

namespace tebix {
namespace {

using R = RendererId;
using A = DispatchAction;

constexpr std::uint32_t kPaint = 0x0F, kNcPaint = 0x85, kCreate = 0x01, kNull = 0;
constexpr std::uint32_t kCaption = 0x00C00000, kBorder = 0x00800000, kDlgFrame = 0x00400000;
constexpr std::uint32_t kMdiChild = 0x40;

struct Case {
  const char* class_name;
  int row;
  R renderer;
  std::uint32_t style = 0;
  std::uint32_t ex_style = 0;
};

// One class name of every row (every name for rows that list several), with
// the renderer it selects on its first message.
const Case kImmediate[] = {
    {"#32770", 1, R::kDialogFrame},
    {"#32768", 2, R::kPopupMenu},
    {"RICHEDIT", 5, R::kRichEdit},
    {"Afx:400000:8:10003:0:0", 6, R::kMfcMainFrame, kCaption},
    {"Afx:400000:b", 6, R::kMfcMdiChildFrame, kBorder, kMdiChild},
    {"AfxControlBar42s", 7, R::kControlBar},
    {"AfxFrameOrView42s", 8, R::kViewBackground},
    {"MDIClient", 8, R::kViewBackground},
    {"SysTabControl32", 9, R::kTabControl},
    {"ComboBox", 10, R::kComboBox},
    {"ComboLBox", 11, R::kComboList},
    {"ListBox", 12, R::kListBox},
    {"SysListView32", 13, R::kListView},
    {"SysTreeView32", 14, R::kTreeView},
    {"SysHeader32", 15, R::kHeader},
    {"ScrollBar", 16, R::kScrollBar},
    {"msctls_updown32", 17, R::kUpDown},
    {"msctls_trackbar32", 18, R::kTrackbar},
    {"ToolbarWindow32", 19, R::kToolbar},
    {"msctls_statusbar32", 20, R::kStatusBar},
    {"msctls_progress32", 21, R::kProgressBar},
    {"SysDateTimePick32", 22, R::kDateTimePicker},
    {"msctls_hotkey32", 23, R::kPlainBordered},
    {"SysIPAddress32", 23, R::kPlainBordered},
    {"SysAnimate32", 24, R::kPlainBordered},
    {"SysMonthCal32", 25, R::kMonthCalendar},
    {"ThunderRT6FormDC", 26, R::kFormFrame},
    {"ThunderFormDC", 26, R::kMdiChildFormFrame, 0, kMdiChild},
    {"ThunderRT6Frame", 28, R::kFrameControl},
    {"ThunderFrame", 28, R::kFrameControl},
    {"ThunderRT6CommandButton", 29, R::kCommandButton},
    {"ThunderCommandButton", 30, R::kCommandButton},
    {"ThunderRT6OptionButton", 31, R::kOptionButton},
    {"ThunderOptionButton", 31, R::kOptionButton},
    {"ThunderRT6CheckBox", 32, R::kVbCheckBox},
    {"ThunderCheckBox", 32, R::kVbCheckBox},
    {"ApexGrid.19", 33, R::kApexGrid},
    {"DataGridWndClass", 34, R::kDataGrid},
    {"DataComboWndClass", 35, R::kDataCombo},
    {"DBComboWndClass", 36, R::kDataCombo},
    {"DBListWndClass", 37, R::kDataList},
    {"DataListWndClass", 37, R::kDataList},
    {"MSFlexGridWndClass", 38, R::kFlexGrid},
    {"MSHFlexGridWndClass", 38, R::kFlexGrid},
    {"SSTabCtlWndClass", 39, R::kTabbedDialog},
    {"ThunderRT6PictureBoxDC", 40, R::kPictureBox},
    {"ThunderPictureBoxDC", 40, R::kPictureBox},
    {"TabStrip20WndClass", 41, R::kTabStrip},
    {"ThunderRT6ListBox", 42, R::kListBox},
    {"ThunderListBox", 42, R::kListBox},
    {"ThunderRT6TextBox", 43, R::kEdit},
    {"ThunderTextBox", 43, R::kEdit},
    {"ThunderRT6ComboBox", 44, R::kComboBox},
    {"ThunderComboBox", 44, R::kComboBox},
    {"ThunderRT6DriveListBox", 44, R::kComboBox},
    {"ThunderDriveListBox", 45, R::kComboBox},
    {"ThunderRT6DirListBox", 46, R::kTreeView},
    {"ThunderDirListBox", 46, R::kTreeView},
    {"ThunderRT6FileListBox", 47, R::kListBox},
    {"ThunderFileListBox", 47, R::kListBox},
    {"ThunderRT6HScrollBar", 48, R::kScrollBar},
    {"ThunderHScrollBar", 48, R::kScrollBar},
    {"ThunderRT6VScrollBar", 48, R::kScrollBar},
    {"ThunderVScrollBar", 48, R::kScrollBar},
    {"TreeView20WndClass", 49, R::kTreeView},
    {"Slider20WndClass", 51, R::kTrackbar},
    {"UpDown20WndClass", 52, R::kUpDown},
    {"UpDownWndClass", 52, R::kUpDown},
    {"msvb_lib_updown", 52, R::kUpDown},
    {"DTPicker20WndClass", 53, R::kDateTimePicker},
    {"MonthView20WndClass", 54, R::kMonthCalendar},
    {"msvb_lib_monthview", 54, R::kMonthCalendar},
    {"ProgressBar20WndClass", 55, R::kProgressBar},
    {"StatusBar20WndClass", 55, R::kStatusBar},
    {"RichTextWndClass", 55, R::kRichEdit},
    {"ListView20WndClass", 55, R::kListView},
    {"msvb_lib_header", 55, R::kHeader},
    {"Toolbar20WndClass", 55, R::kControlBar},
    {"VSFlexGrid8L", 56, R::kGeneric},
    {"xVSFlexGridN", 56, R::kGeneric},
};

TEST(Dispatch, EveryRowAttachesItsRendererOnTheFirstMessage) {
  for (const Case& c : kImmediate) {
    for (std::uint32_t message : {kNull, kCreate, kPaint, 0x6A30u, 0x6A33u}) {
      const DispatchDecision d = Decide(c.class_name, c.style, c.ex_style, message);
      EXPECT_EQ(d.row, c.row) << c.class_name;
      EXPECT_EQ(d.action, A::kAttach) << c.class_name << " on " << message;
      EXPECT_EQ(d.renderer, c.renderer) << c.class_name << " chose " << RendererName(d.renderer);
    }
  }
}

TEST(Dispatch, DeferredRowsProbeOnPaintAndAttachOnTheProbe) {
  struct Deferred {
    const char* class_name;
    int row;
    R renderer;
  };
  const Deferred rows[] = {
      {"Edit", 4, R::kEdit},
      {"ThunderRT6MDIForm", 27, R::kMdiFormFrame},
      {"ThunderMDIForm", 27, R::kMdiFormFrame},
      {"msvb_lib_toolbar", 50, R::kVbToolbar},
      {"x_msvb_lib_toolbar42", 50, R::kVbToolbar},
  };
  struct Step {
    std::uint32_t message;
    A action;
  };
  const Step steps[] = {{kNull, A::kPass},        {kCreate, A::kPass},      {0x6A33, A::kPass},
                        {0x0200, A::kPass},       {kPaint, A::kSendProbe},  {kNcPaint, A::kSendProbe},
                        {0x6A30, A::kAttach}};
  for (const Deferred& r : rows) {
    for (const Step& s : steps) {
      const DispatchDecision d = Decide(r.class_name, 0, 0, s.message);
      EXPECT_EQ(d.row, r.row) << r.class_name;
      EXPECT_EQ(d.action, s.action) << r.class_name << " on " << s.message;
      EXPECT_EQ(d.renderer, r.renderer) << r.class_name;
    }
    EXPECT_TRUE(IsDeferredEntry(FindEntry(r.class_name)));
  }
}

TEST(Dispatch, ButtonStyleChoosesTheRendererOrNothing) {
  const R by_style[16] = {R::kPushButton, R::kPushButton, R::kCheckBox,    R::kCheckBox,
                          R::kRadioButton, R::kCheckBox,  R::kCheckBox,    R::kGroupBox,
                          R::kNone,        R::kRadioButton, R::kNone,      R::kGeneric,
                          R::kNone,        R::kNone,      R::kNone,        R::kNone};
  for (std::uint32_t style = 0; style < 16; ++style) {
    // The high bits of the style (WS_CHILD, BS_PUSHLIKE ...) never matter.
    const DispatchDecision d = Decide("Button", 0x50010000u | 0x1000u | style, 0, kNull);
    EXPECT_EQ(d.row, 3);
    EXPECT_EQ(d.renderer, by_style[style]) << "style " << style;
    EXPECT_EQ(d.action, by_style[style] == R::kNone ? A::kPass : A::kAttach) << "style " << style;
  }
}

TEST(Dispatch, MfcFramesNeedACaptionBit) {
  EXPECT_EQ(Decide("Afx:400000:8", 0, 0, kNull).action, A::kPass);
  EXPECT_EQ(Decide("Afx:400000:8", 0x10000000, kMdiChild, kNull).renderer, R::kNone);
  EXPECT_EQ(Decide("Afx:400000:8", kDlgFrame, 0, kNull).renderer, R::kMfcMainFrame);
  EXPECT_EQ(Decide("Afx:400000:8", kBorder, kMdiChild, kNull).renderer, R::kMfcMdiChildFrame);
  // Inside a longer name, and ahead of the rows below it.
  EXPECT_EQ(Decide("MyAfx:400000:AfxControlBar", kCaption, 0, kNull).renderer, R::kMfcMainFrame);
}

TEST(Dispatch, NamesCompareExactlyAndUnlistedClassesAreMarked) {
  for (const char* name : {"", "Static", "button", "BUTTON", "Button ", "edit", "#3277", "#327700", "ComboBoxEx32",
                           "SysTabControl", "ThunderRT6TextBox2", "Afx:40000", "AfxControlBa", "MDIClien",
                           "msvb_lib_toolba", "VSFlexGri", "ThunderRT6FormDCx"}) {
    const DispatchDecision d = Decide(name, 0, 0, kNull);
    EXPECT_EQ(d.row, kUnlistedRow) << '"' << name << '"';
    EXPECT_EQ(d.action, A::kMarkNoHook) << '"' << name << '"';
    EXPECT_TRUE(EntryRenderers(FindEntry(name)).empty());
  }
  // "contains" rows find their text anywhere.
  EXPECT_EQ(Decide("xxMDIClientyy", 0, 0, kNull).row, 8);
  EXPECT_EQ(Decide("AfxControlBar", 0, 0, kNull).row, 7);
}

TEST(Dispatch, VbToolbarNeedsALargeEnoughControlLibrary) {
  EXPECT_EQ(ResolveVbToolbar(false, 5'000'000), R::kGeneric);
  EXPECT_EQ(ResolveVbToolbar(true, 0), R::kGeneric);
  EXPECT_EQ(ResolveVbToolbar(true, 1'080'000), R::kGeneric);
  EXPECT_EQ(ResolveVbToolbar(true, 1'080'001), R::kToolbar);
}

TEST(Dispatch, EveryRowIsTested) {
  int seen[kRowCount + 1] = {};
  for (const Case& c : kImmediate) seen[c.row]++;
  for (const char* deferred : {"Edit", "ThunderRT6MDIForm", "msvb_lib_toolbar"}) seen[RowNumber(FindEntry(deferred))]++;
  seen[3]++;  // Button, above
  for (int row = 1; row < kRowCount; ++row) EXPECT_GT(seen[row], 0) << "row " << row << " untested";
  for (int i = 0; i < static_cast<int>(R::kCount); ++i) EXPECT_STRNE(RendererName(static_cast<R>(i)), "?");
}

}  // namespace
}  // namespace tebix

namespace tebix {
namespace {

TEST(EngineStart, StartsFromWindows2000OnWithTheVersionFlag) {
  const struct {
    unsigned major;
    int flag;
  } versions[] = {{3, -1}, {4, -1}, {5, 0}, {6, 1}, {10, 1}};
  for (const auto& v : versions) EXPECT_EQ(VersionFlagFor(v.major), v.flag) << v.major;
}

}  // namespace
}  // namespace tebix
