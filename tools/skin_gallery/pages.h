// The gallery's pages: real windows of every class the skinning library
// recognises, one page per family of classes. The gallery program shows one
// page at a time; tests and benchmarks build pages in-process without it.
//
//   gallery::RegisterStandInClasses(instance);          // optional, see below
//   const gallery::Page* page = gallery::FindPage(L"buttons");
//   HWND panel = gallery::BuildPage(*page, host, RECT{0, 0, 760, 520});
//   for (HWND w : gallery::PageWindows(panel)) ...;
//   gallery::ClosePage(panel);                          // frames included
//
// Pages only create windows; they never load the skinning library.
#pragma once

#include <windows.h>

#include <span>
#include <string_view>
#include <vector>

namespace gallery {

// The size of the page area the pages are laid out for.
inline constexpr int kPageWidth = 760;
inline constexpr int kPageHeight = 520;

// Initialises the common controls, loads riched32.dll and registers the
// stand-in classes of the VB6 runtime, MFC and the ActiveX controls (see
// stand_ins.h) with `instance`. Only the first call does anything;
// BuildPage calls it with the program's own module handle.
void RegisterStandInClasses(HINSTANCE instance);

struct Page {
  const wchar_t* name;        // for the command line: "buttons"
  const wchar_t* title;       // for the page list: "Buttons"
  void (*build)(HWND panel);  // creates the page's windows inside `panel`
};

// The pages in the order the gallery lists them.
std::span<const Page> Pages();

// The page whose name or title is `key` (case-insensitive), or whose
// 1-based number it is; nullptr when there is none.
const Page* FindPage(std::wstring_view key);

// Creates a page panel (class "GalleryPage", button-face background) at
// `area` inside `parent` and builds `page` into it. Pages that show frames
// open them as top-level windows owned by the parent's top-level window,
// placed below it where the screen has room, and shown only when that
// window is visible. Returns the panel.
HWND BuildPage(const Page& page, HWND parent, const RECT& area);

// Destroys the panel and everything its page created, the frames included.
// Destroying the panel any other way does the same.
void ClosePage(HWND panel);

// Every window of the page: the panel's descendants, the page's frames, the
// pop-ups its controls made while it was built (drop-down lists, calendars,
// tooltips) and their descendants; not the panel itself.
std::vector<HWND> PageWindows(HWND panel);

// How the windows of a class are created.
enum class Charset {
  kUnicode,
  kAnsi,    // the VB6 runtime's classes, as the runtime makes them
  kEither,  // decided by the system: "ComboLBox" follows its combo box,
            // riched32's "RICHEDIT" (and its superclass) is ANSI on some systems
};

// A class a page shows, with the page that shows it.
struct ShownClass {
  const wchar_t* page;  // Page::name
  const wchar_t* className;
  Charset charset;
  bool onlyWhileMenuOpen;  // "#32768" exists only while a popup menu is open
};

// Every class the pages show; each is created by its page as a live window
// (or, for the popup menu class, appears while ShowSampleMenu runs).
std::span<const ShownClass> ShownClasses();

// Opens the sample context menu of the menus page at `screenPoint`: normal,
// default, checked, radio, disabled and separator items and a submenu.
// Modal until the menu closes; returns the chosen command (0 for none).
int ShowSampleMenu(HWND owner, POINT screenPoint);

}  // namespace gallery
