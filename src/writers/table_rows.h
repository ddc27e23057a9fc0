// What the two table writers share: the count of typed entries.
#pragma once

#include <string_view>

// Clears OutputLine and counts the entry when its line has a type word (201
// at the 32768th); true when the row is to be written, in the second pass.
bool CountTypedEntry(std::string_view Place);
