#include "skin/render/generic.h"

#include <algorithm>

#include "skin/attach/engine_messages.h"
#include "skin/attach/paint_redirect.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/attach/text_recolour.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "skin/render/off_screen.h"
#include "skin/render/scroll_bar_engine.h"

namespace tebix {
namespace {

constexpr int kSubstituteDc = 5;

class GenericControl : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;
  ~GenericControl() override { DiscardMemoryDc(dc.memory_dc, dc.bitmap); }

  ScrollState state{};
  DcRedirect dc{kSubstituteDc};
};

GenericControl& Control(SkinnedWindow& self) {
  return static_cast<GenericControl&>(self);
}

COLORREF TextColour(HWND window) {
  return SkinColour(IsWindowEnabled(window) ? 61 : 62);
}

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {std::max<LONG>(r.right - r.left, 1), std::max<LONG>(r.bottom - r.top, 1)};
}

// Lays `painted` (client coordinates, `area`) over the skin background in
// back buffer 1, with the button-face colour transparent, and shows the
// result on `target`.
void Compose(HDC target, HDC painted, const RECT& area, HRGN clip) {
  HDC composed = BackBufferDc(0);
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (composed == nullptr || width <= 0 || height <= 0) return;
  const int saved = SaveDC(composed);
  SelectClipRgn(composed, clip);
  if (clip != nullptr) SelectClipRgn(target, clip);
  FillRect(composed, &area, BackgroundBrush());
  TransparentBlt(composed, area.left, area.top, width, height, painted, area.left, area.top, width, height,
                 GetSysColor(COLOR_BTNFACE));
  BitBlt(target, area.left, area.top, width, height, composed, area.left, area.top, SRCCOPY);
  RestoreDC(composed, saved);
}

// --- Paint substitute ---------------------------------------------------------

// Back buffer 2 holds one window's paint at a time; a paint that begins
// while it is taken (a window painting another from inside its own paint)
// goes straight to the screen.
bool g_paint_buffer_taken = false;

enum PaintExtra { kClipRegion = 0, kSavedState = 1 };

HDC BeginSubstitute(HWND window, PAINTSTRUCT* ps, PaintRedirect* record) {
  HDC real_dc = ps->hdc;
  HDC buffer = BackBufferDc(1);
  if (real_dc == nullptr || IsRectEmpty(&ps->rcPaint) || buffer == nullptr || g_paint_buffer_taken) return real_dc;
  g_paint_buffer_taken = true;
  record->real_dc = real_dc;
  record->extra[kSavedState] = static_cast<uintptr_t>(SaveDC(buffer));
  const RECT& paint = ps->rcPaint;
  HRGN region = CreateRectRgn(paint.left, paint.top, paint.right + 1, paint.bottom + 1);
  SelectClipRgn(buffer, region);
  record->extra[kClipRegion] = reinterpret_cast<uintptr_t>(region);
  const RECT fill{0, 0, paint.right, paint.bottom};
  FillRect(buffer, &fill, BackgroundBrush());
  ps->hdc = buffer;
  SetTextRecolour(buffer, TextColour(window));
  return buffer;
}

// Puts back buffer 2 as it was and forgets the paint; the region goes.
void FinishPaintBuffer(PaintRedirect* record) {
  HDC buffer = BackBufferDc(1);
  if (buffer != nullptr) RestoreDC(buffer, static_cast<int>(record->extra[kSavedState]));
  if (record->extra[kClipRegion] != 0) DeleteObject(reinterpret_cast<HRGN>(record->extra[kClipRegion]));
  if (TextRecolourDc() == buffer) ClearTextRecolour();
  record->extra[kClipRegion] = 0;
  record->extra[kSavedState] = 0;
  record->real_dc = nullptr;
  g_paint_buffer_taken = false;
}

BOOL EndSubstitute(HWND window, const PAINTSTRUCT* ps, PaintRedirect* record) {
  PAINTSTRUCT finished = *ps;
  if (record->real_dc != nullptr) {
    HDC real_dc = record->real_dc;
    if (!IsRectEmpty(&ps->rcPaint)) {
      HDC buffer = BackBufferDc(1);
      SetMapMode(buffer, MM_TEXT);
      Compose(real_dc, buffer, ps->rcPaint, reinterpret_cast<HRGN>(record->extra[kClipRegion]));
    }
    FinishPaintBuffer(record);
    finished.hdc = real_dc;
  }
  return real::EndPaint(window, &finished);
}

