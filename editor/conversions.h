// Number and text conversions shared by every record editor (Module1), and
// the base conversions TrantoDec/trandec the unit and weapon editors use.
// Hex text is upper-case, unsigned, without prefix; readers accept a-f too.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "editor/game_file.h"

namespace vdk {

// Value of one hex character: A-F/a-f give 10-15, 0-9 their digit, anything
// else 0 (characters are never rejected).
int HexDigitValue(char c);

// Sum of digit(i) * 16^(n-i) over the whole text; empty text gives 0. Values
// beyond the fixed-point range (+-922,337,203,685,477) raise ConversionOverflow.
std::int64_t HexToNumber(std::string_view text);

// The same sum as one byte; above 255 raises ConversionOverflow.
std::uint8_t HexToByte(std::string_view text);

// Reads `count` bytes at FileCursor as two hex digits each. Order 0 keeps
// file order, order 1 reverses the bytes (a little-endian number then reads
// most significant digit first); any other order reads nothing.
std::string ReadHexBytes(GameFile& file, std::uint8_t count, std::uint8_t order);

// Left-pads hex text to the width given as text ("2", "3" or "4"); width 4
// also swaps the two byte pairs (a 16-bit number into file byte order).
std::string PadHex(std::string_view text, std::string_view width);

void PutByte(GameFile& file, std::uint8_t b);
// Low byte then high byte for 0..65535 (other values: see PadHex width 4).
void PutWordLE(GameFile& file, std::int32_t n);
// Four bytes little-endian; every 32-bit value is written exactly.
void PutDwordLE(GameFile& file, std::int32_t n);
void PutHexByte(GameFile& file, std::string_view text);
// Byte pairs in text order; a missing pair writes 0.
void PutHexWord(GameFile& file, std::string_view text);
void PutHexDword(GameFile& file, std::string_view text);

// Upper-case hex text of a 32-bit value, no leading zeros (negative values as
// eight-digit two's complement).
std::string HexText(std::int32_t n);

// Digits of `text` (blanks around it removed) in `base`; A-F count 10-15,
// other non-digits 0, digits beyond the base count as they are. Beyond the
// 32-bit signed range raises ConversionOverflow.
std::int32_t TrantoDec(std::string_view text, std::int16_t base);

// Digits of a non-negative number in base 2..16; 0 gives empty text.
std::string trandec(std::int32_t number, std::int16_t base);

}  // namespace vdk
