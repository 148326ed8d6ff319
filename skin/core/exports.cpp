#include "skin/core/exports.h"

#include <string>

#include "skin/attach/creation_hook.h"
#include "skin/attach/engine_messages.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/engine.h"
#include "skin/core/shifted_colour.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_file_load.h"
#include "skin/core/skin_recolour.h"

namespace tebix {
namespace {

constexpr char kDefaultSkinFile[] = "tebix.tbx";

int InstallSkin(const UnpackedBlock& block) {
  return LoadSkinModel(block);
}

std::string DefaultSkinPath() {
  return std::string(LibraryFolder()) + kDefaultSkinFile;
}

// Every attach starts from no colour shift. Returns the shift shown before.
HsvDeltas StartAttach() {
  const HsvDeltas shown = CurrentDeltas();
  ResetDeltas();
  return shown;
}

// A load that did not take keeps the skin there was; if that skin was shown
// shifted, it is shown as loaded again, to match the shift now being none
// (its key colours would no longer match its recoloured pixels otherwise).
void KeepSkinUnshifted(HsvDeltas shown) {
  if (shown.Any() && SkinLoaded()) AdjustSkinHsv(0, 0, 0);
}

// Loads a skin file and, when it took, skins the thread's windows.
void AttachFile(const char* path, HsvDeltas shown) {
  if (LoadSkinFile(path, &InstallSkin) == 1) {
    AttachAllWindows();
  } else {
    KeepSkinUnshifted(shown);
  }
}

// After a load, shifts the skin's colours; the shift skins the windows. A
// refused shift leaves them unprobed and unpainted, to be skinned as their
// next messages would have them.
void AttachShifted(int loaded, HsvDeltas shown, int hue, int saturation, int brightness) {
  if (loaded != 1) {
    KeepSkinUnshifted(shown);
  } else if (AdjustSkinHsv(hue, saturation, brightness) != 0) {
    DispatchAllWindows();
  }
}

}  // namespace
}  // namespace tebix

using namespace tebix;

extern "C" {

int WINAPI Tebix_Attach() {
  const HsvDeltas shown = StartAttach();
  if (EngineRunning()) AttachFile(DefaultSkinPath().c_str(), shown);
  return 0;
}

int WINAPI Tebix_Attach_Ex(const char* path, const char* /*password*/) {
  const HsvDeltas shown = StartAttach();
  if (!EngineRunning()) return 0;
  AttachFile(path != nullptr ? path : DefaultSkinPath().c_str(), shown);
  return 0;
}

int WINAPI Tebix_Attach_Ext(const char* path, const char* /*password*/, int hue, int saturation, int brightness) {
  const HsvDeltas shown = StartAttach();
  if (!EngineRunning()) return 0;
  const std::string file = path != nullptr ? std::string(path) : DefaultSkinPath();
  AttachShifted(LoadSkinFile(file.c_str(), &InstallSkin), shown, hue, saturation, brightness);
  return 0;
}

int WINAPI Tebix_Attach_Res(const void* block, int length, const char* /*password*/, int hue, int saturation,
                            int brightness) {
  const HsvDeltas shown = StartAttach();
  if (!EngineRunning()) return 0;
  // The block is read no further than the length the caller gave.
  const int loaded = block != nullptr
                         ? LoadSkinBlock(block, length > 0 ? static_cast<std::uint32_t>(length) : 0, &InstallSkin)
                         : LoadSkinFile(kDefaultSkinFile, &InstallSkin);
  AttachShifted(loaded, shown, hue, saturation, brightness);
  return 0;
}

int WINAPI Tebix_Detach() {
  ResetDeltas();
  if (!EngineRunning() || !SkinLoaded()) return 1;
  ReleaseSkinObjects();
  const std::vector<HWND> windows = SubclassedWindows();
  for (HWND window : windows) {
    if (DetachObject(window)) RepaintWithFrame(window);
  }
  ForgetSubclassedWindows();
  StopWatchingAll();
  RestoreMenuItems();
  FreeMenuBars();
  return 0;
}

int WINAPI Tebix_Detach_Ex(HWND window) {
  if (!EngineRunning()) return 1;
  if (!IsWindow(window)) return 0;  // nothing to mark
  if (!IsSkinnedThreadWindow(window)) {
    if (GetPropA(window, kNoHookProperty) != nullptr) return 1;
    SetPropA(window, kNoHookProperty, reinterpret_cast<HANDLE>(1));
    return 0;
  }
  if (HasNoHook(window)) return 1;
  if (DetachObject(window)) {
    MarkNoHook(window);
    FreeMenuBars();
    SetWindowPos(window, nullptr, 0, 0, 0, 0, kFrameChangedRepaint);
    InvalidateRect(window, nullptr, TRUE);
  } else {
    StopWatching(window);
    MarkNoHook(window);
  }
  return 0;
}

int WINAPI Tebix_Map(HWND window, int value) {
  if (!EngineRunning() || !IsWindow(window)) return 1;
  if (DetachObject(window)) FreeMenuBars();
  DispatchWindow(window, kRemapMessage);
  SendMessageW(window, kRemapMessage, static_cast<WPARAM>(value), 0);
  SetWindowPos(window, nullptr, 0, 0, 0, 0, kFrameChangedRepaint);
  InvalidateRect(window, nullptr, TRUE);
  return 0;
}
}
