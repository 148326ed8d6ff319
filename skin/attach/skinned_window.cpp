#include "skin/attach/skinned_window.h"

#include <algorithm>

#include "skin/attach/engine_messages.h"
#include "skin/attach/frame_size.h"
#include "skin/attach/paint_redirect.h"
#include "skin/attach/scroll_state.h"
#include "skin/attach/window_procs.h"
#include "skin/core/skin_data.h"

namespace tebix {
namespace {

// The properties the engine sets, one bit each in WindowRecord::published.
enum Published : std::uint16_t {
  kPublishedObject = 1 << 0,
  kPublishedOldProc = 1 << 1,
  kPublishedNewProc = 1 << 2,
  kPublishedAttached = 1 << 3,
  kPublishedNoHook = 1 << 4,
  kPublishedDc = 1 << 5,
  kPublishedDcType = 1 << 6,
  kPublishedScroll = 1 << 7,
  kPublishedFrame = 1 << 8,
};

struct PropertyName {
  Published bit;
  const char* name;
};
constexpr PropertyName kPropertyNames[] = {
    {kPublishedObject, kObjectProperty},     {kPublishedOldProc, kOldProcProperty},
    {kPublishedNewProc, kNewProcProperty},   {kPublishedAttached, kAttachedProperty},
    {kPublishedNoHook, kNoHookProperty},     {kPublishedDc, kDcRedirectProperty},
    {kPublishedDcType, kDcRedirectTypeProperty}, {kPublishedScroll, kScrollStateProperty},
    {kPublishedFrame, kFrameSizeProperty},
};

// What a detach takes off: everything but "Tebix_Attached" and "Tebix_NoHook".
constexpr std::uint16_t kDetachedProperties = kPublishedObject | kPublishedOldProc | kPublishedNewProc |
                                              kPublishedDc | kPublishedDcType | kPublishedScroll |
                                              kPublishedFrame;

Watcher g_watcher = nullptr;
std::vector<HWND> g_list;
HWND g_being_created = nullptr;

bool Chained(const WindowRecord& record) {
  return record.state != ChainState::kNone;
}

void SetFocusState(WindowRecord& record, bool focused) {
  const std::int8_t value = focused ? 1 : 0;
  if (record.focus != value) UpdateRecord(record, [value](WindowRecord& r) { r.focus = value; });
}

void Publish(WindowRecord& record, Published bit, const char* name, HANDLE value) {
  if (SetPropA(record.window, name, value)) {
    UpdateRecord(record, [bit](WindowRecord& r) { r.published |= bit; });
  }
}

void Unpublish(WindowRecord& record, std::uint16_t bits) {
  const std::uint16_t present = record.published & bits;
  if (present == 0) return;
  for (const PropertyName& p : kPropertyNames) {
    if (present & p.bit) RemovePropA(record.window, p.name);
  }
  UpdateRecord(record, [present](WindowRecord& r) { r.published &= static_cast<std::uint16_t>(~present); });
}

// Publishes or withdraws one property to match `value`.
void PublishOrWithdraw(WindowRecord& record, Published bit, const char* name, HANDLE value) {
  if (value != nullptr) Publish(record, bit, name, value);
  else Unpublish(record, bit);
}

// Puts the engine's procedure on the window; false when there is no
// procedure to chain to or the system refuses.
bool Subclass(WindowRecord& record) {
  const HWND window = record.window;
  const bool unicode = IsWindowUnicode(window) != FALSE;
  if (CurrentProc(window, unicode) == nullptr) return false;
  SetLastError(0);
  const WNDPROC previous = SetProc(window, unicode, &EngineWindowProc);
  if (previous == nullptr) return false;
  UpdateRecord(record, [&](WindowRecord& r) {
    r.previous = previous;
    r.unicode = unicode;
    r.focus = -1;  // what happened while the engine was not on the window is unknown
  });
  return true;
}

// Takes the engine's procedure off the window when it is on top; otherwise
// it stays in the chain and only forwards. Returns the new chain state.
ChainState Unsubclass(WindowRecord& record) {
  if (CurrentProc(record.window, record.unicode) == &EngineWindowProc) {
    SetProc(record.window, record.unicode, record.previous);
    return ChainState::kNone;
  }
  return ChainState::kPassThrough;
}

void List(HWND window, WindowRecord& record) {
  if (record.listed) return;
  g_list.push_back(window);
  UpdateRecord(record, [](WindowRecord& r) { r.listed = true; });
}

void Unlist(HWND window) {
  g_list.erase(std::remove(g_list.begin(), g_list.end(), window), g_list.end());
}

// A record with nothing left to remember goes.
void PruneIfEmpty(WindowRecord& record) {
  if (record.state == ChainState::kNone && !record.no_hook && !record.attached && !record.listed &&
      record.published == 0 && record.paint == nullptr && record.dc == nullptr && record.scroll == nullptr &&
      record.frame == nullptr) {
    EraseRecord(record.window);
  }
}

WindowRecord& RecordFor(HWND window) {
  WindowRecord* record = FindRecord(window);
  return record != nullptr ? *record : AddRecord(window);
}

// WM_NCDESTROY: the window's own procedure is back before it sees the
// message, the object goes after it.
LRESULT DetachOnDestroy(WindowRecord& record, WPARAM wparam, LPARAM lparam) {
  const HWND window = record.window;
  const WNDPROC previous = record.previous;
  const bool unicode = record.unicode;
  SkinnedWindow* object = record.object;
  SetProc(window, unicode, previous);
  Unlist(window);
  Unpublish(record, kDetachedProperties | kPublishedAttached);
  EraseRecord(window);
  CallProc(previous, unicode, window, WM_NCDESTROY, wparam, lparam);
  if (object != nullptr) RetireObject(object);
  return 0;
}

}  // namespace

// Keeps an object alive while a renderer call is on the stack.
class ObjectUse {
 public:
  explicit ObjectUse(SkinnedWindow& object) : object_(object) { ++object_.busy_; }
  ~ObjectUse() {
    if (--object_.busy_ == 0 && object_.retired_) delete &object_;
  }
  ObjectUse(const ObjectUse&) = delete;
  ObjectUse& operator=(const ObjectUse&) = delete;

