// The tabbed dialog control ("SSTabCtlWndClass"), an ActiveX control that
// paints itself: all its paints go into a memory DC whose button-face
// background is replaced by the skin's and whose black text is recoloured.
// While it switches tabs (message 0x52C) its paints are thrown away; it is
// repainted whole once the switch is done.
#pragma once

#include "skin/attach/creation_hook.h"
#include "skin/attach/paint_redirect.h"

namespace tebix {

extern const RendererEntry kTabbedDialogRenderer;

// The paint substitute of redirect type 1012 (registered at engine start).
extern const PaintSubstitute kTabbedDialogPaintSubstitute;

// The message the control switches tabs with (WM_USER + 300).
inline constexpr UINT kTabSwitchMessage = 0x52C;
inline constexpr char kNoPaintProperty[] = "SSTabNoPaint";

}  // namespace tebix
