// Commands that change text: typing, deleting, line breaks, tabs, block
// indentation, case changes; and bracket matching.
#include <algorithm>

#include "editor/CustomScribEdit.h"
#include "support/CharClasses.h"
#include "support/CodePage.h"
#include "support/Utf8.h"
#include "support/Utf8Case.h"

namespace {

// Leading whitespace for smart deletes: any character from 1 to 32.
bool IsLowBlank(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 1 && byte <= 32;
}

int LeadingCount(std::string_view line, bool (*blank)(char)) {
  int count = 0;
  while (count < static_cast<int>(line.size()) && blank(line[count])) ++count;
  return count;
}

constexpr std::string_view kBrackets = "()[]{}<>";

}  // namespace

bool TCustomScribEdit::ExecuteEditCommand(TScribEditorCommand command, char aChar,
                                          const void* data) {
  switch (command) {
    case ecChar:
      TypeChar(aChar);
      break;
    case ecString:
    case ecImeStr:
      if (data) InsertString(*static_cast<const std::string*>(data), !insertMode_);
      break;
    case ecDeleteLastChar:
      DeleteLastChar();
      break;
    case ecDeleteChar:
      DeleteChar();
      break;
    case ecDeleteWord:
      DeleteToPosition(NextWordPos(caret_), urDeleteAfterCursor);
      break;
    case ecDeleteLastWord:
      DeleteToPosition(PrevWordPos(caret_), urDelete);
      break;
    case ecDeleteBOL:
      DeleteToPosition({1, caret_.Line}, urDelete);
      break;
    case ecDeleteEOL:
      DeleteToPosition({LineLength(caret_.Line) + 1, caret_.Line}, urDeleteAfterCursor);
      break;
    case ecDeleteLine:
      DeleteLine();
      break;
    case ecClearAll:
      ClearAll();
      break;
    case ecLineBreak:
      LineBreak(true);
      break;
    case ecInsertLine:
      LineBreak(false);
      break;
    case ecCut:
      CutToClipboard();
      break;
    case ecPaste:
      PasteFromClipboard();
      break;
    case ecBlockIndent:
      ChangeBlockIndent(true);
      break;
    case ecBlockUnindent:
      ChangeBlockIndent(false);
      break;
    case ecTab:
      InsertTab();
      break;
    case ecShiftTab:
      ShiftTab();
      break;
    case ecUpperCase:
    case ecLowerCase:
    case ecToggleCase:
    case ecTitleCase:
    case ecUpperCaseBlock:
    case ecLowerCaseBlock:
    case ecToggleCaseBlock:
      ChangeCase(command);
      break;
    default:
      return false;
  }
  return true;
}

// --- Typing ------------------------------------------------------------------------

void TCustomScribEdit::TypeChar(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 32 || byte == 127) return;
  InsertString(std::string(1, c), !insertMode_);
}

std::size_t TCustomScribEdit::NextTypedChar(std::string_view text, std::size_t at) const {
  return lines_->CellRules().utf8 ? utf8::NextCaretStop(text, at) : at + 1;
}

void TCustomScribEdit::InsertString(const std::string& text, bool overwrite) {
  if (overwrite && !SelAvail()) {
    // Overwrite replaces as many characters as are typed, up to the line end.
    const int lineEnd = LineLength(caret_.Line) + 1;
    int end = caret_.Char;
    for (std::size_t at = 0; at < text.size() && end < lineEnd; at = NextTypedChar(text, at))
      end = NextCharIndex(caret_.Line, end);
    activeSelectionMode_ = smNormal;
    SetSelectionRaw(caret_, {std::max(end, caret_.Char), caret_.Line});
  }
  // Typing over a line or column selection replaces it in its own mode.
  ReplaceSelection(text, SelAvail() ? activeSelectionMode_ : smNormal, urInsert);
}

// --- Deleting ------------------------------------------------------------------------

int TCustomScribEdit::SmartUnindentTarget(int line, int caretChar) const {
  for (int above = line - 1; above >= 1; --above) {
    const std::string_view text = LineAt(above);
    const int indent = CharToColumn(above, LeadingCount(text, IsBlank) + 1);
    if (indent < caretChar) return indent;
  }
  return 1;
}

