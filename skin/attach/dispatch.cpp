#include "skin/attach/dispatch.h"

#include <array>
#include <initializer_list>

#include "skin/attach/engine_messages.h"

namespace tebix {
namespace {

using R = RendererId;

constexpr std::uint32_t kPaint = 0x0F;
constexpr std::uint32_t kNcPaint = 0x85;
constexpr std::uint32_t kCaptionBits = 0x00C00000;  // WS_BORDER | WS_DLGFRAME
constexpr std::uint32_t kMdiChild = 0x40;           // WS_EX_MDICHILD

enum class Match : std::uint8_t { kExact, kContains };

// How a row picks its renderer from the styles.
enum class Rule : std::uint8_t {
  kFixed,        // always renderers[0]
  kButtonStyle,  // by the low four style bits
  kMfcFrame,     // caption bits required; WS_EX_MDICHILD picks renderers[1]
  kMdiChild,     // WS_EX_MDICHILD picks renderers[1]
};

struct Row {
  int number;
  Match match;
  std::initializer_list<std::string_view> names;
  Rule rule;
  std::initializer_list<RendererId> renderers;
  bool deferred = false;
};

// clang-format off
const Row kRows[] = {
  {1, Match::kExact, {"#32770"}, Rule::kFixed, {R::kDialogFrame}},
  {2, Match::kExact, {"#32768"}, Rule::kFixed, {R::kPopupMenu}},
  {3, Match::kExact, {"Button"}, Rule::kButtonStyle,
      {R::kPushButton, R::kCheckBox, R::kRadioButton, R::kGroupBox, R::kGeneric}},
  {4, Match::kExact, {"Edit"}, Rule::kFixed, {R::kEdit}, true},
  {5, Match::kExact, {"RICHEDIT"}, Rule::kFixed, {R::kRichEdit}},
  {6, Match::kContains, {"Afx:400000"}, Rule::kMfcFrame, {R::kMfcMainFrame, R::kMfcMdiChildFrame}},
  {7, Match::kContains, {"AfxControlBar"}, Rule::kFixed, {R::kControlBar}},
  {8, Match::kContains, {"AfxFrameOrView", "MDIClient"}, Rule::kFixed, {R::kViewBackground}},
  {9, Match::kExact, {"SysTabControl32"}, Rule::kFixed, {R::kTabControl}},
  {10, Match::kExact, {"ComboBox"}, Rule::kFixed, {R::kComboBox}},
  {11, Match::kExact, {"ComboLBox"}, Rule::kFixed, {R::kComboList}},
  {12, Match::kExact, {"ListBox"}, Rule::kFixed, {R::kListBox}},
  {13, Match::kExact, {"SysListView32"}, Rule::kFixed, {R::kListView}},
  {14, Match::kExact, {"SysTreeView32"}, Rule::kFixed, {R::kTreeView}},
  {15, Match::kExact, {"SysHeader32"}, Rule::kFixed, {R::kHeader}},
  {16, Match::kExact, {"ScrollBar"}, Rule::kFixed, {R::kScrollBar}},
  {17, Match::kExact, {"msctls_updown32"}, Rule::kFixed, {R::kUpDown}},
  {18, Match::kExact, {"msctls_trackbar32"}, Rule::kFixed, {R::kTrackbar}},
  {19, Match::kExact, {"ToolbarWindow32"}, Rule::kFixed, {R::kToolbar}},
  {20, Match::kExact, {"msctls_statusbar32"}, Rule::kFixed, {R::kStatusBar}},
  {21, Match::kExact, {"msctls_progress32"}, Rule::kFixed, {R::kProgressBar}},
  {22, Match::kExact, {"SysDateTimePick32"}, Rule::kFixed, {R::kDateTimePicker}},
  {23, Match::kExact, {"msctls_hotkey32", "SysIPAddress32"}, Rule::kFixed, {R::kPlainBordered}},
  {24, Match::kExact, {"SysAnimate32"}, Rule::kFixed, {R::kPlainBordered}},
  {25, Match::kExact, {"SysMonthCal32"}, Rule::kFixed, {R::kMonthCalendar}},
  {26, Match::kExact, {"ThunderRT6FormDC", "ThunderFormDC"}, Rule::kMdiChild,
      {R::kFormFrame, R::kMdiChildFormFrame}},
  {27, Match::kExact, {"ThunderRT6MDIForm", "ThunderMDIForm"}, Rule::kFixed, {R::kMdiFormFrame}, true},
  {28, Match::kExact, {"ThunderRT6Frame", "ThunderFrame"}, Rule::kFixed, {R::kFrameControl}},
  {29, Match::kExact, {"ThunderRT6CommandButton"}, Rule::kFixed, {R::kCommandButton}},
  {30, Match::kExact, {"ThunderCommandButton"}, Rule::kFixed, {R::kCommandButton}},
  {31, Match::kExact, {"ThunderRT6OptionButton", "ThunderOptionButton"}, Rule::kFixed, {R::kOptionButton}},
  {32, Match::kExact, {"ThunderRT6CheckBox", "ThunderCheckBox"}, Rule::kFixed, {R::kVbCheckBox}},
  {33, Match::kExact, {"ApexGrid.19"}, Rule::kFixed, {R::kApexGrid}},
  {34, Match::kExact, {"DataGridWndClass"}, Rule::kFixed, {R::kDataGrid}},
  {35, Match::kExact, {"DataComboWndClass"}, Rule::kFixed, {R::kDataCombo}},
  {36, Match::kExact, {"DBComboWndClass"}, Rule::kFixed, {R::kDataCombo}},
  {37, Match::kExact, {"DBListWndClass", "DataListWndClass"}, Rule::kFixed, {R::kDataList}},
  {38, Match::kExact, {"MSFlexGridWndClass", "MSHFlexGridWndClass"}, Rule::kFixed, {R::kFlexGrid}},
  {39, Match::kExact, {"SSTabCtlWndClass"}, Rule::kFixed, {R::kTabbedDialog}},
  {40, Match::kExact, {"ThunderRT6PictureBoxDC", "ThunderPictureBoxDC"}, Rule::kFixed, {R::kPictureBox}},
  {41, Match::kExact, {"TabStrip20WndClass"}, Rule::kFixed, {R::kTabStrip}},
  {42, Match::kExact, {"ThunderRT6ListBox", "ThunderListBox"}, Rule::kFixed, {R::kListBox}},
  {43, Match::kExact, {"ThunderRT6TextBox", "ThunderTextBox"}, Rule::kFixed, {R::kEdit}},
  {44, Match::kExact, {"ThunderRT6ComboBox", "ThunderComboBox", "ThunderRT6DriveListBox"}, Rule::kFixed,
      {R::kComboBox}},
  {45, Match::kExact, {"ThunderDriveListBox"}, Rule::kFixed, {R::kComboBox}},
  {46, Match::kExact, {"ThunderRT6DirListBox", "ThunderDirListBox"}, Rule::kFixed, {R::kTreeView}},
  {47, Match::kExact, {"ThunderRT6FileListBox", "ThunderFileListBox"}, Rule::kFixed, {R::kListBox}},
  {48, Match::kExact, {"ThunderRT6HScrollBar", "ThunderHScrollBar", "ThunderRT6VScrollBar", "ThunderVScrollBar"},
      Rule::kFixed, {R::kScrollBar}},
  {49, Match::kExact, {"TreeView20WndClass"}, Rule::kFixed, {R::kTreeView}},
  {50, Match::kContains, {"msvb_lib_toolbar"}, Rule::kFixed, {R::kVbToolbar}, true},
  {51, Match::kExact, {"Slider20WndClass"}, Rule::kFixed, {R::kTrackbar}},
  {52, Match::kExact, {"UpDown20WndClass", "UpDownWndClass", "msvb_lib_updown"}, Rule::kFixed, {R::kUpDown}},
  {53, Match::kExact, {"DTPicker20WndClass"}, Rule::kFixed, {R::kDateTimePicker}},
  {54, Match::kExact, {"MonthView20WndClass", "msvb_lib_monthview"}, Rule::kFixed, {R::kMonthCalendar}},
  // Row 55 names six classes, each with its own renderer, tested in this order.
  {55, Match::kExact, {"ProgressBar20WndClass"}, Rule::kFixed, {R::kProgressBar}},
  {55, Match::kExact, {"StatusBar20WndClass"}, Rule::kFixed, {R::kStatusBar}},
  {55, Match::kExact, {"RichTextWndClass"}, Rule::kFixed, {R::kRichEdit}},
  {55, Match::kExact, {"ListView20WndClass"}, Rule::kFixed, {R::kListView}},
  {55, Match::kExact, {"msvb_lib_header"}, Rule::kFixed, {R::kHeader}},
  {55, Match::kExact, {"Toolbar20WndClass"}, Rule::kFixed, {R::kControlBar}},
  {56, Match::kContains, {"VSFlexGrid"}, Rule::kFixed, {R::kGeneric}},
};
// clang-format on

constexpr int kEntryCount = static_cast<int>(std::size(kRows));
static_assert(kEntryCount == kRowCount - 1 + 5, "every row but the unlisted one; row 55 as six entries");

const Row* RowAt(int entry) {
  return entry >= 1 && entry <= kEntryCount ? &kRows[entry - 1] : nullptr;
}

bool Matches(const Row& row, std::string_view class_name) {
  for (std::string_view name : row.names) {
    const bool hit = row.match == Match::kExact ? class_name == name : class_name.find(name) != std::string_view::npos;
    if (hit) return true;
  }
  return false;
}

RendererId ButtonRenderer(std::uint32_t style) {
  switch (style & 0xF) {
    case 0: case 1: return R::kPushButton;
    case 2: case 3: case 5: case 6: return R::kCheckBox;
    case 4: case 9: return R::kRadioButton;
    case 7: return R::kGroupBox;
    case 11: return R::kGeneric;
    default: return R::kNone;  // user button, push box and the undefined styles
  }
}

}  // namespace

const char* RendererName(RendererId id) {
  static constexpr std::array<const char*, static_cast<std::size_t>(R::kCount)> kNames = {
      "none", "dialog frame", "popup menu", "push button", "check box", "radio button", "group box",
      "generic", "edit box", "rich edit box", "MFC main frame", "MFC MDI child frame", "control bar",
      "view background", "tab control", "combo box", "combo list", "list box", "list view", "tree view",
      "header", "scroll bar", "up-down", "trackbar", "toolbar", "status bar", "progress bar",
      "date/time picker", "plain bordered control", "month calendar", "form frame", "MDI child form frame",
      "MDI form frame", "frame control", "command button", "option button", "VB check box", "apex grid",
      "data grid", "data combo", "data list", "flex grid", "tabbed dialog", "picture box", "tab strip",
      "VB toolbar"};
  const auto i = static_cast<std::size_t>(id);
  return i < kNames.size() ? kNames[i] : "?";
}

int FindEntry(std::string_view class_name) {
  for (int i = 0; i < kEntryCount; ++i) {
    if (Matches(kRows[i], class_name)) return i + 1;
  }
  return kUnlistedEntry;
}

int EntryCount() {
  return kEntryCount;
}

std::span<const std::string_view> EntryNames(int entry) {
  const Row* r = RowAt(entry);
  if (r == nullptr) return {};
  return {r->names.begin(), r->names.size()};
}

bool IsContainsEntry(int entry) {
  const Row* r = RowAt(entry);
  return r != nullptr && r->match == Match::kContains;
}

int RowNumber(int entry) {
  const Row* r = RowAt(entry);
  return r != nullptr ? r->number : kUnlistedRow;
}

bool IsDeferredEntry(int entry) {
  const Row* r = RowAt(entry);
  return r != nullptr && r->deferred;
}

std::span<const RendererId> EntryRenderers(int entry) {
  const Row* r = RowAt(entry);
  if (r == nullptr) return {};
  return {r->renderers.begin(), r->renderers.size()};
}

RendererId EntryRenderer(int entry, std::uint32_t style, std::uint32_t ex_style) {
  const Row* r = RowAt(entry);
  if (r == nullptr) return R::kNone;
  const RendererId* renderers = r->renderers.begin();
  switch (r->rule) {
    case Rule::kFixed:
      return renderers[0];
    case Rule::kButtonStyle:
      return ButtonRenderer(style);
    case Rule::kMfcFrame:
      if ((style & kCaptionBits) == 0) return R::kNone;
      return (ex_style & kMdiChild) != 0 ? renderers[1] : renderers[0];
    case Rule::kMdiChild:
      return (ex_style & kMdiChild) != 0 ? renderers[1] : renderers[0];
  }
  return R::kNone;
}

DispatchDecision Decide(int entry, std::uint32_t style, std::uint32_t ex_style, std::uint32_t message) {
  DispatchDecision d;
  if (RowAt(entry) == nullptr) {
    d.action = DispatchAction::kMarkNoHook;
    return d;
  }
  d.entry = entry;
  d.row = RowNumber(entry);
  d.renderer = EntryRenderer(entry, style, ex_style);
  if (d.renderer == R::kNone) return d;
  if (IsDeferredEntry(entry)) {
    if (message == kPaint || message == kNcPaint) d.action = DispatchAction::kSendProbe;
    else if (message == kAttachMessage) d.action = DispatchAction::kAttach;
    return d;
  }
  d.action = DispatchAction::kAttach;
  return d;
}

RendererId ResolveVbToolbar(bool readable, std::uint64_t size) {
  return readable && size >= 1080001 ? R::kToolbar : R::kGeneric;
}

}  // namespace tebix
