// The skinned-window framework: detach order, wide and ANSI windows, other
// procedures above and below the engine's, objects that outlive a destroy
// from their own message.
#include <windows.h>

#include "skin/attach/engine_messages.h"
#include "skin/core/exports.h"
#include "tests/skin_engine/engine_support.h"

namespace tebix::test {
namespace {

constexpr UINT kCount = WM_APP + 1;    // the original procedure counts these
constexpr UINT kSuicide = WM_APP + 2;  // the probe destroys its window on it

struct OriginalLog {
  int counted = 0;
  bool saw_nc_destroy = false;
  bool own_proc_back = false;
  bool properties_gone = false;
  int objects_alive_then = -1;
};
OriginalLog g_original;

LRESULT CALLBACK OriginalProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case kCount:
      return ++g_original.counted;
    case WM_NCDESTROY:
      g_original.saw_nc_destroy = true;
      g_original.own_proc_back = ProcOf(window) == &OriginalProc;
      g_original.properties_gone = !HasProperty(window, "Tebix") && !HasProperty(window, "Tebix_OldProc") &&
                                   !HasProperty(window, "Tebix_NewProc") && !HasProperty(window, "Tebix_Attached");
      g_original.objects_alive_then = Probes().alive;
      break;
  }
  return IsWindowUnicode(window) ? DefWindowProcW(window, message, wparam, lparam)
                                 : DefWindowProcA(window, message, wparam, lparam);
}

// Windows of a listed class (the picture box row), wide and ANSI, whose own
// procedure the tests watch; probes stand in for the picture box renderer.
constexpr wchar_t kWideClass[] = L"ThunderRT6PictureBoxDC";
constexpr char kAnsiClass[] = "ThunderPictureBoxDC";

void RegisterOriginal() {
  WNDCLASSW wc{};
  if (GetClassInfoW(GetModuleHandleW(nullptr), kWideClass, &wc)) return;
  wc.lpfnWndProc = OriginalProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kWideClass;
  RegisterClassW(&wc);
  WNDCLASSA wca{};
  wca.lpfnWndProc = OriginalProc;
  wca.hInstance = GetModuleHandleA(nullptr);
  wca.lpszClassName = kAnsiClass;
  RegisterClassA(&wca);
}

// A host's own subclass: counts what passes and forwards it.
WNDPROC g_host_next = nullptr;
int g_host_seen = 0;
LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kCount) ++g_host_seen;
  return CallWindowProcW(g_host_next, window, message, wparam, lparam);
}

class FrameworkTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    RegisterOriginal();
    UseProbesFor({RendererId::kPictureBox});
    g_original = {};
    g_host_seen = 0;
  }
  HWND Attached(bool wide = true) {
    HWND w = wide ? Make(kWideClass, WS_CHILD | WS_VISIBLE, 0, nullptr, 120, 40, L"汉字")
                  : MakeAnsi(kAnsiClass, WS_CHILD | WS_VISIBLE);
    EXPECT_NE(ObjectOf(w), nullptr);
    return w;
  }
};

TEST_F(FrameworkTest, DestroyGivesTheProcedureBackBeforeNcDestroyAndFreesTheObjectAfter) {
  HWND w = Attached();
  ASSERT_TRUE(HasProperty(w, "Tebix_Attached"));
  ASSERT_EQ(SubclassedWindows().back(), w);
  DestroyWindow(w);
  EXPECT_TRUE(g_original.saw_nc_destroy);
  EXPECT_TRUE(g_original.own_proc_back);
  EXPECT_TRUE(g_original.properties_gone);
  EXPECT_EQ(g_original.objects_alive_then, 1) << "the object still lives while the window's own code runs";
  EXPECT_EQ(Probes().alive, 0);
  EXPECT_EQ(FindRecord(w), nullptr);
  for (HWND listed : SubclassedWindows()) EXPECT_NE(listed, w);
}

TEST_F(FrameworkTest, WideAndAnsiWindowsKeepTheirKindAndTheirText) {
  const wchar_t kText[] = L"机体能力 Ω";
  for (bool wide : {true, false}) {
    HWND w = Attached(wide);
    EXPECT_EQ(IsWindowUnicode(w) != FALSE, wide);
    if (wide) {
      SetWindowTextW(w, kText);
      wchar_t back[32] = {};
      GetWindowTextW(w, back, 32);
      EXPECT_STREQ(back, kText) << "a wide window's text never passes through the code page";
    } else {
      SetWindowTextA(w, "plain text");
      char back[32] = {};
      GetWindowTextA(w, back, 32);
      EXPECT_STREQ(back, "plain text");
    }
    ASSERT_TRUE(DetachObject(w));
    EXPECT_EQ(IsWindowUnicode(w) != FALSE, wide);
    EXPECT_EQ(ProcOf(w), &OriginalProc);
  }
}