void TCustomScribEdit::DeleteLastChar() {
  if (DeleteSelectionRecorded()) return;
  const int line = caret_.Line;
  const std::string_view text = LineAt(line);
  const int length = static_cast<int>(text.size());
  if (caret_.Char > length + 1) {
    // Beyond the end only the caret moves.
    MoveCaret({length > 0 ? length + 1 : SmartUnindentTarget(line, caret_.Char), line}, true);
    return;
  }
  if (caret_.Char == 1) {
    if (line == 1) return;
    const TBufferCoord joinAt{LineLength(line - 1) + 1, line - 1};
    DeleteRecorded(joinAt, caret_, urSilentDelete);
    MoveCaret(joinAt, true);
    return;
  }
  const int leading = LeadingCount(text, IsLowBlank);
  if (!HasOption(eoSmartTabDelete) || leading < caret_.Char - 1) {
    const TBufferCoord before{PreviousCharIndex(line, caret_.Char), line};
    DeleteRecorded(before, caret_, urSilentDelete);
    MoveCaret(before, true);
    return;
  }
  // Unindent as far as the nearest line above with fewer leading blanks. The
  // blanks go from just before the caret, so undo puts the caret back too.
  int removed = caret_.Char - 1;  // all of them when no line above has fewer
  for (int above = line - 1; above >= 1; --above) {
    const int aboveLeading = LeadingCount(LineAt(above), IsLowBlank);
    if (aboveLeading < leading) {
      removed = std::min(leading - aboveLeading, caret_.Char - 1);
      break;
    }
  }
  const TBufferCoord from{caret_.Char - removed, line};
  DeleteRecorded(from, caret_, urSilentDelete);
  MoveCaret(from, true);
}

void TCustomScribEdit::DeleteChar() {
  if (DeleteSelectionRecorded()) return;
  const int line = caret_.Line;
  const int length = LineLength(line);
  if (caret_.Char <= length) {
    DeleteRecorded(caret_, {NextCharIndex(line, caret_.Char), line}, urDeleteAfterCursor);
    return;
  }
  if (line >= lines_->Count()) return;
  // The next line joins at the caret's column.
  DeleteRecorded(caret_, {1, line + 1}, urDeleteAfterCursor);
}

void TCustomScribEdit::DeleteToPosition(TBufferCoord target, TScribChangeReason reason) {
  if (DeleteSelectionRecorded()) return;
  const bool backwards =
      target.Line < caret_.Line || (target.Line == caret_.Line && target.Char < caret_.Char);
  if (backwards) {
    DeleteRecorded(target, caret_, reason);
    MoveCaret(target, true);
  } else {
    DeleteRecorded(caret_, target, reason);
  }
  CollapseSelection();
}

void TCustomScribEdit::DeleteLine() {
  CollapseSelection();
  if (lines_->Count() == 0) return;
  const int line = caret_.Line;
  if (line < lines_->Count())
    DeleteRecorded({1, line}, {1, line + 1}, urDeleteAfterCursor);
  else
    DeleteRecorded({1, line}, {LineLength(line) + 1, line}, urDeleteAfterCursor);
  MoveCaret({1, line}, true);
  CollapseSelection();
}

// --- Line breaks and tabs --------------------------------------------------------------

std::string TCustomScribEdit::IndentationFor(int line, int caretChar) const {
  const std::string_view text = LineAt(line);
  const int blanks = std::min(LeadingCount(text, IsBlank), caretChar - 1);
  // Each TAB of the indentation counts as a whole tab width, wherever it stands.
  const int tabWidth = TabWidth();
  const auto tabs = std::count(text.begin(), text.begin() + blanks, '\t');
  const int width = static_cast<int>(blanks + tabs * (std::max(tabWidth, 1) - 1));
  if (HasOption(eoTabsToSpaces) || tabWidth < 2) return std::string(width, ' ');
  return std::string(width / tabWidth, '\t') + std::string(width % tabWidth, ' ');
}

void TCustomScribEdit::LineBreak(bool moveCaret) {
  const Transaction step(*this);
  DeleteSelectionRecorded();
  const TBufferCoord caret = caret_;
  const int line = caret.Line;
  const int length = LineLength(line);
  const bool autoIndent = HasOption(eoAutoIndent);
  TBufferCoord breakAt{1, line};
  std::string inserted = "\r\n";
  TBufferCoord newCaret{1, line + 1};
  const bool splitsLine = caret.Char > 1 && caret.Char <= length;
  if (splitsLine) {
    breakAt = caret;
    if (autoIndent) inserted += IndentationFor(line, caret.Char);
  } else if (length > 0 && caret.Char > length) {
    breakAt = {length + 1, line};
    // The caret stands at the indentation; blanks appear once text is typed.
    if (autoIndent) newCaret.Char = LeadingCount(LineAt(line), IsLowBlank) + 1;
  } else if (length == 0 && autoIndent) {
    for (int above = line - 1; above >= 1; --above) {
      const std::string_view text = LineAt(above);
      if (text.empty()) continue;
      newCaret.Char = CharToColumn(above, LeadingCount(text, IsBlank) + 1);
      break;
    }
  }
  const TBufferCoord end = InsertNormal(breakAt, inserted);
  AddUndo(urLineBreak, breakAt, end, "", smNormal);
  if (splitsLine) newCaret = end;
  MoveCaret(moveCaret ? newCaret : caret, true);
  CollapseSelection();
}

