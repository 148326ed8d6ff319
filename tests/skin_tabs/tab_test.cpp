// Tab controls and tab strips under the skin: the part each tab shows by
// side and state, the selected tab grown over the pane, tabs scrolled out
// of view, text reading the way the tabs stand, and wide captions in
// Chinese drawn with real glyphs whatever the code page.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "skin/core/draw_skin_part.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "skin/render/tab_layout.h"
#include "tests/skin_buttons/button_pixels.h"
#include "tests/skin_engine/engine_support.h"

namespace tebix::test {
namespace {

constexpr int kWidth = 300, kHeight = 160;
constexpr wchar_t kStripClass[] = L"TabStrip20WndClass";

RECT ItemRect(HWND w, int index) {
  RECT r{};
  SendMessageW(w, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

RECT Inflated(RECT r, int dx, int dy) {
  InflateRect(&r, dx, dy);
  return r;
}

void AddItems(HWND w, std::initializer_list<const wchar_t*> captions) {
  for (const wchar_t* caption : captions) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption);
    SendMessageW(w, TCM_INSERTITEMW, SendMessageW(w, TCM_GETITEMCOUNT, 0, 0), reinterpret_cast<LPARAM>(&item));
  }
}

bool Vertical(DWORD style) {
  return (style & TCS_VERTICAL) != 0;
}

class TabTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    // The VB runtime's tab strip wraps the common tab control.
    RegisterSuperclassA("TabStrip20WndClass", "SysTabControl32");
  }

  // A tab control with fixed-size tabs and the given captions, shown and painted.
  HWND Tabs(const wchar_t* class_name, DWORD style, std::initializer_list<const wchar_t*> captions, int selected,
            int width = kWidth, int height = kHeight) {
    HWND w = Make(class_name, WS_CHILD | WS_VISIBLE | TCS_FIXEDWIDTH | style, 0, nullptr, width, height);
    if (w == nullptr) return nullptr;
    SetWindowPos(w, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE);
    SendMessageW(w, TCM_SETITEMSIZE, 0, MAKELPARAM(64, 24));
    AddItems(w, captions);
    SendMessageW(w, TCM_SETCURSEL, static_cast<WPARAM>(selected), 0);
    Repaint(w);
    return w;
  }
};

