// How a run ends. Every end of a run other than the normal one is raised here
// and caught in one place, RunTolvane, which turns it into the exit status.
#pragma once

#include <cstdint>
#include <string_view>

// Carried out of the run to its caller; never caught anywhere else.
struct RunEnd {
  int Status;
};

// Exit statuses of the whole program.
constexpr int ExitNormal = 0;
constexpr int ExitOwnError = 2;        // usage, Fatal and the hex message
constexpr int ExitRangeError = 201;    // a value outside its variable's range
constexpr int ExitOverflowError = 215; // 32-bit signed arithmetic overflowed
constexpr int ExitReadError = 100;     // reading the definition file failed
constexpr int ExitWriteError = 101;    // writing the include file or the console failed

[[noreturn]] void EndRun(int Status);

// Ends the run with a runtime error: writes "Runtime error N at $XXXXXXXX",
// the hex digits identifying Place, and a line naming Place.
[[noreturn]] void RuntimeError(int Number, std::string_view Place);

// The eight hex digits that identify a failing place in the program.
std::uint32_t PlaceCode(std::string_view Place);