 private:
  SkinnedWindow& object_;
};

void RetireObject(SkinnedWindow* object) {
  if (object->busy_ == 0) delete object;
  else object->retired_ = true;
}

LRESULT SkinnedWindow::CallPrevious(UINT message, WPARAM wparam, LPARAM lparam) const {
  return CallProc(previous_, unicode_, window_, message, wparam, lparam);
}

LRESULT SkinnedWindow::CallDefault(UINT message, WPARAM wparam, LPARAM lparam) const {
  return CallProc(nullptr, unicode_, window_, message, wparam, lparam);
}

bool SkinnedWindow::attached() const {
  const WindowRecord* record = FindRecord(window_);
  return record != nullptr && record->attached;
}

void SkinnedWindow::MarkAttached() {
  WindowRecord& record = RecordFor(window_);
  if (record.attached) return;
  UpdateRecord(record, [](WindowRecord& r) { r.attached = true; });
  Publish(record, kPublishedAttached, kAttachedProperty, reinterpret_cast<HANDLE>(1));
}

LRESULT CALLBACK EngineWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  WindowRecord* record = FindRecord(window);
  if (record == nullptr) {
    // Not the engine's any more (the library let go while another procedure kept it).
    return CallProc(nullptr, IsWindowUnicode(window) != FALSE, window, message, wparam, lparam);
  }
  if (message == WM_NCDESTROY) return DetachOnDestroy(*record, wparam, lparam);
  if (message == WM_SETFOCUS || message == WM_KILLFOCUS) SetFocusState(*record, message == WM_SETFOCUS);
  if (record->state == ChainState::kWatching && g_watcher != nullptr) {
    g_watcher(window, record->entry, message);
    record = FindRecord(window);
    if (record == nullptr) return CallProc(nullptr, IsWindowUnicode(window) != FALSE, window, message, wparam, lparam);
  }
  if (record->state == ChainState::kActive) {
    SkinnedWindow& object = *record->object;
    const RendererProc procedure = record->procedure;
    ObjectUse use(object);
    return procedure(object, message, wparam, lparam);
  }
  return CallProc(record->previous, record->unicode, window, message, wparam, lparam);
}

