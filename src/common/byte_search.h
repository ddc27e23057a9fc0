// Searching text sixteen bytes at a time, where the machine has the vector
// instructions for it (SSE2, on every x86-64); elsewhere BlockSearch is
// false and callers search byte by byte.
#pragma once

#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

constexpr std::size_t SearchBlock = 16;

#if defined(__SSE2__)
constexpr bool BlockSearch = true;

// One bit per byte of the SearchBlock bytes at Bytes, bit 0 for the first:
// set where the byte equals A, B or C.
inline unsigned BytesAmong(const char* Bytes, char A, char B, char C) {
  const __m128i Block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Bytes));
  const __m128i Hits = _mm_or_si128(
      _mm_or_si128(_mm_cmpeq_epi8(Block, _mm_set1_epi8(A)), _mm_cmpeq_epi8(Block, _mm_set1_epi8(B))),
      _mm_cmpeq_epi8(Block, _mm_set1_epi8(C)));
  return static_cast<unsigned>(_mm_movemask_epi8(Hits));
}
#else
constexpr bool BlockSearch = false;

inline unsigned BytesAmong(const char*, char, char, char) { return 0; }  // never called
#endif

constexpr unsigned AllOfBlock = (1u << SearchBlock) - 1;
