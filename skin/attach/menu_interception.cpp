#include "skin/attach/menu_interception.h"

#include <algorithm>
#include <vector>

#include "skin/attach/window_procs.h"
#include "skin/core/skin_data.h"

namespace tebix {
namespace {

struct SavedProc {
  HWND window;
  WNDPROC proc;
  bool unicode;
};

HHOOK g_hook = nullptr;
OwnerDrawnMenuHandler g_handler = nullptr;
std::vector<HWND> g_menus;      // popup menu windows alive on the skinned thread
std::vector<SavedProc> g_saved;  // windows carrying the one-shot procedure

bool IsMenuItemMessage(const CWPSTRUCT& sent) {
  // A popup being opened: what its owner changes in it still gets converted.
  if (sent.message == WM_INITMENUPOPUP) return sent.wParam != 0;
  if (sent.lParam == 0) return false;
  if (sent.message == WM_MEASUREITEM) {
    const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(sent.lParam);
    return item->CtlType == ODT_MENU && item->CtlID == 0;
  }
  if (sent.message == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(sent.lParam);
    return sent.wParam == 0 && item->CtlType == ODT_MENU;
  }
  return false;
}

LRESULT CALLBACK OneShotProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto it = std::find_if(g_saved.begin(), g_saved.end(), [window](const SavedProc& s) { return s.window == window; });
  if (it == g_saved.end()) {
    return CallProc(nullptr, IsWindowUnicode(window) != FALSE, window, message, wparam, lparam);
  }
  const SavedProc saved = *it;
  g_saved.erase(it);
  SetProc(window, saved.unicode, saved.proc);
  if ((message == WM_DRAWITEM || message == WM_MEASUREITEM || message == WM_INITMENUPOPUP) && g_handler != nullptr) {
    return g_handler(window, message, wparam, lparam, saved.proc, saved.unicode);
  }
  return CallProc(saved.proc, saved.unicode, window, message, wparam, lparam);
}

LRESULT CALLBACK SentMessageProc(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HC_ACTION && SkinLoaded()) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (sent != nullptr && IsMenuItemMessage(*sent)) {
      const HWND window = sent->hwnd;
      const bool unicode = IsWindowUnicode(window) != FALSE;
      const WNDPROC proc = CurrentProc(window, unicode);
      const bool swapped = std::any_of(g_saved.begin(), g_saved.end(), [window](const SavedProc& s) { return s.window == window; });
      if (proc != nullptr && proc != &OneShotProc && !swapped) {
        g_saved.push_back({window, proc, unicode});
        SetProc(window, unicode, &OneShotProc);
      }
    }
  }
  return CallNextHookEx(g_hook, code, wparam, lparam);
}

}  // namespace

void SetOwnerDrawnMenuHandler(OwnerDrawnMenuHandler handler) {
  g_handler = handler;
}

void MenuWindowCreated(HWND window) {
  if (std::find(g_menus.begin(), g_menus.end(), window) == g_menus.end()) g_menus.push_back(window);
  if (g_hook == nullptr) g_hook = SetWindowsHookExW(WH_CALLWNDPROC, &SentMessageProc, nullptr, GetCurrentThreadId());
}

void MenuWindowDestroyed(HWND window) {
  const auto it = std::find(g_menus.begin(), g_menus.end(), window);
  if (it == g_menus.end()) return;
  g_menus.erase(it);
  if (g_menus.empty() && g_hook != nullptr) {
    UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
  }
}

void StopMenuInterception() {
  if (g_hook != nullptr) UnhookWindowsHookEx(g_hook);
  g_hook = nullptr;
  g_menus.clear();
  g_menus.shrink_to_fit();
  for (const SavedProc& s : g_saved) {
    if (IsWindow(s.window)) SetProc(s.window, s.unicode, s.proc);
  }
  g_saved.clear();
  g_saved.shrink_to_fit();
}

bool MenuHookInstalled() {
  return g_hook != nullptr;
}

}  // namespace tebix
