// The client-edge border: the ring a bordered control shows between its
// window and client rectangles, drawn from the skin's colours. Plain
// bordered controls, scrolled controls and the combo box frame share it.
#pragma once

#include <windows.h>

namespace tebix {

// Looks of the ring; each has a line and a fill colour in the skin.
enum class EdgeState : int {
  kNormal = 0,    // colours 15, 16
  kHot = 1,       // colours 17, 18
  kPressed = 2,   // drawn as hot
  kFocused = 3,   // colours 19, 20
  kDisabled = 4,  // colours 21, 22
};

// The state a window's border shows: disabled, else focused, else normal.
EdgeState EdgeStateOf(HWND window);

// Draws the ring of `window` into its window DC `dc` (window coordinates).
// Only for a visible window whose client rectangle differs from its window
// rectangle. With WS_BORDER, WS_EX_CLIENTEDGE, WS_EX_STATICEDGE or
// WS_EX_WINDOWEDGE: the skin background, a rounded line (corners of skin
// metrics 22 by 23) and the fill between line and client; without them the
// strips around the client area are painted white.
void DrawClientEdge(HDC dc, HWND window);
// The same with the state given by a caller that follows focus and enabled
// state itself (asking the system for the focus costs a server call).
void DrawClientEdge(HDC dc, HWND window, EdgeState state);
// As above, also for a window not shown yet (printed before it appears).
void PrintClientEdge(HDC dc, HWND window, EdgeState state);

// The same ring around an inner rectangle of the caller's choice (window
// coordinates), in the given state; the combo box frames its item this way.
void DrawEdgeRing(HDC dc, const RECT& outer, const RECT& inner, EdgeState state);

}  // namespace tebix
