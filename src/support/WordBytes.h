// Tests on eight bytes of text at once, held in one 64-bit word, for scans
// that skip long runs of bytes they do not stop at.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace word_bytes {

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

inline std::uint64_t Load(const char* at) {
  std::uint64_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// Nonzero when a byte of `word` equals `byte`.
constexpr std::uint64_t HasByte(std::uint64_t word, unsigned char byte) {
  const std::uint64_t differs = word ^ (kOnes * byte);
  return (differs - kOnes) & ~differs & kHighBits;
}

// Equal runs are skipped a chunk at a time by the library's compare.
constexpr std::size_t kCompareChunk = 256;

// How many bytes `a` and `b` share at their starts.
inline std::size_t CommonPrefix(std::string_view a, std::string_view b) {
  const std::size_t size = std::min(a.size(), b.size());
  std::size_t at = 0;
  while (at + kCompareChunk <= size &&
         std::memcmp(a.data() + at, b.data() + at, kCompareChunk) == 0)
    at += kCompareChunk;
  while (at + 8 <= size && Load(a.data() + at) == Load(b.data() + at)) at += 8;
  while (at < size && a[at] == b[at]) ++at;
  return at;
}

// How many bytes `a` and `b` share at their ends.
inline std::size_t CommonSuffix(std::string_view a, std::string_view b) {
  const std::size_t size = std::min(a.size(), b.size());
  const auto sameBefore = [&](std::size_t shared, std::size_t length) {
    return std::memcmp(a.data() + a.size() - shared - length, b.data() + b.size() - shared - length,
                       length) == 0;
  };
  std::size_t shared = 0;
  while (shared + kCompareChunk <= size && sameBefore(shared, kCompareChunk))
    shared += kCompareChunk;
  while (shared + 8 <= size && sameBefore(shared, 8)) shared += 8;
  while (shared < size && a[a.size() - shared - 1] == b[b.size() - shared - 1]) ++shared;
  return shared;
}

}  // namespace word_bytes
