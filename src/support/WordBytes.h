// Tests on eight bytes of text at once, held in one 64-bit word, for scans
// that skip long runs of bytes they do not stop at.
#pragma once

#include <cstdint>
#include <cstring>

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

}  // namespace word_bytes
