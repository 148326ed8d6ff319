// The engine's private window messages and the names of the window
// properties it publishes. Hosts and tests read the properties; the engine
// itself keeps the same facts in its window table (window_table.h) so that
// nothing on a message or paint path asks the window server.
#pragma once

namespace tebix {

// Sent to a window without a skin object so that it is attached now (the
// enumeration after a skin load, and deferred classes on their first paint);
// renderers that keep state initialise it on this message.
inline constexpr unsigned kAttachMessage = 0x6A30;
// Sent to a skinned window just before the library takes its object away.
inline constexpr unsigned kDetachMessage = 0x6A21;
// Sent by Tebix_Map after the window lost its object; wParam is the caller's value.
inline constexpr unsigned kRemapMessage = 0x6A33;

// SetWindowPos flags of every repaint with the frame recomputed: no size,
// no move, no Z-order, no activation, frame changed, no owner Z-order,
// deferred erase.
inline constexpr unsigned kFrameChangedRepaint = 0x2237;

inline constexpr char kObjectProperty[] = "Tebix";
inline constexpr char kOldProcProperty[] = "Tebix_OldProc";
inline constexpr char kNewProcProperty[] = "Tebix_NewProc";
inline constexpr char kAttachedProperty[] = "Tebix_Attached";
inline constexpr char kNoHookProperty[] = "Tebix_NoHook";
inline constexpr char kInsertedProcProperty[] = "Tebix_InsProc";

}  // namespace tebix
