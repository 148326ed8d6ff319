#include "editor/conversions.h"

#include <cmath>
#include <stdexcept>

namespace vdk {

namespace {

constexpr double kFixedPointMax = 922337203685477.0;

std::string_view Mid(std::string_view text, std::size_t start1, std::size_t length) {
  if (start1 - 1 >= text.size()) return {};
  return text.substr(start1 - 1, length);
}

double HexSum(std::string_view text) {
  double sum = 0;
  const std::size_t n = text.size();
  for (std::size_t i = 1; i <= n; ++i)
    sum += HexDigitValue(text[i - 1]) * std::pow(16.0, static_cast<double>(n - i));
  return sum;
}

}  // namespace

int HexDigitValue(char c) {
  const auto code = static_cast<unsigned char>(c);
  if (code >= 'A' && code <= 'F') return code - 55;
  if (code >= 'a' && code <= 'f') return code - 87;
  if (code >= '0' && code <= '9') return code - '0';
  return 0;
}

std::int64_t HexToNumber(std::string_view text) {
  const double sum = HexSum(text);
  if (!(sum <= kFixedPointMax)) throw ConversionOverflow("hex value out of range");
  return static_cast<std::int64_t>(sum);
}

std::uint8_t HexToByte(std::string_view text) {
  const double sum = HexSum(text);
  if (!(sum <= 255.0)) throw ConversionOverflow("hex byte above 255");
  return static_cast<std::uint8_t>(sum);
}

std::string ReadHexBytes(GameFile& file, std::uint8_t count, std::uint8_t order) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string result;
  if (order > 1) return result;
  for (unsigned i = 0; i < count; ++i) {
    const std::uint8_t b = file.readByte();
    const char pair[2] = {kDigits[b >> 4], kDigits[b & 15]};
    if (order == 0)
      result.append(pair, 2);
    else
      result.insert(0, pair, 2);
  }
  return result;
}

std::string PadHex(std::string_view text, std::string_view width) {
  std::string s(text);
  const std::string w(width);
  if (w == "4") {
    if (s.size() >= 1 && s.size() <= 3) s.insert(0, 4 - s.size(), '0');
    return std::string(Mid(s, 3, 2)) + std::string(Mid(s, 1, 2));
  }
  if (w == "3") {
    if (s.size() == 1 || s.size() == 2) s.insert(0, 3 - s.size(), '0');
    return s;
  }
  if (w == "2" && s.size() == 1) s.insert(0, 1, '0');
  return s;
}

std::string HexText(std::int32_t n) {
  static const char kDigits[] = "0123456789ABCDEF";
  auto u = static_cast<std::uint32_t>(n);
  if (u == 0) return "0";
  std::string s;
  while (u) {
    s.insert(s.begin(), kDigits[u & 15]);
    u >>= 4;
  }
  return s;
}

void PutByte(GameFile& file, std::uint8_t b) { file.writeByte(b); }

void PutWordLE(GameFile& file, std::int32_t n) {
  const std::string t = PadHex(HexText(n), "4");
  PutByte(file, HexToByte(Mid(t, 1, 2)));
  PutByte(file, HexToByte(Mid(t, 3, 2)));
}

void PutDwordLE(GameFile& file, std::int32_t n) {
  std::string t = HexText(n);
  t.insert(0, 8 - t.size(), '0');
  for (std::size_t start : {7u, 5u, 3u, 1u}) PutByte(file, HexToByte(Mid(t, start, 2)));
}

void PutHexByte(GameFile& file, std::string_view text) { PutByte(file, HexToByte(text)); }

void PutHexWord(GameFile& file, std::string_view text) {
  for (std::size_t start : {1u, 3u}) PutByte(file, HexToByte(Mid(text, start, 2)));
}

void PutHexDword(GameFile& file, std::string_view text) {
  for (std::size_t start : {1u, 3u, 5u, 7u}) PutByte(file, HexToByte(Mid(text, start, 2)));
}

std::int32_t TrantoDec(std::string_view text, std::int16_t base) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  const auto last = text.find_last_not_of(' ');
  const std::string_view digits = text.substr(first, last - first + 1);
  const std::size_t n = digits.size();
  double result = 0;
  for (std::size_t i = n; i >= 1; --i) {
    const char c = digits[i - 1];
    int value;
    if (c >= 'A' && c <= 'F')
      value = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
      value = c - 'a' + 10;
    else if (c >= '0' && c <= '9')
      value = c - '0';
    else
      value = 0;
    const double step = std::pow(static_cast<double>(base), static_cast<double>(n - i)) * value + result;
    // Rounded to a 32-bit integer after every step (round half to even).
    const double rounded = std::nearbyint(step);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
      throw ConversionOverflow("value beyond the 32-bit range");
    result = rounded;
  }
  return static_cast<std::int32_t>(result);
}

std::string trandec(std::int32_t number, std::int16_t base) {
  static const char kAlphabet[] = "0123456789ABCDEF";
  if (base < 2 || base > 16) throw std::invalid_argument("trandec base must be 2 to 16");
  if (number < 0) throw std::invalid_argument("trandec takes non-negative numbers");
  std::string text;
  while (number != 0) {
    text.insert(text.begin(), kAlphabet[number % base]);
    number /= base;
  }
  return text;
}

}  // namespace vdk
