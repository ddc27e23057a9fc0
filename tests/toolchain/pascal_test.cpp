// Free Pascal reads the Pascal constants and the Pascal record table: small
// programs include the generated files, print every constant and every row,
// and what they print must be what the definition file says.
//
// What Pascal cannot take, though the tool writes it:
// - a record row whose type word has no enumerator in the header: BINT and
//   WORD (type_WORD is an unknown identifier);
// - a name longer than the 24 characters of ParmName: Free Pascal cuts it to
//   24 with only a warning, so two long names can become the same;
// - a name holding a single quote, which ends the string in a row early;
// - a table with no typed entry: array[1 .. 0] and no rows to close it;
// - H and D together: "$1F;31;" in a constant, two ParmLoc pieces in a row;
// - names that differ only in case, or that are reserved words (Pascal
//   identifiers ignore case), or that are no identifiers at all;
// - a "}" in a remark or a comment line, which ends the comment early.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "toolchain/fixtures.h"
#include "toolchain/toolchain_support.h"

namespace {

using toolchain::CommandResult;

// Compiles Dir/Program.pas with warnings as errors and runs it; its output,
// or a test failure and empty text.
std::string CompileAndRun(const std::string& Fpc, const test::TempDir& Dir,
                          const std::string& Program, const std::string& Source) {
  test::WriteBytes(Dir.File(Program + ".pas"), Source);
  CommandResult Compiled =
      toolchain::RunCommand({Fpc, "-Sew", "-vew", Program + ".pas"}, Dir.Path.string());
  EXPECT_EQ(Compiled.Status, 0) << Compiled.Output;
  if (Compiled.Status != 0) return "";
  CommandResult Ran = toolchain::RunCommand({Dir.File(Program)}, Dir.Path.string());
  EXPECT_EQ(Ran.Status, 0) << Ran.Output;
  return Ran.Output;
}

TEST(FreePascal, ConstantsReadAsTheDefinitionFileSays) {
  TOLVANE_REQUIRE_TOOL(Fpc, "fpc", "fp-compiler");
  for (const toolchain::OptionSet& Set : toolchain::ConstantOptionSets) {
    SCOPED_TRACE(Set.Label);
    test::TempDir Dir;
    ASSERT_TRUE(toolchain::MakeInclude(Dir, toolchain::ConstantsDefinition, "consts.inc", "P",
                                       Set.Options));
    std::string Source = "program consts;\n{$I consts.inc}\nbegin\n";
    std::string Expected;
    for (const toolchain::Constant& Entry : toolchain::Constants) {
      const std::string Name = toolchain::WrittenName(Entry, Set.Merged);
      Source += "  writeln('" + Name + " ', " + Name + ");\n";
      Expected += Name + " " + std::to_string(Entry.Value) + "\n";
    }
    Source += "end.\n";
    EXPECT_EQ(CompileAndRun(Fpc, Dir, "consts", Source), Expected);
  }
}

TEST(FreePascal, RecordTableHoldsEveryRow) {
  TOLVANE_REQUIRE_TOOL(Fpc, "fpc", "fp-compiler");
  // Free Pascal writes an enumerated value under its declared name.
  const std::string Source =
      "program table;\n"
      "{$I table.inc}\n"
      "var Index: integer;\n"
      "begin\n"
      "  writeln(LastParm);\n"
      "  for Index := 1 to LastParm do\n"
      "    with XOLTParams[Index] do writeln(ParmName, '|', ParmLoc, '|', ParmType);\n"
      "end.\n";
  for (const toolchain::TableFixture& Table : toolchain::PascalTables) {
    for (const toolchain::OptionSet& Set : toolchain::TableOptionSets) {
      SCOPED_TRACE(std::string(Table.Label) + ", " + Set.Label);
      test::TempDir Dir;
      ASSERT_TRUE(toolchain::MakeInclude(Dir, Table.Definition, "table.inc", "PR", Set.Options));
      std::string Expected = std::to_string(Table.Rows.size()) + "\n";
      for (const toolchain::Row& Row : Table.Rows)
        Expected += std::string(Row.Name) + "|" + std::to_string(Row.Value) + "|type_" +
                    toolchain::Lowercase(Row.Type) + "\n";
      EXPECT_EQ(CompileAndRun(Fpc, Dir, "table", Source), Expected);
    }
  }
}

}  // namespace
