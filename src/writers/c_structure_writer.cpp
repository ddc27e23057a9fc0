// The C structure table: an initialised array, one row per typed entry.
#include "common/records.h"
#include "common/text_file.h"
#include "driver/include_lines.h"
#include "writers/format.h"
#include "writers/table_rows.h"
#include "writers/writers.h"

void WriteCStructureHeader() {
  static const char* const Opening[] = {
      "typedef enum",
      "{",
      "    BYTE,",
      "    PTR,",
      "    FLAG,",
      "    MASK,",
      "    UINT,",
      "    INT,",
      "    ULONG,",
      "    LONG,",
      "    DOUBLE,",
      "    EVENT,",
      "    LIT",
      "} ParameterType;",
      "",
      "typedef struct",
      "{",
      "    char ParmName[24];",
      "    long ParmLoc;",
      "    ParameterType ParmType;",
      "} XOLTParamRec;",
      "",
  };
  for (const char* Line : Opening) WriteIncludeLine(IncludeFile, Line);
  ShortText Count("#define LASTPARM ");
  Append(Count, DecimalText(GeneratorState.LastParmCount).View());
  WriteIncludeLine(IncludeFile, Count.View());
  WriteIncludeLine(IncludeFile, "");
  WriteIncludeLine(IncludeFile, "XOLTParamRec XOLTParams[LASTPARM] = ");
  WriteIncludeLine(IncludeFile, "{");
}

void WriteCStructureRow() {
  if (!CountTypedEntry("WriteCStructureRow")) return;
  const GeneratorStateRecord& State = GeneratorState;

  ShortText& Row = OutputLine;  // built where EmitLine takes it from
  Row.Assign("    { \"");
  Append(Row, DefinitionFields.Name.View());
  Append(Row, "\", ");
  const ValueForms Forms = WrittenForms();
  if (Forms.Hex) {
    Append(Row, "0x");
    Append(Row, HexDigits(State.Value).View());
    Append(Row, ", ");
  }
  if (Forms.Decimal) {
    Append(Row, DecimalText(State.Value).View());
    Append(Row, ", ");
  }
  Append(Row, UpperCase(DefinitionFields.TypeName).View());
  const bool Last = State.EntryCount == State.LastParmCount;
  Append(Row, Last ? " }" : " },");
  EmitLine();
  if (!Last) return;
  OutputLine = ShortText("} ;");  // closes the initializer the header opened
  EmitLine();
}
