// Status bars, toolbars and control-bar containers under the skin: the
// parts, faces and texts real windows show, owner-drawn status parts, the
// hover poll, children left alone, and wide text under any code page.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/core/draw_skin_part.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "skin/render/bar_layout.h"
#include "skin/render/bar_paint.h"
#include "skin/render/toolbar.h"
#include "tests/skin_buttons/button_pixels.h"
#include "tests/skin_engine/engine_support.h"

namespace tebix::test {
namespace {

constexpr DWORD kPlaced = CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;

const SkinPart& Part(int index) {
  return CurrentSkinData()->parts[index];
}

void DrawPartAt(HDC dc, const RECT& r, int index) {
  DrawSkinPart(dc, r, Part(index), SkinBitmapDc());
}

HICON TestIcon() {
  static const HICON icon =
      static_cast<HICON>(LoadImageW(nullptr, MAKEINTRESOURCEW(32516), IMAGE_ICON, 16, 16, LR_SHARED));
  return icon;
}

class BarsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetForegroundWindow(Parent());
    DrawRequests().clear();
  }
  void TearDown() override {
    ReleaseCapture();
    SetCursorPos(0, 0);
    EngineTest::TearDown();
  }

  // A control placed wholly inside the parent, painted.
  HWND Place(HWND w, int width, int height) {
    if (w != nullptr) {
      SetWindowPos(w, HWND_TOP, 20, 20, width, height, 0);
      Repaint(w);
    }
    return w;
  }

  HWND StatusBar(DWORD style, HWND parent = nullptr) {
    return Place(Make(STATUSCLASSNAMEW, WS_CHILD | WS_VISIBLE | kPlaced | style, 0, parent, 320, 24), 320,
                 24);
  }

  // A toolbar of `count` buttons without images or text, sized by the control.
  HWND Toolbar(DWORD style, std::initializer_list<TBBUTTON> buttons) {
    HWND w = Make(TOOLBARCLASSNAMEW, WS_CHILD | WS_VISIBLE | kPlaced | style, 0, nullptr, 320, 32);
    SendMessageW(w, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    for (const TBBUTTON& b : buttons) SendMessageW(w, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&b));
    return Place(w, 320, 32);
  }

