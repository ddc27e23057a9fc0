// Faults through the built binary: files that cannot be written, read or
// opened, two names for one file, and command lines that are refused. Each
// case checks the exact standard output, the exit status and what is left
// in the working folder afterwards.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/run_end.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

const char* const Languages[] = {"P", "PR", "C", "CS", "A", "B"};

const std::string Definitions =
    "; a small register map\n"
    "BASE 1000H %const base\n"
    "CTRL $ %BYTE control\n"
    "BAUD $ %WORD divisor\n";

std::string RuntimeErrorText(int Number, const std::string& Place) {
  char Code[9];
  std::snprintf(Code, sizeof Code, "%08X", static_cast<unsigned>(PlaceCode(Place)));
  return "Runtime error " + std::to_string(Number) + " at $" + Code + "\n  in " + Place + "\n";
}

std::string FatalText(const std::string& Message) { return "\n" + Message + "\n"; }

// Everything in a folder: the kind of each entry, the bytes and the time of
// the last change of each file, the target of each symbolic link.
using Snapshot = std::map<std::string, std::string>;

Snapshot Take(const fs::path& Folder) {
  Snapshot Result;
  for (const auto& Entry : fs::recursive_directory_iterator(Folder)) {
    const std::string Name = fs::relative(Entry.path(), Folder).string();
    if (Entry.is_symlink()) {
      Result[Name] = "link " + fs::read_symlink(Entry.path()).string();
    } else if (Entry.is_directory()) {
      Result[Name] = "folder";
    } else {
      const auto Changed = fs::last_write_time(Entry.path()).time_since_epoch().count();
      Result[Name] = "file " + std::to_string(Changed) + " " + test::ReadBytes(Entry.path().string());
    }
  }
  return Result;
}

// Lines of CR LF text, each with its line end.
std::vector<std::string> LinesOf(const std::string& Text) {
  std::vector<std::string> Lines;
  for (std::size_t Start = 0; Start < Text.size();) {
    std::size_t End = Text.find("\r\n", Start);
    End = End == std::string::npos ? Text.size() : End + 2;
    Lines.push_back(Text.substr(Start, End - Start));
    Start = End;
  }
  return Lines;
}

std::string ProgressUpTo(long Lines) {
  std::string Text;
  for (long Count = 10; Count <= Lines; Count += 10)
    Text += "SourceLine " + std::to_string(Count) + "\r";
  return Text;
}

// A definition file of Count lines, each yielding one include line.
std::string ManyLines(long Count) {
  std::string Text = "FIRST 0 %WORD\n";
  for (long I = 1; I < Count; ++I) Text += "ENTRY_" + std::to_string(I) + " $ %WORD a remark\n";
  return Text;
}

TEST(Faults, IncludeFileOnAFullDeviceEndsWithWriteError101) {
  for (const char* Language : Languages) {
    SCOPED_TRACE(Language);
    test::TempDir Dir;
    test::WriteBytes(Dir.File("defs.txt"), Definitions);
    const Snapshot Before = Take(Dir.Path);
    test::RunResult Run = test::RunBinary({"defs.txt", "/dev/full", Language}, Dir.Path.string());
    EXPECT_EQ(Run.Status, 101);
    // Everything fits the include buffer: the write fails when it is closed.
    EXPECT_EQ(Run.Console, RuntimeErrorText(101, "CloseFiles"));
    EXPECT_EQ(Take(Dir.Path), Before);
  }
}

TEST(Faults, IncludeFileOnAFullDeviceFailsAtTheLineThatFillsTheBuffer) {
  test::TempDir Dir;
  const long Count = 3000;  // about 240 kB of include lines
  test::WriteBytes(Dir.File("defs.txt"), ManyLines(Count));
  ASSERT_EQ(test::RunBinary({"defs.txt", "full.h", "C"}, Dir.Path.string()).Status, 0);
  const std::vector<std::string> Lines = LinesOf(test::ReadBytes(Dir.File("full.h")));
  ASSERT_EQ(static_cast<long>(Lines.size()), Count);
  fs::remove(Dir.File("full.h"));

  // The line whose end no longer fits the first buffer load is the one whose
  // write meets the full device.
  long Failing = 0;
  std::size_t Bytes = 0;
  while (Bytes + Lines[Failing].size() <= 65536) Bytes += Lines[Failing++].size();
  ++Failing;  // counted from 1, as the progress display counts

  const Snapshot Before = Take(Dir.Path);
  test::RunResult Run = test::RunBinary({"defs.txt", "/dev/full", "C"}, Dir.Path.string());
  EXPECT_EQ(Run.Status, 101);
  EXPECT_EQ(Run.Console, ProgressUpTo(Failing) + RuntimeErrorText(101, "EmitLine"));
  EXPECT_EQ(Take(Dir.Path), Before);
}

