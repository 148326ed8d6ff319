// BeginPaint, EndPaint, GetDC, GetDCEx, GetWindowDC and ReleaseDC by redirect type.
#include <windows.h>

#include <algorithm>
#include <array>

#include "skin/attach/paint_redirect.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/replacements.h"
#include "skin/attach/text_recolour.h"
#include "skin/attach/window_table.h"
#include "skin/core/skin_resources.h"

namespace tebix {

namespace {

constexpr int kSuppressDc = 6;

template <typename Substitute, size_t N>
struct SubstituteTable {
  std::array<int, N> types;
  std::array<Substitute, N> substitutes{};

  Substitute* Find(int type) {
    for (size_t i = 0; i < N; ++i)
      if (types[i] == type) return &substitutes[i];
    return nullptr;
  }
};

SubstituteTable<PaintSubstitute, 8> g_paint{{3, 5, 1002, 1004, 1006, 1009, 1011, 1012}};
SubstituteTable<DcSubstitute, 5> g_dc{{5, 1004, 1007, 1008, 1009}};
ClientPaintLook g_look;

bool IsOneShotClip(int type) {
  return type == 1 || type == 2 || type == 4 || type == 1003 || type == 1005;
}
bool IsClientPainting(int type) {
  return type == 1001 || type == 1010;
}
bool IsComposedOnEndPaint(int type) {
  return type == 1001 || type == 1002 || type == 1004 || type == 1010 || type == 1011;
}
bool EndsInSubstitute(int type) {
  return type == 3 || type == 5 || type == 1006 || type == 1009 || type == 1012;
}

PaintRedirect* PaintRecordOf(HWND window) {
  return FindPaintRedirect(window);
}
DcRedirect* DcRecordOf(HWND window) {
  return FindDcRedirect(window);
}

HBRUSH Background() {
  return g_look.background ? g_look.background() : GetSysColorBrush(COLOR_BTNFACE);
}

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {std::max<LONG>(r.right - r.left, 1), std::max<LONG>(r.bottom - r.top, 1)};
}

void DiscardMemory(PaintRedirect* record) {
  if (record->memory_dc && TextRecolourDc() == record->memory_dc) ClearTextRecolour();
  if (record->memory_dc) DeleteDC(record->memory_dc);
  if (record->bitmap) DeleteObject(record->bitmap);
  record->memory_dc = nullptr;
  record->bitmap = nullptr;
}

// The window paints into a memory DC of its client size instead of the screen.
HDC BeginClientPainting(HWND window, PAINTSTRUCT* ps, PaintRedirect* record, HDC real_dc) {
  if (!real_dc) return nullptr;
  DiscardMemory(record);
  record->real_dc = real_dc;
  const SIZE size = ClientSize(window);
  HDC memory = CreateCompatibleDC(real_dc);
  HBITMAP bitmap = memory ? CreateSurfaceBitmap(real_dc, size.cx, size.cy) : nullptr;
  if (!bitmap) {  // out of GDI resources: the window paints on the screen as usual
    if (memory) DeleteDC(memory);
    return real_dc;
  }
  SelectObject(memory, bitmap);
  // What the window leaves unpainted must come out transparent in the composition.
  const RECT all{0, 0, size.cx, size.cy};
  FillRect(memory, &all, GetSysColorBrush(COLOR_BTNFACE));
  record->memory_dc = memory;
  record->bitmap = bitmap;
  ps->hdc = memory;
  const bool enabled = IsWindowEnabled(window) != FALSE;
  SetTextRecolour(memory, g_look.text_colour ? g_look.text_colour(enabled) : RGB(0, 0, 0));
  return memory;
}

// Lays the window's painting over the skin background and shows it; ends the real paint.
BOOL EndWithComposition(HWND window, const PAINTSTRUCT* ps, PaintRedirect* record) {
  PAINTSTRUCT finished = *ps;
  if (record->real_dc && record->memory_dc) {
    const SIZE size = ClientSize(window);
    HDC composed = CreateCompatibleDC(record->real_dc);
    HBITMAP bitmap = composed ? CreateSurfaceBitmap(record->real_dc, size.cx, size.cy) : nullptr;
    if (bitmap) {
      SelectObject(composed, bitmap);
      const RECT all{0, 0, size.cx, size.cy};
      FillRect(composed, &all, Background());
      TransparentBlt(composed, 0, 0, size.cx, size.cy, record->memory_dc, 0, 0, size.cx, size.cy,
                     GetSysColor(COLOR_BTNFACE));
      BitBlt(record->real_dc, 0, 0, size.cx, size.cy, composed, 0, 0, SRCCOPY);
    }
    if (composed) DeleteDC(composed);
    if (bitmap) DeleteObject(bitmap);
  }
  DiscardMemory(record);
  if (record->real_dc) finished.hdc = record->real_dc;
  return real::EndPaint(window, &finished);
}

void ClipOnce(HWND window, PaintRedirect* record, HDC real_dc) {
  if (real_dc && record->clip) {
    const RECT r = *record->clip;
    BeginPath(real_dc);
    Rectangle(real_dc, r.left, r.top, r.right + 1, r.bottom + 1);
    EndPath(real_dc);
    SelectClipPath(real_dc, RGN_COPY);
  }
  ClearPaintRedirect(window);
}

}  // namespace

