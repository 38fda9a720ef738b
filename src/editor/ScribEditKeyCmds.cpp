#include "editor/ScribEditKeyCmds.h"

#include <utility>

TShortCut ShortCutOf(std::uint16_t key, TShiftState shift) {
  TShortCut result = key & 0xFF;
  if (shift & ssShift) result |= scShift;
  if (shift & ssCtrl) result |= scCtrl;
  if (shift & ssAlt) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut shortCut, std::uint16_t& key, TShiftState& shift) {
  key = shortCut & 0xFF;
  shift = ssNone;
  if (shortCut & scShift) shift |= ssShift;
  if (shortCut & scCtrl) shift |= ssCtrl;
  if (shortCut & scAlt) shift |= ssAlt;
}

void TScribEditKeyStroke::RejectDuplicate(TShortCut shortCut, TShortCut shortCut2) const {
  if (!owner_) return;
  const int found = owner_->FindShortcut2(shortCut, shortCut2);
  if (found >= 0 && &(*owner_)[found] != this) throw EScribKeyError("Shortcut already exists");
}

void TScribEditKeyStroke::SetShortCut(TShortCut value) {
  if (value == ShortCut()) return;
  if (value != 0) RejectDuplicate(value, ShortCut2());
  std::uint16_t key;
  TShiftState shift;
  ShortCutToKey(value, key, shift);
  Key = key;
  Shift = shift;
}

void TScribEditKeyStroke::SetShortCut2(TShortCut value) {
  if (value == ShortCut2()) return;
  if (value != 0) RejectDuplicate(ShortCut(), value);
  std::uint16_t key;
  TShiftState shift;
  ShortCutToKey(value, key, shift);
  Key2 = key;
  Shift2 = shift;
}

void TScribEditKeyStroke::Assign(const TScribEditKeyStroke& other) {
  Command = other.Command;
  Key = other.Key;
  Key2 = other.Key2;
  Shift = other.Shift;
  Shift2 = other.Shift2;
}

TScribEditKeyStroke& TScribEditKeyStrokes::Add() {
  items_.push_back(std::make_unique<TScribEditKeyStroke>(this));
  return *items_.back();
}

TScribEditKeyStroke& TScribEditKeyStrokes::AddKey(TScribEditorCommand command, std::uint16_t key,
                                                  TShiftState shift) {
  TScribEditKeyStroke& stroke = Add();
  stroke.Key = key;
  stroke.Shift = shift;
  stroke.Command = command;
  return stroke;
}

void TScribEditKeyStrokes::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
}

int TScribEditKeyStrokes::FindKeycode(std::uint16_t code, TShiftState shift) const {
  for (int i = 0; i < Count(); ++i) {
    const auto& item = *items_[i];
    if (item.Key == code && item.Shift == shift && item.Key2 == 0) return i;
  }
  return -1;
}

int TScribEditKeyStrokes::FindKeycode2(std::uint16_t code1, TShiftState shift1, std::uint16_t code2,
                                       TShiftState shift2) const {
  for (int i = 0; i < Count(); ++i) {
    const auto& item = *items_[i];
    if (item.Key == code1 && item.Shift == shift1 && item.Key2 == code2 && item.Shift2 == shift2)
      return i;
  }
  return -1;
}

int TScribEditKeyStrokes::FindShortcut2(TShortCut shortCut, TShortCut shortCut2) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[i]->ShortCut() == shortCut && items_[i]->ShortCut2() == shortCut2) return i;
  return -1;
}

int TScribEditKeyStrokes::FindBinding(const TScribEditKeyStroke& binding) const {
  for (int i = 0; i < Count(); ++i) {
    const auto& item = *items_[i];
    if (item.ShortCut() == binding.ShortCut() && item.ShortCut2() == binding.ShortCut2() &&
        item.Command == binding.Command)
      return i;
  }
  return -1;
}

void TScribEditKeyStrokes::Assign(const TScribEditKeyStrokes& other) {
  if (&other == this) return;
  Clear();
  for (int i = 0; i < other.Count(); ++i) Add().Assign(other[i]);
}

