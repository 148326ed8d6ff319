// The exports' results, hostile calls included, and their effect on real
// windows, through the library loaded by name.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "tests/skin_library/library_support.h"

namespace tebix::test {
namespace {

constexpr wchar_t kBadFile[] = L"无效的皮肤文件!";
constexpr wchar_t kBadFormat[] = L"无效的皮肤格式!";

// A host's subclass below the skin, recording the engine's messages.
WNDPROC g_next = nullptr;
std::vector<std::pair<UINT, WPARAM>> g_engine_messages;
LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message >= 0x6A00 && message < 0x6B00) g_engine_messages.emplace_back(message, wparam);
  return CallWindowProcW(g_next, window, message, wparam, lparam);
}

class ExportsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_HOTKEY_CLASS | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    parent_ = CreateWindowExW(0, L"Static", L"exports", WS_POPUP | WS_VISIBLE, 30, 30, 300, 200, nullptr, nullptr,
                              nullptr, nullptr);
    // Made before the library is loaded: reached by the attach probe.
    hotkey_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"msctls_hotkey32", L"", WS_CHILD | WS_VISIBLE, 10, 10, 120, 24,
                              parent_, nullptr, nullptr, nullptr);
    own_proc_ = ProcOf(hotkey_);
    g_next = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hotkey_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostProc)));
    g_engine_messages.clear();
    library_ = std::make_unique<Library>();
    ASSERT_TRUE(library_->loaded());
  }
  void TearDown() override {
    library_.reset();
    DestroyWindow(parent_);
    Pump();
  }
  bool Skinned(HWND w) const { return HasProperty(w, "Tebix"); }

  std::unique_ptr<Library> library_;
  HWND parent_ = nullptr, hotkey_ = nullptr;
  WNDPROC own_proc_ = nullptr;
  std::vector<unsigned char> skin_ = DefaultSkin();
  MessageBoxWatcher boxes_;
};

TEST_F(ExportsTest, CallsWithoutASkinAnswerAndChangeNothing) {
  Library& l = *library_;
  const HWND gone = reinterpret_cast<HWND>(0x1234);
  EXPECT_EQ(l.Detach(), 1);
  EXPECT_EQ(l.Detach(), 1);
  EXPECT_EQ(l.AdjustHsv(10, 0, 0), 1);
  EXPECT_EQ(l.Map(gone, 0), 1);
  EXPECT_EQ(l.Map(nullptr, 0), 1);
  EXPECT_EQ(l.DetachEx(gone), 0);
  EXPECT_EQ(l.Alpha(gone, 128), 1);
  EXPECT_EQ(l.GetColor(gone, 0, 0), CLR_INVALID);
  EXPECT_EQ(l.Map(hotkey_, 5), 0);
  EXPECT_FALSE(Skinned(hotkey_));
  // A null block loads "tebix.tbx" from the current folder: there is none here.
  wchar_t folder[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, folder);
  SetCurrentDirectoryW(L"C:\\");
  EXPECT_EQ(l.AttachRes(nullptr, 0, "", 0, 0, 0), 0);
  SetCurrentDirectoryW(folder);
  EXPECT_EQ(boxes_.TakeTexts(), std::vector<std::wstring>{kBadFile});
  EXPECT_EQ(l.AttachEx("no such skin.tbx", ""), 0);
  EXPECT_EQ(boxes_.TakeTexts(), std::vector<std::wstring>{kBadFile});
  // The block is read no further than the length given: a short length is a damaged skin.
  EXPECT_EQ(l.AttachRes(skin_.data(), static_cast<int>(skin_.size()) - 1, "", 0, 0, 0), 0);
  EXPECT_EQ(boxes_.TakeTexts(), std::vector<std::wstring>{kBadFormat});
  EXPECT_EQ(l.AttachRes(skin_.data(), 3, "", 0, 0, 0), 0);
  EXPECT_EQ(boxes_.TakeTexts(), std::vector<std::wstring>{kBadFormat});
  EXPECT_FALSE(Skinned(hotkey_));
  EXPECT_EQ(l.Detach(), 1) << "still no skin";
  EXPECT_EQ(ProcOf(hotkey_), &HostProc);
}

