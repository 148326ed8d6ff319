#include "skin/render/button.h"

#include "skin/attach/engine_messages.h"
#include "skin/attach/skinned_window.h"
#include "skin/render/button_paint.h"

namespace tebix {
namespace {

using button::Kind;
using button::Mouse;

// The renderer a "Button" style type selects among these three; none for the others.
bool KindOfStyle(LONG style, Kind& kind) {
  switch (style & 0xF) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: kind = Kind::kPush; return true;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: kind = Kind::kCheck; return true;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: kind = Kind::kRadio; return true;
  }
  return false;
}

class Button : public SkinnedWindow {
 public:
  Button(HWND window, Kind kind) : SkinnedWindow(window), kind_(kind) {}

  Kind kind() const { return kind_; }
  void set_kind(Kind kind) { kind_ = kind; }
  Mouse mouse = Mouse::kNormal;
  bool tracking = false;  // hover and leave tracking armed

  void Paint(HDC dc) {
    // The type can change without WM_STYLECHANGED (BM_SETSTYLE); push, check
    // and radio follow it, anything else keeps the look the button had.
    Kind now;
    if (KindOfStyle(GetWindowLongW(window(), GWL_STYLE), now)) kind_ = now;
    PaintButton(window(), unicode(), LookOf(kind_), mouse, CheckStateOf(window(), kind_), dc);
  }

 private:
  Kind kind_;
};

// A style that makes the button owner-drawn hands it to the generic
// renderer; without one the window keeps only its own procedure.
LRESULT SwitchToGeneric(Button& self, WPARAM wparam, LPARAM lparam) {
  const HWND window = self.window();
  const RendererEntry* generic = FindRenderer(RendererId::kGeneric);
  DetachObject(window);  // `self` lives on until this call returns
  if (generic == nullptr || generic->create == nullptr) {
    return self.CallPrevious(WM_STYLECHANGED, wparam, lparam);
  }
  auto object = generic->create(window);
  if (object == nullptr || !AttachObject(std::move(object), generic->procedure)) {
    return self.CallPrevious(WM_STYLECHANGED, wparam, lparam);
  }
  SendMessageW(window, kAttachMessage, 0, 0);
  SkinnedWindow* attached = ObjectOf(window);
  if (attached == nullptr) return 0;
  return generic->procedure(*attached, WM_STYLECHANGED, wparam, lparam);
}

LRESULT ButtonProc(SkinnedWindow& base, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& self = static_cast<Button&>(base);
  switch (message) {
    case WM_PAINT:
      WithPaintDc(self.window(), [&](HDC dc) { self.Paint(dc); });
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      return 0;
    case WM_STYLECHANGED: {
      const auto* change = reinterpret_cast<const STYLESTRUCT*>(lparam);
      if (wparam == static_cast<WPARAM>(GWL_STYLE) && change != nullptr) {
        if ((change->styleNew & 0xF) == BS_OWNERDRAW) return SwitchToGeneric(self, wparam, lparam);
        // A change between push, check and radio takes the new look.
        Kind kind;
        if (KindOfStyle(static_cast<LONG>(change->styleNew), kind)) self.set_kind(kind);
      }
      break;
    }
    case WM_MOUSEMOVE:
      self.tracking = TrackHover(self.window(), self.tracking, self.mouse);
      return self.CallPrevious(message, wparam, lparam);
    case WM_MOUSEHOVER:
      if (self.mouse != Mouse::kPressed) {
        self.mouse = Mouse::kHot;
        self.Paint(nullptr);
      }
      return self.CallPrevious(message, wparam, lparam);
    case WM_MOUSELEAVE:
      self.tracking = false;
      self.mouse = Mouse::kNormal;
      self.Paint(nullptr);
      return self.CallPrevious(message, wparam, lparam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      self.mouse = Mouse::kPressed;
      self.Paint(nullptr);
      return self.CallPrevious(message, wparam, lparam);
    case WM_LBUTTONUP:
      self.mouse = MouseAfterRelease(self.window());
      self.Paint(nullptr);
      return self.CallPrevious(message, wparam, lparam);
  }
  const LookChange change(self.window(), message);
  const LRESULT result = PassOnQuietly(self, message, wparam, lparam);
  if (ObjectOf(self.window()) == &self && change.happened()) self.Paint(nullptr);
  return result;
}

template <Kind kind>
std::unique_ptr<SkinnedWindow> CreateButton(HWND window) {
  Kind chosen;
  // The user button, the push box and the undefined types stay as they are.
  if (!KindOfStyle(GetWindowLongW(window, GWL_STYLE), chosen)) return nullptr;
  return std::make_unique<Button>(window, kind);
}

}  // namespace

const RendererEntry kPushButtonRenderer = {RendererId::kPushButton, &CreateButton<Kind::kPush>, &ButtonProc};
const RendererEntry kCheckBoxRenderer = {RendererId::kCheckBox, &CreateButton<Kind::kCheck>, &ButtonProc};
const RendererEntry kRadioButtonRenderer = {RendererId::kRadioButton, &CreateButton<Kind::kRadio>, &ButtonProc};

}  // namespace tebix
