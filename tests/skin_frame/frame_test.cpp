// The skinned frame on real windows: client size through attach, detach,
// style changes and MoveWindow; hit codes; the system commands clicks send;
// the window region; active and inactive captions; the help button's place;
// the maximised MDI child; wide captions under any code page.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin/attach/frame.h"
#include "skin/core/draw_skin_part.h"
#include "skin/core/exports.h"
#include "skin/core/shifted_colour.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "tests/skin_engine/engine_support.h"
#include "tools/tbxtool/sample_skin.h"
#include "tools/tbxtool/skin_source.h"

namespace tebix::test {
namespace {

constexpr char kFormClass[] = "ThunderRT6FormDC";
constexpr wchar_t kFormClassW[] = L"ThunderRT6FormDC";

// What the forms' own procedure saw of the system commands, menu commands
// and drop-down menus.
std::vector<WPARAM> g_commands;
std::vector<WPARAM> g_menu_commands;
std::vector<RECT> g_drop_downs;  // screen rectangles of the drop-downs shown
bool g_swallow_commands = false;

BOOL CALLBACK FindDropDown(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) == L"#32768" && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SYSCOMMAND) {
    g_commands.push_back(wparam);
    if (g_swallow_commands) return 0;
  }
  if (message == WM_COMMAND) g_menu_commands.push_back(LOWORD(wparam));
  if (message == WM_ENTERIDLE && wparam == MSGF_MENU) {
    HWND drop_down = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindDropDown, reinterpret_cast<LPARAM>(&drop_down));
    RECT r{};
    if (drop_down != nullptr && GetWindowRect(drop_down, &r)) g_drop_downs.push_back(r);
    EndMenu();
  }
  if (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_MDICHILD) return DefMDIChildProcA(window, message, wparam, lparam);
  return DefWindowProcA(window, message, wparam, lparam);
}

void RegisterForm() {
  WNDCLASSA wc{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), kFormClass, &wc)) return;
  wc.lpfnWndProc = FormProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kFormClass;
  RegisterClassA(&wc);
}

SIZE ClientSize(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  return {r.right, r.bottom};
}

RECT WindowRectOf(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}

// The outer size a program computes for a client area under the system frame.
SIZE OuterFor(SIZE client, DWORD style, DWORD ex_style, bool menu = false) {
  RECT r{0, 0, client.cx, client.cy};
  AdjustWindowRectEx(&r, style, menu, ex_style);
  return {r.right - r.left, r.bottom - r.top};
}

const FrameStyle& Normal() {
  return SkinFrameStyle(kNormalFrame);
}

// A screen point at window coordinates (x, y); a negative x counts from the
// right edge, as the skin's button offsets do.
LPARAM At(HWND w, int x, int y) {
  const RECT r = WindowRectOf(w);
  if (x < 0) x += r.right - r.left;
  return MAKELPARAM(r.left + x, r.top + y);
}

// The centre of the button the skin places at offset pair `pair`.
LPARAM ButtonCentre(HWND w, int pair, int slot) {
  const OffsetPair p = Normal().offset_pairs[static_cast<std::size_t>(pair)];
  const SkinPart& part = Normal().parts[static_cast<std::size_t>(slot)];
  return At(w, p.dx + part.width / 2, p.dy + part.height / 2);
}

LRESULT HitAt(HWND w, LPARAM point) {
  return SendMessageW(w, WM_NCHITTEST, 0, point);
}

void Click(HWND w, LPARAM point) {
  const auto code = static_cast<WPARAM>(HitAt(w, point));
  SendMessageW(w, WM_NCLBUTTONDOWN, code, point);
  SendMessageW(w, WM_NCLBUTTONUP, code, point);
}

void Repaint(HWND w) {
  RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump();
}

// The caption strip of a window as the screen shows it.
std::vector<COLORREF> CaptionPixels(HWND w, const RECT& area) {
  std::vector<COLORREF> pixels;
  HDC dc = GetWindowDC(w);
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) pixels.push_back(GetPixel(dc, x, y));
  ReleaseDC(w, dc);
  return pixels;
}

// A 32-bit memory surface of the given size to draw expectations on.
class Canvas {
 public:
  Canvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

class FrameTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    RegisterForm();
    g_commands.clear();
    g_swallow_commands = false;
  }
  void TearDown() override {
    g_swallow_commands = false;
    for (HWND w : dialogs_)
      if (IsWindow(w)) DestroyWindow(w);
    EngineTest::TearDown();
  }

  HWND Form(DWORD style, SIZE client = {300, 180}, DWORD ex_style = 0, const wchar_t* text = L"") {
    const SIZE outer = OuterFor(client, style, ex_style);
    HWND w = Make(kFormClassW, style, ex_style, nullptr, outer.cx, outer.cy, text);
    if (w != nullptr && (style & WS_VISIBLE)) {
      SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
      Repaint(w);
    }
    return w;
  }

  // A "#32770" dialog made from a template, with a procedure that records
  // (and swallows) system commands.
  HWND Dialog(DWORD style, const wchar_t* title, short cx = 160, short cy = 80) {
    struct {
      DLGTEMPLATE head;
      WORD menu, cls, title[64];
    } t{};
    t.head.style = style;
    t.head.cx = cx;
    t.head.cy = cy;
    std::wstring text(title);
    std::copy(text.begin(), text.end(), t.title);
    HWND w = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &t.head, nullptr, &RecordingDialogProc, 0);
    dialogs_.push_back(w);
    if (w != nullptr && (style & WS_VISIBLE)) Repaint(w);
    return w;
  }

  static INT_PTR CALLBACK RecordingDialogProc(HWND, UINT message, WPARAM wparam, LPARAM) {
    if (message == WM_SYSCOMMAND) {
      g_commands.push_back(wparam);
      return TRUE;
    }
    return message == WM_INITDIALOG;
  }

  std::vector<HWND> dialogs_;
};

