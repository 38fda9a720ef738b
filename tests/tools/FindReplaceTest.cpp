#include <gtest/gtest.h>

#include "tools/FindReplace.h"
#include "tools/JoinedLines.h"

using namespace std::string_literals;

TEST(CursorStartPosition, StartsAtTheCaretOrTheSelectionsSecondCharacter) {
  EXPECT_EQ(CursorStartPosition(0, 0), 1);
  EXPECT_EQ(CursorStartPosition(9, 0), 10);
  EXPECT_EQ(CursorStartPosition(9, 4), 11);
}

TEST(FindTextFromSelection, EscapesTabsAndLineBreaksOnly) {
  EXPECT_EQ(FindTextFromSelection("a\tb\r\nc"), "a\\tb\\nc");
  EXPECT_EQ(FindTextFromSelection("x\\y\rz\n"), "x\\y\rz\n") << "no doubling, lone CR/LF kept";
}

TEST(FindAndTally, CountsSuccessesUntilTheFirstFailure) {
  const std::string text = "aaaa";
  int found = 0;
  std::int64_t start = 1;
  for (std::int64_t expected = 0; expected < 3; ++expected) {
    const TFindResult result = FindAndTally(text, "aa", start, {}, found);
    ASSERT_TRUE(result.selection);
    EXPECT_EQ(result.selection->start, expected);
    EXPECT_EQ(result.selection->length, 2);
    EXPECT_TRUE(result.notice.text.empty());
    start = CursorStartPosition(result.selection->start, result.selection->length);
  }
  EXPECT_EQ(found, 3);

  TFindResult result = FindAndTally(text, "aa", start, {}, found);
  EXPECT_FALSE(result.selection) << "never wraps";
  EXPECT_EQ(result.notice.caption, "Search Result");
  EXPECT_EQ(result.notice.text,
            "No more occurrences found.\r\n\r\nThe following text string was found 3 times."
            "\r\n\r\n\"aa\"");
  EXPECT_EQ(found, 0);

  result = FindAndTally(text, "aa", start, {}, found);
  EXPECT_EQ(result.notice.caption, "Phrase Not Found");
  EXPECT_EQ(result.notice.text, "The following text string was not found.\r\n\r\n\"aa\"");
}

TEST(FindAndTally, EmptySearchStringIsNotFoundWithEmptyQuotes) {
  int found = 0;
  const TFindResult result = FindAndTally("text", "", 1, {}, found);
  EXPECT_FALSE(result.selection);
  EXPECT_EQ(result.notice.text, "The following text string was not found.\r\n\r\n\"\"");
}

TEST(FindNextOccurrence, MatchesALineBreakInTheTextOrAcrossLines) {
  const std::vector<std::string> lines{"one", "two", "three"};
  TJoinedLines joined(
      3, [&lines](std::int64_t index) { return std::string_view(lines[index]); }, 2);
  for (const auto& range : {FindNextOccurrence("one\r\ntwo\r\nthree", "o\r\nt", 4, {}),
                            FindNextOccurrence(joined, "o\r\nt", 4, {})}) {
    ASSERT_TRUE(range);
    EXPECT_EQ(range->start, 7);
    EXPECT_EQ(range->length, 4);
  }
  int found = 5;
  EXPECT_EQ(FindAndTally(joined, "O\r\nT", 9, {}, found).notice.caption, "Search Result");
  EXPECT_EQ(found, 0);
}

TEST(ReplaceAllFrom, ReplacesFromTheOccurrenceFoundAtThePassStart) {
  const std::string text = "cat cat. Cat cats";
  const TReplaceAllResult result = ReplaceAllFrom(text, "cat", "dog", 2, {false, true});
  EXPECT_EQ(result.occurrence, 5);
  EXPECT_EQ(result.replacedTail, "dog. dog cats");
  EXPECT_EQ(result.count, 2);
  EXPECT_EQ(result.caretIndex, 2) << "the pass start taken as a 0-based index";
  EXPECT_EQ(text.substr(0, result.occurrence - 1) + result.replacedTail, "cat dog. dog cats");
}

TEST(ReplaceAllFrom, WholeWordRulesDifferBetweenFindingAndReplacing) {
  // Find skips 'cat' after the accented letter; replacing then ignores accents.
  const std::string text =
      "\xE9"
      "cat cat \xE9"
      "cat";
  const TReplaceAllResult result = ReplaceAllFrom(text, "cat", "", 1, {true, true});
  EXPECT_EQ(result.occurrence, 6);
  EXPECT_EQ(result.replacedTail, " \xE9");
  EXPECT_EQ(result.count, 2);
}

TEST(ReplaceAllFrom, ChangesNothingWhenNothingIsFound) {
  const TReplaceAllResult result = ReplaceAllFrom("abc", "x", "y", 1, {});
  EXPECT_EQ(result.occurrence, 0);
  EXPECT_EQ(result.count, 0);
  EXPECT_TRUE(result.replacedTail.empty());
}

TEST(SearchNotices, KeepEveryByteOfTheSearchString) {
  const TSearchNotice count = CountNotice(3, "a\0b"s);
  EXPECT_EQ(count.caption, "String Count Result");
  EXPECT_EQ(count.text, "The following string was found in the text 3 times.\r\n\r\n\"a\0b\""s);
  const TSearchNotice replaced = ReplacedNotice(12, "x");
  EXPECT_EQ(replaced.caption, "Search Result");
  EXPECT_EQ(replaced.text, "The following text string was replaced 12 times.\r\n\r\n\"x\"");
  EXPECT_EQ(ConfirmReplaceText("a", "b"),
            "Do you want to replace the selected text: \r\n\"a\"\r\n\r\n"
            "With the following string of text:\r\n\"b\"");
}

TEST(StepForAnswer, YesAndNoResumeAfterTheTextWhileTheOthersEnd) {
  const TTextRange occurrence{10, 3};
  TReplaceStep step = StepForAnswer(TReplaceAnswer::Yes, occurrence, 5);
  EXPECT_TRUE(step.replaceSelection);
  EXPECT_EQ(step.caretIndex, 15);
  EXPECT_EQ(step.nextStart, 16);

  step = StepForAnswer(TReplaceAnswer::No, occurrence, 5);
  EXPECT_FALSE(step.replaceSelection);
  EXPECT_EQ(step.caretIndex, 13);
  EXPECT_EQ(step.nextStart, 14);

  step = StepForAnswer(TReplaceAnswer::NoToAll, occurrence, 5);
  EXPECT_EQ(step.caretIndex, 10);
  EXPECT_FALSE(step.nextStart);

  step = StepForAnswer(TReplaceAnswer::Dismissed, occurrence, 5);
  EXPECT_FALSE(step.replaceSelection);
  EXPECT_FALSE(step.caretIndex) << "the occurrence stays selected";
  EXPECT_FALSE(step.nextStart);
}

TEST(StepForAnswer, ReplacingAByAaWithYesEndsAfterTheOriginalOccurrences) {
  // Drives the passes on a plain string the way the editor will.
  std::string text = "a-a";
  std::int64_t start = 1;
  int replaced = 0;
  while (const auto occurrence = FindNextOccurrence(text, "a", start, {true, false})) {
    const TReplaceStep step = StepForAnswer(TReplaceAnswer::Yes, *occurrence, 2);
    text.replace(occurrence->start, occurrence->length, "aa");
    ++replaced;
    start = *step.nextStart;
  }
  EXPECT_EQ(text, "aa-aa");
  EXPECT_EQ(replaced, 2);
}
