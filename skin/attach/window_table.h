// The engine's process-local table of the windows whose procedure chain it
// is part of, with what the engine knows about each: its skin object, the
// procedure below the engine's, and the redirect records the intercepted
// functions serve it by.
//
// Reading a window property is a round trip to the window server, far too
// slow for every message and every paint call, so the engine keeps these
// facts here and sets the properties only for outside readers.
//
// Only the skinned thread changes the table, always under the writer lock.
// It reads without the lock; every other thread (the intercepted functions
// run on all of them) reads under the shared lock through the Find*
// functions, which copy what they return.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

namespace tebix {

class SkinnedWindow;
struct PaintRedirect;
struct DcRedirect;
struct ScrollState;

// The engine's place in a window's procedure chain.
enum class ChainState : std::uint8_t {
  kNone,         // not in the chain (a marked window, or one the engine let go of)
  kWatching,     // no object yet: watching for the message or style that attaches one
  kActive,       // the renderer's object handles the window
  kPassThrough,  // object gone, but another procedure sits above the engine's: forward only
};

// The renderer's procedure, called by the engine's window procedure with the
// window's object.
using RendererProc = LRESULT (*)(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam);

struct WindowRecord {
  HWND window = nullptr;
  ChainState state = ChainState::kNone;
  // The engine's procedure was installed with the wide functions: messages
  // arrive wide, and the previous procedure is called wide.
  bool unicode = false;
  bool attached = false;  // "Tebix_Attached"
  bool no_hook = false;   // "Tebix_NoHook", as far as the engine set or saw it
  bool listed = false;    // in the subclassed-window list
  std::uint16_t published = 0;  // which properties the engine has set (see skinned_window.cpp)
  int entry = 0;          // dispatch entry, while watching
  // Whether the window has the keyboard focus, followed from the
  // WM_SETFOCUS and WM_KILLFOCUS the engine's procedure sees; -1 unknown.
  std::int8_t focus = -1;
  WNDPROC previous = nullptr;
  SkinnedWindow* object = nullptr;
  RendererProc procedure = nullptr;
  // Read by the intercepted functions.
  PaintRedirect* paint = nullptr;
  DcRedirect* dc = nullptr;
  bool dc_variant = false;  // "TEBIX_GETDC_TYPE"
  ScrollState* scroll = nullptr;
  void* frame = nullptr;  // "Tebix_WndSz"
};

// --- The skinned thread -------------------------------------------------------

// The record of `window`, or null. The pointer stays valid until the record
// is erased.
WindowRecord* FindRecord(HWND window);
// Makes a record for `window` (returns the existing one if there is one).
WindowRecord& AddRecord(HWND window);
void EraseRecord(HWND window);
// Changes a record under the writer lock, so that readers on other threads
// never see it half-changed.
void UpdateRecord(WindowRecord& record, const std::function<void(WindowRecord&)>& change);
// Every record, in no particular order; `visit` must not add or erase.
void ForEachRecord(const std::function<void(WindowRecord&)>& visit);
std::size_t RecordCount();
void ClearRecords();

// --- Any thread ----------------------------------------------------------------

PaintRedirect* FindPaintRedirect(HWND window);
DcRedirect* FindDcRedirect(HWND window);
ScrollState* FindScrollState(HWND window);
void* FindFrameObject(HWND window);

// The one-shot clip of BeginPaint takes the window's paint record away.
void ClearPaintRedirect(HWND window);

}  // namespace tebix
