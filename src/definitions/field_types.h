// The field types a definition line may name behind "%", with their sizes.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/short_text.h"

struct FieldTypeEntry {
  std::string_view TypeKey;  // upper case, at most 12 characters
  std::int16_t Size;         // bytes; for ENUM the step in address units
};

constexpr int FieldTypeCount = 19;
extern const FieldTypeEntry FieldTypeTable[FieldTypeCount];

// The size of the named type in address units (Size divided by
// AddressStride, truncated toward zero; ENUM never divided), or -1 when the
// name equals no row. A stride of 0 ends the run with "Zero AddressStride?"
// for every known type that would be divided.
std::int16_t LookupFieldSize(const ShortText& TypeName);
