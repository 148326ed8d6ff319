// The scrolled controls: every class of the family gets its renderer and the
// skin's bars, an edit box scrolls one line per wheel notch, and a list
// scrolled by its skinned bar shows what a fresh paint shows.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/attach/real_functions.h"
#include "skin/attach/window_table.h"
#include "skin/core/exports.h"
#include "skin/core/skin_data.h"
#include "skin/render/scroll_bar_engine.h"
#include "tests/skin_scroll/scroll_support.h"

namespace tebix::test {
namespace {

void Repaint(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

std::wstring Line(int i) {
  return L"\u7b2c " + std::to_wstring(i) + L" \u884c, a line long enough to scroll sideways as well";
}

void FillEdit(HWND edit, int lines) {
  std::wstring text;
  for (int i = 0; i < lines; ++i) text += Line(i) + L"\r\n";
  SetWindowTextW(edit, text.c_str());
}
void FillListBox(HWND list, UINT add, int count) {
  for (int i = 0; i < count; ++i) SendMessageW(list, add, 0, reinterpret_cast<LPARAM>(Line(i).c_str()));
}
void FillListView(HWND view, int count) {
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 300;
  column.pszText = const_cast<wchar_t*>(L"\u540d\u79f0");
  SendMessageW(view, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  for (int i = 0; i < count; ++i) {
    std::wstring text = Line(i);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = text.data();
    SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
}
void FillTreeView(HWND tree, int count) {
  for (int i = 0; i < count; ++i) {
    std::wstring text = Line(i);
    TVINSERTSTRUCTW insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = text.data();
    SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
  }
}

RendererProc ProcedureOf(HWND window) {
  const WindowRecord* record = FindRecord(window);
  return record != nullptr ? record->procedure : nullptr;
}

struct FamilyCase {
  const char* name;
  const char* class_name;  // ANSI name (the VB6 runtime's are ANSI classes)
  const char* base;        // a stand-in registered as a copy of this class, or null
  DWORD style;
  std::function<void(HWND)> fill;
  bool focus_repaint;
};

class FamilyTest : public ScrollTest {
 protected:
  void SetUp() override {
    ScrollTest::SetUp();
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    LoadLibraryW(L"riched32.dll");
    RegisterSuperclassA("ThunderRT6TextBox", "Edit");
    RegisterSuperclassA("ThunderTextBox", "Edit");
    RegisterSuperclassA("ThunderRT6ListBox", "ListBox");
    RegisterSuperclassA("ThunderListBox", "ListBox");
    RegisterSuperclassA("ThunderRT6FileListBox", "ListBox");
    RegisterSuperclassA("ThunderFileListBox", "ListBox");
    RegisterSuperclassA("ThunderRT6DirListBox", "ListBox");
    RegisterSuperclassA("ThunderDirListBox", "ListBox");
    RegisterSuperclassA("ListView20WndClass", "SysListView32");
    RegisterSuperclassA("TreeView20WndClass", "SysTreeView32");
    RegisterSuperclassA("RichTextWndClass", "RICHEDIT");
  }

  std::vector<FamilyCase> Cases() {
    const auto edit = [](HWND w) { FillEdit(w, 60); };
    const auto list = [](HWND w) { FillListBox(w, LB_ADDSTRING, 60); };
    const auto view = [](HWND w) { FillListView(w, 60); };
    const auto tree = [](HWND w) { FillTreeView(w, 60); };
    const DWORD edit_style = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_HSCROLL;
    const DWORD list_style = LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL;
    return {
        {"Edit", "Edit", nullptr, edit_style, edit, true},
        {"ThunderRT6TextBox", "ThunderRT6TextBox", nullptr, edit_style, edit, true},
        {"ThunderTextBox", "ThunderTextBox", nullptr, edit_style, edit, true},
        {"RICHEDIT", "RICHEDIT", nullptr, edit_style, edit, true},
        {"RichTextWndClass", "RichTextWndClass", nullptr, edit_style, edit, true},
        {"ListBox", "ListBox", nullptr, list_style, list, true},
        {"ThunderRT6ListBox", "ThunderRT6ListBox", nullptr, list_style, list, true},
        {"ThunderListBox", "ThunderListBox", nullptr, list_style, list, true},
        {"ThunderRT6FileListBox", "ThunderRT6FileListBox", nullptr, list_style, list, true},
        {"ThunderFileListBox", "ThunderFileListBox", nullptr, list_style, list, true},
        {"ThunderRT6DirListBox", "ThunderRT6DirListBox", nullptr, list_style, list, true},
        {"ThunderDirListBox", "ThunderDirListBox", nullptr, list_style, list, true},
        {"SysListView32", "SysListView32", nullptr, LVS_REPORT | WS_VSCROLL, view, true},
        {"ListView20WndClass", "ListView20WndClass", nullptr, LVS_REPORT | WS_VSCROLL, view, true},
        {"SysTreeView32", "SysTreeView32", nullptr, WS_VSCROLL, tree, true},
        {"TreeView20WndClass", "TreeView20WndClass", nullptr, WS_VSCROLL, tree, true},
    };
  }
};

TEST_F(FamilyTest, EveryClassGetsItsRendererSkinnedBarsAndFocusBorder) {
  RendererProc edit_procedure = nullptr;
  for (const FamilyCase& c : Cases()) {
    HWND w = ChildA(c.class_name, c.style | WS_TABSTOP, WS_EX_CLIENTEDGE, 20, 20, 220, 160);
    ASSERT_NE(w, nullptr) << c.name;
    c.fill(w);
    Repaint(w);
    Pump();
    ASSERT_NE(ObjectOf(w), nullptr) << c.name;
    EXPECT_TRUE(HasProperty(w, "Tebix")) << c.name;
    EXPECT_TRUE(HasProperty(w, "Scroll_Prop")) << c.name;
    // All of the family share the scrolled controls' procedure.
    if (edit_procedure == nullptr) edit_procedure = ProcedureOf(w);
    EXPECT_EQ(ProcedureOf(w), edit_procedure) << c.name;
    ScrollState& s = StateOf(w);
    ASSERT_EQ(s.vertical.shown, 1) << c.name;
    ASSERT_FALSE(IsRectEmpty(&s.vertical_thumb)) << c.name << ": enough items to scroll";
    const RECT client = ClientInWindow(w);
    EXPECT_EQ(s.up_arrow.right - s.up_arrow.left, SkinMetric(17)) << c.name << ": the skin's bar width";
    for (const auto& [label, rect, part] : {std::tuple{"up arrow", s.up_arrow, kUpArrowPart},
                                            std::tuple{"down arrow", s.down_arrow, kDownArrowPart},
                                            std::tuple{"thumb", s.vertical_thumb, kVerticalThumbPart}}) {
      const POINT p{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
      EXPECT_EQ(ScreenPixel(w, p.x, p.y), PartPixel(part, rect, p.x, p.y)) << c.name << ": " << label;
    }
    // The border's line follows the focus at once.
    const int y = (client.top + client.bottom) / 2;
    EXPECT_EQ(ScreenPixel(w, 0, y), SkinColour(15)) << c.name << ": normal line";
    SetFocus(w);
    EXPECT_EQ(ScreenPixel(w, 0, y), SkinColour(19)) << c.name << ": focused line";
    SetFocus(host());
    EXPECT_EQ(ScreenPixel(w, 0, y), SkinColour(15)) << c.name << ": normal again";
    EnableWindow(w, FALSE);
    EXPECT_EQ(ScreenPixel(w, 0, y), SkinColour(21)) << c.name << ": disabled line";
    DestroyWindow(w);
  }
}

// What the control did where the engine could not see it: it had the focus
// before the skin came, or it set its bars with its redrawing turned off.
// The skinned border and bars show it all the same.
TEST_F(FamilyTest, FocusAndBarsSetOutOfSightAreShown) {
  struct Case {
    const char* name;
    const char* class_name;
    DWORD style;
    std::function<void(HWND)> fill;
  };
  const auto list = [](HWND w) { FillListBox(w, LB_ADDSTRING, 60); };
  const auto edit = [](HWND w) { FillEdit(w, 60); };
  const Case cases[] = {
      {"list box", "ListBox", LBS_NOINTEGRALHEIGHT | WS_VSCROLL, list},
      {"edit box", "Edit", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, edit},
      {"VB text box", "ThunderRT6TextBox", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, edit},
  };
  for (const Case& c : cases) {
    // Focused while no skin was attached: the border is drawn focused once
    // the skin comes, and normal when the focus goes.
    Tebix_Detach();
    HWND w = ChildA(c.class_name, c.style | WS_TABSTOP, WS_EX_CLIENTEDGE, 20, 20, 220, 160);
    ASSERT_NE(w, nullptr) << c.name;
    SetFocus(w);
    Tebix_Attach();
    Repaint(w);
    Pump();
    ASSERT_NE(ObjectOf(w), nullptr) << c.name;
    const RECT client = ClientInWindow(w);
    const int y = (client.top + client.bottom) / 2;
    EXPECT_EQ(ScreenPixel(w, 0, y), SkinColour(19)) << c.name << ": focused before the skin came";
    SetFocus(host());
    EXPECT_EQ(ScreenPixel(w, 0, y), SkinColour(15)) << c.name << ": normal once the focus went";

    // Filled with its redrawing off: the skinned bar has the control's
    // range once redrawing is back on.
    SendMessageW(w, WM_SETREDRAW, FALSE, 0);
    c.fill(w);
    SendMessageW(w, WM_SETREDRAW, TRUE, 0);
    Repaint(w);
    Pump();
    SCROLLINFO own{};
    own.cbSize = sizeof own;
    own.fMask = SIF_RANGE | SIF_PAGE;
    ASSERT_TRUE(real::GetScrollInfo(w, SB_VERT, &own)) << c.name;
    ScrollState& s = StateOf(w);
    EXPECT_EQ(s.vertical.info.nMax, own.nMax) << c.name;
    EXPECT_EQ(s.vertical.info.nPage, own.nPage) << c.name;
    ASSERT_GT(own.nMax, static_cast<int>(own.nPage)) << c.name << ": enough to scroll";
    const RECT& thumb = s.vertical_thumb;
    ASSERT_FALSE(IsRectEmpty(&thumb)) << c.name;
    const POINT p{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    EXPECT_EQ(ScreenPixel(w, p.x, p.y), PartPixel(kVerticalThumbPart, thumb, p.x, p.y)) << c.name;
    DestroyWindow(w);
  }
}

TEST_F(FamilyTest, ViewClientGetsTheSkinnedBars) {
  CLIENTCREATESTRUCT create{nullptr, 1000};
  HWND w = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDIClient", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                           20, 20, 220, 160, host(), nullptr, nullptr, &create);
  ASSERT_NE(w, nullptr);
  Repaint(w);
  Pump();
  ASSERT_NE(ObjectOf(w), nullptr);
  EXPECT_TRUE(HasProperty(w, "Scroll_Prop"));
  const RECT client = ClientInWindow(w);
  RECT window{};
  GetWindowRect(w, &window);
  EXPECT_EQ(window.right - window.left - client.right, client.left) << "no room lost to the system's bars";
  EXPECT_EQ(ScreenPixel(w, 0, (client.top + client.bottom) / 2), SkinColour(15));
  DestroyWindow(w);
}

TEST_F(FamilyTest, WheelNotchScrollsAnEditByOneLine) {
  HWND edit = Child(L"Edit", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE, 20, 20, 220, 120);
  FillEdit(edit, 60);
  Repaint(edit);
  Pump();
  ASSERT_NE(ObjectOf(edit), nullptr) << "attached on its first paint";
  struct Case {
    const char* name;
    int delta;
    int first_line;  // after the message
  };
  const Case cases[] = {
      {"one notch down", -WHEEL_DELTA, 1},
      {"three notches down in one message", -3 * WHEEL_DELTA, 2},
      {"a fraction of a notch down", -30, 3},
      {"one notch up", WHEEL_DELTA, 2},
      {"three notches up in one message", 3 * WHEEL_DELTA, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SendMessageW(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, c.delta), MAKELPARAM(100, 100)), 0) << c.name;
    EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), c.first_line) << c.name;
  }
  // The skinned bar follows.
  EXPECT_EQ(StateOf(edit).vertical.info.nPos, 1);
}

TEST_F(FamilyTest, WheelInAComboBoxGoesOnAsTheSystemHasIt) {
  // A multi-line edit whose parent is a combo box: the wheel is passed on,
  // and the edit scrolls as many lines as the system's setting says.
  HWND combo = Child(L"ComboBox", CBS_DROPDOWNLIST, 0, 20, 20, 240, 200);
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0,
                              0, 220, 120, combo, nullptr, nullptr, nullptr);
  FillEdit(edit, 60);
  Repaint(edit);
  Pump();
  ASSERT_NE(ObjectOf(edit), nullptr);
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  ASSERT_GT(lines, 1u);
  SendMessageW(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(100, 100));
  EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), static_cast<LRESULT>(lines));
  DestroyWindow(edit);
}

// The window's pixels, non-client area included, as the screen shows them.
std::vector<COLORREF> Snapshot(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  HDC dc = real::GetWindowDC(window);
  HDC memory = CreateCompatibleDC(dc);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, dc, 0, 0, SRCCOPY);
  GdiFlush();
  std::vector<COLORREF> pixels(static_cast<const COLORREF*>(bits), static_cast<const COLORREF*>(bits) + width * height);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  real::ReleaseDC(window, dc);
  return pixels;
}

