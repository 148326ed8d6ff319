// Controls that paint themselves, under the skin: the tabbed dialog and the
// picture boxes show the skin background where they painted the button
// face, and the tabbed dialog's paints while it switches tabs are thrown
// away and made up for once the switch returns.
#include <windows.h>

#include <string>
#include <vector>

#include "skin/core/skin_data.h"
#include "tests/skin_buttons/button_pixels.h"
#include "tests/skin_engine/engine_support.h"

namespace tebix::test {
namespace {

constexpr int kWidth = 160, kHeight = 90;
constexpr UINT kSwitchTabs = 0x52C;
// What the stand-in paints besides its button-face background.
constexpr RECT kMark{10, 10, 40, 30};
constexpr COLORREF kMarkColour = RGB(200, 30, 30);

// What a self-painting stand-in saw.
struct Seen {
  int paints = 0;
  int paints_without_dc = 0;
  int paints_during_switch = 0;
  bool property_during_switch = false;
  bool update_pending_after_switch = false;
};
Seen g_seen;

// The control paints through BeginPaint: button face, a red mark.
void PaintSelf(HWND window, bool wide) {
  PAINTSTRUCT ps{};
  const HDC dc = BeginPaint(window, &ps);
  ++g_seen.paints;
  if (dc == nullptr) {
    ++g_seen.paints_without_dc;
  } else {
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    HBRUSH mark = CreateSolidBrush(kMarkColour);
    FillRect(dc, &kMark, mark);
    DeleteObject(mark);
  }
  EndPaint(window, &ps);
  (void)wide;
}

LRESULT CALLBACK TabbedDialogStandIn(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      PaintSelf(window, true);
      return 0;
    case kSwitchTabs: {
      // The control repaints itself at once while it switches.
      g_seen.property_during_switch = GetPropA(window, "SSTabNoPaint") != nullptr;
      const int before = g_seen.paints;
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      g_seen.paints_during_switch = g_seen.paints - before;
      return 42;
    }
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK PictureBoxStandIn(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    PaintSelf(window, false);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

void RegisterStandIns() {
  static const bool done = [] {
    WNDCLASSW wide{};
    wide.lpfnWndProc = TabbedDialogStandIn;
    wide.hInstance = GetModuleHandleW(nullptr);
    wide.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wide.lpszClassName = L"SSTabCtlWndClass";
    RegisterClassW(&wide);
    for (const char* name : {"ThunderRT6PictureBoxDC", "ThunderPictureBoxDC"}) {
      WNDCLASSA ansi{};
      ansi.lpfnWndProc = PictureBoxStandIn;
      ansi.hInstance = GetModuleHandleA(nullptr);
      ansi.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
      ansi.lpszClassName = name;
      RegisterClassA(&ansi);
    }
    return true;
  }();
  (void)done;
}

class PaintThroughTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    RegisterStandIns();
    g_seen = {};
  }
  HWND Control(const wchar_t* class_name, DWORD ex_style = 0) {
    HWND w = Make(class_name, WS_CHILD | WS_VISIBLE, ex_style, nullptr, kWidth, kHeight);
    if (w != nullptr) {
      SetWindowPos(w, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_FRAMECHANGED);
      Repaint(w);
    }
    return w;
  }
};

TEST_F(PaintThroughTest, ButtonFaceBecomesTheSkinBackgroundAndTheControlsOwnDrawingStays) {
  struct Case {
    const wchar_t* class_name;
    DWORD ex_style;
  } cases[] = {
      {L"SSTabCtlWndClass", 0},
      {L"ThunderRT6PictureBoxDC", WS_EX_CLIENTEDGE},
      {L"ThunderPictureBoxDC", 0},
  };
  const std::string skin_note = "the skin background must differ from the button face";
  for (const Case& c : cases) {
    const std::wstring wname = c.class_name;
    const std::string name(wname.begin(), wname.end());
    HWND w = Control(c.class_name, c.ex_style);
    ASSERT_NE(ObjectOf(w), nullptr) << name;
    RECT client{};
    GetClientRect(w, &client);
    const Pixels shown = CaptureClient(w);
    const Pixels background = Expected(client.right, client.bottom, [](HDC) {});
    RECT away{kMark.right + 2, 0, client.right, client.bottom};
    EXPECT_EQ(Differences(shown, background, away), 0) << name << ": not the skin background";
    EXPECT_EQ(shown.at(20, 20), kMarkColour) << name << ": the control's drawing lost";
    if (c.ex_style & WS_EX_CLIENTEDGE) {
      // The border is the skin's client edge, not the system's sunken edge.
      RECT outer{};
      GetWindowRect(w, &outer);
      EXPECT_NE(WindowPixel(w, 0, (outer.bottom - outer.top) / 2), GetSysColor(COLOR_BTNSHADOW)) << name;
    }
    DestroyWindow(w);
  }
}

TEST_F(PaintThroughTest, TabbedDialogThrowsAwayPaintsWhileSwitchingAndRepaintsAfter) {
  HWND w = Control(L"SSTabCtlWndClass");
  ASSERT_NE(ObjectOf(w), nullptr);
  EXPECT_EQ(GetPropA(w, "Tebix_Attached"), reinterpret_cast<HANDLE>(1));
  // Cover the control's own drawing, so that a paint that got through shows.
  HDC dc = GetDC(w);
  RECT client{};
  GetClientRect(w, &client);
  HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
  FillRect(dc, &client, black);
  DeleteObject(black);
  ReleaseDC(w, dc);
  g_seen = {};

  const LRESULT result = SendMessageW(w, kSwitchTabs, 1, 0);
  EXPECT_EQ(result, 42) << "the control's result";
  EXPECT_TRUE(g_seen.property_during_switch);
  EXPECT_EQ(g_seen.paints_during_switch, 1) << "the control did not try to paint";
  EXPECT_EQ(g_seen.paints_without_dc, 1) << "a paint during the switch got a DC";
  EXPECT_EQ(GetPropA(w, "SSTabNoPaint"), nullptr) << "left behind";
  // Nothing reached the screen during the switch...
  EXPECT_EQ(CaptureClient(w).at(100, 60), RGB(0, 0, 0));
  // ...and the whole control waits to be painted again.
  RECT pending{};
  ASSERT_TRUE(GetUpdateRect(w, &pending, FALSE));
  EXPECT_TRUE(EqualRect(&pending, &client));
  UpdateWindow(w);
  EXPECT_EQ(g_seen.paints, 2);
  const Pixels shown = CaptureClient(w);
  EXPECT_EQ(shown.at(100, 60), Expected(client.right, client.bottom, [](HDC) {}).at(100, 60));
  EXPECT_EQ(shown.at(20, 20), kMarkColour);
  DestroyWindow(w);
}

}  // namespace
}  // namespace tebix::test
