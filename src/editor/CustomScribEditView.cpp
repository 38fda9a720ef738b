// The view's settings: cell size, window size, font, colours, gutter,
// highlighter and word wrap, and the view hooks the painter asks.
#include <algorithm>

#include "editor/CustomScribEdit.h"
#include "editor/ScribDisplayPos.h"
#include "editor/WordWrapPlugin.h"
#include "highlight/CustomHighlighter.h"

void TCustomScribEdit::SettingsChanged() {
  InvalidateAll();
  ViewSettingsChanged();
}

void TCustomScribEdit::ViewSettingsChanged() {
  if (OnSettingsChange) OnSettingsChange(*this);
}

void TCustomScribEdit::SetCharWidth(int value) {
  value = std::max(1, value);
  if (value == charWidth_) return;
  charWidth_ = value;
  SettingsChanged();
}

void TCustomScribEdit::SetGutterCharWidth(int value) {
  value = std::max(1, value);
  if (value == gutterCharWidth_) return;
  gutterCharWidth_ = value;
  GutterChanged();
}

void TCustomScribEdit::SetLineHeight(int value) {
  value = std::max(1, value);
  if (value == lineHeight_) return;
  lineHeight_ = value;
  SettingsChanged();
}

void TCustomScribEdit::SetFont(const TFont& value) {
  if (font_ == value) return;
  font_ = value;
  SettingsChanged();
}

void TCustomScribEdit::SetColor(TColor value) {
  if (color_ == value) return;
  color_ = value;
  SettingsChanged();
}

void TCustomScribEdit::SetFontColor(TColor value) {
  if (fontColor_ == value) return;
  fontColor_ = value;
  SettingsChanged();
}

void TCustomScribEdit::SetSelectedColor(TScribSelectedColor value) {
  if (selectedColor_.Background == value.Background &&
      selectedColor_.Foreground == value.Foreground)
    return;
  selectedColor_ = value;
  SettingsChanged();
}

bool TCustomScribEdit::SpecialLineColors(int line, TColor& foreground, TColor& background) const {
  return OnSpecialLineColors && OnSpecialLineColors(*this, line, foreground, background);
}

void TCustomScribEdit::GutterGetText(int line, std::string& text) const {
  if (OnGutterGetText) OnGutterGetText(*this, line, text);
}

void TCustomScribEdit::GutterChanged() {
  // The gutter's width decides where text starts, so the view measures again.
  SettingsChanged();
}

// --- Highlighter -------------------------------------------------------------------

void TCustomScribEdit::SetHighlighter(TScribCustomHighlighter* value) {
  if (highlighter_ == value) return;
  if (highlighter_) highlighter_->UnhookAttrChangeEvent(this);
  highlighter_ = value;
  if (highlighter_) highlighter_->SetUtf8Text(IsUtf8(lines_->Encoding()));
  scan_.SetHighlighter(value);
  if (highlighter_)
    highlighter_->HookAttrChangeEvent(
        this, [this](TScribPersistent* sender) { HighlighterHookFired(sender); });
  HighlighterChanged();
}

void TCustomScribEdit::HighlighterHookFired(TScribPersistent* sender) {
  // Colours and font styles of tokens do not change the stored ranges.
  if (dynamic_cast<TScribHighlighterAttributes*>(sender))
    SettingsChanged();
  else
    HighlighterChanged();
}

void TCustomScribEdit::HighlighterChanged() {
  // A style sets many rules in a row: under the paint lock they cost one rescan.
  if (paintLock_ > 0) {
    highlighterChangePending_ = true;
    return;
  }
  highlighterChangePending_ = false;
  scan_.ForgetRanges();
  // The break characters of wrapped rows come from the highlighter.
  if (wrapPlugin_) RelayOut();
  SettingsChanged();
}

bool TCustomScribEdit::ScanAhead(int count) {
  const bool more = scan_.ScanAhead(count);
  if (scan_.TakeShownStale()) InvalidateAll();
  return more;
}

// --- Word wrap -----------------------------------------------------------------------

void TCustomScribEdit::SetWordWrap(bool value) {
  if (WordWrap() == value) return;
  const int firstVisibleLine = RowToLine(topLine_);
  const TDisplayCoord caret = DisplayXY();
  const bool caretVisible = caret.Row >= topLine_ && caret.Row < topLine_ + linesInWindow_ &&
                            caret.Column >= leftChar_ && caret.Column < leftChar_ + charsInWindow_;
  const Transaction lock(*this, Transaction::Undo::AsRecorded);
  if (value) {
    wrapPlugin_ = std::make_unique<TScribWordWrapPlugin>(this);
    SetLeftChar(1);
  } else {
    wrapPlugin_.reset();
  }
  caretAtEndOfRow_ = false;
  SetTopLine(LineToRow(firstVisibleLine));
  // The caret limit changes with wrapping.
  if (HasOption(eoScrollPastEol)) SetCaretAndSelection(caret_, blockBegin_, blockEnd_);
  if (caretVisible) EnsureCursorPosVisible();
  SettingsChanged();
}

void TCustomScribEdit::DisplayChanged() {
  if (!wrapPlugin_ || wrapPlugin_->MaxRowLength() == std::clamp(charsInWindow_, 1, 255)) return;
  RelayOut();
  InvalidateAll();
}

void TCustomScribEdit::RelayOut() {
  const int firstVisibleLine = RowToLine(topLine_);
  wrapPlugin_->Reset();
  SetTopLine(LineToRow(firstVisibleLine));
}
