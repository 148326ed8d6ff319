// The creation hook and the class dispatch on real windows.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <thread>

#include "skin/attach/engine_messages.h"
#include "skin/attach/interception.h"
#include "skin/attach/menu_interception.h"
#include "skin/core/colour_exports.h"
#include "skin/core/engine.h"
#include "skin/core/exports.h"
#include "skin/core/shifted_colour.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "tests/common/message_boxes.h"
#include "tests/skin_engine/engine_support.h"

namespace tebix::test {
namespace {

enum class Expect { kAttached, kMarked, kUnmarked };

struct Case {
  const wchar_t* class_name;
  DWORD style;
  DWORD ex_style;
  Expect expect;
};

// What a window is left with after its creation, with probes standing in for
// the renderers that do not exist yet and the real plain bordered control.
const Case kAtCreation[] = {
    {L"msctls_hotkey32", WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE, Expect::kAttached},  // the real renderer
    {L"SysIPAddress32", WS_CHILD | WS_VISIBLE, 0, Expect::kAttached},
    {L"ListBox", WS_CHILD | WS_VISIBLE, 0, Expect::kAttached},                    // probe
    {L"Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, Expect::kAttached},    // probe
    {L"Button", WS_CHILD | WS_VISIBLE | BS_PUSHBOX, 0, Expect::kUnmarked},       // style selects nothing
    {L"Button", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, Expect::kAttached},  // the real renderer
    {L"ComboBox", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, Expect::kAttached},  // the real renderer
    {L"msctls_progress32", WS_CHILD | WS_VISIBLE, 0, Expect::kUnmarked},           // its renderer left out
    {L"Edit", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, Expect::kUnmarked},  // deferred: attaches on paint
    {L"Static", WS_CHILD | WS_VISIBLE, 0, Expect::kMarked},
    {L"EngineTestPlain", WS_CHILD | WS_VISIBLE, 0, Expect::kMarked},
};

TEST_F(EngineTest, EngineRunsOnTheSystemItFinds) {
  EXPECT_EQ(SystemVersionFlag(), 1) << "Windows 6.1 as Wine reports it";
  EXPECT_TRUE(CreationHookInstalled());
  for (std::size_t i = 0; i < kHookedFunctionCount; ++i) {
    EXPECT_TRUE(IsIntercepted(static_cast<HookedFunction>(i))) << HookedFunctionName(static_cast<HookedFunction>(i));
  }
}

TEST_F(EngineTest, CreationAttachesMarksOrLeavesAlone) {
  UseProbesFor({RendererId::kListBox, RendererId::kPushButton, RendererId::kEdit});
  // A row whose renderer is missing leaves its windows unmarked.
  LeaveOut({RendererId::kProgressBar});
  RegisterPlainClass(L"EngineTestPlain");
  for (const Case& c : kAtCreation) {
    HWND w = Make(c.class_name, c.style, c.ex_style);
    ASSERT_NE(w, nullptr);
    const bool object = ObjectOf(w) != nullptr;
    EXPECT_EQ(object, c.expect == Expect::kAttached) << c.class_name;
    EXPECT_EQ(HasProperty(w, "Tebix"), c.expect == Expect::kAttached) << c.class_name;
    EXPECT_EQ(HasProperty(w, "Tebix_OldProc"), c.expect == Expect::kAttached) << c.class_name;
    EXPECT_EQ(GetPropA(w, "Tebix_NewProc") == reinterpret_cast<HANDLE>(&EngineWindowProc),
              c.expect == Expect::kAttached)
        << c.class_name;
    EXPECT_EQ(HasProperty(w, "Tebix_NoHook"), c.expect == Expect::kMarked) << c.class_name;
    if (c.expect == Expect::kAttached) {
      EXPECT_EQ(ProcOf(w), &EngineWindowProc) << c.class_name;
      EXPECT_EQ(GetPropA(w, "Tebix"), static_cast<HANDLE>(ObjectOf(w)));
    }
  }
  // Probes were on before the window's first message.
  for (const auto& [window, seen] : Probes().messages) {
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), static_cast<UINT>(WM_NCCREATE));
  }
}

TEST_F(EngineTest, DeferredClassesAttachOnTheirFirstPaintImmediateOnesAtOnce) {
  UseProbesFor({RendererId::kEdit});
  RegisterSuperclassA("ThunderRT6TextBox", "Edit");
  HWND hidden = Make(L"Edit", WS_CHILD | WS_BORDER);
  HWND shown = Make(L"Edit", WS_CHILD | WS_BORDER);
  HWND box = MakeAnsi("ThunderRT6TextBox", WS_CHILD | WS_BORDER | WS_VISIBLE);
  EXPECT_NE(ObjectOf(box), nullptr) << "the VB6 text box is taken at once";
  EXPECT_EQ(ObjectOf(shown), nullptr);
  SendMessageW(shown, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"text"));
  EXPECT_EQ(ObjectOf(shown), nullptr) << "no paint yet";
  ShowWindow(shown, SW_SHOW);
  UpdateWindow(shown);
  Pump();
  ASSERT_NE(ObjectOf(shown), nullptr);
  EXPECT_EQ(ObjectOf(hidden), nullptr);
  // The probe message came first, then the paint that brought it.
  const auto& seen = Probes().messages[shown];
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen[0], kAttachMessage);
  EXPECT_TRUE(seen[1] == WM_NCPAINT || seen[1] == WM_PAINT) << seen[1];
  EXPECT_TRUE(HasProperty(shown, "Tebix_Attached"));
}