  static RECT ItemRect(HWND toolbar, int index) {
    RECT r{};
    SendMessageW(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    return r;
  }

  // The pointer over button `index`, and the toolbar told so.
  static void Hover(HWND toolbar, int index) {
    const RECT r = ItemRect(toolbar, index);
    POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    POINT screen = at;
    ClientToScreen(toolbar, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(toolbar, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
  }
};

TBBUTTON Button(int command, BYTE state = TBSTATE_ENABLED, BYTE style = BTNS_BUTTON) {
  TBBUTTON b{};
  b.iBitmap = I_IMAGENONE;
  b.idCommand = command;
  b.fsState = state;
  b.fsStyle = style;
  b.iString = -1;
  return b;
}

TEST_F(BarsTest, TheSkinTellsTheBarPartsApart) {
  // Without different parts the face tests below could not fail.
  const RECT r{0, 0, 24, 22};
  const Pixels background = Expected(24, 22, [](HDC) {});
  for (int part : {106, 107, 108, 109, 112, 149, 266}) {
    EXPECT_GT(Differences(ExpectedPart(24, 22, part, r), background, r), 0) << "part " << part;
  }
  EXPECT_GT(Differences(ExpectedPart(24, 22, 107, r), ExpectedPart(24, 22, 108, r), r), 0);
}

// --- Status bar -----------------------------------------------------------------------

TEST_F(BarsTest, StatusPartShowsIconThenTextThreePixelsAfterIt) {
  struct Case {
    const char* name;
    bool unicode;
    bool icon;
    const wchar_t* text;
  } cases[] = {
      {"icon and text", true, true, L"Ready"},
      {"text alone", true, false, L"Ready"},
      {"wide text kept wide", true, true, L"\u5c31\u7eea \u00e9t\u00e9"},
      {"ANSI status bar", false, true, L"Ready"},
  };
  for (const Case& c : cases) {
    HWND w = nullptr;
    if (c.unicode) {
      w = StatusBar(0);
    } else {
      w = Place(MakeAnsi(STATUSCLASSNAMEA, WS_CHILD | WS_VISIBLE | kPlaced), 320, 24);
    }
    ASSERT_NE(w, nullptr) << c.name;
    const int edges[] = {160, -1};
    SendMessageW(w, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
    if (c.icon) SendMessageW(w, SB_SETICON, 0, reinterpret_cast<LPARAM>(TestIcon()));
    if (c.unicode) {
      SendMessageW(w, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(c.text));
    } else {
      const std::string narrow(c.text, c.text + wcslen(c.text));
      SendMessageA(w, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(narrow.c_str()));
    }
    Repaint(w);

    RECT client{}, part{};
    GetClientRect(w, &client);
    SendMessageW(w, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part));
    bars::BarText text;
    text.unicode = true;
    text.wide = c.text;
    const HFONT font = bars::TextFont(w, text);
    const int icon_width = c.icon ? 16 : 0;
    auto picture = [&](int gap) {
      return Expected(client.right, client.bottom, [&](HDC dc) {
        DrawPartAt(dc, client, 112);
        if (c.icon) {
          DrawIconEx(dc, part.left, part.top + (part.bottom - part.top - 16) / 2, TestIcon(), 16, 16, 0,
                     nullptr, DI_NORMAL);
        }
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, SkinColour(46));
        RECT t{part.left + icon_width + gap, part.top, part.right, part.bottom};
        DrawTextW(dc, c.text, -1, &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        const int separator = Part(113).width;
        DrawPartAt(dc, RECT{part.right - separator, part.top, part.right, part.bottom}, 113);
      });
    };
    const Pixels shown = CaptureClient(w);
    EXPECT_EQ(Differences(shown, picture(3), part), 0) << c.name;
    EXPECT_GT(Differences(shown, picture(2), part), 0) << c.name << ": the check could not fail";
  }
}

TEST_F(BarsTest, OwnerDrawnPartsReachTheParentAndShow) {
  RegisterPlainClass(L"BarsOwner", RedFillingOwnerProc);
  HWND owner = Make(L"BarsOwner", WS_CHILD | WS_VISIBLE, 0, nullptr, 360, 60);
  SetWindowPos(owner, HWND_TOP, 0, 0, 360, 60, 0);
  HWND w = Make(STATUSCLASSNAMEW, WS_CHILD | WS_VISIBLE | kPlaced, 0, owner, 320, 24);
  SetWindowLongPtrW(w, GWLP_ID, 77);
  SetWindowPos(w, HWND_TOP, 10, 10, 320, 24, 0);
  const int edges[] = {100, 200, -1};
  SendMessageW(w, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
  SendMessageW(w, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"plain"));
  SendMessageW(w, SB_SETTEXTW, 1 | SBT_OWNERDRAW, 0x1234);
  DrawRequests().clear();
  Repaint(w);

  ASSERT_FALSE(DrawRequests().empty());
  const DRAWITEMSTRUCT& d = DrawRequests().back();
  RECT part{};
  SendMessageW(w, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
  EXPECT_EQ(d.CtlType, static_cast<UINT>(ODT_STATIC));
  EXPECT_EQ(d.CtlID, 77u);
  EXPECT_EQ(d.itemID, 1u);
  EXPECT_EQ(d.hwndItem, w);
  EXPECT_EQ(d.itemData, 0x1234u);
  EXPECT_TRUE(EqualRect(&d.rcItem, &part));
  for (const DRAWITEMSTRUCT& each : DrawRequests())
    EXPECT_EQ(each.itemID, 1u) << "only the owner-drawn part";

  // What the owner drew is on the screen, under the part's separator.
  const Pixels shown = CaptureClient(w);
  const int separator = Part(113).width;
  EXPECT_EQ(shown.at(part.left + 2, (part.top + part.bottom) / 2), RGB(255, 0, 0));
  EXPECT_EQ(shown.at(part.right - separator - 1, (part.top + part.bottom) / 2), RGB(255, 0, 0));
}

TEST_F(BarsTest, SizeGripIsTheSkinsWhereTheControlHasOne) {
  const SIZE grip{Part(149).width, Part(149).height};
  ASSERT_GT(grip.cx, 0);
  for (bool with_grip : {true, false}) {
    HWND w = StatusBar(with_grip ? SBARS_SIZEGRIP : 0);
    RECT client{};
    GetClientRect(w, &client);
    const RECT at{client.right - 2 - grip.cx, client.bottom - 2 - grip.cy, client.right - 2,
                  client.bottom - 2};
    const Pixels shown = CaptureClient(w);
    const Pixels want = Expected(client.right, client.bottom, [&](HDC dc) {
      DrawPartAt(dc, client, 112);
      DrawPartAt(dc, at, 149);
    });
    if (with_grip) {
      EXPECT_EQ(Differences(shown, want, at), 0) << "part 149, 2 px inside the corner";
    } else {
      EXPECT_GT(Differences(shown, want, at), 0) << "no grip without SBARS_SIZEGRIP";
    }
    DestroyWindow(w);
  }
}

TEST_F(BarsTest, SimpleModeShowsItsOwnText) {
  HWND w = StatusBar(0);
  const int edges[] = {100, -1};
  SendMessageW(w, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
  SendMessageW(w, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"parts"));
  SendMessageW(w, SB_SIMPLE, TRUE, 0);
  SendMessageW(w, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(L"simple text across the bar"));
  Repaint(w);
  RECT client{};
  GetClientRect(w, &client);
  const Pixels shown = CaptureClient(w);
  const Pixels bare = Expected(client.right, client.bottom, [&](HDC dc) { DrawPartAt(dc, client, 112); });
  const Span ink = DifferingColumns(shown, bare, RECT{0, 0, client.right - 20, client.bottom});
  EXPECT_GE(ink.first, 3) << "the text 3 px in (and the glyph's own bearing)";
  EXPECT_LE(ink.first, 5);
  EXPECT_GT(ink.last, 100) << "the simple text runs over where the first part ended";
}

// --- Toolbar --------------------------------------------------------------------------

enum class Act { kNone, kHover, kPress, kPressThenRelease };

TEST_F(BarsTest, ToolbarFacesByStateAndStyle) {
  struct Case {
    const char* name;
    DWORD style;
    TBBUTTON button;
    Act act;
    int part;  // 0: no face, the bare background
  } cases[] = {
      {"flat idle: no face", TBSTYLE_FLAT, Button(1), Act::kNone, 0},
      {"flat hot", TBSTYLE_FLAT, Button(1), Act::kHover, 107},
      {"flat pressed", TBSTYLE_FLAT, Button(1), Act::kPress, 108},
      {"flat released stays hot", TBSTYLE_FLAT, Button(1), Act::kPressThenRelease, 107},
      {"flat checked", TBSTYLE_FLAT, Button(1, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK), Act::kNone,
       108},
      {"flat disabled: no face", TBSTYLE_FLAT, Button(1, 0), Act::kNone, 0},
      {"flat disabled under the pointer: no face", TBSTYLE_FLAT, Button(1, 0), Act::kHover, 0},
      {"raised idle", 0, Button(1), Act::kNone, 106},
      {"raised hot", 0, Button(1), Act::kHover, 107},
      {"raised disabled", 0, Button(1, 0), Act::kNone, 109},
      {"raised checked", 0, Button(1, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK), Act::kNone, 108},
  };
  for (const Case& c : cases) {
    // The button under test second, an idle one before it.
    HWND w = Toolbar(c.style, {Button(9), c.button});
    ASSERT_NE(w, nullptr) << c.name;
    switch (c.act) {
      case Act::kNone:
        break;
      case Act::kHover:
        Hover(w, 1);
        break;
      case Act::kPress:
      case Act::kPressThenRelease: {
        Hover(w, 1);
        const RECT r = ItemRect(w, 1);
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, at);
        if (c.act == Act::kPressThenRelease) SendMessageW(w, WM_LBUTTONUP, 0, at);
        break;
      }
    }
    RECT client{};
    GetClientRect(w, &client);
    const RECT item = ItemRect(w, 1), idle = ItemRect(w, 0);
    const Pixels shown = CaptureClient(w);
    const Pixels want = c.part != 0 ? ExpectedPart(client.right, client.bottom, c.part, item)
                                    : Expected(client.right, client.bottom, [](HDC) {});
    EXPECT_EQ(Differences(shown, want, item), 0) << c.name;
    const Pixels idle_face = (c.style & TBSTYLE_FLAT) ? Expected(client.right, client.bottom, [](HDC) {})
                                                      : ExpectedPart(client.right, client.bottom, 106, idle);
    EXPECT_EQ(Differences(shown, idle_face, idle), 0) << c.name << ": the other button stays idle";
    ReleaseCapture();
    DestroyWindow(w);
  }
}

// A one-image list of a solid colour.
HIMAGELIST SolidImages(COLORREF colour) {
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24, 1, 0);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  const HBRUSH brush = CreateSolidBrush(colour);
  const RECT all{0, 0, 16, 16};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  SelectObject(dc, old);
  DeleteDC(dc);
  ImageList_Add(list, bitmap, nullptr);
  DeleteObject(bitmap);
  return list;
}

TEST_F(BarsTest, ButtonImageComesFromTheListOfItsState) {
  const COLORREF normal = RGB(0, 0, 255), hot = RGB(255, 128, 0), disabled = RGB(128, 128, 128);
  struct Case {
    const char* name;
    BYTE state;
    bool hover;
    bool hot_list, disabled_list;
    COLORREF expected;
  } cases[] = {
      {"idle", TBSTATE_ENABLED, false, true, true, normal},
      {"hot", TBSTATE_ENABLED, true, true, true, hot},
      {"disabled", 0, false, true, true, disabled},
      {"hot without a hot list", TBSTATE_ENABLED, true, false, true, normal},
      {"disabled without a disabled list", 0, false, true, false, normal},
  };
  const HIMAGELIST lists[] = {SolidImages(normal), SolidImages(hot), SolidImages(disabled)};
  for (const Case& c : cases) {
    TBBUTTON b = Button(1, c.state);
    b.iBitmap = 0;
    HWND w = Toolbar(TBSTYLE_FLAT, {Button(9)});
    SendMessageW(w, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(lists[0]));
    if (c.hot_list) SendMessageW(w, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(lists[1]));
    if (c.disabled_list) SendMessageW(w, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(lists[2]));
    SendMessageW(w, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&b));
    Repaint(w);
    if (c.hover) Hover(w, 1);
    const RECT item = ItemRect(w, 1);
    const Pixels shown = CaptureClient(w);
    const int x = (item.left + item.right) / 2, y = (item.top + item.bottom) / 2;
    EXPECT_EQ(shown.at(x, y), c.expected) << c.name;
    // Centred: the image's 16 px end where the centring puts them.
    const int left = item.left + (item.right - item.left - 16) / 2;
    EXPECT_EQ(shown.at(left, y), c.expected) << c.name;
    EXPECT_NE(shown.at(left - 1, y), c.expected) << c.name;
    DestroyWindow(w);
  }
  for (HIMAGELIST list : lists) ImageList_Destroy(list);
}

TEST_F(BarsTest, LeavingTheToolbarEndsItsHotLookWithinOnePoll) {
  HWND w = Toolbar(TBSTYLE_FLAT, {Button(1), Button(2)});
  RECT client{};
  GetClientRect(w, &client);
  const RECT item = ItemRect(w, 1);
  const Pixels bare = Expected(client.right, client.bottom, [](HDC) {});
  Hover(w, 1);
  EXPECT_GT(Differences(CaptureClient(w), bare, item), 0) << "hot before leaving";

  SetCursorPos(0, 0);  // out of the window, and no WM_MOUSELEAVE is sent
  Sleep(40);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, w, WM_TIMER, WM_TIMER, PM_REMOVE)) << "the hover poll runs";
  EXPECT_EQ(msg.wParam, kToolbarHoverTimer);
  DispatchMessageW(&msg);
  EXPECT_EQ(Differences(CaptureClient(w), bare, item), 0) << "no face after one poll";
  Sleep(40);
  EXPECT_FALSE(PeekMessageW(&msg, w, WM_TIMER, WM_TIMER, PM_REMOVE)) << "the poll stopped";
}

