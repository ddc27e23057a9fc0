#include "writers/format.h"

#include <cstring>

#include "common/records.h"

void PadInPlace(ShortText& Text, int Width) {
  const int Limit = Width < ShortTextCapacity ? Width : ShortTextCapacity;
  if (Text.Length >= Limit) return;
  std::memset(Text.Data + Text.Length, ' ', static_cast<std::size_t>(Limit - Text.Length));
  Text.Length = static_cast<std::uint8_t>(Limit);
}

ShortText PadTo(const ShortText& Text, int Width) {
  ShortText Result(Text);
  PadInPlace(Result, Width);
  return Result;
}

ShortText HexText(std::uint32_t Number, int Digits) {
  static const char HexDigitSet[] = "0123456789ABCDEF";
  ShortText Result;
  for (int Shift = 4 * Digits - 4; Shift >= 0; Shift -= 4)
    Result.Data[Result.Length++] = HexDigitSet[(Number >> Shift) & 15u];  // at most 8
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
  // Work on the magnitude unsigned, so that -2147483648 needs no care; the
  // digits are written from the right into a scratch area, then moved once.
  std::uint32_t Magnitude = Number < 0 ? 0u - static_cast<std::uint32_t>(Number)
                                       : static_cast<std::uint32_t>(Number);
  char Digits[11];
  char* First = Digits + sizeof Digits;
  do {
    *--First = static_cast<char>('0' + Magnitude % 10);
    Magnitude /= 10;
  } while (Magnitude != 0);
  if (Number < 0) *--First = '-';
  ShortText Result;
  Result.Length = static_cast<std::uint8_t>(Digits + sizeof Digits - First);
  std::memcpy(Result.Data, First, Result.Length);
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
