// Sequences of definition lines through the scanner and the value step: the
// location counter, entry values, the alignment test and the offset.
#include "definitions/location_counter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/definition_lines.h"
#include "support/test_support.h"

namespace {

using namespace std::string_literals;

constexpr const char* AdvanceOrOffsetOverflow =
    "Runtime error 215 at $12F616E2\n  in ResolveEntryValue\n";
constexpr const char* HexMessage = "FATAL ERROR: Undecipherable Hex Number field\n";

struct Step {
  std::string Line;
  std::int16_t FieldSize;
  std::optional<std::int32_t> Value;  // nullopt: the line yields no entry
  std::int32_t Location;
  bool ValueIsHex = false;
};

// Hands the lines over one by one and checks the state after each.
void ExpectSteps(const std::vector<Step>& Steps) {
  for (const Step& S : Steps) {
    SCOPED_TRACE("line \"" + S.Line + "\"");
    test::LineResult Result = test::HandleLine(S.Line);
    ASSERT_EQ(Result.Status, test::RunGoesOn) << Result.Console;
    EXPECT_EQ(GeneratorState.FieldSize, S.FieldSize);
    EXPECT_EQ(GeneratorState.HasValue, S.Value.has_value());
    if (S.Value) {
      EXPECT_EQ(GeneratorState.Value, *S.Value);
    }
    EXPECT_EQ(GeneratorState.Location, S.Location);
    EXPECT_EQ(GeneratorState.ValueIsHex, S.ValueIsHex);
  }
}

constexpr std::optional<std::int32_t> NoEntry = std::nullopt;

TEST(LocationCounter, RelativeAddressesWithAndWithoutOffset) {
  const struct {
    std::string Line;
    std::int16_t FieldSize;
    std::optional<std::int32_t> Value0, Value16;
    std::int32_t Location;
  } Rows[] = {
      {"A 100 %WORD", 2, 100, 116, 102}, {"B $", 2, 102, 118, 104},
      {"C $ %LONG", 4, 104, 120, 108},   {"D #", 0, 108, 124, 108},
      {"E $", 0, 108, 124, 108},         {"F $ %BYTE", 1, 108, 124, 109},
      {"G", 1, NoEntry, NoEntry, 110},   {"K 7", 1, 7, 23, 8},
  };
  for (std::int16_t Offset : {0, 16}) {
    SCOPED_TRACE("offset " + std::to_string(Offset));
    std::vector<Step> Steps;
    for (const auto& Row : Rows)
      Steps.push_back({Row.Line, Row.FieldSize, Offset ? Row.Value16 : Row.Value0, Row.Location});
    test::StartDefinitions(1, Offset);
    ExpectSteps(Steps);
    EXPECT_EQ(GeneratorState.EntryCount, 3);  // A, C and F carry a type word
  }
}

TEST(LocationCounter, StrideTwoWithExemptTypeWords) {
  test::StartDefinitions(2, 16);
  ExpectSteps({
      {"RED 0 %enum", 1, 0, 1},
      {"GREEN $ %enum", 1, 1, 2},
      {"BLUE $", 1, 2, 3},
      {"LIMIT 501 %const", 0, 501, 501},
      {"BASE 600 %WORD", 1, 616, 601},
      {"NEXT $", 1, 617, 602},
  });
}

TEST(LocationCounter, NotationFollowsTheLastExplicitNumber) {
  test::StartDefinitions();
  ExpectSteps({
      {"A 64H %WORD", 2, 100, 102, true},
      {"B $", 2, 102, 104, true},
      {"C #", 0, 104, 104, true},
      {"D $10", 0, 16, 16, false},  // a base prefix is no H notation
      {"E $", 0, 16, 16, false},
      {"F 1aH", 0, 26, 26, true},
      {"NAME 12X", 0, NoEntry, 26, true},
      {"H 0x20 %BYTE", 1, 32, 33, false},
      {"NAME 12X", 1, NoEntry, 34, false},
      {"N 12\0"s, 1, 12, 13, false},  // a NUL ends the digits
  });
}

TEST(LocationCounter, StartOfPassHashLinesAndLinesWithoutEntry) {
  test::StartDefinitions(1, 16);
  ExpectSteps({
      {"FIRST $", 0, 16, 0},
      {"SECOND $", 0, 16, 0},
      {"THIRD 5", 0, 21, 5},
      {" \t ", 0, NoEntry, 5},
      {"A # %WORD", 0, 21, 5},  // "#" after the type word: the size is 0 again
      {"B $", 0, 21, 5},
      {"C $ %WORD", 2, 21, 7},
      {"D", 2, NoEntry, 9},
      {"   ", 2, NoEntry, 11},
      {"E 12X %WORD", 2, NoEntry, 13},
      {"F $", 2, 29, 15},
  });
  EXPECT_EQ(GeneratorState.EntryCount, 2);  // A and C; E yields no entry
}

TEST(LocationCounter, OffsetExemptTypeWordsAreLowerCaseOnly) {
  const struct {
    std::string TypeWord;
    bool OffsetAdded;
  } Cases[] = {
      {"%const", false}, {"%lit", false},   {"%enum", false},  {"%ebyte", false},
      {"%eword", false}, {"%CONST", true},  {"%Lit", true},    {"%Enum", true},
      {"%EBYTE", true},  {"%EWord", true},  {"%byte", true},   {"", true},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE("type word \"" + Case.TypeWord + "\"");
    for (std::int16_t Offset : {16, -16}) {
      test::StartDefinitions(1, Offset);
      test::HandleLine("A 8 " + Case.TypeWord);
      EXPECT_EQ(GeneratorState.Value, Case.OffsetAdded ? 8 + Offset : 8);
      EXPECT_EQ(GeneratorState.Location, 8 + GeneratorState.FieldSize);
      // A line without a type word is governed by the carried one.
      test::HandleLine("B $");
      EXPECT_EQ(GeneratorState.Value,
                8 + GeneratorState.FieldSize + (Case.OffsetAdded ? Offset : 0));
    }
  }
}

struct AlignmentCase {
  std::int16_t Stride;
  std::string Suffix;
  std::string Line;
  std::string Console;  // empty when the test passes
};

TEST(LocationCounter, AlignmentOfExplicitNumbers) {
  const std::string Zero = "\nZero AddressStride?\n";
  const AlignmentCase Cases[] = {
      {2, "", "ODD 603 %WORD", "\nAlignment Error: ODD\n"},
      {2, "_W", "ODD 603 %WORD", "\nAlignment Error: ODD_W\n"},
      {2, "_W", "ODD 603 %CONST", "\nAlignment Error: ODD\n"},
      {2, "_W", "ODD 603 %Enum", "\nAlignment Error: ODD_W\n"},
      {2, "", "ODD 603 %LIT", "\nAlignment Error: ODD\n"},
      {2, "", "ODD 603H %WORD", "\nAlignment Error: ODD\n"},
      {2, "", "ODD $25B", "\nAlignment Error: ODD\n"},
      {2, "", "ODD 603 %const", ""},
      {2, "", "ODD 603 %lit", ""},
      {2, "", "ODD 603 %enum", ""},
      {2, "", "EVEN 604 %WORD", ""},
      {2, "", "NEG -604 %WORD", ""},
      {3, "", "N -4", "\nAlignment Error: N\n"},
      {3, "", "M -6", ""},
      {3, "", "P 2147483647", "\nAlignment Error: P\n"},
      {-3, "", "N 7", "\nAlignment Error: N\n"},
      {-3, "", "M -6", ""},
      {1, "", "MIN -2147483648", ""},
      {-1, "", "MIN -2147483648", ""},
      {-1, "", "MAX 2147483647", ""},
      {-32768, "", "MIN -2147483648", ""},
      {-32768, "", "A 32768", ""},
      {-32768, "", "A 16384", "\nAlignment Error: A\n"},
      {5, "", "A 12\0H"s, "\nAlignment Error: A\n"},  // the number field comes first
      // Stride 0: a test that runs cannot divide; one that is skipped can.
      {0, "", "A 5", Zero},
      {0, "", "A 0", Zero},
      {0, "", "A 5 %ENUM", Zero},
      {0, "", "A 5 %enum", ""},
      {0, "", "A $ %ENUM", ""},
      {0, "", "A # %ENUM", ""},
      {0, "", "A $", ""},
      {0, "", "A 5 %WORD", Zero},  // from the lookup
      {0, "", "A 5 %FOO", "\nInvalid Parameter Type\n"},
  };
  for (const AlignmentCase& Case : Cases) {
    SCOPED_TRACE("stride " + std::to_string(Case.Stride) + ", line \"" + Case.Line + "\"");
    test::StartDefinitions(Case.Stride, 0, Case.Suffix);
    test::LineResult Result = test::HandleLine(Case.Line);
    EXPECT_EQ(Result.Console, Case.Console);
    EXPECT_EQ(Result.Status, Case.Console.empty() ? test::RunGoesOn : 2);
  }
}

TEST(LocationCounter, FailedAlignmentEndsBeforeTheAdvanceAndTheWriter) {
  test::StartDefinitions(2);
  test::HandleLine("GOOD 600 %WORD");
  EXPECT_EQ(GeneratorState.EntryCount, 1);
  test::LineResult Result = test::HandleLine("ODD 603 %LONG");
  EXPECT_EQ(Result.Status, 2);
  EXPECT_EQ(GeneratorState.Location, 603);
  EXPECT_EQ(GeneratorState.EntryCount, 1);
}

TEST(LocationCounter, UnreadableHexEndsBeforeTheLocationChanges) {
  test::StartDefinitions();
  test::HandleLine("GOOD 600 %WORD");
  test::LineResult Result = test::HandleLine("BAD 1GH %WORD");
  EXPECT_EQ(Result.Status, 2);
  EXPECT_EQ(Result.Console, HexMessage);
  EXPECT_EQ(GeneratorState.Location, 602);
  EXPECT_EQ(GeneratorState.EntryCount, 1);

  // Only a field holding a NUL is a number field too: its number is taken
  // and tested first, then its hex digits fail.
  test::StartDefinitions();
  Result = test::HandleLine("BOTH 12\0H"s);
  EXPECT_EQ(Result.Console, HexMessage);
  EXPECT_EQ(GeneratorState.Location, 12);
}

struct OverflowCase {
  std::int16_t Stride, Offset;
  std::vector<std::string> Lines;  // the last one ends the run, unless Console is empty
  std::string Console;
};

TEST(LocationCounter, ArithmeticLeavingThe32BitRange) {
  const std::string Hex = "Runtime error 215 at $C3099140\n  in HexToInt\n";
  const OverflowCase Cases[] = {
      {1, 0, {"BIG 2147483647 %WORD"}, AdvanceOrOffsetOverflow},
      {1, 0, {"A 2147483646 %BYTE", "NEXT $"}, AdvanceOrOffsetOverflow},
      {1, 0, {"A 2147483645 %BYTE", "NAMEONLY", "   "}, AdvanceOrOffsetOverflow},
      {-1, 0, {"LOW -2147483648 %WORD"}, AdvanceOrOffsetOverflow},
      {1, 1, {"TOP 2147483647"}, AdvanceOrOffsetOverflow},
      {1, -1, {"LOW -2147483648"}, AdvanceOrOffsetOverflow},
      {1, 1, {"A 2147483647 %CONST"}, AdvanceOrOffsetOverflow},
      {1, 0, {"A 80000000H"}, Hex},
      {1, 0, {"A 1G0000000H"}, Hex},
      // Right at the edges, and exempt from the offset.
      {1, 0, {"A 2147483646 %BYTE", "B $ %LIT"}, ""},
      {1, 1, {"TOP 2147483647 %const"}, ""},
      {1, -1, {"LOW -2147483648 %enum"}, ""},
      {1, 0, {"A 7FFFFFFFH"}, ""},
  };
  for (const OverflowCase& Case : Cases) {
    SCOPED_TRACE("last line \"" + Case.Lines.back() + "\"");
    test::StartDefinitions(Case.Stride, Case.Offset);
    test::LineResult Result;
    for (const std::string& Line : Case.Lines) {
      ASSERT_EQ(Result.Status, test::RunGoesOn) << Line;
      Result = test::HandleLine(Line);
    }
    EXPECT_EQ(Result.Console, Case.Console);
    EXPECT_EQ(Result.Status, Case.Console.empty() ? test::RunGoesOn : 215);
  }
}

// The typed entry after 32767 leaves the range of the 16-bit count.
TEST(LocationCounter, TypedEntryCountStaysIn16Bits) {
  const struct {
    TargetLanguage Language;
    std::string Console;
  } Cases[] = {
      {TargetLanguage::PascalRecord, "Runtime error 201 at $D55E647B\n  in WritePascalRecordRow\n"},
      {TargetLanguage::CStructure, "Runtime error 201 at $B2B90C32\n  in WriteCStructureRow\n"},
  };
  for (const auto& Case : Cases) {
    test::StartDefinitions();
    RunOptions.Language = Case.Language;
    GeneratorState.EntryCount = 32766;
    EXPECT_EQ(test::HandleLine("A 1 %BYTE").Status, test::RunGoesOn);
    EXPECT_EQ(test::HandleLine("B 2").Status, test::RunGoesOn);  // untyped: not counted
    EXPECT_EQ(GeneratorState.EntryCount, 32767);
    test::LineResult Result = test::HandleLine("C 3 %BYTE");
    EXPECT_EQ(Result.Status, 201);
    EXPECT_EQ(Result.Console, Case.Console);
  }
}

// The first pass counts the typed entries only; the second begins with the
// field size and the notation that the end of the first left.
TEST(LocationCounter, StateCarriesIntoTheSecondPass) {
  test::TempDir Dir;
  test::WriteBytes(Dir.File("defs.txt"), "A $\nB $ %WORD\nC 1AH %LONG\n");
  test::RunResult Run = test::RunInProcess({Dir.File("defs.txt"), Dir.File("out.inc"), "PR"});
  ASSERT_EQ(Run.Status, 0) << Run.Console;
  const std::string Include = test::ReadBytes(Dir.File("out.inc"));
  // In the first pass B was 0 in decimal; in the second, A advances by the
  // carried LONG size and B carries the hex notation of C.
  EXPECT_NE(Include.find("LastParm = 2;\r\n"), std::string::npos);
  EXPECT_NE(Include.find("\r\n((ParmName : 'B'; ParmLoc : $4; ParmType : type_WORD ),\r\n"
                         "(ParmName : 'C'; ParmLoc : $1A; ParmType : type_LONG ));\r\n"),
            std::string::npos)
      << Include;
}

// Each language's writer is called for an entry, and none for a line that
// yields no entry.
TEST(LocationCounter, EntriesReachTheWriterOfTheLanguage) {
  const struct {
    std::string Word;
    std::string Written;
  } Cases[] = {
      {"P", "ALPHA                    =      7;"},
      {"C", "#define ALPHA "},
      {"A", "ALPHA                   equ     7"},
      {"B", "ALPHA=7"},
      {"PR", "(ParmName : 'ALPHA'; ParmLoc : 7;"},
      {"CS", "{ \"ALPHA\", 7, BYTE }"},
  };
  test::TempDir Dir;
  test::WriteBytes(Dir.File("defs.txt"), "ALPHA 7 %BYTE\nGAMMA 12X %BYTE\nDELTA\n");
  for (const auto& Case : Cases) {
    SCOPED_TRACE("language " + Case.Word);
    test::RunResult Run =
        test::RunInProcess({Dir.File("defs.txt"), Dir.File("out.inc"), Case.Word});
    ASSERT_EQ(Run.Status, 0) << Run.Console;
    const std::string Include = test::ReadBytes(Dir.File("out.inc"));
    EXPECT_NE(Include.find(Case.Written), std::string::npos) << Include;
    EXPECT_EQ(Include.find("GAMMA"), std::string::npos) << Include;
    EXPECT_EQ(Include.find("DELTA"), std::string::npos) << Include;
  }
}

}  // namespace
