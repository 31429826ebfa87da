#include "image/codec.h"

namespace {

int DigitValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - 0x30;
  if (c >= 'a' && c <= 'f') return c - 0x57;
  if (c >= 'A' && c <= 'F') return c - 0x37;
  return 0;
}

}  // namespace

void ByteToHex(std::uint8_t value, char* out) {
  static const char kDigits[] = "0123456789ABCDEF";
  out[0] = kDigits[value / 16];
  out[1] = kDigits[value % 16];
  out[2] = '\0';
}

std::uint8_t HexToByte(const char* text) {
  unsigned char c0 = static_cast<unsigned char>(text[0]);
  unsigned char c1 = c0 ? static_cast<unsigned char>(text[1]) : 0;
  return static_cast<std::uint8_t>(DigitValue(c0) * 16 + DigitValue(c1));
}

std::string CellTextFromByte(std::uint8_t b, bool hex) {
  if (hex) {
    char digits[3];
    ByteToHex(b, digits);
    return digits;
  }
  return b == 0 ? std::string() : std::string(1, static_cast<char>(b));
}

std::uint8_t ByteFromCellText(const std::string& text, bool hex) {
  if (hex) return HexToByte(text.c_str());
  if (text.empty() || text[0] == '.') return 0;
  return static_cast<std::uint8_t>(text[0]);
}
