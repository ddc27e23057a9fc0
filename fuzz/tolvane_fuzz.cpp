// libFuzzer entry: every input is one whole run of the tool, in-process
// (fuzz_case.h describes how the bytes become a command line and a
// definition file). A broken property aborts, so libFuzzer keeps the input.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz_case.h"

namespace {

std::filesystem::path Folder;

void RemoveFolder() {
  std::error_code Ignored;
  std::filesystem::remove_all(Folder, Ignored);
}

// Every run creates and empties files: a memory file system keeps that
// cheap. TMPDIR, when set, is where the folder goes.
std::filesystem::path TempRoot() {
  std::error_code Error;
  if (!std::getenv("TMPDIR") && std::filesystem::is_directory("/dev/shm", Error) &&
      access("/dev/shm", W_OK) == 0)
    return "/dev/shm";
  return std::filesystem::temp_directory_path();
}

// One folder for the whole process, so that parallel fuzzing jobs keep apart.
const std::string& FolderPath() {
  static const std::string Path = [] {
    Folder = TempRoot() / ("tolvane-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(Folder);
    std::atexit(RemoveFolder);
    return Folder.string();
  }();
  return Path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const fuzz::Case C = fuzz::Decode(Data, Size);
  const std::string Problem = fuzz::RunAndCheck(C, FolderPath());
  if (!Problem.empty()) {
    std::fprintf(stderr, "tolvane_fuzz: %s\n", Problem.c_str());
    std::abort();
  }
  return 0;
}