// The tabs, shown as the skin says: every unselected tab its side's normal
// (or disabled) part, the selected tab its selected (or disabled) part grown
// by 2 px (the strip's tab below the pane by 3 at its bottom), and the pane
// under it; a disabled control shows the disabled part for every tab.
TEST_F(TabTest, EachTabShowsThePartOfItsSideAndState) {
  struct Case {
    const char* name;
    const wchar_t* class_name;
    DWORD style;
    bool disable_after;  // disabled once shown: the control repaints itself
    int normal, selected;
    int grow_bottom;
  } cases[] = {
      {"top", WC_TABCONTROLW, 0, false, 166, 168, 2},
      {"bottom", WC_TABCONTROLW, TCS_BOTTOM, false, 171, 173, 2},
      {"left", WC_TABCONTROLW, TCS_VERTICAL | TCS_MULTILINE, false, 176, 178, 2},
      {"right", WC_TABCONTROLW, TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE, false, 181, 183, 2},
      {"top disabled", WC_TABCONTROLW, WS_DISABLED, false, 170, 170, 2},
      {"bottom disabled", WC_TABCONTROLW, TCS_BOTTOM | WS_DISABLED, false, 175, 175, 2},
      {"left disabled after showing", WC_TABCONTROLW, TCS_VERTICAL | TCS_MULTILINE, true, 180, 180, 2},
      {"right disabled", WC_TABCONTROLW, TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE | WS_DISABLED, false, 185, 185, 2},
      {"strip top", kStripClass, 0, false, 166, 168, 2},
      {"strip bottom grows 3 at the bottom", kStripClass, TCS_BOTTOM, false, 171, 173, 3},
      {"strip disabled after showing", kStripClass, 0, true, 170, 170, 2},
  };
  for (const Case& c : cases) {
    HWND w = Tabs(c.class_name, c.style, {L"", L"", L""}, 1);
    ASSERT_NE(w, nullptr) << c.name;
    ASSERT_NE(ObjectOf(w), nullptr) << c.name;
    if (c.disable_after) {
      EnableWindow(w, FALSE);
      UpdateWindow(w);
    }
    const bool vertical = Vertical(c.style);
    const RECT r = ItemRect(w, 1);
    RECT grown = Inflated(r, 2, 2);
    grown.bottom = r.bottom + c.grow_bottom;
    // The pane from the selected tab's inner edge to the far client edge.
    RECT pane{0, 0, kWidth, kHeight};
    const bool below = (c.style & TCS_BOTTOM) && !vertical;
    if (!vertical && !below) pane.top = r.bottom;
    if (below) pane.bottom = r.top;
    if (vertical && (c.style & TCS_RIGHT)) pane.right = r.left;
    else if (vertical) pane.left = r.right;
    auto part = [](HDC dc, const RECT& rect, int index) {
      DrawSkinPart(dc, rect, CurrentSkinData()->parts[index], SkinBitmapDc());
    };
    // The other tabs, then the pane, then the selected tab over both.
    auto scene = [&](const RECT& selected_rect) {
      return Expected(kWidth, kHeight, [&](HDC dc) {
        for (int i : {0, 2}) part(dc, ItemRect(w, i), c.normal);
        part(dc, pane, tab::kPanePart);
        part(dc, selected_rect, c.selected);
      });
    };
    const Pixels shown = CaptureClient(w);
    const RECT client{0, 0, kWidth, kHeight};
    EXPECT_EQ(Differences(shown, scene(grown), client), 0) << c.name;
    // Drawn ungrown, the selected tab would look different.
    const Pixels ungrown = scene(r);
    if (Differences(ungrown, scene(grown), client) > 0) {
      EXPECT_GT(Differences(shown, ungrown, client), 0) << c.name << ": selected tab not grown";
    }
    DestroyWindow(w);
  }
}

TEST_F(TabTest, TheSkinTellsTheTabPartsApart) {
  // Without different parts the side and state tests could not fail.
  const RECT r{0, 0, 64, 24};
  for (int normal : {166, 171, 176, 181}) {
    const Pixels n = ExpectedPart(64, 24, normal, r);
    EXPECT_GT(Differences(n, ExpectedPart(64, 24, normal + 2, r), r), 0) << normal;
    EXPECT_GT(Differences(n, ExpectedPart(64, 24, normal + 4, r), r), 0) << normal;
    for (int other : {166, 171, 176, 181}) {
      if (other != normal) {
        EXPECT_GT(Differences(n, ExpectedPart(64, 24, other, r), r), 0) << normal << " " << other;
      }
    }
  }
}

TEST_F(TabTest, ButtonStyleTabsArePushFacesWithoutAPane) {
  struct Case {
    const char* name;
    DWORD style;
    int normal, selected;
  } cases[] = {
      {"enabled", TCS_BUTTONS, 71, 73},
      {"disabled", TCS_BUTTONS | WS_DISABLED, 75, 75},
  };
  for (const Case& c : cases) {
    HWND w = Tabs(WC_TABCONTROLW, c.style, {L"", L"", L""}, 1);
    const Pixels shown = CaptureClient(w);
    for (int i : {0, 1, 2}) {
      const RECT r = ItemRect(w, i);
      const int part = i == 1 ? c.selected : c.normal;
      EXPECT_EQ(Differences(shown, ExpectedPart(kWidth, kHeight, part, r), r), 0) << c.name << ": button " << i;
    }
    // No pane: the skin background below the buttons.
    RECT below{0, ItemRect(w, 0).bottom + 4, kWidth, kHeight};
    EXPECT_EQ(Differences(shown, Expected(kWidth, kHeight, [](HDC) {}), below), 0) << c.name;
    DestroyWindow(w);
  }
}

