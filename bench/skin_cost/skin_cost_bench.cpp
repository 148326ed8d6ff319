// What skinning costs a program, in one process: the same form of 200
// controls is built, repainted and sent messages first without the skin
// library, then with Tebix_VB6.dll loaded and the default skin attached.
//
//   skin_cost_bench [--rounds N] [--repaints N] [--messages N] [--verbose]
//                   [--hold SECONDS]
//
// --verbose also prints every round's figures as it ends (round 0 is the
// warm-up). --hold shows the form once more at the end of each phase, for
// that long, to look at it or take a screenshot.
// Each phase starts with one unmeasured round (the first window of each
// class costs more than the rest). A round:
//   build    create the form and its controls, show it, handle messages
//            until nothing is left to paint (also shown split into the
//            creation and the showing and painting);
//   repaint  invalidate the whole form, frames and children included, and
//            paint it at once, --repaints times; the median repaint;
//   messages --messages SendMessage calls each to a hot-key control
//            (HKM_GETHOTKEY), a check box (BM_GETCHECK) and an edit box
//            (WM_GETTEXTLENGTH), in batches of 1000; the time of one call
//            in the median batch;
//   list     a shown list box emptied and filled with 2000 items
//            (LB_ADDSTRING) with its redrawing off, the way a program
//            fills a long chooser; the time of one item.
// Figures are medians over the rounds. The ratios are skinned / plain.
// Under Wine, run it with bench/run_under_wine.sh, which keeps it on one
// CPU with the wineserver and the X server (see there why).
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/skin_cost/control_window.h"
#include "bench/skin_cost/frame_cost.h"

namespace {

using Clock = std::chrono::steady_clock;
using vdk::bench::ControlWindow;

struct Options {
  int rounds = 5;
  int repaints = 5;
  int messages = 20000;
  bool verbose = false;
  int holdSeconds = 0;
};

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// One round's figures; times of messages in microseconds, the rest in ms.
struct Round {
  double create = 0, showPaint = 0, repaint = 0, destroy = 0;
  double hotKey = 0, checkBox = 0, edit = 0, listFill = 0;
  double forwardedHotKey = 0;  // plain phase: under one forwarding subclass of our own
  double build() const { return create + showPaint; }
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The time of one call, in microseconds: the calls go in batches of 1000
// and the median batch counts, so that another process taking the CPU
// for a moment does not.
// One LB_ADDSTRING of a list box filled with 2000 items, in microseconds.
double ListFillTime(HWND list) {
  constexpr int kItems = 2000;
  wchar_t text[32];
  const Clock::time_point start = Clock::now();
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (int i = 0; i < kItems; ++i) {
    wsprintfW(text, L"Item %04d (%03X)", i, i);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  return Ms(Clock::now() - start) * 1000.0 / kItems;
}

double MessageTime(HWND control, UINT message, int count) {
  constexpr int kBatch = 1000;
  volatile LRESULT sink = 0;
  std::vector<double> batches;
  for (int done = 0; done < count; done += kBatch) {
    const int n = std::min(kBatch, count - done);
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < n; ++i) sink = sink + SendMessageW(control, message, 0, 0);
    batches.push_back(Ms(Clock::now() - start) * 1000.0 / n);
  }
  return Median(batches);
}

// One subclass that only passes every message on, as any program that
// subclasses a control has: the least a skinned control can cost.
WNDPROC g_forwardTo = nullptr;
LRESULT CALLBACK Forward(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcW(g_forwardTo, window, message, wparam, lparam);
}

double ForwardedMessageTime(HWND control, UINT message, int count) {
  g_forwardTo = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Forward)));
  const double time = MessageTime(control, message, count);
  SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_forwardTo));
  return time;
}

