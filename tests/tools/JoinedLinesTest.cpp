#include <gtest/gtest.h>

#include <random>

#include "tools/JoinedLines.h"
#include "tools/SearchText.h"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
  return text;
}

TJoinedLines ReaderOf(const std::vector<std::string>& lines, std::size_t windowBytes) {
  return TJoinedLines(
      static_cast<std::int64_t>(lines.size()),
      [&lines](std::int64_t index) { return std::string_view(lines[index]); }, windowBytes);
}

std::vector<std::string> RandomLines(std::mt19937& random) {
  std::vector<std::string> lines(random() % 6);
  for (auto& line : lines) {
    line.resize(random() % 5);
    for (char& c : line) c = "ab\r\n \xE9"[random() % 6];
  }
  return lines;
}

}  // namespace

TEST(JoinedLines, WindowsMatchTheJoinedTextAtAnyOffset) {
  std::mt19937 random(3);
  for (int round = 0; round < 3000; ++round) {
    const std::vector<std::string> lines = RandomLines(random);
    const std::string text = Joined(lines);
    const std::size_t windowBytes = 1 + random() % 6;
    TJoinedLines reader = ReaderOf(lines, windowBytes);
    for (int ask = 0; ask < 6; ++ask) {  // offsets in any order
      const std::size_t offset = random() % (text.size() + 3);
      const std::size_t minimum = random() % 8;
      const TTextWindow window = reader.Window(static_cast<std::int64_t>(offset), minimum);
      const std::string expected = offset < text.size() ? text.substr(offset) : "";
      ASSERT_EQ(window.base, static_cast<std::int64_t>(offset));
      ASSERT_EQ(window.atEnd, window.bytes.size() == expected.size()) << round;
      ASSERT_EQ(window.bytes, expected.substr(0, window.bytes.size())) << round;
      ASSERT_GE(window.bytes.size(), std::min(expected.size(), std::max(minimum, windowBytes)));
    }
  }
}

TEST(JoinedLines, SearchAndCountAgreeWithTheJoinedTextForTinyWindows) {
  std::mt19937 random(5);
  for (int round = 0; round < 20000; ++round) {
    const std::vector<std::string> lines = RandomLines(random);
    const std::string text = Joined(lines);
    std::string pattern(1 + random() % 4, ' ');
    for (char& c : pattern) c = "aB\r\n \xC9"[random() % 6];
    const std::int64_t start = static_cast<std::int64_t>(random() % (text.size() + 3)) - 1;
    const bool matchCase = random() & 1, wholeWord = random() & 2;
    TJoinedLines reader = ReaderOf(lines, 1 + random() % 8);
    SCOPED_TRACE(::testing::Message() << "round " << round);
    ASSERT_EQ(SearchText(reader, pattern, start, matchCase, wholeWord),
              SearchText(text, pattern, start, matchCase, wholeWord));
    ASSERT_EQ(CountText(reader, pattern, start, matchCase, wholeWord),
              CountText(text, pattern, start, matchCase, wholeWord));
  }
}
