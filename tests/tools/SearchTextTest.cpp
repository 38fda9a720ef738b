#include <gtest/gtest.h>

#include <random>

#include "tools/SearchText.h"

using namespace std::string_literals;

namespace {

// The letters among the random inputs' bytes (upper-cased too), listed by
// hand so that the reference does not lean on the letter table it checks;
// 0xDF stays a boundary, as it is no letter of the whole-word test.
bool IsAlphabetLetter(char c) {
  return std::string_view("aAbB\xE9\xC9\xFF\x9F").find(c) != std::string_view::npos;
}

// The upper case of the random inputs' bytes, listed by hand as well; the
// other bytes have none.
char PlainUpper(char c) {
  switch (c) {
    case 'a':
      return 'A';
    case 'b':
      return 'B';
    case '\xE9':
      return '\xC9';
    case '\xFF':
      return '\x9F';
    default:
      return c;
  }
}

std::string PlainUpperCase(std::string text) {
  for (char& c : text) c = PlainUpper(c);
  return text;
}

// Straight transcriptions of the routines as first designed: upper-cased
// copies, a position loop and an in-place replace. The fast routines must
// agree with them on every input.
std::int64_t NaiveSearch(std::string text, std::string pattern, std::int64_t start, bool matchCase,
                         bool wholeWord, bool firstOnly) {
  const auto n = static_cast<std::int64_t>(text.size());
  const auto m = static_cast<std::int64_t>(pattern.size());
  if (n == 0 || m == 0 || start < 1 || start > n) return 0;
  if (!matchCase) {
    text = PlainUpperCase(text);
    pattern = PlainUpperCase(pattern);
  }
  std::int64_t count = 0;
  for (std::int64_t p = start; p <= n - m + 1; ++p) {
    if (text.compare(p - 1, m, pattern) != 0) continue;
    const bool alone = (p == 1 || !IsAlphabetLetter(text[p - 2])) &&
                       (p + m - 1 == n || !IsAlphabetLetter(text[p + m - 1]));
    if (wholeWord && !alone) continue;
    if (firstOnly) return p;
    ++count;
  }
  return firstOnly ? 0 : count;
}

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::int64_t NaiveReplace(std::string& s, const std::string& pattern,
                          const std::string& replacement, std::int64_t start, std::int64_t maximum,
                          bool matchCase, bool wholeWord) {
  const auto m = static_cast<std::int64_t>(pattern.size());
  if (m == 0) return 0;
  std::int64_t p = start, count = 0;
  while (p <= static_cast<std::int64_t>(s.size()) - m + 1) {
    if (maximum > 0 && count >= maximum) break;
    const std::string_view at = std::string_view(s).substr(p - 1, m);
    const bool equal =
        matchCase ? at == pattern : PlainUpperCase(std::string(at)) == PlainUpperCase(pattern);
    const bool letterAround =
        (p > 1 && IsAsciiLetter(s[p - 2])) ||
        (p - 1 + m < static_cast<std::int64_t>(s.size()) && IsAsciiLetter(s[p - 1 + m]));
    if (!equal || (wholeWord && letterAround)) {
      ++p;
      continue;
    }
    s.replace(p - 1, m, replacement);
    p += static_cast<std::int64_t>(replacement.size());
    ++count;
  }
  return count;
}

// Letters of both cases, accented ones, word boundaries and NUL.
const std::string kAlphabet = "aAbB\xE9\xC9\xFF\x9F_1 -\0\\\xDF"s;

std::string RandomBytes(std::mt19937& random, std::size_t maximumLength) {
  std::string bytes(std::uniform_int_distribution<std::size_t>(0, maximumLength)(random), ' ');
  for (char& c : bytes) c = kAlphabet[random() % kAlphabet.size()];
  return bytes;
}

}  // namespace

TEST(SearchText, AgreesWithNaiveSearchOnRandomInput) {
  std::mt19937 random(7);
  for (int round = 0; round < 20000; ++round) {
    const std::string text = RandomBytes(random, 24);
    const std::string pattern = RandomBytes(random, 3);
    const std::int64_t start = static_cast<std::int64_t>(random() % (text.size() + 3)) - 1;
    const bool matchCase = random() & 1, wholeWord = random() & 2;
    SCOPED_TRACE(::testing::Message() << "round " << round);
    ASSERT_EQ(SearchText(text, pattern, start, matchCase, wholeWord),
              NaiveSearch(text, pattern, start, matchCase, wholeWord, true));
    if (start >= 1) {
      ASSERT_EQ(CountText(text, pattern, start, matchCase, wholeWord),
                NaiveSearch(text, pattern, start, matchCase, wholeWord, false));
    }
  }
}