bool AttachObject(std::unique_ptr<SkinnedWindow> object, RendererProc procedure) {
  if (object == nullptr || procedure == nullptr) return false;
  const HWND window = object->window();
  WindowRecord& record = RecordFor(window);
  if (record.state == ChainState::kActive) return false;
  if (record.state == ChainState::kNone && !Subclass(record)) {
    PruneIfEmpty(record);
    return false;
  }
  object->previous_ = record.previous;
  object->unicode_ = record.unicode;
  SkinnedWindow* raw = object.release();
  UpdateRecord(record, [&](WindowRecord& r) {
    r.state = ChainState::kActive;
    r.object = raw;
    r.procedure = procedure;
  });
  Publish(record, kPublishedObject, kObjectProperty, raw);
  Publish(record, kPublishedOldProc, kOldProcProperty, reinterpret_cast<HANDLE>(record.previous));
  Publish(record, kPublishedNewProc, kNewProcProperty, reinterpret_cast<HANDLE>(&EngineWindowProc));
  List(window, record);
  return true;
}

bool WatchWindow(HWND window, int entry) {
  WindowRecord& record = RecordFor(window);
  if (record.state == ChainState::kActive || record.state == ChainState::kWatching) {
    UpdateRecord(record, [entry](WindowRecord& r) { r.entry = entry; });
    return true;
  }
  if (record.state == ChainState::kNone && !Subclass(record)) {
    PruneIfEmpty(record);
    return false;
  }
  UpdateRecord(record, [entry](WindowRecord& r) {
    r.state = ChainState::kWatching;
    r.entry = entry;
  });
  return true;
}

void SetWatcher(Watcher watcher) {
  g_watcher = watcher;
}

bool DetachObject(HWND window) {
  WindowRecord* record = FindRecord(window);
  if (record == nullptr || record->state != ChainState::kActive) return false;
  SendMessageW(window, kDetachMessage, 0, 0);
  record = FindRecord(window);  // the renderer may have let the window go meanwhile
  if (record == nullptr || record->state != ChainState::kActive) return true;
  SkinnedWindow* object = record->object;
  const ChainState state = Unsubclass(*record);
  UpdateRecord(*record, [state](WindowRecord& r) {
    r.state = state;
    r.object = nullptr;
    r.procedure = nullptr;
    r.paint = nullptr;
    r.dc = nullptr;
    r.dc_variant = false;
    r.scroll = nullptr;
    r.frame = nullptr;
  });
  Unpublish(*record, kDetachedProperties);
  RetireObject(object);
  return true;
}

void StopWatching(HWND window) {
  WindowRecord* record = FindRecord(window);
  if (record == nullptr || record->state != ChainState::kWatching) return;
  const ChainState state = Unsubclass(*record);
  UpdateRecord(*record, [state](WindowRecord& r) { r.state = state; });
  PruneIfEmpty(*record);
}

void StopWatchingAll() {
  std::vector<HWND> watched;
  ForEachRecord([&watched](WindowRecord& record) {
    if (record.state == ChainState::kWatching) watched.push_back(record.window);
  });
  for (HWND window : watched) StopWatching(window);
}

void ReleaseAllWindows() {
  std::vector<SkinnedWindow*> objects;
  ForEachRecord([&objects](WindowRecord& record) {
    if (record.state != ChainState::kNone && IsWindow(record.window)) {
      SetProc(record.window, record.unicode, record.previous);
    }
    if (record.object != nullptr) objects.push_back(record.object);
    Unpublish(record, kDetachedProperties);
  });
  ClearRecords();
  g_list.clear();
  g_list.shrink_to_fit();
  for (SkinnedWindow* object : objects) RetireObject(object);
}

const std::vector<HWND>& SubclassedWindows() {
  return g_list;
}

void ForgetSubclassedWindows() {
  for (HWND window : g_list) {
    if (WindowRecord* record = FindRecord(window)) {
      UpdateRecord(*record, [](WindowRecord& r) { r.listed = false; });
      PruneIfEmpty(*record);
    }
  }
  g_list.clear();
  g_list.shrink_to_fit();
}

