// The skinned-window framework every renderer builds on.
//
// A renderer's creator makes its object (a SkinnedWindow) and hands it to
// AttachObject, which subclasses the window with the engine's one window
// procedure, publishes the properties and lists the window. The engine's
// procedure then gives every message to the renderer's procedure with the
// object; the renderer handles what it skins and passes the rest on with
// CallPrevious. On WM_NCDESTROY the framework detaches the window itself.
//
// Windows are subclassed with the ANSI or the wide functions to match
// IsWindowUnicode, so a wide window stays wide and its text never passes
// through the ANSI code page.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/attach/window_table.h"

namespace tebix {

// The per-window skin object. Renderers derive their own with their state;
// the framework owns and deletes them.
class SkinnedWindow {
 public:
  explicit SkinnedWindow(HWND window) : window_(window) {}
  virtual ~SkinnedWindow() = default;
  SkinnedWindow(const SkinnedWindow&) = delete;
  SkinnedWindow& operator=(const SkinnedWindow&) = delete;

  HWND window() const { return window_; }
  // The procedure that was in place before the engine's.
  WNDPROC previous() const { return previous_; }
  // Messages arrive wide (and go on wide) when true.
  bool unicode() const { return unicode_; }

  LRESULT CallPrevious(UINT message, WPARAM wparam, LPARAM lparam) const;
  LRESULT CallDefault(UINT message, WPARAM wparam, LPARAM lparam) const;

  // "Tebix_Attached": the renderer has initialised its state.
  bool attached() const;
  void MarkAttached();

 private:
  friend class ObjectUse;
  friend bool AttachObject(std::unique_ptr<SkinnedWindow> object, RendererProc procedure);
  friend void RetireObject(SkinnedWindow* object);

  HWND window_;
  WNDPROC previous_ = nullptr;
  bool unicode_ = false;
  int busy_ = 0;          // renderer calls on the stack
  bool retired_ = false;  // detached while busy: deleted when the last call returns
};

// The window procedure the engine installs on every window it subclasses.
LRESULT CALLBACK EngineWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Attaches `object` to its window with the renderer's procedure. Subclasses
// the window unless the engine's procedure is in its chain already (a
// watched window, or one another procedure was stacked on), sets "Tebix",
// "Tebix_OldProc" and "Tebix_NewProc" and lists the window. False when the
// window cannot be subclassed; the object is then deleted.
bool AttachObject(std::unique_ptr<SkinnedWindow> object, RendererProc procedure);

// Puts the engine's procedure on a window without an object, for a window
// that attaches later (on its first paint, or after a style change). Each
// message then goes to the watcher before it is passed on.
bool WatchWindow(HWND window, int entry);
using Watcher = void (*)(HWND window, int entry, UINT message);
void SetWatcher(Watcher watcher);

// The library's detach of one window (Tebix_Detach, Tebix_Detach_Ex,
// Tebix_Map): only for a window with an object. Sends the detach message,
// gives the window its previous procedure back (when another procedure sits
// above the engine's, the engine's stays in the chain and only forwards),
// deletes the object and removes the properties but "Tebix_Attached". The
// window stays listed. Returns whether there was an object.
bool DetachObject(HWND window);

// Stops watching a window that has no object; StopWatchingAll, every one.
void StopWatching(HWND window);
void StopWatchingAll();

// Engine stop: every window the engine's procedure is on gets its previous
// procedure back, no message is sent, objects and properties go, the list
// and the table are emptied.
void ReleaseAllWindows();

// The subclassed-window list, in order of attachment.
const std::vector<HWND>& SubclassedWindows();
void ForgetSubclassedWindows();

// The window's object, or null (skinned thread only).
SkinnedWindow* ObjectOf(HWND window);

// Whether the window has the keyboard focus. Asks the system (a round trip
// to the window server) only the first time for a window the engine's
// procedure is on, which then follows WM_SETFOCUS and WM_KILLFOCUS, and
// never for the window being created.
bool HasFocus(HWND window);
// The creation hook's window, from its creation event until it has been
// dispatched (null after): it cannot have the focus yet, and a window the
// engine's procedure went on keeps that as its known state.
void SetWindowBeingCreated(HWND window);

// "Tebix_NoHook": set on the window and remembered.
void MarkNoHook(HWND window);
// Whether the window carries "Tebix_NoHook" (the table first, then the property).
bool HasNoHook(HWND window);

// Redirect records the intercepted functions serve the window by. The
// paint record is the engine's own business during one WM_PAINT and is not
// published; the others are also set as the window's properties
// ("TEBIX_GETDC", "TEBIX_GETDC_TYPE", "Scroll_Prop", "Tebix_WndSz").
void SetPaintRedirect(HWND window, PaintRedirect* record);
void SetDcRedirect(HWND window, DcRedirect* record, bool variant = false);
// Hangs `record` as the window's DC record in the engine's table only, not
// published as "TEBIX_GETDC": for a record that hangs while the renderer
// passes one message on (a window kept from painting outside WM_PAINT), at
// no cost to the window server. Returns the record it replaces, which the
// caller puts back afterwards (messages nest).
DcRedirect* SwapDcRedirect(HWND window, DcRedirect* record);
void SetScrollState(HWND window, ScrollState* state);
void SetFrameObject(HWND window, void* frame);

// Common erase: the client area filled with the skin background brush; 1.
LRESULT EraseWithSkinBackground(HWND window, HDC dc);

}  // namespace tebix
