#include "skin/render/tabbed_dialog.h"

#include "skin/attach/engine_messages.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/skin_data.h"
#include "skin/render/button_paint.h"
#include "skin/render/off_screen.h"

namespace tebix {
namespace {

constexpr int kRedirectType = 1012;
// Words of the record beyond the common ones.
constexpr int kNoPaintWord = 0;  // non-zero while the control switches tabs
constexpr int kEndedWord = 1;    // non-zero: BeginPaint already ended a thrown-away paint

// BeginPaint: during a tab switch the paint ends at once and the control
// gets no DC; otherwise it paints into a memory DC.
HDC BeginTabbed(HWND window, PAINTSTRUCT* ps, PaintRedirect* record) {
  if (record->extra[kNoPaintWord] != 0) {
    if (ps->hdc != nullptr) {
      real::EndPaint(window, ps);
      record->extra[kEndedWord] = 1;
    }
    ps->hdc = nullptr;
    return nullptr;
  }
  // Filled with the button face, so that what the control leaves unpainted
  // comes out as the skin background rather than as black.
  const HDC memory = BeginMemoryPaint(window, ps, record, GetSysColorBrush(COLOR_BTNFACE),
                                      SkinColour(IsWindowEnabled(window) ? 61 : 62));
  return memory != nullptr ? memory : ps->hdc;
}

// EndPaint: the control's painting laid over the skin background, its
// button-face colour left out, onto the screen.
BOOL EndTabbed(HWND window, const PAINTSTRUCT* ps, PaintRedirect* record) {
  if (record->extra[kEndedWord] != 0) {  // thrown away, and ended already
    record->extra[kEndedWord] = 0;
    return TRUE;
  }
  if (record->real_dc != nullptr && record->memory_dc != nullptr)
    ComposeOverSkinBackground(window, record->real_dc, record->memory_dc);
  DiscardMemoryDc(record->memory_dc, record->bitmap);  // clears the text recolour
  if (record->real_dc == nullptr) return real::EndPaint(window, ps);
  return EndMemoryPaint(window, ps, record);
}

class TabbedDialog : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;
  ~TabbedDialog() override { DiscardMemoryDc(record_.memory_dc, record_.bitmap); }

  // The record hangs for the window's whole life: every paint of the
  // control goes through the substitute.
  void Attach() {
    if (hung_) return;
    MarkAttached();
    record_ = PaintRedirect{};
    record_.type = kRedirectType;
    SetPaintRedirect(window(), &record_);
    hung_ = true;
  }

  LRESULT SwitchTabs(UINT message, WPARAM wparam, LPARAM lparam) {
    Attach();
    const uintptr_t before = record_.extra[kNoPaintWord];
    record_.extra[kNoPaintWord] = 1;
    if (before == 0) SetPropA(window(), kNoPaintProperty, reinterpret_cast<HANDLE>(1));
    const LRESULT result = CallPrevious(message, wparam, lparam);
    record_.extra[kNoPaintWord] = before;  // a nested switch leaves the outer one on
    if (before == 0) {
      RemovePropA(window(), kNoPaintProperty);
      InvalidateRect(window(), nullptr, TRUE);
    }
    return result;
  }

 private:
  PaintRedirect record_;
  bool hung_ = false;
};

LRESULT TabbedDialogProc(SkinnedWindow& base, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& self = static_cast<TabbedDialog&>(base);
  switch (message) {
    case WM_CREATE:
    case kAttachMessage:
      self.Attach();
      break;
    case WM_PAINT:
      self.Attach();
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      self.Attach();
      return 0;
    case kTabSwitchMessage:
      return self.SwitchTabs(message, wparam, lparam);
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateTabbedDialog(HWND window) {
  return std::make_unique<TabbedDialog>(window);
}

}  // namespace

const RendererEntry kTabbedDialogRenderer = {RendererId::kTabbedDialog, &CreateTabbedDialog, &TabbedDialogProc};
const PaintSubstitute kTabbedDialogPaintSubstitute = {&BeginTabbed, &EndTabbed};

}  // namespace tebix