TEST_F(ExportsTest, AttachSkinsTheWindowsDetachGivesThemBack) {
  Library& l = *library_;
  EXPECT_EQ(l.AttachRes(skin_.data(), static_cast<int>(skin_.size()), "", 0, 0, 0), 0);
  EXPECT_TRUE(boxes_.TakeTexts().empty());
  ASSERT_TRUE(Skinned(hotkey_));
  EXPECT_EQ(GetPropA(hotkey_, "Tebix_OldProc"), reinterpret_cast<HANDLE>(&HostProc));
  EXPECT_EQ(g_engine_messages.front().first, 0x6A30u) << "the attach probe";
  // A later window is skinned as it is made.
  HWND later = CreateWindowExW(0, L"SysIPAddress32", L"", WS_CHILD | WS_VISIBLE, 10, 50, 120, 24, parent_, nullptr,
                               nullptr, nullptr);
  EXPECT_TRUE(Skinned(later));
  // A second attach replaces the skin under the same objects.
  HANDLE object = GetPropA(hotkey_, "Tebix");
  EXPECT_EQ(l.AttachEx((BuildFolder() + "skins\\dark.tbx").c_str(), "x"), 0);
  EXPECT_EQ(GetPropA(hotkey_, "Tebix"), object);
  // A damaged load keeps the skin in place.
  EXPECT_EQ(l.AttachRes(skin_.data(), 100, "", 0, 0, 0), 0);
  EXPECT_EQ(boxes_.TakeTexts(), std::vector<std::wstring>{kBadFormat});
  EXPECT_EQ(GetPropA(hotkey_, "Tebix"), object);

  g_engine_messages.clear();
  EXPECT_EQ(l.Detach(), 0);
  EXPECT_EQ(g_engine_messages.front().first, 0x6A21u) << "told before it lost its object";
  for (HWND w : {hotkey_, later}) {
    EXPECT_FALSE(Skinned(w));
    EXPECT_FALSE(HasProperty(w, "Tebix_OldProc"));
    EXPECT_FALSE(HasProperty(w, "Tebix_NewProc"));
  }
  EXPECT_EQ(ProcOf(hotkey_), &HostProc);
  EXPECT_EQ(l.Detach(), 1) << "two detaches in a row";
  HWND dormant = CreateWindowExW(0, L"msctls_hotkey32", L"", WS_CHILD, 0, 0, 10, 10, parent_, nullptr, nullptr, nullptr);
  EXPECT_FALSE(Skinned(dormant));
  EXPECT_EQ(l.Attach(), 0);
  EXPECT_TRUE(Skinned(hotkey_));
  EXPECT_TRUE(Skinned(dormant));
}

TEST_F(ExportsTest, MapGivesAFreshObjectAndDetachExKeepsTheWindowPlain) {
  Library& l = *library_;
  ASSERT_EQ(l.Attach(), 0);
  HANDLE first = GetPropA(hotkey_, "Tebix");
  ASSERT_NE(first, nullptr);
  g_engine_messages.clear();
  EXPECT_EQ(l.Map(hotkey_, 42), 0);
  const std::vector<std::pair<UINT, WPARAM>> map_messages = {{0x6A21u, 0}, {0x6A33u, 42}};
  EXPECT_EQ(g_engine_messages, map_messages);
  EXPECT_TRUE(Skinned(hotkey_));

  EXPECT_EQ(l.DetachEx(hotkey_), 0);
  EXPECT_FALSE(Skinned(hotkey_));
  EXPECT_TRUE(HasProperty(hotkey_, "Tebix_NoHook"));
  EXPECT_EQ(ProcOf(hotkey_), &HostProc);
  EXPECT_EQ(l.DetachEx(hotkey_), 1);
  EXPECT_EQ(l.Map(hotkey_, 0), 0);
  EXPECT_EQ(l.Attach(), 0);
  EXPECT_FALSE(Skinned(hotkey_)) << "never again while it lives";
}

TEST_F(ExportsTest, RefusedColourShiftStillSkinsTheWindowsQuietly) {
  Library& l = *library_;
  g_engine_messages.clear();
  EXPECT_EQ(l.AttachExt(nullptr, "", 400, 0, 0), 0);
  EXPECT_TRUE(Skinned(hotkey_));
  EXPECT_TRUE(g_engine_messages.empty()) << "no probe: the shift was refused";
  EXPECT_EQ(l.AdjustHsv(400, 0, 0), 1);
  EXPECT_EQ(l.AdjustHsv(120, 128, 128), 0);
  EXPECT_EQ(l.AttachExt(nullptr, "", 120, 128, 128), 0) << "every attach starts from no shift";
}

TEST_F(ExportsTest, WideWindowsKeepTheirText) {
  Library& l = *library_;
  ASSERT_EQ(l.Attach(), 0);
  HWND wide = CreateWindowExW(0, L"msctls_hotkey32", L"", WS_CHILD | WS_VISIBLE, 10, 90, 120, 24, parent_, nullptr,
                              nullptr, nullptr);
  ASSERT_TRUE(Skinned(wide));
  EXPECT_TRUE(IsWindowUnicode(wide));
  const wchar_t kText[] = L"机体能力 Ω";
  SetWindowTextW(wide, kText);
  wchar_t back[32] = {};
  GetWindowTextW(wide, back, 32);
  EXPECT_STREQ(back, kText);
}

}  // namespace
}  // namespace tebix::test