TEST_F(TabTest, TabsScrolledOutOnTheLeftAreNotDrawn) {
  // Ten tabs in a narrow control, the first (selected) one with a caption,
  // scrolled so that the first four lie out of view on the left.
  constexpr int W = 200, H = 80;
  HWND w = Tabs(WC_TABCONTROLW, 0, {L"WWWW", L"WWWW", L"WWWW", L"WWWW", L"", L"", L"", L"", L"", L""}, 0, W, H);
  ASSERT_NE(w, nullptr);
  for (int step = 0; step < 4; ++step) SendMessageW(w, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 4), 0);
  Repaint(w);
  RECT first{};  // the first tab in view
  int in_view = -1;
  for (int i = 0; i < 10 && in_view < 0; ++i) {
    first = ItemRect(w, i);
    if (first.left >= 0 && first.right > first.left) in_view = i;
  }
  ASSERT_GT(in_view, 0) << "the control did not scroll";
  // The row of tabs in view, short of the scroll arrows: only their parts,
  // nothing of the tabs out of view (neither their faces nor their captions).
  const Pixels want = Expected(W, H, [&](HDC dc) {
    for (int i = in_view; i < 10; ++i) {
      const RECT r = ItemRect(w, i);
      DrawSkinPart(dc, r, CurrentSkinData()->parts[166], SkinBitmapDc());
    }
  });
  const RECT row{0, 0, W - 40, first.bottom};
  const Pixels shown = CaptureClient(w);
  EXPECT_EQ(Differences(shown, want, row), 0);
  // With the selection out of view, the pane starts under the tabs in view.
  const RECT pane_row{0, first.bottom, W - 40, first.bottom + 4};
  const Pixels pane = ExpectedPart(W, H, tab::kPanePart, RECT{0, first.bottom, W, H});
  EXPECT_EQ(Differences(shown, pane, pane_row), 0);
  DestroyWindow(w);
}

// Where the window differs from what it shows without captions: the text.
struct Ink {
  int count = 0;
  RECT box{INT_MAX, INT_MAX, -1, -1};
  std::vector<int> columns;  // ink per column of the box
  std::vector<bool> mask;    // row by row over `area`
};

Ink InkIn(const Pixels& shown, const Pixels& bare, const RECT& area) {
  Ink ink;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      const bool on = shown.at(x, y) != bare.at(x, y);
      ink.mask.push_back(on);
      if (!on) continue;
      ++ink.count;
      ink.box.left = std::min<LONG>(ink.box.left, x);
      ink.box.top = std::min<LONG>(ink.box.top, y);
      ink.box.right = std::max<LONG>(ink.box.right, x + 1);
      ink.box.bottom = std::max<LONG>(ink.box.bottom, y + 1);
    }
  if (ink.count > 0) {
    for (int x = ink.box.left; x < ink.box.right; ++x) {
      int n = 0;
      for (int y = ink.box.top; y < ink.box.bottom; ++y) n += shown.at(x, y) != bare.at(x, y);
      ink.columns.push_back(n);
    }
  }
  return ink;
}

// The same control twice, once with captions and once without: the captions' pixels.
class CaptionTest : public TabTest {
 protected:
  std::pair<Pixels, Pixels> ShownAndBare(DWORD style, std::initializer_list<const wchar_t*> captions) {
    HWND w = Tabs(WC_TABCONTROLW, style, captions, 1);
    shown_rects_.clear();
    for (int i = 0; i < static_cast<int>(captions.size()); ++i) shown_rects_.push_back(ItemRect(w, i));
    Pixels shown = CaptureClient(w);
    DestroyWindow(w);
    std::vector<const wchar_t*> blanks(captions.size(), L"");
    HWND bare_window = Make(WC_TABCONTROLW, WS_CHILD | WS_VISIBLE | TCS_FIXEDWIDTH | style, 0, nullptr, kWidth, kHeight);
    SetWindowPos(bare_window, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE);
    SendMessageW(bare_window, TCM_SETITEMSIZE, 0, MAKELPARAM(64, 24));
    for (size_t i = 0; i < blanks.size(); ++i) AddItems(bare_window, {L""});
    SendMessageW(bare_window, TCM_SETCURSEL, 1, 0);
    Repaint(bare_window);
    Pixels bare = CaptureClient(bare_window);
    DestroyWindow(bare_window);
    return {std::move(shown), std::move(bare)};
  }
  std::vector<RECT> shown_rects_;
};

