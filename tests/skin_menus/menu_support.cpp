#include "tests/skin_menus/menu_support.h"

#include <string>

#include "skin/core/draw_skin_part.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"

namespace tebix::test {
namespace {

constexpr char kFormClass[] = "ThunderRT6FormDC";
constexpr UINT_PTR kSafetyTimer = 0x5AFE;  // closes a menu a test forgot
constexpr UINT_PTR kStepTimer = 0x5EED;

std::function<void(HWND)> g_inspect;
std::vector<MenuStep> g_steps;
std::size_t g_next_step = 0;

void DrawAppItem(const DRAWITEMSTRUCT& item) {
  Log().app_item_dcs.push_back(item.hDC);
  const RECT r = item.rcItem;
  HBRUSH white = CreateSolidBrush(kAppItemBackground);
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  FillRect(item.hDC, &r, white);
  const RECT b{r.left + 2, r.top + 2, r.left + 12, r.bottom - 2};
  const RECT k{r.left + 20, r.top + 2, r.left + 30, r.bottom - 2};
  FillRect(item.hDC, &b, blue);
  FillRect(item.hDC, &k, red);
  DeleteObject(white);
  DeleteObject(blue);
  DeleteObject(red);
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      Log().commands.push_back(LOWORD(wparam));
      return 0;
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
      if (item->CtlType == ODT_MENU && item->itemData == kAppItemData) {
        item->itemWidth = kAppItemWidth;
        item->itemHeight = kAppItemHeight;
        return TRUE;
      }
      break;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item->CtlType == ODT_MENU && item->itemData == kAppItemData) {
        DrawAppItem(*item);
        return TRUE;
      }
      break;
    }
    case WM_ENTERIDLE:
      if (wparam == MSGF_MENU) {
        if (HWND popup = OpenPopup()) {
          RECT r{};
          GetWindowRect(popup, &r);
          Log().drop_downs.push_back(r);
        }
        if (g_inspect) {
          auto inspect = std::move(g_inspect);
          g_inspect = nullptr;
          HWND popup = OpenPopup();
          if (popup != nullptr) {
            RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
            inspect(popup);
          }
          EndMenu();
        } else if (g_next_step >= g_steps.size()) {
          EndMenu();
        }
      }
      return 0;
    case WM_TIMER:
      if (wparam == kSafetyTimer) {
        KillTimer(window, kSafetyTimer);
        g_steps.clear();
        EndMenu();
        return 0;
      }
      if (wparam == kStepTimer) {
        if (g_next_step < g_steps.size()) {
          const MenuStep step = g_steps[g_next_step++];
          step(window);
        }
        if (g_next_step >= g_steps.size()) {
          KillTimer(window, kStepTimer);
          EndMenu();
        }
        return 0;
      }
      break;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

BOOL CALLBACK FindPopup(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) == "#32768" && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

FormLog& Log() {
  static FormLog log;
  return log;
}

COLORREF Capture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
  const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

namespace {
Capture CaptureDc(HDC source, int width, int height) {
  Capture c;
  c.width = width;
  c.height = height;
  if (width <= 0 || height <= 0) return c;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(source);
  const HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* p = static_cast<const std::uint32_t*>(bits);
  c.pixels.assign(p, p + static_cast<std::size_t>(width) * height);
  for (auto& px : c.pixels) px &= 0xFFFFFF;
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  return c;
}
}  // namespace

Capture CaptureWindow(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  HDC dc = GetWindowDC(window);
  Capture c = CaptureDc(dc, r.right - r.left, r.bottom - r.top);
  ReleaseDC(window, dc);
  return c;
}

COLORREF PartPixel(int part, int width, int height, int x, int y) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  DrawSkinPart(memory, {0, 0, width, height}, CurrentSkinData()->parts[part], SkinBitmapDc());
  const Capture c = CaptureDc(memory, width, height);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return c.At(x, y);
}

void MenuTest::SetUp() {
  EngineTest::SetUp();
  WNDCLASSA wc{};
  if (!GetClassInfoA(GetModuleHandleA(nullptr), kFormClass, &wc)) {
    wc.lpfnWndProc = FormProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kFormClass;
    RegisterClassA(&wc);
  }
  Log() = {};
}

HWND MenuTest::Form(int width, int height, HMENU bar) {
  HWND w = CreateWindowExA(0, kFormClass, "menus", WS_OVERLAPPEDWINDOW, 60, 60, width, height, nullptr, bar,
                           GetModuleHandleA(nullptr), nullptr);
  if (w == nullptr) return nullptr;
  owned_.push_back(w);
  ShowWindow(w, SW_SHOW);
  SetForegroundWindow(w);
  UpdateWindow(w);
  Pump();
  RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  Pump();
  return w;
}

void MenuTest::TearDown() {
  for (HWND w : owned_) {
    if (IsWindow(w)) DestroyWindow(w);
  }
  owned_.clear();
  g_inspect = nullptr;
  g_steps.clear();
  EngineTest::TearDown();
}

void MenuTest::OpenMenu(HWND owner, HMENU menu, const std::function<void(HWND popup)>& inspect, int x, int y) {
  g_inspect = inspect;
  SetForegroundWindow(owner);
  SetTimer(owner, kSafetyTimer, 4000, nullptr);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, x, y, 0, owner, nullptr);
  KillTimer(owner, kSafetyTimer);
  g_inspect = nullptr;
  Pump();
}

void MenuTest::RunSteps(HWND owner, std::vector<MenuStep> steps, UINT interval) {
  g_steps = std::move(steps);
  g_next_step = 0;
  SetTimer(owner, kStepTimer, interval, nullptr);
  SetTimer(owner, kSafetyTimer, 4000 + interval * static_cast<UINT>(g_steps.size()), nullptr);
}

void InspectNextMenu(std::function<void(HWND popup)> inspect) {
  g_inspect = std::move(inspect);
}

FrameWindow* FrameOf(HWND window) {
  return dynamic_cast<FrameWindow*>(ObjectOf(window));
}

HWND OpenPopup() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindPopup, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace tebix::test
