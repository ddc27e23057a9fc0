#include "fuzz_case.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/console.h"
#include "driver/run.h"

namespace fuzz {

namespace {

std::string ReadFile(const std::string& Path, bool& Exists) {
  std::ifstream In(Path, std::ios::binary);
  Exists = static_cast<bool>(In);
  std::ostringstream Bytes;
  if (Exists) Bytes << In.rdbuf();
  return Bytes.str();
}

bool WriteFile(const std::string& Path, const std::string& Bytes) {
  std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
  Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
  return static_cast<bool>(Out);
}

struct Outcome {
  int Status = 0;
  std::string Console;
  bool IncludeExists = false;
  std::string Include;
  std::string Definition;  // the definition file as the run left it
};

Outcome RunOnce(const Case& C, const std::string& Source, const std::string& Include) {
  Outcome Result;
  std::error_code Ignored;
  std::filesystem::remove(Include, Ignored);
  std::vector<std::string> Arguments{Source, Include};
  Arguments.insert(Arguments.end(), C.Words.begin(), C.Words.end());
  ConsoleCaptureInto(&Result.Console);
  Result.Status = RunTolvane(Arguments);
  ConsoleCaptureInto(nullptr);
  Result.Include = ReadFile(Include, Result.IncludeExists);
  bool SourceExists = false;
  Result.Definition = ReadFile(Source, SourceExists);
  return Result;
}

// Lines the reader takes from the file: each ends at LF, CR or CR LF, a
// Ctrl-Z ends the input, a last line needs no line end.
long CountLines(const std::string& Bytes) {
  long Lines = 0;
  std::size_t At = 0;
  while (At < Bytes.size() && Bytes[At] != 26) {
    ++Lines;
    while (At < Bytes.size() && Bytes[At] != '\n' && Bytes[At] != '\r' && Bytes[At] != 26) ++At;
    if (At == Bytes.size() || Bytes[At] == 26) break;
    if (Bytes[At++] == '\r' && At < Bytes.size() && Bytes[At] == '\n') ++At;
  }
  return Lines;
}

enum class Table { None, Pascal, PascalRecord, CStructure };

// Only the languages that the checks below tell apart.
Table TableOf(const Case& C) {
  if (C.Words.empty() || C.Words[0].empty()) return Table::Pascal;
  std::string Upper;
  for (char Ch : C.Words[0]) Upper += (Ch >= 'a' && Ch <= 'z') ? static_cast<char>(Ch - 32) : Ch;
  if (Upper == "PR") return Table::PascalRecord;
  if (Upper == "CS") return Table::CStructure;
  if (Upper[0] == 'A' || Upper[0] == 'B' || Upper[0] == 'C') return Table::None;
  return Table::Pascal;
}

// Strips the progress displays from the front of Console: "SourceLine "
// and 10, 20, 30 ... each followed by a carriage return. Returns false when
// what is there is not that sequence; Shown is the last count.
bool StripProgress(std::string& Console, long& Shown) {
  Shown = 0;
  for (;;) {
    std::string Next = "SourceLine " + std::to_string(Shown + 10) + "\r";
    if (Console.compare(0, Next.size(), Next) != 0) break;
    Console.erase(0, Next.size());
    Shown += 10;
  }
  return Console.compare(0, 11, "SourceLine ") != 0;
}

bool IsHexDigits(const std::string& Text) {
  if (Text.size() != 8) return false;
  for (char Ch : Text)
    if (!((Ch >= '0' && Ch <= '9') || (Ch >= 'A' && Ch <= 'F'))) return false;
  return true;
}

// The messages that end a run with status 2, and whether they come from the
// command line (before any file is opened).
bool KnownMessage(const std::string& Tail, bool& FromCommandLine) {
  static const char* const CommandLineMessages[] = {
      "\nSuffix?\n", "\nOffset?\n", "\nBad Offset?\n", "\nAddressStride?\n",
      "\nBad AddressStride?\n"};
  static const char* const PassMessages[] = {
      "\nInvalid Parameter Type\n", "FATAL ERROR: Undecipherable Hex Number field\n",
      "\nZero AddressStride?\n"};
  FromCommandLine = true;
  for (const char* Message : CommandLineMessages)
    if (Tail == Message) return true;
  FromCommandLine = false;
  for (const char* Message : PassMessages)
    if (Tail == Message) return true;
  const std::string Alignment = "\nAlignment Error: ";
  return Tail.size() > Alignment.size() && Tail.compare(0, Alignment.size(), Alignment) == 0 &&
         Tail.back() == '\n' && Tail.find('\n', Alignment.size()) == Tail.size() - 1;
}

// "Runtime error N at $XXXXXXXX", a line end, "  in Place" and a line end.
bool RuntimeErrorLines(const std::string& Tail, int Status, std::string& Place) {
  const std::string Lead = "Runtime error " + std::to_string(Status) + " at $";
  if (Tail.compare(0, Lead.size(), Lead) != 0) return false;
  if (Tail.size() < Lead.size() + 14 || !IsHexDigits(Tail.substr(Lead.size(), 8))) return false;
  if (Tail.compare(Lead.size() + 8, 6, "\n  in ") != 0 || Tail.back() != '\n') return false;
  Place = Tail.substr(Lead.size() + 14, Tail.size() - Lead.size() - 15);
  return !Place.empty() && Place.find('\n') == std::string::npos;
}

// Every line ends with CR LF and holds at most 255 bytes. A CR inside a
// line can only come from the command line (the S value is copied as it
// is); a definition line never holds one.
std::string IncludeShape(const std::string& Include, bool CommandLineHoldsCR) {
  std::size_t Start = 0;
  while (Start < Include.size()) {
    std::size_t End = Include.find("\r\n", Start);
    if (End == std::string::npos) return "a last include line without CR LF";
    for (std::size_t At = Start; At < End; ++At)
      if (Include[At] == '\n' || (Include[At] == '\r' && !CommandLineHoldsCR))
        return "a lone CR or LF in the include file";
    if (End - Start > 255) return "an include line longer than 255 bytes";
    Start = End + 2;
  }
  return "";
}

long CountLinesStarting(const std::string& Include, const std::string& Lead) {
  long Count = 0;
  std::size_t Start = 0;
  while (Start < Include.size()) {
    if (Include.compare(Start, Lead.size(), Lead) == 0) ++Count;
    std::size_t End = Include.find("\r\n", Start);
    if (End == std::string::npos) break;
    Start = End + 2;
  }
  return Count;
}

// The number in the header line that begins with Lead, or -1.
long HeaderNumber(const std::string& Include, const std::string& Lead) {
  std::size_t At = Include.find("\r\n" + Lead);
  if (At == std::string::npos) return -1;
  return std::strtol(Include.c_str() + At + 2 + Lead.size(), nullptr, 10);
}

std::string TableRows(const Outcome& Run, Table Kind) {
  if (Kind == Table::Pascal && Run.Include.compare(0, 7, "const\r\n") != 0)
    return "a Pascal include file that does not begin with const";
  if (Kind == Table::PascalRecord) {
    long Rows = CountLinesStarting(Run.Include, "(ParmName : '") +
                CountLinesStarting(Run.Include, "((ParmName : '");
    if (Rows != HeaderNumber(Run.Include, "LastParm = ")) return "Pascal record rows != LastParm";
  }
  if (Kind == Table::CStructure) {
    long Rows = CountLinesStarting(Run.Include, "    { \"");
    if (Rows != HeaderNumber(Run.Include, "#define LASTPARM ")) return "C structure rows != LASTPARM";
    bool Closed = Run.Include.size() >= 5 && Run.Include.compare(Run.Include.size() - 5, 5, "} ;\r\n") == 0;
    if ((Rows > 0) != Closed) return "the C structure initializer is not closed once";
  }
  return "";
}

std::string Check(const Case& C, const Outcome& Run) {
  if (Run.Definition != C.Definition) return "the definition file changed";
  if (Run.Status != 0 && Run.Status != 2 && Run.Status != 201 && Run.Status != 215)
    return "unexpected exit status " + std::to_string(Run.Status);
  bool CommandLineHoldsCR = false;
  for (const std::string& Word : C.Words)
    if (Word.find('\r') != std::string::npos) CommandLineHoldsCR = true;
  if (Run.IncludeExists) {
    std::string Shape = IncludeShape(Run.Include, CommandLineHoldsCR);
    if (!Shape.empty()) return Shape;
  }

  std::string Tail = Run.Console;
  long Shown = 0;
  if (!StripProgress(Tail, Shown)) return "a progress display out of sequence";
  const Table Kind = TableOf(C);
  const long Lines = CountLines(C.Definition);
  const long Passes = (Kind == Table::PascalRecord || Kind == Table::CStructure) ? 2 : 1;
  if (Shown > Lines * Passes) return "more progress displays than lines read";

  bool FromCommandLine = false;
  if (Run.Status == 0) {
    if (!Tail.empty()) return "console output after the progress display on a normal end";
    if (Shown != (Lines * Passes) / 10 * 10) return "progress count does not match the lines";
    if (!Run.IncludeExists) return "no include file after a normal end";
    return TableRows(Run, Kind);
  }
  if (Run.Status == 2) {
    if (Tail.compare(0, 7, "\nUSAGE:") == 0) return "usage text with SRC and DST given";
    if (!KnownMessage(Tail, FromCommandLine)) return "an unknown message for status 2";
  } else {
    std::string Place;
    if (!RuntimeErrorLines(Tail, Run.Status, Place)) return "a malformed runtime error";
    FromCommandLine = Place == "ParseCommandLine";
    if (Run.Status == 201 && Place != "ParseCommandLine" && Place != "WritePascalRecordRow" &&
        Place != "WriteCStructureRow")
      return "runtime error 201 from " + Place;
  }
  if (FromCommandLine && (Run.IncludeExists || Shown != 0))
    return "a command-line error after a file was opened";
  return "";
}

}  // namespace

Case Decode(const std::uint8_t* Data, std::size_t Size) {
  Case Result;
  const std::string Bytes(reinterpret_cast<const char*>(Data), Size);
  std::size_t HeaderEnd = Bytes.find('\n');
  std::string Header = Bytes.substr(0, HeaderEnd);
  if (HeaderEnd != std::string::npos) Result.Definition = Bytes.substr(HeaderEnd + 1);
  if (Header.empty()) return Result;
  std::size_t Start = 0;
  for (;;) {
    std::size_t Bar = Header.find('|', Start);
    Result.Words.push_back(Header.substr(Start, Bar - Start));
    if (Bar == std::string::npos) break;
    Start = Bar + 1;
  }
  return Result;
}

std::string RunAndCheck(const Case& C, const std::string& Folder) {
  const std::string Source = Folder + "/defs.txt";
  const std::string Include = Folder + "/out.inc";
  if (!WriteFile(Source, C.Definition)) return "cannot write " + Source;
  Outcome First = RunOnce(C, Source, Include);
  std::string Problem = Check(C, First);
  if (!Problem.empty()) return Problem;
  Outcome Second = RunOnce(C, Source, Include);
  if (Second.Status != First.Status || Second.Console != First.Console ||
      Second.IncludeExists != First.IncludeExists || Second.Include != First.Include)
    return "a second run of the same case came out differently";
  return "";
}

}  // namespace fuzz
