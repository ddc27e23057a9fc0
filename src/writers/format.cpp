#include "writers/format.h"

#include "common/records.h"

ShortText PadTo(const ShortText& Text, int Width) {
  ShortText Result(Text);
  while (Result.Length < Width && Result.Length < ShortTextCapacity) Append(Result, ' ');
  return Result;
}

ShortText HexText(std::uint32_t Number, int Digits) {
  static const char HexDigitSet[] = "0123456789ABCDEF";
  ShortText Result;
  for (int Shift = 4 * Digits - 4; Shift >= 0; Shift -= 4)
    Append(Result, HexDigitSet[(Number >> Shift) & 15u]);
  return Result;
}

ShortText HexDigits(std::int32_t Number) {
  static const std::int32_t Thresholds[] = {0xF, 0xFF, 0xFFF, 0xFFFF, 0xFFFFF, 0xFFFFFF, 0xFFFFFFF};
  int Digits = 1;
  for (std::int32_t Threshold : Thresholds)
    if (Number > Threshold) ++Digits;
  return HexText(static_cast<std::uint32_t>(Number), Digits);
}

ShortText DecimalText(std::int32_t Number) {
  char Digits[11];
  int Count = 0;
  // Work on the magnitude in 64 bits so that -2147483648 needs no care.
  std::int64_t Magnitude = Number < 0 ? -std::int64_t{Number} : Number;
  do {
    Digits[Count++] = static_cast<char>('0' + Magnitude % 10);
    Magnitude /= 10;
  } while (Magnitude != 0);
  ShortText Result;
  if (Number < 0) Append(Result, '-');
  while (Count > 0) Append(Result, Digits[--Count]);
  return Result;
}

ValueForms NotationRule() {
  const bool IsHex = GeneratorState.ValueIsHex;
  const bool ForceHex = RunOptions.ForceHex;
  const bool ForceDecimal = RunOptions.ForceDecimal;
  return ValueForms{(IsHex && !ForceDecimal) || ForceHex, (!IsHex && !ForceHex) || ForceDecimal};
}

ValueForms WrittenForms() {
  ValueForms Forms = NotationRule();
  if (Forms.Hex && GeneratorState.Value < 0) return ValueForms{false, true};
  return Forms;
}

void MergeName() {
  if (!DefinitionFields.HasType || !RunOptions.MergeType) return;
  Append(DefinitionFields.Name, '_');
  Append(DefinitionFields.Name, DefinitionFields.TypeName.View());
}

ShortText TypeNote() {
  ShortText Note;
  if (!DefinitionFields.HasType || RunOptions.MergeType) return Note;
  Append(Note, '(');
  Append(Note, DefinitionFields.TypeName.View());
  Append(Note, ") ");
  return Note;
}
