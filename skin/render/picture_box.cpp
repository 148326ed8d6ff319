#include "skin/render/picture_box.h"

#include "skin/attach/paint_redirect.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/render/button_paint.h"
#include "skin/render/client_edge.h"

namespace tebix {
namespace {

// Memory-DC client painting, composed over the skin background at EndPaint.
constexpr int kRedirectType = 1010;

class PictureBox : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;
};

LRESULT PictureBoxProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      if (wparam != 0) break;  // painting into a DC of the caller's: nothing to redirect
      PaintRedirect record;
      record.type = kRedirectType;
      PassPaintOn(self, record);
      return 0;
    }
    case WM_NCPAINT:
      if (HDC dc = real::GetWindowDC(self.window())) {
        DrawClientEdge(dc, self.window());
        real::ReleaseDC(self.window(), dc);
      }
      return 0;
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreatePictureBox(HWND window) {
  return std::make_unique<PictureBox>(window);
}

}  // namespace

const RendererEntry kPictureBoxRenderer = {RendererId::kPictureBox, &CreatePictureBox, &PictureBoxProc};

}  // namespace tebix
