// TScribOrvane: the configurable highlighter ("General"). Its rules - comment
// styles, string delimiters, preprocessor character, keyword list - are
// properties set by style files and the configuration dialog.
// Invariants: the dispatch table has a routine for every byte and entry 0 is
// always the end-of-line routine; every routine but that one consumes at least
// one byte, so a line scan always ends. Offsets are 0-based bytes of the line.
// A zero byte inside the line (before its end) is a one-byte unknown token.
// In UTF-8 text no token ends inside a character, and non-ASCII letters,
// marks and numbers are identifier characters.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "highlight/CustomHighlighter.h"
#include "highlight/KeyWordList.h"

enum TStringDelim : std::uint8_t { sdNone = 0, sdSingleQuote = 1, sdDoubleQuote = 2, sdBoth = 3 };

enum TCommentStyle : std::uint8_t {
  csAnsiStyle = 0,
  csPasStyle = 1,
  csCStyle = 2,
  csAsmStyle = 3,
  csBasStyle = 4,
  csCPPStyle = 5,
  csLuaStyle = 6,
  csHashStyle = 7,   // "#" to the end of the line
  csMarkupStyle = 8  // "<!--" to "-->", over several lines
};

// A set of TCommentStyle: bit n for the style of ordinal n.
using TCommentStyles = std::uint16_t;
inline constexpr TCommentStyles CommentBit(TCommentStyle style) {
  return static_cast<TCommentStyles>(1u << style);
}
inline constexpr int kCommentStyleCount = 9;

enum TTokenKind : std::uint8_t {
  tkComment = 0,
  tkIdentifier = 1,
  tkKey = 2,
  tkNull = 3,
  tkNumber = 4,
  tkPreprocessor = 5,
  tkSpace = 6,
  tkString = 7,
  tkSymbol = 8,
  tkUnknown = 9
};

enum TRangeState : std::uint8_t {
  rsUnknown = 0,   // nothing open
  rsAnsi = 1,      // inside (* ... *)
  rsPasStyle = 2,  // inside { ... }
  rsCStyle = 3,    // inside /* ... */
  rsLua = 4,       // inside --[[ ... ]]
  rsMarkup = 5     // inside <!-- ... -->
};

class TScribOrvane : public TScribCustomHighlighter {
 public:
  TScribOrvane();

  TScribHighlighterAttributes* GetDefaultAttribute(int role) const override;
  TScribCharSet GetIdentChars() const override { return identifierSet_; }
  std::string GetLanguageName() const override { return "General"; }

  bool GetEol() const override { return tokenKind_ == tkNull; }
  int GetRange() const override { return range_; }
  std::string GetToken() const override;
  TScribHighlighterAttributes* GetTokenAttribute() const override;
  int GetTokenKind() const override { return tokenKind_; }
  int GetTokenPos() const override { return tokenPos_; }
  int GetTokenLength() const override { return run_ - tokenPos_; }
  bool IsKeyword(std::string_view word) const override;
  void Next() override;
  using TScribCustomHighlighter::SetLine;
  void SetLine(std::string_view text, int lineIndex) override;
  using TScribCustomHighlighter::SetLineAt;
  // The state at a token boundary is the range alone, so any boundary will do.
  bool SetLineAt(std::string_view text, int lineIndex, int offset, int range) override;
  void SetRange(int value) override { range_ = static_cast<std::uint8_t>(value & 0xFF); }
  void ResetRange() override { range_ = rsUnknown; }

  // The values the main window stores for its highlighter: case-insensitive
  // keywords, no comments, no preprocessor lines, identifier characters
  // 33..255. Notifies once at the end.
  void ApplyStoredDefaults();

  TScribHighlighterAttributes* AttriComment() const { return attriComment_; }
  TScribHighlighterAttributes* AttriIdentifier() const { return attriIdentifier_; }
  TScribHighlighterAttributes* AttriKey() const { return attriKey_; }
  TScribHighlighterAttributes* AttriNumber() const { return attriNumber_; }
  TScribHighlighterAttributes* AttriPreprocessor() const { return attriPreprocessor_; }
  TScribHighlighterAttributes* AttriSpace() const { return attriSpace_; }
  TScribHighlighterAttributes* AttriString() const { return attriString_; }
  TScribHighlighterAttributes* AttriSymbol() const { return attriSymbol_; }