TEST(ReplaceText, OnePassBuildEqualsInPlaceLoopOnRandomInput) {
  std::mt19937 random(11);
  for (int round = 0; round < 20000; ++round) {
    const std::string original = RandomBytes(random, 24);
    const std::string pattern = RandomBytes(random, 3);
    const std::string replacement = RandomBytes(random, 3);
    const std::int64_t start = 1 + random() % (original.size() + 2);
    const std::int64_t maximum = random() % 4;
    const bool matchCase = random() & 1, wholeWord = random() & 2;
    std::string fast = original, naive = original;
    SCOPED_TRACE(::testing::Message() << "round " << round);
    ASSERT_EQ(ReplaceText(fast, pattern, replacement, start, maximum, matchCase, wholeWord),
              NaiveReplace(naive, pattern, replacement, start, maximum, matchCase, wholeWord));
    ASSERT_EQ(fast, naive);
  }
}

TEST(SearchText, FindsOverlappingOccurrencesOneAfterAnother) {
  EXPECT_EQ(SearchText("aaaa", "aa", 1, true, false), 1);
  EXPECT_EQ(SearchText("aaaa", "aa", 2, true, false), 2);
  EXPECT_EQ(SearchText("aaaa", "aa", 3, true, false), 3);
  EXPECT_EQ(SearchText("aaaa", "aa", 4, true, false), 0) << "never wraps";
  EXPECT_EQ(CountText("aaaa", "aa", 1, true, false), 3);
  EXPECT_EQ(CountText("aaaa", "aa", 3, true, false), 1);
}

TEST(SearchText, RejectsEmptyInputsAndStartsOutsideTheText) {
  EXPECT_EQ(SearchText("", "a", 1, true, false), 0);
  EXPECT_EQ(SearchText("abc", "", 1, true, false), 0);
  EXPECT_EQ(SearchText("abc", "b", 0, true, false), 0);
  EXPECT_EQ(SearchText("abc", "c", 4, true, false), 0);
  EXPECT_EQ(SearchText("abc", "abcd", 1, false, false), 0) << "pattern longer than text";
  EXPECT_EQ(CountText("abc", "abcd", 1, false, false), 0);
  EXPECT_EQ(CountText("abc", "", 1, false, false), 0);
  EXPECT_EQ(CountText("abc", "c", 4, false, false), 0);
  EXPECT_EQ(CountText("abcb", "b", -5, true, false), 2) << "a start below 1 counts from 1";
}

TEST(SearchText, WholeWordTreatsDigitsAndUnderscoreAsBoundaries) {
  EXPECT_EQ(SearchText("cat_1", "cat", 1, true, true), 1);
  EXPECT_EQ(SearchText("x.cat9", "cat", 1, true, true), 3);
  EXPECT_EQ(SearchText("cats", "cat", 1, true, true), 0);
  EXPECT_EQ(SearchText("bobcat", "cat", 1, true, true), 0);
  EXPECT_EQ(SearchText("cats cat", "cat", 1, true, true), 6) << "rejected ones are skipped";
  EXPECT_EQ(CountText("cat cats bobcat cat", "cat", 1, true, true), 2);
}

TEST(SearchText, AccentedLetterBlocksWholeWordInFindAndCountButNotInReplace) {
  const std::string text =
      "\xE9"
      "cat cat\xE9";
  EXPECT_EQ(SearchText(text, "cat", 1, false, true), 0);
  EXPECT_EQ(CountText(text, "cat", 1, false, true), 0);
  std::string replaced = text;
  EXPECT_EQ(ReplaceText(replaced, "cat", "dog", 1, 0, false, true), 2);
  EXPECT_EQ(replaced,
            "\xE9"
            "dog dog\xE9");
}

