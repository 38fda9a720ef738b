// The go-to dialog's logic: the values it opens with, how its three boxes
// are read, what Seek asks of the editor, and its key rules. The box numbers
// are the boxes' tags: 0 line, 1 character, 2 percent. Lines are 1-based,
// character indices 0-based with line breaks counting two.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class TJumpBox { Line = 0, Character = 1, Percent = 2 };

struct TJumpDialogTexts {
  std::string lineMaxLabel;  // "/ <number of lines>"
  std::string charMaxLabel;  // "/ <length of the whole text>"
  std::string lineEdit;
  std::string charEdit;
  std::string percentEdit;
};

TJumpDialogTexts InitialJumpTexts(std::int64_t lineCount, std::int64_t textLength,
                                  std::int64_t caretLine, std::int64_t selectionStart);

// A box's value: a decimal integer with an optional sign that fits 32 bits,
// else 0.
std::int64_t ReadJumpValue(std::string_view boxText);

// What Seek hands to the editor; values are not clamped here, the editor's
// caret operations clamp them.
struct TJumpTarget {
  enum class TKind { CaretLine, SelectionStart } kind = TKind::CaretLine;
  std::int64_t value = 0;
};
// `checked` is the box whose radio button is checked, none when no button is.
std::optional<TJumpTarget> SeekTarget(std::optional<TJumpBox> checked, std::string_view boxText,
                                      std::int64_t lineCount);

// Seek is enabled when the box just changed is not empty and holds only
// digits, "+" and "-".
bool SeekEnabled(std::string_view changedBoxText);

// "+" and "-" step the box's value by one and are swallowed; the result is
// the box's new text, or nothing for any other key.
std::optional<std::string> SteppedBoxText(std::string_view boxText, char key);

// Up and Down arrows (virtual keys 0x26, 0x28) move the focus round the
// boxes Line, Character, Percent; other keys leave it.
std::optional<TJumpBox> BoxAfterKey(TJumpBox current, int virtualKey);
