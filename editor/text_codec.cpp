#include "editor/text_codec.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#include <cstring>
#endif

namespace vdk {

#ifdef _WIN32

namespace {

std::wstring ToWide(unsigned codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
  return out;
}

std::string FromWide(unsigned codePage, std::wstring_view text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

}  // namespace

std::wstring DecodeCp936(std::string_view bytes) { return ToWide(936, bytes); }
std::string EncodeCp936(std::wstring_view text) { return FromWide(936, text); }
std::wstring WidenUtf8(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }
std::string NarrowUtf8(std::wstring_view text) { return FromWide(CP_UTF8, text); }

#else

namespace {

// Converts through iconv; undecodable input becomes U+FFFD or '?' rather
// than stopping the conversion.
std::string Convert(const char* to, const char* from, const char* in, std::size_t inLen,
                    std::size_t unitSize, const std::string& replacement) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert text");
  std::string out;
  char buffer[4096];
  char* src = const_cast<char*>(in);
  std::size_t left = inLen;
  while (left > 0) {
    char* dst = buffer;
    std::size_t room = sizeof buffer;
    const std::size_t r = iconv(cd, &src, &left, &dst, &room);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    if (r == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      // Invalid or truncated sequence: skip one input unit.
      out += replacement;
      const std::size_t step = unitSize < left ? unitSize : left;
      src += step;
      left -= step;
    }
  }
  iconv_close(cd);
  return out;
}

std::string WideBytes(wchar_t c) { return std::string(reinterpret_cast<const char*>(&c), sizeof c); }

std::wstring BytesToWide(const std::string& bytes) {
  std::wstring w(bytes.size() / sizeof(wchar_t), L'\0');
  if (!w.empty()) std::memcpy(w.data(), bytes.data(), w.size() * sizeof(wchar_t));
  return w;
}

}  // namespace

std::wstring DecodeCp936(std::string_view bytes) {
  return BytesToWide(Convert("WCHAR_T", "CP936", bytes.data(), bytes.size(), 1, WideBytes(0xFFFD)));
}

std::string EncodeCp936(std::wstring_view text) {
  return Convert("CP936", "WCHAR_T", reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t),
                 sizeof(wchar_t), "?");
}

std::wstring WidenUtf8(std::string_view utf8) {
  return BytesToWide(Convert("WCHAR_T", "UTF-8", utf8.data(), utf8.size(), 1, WideBytes(0xFFFD)));
}

std::string NarrowUtf8(std::wstring_view text) {
  return Convert("UTF-8", "WCHAR_T", reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t),
                 sizeof(wchar_t), "?");
}

#endif

}  // namespace vdk
