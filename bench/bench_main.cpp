// The benchmark: generates the definition files, checks that the measured
// binary writes exactly what the reference binary writes (include file,
// console bytes and exit status), then times every case several times,
// interleaved with `cat` of the same file as the I/O floor, and prints one
// ready-to-paste Markdown table.
//
//   tolvane_bench --tool BIN --reference BIN --work DIR [--mb N] [--runs N]
//                 [--small-runs N] [--label TEXT]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "definition_generator.h"

namespace {

struct Options {
  std::string Tool, Reference, Work, Label;
  std::uint64_t BigBytes = 100'000'000;
  int Runs = 5;        // runs of every case on the large files
  int SmallRuns = 21;  // runs on the 1 KB file and on the table file
};

[[noreturn]] void Fail(const std::string& Message) {
  std::fprintf(stderr, "tolvane_bench: %s\n", Message.c_str());
  std::exit(1);
}

struct Outcome {
  int Status = -1;
  double Seconds = 0;
  long PeakKiB = 0;
};

// Runs Program with Arguments, standard output into StdoutPath, and measures
// the wall time from fork to reaped exit and the child's peak resident set.
// fork rather than posix_spawn: a vfork-style child shares this process's
// memory until exec, and the kernel would count this process's peak as the
// child's.
Outcome Run(const std::string& Program, const std::vector<std::string>& Arguments,
            const std::string& StdoutPath) {
  std::vector<char*> Argv;
  Argv.push_back(const_cast<char*>(Program.c_str()));
  for (const std::string& A : Arguments) Argv.push_back(const_cast<char*>(A.c_str()));
  Argv.push_back(nullptr);

  timespec Start{}, End{};
  clock_gettime(CLOCK_MONOTONIC, &Start);
  pid_t Child = fork();
  if (Child < 0) Fail("fork failed");
  if (Child == 0) {
    int Out = open(StdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int In = open("/dev/null", O_RDONLY);
    if (Out < 0 || In < 0) _exit(127);
    dup2(Out, 1);
    dup2(In, 0);
    close(Out);
    close(In);
    execv(Program.c_str(), Argv.data());
    _exit(127);
  }
  int WaitStatus = 0;
  rusage Usage{};
  while (wait4(Child, &WaitStatus, 0, &Usage) < 0)
    if (errno != EINTR) Fail("wait4 failed");
  clock_gettime(CLOCK_MONOTONIC, &End);
  Outcome Result;
  Result.Status = WIFEXITED(WaitStatus) ? WEXITSTATUS(WaitStatus) : 128 + WTERMSIG(WaitStatus);
  Result.Seconds = double(End.tv_sec - Start.tv_sec) + double(End.tv_nsec - Start.tv_nsec) / 1e9;
  Result.PeakKiB = Usage.ru_maxrss;
  return Result;
}

// Byte-for-byte comparison, in blocks, so that the comparison itself stays
// small; returns the offset of the first difference or -1.
long long FirstDifference(const std::string& A, const std::string& B) {
  static char BufferA[1 << 16], BufferB[1 << 16];
  std::FILE* FileA = std::fopen(A.c_str(), "rb");
  std::FILE* FileB = std::fopen(B.c_str(), "rb");
  if (!FileA || !FileB) Fail("cannot read " + (FileA ? B : A));
  long long Offset = 0, Difference = -1;
  for (;;) {
    std::size_t CountA = std::fread(BufferA, 1, sizeof BufferA, FileA);
    std::size_t CountB = std::fread(BufferB, 1, sizeof BufferB, FileB);
    std::size_t Common = std::min(CountA, CountB);
    for (std::size_t I = 0; I < Common; ++I)
      if (BufferA[I] != BufferB[I]) {
        Difference = Offset + static_cast<long long>(I);
        break;
      }
    if (Difference >= 0) break;
    if (CountA != CountB) {
      Difference = Offset + static_cast<long long>(Common);
      break;
    }
    if (CountA == 0) break;
    Offset += static_cast<long long>(CountA);
  }
  std::fclose(FileA);
  std::fclose(FileB);
  return Difference;
}

struct DefinitionFile {
  std::string Key;          // short name in the table
  std::string Description;  // what it is
  GeneratorSettings Settings;
  std::string Path;
  GeneratorTotals Totals;
};

struct Case {
  DefinitionFile* File;
  std::string Language;  // empty for cat
  std::vector<double> Seconds;
  long PeakKiB = 0;
  double Median = 0;
};

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  std::size_t N = Values.size();
  return N % 2 ? Values[N / 2] : (Values[N / 2 - 1] + Values[N / 2]) / 2;
}

std::string CaseName(const Case& C) { return C.Language.empty() ? "cat" : C.Language; }

std::string Output(const Options& Opt, const std::string& What) { return Opt.Work + "/" + What; }

// One run of a case into the work folder; the include file and the console
// bytes go to Prefix.out and Prefix.console.
// Every run writes a new file: the last run's output is removed first,
// outside the timing, so that no run pays for truncating another's.
Outcome RunCase(const Options& Opt, const std::string& Binary, const Case& C,
                const std::string& Prefix) {
  const std::string Out = Output(Opt, Prefix + ".out");
  const std::string Console = Output(Opt, Prefix + ".console");
  std::remove(Out.c_str());
  std::remove(Console.c_str());
  if (C.Language.empty()) return Run("/bin/cat", {C.File->Path}, Out);
  return Run(Binary, {C.File->Path, Out, C.Language}, Console);
}

// The reference writes each case once; the measured binary must write the
// same include file and the same console bytes, with the same status.
void CheckAgainstReference(const Options& Opt, const Case& C) {
  if (C.Language.empty()) return;
  Outcome Ref = RunCase(Opt, Opt.Reference, C, "reference");
  Outcome Own = RunCase(Opt, Opt.Tool, C, "measured");
  const std::string What = C.File->Key + " " + C.Language;
  if (Ref.Status != 0) Fail(What + ": the reference ended with status " + std::to_string(Ref.Status));
  if (Own.Status != Ref.Status) Fail(What + ": status " + std::to_string(Own.Status));
  for (const char* Kind : {".out", ".console"}) {
    long long At = FirstDifference(Output(Opt, std::string("reference") + Kind),
                                   Output(Opt, std::string("measured") + Kind));
    if (At >= 0)
      Fail(What + ": " + (Kind[1] == 'o' ? "include file" : "console output") +
           " differs from the reference at byte " + std::to_string(At));
  }
  std::remove(Output(Opt, "reference.out").c_str());
  std::remove(Output(Opt, "reference.console").c_str());
}

std::string Trim(std::string Text) {
  while (!Text.empty() && (Text.back() == '\n' || Text.back() == ' ')) Text.pop_back();
  std::size_t First = Text.find_first_not_of(' ');
  return First == std::string::npos ? "" : Text.substr(First);
}

std::string CpuModel() {
  std::FILE* Info = std::fopen("/proc/cpuinfo", "r");
  if (!Info) return "unknown CPU";
  char Line[512];
  std::string Model = "unknown CPU";
  while (std::fgets(Line, sizeof Line, Info))
    if (std::strncmp(Line, "model name", 10) == 0 && std::strchr(Line, ':')) {
      Model = Trim(std::strchr(Line, ':') + 1);
      break;
    }
  std::fclose(Info);
  return Model;
}

std::string Size(std::uint64_t Bytes) {
  char Text[64];
  if (Bytes >= 1'000'000)
    std::snprintf(Text, sizeof Text, "%.1f MB", double(Bytes) / 1e6);
  else
    std::snprintf(Text, sizeof Text, "%.1f KB", double(Bytes) / 1e3);
  return Text;
}

std::string Seconds(double S) {
  char Text[64];
  if (S >= 1)
    std::snprintf(Text, sizeof Text, "%.3f s", S);
  else
    std::snprintf(Text, sizeof Text, "%.2f ms", S * 1e3);
  return Text;
}

Options ParseOptions(int Count, char** Arguments) {
  Options Opt;
  for (int I = 1; I < Count; ++I) {
    std::string Name = Arguments[I];
    if (I + 1 >= Count) Fail("missing value after " + Name);
    std::string Value = Arguments[++I];
    if (Name == "--tool") Opt.Tool = Value;
    else if (Name == "--reference") Opt.Reference = Value;
    else if (Name == "--work") Opt.Work = Value;
    else if (Name == "--label") Opt.Label = Value;
    else if (Name == "--mb") Opt.BigBytes = std::strtoull(Value.c_str(), nullptr, 10) * 1'000'000;
    else if (Name == "--runs") Opt.Runs = std::atoi(Value.c_str());
    else if (Name == "--small-runs") Opt.SmallRuns = std::atoi(Value.c_str());
    else Fail("unknown option " + Name);
  }
  if (Opt.Tool.empty() || Opt.Reference.empty() || Opt.Work.empty())
    Fail("usage: tolvane_bench --tool BIN --reference BIN --work DIR [--mb N] [--runs N] "
         "[--small-runs N] [--label TEXT]");
  if (Opt.Runs < 1 || Opt.SmallRuns < 1 || Opt.BigBytes == 0) Fail("bad --mb or --runs");
  return Opt;
}

}  // namespace

