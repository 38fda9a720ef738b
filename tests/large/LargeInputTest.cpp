// Sizes the fuzzers never reach: a document past 2^31 characters, a line whose
// tab expansion passes 2^31 columns, 50 000 000 empty lines, a line of 200 MB,
// a paste of a million lines. Each test first checks that the machine has the
// memory it needs and skips otherwise.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <fstream>
#include <string>

#include "editor/CustomScribEdit.h"
#include "editor/ScribDisplayPos.h"
#include "editor/ScribEditTabExpansion.h"
#include "editor/WordWrapPlugin.h"
#include "tools/JoinedLines.h"
#include "tools/SearchText.h"

namespace {

constexpr std::int64_t kGiB = std::int64_t{1} << 30;

std::int64_t AvailableMemory() {
  std::ifstream meminfo("/proc/meminfo");
  std::string name;
  std::int64_t kilobytes = 0;
  while (meminfo >> name >> kilobytes) {
    if (name == "MemAvailable:") return kilobytes * 1024;
    meminfo.ignore(INT_MAX, '\n');
  }
  return 0;
}

#define SKIP_UNLESS_MEMORY(bytes)                                                       \
  if (AvailableMemory() < (bytes))                                                      \
  GTEST_SKIP() << "needs " << (bytes) / kGiB << " GiB of free memory, the machine has " \
               << AvailableMemory() / kGiB

}  // namespace

TEST(LargeInput, TabExpansionPastTwoToThe31Saturates) {
  const int tabWidth = 256;
  const std::string tabs(std::size_t{1} << 23 | 1, '\t');  // (2^23 + 1) * 256 > INT_MAX
  EXPECT_EQ(ExpandedLength(tabs, tabWidth), INT_MAX);
  EXPECT_EQ(CharToColumn(tabs, static_cast<int>(tabs.size()) + 1, tabWidth), INT_MAX);
  EXPECT_EQ(CharToColumn(tabs, static_cast<int>(tabs.size()) + 5, tabWidth), INT_MAX)
      << "beyond the end of the line the column still saturates";
  EXPECT_EQ(ColumnToChar(tabs, INT_MAX, tabWidth), static_cast<int>(tabs.size()) - 1);

  TCustomScribEdit edit;
  edit.SetTabWidth(tabWidth);
  edit.SetText("a\r\n" + tabs + "b");
  EXPECT_EQ(edit.Lines().ExpandedStringLengths(1), INT_MAX);
  EXPECT_EQ(edit.Lines().LengthOfLongestLine(), INT_MAX);
  edit.SetCaretXY({1, 2});
  edit.CommandProcessor(ecLineEnd, '\0', nullptr);
  EXPECT_EQ(edit.CaretXY().Char, static_cast<int>(tabs.size()) + 2);
  EXPECT_EQ(edit.DisplayX(), INT_MAX);
  edit.CommandProcessor(ecUp, '\0', nullptr);
  EXPECT_EQ(edit.CaretXY().Line, 1);
}

TEST(LargeInput, DocumentPastTwoToThe31CharactersKeepsExactPositions) {
  SKIP_UNLESS_MEMORY(6 * kGiB);
  TCustomScribEdit edit;
  TScribEditStringList& lines = edit.Lines();
  const std::string line(std::size_t{1} << 20, 'x');
  const int lineCount = 2100;  // 2100 MiB plus the breaks
  for (int i = 0; i < lineCount - 1; ++i) lines.Add(line);
  lines.Add(line + "needle");
  const std::int64_t lastLineStart = std::int64_t{lineCount - 1} * (line.size() + 2);
  ASSERT_GT(lastLineStart, INT_MAX);
  EXPECT_EQ(lines.CharCount(), lastLineStart + static_cast<std::int64_t>(line.size()) + 6);
  EXPECT_EQ(lines.LineStartCharIndex(lineCount - 1), lastLineStart);
  EXPECT_EQ(lines.LineOfCharIndex(lastLineStart - 1), lineCount - 2);
  EXPECT_EQ(lines.LineOfCharIndex(lastLineStart), lineCount - 1);

  const std::int64_t needle = lastLineStart + static_cast<std::int64_t>(line.size());
  EXPECT_EQ(edit.CharIndexToRowCol(needle).Line, lineCount);
  EXPECT_EQ(edit.RowColToCharIndex({static_cast<int>(line.size()) + 1, lineCount}), needle);
  edit.SetSelStart(needle);
  edit.SetSelLength(6);
  EXPECT_EQ(edit.SelText(), "needle");
  EXPECT_EQ(edit.SelStart(), needle);

  TJoinedLines joined(lines.Count(), [&lines](std::int64_t index) -> std::string_view {
    return lines.Get(static_cast<int>(index));
  });
  EXPECT_EQ(SearchText(joined, "NEEDLE", 1, false, false), needle + 1);
  EXPECT_EQ(CountText(joined, "xn", INT_MAX, true, false), 1);
}

TEST(LargeInput, FiftyMillionEmptyLines) {
  SKIP_UNLESS_MEMORY(8 * kGiB);
  const int lineCount = 50'000'000;
  TCustomScribEdit edit;
  edit.Lines().LoadFromBytes(std::string(lineCount, '\n'));
  ASSERT_EQ(edit.Lines().Count(), lineCount + 1) << "the final break adds an empty line";
  EXPECT_EQ(edit.Lines().CharCount(), std::int64_t{lineCount} * 2);
  edit.CommandProcessor(ecEditorBottom, '\0', nullptr);
  EXPECT_EQ(edit.CaretXY().Line, lineCount + 1);
  EXPECT_EQ(edit.SelStart(), std::int64_t{lineCount} * 2);
  edit.CommandProcessor(ecChar, 'z', nullptr);
  EXPECT_EQ(edit.Lines().Get(lineCount), "z");
  EXPECT_EQ(edit.Lines().SaveToString().size(), std::size_t{lineCount} + 1);
}

