// The committed fuzz inputs, replayed in every build (the sanitizer build
// included): each one must keep the properties that the fuzz target checks.
// fuzz/regressions holds the inputs of past findings.
#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz_case.h"
#include "support/test_support.h"

namespace {

void ReplayFolder(const std::string& Name, std::size_t AtLeast) {
  const std::filesystem::path Folder = std::filesystem::path(TOLVANE_SOURCE_DIR) / "fuzz" / Name;
  if (!std::filesystem::is_directory(Folder)) {
    EXPECT_EQ(AtLeast, 0u) << Folder << " is missing";
    return;
  }
  test::TempDir Dir;
  std::size_t Count = 0;
  for (const auto& Entry : std::filesystem::directory_iterator(Folder)) {
    if (!Entry.is_regular_file()) continue;
    const std::string Bytes = test::ReadBytes(Entry.path().string());
    const fuzz::Case C =
        fuzz::Decode(reinterpret_cast<const std::uint8_t*>(Bytes.data()), Bytes.size());
    EXPECT_EQ(fuzz::RunAndCheck(C, Dir.Path.string()), "") << Entry.path();
    ++Count;
  }
  EXPECT_GE(Count, AtLeast) << Folder;
}

fuzz::Case DecodeText(const std::string& Bytes) {
  return fuzz::Decode(reinterpret_cast<const std::uint8_t*>(Bytes.data()), Bytes.size());
}

TEST(FuzzCorpus, InputBytesSplitIntoCommandLineAndDefinitionFile) {
  struct Row {
    std::string Bytes;
    std::vector<std::string> Words;
    std::string Definition;
  };
  const Row Rows[] = {
      {"", {}, ""},
      {"\nA 1\n", {}, "A 1\n"},
      {"CS|H|X|-2\nA 1\r\nB $\n", {"CS", "H", "X", "-2"}, "A 1\r\nB $\n"},
      {"P|S||O|0\n", {"P", "S", "", "O", "0"}, ""},
      {"|", {"", ""}, ""},
      {"C|X", {"C", "X"}, ""},  // no LF: all command line
  };
  for (const Row& R : Rows) {
    const fuzz::Case C = DecodeText(R.Bytes);
    EXPECT_EQ(C.Words, R.Words) << R.Bytes;
    EXPECT_EQ(C.Definition, R.Definition) << R.Bytes;
  }
}

TEST(FuzzCorpus, EverySeedKeepsTheRunProperties) { ReplayFolder("corpus", 20); }

TEST(FuzzCorpus, EveryPastFindingStaysFixed) { ReplayFolder("regressions", 0); }

}  // namespace
