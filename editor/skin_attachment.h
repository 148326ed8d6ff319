// Module2's part in skinning: hands the skin the program carries among its
// resources to the skinning library before the first window is created, so
// that every window of the editor is drawn from it.
#pragma once

namespace vdk {

// The library and its functions, bound by name as the program first needs them.
inline constexpr wchar_t kSkinLibrary[] = L"Tebix_VB6.dll";
inline constexpr char kAttachFromMemory[] = "Tebix_Attach_Res";

// Loads the resource "TBX"/"COMPACT" and calls Tebix_Attach_Res with its
// bytes, an empty password and no colour shift. False, after a message box
// that names what is missing, when the library or the function cannot be
// found; a skin the library rejects is the library's to report.
bool AttachBuiltInSkin();

}  // namespace vdk
