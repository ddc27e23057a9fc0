// One pass over the definition file.
#pragma once

#include "common/short_text.h"

// Reads the next line into LineText, counts it in LinesRead and shows the
// progress display every tenth line.
void ReadSourceLine();

// The comment line Text (its comment character already removed) as a comment
// of the target language; empty for the two table languages.
ShortText ConvertComment(const ShortText& Text);

void RunPass();
