// The creation hook and the class dispatch.
//
// The engine never asks the host which windows to skin: a WH_CBT hook on the
// skinned thread sees every window as it is created (before its first
// message) and hands it to the renderer its class selects. Windows that
// exist before a skin is loaded are reached by enumeration; windows of a
// deferred class, or of a class whose styles select nothing yet, are
// watched by the engine's window procedure until they qualify. Unlisted
// classes are marked "Tebix_NoHook" once and never looked at again.
//
// A WH_CBT hook costs nothing per message, unlike a hook on every sent
// message; the owner-drawn menu interception, which does need to see sent
// messages, holds its own hook only while a popup menu is open
// (menu_interception.h).
#pragma once

#include <windows.h>

#include <memory>
#include <span>

#include "skin/attach/dispatch.h"
#include "skin/attach/window_table.h"

namespace tebix {

class SkinnedWindow;

// A renderer as the dispatch table sees it: its creator makes the window's
// object, and the framework subclasses the window with its procedure.
struct RendererEntry {
  RendererId id = RendererId::kNone;
  std::unique_ptr<SkinnedWindow> (*create)(HWND window) = nullptr;
  RendererProc procedure = nullptr;
};

// The renderers that exist. A dispatch row whose renderer is not among them
// leaves its windows unmarked.
void SetRenderers(std::span<const RendererEntry> renderers);
const RendererEntry* FindRenderer(RendererId id);

// Installs the hook for the calling thread, which becomes the skinned thread.
bool InstallCreationHook();
void RemoveCreationHook();
bool CreationHookInstalled();
DWORD SkinnedThread();
bool IsSkinnedThreadWindow(HWND window);

// Dispatches one window of the skinned thread as the hook would on
// `message`: attaches, watches or marks it. Nothing happens while no skin is
// loaded, for a window of another thread, for one with an object or marked
// "Tebix_NoHook".
void DispatchWindow(HWND window, UINT message);

// The attach probe over every window of the skinned thread: top-level
// windows and all their children. A window without an object is dispatched
// and sent the attach message; a visible one is repainted with its frame
// recomputed.
void AttachAllWindows();

// Dispatches every window of the skinned thread as the hook would on an
// ordinary message, without the attach message and without repainting: what
// a skin load whose colour shift was refused leaves to the windows' next
// messages.
void DispatchAllWindows();

// The attach probe for one window (and, with `children`, its descendants).
void ProbeWindow(HWND window, bool children);

// Repaints a visible window with its frame recomputed.
void RepaintWithFrame(HWND window);

}  // namespace tebix
