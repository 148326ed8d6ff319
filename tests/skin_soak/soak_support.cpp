#include "tests/skin_soak/soak_support.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>

#include "tests/common/window_checks.h"
#include "tests/skin_library/library_support.h"
#include "tools/skin_gallery/pages.h"

namespace tebix::test {

bool IsStillMissing(RendererId id) {
  return std::find(std::begin(kStillMissing), std::end(kStillMissing), id) != std::end(kStillMissing);
}

RendererId VbToolbarOnThisSystem() {
  char path[MAX_PATH] = "";
  const UINT length = GetSystemDirectoryA(path, MAX_PATH);
  if (length == 0 || length + 14 >= MAX_PATH) return ResolveVbToolbar(false, 0);
  lstrcatA(path, "\\mscomctl.ocx");
  const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return ResolveVbToolbar(false, 0);
  LARGE_INTEGER size{};
  const bool sized = GetFileSizeEx(file, &size) != 0;
  CloseHandle(file);
  return ResolveVbToolbar(sized, sized ? static_cast<std::uint64_t>(size.QuadPart) : 0);
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

RendererId ChosenRenderer(HWND window) {
  const std::wstring wide = ClassOf(window);
  const std::string name(wide.begin(), wide.end());  // class names are ASCII
  const int entry = FindEntry(name);
  const RendererId id = EntryRenderer(entry, static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE)),
                                      static_cast<std::uint32_t>(GetWindowLongW(window, GWL_EXSTYLE)));
  return id == RendererId::kVbToolbar ? VbToolbarOnThisSystem() : id;
}

// --- Pages -----------------------------------------------------------------------------

HostedPage::HostedPage(const wchar_t* name) {
  gallery::RegisterStandInClasses(GetModuleHandleW(nullptr));
  host_ = CreateWindowExW(0, L"Static", L"page", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, gallery::kPageWidth,
                          gallery::kPageHeight, nullptr, nullptr, nullptr, nullptr);
  const gallery::Page* page = gallery::FindPage(name);
  if (page != nullptr) {
    panel_ = gallery::BuildPage(*page, host_, RECT{0, 0, gallery::kPageWidth, gallery::kPageHeight});
  }
  Pump();
  for (HWND w : Windows()) procs_[w] = ProcOf(w);
}

HostedPage::~HostedPage() {
  Close();
}

void HostedPage::Close() {
  if (panel_ != nullptr) gallery::ClosePage(panel_);
  if (host_ != nullptr && IsWindow(host_)) DestroyWindow(host_);
  panel_ = host_ = nullptr;
  Pump();
}

std::vector<HWND> HostedPage::Windows() const {
  return gallery::PageWindows(panel_);
}

void HostedPage::PaintAll() const {
  constexpr UINT kAll = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;
  RedrawWindow(host_, nullptr, nullptr, kAll);
  for (HWND w : Windows()) {
    if (IsWindow(w) && GetAncestor(w, GA_PARENT) == GetDesktopWindow()) RedrawWindow(w, nullptr, nullptr, kAll);
  }
  Pump();
}

void PumpFor(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  do {
    Pump();
    if (GetTickCount() >= end) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  } while (GetTickCount() < end);
}

// --- Menus opened by the input ------------------------------------------------------------

namespace {

int g_menusSeen = 0;
int g_menusSkinned = 0;
UINT_PTR g_menuTimer = 0;

BOOL CALLBACK NoteMenu(HWND window, LPARAM) {
  if (ClassOf(window) == L"#32768" && IsWindowVisible(window)) {
    ++g_menusSeen;
    g_menusSkinned += HasProperty(window, "Tebix");
    EndMenu();
  }
  return TRUE;
}

void CALLBACK CloseMenus(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), NoteMenu, 0);
}

}  // namespace

MenuCloser::MenuCloser() {
  g_menusSeen = g_menusSkinned = 0;
  g_menuTimer = SetTimer(nullptr, 0, 40, CloseMenus);
}

MenuCloser::~MenuCloser() {
  KillTimer(nullptr, g_menuTimer);
  g_menuTimer = 0;
}

int MenuCloser::menus_seen() const {
  return g_menusSeen;
}

int MenuCloser::menus_skinned() const {
  return g_menusSkinned;
}

// --- Input ------------------------------------------------------------------------------------

namespace {

bool Usable(HWND w) {
  return IsWindow(w) && IsWindowVisible(w);
}

bool IsTopLevel(HWND w) {
  return GetAncestor(w, GA_PARENT) == GetDesktopWindow();
}

// A point inside the client area: the centre, near the top-left corner or
// near the right edge (where drop buttons, arrows and thumbs sit).
POINT ClientPoint(HWND w, int round) {
  RECT r{};
  GetClientRect(w, &r);
  const int width = std::max(1L, r.right), height = std::max(1L, r.bottom);
  switch (round % 3) {
    case 0: return {width / 2, height / 2};
    case 1: return {std::min(4, width - 1), std::min(4, height - 1)};
    default: return {std::max(0, width - 6), height / 2};
  }
}

LPARAM Pack(POINT p) {
  return MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y));
}

void MoveOver(HWND w, POINT client) {
  POINT screen = client;
  ClientToScreen(w, &screen);
  SetCursorPos(screen.x, screen.y);
  SendMessageW(w, WM_MOUSEMOVE, 0, Pack(client));
}

