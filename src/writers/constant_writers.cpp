// The four languages that write one line per entry.
#include <string_view>

#include "common/records.h"
#include "driver/include_lines.h"
#include "writers/format.h"
#include "writers/writers.h"

namespace {

// A constant line: Lead, Name padded to NameColumn, Keyword; the value from
// ValueColumn + 1; the comment from CommentColumn + 1. Every column is a
// minimum: a longer line pushes what follows to the right. Where a long name
// would run into the keyword or the value, C and assembler would read the
// two as one word (a different macro, a label "NAMEequ"), so Apart keeps them
// one space apart there; Pascal reads "NAME =$1F;" as it stands.
struct ConstantLayout {
  std::string_view Lead;
  int NameColumn;
  std::string_view Keyword;
  int ValueColumn;
  std::string_view HexOpen, HexClose;
  std::string_view DecimalClose;
  int CommentColumn;
  std::string_view CommentOpen, CommentClose;
  bool Apart;
};

//                                     lead        name  keyword value  hex          decimal comment  opener  closer  apart
constexpr ConstantLayout PascalLayout{"",          24,   " =",   32,    "$", ";",    ";",    48,      "{ ",   " }",   false};
constexpr ConstantLayout CLayout{     "#define ",  0,    "",     48,    "0x", "",    "",     60,      "/* ",  " */",  true};
constexpr ConstantLayout AsmLayout{   "",          24,   "equ",  32,    "0", "h",    "",     48,      "; ",   "",     true};

// Pads Line to Column; a line that has reached the column already gets one
// space when the layout keeps its words apart.
inline void PadToColumn(ShortText& Line, int Column, bool Apart) {
  if (Apart && Line.Length >= Column)
    Append(Line, ' ');
  else
    PadInPlace(Line, Column);
}

// Inlined into each writer, so that the layout's pieces are constants there.
[[gnu::always_inline]] inline void WriteConstantLine(const ConstantLayout& Layout) {
  MergeName();
  const GeneratorStateRecord& State = GeneratorState;
  ShortText& Line = OutputLine;  // built where EmitLine takes it from
  Line.Assign(Layout.Lead);
  Append(Line, DefinitionFields.Name.View());
  if (!Layout.Keyword.empty()) PadToColumn(Line, Layout.NameColumn, Layout.Apart);
  Append(Line, Layout.Keyword);

  const ValueForms Forms = WrittenForms();
  PadToColumn(Line, Layout.ValueColumn, Layout.Apart);
  if (Forms.Hex) {
    Append(Line, Layout.HexOpen);
    Append(Line, HexDigits(State.Value).View());
    Append(Line, Layout.HexClose);
  }
  if (Forms.Decimal) {  // behind the hex form directly when both are written
    Append(Line, DecimalText(State.Value).View());
    Append(Line, Layout.DecimalClose);
  }

  PadInPlace(Line, Layout.CommentColumn);  // also when no comment follows
  const ShortText Note = TypeNote();
  if (!Note.Empty() || !DefinitionFields.Remark.Empty()) {
    Append(Line, Layout.CommentOpen);
    Append(Line, Note.View());
    Append(Line, DefinitionFields.Remark.View());
    Append(Line, Layout.CommentClose);
  }
  EmitLine();
}

}  // namespace

void WritePascalEntry() { WriteConstantLine(PascalLayout); }
void WriteCEntry() { WriteConstantLine(CLayout); }
void WriteAssemblerEntry() { WriteConstantLine(AsmLayout); }

// "set", padded to 24, Name "=" and the decimal value; the type note and the
// remark follow the value directly. Always decimal, never padded after.
void WriteBatchEntry() {
  MergeName();
  ShortText& Line = OutputLine;
  Line.Assign("set");
  PadInPlace(Line, 24);
  Append(Line, DefinitionFields.Name.View());
  Append(Line, '=');
  Append(Line, DecimalText(GeneratorState.Value).View());
  Append(Line, TypeNote().View());
  Append(Line, DefinitionFields.Remark.View());
  EmitLine();
}
