// Month calendars ("SysMonthCal32" and the ActiveX month view classes): the
// calendar paints its days itself, off screen; the skin's colour replaces
// its title colour, and the two title buttons (previous and next month),
// found by asking the calendar where they are, are drawn from the skin in
// the state the mouse gives them.
#pragma once

#include "skin/attach/creation_hook.h"
#include "skin/attach/paint_redirect.h"

namespace tebix {

extern const RendererEntry kMonthCalendarRenderer;

// Paint-redirect type of the calendar's off-screen paint, and its substitute.
inline constexpr int kMonthCalendarRedirect = 3;
extern const PaintSubstitute kMonthCalendarPaintSubstitute;

}  // namespace tebix
