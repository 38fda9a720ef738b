#include "tools/GotoLine.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

constexpr int kVirtualKeyUp = 0x26;
constexpr int kVirtualKeyDown = 0x28;
constexpr std::int64_t kSmallest = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();

}  // namespace

TJumpDialogTexts InitialJumpTexts(std::int64_t lineCount, std::int64_t textLength,
                                  std::int64_t caretLine, std::int64_t selectionStart) {
  const std::int64_t percent = lineCount == 0 ? 0 : caretLine * 100 / lineCount;
  return {"/ " + std::to_string(lineCount), "/ " + std::to_string(textLength),
          std::to_string(caretLine), std::to_string(selectionStart), std::to_string(percent)};
}

std::int64_t ReadJumpValue(std::string_view boxText) {
  // from_chars takes a leading '-' but not a '+'.
  if (!boxText.empty() && boxText.front() == '+') {
    boxText.remove_prefix(1);
    if (!boxText.empty() && boxText.front() == '-') return 0;
  }
  std::int64_t value = 0;
  const char* end = boxText.data() + boxText.size();
  const auto [stop, error] = std::from_chars(boxText.data(), end, value);
  if (error != std::errc() || stop != end || value < kSmallest || value > kLargest) return 0;
  return value;
}

std::optional<TJumpTarget> SeekTarget(std::optional<TJumpBox> checked, std::string_view boxText,
                                      std::int64_t lineCount) {
  if (!checked) return std::nullopt;
  const std::int64_t value = ReadJumpValue(boxText);
  switch (*checked) {
    case TJumpBox::Line:
      return TJumpTarget{TJumpTarget::TKind::CaretLine, value};
    case TJumpBox::Character:
      return TJumpTarget{TJumpTarget::TKind::SelectionStart, value};
    case TJumpBox::Percent:
      return TJumpTarget{TJumpTarget::TKind::CaretLine, value * lineCount / 100};
  }
  return std::nullopt;
}

bool SeekEnabled(std::string_view changedBoxText) {
  return !changedBoxText.empty() &&
         std::all_of(changedBoxText.begin(), changedBoxText.end(),
                     [](char c) { return (c >= '0' && c <= '9') || c == '+' || c == '-'; });
}

std::optional<std::string> SteppedBoxText(std::string_view boxText, char key) {
  if (key != '+' && key != '-') return std::nullopt;
  // Saturates rather than wrapping at the ends of the 32-bit range.
  const std::int64_t stepped =
      std::clamp(ReadJumpValue(boxText) + (key == '+' ? 1 : -1), kSmallest, kLargest);
  return std::to_string(stepped);
}

std::optional<TJumpBox> BoxAfterKey(TJumpBox current, int virtualKey) {
  const int index = static_cast<int>(current);
  if (virtualKey == kVirtualKeyDown) return static_cast<TJumpBox>((index + 1) % 3);
  if (virtualKey == kVirtualKeyUp) return static_cast<TJumpBox>((index + 2) % 3);
  return std::nullopt;
}
