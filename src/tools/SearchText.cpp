#include "tools/SearchText.h"

#include <algorithm>
#include <functional>

#include "tools/ByteMatcher.h"
#include "tools/JoinedLines.h"
#include "tools/Utf8Matcher.h"

namespace {

constexpr auto kNotFound = std::string_view::npos;

bool IsAsciiLetter(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

// How one kind of search meets the text: where matches are, and whether one
// stands alone as a word.
struct TByteSearch {
  const TByteFold& fold;
  TByteMatcher matcher;

  TByteSearch(std::string_view pattern, bool matchCase)
      : fold(matchCase ? IdentityFold() : UpperCaseFold()), matcher(pattern, fold) {}
  static constexpr std::size_t kLookBehind = 1;
  std::size_t MaxMatchLength() const { return matcher.PatternLength(); }
  TMatchSpan FindFrom(std::string_view text, std::size_t from) const {
    const std::size_t index = matcher.FindFrom(text, from);
    return {index, matcher.PatternLength()};
  }
  // Whole-word test of Find and Count, on the bytes as folded for comparison.
  bool StandsAlone(std::string_view text, TMatchSpan match) const {
    auto isLetter = [&](std::size_t at) {
      return IsWordLetter(fold[static_cast<unsigned char>(text[at])]);
    };
    if (match.index > 0 && isLetter(match.index - 1)) return false;
    const std::size_t end = match.index + match.length;
    return end >= text.size() || !isLetter(end);
  }
};

struct TUtf8Search {
  TUtf8Matcher matcher;

  TUtf8Search(std::string_view pattern, bool matchCase) : matcher(pattern, matchCase) {}
  // Enough to find the character before a match and where characters start.
  static constexpr std::size_t kLookBehind = 4;
  std::size_t MaxMatchLength() const { return matcher.MaxMatchLength(); }
  TMatchSpan FindFrom(std::string_view text, std::size_t from) const {
    return matcher.FindFrom(text, from);
  }
  static bool StandsAlone(std::string_view text, TMatchSpan match) {
    return !WordCharacterBefore(text, match.index) &&
           !WordCharacterAt(text, match.index + match.length);
  }
};

// Calls `accept(position, length)` with the 1-based position of every
// accepted occurrence starting at or after the 0-based `from`, until it
// returns false. `windowAt(offset, minimumBytes)` hands out the text a window
// at a time. A window is searched only where the character after a candidate
// is known, and the next one starts early enough for the one before it.
template <typename Search, typename WindowAt, typename Accept>
void ForEachOccurrence(WindowAt windowAt, const Search& search, std::int64_t from, bool wholeWord,
                       Accept accept) {
  const std::size_t lookBehind = Search::kLookBehind;
  // The longest match and four bytes for the character after it.
  const std::size_t span = search.MaxMatchLength() + 4;
  for (;;) {
    const std::int64_t windowStart = std::max<std::int64_t>(from - lookBehind, 0);
    const TTextWindow window = windowAt(windowStart, span + lookBehind);
    const std::size_t size = window.bytes.size();
    for (TMatchSpan match =
             search.FindFrom(window.bytes, static_cast<std::size_t>(from - window.base));
         match.index != kNotFound; match = search.FindFrom(window.bytes, match.index + 1)) {
      if (!window.atEnd && match.index + span > size) break;
      if (wholeWord && !search.StandsAlone(window.bytes, match)) continue;
      if (!accept(window.base + static_cast<std::int64_t>(match.index) + 1,
                  static_cast<std::int64_t>(match.length)))
        return;
    }
    if (window.atEnd) return;
    from = window.base + static_cast<std::int64_t>(size - span) + 1;
  }
}

template <typename Search, typename WindowAt>
TTextMatch FirstAccepted(WindowAt windowAt, std::string_view pattern, std::int64_t start,
                         bool matchCase, bool wholeWord) {
  TTextMatch found;
  if (pattern.empty() || start < 1) return found;
  ForEachOccurrence(windowAt, Search(pattern, matchCase), start - 1, wholeWord,
                    [&found](std::int64_t position, std::int64_t length) {
                      found = {position, length};
                      return false;
                    });
  return found;
}

template <typename Search, typename WindowAt>
std::int64_t CountAccepted(WindowAt windowAt, std::string_view pattern, std::int64_t start,
                           bool matchCase, bool wholeWord) {
  if (pattern.empty()) return 0;
  std::int64_t count = 0;
  ForEachOccurrence(windowAt, Search(pattern, matchCase), start < 1 ? 0 : start - 1, wholeWord,
                    [&count](std::int64_t, std::int64_t) {
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

// The whole-word test of a replace: whether a word character stands just
// before an index, or at it. Without them every occurrence is taken.
struct TWordTests {
  std::function<bool(std::string_view, std::size_t)> before;
  std::function<bool(std::string_view, std::size_t)> at;
};

// Replaces occurrences left to right from `start`; replaced text is not
// searched again. As in a loop that changes the text in place, the character
// before a candidate right after a replacement is the replacement's last.
template <typename Find>
std::string ReplaceOccurrences(std::string_view text, Find find, std::string_view replacement,
                               std::int64_t start, std::int64_t maximumCount,
                               const TWordTests& wordTests, std::int64_t& count) {
  std::size_t copied = std::min(IndexOfStart(start), text.size());
  std::string result;
  result.reserve(text.size());
  result.append(text.substr(0, copied));
  auto standsAlone = [&](TMatchSpan match) {
    if (!wordTests.before) return true;
    const bool wordBefore = match.index == copied ? wordTests.before(result, result.size())
                                                  : wordTests.before(text, match.index);
    return !wordBefore && !wordTests.at(text, match.index + match.length);
  };
  for (TMatchSpan match = find(text, copied);
       match.index != kNotFound && (maximumCount <= 0 || count < maximumCount);) {
    if (!standsAlone(match)) {
      match = find(text, match.index + 1);
      continue;
    }
    result.append(text.substr(copied, match.index - copied)).append(replacement);
    copied = match.index + match.length;
    ++count;
    match = find(text, copied);
  }
  result.append(text.substr(copied));
  return result;
}

}  // namespace

std::int64_t SearchText(std::string_view text, std::string_view pattern, std::int64_t start,
                        bool matchCase, bool wholeWord) {
  return FirstAccepted<TByteSearch>(WholeText(text), pattern, start, matchCase, wholeWord).position;
}

std::int64_t SearchText(TJoinedLines& text, std::string_view pattern, std::int64_t start,
                        bool matchCase, bool wholeWord) {
  return FirstAccepted<TByteSearch>(WindowsOf(text), pattern, start, matchCase, wholeWord).position;
}

std::int64_t CountText(std::string_view text, std::string_view pattern, std::int64_t start,
                       bool matchCase, bool wholeWord) {
  return CountAccepted<TByteSearch>(WholeText(text), pattern, start, matchCase, wholeWord);
}

std::int64_t CountText(TJoinedLines& text, std::string_view pattern, std::int64_t start,
                       bool matchCase, bool wholeWord) {
  return CountAccepted<TByteSearch>(WindowsOf(text), pattern, start, matchCase, wholeWord);
}

TTextMatch SearchUtf8Text(std::string_view text, std::string_view pattern, std::int64_t start,
                          bool matchCase, bool wholeWord) {
  return FirstAccepted<TUtf8Search>(WholeText(text), pattern, start, matchCase, wholeWord);
}

TTextMatch SearchUtf8Text(TJoinedLines& text, std::string_view pattern, std::int64_t start,
                          bool matchCase, bool wholeWord) {
  return FirstAccepted<TUtf8Search>(WindowsOf(text), pattern, start, matchCase, wholeWord);
}

std::int64_t CountUtf8Text(std::string_view text, std::string_view pattern, std::int64_t start,
                           bool matchCase, bool wholeWord) {
  return CountAccepted<TUtf8Search>(WholeText(text), pattern, start, matchCase, wholeWord);
}

std::int64_t CountUtf8Text(TJoinedLines& text, std::string_view pattern, std::int64_t start,
                           bool matchCase, bool wholeWord) {
  return CountAccepted<TUtf8Search>(WindowsOf(text), pattern, start, matchCase, wholeWord);
}

std::string ReplacedText(std::string_view text, std::string_view pattern,
                         std::string_view replacement, std::int64_t start,
                         std::int64_t maximumCount, bool matchCase, bool wholeWord,
                         std::int64_t& count) {
  count = 0;
  if (pattern.empty()) return std::string(text);
  const TByteMatcher matcher(pattern, matchCase ? IdentityFold() : CompareIgnoreCaseFold());
  auto find = [&matcher](std::string_view in, std::size_t from) {
    return TMatchSpan{matcher.FindFrom(in, from), matcher.PatternLength()};
  };
  auto letterBefore = [](std::string_view in, std::size_t at) {
    return at > 0 && IsAsciiLetter(in[at - 1]);
  };
  auto letterAt = [](std::string_view in, std::size_t at) {
    return at < in.size() && IsAsciiLetter(in[at]);
  };
  return ReplaceOccurrences(text, find, replacement, start, maximumCount,
                            wholeWord ? TWordTests{letterBefore, letterAt} : TWordTests{}, count);
}

std::string ReplacedUtf8Text(std::string_view text, std::string_view pattern,
                             std::string_view replacement, std::int64_t start,
                             std::int64_t maximumCount, bool matchCase, bool wholeWord,
                             std::int64_t& count) {
  count = 0;
  if (pattern.empty()) return std::string(text);
  const TUtf8Matcher matcher(pattern, matchCase);
  auto find = [&matcher](std::string_view in, std::size_t from) {
    return matcher.FindFrom(in, from);
  };
  return ReplaceOccurrences(
      text, find, replacement, start, maximumCount,
      wholeWord ? TWordTests{WordCharacterBefore, WordCharacterAt} : TWordTests{}, count);
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
