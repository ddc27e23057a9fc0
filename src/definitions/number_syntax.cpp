#include "definitions/number_syntax.h"

namespace {

int DigitValue(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  return 99;  // above every base
}

}  // namespace

bool TextToInt(const ShortText& Text, NumberTarget Target, std::int32_t& Value) {
  Value = 0;
  const char* Next = Text.Data;
  const char* End = Text.Data + Text.Length;

  while (Next != End && IsBlank(*Next)) ++Next;

  bool Negative = false;
  if (Next != End && (*Next == '-' || *Next == '+')) Negative = *Next++ == '-';

  int Base = 10;
  if (Next != End) {
    char C = *Next;
    if (C == '$' || C == 'x' || C == 'X') {
      Base = 16;
      ++Next;
    } else if (C == '%') {
      Base = 2;
      ++Next;
    } else if (C == '&') {
      Base = 8;
      ++Next;
    } else if (C == '0' && End - Next >= 2 && (Next[1] == 'x' || Next[1] == 'X')) {
      Base = 16;
      Next += 2;
    }
  }
  if (Next == End) return false;

  const std::uint64_t Limit = Base != 10 ? 4294967295u : Negative ? 2147483648u : 2147483647u;
  std::uint64_t Magnitude = 0;
  for (; Next != End && *Next != '\0'; ++Next) {  // a NUL ends the digits early
    int Digit = DigitValue(*Next);
    if (Digit >= Base) return false;
    Magnitude = Magnitude * static_cast<unsigned>(Base) + static_cast<unsigned>(Digit);
    if (Magnitude > Limit) return false;
  }

  // Two's complement, modulo 2 to the 32.
  std::uint32_t Bits = static_cast<std::uint32_t>(Magnitude);
  if (Negative) Bits = 0u - Bits;
  if (Target == NumberTarget::Bits16 && Base != 10 && !Negative) {
    std::int32_t Low = static_cast<std::int32_t>(Bits & 0xFFFFu);
    Value = Low >= 0x8000 ? Low - 0x10000 : Low;
    return true;
  }
  Value = static_cast<std::int32_t>(Bits);  // modulo 2 to the 32 (C++20)
  return true;
}