TEST_F(BarsTest, ComboChildOnAToolbarIsNotPaintedOver) {
  TBBUTTON gap = Button(0, 0, BTNS_SEP);
  gap.iBitmap = 120;  // a separator's width: room for the combo box
  HWND w = Toolbar(TBSTYLE_FLAT, {Button(1), gap, Button(2)});
  const RECT room = ItemRect(w, 1);
  HWND combo = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, room.left, 2,
                               room.right - room.left, 120, w, nullptr, nullptr, nullptr);
  ASSERT_NE(combo, nullptr);
  RECT box{};
  GetWindowRect(combo, &box);
  MapWindowPoints(HWND_DESKTOP, w, reinterpret_cast<POINT*>(&box), 2);
  RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const Pixels before = CaptureClient(w);

  Hover(w, 0);  // the toolbar paints again, outside WM_PAINT
  Hover(w, 2);
  const Pixels after = CaptureClient(w);
  EXPECT_EQ(Differences(before, after, box), 0) << "the combo box keeps what it drew";
  RECT client{};
  GetClientRect(w, &client);
  const Pixels bare = Expected(client.right, client.bottom, [](HDC) {});
  const int area = (box.right - box.left) * (box.bottom - box.top);
  EXPECT_GT(Differences(after, bare, box), area / 2)
      << "the combo box is there, not the toolbar's background";
}

