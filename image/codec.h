// A byte as two hexadecimal digits and back, and the cell texts of both display modes.
#pragma once

#include <cstdint>
#include <string>

// Writes two upper-case digits and a terminating NUL into out[0..2].
void ByteToHex(std::uint8_t value, char* out);
// Reads at most the first two characters of `text`, never past its terminator. A position that
// holds no hexadecimal digit, or lies past the end, counts as 0: "5" gives 0x50, "G1" 0x01.
std::uint8_t HexToByte(const char* text);

// Cell text of byte b: two hex digits, or in ASCII mode one character of code b (empty for 0).
std::string CellTextFromByte(std::uint8_t b, bool hex);
// Byte of a cell text: HexToByte, or in ASCII mode the first character's code, with the
// empty text and "." both giving 0.
std::uint8_t ByteFromCellText(const std::string& text, bool hex);
