// Splits a definition line into its fields: name, value field, an optional
// type word behind "%" in third position, and a remark.
#pragma once

#include "common/short_text.h"

constexpr char TypeMarker = '%';

// Characters before the first blank; 0 for an empty text or a leading blank.
int WordLength(const ShortText& Text);

// Trims Text, moves its first word into Word and leaves in Text what follows
// it, beginning with the separating blank.
void NextToken(ShortText& Text, ShortText& Word);

// Splits LineText into DefinitionFields. On a line with a type word it also
// sets TypeName and FieldSize, appends NameSuffix when the size is not 0,
// and rejects an unknown type with "Invalid Parameter Type".
void ParseDefinitionLine();
