// Construction, properties and the dispatch table of the configurable highlighter.
#include "highlight/ScribHighlighterOrvane.h"

#include <memory>

namespace {

std::unique_ptr<TScribHighlighterAttributes> MakeAttribute(const char* name, TColor foreground,
                                                           TColor background, TFontStyles style) {
  auto attribute = std::make_unique<TScribHighlighterAttributes>(name);
  attribute->SetForeground(foreground);
  attribute->SetBackground(background);
  attribute->SetStyle(style);
  return attribute;
}

}  // namespace

TScribOrvane::TScribOrvane() {
  struct Definition {
    TScribHighlighterAttributes** field;
    const char* name;
    TColor foreground, background;
    TFontStyles style;
  };
  const Definition definitions[] = {
      {&attriComment_, "Comment", 0x00FFFF, 0x008000, 0},
      {&attriIdentifier_, "Identifier", clNone, clNone, fsBold},
      {&attriKey_, "Reserved Word", 0x0000FF, 0x00FFFF, fsBold | fsUnderline},
      {&attriNumber_, "Number", 0xFF0000, clNone, fsBold},
      {&attriSpace_, "Space", clNone, clNone, 0},
      {&attriString_, "String", 0x008000, clNone, 0},
      {&attriSymbol_, "Symbol", 0x0000FF, clNone, fsBold},
      {&attriPreprocessor_, "Preprocessor", clNone, clNone, 0},
  };
  for (const auto& definition : definitions) {
    auto attribute = MakeAttribute(definition.name, definition.foreground, definition.background,
                                   definition.style);
    *definition.field = attribute.get();
    AddAttribute(std::move(attribute));
  }
  SetAttributesOnChange([this](TScribPersistent* sender) { DefHighlightChange(sender); });

  for (int c = 33; c <= 255; ++c) identifierSet_.set(c);
  for (unsigned char c : std::string_view("!\"'()*+,-./:;=?[\\]^{|}")) identifierSet_.reset(c);
  MakeMethodTables();
}

void TScribOrvane::ApplyStoredDefaults() {
  BeginLoading();
  SetKeyWordsExactCase(false);
  SetComments(0);
  SetDetectPreprocessor(false);
  std::string everyVisibleByte;
  for (int c = 33; c <= 255; ++c) everyVisibleByte += static_cast<char>(c);
  SetIdentifierChars(everyVisibleByte);
  EndLoading();
}

TScribHighlighterAttributes* TScribOrvane::GetDefaultAttribute(int role) const {
  switch (role) {
    case arComment:
      return attriComment_;
    case arIdentifier:
      return attriIdentifier_;
    case arKeyword:
      return attriKey_;
    case arString:
      return attriString_;
    case arWhitespace:
      return attriSpace_;
    case arSymbol:
      return attriSymbol_;
    default:
      return nullptr;
  }
}

std::string TScribOrvane::GetToken() const {
  return std::string(line_ + tokenPos_, static_cast<std::size_t>(run_ - tokenPos_));
}

TScribHighlighterAttributes* TScribOrvane::GetTokenAttribute() const {
  switch (tokenKind_) {
    case tkComment:
      return attriComment_;
    case tkIdentifier:
      return attriIdentifier_;
    case tkKey:
      return attriKey_;
    case tkNumber:
      return attriNumber_;
    case tkPreprocessor:
      return attriPreprocessor_;
    case tkSpace:
      return attriSpace_;
    case tkString:
      return attriString_;
    case tkSymbol:
    case tkUnknown:
      return attriSymbol_;
    default:
      return nullptr;
  }
}

bool TScribOrvane::IsKeyword(std::string_view word) const {
  return keyWords_.Contains(word, keyWordsExactCase_);
}

void TScribOrvane::SetKeyWords(std::vector<std::string> words) {
  keyWords_.Assign(std::move(words));
  DefHighlightChange(nullptr);
}

void TScribOrvane::SetStringDelimiter(TStringDelim value) {
  if (stringDelimiter_ == value) return;
  stringDelimiter_ = value;
  dispatch_['\''] = &TScribOrvane::UnknownProc;
  dispatch_['"'] = &TScribOrvane::UnknownProc;
  SetQuoteRoutines();
  DefHighlightChange(this);
}

void TScribOrvane::SetComments(TCommentStyles value) {
  value &= (1u << kCommentStyleCount) - 1;
  if (comments_ == value) return;
  comments_ = value;
  DefHighlightChange(nullptr);
}

void TScribOrvane::SetDetectPreprocessor(bool value) {
  if (detectPreprocessor_ == value) return;
  detectPreprocessor_ = value;
  DefHighlightChange(nullptr);
}

void TScribOrvane::SetPreprocessorChar(char value) {
  if (preprocessorChar_ == value) return;
  preprocessorChar_ = value;
  MakeMethodTables();
  DefHighlightChange(nullptr);
}

std::string TScribOrvane::IdentifierChars() const {
  std::string chars;
  for (int c = 0; c < 256; ++c) {
    if (identifierSet_.test(c)) chars += static_cast<char>(c);
  }
  return chars;
}

void TScribOrvane::SetIdentifierChars(std::string_view chars) {
  identifierSet_.reset();
  for (unsigned char c : chars) identifierSet_.set(c);
}

void TScribOrvane::MakeMethodTables() {
  for (int c = 0; c < 256; ++c) {
    ScanRoutine routine = &TScribOrvane::UnknownProc;
    if (c == 0) {
      routine = &TScribOrvane::NullProc;
    } else if (c == 10) {
      routine = &TScribOrvane::LineFeedProc;
    } else if (c == 13) {
      routine = &TScribOrvane::CarriageReturnProc;
    } else if (c <= 32) {
      routine = &TScribOrvane::SpaceProc;
    } else if (c >= '0' && c <= '9') {
      routine = &TScribOrvane::NumberProc;
    } else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_') {
      routine = &TScribOrvane::IdentifierProc;
    } else {
      switch (c) {
        case '$':
          routine = &TScribOrvane::HexNumberProc;
          break;
        case '(':
          routine = &TScribOrvane::RoundOpenProc;
          break;
        case '-':
          routine = &TScribOrvane::MinusProc;
          break;
        case '#':
          routine = &TScribOrvane::HashProc;
          break;
        case '<':
          routine = &TScribOrvane::LessThanProc;
          break;
        case '/':
          routine = &TScribOrvane::SlashProc;
          break;
        case ';':
          routine = &TScribOrvane::SemicolonProc;
          break;
        case '{':
          routine = &TScribOrvane::BraceOpenProc;
          break;
        default:
          break;
      }
    }
    dispatch_[c] = routine;
  }
  // The terminating zero must keep ending the line, whatever the character is.
  const auto preprocessor = static_cast<unsigned char>(preprocessorChar_);
  if (preprocessor != 0) dispatch_[preprocessor] = &TScribOrvane::PreprocessorProc;
  SetQuoteRoutines();
}

void TScribOrvane::SetQuoteRoutines() {
  if (stringDelimiter_ == sdSingleQuote || stringDelimiter_ == sdBoth) {
    dispatch_['\''] = &TScribOrvane::StringProc;
  }
  if (stringDelimiter_ == sdDoubleQuote || stringDelimiter_ == sdBoth) {
    dispatch_['"'] = &TScribOrvane::StringProc;
  }
}
