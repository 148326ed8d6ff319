// Loading the library starts the engine, unloading it puts everything back;
// a thousand attach and detach cycles over a gallery page leave nothing
// behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "tests/skin_library/library_support.h"
#include "tools/skin_gallery/pages.h"

namespace tebix::test {
namespace {

// A gallery page in a window of its own, with every window's own procedure
// as it was made.
class GalleryPage {
 public:
  explicit GalleryPage(const wchar_t* name) {
    gallery::RegisterStandInClasses(GetModuleHandleW(nullptr));
    host_ = CreateWindowExW(0, L"Static", L"page", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                            gallery::kPageWidth, gallery::kPageHeight, nullptr, nullptr, nullptr, nullptr);
    panel_ = gallery::BuildPage(*gallery::FindPage(name), host_, RECT{0, 0, gallery::kPageWidth, gallery::kPageHeight});
    Pump();
    for (HWND w : Windows()) procs_[w] = ProcOf(w);
  }
  ~GalleryPage() {
    gallery::ClosePage(panel_);
    DestroyWindow(host_);
    Pump();
  }
  std::vector<HWND> Windows() const { return gallery::PageWindows(panel_); }
  HWND panel() const { return panel_; }
  // Windows whose procedure is no longer their own, or that still carry the
  // engine's object properties.
  int StillSkinned() const {
    int n = 0;
    for (const auto& [w, proc] : procs_) {
      if (!IsWindow(w)) continue;
      n += ProcOf(w) != proc || HasProperty(w, "Tebix") || HasProperty(w, "Tebix_OldProc") ||
           HasProperty(w, "Tebix_NewProc");
    }
    return n;
  }
  int Skinned() const {
    int n = 0;
    for (HWND w : Windows()) n += HasProperty(w, "Tebix");
    return n;
  }

 private:
  HWND host_ = nullptr;
  HWND panel_ = nullptr;
  std::map<HWND, WNDPROC> procs_;
};

TEST(Lifecycle, UnloadPutsBackEveryEntryPointProcedureAndObject) {
  const EntryBytes original = InterceptedEntryBytes();
  GalleryPage page(L"other");
  std::vector<unsigned char> skin = DefaultSkin();
  auto cycle = [&] {
    Library library;
    ASSERT_TRUE(library.loaded());
    EXPECT_NE(InterceptedEntryBytes(), original) << "patched while loaded";
    ASSERT_EQ(library.AttachRes(skin.data(), static_cast<int>(skin.size()), "", 0, 0, 0), 0);
    EXPECT_GT(page.Skinned(), 0);
    HWND late = CreateWindowExW(WS_EX_CLIENTEDGE, L"msctls_hotkey32", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20,
                                page.panel(), nullptr, nullptr, nullptr);
    EXPECT_TRUE(HasProperty(late, "Tebix"));
    Pump();
    library.Unload();
    EXPECT_EQ(InterceptedEntryBytes(), original);
    EXPECT_EQ(page.StillSkinned(), 0);
    EXPECT_FALSE(HasProperty(late, "Tebix"));
    SendMessageW(late, WM_GETTEXTLENGTH, 0, 0);  // its procedure is its own again
    DestroyWindow(late);
    Pump();
  };
  cycle();  // the first load allocates what stays for the process
  const int gdi = GdiObjectCount();
  const std::size_t heap = HeapBytesInUse();
  const int kCycles = 5;
  for (int i = 0; i < kCycles; ++i) cycle();
  std::printf("after %d load cycles: GDI objects %d -> %d, heap bytes %zu -> %zu\n", kCycles, gdi, GdiObjectCount(),
              heap, HeapBytesInUse());
  EXPECT_LE(GdiObjectCount(), gdi);
  // The system's loader keeps about a kilobyte of its own per load.
  EXPECT_LE(HeapBytesInUse(), heap + kCycles * 2048);
}

TEST(Lifecycle, AThousandCyclesOfAttachDetachMapAndReattachLeaveNothingBehind) {
  Library library;
  ASSERT_TRUE(library.loaded());
  std::vector<unsigned char> skin = DefaultSkin();
  const int size = static_cast<int>(skin.size());
  GalleryPage page(L"other");
  const std::vector<HWND> windows = page.Windows();
  ASSERT_GE(windows.size(), 4u);
  int gdi = 0;
  std::size_t heap = 0;
  const int kCycles = 1000, kSettled = 20;
  for (int cycle = 0; cycle < kCycles; ++cycle) {
    ASSERT_EQ(library.AttachRes(skin.data(), size, "", 0, 0, 0), 0);
    // Windows come and go while the skin is on.
    // (Not the IP-address control: Wine's leaks a GDI object with each one.)
    HWND passing = CreateWindowExW(WS_EX_CLIENTEDGE, cycle % 2 ? L"SysAnimate32" : L"msctls_hotkey32", L"",
                                   WS_CHILD | WS_VISIBLE, 0, 0, 60, 20, page.panel(), nullptr, nullptr, nullptr);
    ASSERT_TRUE(HasProperty(passing, "Tebix"));
    EXPECT_EQ(library.Map(windows[cycle % windows.size()], cycle), 0);
    EXPECT_EQ(library.Detach(), 0);
    ASSERT_EQ(page.StillSkinned(), 0) << "cycle " << cycle;
    ASSERT_FALSE(HasProperty(passing, "Tebix"));
    DestroyWindow(passing);
    // Re-attach, take one window off for good, map another, detach again.
    ASSERT_EQ(library.AttachRes(skin.data(), size, "", 0, 0, 0), 0);
    HWND excluded = CreateWindowExW(0, L"msctls_hotkey32", L"", WS_CHILD, 0, 0, 10, 10, page.panel(), nullptr,
                                    nullptr, nullptr);
    EXPECT_EQ(library.DetachEx(excluded), 0);
    EXPECT_EQ(library.Map(excluded, 1), 0);
    EXPECT_FALSE(HasProperty(excluded, "Tebix"));
    EXPECT_EQ(library.Detach(), 0);
    DestroyWindow(excluded);
    if (cycle % 50 == 0) Pump();
    if (cycle == kSettled) {
      Pump();
      gdi = GdiObjectCount();
      heap = HeapBytesInUse();
    }
  }
  Pump();
  std::printf("cycles %d..%d: GDI objects %d -> %d, heap bytes %zu -> %zu\n", kSettled, kCycles, gdi,
              GdiObjectCount(), heap, HeapBytesInUse());
  EXPECT_LE(GdiObjectCount(), gdi);
  EXPECT_LE(HeapBytesInUse(), heap + 16384);
  EXPECT_EQ(page.StillSkinned(), 0);
}

TEST(Lifecycle, ProcessEndsNormallyWithTheSkinStillAttached) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const std::string folder = BuildFolder();
  const std::wstring exe = std::wstring(folder.begin(), folder.end()) + L"skin_exit_host.exe";
  ASSERT_TRUE(CreateProcessW(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 7u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
}  // namespace tebix::test