FrameWindow* FrameOf(HWND w) {
  return dynamic_cast<FrameWindow*>(ObjectOf(w));
}

TEST_F(FrameTest, ClientSizeKeptThroughAttachDetachAndStyleChanges) {
  const struct {
    const char* name;
    DWORD style;
    DWORD ex_style;
  } cases[] = {
      {"sizable", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0},
      {"fixed with min box", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE, 0},
      {"modal frame", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE, WS_EX_DLGMODALFRAME},
      {"tool window", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE, WS_EX_TOOLWINDOW},
      {"border only", WS_POPUP | WS_BORDER | WS_VISIBLE, 0},
      {"scroll bars", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0},
  };
  for (const auto& c : cases) {
    // What the program meant: its client area under the system frame, the
    // system's scroll bars left out.
    SIZE want{300, 180};
    if (c.style & WS_VSCROLL) want.cx -= GetSystemMetrics(SM_CXVSCROLL);
    if (c.style & WS_HSCROLL) want.cy -= GetSystemMetrics(SM_CYHSCROLL);
    HWND w = Form(c.style, {300, 180}, c.ex_style);
    ASSERT_NE(FrameOf(w), nullptr) << c.name;
    SIZE client = ClientSize(w);
    EXPECT_EQ(client.cx, want.cx) << c.name << " at attach";
    EXPECT_EQ(client.cy, want.cy) << c.name << " at attach";

    // The skin's client rectangle is the window less the skin frame.
    const frame::Insets insets = FrameInsets(*FrameOf(w));
    const RECT wr = WindowRectOf(w);
    EXPECT_EQ(wr.right - wr.left, want.cx + insets.left + insets.right) << c.name;
    EXPECT_EQ(wr.bottom - wr.top, want.cy + insets.top + insets.bottom) << c.name;

    // A style change that keeps the frame style, and back.
    const LONG style = GetWindowLongW(w, GWL_STYLE);
    SetWindowLongW(w, GWL_STYLE, style ^ WS_MAXIMIZEBOX);
    SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    SetWindowLongW(w, GWL_STYLE, style);
    SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    client = ClientSize(w);
    EXPECT_EQ(client.cx, want.cx) << c.name << " after style changes";
    EXPECT_EQ(client.cy, want.cy) << c.name << " after style changes";

    // Let go of: the system frame around the same client area.
    ASSERT_TRUE(DetachObject(w));
    client = ClientSize(w);
    EXPECT_EQ(client.cx, want.cx) << c.name << " after detach";
    EXPECT_EQ(client.cy, want.cy) << c.name << " after detach";
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(w, region), ERROR) << c.name << ": no region left";
    DeleteObject(region);

    // Attached again later, by the probe.
    ProbeWindow(w, false);
    ASSERT_NE(FrameOf(w), nullptr) << c.name;
    client = ClientSize(w);
    EXPECT_EQ(client.cx, want.cx) << c.name << " after attaching again";
    EXPECT_EQ(client.cy, want.cy) << c.name << " after attaching again";
  }
}

TEST_F(FrameTest, FrameStyleFollowsStyleChanges) {
  HWND w = Form(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  FrameWindow* f = FrameOf(w);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->choice, frame::Choice::kNormal);
  const RECT before = WindowRectOf(w);
  // No caption: the border-only frame, the window keeps its size and the
  // client area grows by the caption.
  SetWindowLongW(w, GWL_STYLE, (GetWindowLongW(w, GWL_STYLE) & ~WS_CAPTION) | WS_BORDER);
  Pump();
  EXPECT_EQ(f->choice, frame::Choice::kBorderOnly);
  const RECT after = WindowRectOf(w);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
  const frame::Insets insets = FrameInsets(*f);
  EXPECT_EQ(ClientSize(w).cy, after.bottom - after.top - insets.top - insets.bottom);
  const int border_caption = frame::BordersOf(SkinFrameStyle(kBorderOnlyFrame)).caption;
  EXPECT_EQ(insets.top, border_caption);
}

