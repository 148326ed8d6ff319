// The window-free rules of the edit, list and combo renderers: which frame
// a combo box shows, where its drop button goes, what a wheel notch does to
// an edit box and when a drop-down list may take the mouse.
#pragma once

#include <cstdint>

#include "skin/render/layout_rect.h"

namespace tebix::scrolled {

// The class atom of a parent window that changes the wheel rule of edit
// boxes and lets drop-down lists take the mouse capture.
inline constexpr unsigned kSpecialParentAtom = 0xC01C;

// Looks of a combo box frame, as the client-edge states number them.
inline constexpr int kFrameNormal = 0;
inline constexpr int kFrameFocused = 3;
inline constexpr int kFrameDisabled = 4;

// Disabled wins over focused; only the combo window's own focus counts.
int ComboFrameState(bool enabled, bool combo_has_focus);

// The frame of a combo box in window coordinates (its window rectangle moved
// to 0,0). A simple combo (no drop-down) ends one pixel above its list,
// whose top `list_top` is given relative to the combo's top; a list top at
// or above the frame's top leaves the frame as it is.
layout::Rect ComboFrame(int width, int height, bool simple, int list_top);

// Where the drop button is drawn: where the control puts it, or, with skin
// metric 20 not 0, stretched to the frame's top, right and bottom. An empty
// button stays empty (a simple combo has none).
layout::Rect DropButton(const layout::Rect& button, const layout::Rect& frame, int stretch_metric);

// Skin part of the drop button: pressed or not. The button is never drawn
// disabled.
inline constexpr int kDropButtonPart = 214;
inline constexpr int kDropButtonPressedPart = 217;
int DropButtonPart(bool pressed);

// What an edit box does with WM_MOUSEWHEEL: -1 to pass it on, else the
// WM_VSCROLL code it sends itself instead (SB_LINEUP 0 for a positive
// delta, SB_LINEDOWN 1 otherwise), one line per message whatever the delta.
// Only on systems of version 6 and later (`version_flag` 1) and not under a
// parent of the special class atom.
int WheelLineCode(int version_flag, unsigned parent_atom, std::uint32_t wparam);

// A drop-down list takes the mouse capture for a thumb drag only under a
// parent of the special class atom; elsewhere the list holds the capture
// itself while it is dropped, and taking it would close the list.
bool DropListMayCapture(unsigned parent_atom);

}  // namespace tebix::scrolled