TEST_F(BarsTest, ToolbarTextIsDrawnWideAndTheDropDownArrowShows) {
  const wchar_t* text = L"\u67e5\u627e";  // Chinese, lost through code page 1252
  TBBUTTON b = Button(1, TBSTATE_ENABLED, BTNS_DROPDOWN);
  b.iString = reinterpret_cast<INT_PTR>(text);
  HWND w = Toolbar(TBSTYLE_FLAT | TBSTYLE_LIST, {b});
  RECT client{};
  GetClientRect(w, &client);
  const RECT item = ItemRect(w, 0);
  bars::BarText wide;
  wide.unicode = true;
  wide.wide = text;
  const HFONT font = bars::TextFont(w, wide);
  auto picture = [&](const wchar_t* shown_text) {
    return Expected(client.right, client.bottom, [&](HDC dc) {
      SelectObject(dc, font);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, SkinColour(53));
      RECT t{item.left, item.top, item.right - 12 - 3, item.bottom};
      DrawTextW(dc, shown_text, -1, &t, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    });
  };
  const Pixels shown = CaptureClient(w);
  const RECT text_area{item.left, item.top, item.right - 12, item.bottom};
  EXPECT_EQ(Differences(shown, picture(text), text_area), 0);
  EXPECT_GT(Differences(shown, picture(L"??"), text_area), 0) << "not the text through the ANSI code page";

  // The arrow's widest row (FE: seven pixels) in black, 12 px from the right edge.
  const int x = item.right - 12, y = (item.top + item.bottom) / 2 - 4 + 2;
  for (int i = 0; i < 7; ++i) EXPECT_EQ(shown.at(x + i, y), RGB(0, 0, 0)) << "arrow pixel " << i;
  EXPECT_NE(shown.at(x + 7, y), RGB(0, 0, 0));
}