TEST_F(FrameTest, HitCodesAtButtonsBordersAndCaption) {
  HWND w = Form(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_NE(FrameOf(w), nullptr);
  const frame::Borders b = frame::BordersOf(Normal());
  const RECT wr = WindowRectOf(w);
  const int width = wr.right - wr.left, height = wr.bottom - wr.top;
  const struct {
    const char* name;
    LPARAM point;
    LRESULT want;
  } cases[] = {
      {"close", ButtonCentre(w, 0, 8), HTCLOSE},
      {"maximize", ButtonCentre(w, 1, 12), HTMAXBUTTON},
      {"minimize", ButtonCentre(w, 2, 20), HTMINBUTTON},
      {"caption", At(w, width / 2, b.caption / 2), HTCAPTION},
      {"client", At(w, width / 2, height / 2), HTCLIENT},
      {"left border", At(w, 0, height / 2), HTLEFT},
      {"right border", At(w, width - 1, height / 2), HTRIGHT},
      {"bottom border", At(w, width / 2, height - 1), HTBOTTOM},
      {"bottom-right corner", At(w, width - 1, height - 1), HTBOTTOMRIGHT},
      {"top edge", At(w, width / 2, 0), HTTOP},
  };
  for (const auto& c : cases) EXPECT_EQ(HitAt(w, c.point), c.want) << c.name;

  // The sizing cursors over the borders, the arrow again over the client.
  const struct {
    WORD code;
    LPCWSTR cursor;
  } cursors[] = {{HTLEFT, IDC_SIZEWE},       {HTBOTTOM, IDC_SIZENS}, {HTBOTTOMRIGHT, IDC_SIZENWSE},
                 {HTTOPRIGHT, IDC_SIZENESW}, {HTCLIENT, IDC_ARROW}};
  for (const auto& c : cursors) {
    SendMessageW(w, WM_SETCURSOR, reinterpret_cast<WPARAM>(w), MAKELPARAM(c.code, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, c.cursor)) << c.code;
  }
}

TEST_F(FrameTest, ClicksSendExactlyTheirSystemCommand) {
  g_swallow_commands = true;
  const DWORD min_only = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE;
  const DWORD both = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
  const struct {
    const char* name;
    DWORD style;
    int pair, slot;  // the button clicked
    std::vector<WPARAM> want;
  } cases[] = {
      {"minimize", min_only, 2, 20, {SC_MINIMIZE}},
      {"disabled maximize", min_only, 1, 12, {}},
      {"close", min_only, 0, 8, {SC_CLOSE}},
      {"maximize", both, 1, 12, {SC_MAXIMIZE}},
  };
  for (const auto& c : cases) {
    HWND w = Form(c.style);
    g_commands.clear();
    Click(w, ButtonCentre(w, c.pair, c.slot));
    EXPECT_EQ(g_commands, c.want) << c.name;
    EXPECT_EQ(FrameOf(w)->button_state, 0) << c.name;
  }

  HWND w = Form(both);
  // Pressed on close, released over maximize: maximize.
  g_commands.clear();
  const LPARAM close = ButtonCentre(w, 0, 8), maximize = ButtonCentre(w, 1, 12);
  SendMessageW(w, WM_NCLBUTTONDOWN, HTCLOSE, close);
  EXPECT_EQ(FrameOf(w)->button_state, 6);
  SendMessageW(w, WM_NCMOUSEMOVE, HTMAXBUTTON, maximize);
  SendMessageW(w, WM_NCLBUTTONUP, HTMAXBUTTON, maximize);
  EXPECT_EQ(g_commands, std::vector<WPARAM>{SC_MAXIMIZE});
  // A release without a press on a button clicks nothing.
  g_commands.clear();
  SendMessageW(w, WM_NCLBUTTONUP, HTCLOSE, close);
  EXPECT_TRUE(g_commands.empty());

  // Caption and borders: moving and sizing with the mouse.
  const RECT wr = WindowRectOf(w);
  const struct {
    const char* name;
    UINT message;
    LPARAM point;
    std::vector<WPARAM> want;
  } presses[] = {
      {"caption press", WM_NCLBUTTONDOWN, At(w, 60, 10), {SC_MOVE + 2}},
      {"left border press", WM_NCLBUTTONDOWN, At(w, 0, (wr.bottom - wr.top) / 2), {SC_SIZE + 1}},
      {"bottom-right press", WM_NCLBUTTONDOWN, At(w, wr.right - wr.left - 1, wr.bottom - wr.top - 1), {SC_SIZE + 8}},
      {"caption double click", WM_NCLBUTTONDBLCLK, At(w, 60, 10), {0xF032}},
  };
  for (const auto& p : presses) {
    g_commands.clear();
    SendMessageW(w, p.message, static_cast<WPARAM>(HitAt(w, p.point)), p.point);
    EXPECT_EQ(g_commands, p.want) << p.name;
  }
  HWND fixed = Form(min_only);
  g_commands.clear();
  SendMessageW(fixed, WM_NCLBUTTONDBLCLK, HTCAPTION, At(fixed, 60, 10));
  EXPECT_TRUE(g_commands.empty()) << "no maximize box: a double click does nothing";
}

TEST_F(FrameTest, HelpButtonTakesTheMaximizePlaceWithoutBoxes) {
  ASSERT_NE(Normal().metric, 1) << "the skin keeps help at its own place";
  HWND w = Dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CONTEXTHELP | WS_VISIBLE, L"Help");
  ASSERT_NE(FrameOf(w), nullptr);
  const LPARAM at_maximize = ButtonCentre(w, 1, 24);
  EXPECT_EQ(HitAt(w, at_maximize), HTHELP);
  EXPECT_EQ(HitAt(w, ButtonCentre(w, 3, 24)), HTCAPTION) << "its own place stays caption";
  g_commands.clear();
  Click(w, at_maximize);
  EXPECT_EQ(g_commands, std::vector<WPARAM>{SC_CONTEXTHELP});
  // With boxes it keeps its own place.
  HWND boxed = Dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_CONTEXTHELP | WS_VISIBLE, L"Boxes");
  EXPECT_EQ(HitAt(boxed, ButtonCentre(boxed, 3, 24)), HTHELP);
  EXPECT_EQ(HitAt(boxed, ButtonCentre(boxed, 1, 12)), HTMAXBUTTON);
}

