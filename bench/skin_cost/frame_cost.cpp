#include "bench/skin_cost/frame_cost.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "bench/skin_cost/control_window.h"

namespace vdk::bench {
namespace {

using Clock = std::chrono::steady_clock;

// A form class the skin library frames; its own procedure is the default one.
constexpr wchar_t kFormClass[] = L"ThunderRT6FormDC";

// What a procedure above the skin's sees of its frame: how long each
// outermost WM_NCPAINT takes, and the region rebuilds, which the library
// marks with the "SetWindowRgn" property around its SetWindowRgn.
struct Spy {
  WNDPROC next = nullptr;
  int depth = 0;
  int rebuilds = 0;
  std::vector<double> paints;          // ms, outermost WM_NCPAINT without a rebuild
  std::vector<double> rebuildPaints;   // ms, outermost WM_NCPAINT with a rebuild
};
Spy g_spy;

LRESULT CALLBACK SpyProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_WINDOWPOSCHANGING && GetPropA(window, "SetWindowRgn") != nullptr) ++g_spy.rebuilds;
  if (message != WM_NCPAINT || g_spy.depth > 0) return CallWindowProcW(g_spy.next, window, message, wparam, lparam);
  ++g_spy.depth;
  const int rebuildsBefore = g_spy.rebuilds;
  const Clock::time_point start = Clock::now();
  const LRESULT result = CallWindowProcW(g_spy.next, window, message, wparam, lparam);
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  (g_spy.rebuilds != rebuildsBefore ? g_spy.rebuildPaints : g_spy.paints).push_back(ms);
  --g_spy.depth;
  return result;
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void RegisterForm() {
  WNDCLASSW wc{};
  if (GetClassInfoW(GetModuleHandleW(nullptr), kFormClass, &wc)) return;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kFormClass;
  RegisterClassW(&wc);
}

void RepaintFrame(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

}  // namespace

FrameCost MeasureFrameCost(int width, int height, int count) {
  FrameCost cost;
  RegisterForm();
  const HWND window = CreateWindowExW(0, kFormClass, L"Frame cost", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, width,
                                      height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) return cost;
  PumpUntilIdle();
  cost.framed = GetPropA(window, "Tebix_WndSz") != nullptr;
  // The skin compensates the size for its frame: the measured window is set
  // to the size asked for.
  SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
  PumpUntilIdle();
  RECT r{};
  GetWindowRect(window, &r);
  cost.width = r.right - r.left;
  cost.height = r.bottom - r.top;

  g_spy = {};
  g_spy.next = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SpyProc)));
  // Nothing pending: the frame is drawn, no region is made.
  for (int i = 0; i < count; ++i) RepaintFrame(window);
  PumpUntilIdle();
  cost.repaints = static_cast<int>(g_spy.paints.size());
  cost.rebuildsDuringRepaints = g_spy.rebuilds;
  cost.repaint = Median(g_spy.paints);
  // A foreign region each time: the next frame paint makes the skin's again.
  for (int i = 0; i < count; ++i) {
    SetWindowRgn(window, nullptr, FALSE);
    RepaintFrame(window);
    PumpUntilIdle();
  }
  cost.rebuilds = static_cast<int>(g_spy.rebuildPaints.size());
  cost.rebuild = Median(g_spy.rebuildPaints);
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_spy.next));
  DestroyWindow(window);
  PumpUntilIdle();
  return cost;
}

}  // namespace vdk::bench
