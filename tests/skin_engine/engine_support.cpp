#include "tests/skin_engine/engine_support.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "skin/core/engine.h"
#include "skin/core/exports.h"
#include "skin/core/skin_data.h"
#include "skin/render/renderers.h"

namespace tebix::test {
namespace {

std::array<RendererEntry, static_cast<std::size_t>(RendererId::kCount)> g_table{};

void InstallTable() {
  std::vector<RendererEntry> entries;
  for (const RendererEntry& e : g_table)
    if (e.create != nullptr) entries.push_back(e);
  SetRenderers(entries);
}

void ResetTable() {
  g_table = {};
  for (const RendererEntry& e : AllRenderers()) g_table[static_cast<std::size_t>(e.id)] = e;
  InstallTable();
}

}  // namespace

ProbeLog& Probes() {
  static ProbeLog log;
  return log;
}

Probe::Probe(HWND window) : SkinnedWindow(window) {
  Probes().alive++;
}

Probe::~Probe() {
  Probes().alive--;
  Probes().deleted++;
}

LRESULT ProbeProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  Probes().messages[self.window()].push_back(message);
  if (message == WM_CREATE || message == 0x6A30) self.MarkAttached();
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateProbe(HWND window) {
  return std::make_unique<Probe>(window);
}

void UseProbesFor(std::initializer_list<RendererId> ids) {
  for (RendererId id : ids) g_table[static_cast<std::size_t>(id)] = {id, &CreateProbe, &ProbeProc};
  InstallTable();
}

void LeaveOut(std::initializer_list<RendererId> ids) {
  for (RendererId id : ids) g_table[static_cast<std::size_t>(id)] = {};
  InstallTable();
}

void EngineTest::SetUp() {
  static const bool started = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES |
                                                       ICC_HOTKEY_CLASS | ICC_ANIMATE_CLASS};
    InitCommonControlsEx(&controls);
    StartEngine(GetModuleHandleW(nullptr));
    return true;
  }();
  (void)started;
  ASSERT_TRUE(EngineRunning());
  ResetTable();
  Probes().Clear();
  Tebix_Attach();
  ASSERT_TRUE(SkinLoaded()) << "tebix.tbx beside the test";
}

void EngineTest::TearDown() {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    if (IsWindow(*it)) DestroyWindow(*it);
  }
  if (parent_ != nullptr && IsWindow(parent_)) DestroyWindow(parent_);
  Pump();
  Tebix_Detach();
  ResetTable();
  EXPECT_EQ(Probes().alive, 0) << "probe objects left behind";
}

HWND EngineTest::Parent() {
  if (parent_ == nullptr) {
    RegisterPlainClass(L"EngineTestParent");
    parent_ = CreateWindowExW(0, L"EngineTestParent", L"engine test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 420,
                              300, nullptr, nullptr, nullptr, nullptr);
  }
  return parent_;
}

HWND EngineTest::Make(const wchar_t* class_name, DWORD style, DWORD ex_style, HWND parent, int width, int height,
                      const wchar_t* text) {
  if (parent == nullptr && (style & WS_CHILD)) parent = Parent();
  const int n = static_cast<int>(windows_.size());
  HWND window = CreateWindowExW(ex_style, class_name, text, style, 10 + (n % 3) * 130, 10 + (n / 3 % 5) * 50, width,
                                height, parent, nullptr, nullptr, nullptr);
  if (window != nullptr) windows_.push_back(window);
  return window;
}

HWND EngineTest::MakeAnsi(const char* class_name, DWORD style, DWORD ex_style, HWND parent) {
  if (parent == nullptr && (style & WS_CHILD)) parent = Parent();
  HWND window = CreateWindowExA(ex_style, class_name, "", style, 10, 10, 120, 40, parent, nullptr, nullptr, nullptr);
  if (window != nullptr) windows_.push_back(window);
  return window;
}


void RegisterPlainClass(const wchar_t* name, WNDPROC proc) {
  WNDCLASSW wc{};
  if (GetClassInfoW(GetModuleHandleW(nullptr), name, &wc)) return;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  RegisterClassW(&wc);
}

void RegisterPlainClassA(const char* name) {
  WNDCLASSA wc{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &wc)) return;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

void RegisterSuperclassA(const char* name, const char* base) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExA(GetModuleHandleA(nullptr), name, &wc)) return;
  GetClassInfoExA(nullptr, base, &wc);
  wc.cbSize = sizeof wc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = name;
  RegisterClassExA(&wc);
}

COLORREF WindowPixel(HWND window, int x, int y) {
  HDC dc = GetWindowDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

std::vector<DRAWITEMSTRUCT>& DrawRequests() {
  static std::vector<DRAWITEMSTRUCT> requests;
  return requests;
}

LRESULT CALLBACK RedFillingOwnerProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DRAWITEM) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
    DrawRequests().push_back(item);
    const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(item.hDC, &item.rcItem, red);
    DeleteObject(red);
    return TRUE;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace tebix::test
