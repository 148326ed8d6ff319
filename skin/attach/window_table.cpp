#include "skin/attach/window_table.h"

#include <unordered_map>

namespace tebix {
namespace {

SRWLOCK g_lock = SRWLOCK_INIT;

// Node-based: a record keeps its address while others come and go.
struct Holder {
  std::unordered_map<HWND, WindowRecord> table;
  // Cleared when the library's statics go: an intercepted call that still
  // arrives then (another module ending) finds nothing.
  bool alive = true;
  ~Holder() { alive = false; }
};
Holder g_holder;

std::unordered_map<HWND, WindowRecord>& Table() {
  return g_holder.table;
}

class Shared {
 public:
  Shared() { AcquireSRWLockShared(&g_lock); }
  ~Shared() { ReleaseSRWLockShared(&g_lock); }
  Shared(const Shared&) = delete;
  Shared& operator=(const Shared&) = delete;
};

class Exclusive {
 public:
  Exclusive() { AcquireSRWLockExclusive(&g_lock); }
  ~Exclusive() { ReleaseSRWLockExclusive(&g_lock); }
  Exclusive(const Exclusive&) = delete;
  Exclusive& operator=(const Exclusive&) = delete;
};

template <typename Field>
Field Read(HWND window, Field WindowRecord::*field) {
  if (window == nullptr || !g_holder.alive) return Field{};
  Shared lock;
  auto& table = Table();
  if (table.empty()) return Field{};
  const auto it = table.find(window);
  return it == table.end() ? Field{} : it->second.*field;
}

}  // namespace

WindowRecord* FindRecord(HWND window) {
  if (!g_holder.alive) return nullptr;
  auto& table = Table();
  if (table.empty()) return nullptr;
  const auto it = table.find(window);
  return it == table.end() ? nullptr : &it->second;
}

WindowRecord& AddRecord(HWND window) {
  Exclusive lock;
  WindowRecord& record = Table()[window];
  record.window = window;
  return record;
}

void EraseRecord(HWND window) {
  Exclusive lock;
  Table().erase(window);
}

void UpdateRecord(WindowRecord& record, const std::function<void(WindowRecord&)>& change) {
  Exclusive lock;
  change(record);
}

void ForEachRecord(const std::function<void(WindowRecord&)>& visit) {
  for (auto& [window, record] : Table()) visit(record);
}

std::size_t RecordCount() {
  return Table().size();
}

void ClearRecords() {
  Exclusive lock;
  Table().clear();
}

PaintRedirect* FindPaintRedirect(HWND window) {
  return Read(window, &WindowRecord::paint);
}
DcRedirect* FindDcRedirect(HWND window) {
  return Read(window, &WindowRecord::dc);
}
ScrollState* FindScrollState(HWND window) {
  return Read(window, &WindowRecord::scroll);
}
void* FindFrameObject(HWND window) {
  return Read(window, &WindowRecord::frame);
}

void ClearPaintRedirect(HWND window) {
  if (WindowRecord* record = FindRecord(window)) {
    Exclusive lock;
    record->paint = nullptr;
  }
}

}  // namespace tebix
