#include "driver/include_lines.h"

#include "common/records.h"
#include "common/text_file.h"

void EmitLine() {
  if (!OutputLine.Empty()) WriteIncludeLine(IncludeFile, OutputLine.View());
}

void WriteConstHeader() { WriteIncludeLine(IncludeFile, "const"); }
