#include "skin/render/grid_compose.h"

#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/render/off_screen.h"

namespace tebix {
namespace {

// GetDC: an off-screen DC of the client size on the button-face colour.
HDC GetGridDc(HWND window, HDC real_dc, DcRedirect* record) {
  // A DC taken before and never given back: the system's goes back now.
  if (record->extra[GridDc::kHandedOut] != 0 && record->real_dc != nullptr) real::ReleaseDC(window, record->real_dc);
  DiscardMemoryDc(record->memory_dc, record->bitmap);
  record->extra[GridDc::kHandedOut] = 0;
  record->real_dc = nullptr;
  if (!MakeClientMemoryDc(window, real_dc, record->memory_dc, record->bitmap)) return real_dc;
  RECT client{};
  GetClientRect(window, &client);
  FillRect(record->memory_dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  record->real_dc = real_dc;
  record->extra[GridDc::kHandedOut] = 1;
  return record->memory_dc;
}

int ReleaseGridDc(HWND window, HDC dc, DcRedirect* record) {
  if (record->extra[GridDc::kHandedOut] == 0 || dc == nullptr || dc != record->memory_dc) return real::ReleaseDC(window, dc);
  record->extra[GridDc::kHandedOut] = 0;
  const HDC real_dc = record->real_dc;
  record->real_dc = nullptr;
  if (record->extra[GridDc::kPainting] != 0) {
    RECT client{};
    GetClientRect(window, &client);
    LayOverScreen(real_dc, record->memory_dc, client.right, client.bottom);
  } else {
    InvalidateRect(window, nullptr, TRUE);
  }
  DiscardMemoryDc(record->memory_dc, record->bitmap);
  return real::ReleaseDC(window, real_dc);
}

}  // namespace

HDC BeginGridPaint(HWND window, PAINTSTRUCT* ps, PaintRedirect* record, HBRUSH fill, const RECT* clip) {
  const HDC real_dc = ps->hdc;
  DiscardMemoryDc(record->memory_dc, record->bitmap);
  record->real_dc = real_dc;  // a record kept between paints forgets the last one's
  if (real_dc == nullptr) return nullptr;
  if (!MakeClientMemoryDc(window, real_dc, record->memory_dc, record->bitmap)) return real_dc;
  RECT client{};
  GetClientRect(window, &client);
  FillRect(record->memory_dc, &client, fill != nullptr ? fill : GetSysColorBrush(COLOR_BTNFACE));
  if (clip != nullptr) {
    HRGN region = CreateRectRgnIndirect(clip);
    SelectClipRgn(record->memory_dc, region);
    DeleteObject(region);
  }
  ps->hdc = record->memory_dc;
  return record->memory_dc;
}

void LayOverScreen(HDC target, HDC painted, int width, int height) {
  if (target == nullptr || painted == nullptr || width <= 0 || height <= 0) return;
  TransparentBlt(target, 0, 0, width, height, painted, 0, 0, width, height, GetSysColor(COLOR_BTNFACE));
}

GridDc::~GridDc() {
  Drop();
}

void GridDc::Drop() {
  if (record_.extra[kHandedOut] != 0 && record_.real_dc != nullptr) real::ReleaseDC(window_, record_.real_dc);
  DiscardMemoryDc(record_.memory_dc, record_.bitmap);
  record_ = {};
}

void GridDc::Hang(HWND window) {
  Drop();
  window_ = window;
  record_.type = kDataGridRedirect;
  SetDcRedirect(window, &record_);
}

const DcSubstitute kGridDcSubstitute = {&GetGridDc, &ReleaseGridDc};

}  // namespace tebix
