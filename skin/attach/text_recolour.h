// The process-wide text-recolour slot.
//
// While a renderer lets a window paint into a DC of its own (a memory DC or a
// back buffer), it names that DC here with the skin's text colour; the text
// functions then draw black text on exactly that DC in the skin's colour, and
// leave every other DC and every other colour alone. The renderer's EndPaint or
// ReleaseDC substitute clears the slot again. The slot is unsynchronised: it is
// meaningful only during one redirected paint on the skinned thread.
#pragma once

#include <windows.h>

namespace tebix {

void SetTextRecolour(HDC dc, COLORREF colour);
void ClearTextRecolour();
HDC TextRecolourDc();
COLORREF TextRecolourColour();

}  // namespace tebix
