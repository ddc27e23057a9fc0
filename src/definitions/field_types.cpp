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

// A name of up to seven bytes and its length packed into one number, the
// first byte lowest and the length in the top byte: two names are equal
// exactly when their numbers are.
constexpr std::size_t PackedLimit = 7;

constexpr std::uint64_t PackedKey(std::string_view Name) {
  std::uint64_t Key = std::uint64_t{Name.size()} << 56;
  for (std::size_t I = 0; I < Name.size(); ++I)
    Key |= std::uint64_t{static_cast<unsigned char>(Name[I])} << (8 * I);
  return Key;
}

// The rows whose keys can be packed, in a small hash table on the packed
// key, open addressing with linear probing. The rows go in in table order and
// a key already present is not entered again, so that the first equal row
// wins as in the table.
constexpr int PackedSlots = 64;

struct PackedTable {
  std::uint64_t Key[PackedSlots];
  int Row[PackedSlots];  // -1 for an empty slot
};

constexpr int PackedSlot(std::uint64_t Key) {
  return static_cast<int>((Key * 0x9E3779B97F4A7C15u) >> 58);  // the top six bits
}

const PackedTable& PackedRows() {
  static const PackedTable Table = [] {
    PackedTable Packed{};
    for (int& Row : Packed.Row) Row = -1;
    for (int I = 0; I < FieldTypeCount; ++I) {
      if (FieldTypeTable[I].TypeKey.size() > PackedLimit) continue;
      const std::uint64_t Key = PackedKey(FieldTypeTable[I].TypeKey);
      int Slot = PackedSlot(Key);
      while (Packed.Row[Slot] >= 0 && Packed.Key[Slot] != Key) Slot = (Slot + 1) % PackedSlots;
      if (Packed.Row[Slot] >= 0) continue;  // a later row with the same key
      Packed.Key[Slot] = Key;
      Packed.Row[Slot] = I;
    }
    return Packed;
  }();
  return Table;
}

// Whether UpperCase(Name) equals Key, without building the upper-case copy.
bool EqualsInUpperCase(const ShortText& Name, std::string_view Key) {
  if (Name.Length != Key.size()) return false;
  for (std::size_t I = 0; I < Key.size(); ++I)
    if (UpperLetter(Name.Data[I]) != Key[I]) return false;
  return true;
}

// The first row whose key equals the upper-cased name, or -1. A short name
// is packed once, upper-cased, and looked up in the hash table.
int FindRow(const ShortText& Name) {
  if (Name.Length <= PackedLimit) {
    std::uint64_t Key = std::uint64_t{Name.Length} << 56;
    for (int I = 0; I < Name.Length; ++I)
      Key |= std::uint64_t{static_cast<unsigned char>(UpperLetter(Name.Data[I]))} << (8 * I);
    const PackedTable& Rows = PackedRows();
    for (int Slot = PackedSlot(Key); Rows.Row[Slot] >= 0; Slot = (Slot + 1) % PackedSlots)
      if (Rows.Key[Slot] == Key) return Rows.Row[Slot];
    return -1;
  }
  for (int I = 0; I < FieldTypeCount; ++I)
    if (EqualsInUpperCase(Name, FieldTypeTable[I].TypeKey)) return I;
  return -1;
}

}  // namespace

std::int16_t LookupFieldSize(const ShortText& TypeName) {
  const int Found = FindRow(TypeName);
  if (Found < 0) return -1;
  const FieldTypeEntry& Row = FieldTypeTable[Found];
  if (Row.TypeKey.size() == 4 && Row.TypeKey == "ENUM") return Row.Size;
  const std::int16_t Stride = RunOptions.AddressStride;
  if (Stride == 1) return Row.Size;  // the usual stride, without a division
  if (Stride == 0) Fatal("Zero AddressStride?");
  return static_cast<std::int16_t>(Row.Size / Stride);  // |Size| <= 12
}
