// Splitting definition lines into name, value field, type word and remark.
#include "definitions/scanner.h"

#include <gtest/gtest.h>

#include <string>

#include "support/definition_lines.h"

namespace {

TEST(Scanner, WordLengthAndNextToken) {
  const struct {
    std::string Text;
    int Length;
    std::string Word, Rest;
  } Cases[] = {
      {"", 0, "", ""},
      {" \t ", 0, "", ""},
      {"abc", 3, "abc", ""},
      {"ab cd", 2, "ab", " cd"},
      {"ab\tcd", 2, "ab", "\tcd"},
      {"  ab  cd ", 0, "ab", "  cd "},
      {"\tab\t\tcd", 0, "ab", "\t\tcd"},
      {"a\x01\rb c", 4, "a\x01\rb", " c"},  // only space and tab separate
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE("text \"" + Case.Text + "\"");
    ShortText Text(Case.Text);
    EXPECT_EQ(WordLength(Text), Case.Length);
    ShortText Word("stale");
    NextToken(Text, Word);
    EXPECT_EQ(Word.Str(), Case.Word);
    EXPECT_EQ(Text.Str(), Case.Rest);
  }
}

constexpr const char* Invalid = "\nInvalid Parameter Type\n";

struct ScanCase {
  std::string Line;
  std::string Name, ValueField;
  bool HasType;
  std::string TypeName;   // "PREV" when the line leaves it alone
  std::int16_t FieldSize; // 77 when the line leaves it alone
  std::string Remark;
  const char* Console = "";
};

TEST(Scanner, FieldsOfOneLine) {
  const ScanCase Cases[] = {
      {"ONE", "ONE", "", false, "PREV", 77, ""},
      {"%ONE", "%ONE", "", false, "PREV", 77, ""},
      {"A %101", "A", "%101", false, "PREV", 77, ""},
      {"", "", "", false, "PREV", 77, ""},
      {" \t  ", "", "", false, "PREV", 77, ""},
      {"A 1 %word", "A", "1", true, "word", 2, ""},
      {"A 1 %Long the remark", "A", "1", true, "Long", 4, "the remark"},
      {"A 1 %WORD %remark", "A", "1", true, "WORD", 2, "%remark"},
      {"A 1 remark %WORD", "A", "1", false, "PREV", 77, "remark %WORD"},
      {"A 1 ; note", "A", "1", false, "PREV", 77, "; note"},
      {"A #1 # note", "A", "#1", false, "PREV", 77, "# note"},
      {"%A %1 %BYTE %x", "%A", "%1", true, "BYTE", 1, "%x"},
      {"A\t 1 \t%WORD\t  inner   run \t", "A", "1", true, "WORD", 2, "inner   run \t"},
      {"A   1  \t kept  as  is ", "A", "1", false, "PREV", 77, "kept  as  is "},
      {"A 1 %WORD\t", "A", "1", true, "WORD", 2, ""},
      {"A 1 %", "A", "1", true, "", -1, "", Invalid},
      {"A 1 % remark", "A", "1", true, "", -1, "", Invalid},
      {"A 1 %%WORD", "A", "1", true, "%WORD", -1, "", Invalid},
      {"A 1 %FOO", "A", "1", true, "FOO", -1, "", Invalid},
  };
  for (const ScanCase& Case : Cases) {
    SCOPED_TRACE("line \"" + Case.Line + "\"");
    test::StartDefinitions();
    DefinitionFields.TypeName = ShortText("PREV");
    DefinitionFields.HasType = true;
    DefinitionFields.Remark = ShortText("stale");
    GeneratorState.FieldSize = 77;
    test::LineResult Result = test::ScanLine(Case.Line);
    EXPECT_EQ(Result.Console, Case.Console);
    EXPECT_EQ(Result.Status, *Case.Console ? 2 : test::RunGoesOn);
    EXPECT_EQ(DefinitionFields.Name.Str(), Case.Name);
    EXPECT_EQ(DefinitionFields.ValueField.Str(), Case.ValueField);
    EXPECT_EQ(DefinitionFields.HasType, Case.HasType);
    EXPECT_EQ(DefinitionFields.TypeName.Str(), Case.TypeName);
    EXPECT_EQ(GeneratorState.FieldSize, Case.FieldSize);
    if (!*Case.Console) {
      EXPECT_EQ(DefinitionFields.Remark.Str(), Case.Remark);
    }
  }
}

TEST(Scanner, LineTextIsLeftAsItWas) {
  test::StartDefinitions();
  test::ScanLine("A 1 %WORD remark ");
  EXPECT_EQ(LineText.Str(), "A 1 %WORD remark ");
}

struct SuffixCase {
  std::int16_t Stride;
  std::string Line;
  std::string Name;
  bool Rejected = false;
};

// The suffix goes on when the type word's size is not 0, before a size of -1
// is rejected; a line without a type word never gets it.
TEST(Scanner, NameSuffixFollowsTheLookedUpSize) {
  const SuffixCase Cases[] = {
      {1, "A 1 %BYTE", "A_S"},   {1, "A 1 %LIT", "A"},     {1, "A 1 %CONST", "A"},
      {1, "A 1", "A"},           {1, "A 1 %enum", "A_S"},  {2, "A 1 %BYTE", "A"},
      {2, "A 1 %WORD", "A_S"},   {2, "A 1 %ENUM", "A_S"},  {4, "A 1 %WORD", "A"},
      {-1, "A 1 %WORD", "A_S"},  {-1, "A 1 %Enum", "A_S"}, {-1, "A 1 %BYTE", "A_S", true},
      {-2, "A 1 %BYTE", "A"},    {-2, "A 1 %LONG", "A_S"}, {-2, "A 1 %WORD", "A_S", true},
      {1, "A 1 %NOPE", "A_S", true},
  };
  for (const SuffixCase& Case : Cases) {
    SCOPED_TRACE("stride " + std::to_string(Case.Stride) + ", line \"" + Case.Line + "\"");
    test::StartDefinitions(Case.Stride, 0, "_S");
    GeneratorState.FieldSize = 4;  // carried from an earlier line: no suffix from it
    test::LineResult Result = test::ScanLine(Case.Line);
    EXPECT_EQ(Result.Status, Case.Rejected ? 2 : test::RunGoesOn);
    EXPECT_EQ(Result.Console, Case.Rejected ? Invalid : "");
    EXPECT_EQ(DefinitionFields.Name.Str(), Case.Name);
  }
}

TEST(Scanner, SuffixIsCutAt255Characters) {
  test::StartDefinitions(1, 0, "_ABCDEFGHIJKLMNOPQRS");
  const std::string Line = std::string(245, 'N') + " 1 %BYTE";  // 253 characters
  EXPECT_EQ(test::ScanLine(Line).Status, test::RunGoesOn);
  EXPECT_EQ(DefinitionFields.Name.Str(), std::string(245, 'N') + "_ABCDEFGHI");
}

TEST(Scanner, TypeCarriesOverToUntypedLines) {
  test::StartDefinitions();
  test::ScanLine("L 4 %LONG first");
  test::ScanLine("M 8");
  EXPECT_EQ(DefinitionFields.Name.Str(), "M");
  EXPECT_FALSE(DefinitionFields.HasType);
  EXPECT_EQ(DefinitionFields.TypeName.Str(), "LONG");
  EXPECT_EQ(GeneratorState.FieldSize, 4);
  EXPECT_EQ(DefinitionFields.Remark.Str(), "");
  test::ScanLine("N 9 %byte");
  EXPECT_TRUE(DefinitionFields.HasType);
  EXPECT_EQ(DefinitionFields.TypeName.Str(), "byte");
  EXPECT_EQ(GeneratorState.FieldSize, 1);
}

}  // namespace
