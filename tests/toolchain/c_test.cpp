// gcc (and g++ for the #define file) reads the C include files: small
// programs print every constant and every row of the structure table, and
// what they print must be what the definition file says.
//
// What C cannot take, though the tool writes it:
// - a structure row whose type word has no enumerator in the header: BINT,
//   EBYTE, EWORD, WORD, CONST and ENUM;
// - a name longer than the 24 characters of ParmName (gcc: initializer-string
//   too long); a name of exactly 24 fills the array with no terminating NUL,
//   so it must be read with a length ("%.24s"), and C++ rejects it outright;
// - a name holding a double quote or a backslash, which the row does not
//   escape;
// - a table with no typed entry: an array of 0 elements whose initializer
//   is never closed;
// - H and D together: "0x1F31" reads as one, different, number;
// - a "*/" in a remark or a comment line, which ends the comment early;
// - being included by two source files of one program: the header defines
//   the array XOLTParams, not only declares it.
#include <gtest/gtest.h>

#include <string>

#include "toolchain/fixtures.h"
#include "toolchain/toolchain_support.h"

namespace {

using toolchain::CommandResult;

// Compiles Dir/Program.c with Compiler and Flags and runs it; its output,
// or a test failure and empty text.
std::string CompileAndRun(const std::vector<std::string>& Compiler, const test::TempDir& Dir,
                          const std::string& Program, const std::string& Source) {
  test::WriteBytes(Dir.File(Program + ".c"), Source);
  std::vector<std::string> Command = Compiler;
  Command.insert(Command.end(), {"-o", Program, Program + ".c"});
  CommandResult Compiled = toolchain::RunCommand(Command, Dir.Path.string());
  EXPECT_EQ(Compiled.Status, 0) << Compiled.Output;
  if (Compiled.Status != 0) return "";
  CommandResult Ran = toolchain::RunCommand({Dir.File(Program)}, Dir.Path.string());
  EXPECT_EQ(Ran.Status, 0) << Ran.Output;
  return Ran.Output;
}

const std::vector<std::string> CFlags = {"-std=c99", "-Wall", "-Wextra", "-Werror", "-pedantic"};

TEST(Gcc, DefinesReadAsTheDefinitionFileSaysInCAndCxx) {
  TOLVANE_REQUIRE_TOOL(Gcc, "gcc", "gcc");
  TOLVANE_REQUIRE_TOOL(Gxx, "g++", "g++");
  for (const toolchain::OptionSet& Set : toolchain::ConstantOptionSets) {
    SCOPED_TRACE(Set.Label);
    test::TempDir Dir;
    ASSERT_TRUE(
        toolchain::MakeInclude(Dir, toolchain::ConstantsDefinition, "consts.h", "C", Set.Options));
    // The same source is C and C++: (long) casts, printf.
    std::string Source = "#include <stdio.h>\n#include \"consts.h\"\nint main(void) {\n";
    std::string Expected;
    for (const toolchain::Constant& Entry : toolchain::Constants) {
      const std::string Name = toolchain::WrittenName(Entry, Set.Merged);
      Source += "  printf(\"%s %ld\\n\", \"" + Name + "\", (long)(" + Name + "));\n";
      Expected += Name + " " + std::to_string(Entry.Value) + "\n";
    }
    Source += "  return 0;\n}\n";

    std::vector<std::string> C{Gcc};
    C.insert(C.end(), CFlags.begin(), CFlags.end());
    EXPECT_EQ(CompileAndRun(C, Dir, "consts", Source), Expected) << "gcc";
    EXPECT_EQ(CompileAndRun({Gxx, "-x", "c++", "-Wall", "-Wextra", "-Werror", "-pedantic"}, Dir,
                            "consts_cxx", Source),
              Expected)
        << "g++";
  }
}

TEST(Gcc, StructureTableHoldsEveryRow) {
  TOLVANE_REQUIRE_TOOL(Gcc, "gcc", "gcc");
  // Each enumerator is named through a switch, so a row must name the
  // enumerator of its own type word, not merely one with the same number.
  const std::string Source =
      "#include <stdio.h>\n"
      "#include \"table.h\"\n"
      "static const char* TypeName(ParameterType Type) {\n"
      "  switch (Type) {\n"
      "    case BYTE: return \"BYTE\";\n"
      "    case PTR: return \"PTR\";\n"
      "    case FLAG: return \"FLAG\";\n"
      "    case MASK: return \"MASK\";\n"
      "    case UINT: return \"UINT\";\n"
      "    case INT: return \"INT\";\n"
      "    case ULONG: return \"ULONG\";\n"
      "    case LONG: return \"LONG\";\n"
      "    case DOUBLE: return \"DOUBLE\";\n"
      "    case EVENT: return \"EVENT\";\n"
      "    case LIT: return \"LIT\";\n"
      "  }\n"
      "  return \"?\";\n"
      "}\n"
      "int main(void) {\n"
      "  int Index;\n"
      "  printf(\"%d\\n\", LASTPARM);\n"
      "  for (Index = 0; Index < LASTPARM; ++Index)\n"
      "    printf(\"%.24s|%ld|%s\\n\", XOLTParams[Index].ParmName, XOLTParams[Index].ParmLoc,\n"
      "           TypeName(XOLTParams[Index].ParmType));\n"
      "  return 0;\n"
      "}\n";
  std::vector<std::string> C{Gcc};
  C.insert(C.end(), CFlags.begin(), CFlags.end());
  for (const toolchain::TableFixture& Table : toolchain::CTables) {
    for (const toolchain::OptionSet& Set : toolchain::TableOptionSets) {
      SCOPED_TRACE(std::string(Table.Label) + ", " + Set.Label);
      test::TempDir Dir;
      ASSERT_TRUE(toolchain::MakeInclude(Dir, Table.Definition, "table.h", "CS", Set.Options));
      std::string Expected = std::to_string(Table.Rows.size()) + "\n";
      for (const toolchain::Row& Row : Table.Rows)
        Expected += std::string(Row.Name) + "|" + std::to_string(Row.Value) + "|" +
                    toolchain::Uppercase(Row.Type) + "\n";
      EXPECT_EQ(CompileAndRun(C, Dir, "table", Source), Expected);
    }
  }
}

}  // namespace
