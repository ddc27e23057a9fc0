// The single-instance records of one run. Everything lives here for the
// length of a run; ResetRecords gives every field its program-start value.
#pragma once

#include <cstdint>
#include <string>

#include "common/short_text.h"

enum class TargetLanguage : std::uint8_t {
  Pascal = 0,
  PascalRecord = 1,
  C = 2,
  CStructure = 3,
  Assembler = 4,
  Batch = 5,
};

// Filled by the command line, read everywhere, never changed afterwards.
struct RunOptionsRecord {
  TargetLanguage Language = TargetLanguage::Pascal;
  bool ForceHex = false;
  bool ForceDecimal = false;
  bool MergeType = false;
  ShortText NameSuffix;
  std::int16_t ValueOffset = 0;
  std::int16_t AddressStride = 1;
};

// The fields of the definition line being handled.
struct DefinitionFieldsRecord {
  ShortText Name;
  ShortText ValueField;
  ShortText TypeName;
  ShortText Remark;
  bool HasType = false;
};

struct GeneratorStateRecord {
  std::int32_t Location = 0;
  std::int32_t Value = 0;
  std::int16_t FieldSize = 0;
  bool ValueIsHex = false;
  bool HasValue = false;
  std::int16_t EntryCount = 0;
  std::int16_t LastParmCount = 0;
  std::int16_t Pass = 0;
  std::int32_t LinesRead = 0;
};

extern RunOptionsRecord RunOptions;
extern DefinitionFieldsRecord DefinitionFields;
extern GeneratorStateRecord GeneratorState;

// The file names as typed. They are kept whole rather than cut at 255
// characters: a cut name would open or create some other file.
extern std::string SourceName;
extern std::string IncludeName;

extern ShortText LineText;    // the current line of the definition file
extern ShortText OutputLine;  // the include-file line being built

// Program-start values for every record above.
void ResetRecords();
