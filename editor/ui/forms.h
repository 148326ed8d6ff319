// Small Win32 helpers shared by the editor's forms: control text, message
// boxes, and the bookkeeping of modeless forms (keyboard navigation and
// ending the program when the last form closes).
#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <string_view>

namespace vdk::ui {

// Caption of the editor's message boxes.
inline constexpr const wchar_t* kMessageTitle = L"vdkedit";

std::wstring GetText(HWND dialog, int id);
void SetText(HWND dialog, int id, std::wstring_view text);
// ASCII view of a control's text, as the conversions take it (characters
// outside ASCII become '?', which converts like any other non-digit).
std::string GetAsciiText(HWND dialog, int id);
void SetAsciiText(HWND dialog, int id, std::string_view text);

int ShowMessage(HWND owner, std::wstring_view text, UINT flags = MB_OK);
// Reports a failed operation (file, name list, conversion) with its text.
void ShowFailure(HWND owner, const std::exception& failure);

// A modeless form: created from a dialog template, counted while it lives,
// and given dialog keyboard handling by the message loop.
HWND CreateForm(int templateId, HWND owner, DLGPROC proc, LPARAM param = 0);
// Call from WM_DESTROY of every form made by CreateForm.
void FormDestroyed(HWND form);
// Runs the message loop until the last form is gone or the program quits.
int RunMessageLoop();

// Shows a form that may already be open: brings it forward instead.
bool BringForward(HWND form);

}  // namespace vdk::ui
