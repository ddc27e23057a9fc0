// The command line: defaults, language words, option words and values, the
// messages and the order in which the checks run. In-process through
// ParseCommandLine, and through the built binary for the exact console bytes
// and for the promise that a refused command line touches no file.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "common/console.h"
#include "common/records.h"
#include "common/run_end.h"
#include "driver/options.h"
#include "support/test_support.h"

namespace {

constexpr int Returned = -1;  // ParseCommandLine came back normally

struct ParseResult {
  int Status;
  std::string Console;
};

ParseResult Parse(const std::vector<std::string>& Arguments) {
  ResetRecords();
  ConsoleReset();
  ParseResult Result{Returned, ""};
  ConsoleCaptureInto(&Result.Console);
  CommandLine = Arguments;
  try {
    ParseCommandLine();
  } catch (const RunEnd& End) {
    Result.Status = End.Status;
  }
  ConsoleFlush();
  ConsoleCaptureInto(nullptr);
  return Result;
}

std::string Join(const std::vector<std::string>& Arguments) {
  std::string Text;
  for (const std::string& Argument : Arguments) Text += "[" + Argument + "]";
  return Text;
}

const std::string Usage = test::UsageText;

TEST(CommandLine, TwoNamesGiveEveryDefault) {
  // A junk earlier run must not leak into the defaults.
  RunOptions.ForceHex = true;
  RunOptions.AddressStride = 7;
  ParseResult Result = Parse({"Defs.Txt", "out/INC.h"});
  ASSERT_EQ(Result.Status, Returned);
  EXPECT_EQ(Result.Console, "");
  EXPECT_EQ(SourceName, "Defs.Txt");
  EXPECT_EQ(IncludeName, "out/INC.h");
  EXPECT_EQ(RunOptions.Language, TargetLanguage::Pascal);
  EXPECT_FALSE(RunOptions.ForceHex);
  EXPECT_FALSE(RunOptions.ForceDecimal);
  EXPECT_FALSE(RunOptions.MergeType);
  EXPECT_TRUE(RunOptions.NameSuffix.Empty());
  EXPECT_EQ(RunOptions.ValueOffset, 0);
  EXPECT_EQ(RunOptions.AddressStride, 1);
}

TEST(CommandLine, LongNamesAreKeptWholeAndComparedWhole) {
  const std::string Stem(300, 'n');
  ParseResult Result = Parse({Stem + ".def", Stem + ".inc"});
  ASSERT_EQ(Result.Status, Returned);
  EXPECT_EQ(SourceName, Stem + ".def");
  EXPECT_EQ(IncludeName, Stem + ".inc");
  // Differing only in case beyond the 255th byte is still the same name.
  EXPECT_EQ(Parse({Stem + ".def", Stem + ".DEF"}).Status, ExitOwnError);
}

TEST(CommandLine, LanguageWords) {
  const struct {
    std::vector<std::string> Arguments;
    TargetLanguage Language;
  } Cases[] = {
      {{"a", "b", "pr"}, TargetLanguage::PascalRecord},
      {{"a", "b", "PR"}, TargetLanguage::PascalRecord},
      {{"a", "b", "cs"}, TargetLanguage::CStructure},
      {{"a", "b", "PRX"}, TargetLanguage::Pascal},
      {{"a", "b", "CSV"}, TargetLanguage::C},
      {{"a", "b", "C"}, TargetLanguage::C},
      {{"a", "b", "Asm"}, TargetLanguage::Assembler},
      {{"a", "b", "a"}, TargetLanguage::Assembler},
      {{"a", "b", "batch"}, TargetLanguage::Batch},
      {{"a", "b", "pascal"}, TargetLanguage::Pascal},
      {{"a", "b", "Z"}, TargetLanguage::Pascal},
      {{"a", "b", "1"}, TargetLanguage::Pascal},
      {{"a", "b", ""}, TargetLanguage::Pascal},
      {{"a", "b", " c"}, TargetLanguage::Pascal},  // the first byte is a blank
      {{"a", "b"}, TargetLanguage::Pascal},
      {{"a", "b", "CS", "H"}, TargetLanguage::CStructure},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Join(Case.Arguments));
    ASSERT_EQ(Parse(Case.Arguments).Status, Returned);
    EXPECT_EQ(RunOptions.Language, Case.Language);
  }
}

TEST(CommandLine, ThirdArgumentIsAlwaysTheLanguageWord) {
  ASSERT_EQ(Parse({"a", "b", "H"}).Status, Returned);
  EXPECT_EQ(RunOptions.Language, TargetLanguage::Pascal);
  EXPECT_FALSE(RunOptions.ForceHex);

  // S as the language word takes no value: the next word is an option.
  ASSERT_EQ(Parse({"a", "b", "S", "hex"}).Status, Returned);
  EXPECT_TRUE(RunOptions.NameSuffix.Empty());
  EXPECT_TRUE(RunOptions.ForceHex);
}

