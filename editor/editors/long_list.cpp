#include "editor/editors/long_list.h"

#include <cwchar>
#include <unordered_map>

namespace vdk::editors {

namespace {

struct LongList {
  SharedNames names;
  WNDPROC previous = nullptr;
  bool filled = false;
  int selection = -1;  // while not filled; the box's one item shows it
};

// The boxes this file has subclassed, by window. Only the user-interface
// thread uses it. (A window property would cost a round trip to the
// window server on every message the box gets.)
std::unordered_map<HWND, LongList>& Boxes() {
  static std::unordered_map<HWND, LongList> boxes;
  return boxes;
}

LRESULT CALLBACK LongListProc(HWND, UINT, WPARAM, LPARAM);

LRESULT Call(const LongList& box, HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(box.previous, combo, message, wParam, lParam);
}

int Count(const LongList& box) {
  return box.names ? static_cast<int>(box.names->size()) : 0;
}

// The one item of a box that is not filled: the selection's name, selected.
void ShowSelection(LongList& box, HWND combo, int selection) {
  if (selection == box.selection) return;
  box.selection = selection;
  Call(box, combo, CB_RESETCONTENT, 0, 0);
  if (selection < 0) return;
  Call(box, combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>((*box.names)[selection].c_str()));
  Call(box, combo, CB_SETCURSEL, 0, 0);
}

void Fill(LongList& box, HWND combo) {
  box.filled = true;
  const std::vector<std::wstring>* names = box.names.get();
  Call(box, combo, WM_SETREDRAW, FALSE, 0);
  Call(box, combo, CB_RESETCONTENT, 0, 0);
  if (names != nullptr && !names->empty()) {
    std::size_t characters = 0;
    for (const std::wstring& name : *names) characters += name.size() + 1;
    Call(box, combo, CB_INITSTORAGE, names->size(), static_cast<LPARAM>(characters * sizeof(wchar_t)));
    for (const std::wstring& name : *names) Call(box, combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  Call(box, combo, CB_SETCURSEL, static_cast<WPARAM>(box.selection), 0);
  Call(box, combo, WM_SETREDRAW, TRUE, 0);
}

// Messages that only the full list can answer, and the input that may
// open the list or move through it.
bool NeedsItems(UINT message) {
  switch (message) {
    case CB_ADDSTRING:
    case CB_DELETESTRING:
    case CB_DIR:
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
    case CB_SELECTSTRING:
    case CB_INSERTSTRING:
    case CB_GETITEMDATA:
    case CB_SETITEMDATA:
    case CB_SHOWDROPDOWN:
    case CB_GETTOPINDEX:
    case CB_SETTOPINDEX:
    case CB_INITSTORAGE:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
      return true;
  }
  return false;
}

// A message to a box that is not filled.
LRESULT Unfilled(LongList& box, HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  const int count = Count(box);
  const int index = static_cast<int>(wParam);
  switch (message) {
    case CB_GETCOUNT:
      return count;
    case CB_GETCURSEL:
      return box.selection;
    case CB_SETCURSEL:
      // As the control: an index outside the list clears the selection.
      ShowSelection(box, combo, index >= 0 && index < count ? index : -1);
      return index >= 0 && index < count ? index : CB_ERR;
    case CB_GETLBTEXTLEN:
      if (index < 0 || index >= count) return CB_ERR;
      return static_cast<LRESULT>((*box.names)[index].size());
    case CB_GETLBTEXT: {
      if (index < 0 || index >= count || lParam == 0) return CB_ERR;
      const std::wstring& name = (*box.names)[index];
      std::wmemcpy(reinterpret_cast<wchar_t*>(lParam), name.c_str(), name.size() + 1);
      return static_cast<LRESULT>(name.size());
    }
    case CB_RESETCONTENT:
      // The box becomes an ordinary empty one.
      box.filled = true;
      box.names.reset();
      box.selection = -1;
      break;
    default:
      if (NeedsItems(message)) Fill(box, combo);
      break;
  }
  return Call(box, combo, message, wParam, lParam);
}

LRESULT CALLBACK LongListProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  auto found = Boxes().find(combo);
  if (found == Boxes().end()) return DefWindowProcW(combo, message, wParam, lParam);
  LongList& box = found->second;
  if (message == WM_NCDESTROY) {
    const WNDPROC previous = box.previous;
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(combo, GWLP_WNDPROC)) == &LongListProc)
      SetWindowLongPtrW(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    Boxes().erase(found);
    return CallWindowProcW(previous, combo, message, wParam, lParam);
  }
  if (box.filled) return Call(box, combo, message, wParam, lParam);
  return Unfilled(box, combo, message, wParam, lParam);
}

}  // namespace

void OfferLongList(HWND combo, SharedNames names) {
  if (combo == nullptr) return;
  auto [found, added] = Boxes().try_emplace(combo);
  LongList& box = found->second;
  if (added) {
    box.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LongListProc)));
    if (box.previous == nullptr) {  // not a window of ours: an ordinary fill
      Boxes().erase(found);
      SendMessageW(combo, CB_RESETCONTENT, 0, 0);
      if (names)
        for (const std::wstring& name : *names)
          SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
      return;
    }
  }
  box.names = std::move(names);
  box.filled = false;
  box.selection = -1;
  Call(box, combo, CB_RESETCONTENT, 0, 0);
}

bool LongListFilled(HWND combo) {
  auto found = Boxes().find(combo);
  return found == Boxes().end() || found->second.filled;
}

}  // namespace vdk::editors
