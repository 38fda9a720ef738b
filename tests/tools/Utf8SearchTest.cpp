#include <gtest/gtest.h>
#include <utf8proc.h>

#include <random>
#include <string>
#include <vector>

#include "support/Utf8Fold.h"
#include "tools/JoinedLines.h"
#include "tools/SearchText.h"

namespace {

// One character as the reference sees it, decoded by the library itself.
struct RefChar {
  std::size_t at = 0;
  std::size_t length = 1;
  char32_t unit = 0;  // folded code point, or 0x110000 + an invalid byte
  bool word = false;
  bool zeroWidth = false;  // a combining mark: the caret never stops before it
};

std::vector<RefChar> Characters(std::string_view text, bool fold) {
  std::vector<RefChar> chars;
  for (std::size_t at = 0; at < text.size();) {
    const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(text.data() + at);
    utf8proc_int32_t codePoint = -1;
    const utf8proc_ssize_t length =
        utf8proc_iterate(bytes, static_cast<utf8proc_ssize_t>(text.size() - at), &codePoint);
    RefChar c{at, 1, 0x110000u + bytes[0], false};
    if (length > 0 && codePoint >= 0) {
      const auto category = utf8proc_category(codePoint);
      c = {at, static_cast<std::size_t>(length), static_cast<char32_t>(codePoint),
           category >= UTF8PROC_CATEGORY_LU && category <= UTF8PROC_CATEGORY_NO,
           codePoint >= 0xA0 && utf8proc_charwidth(codePoint) == 0};
      if (fold) c.unit = utf8::FoldCase(c.unit);
    }
    chars.push_back(c);
    at += c.length;
  }
  return chars;
}

// Plain search: compare folded characters at every character boundary.
struct Reference {
  std::vector<RefChar> text, pattern;
  bool wholeWord;

  Reference(std::string_view t, std::string_view p, bool matchCase, bool whole)
      : text(Characters(t, !matchCase)), pattern(Characters(p, !matchCase)), wholeWord(whole) {}

  // Matches start and end where the caret stops; each line starts anew.
  bool StopBefore(std::size_t i) const {
    return i == 0 || i == text.size() || !text[i].zeroWidth || text[i - 1].unit == '\n' ||
           text[i - 1].unit == '\r';
  }
  bool MatchesAt(std::size_t i) const {
    if (pattern.empty() || i + pattern.size() > text.size()) return false;
    if (!StopBefore(i) || !StopBefore(i + pattern.size())) return false;
    for (std::size_t k = 0; k < pattern.size(); ++k)
      if (text[i + k].unit != pattern[k].unit) return false;
    return true;
  }
  bool Alone(std::size_t i, bool wordBefore) const {
    const std::size_t after = i + pattern.size();
    return !wholeWord || (!wordBefore && (after == text.size() || !text[after].word));
  }
  std::size_t EndOf(std::size_t i) const {
    const RefChar& last = text[i + pattern.size() - 1];
    return last.at + last.length;
  }
  std::vector<TTextMatch> All(std::int64_t start) const {
    std::vector<TTextMatch> found;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (static_cast<std::int64_t>(text[i].at) < start - 1 || !MatchesAt(i)) continue;
      if (!Alone(i, i > 0 && text[i - 1].word)) continue;
      found.push_back({static_cast<std::int64_t>(text[i].at) + 1,
                       static_cast<std::int64_t>(EndOf(i) - text[i].at)});
    }
    return found;
  }
};

// The in-place replace loop, written out plainly: the character before a
// candidate is the last one of the text as changed so far.
std::string ReferenceReplace(std::string_view text, std::string_view pattern,
                             std::string_view replacement, std::int64_t start, bool matchCase,
                             bool wholeWord, std::int64_t& count) {
  const Reference reference(text, pattern, matchCase, wholeWord);
  std::string result;
  count = 0;
  for (std::size_t i = 0; i < reference.text.size();) {
    const RefChar& c = reference.text[i];
    const std::vector<RefChar> sofar = Characters(result, false);
    const bool wordBefore = !sofar.empty() && sofar.back().word;
    if (static_cast<std::int64_t>(c.at) >= start - 1 && reference.MatchesAt(i) &&
        reference.Alone(i, wordBefore)) {
      result.append(replacement);
      ++count;
      i += reference.pattern.size();
      continue;
    }
    result.append(text.substr(c.at, c.length));
    ++i;
  }
  return result;
}

// Letters with case partners of other byte lengths, a combining mark,
// non-letters and invalid bytes.
const std::vector<std::string> kPieces = {"a",
                                          "A",
                                          "k",
                                          "K",
                                          "\xE2\x84\xAA",
                                          "s",
                                          "S",
                                          "\xC5\xBF",
                                          "\xC3\xA9",
                                          "\xC3\x89",
                                          "e\xCC\x81",
                                          "\xC3\x9F",
                                          "\xE1\xBA\x9E",
                                          "\xCF\x83",
                                          "\xCE\xA3",
                                          "\xCF\x82",
                                          "\xD0\x96",
                                          "\xD0\xB6",
                                          "\xE4\xB8\xAD",
                                          "\xF0\x9F\x98\x80",
                                          " ",
                                          "_",
                                          "1",
                                          "\xFF",
                                          "\xC3",
                                          "\xA9"};

