#include "skin/render/group_box.h"

#include "skin/attach/skinned_window.h"
#include "skin/render/button_paint.h"

namespace tebix {
namespace {

class GroupBox : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;
};

// The client area (one pixel larger right and bottom) less every visible child.
HRGN ClipAroundChildren(HWND window, const RECT& client) {
  HRGN clip = CreateRectRgn(client.left, client.top, client.right + 1, client.bottom + 1);
  if (clip == nullptr) return nullptr;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
    if (HRGN hole = CreateRectRgnIndirect(&r)) {
      CombineRgn(clip, clip, hole, RGN_DIFF);
      DeleteObject(hole);
    }
  }
  return clip;
}

void PaintGroupBox(GroupBox& self, HDC dc) {
  const HWND window = self.window();
  RECT client{};
  GetClientRect(window, &client);
  const int saved = SaveDC(dc);
  if (HRGN clip = ClipAroundChildren(window, client)) {
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
  }
  if (GetWindowLongW(window, GWL_STYLE) & WS_CLIPSIBLINGS) {
    FillRect(dc, &client, BackgroundBrush());
  }
  DrawGroupFrame(dc, window, self.unicode());
  RestoreDC(dc, saved);
}

// A new caption: the parent repaints what lay behind the old one (a group
// box draws no background of its own), then the box paints over it.
void RedrawGroupBox(HWND window) {
  const HWND parent = GetParent(window);
  if (parent == nullptr || (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return;
  }
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT GroupBoxProc(SkinnedWindow& base, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& self = static_cast<GroupBox&>(base);
  switch (message) {
    case WM_PAINT:
      WithPaintDc(self.window(), [&](HDC dc) { PaintGroupBox(self, dc); });
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETTEXT: {
      // The caption changes: the old one must go, which only a repaint of
      // what lies behind it can do.
      const LRESULT result = PassOnQuietly(self, message, wparam, lparam);
      RedrawGroupBox(self.window());
      return result;
    }
  }
  return PassOnQuietly(self, message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateGroupBox(HWND window) {
  return std::make_unique<GroupBox>(window);
}

}  // namespace

const RendererEntry kGroupBoxRenderer = {RendererId::kGroupBox, &CreateGroupBox, &GroupBoxProc};

}  // namespace tebix
