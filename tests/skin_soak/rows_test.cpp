// Every row of the class dispatch table has its renderer, and every class a
// row names is shown by some gallery page, skinned once it is on screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <utility>

#include "skin/attach/dispatch.h"
#include "skin/render/renderers.h"
#include "tests/common/window_checks.h"
#include "tests/skin_library/library_support.h"
#include "tests/skin_soak/soak_support.h"
#include "tools/skin_gallery/pages.h"

namespace tebix::test {
namespace {

// Every renderer some row can choose; the VB6 toolbar row by either outcome.
std::set<RendererId> RenderersTheTableChooses() {
  std::set<RendererId> chosen;
  for (int entry = 1; entry <= EntryCount(); ++entry) {
    for (RendererId id : EntryRenderers(entry)) {
      if (id == RendererId::kVbToolbar) {
        chosen.insert(ResolveVbToolbar(true, 2'000'000));
        chosen.insert(ResolveVbToolbar(false, 0));
      } else {
        chosen.insert(id);
      }
    }
  }
  return chosen;
}

TEST(Rows, EveryRendererTheTableChoosesExistsUnlessListedAsStillMissing) {
  std::set<RendererId> present;
  for (const RendererEntry& e : AllRenderers()) {
    EXPECT_TRUE(e.create != nullptr && e.procedure != nullptr) << RendererName(e.id) << ": creator and procedure";
    EXPECT_TRUE(present.insert(e.id).second) << RendererName(e.id) << " is in the table twice";
  }
  const std::set<RendererId> chosen = RenderersTheTableChooses();
  ASSERT_GT(chosen.size(), 40u);
  for (RendererId id : chosen) {
    if (IsStillMissing(id)) {
      EXPECT_EQ(present.count(id), 0u) << RendererName(id) << " exists now: take it out of kStillMissing";
    } else {
      EXPECT_EQ(present.count(id), 1u) << RendererName(id) << " is chosen by a dispatch row but has no renderer";
    }
  }
  for (RendererId id : kStillMissing) {
    EXPECT_EQ(chosen.count(id), 1u) << RendererName(id) << " is listed as missing but no row chooses it";
  }
  // The VB6 toolbar row needs no renderer of its own: both outcomes exist.
  EXPECT_EQ(present.count(RendererId::kVbToolbar), 0u);
  EXPECT_EQ(present.count(RendererId::kToolbar), 1u);
  EXPECT_EQ(present.count(RendererId::kGeneric), 1u);
}

// Does the class name `cls` stand for `name` of `entry`?
bool Shows(int entry, std::string_view name, const std::string& cls) {
  return IsContainsEntry(entry) ? cls.find(name) != std::string::npos : cls == name;
}

TEST(Rows, EveryClassOfEveryRowIsOnAGalleryPageAndCarriesTebixOnceShown) {
  Library library;
  ASSERT_TRUE(library.loaded());
  const std::vector<unsigned char> skin = DefaultSkin();
  ASSERT_EQ(library.AttachRes(skin.data(), static_cast<int>(skin.size()), "", 0, 0, 0), 0);
  MenuCloser menus;

  std::set<std::pair<int, std::string_view>> covered;
  std::string wrong;
  int skinned = 0, unskinnedByStyle = 0, awaitingRenderer = 0;
  auto look = [&](HWND w, const wchar_t* page) {
    const std::wstring wide = ClassOf(w);
    const std::string cls(wide.begin(), wide.end());
    const int entry = FindEntry(cls);
    if (entry == kUnlistedEntry) return;
    for (std::string_view name : EntryNames(entry)) {
      if (Shows(entry, name, cls)) covered.insert({entry, name});
    }
    const RendererId id = ChosenRenderer(w);
    const bool has = HasProperty(w, "Tebix");
    std::string problem;
    if (id == RendererId::kNone) {
      ++unskinnedByStyle;
      if (has) problem = "skinned although its styles select no renderer";
    } else if (IsStillMissing(id)) {
      ++awaitingRenderer;
      if (has) problem = "skinned although its renderer is listed as still missing";
    } else if (has) {
      ++skinned;
    } else {
      problem = std::string("no \"Tebix\" (") + RendererName(id) + ")";
    }
    if (!problem.empty()) {
      wrong += std::string(page, page + wcslen(page)) + ": " + cls + " (row " + std::to_string(RowNumber(entry)) +
               ", style " + std::to_string(GetWindowLongW(w, GWL_STYLE) & 0xFFFF) + "): " + problem + "\n";
    }
  };

  for (const gallery::Page& page : gallery::Pages()) {
    HostedPage hosted(page.name);
    ASSERT_NE(hosted.panel(), nullptr) << "page " << page.name;
    hosted.PaintAll();
    PumpFor(40);
    for (HWND w : hosted.Windows()) look(w, page.name);
    if (std::wstring_view(page.name) == L"bars") {
      // The popup menu class exists only while a menu is open.
      gallery::ShowSampleMenu(hosted.host(), POINT{60, 60});
      EXPECT_GE(menus.menus_seen(), 1);
      EXPECT_EQ(menus.menus_skinned(), menus.menus_seen()) << "popup menus without \"Tebix\"";
      if (menus.menus_seen() > 0) covered.insert({FindEntry("#32768"), "#32768"});
    }
  }
  EXPECT_EQ(wrong, "");

  std::string absent;
  for (int entry = 1; entry <= EntryCount(); ++entry) {
    for (std::string_view name : EntryNames(entry)) {
      if (!covered.count({entry, name})) {
        absent += std::string(name) + " (row " + std::to_string(RowNumber(entry)) + ")\n";
      }
    }
  }
  EXPECT_EQ(absent, "") << "classes no gallery page shows";
  std::printf("gallery windows of listed classes: %d skinned, %d left alone by their styles, %d awaiting a "
              "renderer (%zu renderers still missing)\n",
              skinned, unskinnedByStyle, awaitingRenderer, std::size(kStillMissing));
  EXPECT_GT(skinned, 100);
  EXPECT_EQ(library.Detach(), 0);
}

}  // namespace
}  // namespace tebix::test
