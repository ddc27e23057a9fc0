// Guarded integer arithmetic. A value that does not fit the variable that
// receives it ends the run with 201; a result that overflows 32-bit signed
// arithmetic ends it with 215. All work is done in 64 bits, so nothing here
// can itself overflow or trap.
#pragma once

#include <cstdint>
#include <limits>
#include <string_view>

#include "common/run_end.h"

inline std::int32_t Checked32(std::int64_t Result, std::string_view Place) {
  if (Result < std::numeric_limits<std::int32_t>::min() ||
      Result > std::numeric_limits<std::int32_t>::max())
    RuntimeError(ExitOverflowError, Place);
  return static_cast<std::int32_t>(Result);
}

inline std::int16_t StoreInt16(std::int64_t Result, std::string_view Place) {
  if (Result < std::numeric_limits<std::int16_t>::min() ||
      Result > std::numeric_limits<std::int16_t>::max())
    RuntimeError(ExitRangeError, Place);
  return static_cast<std::int16_t>(Result);
}
