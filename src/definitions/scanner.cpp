#include "definitions/scanner.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "common/byte_search.h"
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

namespace {

// ParseDefinitionLine takes the words off a cursor over LineText: the same
// fields that NextToken gives on a working copy, without moving the rest of
// the line after every word. The cursor keeps, for the 64 bytes around it,
// one bit a byte telling blanks from the rest, so that each step to the
// next word or the next blank is a bit search.
struct LineCursor {
  const char* Data;
  int Length;
  int Next = 0;
  int WindowStart = 0;       // Blanks describes the bytes from WindowStart
  int WindowEnd = 0;         // to WindowEnd, at most 64 and not past Length
  std::uint64_t Blanks = 0;  // bit I: byte WindowStart + I is a blank

  void LoadWindow(int Start) {
    WindowStart = Start;
    WindowEnd = std::min(Start + 64, Length);
    Blanks = 0;
    int At = Start;
    if constexpr (BlockSearch) {
      for (; At < WindowEnd && At + static_cast<int>(SearchBlock) <= ShortTextCapacity; At += SearchBlock)
        Blanks |= std::uint64_t{BytesAmong(Data + At, ' ', '\t', '\t')} << (At - Start);
    }
    for (; At < WindowEnd; ++At) Blanks |= std::uint64_t{IsBlank(Data[At])} << (At - Start);
  }

  // Moves Next past the blanks (Blank) or past the other bytes (!Blank), to
  // the first byte of the other kind or to the end of the text. The bits
  // past WindowEnd mean nothing: a step that lands there ends the window.
  void SkipWhile(bool Blank) {
    while (Next < Length) {
      if (Next >= WindowEnd) LoadWindow(Next);
      const std::uint64_t Stops = (Blank ? ~Blanks : Blanks) >> (Next - WindowStart);
      const int Step = Stops != 0 ? std::countr_zero(Stops) : 64;
      if (Next + Step < WindowEnd) {
        Next += Step;
        return;
      }
      Next = WindowEnd;
    }
  }
  std::string_view From(int Start) const {
    return std::string_view(Data + Start, static_cast<std::size_t>(Next - Start));
  }
  std::string_view Word() {
    SkipWhile(true);
    const int Start = Next;
    SkipWhile(false);
    return From(Start);
  }
  bool AtMarker() const { return Next < Length && Data[Next] == TypeMarker; }
  std::string_view Rest() const {
    return std::string_view(Data + Next, static_cast<std::size_t>(Length - Next));
  }
};

}  // namespace

void ParseDefinitionLine() {
  DefinitionFieldsRecord& Fields = DefinitionFields;
  Fields.HasType = false;
  LineCursor Rest{LineText.Data, LineText.Length};
  Fields.Name.Assign(Rest.Word());
  Fields.ValueField.Assign(Rest.Word());
  Rest.SkipWhile(true);
  if (Rest.AtMarker()) {
    Fields.HasType = true;
    Fields.TypeName.Assign(Rest.Word().substr(1));  // only the one marker goes
    GeneratorState.FieldSize = LookupFieldSize(Fields.TypeName);
    if (GeneratorState.FieldSize != 0) Append(Fields.Name, RunOptions.NameSuffix.View());
    if (GeneratorState.FieldSize == -1) Fatal("Invalid Parameter Type");
  }
  Rest.SkipWhile(true);
  Fields.Remark.Assign(Rest.Rest());
}