TEST_F(FrameTest, RegionLeavesOutKeyedPixelsAndComesBackAfterAForeignRegion) {
  HWND w = Form(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  FrameWindow* f = FrameOf(w);
  ASSERT_NE(f, nullptr);
  const SkinPart& caption = Normal().parts[0];
  ASSERT_NE(caption.transparent, 0) << "the skin's caption has key pixels";
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(w, region), ERROR);
  // Every key pixel of the caption's top-left corner cell is left out, and
  // every other one of the cell is kept.
  const RECT wr = WindowRectOf(w);
  Canvas canvas(wr.right - wr.left, caption.height);
  HDC cell = canvas.dc();
  SkinPart opaque = caption;
  opaque.transparent = 0;
  DrawSkinPart(cell, 0, 0, wr.right - wr.left, caption.height, opaque, SkinBitmapDc());
  int keyed = 0;
  for (int y = 0; y < caption.height; ++y) {
    for (int x = 0; x < caption.left_margin; ++x) {
      const COLORREF c = GetPixel(cell, x, y);
      const bool key = c == static_cast<COLORREF>(caption.transparent);
      keyed += key;
      EXPECT_EQ(PtInRegion(region, x, y) != FALSE, !key) << x << "," << y;
    }
  }
  EXPECT_GT(keyed, 0);
  EXPECT_TRUE(PtInRegion(region, (wr.right - wr.left) / 2, (wr.bottom - wr.top) / 2));

  // Someone else's region is replaced by the skin's at the next paint.
  SetWindowRgn(w, CreateRectRgn(0, 0, 40, 40), TRUE);
  Repaint(w);
  HRGN again = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(w, again), ERROR);
  EXPECT_TRUE(EqualRgn(region, again));
  DeleteObject(again);
  DeleteObject(region);

  // Repaints with nothing pending rebuild nothing; a new size does.
  const int rebuilds = f->region_rebuilds;
  for (int i = 0; i < 3; ++i) Repaint(w);
  EXPECT_EQ(f->region_rebuilds, rebuilds);
  SetWindowPos(w, nullptr, 0, 0, wr.right - wr.left + 30, wr.bottom - wr.top, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  EXPECT_EQ(f->region_rebuilds, rebuilds + 1);
}

TEST_F(FrameTest, ActiveAndInactiveCaptionsShowTheirParts) {
  HWND w = Form(WS_CAPTION | WS_VISIBLE);  // no system menu: no buttons, no icon
  ASSERT_NE(FrameOf(w), nullptr);
  const RECT wr = WindowRectOf(w);
  const int width = wr.right - wr.left;
  const RECT strip{0, 0, width, Normal().parts[0].height};
  // What each part draws over the strip, away from the key pixels.
  auto expected = [&](const SkinPart& part) {
    Canvas canvas(width, strip.bottom);
    DrawSkinPart(canvas.dc(), strip, part, SkinBitmapDc());
    return GetPixel(canvas.dc(), width / 2, strip.bottom / 2);
  };
  SendMessageW(w, WM_NCACTIVATE, TRUE, 0);
  EXPECT_TRUE(FrameOf(w)->active);
  EXPECT_EQ(WindowPixel(w, width / 2, strip.bottom / 2), expected(Normal().parts[0]));
  SendMessageW(w, WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(FrameOf(w)->active);
  EXPECT_EQ(WindowPixel(w, width / 2, strip.bottom / 2), expected(Normal().parts[4]));
  EXPECT_NE(expected(Normal().parts[0]), expected(Normal().parts[4])) << "the skin tells them apart";
}

TEST_F(FrameTest, MaximizedMdiChildKeepsItsFrameOutsideTheClientArea) {
  RegisterPlainClass(L"FrameTestMdiHost");
  HWND host = Make(L"FrameTestMdiHost", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, nullptr, 500, 400);
  CLIENTCREATESTRUCT ccs{nullptr, 0xFF00};
  HWND client = CreateWindowExW(0, L"MDIClient", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 400, 300,
                                host, nullptr, GetModuleHandleW(nullptr), &ccs);
  ASSERT_NE(client, nullptr);
  MDICREATESTRUCTA child{kFormClass, "Child", GetModuleHandleA(nullptr), 10, 10, 200, 150,
                         WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0};
  auto form = reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child)));
  ASSERT_NE(form, nullptr);
  ASSERT_NE(FrameOf(form), nullptr);
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(form), 0);
  Pump();
  ASSERT_TRUE(IsZoomed(form));
  RECT area{}, inside{};
  GetClientRect(client, &area);
  GetClientRect(form, &inside);
  EXPECT_EQ(inside.right, area.right);
  EXPECT_EQ(inside.bottom, area.bottom);
  POINT origin{0, 0}, client_origin{0, 0};
  ClientToScreen(form, &origin);
  ClientToScreen(client, &client_origin);
  EXPECT_EQ(origin.x, client_origin.x);
  EXPECT_EQ(origin.y, client_origin.y);
  const frame::Insets insets = FrameInsets(*FrameOf(form));
  const RECT wr = WindowRectOf(form);
  EXPECT_EQ(client_origin.x - wr.left, insets.left);
  EXPECT_EQ(client_origin.y - wr.top, insets.top);
  // The parent resizing keeps it so.
  MoveWindow(client, 0, 0, 380, 260, TRUE);
  Pump();
  GetClientRect(client, &area);
  GetClientRect(form, &inside);
  EXPECT_EQ(inside.right, area.right);
  EXPECT_EQ(inside.bottom, area.bottom);
  SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(form), 0);
}