int Differences(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
  int n = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) n += a[i] != b[i];
  return n + static_cast<int>(a.size() > b.size() ? a.size() - b.size() : b.size() - a.size());
}

TEST_F(FamilyTest, ScrollingLeavesNoStalePixels) {
  for (const FamilyCase& c : Cases()) {
    if (std::string(c.class_name).find("Thunder") == 0) continue;  // same controls as their bases
    HWND w = ChildA(c.class_name, c.style, WS_EX_CLIENTEDGE, 20, 20, 220, 160);
    c.fill(w);
    Repaint(w);
    Pump();
    ScrollState& s = StateOf(w);
    ASSERT_FALSE(IsRectEmpty(&s.down_arrow)) << c.name;
    // Three lines down through the skinned arrow, and a page through its track.
    const POINT arrow{(s.down_arrow.left + s.down_arrow.right) / 2, (s.down_arrow.top + s.down_arrow.bottom) / 2};
    for (int i = 0; i < 3; ++i) {
      SendMessageW(w, WM_NCLBUTTONDOWN, HTVSCROLL, ScreenPoint(w, arrow.x, arrow.y));
      SendMessageW(w, WM_NCLBUTTONUP, HTVSCROLL, ScreenPoint(w, arrow.x, arrow.y));
    }
    const POINT track{arrow.x, s.vertical_thumb.bottom + 2};
    ASSERT_LT(track.y, s.down_arrow.top) << c.name;
    SendMessageW(w, WM_NCLBUTTONDOWN, HTVSCROLL, ScreenPoint(w, track.x, track.y));
    SendMessageW(w, WM_NCLBUTTONUP, HTVSCROLL, ScreenPoint(w, track.x, track.y));
    SendMessageW(w, WM_VSCROLL, SB_ENDSCROLL, 0);
    UpdateWindow(w);
    Pump();
    EXPECT_GT(s.vertical.info.nPos, 0) << c.name << ": scrolled";
    // Off the bar, so that no element shows hot.
    SendMessageW(w, WM_NCMOUSEMOVE, HTCLIENT, ScreenPoint(w, 5, 5));
    Pump();
    const std::vector<COLORREF> scrolled = Snapshot(w);
    Repaint(w);
    Pump();
    EXPECT_EQ(Differences(scrolled, Snapshot(w)), 0) << c.name;
    DestroyWindow(w);
  }
}

}  // namespace
}  // namespace tebix::test