TEST(Faults, ConsoleOnAFullDeviceEndsWithWriteError101) {
  struct Row {
    long Lines;
    const char* Language;
  };
  // 25 lines in two passes: the progress display fails at a timed flush or at
  // the end. 50000 lines: the console buffer fills long before the end.
  for (const Row& R : {Row{25, "CS"}, Row{25, "P"}, Row{50000, "C"}}) {
    SCOPED_TRACE(R.Lines);
    test::TempDir Dir;
    const std::string Source = ManyLines(R.Lines);
    test::WriteBytes(Dir.File("defs.txt"), Source);
    ASSERT_EQ(test::RunBinary({"defs.txt", "full.h", R.Language}, Dir.Path.string()).Status, 0);
    const std::string Complete = test::ReadBytes(Dir.File("full.h"));

    test::RunResult Run =
        test::RunBinary({"defs.txt", "out.h", R.Language}, Dir.Path.string(), "/dev/full");
    EXPECT_EQ(Run.Status, 101);
    EXPECT_EQ(test::ReadBytes(Dir.File("defs.txt")), Source);
    // The include file holds whole lines, as far as the run came.
    const std::string Left = test::ReadBytes(Dir.File("out.h"));
    EXPECT_EQ(Complete.compare(0, Left.size(), Left), 0);
    EXPECT_TRUE(Left.empty() || Left.ends_with("\r\n"));
    if (R.Lines == 50000) {
      EXPECT_LT(Left.size(), Complete.size());
    }
  }
}

TEST(Faults, DefinitionFileThatCannotBeOpenedTouchesNoIncludeFile) {
  struct Row {
    const char* Source;
    bool IncludeExists;
  };
  for (const Row& R : {Row{"missing.txt", false}, Row{"missing.txt", true}, Row{"folder", false},
                       Row{"folder", true}}) {
    SCOPED_TRACE(std::string(R.Source) + (R.IncludeExists ? " over an include file" : ""));
    test::TempDir Dir;
    fs::create_directory(Dir.File("folder"));
    if (R.IncludeExists) test::WriteBytes(Dir.File("out.inc"), "old\r\n");
    const Snapshot Before = Take(Dir.Path);
    test::RunResult Run = test::RunBinary({R.Source, "out.inc", "CS"}, Dir.Path.string());
    EXPECT_EQ(Run.Status, 2);
    EXPECT_EQ(Run.Console, FatalText("Can't open input file"));
    EXPECT_EQ(Take(Dir.Path), Before);
  }
}

// A pipe that holds Bytes and has no writer left, open for reading under a
// descriptor that the tool inherits: "/dev/fd/N" names it, as a process
// substitution of the shell does.
struct FilledPipe {
  explicit FilledPipe(const std::string& Bytes) {
    int Ends[2];
    if (pipe(Ends) != 0) throw std::runtime_error("pipe failed");
    if (write(Ends[1], Bytes.data(), Bytes.size()) != static_cast<ssize_t>(Bytes.size()))
      throw std::runtime_error("pipe write failed");
    close(Ends[1]);
    Read = Ends[0];
  }
  ~FilledPipe() { close(Read); }
  std::string Name() const { return "/dev/fd/" + std::to_string(Read); }
  int Read;
};

// A pipe gives its bytes once. The one-pass languages read it as any file;
// the table languages, which read their input twice, refuse it before the
// include file is created (a second pass would write a table without rows).
TEST(Faults, PipeAsDefinitionFileIsRefusedWhereTwoPassesAreNeeded) {
  test::TempDir Dir;
  for (const char* Language : {"PR", "CS"}) {
    SCOPED_TRACE(Language);
    FilledPipe Pipe(Definitions);
    const Snapshot Before = Take(Dir.Path);
    test::RunResult Run = test::RunBinary({Pipe.Name(), "out.inc", Language}, Dir.Path.string());
    EXPECT_EQ(Run.Status, 2);
    EXPECT_EQ(Run.Console, FatalText("Can't open input file"));
    EXPECT_EQ(Take(Dir.Path), Before);
  }

  test::WriteBytes(Dir.File("defs.txt"), Definitions);
  ASSERT_EQ(test::RunBinary({"defs.txt", "expected.h", "C"}, Dir.Path.string()).Status, 0);
  FilledPipe Pipe(Definitions);
  test::RunResult Run = test::RunBinary({Pipe.Name(), "out.h", "C"}, Dir.Path.string());
  EXPECT_EQ(Run.Status, 0);
  EXPECT_EQ(Run.Console, "");
  EXPECT_EQ(test::ReadBytes(Dir.File("out.h")), test::ReadBytes(Dir.File("expected.h")));
}

TEST(Faults, IncludeFileThatCannotBeCreatedLeavesTheDefinitionFile) {
  for (const char* Include : {"nowhere/out.inc", "folder", "folder/"}) {
    for (const char* Language : {"P", "PR"}) {
      SCOPED_TRACE(std::string(Include) + " " + Language);
      test::TempDir Dir;
      test::WriteBytes(Dir.File("defs.txt"), Definitions);
      fs::create_directory(Dir.File("folder"));
      const Snapshot Before = Take(Dir.Path);
      test::RunResult Run = test::RunBinary({"defs.txt", Include, Language}, Dir.Path.string());
      EXPECT_EQ(Run.Status, 2);
      EXPECT_EQ(Run.Console, FatalText("Can't open output file"));
      EXPECT_EQ(Take(Dir.Path), Before);
    }
  }
}

