// The one-shot owner-drawn menu interception, held only while a popup menu
// is open.
#include <windows.h>

#include <vector>

#include "skin/attach/menu_interception.h"
#include "tests/skin_engine/engine_support.h"

namespace tebix::test {
namespace {

struct HandlerCall {
  HWND window;
  UINT message;
  WNDPROC saved;
  WNDPROC current;  // the window's procedure while the handler runs
};
std::vector<HandlerCall> g_calls;
int g_owner_measured = 0;  // owner-drawn messages that reached the owner itself

LRESULT Handler(HWND window, UINT message, WPARAM wparam, LPARAM lparam, WNDPROC saved, bool unicode) {
  g_calls.push_back({window, message, saved, ProcOf(window)});
  return unicode ? CallWindowProcW(saved, window, message, wparam, lparam)
                 : CallWindowProcA(saved, window, message, wparam, lparam);
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
      item->itemWidth = 80;
      item->itemHeight = 20;
      ++g_owner_measured;
      return TRUE;
    }
    case WM_DRAWITEM:
      return TRUE;
    case WM_ENTERIDLE:
      if (wparam == MSGF_MENU) {
        // The popup is open and painted: the hook must be in now.
        g_calls.push_back({nullptr, MenuHookInstalled() ? 1u : 0u, nullptr, nullptr});
        EndMenu();
      }
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

TEST_F(EngineTest, OwnerDrawnMenuMessagesReachTheHandlerOnceThroughTheOwner) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = OwnerProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"MenuOwnerTest";
  RegisterClassW(&wc);
  HWND owner = Make(L"MenuOwnerTest", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, 300, 200);
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_OWNERDRAW, 1, reinterpret_cast<LPCWSTR>(1));
  AppendMenuW(menu, MF_STRING, 2, L"plain");
  g_calls.clear();
  g_owner_measured = 0;
  SetOwnerDrawnMenuHandler(&Handler);
  EXPECT_FALSE(MenuHookInstalled()) << "no popup, no hook";

  SetForegroundWindow(owner);
  TrackPopupMenu(menu, TPM_RETURNCMD, 60, 60, 0, owner, nullptr);
  SetOwnerDrawnMenuHandler(nullptr);
  DestroyMenu(menu);
  Pump();

  bool measured = false, drawn = false, hooked_while_open = false;
  for (const HandlerCall& call : g_calls) {
    if (call.window == nullptr) {
      hooked_while_open = call.message == 1;
      continue;
    }
    EXPECT_EQ(call.window, owner);
    EXPECT_EQ(call.saved, &OwnerProc) << "the owner's own procedure is handed over";
    EXPECT_EQ(call.current, &OwnerProc) << "and already back in place";
    measured |= call.message == WM_MEASUREITEM;
    drawn |= call.message == WM_DRAWITEM;
  }
  EXPECT_TRUE(hooked_while_open);
  EXPECT_TRUE(measured);
  EXPECT_TRUE(drawn);
  EXPECT_GE(g_owner_measured, 1) << "the handler passed the item on";
  EXPECT_FALSE(MenuHookInstalled()) << "the hook goes with the last popup";
  EXPECT_EQ(ProcOf(owner), &OwnerProc);
}

}  // namespace
}  // namespace tebix::test
