// The editor: caret, selection, commands, clipboard and undo on top of the
// text buffer. It paints nothing itself; the painter and the widget read its
// state and feed it the view's size (LinesInWindow, CharsInWindow).
//
// Invariants:
//  - buffer positions (TBufferCoord) are 1-based; Char may stand beyond the
//    end of its line; the buffer's own line indexes are 0-based;
//  - character indexes (SelStart, SelLength) are 0-based and count each line
//    break as two characters; they come from the buffer's cached line starts,
//    so no operation walks all lines;
//  - blockBegin_ is the selection's anchor and blockEnd_ its moving end (either
//    order); BlockBegin()/BlockEnd() return them sorted;
//  - rows equal lines unless word wrap is on: then the wrap plugin (owned,
//    present exactly while WordWrap() is true) lays lines out as rows, and
//    TopLine, DisplayX/DisplayY, vertical moves and painting count rows;
//  - the buffer's stored ranges are the highlighter's end-of-line states; every
//    buffer change rescans from the changed lines (HighlightScan) and collects
//    a repaint area that is reported through OnInvalidate when the outermost
//    buffer update ends;
//  - status flags collect in pendingStatus_ while the paint lock is held and
//    are reported when the last EndUpdate releases it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "editor/EditorViewEvents.h"
#include "editor/EditorViewState.h"
#include "editor/HighlightScan.h"
#include "editor/ScribEditKeyCmds.h"
#include "editor/ScribEditStringList.h"
#include "editor/ScribEditTypes.h"
#include "editor/ScribEditUndoList.h"
#include "editor/ScribGutter.h"
#include "platform/Canvas.h"

class Clipboard;
class TScribCustomHighlighter;
class TScribPersistent;

class EScribEditError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum TScribEditorOption : int {
  eoAltSetsColumnMode,
  eoAutoIndent,
  eoAutoSizeMaxScrollWidth,
  eoDisableScrollArrows,
  eoDragDropEditing,
  eoDropFiles,
  eoEnhanceHomeKey,
  eoEnhanceEndKey,
  eoGroupUndo,
  eoHalfPageScroll,
  eoHideShowScrollbars,
  eoKeepCaretX,
  eoNoCaret,
  eoNoSelection,
  eoRightMouseMovesCursor,
  eoScrollByOneLess,
  eoScrollHintFollows,
  eoScrollPastEof,
  eoScrollPastEol,
  eoShowScrollHint,
  eoShowSpecialChars,
  eoSmartTabDelete,
  eoSmartTabs,
  eoSpecialLineDefaultFg,
  eoTabIndent,
  eoTabsToSpaces,
  eoTrimTrailingSpaces,
};

// A set of TScribEditorOption, bit n for option n.
using TScribEditorOptions = std::uint32_t;
constexpr TScribEditorOptions OptionBit(TScribEditorOption option) {
  return 1u << option;
}

// The options the program's main window gives its editor.
inline constexpr TScribEditorOptions kMainWindowEditorOptions =
    OptionBit(eoAutoIndent) | OptionBit(eoDragDropEditing) | OptionBit(eoDropFiles) |
    OptionBit(eoEnhanceEndKey) | OptionBit(eoGroupUndo) | OptionBit(eoScrollByOneLess) |
    OptionBit(eoScrollPastEol) | OptionBit(eoShowScrollHint) | OptionBit(eoSmartTabDelete);
TScribEditorOptions DefaultEditorOptions();

// Status flags reported through OnStatusChange.
using TScribStatusChanges = std::uint16_t;
inline constexpr TScribStatusChanges stAll = 1 << 0;
inline constexpr TScribStatusChanges stCaretX = 1 << 1;
inline constexpr TScribStatusChanges stCaretY = 1 << 2;
inline constexpr TScribStatusChanges stLeftChar = 1 << 3;
inline constexpr TScribStatusChanges stTopLine = 1 << 4;
inline constexpr TScribStatusChanges stInsertMode = 1 << 5;
inline constexpr TScribStatusChanges stModified = 1 << 6;
// The selection or the caret moved, or the text changed under them.
inline constexpr TScribStatusChanges stSelection = 1 << 7;
inline constexpr TScribStatusChanges stReadOnly = 1 << 8;

