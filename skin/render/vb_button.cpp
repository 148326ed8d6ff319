#include "skin/render/vb_button.h"

#include "skin/attach/engine_messages.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/text_recolour.h"
#include "skin/core/skin_data.h"

namespace tebix {
namespace {

using button::Mouse;

constexpr int kCommandButtonType = 1009;
constexpr std::size_t kHandedOut = 0;  // extra[0]: the memory DC is with the caller

HDC GetVbDc(HWND window, HDC real_dc, DcRedirect* record) {
  // A DC taken before and never given back: the system's goes back now.
  if (record->extra[kHandedOut] != 0 && record->real_dc != nullptr) real::ReleaseDC(window, record->real_dc);
  DiscardMemoryDc(record->memory_dc, record->bitmap);
  record->extra[kHandedOut] = 0;
  record->real_dc = nullptr;
  if (!MakeClientMemoryDc(window, real_dc, record->memory_dc, record->bitmap)) return real_dc;
  record->real_dc = real_dc;
  record->extra[kHandedOut] = 1;
  if (record->type == kCommandButtonType && IsOwnerDrawn(window)) {
    SetTextRecolour(record->memory_dc, SkinColour(IsWindowEnabled(window) ? 5 : 9));
  }
  return record->memory_dc;
}

int ReleaseVbDc(HWND window, HDC dc, DcRedirect* record) {
  if (record->extra[kHandedOut] == 0 || dc == nullptr || dc != record->memory_dc) return real::ReleaseDC(window, dc);
  record->extra[kHandedOut] = 0;
  DiscardMemoryDc(record->memory_dc, record->bitmap);  // also clears the text recolour it named
  InvalidateRect(window, nullptr, TRUE);
  const HDC real_dc = record->real_dc;
  record->real_dc = nullptr;
  return real::ReleaseDC(window, real_dc);
}

// The mouse state changes and the window repaints through WM_PAINT.
LRESULT SetMouse(VbButton& self, Mouse mouse, UINT message, WPARAM wparam, LPARAM lparam) {
  self.mouse = mouse;
  InvalidateRect(self.window(), nullptr, TRUE);
  return self.CallPrevious(message, wparam, lparam);
}

}  // namespace

bool IsOwnerDrawn(HWND window) {
  return (GetWindowLongW(window, GWL_STYLE) & 0xF) == BS_OWNERDRAW;
}

const DcSubstitute kVbButtonDcSubstitute = {&GetVbDc, &ReleaseVbDc};

VbButton::VbButton(HWND window, int dc_type, const ButtonLook& look) : SkinnedWindow(window), look_(look) {
  dc_record_.type = dc_type;
}

VbButton::~VbButton() {
  if (dc_record_.extra[kHandedOut] != 0 && dc_record_.real_dc != nullptr) {
    real::ReleaseDC(window(), dc_record_.real_dc);
  }
  DiscardMemoryDc(dc_record_.memory_dc, dc_record_.bitmap);
}

void VbButton::Attach() {
  MarkAttached();
  SetDcRedirect(window(), &dc_record_);
}

void VbButton::Paint(HDC dc) {
  PaintButton(window(), unicode(), look_, mouse, CheckStateOf(window(), look_.kind), dc);
}

void VbButton::OnPaint() {
  WithPaintDc(window(), [this](HDC dc) { Paint(dc); });
}

LRESULT VbButtonProc(SkinnedWindow& base, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& self = static_cast<VbButton&>(base);
  switch (message) {
    case WM_CREATE: {
      // The control's own creation runs too: the runtime sets itself up there.
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      self.Attach();
      return result;
    }
    case kAttachMessage:
      self.Attach();
      return 0;
    case WM_PAINT:
      if (!self.attached()) SendMessageW(self.window(), kAttachMessage, 0, 0);
      self.OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      if (self.look().kind == button::Kind::kRadio && !self.attached()) {
        SendMessageW(self.window(), kAttachMessage, 0, 0);
      }
      return 0;
    case WM_MOUSEMOVE:
      self.tracking = TrackHover(self.window(), self.tracking, self.mouse);
      return self.CallPrevious(message, wparam, lparam);
    case WM_MOUSEHOVER:
      if (self.mouse == Mouse::kPressed) return self.CallPrevious(message, wparam, lparam);
      return SetMouse(self, Mouse::kHot, message, wparam, lparam);
    case WM_MOUSELEAVE:
      self.tracking = false;
      return SetMouse(self, Mouse::kNormal, message, wparam, lparam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return SetMouse(self, Mouse::kPressed, message, wparam, lparam);
    case WM_LBUTTONUP:
      return SetMouse(self, MouseAfterRelease(self.window()), message, wparam, lparam);
  }
  const LookChange change(self.window(), message);
  const LRESULT result = self.CallPrevious(message, wparam, lparam);
  if (ObjectOf(self.window()) == &self && change.happened()) self.Paint(nullptr);
  return result;
}

}  // namespace tebix
