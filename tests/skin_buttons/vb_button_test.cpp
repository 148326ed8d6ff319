// The VB runtime's buttons and frame: their DC record, off-screen GetDC,
// the skinned look of each and the graphical command button's own painting
// laid over the skin's face.
#include <windows.h>

#include "skin/core/skin_data.h"
#include "skin/render/button_layout.h"
#include "tests/skin_buttons/button_pixels.h"
#include "tests/skin_engine/engine_support.h"

namespace tebix::test {
namespace {

constexpr int kWidth = 120, kHeight = 40;  // MakeAnsi's size

// A graphical command button as the runtime draws it: its picture and
// caption on the button face, through BeginPaint.
LRESULT CALLBACK GraphicalButtonProc(HWND w, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(w, &ps);
    RECT client{};
    GetClientRect(w, &client);
    // Like a control that leaves its background to the erase it never got:
    // only its picture and caption are painted.
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    const RECT edge{0, 0, client.right, 3};  // outside the part that shows
    FillRect(dc, &edge, green);
    DeleteObject(green);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    const RECT picture{10, 10, 30, 30};
    FillRect(dc, &picture, red);
    DeleteObject(red);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 50, 12, "WWW", 3);
    EndPaint(w, &ps);
    return 0;
  }
  return DefWindowProcA(w, message, wparam, lparam);
}

void RegisterGraphicalButton() {
  WNDCLASSA wc{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), "ThunderCommandButton", &wc)) return;
  wc.lpfnWndProc = GraphicalButtonProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "ThunderCommandButton";
  RegisterClassA(&wc);
}

class VbButtonTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    for (const char* name : {"ThunderRT6CheckBox", "ThunderRT6OptionButton", "ThunderRT6CommandButton",
                             "ThunderRT6Frame"}) {
      RegisterSuperclassA(name, "Button");
    }
    RegisterGraphicalButton();
  }
  HWND Vb(const char* cls, DWORD style) {
    HWND w = MakeAnsi(cls, WS_CHILD | WS_VISIBLE | style);
    if (w != nullptr) {
      Repaint(w);
    }
    return w;
  }
};

void ExpectPartIn(HWND w, const RECT& rect, int part, int other, const char* name) {
  const Pixels shown = CaptureClient(w);
  EXPECT_EQ(Differences(shown, ExpectedPart(kWidth, kHeight, part, rect), rect), 0) << name << ": part " << part;
  const Pixels alternative = ExpectedPart(kWidth, kHeight, other, rect);
  if (Differences(alternative, ExpectedPart(kWidth, kHeight, part, rect), rect) > 0) {
    EXPECT_GT(Differences(shown, alternative, rect), 0) << name << ": looks like part " << other;
  }
}

RECT GlyphRect(int size_part, DWORD style) {
  const SkinPart& p = CurrentSkinData()->parts[size_part];
  const button::Box g = button::PlaceGlyph({0, 0, kWidth, kHeight}, p.width, p.height, style).glyph;
  return {g.left, g.top, g.right, g.bottom};
}

TEST_F(VbButtonTest, CheckAndOptionButtonsKeepTheirDcRecordAndShowTheirGlyphs) {
  struct Case {
    const char* cls;
    DWORD style;
    int size_part, unchecked, checked, hot;
  } cases[] = {
      {"ThunderRT6CheckBox", BS_AUTOCHECKBOX, 76, 76, 81, 77},
      {"ThunderRT6OptionButton", BS_AUTORADIOBUTTON, 91, 91, 96, 92},
  };
  for (const Case& c : cases) {
    HWND w = Vb(c.cls, c.style);
    ASSERT_NE(ObjectOf(w), nullptr) << c.cls;
    EXPECT_TRUE(HasProperty(w, "Tebix_Attached")) << c.cls;
    EXPECT_TRUE(HasProperty(w, "TEBIX_GETDC")) << c.cls;
    const RECT glyph = GlyphRect(c.size_part, c.style);
    ExpectPartIn(w, glyph, c.unchecked, c.checked, c.cls);
    SendMessageA(w, BM_SETCHECK, BST_CHECKED, 0);
    UpdateWindow(w);
    ExpectPartIn(w, glyph, c.checked, c.unchecked, c.cls);
    SendMessageA(w, BM_SETCHECK, BST_UNCHECKED, 0);
    // Hover invalidates rather than painting at once.
    SendMessageA(w, WM_MOUSEHOVER, 0, 0);
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(w, &update, FALSE)) << c.cls << ": hover asks for a repaint";
    UpdateWindow(w);
    ExpectPartIn(w, glyph, c.hot, c.unchecked, c.cls);
  }
}

TEST_F(VbButtonTest, GetDcOutsidePaintDrawsOffScreenAndBringsASkinnedRepaint) {
  for (const char* cls : {"ThunderRT6CheckBox", "ThunderRT6OptionButton", "ThunderRT6CommandButton"}) {
    const DWORD style = cls[10] == 'C' && cls[11] == 'h' ? BS_AUTOCHECKBOX
                        : cls[10] == 'O'                 ? BS_AUTORADIOBUTTON
                                                         : BS_PUSHBUTTON;
    HWND w = Vb(cls, style);
    ASSERT_NE(ObjectOf(w), nullptr) << cls;
    ValidateRect(w, nullptr);
    HDC first = GetDC(w);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_MEMDC)) << cls << ": off screen";
    // A second GetDC before the first is given back lets the first go.
    HDC dc = GetDC(w);
    ASSERT_NE(dc, nullptr);
    const RECT all{0, 0, kWidth, kHeight};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(ReleaseDC(w, dc), 1) << cls;
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(w, &update, FALSE)) << cls << ": a repaint follows";
    UpdateWindow(w);
    const Pixels shown = CaptureClient(w);
    EXPECT_NE(shown.at(kWidth / 2, kHeight / 2), RGB(0, 0, 0)) << cls << ": nothing black reached the screen";
    EXPECT_NE(shown.at(kWidth - 3, 3), RGB(0, 0, 0)) << cls;
    // A DC the record did not hand out is released as such.
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
  }
}