// Colours are 0x00BBGGRR; clNone (platform/Color.h) means "not set".
inline constexpr TColor clSilver = 0x00C0C0C0;
inline constexpr TColor clWindow = 0x00FFFFFF;
inline constexpr TColor clWindowText = 0x00000000;

struct TScribBookMark {
  bool Set = false;
  TBufferCoord Position;
};

class TCustomScribEdit : public TScribViewState {
 public:
  using TNotifyEvent = std::function<void(TCustomScribEdit& sender)>;
  using TStatusChangeEvent =
      std::function<void(TCustomScribEdit& sender, TScribStatusChanges changes)>;
  // May change the command and the character; ecNone cancels.
  using TProcessCommandEvent = std::function<void(
      TCustomScribEdit& sender, TScribEditorCommand& command, char& aChar, const void* data)>;
  using THookedCommandEvent =
      std::function<void(TCustomScribEdit& sender, bool afterProcessing,
                         TScribEditorCommand& command, char& aChar, const void* data)>;
  using TKeyDownEvent =
      std::function<void(TCustomScribEdit& sender, std::uint16_t& key, TShiftState shift)>;
  using TKeyPressEvent = std::function<void(TCustomScribEdit& sender, char& key)>;
  using TContextHelpEvent = std::function<void(TCustomScribEdit& sender, const std::string& word)>;
  using TDropFilesEvent = std::function<void(TCustomScribEdit& sender, int x, int y,
                                             const std::vector<std::string>& files)>;
  // First and last changed line (1-based); lastLine -1 means to the end of the text.
  using TInvalidateEvent =
      std::function<void(TCustomScribEdit& sender, int firstLine, int lastLine)>;
  // May replace the colours of 1-based `line`; returns true when it did.
  using TSpecialLineColorsEvent = std::function<bool(const TCustomScribEdit& sender, int line,
                                                     TColor& foreground, TColor& background)>;
  using TGutterGetTextEvent =
      std::function<void(const TCustomScribEdit& sender, int line, std::string& text)>;

  TCustomScribEdit();
  ~TCustomScribEdit() override;
  TCustomScribEdit(const TCustomScribEdit&) = delete;
  TCustomScribEdit& operator=(const TCustomScribEdit&) = delete;

  // --- Text -----------------------------------------------------------------
  TScribEditStringList& Lines() const override { return *lines_; }
  std::string Text() const { return lines_->Text(); }
  // Replaces the whole text without recording undo (the shell sets Modified).
  void SetText(std::string_view text);
  std::int64_t TextLength() const { return lines_->CharCount(); }
  // The caret line's text; empty beyond the last line.
  std::string LineText() const;
  void SetLineText(const std::string& text);
  void ClearAll();

  // --- Caret and selection --------------------------------------------------
  int CaretX() const { return caret_.Char; }
  int CaretY() const { return caret_.Line; }
  TBufferCoord CaretXY() const override { return caret_; }
  void SetCaretX(int value) { SetCaretXY({value, caret_.Line}); }
  void SetCaretY(int value) { SetCaretXY({caret_.Char, value}); }
  void SetCaretXY(TBufferCoord value);
  // The caret's display position; with word wrap, a caret that reached the end
  // of a row (by Right, End, or a click right of the row) stays drawn there
  // rather than at the start of the next row.
  TDisplayCoord DisplayXY() const;
  bool CaretAtEndOfRow() const { return caretAtEndOfRow_; }
  int DisplayX() const { return DisplayXY().Column; }
  int DisplayY() const { return DisplayXY().Row; }
  void SetCaretAndSelection(TBufferCoord caret, TBufferCoord blockBegin, TBufferCoord blockEnd);