void TScribEditKeyStrokes::ResetDefaults() {
  Clear();
  struct Row {
    std::uint16_t key;
    TScribEditorCommand plain, shift, ctrl, ctrlShift;
  };
  // The cursor keys: each row from left to right, empty cells skipped.
  const Row cursorRows[] = {
      {vk::Up, ecUp, ecSelUp, ecScrollUp, ecNone},
      {vk::Down, ecDown, ecSelDown, ecScrollDown, ecNone},
      {vk::Left, ecLeft, ecSelLeft, ecWordLeft, ecSelWordLeft},
      {vk::Right, ecRight, ecSelRight, ecWordRight, ecSelWordRight},
      {vk::Next, ecPageDown, ecSelPageDown, ecPageBottom, ecSelPageBottom},
      {vk::Prior, ecPageUp, ecSelPageUp, ecPageTop, ecSelPageTop},
      {vk::Home, ecLineStart, ecSelLineStart, ecEditorTop, ecSelEditorTop},
      {vk::End, ecLineEnd, ecSelLineEnd, ecEditorBottom, ecSelEditorBottom},
  };
  for (const Row& row : cursorRows) {
    AddKey(row.plain, row.key, ssNone);
    AddKey(row.shift, row.key, ssShift);
    AddKey(row.ctrl, row.key, ssCtrl);
    if (row.ctrlShift != ecNone) AddKey(row.ctrlShift, row.key, ssCtrl | ssShift);
  }
  const TShiftState ctrlShift = ssCtrl | ssShift;
  AddKey(ecToggleMode, vk::Insert, ssNone);
  AddKey(ecCopy, vk::Insert, ssCtrl);
  AddKey(ecCut, vk::Delete, ssShift);
  AddKey(ecPaste, vk::Insert, ssShift);
  AddKey(ecDeleteChar, vk::Delete, ssNone);
  AddKey(ecDeleteLastChar, vk::Back, ssNone);
  AddKey(ecDeleteLastChar, vk::Back, ssShift);
  AddKey(ecDeleteLastWord, vk::Back, ssCtrl);
  AddKey(ecUndo, vk::Back, ssAlt);
  AddKey(ecRedo, vk::Back, ssAlt | ssShift);
  AddKey(ecLineBreak, vk::Return, ssNone);
  AddKey(ecLineBreak, vk::Return, ssShift);
  AddKey(ecTab, vk::Tab, ssNone);
  AddKey(ecShiftTab, vk::Tab, ssShift);
  AddKey(ecContextHelp, vk::F1, ssNone);
  AddKey(ecSelectAll, 'A', ssCtrl);
  AddKey(ecCopy, 'C', ssCtrl);
  AddKey(ecPaste, 'V', ssCtrl);
  AddKey(ecCut, 'X', ssCtrl);
  AddKey(ecBlockIndent, 'I', ctrlShift);
  AddKey(ecBlockUnindent, 'U', ctrlShift);
  AddKey(ecLineBreak, 'M', ssCtrl);
  AddKey(ecInsertLine, 'N', ssCtrl);
  AddKey(ecDeleteWord, 'T', ssCtrl);
  AddKey(ecDeleteLine, 'Y', ssCtrl);
  AddKey(ecDeleteEOL, 'Y', ctrlShift);
  AddKey(ecUndo, 'Z', ssCtrl);
  AddKey(ecRedo, 'Z', ctrlShift);
  for (int digit = 0; digit <= 9; ++digit) AddKey(ecGotoMarker0 + digit, '0' + digit, ssCtrl);
  for (int digit = 0; digit <= 9; ++digit) AddKey(ecSetMarker0 + digit, '0' + digit, ctrlShift);
  AddKey(ecNormalSelect, 'N', ctrlShift);
  AddKey(ecColumnSelect, 'C', ctrlShift);
  AddKey(ecLineSelect, 'L', ctrlShift);
  AddKey(ecMatchBracket, 'B', ctrlShift);
}

namespace {

TScribKeyBinding BindingOf(const TScribEditKeyStroke& stroke) {
  return {stroke.ShortCut(), stroke.ShortCut2(), stroke.Command};
}

// Bindings of `from` that `other` lacks, in the order of `from`.
std::vector<TScribKeyBinding> Missing(const TScribEditKeyStrokes& from,
                                      const TScribEditKeyStrokes& other) {
  std::vector<TScribKeyBinding> result;
  for (int i = 0; i < from.Count(); ++i)
    if (other.FindBinding(from[i]) < 0) result.push_back(BindingOf(from[i]));
  return result;
}

}  // namespace

std::vector<TScribKeyBinding> RemovedKeystrokes(const TScribEditKeyStrokes& strokes) {
  TScribEditKeyStrokes defaults;
  defaults.ResetDefaults();
  return Missing(defaults, strokes);
}

void AddColumnSelectionKeys(TScribEditKeyStrokes& strokes) {
  const std::pair<std::uint16_t, TScribEditorCommand> keys[] = {
      {vk::Left, ecColSelLeft},    {vk::Right, ecColSelRight},    {vk::Up, ecColSelUp},
      {vk::Down, ecColSelDown},    {vk::Home, ecColSelLineStart}, {vk::End, ecColSelLineEnd},
      {vk::Prior, ecColSelPageUp}, {vk::Next, ecColSelPageDown},
  };
  for (const auto& [key, command] : keys)
    if (strokes.FindKeycode(key, ssShift | ssAlt) < 0)
      strokes.AddKey(command, key, ssShift | ssAlt);
}

std::vector<TScribKeyBinding> AddedKeystrokes(const TScribEditKeyStrokes& strokes) {
  TScribEditKeyStrokes defaults;
  defaults.ResetDefaults();
  return Missing(strokes, defaults);
}

void ApplyKeystrokeDifferences(TScribEditKeyStrokes& strokes,
                               const std::vector<TScribKeyBinding>& removed,
                               const std::vector<TScribKeyBinding>& added) {
  for (const TScribKeyBinding& binding : removed)
    for (int i = strokes.Count() - 1; i >= 0; --i)
      if (BindingOf(strokes[i]) == binding) strokes.Delete(i);
  for (const TScribKeyBinding& binding : added) {
    TScribEditKeyStroke& stroke = strokes.Add();
    ShortCutToKey(binding.shortCut, stroke.Key, stroke.Shift);
    ShortCutToKey(binding.shortCut2, stroke.Key2, stroke.Shift2);
    stroke.Command = binding.command;
  }
}
