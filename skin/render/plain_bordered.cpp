#include "skin/render/plain_bordered.h"

#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/render/client_edge.h"

namespace tebix {
namespace {

class PlainBordered : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;
};

void PaintBorder(HWND window) {
  if (HDC dc = real::GetWindowDC(window)) {
    DrawClientEdge(dc, window);
    real::ReleaseDC(window, dc);
  }
}

LRESULT PlainBorderedProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCPAINT:
      PaintBorder(self.window());
      return 0;
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreatePlainBordered(HWND window) {
  return std::make_unique<PlainBordered>(window);
}

}  // namespace

const RendererEntry kPlainBorderedRenderer = {RendererId::kPlainBordered, &CreatePlainBordered, &PlainBorderedProc};

}  // namespace tebix