  // Sorted ends of the selection.
  TBufferCoord BlockBegin() const override;
  TBufferCoord BlockEnd() const override;
  // The anchor and the moving end as they are.
  TBufferCoord SelectionAnchor() const { return blockBegin_; }
  TBufferCoord SelectionEnd() const { return blockEnd_; }
  void SetBlockBegin(TBufferCoord value);
  void SetBlockEnd(TBufferCoord value);
  bool SelAvail() const override;
  std::string SelText() const;
  void SetSelText(std::string_view text);
  // Text from outside (the clipboard, the keyboard, drops: always UTF-8) in
  // the document's encoding, and document text as UTF-8. When the legacy code
  // page lacks some of its characters, OnRefusedText hears how many and there
  // is nothing to insert.
  std::optional<std::string> DocumentTextOf(std::string_view utf8Text);
  // Characters selected: SelLength(), except that in UTF-8 text a character
  // of several bytes counts one.
  std::int64_t SelCharCount() const;
  std::string Utf8Of(std::string_view documentText) const;
  std::int64_t SelStart() const;
  void SetSelStart(std::int64_t value);
  std::int64_t SelLength() const;
  void SetSelLength(std::int64_t value);
  void SelectAll();
  TScribSelectionMode SelectionMode() const { return selectionMode_; }
  void SetSelectionMode(TScribSelectionMode value);
  TScribSelectionMode ActiveSelectionMode() const override { return activeSelectionMode_; }
  void SetActiveSelectionMode(TScribSelectionMode value);

  // Index and position conversion (0-based index, clamped to the text).
  std::int64_t RowColToCharIndex(TBufferCoord position) const;
  TBufferCoord CharIndexToRowCol(std::int64_t index) const;
  // Rows are lines unless word wrap is on.
  TDisplayCoord BufferToDisplayPos(TBufferCoord position) const;
  TBufferCoord DisplayToBufferPos(TDisplayCoord position) const;

  // Word positions; a position outside the lines is returned unchanged.
  TBufferCoord NextWordPos(TBufferCoord position) const;
  TBufferCoord PrevWordPos(TBufferCoord position) const;
  TBufferCoord WordStart(TBufferCoord position) const;
  TBufferCoord WordEnd(TBufferCoord position) const;
  // Word characters for word moves, deletes and selection: the highlighter's
  // identifier characters minus its word-break characters, or the editor's
  // own set without a highlighter.
  virtual bool IsWordChar(unsigned char c) const;
  // Whether a bracket at `position` stands inside a comment or string token and
  // so does not count for bracket matching; false without a highlighter.
  virtual bool IsBracketIgnored(TBufferCoord position) const;
  // The word at a position (empty when there is none).
  std::string WordAt(TBufferCoord position) const;
  // Selects what a double click at `position` selects: the word, the run of
  // blanks, or the one other character there.
  void SelectWordAt(TBufferCoord position);

  // --- View -----------------------------------------------------------------
  int TopLine() const override { return topLine_; }  // a row
  void SetTopLine(int value);
  int LeftChar() const override { return leftChar_; }
  void SetLeftChar(int value);
  int LinesInWindow() const { return linesInWindow_; }
  int CharsInWindow() const override { return charsInWindow_; }
  // Given by the view whenever its size or font changes; a changed width in
  // characters lays wrapped lines out again (DisplayChanged).
  void SetLinesInWindow(int value);
  void SetCharsInWindow(int value);
  // The font's cell size in pixels, measured by the view.
  int CharWidth() const override { return charWidth_; }
  int LineHeight() const override { return lineHeight_; }
  void SetCharWidth(int value);
  void SetLineHeight(int value);
  // A digit of the gutter font, measured by the view; the editor's cell width until then.
  int GutterCharWidth() const override {
    return gutterCharWidth_ > 0 ? gutterCharWidth_ : charWidth_;
  }
  void SetGutterCharWidth(int value);
  // Lays wrapped lines out again when the window width in characters changed,
  // keeping the same buffer line at the top.
  void DisplayChanged();
  int MaxScrollWidth() const { return maxScrollWidth_; }
  void SetMaxScrollWidth(int value);
  // Rows laid out: lines, or wrapped rows while word wrap is on.
  int RowCount() const;
  // 1-based line of a 1-based row and the first row of a line.
  int RowToLine(int row) const;
  int LineToRow(int line) const;
  void EnsureCursorPosVisible();