TEST_F(EngineTest, StyleChangeAttachesAButtonAtItsNextMessage) {
  UseProbesFor({RendererId::kPushButton, RendererId::kCheckBox});
  HWND button = Make(L"Button", WS_CHILD | WS_VISIBLE | BS_PUSHBOX);
  EXPECT_EQ(ObjectOf(button), nullptr);
  SendMessageW(button, WM_GETTEXTLENGTH, 0, 0);
  EXPECT_FALSE(HasProperty(button, "Tebix_NoHook")) << "looked at again, never marked";
  SetWindowLongW(button, GWL_STYLE, WS_CHILD | WS_VISIBLE | BS_CHECKBOX);
  ASSERT_NE(ObjectOf(button), nullptr);
  // And Tebix_Map gives it the renderer of its current style.
  void* before = ObjectOf(button);
  SetWindowLongW(button, GWL_STYLE, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
  EXPECT_EQ(ObjectOf(button), before);
  EXPECT_EQ(Tebix_Map(button, 7), 0);
  EXPECT_NE(ObjectOf(button), nullptr);
  EXPECT_EQ(Probes().deleted, 1);
  const auto& seen = Probes().messages[button];
  const auto detach = std::find(seen.begin(), seen.end(), kDetachMessage);
  EXPECT_NE(std::find(detach, seen.end(), kRemapMessage), seen.end()) << "the old object let go, the new one saw the map";
}

TEST_F(EngineTest, WindowsFromBeforeTheSkinAreAttachedByTheProbe) {
  UseProbesFor({RendererId::kEdit, RendererId::kListBox});
  Tebix_Detach();
  HWND hotkey = Make(L"msctls_hotkey32", WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE);
  HWND edit = Make(L"Edit", WS_CHILD | WS_VISIBLE | WS_BORDER);
  HWND label = Make(L"Static", WS_CHILD | WS_VISIBLE);
  HWND excluded = Make(L"ListBox", WS_CHILD | WS_VISIBLE);
  SetPropA(excluded, "Tebix_NoHook", reinterpret_cast<HANDLE>(1));
  Pump();
  for (HWND w : {hotkey, edit, label, excluded}) {
    EXPECT_EQ(ObjectOf(w), nullptr);
    EXPECT_EQ(ProcOf(w) == &EngineWindowProc, false);
  }
  EXPECT_FALSE(HasProperty(label, "Tebix_NoHook")) << "a dormant hook marks nothing";

  EXPECT_EQ(Tebix_Attach_Ex(nullptr, "ignored"), 0);
  EXPECT_NE(ObjectOf(hotkey), nullptr);
  EXPECT_NE(ObjectOf(edit), nullptr) << "deferred rows attach on the probe";
  EXPECT_EQ(Probes().messages[edit].front(), kAttachMessage);
  EXPECT_TRUE(HasProperty(label, "Tebix_NoHook"));
  EXPECT_EQ(ObjectOf(excluded), nullptr);
  EXPECT_TRUE(Probes().messages[excluded].empty());
}

TEST_F(EngineTest, WindowsOfOtherThreadsAreNeverSkinned) {
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HWND foreign = nullptr;
  std::thread other([&] {
    foreign = CreateWindowExW(WS_EX_CLIENTEDGE, L"msctls_hotkey32", L"", WS_POPUP | WS_VISIBLE, 0, 0, 80, 30,
                              nullptr, nullptr, nullptr, nullptr);
    SetEvent(ready);
    while (MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    DestroyWindow(foreign);
  });
  WaitForSingleObject(ready, INFINITE);
  const WNDPROC own = ProcOf(foreign);
  Tebix_Attach();
  EXPECT_EQ(Tebix_Map(foreign, 0), 0);
  EXPECT_EQ(ObjectOf(foreign), nullptr);
  EXPECT_FALSE(HasProperty(foreign, "Tebix"));
  EXPECT_EQ(ProcOf(foreign), own);
  SetEvent(done);
  other.join();
  CloseHandle(ready);
  CloseHandle(done);
}

TEST_F(EngineTest, MfcFramesNeedACaptionAndAnyNameThatHoldsTheMark) {
  UseProbesFor({RendererId::kMfcMainFrame});
  RegisterPlainClass(L"App:Afx:400000:8:10003:0");
  HWND framed = Make(L"App:Afx:400000:8:10003:0", WS_OVERLAPPEDWINDOW);
  HWND bare = Make(L"App:Afx:400000:8:10003:0", WS_POPUP);
  EXPECT_NE(ObjectOf(framed), nullptr);
  EXPECT_EQ(ObjectOf(bare), nullptr);
  EXPECT_FALSE(HasProperty(bare, "Tebix_NoHook"));
}

TEST_F(EngineTest, DetachExKeepsAWindowPlainForGood) {
  UseProbesFor({RendererId::kListBox});
  HWND skinned = Make(L"ListBox", WS_CHILD | WS_VISIBLE);
  HWND plain = Make(L"Static", WS_CHILD | WS_VISIBLE);
  HWND deferred = Make(L"Edit", WS_CHILD | WS_VISIBLE);
  const WNDPROC list_proc = reinterpret_cast<WNDPROC>(GetPropA(skinned, "Tebix_OldProc"));
  EXPECT_EQ(Tebix_Detach_Ex(skinned), 0);
  EXPECT_EQ(ProcOf(skinned), list_proc);
  EXPECT_TRUE(HasProperty(skinned, "Tebix_NoHook"));
  EXPECT_FALSE(HasProperty(skinned, "Tebix"));
  EXPECT_EQ(Probes().messages[skinned].back(), kDetachMessage);
  EXPECT_EQ(Tebix_Detach_Ex(skinned), 1) << "already excluded";
  EXPECT_EQ(Tebix_Detach_Ex(plain), 1) << "unlisted classes carry the mark";
  EXPECT_EQ(Tebix_Detach_Ex(deferred), 0);
  // Neither a new skin nor a map brings them back.
  Tebix_Attach();
  EXPECT_EQ(Tebix_Map(skinned, 0), 0);
  EXPECT_EQ(Tebix_Map(deferred, 0), 0);
  UpdateWindow(deferred);
  for (HWND w : {skinned, plain, deferred}) EXPECT_EQ(ObjectOf(w), nullptr);
}

TEST_F(EngineTest, SecondAttachReplacesTheSkinInPlace) {
  UseProbesFor({RendererId::kListBox});
  HWND list = Make(L"ListBox", WS_CHILD | WS_VISIBLE);
  SkinnedWindow* object = ObjectOf(list);
  ASSERT_NE(object, nullptr);
  const std::string dark = std::string(LibraryFolder()) + "skins\\dark.tbx";
  EXPECT_EQ(Tebix_Attach_Ex(dark.c_str(), ""), 0);
  EXPECT_EQ(ObjectOf(list), object) << "windows keep their objects";
  EXPECT_EQ(Probes().deleted, 0);
  // Detach then attach skins everything again, with fresh objects.
  EXPECT_EQ(Tebix_Detach(), 0);
  EXPECT_EQ(ObjectOf(list), nullptr);
  EXPECT_EQ(Tebix_Detach(), 1) << "nothing loaded any more";
  EXPECT_EQ(Tebix_Attach(), 0);
  EXPECT_NE(ObjectOf(list), nullptr);
}

// Whether the skin bitmap DC shows the pixels of the skin as loaded.
bool ShowsTheSkinAsLoaded() {
  HDC loaded = CreateCompatibleDC(SkinBitmapDc());
  const HGDIOBJ old = SelectObject(loaded, LoadedSkinBitmap());
  const SIZE size = SkinBitmapSize();
  int differing = 0;
  for (int y = 0; y < size.cy; y += 7) {
    for (int x = 0; x < size.cx; x += 7) differing += GetPixel(loaded, x, y) != GetPixel(SkinBitmapDc(), x, y);
  }
  SelectObject(loaded, old);
  DeleteDC(loaded);
  return differing == 0;
}

TEST_F(EngineTest, FailedLoadAfterAColourShiftShowsTheSkinAsLoaded) {
  MessageBoxWatcher boxes;
  ASSERT_EQ(Tebix_Adjust_HSV(120, 128, 128), 0);
  EXPECT_FALSE(ShowsTheSkinAsLoaded()) << "shown recoloured";
  const char damaged[] = ".TBX";
  EXPECT_EQ(Tebix_Attach_Res(damaged, 4, "", 0, 0, 0), 0);
  EXPECT_EQ(boxes.TakeTexts().size(), 1u);
  EXPECT_TRUE(SkinLoaded()) << "the skin there was stays";
  EXPECT_FALSE(CurrentDeltas().Any());
  // The shift is gone, so the pixels drawn must be the skin's own.
  EXPECT_TRUE(ShowsTheSkinAsLoaded());
}

}  // namespace
}  // namespace tebix::test
