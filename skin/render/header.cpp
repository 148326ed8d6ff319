#include "skin/render/header.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "skin/attach/skinned_window.h"
#include "skin/core/skin_data.h"
#include "skin/render/bar_paint.h"
#include "skin/render/layout_rect_win32.h"
#include "skin/render/range_paint.h"

namespace tebix {
namespace {

using ranges::Box;
using ranges::Mouse;

class Header : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;
  int hot = -1;  // display position of the hot column
  Mouse mouse = Mouse::kNormal;
  bool tracking = false;  // leave tracking armed
};

// The titles are read into a buffer of this many characters.
constexpr int kTitleLimit = 256;

// The columns in display order, in client coordinates.
std::vector<ranges::HeaderColumn> Columns(HWND window) {
  const int count = static_cast<int>(SendMessageW(window, HDM_GETITEMCOUNT, 0, 0));
  if (count <= 0) return {};
  std::vector<int> order(count);
  std::vector<Box> rects(count);
  for (int i = 0; i < count; ++i) {
    order[i] = static_cast<int>(SendMessageW(window, HDM_ORDERTOINDEX, i, 0));
    RECT r{};
    SendMessageW(window, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
    rects[i] = ToLayout(r);
  }
  return ranges::ColumnsInDisplayOrder(order, rects);
}

// What a column shows: its title, read wide or ANSI as the window is, its
// format and image.
struct ColumnContent {
  bars::BarText title;
  int format = 0;
  int image = -1;
  LPARAM data = 0;  // the owner's value, for an owner-drawn column
};

ColumnContent ReadColumn(HWND window, bool unicode, int index) {
  ColumnContent content;
  content.title.unicode = unicode;
  // Width, text, format, bitmap, image and the owner's value.
  constexpr UINT kMask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_BITMAP | HDI_IMAGE | HDI_LPARAM;
  if (unicode) {
    wchar_t text[kTitleLimit] = {};
    HDITEMW item{};
    item.mask = kMask;
    item.pszText = text;
    item.cchTextMax = kTitleLimit;
    if (!SendMessageW(window, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item))) return content;
    if (item.pszText != nullptr && item.pszText != LPSTR_TEXTCALLBACKW) {
      text[kTitleLimit - 1] = L'\0';
      content.title.wide = item.pszText == text ? text : L"";
    }
    content.format = item.fmt;
    content.image = item.iImage;
    content.data = item.lParam;
  } else {
    char text[kTitleLimit] = {};
    HDITEMA item{};
    item.mask = kMask;
    item.pszText = text;
    item.cchTextMax = kTitleLimit;
    if (!SendMessageA(window, HDM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) return content;
    if (item.pszText != nullptr && item.pszText != LPSTR_TEXTCALLBACKA) {
      text[kTitleLimit - 1] = '\0';
      content.title.narrow = item.pszText == text ? text : "";
    }
    content.format = item.fmt;
    content.image = item.iImage;
    content.data = item.lParam;
  }
  return content;
}

// The parent draws an owner-drawn column on the skin's face, as the control
// itself would ask it.
void AskOwnerToDraw(HWND window, HDC dc, int index, const Box& item, LPARAM data, bool pressed) {
  const HWND parent = GetParent(window);
  if (parent == nullptr) return;
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_HEADER;
  dis.CtlID = static_cast<UINT>(GetDlgCtrlID(window));
  dis.itemID = static_cast<UINT>(index);
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = pressed ? ODS_SELECTED : 0;
  dis.hwndItem = window;
  dis.hDC = dc;
  dis.rcItem = ToRect(item);
  dis.itemData = static_cast<ULONG_PTR>(data);
  SendMessageW(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void DrawColumns(Header& self, HDC dc, const ranges::WindowGeometry& geometry) {
  const HWND window = self.window();
  ranges::DrawRangePart(dc, Box{0, 0, geometry.width, geometry.height}, ranges::kHeaderPart);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(window, HDM_GETIMAGELIST, 0, 0));
  int image_width = 0, image_height = 0;
  if (images != nullptr && !ImageList_GetIconSize(images, &image_width, &image_height)) image_width = 0;

  const std::vector<ranges::HeaderColumn> columns = Columns(window);
  // From the last position to the first, as the control stacks them.
  for (int position = static_cast<int>(columns.size()) - 1; position >= 0; --position) {
    const ranges::HeaderColumn& column = columns[position];
    const Box item{column.rect.left + geometry.client_x, column.rect.top + geometry.client_y,
                   column.rect.right + geometry.client_x, column.rect.bottom + geometry.client_y};
    if (item.empty()) continue;
    const ranges::HeaderLook look = ranges::LookOfColumn(position, self.hot, self.mouse);
    ranges::DrawRangePart(dc, item, look.part);

    const ColumnContent content = ReadColumn(window, self.unicode(), column.index);
    if (content.format & HDF_OWNERDRAW) {
      const int saved = SaveDC(dc);
      IntersectClipRect(dc, item.left, item.top, item.right, item.bottom);
      AskOwnerToDraw(window, dc, column.index, item, content.data, look.part == ranges::kHeaderPressedPart);
      RestoreDC(dc, saved);
      continue;
    }
    const bool image = image_width > 0 && (content.format & HDF_IMAGE) && content.image >= 0;
    const ranges::HeaderItemLayout layout = ranges::LayOutColumn(item, image, image_width, image_height);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, item.left, item.top, item.right, item.bottom);
    if (layout.image) ImageList_Draw(images, content.image, dc, layout.image_x, layout.image_y, ILD_TRANSPARENT);
    if (!content.title.empty() && !layout.text.empty()) {
      SelectObject(dc, bars::TextFont(window, content.title));
      SetTextColor(dc, SkinColour(look.text_colour));
      SetBkMode(dc, TRANSPARENT);
      // Left-aligned whatever the column's own alignment.
      content.title.Draw(dc, layout.text, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    RestoreDC(dc, saved);
  }
}

void Paint(Header& self, HDC given) {
  ranges::PaintWholeWindow(self.window(), given, [&self](HDC dc, const ranges::WindowGeometry& geometry) {
    DrawColumns(self, dc, geometry);
  });
}

// The display position under the pointer at `lparam` (client coordinates).
int PositionUnder(HWND window, LPARAM lparam) {
  return ranges::PositionAt(Columns(window), GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
}

void SetHot(Header& self, int hot, Mouse mouse) {
  if (self.hot == hot && self.mouse == mouse) return;
  self.hot = hot;
  self.mouse = mouse;
  Paint(self, nullptr);
}

LRESULT HeaderProc(SkinnedWindow& base, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& self = static_cast<Header&>(base);
  const HWND window = self.window();
  switch (message) {
    case WM_PAINT:
      return ranges::OnPaintMessage(window, wparam, [&self](HDC dc) { Paint(self, dc); });
    case WM_PRINTCLIENT:
      Paint(self, reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      return 0;
    case WM_MOUSEMOVE:
      // The column under the pointer, found as the pointer moves: a
      // hover would need tracking armed again after every move. While the
      // button is down the pressed column stays as it is.
      if (self.mouse != Mouse::kPressed) SetHot(self, PositionUnder(window, lparam), Mouse::kHot);
      if (!self.tracking) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 1};
        self.tracking = TrackMouseEvent(&track) != FALSE;
      }
      return self.CallPrevious(message, wparam, lparam);
    case WM_MOUSELEAVE:
      self.tracking = false;
      SetHot(self, -1, Mouse::kNormal);
      return self.CallPrevious(message, wparam, lparam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetHot(self, PositionUnder(window, lparam), Mouse::kPressed);
      return self.CallPrevious(message, wparam, lparam);
    case WM_LBUTTONUP: {
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      // Columns may have moved or changed width: the hot one is found again.
      if (ObjectOf(window) == &self) SetHot(self, PositionUnder(window, lparam), Mouse::kHot);
      return result;
    }
    case WM_CAPTURECHANGED:
      if (self.mouse == Mouse::kPressed && reinterpret_cast<HWND>(lparam) != window) SetHot(self, -1, Mouse::kNormal);
      return self.CallPrevious(message, wparam, lparam);
    case WM_ENABLE: {
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      InvalidateRect(window, nullptr, FALSE);
      return result;
    }
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateHeader(HWND window) {
  return std::make_unique<Header>(window);
}

}  // namespace

const RendererEntry kHeaderRenderer = {RendererId::kHeader, &CreateHeader, &HeaderProc};

}  // namespace tebix
