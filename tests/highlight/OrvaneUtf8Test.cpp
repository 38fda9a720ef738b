#include <gtest/gtest.h>
#include <utf8proc.h>

#include <random>
#include <set>

#include "HighlightTestSupport.h"

namespace {

// Where the library's decoder says characters start (an invalid byte is one).
std::set<int> CharacterStarts(const std::string& line) {
  std::set<int> starts;
  for (std::size_t at = 0; at < line.size();) {
    starts.insert(static_cast<int>(at));
    utf8proc_int32_t codePoint = -1;
    const utf8proc_ssize_t length =
        utf8proc_iterate(reinterpret_cast<const utf8proc_uint8_t*>(line.data() + at),
                         static_cast<utf8proc_ssize_t>(line.size() - at), &codePoint);
    at += length > 0 && codePoint >= 0 ? static_cast<std::size_t>(length) : 1;
  }
  starts.insert(static_cast<int>(line.size()));
  return starts;
}

class OrvaneUtf8Test : public ::testing::Test {
 protected:
  OrvaneUtf8Test() {
    highlighter.SetUtf8Text(true);
    highlighter.SetKeyWords({"if", "then"});
    highlighter.SetComments(CommentBit(csCPPStyle) | CommentBit(csCStyle));
  }
  TScribOrvane highlighter;
};

}  // namespace

TEST_F(OrvaneUtf8Test, NonAsciiLettersAreIdentifiersAndOtherCharactersWholeTokens) {
  const std::string line =
      "if caf\xC3\xA9 then \xE5\x8F\x98\xE9\x87\x8F=na\xC3\xAFve_count\xE2\x86\x92x "
      "\xF0\x9F\x98\x80\xFF\"\xC3\xBC\" // \xE6\xB3\xA8";
  EXPECT_EQ(ScanLine(highlighter, line),
            (std::vector<Token>{{tkKey, "if"},
                                {tkSpace, " "},
                                {tkIdentifier, "caf\xC3\xA9"},
                                {tkSpace, " "},
                                {tkKey, "then"},
                                {tkSpace, " "},
                                {tkIdentifier, "\xE5\x8F\x98\xE9\x87\x8F"},
                                {tkUnknown, "="},
                                {tkIdentifier, "na\xC3\xAFve_count"},
                                {tkUnknown, "\xE2\x86\x92"},
                                {tkIdentifier, "x"},
                                {tkSpace, " "},
                                {tkUnknown, "\xF0\x9F\x98\x80"},
                                {tkUnknown, "\xFF"},
                                {tkString, "\"\xC3\xBC\""},
                                {tkSpace, " "},
                                {tkComment, "// \xE6\xB3\xA8"}}));
  // The legacy code page keeps its bytes one token each.
  highlighter.SetUtf8Text(false);
  EXPECT_EQ(ScanLine(highlighter, "caf\xC3\xA9"),
            (std::vector<Token>{{tkIdentifier, "caf"}, {tkUnknown, "\xC3"}, {tkUnknown, "\xA9"}}));
}

// Random rules and random lines of characters, broken sequences and comment
// and string delimiters: tokens cover the line, start only where characters start, and
// leave the same range as the byte-wise scan.
TEST_F(OrvaneUtf8Test, TokensNeverSplitACharacterAndRangesMatchTheLegacyScan) {
  static const std::vector<std::string> pieces = {"a",
                                                  "_",
                                                  "1",
                                                  " ",
                                                  "/*",
                                                  "*/",
                                                  "//",
                                                  "\"",
                                                  "'",
                                                  "\\",
                                                  "(*",
                                                  "{",
                                                  "}",
                                                  "--[[",
                                                  "]]",
                                                  "\xC3\xA9",
                                                  "\xE4\xB8\xAD",
                                                  "\xF0\x9F\x98\x80",
                                                  "\xCC\x81",
                                                  "\xE2\x86\x92",
                                                  "\xC2\xA0",
                                                  "\xFF",
                                                  "\xC3",
                                                  "\xA9",
                                                  "\xE4\xB8",
                                                  std::string(1, '\0')};
  std::mt19937 random(16);
  for (int round = 0; round < 3000; ++round) {
    highlighter.SetComments(static_cast<TCommentStyles>(random() & 0x1FF));
    highlighter.SetStringDelimiter(static_cast<TStringDelim>(random() % 4));
    highlighter.SetDetectPreprocessor(random() % 2);
    // A style may name any byte, even one that is only part of a character here.
    highlighter.SetPreprocessorChar(static_cast<char>(random() % 2 ? '#' : 0x80 + random() % 128));
    std::string line;
    for (int n = random() % 20; n > 0; --n) line += pieces[random() % pieces.size()];
    const int range = static_cast<int>(random() % 6);
    const std::set<int> starts = CharacterStarts(line);

    highlighter.SetUtf8Text(false);
    highlighter.SetRange(range);
    highlighter.SetLine(line, 0);
    highlighter.NextToEol();
    const int legacyRange = highlighter.GetRange();

    highlighter.SetUtf8Text(true);
    highlighter.SetRange(range);
    highlighter.SetLine(line, 0);
    int position = 0;
    while (!highlighter.GetEol()) {
      ASSERT_EQ(highlighter.GetTokenPos(), position);
      ASSERT_GT(highlighter.GetTokenLength(), 0);
      position += highlighter.GetTokenLength();
      ASSERT_TRUE(starts.count(position)) << "a token ends inside a character: " << line;
      highlighter.Next();
    }
    EXPECT_EQ(position, static_cast<int>(line.size()));
    EXPECT_EQ(highlighter.GetRange(), legacyRange) << line;
  }
}

TEST_F(OrvaneUtf8Test, LongCommentsComeInPiecesThatKeepCharactersWhole) {
  std::string line = "/*";
  for (int i = 0; i < 5000; ++i) line += "\xE4\xB8\xAD";
  const std::set<int> starts = CharacterStarts(line);
  highlighter.SetLine(line, 0);
  int pieces = 0;
  for (; !highlighter.GetEol(); highlighter.Next(), ++pieces) {
    EXPECT_EQ(highlighter.GetTokenKind(), tkComment);
    EXPECT_TRUE(starts.count(highlighter.GetTokenPos() + highlighter.GetTokenLength()));
  }
  EXPECT_GT(pieces, 3);
}
