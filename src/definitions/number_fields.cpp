#include "definitions/number_fields.h"

#include "common/guarded.h"
#include "common/run_end.h"
#include "definitions/number_syntax.h"
#include "driver/messages.h"

bool IsDecimalField(const ShortText& Text) {
  std::int32_t Value = 0;
  return !Text.Empty() && TextToInt(Text, NumberTarget::Bits32, Value);
}

std::int32_t ParseDecimalField(const ShortText& Text) {
  std::int32_t Value = 0;
  TextToInt(Text, NumberTarget::Bits32, Value);
  return Value;
}

bool IsHexField(const ShortText& Text) {
  return !Text.Empty() && (Text.Data[Text.Length - 1] == 'H' || Text.Data[Text.Length - 1] == 'h');
}

std::int32_t ParseHexField(const ShortText& Text) {
  ShortText Digits(Text.View().substr(0, Text.Length - 1));
  std::int32_t Value = 0;
  if (!HexToInt(Digits, Value)) {
    // Unlike Fatal, no line end comes before this message.
    ShowMessage("FATAL ERROR: Undecipherable Hex Number field\n");
    EndRun(ExitOwnError);
  }
  return Value;
}

bool HexToInt(const ShortText& Text, std::int32_t& Value) {
  static const char HexDigitSet[] = "0123456789ABCDEF";
  Value = 0;
  bool Valid = true;
  for (char C : Text.View()) {
    Value = Checked32(std::int64_t{Value} * 16, "HexToInt");
    char Upper = UpperLetter(C);
    int Digit = -1;
    for (int I = 0; I < 16; ++I)
      if (HexDigitSet[I] == Upper) Digit = I;
    if (Digit < 0) {
      Valid = false;
      continue;
    }
    Value += Digit;  // Value is a multiple of 16 here: no overflow
  }
  return Valid;
}
