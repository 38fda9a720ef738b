#include "tools/SearchText.h"

#include <algorithm>

#include "tools/ByteMatcher.h"

namespace {

constexpr auto kNotFound = std::string_view::npos;

bool IsAsciiLetter(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

// Whole-word test of Find and Count, on the bytes as folded for comparison.
bool StandsAlone(std::string_view text, std::size_t index, std::size_t length,
                 const TByteFold& fold) {
  auto isLetter = [&](std::size_t at) {
    return IsWordLetter(fold[static_cast<unsigned char>(text[at])]);
  };
  if (index > 0 && isLetter(index - 1)) return false;
  return index + length >= text.size() || !isLetter(index + length);
}

// Calls `accept(index)` for every accepted 0-based occurrence at or after
// `from` until it returns false.
template <typename Accept>
void ForEachOccurrence(std::string_view text, std::string_view pattern, std::size_t from,
                       bool matchCase, bool wholeWord, Accept accept) {
  const TByteFold& fold = matchCase ? IdentityFold() : UpperCaseFold();
  const TByteMatcher matcher(pattern, fold);
  for (std::size_t index = matcher.FindFrom(text, from); index != kNotFound;
       index = matcher.FindFrom(text, index + 1)) {
    if (wholeWord && !StandsAlone(text, index, pattern.size(), fold)) continue;
    if (!accept(index)) return;
  }
}

// 0-based index of a 1-based start, 0 for starts below 1.
std::size_t IndexOfStart(std::int64_t start) {
  return start < 1 ? 0 : static_cast<std::size_t>(start - 1);
}

}  // namespace

std::int64_t SearchText(std::string_view text, std::string_view pattern, std::int64_t start,
                        bool matchCase, bool wholeWord) {
  if (text.empty() || pattern.empty() || start < 1 ||
      start > static_cast<std::int64_t>(text.size()))
    return 0;
  std::int64_t found = 0;
  ForEachOccurrence(text, pattern, IndexOfStart(start), matchCase, wholeWord,
                    [&found](std::size_t index) {
                      found = static_cast<std::int64_t>(index) + 1;
                      return false;
                    });
  return found;
}

std::int64_t CountText(std::string_view text, std::string_view pattern, std::int64_t start,
                       bool matchCase, bool wholeWord) {
  if (text.empty() || pattern.empty() || start > static_cast<std::int64_t>(text.size())) return 0;
  std::int64_t count = 0;
  ForEachOccurrence(text, pattern, IndexOfStart(start), matchCase, wholeWord,
                    [&count](std::size_t) {
                      ++count;
                      return true;
                    });
  return count;
}

std::string ReplacedText(std::string_view text, std::string_view pattern,
                         std::string_view replacement, std::int64_t start,
                         std::int64_t maximumCount, bool matchCase, bool wholeWord,
                         std::int64_t& count) {
  count = 0;
  if (pattern.empty()) return std::string(text);
  const TByteMatcher matcher(pattern, matchCase ? IdentityFold() : CompareIgnoreCaseFold());
  std::size_t copied = std::min(IndexOfStart(start), text.size());
  std::string result;
  result.reserve(text.size());
  result.append(text.substr(0, copied));
  // The in-place loop tests the byte before a candidate in the text as
  // changed so far: right after a replacement that is the replacement's last
  // byte, which is exactly the last byte of `result`.
  auto letterBefore = [&](std::size_t index) {
    if (index == copied) return !result.empty() && IsAsciiLetter(result.back());
    return IsAsciiLetter(text[index - 1]);
  };
  auto letterAfter = [&](std::size_t index) {
    const std::size_t after = index + pattern.size();
    return after < text.size() && IsAsciiLetter(text[after]);
  };
  for (std::size_t index = matcher.FindFrom(text, copied);
       index != kNotFound && (maximumCount <= 0 || count < maximumCount);) {
    if (wholeWord && (letterBefore(index) || letterAfter(index))) {
      index = matcher.FindFrom(text, index + 1);
      continue;
    }
    result.append(text.substr(copied, index - copied)).append(replacement);
    copied = index + pattern.size();
    ++count;
    index = matcher.FindFrom(text, copied);
  }
  result.append(text.substr(copied));
  return result;
}

std::int64_t ReplaceText(std::string& text, std::string_view pattern, std::string_view replacement,
                         std::int64_t start, std::int64_t maximumCount, bool matchCase,
                         bool wholeWord) {
  std::int64_t count = 0;
  std::string replaced =
      ReplacedText(text, pattern, replacement, start, maximumCount, matchCase, wholeWord, count);
  if (count > 0) text.swap(replaced);
  return count;
}

std::string DecodeEscapes(std::string_view typed) {
  std::string decoded;
  decoded.reserve(typed.size());
  for (std::size_t i = 0; i < typed.size(); ++i) {
    if (typed[i] != '\\' || i + 1 == typed.size()) {
      decoded += typed[i];
      continue;
    }
    switch (typed[++i]) {
      case 't':
        decoded += '\t';
        break;
      case 'n':
        decoded += "\r\n";
        break;
      case '0':
        decoded += '\0';
        break;
      case '\\':
        decoded += '\\';
        break;
      default:
        break;  // unknown pairs vanish
    }
  }
  return decoded;
}
