#include "editor/ScribGutter.h"

#include <algorithm>
#include <cstdlib>

namespace {

int DecimalDigits(long long value) {
  int digits = 1;
  for (value = std::llabs(value); value >= 10; value /= 10) ++digits;
  return digits;
}

}  // namespace

void TScribGutter::SetDigitCount(int value) {
  value = std::clamp(value, 1, 12);
  if (digitCount_ == value) return;
  digitCount_ = value;
  autoSizeDigitCount_ = std::max(autoSizeDigitCount_, digitCount_);
  Changed();
}

void TScribGutter::Changed() {
  // Settings that decide the digit count may have changed: keep it exact.
  UpdateAutoSizeDigitCount(lastLineCount_);
  if (OnChange) OnChange();
}

int TScribGutter::AutoSizeDigitCount() const {
  return AutoSizing() ? autoSizeDigitCount_ : digitCount_;
}

bool TScribGutter::UpdateAutoSizeDigitCount(int lineCount) {
  lastLineCount_ = lineCount;
  if (!AutoSizing()) return false;
  long long highest = lineCount;
  if (zeroStart_)
    --highest;
  else if (lineNumberStart_ > 1)
    highest += lineNumberStart_ - 1;
  const int digits = std::max(DecimalDigits(highest), digitCount_);
  if (digits == autoSizeDigitCount_) return false;
  autoSizeDigitCount_ = digits;
  return true;
}

int TScribGutter::RealWidth(int charWidth) const {
  if (!visible_) return 0;
  if (showLineNumbers_) return leftOffset_ + rightOffset_ + AutoSizeDigitCount() * charWidth + 2;
  return width_;
}

std::string TScribGutter::LineNumberText(int line) const {
  const long long number = zeroStart_ ? line - 1LL : line + lineNumberStart_ - 1LL;
  const std::string digits = std::to_string(std::llabs(number));
  const std::size_t used = digits.size() + (number < 0 ? 1 : 0);
  const std::size_t cells = static_cast<std::size_t>(AutoSizeDigitCount());
  std::string text(cells > used ? cells - used : 0, leadingZeros_ ? '0' : ' ');
  // Zeros pad between the sign and the digits, blanks before the sign.
  if (number < 0) text.insert(leadingZeros_ ? 0 : text.size(), 1, '-');
  text.append(digits);
  return text;
}
