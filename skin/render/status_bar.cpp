#include "skin/render/status_bar.h"

#include <commctrl.h>

#include <climits>
#include <vector>

#include "skin/attach/paint_redirect.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/skin_data.h"
#include "skin/render/bar_layout.h"
#include "skin/render/bar_paint.h"
#include "skin/render/layout_rect_win32.h"

namespace tebix {
namespace {

using bars::BarText;
using layout::Rect;

class StatusBar : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;
};

void ClipTo(HDC dc, const Rect& r) {
  if (HRGN clip = CreateRectRgn(r.left, r.top, r.right, r.bottom)) {
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
  }
}

// What a part holds: its text and type, read wide or ANSI as the window is.
struct PartContent {
  BarText text;
  unsigned type = 0;      // SBT_* drawing type
  LPARAM owner_data = 0;  // an owner-drawn part's value
};

PartContent ReadPart(HWND window, bool unicode, WPARAM index) {
  PartContent part;
  part.text.unicode = unicode;
  const LRESULT length = SendMessageW(window, unicode ? SB_GETTEXTLENGTHW : SB_GETTEXTLENGTHA, index, 0);
  part.type = HIWORD(length);
  if (part.type & SBT_OWNERDRAW) {
    // The control answers with the part's value and writes nothing; the
    // buffer is there for a control that would.
    wchar_t scratch[2] = {};
    part.owner_data =
        SendMessageW(window, unicode ? SB_GETTEXTW : SB_GETTEXTA, index, reinterpret_cast<LPARAM>(scratch));
    return part;
  }
  const size_t n = LOWORD(length);
  if (n == 0) return part;
  if (unicode) {
    std::vector<wchar_t> buffer(n + 1);
    SendMessageW(window, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = L'\0';
    part.text.wide = buffer.data();
  } else {
    std::vector<char> buffer(n + 1);
    SendMessageA(window, SB_GETTEXTA, index, reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = '\0';
    part.text.narrow = buffer.data();
  }
  return part;
}

// The parent draws an owner-drawn part, as the control itself would ask it.
void AskOwnerToDraw(HWND window, HDC dc, int index, const Rect& item, LPARAM data) {
  const HWND parent = GetParent(window);
  if (parent == nullptr) return;
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_STATIC;
  dis.CtlID = static_cast<UINT>(GetDlgCtrlID(window));
  dis.itemID = static_cast<UINT>(index);
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = 0;
  dis.hwndItem = window;
  dis.hDC = dc;
  dis.rcItem = ToRect(item);
  dis.itemData = static_cast<ULONG_PTR>(data);
  const int saved = SaveDC(dc);
  SendMessageW(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
  RestoreDC(dc, saved);
}

void DrawParts(HWND window, bool unicode, HDC dc) {
  RECT client_rect{};
  GetClientRect(window, &client_rect);
  const Rect client = ToLayout(client_rect);
  bars::DrawPart(dc, client, bars::kStatusBackgroundPart);

  const int separator_width = bars::PartSize(bars::kStatusSeparatorPart).cx;
  const bool simple = SendMessageW(window, SB_ISSIMPLE, 0, 0) != 0;
  const int count = simple ? 1 : static_cast<int>(SendMessageW(window, SB_GETPARTS, 0, 0));
  int previous_left = INT_MIN;
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!simple) SendMessageW(window, SB_GETRECT, i, reinterpret_cast<LPARAM>(&r));
    const auto icon = reinterpret_cast<HICON>(SendMessageW(window, SB_GETICON, simple ? -1 : i, 0));
    const SIZE icon_size = bars::IconSize(icon);
    const bars::StatusPartLayout part = bars::LayOutStatusPart(
        simple ? Rect{} : ToLayout(r), client, previous_left, icon_size.cx, icon_size.cy, separator_width);
    if (!part.drawn) continue;
    previous_left = part.clip.left;
    ClipTo(dc, part.clip);
    if (icon_size.cx > 0) {
      DrawIconEx(dc, part.icon_x, part.icon_y, icon, icon_size.cx, icon_size.cy, 0, nullptr, DI_NORMAL);
    }
    PartContent content = ReadPart(window, unicode, simple ? SB_SIMPLEID : i);
    // Some controls keep the simple text under index 0 rather than SB_SIMPLEID.
    if (simple && content.type == 0 && content.text.empty()) content = ReadPart(window, unicode, 0);
    if (content.type & SBT_OWNERDRAW) {
      AskOwnerToDraw(window, dc, i, part.item, content.owner_data);
    } else if (!content.text.empty()) {
      const HGDIOBJ old_font = SelectObject(dc, bars::TextFont(window, content.text));
      SetTextColor(dc, SkinColour(bars::kStatusTextColour));
      SetBkMode(dc, TRANSPARENT);
      content.text.Draw(dc, part.text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
      SelectObject(dc, old_font);
    }
    bars::DrawPart(dc, part.separator, bars::kStatusSeparatorPart);
  }

  SelectClipRgn(dc, nullptr);
  // A grip only where the control has one: elsewhere it would not size anything.
  if (GetWindowLongW(window, GWL_STYLE) & SBARS_SIZEGRIP) {
    const SIZE grip = bars::PartSize(bars::kSizeGripPart);
    bars::DrawPart(dc, bars::PlaceSizeGrip(client, grip.cx, grip.cy), bars::kSizeGripPart);
  }
}

void Paint(StatusBar& self, HDC target) {
  const HWND window = self.window();
  const bool unicode = self.unicode();
  auto draw = [&](HDC dc) {
    bars::PaintOffScreen(window, dc, [&](HDC memory) { DrawParts(window, unicode, memory); });
  };
  if (target != nullptr) {
    draw(target);
  } else if (HDC dc = real::GetDC(window)) {
    draw(dc);
    real::ReleaseDC(window, dc);
  }
}

LRESULT StatusBarProc(SkinnedWindow& base, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& self = static_cast<StatusBar&>(base);
  switch (message) {
    case WM_PAINT:
      if (wparam != 0) {  // painting into a DC of the caller's
        Paint(self, reinterpret_cast<HDC>(wparam));
        return 0;
      }
      bars::PassPaintOnSuppressed(self, wparam, lparam);
      if (ObjectOf(self.window()) == &self) Paint(self, nullptr);
      return 0;
    case WM_PRINTCLIENT:
      Paint(self, reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateStatusBar(HWND window) {
  return std::make_unique<StatusBar>(window);
}

}  // namespace

const RendererEntry kStatusBarRenderer = {RendererId::kStatusBar, &CreateStatusBar, &StatusBarProc};

}  // namespace tebix
