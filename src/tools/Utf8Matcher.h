// TUtf8Matcher: finds a pattern in UTF-8 text exactly or ignoring case by Unicode simple case
// folding. Ignoring case, a match may be longer or shorter in bytes than the pattern ("k" matches
// the three bytes of the Kelvin sign). Invalid bytes match only themselves. A match starts and ends
// where the caret can stop: it never cuts a character nor parts a letter from its combining marks.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "tools/ByteMatcher.h"

struct TMatchSpan {
  std::size_t index = std::string_view::npos;  // npos: no match
  std::size_t length = 0;
};

class TUtf8Matcher {
 public:
  TUtf8Matcher(std::string_view pattern, bool matchCase);

  // The first match starting in [from, text.size()).
  // Bytes before `from` are read to tell where characters start.
  TMatchSpan FindFrom(std::string_view text, std::size_t from) const;

  // No match is longer than this.
  std::size_t MaxMatchLength() const { return maxMatchLength_; }

 private:
  TMatchSpan FindFolded(std::string_view text, std::size_t from) const;
  // Length of the folded match at `at`, or 0.
  std::size_t FoldedMatchAt(std::string_view text, std::size_t at) const;

  std::vector<char32_t> units_;  // the pattern's characters, folded when ignoring case
  std::size_t maxMatchLength_ = 0;
  // Matches that are bytes compared by a fixed table (exact matching, and
  // patterns that only ASCII text can match ignoring case).
  std::optional<TByteMatcher> byteMatcher_;
};

// Whole-word tests: whether the character just before `at` (a boundary), or
// the one at `at`, is a letter, mark or number. Text edges and invalid bytes
// are not.
bool WordCharacterBefore(std::string_view text, std::size_t at);
bool WordCharacterAt(std::string_view text, std::size_t at);
