// The two notations of a number in a value field: the standard number
// syntax, and hexadecimal digits followed by H or h.
#pragma once

#include <cstdint>

#include "common/short_text.h"

bool IsDecimalField(const ShortText& Text);
std::int32_t ParseDecimalField(const ShortText& Text);

// True when the text is not empty and ends in H or h.
bool IsHexField(const ShortText& Text);

// The value of a hex number field; digits that cannot be read end the run
// with "FATAL ERROR: Undecipherable Hex Number field".
std::int32_t ParseHexField(const ShortText& Text);

// Reads every character as a hexadecimal digit; false when one is not. The
// scan goes on past an invalid character, and a value above 7FFFFFFF ends the
// run with runtime error 215.
bool HexToInt(const ShortText& Text, std::int32_t& Value);