TEST_F(CaptionTest, TextReadsTheWayTheTabsStand) {
  // "TTT": the bars of the T lie on the side the letters' tops face.
  struct Case {
    const char* name;
    DWORD style;
    enum { kAcross, kTopsLeft, kTopsRight } reads;
  } cases[] = {
      {"across", 0, Case::kAcross},
      {"left: upwards (900)", TCS_VERTICAL | TCS_MULTILINE, Case::kTopsLeft},
      {"right: downwards (-900)", TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE, Case::kTopsRight},
  };
  for (const Case& c : cases) {
    auto [shown, bare] = ShownAndBare(c.style, {L"TTT", L"TTT", L"TTT"});
    const Ink ink = InkIn(shown, bare, shown_rects_[0]);
    ASSERT_GT(ink.count, 6) << c.name << ": no text";
    const int w = ink.box.right - ink.box.left, h = ink.box.bottom - ink.box.top;
    if (c.reads == Case::kAcross) {
      EXPECT_GT(w, h) << c.name;
      continue;
    }
    EXPECT_GT(h, w) << c.name << ": text not turned";
    const auto densest = std::max_element(ink.columns.begin(), ink.columns.end()) - ink.columns.begin();
    if (c.reads == Case::kTopsLeft) EXPECT_LT(densest, w / 2) << c.name;
    else EXPECT_GE(densest, w / 2) << c.name;
    // Centred across the tab.
    const RECT item = shown_rects_[0];
    const int middle = (item.left + item.right) / 2;
    EXPECT_LE(std::abs((ink.box.left + ink.box.right) / 2 - middle), 3) << c.name;
  }
}

TEST_F(CaptionTest, WideChineseCaptionsAreDrawnWithGlyphs) {
  // Two captions of the same length: drawn as glyphs they differ; as the
  // boxes of a font without them, or as question marks from a code page
  // without them, they would look alike.
  auto [shown, bare] = ShownAndBare(0, {L"\x57FA\x672C\x53C2\x6570", L"x", L"\x6B66\x5668\x5C5E\x6027"});
  const Ink first = InkIn(shown, bare, Inflated(shown_rects_[0], -3, 0));
  const Ink second = InkIn(shown, bare, Inflated(shown_rects_[2], -3, 0));
  ASSERT_GT(first.count, 40) << "no glyphs";
  ASSERT_GT(second.count, 40) << "no glyphs";
  EXPECT_NE(first.mask, second.mask) << "both captions drawn alike: no glyphs";
  // Four ideographs at the family font's 12 pixels: about 48 px wide.
  EXPECT_GE(first.box.right - first.box.left, 40);
  EXPECT_LE(first.box.bottom - first.box.top, 16);
}

// A 16 x 16 image list of one square in a colour no skin part has.
constexpr COLORREF kImageColour = RGB(230, 20, 210);
HIMAGELIST SquareImages() {
  static const HIMAGELIST list = [] {
    const HIMAGELIST made = ImageList_Create(16, 16, ILC_COLOR24, 1, 0);
    HDC screen = GetDC(nullptr);
    const HBITMAP square = CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(dc, square);
    const RECT all{0, 0, 16, 16};
    HBRUSH brush = CreateSolidBrush(kImageColour);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    ImageList_Add(made, square, nullptr);
    DeleteObject(square);
    return made;
  }();
  return list;
}

