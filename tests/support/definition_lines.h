// Definition lines handled in-process the way the pass loop handles them:
// the records are set up for the first pass of the Pascal record table, whose
// row writer only counts typed entries in that pass, so no file is needed.
// The console is captured, and a line that ends the run reports its status.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/console.h"
#include "common/records.h"
#include "common/run_end.h"
#include "definitions/location_counter.h"
#include "definitions/scanner.h"

namespace test {

constexpr int RunGoesOn = -1;

struct LineResult {
  int Status = RunGoesOn;  // the exit status when the line ended the run
  std::string Console;
};

// Program-start records with the given options, at the start of a first pass.
inline void StartDefinitions(std::int16_t Stride = 1, std::int16_t Offset = 0,
                             std::string_view Suffix = "") {
  ResetRecords();
  ConsoleReset();
  RunOptions.Language = TargetLanguage::PascalRecord;
  RunOptions.AddressStride = Stride;
  RunOptions.ValueOffset = Offset;
  RunOptions.NameSuffix = ShortText(Suffix);
  GeneratorState.Pass = 1;
}

// Runs Body with the console captured and a run end turned into a status.
template <typename Body>
LineResult CaptureRunEnd(Body&& Run) {
  LineResult Result;
  ConsoleCaptureInto(&Result.Console);
  try {
    Run();
  } catch (const RunEnd& End) {
    Result.Status = End.Status;
  }
  ConsoleWriteQuietly("");
  ConsoleCaptureInto(nullptr);
  return Result;
}

// The scanner alone, on a line as the pass loop hands it over (trimmed).
inline LineResult ScanLine(std::string_view Line) {
  return CaptureRunEnd([&] {
    LineText = ShortText(Line);
    TrimLeading(LineText);
    ParseDefinitionLine();
  });
}

// The scanner and the value step, as for one definition line of a pass.
inline LineResult HandleLine(std::string_view Line) {
  return CaptureRunEnd([&] {
    GeneratorState.HasValue = false;
    LineText = ShortText(Line);
    TrimLeading(LineText);
    ParseDefinitionLine();
    ResolveEntryValue();
  });
}

}  // namespace test
