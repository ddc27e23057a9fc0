#include "common/short_text.h"

void Append(ShortText& Target, std::string_view Text) {
  std::size_t Room = ShortTextCapacity - Target.Length;
  std::size_t Count = Text.size() < Room ? Text.size() : Room;
  std::memcpy(Target.Data + Target.Length, Text.data(), Count);
  Target.Length = static_cast<std::uint8_t>(Target.Length + Count);
}

void Append(ShortText& Target, char Character) {
  if (Target.Length < ShortTextCapacity) Target.Data[Target.Length++] = Character;
}

ShortText Concat(const ShortText& Left, std::string_view Right) {
  ShortText Result(Left);
  Append(Result, Right);
  return Result;
}

ShortText UpperCase(const ShortText& Text) {
  ShortText Result;
  Result.Length = Text.Length;
  for (int I = 0; I < Text.Length; ++I) Result.Data[I] = UpperLetter(Text.Data[I]);
  return Result;
}

void TrimLeading(ShortText& Text) {
  int Skip = 0;
  while (Skip < Text.Length && IsBlank(Text.Data[Skip])) ++Skip;
  if (Skip == 0) return;
  Text.Length = static_cast<std::uint8_t>(Text.Length - Skip);
  std::memmove(Text.Data, Text.Data + Skip, Text.Length);
}
