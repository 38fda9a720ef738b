#include "tools/SearchText.h"

#include <algorithm>

#include "tools/ByteMatcher.h"
#include "tools/JoinedLines.h"

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

// Calls `accept(position)` with the 1-based position of every accepted
// occurrence starting at or after the 0-based `from`, until it returns false.
// `windowAt(offset, minimumBytes)` hands out the text a window at a time. A
// window is searched only where the byte after a candidate is known, and the
// next one starts a byte early so the byte before a candidate is known too.
template <typename WindowAt, typename Accept>
void ForEachOccurrence(WindowAt windowAt, std::string_view pattern, std::int64_t from,
                       bool matchCase, bool wholeWord, Accept accept) {
  const TByteFold& fold = matchCase ? IdentityFold() : UpperCaseFold();
  const TByteMatcher matcher(pattern, fold);
  const std::size_t length = pattern.size();
  for (;;) {
    const TTextWindow window = windowAt(from > 0 ? from - 1 : 0, length + 2);
    const std::size_t size = window.bytes.size();
    for (std::size_t index =
             matcher.FindFrom(window.bytes, static_cast<std::size_t>(from - window.base));
         index != kNotFound; index = matcher.FindFrom(window.bytes, index + 1)) {
      if (!window.atEnd && index + length >= size) break;
      if (wholeWord && !StandsAlone(window.bytes, index, length, fold)) continue;
      if (!accept(window.base + static_cast<std::int64_t>(index) + 1)) return;
    }
    if (window.atEnd) return;
    from = window.base + static_cast<std::int64_t>(size - length);
  }
}

template <typename WindowAt>
std::int64_t FirstAccepted(WindowAt windowAt, std::string_view pattern, std::int64_t start,
                           bool matchCase, bool wholeWord) {
  if (pattern.empty() || start < 1) return 0;
  std::int64_t found = 0;
  ForEachOccurrence(windowAt, pattern, start - 1, matchCase, wholeWord,
                    [&found](std::int64_t position) {
                      found = position;
                      return false;
                    });
  return found;
}

template <typename WindowAt>
std::int64_t CountAccepted(WindowAt windowAt, std::string_view pattern, std::int64_t start,
                           bool matchCase, bool wholeWord) {
  if (pattern.empty()) return 0;
  std::int64_t count = 0;
  ForEachOccurrence(windowAt, pattern, start < 1 ? 0 : start - 1, matchCase, wholeWord,
                    [&count](std::int64_t) {
                      ++count;
                      return true;
                    });
  return count;
}

auto WholeText(std::string_view text) {
  return [text](std::int64_t, std::size_t) { return TTextWindow{text, 0, true}; };
}

auto WindowsOf(TJoinedLines& lines) {
  return [&lines](std::int64_t offset, std::size_t minimumBytes) {
    return lines.Window(offset, minimumBytes);
  };
}

// 0-based index of a 1-based start, 0 for starts below 1.
std::size_t IndexOfStart(std::int64_t start) {
  return start < 1 ? 0 : static_cast<std::size_t>(start - 1);
}

}  // namespace

std::int64_t SearchText(std::string_view text, std::string_view pattern, std::int64_t start,
                        bool matchCase, bool wholeWord) {
  return FirstAccepted(WholeText(text), pattern, start, matchCase, wholeWord);
}

std::int64_t SearchText(TJoinedLines& text, std::string_view pattern, std::int64_t start,
                        bool matchCase, bool wholeWord) {
  return FirstAccepted(WindowsOf(text), pattern, start, matchCase, wholeWord);
}

std::int64_t CountText(std::string_view text, std::string_view pattern, std::int64_t start,
                       bool matchCase, bool wholeWord) {
  return CountAccepted(WholeText(text), pattern, start, matchCase, wholeWord);
}

std::int64_t CountText(TJoinedLines& text, std::string_view pattern, std::int64_t start,
                       bool matchCase, bool wholeWord) {
  return CountAccepted(WindowsOf(text), pattern, start, matchCase, wholeWord);
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
