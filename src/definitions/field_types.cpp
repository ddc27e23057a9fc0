#include "definitions/field_types.h"

#include "common/records.h"
#include "driver/messages.h"

// The first equal row wins, so the second WORD is never reached; the end row
// is in lower case and so never equals an upper-cased name.
const FieldTypeEntry FieldTypeTable[FieldTypeCount] = {
    {"BYTE", 1},   {"BINT", 1},  {"EBYTE", 1}, {"EWORD", 2},  {"WORD", 2},
    {"PTR", 2},    {"FLAG", 2},  {"MASK", 2},  {"WORD", 2},   {"UINT", 2},
    {"INT", 2},    {"LONG", 4},  {"ULONG", 4}, {"DOUBLE", 8}, {"EVENT", 12},
    {"LIT", 0},    {"CONST", 0}, {"ENUM", 1},  {"notfound", -1},
};

namespace {

// Whether UpperCase(Name) equals Key, without building the upper-case copy.
bool EqualsInUpperCase(const ShortText& Name, std::string_view Key) {
  if (Name.Length != Key.size()) return false;
  for (std::size_t I = 0; I < Key.size(); ++I)
    if (UpperLetter(Name.Data[I]) != Key[I]) return false;
  return true;
}

}  // namespace

std::int16_t LookupFieldSize(const ShortText& TypeName) {
  for (const FieldTypeEntry& Row : FieldTypeTable) {
    if (!EqualsInUpperCase(TypeName, Row.TypeKey)) continue;
    if (Row.TypeKey == "ENUM") return Row.Size;
    if (RunOptions.AddressStride == 0) Fatal("Zero AddressStride?");
    return static_cast<std::int16_t>(Row.Size / RunOptions.AddressStride);  // |Size| <= 12
  }
  return -1;
}
