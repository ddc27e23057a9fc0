// The Pascal record and C structure tables, end to end through the built
// tool: the header with the row count of the first pass, then one row per
// typed entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/include_run.h"

namespace {

using test::CrLfLines;
using test::CStructureHeader;
using test::PascalRecordHeader;

struct TableCase {
  std::string Language;
  std::vector<std::string> Options;
  std::string Expected;  // the whole include file
};

void ExpectTables(const std::string& Definitions, const std::vector<TableCase>& Cases) {
  for (const TableCase& Case : Cases) {
    std::string Call = Case.Language;
    for (const std::string& Option : Case.Options) Call += " " + Option;
    test::IncludeRun Run = test::RunOnDefinitions(Definitions, Case.Language, Case.Options);
    EXPECT_EQ(Run.Status, 0) << Call;
    EXPECT_EQ(Run.Include, Case.Expected) << Call;
  }
}

TEST(TableWriters, WorkedExample) {
  const std::string PascalAlpha = "((ParmName : 'ALPHA'; ParmLoc : $1F; ParmType : type_BYTE ),";
  const std::string PascalBeta = "(ParmName : 'BETA'; ParmLoc : 32; ParmType : type_word ));";
  const std::string CAlpha = "    { \"ALPHA\", 0x1F, BYTE },";
  const std::string CBeta = "    { \"BETA\", 32, WORD }";
  EXPECT_EQ(PascalAlpha.size(), 60u);
  EXPECT_EQ(PascalBeta.size(), 58u);
  EXPECT_EQ(CAlpha.size(), 28u);
  EXPECT_EQ(CBeta.size(), 24u);
  ExpectTables("ALPHA 1FH %BYTE\nGAMMA 3\nBETA 32 %word\n",
               {
                   {"PR", {}, PascalRecordHeader(2) + CrLfLines({PascalAlpha, PascalBeta})},
                   {"CS", {}, CStructureHeader(2) + CrLfLines({CAlpha, CBeta, "} ;"})},
               });
}

TEST(TableWriters, NoTypedEntryLeavesTheHeaderAlone) {
  ExpectTables("# only a comment\nA 1\nB $ untyped\n",
               {
                   {"PR", {}, PascalRecordHeader(0)},
                   {"CS", {}, CStructureHeader(0)},
               });
}

TEST(TableWriters, OneTypedEntryIsFirstAndLastRow) {
  ExpectTables("A 1\nONLY 2 %Word\nC 3\n",
               {
                   {"PR", {}, PascalRecordHeader(1) + CrLfLines({"((ParmName : 'ONLY'; ParmLoc : 2; ParmType : type_Word ));"})},
                   {"CS", {}, CStructureHeader(1) + CrLfLines({"    { \"ONLY\", 2, WORD }", "} ;"})},
               });
}

TEST(TableWriters, NotationOptions) {
  // HX is an H number, DX a decimal one.
  const std::string Definitions = "HX FFH %BYTE\nDX 100 %BYTE\n";
  auto Pascal = [](const std::string& Hx, const std::string& Dx) {
    return PascalRecordHeader(2) +
           CrLfLines({"((ParmName : 'HX'; ParmLoc : " + Hx + "; ParmType : type_BYTE ),",
                      "(ParmName : 'DX'; ParmLoc : " + Dx + "; ParmType : type_BYTE ));"});
  };
  auto C = [](const std::string& Hx, const std::string& Dx) {
    return CStructureHeader(2) +
           CrLfLines({"    { \"HX\", " + Hx + ", BYTE },", "    { \"DX\", " + Dx + ", BYTE }", "} ;"});
  };
  ExpectTables(Definitions,
               {
                   {"PR", {}, Pascal("$FF", "100")},
                   {"PR", {"H"}, Pascal("$FF", "$64")},
                   {"PR", {"D"}, Pascal("255", "100")},
                   {"PR", {"H", "D"}, Pascal("$FF; ParmLoc : 255", "$64; ParmLoc : 100")},
                   {"CS", {}, C("0xFF", "100")},
                   {"CS", {"H"}, C("0xFF", "0x64")},
                   {"CS", {"D"}, C("255", "100")},
                   {"CS", {"H", "D"}, C("0xFF, 255", "0x64, 100")},
               });
}

TEST(TableWriters, RowsKeepNamesAndIgnoreMergeAndRemarks) {
  // Quotes in names stay as written, a name longer than 24 is written in
  // full, the suffix is there but M merges nothing, the remark never shows,
  // an untyped entry between rows writes nothing, CONST has no C enumerator
  // yet names one, and the negative value stays decimal under H.
  const std::string Definitions =
      "IT'S 10H %word remark not shown\n"
      "A_NAME_LONGER_THAN_TWENTY_FOUR $ %PTR\n"
      "SKIP 5\n"
      "SAY\"X -1 %CONST\n";
  const std::vector<std::string> Options{"H", "D", "M", "S", "_R"};
  ExpectTables(
      Definitions,
      {
          {"PR", Options, PascalRecordHeader(3) + CrLfLines({
                              "((ParmName : 'IT'S_R'; ParmLoc : $10; ParmLoc : 16; ParmType : type_word ),",
                              "(ParmName : 'A_NAME_LONGER_THAN_TWENTY_FOUR_R'; ParmLoc : $12; ParmLoc : 18; ParmType : type_PTR ),",
                              "(ParmName : 'SAY\"X'; ParmLoc : -1; ParmType : type_CONST ));",
                          })},
          {"CS", Options, CStructureHeader(3) + CrLfLines({
                              "    { \"IT'S_R\", 0x10, 16, WORD },",
                              "    { \"A_NAME_LONGER_THAN_TWENTY_FOUR_R\", 0x12, 18, PTR },",
                              "    { \"SAY\"X\", -1, CONST }",
                              "} ;",
                          })},
      });
}

TEST(TableWriters, NegativeValueWhereHexIsSelected) {
  // 4H less the offset 8 is -4: an H number, yet written in decimal.
  ExpectTables("LOW 4H %INT\n",
               {
                   {"PR", {"O", "-8"}, PascalRecordHeader(1) + CrLfLines({"((ParmName : 'LOW'; ParmLoc : -4; ParmType : type_INT ));"})},
                   {"CS", {"O", "-8"}, CStructureHeader(1) + CrLfLines({"    { \"LOW\", -4, INT }", "} ;"})},
               });
}

TEST(TableWriters, LongRowIsCutAt255) {
  // A 245-character name: the Pascal row is cut inside the name, the C row
  // right behind it; the C table is still closed by its own line.
  const std::string Name(245, 'N');
  ExpectTables(Name + " 1 %BYTE\n",
               {
                   {"PR", {}, PascalRecordHeader(1) + CrLfLines({"((ParmName : '" + Name.substr(0, 241)})},
                   {"CS", {}, CStructureHeader(1) + CrLfLines({"    { \"" + Name + "\", ", "} ;"})},
               });
}

TEST(TableWriters, RowCountLimit) {
  std::string Definitions;
  for (int Row = 0; Row < 32767; ++Row) Definitions += "E 0 %CONST\n";

  std::string Expected = CStructureHeader(32767);
  for (int Row = 1; Row < 32767; ++Row) Expected += "    { \"E\", 0, CONST },\r\n";
  Expected += "    { \"E\", 0, CONST }\r\n} ;\r\n";
  test::IncludeRun Full = test::RunOnDefinitions(Definitions, "CS");
  EXPECT_EQ(Full.Status, 0);
  // Compared as a whole but not printed: a diff of 32767 rows is no help.
  EXPECT_TRUE(Full.Include == Expected) << Full.Include.size() << " bytes, expected " << Expected.size();

  // The 32768th typed entry ends the first pass before anything is written.
  Definitions += "E 0 %CONST\n";
  for (const std::string Language : {"PR", "CS"}) {
    test::IncludeRun Run = test::RunOnDefinitions(Definitions, Language);
    EXPECT_EQ(Run.Status, 201) << Language;
    EXPECT_NE(Run.Console.find("Runtime error 201"), std::string::npos) << Language;
    EXPECT_EQ(Run.Include, "") << Language;
  }
}

}  // namespace