TEST_F(VbButtonTest, CommandButtonShowsPushFaces) {
  HWND w = Vb("ThunderRT6CommandButton", BS_PUSHBUTTON);
  ASSERT_NE(ObjectOf(w), nullptr);
  SetWindowTextA(w, "");
  UpdateWindow(w);
  const RECT all{0, 0, kWidth, kHeight};
  ExpectPartIn(w, all, 71, 72, "normal");
  SendMessageA(w, WM_MOUSEHOVER, 0, 0);
  UpdateWindow(w);
  ExpectPartIn(w, all, 72, 71, "hot");
  SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  UpdateWindow(w);
  ExpectPartIn(w, all, 74, 72, "pressed");
  ReleaseCapture();
}

TEST_F(VbButtonTest, GraphicalCommandButtonPaintsItsOwnInsideOverTheFace) {
  HWND w = Vb("ThunderCommandButton", BS_OWNERDRAW);
  ASSERT_NE(ObjectOf(w), nullptr);
  Repaint(w);
  const Pixels shown = CaptureClient(w);
  const Pixels face = ExpectedPart(kWidth, kHeight, 71, RECT{0, 0, kWidth, kHeight});
  EXPECT_EQ(shown.at(15, 15), RGB(255, 0, 0)) << "its picture";
  EXPECT_EQ(shown.at(1, 1), face.at(1, 1)) << "the face around it";
  EXPECT_EQ(shown.at(40, 2), face.at(40, 2)) << "its own painting within 5 px of the edge does not show";
  EXPECT_EQ(shown.at(40, 20), face.at(40, 20)) << "where it painted nothing, the skin's face";
  // Its black caption in the skin's push caption colour.
  bool recoloured = false, black = false;
  for (int y = 10; y < 32; ++y) {
    for (int x = 48; x < 90; ++x) {
      recoloured |= shown.at(x, y) == SkinColour(5);
      black |= shown.at(x, y) == RGB(0, 0, 0) && face.at(x, y) != RGB(0, 0, 0);
    }
  }
  EXPECT_TRUE(recoloured);
  if (SkinColour(5) != RGB(0, 0, 0)) {
    EXPECT_FALSE(black);
  }
}

TEST_F(VbButtonTest, FrameLaysItsOwnPaintingOnTheSkinAndDrawsItsFrame) {
  HWND w = Vb("ThunderRT6Frame", BS_GROUPBOX | WS_CLIPCHILDREN);
  ASSERT_NE(ObjectOf(w), nullptr);
  SetWindowTextA(w, "Frame");
  Repaint(w);
  const Pixels shown = CaptureClient(w);
  const Pixels background = Expected(kWidth, kHeight, [](HDC) {});
  EXPECT_EQ(shown.at(kWidth / 2, 28), background.at(kWidth / 2, 28)) << "skin background inside";
  EXPECT_EQ(shown.at(2, 28), background.at(2, 28)) << "the control's own frame line stays hidden";
  if (SkinMetric(4) == 0) {
    EXPECT_EQ(shown.at(0, 28), SkinColour(30)) << "the skin's line";
    EXPECT_EQ(shown.at(kWidth - 1, 28), SkinColour(30));
  }
  bool caption = false;
  for (int y = 0; y < 16; ++y)
    for (int x = 10; x < 60; ++x) caption |= shown.at(x, y) == SkinColour(28);
  EXPECT_TRUE(caption) << "caption in the skin's colour";
}

// A control that handles WM_PAINT without painting at all.
LRESULT CALLBACK IdleProc(HWND w, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) return 0;
  return DefWindowProcA(w, message, wparam, lparam);
}

TEST_F(VbButtonTest, AControlThatDoesNotPaintIsNotAskedAgainAndAgain) {
  for (const char* cls : {"ThunderCommandButton", "ThunderFrame"}) {
    // Under the name of a runtime class, with a procedure that never paints.
    UnregisterClassA(cls, GetModuleHandleA(nullptr));
    WNDCLASSA wc{};
    wc.lpfnWndProc = IdleProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = cls;
    RegisterClassA(&wc);
    HWND w = MakeAnsi(cls, WS_CHILD | WS_VISIBLE | (cls[7] == 'C' ? BS_OWNERDRAW : BS_GROUPBOX));
    ASSERT_NE(ObjectOf(w), nullptr) << cls;
    InvalidateRect(w, nullptr, TRUE);
    UpdateWindow(w);
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(w, &update, FALSE)) << cls << ": validated after one WM_PAINT";
    DestroyWindow(w);
    UnregisterClassA(cls, GetModuleHandleA(nullptr));
  }
}

TEST_F(VbButtonTest, AButtonAttachedLateHangsItsRecordOnTheAttachMessage) {
  HWND w = Vb("ThunderRT6CheckBox", BS_AUTOCHECKBOX);
  ASSERT_TRUE(DetachObject(w));
  EXPECT_FALSE(HasProperty(w, "TEBIX_GETDC"));
  ProbeWindow(w, false);
  ASSERT_NE(ObjectOf(w), nullptr);
  EXPECT_TRUE(HasProperty(w, "TEBIX_GETDC"));
  HDC dc = GetDC(w);
  EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
  ReleaseDC(w, dc);
}

}  // namespace
}  // namespace tebix::test