// The same letter in another case or form.
std::string Variant(const std::string& piece, std::mt19937& random) {
  static const std::vector<std::vector<std::string>> families = {
      {"a", "A"},
      {"k", "K", "\xE2\x84\xAA"},
      {"s", "S", "\xC5\xBF"},
      {"\xC3\xA9", "\xC3\x89"},
      {"\xC3\x9F", "\xE1\xBA\x9E"},
      {"\xCF\x83", "\xCE\xA3", "\xCF\x82"},
      {"\xD0\x96", "\xD0\xB6"}};
  for (const auto& family : families) {
    for (const auto& member : family)
      if (member == piece) return family[random() % family.size()];
  }
  return piece;
}

std::vector<std::string> RandomPieces(std::mt19937& random, std::size_t count) {
  std::vector<std::string> pieces;
  for (std::size_t i = 0; i < count; ++i) pieces.push_back(kPieces[random() % kPieces.size()]);
  return pieces;
}

std::string Joined(const std::vector<std::string>& pieces, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to; ++i) text += pieces[i];
  return text;
}

}  // namespace

// Find, Count and Replace against the plain search, on the whole text and on
// lines read through small windows, from every kind of start.
TEST(Utf8Search, AgreesWithAPlainSearchOverRandomText) {
  std::mt19937 random(1208);
  for (int round = 0; round < 3000; ++round) {
    const std::vector<std::string> pieces = RandomPieces(random, 1 + random() % 30);
    std::vector<std::string> lines(1);
    for (const std::string& piece : pieces) {
      if (random() % 8 == 0) lines.emplace_back();
      lines.back() += piece;
    }
    std::string text = lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i) text += "\r\n" + lines[i];

    std::string pattern;
    const std::size_t first = random() % pieces.size();
    for (std::size_t i = first; i < std::min(pieces.size(), first + 1 + random() % 4); ++i)
      pattern += Variant(pieces[i], random);
    const bool matchCase = random() % 4 == 0;
    const bool wholeWord = random() % 2 == 0;
    const auto start = static_cast<std::int64_t>(1 + random() % (text.size() + 1));
    SCOPED_TRACE("text '" + text + "' pattern '" + pattern + "' start " + std::to_string(start) +
                 (matchCase ? " case" : "") + (wholeWord ? " word" : ""));

    const std::vector<TTextMatch> expected =
        Reference(text, pattern, matchCase, wholeWord).All(start);
    TJoinedLines joined(
        static_cast<std::int64_t>(lines.size()),
        [&lines](std::int64_t index) { return std::string_view(lines[index]); }, 1 + random() % 9);
    for (const TTextMatch found : {SearchUtf8Text(text, pattern, start, matchCase, wholeWord),
                                   SearchUtf8Text(joined, pattern, start, matchCase, wholeWord)}) {
      EXPECT_EQ(found.position, expected.empty() ? 0 : expected[0].position);
      EXPECT_EQ(found.length, expected.empty() ? 0 : expected[0].length);
    }
    const auto count = static_cast<std::int64_t>(expected.size());
    EXPECT_EQ(CountUtf8Text(text, pattern, start, matchCase, wholeWord), count);
    EXPECT_EQ(CountUtf8Text(joined, pattern, start, matchCase, wholeWord), count);

    const std::vector<std::string> replacementPieces = RandomPieces(random, random() % 3);
    const std::string replacement = Joined(replacementPieces, 0, replacementPieces.size());
    std::int64_t replaced = 0, expectedReplaced = 0;
    EXPECT_EQ(
        ReplacedUtf8Text(text, pattern, replacement, start, 0, matchCase, wholeWord, replaced),
        ReferenceReplace(text, pattern, replacement, start, matchCase, wholeWord,
                         expectedReplaced));
    EXPECT_EQ(replaced, expectedReplaced);
  }
}

TEST(Utf8Search, FoldsLettersOfEveryLengthAndNeverCutsACharacter) {
  EXPECT_EQ(SearchUtf8Text("x \xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89", 1, false, false).position,
            3);
  EXPECT_EQ(SearchUtf8Text("x \xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89", 1, true, false).position, 0);
  // The Kelvin sign is three bytes and matches "k".
  const TTextMatch kelvin = SearchUtf8Text("1 \xE2\x84\xAA", "k", 1, false, false);
  EXPECT_EQ(kelvin.position, 3);
  EXPECT_EQ(kelvin.length, 3);
  // A start inside a character goes on from the next one.
  EXPECT_EQ(SearchUtf8Text("\xE4\xB8\xAD\xE4\xB8\xAD", "\xE4\xB8\xAD", 2, true, false).position, 4);
  // Whole words: accented letters and digits are word characters, "_" is not.
  EXPECT_EQ(CountUtf8Text("cat caf\xC3\xA9 cat9 \xC3\xA9"
                          "cat cat_x",
                          "cat", 1, false, true),
            2);
  // A letter is not found without its combining mark, nor the mark without
  // its letter: only a mark that starts a line is found alone.
  EXPECT_EQ(CountUtf8Text("e\xCC\x81 e", "e", 1, false, false), 1);
  const TTextMatch mark =
      SearchUtf8Text("e\xCC\x81 \xCC\x81\r\n\xCC\x81", "\xCC\x81", 1, false, false);
  EXPECT_EQ(mark.position, 9);
  EXPECT_EQ(mark.length, 2);
}
