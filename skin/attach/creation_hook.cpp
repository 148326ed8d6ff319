#include "skin/attach/creation_hook.h"

#include <array>
#include <vector>

#include "skin/attach/engine_messages.h"
#include "skin/attach/menu_interception.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/skin_data.h"

namespace tebix {
namespace {

HHOOK g_hook = nullptr;
DWORD g_thread = 0;
HWND g_probed = nullptr;  // the watched window the engine is sending its probe
std::array<RendererEntry, static_cast<std::size_t>(RendererId::kCount)> g_renderers{};

constexpr UINT kCreation = WM_NULL;  // the hook's "message" for a window being created

// The system's control library decides what the VB6 toolbar becomes.
RendererId VbToolbarRenderer() {
  char path[MAX_PATH + 16] = {};
  const UINT length = GetSystemDirectoryA(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return ResolveVbToolbar(false, 0);
  lstrcatA(path, "\\mscomctl.ocx");
  const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return ResolveVbToolbar(false, 0);
  LARGE_INTEGER size{};
  const bool sized = GetFileSizeEx(file, &size) != FALSE;
  CloseHandle(file);
  return ResolveVbToolbar(sized, sized ? static_cast<std::uint64_t>(size.QuadPart) : 0);
}

bool HasCreator(RendererId id) {
  if (id == RendererId::kVbToolbar) return HasCreator(RendererId::kToolbar) || HasCreator(RendererId::kGeneric);
  const RendererEntry* entry = FindRenderer(id);
  return entry != nullptr && entry->create != nullptr;
}

// Whether a window of this entry that is not attached now may be later: on
// its first paint, or after its styles change.
bool MayAttachLater(int entry) {
  const auto renderers = EntryRenderers(entry);
  if (renderers.empty()) return false;
  const bool depends_on_styles = renderers.size() > 1;
  if (!IsDeferredEntry(entry) && !depends_on_styles) return false;
  for (RendererId id : renderers) {
    if (HasCreator(id)) return true;
  }
  return false;
}

void Attach(HWND window, RendererId renderer, int entry) {
  if (renderer == RendererId::kVbToolbar) renderer = VbToolbarRenderer();
  const RendererEntry* found = FindRenderer(renderer);
  if (found != nullptr && found->create != nullptr) {
    if (auto object = found->create(window)) {
      if (AttachObject(std::move(object), found->procedure)) return;
    }
    return;
  }
  // No renderer for this row yet: the window stays unmarked.
  if (MayAttachLater(entry)) WatchWindow(window, entry);
}

// What the hook does with a window it has not attached or marked.
void Handle(HWND window, int entry, std::uint32_t style, std::uint32_t ex_style, UINT message) {
  const DispatchDecision d = Decide(entry, style, ex_style, message);
  switch (d.action) {
    case DispatchAction::kMarkNoHook:
      StopWatching(window);
      MarkNoHook(window);
      return;
    case DispatchAction::kAttach:
      Attach(window, d.renderer, entry);
      return;
    case DispatchAction::kSendProbe:
      WatchWindow(window, entry);  // so that the probe comes back to the engine
      SendMessageW(window, kAttachMessage, 0, 0);
      return;
    case DispatchAction::kPass:
      if (MayAttachLater(entry)) WatchWindow(window, entry);
      return;
  }
}

int EntryOf(HWND window) {
  if (const WindowRecord* record = FindRecord(window); record != nullptr && record->state == ChainState::kWatching) {
    return record->entry;
  }
  char name[65] = {};
  GetClassNameA(window, name, sizeof name);
  return FindEntry(name);
}

std::uint32_t StyleOf(HWND window, int index) {
  return static_cast<std::uint32_t>(GetWindowLongW(window, index));
}

// A watched window's message: attach when it now qualifies.
void OnWatchedMessage(HWND window, int entry, UINT message) {
  if (!SkinLoaded()) return;
  const DispatchDecision d = Decide(entry, StyleOf(window, GWL_STYLE), StyleOf(window, GWL_EXSTYLE), message);
  if (d.action == DispatchAction::kPass) return;
  // Styles that pick a renderer that does not exist yet: keep watching, and
  // ask the window server nothing on this message.
  if (d.action == DispatchAction::kAttach && !HasCreator(d.renderer)) return;
  // The host may have excluded it since; the probe sent just below comes
  // back here and need not ask again.
  if (window != g_probed && HasNoHook(window)) {
    StopWatching(window);
    return;
  }
  if (d.action == DispatchAction::kSendProbe) {
    const HWND outer = g_probed;
    g_probed = window;
    SendMessageW(window, kAttachMessage, 0, 0);
    g_probed = outer;
  } else if (d.action == DispatchAction::kAttach) {
    Attach(window, d.renderer, entry);
  }
}

void OnCreate(HWND window, const CREATESTRUCTW& create) {
  char name[65] = {};
  GetClassNameA(window, name, sizeof name);
  const int entry = FindEntry(name);
  if (RowNumber(entry) == 2) MenuWindowCreated(window);
  if (!SkinLoaded()) return;
  SetWindowBeingCreated(window);
  Handle(window, entry, static_cast<std::uint32_t>(create.style), create.dwExStyle, kCreation);
  SetWindowBeingCreated(nullptr);
}

// A window the engine's procedure is not on gets no WM_NCDESTROY from it:
// its record goes when the window does.
void EraseUnchainedRecord(HWND window) {
  if (WindowRecord* record = FindRecord(window); record != nullptr && record->state == ChainState::kNone) {
    EraseRecord(window);
  }
}

BOOL CALLBACK EraseUnchainedChild(HWND window, LPARAM) {
  EraseUnchainedRecord(window);
  return TRUE;
}

void OnDestroy(HWND window) {
  MenuWindowDestroyed(window);
  EraseUnchainedRecord(window);
  // The hook hears only of the window destroyed itself, not of the children
  // that go with it: without this, the record of every marked child (a
  // static text, a class no row lists) would stay for the process's life.
  if (RecordCount() != 0) EnumChildWindows(window, &EraseUnchainedChild, 0);
}

LRESULT CALLBACK CbtProc(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND) {
    const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lparam);
    if (create != nullptr && create->lpcs != nullptr) OnCreate(reinterpret_cast<HWND>(wparam), *create->lpcs);
  } else if (code == HCBT_DESTROYWND) {
    OnDestroy(reinterpret_cast<HWND>(wparam));
  }
  return CallNextHookEx(g_hook, code, wparam, lparam);
}

BOOL CALLBACK ProbeChild(HWND window, LPARAM) {
  ProbeWindow(window, false);
  return TRUE;
}

BOOL CALLBACK ProbeTopLevel(HWND window, LPARAM) {
  ProbeWindow(window, true);
  return TRUE;
}

BOOL CALLBACK DispatchChild(HWND window, LPARAM) {
  DispatchWindow(window, WM_NULL);
  return TRUE;
}

BOOL CALLBACK DispatchTopLevel(HWND window, LPARAM) {
  DispatchWindow(window, WM_NULL);
  EnumChildWindows(window, &DispatchChild, 0);
  return TRUE;
}

}  // namespace