TEST(SearchText, FoldsCaseThroughTheCodePage) {
  const std::string text = "Caf\xC9 caf\xE9";  // CAFÉ café
  EXPECT_EQ(SearchText(text, "caf\xE9", 1, false, false), 1);
  EXPECT_EQ(CountText(text, "CAF\xC9", 1, false, false), 2);
  EXPECT_EQ(SearchText(text, "caf\xE9", 1, true, false), 6);
  EXPECT_EQ(CountText(text, "caf\xC9", 1, true, false), 0);
  std::string replaced = text;
  EXPECT_EQ(ReplaceText(replaced, "CAF\xC9", "tea", 1, 0, false, false), 2);
  EXPECT_EQ(replaced, "tea tea");
}

TEST(SearchText, TreatsNulAsAnOrdinaryByte) {
  const std::string text = "a\0b\0c"s;
  EXPECT_EQ(SearchText(text, "\0"s, 1, true, false), 2);
  EXPECT_EQ(SearchText(text, "b\0c"s, 1, false, false), 3);
  EXPECT_EQ(CountText(text, "\0"s, 1, false, false), 2);
  EXPECT_EQ(SearchText(text, "b", 1, true, true), 3) << "NUL is a word boundary";
  std::string replaced = text;
  EXPECT_EQ(ReplaceText(replaced, "\0"s, "-", 1, 0, true, false), 2);
  EXPECT_EQ(replaced, "a-b-c");
}

TEST(ReplaceText, ResumesAfterTheInsertedTextAndHonoursItsLimits) {
  std::string text = "a-a-a";
  EXPECT_EQ(ReplaceText(text, "a", "aa", 1, 0, true, false), 3);
  EXPECT_EQ(text, "aa-aa-aa") << "inserted text is not searched again";

  text = "a-a-a";
  EXPECT_EQ(ReplaceText(text, "a", "", 2, 1, true, false), 1);
  EXPECT_EQ(text, "a--a") << "start and maximum count";

  text = "abc";
  EXPECT_EQ(ReplaceText(text, "", "x", 1, 0, true, false), 0);
  EXPECT_EQ(ReplaceText(text, "abcd", "x", 1, 0, true, false), 0);
  EXPECT_EQ(ReplaceText(text, "c", "x", 9, 0, true, false), 0);
  EXPECT_EQ(text, "abc");
}

TEST(ReplaceText, WholeWordSeesTheReplacementBeforeTheNextCandidate) {
  std::string text = "--";
  EXPECT_EQ(ReplaceText(text, "-", "q", 1, 0, true, true), 1);
  EXPECT_EQ(text, "q-") << "the second hyphen follows the letter just inserted";

  text = "x1x\xE9x";
  EXPECT_EQ(ReplaceText(text, "x", "y", 1, 0, true, true), 3) << "only ASCII letters block";
  EXPECT_EQ(text, "y1y\xE9y");
}

TEST(DecodeEscapes, DecodesKnownPairsAndDropsUnknownOnes) {
  EXPECT_EQ(DecodeEscapes(""), "");
  EXPECT_EQ(DecodeEscapes("a\\tb"), "a\tb");
  EXPECT_EQ(DecodeEscapes("\\n"), "\r\n");
  EXPECT_EQ(DecodeEscapes("x\\"), "x\\") << "a trailing backslash stays";
  EXPECT_EQ(DecodeEscapes("a\\qb"), "ab");
  EXPECT_EQ(DecodeEscapes("\\\\"), "\\");
  EXPECT_EQ(DecodeEscapes("\\\\t"), "\\t") << "a decoded backslash does not start a pair";
  EXPECT_EQ(DecodeEscapes("1\\02"),
            "1\0"s
            "2");
  EXPECT_EQ(DecodeEscapes("\\T\\N"), "") << "escapes are lower-case only";
}

TEST(WordLetters, CoversTheCodePageLettersOnly) {
  for (unsigned char c : std::string("AZaz\x8A\x8C\x9A\x9C\x9F\xC0\xD6\xD8\xDE\xE0\xF6\xF8\xFF"))
    EXPECT_TRUE(IsWordLetter(c)) << int(c);
  for (unsigned char c : std::string("09_ @[`{\x80\x8B\x9E\xAA\xB5\xD7\xDF\xF7"))
    EXPECT_FALSE(IsWordLetter(c)) << int(c);
}
