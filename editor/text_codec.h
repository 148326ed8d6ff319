// Text decoding for the name lists and help texts, which are stored in code
// page 936 whatever the system's own code page is.
#pragma once

#include <string>
#include <string_view>

namespace vdk {

std::wstring DecodeCp936(std::string_view bytes);
std::string EncodeCp936(std::wstring_view text);

// UTF-8 <-> wide, for messages built by the core.
std::wstring WidenUtf8(std::string_view utf8);
std::string NarrowUtf8(std::wstring_view text);

}  // namespace vdk