// The frame's caption buttons light up under the cursor and go dark again.
void HoverCaption(HWND frame) {
  RECT r{};
  GetWindowRect(frame, &r);
  for (POINT p : {POINT{r.right - 12, r.top + 12}, POINT{r.right - 34, r.top + 12}, POINT{r.left + 40, r.top + 10}}) {
    const auto hit = static_cast<WPARAM>(SendMessageW(frame, WM_NCHITTEST, 0, Pack(p)));
    SetCursorPos(p.x, p.y);
    SendMessageW(frame, WM_NCMOUSEMOVE, hit, Pack(p));
  }
  SendMessageW(frame, WM_NCMOUSELEAVE, 0, 0);
}

constexpr WPARAM kKeys[] = {VK_DOWN, VK_RIGHT, VK_UP, VK_LEFT, VK_NEXT, VK_PRIOR, VK_HOME, VK_END, VK_TAB, VK_SPACE};

}  // namespace

void Hover(const std::vector<HWND>& windows) {
  for (HWND w : windows) {
    if (!Usable(w)) continue;
    MoveOver(w, ClientPoint(w, 0));
    MoveOver(w, ClientPoint(w, 2));
    Pump();
  }
  SetCursorPos(gallery::kPageWidth + 200, gallery::kPageHeight + 150);
  Pump();
}

void Exercise(const std::vector<HWND>& windows, int round) {
  int n = 0;
  for (HWND w : windows) {
    if (!Usable(w)) continue;
    ++n;
    if (IsTopLevel(w)) HoverCaption(w);
    const POINT p = ClientPoint(w, round + n);
    MoveOver(w, p);
    if (IsWindowEnabled(w)) {
      PostMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, Pack(p));
      PostMessageW(w, WM_LBUTTONUP, 0, Pack(p));
      if ((round + n) % 4 == 0) {  // a double click now and then
        PostMessageW(w, WM_LBUTTONDBLCLK, MK_LBUTTON, Pack(p));
        PostMessageW(w, WM_LBUTTONUP, 0, Pack(p));
      }
    }
    POINT screen = p;
    ClientToScreen(w, &screen);
    PostMessageW(w, WM_MOUSEWHEEL, MAKEWPARAM(0, (round + n) % 2 ? -WHEEL_DELTA : WHEEL_DELTA), Pack(screen));
    const WPARAM key = kKeys[(round + n) % std::size(kKeys)];
    PostMessageW(w, WM_KEYDOWN, key, 1);
    PostMessageW(w, WM_KEYUP, key, 0xC0000001);
    if ((round + n) % 5 == 0) PostMessageW(w, WM_CHAR, 'x', 1);
    Pump();
    MoveOver(w, ClientPoint(w, round + n + 1));
    Pump();
  }
  // Off every window: hover states end.
  SetCursorPos(gallery::kPageWidth + 200, gallery::kPageHeight + 150);
  PumpFor(30);
}

// --- Checks ------------------------------------------------------------------------------

namespace {

BOOL CALLBACK Collect(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

bool InModule(const void* address, HMODULE module) {
  if (module == nullptr || address == nullptr) return false;
  const auto* base = reinterpret_cast<const std::uint8_t*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const auto* p = static_cast<const std::uint8_t*>(address);
  return p >= base && p < base + nt->OptionalHeader.SizeOfImage;
}

}  // namespace

std::vector<HWND> ThreadWindows() {
  std::vector<HWND> top, all;
  EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&top));
  for (HWND w : top) {
    all.push_back(w);
    EnumChildWindows(w, Collect, reinterpret_cast<LPARAM>(&all));
  }
  return all;
}

std::string LeftSubclassed(const std::vector<HWND>& windows, HMODULE engine, const std::map<HWND, WNDPROC>& built) {
  std::string found;
  for (HWND w : windows) {
    if (!IsWindow(w)) continue;
    std::string why;
    for (const char* name : {"Tebix", "Tebix_OldProc", "Tebix_NewProc", "TEBIX_PAINT", "TEBIX_GETDC", "Scroll_Prop"}) {
      if (HasProperty(w, name)) why += std::string(" \"") + name + "\"";
    }
    const WNDPROC proc = ProcOf(w);
    if (InModule(reinterpret_cast<const void*>(proc), engine)) why += " the engine's procedure";
    const auto recorded = built.find(w);
    if (recorded != built.end() && recorded->second != proc) why += " a procedure not its own";
    if (!why.empty()) {
      const std::wstring cls = ClassOf(w);
      char line[160];
      std::snprintf(line, sizeof line, "%p %s:%s\n", static_cast<void*>(w), std::string(cls.begin(), cls.end()).c_str(),
                    why.c_str());
      found += line;
    }
  }
  return found;
}

Figures Measure() {
  Figures f;
  f.gdi = GdiObjectCount();
  f.user = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  f.windows = static_cast<int>(ThreadWindows().size());
  f.heap = HeapBytesInUse();
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof counters)) {
    f.private_ = counters.PrivateUsage;
  }
  if (f.private_ == 0) {
    // Where the system does not report it: the committed private pages of
    // the address space, region by region.
    MEMORY_BASIC_INFORMATION region{};
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
      if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) f.private_ += region.RegionSize;
      if (region.RegionSize == 0) break;
    }
  }
  return f;
}

}  // namespace tebix::test
