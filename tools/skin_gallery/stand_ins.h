// Stand-ins for the window classes of the VB6 runtime, MFC and the ActiveX
// controls, registered under exactly their names so that the gallery can
// show them without those components.
//
// Two kinds:
// - superclasses of the standard control they wrap, made as the VB6 runtime
//   makes its own: the base class's WNDCLASSEX with a new name and our
//   instance ("ThunderRT6CommandButton" wraps "Button", "Slider20WndClass"
//   wraps "msctls_trackbar32", ...); the command buttons paint their
//   graphical (owner-drawn) style themselves, as the runtime does;
// - painted windows for controls without a standard counterpart (grids,
//   data lists and combos, picture boxes, the tabbed dialog, forms and MFC
//   frames): they paint their own content on a button-face background,
//   through BeginPaint and, some of them, also through GetDC.
//
// The VB6 runtime's classes ("Thunder...") are ANSI classes (RegisterClassExA)
// and are created with CreateWindowExA; all others are Unicode.
#pragma once

#include <windows.h>

#include <span>

namespace gallery {

struct StandIn {
  const char* name;
  const char* base;  // the class it superclasses; nullptr for painted ones
  WNDPROC paint;     // the window procedure of a painted one; of a superclass,
                     // a procedure of its own in front of the base class's
  int background;    // the system colour of a painted one's class brush
};

std::span<const StandIn> StandIns();

// True for the classes of the VB6 runtime ("Thunder..."), which are ANSI.
bool IsVbRuntimeClass(const char* name);

// The stand-in for "RICHEDIT" (a superclass of "Edit") is registered only
// when riched32.dll does not provide the class.
inline constexpr char kRichEditClass[] = "RICHEDIT";

}  // namespace gallery
