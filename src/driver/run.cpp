#include "driver/run.h"

#include "common/console.h"
#include "common/records.h"
#include "common/run_end.h"
#include "common/text_file.h"
#include "driver/messages.h"
#include "driver/options.h"
#include "driver/pass.h"
#include "writers/writers.h"

namespace {

bool IsTableLanguage(TargetLanguage Language) {
  return Language == TargetLanguage::PascalRecord || Language == TargetLanguage::CStructure;
}

void MainSequence() {
  ParseCommandLine();

  GeneratorState.Pass = 1;
  GeneratorState.Location = 0;
  OpenFiles();
  RunPass();
  CloseFiles();
  GeneratorState.LastParmCount = GeneratorState.EntryCount;

  if (IsTableLanguage(RunOptions.Language)) {
    OpenFiles();  // the include file is created afresh
    GeneratorState.Pass = 2;
    GeneratorState.Location = 0;
    if (RunOptions.Language == TargetLanguage::PascalRecord)
      WritePascalRecordHeader();
    else
      WriteCStructureHeader();
    RunPass();
    CloseFiles();
  }
  ConsoleFlush();
}

}  // namespace

void OpenFiles() {
  // The table languages read the definition file twice. A pipe gives its
  // bytes only once: the second pass would write a header without its rows.
  if (IsTableLanguage(RunOptions.Language) && !CanBeReadTwice(SourceName))
    Fatal("Can't open input file");
  if (!OpenForReading(SourceFile, SourceName)) Fatal("Can't open input file");
  // Creating the include file over the definition file would destroy it:
  // another spelling of the same name, a symbolic or a hard link.
  if (SameFile(SourceName, IncludeName)) Fatal("Youse gots to be kiddin");
  if (!OpenForWriting(IncludeFile, IncludeName)) Fatal("Can't open output file");
}

void CloseFiles() {
  CloseInclude(IncludeFile);
  CloseSource(SourceFile);
}

int RunTolvane(const std::vector<std::string>& Arguments) {
  ResetRecords();
  ConsoleReset();
  CommandLine = Arguments;
  int Status = ExitNormal;
  try {
    MainSequence();
  } catch (const RunEnd& End) {
    Status = End.Status;
    AbandonFiles();
    ConsoleWriteQuietly("");  // what is buffered goes out, if it can
  }
  return Status;
}
