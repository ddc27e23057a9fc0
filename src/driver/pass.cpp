#include "driver/pass.h"

#include <cstdint>

#include "common/console.h"
#include "common/guarded.h"
#include "common/records.h"
#include "common/text_file.h"
#include "definitions/location_counter.h"
#include "definitions/scanner.h"
#include "driver/include_lines.h"
#include "writers/format.h"

namespace {

bool IsCommentCharacter(char C) { return C == '#' || C == ';' || C == '{'; }

// "SourceLine " and the count, then a carriage return: the next display
// overwrites the same console line.
void ShowProgress() {
  ShortText Text("SourceLine ");
  Append(Text, DecimalText(GeneratorState.LinesRead).View());
  Append(Text, '\r');
  ConsoleShowProgress(Text.View());
}

}  // namespace

void ReadSourceLine() {
  ReadLine(SourceFile, LineText);
  GeneratorState.LinesRead = Checked32(std::int64_t{GeneratorState.LinesRead} + 1, "ReadSourceLine");
  if (GeneratorState.LinesRead % 10 == 0) ShowProgress();
}

ShortText ConvertComment(const ShortText& Text) {
  ShortText Line;
  switch (RunOptions.Language) {
    case TargetLanguage::Pascal:
      Line = ShortText("{ ");
      Append(Line, Text.View());
      Append(Line, " }");
      break;
    case TargetLanguage::C:
      Line = ShortText("/* ");
      Append(Line, Text.View());
      Append(Line, " */");
      break;
    case TargetLanguage::Assembler:
      Line = ShortText("; ");
      Append(Line, Text.View());
      break;
    case TargetLanguage::Batch:
      Line = ShortText("REM ");
      Append(Line, Text.View());
      break;
    case TargetLanguage::PascalRecord:
    case TargetLanguage::CStructure:
      break;  // the tables carry no comments
  }
  return Line;
}

void RunPass() {
  GeneratorState.EntryCount = 0;
  if (RunOptions.Language == TargetLanguage::Pascal) WriteConstHeader();
  while (!SourceAtEnd(SourceFile)) {
    GeneratorState.HasValue = false;
    OutputLine.Clear();
    ReadSourceLine();
    if (LineText.Empty()) continue;  // before trimming: a line of blanks is not empty
    TrimLeading(LineText);
    if (!LineText.Empty() && IsCommentCharacter(LineText.First())) {
      OutputLine = ConvertComment(ShortText(LineText.View().substr(1)));
      EmitLine();
      continue;
    }
    ParseDefinitionLine();
    ResolveEntryValue();
  }
}
