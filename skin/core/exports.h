// The attach and detach exports of Tebix_VB6.dll (standard calling
// convention, undecorated names through Tebix_VB6.def). All of them must be
// called on the thread that loaded the library.
#pragma once

#include <windows.h>

extern "C" {

// Loads "tebix.tbx" from the library's folder and skins every window of the
// thread. 0.
int WINAPI Tebix_Attach();
// Loads the named skin file (null: as Tebix_Attach); the password is not
// used. 0.
int WINAPI Tebix_Attach_Ex(const char* path, const char* password);
// As Tebix_Attach_Ex, then shifts the skin's colours (Tebix_Adjust_HSV). 0.
int WINAPI Tebix_Attach_Ext(const char* path, const char* password, int hue, int saturation, int brightness);
// Loads a skin file held in memory (`length` bytes at `block`; null block:
// "tebix.tbx" in the current folder), then shifts its colours. 0.
int WINAPI Tebix_Attach_Res(const void* block, int length, const char* password, int hue, int saturation,
                            int brightness);
// Takes the skin off every window; the engine stays and skins again at the
// next attach. 0; 1 when no skin is loaded or the engine is not running.
int WINAPI Tebix_Detach();
// Takes the skin off one window for good. 0; 1 when the window already
// carries "Tebix_NoHook" or the engine is not running.
int WINAPI Tebix_Detach_Ex(HWND window);
// Gives a window a fresh skin object, chosen by its current class and
// styles. 0; 1 when the window does not exist or the engine is not running.
int WINAPI Tebix_Map(HWND window, int value);
}
