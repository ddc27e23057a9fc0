#include "driver/options.h"

#include <cstdint>

#include "common/console.h"
#include "common/guarded.h"
#include "common/records.h"
#include "common/run_end.h"
#include "definitions/number_syntax.h"
#include "driver/messages.h"

std::vector<std::string> CommandLine;

namespace {

const char UsageText[] =
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

// Equal after folding a to z, and nothing else about the names.
bool SameNameIgnoringCase(const std::string& First, const std::string& Second) {
  if (First.size() != Second.size()) return false;
  for (std::size_t I = 0; I < First.size(); ++I)
    if (UpperLetter(First[I]) != UpperLetter(Second[I])) return false;
  return true;
}

TargetLanguage LanguageOf(const ShortText& Word) {
  ShortText Upper = UpperCase(Word);
  if (Upper == "PR") return TargetLanguage::PascalRecord;
  if (Upper == "CS") return TargetLanguage::CStructure;
  if (Upper.Empty()) return TargetLanguage::Pascal;
  switch (Upper.First()) {
    case 'A': return TargetLanguage::Assembler;
    case 'B': return TargetLanguage::Batch;
    case 'C': return TargetLanguage::C;
    default: return TargetLanguage::Pascal;
  }
}

// The O and X values: the standard number syntax, 16-bit target.
std::int16_t OptionNumber(const std::string& Argument, const char* BadMessage) {
  std::int32_t Value = 0;
  if (!TextToInt(ShortText(Argument), NumberTarget::Bits16, Value)) Fatal(BadMessage);
  return StoreInt16(Value, "ParseCommandLine");
}

}  // namespace

void ShowUsage() {
  ShowMessage(std::string_view(UsageText, sizeof UsageText - 1));
  EndRun(ExitOwnError);
}

void ParseCommandLine() {
  const std::size_t Count = CommandLine.size();
  if (Count < 2) ShowUsage();
  SourceName = CommandLine[0];
  IncludeName = CommandLine[1];
  if (SameNameIgnoringCase(SourceName, IncludeName)) Fatal("Youse gots to be kiddin");

  RunOptions = RunOptionsRecord();
  RunOptions.Language = LanguageOf(ShortText(Count > 2 ? CommandLine[2] : std::string()));

  // Options from the fourth argument on; i counts from 1 as the user does.
  for (std::size_t I = 4; I <= Count; ++I) {
    const std::string& Argument = CommandLine[I - 1];
    if (Argument.empty()) continue;
    char Letter = UpperLetter(Argument[0]);
    if (Letter == 'H') RunOptions.ForceHex = true;
    if (Letter == 'D') RunOptions.ForceDecimal = true;
    if (Letter == 'M') RunOptions.MergeType = true;
    if (Letter != 'S' && Letter != 'O' && Letter != 'X') continue;

    const char* Missing = Letter == 'S' ? "Suffix?" : Letter == 'O' ? "Offset?" : "AddressStride?";
    if (I + 1 > Count || CommandLine[I].empty()) Fatal(Missing);
    const std::string& Value = CommandLine[I];
    if (Letter == 'S') RunOptions.NameSuffix = ShortText(Value);
    if (Letter == 'O') RunOptions.ValueOffset = OptionNumber(Value, "Bad Offset?");
    if (Letter == 'X') RunOptions.AddressStride = OptionNumber(Value, "Bad AddressStride?");
    ++I;  // the value is never read as an option
  }
}
