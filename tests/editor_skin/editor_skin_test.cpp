// The editor hands its built-in skin to the library before its main window
// exists, and reports a library or function it cannot find. The program runs
// from a folder of its own beside a stand-in of the library.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/gui_driver/gui_driver.h"

namespace vdk::gui {
namespace {

namespace fs = std::filesystem;

// A copy of the program beside the library stand-in in `variant` (none: no library at all).
fs::path InstallProgram(const TempFolder& folder, const char* variant) {
  const fs::path exe = folder.path() / L"vdkedit.exe";
  fs::copy_file(BuildFolder() / L"vdkedit.exe", exe);
  if (variant != nullptr) fs::copy_file(BuildFolder() / variant / L"Tebix_VB6.dll", folder.path() / L"Tebix_VB6.dll");
  return exe;
}

std::uint32_t Fnv1a(const std::vector<unsigned char>& bytes) {
  std::uint32_t hash = 2166136261u;
  for (unsigned char b : bytes) hash = (hash ^ b) * 16777619u;
  return hash;
}

TEST(EditorSkin, BuiltInSkinIsHandedOverWholeBeforeTheMainWindowExists) {
  TempFolder folder;
  const fs::path exe = InstallProgram(folder, "spy_skin");
  const fs::path log = folder.path() / L"calls.txt";
  SetEnvironmentVariableW(L"VDK_SPY_LOG", log.c_str());
  {
    Program program(folder.path(), exe);
    EXPECT_TRUE(IsWindow(program.mainWindow()));
  }
  SetEnvironmentVariableW(L"VDK_SPY_LOG", nullptr);

  const std::vector<unsigned char> skin = ReadFileBytes(BuildFolder() / L"skins" / L"compact.tbx");
  char expected[200];
  std::snprintf(expected, sizeof expected,
                "length=%zu password=[] hue=0 saturation=0 brightness=0 magic=1 hash=%08x dialogs=0\n", skin.size(),
                static_cast<unsigned>(Fnv1a(skin)));
  std::ifstream in(log);
  std::stringstream calls;
  calls << in.rdbuf();
  EXPECT_EQ(calls.str(), expected);  // exactly one call
}

TEST(EditorSkin, MissingLibraryOrFunctionIsNamedAndTheProgramStops) {
  struct Case {
    const char* variant;
    const wchar_t* named;
  };
  for (const Case& c : {Case{nullptr, L"Tebix_VB6.dll"}, Case{"no_attach_skin", L"Tebix_Attach_Res"}}) {
    TempFolder folder;
    Process program(InstallProgram(folder, c.variant), folder.path());
    const auto box = WaitForMessageBox(program.processId(), kStartTimeoutMs);
    ASSERT_TRUE(box.has_value()) << (c.variant ? c.variant : "no library");
    EXPECT_NE(box->text.find(c.named), std::wstring::npos);
    EXPECT_TRUE(TopLevelWindows(program.processId(), L"#32770").size() == 1) << "only the message box";
    Dismiss(*box);
    const auto code = program.waitForExit();
    ASSERT_TRUE(code.has_value());
    EXPECT_NE(*code, 0u);
  }
}

}  // namespace
}  // namespace vdk::gui
