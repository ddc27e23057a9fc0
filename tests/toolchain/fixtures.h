// Definition files written for the compilers, each with what it means: the
// names and values worked out by hand from the file, so that a compiler that
// reads a different value than the definition file gives shows up.
//
// They use only what every target language can hold: identifiers that are
// valid and distinct in all of them (Pascal ignores case), names shorter than
// the 24 characters the tables declare (one name of exactly 24), comments
// without the characters that close a comment, and in each table only type
// words for which its header declares an enumerator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace toolchain {

// For the four constant languages: relative "$" entries of several sizes, a
// line without a type word that keeps the size of the line above, a "#"
// marker, every notation of a number, the extreme values, enum and lit, and
// a name that runs past every column.
inline const char ConstantsDefinition[] =
    "; Constants for the compilers, with comments of the three kinds.\n"
    "# A comment may hold (brackets), 1/2 and quotes \"like these\".\n"
    "{ and may begin with any of the three characters\n"
    "BASE          1000H       %const   block base\n"
    "REG_BYTE      $           %BYTE    one byte\n"
    "REG_UINT      $           %UINT\n"
    "REG_LONG      $           %LONG    four bytes\n"
    "REG_CARRIED   $                    as wide as REG_LONG\n"
    "REG_MARK      #                    takes no room\n"
    "REG_AFTER     $                    at the same address as REG_MARK\n"
    "REG_EVENT     $           %EVENT   twelve bytes\n"
    "REG_END       $           %lit\n"
    "\n"
    "DECIMAL       1234        %const\n"
    "NEGATIVE      -42         %const\n"
    "PREFIXED_HEX  $7F         %const   a prefix is not the H notation\n"
    "BINARY        %101        %const\n"
    "OCTAL         &17         %const\n"
    "ZERO          0H          %const\n"
    "LARGEST       7FFFFFFFH   %const\n"
    "SMALLEST      -2147483648 %const\n"
    "MODE_OFF      0           %enum\n"
    "MODE_ON       $           %enum\n"
    "MODE_AUTO     $           %enum    counts on by one\n"
    "A_NAME_LONG_ENOUGH_TO_PUSH_EVERY_COLUMN_RIGHT 77 %const\n";

struct Constant {
  const char* Name;
  const char* Type;  // the type word, empty for a line without one
  std::int32_t Value;
};

inline const std::vector<Constant> Constants = {
    {"BASE", "const", 0x1000},
    {"REG_BYTE", "BYTE", 0x1000},
    {"REG_UINT", "UINT", 0x1001},
    {"REG_LONG", "LONG", 0x1003},
    {"REG_CARRIED", "", 0x1007},
    {"REG_MARK", "", 0x100B},
    {"REG_AFTER", "", 0x100B},
    {"REG_EVENT", "EVENT", 0x100B},
    {"REG_END", "lit", 0x1017},
    {"DECIMAL", "const", 1234},
    {"NEGATIVE", "const", -42},
    {"PREFIXED_HEX", "const", 127},
    {"BINARY", "const", 5},
    {"OCTAL", "const", 15},
    {"ZERO", "const", 0},
    {"LARGEST", "const", 2147483647},
    {"SMALLEST", "const", -2147483647 - 1},
    {"MODE_OFF", "enum", 0},
    {"MODE_ON", "enum", 1},
    {"MODE_AUTO", "enum", 2},
    {"A_NAME_LONG_ENOUGH_TO_PUSH_EVERY_COLUMN_RIGHT", "const", 77},
};

// The option sets every constant language is compiled with: as written,
// every value in hex (a negative one stays decimal), every value in decimal,
// and the type word merged into the name.
struct OptionSet {
  const char* Label;
  std::vector<std::string> Options;
  bool Merged;
};

inline const std::vector<OptionSet> ConstantOptionSets = {
    {"as written", {}, false},
    {"H", {"H"}, false},
    {"D", {"D"}, false},
    {"M", {"M"}, true},
};

// The name under which a constant is written.
inline std::string WrittenName(const Constant& Entry, bool Merged) {
  std::string Name = Entry.Name;
  if (Merged && *Entry.Type) Name += std::string("_") + Entry.Type;
  return Name;
}

struct Row {
  const char* Name;
  const char* Type;  // as written in the definition file
  std::int32_t Value;
};

struct TableFixture {
  const char* Label;
  const char* Definition;
  std::vector<Row> Rows;
};

