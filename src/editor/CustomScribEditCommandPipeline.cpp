// Keys to commands, the command pipeline with its hooks, caret moves,
// scrolling, modes and bookmarks.
#include <algorithm>

#include "editor/CustomScribEdit.h"
#include "editor/ScribDisplayPos.h"
#include "editor/WordWrapPlugin.h"

// --- Keys ----------------------------------------------------------------------

TScribEditorCommand TCustomScribEdit::TranslateKeyCode(std::uint16_t code, TShiftState shift) {
  TScribEditorCommand command = ecNone;
  int index = keystrokes_.FindKeycode2(lastKey_, lastShift_, code, shift);
  if (index < 0) index = keystrokes_.FindKeycode(code, shift);
  if (index >= 0) command = keystrokes_[index].Command;
  // An unbound key may start a two-key sequence.
  if (command == ecNone && code >= 30 && code <= 145) {
    lastKey_ = code;
    lastShift_ = shift;
  } else {
    lastKey_ = 0;
    lastShift_ = 0;
  }
  return command;
}

void TCustomScribEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(*this, key, shift);
  if (key != 0 && !inKeyDownHandlers_) {
    inKeyDownHandlers_ = true;
    for (auto it = keyDownHandlers_.rbegin(); it != keyDownHandlers_.rend() && key != 0; ++it)
      (*it)(*this, key, shift);
    inKeyDownHandlers_ = false;
  }
  if (key == 0) {
    // A handled key must not come back as a character.
    ignoreNextChar_ = true;
    return;
  }
  const TScribEditorCommand command = TranslateKeyCode(key, shift);
  if (command == ecNone) {
    ignoreNextChar_ = false;
    return;
  }
  key = 0;
  ignoreNextChar_ = true;
  CommandProcessor(command, '\0', nullptr);
}

void TCustomScribEdit::KeyPress(char key) {
  if (ignoreNextChar_) {
    ignoreNextChar_ = false;
    return;
  }
  if (OnKeyPress) OnKeyPress(*this, key);
  if (key != 0 && !inKeyPressHandlers_) {
    inKeyPressHandlers_ = true;
    for (auto it = keyPressHandlers_.rbegin(); it != keyPressHandlers_.rend() && key != 0; ++it)
      (*it)(*this, key);
    inKeyPressHandlers_ = false;
  }
  if (key != 0) CommandProcessor(ecChar, key, nullptr);
}

// --- Command pipeline ------------------------------------------------------------

void TCustomScribEdit::CommandProcessor(TScribEditorCommand command, char aChar, const void* data) {
  if (command < ecUserFirst) {
    if (OnProcessCommand) OnProcessCommand(*this, command, aChar, data);
  } else if (OnProcessUserCommand) {
    OnProcessUserCommand(*this, command, aChar, data);
  }
  if (command != ecNone) {
    for (auto& handler : hookedCommandHandlers_) handler(*this, false, command, aChar, data);
    if (command != ecNone && command < ecUserFirst) ExecuteCommand(command, aChar, data);
    if (command != ecNone)
      for (auto& handler : hookedCommandHandlers_) handler(*this, true, command, aChar, data);
  }
  if (OnCommandProcessed) OnCommandProcessed(*this, command, aChar, data);
}

void TCustomScribEdit::ExecuteCommand(TScribEditorCommand command, char aChar, const void* data) {
  const Transaction lock(*this, Transaction::Undo::AsRecorded);
  if (!ExecuteMove(command, data) && !ExecuteViewCommand(command)) {
    switch (command) {
      case ecSelWord:
        SelectWordAt(caret_);
        break;
      case ecSelectAll:
        SelectAll();
        break;
      case ecCopy:
        CopyToClipboard();
        break;
      case ecMatchBracket:
        MatchBracket();
        break;
      case ecContextHelp:
        ContextHelp();
        break;
      case ecUndo:
        Undo();
        break;
      case ecRedo:
        Redo();
        break;
      default:
        if (command >= ecGotoMarker0 && command <= ecSetMarker9) {
          BookmarkCommand(command, data);
        } else if (!readOnly_) {
          ExecuteEditCommand(command, aChar, data);
        }
    }
  }
}

// --- Caret moves ------------------------------------------------------------------