void TCustomScribEdit::InsertTab() {
  if (HasOption(eoTabIndent) && SelAvail() && BlockBegin().Line != BlockEnd().Line)
    return ChangeBlockIndent(true);
  const Transaction step(*this);
  DeleteSelectionRecorded();
  std::string tab = "\t";
  if (HasOption(eoTabsToSpaces)) {
    const int tabWidth = std::max(1, TabWidth());
    tab.assign(tabWidth - (DisplayX() - 1) % tabWidth, ' ');
  }
  InsertAtCaretRecorded(tab, urInsert);
  CollapseSelection();
}

void TCustomScribEdit::ShiftTab() {
  if (HasOption(eoTabIndent) && SelAvail()) return ChangeBlockIndent(false);
  const std::string_view text = LineAt(caret_.Line);
  const int caretChar = caret_.Char;
  if (caretChar < 2 || caretChar - 1 > static_cast<int>(text.size())) return;
  if (!IsBlank(text[caretChar - 2])) return;
  const int column = CharToColumn(caret_.Line, caretChar);
  const int tabWidth = std::max(1, TabWidth());
  const int previousStop = (column - 2) / tabWidth * tabWidth + 1;
  int start = caretChar;
  while (start > 1 && IsBlank(text[start - 2]) &&
         CharToColumn(caret_.Line, start - 1) >= previousStop)
    --start;
  const TBufferCoord from{start, caret_.Line};
  DeleteRecorded(from, caret_, urSilentDelete);
  MoveCaret(from, true);
  CollapseSelection();
}

// --- Block indentation -------------------------------------------------------------------

void TCustomScribEdit::ChangeBlockIndent(bool indent) {
  if (lines_->Count() == 0) return;
  const TBufferCoord begin = SelAvail() ? BlockBegin() : caret_;
  const TBufferCoord end = SelAvail() ? BlockEnd() : caret_;
  const int first = std::min(begin.Line, lines_->Count());
  // A selection that ends at column 1 does not reach into its last line.
  const int last =
      std::min(end.Line > first && end.Char == 1 ? end.Line - 1 : end.Line, lines_->Count());
  const std::string step = HasOption(eoTabsToSpaces) ? std::string(TabWidth(), ' ') : "\t";
  std::vector<std::string> prefixes;
  for (int line = first; line <= last; ++line) {
    const std::string_view text = LineAt(line);
    if (indent) {
      prefixes.push_back(step);
    } else if (!text.empty() && text[0] == '\t') {
      prefixes.push_back("\t");
    } else {
      const std::size_t spaces = std::min(
          {static_cast<std::size_t>(TabWidth()), text.find_first_not_of(' '), text.size()});
      prefixes.push_back(std::string(spaces, ' '));
    }
  }
  std::string joined;
  for (std::size_t i = 0; i < prefixes.size(); ++i) joined += (i ? "\n" : "") + prefixes[i];
  if (joined.find_first_not_of('\n') == std::string::npos) return;  // nothing to unindent
  const Transaction lock(*this, Transaction::Undo::AsRecorded);
  ApplyLinePrefixes(first, prefixes, !indent);
  AddUndo(indent ? urIndent : urUnindent, {1, first}, {1, last}, joined, smNormal);
  // The selection follows its text.
  const auto shifted = [&](TBufferCoord p) {
    if (p.Line < first || p.Line > last || p.Char == 1) return p;
    const int size = static_cast<int>(prefixes[p.Line - first].size());
    return TBufferCoord{indent ? p.Char + size : std::max(1, p.Char - size), p.Line};
  };
  const TBufferCoord anchor = shifted(blockBegin_), moving = shifted(blockEnd_);
  SetCaretAndSelection(shifted(caret_), anchor, moving);
}

// --- Case -----------------------------------------------------------------------------

