#include "definitions/number_syntax.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NumberCase {
  std::string Text;
  bool Ok32;
  std::int32_t Value32;
  bool Ok16;
  std::int32_t Value16;
};

TEST(TextToInt, TableOfCases) {
  const NumberCase Cases[] = {
      {"0", true, 0, true, 0},
      {"00", true, 0, true, 0},
      {"+0", true, 0, true, 0},
      {"10", true, 10, true, 10},
      {"$10", true, 16, true, 16},
      {"x10", true, 16, true, 16},
      {"X10", true, 16, true, 16},
      {"0x10", true, 16, true, 16},
      {"0X10", true, 16, true, 16},
      {"%101", true, 5, true, 5},
      {"&17", true, 15, true, 15},
      {"-4", true, -4, true, -4},
      {"$FFFF", true, 65535, true, -1},
      {"$8000", true, 32768, true, -32768},
      {"$10000", true, 65536, true, 0},
      {"$12345", true, 0x12345, true, 9029},
      {"$FFFFFFFF", true, -1, true, -1},
      {"$80000000", true, -2147483647 - 1, true, 0},
      {"-$FFFFFFFF", true, 1, true, 1},
      {"-$8001", true, -32769, true, -32769},
      {"40000", true, 40000, true, 40000},
      {"2147483647", true, 2147483647, true, 2147483647},
      {"2147483648", false, 0, false, 0},
      {"-2147483648", true, -2147483647 - 1, true, -2147483647 - 1},
      {"-2147483649", false, 0, false, 0},
      {"$100000000", false, 0, false, 0},
      {"$000000000FF", true, 255, true, 255},
      {"", false, 0, false, 0},
      {"-", false, 0, false, 0},
      {"$", false, 0, false, 0},
      {"x", false, 0, false, 0},
      {"0x", false, 0, false, 0},
      {"10h", false, 0, false, 0},
      {"1A", false, 0, false, 0},
      {"12 ", false, 0, false, 0},
      {"--1", false, 0, false, 0},
      {"+-1", false, 0, false, 0},
      {"%2", false, 0, false, 0},
      {"&8", false, 0, false, 0},
      {"1.5", false, 0, false, 0},
      {"1_000", false, 0, false, 0},
      {" 12", true, 12, true, 12},
      {"\t-12", true, -12, true, -12},
      {"#", false, 0, false, 0},
      {std::string("12\0" "99x", 6), true, 12, true, 12},
      {std::string("-\0", 2), true, 0, true, 0},
      {std::string("$F\0", 3), true, 15, true, 15},
  };
  for (const NumberCase& Case : Cases) {
    SCOPED_TRACE("text \"" + Case.Text + "\"");
    std::int32_t Value = 77;
    EXPECT_EQ(TextToInt(ShortText(Case.Text), NumberTarget::Bits32, Value), Case.Ok32);
    EXPECT_EQ(Value, Case.Value32);
    Value = 77;
    EXPECT_EQ(TextToInt(ShortText(Case.Text), NumberTarget::Bits16, Value), Case.Ok16);
    EXPECT_EQ(Value, Case.Value16);
  }
}

}  // namespace