// --- DC substitute --------------------------------------------------------------

HDC GetSubstitute(HWND window, HDC real_dc, DcRedirect* record) {
  if (record->memory_dc != nullptr) {
    // A DC taken before and never given back: its real DC is given back
    // now, so that it is not lost.
    DiscardMemoryDc(record->memory_dc, record->bitmap);
    if (record->real_dc != nullptr) real::ReleaseDC(window, record->real_dc);
    record->real_dc = nullptr;
  }
  HDC memory = nullptr;
  HBITMAP bitmap = nullptr;
  // Out of resources: the window draws on the screen.
  if (!MakeClientMemoryDc(window, real_dc, memory, bitmap)) return real_dc;
  const SIZE size = ClientSize(window);
  BitBlt(memory, 0, 0, size.cx, size.cy, real_dc, 0, 0, SRCCOPY);
  record->real_dc = real_dc;
  record->memory_dc = memory;
  record->bitmap = bitmap;
  SetTextRecolour(memory, TextColour(window));
  return memory;
}

int ReleaseSubstitute(HWND window, HDC dc, DcRedirect* record) {
  if (record->memory_dc == nullptr || dc != record->memory_dc) return real::ReleaseDC(window, dc);
  HDC real_dc = record->real_dc;
  const SIZE size = ClientSize(window);
  Compose(real_dc, record->memory_dc, {0, 0, size.cx, size.cy}, nullptr);
  DiscardMemoryDc(record->memory_dc, record->bitmap);
  record->real_dc = nullptr;
  return real::ReleaseDC(window, real_dc);
}

// --- The renderer ---------------------------------------------------------------

LRESULT Attach(GenericControl& control, UINT message, WPARAM wparam, LPARAM lparam) {
  control.MarkAttached();
  SetDcRedirect(control.window(), &control.dc);
  return AttachScrollBars(control, control.state, message, wparam, lparam);
}

void CompleteAttachment(GenericControl& control) {
  if (!control.attached()) Attach(control, kAttachMessage, 0, 0);
}

LRESULT Paint(GenericControl& control, WPARAM wparam, LPARAM lparam) {
  CompleteAttachment(control);
  const HWND window = control.window();
  PaintRedirect record{};
  record.type = kSubstituteDc;
  SetPaintRedirect(window, &record);
  const LRESULT result = control.CallPrevious(WM_PAINT, wparam, lparam);
  SetPaintRedirect(window, nullptr);
  // A paint that never ended must not keep the buffer.
  if (record.real_dc != nullptr) FinishPaintBuffer(&record);
  return result;
}

LRESULT GenericProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  GenericControl& control = Control(self);
  switch (message) {
    case WM_CREATE:
    case kAttachMessage:
      return Attach(control, message, wparam, lparam);
    case kDetachMessage:
      DetachScrollBars(control.window(), control.state);
      return 0;
    case WM_PAINT:
      return Paint(control, wparam, lparam);
    case WM_ERASEBKGND:
      return 1;
    case WM_NCCALCSIZE:
      return ScrollBarsCalcSize(control, control.state, wparam, lparam);
    case WM_NCPAINT:
      CompleteAttachment(control);
      return ScrollBarsNcPaint(control, control.state);
    case WM_NCHITTEST:
    case WM_NCMOUSEMOVE:
    case WM_MOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCLBUTTONUP:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_TIMER:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CAPTURECHANGED:
      return ScrollBarsMessage(control, control.state, message, wparam, lparam, true);
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateGeneric(HWND window) {
  return std::make_unique<GenericControl>(window);
}

}  // namespace

const RendererEntry kGenericRenderer = {RendererId::kGeneric, &CreateGeneric, &GenericProc};

void RegisterGenericSubstitutes() {
  RegisterPaintSubstitute(kSubstituteDc, {&BeginSubstitute, &EndSubstitute});
  RegisterDcSubstitute(kSubstituteDc, {&GetSubstitute, &ReleaseSubstitute});
}

void ClearGenericSubstitutes() {
  RegisterPaintSubstitute(kSubstituteDc, {});
  RegisterDcSubstitute(kSubstituteDc, {});
}

}  // namespace tebix
