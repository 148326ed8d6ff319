// The library's own module handle, set when the library is loaded.
#pragma once

#include <windows.h>

namespace tebix {

HMODULE LibraryModule();

}  // namespace tebix
