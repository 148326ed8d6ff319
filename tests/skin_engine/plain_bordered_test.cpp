// The plain bordered control draws the skin's client edge in the colours of
// its state, and leaves its own client area alone.
#include <windows.h>

#include <commctrl.h>

#include "skin/core/skin_data.h"
#include "tests/skin_engine/engine_support.h"

namespace tebix::test {
namespace {

struct Look {
  const wchar_t* name;
  DWORD ex_style;
  DWORD style;
  int line;  // skin colour of the outer line; -1: white strips
  int fill;  // skin colour between line and client
};

TEST_F(EngineTest, PlainBorderedControlsDrawTheClientEdgeByState) {
  const Look looks[] = {
      {L"normal", WS_EX_CLIENTEDGE, 0, 15, 16},
      {L"disabled", WS_EX_CLIENTEDGE, WS_DISABLED, 21, 22},
      {L"bordered", 0, WS_BORDER, 15, 16},
      {L"no edge style", 0, WS_VSCROLL, -1, -1},
  };
  for (const wchar_t* cls : {L"msctls_hotkey32", L"SysIPAddress32"}) {
    for (const Look& look : looks) {
      // The address control takes WS_BORDER off itself and draws its own edge.
      if (look.style == WS_BORDER && cls[0] == L'S') continue;
      HWND w = Make(cls, WS_CHILD | WS_VISIBLE | look.style, look.ex_style, nullptr, 140, 30);
      ASSERT_NE(ObjectOf(w), nullptr) << cls;
      RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
      RECT r{}, client{};
      GetWindowRect(w, &r);
      GetClientRect(w, &client);
      POINT origin{0, 0};
      ClientToScreen(w, &origin);
      const int ring = origin.x - r.left;  // width of the non-client ring
      const int mid = (r.bottom - r.top) / 2;
      if (look.line < 0) {  // the strip where a system scroll bar would be
        EXPECT_EQ(WindowPixel(w, r.right - r.left - 2, mid), RGB(255, 255, 255)) << cls << " " << look.name;
        continue;
      }
      ASSERT_GE(ring, 1) << cls << " " << look.name;
      EXPECT_EQ(WindowPixel(w, 0, mid), SkinColour(look.line)) << cls << " " << look.name;
      EXPECT_EQ(WindowPixel(w, r.right - r.left - 1, mid), SkinColour(look.line)) << cls << " " << look.name;
      if (ring >= 2) {
        EXPECT_EQ(WindowPixel(w, 1, mid), SkinColour(look.fill)) << cls << " " << look.name;
      }
    }
  }
}

TEST_F(EngineTest, PlainBorderedControlShowsFocusAndLosesItsLookWhenLetGo) {
  HWND w = Make(L"msctls_hotkey32", WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE, nullptr, 140, 30);
  SetFocus(w);
  RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(WindowPixel(w, 0, 10), SkinColour(19));
  EXPECT_EQ(WindowPixel(w, 1, 10), SkinColour(20));
  DetachObject(w);
  RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_NE(WindowPixel(w, 0, 10), SkinColour(19)) << "the system's own edge again";
}

}  // namespace
}  // namespace tebix::test
