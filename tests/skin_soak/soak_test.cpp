// The soak: every gallery page opened, worked with the mouse and the
// keyboard, and closed, over and over, with the skin attached, detached,
// shifted in colour, re-attached, mapped and taken off single windows in
// between. Nothing may crash, no window may stay subclassed, and the
// process's GDI objects, USER objects and memory must not grow once warm.
//
// 100 cycles by default (a page per cycle, every page in turn); `--long` or
// SKIN_SOAK_CYCLES=<n> runs longer.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "tests/common/window_checks.h"
#include "tests/skin_library/library_support.h"
#include "tests/skin_soak/soak_support.h"
#include "tools/skin_gallery/pages.h"

namespace tebix::test {
namespace {

int g_cycles = 100;

// What the process may gain over the soak once every page has been shown
// once, beyond what the system's own controls gain unskinned: a few GDI
// objects (caches of fonts and brushes the controls touch late) and some
// heap for lazily grown tables. A window-table record kept for every
// destroyed static text came to about 75 KB over 100 cycles.
constexpr int kGdiTolerance = 12;
constexpr int kUserTolerance = 12;
constexpr std::size_t kHeapTolerance = 32 * 1024;
constexpr std::size_t kPrivateTolerance = 4 * 1024 * 1024;

struct Shift {
  int hue, saturation, brightness;
};
constexpr Shift kShifts[] = {{120, 0, 0}, {240, 60, 20}, {30, 200, 90}, {300, 10, 150}, {0, 0, 0}};

struct Watch {
  Figures start, warm, peak, end;
  void Peak(const Figures& f) {
    peak.gdi = std::max(peak.gdi, f.gdi);
    peak.user = std::max(peak.user, f.user);
    peak.windows = std::max(peak.windows, f.windows);
    peak.heap = std::max(peak.heap, f.heap);
    peak.private_ = std::max(peak.private_, f.private_);
  }
};

// What one visit of a page adds to the process.
struct Growth {
  int gdi = 0;
  long long heap = 0;
};

// What the system itself gains with one more visit of a page, no skin
// attached (some of the system's controls keep objects and memory per
// window they ever made): the least of two visits after a first one.
Growth SystemGrowthOf(const gallery::Page& page) {
  Growth least{1 << 20, 1LL << 40};
  for (int visit = 0; visit < 3; ++visit) {
    const int gdi = GdiObjectCount();
    const auto heap = static_cast<long long>(HeapBytesInUse());
    {
      HostedPage hosted(page.name);
      hosted.PaintAll();
      Exercise(hosted.Windows(), visit);
    }
    PumpFor(10);
    if (visit == 0) continue;
    least.gdi = std::min(least.gdi, GdiObjectCount() - gdi);
    least.heap = std::min(least.heap, static_cast<long long>(HeapBytesInUse()) - heap);
  }
  return {std::max(0, least.gdi), std::max(0LL, least.heap)};
}

void Print(const char* what, const Figures& f) {
  std::printf("  %-5s GDI %5d  USER %5d  windows %3d  heap %9zu  private %10zu\n", what, f.gdi, f.user,
              f.windows, f.heap, f.private_);
}

TEST(Soak, EveryPageOpenedWorkedAndClosedWithAttachDetachAndColourShiftsLeavesNothingBehind) {
  Library library;
  ASSERT_TRUE(library.loaded());
  const HMODULE engine = GetModuleHandleW(L"Tebix_VB6.dll");
  ASSERT_NE(engine, nullptr);
  const std::vector<unsigned char> skin = DefaultSkin();
  const int size = static_cast<int>(skin.size());
  const auto pages = gallery::Pages();
  const int warmUp = static_cast<int>(pages.size());  // every page once
  MenuCloser menus;
  Watch watch;
  std::map<std::size_t, Growth> growth;  // page -> what its visits after the warm-up added
  watch.start = Measure();
  const DWORD began = GetTickCount();

  for (int cycle = 0; cycle < g_cycles; ++cycle) {
    const gallery::Page& page = pages[cycle % pages.size()];
    const std::string where = "cycle " + std::to_string(cycle) + ", page " +
                              std::string(page.name, page.name + wcslen(page.name));
    // Every third page is built before the skin is attached (the attach
    // reaches it by enumeration), the others under the skin (the creation
    // hook takes each window as it is made).
    const bool builtBare = cycle % 3 == 0;
    const int gdiBefore = GdiObjectCount();
    const auto heapBefore = static_cast<long long>(HeapBytesInUse());
    if (builtBare) {
      library.Detach();  // 1 when it was off already
    } else {
      ASSERT_EQ(library.AttachRes(skin.data(), size, "", 0, 0, 0), 0) << where;
    }
    HostedPage hosted(page.name);
    ASSERT_NE(hosted.panel(), nullptr) << where;
    if (builtBare) {
      ASSERT_EQ(library.AttachRes(skin.data(), size, "", 0, 0, 0), 0) << where;
    }
    hosted.PaintAll();
    Exercise(hosted.Windows(), cycle);

    // Colours shift while the page is up.
    const Shift& shift = kShifts[cycle % std::size(kShifts)];
    library.AdjustHsv(shift.hue, shift.saturation, shift.brightness);
    hosted.PaintAll();
    Hover(hosted.Windows());

    // Off: every window its own again.
    ASSERT_EQ(library.Detach(), 0) << where;
    {
      const std::string left =
          LeftSubclassed(hosted.Windows(), engine, builtBare ? hosted.BuiltProcs() : std::map<HWND, WNDPROC>{});
      ASSERT_EQ(left, "") << where << ": still subclassed after Tebix_Detach";
    }
    Hover(hosted.Windows());  // unskinned, the page still works

    // On again with a shift; one window taken off for good, another mapped anew.
    const Shift& next = kShifts[(cycle + 1) % std::size(kShifts)];
    ASSERT_EQ(library.AttachRes(skin.data(), size, "", next.hue, next.saturation, next.brightness), 0) << where;
    const std::vector<HWND> windows = hosted.Windows();
    if (!windows.empty()) {
      const HWND excluded = windows[(cycle * 7) % windows.size()];
      const HWND mapped = windows[(cycle * 13 + 1) % windows.size()];
      library.DetachEx(excluded);
      EXPECT_FALSE(HasProperty(excluded, "Tebix")) << where;
      if (mapped != excluded) library.Map(mapped, 0);
    }
    hosted.PaintAll();
    Exercise(hosted.Windows(), cycle + 2);

    // Closed with the skin on: each window lets go as it is destroyed.
    hosted.Close();
    if (cycle % 2 == 1) {
      ASSERT_EQ(library.Detach(), 0) << where;
    } else {
      library.AdjustHsv(0, 0, 0);
    }

    const Figures now = Measure();
    if (cycle >= warmUp) {
      Growth& g = growth[cycle % pages.size()];
      g.gdi += now.gdi - gdiBefore;
      g.heap += static_cast<long long>(now.heap) - heapBefore;
    }
    if (cycle + 1 == warmUp) {
      watch.warm = watch.peak = now;
    } else if (cycle + 1 > warmUp) {
      watch.Peak(now);
    }
  }
  // The end: the skin off, nothing of the engine on any window left.
  library.Detach();
  PumpFor(50);
  EXPECT_EQ(LeftSubclassed(ThreadWindows(), engine), "") << "at the end";
  watch.end = Measure();
  const double seconds = (GetTickCount() - began) / 1000.0;

  std::printf("soak: %d cycles over %zu pages in %.1f s; %d menus opened and closed\n", g_cycles, pages.size(),
              seconds, menus.menus_seen());
  Print("start", watch.start);
  Print("warm", watch.warm);
  Print("peak", watch.peak);
  Print("end", watch.end);
  if (g_cycles <= warmUp) GTEST_SKIP() << "too few cycles to measure growth";
  // What the system's own controls gain per visit is theirs, not the engine's.
  Growth system;
  for (const auto& [page, grown] : growth) {
    const int visits = (g_cycles - 1 - static_cast<int>(page)) / static_cast<int>(pages.size());
    const Growth own = visits > 0 ? SystemGrowthOf(pages[page]) : Growth{};
    system.gdi += own.gdi * visits;
    system.heap += own.heap * visits;
    std::printf("  page %-10ls %2d visits: GDI %+4d, heap %+7lld; unskinned the system gains GDI %d, heap %lld a visit\n",
                pages[page].name, visits, grown.gdi, grown.heap, own.gdi, own.heap);
  }
  EXPECT_LE(watch.end.gdi, watch.warm.gdi + system.gdi + kGdiTolerance) << "GDI objects grew";
  EXPECT_LE(watch.end.user, watch.warm.user + kUserTolerance) << "USER objects grew";
  EXPECT_LE(watch.end.windows, watch.warm.windows) << "windows left behind";
  EXPECT_LE(static_cast<long long>(watch.end.heap),
            static_cast<long long>(watch.warm.heap) + system.heap + static_cast<long long>(kHeapTolerance))
      << "heap grew";
  EXPECT_LE(watch.end.private_, watch.warm.private_ + kPrivateTolerance) << "private bytes grew";
}

}  // namespace
}  // namespace tebix::test

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--long") == 0) tebix::test::g_cycles = 1000;
  }
  if (const char* cycles = std::getenv("SKIN_SOAK_CYCLES")) tebix::test::g_cycles = std::max(1, std::atoi(cycles));
  return RUN_ALL_TESTS();
}
