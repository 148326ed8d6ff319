// Grids and data controls that paint themselves, under the skin. The
// stand-ins paint a button-face background with cells of other colours,
// through BeginPaint or through GetDC, as the real controls do.
#include <windows.h>

#include <string>

#include "skin/core/skin_data.h"
#include "tests/skin_buttons/button_pixels.h"
#include "tests/skin_engine/engine_support.h"

namespace tebix::test {
namespace {

constexpr int kWidth = 160, kHeight = 90;
constexpr RECT kRedCell{10, 10, 40, 30};
constexpr RECT kWhiteCell{50, 10, 80, 30};
constexpr COLORREF kRed = RGB(200, 30, 30);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGreen = RGB(30, 200, 30);
// The grid draws on its own through GetDC (as after a click).
constexpr UINT kDrawNow = WM_APP + 1;

// How the stand-in grid paints on WM_PAINT.
// kCellsOnly paints the cells and leaves the rest of the DC as it was given.
enum class Way { kBeginPaint, kGetDcInPaint, kCellsOnly };

struct Seen {
  Way way = Way::kBeginPaint;
  int paints = 0;
  bool memory_dc_in_paint = false;
  COLORREF frame_in_paint = CLR_INVALID;  // a frame pixel as the grid began to paint
  int button_ups = 0;
};
Seen g_seen;

void PaintCells(HWND window, HDC dc, bool cells = true, bool background = true) {
  RECT client{};
  GetClientRect(window, &client);
  if (background) FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (!cells) return;
  HBRUSH red = CreateSolidBrush(kRed);
  FillRect(dc, &kRedCell, red);
  DeleteObject(red);
  FillRect(dc, &kWhiteCell, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

LRESULT CALLBACK GridStandIn(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      ++g_seen.paints;
      PAINTSTRUCT ps{};
      const HDC dc = BeginPaint(window, &ps);
      if (dc != nullptr) {
        RECT outer{};
        GetWindowRect(window, &outer);
        g_seen.frame_in_paint = WindowPixel(window, (outer.right - outer.left) / 2, 0);
        g_seen.memory_dc_in_paint = GetObjectType(dc) == OBJ_MEMDC;
        PaintCells(window, dc, g_seen.way != Way::kGetDcInPaint, g_seen.way != Way::kCellsOnly);
      }
      EndPaint(window, &ps);
      if (g_seen.way == Way::kGetDcInPaint) {
        HDC own = GetDC(window);
        PaintCells(window, own);
        ReleaseDC(window, own);
      }
      return 0;
    }
    case kDrawNow: {
      HDC own = GetDC(window);
      HBRUSH green = CreateSolidBrush(kGreen);
      FillRect(own, &kRedCell, green);
      DeleteObject(green);
      ReleaseDC(window, own);
      return 0;
    }
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// A data combo or list: paints its whole client, text and all, in red.
LRESULT CALLBACK ComboStandIn(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      if (const HDC dc = BeginPaint(window, &ps)) {
        RECT client{};
        GetClientRect(window, &client);
        HBRUSH red = CreateSolidBrush(kRed);
        FillRect(dc, &client, red);
        DeleteObject(red);
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, L"North region, a long one", -1, &client, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
      }
      EndPaint(window, &ps);
      return 0;
    }
    case WM_LBUTTONDOWN:
      SetCapture(window);
      return 0;
    case WM_LBUTTONUP:
      ++g_seen.button_ups;
      ReleaseCapture();
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

const wchar_t* const kGrids[] = {L"ApexGrid.19", L"DataGridWndClass", L"MSFlexGridWndClass", L"MSHFlexGridWndClass"};
const wchar_t* const kCombos[] = {L"DataComboWndClass", L"DBComboWndClass"};
const wchar_t* const kLists[] = {L"DBListWndClass", L"DataListWndClass"};

std::string Narrow(const wchar_t* text) {
  const std::wstring wide = text;
  return std::string(wide.begin(), wide.end());
}

class GridTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    for (const wchar_t* name : kGrids) RegisterPlainClass(name, GridStandIn);
    for (const wchar_t* name : kCombos) RegisterPlainClass(name, ComboStandIn);
    for (const wchar_t* name : kLists) RegisterPlainClass(name, ComboStandIn);
    g_seen = {};
  }
  HWND Control(const wchar_t* class_name, int height = kHeight) {
    HWND w = Make(class_name, WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE, nullptr, kWidth, height);
    if (w != nullptr) {
      SetWindowPos(w, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_FRAMECHANGED);
      RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      Pump();
    }
    return w;
  }
};

// Away from the cells and from the 1 px the data grid keeps free inside its client edge.
RECT BackgroundArea(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {2, kRedCell.bottom + 4, client.right - 2, client.bottom - 2};
}

TEST_F(GridTest, ButtonFaceShowsTheSkinBackgroundAndCellsKeepTheirColours) {
  const struct {
    Way way;
    const char* name;
  } ways[] = {{Way::kBeginPaint, "BeginPaint"},
              {Way::kGetDcInPaint, "GetDC while painting"},
              {Way::kCellsOnly, "BeginPaint, cells only"}};
  for (const wchar_t* grid : kGrids) {
    for (const auto& way : ways) {
      const std::string name = Narrow(grid) + " through " + way.name;
      g_seen.way = way.way;
      HWND w = Control(grid);
      ASSERT_NE(ObjectOf(w), nullptr) << name;
      RECT client{};
      GetClientRect(w, &client);
      const Pixels shown = CaptureClient(w);
      const Pixels background = Expected(client.right, client.bottom, [](HDC) {});
      EXPECT_EQ(Differences(shown, background, BackgroundArea(w)), 0) << name << ": not the skin background";
      EXPECT_EQ(shown.at(20, 20), kRed) << name;
      EXPECT_EQ(shown.at(60, 20), kWhite) << name;
      EXPECT_EQ(GetSysColor(COLOR_BTNFACE) == background.at(5, 60), false) << "the skin background must differ from the button face";
      DestroyWindow(w);
    }
  }
}

TEST_F(GridTest, DrawingThroughGetDcOutsidePaintLandsOffScreenAndBringsARepaint) {
  for (const wchar_t* grid : kGrids) {
    const std::string name = Narrow(grid);
    HWND w = Control(grid);
    ASSERT_NE(ObjectOf(w), nullptr) << name;
    const int paints = g_seen.paints;
    SendMessageW(w, kDrawNow, 0, 0);
    EXPECT_EQ(CaptureClient(w).at(20, 20), kRed) << name << ": the drawing reached the screen";
    RECT pending{};
    EXPECT_TRUE(GetUpdateRect(w, &pending, FALSE)) << name << ": no repaint asked for";
    EXPECT_EQ(pending.right - pending.left, kWidth - 4) << name << ": not a full repaint";
    UpdateWindow(w);
    EXPECT_EQ(g_seen.paints, paints + 1) << name;
    EXPECT_EQ(CaptureClient(w).at(20, 20), kRed) << name;
    DestroyWindow(w);
  }
}

TEST_F(GridTest, DrawingThroughGetDcWhilePaintingAsksForNoFurtherPaint) {
  g_seen.way = Way::kGetDcInPaint;
  for (const wchar_t* grid : kGrids) {
    const std::string name = Narrow(grid);
    HWND w = Control(grid);
    const int paints = g_seen.paints;
    for (int i = 0; i < 20; ++i) {
      Pump();
      Sleep(5);
    }
    EXPECT_EQ(g_seen.paints, paints) << name << ": paints itself again and again";
    EXPECT_FALSE(GetUpdateRect(w, nullptr, FALSE)) << name;
    DestroyWindow(w);
  }
}

TEST_F(GridTest, ApexGridFrameIsDrawnBeforeTheGridPaintsIntoAMemoryDc) {
  HWND w = Control(L"ApexGrid.19");
  ASSERT_NE(ObjectOf(w), nullptr);
  RECT outer{};
  GetWindowRect(w, &outer);
  const int middle = (outer.right - outer.left) / 2;
  // The system drew its own edge first: the frame comes with the paint.
  RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_TRUE(g_seen.memory_dc_in_paint);
  EXPECT_EQ(g_seen.frame_in_paint, SkinColour(15));
  EXPECT_EQ(WindowPixel(w, middle, 0), SkinColour(15));
}

TEST_F(GridTest, DataControlsPaintOnlyInsideTheirRingAndOffTheComboButton) {
  const struct {
    const wchar_t* class_name;
    int height;
    int button;  // columns kept for the drop button
  } cases[] = {
      {L"DataComboWndClass", 24, 18},
      {L"DBComboWndClass", 24, 18},
      {L"DBListWndClass", 60, 0},
      {L"DataListWndClass", 60, 0},
  };
  for (const auto& c : cases) {
    const std::string name = Narrow(c.class_name);
    HWND w = Control(c.class_name, c.height);
    ASSERT_NE(ObjectOf(w), nullptr) << name;
    const Pixels shown = CaptureClient(w);
    const RECT item{2, 2, shown.width - 2 - c.button, shown.height - 2};
    int red_inside = 0, red_outside = 0;
    for (int y = 0; y < shown.height; ++y) {
      for (int x = 0; x < shown.width; ++x) {
        const bool red = shown.at(x, y) == kRed;
        const POINT p{x, y};
        if (PtInRect(&item, p)) red_inside += red;
        else red_outside += red;
      }
    }
    EXPECT_GT(red_inside, (item.right - item.left) * (item.bottom - item.top) / 2) << name << ": the control's painting lost";
    EXPECT_EQ(red_outside, 0) << name << ": the control painted over its ring or button";
    DestroyWindow(w);
  }
}

TEST_F(GridTest, DataComboReleaseReachesTheControlOnce) {
  const struct {
    const char* name;
    int x;
  } clicks[] = {{"on the button", kWidth - 12}, {"on the text", 20}};
  for (const auto& click : clicks) {
    HWND w = Control(L"DataComboWndClass", 24);
    g_seen.button_ups = 0;
    const Pixels normal = CaptureClient(w);
    const RECT button{normal.width - 16, 4, normal.width - 4, normal.height - 4};
    const LPARAM at = MAKELPARAM(click.x, 10);
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_EQ(GetCapture(), w) << click.name;
    const int pressed_differences = Differences(CaptureClient(w), normal, button);
    SendMessageW(w, WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_EQ(g_seen.button_ups, 1) << click.name;
    EXPECT_EQ(GetCapture(), nullptr) << click.name;
    // Only a press on the button shows it pressed, and the release shows it normal again.
    EXPECT_EQ(pressed_differences > 0, click.x > kWidth - 22) << click.name;
    EXPECT_EQ(Differences(CaptureClient(w), normal, button), 0) << click.name;
    DestroyWindow(w);
  }
}

}  // namespace
}  // namespace tebix::test
