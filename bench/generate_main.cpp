// Writes one benchmark definition file:
//   tolvane_generate FILE BYTES [TYPED_LIMIT [stop]] [SEED]
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "definition_generator.h"

int main(int Count, char** Arguments) {
  if (Count < 3) {
    std::fprintf(stderr, "usage: %s FILE BYTES [TYPED_LIMIT [stop]]\n", Arguments[0]);
    return 2;
  }
  GeneratorSettings Settings;
  Settings.Bytes = std::strtoull(Arguments[2], nullptr, 10);
  if (Count > 3) Settings.TypedLimit = static_cast<std::uint32_t>(std::strtoul(Arguments[3], nullptr, 10));
  if (Count > 4) Settings.StopAtTypedLimit = std::strcmp(Arguments[4], "stop") == 0;
  std::FILE* Out = std::fopen(Arguments[1], "wb");
  if (!Out) {
    std::perror(Arguments[1]);
    return 1;
  }
  GeneratorTotals Totals = GenerateDefinitions(Settings, Out);
  if (std::fclose(Out) != 0) {
    std::perror(Arguments[1]);
    return 1;
  }
  std::printf("%s: %llu bytes, %llu lines, %llu typed entries\n", Arguments[1],
              static_cast<unsigned long long>(Totals.Bytes),
              static_cast<unsigned long long>(Totals.Lines),
              static_cast<unsigned long long>(Totals.TypedEntries));
  return 0;
}