TEST_F(FrameTest, MoveWindowGivesTheClientSizeTheCallerMeant) {
  const HMENU menu = CreateMenu();
  AppendMenuW(menu, MF_STRING, 1, L"&Menu");
  const struct {
    const char* name;
    DWORD style, ex_style;
    bool menu;
  } cases[] = {
      {"sizable", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, false},
      {"dialog frame", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE, WS_EX_DLGMODALFRAME, false},
      {"tool window", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE, WS_EX_TOOLWINDOW, false},
      {"menu", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, true},
      {"scroll bars", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, false},
      {"border only", WS_POPUP | WS_BORDER | WS_VISIBLE, 0, false},
  };
  for (const auto& c : cases) {
    HWND w = Form(c.style, {200, 100}, c.ex_style);
    if (c.menu) SetMenu(w, menu);
    for (const SIZE want : {SIZE{320, 200}, SIZE{250, 150}}) {
      SIZE outer = OuterFor(want, c.style, c.ex_style, c.menu);
      if (c.style & WS_VSCROLL) outer.cx += GetSystemMetrics(SM_CXVSCROLL);
      if (c.style & WS_HSCROLL) outer.cy += GetSystemMetrics(SM_CYHSCROLL);
      MoveWindow(w, 30, 30, outer.cx, outer.cy, TRUE);
      const SIZE client = ClientSize(w);
      EXPECT_EQ(client.cx, want.cx) << c.name;
      EXPECT_EQ(client.cy, want.cy) << c.name;
    }
    if (c.menu) SetMenu(w, nullptr);
  }
  DestroyMenu(menu);
}

TEST_F(FrameTest, WideCaptionRoundTripsAndIsDrawnWide) {
  const wchar_t kTitle[] = L"\u4e2d\u6587\u6807\u9898 \u7f16\u8f91";  // Chinese, not in code page 1252
  HWND w = Dialog(WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE, L"x", 200, 60);
  ASSERT_TRUE(IsWindowUnicode(w));
  FrameWindow* f = FrameOf(w);
  ASSERT_NE(f, nullptr);
  SetWindowTextW(w, kTitle);
  Repaint(w);
  wchar_t back[64] = {};
  EXPECT_EQ(GetWindowTextW(w, back, 64), static_cast<int>(wcslen(kTitle)));
  EXPECT_STREQ(back, kTitle);
  // A buffer too short for the text gets as much as fits, terminated.
  wchar_t short_buffer[3] = {L'?', L'?', L'?'};
  EXPECT_EQ(SendMessageW(w, WM_GETTEXT, 3, reinterpret_cast<LPARAM>(short_buffer)), 2);
  EXPECT_EQ(std::wstring(short_buffer), std::wstring(kTitle, 2));

  // The caption draws the characters themselves: another Chinese caption of
  // the same length looks different (missing glyphs would all be the same
  // box), and so do the question marks an 8-bit copy would turn them into.
  const RECT text{f->layout.text.left, f->layout.text.top, f->layout.text.right, f->layout.text.bottom};
  ASSERT_FALSE(IsRectEmpty(&text));
  const std::vector<COLORREF> shown = CaptionPixels(w, text);
  const COLORREF background = shown.front();
  EXPECT_GT(std::count_if(shown.begin(), shown.end(), [&](COLORREF c) { return c != background; }), 20)
      << "something is drawn";
  SetWindowTextW(w, L"\u5929\u6c14\u9884\u62a5 \u6d4b\u8bd5");
  Repaint(w);
  EXPECT_NE(CaptionPixels(w, text), shown);
  SetWindowTextW(w, L"???? ??");
  Repaint(w);
  EXPECT_NE(CaptionPixels(w, text), shown);
  SetWindowTextW(w, kTitle);
  Repaint(w);
  EXPECT_EQ(CaptionPixels(w, text), shown) << "the same caption draws the same";
}

