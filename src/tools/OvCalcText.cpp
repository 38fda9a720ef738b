#include <algorithm>
#include <cstring>

#include "tools/OvCalc.h"
#include "tools/OvCalcParts.h"

namespace calc_detail {

void CheckReplaceRange(std::size_t length, std::size_t first, std::size_t last) {
  if (length < first || length < last || first == 0 || last + 1 < first) {
    throw ECalcError("StrReplacePart() - Invalid parameters passed");
  }
}

CalcText::CalcText(std::string_view text) : buffer_(text), gapStart_(text.size()) {
  gapEnd_ = gapStart_;
}

char CalcText::At(std::size_t position) const {
  std::size_t index = position - 1;
  return index < gapStart_ ? buffer_[index] : buffer_[index + (gapEnd_ - gapStart_)];
}

std::string CalcText::Part(std::size_t first, std::size_t last) const {
  last = std::min(last, Length());
  std::string part;
  if (first == 0 || first > last) return part;
  part.reserve(last - first + 1);
  for (std::size_t position = first; position <= last; ++position) part += At(position);
  return part;
}

void CalcText::MoveGapTo(std::size_t index) {
  char* data = buffer_.data();
  if (index < gapStart_) {
    std::size_t count = gapStart_ - index;
    std::memmove(data + gapEnd_ - count, data + index, count);
    gapStart_ -= count;
    gapEnd_ -= count;
  } else if (index > gapStart_) {
    std::size_t count = index - gapStart_;
    std::memmove(data + gapStart_, data + gapEnd_, count);
    gapStart_ += count;
    gapEnd_ += count;
  }
}

void CalcText::ReserveGap(std::size_t size) {
  std::size_t gapSize = gapEnd_ - gapStart_;
  if (gapSize >= size) return;
  std::size_t grow = std::max(size - gapSize, buffer_.size() / 2 + 64);
  buffer_.insert(gapEnd_, grow, '\0');
  gapEnd_ += grow;
}

void CalcText::Replace(std::size_t first, std::size_t last, std::string_view replacement) {
  CheckReplaceRange(Length(), first, last);
  MoveGapTo(last);        // the gap now starts right after `last`
  gapStart_ = first - 1;  // and swallows first..last
  ReserveGap(replacement.size());
  std::copy(replacement.begin(), replacement.end(), buffer_.begin() + gapStart_);
  gapStart_ += replacement.size();
}

std::string CalcText::ToString() const {
  std::string text(buffer_, 0, gapStart_);
  text.append(buffer_, gapEnd_, std::string::npos);
  return text;
}

}  // namespace calc_detail

void StrReplacePart(std::string& text, std::size_t first, std::size_t last,
                    std::string_view replacement) {
  calc_detail::CheckReplaceRange(text.size(), first, last);
  text.replace(first - 1, last + 1 - first, replacement);
}