int main(int Count, char** Arguments) {
  const Options Opt = ParseOptions(Count, Arguments);
  mkdir(Opt.Work.c_str(), 0755);

  // The row counter of the two table languages is 16-bit: their files hold
  // at most 32767 typed entries. "table" is a realistic file that ends at the
  // limit; "table-large" goes on past it with untyped lines to the large size.
  const std::uint32_t RowLimit = 32767;
  std::vector<DefinitionFile> Files = {
      {"large", "every kind of line", {Opt.BigBytes, 0, false, 0x70C0FFEE}, "", {}},
      {"1 KB", "the same mix, 1 KB", {1024, 0, false, 0x70C0FFEE}, "", {}},
      {"table", "ends at 32767 typed entries", {0, RowLimit, true, 0x7AB1E}, "", {}},
      {"table-large", "32767 typed entries, then untyped lines", {Opt.BigBytes, RowLimit, false, 0x7AB1E}, "", {}},
  };
  for (DefinitionFile& F : Files) {
    F.Path = Opt.Work + "/" + (F.Key == "1 KB" ? std::string("small") : F.Key) + ".def";
    std::FILE* Out = std::fopen(F.Path.c_str(), "wb");
    if (!Out) Fail("cannot create " + F.Path);
    F.Totals = GenerateDefinitions(F.Settings, Out);
    if (std::fclose(Out) != 0) Fail("cannot write " + F.Path);
  }
  DefinitionFile& Large = Files[0];
  DefinitionFile& Small = Files[1];
  DefinitionFile& Table = Files[2];
  DefinitionFile& TableLarge = Files[3];
  Large.Key = Size(Large.Totals.Bytes);
  TableLarge.Key = "table " + Size(TableLarge.Totals.Bytes);
  Table.Key = "table " + Size(Table.Totals.Bytes);

  std::vector<Case> Cases;
  auto Add = [&](DefinitionFile& F, std::vector<std::string> Languages) {
    for (std::string& L : Languages) Cases.push_back(Case{&F, L, {}, 0, 0});
  };
  Add(Large, {"", "C", "P", "A", "B"});
  Add(Small, {"", "C", "P", "A", "B", "PR", "CS"});
  Add(Table, {"", "C", "PR", "CS"});
  Add(TableLarge, {"", "C", "PR", "CS"});

  std::fprintf(stderr, "checking the outputs against the reference...\n");
  for (const Case& C : Cases) CheckAgainstReference(Opt, C);

  // Interleaved: every round runs each case of a file once, cat included, so
  // that a slow moment of the machine falls on all of them alike.
  for (DefinitionFile& F : Files) {
    const int Rounds = F.Totals.Bytes >= 10'000'000 ? Opt.Runs : Opt.SmallRuns;
    std::fprintf(stderr, "timing %s: %d rounds\n", F.Key.c_str(), Rounds);
    for (int Round = 0; Round < Rounds; ++Round)
      for (Case& C : Cases) {
        if (C.File != &F) continue;
        Outcome O = RunCase(Opt, Opt.Tool, C, "measured");
        if (O.Status != 0) Fail(F.Key + " " + CaseName(C) + ": status " + std::to_string(O.Status));
        C.Seconds.push_back(O.Seconds);
        C.PeakKiB = std::max(C.PeakKiB, O.PeakKiB);
      }
  }
  for (Case& C : Cases) C.Median = Median(C.Seconds);
  for (const char* Name : {"measured.out", "measured.console"}) std::remove(Output(Opt, Name).c_str());

  auto Find = [&](const DefinitionFile& F, const std::string& Language) -> const Case& {
    for (const Case& C : Cases)
      if (C.File == &F && C.Language == Language) return C;
    Fail("no case");
  };

  utsname Machine{};
  uname(&Machine);
  std::printf("Machine: %s, %u cores, Linux %s, %s; Release build (g++ %s).%s%s\n\n",
              CpuModel().c_str(), std::thread::hardware_concurrency(), Machine.release,
              Machine.machine, __VERSION__, Opt.Label.empty() ? "" : " ", Opt.Label.c_str());
  std::printf("Files: %s of %llu lines (%llu typed entries); 1 KB: %llu bytes; table: %s, "
              "%llu lines, %llu typed entries; table-large: %s, %llu typed entries, then untyped.\n",
              Size(Large.Totals.Bytes).c_str(), (unsigned long long)Large.Totals.Lines,
              (unsigned long long)Large.Totals.TypedEntries, (unsigned long long)Small.Totals.Bytes,
              Size(Table.Totals.Bytes).c_str(), (unsigned long long)Table.Totals.Lines,
              (unsigned long long)Table.Totals.TypedEntries, Size(TableLarge.Totals.Bytes).c_str(),
              (unsigned long long)TableLarge.Totals.TypedEntries);
  std::printf("Medians of %d runs on the large files and %d on the small ones, cat interleaved.\n\n",
              Opt.Runs, Opt.SmallRuns);
  std::printf("| file | program | median wall | MB/s of input | x cat | x C | peak RSS |\n");
  std::printf("|---|---|---:|---:|---:|---:|---:|\n");
  for (const Case& C : Cases) {
    const Case& Cat = Find(*C.File, "");
    const Case& CTime = Find(*C.File, "C");
    char Rate[32], ToCat[32], ToC[32];
    const double MegabytesPerSecond = double(C.File->Totals.Bytes) / 1e6 / C.Median;
    std::snprintf(Rate, sizeof Rate, MegabytesPerSecond < 10 ? "%.2f" : "%.0f", MegabytesPerSecond);
    std::snprintf(ToCat, sizeof ToCat, "%.2f", C.Median / Cat.Median);
    std::snprintf(ToC, sizeof ToC, "%.2f", C.Median / CTime.Median);
    std::printf("| %s | %s | %s | %s | %s | %s | %ld KiB |\n", C.File->Key.c_str(),
                C.Language.empty() ? "cat" : ("tolvane " + C.Language).c_str(),
                Seconds(C.Median).c_str(), Rate, C.Language.empty() ? "1" : ToCat,
                C.Language.empty() ? "" : ToC, C.PeakKiB);
  }

  std::printf("\nTargets:\n\n");
  bool AllMet = true;
  auto Ratio = [&](const std::string& What, double Value, double Limit) {
    const bool Met = Value <= Limit;
    AllMet = AllMet && Met;
    std::printf("- %s: %.2fx (target at most %.1fx): %s\n", What.c_str(), Value, Limit,
                Met ? "met" : "NOT MET");
  };
  auto Memory = [&](const std::string& What, long Difference) {
    const bool Met = Difference <= 256;
    AllMet = AllMet && Met;
    std::printf("- %s: %+ld KiB (target at most +256 KiB): %s\n", What.c_str(), Difference,
                Met ? "met" : "NOT MET");
  };
  Ratio("C on " + Large.Key + " against cat", Find(Large, "C").Median / Find(Large, "").Median, 10);
  for (const char* L : {"PR", "CS"})
    Ratio(std::string(L) + " against C on " + Table.Key,
          Find(Table, L).Median / Find(Table, "C").Median, 2.2);
  for (const char* L : {"C", "P", "A", "B"})
    Memory(std::string("peak RSS of ") + L + ", " + Large.Key + " less 1 KB",
           Find(Large, L).PeakKiB - Find(Small, L).PeakKiB);
  for (const char* L : {"PR", "CS"})
    Memory(std::string("peak RSS of ") + L + ", " + TableLarge.Key + " less 1 KB",
           Find(TableLarge, L).PeakKiB - Find(Small, L).PeakKiB);
  std::printf("\nReproduce: bench/run%s\n", Opt.BigBytes == 100'000'000 ? "" : " (with other sizes)");
  for (const DefinitionFile& F : Files) std::remove(F.Path.c_str());
  // A target missed is a finding, not a failure: only a wrong output fails.
  if (!AllMet) std::fprintf(stderr, "tolvane_bench: some targets were not met\n");
  return 0;
}