TEST_F(FrameTest, AnsiWindowsKeepTheirEightBitCaption) {
  HWND w = Form(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_FALSE(IsWindowUnicode(w));
  SetWindowTextA(w, "Form caption");
  char back[32] = {};
  EXPECT_EQ(GetWindowTextA(w, back, sizeof back), 12);
  EXPECT_STREQ(back, "Form caption");
  EXPECT_EQ(FrameOf(w)->caption_ansi, "Form caption");

  // An ANSI dialog serves its kept copy by bytes and never splits a
  // double-byte character (code page 936: "\u4e2d\u6587\u6807" in three pairs).
  HWND dialog = CreateWindowExA(0, "#32770", "x", WS_POPUP | WS_CAPTION | WS_VISIBLE, 50, 50, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_NE(FrameOf(dialog), nullptr);
  ASSERT_FALSE(IsWindowUnicode(dialog));
  const char text[] = "\xD6\xD0\xCE\xC4\xB1\xEA";
  SetWindowTextA(dialog, text);
  char buffer[8] = {};
  std::fill(std::begin(buffer), std::end(buffer), '#');
  const LRESULT got = SendMessageA(dialog, WM_GETTEXT, 4, reinterpret_cast<LPARAM>(buffer));
  if (GetACP() == 936) {
    EXPECT_EQ(got, 2);
    EXPECT_EQ(std::string(buffer), std::string(text, 2));
  } else {
    EXPECT_EQ(got, 3);
    EXPECT_EQ(std::string(buffer), std::string(text, 3));
  }
  DestroyWindow(dialog);
}

TEST_F(FrameTest, ShownWindowsDrawTheActivationTheyHave) {
  const DWORD style = WS_OVERLAPPEDWINDOW;
  HWND first = Form(style);
  ShowWindow(first, SW_SHOW);
  Pump();
  ASSERT_EQ(GetActiveWindow(), first);
  EXPECT_TRUE(FrameOf(first)->active);
  HWND second = Form(style);
  ShowWindow(second, SW_SHOW);
  Pump();
  EXPECT_TRUE(FrameOf(second)->active);
  EXPECT_FALSE(FrameOf(first)->active);
  // Shown without activation: drawn inactive.
  HWND third = Form(style);
  ShowWindow(third, SW_SHOWNOACTIVATE);
  Pump();
  EXPECT_FALSE(FrameOf(third)->active);
  EXPECT_TRUE(FrameOf(second)->active);
}

// A skin whose frame is absurd in every way a damaged file can make it.
std::vector<std::uint8_t> DamagedFrameSkin() {
  tbx::SkinSource skin = tbx::MakeSampleSkin(11, 0);
  const std::int32_t extremes[] = {2000000000, -2000000000, 0, 0x7FFFFFFF, -1, 5000, 1};
  for (std::size_t i = 0; i < 48 && i < skin.parts.size(); ++i) {
    SkinPart& p = skin.parts[i];
    p.width = extremes[i % 7];
    p.height = extremes[(i + 3) % 7];
    p.left_margin = extremes[(i + 1) % 7];
    p.bottom_margin = extremes[(i + 2) % 7];
    p.transparent = i % 2 ? 0x00FF00FF : 0x00FFFFFF;
  }
  for (auto& pair : skin.offset_pairs) pair = {-2147483647 - 1, 2147483647};
  for (int metric : {1, 13, 14, 17}) {
    if (static_cast<std::size_t>(metric) < skin.metrics.size()) skin.metrics[static_cast<std::size_t>(metric)] = 2000000000;
  }
  return tbx::BuildSkinBlock(skin);
}

TEST_F(FrameTest, DamagedSkinAndHostileMessagesLeaveWindowsUsable) {
  const std::vector<std::uint8_t> block = DamagedFrameSkin();
  ASSERT_EQ(LoadSkinModel(block), 1);
  const HMENU menu = CreateMenu();
  AppendMenuW(menu, MF_STRING, 100, L"&Item");
  HWND form = Form(WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE);
  SetMenu(form, menu);
  HWND dialog = Dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CONTEXTHELP | WS_VISIBLE, L"damaged");
  HWND tool = Form(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, {120, 80}, WS_EX_TOOLWINDOW);
  for (HWND w : {form, dialog, tool}) {
    ASSERT_NE(FrameOf(w), nullptr);
    SetWindowTextW(w, L"\u4e2d\u6587 caption");
    Repaint(w);
    SetWindowPos(w, nullptr, 0, 0, 50, 30, SWP_NOMOVE | SWP_NOZORDER);
    Repaint(w);
    const RECT wr = WindowRectOf(w);
    EXPECT_LT(wr.right - wr.left, 32767);
    EXPECT_LT(wr.bottom - wr.top, 32767);
    RECT client{};
    GetClientRect(w, &client);
    EXPECT_GE(client.right, 0);
    EXPECT_GE(client.bottom, 0);
    // Hostile calls: no buffer or no room for the caption the frame serves
    // (a dialog's), codes no frame gives, far points.
    if (w == dialog) {
      EXPECT_EQ(SendMessageW(w, WM_GETTEXT, 16, 0), 0);
      wchar_t one[1] = {L'x'};
      EXPECT_EQ(SendMessageW(w, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(one)), 0);
      EXPECT_EQ(one[0], L'x');
      EXPECT_EQ(SendMessageW(w, WM_GETTEXT, 1, reinterpret_cast<LPARAM>(one)), 0);
      EXPECT_EQ(one[0], L'\0');
    }
    for (WPARAM code : {WPARAM{0}, WPARAM{9999}, WPARAM{0x1234}, static_cast<WPARAM>(-1)}) {
      SendMessageW(w, WM_NCMOUSEMOVE, code, MAKELPARAM(-30000, 30000));
      SendMessageW(w, WM_NCLBUTTONUP, code, MAKELPARAM(-30000, 30000));
      SendMessageW(w, WM_NCLBUTTONDBLCLK, code, MAKELPARAM(-30000, 30000));
    }
    SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(-32000, -32000));
    SendMessageW(w, WM_CTLCOLORSTATIC, 0, 0);
    SendMessageW(w, kActivationCheckMessage, 0, 0);
    SendMessageW(w, WM_SETTEXT, 0, 0);
    EXPECT_EQ(GetWindowTextLengthW(w), 0);
    SendMessageW(w, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(w, WM_NCACTIVATE, TRUE, 0);
    Repaint(w);
  }
  // The editor's skin back: the windows take it at their next layout.
  Tebix_Attach();
  for (HWND w : {form, dialog, tool}) Repaint(w);
  EXPECT_TRUE(IsWindow(form) && IsWindow(dialog) && IsWindow(tool));
}

TEST_F(FrameTest, MenuBarRowsHitCodeAndClicks) {
  const HMENU bar = CreateMenu();
  const HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, 201, L"&Open");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(bar, MF_STRING, 202, L"&Run");
  AppendMenuW(bar, MF_STRING | MF_GRAYED, 203, L"&Off");
  const DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
  HWND w = Form(style);
  const SIZE before = ClientSize(w);
  SetMenu(w, bar);
  Repaint(w);
  FrameWindow* f = FrameOf(w);
  ASSERT_NE(f, nullptr);
  // One row of the skin's height below the caption; the window kept its size.
  const int row = SkinMetric(13);
  EXPECT_EQ(f->menu_bar.rows, 1);
  EXPECT_EQ(ClientSize(w).cy, before.cy - row);
  EXPECT_EQ(f->layout.menu_bar.top, frame::BordersOf(Normal()).caption);
  EXPECT_EQ(f->layout.menu_bar.height(), row);
  const RECT wr = WindowRectOf(w);
  auto item_centre = [&](int index) {
    RECT r{};
    GetMenuItemRect(w, bar, static_cast<UINT>(index), &r);
    const MENUBARINFO info = [&] {
      MENUBARINFO i{};
      i.cbSize = sizeof i;
      GetMenuBarInfo(w, OBJID_MENU, 0, &i);
      return i;
    }();
    const int x = f->layout.menu_bar.left + (r.left + r.right) / 2 - info.rcBar.left;
    return MAKELPARAM(wr.left + x, wr.top + f->layout.menu_bar.top + row / 2);
  };
  EXPECT_EQ(HitAt(w, item_centre(0)), 0x1234);
  // A plain item sends its command; a grayed one nothing.
  g_menu_commands.clear();
  SendMessageW(w, WM_NCLBUTTONDOWN, 0x1234, item_centre(1));
  SendMessageW(w, WM_NCLBUTTONDOWN, 0x1234, item_centre(2));
  EXPECT_EQ(g_menu_commands, std::vector<WPARAM>{202});
  // An item with a drop-down opens it under the item.
  g_drop_downs.clear();
  SendMessageW(w, WM_NCLBUTTONDOWN, 0x1234, item_centre(0));
  ASSERT_EQ(g_drop_downs.size(), 1u);
  EXPECT_EQ(g_drop_downs[0].top, wr.top + f->layout.menu_bar.top + row);
  EXPECT_EQ(f->button_state, 0) << "nothing left open";
  SetMenu(w, nullptr);
  DestroyMenu(bar);
}

