// The four languages that write one line per entry.
#include <string_view>

#include "common/records.h"
#include "driver/include_lines.h"
#include "writers/format.h"
#include "writers/writers.h"

namespace {

// A constant line: Lead, Name padded to NameColumn, Keyword; the value from
// ValueColumn + 1; the comment from CommentColumn + 1. Every column is a
// minimum: a longer line pushes what follows to the right.
struct ConstantLayout {
  std::string_view Lead;
  int NameColumn;
  std::string_view Keyword;
  int ValueColumn;
  std::string_view HexOpen, HexClose;
  std::string_view DecimalClose;
  int CommentColumn;
  std::string_view CommentOpen, CommentClose;
};

//                                     lead        name  keyword value  hex          decimal comment  opener  closer
constexpr ConstantLayout PascalLayout{"",          24,   " =",   32,    "$", ";",    ";",    48,      "{ ",   " }"};
constexpr ConstantLayout CLayout{     "#define ",  0,    "",     48,    "0x", "",    "",     60,      "/* ",  " */"};
constexpr ConstantLayout AsmLayout{   "",          24,   "equ",  32,    "0", "h",    "",     48,      "; ",   ""};

// Inlined into each writer, so that the layout's pieces are constants there.
[[gnu::always_inline]] inline void WriteConstantLine(const ConstantLayout& Layout) {
  MergeName();
  const GeneratorStateRecord& State = GeneratorState;
  ShortText& Line = OutputLine;  // built where EmitLine takes it from
  Line.Assign(Layout.Lead);
  Append(Line, DefinitionFields.Name.View());
  PadInPlace(Line, Layout.NameColumn);
  Append(Line, Layout.Keyword);

  const ValueForms Forms = WrittenForms();
  if (Forms.Hex) {
    PadInPlace(Line, Layout.ValueColumn);
    Append(Line, Layout.HexOpen);
    Append(Line, HexDigits(State.Value).View());
    Append(Line, Layout.HexClose);
  }
  if (Forms.Decimal) {
    PadInPlace(Line, Layout.ValueColumn);
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