TEST(LargeInput, OneLineOfTwoHundredMegabytes) {
  SKIP_UNLESS_MEMORY(4 * kGiB);
  const std::size_t length = std::size_t{200} << 20;
  TCustomScribEdit edit;
  edit.Lines().LoadFromBytes(std::string(length, 'w'));
  ASSERT_EQ(edit.Lines().Count(), 1);
  edit.SetWordWrap(true);
  const TScribWordWrapPlugin& wrap = *edit.WordWrapPlugin();
  ASSERT_EQ(wrap.RowCount(),
            static_cast<int>((length + wrap.MaxRowLength() - 1) / wrap.MaxRowLength()));
  edit.CommandProcessor(ecEditorBottom, '\0', nullptr);
  edit.CommandProcessor(ecChar, 'z', nullptr);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{static_cast<int>(length) + 2, 1}));
  EXPECT_EQ(edit.DisplayXY().Row, wrap.RowCount());
  edit.CommandProcessor(ecLineBreak, '\0', nullptr);
  EXPECT_EQ(wrap.LineCount(), 2);
  edit.CommandProcessor(ecUndo, '\0', nullptr);
  edit.CommandProcessor(ecUndo, '\0', nullptr);
  EXPECT_EQ(edit.Lines().SaveToString(), std::string(length, 'w'));
}

TEST(LargeInput, FiftyMegabyteLineOfMultiByteText) {
  SKIP_UNLESS_MEMORY(2 * kGiB);
  // An accented letter, a wide character, an emoji and a letter with its mark.
  const std::string unit =
      "\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80"
      "e\xCC\x81";
  std::string line;
  while (line.size() < (std::size_t{50} << 20)) line += unit;
  TCustomScribEdit edit;
  edit.Lines().LoadFromBytes(line);
  ASSERT_EQ(edit.Lines().Encoding(), TTextEncoding::Utf8);
  const auto units = static_cast<int>(line.size() / unit.size());
  edit.CommandProcessor(ecLineEnd, '\0', nullptr);
  EXPECT_EQ(edit.DisplayX(), 6 * units + 1) << "1 + 2 + 2 + 1 cells a unit";
  edit.CommandProcessor(ecLeft, '\0', nullptr);
  EXPECT_EQ(edit.CaretX(), static_cast<int>(line.size()) - 2) << "over the letter and its mark";
  edit.CommandProcessor(ecDeleteLastChar, '\0', nullptr);
  EXPECT_EQ(edit.Lines().Get(0).size(), line.size() - 4) << "the emoji before the letter";
  edit.CommandProcessor(ecUndo, '\0', nullptr);
  EXPECT_EQ(edit.Lines().SaveToString(), line);
}

TEST(LargeInput, AlternatingLongAndEmptyLinesSurviveJoinsAndUndo) {
  SKIP_UNLESS_MEMORY(4 * kGiB);
  std::string text;
  const std::string longLine(std::size_t{3} << 20, 'L');
  for (int i = 0; i < 40; ++i) text += longLine + "\r\n\r\n";
  TCustomScribEdit edit;
  edit.Lines().LoadFromBytes(text);
  ASSERT_EQ(edit.Lines().Count(), 81);
  for (int line = 0; line < 80; ++line)
    EXPECT_EQ(edit.Lines().LineStartCharIndex(line),
              (line / 2) * std::int64_t(longLine.size() + 4) +
                  (line % 2) * std::int64_t(longLine.size() + 2));
  // Backspace at the start of every empty line joins it to the long one above.
  for (int line = 80; line >= 2; line -= 2) {
    edit.SetCaretXY({1, line});
    edit.CommandProcessor(ecDeleteLastChar, '\0', nullptr);
  }
  EXPECT_EQ(edit.Lines().Count(), 41);
  for (int undo = 0; undo < 40; ++undo) edit.CommandProcessor(ecUndo, '\0', nullptr);
  EXPECT_EQ(edit.Lines().SaveToString(), text);
}

TEST(LargeInput, PastingAMillionLinesIntoTheMiddleUndoesAndRedoes) {
  SKIP_UNLESS_MEMORY(4 * kGiB);
  const auto numbered = [](const char* prefix, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += prefix + std::to_string(i) + "\r\n";
    return text;
  };
  const std::string before = numbered("line ", 500'000);
  const std::string after = numbered("later ", 500'000);
  const std::string pasted = numbered("pasted ", 1'000'000);
  TCustomScribEdit edit;
  edit.SetText(before + after);
  const std::string original = edit.Lines().SaveToString();
  edit.SetCaretXY({1, 500'001});
  edit.SetSelText(pasted);
  EXPECT_EQ(edit.Lines().Count(), 2'000'000);
  const std::string withPaste = edit.Lines().SaveToString();
  EXPECT_EQ(withPaste, before + pasted + original.substr(before.size()));
  edit.CommandProcessor(ecUndo, '\0', nullptr);
  EXPECT_EQ(edit.Lines().SaveToString(), original);
  edit.CommandProcessor(ecRedo, '\0', nullptr);
  EXPECT_EQ(edit.Lines().SaveToString(), withPaste);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{1, 1'500'001}));
}
