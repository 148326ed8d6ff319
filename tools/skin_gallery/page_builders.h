// The builders of the gallery's pages (see pages.h for the page table).
#pragma once

#include <windows.h>

namespace gallery::pages {

void BuildFrames(HWND panel);   // frame_windows.cpp
void BuildButtons(HWND panel);  // control_pages.cpp, as all below
void BuildEdits(HWND panel);
void BuildTabs(HWND panel);
void BuildScrollBars(HWND panel);
void BuildRanges(HWND panel);
void BuildBars(HWND panel);
void BuildMenus(HWND panel);  // menu_page.cpp
void BuildDates(HWND panel);
void BuildGrids(HWND panel);
void BuildOther(HWND panel);

}  // namespace gallery::pages
