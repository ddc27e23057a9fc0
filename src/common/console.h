// The console: standard output, written through one buffer so that the bytes
// keep their order. The buffer is flushed when it fills, at a bounded rate
// while the progress display runs, and at the end of a run. The same bytes
// go out whether or not standard output is a terminal.
#pragma once

#include <string>
#include <string_view>

// Appends Text; a failed flush ends the run with runtime error 101.
void ConsoleWrite(std::string_view Text);

// Writes everything buffered; a failure ends the run with runtime error 101.
void ConsoleFlush();

// Appends a progress text and flushes when the last flush is at least
// 50 ms old: a person sees the count move, and a long run makes at most
// twenty writes a second for it.
void ConsoleShowProgress(std::string_view Text);

// For the runtime error line itself: appends and flushes, ignoring failure.
void ConsoleWriteQuietly(std::string_view Text);

// Tests: collect console output in Target instead of standard output;
// nullptr goes back to standard output.
void ConsoleCaptureInto(std::string* Target);

// Forgets buffered bytes and any earlier failure, and restarts the clock.
void ConsoleReset();
