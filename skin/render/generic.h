// The generic renderer: a control keeps its own client painting, drawn over
// the skin background (its button-face background taken out), and gets the
// skin's scroll bars and border. Owner-drawn buttons, flex grids of the
// "VSFlexGrid" family and the VB6 toolbar of older systems use it.
//
// The control paints through a substitute DC (redirect type 5): BeginPaint
// and GetDC hand it a buffer, EndPaint and ReleaseDC lay that over the skin
// background with the button-face colour transparent.
#pragma once

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kGenericRenderer;

// The type-5 paint and DC substitutes (engine start and stop).
void RegisterGenericSubstitutes();
void ClearGenericSubstitutes();

}  // namespace tebix