  // --- Update bracket and status --------------------------------------------
  void BeginUpdate() { ++paintLock_; }
  void EndUpdate();
  int PaintLock() const { return paintLock_; }

  // One edit transaction: holds the paint lock, so status changes are
  // reported once at the end, and unless told otherwise the undo block, so the
  // changes undo as one step. Both close on every path, exceptions included:
  // left open they would silence status reports for good or glue every later
  // change into one undo step.
  class Transaction {
   public:
    enum class Undo { OneStep, AsRecorded };
    explicit Transaction(TCustomScribEdit& edit, Undo undo = Undo::OneStep)
        : edit_(edit), undoBlock_(undo == Undo::OneStep) {
      edit_.BeginUpdate();
      if (undoBlock_) edit_.BeginUndoBlock();
    }
    ~Transaction() {
      if (undoBlock_) edit_.EndUndoBlock();
      edit_.EndUpdate();
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

   private:
    TCustomScribEdit& edit_;
    bool undoBlock_;
  };

  // --- Undo -----------------------------------------------------------------
  void BeginUndoBlock() { undoList_.BeginBlock(); }
  void EndUndoBlock() { undoList_.EndBlock(); }
  bool Modified() const { return modified_; }
  void SetModified(bool value);
  bool CanUndo() const { return !readOnly_ && undoList_.CanUndo(); }
  bool CanRedo() const { return !readOnly_ && redoList_.CanUndo(); }
  void Undo();
  void Redo();
  void ClearUndo();
  int MaxUndo() const { return undoList_.MaxUndoActions(); }
  void SetMaxUndo(int value);
  TScribEditUndoList& UndoList() { return undoList_; }
  TScribEditUndoList& RedoList() { return redoList_; }

  // --- Clipboard and drag-and-drop ------------------------------------------
  // The clipboard service; without one the clipboard commands do nothing.
  void SetClipboard(Clipboard* clipboard) { clipboard_ = clipboard; }
  Clipboard* GetClipboard() const { return clipboard_; }
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  bool CanPaste() const;
  // Whether a drop at `position` would do anything (a drop inside the dragged
  // selection does nothing; for a move its ends count as inside).
  bool CanDropSelection(TBufferCoord position, bool copy) const;
  // Moves (or copies) the selected text to `position` as one undo step; the
  // dropped text ends up selected. Returns false when nothing was done.
  bool DropSelection(TBufferCoord position, bool copy);
  // Files dropped from the shell at pixel (x, y): passed on to OnDropFiles
  // when eoDropFiles is set.
  void DropFiles(int x, int y, const std::vector<std::string>& files) {
    if (HasOption(eoDropFiles) && OnDropFiles) OnDropFiles(*this, x, y, files);
  }

  // --- Mouse ------------------------------------------------------------------
  // The widget converts pixels to display cells (Column, Row) and calls these.
  // A left press: places the caret and starts a selection; with Shift extends
  // it; a double click selects the word. Returns true when the press lies in
  // the selection and may start a drag of the text (drag-and-drop editing);
  // then the caret stays until MouseUp, unless the text is dropped first.
  bool MouseDown(TDisplayCoord cell, TShiftState shift, bool doubleClick);
  // The pointer moved with the left button held.
  void MouseMove(TDisplayCoord cell);
  void MouseUp();
  bool MouseSelecting() const { return mouseSelecting_; }
  // The selection timer while the pointer is outside the text area: scrolls
  // by the rows and columns it is outside and extends the selection as far.
  void ScrollForSelection(int rows, int columns);

