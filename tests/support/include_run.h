// Helpers for the end-to-end tests of the include writers: run the built
// tool on a definition text and compare the whole include file it writes.
#pragma once

#include <string>
#include <vector>

#include "support/test_support.h"

namespace test {

inline std::string Spaces(int Count) { return std::string(static_cast<std::size_t>(Count), ' '); }

// The lines as an include file holds them: each one ended with CR LF.
inline std::string CrLfLines(const std::vector<std::string>& Lines) {
  std::string Bytes;
  for (const std::string& Line : Lines) Bytes += Line + "\r\n";
  return Bytes;
}

struct IncludeRun {
  int Status;
  std::string Console;
  std::string Include;  // the include file, empty when none was written
};

// "tolvane defs.txt out.inc Language Options..." in a fresh folder that
// holds Definitions as defs.txt.
inline IncludeRun RunOnDefinitions(const std::string& Definitions, const std::string& Language,
                                   const std::vector<std::string>& Options = {}) {
  TempDir Dir;
  WriteBytes(Dir.File("defs.txt"), Definitions);
  std::vector<std::string> Arguments{"defs.txt", "out.inc", Language};
  Arguments.insert(Arguments.end(), Options.begin(), Options.end());
  RunResult Run = RunBinary(Arguments, Dir.Path.string());
  const std::string Out = Dir.File("out.inc");
  return IncludeRun{Run.Status, Run.Console, Exists(Out) ? ReadBytes(Out) : std::string()};
}

// The 14 header lines of a Pascal record table declaring Rows rows.
inline std::string PascalRecordHeader(int Rows) {
  return CrLfLines({
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
      "const",
      "LastParm = " + std::to_string(Rows) + ";",
      "XOLTParams : array[1 .. LastParm] of XOLTParamRec = ",
  });
}

// The 26 header lines of a C structure table declaring Rows rows.
inline std::string CStructureHeader(int Rows) {
  return CrLfLines({
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
      "#define LASTPARM " + std::to_string(Rows),
      "",
      "XOLTParamRec XOLTParams[LASTPARM] = ",
      "{",
  });
}

}  // namespace test