bool RegisterPaintSubstitute(int type, PaintSubstitute substitute) {
  PaintSubstitute* slot = g_paint.Find(type);
  if (slot) *slot = substitute;
  return slot != nullptr;
}

bool RegisterDcSubstitute(int type, DcSubstitute substitute) {
  DcSubstitute* slot = g_dc.Find(type);
  if (slot) *slot = substitute;
  return slot != nullptr;
}

void SetClientPaintLook(ClientPaintLook look) {
  g_look = look;
}

HDC WINAPI SkinBeginPaint(HWND window, PAINTSTRUCT* ps) {
  PaintRedirect* record = PaintRecordOf(window);
  if (!record || !ps) return real::BeginPaint(window, ps);
  ps->hdc = nullptr;
  HDC real_dc = real::BeginPaint(window, ps);
  const int type = record->type;
  if (IsOneShotClip(type)) {
    ClipOnce(window, record, real_dc);
    return real_dc;
  }
  if (IsClientPainting(type)) return BeginClientPainting(window, ps, record, real_dc);
  if (PaintSubstitute* s = g_paint.Find(type); s && s->begin) return s->begin(window, ps, record);
  return real_dc;
}

BOOL WINAPI SkinEndPaint(HWND window, const PAINTSTRUCT* ps) {
  PaintRedirect* record = PaintRecordOf(window);
  if (!record || !ps) return real::EndPaint(window, ps);
  const int type = record->type;
  if (IsComposedOnEndPaint(type)) return EndWithComposition(window, ps, record);
  if (EndsInSubstitute(type)) {
    if (PaintSubstitute* s = g_paint.Find(type); s && s->end) return s->end(window, ps, record);
  }
  return real::EndPaint(window, ps);
}

HDC WINAPI SkinGetDC(HWND window) {
  DcRedirect* record = DcRecordOf(window);
  HDC dc = real::GetDC(window);
  if (!record || !dc) return dc;
  if (record->type == kSuppressDc) {
    real::ReleaseDC(window, dc);
    return nullptr;
  }
  if (DcSubstitute* s = g_dc.Find(record->type); s && s->get) return s->get(window, dc, record);
  return dc;
}

HDC WINAPI SkinGetDCEx(HWND window, HRGN clip, DWORD flags) {
  DcRedirect* record = DcRecordOf(window);
  HDC dc = real::GetDCEx(window, clip, flags);
  if (record && dc && record->type == kSuppressDc) {
    real::ReleaseDC(window, dc);
    return nullptr;
  }
  return dc;
}

HDC WINAPI SkinGetWindowDC(HWND window) {
  DcRedirect* record = DcRecordOf(window);
  HDC dc = real::GetWindowDC(window);
  if (record && dc && record->type == kSuppressDc) {
    real::ReleaseDC(window, dc);
    return nullptr;
  }
  return dc;
}

int WINAPI SkinReleaseDC(HWND window, HDC dc) {
  DcRedirect* record = DcRecordOf(window);
  if (record) {
    if (DcSubstitute* s = g_dc.Find(record->type); s && s->release) return s->release(window, dc, record);
  }
  return real::ReleaseDC(window, dc);
}

}  // namespace tebix
