#include "support/test_support.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "common/console.h"
#include "driver/run.h"

namespace test {

TempDir::TempDir() {
  std::random_device Seed;
  std::mt19937_64 Random(Seed());
  for (int Attempt = 0; Attempt < 100; ++Attempt) {
    Path = std::filesystem::temp_directory_path() / ("tolvane-test-" + std::to_string(Random()));
    if (std::filesystem::create_directory(Path)) return;
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
  std::error_code Ignored;
  std::filesystem::remove_all(Path, Ignored);
}

std::string TempDir::File(const std::string& Name) const { return (Path / Name).string(); }

std::string ReadBytes(const std::string& Path) {
  std::ifstream In(Path, std::ios::binary);
  if (!In) throw std::runtime_error("cannot read " + Path);
  std::ostringstream Bytes;
  Bytes << In.rdbuf();
  return Bytes.str();
}

void WriteBytes(const std::string& Path, const std::string& Bytes) {
  std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
  Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
  if (!Out) throw std::runtime_error("cannot write " + Path);
}

bool Exists(const std::string& Path) {
  std::error_code Ignored;
  return std::filesystem::exists(std::filesystem::symlink_status(Path, Ignored));
}

RunResult RunInProcess(const std::vector<std::string>& Arguments) {
  RunResult Result{0, ""};
  ConsoleCaptureInto(&Result.Console);
  Result.Status = RunTolvane(Arguments);
  ConsoleCaptureInto(nullptr);
  return Result;
}

std::string BinaryPath() { return TOLVANE_BINARY; }

RunResult RunBinary(const std::vector<std::string>& Arguments, const std::string& WorkDir,
                    const std::string& StdoutPath) {
  TempDir Capture;
  const std::string OutPath = StdoutPath.empty() ? Capture.File("stdout") : StdoutPath;
  const std::string Binary = BinaryPath();
  std::vector<char*> Argv;
  Argv.push_back(const_cast<char*>(Binary.c_str()));
  for (const std::string& Argument : Arguments) Argv.push_back(const_cast<char*>(Argument.c_str()));
  Argv.push_back(nullptr);

  pid_t Child = fork();
  if (Child < 0) throw std::runtime_error("fork failed");
  if (Child == 0) {
    int Out = open(OutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (Out < 0 || dup2(Out, STDOUT_FILENO) < 0 || chdir(WorkDir.c_str()) != 0) _exit(127);
    execv(Binary.c_str(), Argv.data());
    _exit(127);
  }
  int WaitStatus = 0;
  waitpid(Child, &WaitStatus, 0);
  RunResult Result{WIFEXITED(WaitStatus) ? WEXITSTATUS(WaitStatus) : 128 + WTERMSIG(WaitStatus), ""};
  if (StdoutPath.empty()) Result.Console = ReadBytes(OutPath);
  return Result;
}

}  // namespace test
