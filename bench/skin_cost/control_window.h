// A top-level dialog window holding 200 child controls of many kinds, the
// way a busy form of a real program looks: push, check and option buttons,
// group boxes, labels, single- and multi-line edits, list and combo boxes,
// a list view, tree views, tab controls, progress bars, trackbars, up-down,
// hot-key and address controls, scroll bars, date pickers, an animation, a
// toolbar and a status bar, all filled with some items.
#pragma once

#include <windows.h>

#include <vector>

namespace vdk::bench {

inline constexpr int kControlCount = 200;

struct ControlWindow {
  HWND window = nullptr;
  std::vector<HWND> controls;  // the 200 children, in creation order
  HWND hotKey = nullptr;       // one control of each kind the message timing uses
  HWND checkBox = nullptr;
  HWND edit = nullptr;
  HWND list = nullptr;         // a list box with a vertical bar
};

// Registers the common control classes (once per process).
void InitCommonControlClasses();

// Creates the window and its controls, hidden. Throws std::runtime_error
// when a control cannot be created or the count is not 200.
ControlWindow CreateControlWindow();

// Shows the window and returns once it has painted: UpdateWindow, then this
// thread's messages are handled until none (and no paint) is pending.
void ShowAndPaint(const ControlWindow& form);

// Handles this thread's pending messages, paints included; returns when the
// queue is empty (or after `limitMs`, for a window that never stops asking).
void PumpUntilIdle(int limitMs = 10000);

}  // namespace vdk::bench
