// TByteMatcher: finds a pattern in byte text under a byte folding table, so
// one search loop serves exact, upper-cased and case-insensitive matching
// without copying either string. Horspool's skip table makes long patterns
// skip most of the text; every occurrence is reported, overlapping ones too.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// Maps every byte to the byte it is compared as.
using TByteFold = std::array<unsigned char, 256>;

// Bytes compared as themselves.
const TByteFold& IdentityFold();
// Bytes compared by the code page's upper-case mapping.
const TByteFold& UpperCaseFold();
// Bytes compared as the code page's case-insensitive comparison sees them:
// each byte maps to the smallest byte that compares equal to it.
const TByteFold& CompareIgnoreCaseFold();

class TByteMatcher {
 public:
  // `fold` must outlive the matcher.
  TByteMatcher(std::string_view pattern, const TByteFold& fold);

  std::size_t PatternLength() const { return pattern_.size(); }

  // 0-based index of the first occurrence starting in [from, text.size()),
  // or std::string_view::npos. An empty pattern never matches.
  std::size_t FindFrom(std::string_view text, std::size_t from) const;

 private:
  bool MatchesAt(const unsigned char* candidate) const;

  std::string pattern_;  // already folded
  const TByteFold& fold_;
  std::array<std::size_t, 256> skip_{};  // indexed by the raw text byte
};
