// What the page builders share: creating labelled controls in the gallery's
// font, a column that stacks them, click actions handled by the page panel,
// frames that belong to a page, and scroll-bar bookkeeping.
#pragma once

#include <windows.h>

#include <functional>

namespace gallery::kit {

inline constexpr int kLabelHeight = 16;
inline constexpr int kRowHeight = 22;  // one-line controls
inline constexpr int kGap = 6;

HFONT Font();
HFONT BoldFont();

// A visible child (WS_CHILD | WS_VISIBLE are added) in the gallery's font,
// with the next control id of its panel. Create makes a Unicode window,
// CreateA an ANSI one.
HWND Create(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int x,
            int y, int width, int height);
HWND CreateA(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle, int x, int y,
             int width, int height);

// Static texts: a bold group heading, and a plain label.
HWND Heading(HWND parent, const wchar_t* text, int x, int y, int width);
HWND Label(HWND parent, const wchar_t* text, int x, int y, int width, int height = kLabelHeight);

// Runs `action` when `control` (a child of a page panel) reports BN_CLICKED.
void OnClick(HWND control, std::function<void()> action);

// Makes `frame` (a top-level window) part of the page in `panel`: listed by
// PageWindows and destroyed with the panel.
void AdoptFrame(HWND panel, HWND frame);

// The panel a page window belongs to (walking up parents), or nullptr.
HWND PanelOf(HWND window);

// Applies a WM_HSCROLL/WM_VSCROLL code to a scroll bar (`bar` is SB_HORZ,
// SB_VERT or SB_CTL) through GetScrollInfo/SetScrollInfo; returns the new
// position.
int Scroll(HWND window, int bar, WPARAM code);

// Sets a scroll bar's range, page and position in one SetScrollInfo call.
void SetScroll(HWND window, int bar, int minimum, int maximum, int page, int position);

// Places controls top to bottom in a column of a page.
class Column {
 public:
  Column(HWND parent, int x, int y, int width) : parent_(parent), x_(x), y_(y), width_(width) {}

  void Heading(const wchar_t* text);
  void Label(const wchar_t* text);
  // A control as wide as the column; the column moves down by its height
  // and a gap.
  HWND Add(const wchar_t* className, const wchar_t* text, DWORD style, int height, DWORD exStyle = 0);
  HWND AddA(const char* className, const char* text, DWORD style, int height, DWORD exStyle = 0);
  // A combo box created `listHeight` pixels tall (its drop-down list's
  // room); the column moves down by one row.
  HWND AddCombo(const wchar_t* className, DWORD style, int listHeight);
  HWND AddComboA(const char* className, DWORD style, int listHeight);
  void Skip(int pixels) { y_ += pixels; }

  int x() const { return x_; }
  int y() const { return y_; }
  int width() const { return width_; }

 private:
  HWND parent_;
  int x_, y_, width_;
};

}  // namespace gallery::kit
