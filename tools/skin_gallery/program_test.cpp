// The gallery program's own pieces: the command line, where the skin file
// is looked for, page look-up, and what it says about the library.
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "tools/skin_gallery/options.h"
#include "tools/skin_gallery/pages.h"
#include "tools/skin_gallery/tebix_library.h"

namespace gallery {
namespace {

TEST(OptionsTest, Parse) {
  struct Case {
    std::vector<std::wstring> arguments;
    std::wstring skinFile, page;
    bool noSkin;
    bool error;
    int shift[3] = {};  // hue, saturation, brightness of --shift
  };
  const Case cases[] = {
      {{}, L"tebix.tbx", L"", false, false},
      {{L"dark.tbx"}, L"dark.tbx", L"", false, false},
      {{L"--page", L"buttons"}, L"tebix.tbx", L"buttons", false, false},
      {{L"--page=Dates", L"C:\\skins\\a b.tbx"}, L"C:\\skins\\a b.tbx", L"Dates", false, false},
      {{L"--no-skin", L"--page", L"3"}, L"tebix.tbx", L"3", true, false},
      {{L"x.tbx", L"--no-skin"}, L"x.tbx", L"", true, false},
      {{L"--page"}, L"tebix.tbx", L"", false, true},
      {{L"--page="}, L"tebix.tbx", L"", false, true},
      {{L"--page", L""}, L"tebix.tbx", L"", false, true},
      {{L"--skin", L"x.tbx"}, L"tebix.tbx", L"", false, true},
      {{L"a.tbx", L"b.tbx"}, L"a.tbx", L"", false, true},
      {{L""}, L"tebix.tbx", L"", false, true},
      {{L"--shift", L"120,-5,30", L"--page", L"2"}, L"tebix.tbx", L"2", false, false, {120, -5, 30}},
      {{L"--shift=0,0,0", L"d.tbx"}, L"d.tbx", L"", false, false, {0, 0, 0}},
      {{L"--shift", L"120,5"}, L"tebix.tbx", L"", false, true},
      {{L"--shift=1,2,3,4"}, L"tebix.tbx", L"", false, true},
      {{L"--shift", L"a,b,c"}, L"tebix.tbx", L"", false, true},
      {{L"--shift"}, L"tebix.tbx", L"", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    const ParsedOptions parsed = ParseOptions(c.arguments);
    EXPECT_EQ(!parsed.error.empty(), c.error);
    if (c.error) continue;
    EXPECT_EQ(parsed.options.skinFile, c.skinFile);
    EXPECT_EQ(parsed.options.page, c.page);
    EXPECT_EQ(parsed.options.noSkin, c.noSkin);
    EXPECT_EQ(parsed.options.shifted, !c.arguments.empty() && c.arguments.front().starts_with(L"--shift"));
    EXPECT_EQ(parsed.options.hue, c.shift[0]);
    EXPECT_EQ(parsed.options.saturation, c.shift[1]);
    EXPECT_EQ(parsed.options.brightness, c.shift[2]);
  }
}

TEST(OptionsTest, SkinFileIsLookedForHereThenBesideTheProgram) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / "skin_gallery_options_test";
  fs::remove_all(root);
  const fs::path here = root / "work", program = root / "bin";
  fs::create_directories(here / "skins");
  fs::create_directories(program);
  std::ofstream(here / "mine.tbx") << "x";
  std::ofstream(here / "skins" / "dark.tbx") << "x";

  struct Case {
    fs::path file, expected;
  };
  const Case cases[] = {
      {"mine.tbx", here / "mine.tbx"},
      {"skins/dark.tbx", (here / "skins" / "dark.tbx").lexically_normal()},
      {"tebix.tbx", program / "tebix.tbx"},  // not here: beside the program, found or not
      {"skins", program / "skins"},          // a folder is no skin file
      {root / "elsewhere.tbx", root / "elsewhere.tbx"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ResolveSkinFile(c.file, here, program), c.expected) << c.file;
  }
  fs::remove_all(root);
}

TEST(OptionsTest, PagesAreFoundByNameTitleOrNumber) {
  const Page* buttons = &Pages()[1];
  struct Case {
    const wchar_t* key;
    const Page* expected;
  };
  for (const Case& c :
       {Case{L"buttons", buttons}, Case{L"BUTTONS", buttons}, Case{L"Buttons", buttons}, Case{L"2", buttons},
        Case{L"1", &Pages().front()}, Case{L"Edit, list and combo boxes", &Pages()[2]},
        Case{L"10", &Pages()[9]}, Case{L"11", &Pages()[10]}, Case{L"0", nullptr}, Case{L"12", nullptr}, Case{L"", nullptr},
        Case{L"button", nullptr}}) {
    EXPECT_EQ(FindPage(c.key), c.expected) << testing::PrintToString(std::wstring(c.key));
  }
  std::set<std::wstring> names;
  for (const Page& page : Pages()) EXPECT_TRUE(names.insert(page.name).second) << "names are unique";
}

TEST(LibraryReportTest, NamesWhatIsMissing) {
  struct Case {
    bool loaded;
    std::vector<std::string> missing;
    std::vector<std::wstring> said;  // empty: nothing to report
  };
  const Case cases[] = {
      {false, {}, {L"Tebix_VB6.dll", L"could not be loaded", L"error 126"}},
      {true, {}, {}},
      {true, {"Tebix_Map"}, {L"Tebix_VB6.dll: Tebix_Map not found"}},
      {true, {"Tebix_Attach_Ex", "Tebix_Detach_Ex"}, {L"Tebix_Attach_Ex, Tebix_Detach_Ex not found"}},
  };
  for (const Case& c : cases) {
    TebixLibrary library;
    library.module = c.loaded ? GetModuleHandleW(nullptr) : nullptr;  // any module will do
    library.loadError = 126;
    library.missing = c.missing;
    const std::wstring report = library.Problems();
    EXPECT_EQ(report.empty(), c.said.empty()) << testing::PrintToString(report);
    for (const std::wstring& part : c.said) {
      EXPECT_NE(report.find(part), std::wstring::npos) << testing::PrintToString(report);
    }
  }
}

// The attach functions take ANSI paths: whatever the name, the ANSI form
// names the same file.
TEST(AnsiPathTest, NamesTheSameFile) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "skin_gallery_ansi_test";
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const wchar_t* name : {L"tebix.tbx", L"a skin with spaces.tbx", L"caf\u00e9.tbx", L"\u4e2d\u6587.tbx",
                              L"\u0e44\u0e17\u0e22.tbx"}) {
    const fs::path file = folder / name;
    std::ofstream(file) << "skin";
    const std::string ansi = AnsiPath(file);
    EXPECT_NE(GetFileAttributesA(ansi.c_str()), INVALID_FILE_ATTRIBUTES) << testing::PrintToString(ansi);
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace gallery
