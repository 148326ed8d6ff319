#include "editor/ui/forms.h"

#include <algorithm>
#include <vector>

#include "editor/text_codec.h"

namespace vdk::ui {

namespace {

std::vector<HWND>& OpenForms() {
  static std::vector<HWND> forms;
  return forms;
}

}  // namespace

std::wstring GetText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

void SetText(HWND dialog, int id, std::wstring_view text) {
  SetDlgItemTextW(dialog, id, std::wstring(text).c_str());
}

std::string GetAsciiText(HWND dialog, int id) {
  std::string out;
  for (wchar_t c : GetText(dialog, id)) out += (c < 128) ? static_cast<char>(c) : '?';
  return out;
}

void SetAsciiText(HWND dialog, int id, std::string_view text) {
  SetText(dialog, id, std::wstring(text.begin(), text.end()));
}

int ShowMessage(HWND owner, std::wstring_view text, UINT flags) {
  return MessageBoxW(owner, std::wstring(text).c_str(), kMessageTitle, flags);
}

void ShowFailure(HWND owner, const std::exception& failure) {
  ShowMessage(owner, WidenUtf8(failure.what()), MB_OK | MB_ICONWARNING);
}

HWND CreateForm(int templateId, HWND owner, DLGPROC proc, LPARAM param) {
  HWND form = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, proc, param);
  if (form) {
    OpenForms().push_back(form);
    ShowWindow(form, SW_SHOW);
  }
  return form;
}

void FormDestroyed(HWND form) {
  auto& forms = OpenForms();
  forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
  if (forms.empty()) PostQuitMessage(0);
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    bool handled = false;
    for (HWND form : OpenForms()) {
      if (IsDialogMessageW(form, &msg)) {
        handled = true;
        break;
      }
    }
    if (!handled) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}

bool BringForward(HWND form) {
  if (!form || !IsWindow(form)) return false;
  ShowWindow(form, IsIconic(form) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(form);
  return true;
}

}  // namespace vdk::ui
