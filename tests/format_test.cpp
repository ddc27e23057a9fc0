// The text primitives of the include writers.
#include "writers/format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PrimitiveCase {
  const char* Call;
  std::string Result;
  std::string Expected;
};

TEST(FormatPrimitives, TableOfCases) {
  const std::string Thirty(30, 'x');
  const PrimitiveCase Cases[] = {
      {"PadTo ABC 6", PadTo(ShortText("ABC"), 6).Str(), "ABC   "},
      {"PadTo 30 characters 24", PadTo(ShortText(Thirty), 24).Str(), Thirty},
      {"PadTo empty 4", PadTo(ShortText(""), 4).Str(), "    "},
      {"PadTo exact width", PadTo(ShortText("ABCD"), 4).Str(), "ABCD"},
      {"PadTo to 255", PadTo(ShortText(std::string(250, 'y')), 255).Str(),
       std::string(250, 'y') + "     "},
      {"HexDigits 0", HexDigits(0).Str(), "0"},
      {"HexDigits 15", HexDigits(15).Str(), "F"},
      {"HexDigits 16", HexDigits(16).Str(), "10"},
      {"HexDigits 255", HexDigits(255).Str(), "FF"},
      {"HexDigits 256", HexDigits(256).Str(), "100"},
      {"HexDigits 4095", HexDigits(4095).Str(), "FFF"},
      {"HexDigits 4096", HexDigits(4096).Str(), "1000"},
      {"HexDigits 65535", HexDigits(65535).Str(), "FFFF"},
      {"HexDigits 65536", HexDigits(65536).Str(), "10000"},
      {"HexDigits 1048575", HexDigits(1048575).Str(), "FFFFF"},
      {"HexDigits 1048576", HexDigits(1048576).Str(), "100000"},
      {"HexDigits 16777215", HexDigits(16777215).Str(), "FFFFFF"},
      {"HexDigits 16777216", HexDigits(16777216).Str(), "1000000"},
      {"HexDigits 268435455", HexDigits(268435455).Str(), "FFFFFFF"},
      {"HexDigits 268435456", HexDigits(268435456).Str(), "10000000"},
      {"HexDigits 2147483647", HexDigits(2147483647).Str(), "7FFFFFFF"},
      {"HexDigits 0xABCDEF", HexDigits(0xABCDEF).Str(), "ABCDEF"},
      // Negative numbers get one digit, their low four bits.
      {"HexDigits -1", HexDigits(-1).Str(), "F"},
      {"HexDigits -8", HexDigits(-8).Str(), "8"},
      {"HexDigits -16", HexDigits(-16).Str(), "0"},
      {"HexDigits -2147483648", HexDigits(-2147483647 - 1).Str(), "0"},
      {"HexText 255 4", HexText(255, 4).Str(), "00FF"},
      {"HexText 0x12345678 8", HexText(0x12345678u, 8).Str(), "12345678"},
      {"HexText 0xFFFFFFFF 8", HexText(0xFFFFFFFFu, 8).Str(), "FFFFFFFF"},
      {"HexText 0x1234 2", HexText(0x1234u, 2).Str(), "34"},
      {"HexText 7 0", HexText(7, 0).Str(), ""},
      {"DecimalText 0", DecimalText(0).Str(), "0"},
      {"DecimalText 7", DecimalText(7).Str(), "7"},
      {"DecimalText 100", DecimalText(100).Str(), "100"},
      {"DecimalText -5", DecimalText(-5).Str(), "-5"},
      {"DecimalText 2147483647", DecimalText(2147483647).Str(), "2147483647"},
      {"DecimalText -2147483648", DecimalText(-2147483647 - 1).Str(), "-2147483648"},
  };
  for (const PrimitiveCase& Case : Cases) EXPECT_EQ(Case.Result, Case.Expected) << Case.Call;
}

}  // namespace