TEST_F(FrameworkTest, ProceduresBelowAndAboveTheSkinKeepWorking) {
  // Below: the host subclassed before the skin came.
  Tebix_Detach();
  HWND below = Make(kWideClass, WS_CHILD | WS_VISIBLE);
  g_host_next = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(below, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostProc)));
  Tebix_Attach();
  ASSERT_NE(ObjectOf(below), nullptr);
  EXPECT_EQ(GetPropA(below, "Tebix_OldProc"), reinterpret_cast<HANDLE>(&HostProc));
  EXPECT_EQ(SendMessageW(below, kCount, 0, 0), 1);
  EXPECT_EQ(g_host_seen, 1);
  ASSERT_TRUE(DetachObject(below));
  EXPECT_EQ(ProcOf(below), &HostProc);

  // Above: the host subclassed after the skin.
  g_original = {};
  g_host_seen = 0;
  HWND above = Attached();
  g_host_next = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(above, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostProc)));
  EXPECT_EQ(SendMessageW(above, kCount, 0, 0), 1);
  EXPECT_EQ(Probes().messages[above].back(), kCount) << "the renderer still sees what the host passes on";
  // Letting go keeps the host's procedure and the window's own behaviour.
  ASSERT_TRUE(DetachObject(above));
  EXPECT_EQ(ProcOf(above), &HostProc);
  EXPECT_EQ(SendMessageW(above, kCount, 0, 0), 2) << "messages still reach the window's own procedure";
  EXPECT_EQ(g_host_seen, 2);
  // A fresh object slots into the same place; nothing loops.
  EXPECT_EQ(Tebix_Map(above, 0), 0);
  ASSERT_NE(ObjectOf(above), nullptr);
  EXPECT_EQ(SendMessageW(above, kCount, 0, 0), 3);
  EXPECT_EQ(Probes().messages[above].back(), kCount);
  EXPECT_EQ(Tebix_Detach_Ex(above), 0);
  EXPECT_EQ(SendMessageW(above, kCount, 0, 0), 4);
  DestroyWindow(above);
  EXPECT_TRUE(g_original.saw_nc_destroy);
  EXPECT_EQ(Probes().alive, 0);
}

// A renderer whose window is destroyed inside its own message handling, then
// goes on using its object.
LRESULT SuicideProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kSuicide) {
    auto& probe = static_cast<Probe&>(self);
    DestroyWindow(self.window());
    probe.destroyed_during_call = true;  // the object must still be there
    return Probes().alive;
  }
  return ProbeProc(self, message, wparam, lparam);
}

TEST_F(FrameworkTest, ObjectOutlivesADestroyFromItsOwnMessage) {
  RegisterPlainClass(L"FrameworkPlain");
  HWND w = Make(L"FrameworkPlain", WS_CHILD | WS_VISIBLE);
  ASSERT_TRUE(AttachObject(CreateProbe(w), &SuicideProc));
  EXPECT_EQ(SendMessageW(w, kSuicide, 0, 0), 1) << "alive until the call returned";
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(Probes().alive, 0);
  EXPECT_EQ(Probes().deleted, 1);
}

TEST_F(FrameworkTest, DetachAllGivesEveryWindowItsProcedureBack) {
  HWND a = Attached(), b = Attached(false);
  HWND deferred = Make(L"Edit", WS_CHILD);  // watched once an edit renderer exists
  UseProbesFor({RendererId::kEdit});
  HWND watched = Make(L"Edit", WS_CHILD);
  EXPECT_EQ(ProcOf(watched), &EngineWindowProc);
  EXPECT_EQ(Tebix_Detach(), 0);
  EXPECT_EQ(ProcOf(a), &OriginalProc);
  EXPECT_EQ(ProcOf(b), &OriginalProc);
  EXPECT_NE(ProcOf(watched), &EngineWindowProc);
  EXPECT_NE(ProcOf(deferred), &EngineWindowProc);
  EXPECT_TRUE(SubclassedWindows().empty());
  EXPECT_EQ(Probes().alive, 0);
  EXPECT_EQ(Probes().messages[a].back(), kDetachMessage);
}

}  // namespace
}  // namespace tebix::test