// Which of the form's windows the skin engine marked.
struct Marks {
  struct PerClass {
    int controls = 0, skinned = 0, noHook = 0;
  };
  std::map<std::string, PerClass> classes;
  int skinned = 0, noHook = 0;             // of the 200 controls
  int innerWindows = 0, innerSkinned = 0;  // windows the controls made themselves
  bool formSkinned = false, formNoHook = false;
};

bool Has(HWND window, const char* property) {
  return GetPropA(window, property) != nullptr;
}

struct InnerWalk {
  HWND form;
  Marks* marks;
};

BOOL CALLBACK CountInnerWindow(HWND window, LPARAM param) {
  auto& walk = *reinterpret_cast<InnerWalk*>(param);
  if (GetParent(window) == walk.form) return TRUE;  // one of the 200
  ++walk.marks->innerWindows;
  if (Has(window, "Tebix")) ++walk.marks->innerSkinned;
  return TRUE;
}

Marks ReadMarks(const ControlWindow& form) {
  Marks marks;
  marks.formSkinned = Has(form.window, "Tebix");
  marks.formNoHook = Has(form.window, "Tebix_NoHook");
  for (HWND control : form.controls) {
    char name[128] = {};
    GetClassNameA(control, name, sizeof name);
    Marks::PerClass& c = marks.classes[name];
    ++c.controls;
    if (Has(control, "Tebix")) ++c.skinned, ++marks.skinned;
    if (Has(control, "Tebix_NoHook")) ++c.noHook, ++marks.noHook;
  }
  InnerWalk walk{form.window, &marks};
  EnumChildWindows(form.window, CountInnerWindow, reinterpret_cast<LPARAM>(&walk));
  return marks;
}

Round RunRound(const Options& options, bool skinned, Marks* marks) {
  Round round;
  Clock::time_point start = Clock::now();
  ControlWindow form = vdk::bench::CreateControlWindow();
  round.create = Ms(Clock::now() - start);
  start = Clock::now();
  vdk::bench::ShowAndPaint(form);
  round.showPaint = Ms(Clock::now() - start);
  if (marks) *marks = ReadMarks(form);

  std::vector<double> repaints;
  for (int i = 0; i < options.repaints; ++i) {
    start = Clock::now();
    RedrawWindow(form.window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    vdk::bench::PumpUntilIdle();
    repaints.push_back(Ms(Clock::now() - start));
  }
  round.repaint = Median(repaints);

  round.hotKey = MessageTime(form.hotKey, HKM_GETHOTKEY, options.messages);
  round.checkBox = MessageTime(form.checkBox, BM_GETCHECK, options.messages);
  round.edit = MessageTime(form.edit, WM_GETTEXTLENGTH, options.messages);
  round.listFill = ListFillTime(form.list);
  if (!skinned) round.forwardedHotKey = ForwardedMessageTime(form.hotKey, HKM_GETHOTKEY, options.messages);

  start = Clock::now();
  DestroyWindow(form.window);
  vdk::bench::PumpUntilIdle();
  round.destroy = Ms(Clock::now() - start);
  return round;
}

void PrintRound(const char* phase, int number, const Round& r) {
  std::printf(
      "%-7s round %d: create %7.1f  show+paint %7.1f  repaint %7.1f  destroy %7.1f ms;"
      "  messages %.2f %.2f %.2f us\n",
      phase, number, r.create, r.showPaint, r.repaint, r.destroy, r.hotKey, r.checkBox, r.edit);
}

// Shows the form once more, unmeasured, for `seconds` (to look at it).
void Hold(int seconds) {
  if (seconds <= 0) return;
  ControlWindow form = vdk::bench::CreateControlWindow();
  vdk::bench::ShowAndPaint(form);
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  while (GetTickCount64() < end) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    vdk::bench::PumpUntilIdle();
  }
  DestroyWindow(form.window);
  vdk::bench::PumpUntilIdle();
}

