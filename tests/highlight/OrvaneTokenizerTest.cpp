#include <gtest/gtest.h>

#include <random>

#include "HighlightTestSupport.h"

namespace {

class OrvaneTokenizerTest : public ::testing::Test {
 protected:
  std::vector<Token> Scan(const std::string& line, int range = rsUnknown) {
    return ScanLine(highlighter, line, range);
  }
  TScribOrvane highlighter;
};

TEST_F(OrvaneTokenizerTest, CStyleCommentOpensAndClosesAcrossLines) {
  highlighter.SetComments(CommentBit(csCStyle));
  EXPECT_EQ(Scan("a /* b"),
            (std::vector<Token>{
                {tkIdentifier, "a"}, {tkSpace, " "}, {tkComment, "/"}, {tkComment, "* b"}}));
  EXPECT_EQ(highlighter.GetRange(), rsCStyle);
  EXPECT_EQ(Scan("c */ d", highlighter.GetRange()),
            (std::vector<Token>{{tkComment, "c */"}, {tkSpace, " "}, {tkIdentifier, "d"}}));
  EXPECT_EQ(highlighter.GetRange(), rsUnknown);
  // The opener's star also begins the closer.
  Scan("/*/");
  EXPECT_EQ(highlighter.GetRange(), rsUnknown);
  // An open comment line ends with its line-break tokens and stays open.
  EXPECT_EQ(Scan("x\r\n", rsCStyle), (std::vector<Token>{{tkComment, "x"}, {tkSpace, "\r\n"}}));
  EXPECT_EQ(highlighter.GetRange(), rsCStyle);
  EXPECT_TRUE(Scan("", rsCStyle).empty());
  EXPECT_EQ(highlighter.GetRange(), rsCStyle);
}

TEST_F(OrvaneTokenizerTest, AnsiAndPascalComments) {
  highlighter.SetComments(CommentBit(csAnsiStyle));
  EXPECT_EQ(Scan("(*)"), (std::vector<Token>{{tkComment, "("}, {tkComment, "*)"}}));
  EXPECT_EQ(highlighter.GetRange(), rsUnknown);
  EXPECT_EQ(Scan("(a)"),
            (std::vector<Token>{{tkSymbol, "("}, {tkIdentifier, "a"}, {tkUnknown, ")"}}));
  Scan("x (*");
  EXPECT_EQ(highlighter.GetRange(), rsAnsi);

  highlighter.SetComments(CommentBit(csPasStyle));
  EXPECT_EQ(Scan("{}"), (std::vector<Token>{{tkComment, "{"}, {tkComment, "}"}}));
  EXPECT_EQ(Scan("{ a"), (std::vector<Token>{{tkComment, "{"}, {tkComment, " a"}}));
  EXPECT_EQ(highlighter.GetRange(), rsPasStyle);
  EXPECT_EQ(Scan("b } c", rsPasStyle),
            (std::vector<Token>{{tkComment, "b }"}, {tkSpace, " "}, {tkIdentifier, "c"}}));
  highlighter.SetComments(0);
  EXPECT_EQ(Scan("{"), (std::vector<Token>{{tkSymbol, "{"}}));
}

TEST_F(OrvaneTokenizerTest, LuaComments) {
  highlighter.SetComments(CommentBit(csLuaStyle));
  EXPECT_EQ(Scan("-- x"), (std::vector<Token>{{tkComment, "-- x"}}));
  EXPECT_EQ(highlighter.GetRange(), rsUnknown);
  EXPECT_EQ(Scan("--[[ x"), (std::vector<Token>{{tkComment, "-"}, {tkComment, "-[[ x"}}));
  EXPECT_EQ(highlighter.GetRange(), rsLua);
  EXPECT_EQ(Scan("y ]]z", rsLua), (std::vector<Token>{{tkComment, "y ]]"}, {tkIdentifier, "z"}}));
  EXPECT_EQ(highlighter.GetRange(), rsUnknown);
  EXPECT_EQ(Scan("- x"),
            (std::vector<Token>{{tkSymbol, "-"}, {tkSpace, " "}, {tkIdentifier, "x"}}));
  highlighter.SetComments(0);
  EXPECT_EQ(Scan("--"), (std::vector<Token>{{tkSymbol, "-"}, {tkSymbol, "-"}}));
}

TEST_F(OrvaneTokenizerTest, LineCommentsRunToTheEndOfTheLine) {
  for (TCommentStyle style : {csAsmStyle, csBasStyle}) {
    highlighter.SetComments(CommentBit(style));
    const auto tokens = Scan("mov a ; note");
    ASSERT_FALSE(tokens.empty());
    EXPECT_EQ(tokens.back(), (Token{tkComment, "; note"}));
  }
  highlighter.SetComments(CommentBit(csCPPStyle));
  EXPECT_EQ(Scan("a // b /* c"),
            (std::vector<Token>{{tkIdentifier, "a"}, {tkSpace, " "}, {tkComment, "// b /* c"}}));
  EXPECT_EQ(highlighter.GetRange(), rsUnknown);
  highlighter.SetComments(0);
  EXPECT_EQ(Scan(";/"), (std::vector<Token>{{tkSymbol, ";"}, {tkSymbol, "/"}}));
}

TEST_F(OrvaneTokenizerTest, HashCommentsRunToTheEndOfTheLineOutsideStrings) {
  highlighter.SetStringDelimiter(sdBoth);
  highlighter.SetComments(CommentBit(csHashStyle));
  EXPECT_EQ(Scan("x=1#13 \"q\""),
            (std::vector<Token>{
                {tkIdentifier, "x"}, {tkUnknown, "="}, {tkNumber, "1"}, {tkComment, "#13 \"q\""}}));
  EXPECT_EQ(Scan("'a # b' \"#\" c"), (std::vector<Token>{{tkString, "'a # b'"},
                                                         {tkSpace, " "},
                                                         {tkString, "\"#\""},
                                                         {tkSpace, " "},
                                                         {tkIdentifier, "c"}}));
  // "$#" (argument count), "${#" (length) and "\#" (escaped) are not comments.
  EXPECT_EQ(Scan("$# \\# #c"), (std::vector<Token>{{tkNumber, "$"},
                                                   {tkSymbol, "#"},
                                                   {tkSpace, " "},
                                                   {tkUnknown, "\\"},
                                                   {tkSymbol, "#"},
                                                   {tkSpace, " "},
                                                   {tkComment, "#c"}}));
  EXPECT_EQ(Scan("${#a} {#b").back(), (Token{tkComment, "#b"}));
  EXPECT_EQ(Scan("${#a}")[2], (Token{tkSymbol, "#"}));
  // A preprocessor line in column 0 still wins; an indented "#" is a comment.
  highlighter.SetDetectPreprocessor(true);
  EXPECT_EQ(Scan("#if x"), (std::vector<Token>{{tkPreprocessor, "#if x"}}));
  EXPECT_EQ(Scan(" #if x"), (std::vector<Token>{{tkSpace, " "}, {tkComment, "#if x"}}));
  // With another preprocessor character "#" still opens the comment.
  highlighter.SetPreprocessorChar('%');
  EXPECT_EQ(Scan("#if"), (std::vector<Token>{{tkComment, "#if"}}));
  highlighter.SetComments(CommentBit(csCPPStyle));
  EXPECT_EQ(Scan("#1"), (std::vector<Token>{{tkUnknown, "#"}, {tkNumber, "1"}}));
}

TEST_F(OrvaneTokenizerTest, MarkupCommentsSpanLinesAndCloseAtTheFirstCloser) {
  highlighter.SetComments(CommentBit(csMarkupStyle));
  EXPECT_EQ(Scan("<p>a -- b</p>").front(), (Token{tkUnknown, "<"}));
  for (const auto& token : Scan("<p>a -- b</p> <! <!- x")) EXPECT_NE(token.kind, tkComment);
  EXPECT_EQ(highlighter.GetRange(), rsUnknown);
  // "<!-->" and "<!--->" are complete, empty comments, as browsers read them.
  for (const char* empty : {"<!-->", "<!--->"}) {
    EXPECT_EQ(Scan(std::string(empty) + "x"),
              (std::vector<Token>{{tkComment, "<"}, {tkComment, empty + 1}, {tkIdentifier, "x"}}));
    EXPECT_EQ(highlighter.GetRange(), rsUnknown);
  }
  EXPECT_EQ(
      Scan("<!-- a -- b -->c"),
      (std::vector<Token>{{tkComment, "<"}, {tkComment, "!-- a -- b -->"}, {tkIdentifier, "c"}}));
  // Comments do not nest: the first closer ends the comment.
  EXPECT_EQ(Scan("<!-- <!-- --> -->"), (std::vector<Token>{{tkComment, "<"},
                                                           {tkComment, "!-- <!-- -->"},
                                                           {tkSpace, " "},
                                                           {tkSymbol, "-"},
                                                           {tkSymbol, "-"},
                                                           {tkUnknown, ">"}}));
  EXPECT_EQ(Scan("a <!--"),
            (std::vector<Token>{
                {tkIdentifier, "a"}, {tkSpace, " "}, {tkComment, "<"}, {tkComment, "!--"}}));
  EXPECT_EQ(highlighter.GetRange(), rsMarkup);
  EXPECT_EQ(Scan("b -- > -\r\n", rsMarkup),
            (std::vector<Token>{{tkComment, "b -- > -"}, {tkSpace, "\r\n"}}));
  EXPECT_EQ(highlighter.GetRange(), rsMarkup);
  EXPECT_EQ(Scan("--> c", rsMarkup),
            (std::vector<Token>{{tkComment, "-->"}, {tkSpace, " "}, {tkIdentifier, "c"}}));
  EXPECT_EQ(highlighter.GetRange(), rsUnknown);
}

TEST_F(OrvaneTokenizerTest, Numbers) {
  EXPECT_EQ(
      Scan("1..2"),
      (std::vector<Token>{{tkNumber, "1"}, {tkUnknown, "."}, {tkUnknown, "."}, {tkNumber, "2"}}));
  EXPECT_EQ(Scan("1.5e3"), (std::vector<Token>{{tkNumber, "1.5e3"}}));
  EXPECT_EQ(Scan("0x1F"), (std::vector<Token>{{tkNumber, "0x1F"}}));
  EXPECT_EQ(Scan("$ff"), (std::vector<Token>{{tkNumber, "$ff"}}));
  EXPECT_EQ(Scan("0X1F"), (std::vector<Token>{{tkNumber, "0"}, {tkIdentifier, "X1F"}}));
  EXPECT_EQ(Scan("$"), (std::vector<Token>{{tkNumber, "$"}}));
  EXPECT_EQ(Scan("0x"), (std::vector<Token>{{tkNumber, "0x"}}));
  EXPECT_EQ(Scan("12.x"), (std::vector<Token>{{tkNumber, "12."}, {tkIdentifier, "x"}}));
}

TEST_F(OrvaneTokenizerTest, Strings) {
  EXPECT_EQ(highlighter.StringDelimiter(), sdDoubleQuote);
  EXPECT_EQ(Scan(R"("a\"b" c)"),
            (std::vector<Token>{{tkString, R"("a\"b")"}, {tkSpace, " "}, {tkIdentifier, "c"}}));
  EXPECT_EQ(Scan("\"open\\"), (std::vector<Token>{{tkString, "\"open\\"}}));
  EXPECT_EQ(Scan("'x'"),
            (std::vector<Token>{{tkUnknown, "'"}, {tkIdentifier, "x"}, {tkUnknown, "'"}}));

  highlighter.SetStringDelimiter(sdSingleQuote);
  EXPECT_EQ(Scan("'it''s'"), (std::vector<Token>{{tkString, "'it''s'"}}));
  EXPECT_EQ(Scan("'''';"), (std::vector<Token>{{tkString, "''''"}, {tkSymbol, ";"}}));
  EXPECT_EQ(Scan("\"a\""),
            (std::vector<Token>{{tkUnknown, "\""}, {tkIdentifier, "a"}, {tkUnknown, "\""}}));

  highlighter.SetStringDelimiter(sdBoth);
  EXPECT_EQ(Scan("'a\" b"), (std::vector<Token>{{tkString, "'a\" b"}}));
  EXPECT_EQ(Scan("\"x\r\n"), (std::vector<Token>{{tkString, "\"x"}, {tkSpace, "\r\n"}}));
  EXPECT_EQ(highlighter.GetRange(), rsUnknown);

  highlighter.SetStringDelimiter(sdNone);
  EXPECT_EQ(Scan("\"'"), (std::vector<Token>{{tkUnknown, "\""}, {tkUnknown, "'"}}));
}

TEST_F(OrvaneTokenizerTest, PreprocessorLinesAndCharacterCodes) {
  highlighter.SetDetectPreprocessor(true);
  EXPECT_EQ(Scan("#include x"), (std::vector<Token>{{tkPreprocessor, "#include x"}}));
  EXPECT_EQ(Scan("  #include"),
            (std::vector<Token>{{tkSpace, "  "}, {tkSymbol, "#"}, {tkIdentifier, "include"}}));
  EXPECT_EQ(Scan("s:=#13#10"), (std::vector<Token>{{tkIdentifier, "s"},
                                                   {tkUnknown, ":"},
                                                   {tkUnknown, "="},
                                                   {tkString, "#13"},
                                                   {tkString, "#10"}}));
  highlighter.SetDetectPreprocessor(false);
  EXPECT_EQ(Scan("#define"), (std::vector<Token>{{tkSymbol, "#"}, {tkIdentifier, "define"}}));
  EXPECT_EQ(Scan("#13#10"), (std::vector<Token>{{tkString, "#13"}, {tkString, "#10"}}));

  highlighter.SetPreprocessorChar('a');
  EXPECT_EQ(Scan("abc a1"),
            (std::vector<Token>{
                {tkSymbol, "a"}, {tkIdentifier, "bc"}, {tkSpace, " "}, {tkString, "a1"}}));
  highlighter.SetPreprocessorChar('#');
  EXPECT_EQ(Scan("abc"), (std::vector<Token>{{tkIdentifier, "abc"}}));
  EXPECT_EQ(Scan("#1"), (std::vector<Token>{{tkString, "#1"}}));
}

TEST_F(OrvaneTokenizerTest, PreprocessorCharacterNeverReplacesTheLineEnd) {
  highlighter.SetPreprocessorChar('\0');
  EXPECT_EQ(Scan("ab"), (std::vector<Token>{{tkIdentifier, "ab"}}));
  highlighter.SetStringDelimiter(sdSingleQuote);
  highlighter.SetPreprocessorChar('"');
  EXPECT_EQ(Scan("\"x"), (std::vector<Token>{{tkSymbol, "\""}, {tkIdentifier, "x"}}));
}

TEST_F(OrvaneTokenizerTest, KeywordsFollowTheCaseRule) {
  highlighter.SetKeyWords({"begin", "End", "_x1", "a-b"});
  for (const char* word : {"BEGIN", "Begin", "begin", "end", "_X1"}) {
    EXPECT_EQ(Scan(word), (std::vector<Token>{{tkKey, word}})) << word;
  }
  EXPECT_EQ(Scan("beginx")[0].kind, tkIdentifier);
  // An entry with a character that cannot be in an identifier never matches.
  EXPECT_EQ(Scan("a-b")[0].kind, tkIdentifier);

  highlighter.SetKeyWordsExactCase(true);
  EXPECT_EQ(Scan("begin")[0].kind, tkKey);
  EXPECT_EQ(Scan("Begin")[0].kind, tkIdentifier);
  EXPECT_EQ(Scan("End")[0].kind, tkKey);
  EXPECT_EQ(Scan("end")[0].kind, tkIdentifier);
}

// Every line, whatever its bytes, is covered by non-empty adjacent tokens and ends.
TEST_F(OrvaneTokenizerTest, AnyBytesScanToTheEndInAdjacentTokens) {
  std::mt19937 random(7);
  highlighter.SetKeyWords({"if", "for"});
  for (int round = 0; round < 3000; ++round) {
    highlighter.SetComments(static_cast<TCommentStyles>(random() & 0x1FF));
    highlighter.SetStringDelimiter(static_cast<TStringDelim>(random() % 4));
    highlighter.SetDetectPreprocessor(random() % 2);
    highlighter.SetPreprocessorChar(static_cast<char>(random() % 256));
    std::string line(random() % 40, ' ');
    for (char& c : line) c = "\0\r\n\"'\\(*)/{}-[];#$0x9aE._<!>"[random() % 28];
    if (!line.empty() && round % 7 == 0) line[random() % line.size()] = static_cast<char>(random());
    highlighter.SetRange(static_cast<int>(random() % 7));
    highlighter.SetLine(line, round);
    int expectedPosition = 0;
    int tokenCount = 0;
    while (!highlighter.GetEol()) {
      ASSERT_EQ(highlighter.GetTokenPos(), expectedPosition) << "line " << round;
      ASSERT_GT(highlighter.GetTokenLength(), 0) << "line " << round;
      expectedPosition += highlighter.GetTokenLength();
      ASSERT_LE(++tokenCount, static_cast<int>(line.size()));
      highlighter.Next();
    }
    ASSERT_EQ(expectedPosition, static_cast<int>(line.size())) << "line " << round;
    highlighter.Next();  // stays at the end
    EXPECT_TRUE(highlighter.GetEol());
  }
}

TEST_F(OrvaneTokenizerTest, ZeroBytesInsideALineDoNotEndIt) {
  highlighter.SetComments(CommentBit(csCStyle));
  const std::string line("a\0b /* \0 */", 11);
  EXPECT_EQ(Scan(line), (std::vector<Token>{{tkIdentifier, "a"},
                                            {tkUnknown, std::string(1, '\0')},
                                            {tkIdentifier, "b"},
                                            {tkSpace, " "},
                                            {tkComment, "/"},
                                            {tkComment, "* "},
                                            {tkUnknown, std::string(1, '\0')},
                                            {tkComment, " */"}}));
  EXPECT_EQ(highlighter.GetRange(), rsUnknown);
}

TEST_F(OrvaneTokenizerTest, HugeLinesScanInFewTokens) {
  highlighter.SetComments(CommentBit(csCPPStyle) | CommentBit(csCStyle));
  const std::string blanks(10 * 1024 * 1024, ' ');
  EXPECT_EQ(Scan(blanks).size(), 1u);
  std::string comment = "/*" + std::string(10 * 1024 * 1024, 'x') + "*/ y";
  const auto tokens = Scan(comment);
  // A long comment comes in pieces of some kilobytes, so that a scan can
  // resume inside it; together they are the comment.
  ASSERT_LT(tokens.size(), 4000u);
  std::string joined;
  for (std::size_t i = 0; i + 2 < tokens.size(); ++i) {
    EXPECT_EQ(tokens[i].kind, tkComment);
    joined += tokens[i].text;
  }
  EXPECT_EQ(joined, comment.substr(0, comment.size() - 2));
  EXPECT_EQ(tokens.back(), (Token{tkIdentifier, "y"}));
  EXPECT_EQ(highlighter.GetRange(), rsUnknown);
}

TEST_F(OrvaneTokenizerTest, RangeIsTheLowByteAndUnknownValuesOpenNothing) {
  highlighter.SetRange(0x103);
  EXPECT_EQ(highlighter.GetRange(), rsCStyle);
  highlighter.SetRange(0x100 | rsMarkup);
  EXPECT_EQ(highlighter.GetRange(), rsMarkup);
  EXPECT_EQ(Scan("a", 200), (std::vector<Token>{{tkIdentifier, "a"}}));
  EXPECT_EQ(highlighter.GetRange(), 200);
  highlighter.ResetRange();
  EXPECT_EQ(highlighter.GetRange(), rsUnknown);
}

}  // namespace