TEST_F(FrameTest, EveryKindOfFrameGetsItsOwnTable) {
  RegisterPlainClass(L"Afx:400000:8:10003:0:77");
  RegisterPlainClass(L"FrameTestMdiHost");
  RegisterSuperclassA("ThunderRT6MDIForm", "Static");  // any procedure will do; it is framed on first paint
  HWND dialog = Dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, L"dialog");
  HWND form = Form(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND mfc = Make(L"Afx:400000:8:10003:0:77", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, 300, 200, L"mfc");
  HWND mfc_no_caption = Make(L"Afx:400000:8:10003:0:77", WS_POPUP | WS_VISIBLE, 0, nullptr, 100, 60);
  HWND mdi_form = Make(L"ThunderRT6MDIForm", WS_OVERLAPPEDWINDOW, 0, nullptr, 300, 200, L"mdi form");
  EXPECT_EQ(FrameOf(mdi_form), nullptr) << "an MDI form waits for its first paint";
  ShowWindow(mdi_form, SW_SHOW);
  UpdateWindow(mdi_form);
  Pump();
  HWND host = Make(L"FrameTestMdiHost", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, nullptr, 500, 400);
  CLIENTCREATESTRUCT ccs{nullptr, 0xFF00};
  HWND client = CreateWindowExW(0, L"MDIClient", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 400, 300,
                                host, nullptr, GetModuleHandleW(nullptr), &ccs);
  MDICREATESTRUCTA form_child{kFormClass, "child form", GetModuleHandleA(nullptr), 0, 0, 200, 150, 0, 0};
  auto mdi_child_form =
      reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&form_child)));
  MDICREATESTRUCTW mfc_child{L"Afx:400000:8:10003:0:77", L"mfc child", GetModuleHandleW(nullptr), 20, 20, 200, 150,
                             0, 0};
  auto mfc_mdi_child =
      reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mfc_child)));
  const struct {
    const char* name;
    HWND window;
    FrameType type;
  } cases[] = {
      {"dialog", dialog, FrameType::kDialog},
      {"form", form, FrameType::kForm},
      {"MDI form", mdi_form, FrameType::kMdiForm},
      {"MDI child form", mdi_child_form, FrameType::kMdiChildForm},
      {"MFC main frame", mfc, FrameType::kMfcMain},
      {"MFC MDI child frame", mfc_mdi_child, FrameType::kMfcMdiChild},
  };
  for (const auto& c : cases) {
    ASSERT_NE(c.window, nullptr) << c.name;
    const FrameWindow* f = FrameOf(c.window);
    ASSERT_NE(f, nullptr) << c.name;
    EXPECT_EQ(f->type, c.type) << c.name;
    EXPECT_EQ(f->choice, frame::Choice::kNormal) << c.name;
    EXPECT_TRUE(HasProperty(c.window, "Tebix_WndSz")) << c.name;
    EXPECT_TRUE(HasProperty(c.window, "Scroll_Prop")) << c.name;
    EXPECT_TRUE(HasProperty(c.window, "Tebix_Attached")) << c.name;
  }
  EXPECT_EQ(FrameOf(mfc_no_caption), nullptr) << "MFC windows without caption bits are not frames";
  SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(mdi_child_form), 0);
  SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(mfc_mdi_child), 0);
}

