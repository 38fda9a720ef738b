// Arbitrary highlighter rules (comment styles, quotes, preprocessor
// character, keywords) and arbitrary lines: the tokens of a line are
// contiguous, never empty, cover it exactly, come out the same when the line
// is scanned again, and an identifier is a keyword exactly when a plain scan
// of the keyword list says so. Read as UTF-8, no token ends inside a
// character and identifiers may start with a non-ASCII letter.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "highlight/ScribHighlighterOrvane.h"
#include "support/CodePage.h"
#include "support/Utf8.h"

namespace {

struct Token {
  int position;
  int length;
  int kind;
  bool operator==(const Token&) const = default;
};

// The first spelling of a word counts; exact case must match that spelling.
bool ReferenceIsKeyword(const std::vector<std::string>& words, std::string_view word,
                        bool exactCase) {
  for (const std::string& candidate : words) {
    if (codepage::CompareIgnoreCase(candidate, word) == 0) return !exactCase || candidate == word;
  }
  return false;
}

bool StartsIdentifier(char c, bool utf8Text) {
  if (utf8Text && static_cast<unsigned char>(c) >= 0x80) return true;
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

std::vector<Token> Scan(TScribOrvane& highlighter, const std::string& line, int range) {
  highlighter.SetRange(range);
  highlighter.SetLine(line, 0);
  std::vector<Token> tokens;
  int end = 0;
  while (!highlighter.GetEol()) {
    const Token token{highlighter.GetTokenPos(), highlighter.GetTokenLength(),
                      highlighter.GetTokenKind()};
    Expect(token.position == end, "tokens are contiguous");
    Expect(token.length > 0, "a token is never empty");
    Expect(token.position + token.length <= static_cast<int>(line.size()), "tokens stay inside");
    Expect(token.kind != tkNull, "no end-of-line token before the end");
    Expect(highlighter.GetTokenAttribute() != nullptr, "every token has an attribute");
    Expect(highlighter.GetToken() == line.substr(token.position, token.length), "token text");
    Expect(!highlighter.Utf8Text() || utf8::IsCharBoundary(line, token.position + token.length),
           "no token ends inside a character");
    end = token.position + token.length;
    tokens.push_back(token);
    highlighter.Next();
  }
  Expect(end == static_cast<int>(line.size()), "the tokens cover the line");
  Expect(highlighter.GetRange() >= rsUnknown && highlighter.GetRange() <= rsMarkup,
         "a known range");
  return tokens;
}

void ExpectKeywords(const std::vector<Token>& tokens, const std::string& line,
                    const std::vector<std::string>& words, bool exactCase, bool utf8Text) {
  for (const Token& token : tokens) {
    if (token.kind != tkKey && token.kind != tkIdentifier) continue;
    Expect(StartsIdentifier(line[token.position], utf8Text), "identifiers start with a letter");
    const std::string_view word(line.data() + token.position, token.length);
    Expect((token.kind == tkKey) == ReferenceIsKeyword(words, word, exactCase),
           "keywords as a plain scan finds them");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  TScribOrvane highlighter;
  highlighter.SetComments(input.ConsumeIntegral<TCommentStyles>());
  highlighter.SetStringDelimiter(static_cast<TStringDelim>(input.ConsumeIntegralInRange(0, 3)));
  highlighter.SetDetectPreprocessor(input.ConsumeBool());
  highlighter.SetPreprocessorChar(input.ConsumeIntegral<char>());
  const bool exactCase = input.ConsumeBool();
  highlighter.SetKeyWordsExactCase(exactCase);
  std::vector<std::string> words(input.ConsumeIntegralInRange(0, 6));
  for (std::string& word : words) word = input.ConsumeRandomLengthString(10);
  highlighter.SetKeyWords(words);
  const bool utf8Text = input.ConsumeBool();
  highlighter.SetUtf8Text(utf8Text);

  int range = input.ConsumeIntegralInRange<int>(rsUnknown, rsMarkup);
  while (input.remaining_bytes() > 0) {
    const std::string line = input.ConsumeRandomLengthString(256);
    const std::vector<Token> tokens = Scan(highlighter, line, range);
    const int rangeAfter = highlighter.GetRange();
    Expect(Scan(highlighter, line, range) == tokens && highlighter.GetRange() == rangeAfter,
           "scanning again gives the same tokens");
    ExpectKeywords(tokens, line, words, exactCase, utf8Text);
    range = rangeAfter;
  }
  return 0;
}
