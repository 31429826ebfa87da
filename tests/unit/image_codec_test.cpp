#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "image/codec.h"

TEST(ByteToHex, TwoUpperCaseDigitsWithLeadingZero) {
  struct Case {
    int value;
    const char* text;
  };
  for (const Case& c : {Case{0, "00"}, Case{10, "0A"}, Case{171, "AB"}, Case{255, "FF"}}) {
    char out[3] = {'x', 'x', 'x'};
    ByteToHex(static_cast<std::uint8_t>(c.value), out);
    EXPECT_STREQ(out, c.text) << c.value;
  }
}

TEST(HexToByte, RoundTripsEveryByte) {
  for (int v = 0; v < 256; ++v) {
    char text[3];
    ByteToHex(static_cast<std::uint8_t>(v), text);
    EXPECT_EQ(HexToByte(text), v) << text;
  }
}

TEST(HexToByte, AcceptsAnyCaseAndFollowsTheFixedRuleForOtherTexts) {
  struct Case {
    const char* text;
    int value;
  };
  const Case cases[] = {
      {"7f", 0x7F},
      {"7F", 0x7F},
      {"fF", 0xFF},
      {"Ff", 0xFF},
      {"ff", 0xFF},
      {"A0", 0xA0},
      {"90", 0x90},
      {"09", 0x09},
      {"00", 0x00},
      // A position without a hexadecimal digit counts as 0.
      {"G1", 0x01},
      {"1G", 0x10},
      {" 5", 0x05},
      {"5 ", 0x50},
      {"-1", 0x01},
      {"\xB3\xA1", 0x00},
      // Short texts: the missing positions count as 0.
      {"5", 0x50},
      {"", 0x00},
      // Only two characters are looked at.
      {"123", 0x12},
  };
  for (const Case& c : cases) EXPECT_EQ(HexToByte(c.text), c.value) << '"' << c.text << '"';
}

TEST(HexToByte, NeverReadsPastTheTerminator) {
  // Exactly sized heap buffers: a read beyond the NUL is caught by AddressSanitizer.
  for (const char* text : {"", "A"}) {
    const size_t size = std::strlen(text) + 1;
    auto buffer = std::make_unique<char[]>(size);
    std::memcpy(buffer.get(), text, size);
    EXPECT_EQ(HexToByte(buffer.get()), text[0] ? 0xA0 : 0x00);
  }
}

TEST(CellText, ByteToTextInBothModes) {
  struct Case {
    int byte;
    bool hex;
    std::string text;
  };
  const Case cases[] = {
      {0x00, true, "00"},
      {0x41, true, "41"},
      {0xFF, true, "FF"},
      {0x00, false, ""},
      {0x41, false, "A"},
      {0x2E, false, "."},
      {0xB0, false, std::string(1, '\xB0')},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CellTextFromByte(static_cast<std::uint8_t>(c.byte), c.hex), c.text) << c.byte;
  }
}

TEST(CellText, TextToByteInBothModes) {
  struct Case {
    std::string text;
    bool hex;
    int byte;
  };
  const Case cases[] = {
      {"00", true, 0x00},
      {"a5", true, 0xA5},
      {"", true, 0x00},
      {"", false, 0x00},
      {"A", false, 0x41},
      {"AB", false, 0x41},
      // "." stands for the zero byte in ASCII mode.
      {".", false, 0x00},
      {".A", false, 0x00},
      {std::string(1, '\xE9'), false, 0xE9},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ByteFromCellText(c.text, c.hex), c.byte) << '"' << c.text << '"';
  }
}

TEST(CellText, AsciiModeRoundTripsEveryByteButTheDot) {
  for (int v = 0; v < 256; ++v) {
    const auto b = static_cast<std::uint8_t>(v);
    EXPECT_EQ(ByteFromCellText(CellTextFromByte(b, false), false), v == 0x2E ? 0 : v);
  }
}