TEST(Faults, OneFileUnderTwoNamesIsRefusedInEveryLanguage) {
  struct Row {
    const char* Source;
    const char* Include;
  };
  const Row Rows[] = {
      {"defs.txt", "./defs.txt"},      {"./defs.txt", "defs.txt"},
      {"defs.txt", "sub/../defs.txt"}, {"defs.txt", "link.txt"},
      {"link.txt", "defs.txt"},        {"defs.txt", "chain.txt"},
      {"defs.txt", "hard.txt"},        {"hard.txt", "defs.txt"},
      {"defs.txt", "sublink/defs.txt"},
  };
  for (const char* Language : Languages) {
    for (const Row& R : Rows) {
      SCOPED_TRACE(std::string(R.Source) + " " + R.Include + " " + Language);
      test::TempDir Dir;
      test::WriteBytes(Dir.File("defs.txt"), Definitions);
      fs::create_directory(Dir.File("sub"));
      fs::create_symlink("defs.txt", Dir.File("link.txt"));
      fs::create_symlink("link.txt", Dir.File("chain.txt"));
      fs::create_hard_link(Dir.File("defs.txt"), Dir.File("hard.txt"));
      fs::create_directory_symlink(".", Dir.File("sublink"));
      const Snapshot Before = Take(Dir.Path);
      test::RunResult Run = test::RunBinary({R.Source, R.Include, Language}, Dir.Path.string());
      EXPECT_EQ(Run.Status, 2);
      EXPECT_EQ(Run.Console, FatalText("Youse gots to be kiddin"));
      EXPECT_EQ(test::ReadBytes(Dir.File("defs.txt")), Definitions);
      EXPECT_EQ(Take(Dir.Path), Before);
    }
  }
}

TEST(Faults, CommandLineErrorsCreateOrChangeNoFile) {
  const std::string Usage = test::UsageText;
  const std::string Range = RuntimeErrorText(201, "ParseCommandLine");
  struct Row {
    std::vector<std::string> Arguments;
    int Status;
    std::string Console;
  };
  const Row Rows[] = {
      {{}, 2, Usage},
      {{"defs.txt"}, 2, Usage},
      {{"defs.txt", "DEFS.TXT"}, 2, FatalText("Youse gots to be kiddin")},
      {{"defs.txt", "out.inc", "CS", "H", "S"}, 2, FatalText("Suffix?")},
      {{"defs.txt", "out.inc", "P", "S", ""}, 2, FatalText("Suffix?")},
      {{"defs.txt", "out.inc", "PR", "O"}, 2, FatalText("Offset?")},
      {{"defs.txt", "out.inc", "C", "O", ""}, 2, FatalText("Offset?")},
      {{"defs.txt", "out.inc", "A", "O", "10h"}, 2, FatalText("Bad Offset?")},
      {{"defs.txt", "out.inc", "B", "O", "32768"}, 201, Range},
      {{"defs.txt", "out.inc", "CS", "O", "-$8001"}, 201, Range},
      {{"defs.txt", "out.inc", "P", "X"}, 2, FatalText("AddressStride?")},
      {{"defs.txt", "out.inc", "PR", "X", ""}, 2, FatalText("AddressStride?")},
      {{"defs.txt", "out.inc", "C", "X", "$"}, 2, FatalText("Bad AddressStride?")},
      {{"defs.txt", "out.inc", "A", "X", "-32769"}, 201, Range},
      // Found before any file is looked at: a missing definition file or an
      // include folder that does not exist is not reached.
      {{"missing.txt", "out.inc", "C", "O"}, 2, FatalText("Offset?")},
      {{"defs.txt", "nowhere/out.inc", "PR", "X", "0x"}, 2, FatalText("Bad AddressStride?")},
  };
  for (const Row& R : Rows) {
    std::string Trace;
    for (const std::string& Argument : R.Arguments) Trace += "[" + Argument + "]";
    SCOPED_TRACE(Trace);
    test::TempDir Dir;
    test::WriteBytes(Dir.File("defs.txt"), Definitions);
    test::WriteBytes(Dir.File("DEFS.TXT"), "other\r\n");
    test::WriteBytes(Dir.File("out.inc"), "old\r\n");
    const Snapshot Before = Take(Dir.Path);
    test::RunResult Run = test::RunBinary(R.Arguments, Dir.Path.string());
    EXPECT_EQ(Run.Status, R.Status);
    EXPECT_EQ(Run.Console, R.Console);
    EXPECT_EQ(Take(Dir.Path), Before);
  }
}

}  // namespace