  // --- Keys and commands ----------------------------------------------------
  TScribEditKeyStrokes& Keystrokes() { return keystrokes_; }
  TScribEditorCommand TranslateKeyCode(std::uint16_t code, TShiftState shift);
  void CommandProcessor(TScribEditorCommand command, char aChar, const void* data);
  virtual void ExecuteCommand(TScribEditorCommand command, char aChar, const void* data);
  // The window's key-down and character messages.
  void KeyDown(std::uint16_t& key, TShiftState shift);
  void KeyPress(char key);
  void AddKeyDownHandler(TKeyDownEvent handler) { keyDownHandlers_.push_back(std::move(handler)); }
  void AddKeyPressHandler(TKeyPressEvent handler) {
    keyPressHandlers_.push_back(std::move(handler));
  }
  void RegisterCommandHandler(THookedCommandEvent handler) {
    hookedCommandHandlers_.push_back(std::move(handler));
  }

  // --- Bookmarks ------------------------------------------------------------
  bool GetBookMark(int number, TBufferCoord& position) const;
  void SetBookMark(int number, TBufferCoord position);
  void ClearBookMark(int number);
  bool BookmarkKeysEnabled() const { return bookmarkKeysEnabled_; }
  void SetBookmarkKeysEnabled(bool value) { bookmarkKeysEnabled_ = value; }

  // --- Modes and options ----------------------------------------------------
  bool InsertMode() const { return insertMode_; }
  void SetInsertMode(bool value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  TScribEditorOptions Options() const { return options_; }
  void SetOptions(TScribEditorOptions value);
  bool HasOption(TScribEditorOption option) const { return options_ & OptionBit(option); }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value) { wantReturns_ = value; }

  // --- Settings the painter and the style files use ---------------------------
  int TabWidth() const { return lines_->TabWidth(); }
  void SetTabWidth(int value);
  int RightEdge() const override { return rightEdge_; }
  void SetRightEdge(int value);
  TColor RightEdgeColor() const override { return rightEdgeColor_; }
  void SetRightEdgeColor(std::uint32_t value);
  TColor ActiveLineColor() const override { return activeLineColor_; }
  void SetActiveLineColor(std::uint32_t value);
  const TFont& Font() const { return font_; }
  // The view measures the new font and gives CharWidth / LineHeight back.
  void SetFont(const TFont& value);
  // Changing a gutter setting repaints everything (OnSettingsChange).
  const TScribGutter& Gutter() const override { return gutter_; }
  TScribGutter& Gutter() { return gutter_; }
  // The highlighter is referred to, not owned: it must outlive the editor or
  // be unset first. Lines are scanned as they are shown or edited.
  TScribCustomHighlighter* Highlighter() const override { return highlighter_; }
  void SetHighlighter(TScribCustomHighlighter* value);
  // Scans the lines above `index` first when they were not yet; far below
  // the scanned lines, a guess that ScanAhead checks later.
  std::int32_t LineEndRange(int index) const override { return scan_.ShownRangeOf(index); }
  // Scans up to `count` lines below those shown so far, for idle time, so that
  // a jump far down finds them ready, and repaints lines shown from wrong
  // guesses; false once every line is scanned.
  bool ScanAhead(int count);
  // After the highlighter's rules changed: forgets every line's state, lays wrapped
  // lines out again (the break characters may differ) and repaints. Changes of
  // the current highlighter arrive here by themselves; while the paint lock is
  // held (BeginUpdate) they are collected into one change at the last EndUpdate.
  void HighlighterChanged();
  // Lines run through the highlighter so far (for tests of the rescan cost).
  std::int64_t ScannedLineCount() const { return scan_.ScannedLineCount(); }
  bool WordWrap() const { return wrapPlugin_ != nullptr; }
  void SetWordWrap(bool value);
  TScribWordWrapPlugin* WordWrapPlugin() const override { return wrapPlugin_.get(); }

  // Colours of the text area (0x00BBGGRR).
  TColor Color() const override { return color_; }
  void SetColor(TColor value);
  TColor FontColor() const override { return fontColor_; }
  void SetFontColor(TColor value);
  TScribSelectedColor SelectedColor() const override { return selectedColor_; }
  void SetSelectedColor(TScribSelectedColor value);
  bool SpecialLineColors(int line, TColor& foreground, TColor& background) const override;
  void GutterGetText(int line, std::string& text) const override;
  TScribLineMarks* LineMarks() const override { return &scan_.Marks(); }