TEST_F(FrameTest, IconIsDrawnAndOpensTheSystemMenu) {
  g_swallow_commands = true;
  HWND w = Form(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  FrameWindow* f = FrameOf(w);
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->layout.icon.empty()) << "no icon yet";
  const OffsetPair at = Normal().offset_pairs[4], size = Normal().offset_pairs[5];
  const RECT icon{at.dx, at.dy, at.dx + size.dx, at.dy + size.dy};
  const std::vector<COLORREF> without = CaptionPixels(w, icon);
  SendMessageW(w, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LoadIconW(nullptr, IDI_APPLICATION)));
  Repaint(w);
  EXPECT_EQ(f->layout.icon, (frame::Rect{icon.left, icon.top, icon.right, icon.bottom}));
  EXPECT_NE(CaptionPixels(w, icon), without) << "the icon is drawn";
  const LPARAM centre = At(w, (icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2);
  EXPECT_EQ(HitAt(w, centre), HTSYSMENU);

  // A click on the icon opens the system menu below the caption, at the left border.
  const RECT wr = WindowRectOf(w);
  const frame::Borders b = frame::BordersOf(Normal());
  g_drop_downs.clear();
  SendMessageW(w, WM_NCLBUTTONDOWN, HTSYSMENU, centre);
  ASSERT_EQ(g_drop_downs.size(), 1u);
  EXPECT_EQ(g_drop_downs[0].left, wr.left + b.left);
  EXPECT_EQ(g_drop_downs[0].top, wr.top + b.caption);
  EXPECT_EQ(f->menu_bar.tracked_item, -1);
  // Right click on the caption: the system menu at the pointer.
  g_drop_downs.clear();
  const LPARAM caption = At(w, 100, b.caption / 2);
  SendMessageW(w, WM_NCRBUTTONDOWN, HTCAPTION, caption);
  SendMessageW(w, WM_NCRBUTTONUP, HTCAPTION, caption);
  ASSERT_EQ(g_drop_downs.size(), 1u);
  EXPECT_EQ(g_drop_downs[0].left, wr.left + 100);
  // A double click on the icon closes.
  g_commands.clear();
  SendMessageW(w, WM_NCLBUTTONDBLCLK, HTSYSMENU, centre);
  EXPECT_EQ(g_commands, std::vector<WPARAM>{SC_CLOSE});
}

}  // namespace
}  // namespace tebix::test