TCustomScribEdit::CaretTarget TCustomScribEdit::VerticalTarget(int rows) const {
  const int row = std::clamp(DisplayY() + rows, 1, std::max(1, RowCount()));
  return DisplayTarget({lastCaretX_, row});
}

TCustomScribEdit::CaretTarget TCustomScribEdit::LineStartTarget() const {
  // With word wrap Home goes to the start of the caret's row.
  if (wrapPlugin_) return DisplayToBufferPos({1, DisplayY()});
  if (!HasOption(eoEnhanceHomeKey)) return TBufferCoord{1, caret_.Line};
  // Home toggles between the first non-blank character and column 1.
  const std::size_t firstVisible = LineAt(caret_.Line).find_first_not_of(" \t");
  const int textStart = firstVisible == std::string::npos ? 1 : static_cast<int>(firstVisible) + 1;
  return TBufferCoord{caret_.Char == textStart ? 1 : textStart, caret_.Line};
}

TCustomScribEdit::CaretTarget TCustomScribEdit::LineEndTarget() const {
  if (wrapPlugin_) {
    // On a wrapped line's earlier rows End stops at the end of the row.
    const int row = DisplayY();
    if (row < ViewLastRowOfLine(wrapPlugin_.get(), caret_.Line))
      return DisplayTarget({wrapPlugin_->GetRowLength(row) + 1, row});
  }
  const std::string_view line = LineAt(caret_.Line);
  const int lineEnd = static_cast<int>(line.size()) + 1;
  if (!HasOption(eoEnhanceEndKey)) return TBufferCoord{lineEnd, caret_.Line};
  const std::size_t lastVisible = line.find_last_not_of(" \t");
  const int afterText = lastVisible == std::string::npos ? 1 : static_cast<int>(lastVisible) + 2;
  return TBufferCoord{caret_.Char == afterText ? lineEnd : afterText, caret_.Line};
}

TCustomScribEdit::CaretTarget TCustomScribEdit::RightTarget() const {
  const int lastLine = std::max(1, lines_->Count());
  TBufferCoord target = caret_;
  if (HasOption(eoScrollPastEol) || caret_.Char <= LineLength(caret_.Line))
    target = {NextCharIndex(caret_.Line, caret_.Char), caret_.Line};
  else if (caret_.Line < lastLine)
    target = {1, caret_.Line + 1};
  // Reaching the end of a wrapped row keeps the caret drawn on that row.
  const bool endOfRow =
      wrapPlugin_ && ::BufferToDisplayPos(*lines_, wrapPlugin_.get(), target, true).Row !=
                         BufferToDisplayPos(target).Row;
  return {target, endOfRow};
}

TCustomScribEdit::CaretTarget TCustomScribEdit::MoveTarget(TScribEditorCommand move,
                                                           const void* data) {
  const int lastLine = std::max(1, lines_->Count());
  switch (move) {
    case ecLeft:
      if (caret_.Char > 1)
        return TBufferCoord{
            std::min(PreviousCharIndex(caret_.Line, caret_.Char), MaxCaretChar(caret_.Line)),
            caret_.Line};
      if (!HasOption(eoScrollPastEol) && caret_.Line > 1)
        return TBufferCoord{LineLength(caret_.Line - 1) + 1, caret_.Line - 1};
      return caret_;
    case ecRight:
      return RightTarget();
    case ecUp:
      return VerticalTarget(-1);
    case ecDown:
      return VerticalTarget(1);
    case ecWordLeft:
      return PrevWordPos(caret_);
    case ecWordRight:
      return NextWordPos(caret_);
    case ecLineStart:
      return LineStartTarget();
    case ecLineEnd:
      return LineEndTarget();
    case ecPageLeft:
      return DisplayTarget({std::max(1, DisplayX() - charsInWindow_), DisplayY()});
    case ecPageRight:
      return DisplayTarget({DisplayX() + charsInWindow_, DisplayY()});
    case ecPageTop:
      return VerticalTarget(topLine_ - DisplayY());
    case ecPageBottom:
      return VerticalTarget(topLine_ + linesInWindow_ - 1 - DisplayY());
    case ecEditorTop:
      return TBufferCoord{1, 1};
    case ecEditorBottom:
      return TBufferCoord{LineLength(lastLine) + 1, lastLine};
    case ecGotoXY:
      return data ? *static_cast<const TBufferCoord*>(data) : caret_;
    default:
      return caret_;
  }
}