TEST(CommandLine, OptionWordsAndValues) {
  // H, D, M: the flags; then the suffix, the offset and the stride.
  const struct {
    std::vector<std::string> Options;
    bool Hex, Decimal, Merge;
    std::string Suffix;
    int Offset, Stride;
  } Cases[] = {
      {{"hex"}, true, false, false, "", 0, 1},
      {{"Decimal"}, false, true, false, "", 0, 1},
      {{"merge"}, false, false, true, "", 0, 1},
      {{"H", "D"}, true, true, false, "", 0, 1},
      {{"-H", "/H", "Z", "1", "", "?"}, false, false, false, "", 0, 1},
      {{"S", "h"}, false, false, false, "h", 0, 1},
      {{"S", "H"}, false, false, false, "H", 0, 1},
      {{"suffix", " _x\t"}, false, false, false, " _x\t", 0, 1},
      {{"S", "_A", "S", "_B"}, false, false, false, "_B", 0, 1},
      {{"S", "O"}, false, false, false, "O", 0, 1},  // a value is never read as an option
      {{"O", "10"}, false, false, false, "", 10, 1},
      {{"O", "$10"}, false, false, false, "", 16, 1},
      {{"O", "0x10"}, false, false, false, "", 16, 1},
      {{"O", "x10"}, false, false, false, "", 16, 1},
      {{"O", "%101"}, false, false, false, "", 5, 1},
      {{"O", "&17"}, false, false, false, "", 15, 1},
      {{"O", "-4"}, false, false, false, "", -4, 1},
      {{"O", "+7"}, false, false, false, "", 7, 1},
      {{"O", " 12"}, false, false, false, "", 12, 1},
      {{"O", "32767"}, false, false, false, "", 32767, 1},
      {{"O", "-32768"}, false, false, false, "", -32768, 1},
      {{"O", "$9C40"}, false, false, false, "", -25536, 1},
      {{"O", "$FFFF"}, false, false, false, "", -1, 1},
      {{"offset", "1", "O", "2"}, false, false, false, "", 2, 1},
      {{"X", "0"}, false, false, false, "", 0, 0},
      {{"X", "-2"}, false, false, false, "", 0, -2},
      {{"xtra", "4"}, false, false, false, "", 0, 4},
      {{"M", "S", "_s", "X", "2", "O", "$100", "d"}, false, true, true, "_s", 256, 2},
  };
  for (const auto& Case : Cases) {
    std::vector<std::string> Arguments{"a", "b", "P"};
    Arguments.insert(Arguments.end(), Case.Options.begin(), Case.Options.end());
    SCOPED_TRACE(Join(Arguments));
    ParseResult Result = Parse(Arguments);
    ASSERT_EQ(Result.Status, Returned) << Result.Console;
    EXPECT_EQ(Result.Console, "");
    EXPECT_EQ(RunOptions.Language, TargetLanguage::Pascal);
    EXPECT_EQ(RunOptions.ForceHex, Case.Hex);
    EXPECT_EQ(RunOptions.ForceDecimal, Case.Decimal);
    EXPECT_EQ(RunOptions.MergeType, Case.Merge);
    EXPECT_EQ(RunOptions.NameSuffix.Str(), Case.Suffix);
    EXPECT_EQ(RunOptions.ValueOffset, Case.Offset);
    EXPECT_EQ(RunOptions.AddressStride, Case.Stride);
  }
}

// Every message, and the order of the checks: the first problem found is
// the one reported.
TEST(CommandLine, MessagesInTheOrderOfTheChecks) {
  const struct {
    std::vector<std::string> Arguments;
    std::string Message;
  } Cases[] = {
      {{"defs.txt", "DEFS.TXT"}, "Youse gots to be kiddin"},
      {{"", ""}, "Youse gots to be kiddin"},
      {{"a", "A", "P", "O"}, "Youse gots to be kiddin"},
      {{"a", "b", "P", "S"}, "Suffix?"},
      {{"a", "b", "P", "S", ""}, "Suffix?"},
      {{"a", "b", "P", "H", "s"}, "Suffix?"},
      {{"a", "b", "O", "S"}, "Suffix?"},
      {{"a", "b", "P", "O"}, "Offset?"},
      {{"a", "b", "P", "O", ""}, "Offset?"},
      {{"a", "b", "P", "O", "", "5"}, "Offset?"},
      {{"a", "b", "P", "O", "10h"}, "Bad Offset?"},
      {{"a", "b", "P", "O", "12 "}, "Bad Offset?"},
      {{"a", "b", "P", "O", "$"}, "Bad Offset?"},
      {{"a", "b", "P", "O", "0x"}, "Bad Offset?"},
      {{"a", "b", "P", "O", "-"}, "Bad Offset?"},
      {{"a", "b", "P", "O", "2147483648"}, "Bad Offset?"},
      {{"a", "b", "P", "O", "H"}, "Bad Offset?"},
      {{"a", "b", "P", "O", "bad", "X"}, "Bad Offset?"},
      {{"a", "b", "P", "X"}, "AddressStride?"},
      {{"a", "b", "P", "X", ""}, "AddressStride?"},
      {{"a", "b", "P", "X", "1", "O", "1", "X"}, "AddressStride?"},
      {{"a", "b", "P", "X", "two"}, "Bad AddressStride?"},
      {{"a", "b", "P", "X", "%2"}, "Bad AddressStride?"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Join(Case.Arguments));
    ParseResult Result = Parse(Case.Arguments);
    EXPECT_EQ(Result.Status, ExitOwnError);
    EXPECT_EQ(Result.Console, "\n" + Case.Message + "\n");
  }
}