SkinnedWindow* ObjectOf(HWND window) {
  const WindowRecord* record = FindRecord(window);
  return record != nullptr ? record->object : nullptr;
}

bool HasFocus(HWND window) {
  if (window == g_being_created) return false;
  WindowRecord* record = FindRecord(window);
  if (record != nullptr && Chained(*record) && record->focus >= 0) return record->focus != 0;
  const bool focused = GetFocus() == window;
  if (record != nullptr && Chained(*record)) SetFocusState(*record, focused);
  return focused;
}

void SetWindowBeingCreated(HWND window) {
  if (window == nullptr && g_being_created != nullptr) {
    if (WindowRecord* record = FindRecord(g_being_created); record != nullptr && Chained(*record)) {
      SetFocusState(*record, false);
    }
  }
  g_being_created = window;
}

void MarkNoHook(HWND window) {
  WindowRecord& record = RecordFor(window);
  UpdateRecord(record, [](WindowRecord& r) { r.no_hook = true; });
  if (!(record.published & kPublishedNoHook)) {
    Publish(record, kPublishedNoHook, kNoHookProperty, reinterpret_cast<HANDLE>(1));
  }
}

bool HasNoHook(HWND window) {
  if (const WindowRecord* record = FindRecord(window); record != nullptr && record->no_hook) return true;
  if (GetPropA(window, kNoHookProperty) == nullptr) return false;
  WindowRecord& record = RecordFor(window);  // the host's mark: remember it
  UpdateRecord(record, [](WindowRecord& r) { r.no_hook = true; });
  return true;
}

void SetPaintRedirect(HWND window, PaintRedirect* paint) {
  WindowRecord& record = RecordFor(window);
  UpdateRecord(record, [paint](WindowRecord& r) { r.paint = paint; });
  if (paint == nullptr) PruneIfEmpty(record);
}

void SetDcRedirect(HWND window, DcRedirect* dc, bool variant) {
  WindowRecord& record = RecordFor(window);
  UpdateRecord(record, [&](WindowRecord& r) {
    r.dc = dc;
    r.dc_variant = dc != nullptr && variant;
  });
  PublishOrWithdraw(record, kPublishedDc, kDcRedirectProperty, dc);
  PublishOrWithdraw(record, kPublishedDcType, kDcRedirectTypeProperty,
                    record.dc_variant ? reinterpret_cast<HANDLE>(1) : nullptr);
  if (dc == nullptr) PruneIfEmpty(record);
}

DcRedirect* SwapDcRedirect(HWND window, DcRedirect* dc) {
  WindowRecord* record = FindRecord(window);
  if (record == nullptr) {
    if (dc == nullptr) return nullptr;
    record = &AddRecord(window);
  }
  DcRedirect* const before = record->dc;
  if (before != dc) UpdateRecord(*record, [dc](WindowRecord& r) { r.dc = dc; });
  if (dc == nullptr) PruneIfEmpty(*record);
  return before;
}

void SetScrollState(HWND window, ScrollState* state) {
  WindowRecord& record = RecordFor(window);
  UpdateRecord(record, [state](WindowRecord& r) { r.scroll = state; });
  PublishOrWithdraw(record, kPublishedScroll, kScrollStateProperty, state);
  if (state == nullptr) PruneIfEmpty(record);
}

void SetFrameObject(HWND window, void* frame) {
  WindowRecord& record = RecordFor(window);
  UpdateRecord(record, [frame](WindowRecord& r) { r.frame = frame; });
  PublishOrWithdraw(record, kPublishedFrame, kFrameSizeProperty, frame);
  if (frame == nullptr) PruneIfEmpty(record);
}

LRESULT EraseWithSkinBackground(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  const HBRUSH brush = SkinBackgroundBrush();
  const HGDIOBJ old = SelectObject(dc, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
  PatBlt(dc, client.left, client.top, client.right - client.left, client.bottom - client.top, PATCOPY);
  SelectObject(dc, old);
  return 1;
}

}  // namespace tebix
