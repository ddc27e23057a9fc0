#include "common/run_end.h"

#include <string>

#include "common/console.h"

void EndRun(int Status) { throw RunEnd{Status}; }

std::uint32_t PlaceCode(std::string_view Place) {
  std::uint32_t Hash = 2166136261u;  // FNV-1a: stable across builds
  for (char C : Place) {
    Hash ^= static_cast<unsigned char>(C);
    Hash *= 16777619u;
  }
  return Hash;
}

void RuntimeError(int Number, std::string_view Place) {
  static const char Digits[] = "0123456789ABCDEF";
  std::string Line = "Runtime error " + std::to_string(Number) + " at $";
  std::uint32_t Code = PlaceCode(Place);
  for (int Shift = 28; Shift >= 0; Shift -= 4) Line += Digits[(Code >> Shift) & 15];
  Line += "\n  in ";
  Line += Place;
  Line += '\n';
  ConsoleWriteQuietly(Line);
  EndRun(Number);
}
