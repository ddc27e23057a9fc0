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

void ParseDefinitionLine() {
  DefinitionFieldsRecord& Fields = DefinitionFields;
  Fields.HasType = false;
  ShortText Rest = LineText;
  NextToken(Rest, Fields.Name);
  NextToken(Rest, Fields.ValueField);
  TrimLeading(Rest);
  if (!Rest.Empty() && Rest.First() == TypeMarker) {
    Fields.HasType = true;
    ShortText Word;
    NextToken(Rest, Word);
    Fields.TypeName.Assign(Word.View().substr(1));  // only the one marker goes
    GeneratorState.FieldSize = LookupFieldSize(Fields.TypeName);
    if (GeneratorState.FieldSize != 0) Append(Fields.Name, RunOptions.NameSuffix.View());
    if (GeneratorState.FieldSize == -1) Fatal("Invalid Parameter Type");
  }
  TrimLeading(Rest);
  Fields.Remark = Rest;
}
