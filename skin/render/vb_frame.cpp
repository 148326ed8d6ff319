#include "skin/render/vb_frame.h"

#include "skin/attach/skinned_window.h"
#include "skin/core/skin_data.h"
#include "skin/render/button_paint.h"

namespace tebix {
namespace {

constexpr int kRedirectType = 1006;

bool HasCaptionText(HWND window, bool unicode) {
  return (unicode ? GetWindowTextLengthW(window) : GetWindowTextLengthA(window)) > 0;
}

// BeginPaint: the control paints into a memory DC on the skin background,
// kept off the frame's border and caption strip, its black text recoloured.
HDC BeginInside(HWND window, PAINTSTRUCT* ps, PaintRedirect* record) {
  const HDC memory = BeginMemoryPaint(window, ps, record, BackgroundBrush(),
                                      SkinColour(IsWindowEnabled(window) ? 61 : 62));
  if (memory == nullptr) return ps->hdc;
  RECT client{};
  GetClientRect(window, &client);
  const RECT inside = ToRect(
      button::FrameInnerClip(ToLayout(client), HasCaptionText(window, IsWindowUnicode(window) != FALSE)));
  BeginPath(memory);
  Rectangle(memory, inside.left, inside.top, inside.right, inside.bottom);
  EndPath(memory);
  SelectClipPath(memory, RGN_COPY);
  return memory;
}

// EndPaint: the control's painting over the skin background, its
// button-face colour left out, onto the screen.
BOOL EndInside(HWND window, const PAINTSTRUCT* ps, PaintRedirect* record) {
  if (record->real_dc != nullptr && record->memory_dc != nullptr)
    ComposeOverSkinBackground(window, record->real_dc, record->memory_dc);
  DiscardMemoryDc(record->memory_dc, record->bitmap);  // clears the text recolour
  return EndMemoryPaint(window, ps, record);
}

class VbFrame : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;

  void OnPaint() {
    PaintRedirect record;
    record.type = kRedirectType;
    PassPaintOn(*this, record);
    DiscardMemoryDc(record.memory_dc, record.bitmap);
    PaintFrame(nullptr);
  }

  void PaintFrame(HDC dc) {
    if (dc != nullptr) {
      const int saved = SaveDC(dc);
      DrawGroupFrame(dc, window(), unicode());
      RestoreDC(dc, saved);
      return;
    }
    WithWindowDc(window(), [this](HDC window_dc) { DrawGroupFrame(window_dc, window(), unicode()); });
  }
};

LRESULT VbFrameProc(SkinnedWindow& base, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& self = static_cast<VbFrame&>(base);
  switch (message) {
    case WM_PAINT:
      self.OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return EraseWithSkinBackground(self.window(), reinterpret_cast<HDC>(wparam));
    case WM_NCPAINT:
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = PassOnQuietly(self, message, wparam, lparam);
      // The frame fills its own background: a full repaint clears the old caption.
      RedrawWindow(self.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      return result;
    }
  }
  return PassOnQuietly(self, message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateVbFrame(HWND window) {
  return std::make_unique<VbFrame>(window);
}

}  // namespace

const RendererEntry kVbFrameRenderer = {RendererId::kFrameControl, &CreateVbFrame, &VbFrameProc};
const PaintSubstitute kVbFramePaintSubstitute = {&BeginInside, &EndInside};

}  // namespace tebix
