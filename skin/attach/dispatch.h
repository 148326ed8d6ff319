// The class dispatch: which renderer takes a window, decided from its class
// name, its styles and the message that brought it to the engine's notice.
// Win32-free, so that every row can be checked natively.
//
// The table is walked from the top; the first row whose class name matches
// decides. Some rows take their window at once, some only on its first paint
// (deferred rows), some only for certain styles; a class no row lists is
// marked so that the engine never looks at it again.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tebix {

// Every renderer a dispatch row can name.
enum class RendererId : std::uint8_t {
  kNone,
  kDialogFrame,
  kPopupMenu,
  kPushButton,
  kCheckBox,
  kRadioButton,
  kGroupBox,
  kGeneric,
  kEdit,
  kRichEdit,
  kMfcMainFrame,
  kMfcMdiChildFrame,
  kControlBar,
  kViewBackground,
  kTabControl,
  kComboBox,
  kComboList,
  kListBox,
  kListView,
  kTreeView,
  kHeader,
  kScrollBar,
  kUpDown,
  kTrackbar,
  kToolbar,
  kStatusBar,
  kProgressBar,
  kDateTimePicker,
  kPlainBordered,
  kMonthCalendar,
  kFormFrame,
  kMdiChildFormFrame,
  kMdiFormFrame,
  kFrameControl,
  kCommandButton,
  kOptionButton,
  kVbCheckBox,
  kApexGrid,
  kDataGrid,
  kDataCombo,
  kDataList,
  kFlexGrid,
  kTabbedDialog,
  kPictureBox,
  kTabStrip,
  // The VB6 toolbar: the toolbar when the system's control library is
  // recent enough, else the generic renderer (ResolveVbToolbar).
  kVbToolbar,
  kCount,
};

const char* RendererName(RendererId id);

// The table has 57 rows. Row 55 names six classes with a renderer each, so
// the table is kept as entries: one per row, six for row 55. An entry is
// 1-based; kUnlistedEntry stands for the last row.
inline constexpr int kRowCount = 57;
inline constexpr int kUnlistedRow = 57;  // any class no other row names
inline constexpr int kUnlistedEntry = 0;

// The number of entries (1..EntryCount(); the unlisted row has none).
int EntryCount();

// The class names an entry lists; for a "contains" row, the texts it looks
// for inside a class name.
std::span<const std::string_view> EntryNames(int entry);
bool IsContainsEntry(int entry);

// The entry of a class name; kUnlistedEntry when no row names it. Exact
// names compare case-sensitively; "contains" rows look for their text
// anywhere in the class name.
int FindEntry(std::string_view class_name);
// The table row (1..57) of an entry.
int RowNumber(int entry);

// True for the entries that take their window only on its first paint.
bool IsDeferredEntry(int entry);

// The renderers an entry can choose (for entries whose choice depends on
// styles, all of them); empty for the unlisted entry.
std::span<const RendererId> EntryRenderers(int entry);

// The renderer an entry chooses for these styles; kNone when its condition
// selects nothing (the window then stays unmarked and is looked at again).
RendererId EntryRenderer(int entry, std::uint32_t style, std::uint32_t ex_style);

enum class DispatchAction : std::uint8_t {
  kPass,        // nothing now
  kAttach,      // call the renderer's creator
  kSendProbe,   // deferred row on paint: send the attach message, which attaches
  kMarkNoHook,  // unlisted class: never look at this window again
};

struct DispatchDecision {
  int entry = kUnlistedEntry;
  int row = kUnlistedRow;
  DispatchAction action = DispatchAction::kPass;
  RendererId renderer = RendererId::kNone;
};

// What the engine does, on `message`, with a window of `entry` that carries
// neither a skin object nor the exclusion mark.
DispatchDecision Decide(int entry, std::uint32_t style, std::uint32_t ex_style, std::uint32_t message);

inline DispatchDecision Decide(std::string_view class_name, std::uint32_t style, std::uint32_t ex_style,
                               std::uint32_t message) {
  return Decide(FindEntry(class_name), style, ex_style, message);
}

// The VB6 toolbar's renderer from the system's control library file: the
// toolbar when the file could be read and holds at least 1,080,001 bytes.
RendererId ResolveVbToolbar(bool readable, std::uint64_t size);

}  // namespace tebix