  // --- Events ---------------------------------------------------------------
  TStatusChangeEvent OnStatusChange;
  TNotifyEvent OnChange;
  TProcessCommandEvent OnProcessCommand;
  TProcessCommandEvent OnProcessUserCommand;
  TProcessCommandEvent OnCommandProcessed;
  TKeyDownEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TContextHelpEvent OnContextHelp;
  TDropFilesEvent OnDropFiles;
  // Text from outside was not inserted: `missing` of its characters are not
  // in the document's code page.
  std::function<void(TCustomScribEdit& sender, std::size_t missing)> OnRefusedText;
  // Lines to repaint (lastLine -1: to the end); (1, -1) repaints everything.
  TInvalidateEvent OnInvalidate;
  // A painting setting, the font or the gutter width changed: the view
  // measures again and repaints everything.
  TNotifyEvent OnSettingsChange;
  TSpecialLineColorsEvent OnSpecialLineColors;
  TGutterGetTextEvent OnGutterGetText;

 protected:
  // Adds flags to the pending set and reports them unless the paint lock is held.
  void StatusChanged(TScribStatusChanges changes);
  // Reports collected status changes: fires OnStatusChange. A view overrides
  // it to follow the caret and scroll position first, leaving the event to the host.
  virtual void StatusReported(TScribStatusChanges changes);
  // Lines to repaint (lastLine -1: to the end): fires OnInvalidate.
  virtual void LinesInvalidated(int firstLine, int lastLine);
  // Painting settings, the font or the gutter width changed: fires OnSettingsChange.
  virtual void ViewSettingsChanged();

 private:
  // Caret and selection (CustomScribEditCaret.cpp)
  TBufferCoord ClampPosition(TBufferCoord position) const;
  // The nearest position on a character of the text (never beyond a line end).
  TBufferCoord ClampToText(TBufferCoord position) const;
  int MaxCaretChar(int line) const;
  // Where a move puts the caret; endOfRow keeps it drawn at the end of a
  // wrapped row (see DisplayXY).
  struct CaretTarget {
    TBufferCoord position;
    bool endOfRow = false;
    CaretTarget(TBufferCoord at, bool atEndOfRow = false) : position(at), endOfRow(atEndOfRow) {}
  };
  void MoveCaret(TBufferCoord position, bool ensureVisible, bool endOfRow = false);
  // Scrolls so that the display position shows in the window.
  void ScrollToShow(TDisplayCoord display);
  void MoveCaretAndSelection(TBufferCoord position, bool selecting, bool endOfRow = false);
  void MoveCaretAndSelection(CaretTarget target, bool selecting) {
    MoveCaretAndSelection(target.position, selecting, target.endOfRow);
  }
  // The buffer position shown at a display position, flagged when it lies
  // right of a wrapped row's text.
  CaretTarget DisplayTarget(TDisplayCoord position) const;
  void SetSelectionRaw(TBufferCoord anchor, TBufferCoord end);
  void CollapseSelection() { SetSelectionRaw(caret_, caret_); }
  // The caret stop after or before 1-based `charIndex` of `line`: the next
  // byte, or in UTF-8 text the next whole character with its combining marks.
  // Positions past the line end step by one.
  int NextCharIndex(int line, int charIndex) const;
  // Where the character typed at byte `at` of `text` ends.
  std::size_t NextTypedChar(std::string_view text, std::size_t at) const;
  int PreviousCharIndex(int line, int charIndex) const;
  int LineLength(int line) const;
  std::string_view LineAt(int line) const;
  int CharToColumn(int line, int charIndex) const;
  // The left and right display columns of a column selection between two ends.
  std::pair<int, int> ColumnSpan(TBufferCoord begin, TBufferCoord end) const;
  int ColumnToChar(int line, int column) const;