RECT BoxOfColour(const Pixels& p, const RECT& area, COLORREF colour) {
  RECT box{INT_MAX, INT_MAX, -1, -1};
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (p.at(x, y) == colour) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
  return box;
}

TEST_F(CaptionTest, ImageSitsBeforeTheTextInItsReadingDirection) {
  struct Case {
    const char* name;
    DWORD style;
    enum { kLeftOfText, kBelowText, kAboveText } where;
    int part;  // the unselected tab's
  } cases[] = {
      {"across", 0, Case::kLeftOfText, 166},
      {"upwards", TCS_VERTICAL | TCS_MULTILINE, Case::kBelowText, 176},
      {"downwards", TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE, Case::kAboveText, 181},
      {"button", TCS_BUTTONS, Case::kLeftOfText, 71},
  };
  for (const Case& c : cases) {
    const bool vertical = Vertical(c.style);
    HWND w = Make(WC_TABCONTROLW, WS_CHILD | WS_VISIBLE | TCS_FIXEDWIDTH | c.style, 0, nullptr, kWidth, kHeight);
    SetWindowPos(w, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE);
    SendMessageW(w, TCM_SETITEMSIZE, 0, MAKELPARAM(90, 28));
    SendMessageW(w, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(SquareImages()));
    for (int i = 0; i < 2; ++i) {
      TCITEMW item{};
      item.mask = TCIF_TEXT | TCIF_IMAGE;
      item.pszText = const_cast<wchar_t*>(L"TT");
      item.iImage = i == 0 ? 0 : -1;  // the second without an image
      SendMessageW(w, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(w, TCM_SETCURSEL, 1, 0);
    Repaint(w);
    const RECT r = ItemRect(w, 0);
    const Pixels shown = CaptureClient(w);
    const RECT image = BoxOfColour(shown, r, kImageColour);
    ASSERT_EQ(image.right - image.left, 16) << c.name << ": no image";
    EXPECT_EQ(image.bottom - image.top, 16) << c.name;
    EXPECT_EQ(BoxOfColour(shown, ItemRect(w, 1), kImageColour).right, -1) << c.name << ": image without an index";
    // The text: what differs from the part, outside the image.
    const Pixels face = ExpectedPart(kWidth, kHeight, c.part, r);
    RECT text{INT_MAX, INT_MAX, -1, -1};
    const RECT inner = Inflated(r, -2, -2);
    for (int y = inner.top; y < inner.bottom; ++y)
      for (int x = inner.left; x < inner.right; ++x) {
        const POINT pt{x, y};
        if (PtInRect(&image, pt) || shown.at(x, y) == face.at(x, y)) continue;
        text.left = std::min<LONG>(text.left, x);
        text.top = std::min<LONG>(text.top, y);
        text.right = std::max<LONG>(text.right, x + 1);
        text.bottom = std::max<LONG>(text.bottom, y + 1);
      }
    ASSERT_GE(text.right, 0) << c.name << ": no text";
    switch (c.where) {
      case Case::kLeftOfText: EXPECT_LE(image.right, text.left) << c.name; break;
      case Case::kBelowText: EXPECT_GE(image.top, text.bottom) << c.name; break;
      case Case::kAboveText: EXPECT_LE(image.bottom, text.top) << c.name; break;
    }
    // Image and text make one group centred along the tab.
    const int group_middle = vertical ? (std::min(image.top, text.top) + std::max(image.bottom, text.bottom)) / 2
                                      : (std::min(image.left, text.left) + std::max(image.right, text.right)) / 2;
    const int tab_middle = vertical ? (r.top + r.bottom) / 2 : (r.left + r.right) / 2;
    EXPECT_LE(std::abs(group_middle - tab_middle), 4) << c.name;
    DestroyWindow(w);
  }
}

}  // namespace
}  // namespace tebix::test
