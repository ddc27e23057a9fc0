#include "common/console.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "common/run_end.h"

namespace {

constexpr std::size_t ConsoleBufferSize = 1 << 16;
constexpr auto ConsoleFlushInterval = std::chrono::milliseconds(50);

struct ConsoleRecord {
  char Buffer[ConsoleBufferSize];
  std::size_t Used = 0;
  bool Failed = false;  // once a write failed, nothing more is attempted
  std::string* Capture = nullptr;
  std::chrono::steady_clock::time_point LastFlush = std::chrono::steady_clock::now();
};

ConsoleRecord Console;

// Writes the buffer out; false when standard output refused it.
bool WriteBuffer() {
  std::size_t Count = Console.Used;
  Console.Used = 0;
  Console.LastFlush = std::chrono::steady_clock::now();
  if (Console.Failed) return false;
  if (Console.Capture) {
    Console.Capture->append(Console.Buffer, Count);
    return true;
  }
  if ((Count > 0 && std::fwrite(Console.Buffer, 1, Count, stdout) != Count) ||
      std::fflush(stdout) != 0) {
    Console.Failed = true;
    std::clearerr(stdout);
    return false;
  }
  return true;
}

// Appends Text, writing the buffer out whenever it fills; false when a write
// failed (the rest of Text is then dropped).
bool Put(std::string_view Text) {
  while (!Text.empty()) {
    if (Console.Used == ConsoleBufferSize && !WriteBuffer()) return false;
    std::size_t Count = std::min(Text.size(), ConsoleBufferSize - Console.Used);
    std::memcpy(Console.Buffer + Console.Used, Text.data(), Count);
    Console.Used += Count;
    Text.remove_prefix(Count);
  }
  return true;
}

}  // namespace

void ConsoleWrite(std::string_view Text) {
  if (!Put(Text)) RuntimeError(ExitWriteError, "ConsoleWrite");
}

void ConsoleFlush() {
  if (!WriteBuffer()) RuntimeError(ExitWriteError, "ConsoleFlush");
}

void ConsoleShowProgress(std::string_view Text) {
  ConsoleWrite(Text);
  if (std::chrono::steady_clock::now() - Console.LastFlush >= ConsoleFlushInterval)
    ConsoleFlush();
}

void ConsoleWriteQuietly(std::string_view Text) {
  if (Put(Text)) WriteBuffer();
}

void ConsoleCaptureInto(std::string* Target) { Console.Capture = Target; }

void ConsoleReset() {
  Console.Used = 0;
  Console.Failed = false;
  // The buffer is made resident now rather than page by page as the count
  // grows, so that a run's memory is the same for a file of any size.
  std::memset(Console.Buffer, 0, sizeof Console.Buffer);
  Console.LastFlush = std::chrono::steady_clock::now();
}
