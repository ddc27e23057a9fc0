// The tool's own messages on the console.
#pragma once

#include <string_view>

// Writes Text on the console at once; a console that refuses it ends the run
// with runtime error 101, so that a message nobody could see is never taken
// for the tool's own error.
void ShowMessage(std::string_view Text);

// A line end, the message and a line end; ends the run with exit status 2.
[[noreturn]] void Fatal(std::string_view Message);
