// The ways a definition line ends a run, through the built binary: exact
// standard output and exit status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

struct BinaryCase {
  std::string Definitions;
  std::vector<std::string> Options;  // after "defs.txt out.inc P"
  int Status;
  std::string Console;
};

const std::string Invalid = "\nInvalid Parameter Type\n";
const std::string HexMessage = "FATAL ERROR: Undecipherable Hex Number field\n";
const std::string Zero = "\nZero AddressStride?\n";
const std::string Overflow = "Runtime error 215 at $12F616E2\n  in ResolveEntryValue\n";
const std::string HexOverflow = "Runtime error 215 at $C3099140\n  in HexToInt\n";

std::string TenLinesEndingWith(const std::string& Last) {
  std::string Lines;
  for (int I = 1; I < 10; ++I) Lines += "L" + std::to_string(I) + " $\n";
  return Lines + Last + "\n";
}

TEST(DefinitionErrors, ThroughTheBinary) {
  const BinaryCase Cases[] = {
      {"A 1 %FOO\n", {}, 2, Invalid},
      {"A 1 %\n", {}, 2, Invalid},
      {"A 1 % remark\n", {}, 2, Invalid},
      {"A 1 %%WORD\n", {}, 2, Invalid},
      {"A 1 %BYTE\n", {"X", "-1"}, 2, Invalid},
      {"A 1 %WORD\n", {"X", "-2"}, 2, Invalid},
      {"A 1GH\n", {}, 2, HexMessage},
      {"A -1H\n", {}, 2, HexMessage},
      {std::string("A 12\0H\n", 7), {}, 2, HexMessage},
      // No line end before the hex message, unlike the others.
      {TenLinesEndingWith("A 1GH"), {}, 2, "SourceLine 10\r" + HexMessage},
      {TenLinesEndingWith("A 1 %FOO"), {}, 2, "SourceLine 10\r" + Invalid},
      {"ODD 603 %WORD\n", {"X", "2"}, 2, "\nAlignment Error: ODD\n"},
      {"ODD 603 %WORD\n", {"X", "2", "S", "_W"}, 2, "\nAlignment Error: ODD_W\n"},
      {"ODD 603 %CONST\n", {"X", "2", "S", "_W"}, 2, "\nAlignment Error: ODD\n"},
      {"ODD 603 %const\n", {"X", "2", "S", "_W"}, 0, ""},
      {"A 1 %WORD\n", {"X", "0"}, 2, Zero},
      {"A 1 %LIT\n", {"X", "0"}, 2, Zero},
      {"A 1\n", {"X", "0"}, 2, Zero},
      {"A 1 %enum\nB $\n", {"X", "0"}, 0, ""},
      {"BIG 2147483647 %WORD\n", {}, 215, Overflow},
      {"TOP 2147483647\n", {"O", "1"}, 215, Overflow},
      {"A 80000000H\n", {}, 215, HexOverflow},
      {"A 1G0000000H\n", {}, 215, HexOverflow},
  };
  test::TempDir Dir;
  for (const BinaryCase& Case : Cases) {
    SCOPED_TRACE("definitions \"" + Case.Definitions + "\"");
    test::WriteBytes(Dir.File("defs.txt"), Case.Definitions);
    std::vector<std::string> Arguments = {"defs.txt", "out.inc", "P"};
    Arguments.insert(Arguments.end(), Case.Options.begin(), Case.Options.end());
    test::RunResult Run = test::RunBinary(Arguments, Dir.Path.string());
    EXPECT_EQ(Run.Status, Case.Status);
    EXPECT_EQ(Run.Console, Case.Console);
  }
}

// The include file stays as far as the run got: the lines before the one
// that ended it.
TEST(DefinitionErrors, IncludeFileKeepsTheLinesBefore) {
  test::TempDir Dir;
  test::WriteBytes(Dir.File("defs.txt"), "GOOD 600 %WORD\nODD 603 %WORD\nLATER 604 %WORD\n");
  test::RunResult Run = test::RunBinary({"defs.txt", "out.inc", "C", "X", "2"}, Dir.Path.string());
  EXPECT_EQ(Run.Status, 2);
  EXPECT_EQ(Run.Console, "\nAlignment Error: ODD\n");
  const std::string Include = test::ReadBytes(Dir.File("out.inc"));
  EXPECT_NE(Include.find("GOOD"), std::string::npos) << Include;
  EXPECT_EQ(Include.find("ODD"), std::string::npos) << Include;
  EXPECT_EQ(Include.find("LATER"), std::string::npos) << Include;
}

}  // namespace
