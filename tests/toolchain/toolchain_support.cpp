#include "toolchain/toolchain_support.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>

namespace toolchain {

std::string FindTool(const std::string& Name) {
  const char* Path = std::getenv("PATH");
  std::istringstream Folders(Path ? Path : "");
  std::string Folder;
  while (std::getline(Folders, Folder, ':')) {
    if (Folder.empty()) continue;
    const std::string Candidate = Folder + "/" + Name;
    if (access(Candidate.c_str(), X_OK) == 0 && !std::filesystem::is_directory(Candidate))
      return Candidate;
  }
  return "";
}

bool ToolchainsRequired() {
  const char* Ci = std::getenv("CI");
  const char* Required = std::getenv("TOLVANE_REQUIRE_TOOLCHAINS");
  return (Ci && std::string(Ci) == "true") ||
         (Required && *Required && std::string(Required) != "0");
}

CommandResult RunCommand(const std::vector<std::string>& Arguments, const std::string& WorkDir) {
  test::TempDir Capture;
  const std::string OutPath = Capture.File("output");
  std::vector<char*> Argv;
  for (const std::string& Argument : Arguments) Argv.push_back(const_cast<char*>(Argument.c_str()));
  Argv.push_back(nullptr);

  pid_t Child = fork();
  if (Child < 0) throw std::runtime_error("fork failed");
  if (Child == 0) {
    int Out = open(OutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int In = open("/dev/null", O_RDONLY);
    if (Out < 0 || In < 0 || dup2(Out, STDOUT_FILENO) < 0 || dup2(Out, STDERR_FILENO) < 0 ||
        dup2(In, STDIN_FILENO) < 0 || chdir(WorkDir.c_str()) != 0)
      _exit(127);
    execv(Argv[0], Argv.data());
    _exit(127);
  }
  int WaitStatus = 0;
  waitpid(Child, &WaitStatus, 0);
  return CommandResult{WIFEXITED(WaitStatus) ? WEXITSTATUS(WaitStatus) : 128 + WTERMSIG(WaitStatus),
                       test::ReadBytes(OutPath)};
}

bool MakeInclude(const test::TempDir& Dir, const std::string& Definition,
                 const std::string& IncludeName, const std::string& Language,
                 const std::vector<std::string>& Options) {
  test::WriteBytes(Dir.File("defs.txt"), Definition);
  std::vector<std::string> Arguments{"defs.txt", IncludeName, Language};
  Arguments.insert(Arguments.end(), Options.begin(), Options.end());
  test::RunResult Run = test::RunBinary(Arguments, Dir.Path.string());
  EXPECT_EQ(Run.Status, 0) << "tolvane " << Language << ": " << Run.Console;
  return Run.Status == 0;
}

std::vector<std::int32_t> LittleEndianWords(const std::string& Bytes) {
  std::vector<std::int32_t> Words;
  for (std::size_t At = 0; At + 4 <= Bytes.size(); At += 4) {
    std::uint32_t Word = 0;
    for (int Byte = 3; Byte >= 0; --Byte)
      Word = (Word << 8) | static_cast<unsigned char>(Bytes[At + static_cast<std::size_t>(Byte)]);
    Words.push_back(static_cast<std::int32_t>(Word));
  }
  return Words;
}

std::string Lowercase(std::string Text) {
  for (char& C : Text) C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
  return Text;
}

std::string Uppercase(std::string Text) {
  for (char& C : Text) C = static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
  return Text;
}

}  // namespace toolchain