  // Direct access fills or clears the list without notifying anybody.
  TKeyWordList& KeyWords() { return keyWords_; }
  const TKeyWordList& KeyWords() const { return keyWords_; }
  // Replaces the list with `words` and notifies.
  void SetKeyWords(std::vector<std::string> words);

  bool KeyWordsExactCase() const { return keyWordsExactCase_; }
  void SetKeyWordsExactCase(bool value) { keyWordsExactCase_ = value; }

  TStringDelim StringDelimiter() const { return stringDelimiter_; }
  void SetStringDelimiter(TStringDelim value);

  TCommentStyles Comments() const { return comments_; }
  void SetComments(TCommentStyles value);

  bool DetectPreprocessor() const { return detectPreprocessor_; }
  void SetDetectPreprocessor(bool value);

  char PreprocessorChar() const { return preprocessorChar_; }
  void SetPreprocessorChar(char value);

  // The identifier set as its characters in ascending order. Writing it only
  // changes what the editor takes as word characters, not the tokenizer.
  std::string IdentifierChars() const;
  void SetIdentifierChars(std::string_view chars);

 private:
  using ScanRoutine = void (TScribOrvane::*)();

  void MakeMethodTables();
  // Points the enabled quote characters at the string routine.
  void SetQuoteRoutines();
  bool HasComment(TCommentStyle style) const { return (comments_ & CommentBit(style)) != 0; }
  // Past the end of the line reads as a zero byte: the text need not be terminated.
  unsigned char At(int offset) const {
    return offset < lineLength_ ? static_cast<unsigned char>(line_[offset]) : 0;
  }
  void ToEndOfText() { run_ = lineLength_; }
  // Whether `text` (without zero bytes) is in the line at `offset`; never
  // reads past the terminating zero.
  bool StartsAt(int offset, std::string_view text) const {
    for (const char c : text) {
      if (At(offset++) != static_cast<unsigned char>(c)) return false;
    }
    return true;
  }

  // Scanning routines, one per kind of first byte.
  void NullProc();
  void SpaceProc();
  void LineFeedProc();
  void CarriageReturnProc();
  void IdentifierProc();
  void NumberProc();
  void HexNumberProc();
  void StringProc();
  void RoundOpenProc();
  void BraceOpenProc();
  void SlashProc();
  void SemicolonProc();
  void MinusProc();
  void HashProc();
  void LessThanProc();
  void PreprocessorProc();
  void UnknownProc();
  // A non-ASCII character of UTF-8 text: a letter, mark or number starts an
  // identifier, anything else is one unknown token of its full length.
  void Utf8CharacterProc();
  // An identifier whose first character takes `firstLength` bytes.
  void ScanIdentifier(int firstLength);
  // Bytes of the non-ASCII letter, mark or number at `offset` in UTF-8 text;
  // 0 for anything else.
  int WordCharacterLength(int offset) const;
  // A "#" comment to the end of the line; false when "#" does not open one here.
  bool HashComment();
  // Continuation of a comment left open by an earlier token or line.
  void CommentContinuation(std::string_view closer);

  std::uint8_t range_ = rsUnknown;
  const char* line_ = "";
  int lineLength_ = 0;
  std::array<ScanRoutine, 256> dispatch_{};
  int run_ = 0;
  TStringDelim stringDelimiter_ = sdDoubleQuote;
  int tokenPos_ = 0;
  TTokenKind tokenKind_ = tkNull;
  int lineNumber_ = 0;
  TScribHighlighterAttributes* attriComment_ = nullptr;
  TScribHighlighterAttributes* attriIdentifier_ = nullptr;
  TScribHighlighterAttributes* attriKey_ = nullptr;
  TScribHighlighterAttributes* attriNumber_ = nullptr;
  TScribHighlighterAttributes* attriPreprocessor_ = nullptr;
  TScribHighlighterAttributes* attriSpace_ = nullptr;
  TScribHighlighterAttributes* attriString_ = nullptr;
  TScribHighlighterAttributes* attriSymbol_ = nullptr;
  TKeyWordList keyWords_;
  TCommentStyles comments_ = 0;
  TScribCharSet identifierSet_;
  bool detectPreprocessor_ = false;
  char preprocessorChar_ = '#';
  bool keyWordsExactCase_ = false;
};
