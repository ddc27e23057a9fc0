#include "common/records.h"

RunOptionsRecord RunOptions;
DefinitionFieldsRecord DefinitionFields;
GeneratorStateRecord GeneratorState;
std::string SourceName;
std::string IncludeName;
ShortText LineText;
ShortText OutputLine;

void ResetRecords() {
  RunOptions = RunOptionsRecord();
  DefinitionFields = DefinitionFieldsRecord();
  GeneratorState = GeneratorStateRecord();
  SourceName.clear();
  IncludeName.clear();
  LineText.Clear();
  OutputLine.Clear();
}