std::vector<Round> RunPhase(const char* phase, const Options& options, Marks* marks) {
  const bool skinned = marks != nullptr;
  const Round warmUp = RunRound(options, skinned, nullptr);
  if (options.verbose) PrintRound(phase, 0, warmUp);
  std::vector<Round> rounds;
  for (int i = 0; i < options.rounds; ++i) {
    rounds.push_back(RunRound(options, skinned, i == 0 ? marks : nullptr));
    if (options.verbose) PrintRound(phase, i + 1, rounds.back());
  }
  Hold(options.holdSeconds);
  return rounds;
}

struct Spread {
  double median, min, max;
};

template <typename Field>
Spread Summary(const std::vector<Round>& rounds, Field field) {
  std::vector<double> v;
  for (const Round& r : rounds) v.push_back(field(r));
  return {Median(v), *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end())};
}

template <typename Field>
void PrintRow(const char* label, const std::vector<Round>& plain, const std::vector<Round>& skinned,
              Field field, double goal) {
  const Spread p = Summary(plain, field), s = Summary(skinned, field);
  const double ratio = s.median / p.median;
  std::printf("%-34s %9.2f %9.2f %7.2f", label, p.median, s.median, ratio);
  if (goal > 0)
    std::printf("   <= %.1f  %-7s", goal, ratio <= goal ? "met" : "MISSED");
  else
    std::printf("   %-15s", "");
  std::printf("  plain %.2f..%.2f, skinned %.2f..%.2f\n", p.min, p.max, s.min, s.max);
}