TEST(CommandLine, FewerThanTwoArgumentsShowUsage) {
  for (const std::vector<std::string>& Arguments :
       {std::vector<std::string>{}, std::vector<std::string>{"defs.txt"},
        std::vector<std::string>{"O"}}) {
    SCOPED_TRACE(Join(Arguments));
    ParseResult Result = Parse(Arguments);
    EXPECT_EQ(Result.Status, ExitOwnError);
    EXPECT_EQ(Result.Console, Usage);
  }
}

TEST(CommandLine, SameNameTestFoldsOnlyLettersAndResolvesNoPath) {
  for (const std::vector<std::string>& Arguments :
       {std::vector<std::string>{"defs.txt", "./defs.txt"},
        std::vector<std::string>{"defs.txt", ".\\defs.txt"},
        std::vector<std::string>{"defs.txt", "defs.txt "},
        std::vector<std::string>{"\xE4.txt", "\xC4.txt"}}) {
    SCOPED_TRACE(Join(Arguments));
    EXPECT_EQ(Parse(Arguments).Status, Returned);
  }
}

TEST(CommandLine, ValuesOutsideSixteenBitsEndWithRuntimeError201) {
  const std::vector<std::vector<std::string>> Cases = {
      {"O", "32768"}, {"O", "-32769"}, {"O", "-$8001"}, {"O", "40000"},
      {"X", "2147483647"}, {"X", "-2147483648"},
      {"X", "99999", "S"},  // the range check comes before the missing suffix
  };
  for (const std::vector<std::string>& Options : Cases) {
    std::vector<std::string> Arguments{"a", "b", "C"};
    Arguments.insert(Arguments.end(), Options.begin(), Options.end());
    SCOPED_TRACE(Join(Arguments));
    ParseResult Result = Parse(Arguments);
    EXPECT_EQ(Result.Status, ExitRangeError);
    EXPECT_EQ(Result.Console.rfind("Runtime error 201 at $", 0), 0u) << Result.Console;
  }
}

// Through the built binary: exact console bytes and exit statuses.
TEST(CommandLineBinary, UsageFatalAndRuntimeErrorBytes) {
  test::TempDir Dir;
  const struct {
    std::vector<std::string> Arguments;
    int Status;
    std::string Console;
  } Cases[] = {
      {{}, 2, Usage},
      {{"defs.txt"}, 2, Usage},
      {{"defs.txt", "DEFS.TXT", "C"}, 2, "\nYouse gots to be kiddin\n"},
      {{"defs.txt", "out.inc", "P", "O", "32768"}, 201,
       "Runtime error 201 at $5F988CE7\n  in ParseCommandLine\n"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Join(Case.Arguments));
    test::RunResult Result = test::RunBinary(Case.Arguments, Dir.Path.string());
    EXPECT_EQ(Result.Status, Case.Status);
    EXPECT_EQ(Result.Console, Case.Console);
  }
}

std::set<std::string> FolderListing(const std::filesystem::path& Folder) {
  std::set<std::string> Names;
  for (const auto& Entry : std::filesystem::directory_iterator(Folder))
    Names.insert(Entry.path().filename().string());
  return Names;
}

TEST(CommandLineBinary, RefusedCommandLineTouchesNoFile) {
  test::TempDir Dir;
  const std::string Definitions = "ALPHA 1 %BYTE\r\n; note\r\n";
  const std::string OldInclude = "an older include file\r\n";
  test::WriteBytes(Dir.File("defs.txt"), Definitions);
  test::WriteBytes(Dir.File("old.inc"), OldInclude);
  const std::set<std::string> Before = FolderListing(Dir.Path);

  const std::vector<std::vector<std::string>> Cases = {
      {"defs.txt"},
      {"defs.txt", "DEFS.TXT"},
      {"defs.txt", "new.inc", "C", "S"},
      {"defs.txt", "old.inc", "PR", "O", "1x"},
      {"defs.txt", "old.inc", "A", "X"},
      {"defs.txt", "new.inc", "CS", "X", "65536"},
      {"defs.txt", "old.inc", "B", "O", "-32769"},
  };
  for (const std::vector<std::string>& Arguments : Cases) {
    SCOPED_TRACE(Join(Arguments));
    test::RunResult Result = test::RunBinary(Arguments, Dir.Path.string());
    EXPECT_NE(Result.Status, 0);
    EXPECT_EQ(FolderListing(Dir.Path), Before);
    EXPECT_EQ(test::ReadBytes(Dir.File("defs.txt")), Definitions);
    EXPECT_EQ(test::ReadBytes(Dir.File("old.inc")), OldInclude);
  }
}

}  // namespace
