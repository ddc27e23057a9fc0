// NASM reads the assembler equates: a source includes them and emits every
// constant with dd, assembled as a flat binary, whose words must be the
// values of the definition file.
//
// What the assembler cannot take, though the tool writes it:
// - H and D together: "01Fh31" is no number;
// - names that are no labels, or that are register names or keywords (AX,
//   BYTE, DD, ...);
// - the equates of one file are constants of the assembly: a name cannot be
//   given twice.
// Remarks and comment lines are safe: a comment runs to the end of the line.
#include <gtest/gtest.h>

#include <string>

#include "toolchain/fixtures.h"
#include "toolchain/toolchain_support.h"

namespace {

using toolchain::CommandResult;

TEST(Nasm, EquatesAssembleToTheValuesOfTheDefinitionFile) {
  TOLVANE_REQUIRE_TOOL(Nasm, "nasm", "nasm");
  for (const toolchain::OptionSet& Set : toolchain::ConstantOptionSets) {
    SCOPED_TRACE(Set.Label);
    test::TempDir Dir;
    ASSERT_TRUE(
        toolchain::MakeInclude(Dir, toolchain::ConstantsDefinition, "consts.inc", "A", Set.Options));
    std::string Source = "%include \"consts.inc\"\n";
    std::vector<std::int32_t> Expected;
    for (const toolchain::Constant& Entry : toolchain::Constants) {
      Source += "    dd " + toolchain::WrittenName(Entry, Set.Merged) + "\n";
      Expected.push_back(Entry.Value);
    }
    test::WriteBytes(Dir.File("consts.asm"), Source);
    CommandResult Assembled = toolchain::RunCommand(
        {Nasm, "-f", "bin", "-w+all", "-Werror", "-o", "consts.bin", "consts.asm"},
        Dir.Path.string());
    ASSERT_EQ(Assembled.Status, 0) << Assembled.Output;
    const std::string Bytes = test::ReadBytes(Dir.File("consts.bin"));
    EXPECT_EQ(Bytes.size(), 4 * Expected.size());
    EXPECT_EQ(toolchain::LittleEndianWords(Bytes), Expected);
  }
}

}  // namespace
