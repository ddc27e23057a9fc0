// Deterministic definition files for the benchmark: register maps of many
// small devices, with the mix of lines that real files have.
#pragma once

#include <cstdint>
#include <cstdio>

struct GeneratorSettings {
  std::uint64_t Bytes = 0;          // stop at the first line end at or past this size
  std::uint32_t TypedLimit = 0;     // at most this many typed entries; 0 for no limit
  bool StopAtTypedLimit = false;    // end the file at the limit instead of going on untyped
  std::uint64_t Seed = 0x70C0FFEEull;
};

struct GeneratorTotals {
  std::uint64_t Bytes = 0;
  std::uint64_t Lines = 0;
  std::uint64_t TypedEntries = 0;
};

// Writes the file to Out; the same settings always give the same bytes.
GeneratorTotals GenerateDefinitions(const GeneratorSettings& Settings, std::FILE* Out);
