// Key bindings: which key (or pair of keys) with which modifiers runs which
// editor command. Keys use the Windows virtual-key numbering; the widget maps
// its toolkit's keys to it.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/ScribEditCommandNames.h"

// Modifier set: Shift bit 0, Alt bit 1, Ctrl bit 2.
using TShiftState = std::uint8_t;
inline constexpr TShiftState ssNone = 0;
inline constexpr TShiftState ssShift = 1;
inline constexpr TShiftState ssAlt = 2;
inline constexpr TShiftState ssCtrl = 4;

// Combined 16-bit shortcut: key code in the low byte plus these modifier bits.
using TShortCut = std::uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

TShortCut ShortCutOf(std::uint16_t key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, std::uint16_t& key, TShiftState& shift);

// The virtual keys the default bindings use.
namespace vk {
inline constexpr std::uint16_t Back = 0x08;
inline constexpr std::uint16_t Tab = 0x09;
inline constexpr std::uint16_t Return = 0x0D;
inline constexpr std::uint16_t Prior = 0x21;  // Page Up
inline constexpr std::uint16_t Next = 0x22;   // Page Down
inline constexpr std::uint16_t End = 0x23;
inline constexpr std::uint16_t Home = 0x24;
inline constexpr std::uint16_t Left = 0x25;
inline constexpr std::uint16_t Up = 0x26;
inline constexpr std::uint16_t Right = 0x27;
inline constexpr std::uint16_t Down = 0x28;
inline constexpr std::uint16_t Insert = 0x2D;
inline constexpr std::uint16_t Delete = 0x2E;
inline constexpr std::uint16_t F1 = 0x70;
// Digits and letters are their ASCII upper-case codes ('0'..'9', 'A'..'Z').
}  // namespace vk

class EScribKeyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TScribEditKeyStrokes;

class TScribEditKeyStroke {
 public:
  explicit TScribEditKeyStroke(TScribEditKeyStrokes* owner) : owner_(owner) {}

  std::uint16_t Key = 0;
  TShiftState Shift = ssNone;
  std::uint16_t Key2 = 0;  // 0: a single-key binding
  TShiftState Shift2 = ssNone;
  TScribEditorCommand Command = ecNone;

  TShortCut ShortCut() const { return ShortCutOf(Key, Shift); }
  TShortCut ShortCut2() const { return ShortCutOf(Key2, Shift2); }
  // Both raise EScribKeyError and change nothing when another binding of the
  // same table already has the resulting pair.
  void SetShortCut(TShortCut value);
  void SetShortCut2(TShortCut value);

  void Assign(const TScribEditKeyStroke& other);

 private:
  void RejectDuplicate(TShortCut shortCut, TShortCut shortCut2) const;

  TScribEditKeyStrokes* owner_;
};

// Ordered bindings; every lookup returns the first match.
class TScribEditKeyStrokes {
 public:
  TScribEditKeyStrokes() = default;
  TScribEditKeyStrokes(const TScribEditKeyStrokes&) = delete;
  TScribEditKeyStrokes& operator=(const TScribEditKeyStrokes&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  TScribEditKeyStroke& operator[](int index) { return *items_.at(index); }
  const TScribEditKeyStroke& operator[](int index) const { return *items_.at(index); }

  TScribEditKeyStroke& Add();
  TScribEditKeyStroke& AddKey(TScribEditorCommand command, std::uint16_t key, TShiftState shift);
  void Delete(int index);
  void Clear() { items_.clear(); }

  int FindKeycode(std::uint16_t code, TShiftState shift) const;
  int FindKeycode2(std::uint16_t code1, TShiftState shift1, std::uint16_t code2,
                   TShiftState shift2) const;
  int FindShortcut2(TShortCut shortCut, TShortCut shortCut2) const;
  // Index of the first binding with the same shortcuts and command; -1 if none.
  int FindBinding(const TScribEditKeyStroke& binding) const;

  void ResetDefaults();
  void Assign(const TScribEditKeyStrokes& other);

 private:
  std::vector<std::unique_ptr<TScribEditKeyStroke>> items_;
};

// Binds Alt+Shift with the cursor keys to the column-selecting moves, keys
// that are still free.
void AddColumnSelectionKeys(TScribEditKeyStrokes& strokes);

// A binding as stored with a window description.
struct TScribKeyBinding {
  TShortCut shortCut = 0;
  TShortCut shortCut2 = 0;
  TScribEditorCommand command = ecNone;
  bool operator==(const TScribKeyBinding&) const = default;
};

// Only the difference from the default table is stored: the default bindings
// that are missing and the bindings that are not defaults.
std::vector<TScribKeyBinding> RemovedKeystrokes(const TScribEditKeyStrokes& strokes);
std::vector<TScribKeyBinding> AddedKeystrokes(const TScribEditKeyStrokes& strokes);
// Reading them back: delete every binding equal to a removed one, append every added one.
void ApplyKeystrokeDifferences(TScribEditKeyStrokes& strokes,
                               const std::vector<TScribKeyBinding>& removed,
                               const std::vector<TScribKeyBinding>& added);
