// Find, Count and Replace on arbitrary text, pattern and start agree with a
// naive scan, over a string and over lines read in small windows alike; the
// escape decoder undoes the matching encoding.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "support/CodePage.h"
#include "tools/FindReplace.h"
#include "tools/JoinedLines.h"
#include "tools/SearchText.h"

namespace {

struct Query {
  std::string pattern;
  std::int64_t start;
  bool matchCase;
  bool wholeWord;
};

// The whole-word letters written out plainly: ASCII letters, five letters
// among 0x8A to 0x9F, and 0xC0 on except the signs 0xD7 and 0xF7 and the
// sharp s 0xDF.
bool IsPlainWordLetter(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  if (c == 0x8A || c == 0x8C || c == 0x9A || c == 0x9C || c == 0x9F) return true;
  return c >= 0xC0 && c != 0xD7 && c != 0xDF && c != 0xF7;
}

unsigned char Folded(char c, bool matchCase) {
  const auto byte = static_cast<unsigned char>(c);
  return matchCase ? byte : codepage::ToUpper(byte);
}

bool MatchesAt(std::string_view text, std::size_t index, const Query& query) {
  if (index + query.pattern.size() > text.size()) return false;
  for (std::size_t i = 0; i < query.pattern.size(); ++i) {
    if (Folded(text[index + i], query.matchCase) != Folded(query.pattern[i], query.matchCase)) {
      return false;
    }
  }
  if (!query.wholeWord) return true;
  auto letter = [&](std::size_t at) {
    return IsPlainWordLetter(Folded(text[at], query.matchCase));
  };
  const std::size_t after = index + query.pattern.size();
  return !(index > 0 && letter(index - 1)) && !(after < text.size() && letter(after));
}

std::vector<std::int64_t> ReferenceOccurrences(std::string_view text, const Query& query) {
  std::vector<std::int64_t> found;
  if (query.pattern.empty()) return found;
  for (std::int64_t index = std::max<std::int64_t>(query.start, 1) - 1;
       index < static_cast<std::int64_t>(text.size()); ++index) {
    if (MatchesAt(text, static_cast<std::size_t>(index), query)) found.push_back(index + 1);
  }
  return found;
}

bool AsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Replacing in place, left to right, the way the original loop did.
std::int64_t ReferenceReplace(std::string& text, const Query& query, std::string_view replacement,
                              std::int64_t maximumCount) {
  const std::size_t m = query.pattern.size();
  std::int64_t count = 0;
  if (m == 0) return 0;
  auto same = [&](char a, char b) {
    return query.matchCase ? a == b : codepage::CompareIgnoreCase({&a, 1}, {&b, 1}) == 0;
  };
  std::size_t index = static_cast<std::size_t>(std::max<std::int64_t>(query.start, 1) - 1);
  while (index + m <= text.size() && (maximumCount <= 0 || count < maximumCount)) {
    bool match = std::equal(query.pattern.begin(), query.pattern.end(), text.begin() + index, same);
    if (match && query.wholeWord) {
      match = !(index > 0 && AsciiLetter(text[index - 1])) &&
              !(index + m < text.size() && AsciiLetter(text[index + m]));
    }
    if (!match) {
      ++index;
      continue;
    }
    text.replace(index, m, replacement);
    index += replacement.size();
    ++count;
  }
  return count;
}

std::vector<std::string> SplitAtCrLf(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string_view::npos;
       start = end + 2) {
    lines.emplace_back(text.substr(start, end - start));
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

void CheckSearches(const std::string& text, const Query& query, std::size_t windowBytes) {
  const std::vector<std::int64_t> expected = ReferenceOccurrences(text, query);
  const std::int64_t first = query.start < 1 || expected.empty() ? 0 : expected.front();
  const auto count = static_cast<std::int64_t>(expected.size());
  Expect(SearchText(text, query.pattern, query.start, query.matchCase, query.wholeWord) == first,
         "Find agrees with a naive scan");
  Expect(CountText(text, query.pattern, query.start, query.matchCase, query.wholeWord) == count,
         "Count agrees with a naive scan");

  const std::vector<std::string> lines = SplitAtCrLf(text);
  auto lineAt = [&lines](std::int64_t index) -> std::string_view { return lines[index]; };
  TJoinedLines joined(static_cast<std::int64_t>(lines.size()), lineAt, windowBytes);
  Expect(SearchText(joined, query.pattern, query.start, query.matchCase, query.wholeWord) == first,
         "Find over lines agrees");
  Expect(CountText(joined, query.pattern, query.start, query.matchCase, query.wholeWord) == count,
         "Count over lines agrees");
}

void CheckReplace(const std::string& text, const Query& query, const std::string& replacement,
                  std::int64_t maximumCount) {
  std::string expected = text;
  const std::int64_t expectedCount = ReferenceReplace(expected, query, replacement, maximumCount);
  std::string actual = text;
  Expect(ReplaceText(actual, query.pattern, replacement, query.start, maximumCount, query.matchCase,
                     query.wholeWord) == expectedCount,
         "Replace counts as the in-place loop");
  Expect(actual == expected, "Replace changes the text as the in-place loop");

  const TReplaceAllResult all = ReplaceAllFrom(text, query.pattern, replacement, query.start,
                                               {query.matchCase, query.wholeWord});
  if (all.occurrence == 0) return;
  Query tail = query;
  tail.start = 1;
  std::string expectedTail = text.substr(all.occurrence - 1);
  Expect(all.count == ReferenceReplace(expectedTail, tail, replacement, 0),
         "Yes to All counts the tail's replacements");
  Expect(all.replacedTail == expectedTail, "Yes to All replaces the tail");
}

// What the user would type to search for `text`.
std::string Escaped(std::string_view text) {
  std::string typed;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\r\n") == 0) {
      typed += "\\n";
      ++i;
    } else if (text[i] == '\t') {
      typed += "\\t";
    } else if (text[i] == '\0') {
      typed += "\\0";
    } else if (text[i] == '\\') {
      typed += "\\\\";
    } else {
      typed += text[i];
    }
  }
  return typed;
}

void CheckEscapes(const std::string& text) {
  Expect(DecodeEscapes(Escaped(text)) == text, "decoding undoes escaping");
  Expect(DecodeEscapes(text).size() <= text.size(), "decoding never grows");
  if (text.find('\\') == std::string::npos) {
    Expect(DecodeEscapes(FindTextFromSelection(text)) == text, "a selection searches for itself");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  Query query;
  query.matchCase = input.ConsumeBool();
  query.wholeWord = input.ConsumeBool();
  const auto windowBytes = input.ConsumeIntegralInRange<std::size_t>(1, 64);
  const auto maximumCount = input.ConsumeIntegralInRange<std::int64_t>(0, 3);
  query.start = input.ConsumeIntegralInRange<std::int64_t>(-1, 300);
  query.pattern = input.ConsumeRandomLengthString(8);
  const std::string replacement = input.ConsumeRandomLengthString(8);
  const std::string text = input.ConsumeRemainingBytesAsString();

  CheckSearches(text, query, windowBytes);
  CheckReplace(text, query, replacement, maximumCount);
  CheckEscapes(text);
  return 0;
}
