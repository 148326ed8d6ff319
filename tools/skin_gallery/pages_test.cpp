// Every page builds real windows of the classes it promises, the VB6
// runtime's as ANSI windows and the others as Unicode ones, keeps them inside
// the page area and apart, and leaves no window behind when it is closed;
// the painted stand-ins draw on button face. The library is never loaded here.
#include "tools/skin_gallery/pages.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tools/skin_gallery/page_kit.h"

namespace gallery {
namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[128] = L"";
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

// Every window of this thread: the top-level ones (ownerless, owned, and the
// combo boxes' drop-down lists) and all their descendants.
BOOL CALLBACK AddChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

BOOL CALLBACK AddTopLevel(HWND top, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(top);
  EnumChildWindows(top, AddChild, list);
  return TRUE;
}

std::vector<HWND> ThreadWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), AddTopLevel, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::multimap<std::wstring, HWND> ByClass(const std::vector<HWND>& windows) {
  std::multimap<std::wstring, HWND> byClass;
  for (HWND window : windows) byClass.emplace(ClassOf(window), window);
  return byClass;
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

class PagesTest : public testing::Test {
 protected:
  void SetUp() override {
    host_ = CreateWindowExW(0, L"Static", L"gallery test host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                            800, 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(host_, nullptr);
  }
  void TearDown() override { DestroyWindow(host_); }

  HWND Build(const Page& page) { return BuildPage(page, host_, RECT{0, 0, kPageWidth, kPageHeight}); }

  HWND host_ = nullptr;
};

std::set<std::wstring> g_whileMenuOpen;

void CALLBACK LookWhileMenuOpen(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  for (HWND window : ThreadWindows()) g_whileMenuOpen.insert(ClassOf(window));
  EndMenu();
}

// Opens the sample menu and names the classes of the thread's windows while
// it is open (the menu's own windows are gone once it has closed).
std::set<std::wstring> ClassesWhileMenuOpen(HWND owner) {
  g_whileMenuOpen.clear();
  SetTimer(nullptr, 0, 300, LookWhileMenuOpen);
  ShowSampleMenu(owner, POINT{40, 40});
  return g_whileMenuOpen;
}

TEST_F(PagesTest, EveryPageShowsItsClassesAndLeavesNothingBehind) {
  for (const Page& page : Pages()) {
    SCOPED_TRACE(testing::Message() << "page " << testing::PrintToString(std::wstring(page.name)));
    const std::vector<HWND> before = ThreadWindows();
    const HWND panel = Build(page);
    ASSERT_NE(panel, nullptr);
    Pump();

    const std::vector<HWND> built = ThreadWindows();
    const auto byClass = ByClass(built);
    std::set<std::wstring> whileMenuOpen;
    for (const ShownClass& shown : ShownClasses()) {
      if (std::wstring_view(shown.page) != page.name) continue;
      SCOPED_TRACE(testing::Message() << "class " << testing::PrintToString(std::wstring(shown.className)));
      if (shown.onlyWhileMenuOpen) {
        if (whileMenuOpen.empty()) whileMenuOpen = ClassesWhileMenuOpen(panel);
        EXPECT_TRUE(whileMenuOpen.count(shown.className)) << "no window of the class while the menu is open";
        continue;
      }
      std::vector<HWND> windows;
      for (auto [it, end] = byClass.equal_range(shown.className); it != end; ++it)
        windows.push_back(it->second);
      ASSERT_FALSE(windows.empty()) << "no live window of the class";
      if (shown.charset == Charset::kEither) continue;
      for (HWND window : windows) {
        EXPECT_EQ(IsWindowUnicode(window) != FALSE, shown.charset == Charset::kUnicode);
      }
    }

    // Everything the page made, frames included, is a page window.
    const std::vector<HWND> listed = PageWindows(panel);
    const std::set<HWND> pageWindows(listed.begin(), listed.end()), old(before.begin(), before.end());
    for (HWND window : built) {
      if (window == panel || old.count(window)) continue;
      EXPECT_TRUE(pageWindows.count(window)) << testing::PrintToString(ClassOf(window)) << " not listed";
    }

    ClosePage(panel);
    Pump();
    std::vector<std::wstring> left;
    for (HWND window : ThreadWindows()) {
      if (!old.count(window)) left.push_back(ClassOf(window));
    }
    EXPECT_TRUE(left.empty()) << "left behind: " << testing::PrintToString(left);
  }
}

TEST_F(PagesTest, EveryShownClassBelongsToAPage) {
  std::set<std::wstring> names;
  for (const Page& page : Pages()) names.insert(page.name);
  for (const ShownClass& shown : ShownClasses()) {
    EXPECT_TRUE(names.count(shown.page)) << testing::PrintToString(std::wstring(shown.className));
  }
}

TEST_F(PagesTest, FramesBelongToTheHostAndStayHiddenWithIt) {
  const HWND panel = Build(*FindPage(L"frames"));
  int frames = 0;
  for (HWND window : PageWindows(panel)) {
    if (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) continue;
    ++frames;
    EXPECT_EQ(GetWindow(window, GW_OWNER), host_) << testing::PrintToString(ClassOf(window));
    EXPECT_FALSE(IsWindowVisible(window)) << testing::PrintToString(ClassOf(window));
  }
  EXPECT_EQ(frames, 11);
  ClosePage(panel);
}

bool IsGroupBox(HWND window) {
  const std::wstring name = ClassOf(window);
  return (name == L"Button" || name == L"ThunderRT6Frame" || name == L"ThunderFrame") &&
         (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

std::wstring Describe(HWND window) {
  wchar_t text[64] = L"";
  GetWindowTextW(window, text, static_cast<int>(std::size(text)));
  return ClassOf(window) + L" \"" + text + L"\"";
}

// An up-down control sits on the edge of its buddy.
bool AreBuddies(HWND a, HWND b) {
  return reinterpret_cast<HWND>(SendMessageW(a, UDM_GETBUDDY, 0, 0)) == b ||
         reinterpret_cast<HWND>(SendMessageW(b, UDM_GETBUDDY, 0, 0)) == a;
}

TEST_F(PagesTest, ControlsStayInsideThePageAreaAndApart) {
  for (const Page& page : Pages()) {
    SCOPED_TRACE(testing::Message() << "page " << testing::PrintToString(std::wstring(page.name)));
    const HWND panel = Build(page);
    std::vector<std::pair<HWND, RECT>> placed;
    for (HWND child = GetWindow(panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT r;
      GetWindowRect(child, &r);
      MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
      EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= kPageWidth && r.bottom <= kPageHeight)
          << testing::PrintToString(Describe(child)) << " reaches " << r.right << ", " << r.bottom;
      if (IsGroupBox(child)) continue;  // around its members
      for (const auto& [other, o] : placed) {
        RECT overlap;
        if (!IntersectRect(&overlap, &r, &o) || AreBuddies(child, other)) continue;
        ADD_FAILURE() << testing::PrintToString(Describe(child)) << " overlaps "
                      << testing::PrintToString(Describe(other));
      }
      placed.emplace_back(child, r);
    }
    ClosePage(panel);
  }
}

// The library turns the button face of self-painting controls into the skin
// background and keeps whatever they draw in other colours: every painted
// stand-in fills its whole client area, some of it button face, some not.
TEST_F(PagesTest, PaintedStandInsDrawOnButtonFace) {
  struct Case {
    const wchar_t* page;
    std::vector<const wchar_t*> classes;
  };
  const Case cases[] = {
      {L"grids",
       {L"ApexGrid.19", L"DataGridWndClass", L"MSFlexGridWndClass", L"MSHFlexGridWndClass", L"VSFlexGrid8L",
        L"DataComboWndClass", L"DBComboWndClass", L"DBListWndClass", L"DataListWndClass"}},
      {L"tabs", {L"SSTabCtlWndClass", L"ThunderRT6PictureBoxDC", L"ThunderPictureBoxDC"}},
  };
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const std::uint32_t facePixel = GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face);
  constexpr std::uint32_t kUnpainted = 0xFF00FF;
  for (const Case& c : cases) {
    const HWND panel = Build(*FindPage(c.page));
    const std::vector<HWND> windows = PageWindows(panel);
    for (const wchar_t* className : c.classes) {
      SCOPED_TRACE(testing::PrintToString(std::wstring(className)));
      const auto found =
          std::find_if(windows.begin(), windows.end(), [&](HWND w) { return ClassOf(w) == className; });
      ASSERT_NE(found, windows.end());
      RECT client;
      GetClientRect(*found, &client);
      BITMAPINFO info{};
      info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
      void* bits = nullptr;
      const HDC dc = CreateCompatibleDC(nullptr);
      const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
      ASSERT_NE(bitmap, nullptr);
      const HGDIOBJ old = SelectObject(dc, bitmap);
      auto* pixels = static_cast<std::uint32_t*>(bits);
      const std::size_t count =
          static_cast<std::size_t>(client.right) * static_cast<std::size_t>(client.bottom);
      std::fill(pixels, pixels + count, kUnpainted);
      SendMessageW(*found, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
      GdiFlush();
      const auto faces = std::count(pixels, pixels + count, facePixel);
      const auto unpainted = std::count(pixels, pixels + count, kUnpainted);
      EXPECT_EQ(unpainted, 0);
      EXPECT_GT(faces, 0) << "a button-face background";
      EXPECT_GT(static_cast<std::ptrdiff_t>(count) - faces - unpainted, 0) << "content in other colours";
      SelectObject(dc, old);
      DeleteObject(bitmap);
      DeleteDC(dc);
    }
    ClosePage(panel);
  }
}

TEST(PageKitTest, ScrollCodesStayInTheRange) {
  const HWND bar = CreateWindowExW(0, L"ScrollBar", L"", WS_POPUP | SBS_HORZ, 0, 0, 200, 17, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(bar, nullptr);
  struct Case {
    int position;
    WPARAM code;
    int expected;
  };
  // Range 0..100 with a page of 10: the last position is 91.
  for (const Case& c :
       {Case{30, SB_LINEDOWN, 31}, Case{30, SB_LINEUP, 29}, Case{0, SB_LINEUP, 0}, Case{91, SB_LINEDOWN, 91},
        Case{30, SB_PAGEDOWN, 40}, Case{85, SB_PAGEDOWN, 91}, Case{5, SB_PAGEUP, 0}, Case{50, SB_TOP, 0},
        Case{50, SB_BOTTOM, 91}, Case{50, SB_ENDSCROLL, 50}}) {
    kit::SetScroll(bar, SB_CTL, 0, 100, 10, c.position);
    EXPECT_EQ(kit::Scroll(bar, SB_CTL, c.code), c.expected) << c.position << " code " << c.code;
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), c.expected);
  }
  DestroyWindow(bar);
}

}  // namespace
}  // namespace gallery
