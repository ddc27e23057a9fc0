// The shipped example's include files are usable as they stand: the C
// header, the Pascal constants with the Pascal record table, and the
// assembler equates go through their compilers, and a few values come out
// as the definition file gives them. The C structure table is left out: the
// example has const, enum, EBYTE and EWORD rows, for which the C header
// declares no enumerator. The batch file has no compiler here.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "toolchain/toolchain_support.h"

namespace {

using toolchain::CommandResult;

// Copies the example's include files into Dir.
void CopyExamples(const test::TempDir& Dir) {
  const std::filesystem::path Examples = std::filesystem::path(TOLVANE_SOURCE_DIR) / "examples";
  for (const char* File : {"device.h", "device.inc", "device_table.inc", "device.asm"})
    std::filesystem::copy_file(Examples / File, Dir.Path / File);
}

TEST(ShippedExamplesBuild, CHeaderWithGccAndGxx) {
  TOLVANE_REQUIRE_TOOL(Gcc, "gcc", "gcc");
  TOLVANE_REQUIRE_TOOL(Gxx, "g++", "g++");
  test::TempDir Dir;
  CopyExamples(Dir);
  test::WriteBytes(Dir.File("main.c"),
                   "#include <stdio.h>\n#include \"device.h\"\n"
                   "int main(void) {\n"
                   "  printf(\"%d %d %d\\n\", FAN4_RPM, FAN_SENSORS_END, TEMP_MIN);\n"
                   "  return 0;\n}\n");
  for (const std::vector<std::string>& Compiler :
       {std::vector<std::string>{Gcc, "-std=c99"}, std::vector<std::string>{Gxx, "-x", "c++"}}) {
    SCOPED_TRACE(Compiler[0]);
    std::vector<std::string> Command = Compiler;
    Command.insert(Command.end(), {"-Wall", "-Wextra", "-Werror", "-pedantic", "-o", "main", "main.c"});
    CommandResult Compiled = toolchain::RunCommand(Command, Dir.Path.string());
    ASSERT_EQ(Compiled.Status, 0) << Compiled.Output;
    EXPECT_EQ(toolchain::RunCommand({Dir.File("main")}, Dir.Path.string()).Output,
              "16414 16456 -400\n");
  }
}

TEST(ShippedExamplesBuild, PascalConstantsAndRecordTableWithFpc) {
  TOLVANE_REQUIRE_TOOL(Fpc, "fpc", "fp-compiler");
  test::TempDir Dir;
  CopyExamples(Dir);
  test::WriteBytes(Dir.File("main.pas"),
                   "program main;\n{$I device.inc}\n{$I device_table.inc}\n"
                   "begin\n"
                   "  writeln(FAN4_RPM, ' ', LastParm, ' ', XOLTParams[LastParm].ParmName, ' ',\n"
                   "          XOLTParams[LastParm].ParmType);\n"
                   "end.\n");
  CommandResult Compiled = toolchain::RunCommand({Fpc, "-Sew", "-vew", "main.pas"}, Dir.Path.string());
  ASSERT_EQ(Compiled.Status, 0) << Compiled.Output;
  EXPECT_EQ(toolchain::RunCommand({Dir.File("main")}, Dir.Path.string()).Output,
            "16414 37 FAN_MAX_RPM type_lit\n");
}

TEST(ShippedExamplesBuild, AssemblerEquatesWithNasm) {
  TOLVANE_REQUIRE_TOOL(Nasm, "nasm", "nasm");
  test::TempDir Dir;
  CopyExamples(Dir);
  test::WriteBytes(Dir.File("main.asm"),
                   "%include \"device.asm\"\n    dd FAN4_RPM, FAN_SENSORS_END, TEMP_MIN\n");
  CommandResult Assembled = toolchain::RunCommand(
      {Nasm, "-f", "bin", "-w+all", "-Werror", "-o", "main.bin", "main.asm"}, Dir.Path.string());
  ASSERT_EQ(Assembled.Status, 0) << Assembled.Output;
  EXPECT_EQ(toolchain::LittleEndianWords(test::ReadBytes(Dir.File("main.bin"))),
            (std::vector<std::int32_t>{16414, 16456, -400}));
}

}  // namespace
