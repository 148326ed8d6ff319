#include "editor/disc_image_tool.h"

namespace vdk {

std::wstring DiscImageToolCommand(const std::wstring& programFolder) {
  return L"Rundll32.exe url.dll, FileProtocolHandler " + programFolder + L"\\" + L"data\\" + L"\\Voruzo.exe";
}

}  // namespace vdk
