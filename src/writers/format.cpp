#include "writers/format.h"

#include <bit>
#include <cstring>

#include "common/records.h"

ShortText PadTo(const ShortText& Text, int Width) {
  ShortText Result(Text);
  PadInPlace(Result, Width);
  return Result;
}

ShortText HexText(std::uint32_t Number, int Digits) {
  static const char HexDigitSet[] = "0123456789ABCDEF";
  // All eight digits are spelled, lowest last, and the last Digits of them
  // kept. On a little-endian machine the eight nibbles are spread over the
  // bytes of one number, highest nibble in the lowest byte, and turned into
  // digits all at once: a nibble n gets '0' + n, and 7 more from 10 on.
  char Spelled[8];
  if constexpr (std::endian::native == std::endian::little) {
    std::uint64_t Bytes = Number;
    Bytes = ((Bytes & 0xFFFF0000u) >> 16) | ((Bytes & 0x0000FFFFu) << 32);
    Bytes = ((Bytes & 0x0000FF000000FF00u) >> 8) | ((Bytes & 0x000000FF000000FFu) << 16);
    Bytes = ((Bytes & 0x00F000F000F000F0u) >> 4) | ((Bytes & 0x000F000F000F000Fu) << 8);
    const std::uint64_t FromTen = ((Bytes + 0x0606060606060606u) >> 4) & 0x0101010101010101u;
    Bytes += 0x3030303030303030u + FromTen * 7;
    std::memcpy(Spelled, &Bytes, sizeof Spelled);
  } else {
    for (int At = 7; At >= 0; --At, Number >>= 4) Spelled[At] = HexDigitSet[Number & 15u];
  }
  const int Count = Digits < 0 ? 0 : Digits > 8 ? 8 : Digits;  // 0 to 8 by contract
  ShortText Result;
  Result.Length = static_cast<std::uint8_t>(Count);
  CopyText(Result.Data, Spelled + 8 - Count, static_cast<std::size_t>(Count));
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
  static const std::uint32_t PowersOfTen[] = {1,      10,      100,      1000,      10000,
                                              100000, 1000000, 10000000, 100000000, 1000000000};
  static const char Pairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  // Work on the magnitude unsigned, so that -2147483648 needs no care. The
  // count of digits comes first (from the bit length, 1233/4096 being just
  // above log10 2; the OR gives 0 its one digit and moves no other number
  // across a power of ten), then the digits go straight into place, two at
  // a time.
  const bool Negative = Number < 0;
  std::uint32_t Magnitude = Negative ? 0u - static_cast<std::uint32_t>(Number)
                                     : static_cast<std::uint32_t>(Number);
  const int Estimate = (std::bit_width(Magnitude | 1u) * 1233) >> 12;
  const int Digits = Estimate + 1 - ((Magnitude | 1u) < PowersOfTen[Estimate]);
  ShortText Result;
  Result.Length = static_cast<std::uint8_t>(Digits + Negative);
  char* Next = Result.Data + Result.Length;
  while (Magnitude >= 100) {
    const std::uint32_t Pair = Magnitude % 100;
    Magnitude /= 100;
    Next -= 2;
    std::memcpy(Next, Pairs + 2 * Pair, 2);
  }
  if (Magnitude >= 10) {
    Next -= 2;
    std::memcpy(Next, Pairs + 2 * Magnitude, 2);
  } else {
    *--Next = static_cast<char>('0' + Magnitude);
  }
  if (Negative) Result.Data[0] = '-';
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
