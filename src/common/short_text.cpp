#include "common/short_text.h"

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