std::string SkinPath() {
  char path[MAX_PATH * 2] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path, length);
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + "tebix.tbx";
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    auto value = [&] {
      if (i + 1 >= argc) throw std::runtime_error(std::string(argv[i]) + " needs a number");
      return std::max(1, std::atoi(argv[++i]));
    };
    if (std::strcmp(argv[i], "--rounds") == 0)
      options.rounds = value();
    else if (std::strcmp(argv[i], "--repaints") == 0)
      options.repaints = value();
    else if (std::strcmp(argv[i], "--messages") == 0)
      options.messages = value();
    else if (std::strcmp(argv[i], "--hold") == 0)
      options.holdSeconds = value();
    else if (std::strcmp(argv[i], "--verbose") == 0)
      options.verbose = true;
    else
      throw std::runtime_error(std::string("unknown option ") + argv[i] +
                               " (use --rounds N, --repaints N, --messages N, --verbose, --hold SECONDS)");
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const Options options = ParseOptions(argc, argv);
    vdk::bench::InitCommonControlClasses();

    const std::vector<Round> plain = RunPhase("plain", options, nullptr);

    if (GetModuleHandleW(L"Tebix_VB6.dll")) throw std::runtime_error("the skin library was loaded too early");
    Clock::time_point start = Clock::now();
    HMODULE library = LoadLibraryW(L"Tebix_VB6.dll");
    const double loadMs = Ms(Clock::now() - start);
    if (!library) throw std::runtime_error("cannot load Tebix_VB6.dll");
    using AttachFile = int(WINAPI*)(const char*, const char*);
    const auto attach =
        reinterpret_cast<AttachFile>(reinterpret_cast<void*>(GetProcAddress(library, "Tebix_Attach_Ex")));
    if (!attach) throw std::runtime_error("Tebix_VB6.dll has no Tebix_Attach_Ex");
    const std::string skin = SkinPath();
    if (GetFileAttributesA(skin.c_str()) == INVALID_FILE_ATTRIBUTES)
      throw std::runtime_error("no skin file at " + skin);
    start = Clock::now();
    const int attached = attach(skin.c_str(), "");
    const double attachMs = Ms(Clock::now() - start);
    if (attached != 0) std::printf("note: Tebix_Attach_Ex returned %d\n", attached);

    Marks marks;
    const std::vector<Round> skinned = RunPhase("skinned", options, &marks);
    const vdk::bench::FrameCost frame = vdk::bench::MeasureFrameCost(1000, 700, std::max(5, options.repaints * 4));

    std::printf("skin cost: a form of %d controls, plain, then with Tebix_VB6.dll and %s\n",
                vdk::bench::kControlCount, skin.c_str());
    std::printf(
        "%d rounds after one warm-up round each; medians; %d repaints a round; %d messages a control\n\n",
        options.rounds, options.repaints, options.messages);
    std::printf("%-34s %9s %9s %7s   %-15s  %s\n", "", "plain", "skinned", "ratio", "goal",
                "spread (min..max)");
    PrintRow(
        "build and show (ms)", plain, skinned, [](const Round& r) { return r.build(); }, 1.5);
    PrintRow(
        "  of which creating (ms)", plain, skinned, [](const Round& r) { return r.create; }, 0);
    PrintRow(
        "  of which showing, painting (ms)", plain, skinned, [](const Round& r) { return r.showPaint; }, 0);
    PrintRow(
        "repaint whole form (ms)", plain, skinned, [](const Round& r) { return r.repaint; }, 2.0);
    PrintRow(
        "message, hot-key HKM_GETHOTKEY (us)", plain, skinned, [](const Round& r) { return r.hotKey; }, 1.3);
    PrintRow(
        "message, check box BM_GETCHECK (us)", plain, skinned, [](const Round& r) { return r.checkBox; },
        1.3);
    PrintRow(
        "message, edit WM_GETTEXTLENGTH (us)", plain, skinned, [](const Round& r) { return r.edit; }, 1.3);
    PrintRow(
        "list fill, one LB_ADDSTRING (us)", plain, skinned, [](const Round& r) { return r.listFill; }, 1.3);
    PrintRow(
        "destroy (ms)", plain, skinned, [](const Round& r) { return r.destroy; }, 0);
    std::printf(
        "frame of a %d x %d form%s: repaint %.2f ms (median of %d; goal < 5, %s), %d region rebuilds during "
        "them; repaint rebuilding the region %.2f ms (median of %d; goal < 5, %s)\n",
        frame.width, frame.height, frame.framed ? "" : " (NOT FRAMED)", frame.repaint, frame.repaints,
        frame.repaint < 5 ? "met" : "MISSED", frame.rebuildsDuringRepaints, frame.rebuild, frame.rebuilds,
        frame.rebuild < 5 ? "met" : "MISSED");
    std::printf("once: loading Tebix_VB6.dll %.2f ms, attaching the skin %.2f ms\n", loadMs, attachMs);
    const double forwarded = Summary(plain, [](const Round& r) { return r.forwardedHotKey; }).median;
    std::printf(
        "for comparison, without the library: HKM_GETHOTKEY through one forwarding subclass of our own "
        "%.2f us, %.2f x plain\n",
        forwarded, forwarded / Summary(plain, [](const Round& r) { return r.hotKey; }).median);

    std::printf(
        "\nafter the skinned build: %d of %d controls carry \"Tebix\", %d carry \"Tebix_NoHook\", %d "
        "neither\n",
        marks.skinned, vdk::bench::kControlCount, marks.noHook,
        vdk::bench::kControlCount - marks.skinned - marks.noHook);
    std::printf(
        "the form itself: \"Tebix\" %s, \"Tebix_NoHook\" %s; windows inside the controls: %d, %d with "
        "\"Tebix\"\n",
        marks.formSkinned ? "yes" : "no", marks.formNoHook ? "yes" : "no", marks.innerWindows,
        marks.innerSkinned);
    std::printf("%-22s %8s %7s %13s\n", "class", "controls", "\"Tebix\"", "\"Tebix_NoHook\"");
    for (const auto& [name, c] : marks.classes)
      std::printf("%-22s %8d %7d %13d\n", name.c_str(), c.controls, c.skinned, c.noHook);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "benchmark failed: %s\n", failure.what());
    return 1;
  }
  return 0;
}