void TCustomScribEdit::PageScroll(int direction, bool selecting) {
  int rows = linesInWindow_;
  if (HasOption(eoHalfPageScroll)) rows /= 2;
  if (HasOption(eoScrollByOneLess)) --rows;
  rows = std::max(1, rows) * direction;
  const int keptColumn = lastCaretX_;
  SetTopLine(topLine_ + rows);
  MoveCaretAndSelection(VerticalTarget(rows), selecting);
  lastCaretX_ = keptColumn;
}

bool TCustomScribEdit::ExecuteMove(TScribEditorCommand command, const void* data) {
  const bool columnSelecting =
      command > ecColumnSelection && command < ecColumnSelection + ecGotoXY;
  const bool selecting = columnSelecting || (command > ecSelection && command <= ecSelGotoXY);
  const TScribEditorCommand move = columnSelecting ? command - ecColumnSelection
                                   : selecting     ? command - ecSelection
                                                   : command;
  if (move < ecLeft || move > ecGotoXY) return false;
  if (columnSelecting)
    SetActiveSelectionMode(smColumn);
  else if (selecting && activeSelectionMode_ == smColumn)
    SetActiveSelectionMode(selectionMode_);  // a plain selecting move leaves column mode
  if (move == ecPageUp || move == ecPageDown) {
    PageScroll(move == ecPageUp ? -1 : 1, selecting);
    return true;
  }
  const bool vertical = move == ecUp || move == ecDown || move == ecPageTop || move == ecPageBottom;
  const int keptColumn = lastCaretX_;
  MoveCaretAndSelection(MoveTarget(move, data), selecting);
  if (vertical) lastCaretX_ = keptColumn;  // the column to come back to on longer lines
  return true;
}

// --- Scrolling and modes -------------------------------------------------------------

void TCustomScribEdit::ScrollBy(int rows) {
  SetTopLine(topLine_ + rows);
  const int lastVisible = topLine_ + linesInWindow_ - 1;
  const int caretRow = DisplayY();
  int row = caretRow;
  if (row < topLine_) row = topLine_;
  if (row > lastVisible) row = lastVisible;
  if (row == caretRow) return;
  const int keptColumn = lastCaretX_;
  const CaretTarget target = DisplayTarget({lastCaretX_, row});
  MoveCaret(target.position, false, target.endOfRow);
  CollapseSelection();
  lastCaretX_ = keptColumn;
}

bool TCustomScribEdit::ExecuteViewCommand(TScribEditorCommand command) {
  switch (command) {
    case ecScrollUp:
      ScrollBy(-1);
      return true;
    case ecScrollDown:
      ScrollBy(1);
      return true;
    case ecScrollLeft:
      SetLeftChar(leftChar_ - 1);
      return true;
    case ecScrollRight:
      SetLeftChar(leftChar_ + 1);
      return true;
    case ecInsertMode:
      SetInsertMode(true);
      return true;
    case ecOverwriteMode:
      SetInsertMode(false);
      return true;
    case ecToggleMode:
      SetInsertMode(!insertMode_);
      return true;
    case ecNormalSelect:
      SetSelectionMode(smNormal);
      return true;
    case ecColumnSelect:
      SetSelectionMode(smColumn);
      return true;
    case ecLineSelect:
      SetSelectionMode(smLine);
      return true;
    default:
      return false;
  }
}

// --- Bookmarks and help --------------------------------------------------------------

void TCustomScribEdit::BookmarkCommand(TScribEditorCommand command, const void* data) {
  if (!bookmarkKeysEnabled_) return;
  if (command <= ecGotoMarker9) {
    TBufferCoord position;
    if (GetBookMark(command - ecGotoMarker0, position)) SetCaretXY(position);
    return;
  }
  const int number = command - ecSetMarker0;
  const TBufferCoord position = data ? *static_cast<const TBufferCoord*>(data) : caret_;
  TBufferCoord existing;
  // Setting a bookmark on the line where it stands removes it.
  if (GetBookMark(number, existing) && existing.Line == ClampPosition(position).Line)
    ClearBookMark(number);
  else
    SetBookMark(number, position);
}

void TCustomScribEdit::ContextHelp() {
  if (OnContextHelp) OnContextHelp(*this, WordAt(caret_));
}
