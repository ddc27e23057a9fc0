// The tool's own messages on the console.
#pragma once

#include <string_view>

// A line end, the message and a line end; ends the run with exit status 2.
[[noreturn]] void Fatal(std::string_view Message);