// Pascal record table: every type word that has an enumerator in the Pascal
// header (15 of them), in several cases of letters, untyped lines between
// them (no rows), a negative value and a name of exactly 24 characters; and
// a table of one row, which opens and closes the array in one line.
inline const std::vector<TableFixture> PascalTables = {
    {"all enumerators",
     "; rows for the Pascal record table\n"
     "TABLE_BASE    100H   %const\n"
     "ROW_BYTE      $      %byte\n"
     "ROW_PTR       $      %PTR\n"
     "NOT_A_ROW     $             no type word, no row\n"
     "ROW_FLAG      $      %Flag\n"
     "ROW_MASK      $      %MASK\n"
     "ROW_UINT      $      %UINT\n"
     "ROW_INT       $      %INT\n"
     "ROW_ULONG     $      %ULONG\n"
     "ROW_LONG      $      %LONG\n"
     "ROW_DOUBLE    $      %DOUBLE\n"
     "ROW_EVENT     $      %EVENT\n"
     "ROW_EBYTE     $      %EBYTE\n"
     "ROW_EWORD     $      %EWORD\n"
     "ROW_LIT       $      %lit\n"
     "ROW_CONST     -7     %const\n"
     "ROW_ENUM      3      %enum\n"
     "NAME_OF_24_CHARACTERS_XY 2000 %LONG\n"
     "LAST_UNTYPED  $\n",
     {
         {"TABLE_BASE", "const", 256},
         {"ROW_BYTE", "byte", 256},
         {"ROW_PTR", "PTR", 257},
         {"ROW_FLAG", "Flag", 261},
         {"ROW_MASK", "MASK", 263},
         {"ROW_UINT", "UINT", 265},
         {"ROW_INT", "INT", 267},
         {"ROW_ULONG", "ULONG", 269},
         {"ROW_LONG", "LONG", 273},
         {"ROW_DOUBLE", "DOUBLE", 277},
         {"ROW_EVENT", "EVENT", 285},
         {"ROW_EBYTE", "EBYTE", 297},
         {"ROW_EWORD", "EWORD", 298},
         {"ROW_LIT", "lit", 300},
         {"ROW_CONST", "const", -7},
         {"ROW_ENUM", "enum", 3},
         {"NAME_OF_24_CHARACTERS_XY", "LONG", 2000},
     }},
    {"one row", "BEFORE 1\nONLY 5 %BYTE the only row\nAFTER $\n", {{"ONLY", "BYTE", 5}}},
};

// C structure table: the 11 type words that have an enumerator in the C
// header, otherwise as above.
inline const std::vector<TableFixture> CTables = {
    {"all enumerators",
     "; rows for the C structure table\n"
     "TABLE_BASE    100H   %LIT\n"
     "ROW_BYTE      $      %BYTE\n"
     "ROW_PTR       $      %ptr\n"
     "NOT_A_ROW     $             no type word, no row\n"
     "ROW_FLAG      $      %FLAG\n"
     "ROW_MASK      $      %MASK\n"
     "ROW_UINT      $      %UINT\n"
     "ROW_INT       $      %Int\n"
     "ROW_ULONG     $      %ULONG\n"
     "ROW_LONG      $      %LONG\n"
     "ROW_DOUBLE    $      %DOUBLE\n"
     "ROW_EVENT     $      %EVENT\n"
     "ROW_LIT       -7     %lit\n"
     "NAME_OF_24_CHARACTERS_XY 2000 %LONG\n"
     "LAST_UNTYPED  $\n",
     {
         {"TABLE_BASE", "LIT", 256},
         {"ROW_BYTE", "BYTE", 256},
         {"ROW_PTR", "ptr", 257},
         {"ROW_FLAG", "FLAG", 261},
         {"ROW_MASK", "MASK", 263},
         {"ROW_UINT", "UINT", 265},
         {"ROW_INT", "Int", 267},
         {"ROW_ULONG", "ULONG", 269},
         {"ROW_LONG", "LONG", 273},
         {"ROW_DOUBLE", "DOUBLE", 277},
         {"ROW_EVENT", "EVENT", 285},
         {"ROW_LIT", "lit", -7},
         {"NAME_OF_24_CHARACTERS_XY", "LONG", 2000},
     }},
    {"one row", "BEFORE 1\nONLY 5 %BYTE the only row\nAFTER $\n", {{"ONLY", "BYTE", 5}}},
};

// The option sets the tables are compiled with: H and D change how values
// are written, never what they are.
inline const std::vector<OptionSet> TableOptionSets = {
    {"as written", {}, false},
    {"H", {"H"}, false},
    {"D", {"D"}, false},
};

}  // namespace toolchain
