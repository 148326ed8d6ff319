// The window-free rules of the edit, list and combo renderers: which frame
// a combo box shows, where its drop button goes, what a wheel notch does to
// an edit box and when a drop-down list may take the mouse.
#pragma once

#include <cstdint>

#include "skin/render/layout_rect.h"

namespace tebix::scrolled {

// The class atom the combo box class has on the systems the rules were
// made for. A parent of the combo box class changes the wheel rule of edit
// boxes and lets drop-down lists take the mouse capture.
inline constexpr unsigned kComboBoxAtom = 0xC01C;

// Whether a parent of class atom `parent_atom` is a combo box: the atom
// above, or the atom the running system gave its combo box class
// (`system_combo_atom`, 0 when unknown), which need not be that number.
bool IsComboBoxParent(unsigned parent_atom, unsigned system_combo_atom);

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
// Only on systems of version 6 and later (`version_flag` 1) and not in a
// combo box, where the wheel goes on to the combo.
int WheelLineCode(int version_flag, bool combo_parent, std::uint32_t wparam);

// A drop-down list takes the mouse capture for a thumb drag only when it
// belongs to a combo box (which lets its list hold the capture while it is
// dropped); under other owners, taking it would close the list.
bool DropListMayCapture(bool combo_parent);

}  // namespace tebix::scrolled
