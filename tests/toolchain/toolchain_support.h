// Shared by the toolchain tests: finding a compiler, running it, and making
// include files with the built tool for it to read.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace toolchain {

// The full path of Name found on PATH, or empty when it is not installed.
std::string FindTool(const std::string& Name);

// True in CI, where a missing compiler fails the test instead of skipping
// it: CI=true, or TOLVANE_REQUIRE_TOOLCHAINS set to anything but 0.
bool ToolchainsRequired();

struct CommandResult {
  int Status;
  std::string Output;  // standard output and standard error together
};

// Runs Arguments (the program first, by full path) in WorkDir.
CommandResult RunCommand(const std::vector<std::string>& Arguments, const std::string& WorkDir);

// Writes Definition to Dir as "defs.txt" and runs the tool on it with the
// language word and options; the include file is Dir/IncludeName. Returns
// false, with a test failure, when the run does not succeed.
bool MakeInclude(const test::TempDir& Dir, const std::string& Definition,
                 const std::string& IncludeName, const std::string& Language,
                 const std::vector<std::string>& Options = {});

// The 32-bit little-endian words of Bytes (a length not a multiple of 4
// leaves its tail out).
std::vector<std::int32_t> LittleEndianWords(const std::string& Bytes);

std::string Lowercase(std::string Text);
std::string Uppercase(std::string Text);

}  // namespace toolchain

// Declares Path as the full path of the tool Name. When it is missing, the
// test fails in CI and is skipped, saying so, everywhere else.
#define TOLVANE_REQUIRE_TOOL(Path, Name, Package)                                       \
  const std::string Path = ::toolchain::FindTool(Name);                                 \
  if (Path.empty()) {                                                                   \
    if (::toolchain::ToolchainsRequired())                                              \
      FAIL() << Name << " is not installed (Debian package " << Package                 \
             << "); in CI every toolchain test must run";                               \
    GTEST_SKIP() << Name << " is not installed (Debian package " << Package             \
                 << "): skipped; .ci/run installs it";                                  \
  }
