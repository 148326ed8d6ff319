// The seven scroll-bar functions, served from a window's "Scroll_Prop" block.
#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "skin/attach/real_functions.h"
#include "skin/attach/replacements.h"
#include "skin/attach/scroll_state.h"
#include "skin/attach/window_table.h"

namespace tebix {

namespace {

ScrollBarPainter g_painter = nullptr;

ScrollState* StateOf(HWND window) {
  return FindScrollState(window);
}

// SB_HORZ selects the horizontal block; SB_VERT and SB_CTL the vertical one.
ScrollBarState* BarOf(ScrollState* state, int bar) {
  if (bar == SB_HORZ) return &state->horizontal;
  if (bar == SB_VERT || bar == SB_CTL) return &state->vertical;
  return nullptr;
}

// maximum - page + 1, kept inside the int range.
int LastPosition(const SCROLLINFO& si) {
  const int64_t last = int64_t{si.nMax} - int64_t{si.nPage} + 1;
  return static_cast<int>(std::clamp<int64_t>(last, INT32_MIN, INT32_MAX));
}

// The larger of `pos` and the minimum, then at most maximum - page + 1.
int ClampedPosition(const SCROLLINFO& si, int pos) {
  return std::min(std::max(pos, si.nMin), LastPosition(si));
}

void Redraw(HWND window, ScrollState* state, BOOL redraw) {
  if (redraw && state->painted && g_painter) g_painter(window, state);
}

// Shows or hides a window's own bar when `visible` differs from its shown flag.
void ShowBar(HWND window, int bar, ScrollBarState* block, bool visible) {
  if ((block->shown != 0) == visible) return;
  ShowScrollBar(window, bar, visible);
  block->shown = visible;
}

}  // namespace

void SetScrollBarPainter(ScrollBarPainter painter) {
  g_painter = painter;
}

BOOL WINAPI SkinGetScrollInfo(HWND window, int bar, LPSCROLLINFO info) {
  ScrollState* state = StateOf(window);
  if (!state) return real::GetScrollInfo(window, bar, info);
  const ScrollBarState* block = BarOf(state, bar);
  if (!block || !info) return FALSE;
  bool copied = false;
  if (info->fMask & SIF_PAGE) {
    info->nPage = block->info.nPage;
    copied = true;
  }
  if (info->fMask & SIF_POS) {
    info->nPos = block->info.nPos;
    copied = true;
  }
  if (info->fMask & SIF_TRACKPOS) {
    info->nTrackPos = block->info.nTrackPos;
    copied = true;
  }
  if (info->fMask & SIF_RANGE) {
    info->nMin = block->info.nMin;
    info->nMax = block->info.nMax;
    return TRUE;
  }
  return copied ? TRUE : real::GetScrollInfo(window, bar, info);
}

int WINAPI SkinGetScrollPos(HWND window, int bar) {
  ScrollState* state = StateOf(window);
  if (!state) return real::GetScrollPos(window, bar);
  const ScrollBarState* block = BarOf(state, bar);
  return block ? block->info.nPos : 0;
}

BOOL WINAPI SkinGetScrollRange(HWND window, int bar, LPINT min_pos, LPINT max_pos) {
  ScrollState* state = StateOf(window);
  if (!state) return real::GetScrollRange(window, bar, min_pos, max_pos);
  const ScrollBarState* block = BarOf(state, bar);
  if (!block || !min_pos || !max_pos) return FALSE;
  *min_pos = block->info.nMin;
  *max_pos = block->info.nMax;
  return TRUE;
}

BOOL WINAPI SkinGetScrollBarInfo(HWND window, LONG object, PSCROLLBARINFO info) {
  const BOOL result = real::GetScrollBarInfo(window, object, info);
  // The system's bars are not where the skinned ones are drawn.
  if (result && info && StateOf(window)) SetRectEmpty(&info->rcScrollBar);
  return result;
}

int WINAPI SkinSetScrollInfo(HWND window, int bar, LPCSCROLLINFO info, BOOL redraw) {
  ScrollState* state = StateOf(window);
  if (!state) return real::SetScrollInfo(window, bar, info, redraw);
  ScrollBarState* block = BarOf(state, bar);
  if (!block || !info) return 0;
  SCROLLINFO& si = block->info;
  if (info->fMask & SIF_RANGE) {
    si.nMin = info->nMin;
    si.nMax = info->nMax;
  }
  if (info->fMask & SIF_PAGE) {
    const UINT range = static_cast<UINT>(si.nMax) - static_cast<UINT>(si.nMin) + 1u;
    si.nPage = std::min(info->nPage, range);
  }
  if (info->fMask & SIF_POS) si.nPos = ClampedPosition(si, info->nPos);
  if (bar == SB_CTL) {
    InvalidateRect(window, nullptr, TRUE);
    return si.nPos;
  }
  if (info->fMask & SIF_DISABLENOSCROLL) {
    block->disabled = 1;
    ShowBar(window, bar, block, true);
  } else {
    const bool visible =
        int64_t{si.nPage} <= si.nMax && !(si.nPage == 0 && si.nMax == 0) && si.nMin < si.nMax;
    ShowBar(window, bar, block, visible);
  }
  Redraw(window, state, redraw);
  return si.nPos;
}

int WINAPI SkinSetScrollPos(HWND window, int bar, int pos, BOOL redraw) {
  ScrollState* state = StateOf(window);
  if (!state) return real::SetScrollPos(window, bar, pos, redraw);
  ScrollBarState* block = BarOf(state, bar);
  if (!block) return 0;
  const int old = block->info.nPos;
  block->info.nPos = ClampedPosition(block->info, pos);
  if (bar == SB_CTL) {
    InvalidateRect(window, nullptr, TRUE);
  } else {
    Redraw(window, state, redraw);
  }
  return old;
}

BOOL WINAPI SkinSetScrollRange(HWND window, int bar, int min_pos, int max_pos, BOOL redraw) {
  ScrollState* state = StateOf(window);
  if (!state) return real::SetScrollRange(window, bar, min_pos, max_pos, redraw);
  ScrollBarState* block = BarOf(state, bar);
  if (!block) return FALSE;
  if (state->dragging) return block->info.nPos;  // a thumb drag keeps its range
  block->info.nMin = min_pos;
  block->info.nMax = max_pos;
  if (bar == SB_CTL) {
    InvalidateRect(window, nullptr, TRUE);
    return TRUE;
  }
  ShowBar(window, bar, block, min_pos != max_pos);
  Redraw(window, state, redraw);
  return TRUE;
}

BOOL WINAPI SkinEnableScrollBar(HWND window, UINT bar, UINT arrows) {
  ScrollState* state = StateOf(window);
  if (!state) return real::EnableScrollBar(window, bar, arrows);
  if (bar > SB_BOTH) return FALSE;
  if (bar == SB_CTL) {
    state->vertical.disabled = arrows != 0;
    InvalidateRect(window, nullptr, TRUE);
    return TRUE;
  }
  auto apply = [arrows](ScrollBarState& block) {
    if (arrows != 0) {
      block.disabled = 1;
      block.info.nPage = 0;
      block.info.nMax = block.info.nMin;
    } else {
      block.disabled = 0;
    }
  };
  if (bar == SB_VERT || bar == SB_BOTH) apply(state->vertical);
  if (bar == SB_HORZ || bar == SB_BOTH) apply(state->horizontal);
  Redraw(window, state, TRUE);
  return TRUE;
}

}  // namespace tebix
