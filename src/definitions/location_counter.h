// The location counter: gives every definition line its value, lays out
// relative addresses, tests explicit ones against the stride, adds the
// offset and hands each entry to the writer of the target language.
#pragma once

#include "common/short_text.h"

// Type words, compared case-sensitively with the whole of TypeName.
bool IsAlignmentExempt(const ShortText& TypeName);
bool IsOffsetExempt(const ShortText& TypeName);

void ResolveEntryValue();
