// The geometry and the rules of the skinned top-level frame, free of Win32 so
// that they build and are tested natively: which frame style record a window
// gets, how large the window must be for its client area to keep its size,
// where the client area, the caption, its buttons, icon and text, the borders
// and the menu bar lie, what a point hits, which system command a caption
// button gives, the maximised geometry of an MDI child, and the runs of key
// pixels a window region is cut from.
//
// All rectangles are in window coordinates (0, 0 is the window's top-left
// corner) unless a function says otherwise.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/core/frame_styles.h"

namespace tebix::frame {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
  int width = 0, height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Window styles the frame reads (the values of the system's headers).
namespace style {
inline constexpr std::uint32_t kCaption = 0x00C00000;     // WS_CAPTION: both caption bits
inline constexpr std::uint32_t kBorder = 0x00800000;      // WS_BORDER
inline constexpr std::uint32_t kThickFrame = 0x00040000;  // WS_THICKFRAME
inline constexpr std::uint32_t kModalFrame = 0x00000080;  // DS_MODALFRAME
inline constexpr std::uint32_t kContextHelp = 0x00002000; // DS_CONTEXTHELP
inline constexpr std::uint32_t kSysMenu = 0x00080000;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kMaximizeBox = 0x00010000;
inline constexpr std::uint32_t kHScroll = 0x00100000;
inline constexpr std::uint32_t kVScroll = 0x00200000;
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kIconic = 0x20000000;  // WS_MINIMIZE
inline constexpr std::uint32_t kZoomed = 0x01000000;  // WS_MAXIMIZE
inline constexpr std::uint32_t kExToolWindow = 0x00000080;
inline constexpr std::uint32_t kExLeftScrollBar = 0x00004000;
inline constexpr std::uint32_t kExMdiChild = 0x00000040;
}  // namespace style

// Hit-test codes (the system's values) and the frame's private menu-bar code.
namespace hit {
inline constexpr int kNowhere = 0, kClient = 1, kCaption = 2, kSysMenu = 3, kMenu = 5, kHScroll = 6,
                     kVScroll = 7, kMinButton = 8, kMaxButton = 9, kLeft = 10, kRight = 11, kTop = 12,
                     kTopLeft = 13, kTopRight = 14, kBottom = 15, kBottomLeft = 16, kBottomRight = 17,
                     kBorder = 18, kClose = 20, kHelp = 21;
inline constexpr int kMenuBar = 0x1234;
}  // namespace hit

// System commands the frame sends.
namespace command {
inline constexpr unsigned kSize = 0xF000, kMove = 0xF010, kMinimize = 0xF020, kMaximize = 0xF030,
                          kClose = 0xF060, kRestore = 0xF120, kContextHelp = 0xF180;
inline constexpr unsigned kDragMove = kMove + 2;        // move with the mouse
inline constexpr unsigned kMaximizeByCaption = 0xF032;  // double click on the caption
inline constexpr unsigned kRestoreByCaption = 0xF122;
}  // namespace command

// The frame style record a window gets; kNone: no skinned frame (the
// client-edge border instead).
enum class Choice : int {
  kNormal = kNormalFrame,
  kTool = kToolFrame,
  kBorderOnly = kBorderOnlyFrame,
  kNone,
};
Choice ChooseFrame(std::uint32_t style, std::uint32_t ex_style);

// No piece of a frame, menu row or scroll bar is larger than this, whatever
// a skin says: a damaged skin must not make windows the system cannot hold.
inline constexpr int kMaxPieceSize = 1024;
inline constexpr int kMaxMenuRows = 64;
inline constexpr int kMaxIconSize = 256;

// The four frame pieces' sizes, from the record's active parts (each
// between 0 and kMaxPieceSize).
struct Borders {
  int caption = 0;  // height of slot 0
  int left = 0;     // width of slot 1
  int right = 0;    // width of slot 2
  int bottom = 0;   // height of slot 3
};
Borders BordersOf(const FrameStyle& record);

// How far the client area lies inside the window on each side.
struct Insets {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const Insets&, const Insets&) = default;
};

// What the non-client area holds besides the frame pieces.
struct Extras {
  int menu_rows = 0;        // rows of the menu bar (0: no menu)
  int menu_row_height = 0;  // skin metric 13
  int vscroll_width = 0;    // skin metric 17, taken with WS_VSCROLL
  int hscroll_height = 0;   // skin metric 14, taken with WS_HSCROLL
};

// The skin frame's insets: the pieces (none without a frame style), the
// menu rows below the caption, then the scroll bars (the vertical one on
// the left with WS_EX_LEFTSCROLLBAR).
Insets SkinInsets(Choice choice, const Borders& borders, std::uint32_t style, std::uint32_t ex_style,
                  const Extras& extras);

// The client rectangle of a window rectangle (any coordinates) with these
// insets; never inverted.
Rect ClientOf(const Rect& window, const Insets& insets);

// The window size that gives the client area the window had under the
// system's frame (`system` insets) under the skin's (`skin` insets).
Size CompensatedSize(Size current, const Insets& system, const Insets& skin);

// --- Layout --------------------------------------------------------------------

struct LayoutInput {
  Choice choice = Choice::kNone;
  const FrameStyle* record = nullptr;  // required unless choice is kNone
  int width = 0, height = 0;           // window size
  std::uint32_t style = 0, ex_style = 0;
  bool has_icon = false;
  Rect client;  // window coordinates
  int menu_rows = 0;
  int menu_row_height = 0;
};

struct Layout {
  Rect client;
  Rect icon, text, close, maximize, minimize, help;  // empty when absent
  Rect caption;                                      // hit-test area of the caption
  Rect strip, left, right, bottom;                   // the four pieces
  Rect menu_bar;                                     // empty without a menu
  bool has_frame = false;  // the window and client rectangles differ
};

Layout LayOut(const LayoutInput& in);

// --- Hit test --------------------------------------------------------------------

// The frame's own part of the hit test, in window coordinates: the menu bar
// (kMenuBar), the client area, the caption buttons and icon (only when the
// close button exists), the caption, and the borders: sizing codes when the
// window can be sized (WS_THICKFRAME, neither iconic nor zoomed), HTBORDER
// otherwise. kNowhere for a point the frame leaves to the scroll bars or the
// previous procedure.
int HitTest(const Layout& layout, std::uint32_t style, int x, int y);

// --- Caption buttons ---------------------------------------------------------------

enum class Button : int { kNone, kMinimize, kMaximize, kClose, kHelp };

// The caption-button state of the frame object: 0 none, 1/2 minimize hover
// and pressed, 3/4 maximize, 5/6 close, 7/8 help, 9 a menu-bar item open.
inline constexpr int kMenuOpenState = 9;
int HoverState(Button button);
int PressedState(Button button);
Button ButtonOfState(int state);
bool IsPressedState(int state);
Button ButtonOfHit(int hit_code);

// The system command a click on the button gives, or 0 when the window lacks
// the style the button stands for (a disabled button sends nothing).
unsigned ButtonCommand(Button button, std::uint32_t style);

// The command of a double click on the caption (0 without WS_MAXIMIZEBOX).
unsigned CaptionDoubleClickCommand(std::uint32_t style);

// The command of a press on the caption or a sizing border: SC_MOVE+2 on
// the caption (0 when zoomed), SC_SIZE+1..8 on the borders, else 0.
unsigned PressCommand(int hit_code, std::uint32_t style);

// The skin part slot a caption button is drawn with: by state, with
// iconic windows showing restore for minimize and zoomed windows restore for
// maximize, the inactive image for an inactive window and the disabled one
// when the box is missing.
int ButtonSlot(Button button, std::uint32_t style, bool active, int state);

// Which sizing cursor a hit code asks for: 0 none, 1 west-east, 2 north-
// south, 3 north-west/south-east, 4 north-east/south-west.
int SizingCursor(int hit_code);

// --- MDI child maximised ---------------------------------------------------------

// The maximised rectangle of an MDI child in its MDI client's client area
// (`area` width and height): the skin frame (`insets`) lies outside the
// area and the child's client area fills it exactly.
Rect MdiMaximizedRect(const Insets& insets, Size area);

// --- Region ----------------------------------------------------------------------

// Runs of pixels equal to `key` (COLORREF, 0x00BBGGRR) in a 32-bit top-down
// pixel array (0x00RRGGBB each, the high byte ignored), one-pixel-high
// rectangles in row order.
std::vector<Rect> KeyRuns(const std::uint32_t* pixels, int width, int height, std::uint32_t key);

}  // namespace tebix::frame
