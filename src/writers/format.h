// Text primitives of the include writers and the rules they share.
#pragma once

#include <cstdint>

#include "common/short_text.h"

// Text followed by spaces up to Width characters; never cut.
ShortText PadTo(const ShortText& Text, int Width);

// The same, in place: the writers pad the line they are building.
inline void PadInPlace(ShortText& Text, int Width) {
  const int Limit = Width < ShortTextCapacity ? Width : ShortTextCapacity;
  if (Text.Length >= Limit) return;
  FillText(Text.Data + Text.Length, ' ', static_cast<std::size_t>(Limit - Text.Length));
  Text.Length = static_cast<std::uint8_t>(Limit);
}

// Exactly Digits upper-case hex digits of the low 4 x Digits bits of Number.
ShortText HexText(std::uint32_t Number, int Digits);

// The fewest hex digits that show a non-negative Number; one digit, the low
// four bits, for every negative value.
ShortText HexDigits(std::int32_t Number);

// Signed decimal, no padding, no plus sign.
ShortText DecimalText(std::int32_t Number);

// Which forms of Value a line gets.
struct ValueForms {
  bool Hex;
  bool Decimal;
};

// The notation rule: from ValueIsHex, ForceHex and ForceDecimal.
ValueForms NotationRule();

// The forms a writer writes. A negative value in hex would show only its low
// four bits (-1 as F), so a negative Value gets the decimal form in place of
// the hex form, once.
ValueForms WrittenForms();

// Name := Name + "_" + TypeName when the line has a type word and M is given.
void MergeName();

// "(" + TypeName + ") " when the line has a type word and M is not given.
ShortText TypeNote();
