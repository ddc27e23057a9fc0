// The Pascal record table: a typed array constant, one row per typed entry.
#include "common/records.h"
#include "common/text_file.h"
#include "driver/include_lines.h"
#include "writers/format.h"
#include "writers/table_rows.h"
#include "writers/writers.h"

void WritePascalRecordHeader() {
  static const char* const Lines[] = {
      "type",
      "ParameterType = (type_byte,type_ptr,type_flag,type_mask,",
      "type_uint,type_int,type_ulong,type_long,type_double,type_event,",
      "type_ebyte,type_eword,type_lit,type_const,type_enum);",
      "XOLTParamRec = ",
      "record",
      "  ParmName : string[24];",
      "  ParmLoc  : longint;",
      "  ParmType : ParameterType;",
      "end;",
      "",
  };
  for (const char* Line : Lines) WriteIncludeLine(IncludeFile, Line);
  WriteConstHeader();
  ShortText Count("LastParm = ");
  Append(Count, DecimalText(GeneratorState.LastParmCount).View());
  Append(Count, ';');
  WriteIncludeLine(IncludeFile, Count.View());
  WriteIncludeLine(IncludeFile, "XOLTParams : array[1 .. LastParm] of XOLTParamRec = ");
}

void WritePascalRecordRow() {
  if (!CountTypedEntry("WritePascalRecordRow")) return;
  const GeneratorStateRecord& State = GeneratorState;

  ShortText& Row = OutputLine;  // built where EmitLine takes it from, empty here
  if (State.EntryCount == 1) Append(Row, '(');  // opens the array constant
  Append(Row, "(ParmName : '");
  Append(Row, DefinitionFields.Name.View());
  Append(Row, "'; ");
  const ValueForms Forms = WrittenForms();
  if (Forms.Hex) {
    Append(Row, "ParmLoc : $");
    Append(Row, HexDigits(State.Value).View());
    Append(Row, "; ");
  }
  if (Forms.Decimal) {
    Append(Row, "ParmLoc : ");
    Append(Row, DecimalText(State.Value).View());
    Append(Row, "; ");
  }
  Append(Row, "ParmType : type_");
  Append(Row, DefinitionFields.TypeName.View());
  Append(Row, State.EntryCount == State.LastParmCount ? " ));" : " ),");
  EmitLine();
}
