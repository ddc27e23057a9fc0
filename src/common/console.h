// The console: standard output, written through one buffer so that the bytes
// keep their order. The buffer is flushed when it fills, at a bounded rate
// while the progress display runs on a terminal, and at the end of a run.
#pragma once

#include <string>
#include <string_view>

// Appends Text; a failed flush ends the run with runtime error 101.
void ConsoleWrite(std::string_view Text);

// Writes everything buffered; a failure ends the run with runtime error 101.
void ConsoleFlush();

// Appends a progress text. On a terminal (and into a capture) it also
// flushes when the last flush is at least ConsoleFlushInterval old, so that
// a person sees the count move; elsewhere the text waits in the buffer.
void ConsoleShowProgress(std::string_view Text);

// For the runtime error line itself: appends and flushes, ignoring failure.
void ConsoleWriteQuietly(std::string_view Text);

// Tests: collect console output in Target instead of standard output;
// nullptr goes back to standard output.
void ConsoleCaptureInto(std::string* Target);

// Forgets buffered bytes and any earlier failure, and restarts the clock.
void ConsoleReset();