  // Text changes without undo (CustomScribEditEditing.cpp)
  TBufferCoord InsertNormal(TBufferCoord position, std::string_view text);
  std::string DeleteNormal(TBufferCoord from, TBufferCoord to);
  TBufferCoord InsertWholeLines(int line, std::string_view text);
  std::string DeleteWholeLines(int firstLine, int lastLine);
  TBufferCoord InsertColumn(TBufferCoord position, std::string_view text,
                            std::vector<std::pair<TBufferCoord, TBufferCoord>>* pieces);
  std::string TextOfRange(TBufferCoord begin, TBufferCoord end, TScribSelectionMode mode) const;
  std::string DeleteRange(TBufferCoord begin, TBufferCoord end, TScribSelectionMode mode);
  TBufferCoord InsertInMode(TBufferCoord position, std::string_view text, TScribSelectionMode mode);
  // Fills the gap before a caret beyond the end of its line; returns where the fill began.
  TBufferCoord FillGapToCaret();
  void PadLineTo(int line, int charIndex);
  // Deletes the selection, recording it; true when there was one.
  bool DeleteSelectionRecorded();
  void DeleteColumnRecorded(TBufferCoord begin, TBufferCoord end);
  // Deletes from..to, recording it with `reason`.
  void DeleteRecorded(TBufferCoord from, TBufferCoord to, TScribChangeReason reason,
                      TScribSelectionMode mode = smNormal);
  // The normal range that covers whole lines, breaks included.
  std::pair<TBufferCoord, TBufferCoord> WholeLinesAsRange(int firstLine, int lastLine) const;
  // Inserts at the caret as typed text would be, recording it with `reason`;
  // returns where the text begins (after any gap filling).
  TBufferCoord InsertAtCaretRecorded(std::string_view text, TScribChangeReason reason);
  // Inserts at the caret in `mode`, recording it with `reason`; the caret ends
  // after the text. Returns where the text begins.
  TBufferCoord InsertTextRecorded(std::string_view text, TScribSelectionMode mode,
                                  TScribChangeReason reason);
  // Deletes the selection and inserts `text`, as one undo step.
  void ReplaceSelection(std::string_view text, TScribSelectionMode mode, TScribChangeReason reason);
  void AddUndo(TScribChangeReason reason, TBufferCoord start, TBufferCoord end,
               const std::string& text, TScribSelectionMode mode);

  // What a copy puts on the clipboard (CustomScribEditClipboard.cpp).
  std::string ClipboardText() const;

  // Commands (CustomScribEditCommandPipeline.cpp, CustomScribEditTextCommands.cpp)
  bool ExecuteMove(TScribEditorCommand command, const void* data);
  bool ExecuteViewCommand(TScribEditorCommand command);
  // Text-changing commands; false for a command that is none of them.
  bool ExecuteEditCommand(TScribEditorCommand command, char aChar, const void* data);
  CaretTarget MoveTarget(TScribEditorCommand move, const void* data);
  CaretTarget VerticalTarget(int rows) const;
  CaretTarget LineStartTarget() const;
  CaretTarget LineEndTarget() const;
  CaretTarget RightTarget() const;
  void PageScroll(int direction, bool selecting);
  void ScrollBy(int rows);
  void TypeChar(char c);
  void InsertString(const std::string& text, bool overwrite);
  void DeleteLastChar();
  int SmartUnindentTarget(int line, int caretChar) const;
  void DeleteChar();
  void DeleteToPosition(TBufferCoord target, TScribChangeReason reason);
  void DeleteLine();
  void LineBreak(bool moveCaret);
  std::string IndentationFor(int line, int caretChar) const;
  void InsertTab();
  void ShiftTab();
  void ChangeBlockIndent(bool indent);
  void ChangeCase(TScribEditorCommand command);
  // The selected text as a case command changes it.
  std::string CaseChanged(TScribEditorCommand command, std::string_view text) const;
  void MatchBracket();
  void BookmarkCommand(TScribEditorCommand command, const void* data);
  void ContextHelp();

