#include "tools/tbxtool/skin_catalogue.h"

#include <array>
#include <initializer_list>
#include <map>

namespace tebix::tbx {
namespace {

using Labels = std::map<int, std::string>;

// A run of consecutive indices named "<what>, <state>".
void Run(Labels& labels, int first, const std::string& what, std::initializer_list<const char*> states) {
  int i = first;
  for (const char* state : states) {
    if (*state != '\0') labels[i] = what + ", " + state;
    ++i;
  }
}

const Labels& Parts() {
  static const Labels labels = [] {
    Labels l;
    const char* const pieces[] = {"caption", "left border", "right border", "bottom border"};
    const char* const frames[] = {"normal frame", "tool frame", "border-only frame"};
    const int bases[] = {0, 28, 40};
    for (int f = 0; f < 3; ++f) {
      for (int p = 0; p < 4; ++p) {
        const std::string what = std::string(frames[f]) + " " + (f == 2 && p == 0 ? "top border" : pieces[p]);
        Run(l, bases[f] + 2 * p, what, {"active", "inactive"});
      }
    }
    const std::initializer_list<const char*> four = {"normal", "hot", "pressed", "inactive or disabled"};
    Run(l, 8, "close button", four);
    Run(l, 12, "maximize button", four);
    Run(l, 16, "restore button", four);
    Run(l, 20, "minimize button", four);
    Run(l, 24, "help button", four);
    Run(l, 36, "tool frame close button", four);
    l[48] = "menu bar";
    l[50] = "menu bar item, hot";
    l[51] = "menu bar item, open";
    Run(l, 53, "child close in menu bar", {"normal", "hot", "open"});
    Run(l, 57, "child restore in menu bar", {"normal", "hot", "open"});
    Run(l, 61, "child minimize in menu bar", {"normal", "hot", "open"});
    l[65] = "menu background";
    l[66] = "menu separator";
    l[68] = "menu item, highlighted";
    Run(l, 71, "push button", {"normal", "hot", "focused", "pressed", "disabled"});
    const std::initializer_list<const char*> five = {"normal", "hot", "pressed", "focused", "disabled"};
    Run(l, 76, "check box unchecked", five);
    Run(l, 81, "check box checked", five);
    Run(l, 86, "check box indeterminate", five);
    Run(l, 91, "radio unchecked", five);
    Run(l, 96, "radio checked", five);
    Run(l, 101, "group frame", {"enabled", "disabled"});
    Run(l, 103, "group caption", {"enabled", "disabled"});
    Run(l, 106, "toolbar button", {"normal", "hot", "pressed or checked", "disabled"});
    l[111] = "toolbar separator";
    l[112] = "status bar";
    l[113] = "status part separator";
    const std::initializer_list<const char*> arrow = {"normal", "hot", "pressed", "disabled"};
    Run(l, 116, "scroll up arrow", arrow);
    Run(l, 120, "scroll down arrow", arrow);
    Run(l, 124, "scroll left arrow", arrow);
    Run(l, 128, "scroll right arrow", arrow);
    Run(l, 132, "vertical track", {"normal", "", "", "disabled"});
    Run(l, 136, "horizontal track", {"normal", "", "", "disabled"});
    Run(l, 140, "vertical thumb", {"normal", "hot", "pressed"});
    Run(l, 144, "horizontal thumb", {"normal", "hot", "pressed"});
    l[149] = "size grip";
    Run(l, 150, "header item", {"normal", "hot", "pressed"});
    Run(l, 154, "progress track", {"enabled", "disabled"});
    Run(l, 156, "progress fill", {"enabled", "disabled"});
    Run(l, 160, "vertical progress track", {"enabled", "disabled"});
    Run(l, 162, "vertical progress fill", {"enabled", "disabled"});
    const std::initializer_list<const char*> tab = {"normal", "", "selected", "", "disabled"};
    Run(l, 166, "tab above", tab);
    Run(l, 171, "tab below", tab);
    Run(l, 176, "tab left", tab);
    Run(l, 181, "tab right", tab);
    l[186] = "tab pane";
    Run(l, 194, "up-down up", arrow);
    Run(l, 198, "up-down down", arrow);
    Run(l, 202, "up-down left", arrow);
    Run(l, 206, "up-down right", arrow);
    l[214] = "drop button, normal";
    l[217] = "drop button, pressed";
    l[218] = "drop button, disabled";
    const std::initializer_list<const char*> thumb = {"normal", "hot", "", "pressed", "disabled"};
    Run(l, 219, "trackbar thumb both", thumb);
    Run(l, 224, "trackbar thumb top", thumb);
    Run(l, 229, "trackbar thumb bottom", thumb);
    Run(l, 234, "vertical trackbar thumb both", thumb);
    Run(l, 239, "vertical trackbar thumb left", {"normal", "hot", "focused", "pressed", "disabled"});
    Run(l, 244, "vertical trackbar thumb right", thumb);
    Run(l, 249, "vertical channel", {"enabled", "disabled"});
    Run(l, 251, "horizontal channel", {"enabled", "disabled"});
    Run(l, 253, "calendar previous", arrow);
    Run(l, 257, "calendar next", arrow);
    l[261] = "date picker button, normal";
    l[264] = "date picker button, pressed";
    l[265] = "date picker button, disabled";
    l[266] = "toolbar frame";
    return l;
  }();
  return labels;
}

const Labels& Colours() {
  static const Labels labels = [] {
    Labels l;
    Run(l, 0, "check box text", {"normal", "", "", "", "disabled"});
    Run(l, 5, "push button text", {"normal", "", "", "", "disabled"});
    Run(l, 10, "radio text", {"normal", "", "", "", "disabled"});
    Run(l, 15, "field edge",
        {"line", "fill", "line state 1", "fill state 1", "line focused", "fill focused", "line disabled",
         "fill disabled"});
    Run(l, 24, "caption text", {"active", "inactive"});
    Run(l, 26, "tool caption text", {"active", "inactive"});
    Run(l, 28, "group caption", {"enabled", "disabled"});
    Run(l, 30, "group line", {"enabled", "disabled"});
    Run(l, 32, "header text", {"normal", "hot", "pressed"});
    Run(l, 36, "menu text", {"normal", "highlighted", "", "disabled"});
    Run(l, 40, "menu bar text", {"normal", "hot", "open"});
    Run(l, 44, "calendar title", {"enabled", "disabled"});
    l[46] = "status text";
    l[48] = "tab text";
    Run(l, 53, "toolbar text", {"normal", "hot", "pressed", "disabled"});
    Run(l, 61, "control text on background", {"enabled", "disabled"});
    return l;
  }();
  return labels;
}

const Labels& Metrics() {
  static const Labels labels = {
      {1, "help button keeps its place"},
      {4, "group frame from parts"},
      {5, "group line rounding x"},
      {6, "group line rounding y"},
      {7, "menu item height"},
      {8, "menu separator height"},
      {9, "submenu arrow from right"},
      {10, "menu check x"},
      {11, "menu text x"},
      {13, "menu bar row height"},
      {14, "horizontal bar height"},
      {15, "horizontal arrow width"},
      {16, "horizontal thumb minimum"},
      {17, "vertical bar width"},
      {18, "vertical arrow height"},
      {19, "vertical thumb minimum"},
      {20, "combo button full height"},
      {21, "date button full height"},
      {22, "field edge rounding x"},
      {23, "field edge rounding y"},
  };
  return labels;
}

const Labels& OffsetPairs() {
  static const Labels labels = {
      {0, "close button"},
      {1, "maximize button"},
      {2, "minimize button"},
      {3, "help button"},
      {4, "icon place"},
      {5, "icon size"},
      {6, "caption text gap"},
      {8, "tool close button"},
      {9, "tool caption text gap"},
      {14, "pressed caption shift"},
  };
  return labels;
}

std::string Find(const Labels& labels, int index) {
  const auto it = labels.find(index);
  return it == labels.end() ? std::string() : it->second;
}

}  // namespace

std::string PartUse(int index) {
  return Find(Parts(), index);
}
std::string ColourUse(int index) {
  return Find(Colours(), index);
}
std::string MetricUse(int index) {
  return Find(Metrics(), index);
}
std::string OffsetPairUse(int index) {
  return Find(OffsetPairs(), index);
}
std::string RectangleUse(int index) {
  return index == 0 ? "background" : index <= 28 ? "menu glyph (empty: built-in glyph)" : "";
}

const std::vector<TextOnPart>& TextPairs() {
  static const std::vector<TextOnPart> pairs = {
      {0, -1},   {4, -1},   {5, 71},   {5, 72},   {5, 73},   {5, 74},   {9, 75},   {10, -1},
      {14, -1},  {24, 0},   {25, 1},   {26, 28},  {27, 29},  {28, 103}, {29, 104}, {32, 150},
      {33, 151}, {34, 152}, {36, 65},  {37, 68},  {39, 65},  {40, 48},  {41, 50},  {42, 51},
      {46, 112}, {48, 166}, {48, 168}, {48, 170}, {48, 171}, {48, 173}, {48, 175}, {48, 176},
      {48, 178}, {48, 180}, {48, 181}, {48, 183}, {48, 185}, {48, 186}, {53, 106}, {53, -1},
      {54, 107}, {55, 108}, {56, 109}, {56, -1},  {61, -1},  {62, -1},
  };
  return pairs;
}

}  // namespace tebix::tbx
