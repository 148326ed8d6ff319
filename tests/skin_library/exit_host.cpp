// A host that ends its process with the skin attached and windows skinned,
// never unloading the library: the process must end as asked.
#include <windows.h>

int main() {
  HMODULE library = LoadLibraryW(L"Tebix_VB6.dll");
  if (library == nullptr) return 1;
  using Attach = int(WINAPI*)();
  const auto attach = reinterpret_cast<Attach>(reinterpret_cast<void*>(GetProcAddress(library, "Tebix_Attach")));
  if (attach == nullptr || attach() != 0) return 2;
  HWND window = CreateWindowExW(WS_EX_CLIENTEDGE, L"msctls_hotkey32", L"", WS_POPUP | WS_VISIBLE, 0, 0, 80, 24,
                                nullptr, nullptr, nullptr, nullptr);
  if (window == nullptr || GetPropA(window, "Tebix") == nullptr) return 3;
  UpdateWindow(window);
  return 7;  // the window, the hook and the patches are all still there
}
