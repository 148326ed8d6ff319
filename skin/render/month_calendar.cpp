#include "skin/render/month_calendar.h"

#include <commctrl.h>

#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/skin_data.h"
#include "skin/render/button_paint.h"
#include "skin/render/client_edge.h"
#include "skin/render/date_layout.h"
#include "skin/render/layout_rect_win32.h"
#include "skin/render/off_screen.h"
#include "skin/render/scroll_bar_engine.h"

namespace tebix {
namespace {

using dates::MouseState;
using dates::TitleButton;

constexpr DWORD kHitPrevious = 0x02010003;  // MCHT_TITLEBTNPREV
constexpr DWORD kHitNext = 0x01010003;      // MCHT_TITLEBTNNEXT

// The two title buttons (client coordinates); the paint record carries a
// pointer to them for the substitute.
struct TitleButtons {
  RECT previous{};
  RECT next{};
};

class MonthCalendar : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;

  MouseState state = MouseState::kNormal;
  TitleButton owner = TitleButton::kNext;  // the button the state belongs to
  bool tracking_leave = false;
  TitleButtons buttons;
};

MonthCalendar& Calendar(SkinnedWindow& self) {
  return static_cast<MonthCalendar&>(self);
}

bool HitIs(HWND window, int x, int y, DWORD wanted) {
  MCHITTESTINFO info{};
  info.cbSize = MCHITTESTINFO_V1_SIZE;
  info.pt = {x, y};
  SendMessageW(window, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
  return info.uHit == wanted;
}

// Where the calendar has its title buttons now: estimated from the size of
// one month, then probed.
void FindButtons(MonthCalendar& calendar) {
  const HWND window = calendar.window();
  RECT client{}, month{};
  GetClientRect(window, &client);
  if (!SendMessageW(window, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&month))) month = {};
  const dates::Box block = dates::MonthBlock(ToLayout(client), month.right - month.left, month.bottom - month.top);
  calendar.buttons.previous = ToRect(dates::ProbeButton(
      dates::PreviousButtonEstimate(block), [&](int x, int y) { return HitIs(window, x, y, kHitPrevious); }));
  calendar.buttons.next = ToRect(dates::ProbeButton(dates::NextButtonEstimate(block),
                                                    [&](int x, int y) { return HitIs(window, x, y, kHitNext); }));
}

COLORREF TitleColour(HWND window) {
  return SkinColour(IsWindowEnabled(window) ? dates::kTitleFillColour : dates::kTitleFillDisabledColour);
}

// The two buttons over the calendar's own, through the real client DC.
void PaintButtons(MonthCalendar& calendar) {
  const HWND window = calendar.window();
  const bool disabled = IsWindowEnabled(window) == FALSE;
  const TitleButtons& b = calendar.buttons;
  if (IsRectEmpty(&b.previous) && IsRectEmpty(&b.next)) return;
  HBRUSH fill = CreateSolidBrush(TitleColour(window));
  WithWindowDc(window, [&](HDC dc) {
    for (TitleButton which : {TitleButton::kPrevious, TitleButton::kNext}) {
      const RECT& r = which == TitleButton::kPrevious ? b.previous : b.next;
      if (IsRectEmpty(&r)) continue;
      if (fill != nullptr) FillRect(dc, &r, fill);
      DrawBarPart(dc, r, dates::TitleButtonPart(which, disabled, calendar.state, calendar.owner));
    }
  });
  if (fill != nullptr) DeleteObject(fill);
}

void PaintBorder(MonthCalendar& calendar) {
  const HWND window = calendar.window();
  HDC dc = real::GetWindowDC(window);
  if (dc == nullptr) return;
  DrawClientEdge(dc, window, EdgeStateOf(window));
  real::ReleaseDC(window, dc);
}

// The button under client point `lparam`, if any.
bool ButtonAt(const MonthCalendar& calendar, LPARAM lparam, TitleButton& which) {
  const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  if (PtInRect(&calendar.buttons.previous, at)) {
    which = TitleButton::kPrevious;
    return true;
  }
  if (PtInRect(&calendar.buttons.next, at)) {
    which = TitleButton::kNext;
    return true;
  }
  return false;
}

void SetState(MonthCalendar& calendar, MouseState state, TitleButton owner, bool always_paint) {
  const bool changed = calendar.state != state || calendar.owner != owner;
  calendar.state = state;
  calendar.owner = owner;
  if (changed || always_paint) PaintButtons(calendar);
}

void OnMouseMove(MonthCalendar& calendar, LPARAM lparam) {
  if (calendar.state == MouseState::kPressed) return;
  TitleButton which{};
  if (ButtonAt(calendar, lparam, which)) {
    if (!calendar.tracking_leave) {
      // Told when the pointer leaves, so that no button stays hot.
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, calendar.window(), 0};
      calendar.tracking_leave = TrackMouseEvent(&track) != FALSE;
    }
    SetState(calendar, MouseState::kHot, which, false);
  } else if (calendar.state != MouseState::kNormal) {
    SetState(calendar, MouseState::kNormal, calendar.owner, true);
  }
}

