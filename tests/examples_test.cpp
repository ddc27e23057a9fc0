// The shipped example: examples/device.def and what the tool makes of it in
// each of the six languages, checked in beside it. Every file is made again
// here and must match the checked-in one byte for byte, so the examples never
// drift from the tool. After a deliberate change to a writer, regenerate them
// with the commands listed in the README.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/test_support.h"

namespace {

struct ShippedExample {
  const char* File;
  const char* Language;
};

const ShippedExample ShippedExamples[] = {
    {"device.inc", "P"}, {"device_table.inc", "PR"}, {"device.h", "C"},
    {"device_table.h", "CS"}, {"device.asm", "A"}, {"device.bat", "B"},
};

// The first line (1-based) at which two texts differ, with both versions.
std::string FirstDifference(const std::string& Expected, const std::string& Actual) {
  std::istringstream Left(Expected), Right(Actual);
  std::string LeftLine, RightLine;
  for (int Line = 1;; ++Line) {
    bool HasLeft = static_cast<bool>(std::getline(Left, LeftLine));
    bool HasRight = static_cast<bool>(std::getline(Right, RightLine));
    if (!HasLeft && !HasRight) return "same lines, different bytes";
    if (!HasLeft || !HasRight || LeftLine != RightLine)
      return "line " + std::to_string(Line) + ":\n  checked in: " + (HasLeft ? LeftLine : "(none)") +
             "\n  made now:   " + (HasRight ? RightLine : "(none)");
  }
}

TEST(ShippedExamples, EveryLanguageMatchesTheCheckedInFile) {
  const std::string Examples = std::string(TOLVANE_SOURCE_DIR) + "/examples/";
  test::TempDir Dir;
  for (const ShippedExample& Example : ShippedExamples) {
    SCOPED_TRACE(Example.File);
    test::RunResult Run =
        test::RunBinary({Examples + "device.def", Example.File, Example.Language}, Dir.Path.string());
    ASSERT_EQ(Run.Status, 0) << Run.Console;
    const std::string CheckedIn = test::ReadBytes(Examples + Example.File);
    const std::string Made = test::ReadBytes(Dir.File(Example.File));
    EXPECT_TRUE(CheckedIn == Made) << FirstDifference(CheckedIn, Made);
  }
}

}  // namespace