  // Undo and redo (CustomScribEditUndo.cpp)
  void UndoAdded(TScribEditUndoList& list);
  void RefreshModified();
  void ReverseRecords(TScribEditUndoList& from, TScribEditUndoList& to, bool redoing);
  void ReverseOne(TScribEditUndoList& from, TScribEditUndoList& to, bool redoing);
  void ApplyIndentRecord(const TScribEditUndoItem& item, bool removing);
  // Inserts or removes one prefix per line from `firstLine` on (empty prefixes skip their line).
  void ApplyLinePrefixes(int firstLine, const std::vector<std::string>& prefixes, bool removing);

  // Buffer events (CustomScribEdit.cpp)
  void ConnectBuffer();
  void LinesInserted(int index, int count);
  void LinesDeleted(int index, int count);
  void LinesPutted(int index, int count);
  void LinesCleared();
  void LinesChanged();
  void Invalidate(int firstLine, int lastLine);
  void InvalidateAll() { Invalidate(1, -1); }
  void SettingsChanged();

  // View settings (CustomScribEditView.cpp)
  void GutterChanged();
  // A highlighter change: an attribute's look only repaints, a rule change rescans.
  void HighlighterHookFired(TScribPersistent* sender);
  // Lays every line out again (wrap on) and keeps the same buffer line at the top.
  void RelayOut();

  std::unique_ptr<TScribEditStringList> lines_;
  TScribEditUndoList undoList_;
  TScribEditUndoList redoList_;
  TScribEditKeyStrokes keystrokes_;
  Clipboard* clipboard_ = nullptr;
  TScribCustomHighlighter* highlighter_ = nullptr;

  TBufferCoord caret_;
  int lastCaretX_ = 1;
  TBufferCoord blockBegin_;
  TBufferCoord blockEnd_;
  TScribSelectionMode selectionMode_ = smNormal;
  TScribSelectionMode activeSelectionMode_ = smNormal;
  bool insertMode_ = true;
  bool readOnly_ = false;
  bool modified_ = false;
  bool wantTabs_ = false;
  bool wantReturns_ = true;
  bool caretAtEndOfRow_ = false;
  // A rescan asked for while the paint lock was held, run when it is released.
  bool highlighterChangePending_ = false;
  TScribEditorOptions options_;

  int topLine_ = 1;
  int leftChar_ = 1;
  int linesInWindow_ = 25;
  int charsInWindow_ = 80;
  int maxScrollWidth_ = 1024;
  int charWidth_ = 8;
  int gutterCharWidth_ = 0;
  int lineHeight_ = 16;
  int rightEdge_ = 80;
  TColor rightEdgeColor_ = clSilver;
  TColor activeLineColor_ = clNone;
  TColor color_ = clWindow;
  TColor fontColor_ = clWindowText;
  TScribSelectedColor selectedColor_;
  TFont font_;

  TScribStatusChanges pendingStatus_ = 0;
  int paintLock_ = 0;
  // True while the editor itself changes the buffer: the end of such a change
  // must not collapse the selection the operation is about to set.
  int ownChange_ = 0;

  std::array<TScribBookMark, 10> bookmarks_{};
  bool bookmarkKeysEnabled_ = true;

  bool mouseSelecting_ = false;
  std::optional<TBufferCoord> pressedInSelection_;

  std::uint16_t lastKey_ = 0;
  TShiftState lastShift_ = 0;
  bool ignoreNextChar_ = false;
  bool inKeyDownHandlers_ = false;
  bool inKeyPressHandlers_ = false;
  std::vector<TKeyDownEvent> keyDownHandlers_;
  std::vector<TKeyPressEvent> keyPressHandlers_;
  std::vector<THookedCommandEvent> hookedCommandHandlers_;

  // The view's parts, declared last: they refer to the members above.
  TScribGutter gutter_;
  // The line states are a cache filled as lines are read.
  mutable TScribHighlightScan scan_{*lines_};
  TScribViewEvents viewEvents_{*this, scan_, gutter_};
  std::unique_ptr<TScribWordWrapPlugin> wrapPlugin_;
};