// --- Control-bar container ---------------------------------------------------------------

TEST_F(BarsTest, ControlBarContainerShowsTheSkinAroundItsChildren) {
  RegisterPlainClass(L"Toolbar20WndClass");
  WNDCLASSW red{};
  red.lpfnWndProc = DefWindowProcW;
  red.hInstance = GetModuleHandleW(nullptr);
  red.hbrBackground = CreateSolidBrush(RGB(255, 0, 0));
  red.lpszClassName = L"BarsRedChild";
  RegisterClassW(&red);
  // A container that does not clip its children must not take their paint from them.
  for (DWORD clip : {DWORD{WS_CLIPCHILDREN}, DWORD{0}}) {
    HWND w = Make(L"Toolbar20WndClass", WS_CHILD | WS_VISIBLE | clip, 0, nullptr, 300, 36);
    SetWindowPos(w, HWND_TOP, 20, 20, 300, 36, 0);
    HWND child = CreateWindowExW(0, L"BarsRedChild", L"", WS_CHILD | WS_VISIBLE, 40, 6, 100, 24, w, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(child, nullptr);
    RedrawWindow(w, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const Pixels shown = CaptureClient(w);
    const Pixels want = ExpectedPart(300, 36, 266, RECT{0, 0, 300, 36});
    EXPECT_EQ(Differences(shown, want, RECT{0, 0, 40, 36}), 0) << "left of the child, clip " << clip;
    EXPECT_EQ(Differences(shown, want, RECT{140, 0, 300, 36}), 0) << "right of the child, clip " << clip;
    EXPECT_EQ(shown.at(90, 18), RGB(255, 0, 0)) << "the child paints itself, clip " << clip;
    DestroyWindow(w);
  }
}

}  // namespace
}  // namespace tebix::test
