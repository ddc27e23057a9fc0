// The Pascal, C, assembler and batch include lines, end to end through the
// built tool. Every expected line is laid out from its columns: Pascal and
// assembler values from column 33 and comments from 49, C values from 49 and
// comments from 61, batch lines unpadded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/include_run.h"

namespace {

using test::CrLfLines;
using test::Spaces;

struct LanguageCase {
  std::string Language;
  std::vector<std::string> Options;
  std::string Expected;  // the whole include file
};

void ExpectIncludeFiles(const std::string& Definitions, const std::vector<LanguageCase>& Cases) {
  for (const LanguageCase& Case : Cases) {
    std::string Call = Case.Language;
    for (const std::string& Option : Case.Options) Call += " " + Option;
    test::IncludeRun Run = test::RunOnDefinitions(Definitions, Case.Language, Case.Options);
    EXPECT_EQ(Run.Status, 0) << Call;
    EXPECT_EQ(Run.Include, Case.Expected) << Call;
  }
}

// A Pascal include file: the "const" line, then the lines.
std::string PascalFile(const std::vector<std::string>& Lines) {
  return "const\r\n" + CrLfLines(Lines);
}

const std::string Alpha = "ALPHA 1FH %BYTE first flag\n";

TEST(ConstantWriters, WorkedExampleColumnByColumn) {
  struct Line {
    std::string Language;
    std::string Text;
    std::size_t Length;
  };
  const Line Lines[] = {
      {"P", "ALPHA" + Spaces(19) + " =" + Spaces(6) + "$1F;" + Spaces(12) + "{ (BYTE) first flag }", 69},
      {"C", "#define ALPHA" + Spaces(35) + "0x1F" + Spaces(8) + "/* (BYTE) first flag */", 83},
      {"A", "ALPHA" + Spaces(19) + "equ" + Spaces(5) + "01Fh" + Spaces(12) + "; (BYTE) first flag", 67},
      {"B", "set" + Spaces(21) + "ALPHA=31(BYTE) first flag", 49},
  };
  for (const Line& Expected : Lines) {
    ASSERT_EQ(Expected.Text.size(), Expected.Length) << Expected.Language;
    const std::string File = Expected.Language == "P" ? PascalFile({Expected.Text})
                                                      : CrLfLines({Expected.Text});
    ExpectIncludeFiles(Alpha, {{Expected.Language, {}, File}});
  }
}

TEST(ConstantWriters, NotationOptions) {
  const std::string PascalTail = "{ (BYTE) first flag }";
  const std::string CTail = "/* (BYTE) first flag */";
  const std::string AsmTail = "; (BYTE) first flag";
  const std::string Batch = CrLfLines({"set" + Spaces(21) + "ALPHA=31(BYTE) first flag"});
  ExpectIncludeFiles(
      Alpha,
      {
          // Both forms: hex first, the decimal form directly behind it.
          {"P", {"H", "D"}, PascalFile({"ALPHA" + Spaces(19) + " =" + Spaces(6) + "$1F;31;" + Spaces(9) + PascalTail})},
          {"C", {"H", "D"}, CrLfLines({"#define ALPHA" + Spaces(35) + "0x1F31" + Spaces(6) + CTail})},
          {"A", {"H", "D"}, CrLfLines({"ALPHA" + Spaces(19) + "equ" + Spaces(5) + "01Fh31" + Spaces(10) + AsmTail})},
          // D turns an H number into decimal.
          {"P", {"D"}, PascalFile({"ALPHA" + Spaces(19) + " =" + Spaces(6) + "31;" + Spaces(13) + PascalTail})},
          {"C", {"D"}, CrLfLines({"#define ALPHA" + Spaces(35) + "31" + Spaces(10) + CTail})},
          {"A", {"D"}, CrLfLines({"ALPHA" + Spaces(19) + "equ" + Spaces(5) + "31" + Spaces(14) + AsmTail})},
          // The batch line is always decimal.
          {"B", {"H"}, Batch},
          {"B", {"H", "D"}, Batch},
      });
}

// Comments of three kinds, typed and untyped entries, "$" and "#" entries
// after a hex and after a decimal number, remarks with and without a type.
const std::string Mixed =
    "# Mixed definitions\n"
    "START 100H %WORD base of the block\n"
    "COUNT $ %byte\n"
    "FLAGS $\n"
    "  ; limits follow\n"
    "LIMIT 20 %LONG upper bound\n"
    "HERE # no type here\n"
    "NEXT $ %Int last one\n"
    "{brace\n";

TEST(ConstantWriters, MixedFileInEveryLanguage) {
  // START 256 (hex), COUNT 258 and FLAGS 259 (hex, by "$"), LIMIT 20,
  // HERE 24 ("#") and NEXT 24 (decimal, by "$").
  const std::string Set = "set" + Spaces(21);
  ExpectIncludeFiles(
      Mixed,
      {
          {"P", {}, PascalFile({
                        "{  Mixed definitions }",
                        "START" + Spaces(19) + " =" + Spaces(6) + "$100;" + Spaces(11) + "{ (WORD) base of the block }",
                        "COUNT" + Spaces(19) + " =" + Spaces(6) + "$102;" + Spaces(11) + "{ (byte)  }",
                        "FLAGS" + Spaces(19) + " =" + Spaces(6) + "$103;" + Spaces(11),
                        "{  limits follow }",
                        "LIMIT" + Spaces(19) + " =" + Spaces(6) + "20;" + Spaces(13) + "{ (LONG) upper bound }",
                        "HERE" + Spaces(20) + " =" + Spaces(6) + "24;" + Spaces(13) + "{ no type here }",
                        "NEXT" + Spaces(20) + " =" + Spaces(6) + "24;" + Spaces(13) + "{ (Int) last one }",
                        "{ brace }",
                    })},
          {"C", {}, CrLfLines({
                        "/*  Mixed definitions */",
                        "#define START" + Spaces(35) + "0x100" + Spaces(7) + "/* (WORD) base of the block */",
                        "#define COUNT" + Spaces(35) + "0x102" + Spaces(7) + "/* (byte)  */",
                        "#define FLAGS" + Spaces(35) + "0x103" + Spaces(7),
                        "/*  limits follow */",
                        "#define LIMIT" + Spaces(35) + "20" + Spaces(10) + "/* (LONG) upper bound */",
                        "#define HERE" + Spaces(36) + "24" + Spaces(10) + "/* no type here */",
                        "#define NEXT" + Spaces(36) + "24" + Spaces(10) + "/* (Int) last one */",
                        "/* brace */",
                    })},
          {"A", {}, CrLfLines({
                        ";  Mixed definitions",
                        "START" + Spaces(19) + "equ" + Spaces(5) + "0100h" + Spaces(11) + "; (WORD) base of the block",
                        "COUNT" + Spaces(19) + "equ" + Spaces(5) + "0102h" + Spaces(11) + "; (byte) ",
                        "FLAGS" + Spaces(19) + "equ" + Spaces(5) + "0103h" + Spaces(11),
                        ";  limits follow",
                        "LIMIT" + Spaces(19) + "equ" + Spaces(5) + "20" + Spaces(14) + "; (LONG) upper bound",
                        "HERE" + Spaces(20) + "equ" + Spaces(5) + "24" + Spaces(14) + "; no type here",
                        "NEXT" + Spaces(20) + "equ" + Spaces(5) + "24" + Spaces(14) + "; (Int) last one",
                        "; brace",
                    })},
          {"B", {}, CrLfLines({
                        "REM  Mixed definitions",
                        Set + "START=256(WORD) base of the block",
                        Set + "COUNT=258(byte) ",
                        Set + "FLAGS=259",
                        "REM  limits follow",
                        Set + "LIMIT=20(LONG) upper bound",
                        Set + "HERE=24no type here",
                        Set + "NEXT=24(Int) last one",
                        "REM brace",
                    })},
          // The tables: typed entries only, no comments, no remarks.
          {"PR", {}, test::PascalRecordHeader(4) + CrLfLines({
                         "((ParmName : 'START'; ParmLoc : $100; ParmType : type_WORD ),",
                         "(ParmName : 'COUNT'; ParmLoc : $102; ParmType : type_byte ),",
                         "(ParmName : 'LIMIT'; ParmLoc : 20; ParmType : type_LONG ),",
                         "(ParmName : 'NEXT'; ParmLoc : 24; ParmType : type_Int ));",
                     })},
          {"CS", {}, test::CStructureHeader(4) + CrLfLines({
                         "    { \"START\", 0x100, WORD },",
                         "    { \"COUNT\", 0x102, BYTE },",
                         "    { \"LIMIT\", 20, LONG },",
                         "    { \"NEXT\", 24, INT }",
                         "} ;",
                     })},
      });
}

TEST(ConstantWriters, NameMergeWithAndWithoutSuffix) {
  // The untyped B gets neither the merge nor the suffix nor a note.
  const std::string Definitions = "A 5 %word the remark\nB 6\n";
  const std::string PascalB = "B" + Spaces(23) + " =" + Spaces(6) + "6;" + Spaces(14);
  const std::string Set = "set" + Spaces(21);
  ExpectIncludeFiles(
      Definitions,
      {
          {"P", {}, PascalFile({"A" + Spaces(23) + " =" + Spaces(6) + "5;" + Spaces(14) + "{ (word) the remark }", PascalB})},
          {"P", {"M"}, PascalFile({"A_word" + Spaces(18) + " =" + Spaces(6) + "5;" + Spaces(14) + "{ the remark }", PascalB})},
          {"P", {"M", "S", "_R"}, PascalFile({"A_R_word" + Spaces(16) + " =" + Spaces(6) + "5;" + Spaces(14) + "{ the remark }", PascalB})},
          {"C", {"M"}, CrLfLines({"#define A_word" + Spaces(34) + "5" + Spaces(11) + "/* the remark */",
                                  "#define B" + Spaces(39) + "6" + Spaces(11)})},
          {"A", {"M"}, CrLfLines({"A_word" + Spaces(18) + "equ" + Spaces(5) + "5" + Spaces(15) + "; the remark",
                                  "B" + Spaces(23) + "equ" + Spaces(5) + "6" + Spaces(15)})},
          {"B", {"M"}, CrLfLines({Set + "A_word=5the remark", Set + "B=6"})},
          {"B", {"M", "S", "_R"}, CrLfLines({Set + "A_R_word=5the remark", Set + "B=6"})},
          {"B", {"S", "_R"}, CrLfLines({Set + "A_R=5(word) the remark", Set + "B=6"})},
      });
}

TEST(ConstantWriters, ValueZeroAndNegativeValues) {
  // A negative value is never written in hex: where hex is selected the
  // decimal form stands in its place, once.
  const std::string Definitions = "ZERO 0H\nNEG -1\nLOW 4H\n";
  auto Pascal = [](const std::string& Name, const std::string& Value) {
    return Name + Spaces(24 - static_cast<int>(Name.size())) + " =" + Spaces(6) + Value +
           Spaces(16 - static_cast<int>(Value.size()));
  };
  const std::string Set = "set" + Spaces(21);
  ExpectIncludeFiles(
      Definitions,
      {
          {"P", {}, PascalFile({Pascal("ZERO", "$0;"), Pascal("NEG", "-1;"), Pascal("LOW", "$4;")})},
          {"P", {"H"}, PascalFile({Pascal("ZERO", "$0;"), Pascal("NEG", "-1;"), Pascal("LOW", "$4;")})},
          {"P", {"H", "D"}, PascalFile({Pascal("ZERO", "$0;0;"), Pascal("NEG", "-1;"), Pascal("LOW", "$4;4;")})},
          {"P", {"O", "-8"}, PascalFile({Pascal("ZERO", "-8;"), Pascal("NEG", "-9;"), Pascal("LOW", "-4;")})},
          {"C", {"H", "D"}, CrLfLines({"#define ZERO" + Spaces(36) + "0x00" + Spaces(8),
                                       "#define NEG" + Spaces(37) + "-1" + Spaces(10),
                                       "#define LOW" + Spaces(37) + "0x44" + Spaces(8)})},
          {"C", {"O", "-8"}, CrLfLines({"#define ZERO" + Spaces(36) + "-8" + Spaces(10),
                                        "#define NEG" + Spaces(37) + "-9" + Spaces(10),
                                        "#define LOW" + Spaces(37) + "-4" + Spaces(10)})},
          {"A", {"H", "D"}, CrLfLines({"ZERO" + Spaces(20) + "equ" + Spaces(5) + "00h0" + Spaces(12),
                                       "NEG" + Spaces(21) + "equ" + Spaces(5) + "-1" + Spaces(14),
                                       "LOW" + Spaces(21) + "equ" + Spaces(5) + "04h4" + Spaces(12)})},
          {"A", {"O", "-8"}, CrLfLines({"ZERO" + Spaces(20) + "equ" + Spaces(5) + "-8" + Spaces(14),
                                        "NEG" + Spaces(21) + "equ" + Spaces(5) + "-9" + Spaces(14),
                                        "LOW" + Spaces(21) + "equ" + Spaces(5) + "-4" + Spaces(14)})},
          {"B", {"O", "-8"}, CrLfLines({Set + "ZERO=-8", Set + "NEG=-9", Set + "LOW=-4"})},
      });
}

TEST(ConstantWriters, LongNamesPushEveryColumn) {
  // 47 characters: past the value and the comment column in every layout.
  // 40 characters: a C name that ends exactly at column 48. 24 characters:
  // an assembler name that ends exactly at column 24. Where a name reaches
  // a column, C and assembler keep one space before what follows, so that
  // the name never runs into the keyword or the value; Pascal needs none.
  const std::string Long = "PARAMETER_NAME_LONG_ENOUGH_TO_PASS_EVERY_COLUMN";
  const std::string Forty = "FORTY_CHARACTER_NAME_ENDING_AT_COLUMN_48";
  const std::string TwentyFour = "NAME_OF_TWENTY_FOUR_CHRS";
  ASSERT_EQ(Long.size(), 47u);
  ASSERT_EQ(Forty.size(), 40u);
  ASSERT_EQ(TwentyFour.size(), 24u);
  const std::string Definitions = Long + " 1000H %LONG big\n" + Forty + " 2\n" + TwentyFour + " 3\n";
  const std::string Set = "set" + Spaces(21);
  ExpectIncludeFiles(
      Definitions,
      {
          {"P", {}, PascalFile({Long + " =$1000;{ (LONG) big }", Forty + " =2;" + Spaces(4),
                                TwentyFour + " =" + Spaces(6) + "3;" + Spaces(14)})},
          {"C", {}, CrLfLines({"#define " + Long + " 0x1000/* (LONG) big */", "#define " + Forty + " 2" + Spaces(10),
                               "#define " + TwentyFour + Spaces(16) + "3" + Spaces(11)})},
          {"A", {}, CrLfLines({Long + " equ 01000h; (LONG) big", Forty + " equ 2" + Spaces(2),
                               TwentyFour + " equ" + Spaces(4) + "3" + Spaces(15)})},
          {"B", {}, CrLfLines({Set + Long + "=4096(LONG) big", Set + Forty + "=2", Set + TwentyFour + "=3"})},
      });
}

TEST(ConstantWriters, LinesAreCutAt255) {
  // A 204-character remark: the Pascal line keeps the space of its closer
  // and loses the brace, the C line loses the closer and the remark's end,
  // the assembler and batch lines fit.
  const std::string Remark = std::string(203, 'r') + "!";
  const std::string Definitions = "R 1 " + Remark + "\n";
  const std::string Pascal = "R" + Spaces(23) + " =" + Spaces(6) + "1;" + Spaces(14) + "{ " + Remark + " ";
  const std::string C = "#define R" + Spaces(39) + "1" + Spaces(11) + "/* " + Remark.substr(0, 192);
  ASSERT_EQ(Pascal.size(), 255u);
  ASSERT_EQ(C.size(), 255u);
  ExpectIncludeFiles(
      Definitions,
      {
          {"P", {}, PascalFile({Pascal})},
          {"C", {}, CrLfLines({C})},
          {"A", {}, CrLfLines({"R" + Spaces(23) + "equ" + Spaces(5) + "1" + Spaces(15) + "; " + Remark})},
          {"B", {}, CrLfLines({"set" + Spaces(21) + "R=1" + Remark})},
      });
}

}  // namespace