void OnPaint(MonthCalendar& calendar) {
  FindButtons(calendar);
  PaintRedirect record;
  record.type = kMonthCalendarRedirect;
  record.extra[0] = reinterpret_cast<uintptr_t>(&calendar.buttons);
  PassPaintOn(calendar, record);
  DiscardMemoryDc(record.memory_dc, record.bitmap);
  PaintButtons(calendar);
}

LRESULT MonthCalendarProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  MonthCalendar& calendar = Calendar(self);
  const HWND window = self.window();
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      if (IsWindow(window)) PaintBorder(calendar);
      return result;
    }
    case WM_PAINT:
      if (wparam != 0) break;  // printing into a DC of the caller's
      OnPaint(calendar);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      PaintBorder(calendar);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(calendar, lparam);
      break;
    case WM_MOUSELEAVE:
      calendar.tracking_leave = false;
      if (calendar.state == MouseState::kHot) SetState(calendar, MouseState::kNormal, calendar.owner, true);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
      TitleButton which{};
      const bool over = ButtonAt(calendar, lparam, which);
      const MouseState state = !over                        ? MouseState::kNormal
                               : message == WM_LBUTTONDOWN ? MouseState::kPressed
                                                           : MouseState::kHot;
      SetState(calendar, state, over ? which : calendar.owner, true);
      break;
    }
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateMonthCalendar(HWND window) {
  return std::make_unique<MonthCalendar>(window);
}

// BeginPaint: the calendar paints into a memory DC on the skin background.
HDC BeginOffScreen(HWND window, PAINTSTRUCT* ps, PaintRedirect* record) {
  const HDC real_dc = ps->hdc;
  if (real_dc == nullptr) return nullptr;
  DiscardMemoryDc(record->memory_dc, record->bitmap);
  record->real_dc = real_dc;
  if (!MakeClientMemoryDc(window, real_dc, record->memory_dc, record->bitmap)) return real_dc;
  RECT client{};
  GetClientRect(window, &client);
  FillRect(record->memory_dc, &client, BackgroundBrush());
  ps->hdc = record->memory_dc;
  return record->memory_dc;
}

// EndPaint: the calendar's drawing laid over the title colour of the skin,
// its own title colour left out, copied to the screen around the buttons.
BOOL EndOffScreen(HWND window, const PAINTSTRUCT* ps, PaintRedirect* record) {
  if (record->real_dc != nullptr && record->memory_dc != nullptr) {
    const auto* buttons = reinterpret_cast<const TitleButtons*>(record->extra[0]);
    RECT client{};
    GetClientRect(window, &client);
    HDC composed = nullptr;
    HBITMAP bitmap = nullptr;
    if (MakeClientMemoryDc(window, record->real_dc, composed, bitmap)) {
      // The title colour is read beside the previous-month button; without
      // that button found there is no telling it, and nothing is recoloured.
      COLORREF key = CLR_INVALID;
      if (buttons != nullptr && !IsRectEmpty(&buttons->previous)) {
        key = GetPixel(record->memory_dc, buttons->previous.right + 2, buttons->previous.top + 2);
      }
      if (key == CLR_INVALID) {
        BitBlt(composed, 0, 0, client.right, client.bottom, record->memory_dc, 0, 0, SRCCOPY);
      } else {
        HBRUSH fill = CreateSolidBrush(TitleColour(window));
        FillRect(composed, &client, fill != nullptr ? fill : BackgroundBrush());
        if (fill != nullptr) DeleteObject(fill);
        TransparentBlt(composed, 0, 0, client.right, client.bottom, record->memory_dc, 0, 0, client.right,
                       client.bottom, key);
      }
      const int saved = SaveDC(record->real_dc);
      if (buttons != nullptr) {
        for (const RECT* r : {&buttons->previous, &buttons->next}) {
          if (!IsRectEmpty(r)) ExcludeClipRect(record->real_dc, r->left, r->top, r->right + 1, r->bottom + 1);
        }
      }
      BitBlt(record->real_dc, 0, 0, client.right, client.bottom, composed, 0, 0, SRCCOPY);
      RestoreDC(record->real_dc, saved);
      DiscardMemoryDc(composed, bitmap);
    } else {
      // Out of GDI resources: the calendar's drawing as it is, not lost.
      BitBlt(record->real_dc, 0, 0, client.right, client.bottom, record->memory_dc, 0, 0, SRCCOPY);
    }
  }
  DiscardMemoryDc(record->memory_dc, record->bitmap);
  return EndMemoryPaint(window, ps, record);
}

}  // namespace

const RendererEntry kMonthCalendarRenderer = {RendererId::kMonthCalendar, &CreateMonthCalendar,
                                              &MonthCalendarProc};
const PaintSubstitute kMonthCalendarPaintSubstitute = {&BeginOffScreen, &EndOffScreen};

}  // namespace tebix
