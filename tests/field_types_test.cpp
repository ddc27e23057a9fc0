// Sizes of the field types in address units, for a range of strides.
#include "definitions/field_types.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/definition_lines.h"

namespace {

constexpr std::array<std::int16_t, 8> Strides = {1, 2, 4, 8, 5, -1, -2, 0};
// In place of a size: the lookup ends the run with "Zero AddressStride?".
constexpr std::int16_t Z = 9999;

struct LookupCase {
  std::string Name;
  std::array<std::int16_t, 8> Sizes;  // one per entry of Strides
};

TEST(LookupFieldSize, SizesForEveryStride) {
  const LookupCase Cases[] = {
      //                 1   2  4  8  5   -1  -2  0
      {"BYTE", {1, 0, 0, 0, 0, -1, 0, Z}},
      {"BINT", {1, 0, 0, 0, 0, -1, 0, Z}},
      {"EBYTE", {1, 0, 0, 0, 0, -1, 0, Z}},
      {"EWORD", {2, 1, 0, 0, 0, -2, -1, Z}},
      {"WORD", {2, 1, 0, 0, 0, -2, -1, Z}},
      {"PTR", {2, 1, 0, 0, 0, -2, -1, Z}},
      {"FLAG", {2, 1, 0, 0, 0, -2, -1, Z}},
      {"MASK", {2, 1, 0, 0, 0, -2, -1, Z}},
      {"UINT", {2, 1, 0, 0, 0, -2, -1, Z}},
      {"INT", {2, 1, 0, 0, 0, -2, -1, Z}},
      {"LONG", {4, 2, 1, 0, 0, -4, -2, Z}},
      {"ULONG", {4, 2, 1, 0, 0, -4, -2, Z}},
      {"DOUBLE", {8, 4, 2, 1, 1, -8, -4, Z}},
      {"EVENT", {12, 6, 3, 1, 2, -12, -6, Z}},
      {"LIT", {0, 0, 0, 0, 0, 0, 0, Z}},
      {"CONST", {0, 0, 0, 0, 0, 0, 0, Z}},
      {"ENUM", {1, 1, 1, 1, 1, 1, 1, 1}},
      // Case does not matter: only a to z are folded.
      {"byte", {1, 0, 0, 0, 0, -1, 0, Z}},
      {"Byte", {1, 0, 0, 0, 0, -1, 0, Z}},
      {"dOuBlE", {8, 4, 2, 1, 1, -8, -4, Z}},
      {"enum", {1, 1, 1, 1, 1, 1, 1, 1}},
      {"Enum", {1, 1, 1, 1, 1, 1, 1, 1}},
      // Names that equal no row, the end row's own spelling included.
      {"", {-1, -1, -1, -1, -1, -1, -1, -1}},
      {"notfound", {-1, -1, -1, -1, -1, -1, -1, -1}},
      {"NOTFOUND", {-1, -1, -1, -1, -1, -1, -1, -1}},
      {"WOR", {-1, -1, -1, -1, -1, -1, -1, -1}},
      {"WORDS", {-1, -1, -1, -1, -1, -1, -1, -1}},
      {"%WORD", {-1, -1, -1, -1, -1, -1, -1, -1}},
      {"BYTE\t", {-1, -1, -1, -1, -1, -1, -1, -1}},
  };
  for (const LookupCase& Case : Cases) {
    for (std::size_t I = 0; I < Strides.size(); ++I) {
      SCOPED_TRACE("type \"" + Case.Name + "\", stride " + std::to_string(Strides[I]));
      test::StartDefinitions(Strides[I]);
      std::int16_t Size = 0;
      test::LineResult Result =
          test::CaptureRunEnd([&] { Size = LookupFieldSize(ShortText(Case.Name)); });
      if (Case.Sizes[I] == Z) {
        EXPECT_EQ(Result.Status, 2);
        EXPECT_EQ(Result.Console, "\nZero AddressStride?\n");
      } else {
        EXPECT_EQ(Result.Status, test::RunGoesOn);
        EXPECT_EQ(Result.Console, "");
        EXPECT_EQ(Size, Case.Sizes[I]);
      }
    }
  }
}

TEST(LookupFieldSize, ExtremeStridesTruncateTowardZero) {
  test::StartDefinitions(-32768);
  EXPECT_EQ(LookupFieldSize(ShortText("EVENT")), 0);
  test::StartDefinitions(32767);
  EXPECT_EQ(LookupFieldSize(ShortText("EVENT")), 0);
  test::StartDefinitions(-5);
  EXPECT_EQ(LookupFieldSize(ShortText("EVENT")), -2);
}

}  // namespace
