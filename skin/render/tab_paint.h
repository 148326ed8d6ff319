// The painter the tab control and the tab strip share: the control is read
// at each paint (items, selection, image list, display rectangle) and drawn
// whole from the skin: tabs by the side they lie on, the selected tab grown
// over the pane, button-style tabs as push faces, images and text in the
// family font, reading across, upwards or downwards.
#pragma once

#include <windows.h>

#include <cstdint>

#include "skin/render/tab_layout.h"

namespace tebix {

// Draws tab control `window` into `dc` (client coordinates, a DC at least
// the client size). A wide window's captions are read and drawn wide.
void PaintTabControl(HDC dc, HWND window, bool unicode, tab::Family family);

// The family font for a control of `style`: 12 pixels, regular, the
// Chinese system face, escaped as the tabs read. The caller deletes it.
HFONT CreateTabFont(std::uint32_t style, tab::Family family);

}  // namespace tebix