void SetRenderers(std::span<const RendererEntry> renderers) {
  g_renderers = {};
  for (const RendererEntry& entry : renderers) {
    const auto i = static_cast<std::size_t>(entry.id);
    if (i < g_renderers.size()) g_renderers[i] = entry;
  }
}

const RendererEntry* FindRenderer(RendererId id) {
  const auto i = static_cast<std::size_t>(id);
  if (i >= g_renderers.size() || g_renderers[i].create == nullptr) return nullptr;
  return &g_renderers[i];
}

bool InstallCreationHook() {
  if (g_hook != nullptr) return true;
  g_thread = GetCurrentThreadId();
  g_hook = SetWindowsHookExW(WH_CBT, &CbtProc, nullptr, g_thread);
  SetWatcher(&OnWatchedMessage);
  return g_hook != nullptr;
}

void RemoveCreationHook() {
  StopMenuInterception();
  if (g_hook != nullptr) UnhookWindowsHookEx(g_hook);
  g_hook = nullptr;
  SetWatcher(nullptr);
}

bool CreationHookInstalled() {
  return g_hook != nullptr;
}

DWORD SkinnedThread() {
  return g_thread;
}

bool IsSkinnedThreadWindow(HWND window) {
  return window != nullptr && GetWindowThreadProcessId(window, nullptr) == g_thread;
}

void DispatchWindow(HWND window, UINT message) {
  if (!SkinLoaded() || !IsSkinnedThreadWindow(window)) return;
  if (const WindowRecord* record = FindRecord(window);
      record != nullptr && (record->state == ChainState::kActive || record->no_hook)) {
    return;
  }
  if (HasNoHook(window)) return;
  Handle(window, EntryOf(window), StyleOf(window, GWL_STYLE), StyleOf(window, GWL_EXSTYLE), message);
}

void RepaintWithFrame(HWND window) {
  if (!IsWindowVisible(window)) return;
  SetWindowPos(window, nullptr, 0, 0, 0, 0, kFrameChangedRepaint);
  InvalidateRect(window, nullptr, TRUE);
}

void ProbeWindow(HWND window, bool children) {
  if (!IsSkinnedThreadWindow(window)) return;
  if (ObjectOf(window) == nullptr) {
    DispatchWindow(window, kAttachMessage);
    SendMessageW(window, kAttachMessage, 0, 0);
  }
  RepaintWithFrame(window);
  if (children) EnumChildWindows(window, &ProbeChild, 0);
}

void DispatchAllWindows() {
  if (g_hook == nullptr || !SkinLoaded()) return;
  EnumThreadWindows(g_thread, &DispatchTopLevel, 0);
}

void AttachAllWindows() {
  if (g_hook == nullptr || !SkinLoaded()) return;
  EnumThreadWindows(g_thread, &ProbeTopLevel, kAttachMessage);
}

}  // namespace tebix
