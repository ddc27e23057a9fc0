// The standard number syntax: optional blanks, an optional sign, an optional
// base prefix ($, x, X or 0x for 16, % for 2, & for 8) and digits.
#pragma once

#include <cstdint>

#include "common/short_text.h"

enum class NumberTarget : std::uint8_t { Bits32, Bits16 };

// Converts Text; false (with Value 0) when it is no number in the syntax.
// With Bits16, a number in base 2, 8 or 16 written without "-" is cut to its
// low 16 bits, read as signed. A successful 16-bit result may still lie
// outside -32768..32767; storing it is the caller's business.
bool TextToInt(const ShortText& Text, NumberTarget Target, std::int32_t& Value);
