#include "writers/table_rows.h"

#include <cstdint>

#include "common/guarded.h"
#include "common/records.h"

bool CountTypedEntry(std::string_view Place) {
  OutputLine.Clear();
  if (!DefinitionFields.HasType) return false;
  GeneratorState.EntryCount = StoreInt16(std::int32_t{GeneratorState.EntryCount} + 1, Place);
  return GeneratorState.Pass == 2;
}
