// The two notations of a value field: which texts each accepts, their values,
// and how a hex number field that cannot be read ends the run.
#include "definitions/number_fields.h"

#include <gtest/gtest.h>

#include <string>

#include "support/definition_lines.h"

namespace {

using namespace std::string_literals;

struct FieldCase {
  std::string Text;
  bool IsDecimal;
  std::int32_t DecimalValue;  // when IsDecimal
  bool IsHex;
};

TEST(NumberFields, WhichNotationAcceptsAText) {
  const FieldCase Cases[] = {
      {"", false, 0, false},
      {"$", false, 0, false},
      {"#", false, 0, false},
      {"0", true, 0, false},
      {"00", true, 0, false},
      {"-5", true, -5, false},
      {"$10", true, 16, false},
      {"x10", true, 16, false},
      {"0x10", true, 16, false},
      {"%101", true, 5, false},
      {"&17", true, 15, false},
      {"$0000010", true, 16, false},
      {"0000000012", true, 12, false},
      {"0x", false, 0, false},
      {"x", false, 0, false},
      {"-", false, 0, false},
      {"2147483647", true, 2147483647, false},
      {"2147483648", false, 0, false},
      {"-2147483648", true, -2147483647 - 1, false},
      {"-2147483649", false, 0, false},
      {"$FFFFFFFF", true, -1, false},
      {"$100000000", false, 0, false},
      {"12", true, 12, false},
      {"12X", false, 0, false},
      {"12H", false, 0, true},
      {"1AH", false, 0, true},
      {"1ah", false, 0, true},
      {"h", false, 0, true},
      {"H", false, 0, true},
      {"WIDTH", false, 0, true},
      {"-1H", false, 0, true},
      // A NUL ends the digits of a number field; only such a text can be both.
      {"12\0"s, true, 12, false},
      {"12\0H"s, true, 12, true},
  };
  for (const FieldCase& Case : Cases) {
    SCOPED_TRACE("field \"" + Case.Text + "\"");
    const ShortText Field(Case.Text);
    EXPECT_EQ(IsDecimalField(Field), Case.IsDecimal);
    if (Case.IsDecimal) {
      EXPECT_EQ(ParseDecimalField(Field), Case.DecimalValue);
    }
    EXPECT_EQ(IsHexField(Field), Case.IsHex);
  }
}

constexpr int HexMessage = -2;
constexpr int Overflow = -3;

struct HexCase {
  std::string Text;
  std::int32_t Value;  // or HexMessage, Overflow
};

TEST(NumberFields, ParseHexField) {
  const HexCase Cases[] = {
      {"1AH", 26},
      {"1ah", 26},
      {"12H", 18},
      {"00FFh", 255},
      {"h", 0},
      {"H", 0},
      {"7FFFFFFFH", 2147483647},
      {"000000000007fffffffh", 2147483647},
      {"-1H", HexMessage},
      {"+1H", HexMessage},
      {"$1FH", HexMessage},
      {"0x1FH", HexMessage},
      {"1GH", HexMessage},
      {"WIDTH", HexMessage},
      {"1 2H", HexMessage},
      {"12\0H"s, HexMessage},
      {"80000000H", Overflow},
      {"FFFFFFFFH", Overflow},
      {"100000000H", Overflow},
      // The scan goes on past the invalid G, so the overflow comes first.
      {"1G0000000H", Overflow},
  };
  for (const HexCase& Case : Cases) {
    SCOPED_TRACE("field \"" + Case.Text + "\"");
    test::StartDefinitions();
    std::int32_t Value = 0;
    test::LineResult Result =
        test::CaptureRunEnd([&] { Value = ParseHexField(ShortText(Case.Text)); });
    if (Case.Value == HexMessage) {
      EXPECT_EQ(Result.Status, 2);
      EXPECT_EQ(Result.Console, "FATAL ERROR: Undecipherable Hex Number field\n");
    } else if (Case.Value == Overflow) {
      EXPECT_EQ(Result.Status, 215);
      EXPECT_EQ(Result.Console, "Runtime error 215 at $C3099140\n  in HexToInt\n");
    } else {
      EXPECT_EQ(Result.Status, test::RunGoesOn);
      EXPECT_EQ(Result.Console, "");
      EXPECT_EQ(Value, Case.Value);
    }
  }
}

TEST(NumberFields, HexToIntReadsEveryCharacter) {
  std::int32_t Value = -7;
  EXPECT_TRUE(HexToInt(ShortText(""), Value));
  EXPECT_EQ(Value, 0);
  EXPECT_TRUE(HexToInt(ShortText("aBc"), Value));
  EXPECT_EQ(Value, 0xABC);
  // An invalid character counts as a digit place but adds nothing.
  EXPECT_FALSE(HexToInt(ShortText("1G2"), Value));
  EXPECT_EQ(Value, 0x102);
  EXPECT_FALSE(HexToInt(ShortText("\0"s), Value));
  EXPECT_FALSE(HexToInt(ShortText("\xC1"), Value));  // no folding beyond a to z
}

}  // namespace
