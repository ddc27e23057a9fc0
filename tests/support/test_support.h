// Helpers shared by the tests: temporary folders, whole-file reads and
// writes, and the two ways of running the tool (in-process and through the
// built binary).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace test {

// A fresh folder, removed with everything in it when the object goes.
struct TempDir {
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  // The absolute path of Name inside the folder.
  std::string File(const std::string& Name) const;
  std::filesystem::path Path;
};

std::string ReadBytes(const std::string& Path);
void WriteBytes(const std::string& Path, const std::string& Bytes);
bool Exists(const std::string& Path);

struct RunResult {
  int Status;
  std::string Console;  // everything written to standard output
};

// A whole run driven in-process; the console is captured.
RunResult RunInProcess(const std::vector<std::string>& Arguments);

// The built tolvane run in WorkDir with Arguments; standard output is
// captured, or sent to StdoutPath when that is not empty.
RunResult RunBinary(const std::vector<std::string>& Arguments, const std::string& WorkDir,
                    const std::string& StdoutPath = "");

// The usage text, byte for byte, as the console shows it.
inline const char UsageText[] =
    "\n"
    "USAGE: TOLVANE SRC DST LANG [H|D|M|S STRING|O OFFSET|X BYTES]\n"
    "Where SRC and DST are source and dest file names\n"
    "LANG is A[sm], C, P[ascal] or B[atch]\n"
    "or PR for Pascal Record or CS for C Structure\n"
    "H or D force output parameters to be Hex or Decimal\n"
    "M Merges size field with token\n"
    "X Sets Address Stride in Bytes\n"
    "O Adds Offset\n"
    "S option appends string to token\n";

// Where the built binary is.
std::string BinaryPath();

}  // namespace test
