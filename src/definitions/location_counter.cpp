#include "definitions/location_counter.h"

#include <cstdint>

#include "common/guarded.h"
#include "common/records.h"
#include "definitions/number_fields.h"
#include "driver/messages.h"
#include "writers/writers.h"

namespace {

// An explicit address must be a whole multiple of the stride, whatever the
// signs; the remainder is taken in 64 bits so that -2147483648 against -1
// has remainder 0 instead of trapping.
void TestAlignment() {
  if (IsAlignmentExempt(DefinitionFields.TypeName)) return;
  if (RunOptions.AddressStride == 0) Fatal("Zero AddressStride?");
  if (std::int64_t{GeneratorState.Location} % RunOptions.AddressStride != 0) {
    ShortText Message("Alignment Error: ");
    Append(Message, DefinitionFields.Name.View());
    Fatal(Message.View());
  }
}

void SetExplicitValue(std::int32_t Number, bool IsHex) {
  GeneratorState.Value = Number;
  GeneratorState.HasValue = true;
  GeneratorState.ValueIsHex = IsHex;
  GeneratorState.Location = Number;
  TestAlignment();
}

void CallWriter() {
  switch (RunOptions.Language) {
    case TargetLanguage::Pascal: WritePascalEntry(); break;
    case TargetLanguage::PascalRecord: WritePascalRecordRow(); break;
    case TargetLanguage::C: WriteCEntry(); break;
    case TargetLanguage::CStructure: WriteCStructureRow(); break;
    case TargetLanguage::Assembler: WriteAssemblerEntry(); break;
    case TargetLanguage::Batch: WriteBatchEntry(); break;
  }
}

}  // namespace

bool IsAlignmentExempt(const ShortText& TypeName) {
  return TypeName == "const" || TypeName == "lit" || TypeName == "enum";
}

bool IsOffsetExempt(const ShortText& TypeName) {
  return IsAlignmentExempt(TypeName) || TypeName == "ebyte" || TypeName == "eword";
}

void ResolveEntryValue() {
  const DefinitionFieldsRecord& Fields = DefinitionFields;
  GeneratorStateRecord& State = GeneratorState;
  if (!Fields.Name.Empty() && !Fields.ValueField.Empty()) {
    // The four forms. "$" and "#", the most common, are neither a number
    // field nor a hex number field, so they are taken first; the two number
    // forms are each tested whatever the other found: only a field holding
    // NUL is both.
    if (Fields.ValueField == "$") {
      State.HasValue = true;
      State.Value = State.Location;
    } else if (Fields.ValueField == "#") {
      State.HasValue = true;
      State.Value = State.Location;
      State.FieldSize = 0;
    } else {
      if (IsDecimalField(Fields.ValueField))
        SetExplicitValue(ParseDecimalField(Fields.ValueField), false);
      if (IsHexField(Fields.ValueField)) SetExplicitValue(ParseHexField(Fields.ValueField), true);
    }
  }
  State.Location = Checked32(std::int64_t{State.Location} + State.FieldSize, "ResolveEntryValue");
  if (!State.HasValue) return;
  if (!IsOffsetExempt(Fields.TypeName))
    State.Value = Checked32(std::int64_t{State.Value} + RunOptions.ValueOffset, "ResolveEntryValue");
  CallWriter();
}
