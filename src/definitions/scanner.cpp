#include "definitions/scanner.h"

#include <cstring>

#include "common/records.h"
#include "definitions/field_types.h"
#include "driver/messages.h"

int WordLength(const ShortText& Text) {
  int Length = 0;
  while (Length < Text.Length && !IsBlank(Text.Data[Length])) ++Length;
  return Length;
}

void NextToken(ShortText& Text, ShortText& Word) {
  TrimLeading(Text);
  int Length = WordLength(Text);
  Word.Assign(std::string_view(Text.Data, static_cast<std::size_t>(Length)));
  Text.Length = static_cast<std::uint8_t>(Text.Length - Length);
  std::memmove(Text.Data, Text.Data + Length, Text.Length);
}

// ParseDefinitionLine takes the words off a cursor over LineText: the same
// fields that NextToken gives on a working copy, without moving the rest of
// the line after every word.
namespace {

struct LineCursor {
  const char* Next;
  const char* End;

  void SkipBlanks() {
    while (Next != End && IsBlank(*Next)) ++Next;
  }
  std::string_view Word() {
    SkipBlanks();
    const char* Start = Next;
    while (Next != End && !IsBlank(*Next)) ++Next;
    return std::string_view(Start, static_cast<std::size_t>(Next - Start));
  }
  std::string_view Rest() const { return std::string_view(Next, static_cast<std::size_t>(End - Next)); }
};

}  // namespace

void ParseDefinitionLine() {
  DefinitionFieldsRecord& Fields = DefinitionFields;
  Fields.HasType = false;
  LineCursor Rest{LineText.Data, LineText.Data + LineText.Length};
  Fields.Name.Assign(Rest.Word());
  Fields.ValueField.Assign(Rest.Word());
  Rest.SkipBlanks();
  if (Rest.Next != Rest.End && *Rest.Next == TypeMarker) {
    Fields.HasType = true;
    Fields.TypeName.Assign(Rest.Word().substr(1));  // only the one marker goes
    GeneratorState.FieldSize = LookupFieldSize(Fields.TypeName);
    if (GeneratorState.FieldSize != 0) Append(Fields.Name, RunOptions.NameSuffix.View());
    if (GeneratorState.FieldSize == -1) Fatal("Invalid Parameter Type");
  }
  Rest.SkipBlanks();
  Fields.Remark.Assign(Rest.Rest());
}