namespace {

char32_t CodePageUpper(char32_t c) {
  return codepage::ToUpper(static_cast<unsigned char>(c));
}
char32_t CodePageLower(char32_t c) {
  return codepage::ToLower(static_cast<unsigned char>(c));
}

// Code-page text maps byte by byte, UTF-8 text character by character.
struct TCaseMapping {
  char32_t (*upper)(char32_t);
  char32_t (*lower)(char32_t);
  char32_t (*title)(char32_t);
};
constexpr TCaseMapping kCodePageCase{CodePageUpper, CodePageLower, CodePageUpper};
constexpr TCaseMapping kUnicodeCase{utf8::UpperOf, utf8::LowerOf, utf8::TitleOf};

// Where a position goes when its line changed case: before the same character.
TBufferCoord AfterCaseChange(TBufferCoord position, std::string_view lineBefore,
                             std::string_view lineAfter) {
  const auto offset = static_cast<std::size_t>(position.Char - 1);
  return {static_cast<int>(utf8::OffsetAfterMapping(lineBefore, lineAfter, offset)) + 1,
          position.Line};
}

}  // namespace

std::string TCustomScribEdit::CaseChanged(TScribEditorCommand command,
                                          std::string_view text) const {
  const bool utf8 = lines_->CellRules().utf8;
  const TCaseMapping& mapping = utf8 ? kUnicodeCase : kCodePageCase;
  bool previousIsWord = false;
  const auto map = [&](char32_t c) {
    char32_t mapped;
    switch (command) {
      case ecUpperCase:
      case ecUpperCaseBlock:
        mapped = mapping.upper(c);
        break;
      case ecLowerCase:
      case ecLowerCaseBlock:
        mapped = mapping.lower(c);
        break;
      case ecTitleCase:
        mapped = previousIsWord ? mapping.lower(c) : mapping.title(c);
        break;
      default: {
        const char32_t upper = mapping.upper(c);
        mapped = upper != c ? upper : mapping.lower(c);
      }
    }
    previousIsWord = IsWordChar(static_cast<unsigned char>(std::min<char32_t>(c, 0xFF)));
    return mapped;
  };
  if (utf8) return utf8::MapCharacters(text, map);
  std::string result(text);
  for (char& c : result) c = static_cast<char>(map(static_cast<unsigned char>(c)));
  return result;
}

void TCustomScribEdit::ChangeCase(TScribEditorCommand command) {
  const bool blockOnly = command >= ecUpperCaseBlock;
  TBufferCoord caret = caret_, anchor = blockBegin_, moving = blockEnd_;
  const bool hadSelection = SelAvail();
  if (!hadSelection) {
    if (blockOnly) return;
    const TBufferCoord start = WordStart(caret_);
    const TBufferCoord end = WordEnd(start);
    if (end.Char <= start.Char) return;
    activeSelectionMode_ = smNormal;
    SetSelectionRaw(start, end);
  }
  const std::string before = SelText();
  const std::string text = CaseChanged(command, before);
  if (text != before) {
    // In UTF-8 a character may change its byte length, so the lines under the
    // caret and the selection ends are kept to place them again.
    const std::string caretLine(LineAt(caret.Line)), anchorLine(LineAt(anchor.Line)),
        movingLine(LineAt(moving.Line));
    const TScribSelectionMode mode = activeSelectionMode_;
    ReplaceSelection(text, mode, urInsert);
    activeSelectionMode_ = mode;
    caret = AfterCaseChange(caret, caretLine, LineAt(caret.Line));
    anchor = AfterCaseChange(anchor, anchorLine, LineAt(anchor.Line));
    moving = AfterCaseChange(moving, movingLine, LineAt(moving.Line));
  }
  if (hadSelection)
    SetCaretAndSelection(caret, anchor, moving);
  else
    SetCaretXY(caret);
}

// --- Brackets ---------------------------------------------------------------------------

void TCustomScribEdit::MatchBracket() {
  const std::string_view text = LineAt(caret_.Line);
  if (caret_.Char > static_cast<int>(text.size())) return;
  const char bracket = text[caret_.Char - 1];
  const std::size_t index = kBrackets.find(bracket);
  if (index == std::string_view::npos) return;
  const char partner = kBrackets[index ^ 1];
  const bool forward = index % 2 == 0;
  int level = 1;
  int line = caret_.Line;
  int charIndex = caret_.Char + (forward ? 1 : -1);
  while (line >= 1 && line <= lines_->Count()) {
    const std::string_view current = LineAt(line);
    for (; charIndex >= 1 && charIndex <= static_cast<int>(current.size());
         charIndex += forward ? 1 : -1) {
      const char c = current[charIndex - 1];
      if ((c != bracket && c != partner) || IsBracketIgnored({charIndex, line})) continue;
      if (c == bracket) ++level;
      if (c == partner && --level == 0) {
        MoveCaretAndSelection({charIndex, line}, false);
        return;
      }
    }
    line += forward ? 1 : -1;
    charIndex = forward ? 1 : LineLength(line);
  }
}
