// Every page builds real windows of the classes it promises, the VB6
// runtime's as ANSI windows and the others as Unicode ones, and leaves no
// window behind when it is closed. The library is never loaded here.
#include "tools/skin_gallery/pages.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

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
  EXPECT_EQ(frames, 7);
  ClosePage(panel);
}

}  // namespace
}  // namespace gallery
