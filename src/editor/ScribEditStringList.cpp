// Line records: reading, single and bulk changes, the update bracket, tab
// widths and the longest line. Text, loading and saving are in
// ScribEditStringListText.cpp.
#include "editor/ScribEditStringList.h"

#include <algorithm>

#include "editor/ScribEditTabExpansion.h"

void TScribEditStringList::RaiseIndexError(int index) {
  throw EScribEditStringList("Invalid stringlist index " + std::to_string(index));
}

TScribEditStringList::TScribEditStringList(TScribBufferOptions options) {
  SetOptions(options);
}

void TScribEditStringList::SetOptions(const TScribBufferOptions& options) {
  options_ = options;
  options_.loadPieceBytes = std::max<std::size_t>(options_.loadPieceBytes, 1);
  store_.SetLimits(options_.blocks);
}

void TScribEditStringList::CheckIndex(int index, int upperBound) const {
  if (index < 0 || index > upperBound) RaiseIndexError(index);
}

void TScribEditStringList::Fire(const TLinesEvent& event, int index, int count) {
  if (event) event(*this, index, count);
}

void TScribEditStringList::Fire(const TNotifyEvent& event) {
  if (event) event(*this);
}

std::string_view TScribEditStringList::Get(int index) const {
  return InRange(index) ? store_.Text(index) : std::string_view();
}

void* TScribEditStringList::Objects(int index) const {
  return InRange(index) ? store_.Object(index) : nullptr;
}

std::int32_t TScribEditStringList::Ranges(int index) const {
  return InRange(index) ? store_.Range(index) : 0;
}

std::int64_t TScribEditStringList::LineStartCharIndex(int lineIndex) const {
  CheckIndex(lineIndex, Count());
  return store_.LineStart(lineIndex);
}

void TScribEditStringList::BeginUpdate() {
  if (updateCount_++ == 0) Fire(OnChanging);
}

void TScribEditStringList::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) Fire(OnChange);
}

void TScribEditStringList::SetCapacity(int capacity) {
  if (capacity < Count())
    throw EScribEditStringList("Stringlist capacity cannot be smaller than count");
  capacity_ = capacity;
}

void TScribEditStringList::GrowForOneMore() {
  if (Count() < capacity_) return;
  SetCapacity(capacity_ + (capacity_ > 64 ? capacity_ / 4 : 16));
}

void TScribEditStringList::InsertLine(int index, std::string_view text) {
  GrowForOneMore();
  store_.InsertEmpty(index, 1);
  store_.Replace(index, text);
  if (indexOfLongestLine_ >= index) ++indexOfLongestLine_;
  ConsiderForLongest(index);
}

int TScribEditStringList::Add(std::string text) {
  UpdateScope update(*this);
  const int index = Count();
  InsertLine(index, text);
  Fire(OnInserted, index, 1);
  return index;
}

void TScribEditStringList::Insert(int index, std::string text) {
  CheckIndex(index, Count());
  UpdateScope update(*this);
  InsertLine(index, text);
  Fire(OnInserted, index, 1);
}

void TScribEditStringList::Put(int index, std::string text) {
  if (index == Count()) {
    Add(std::move(text));
    return;
  }
  PutBytes(index, 0, std::string_view::npos, text);
}

void TScribEditStringList::PutBytes(int index, std::size_t at, std::size_t count,
                                    std::string_view text) {
  CheckIndex(index, Count() - 1);
  UpdateScope update(*this);
  const bool wasLongest = index == indexOfLongestLine_;
  const std::uint32_t oldWidth = wasLongest ? WidthOf(index) & kWidthBits : 0;
  const std::size_t size = store_.Text(index).size();
  at = std::min(at, size);
  store_.ReplaceBytes(index, at, std::min(count, size - at), text);
  store_.Width(index) = TScribLineStore::kUnknownWidth;
  if (wasLongest) {
    // The longest line stays first as long as it did not shrink.
    if ((WidthOf(index) & kWidthBits) < oldWidth) indexOfLongestLine_ = -1;
  } else {
    ConsiderForLongest(index);
  }
  Fire(OnPutted, index, 1);
}

void TScribEditStringList::Delete(int index) {
  CheckIndex(index, Count() - 1);
  UpdateScope update(*this);
  store_.Remove(index, 1);
  if (index == indexOfLongestLine_)
    indexOfLongestLine_ = -1;
  else if (index < indexOfLongestLine_)
    --indexOfLongestLine_;
  Fire(OnDeleted, index, 1);
}

void TScribEditStringList::Clear() {
  indexOfLongestLine_ = -1;
  if (Count() == 0) return;
  UpdateScope update(*this);
  store_.Clear();
  capacity_ = 0;
  Fire(OnCleared);
}

void TScribEditStringList::Exchange(int index1, int index2) {
  CheckIndex(index1, Count() - 1);
  CheckIndex(index2, Count() - 1);
  UpdateScope update(*this);
  if (index1 == index2) return;
  const std::string text1(store_.Text(index1));
  const std::string text2(store_.Text(index2));
  store_.Replace(index1, text2);
  store_.Replace(index2, text1);
  std::swap(store_.Width(index1), store_.Width(index2));
  const std::int32_t range1 = store_.Range(index1);
  store_.SetRange(index1, store_.Range(index2));
  store_.SetRange(index2, range1);
  void* object1 = store_.Object(index1);
  store_.SetObject(index1, store_.Object(index2));
  store_.SetObject(index2, object1);
  if (indexOfLongestLine_ == index1)
    indexOfLongestLine_ = index2;
  else if (indexOfLongestLine_ == index2)
    indexOfLongestLine_ = index1;
}

void TScribEditStringList::AddStrings(const std::vector<std::string>& lines) {
  AppendLines(
      static_cast<int>(lines.size()),
      [&lines](int i) { return lines[static_cast<std::size_t>(i)]; }, nullptr);
}

void TScribEditStringList::AddStrings(const TScribEditStringList& other) {
  // Reads by index and copies so that adding a list to itself is safe.
  AppendLines(
      other.Count(), [&other](int i) { return std::string(other.Get(i)); }, &other);
}

void TScribEditStringList::AppendLines(int count, const std::function<std::string(int)>& textOf,
                                       const TScribEditStringList* objectSource) {
  if (count <= 0) return;
  UpdateScope update(*this);
  const int first = Count();
  const int needed = first + count;
  if (needed > capacity_) SetCapacity((needed + 15) / 16 * 16);
  for (int i = 0; i < count; ++i) store_.Append(textOf(i));
  if (objectSource != nullptr)
    for (int i = 0; i < count; ++i) store_.SetObject(first + i, objectSource->Objects(i));
  indexOfLongestLine_ = -1;
  Fire(OnInserted, first, count);
}

void TScribEditStringList::InsertLines(int index, int numLines) {
  if (numLines <= 0) return;
  CheckIndex(index, Count());
  UpdateScope update(*this);
  SetCapacity(Count() + numLines);
  store_.InsertEmpty(index, numLines);
  indexOfLongestLine_ = -1;
  Fire(OnInserted, index, numLines);
}

void TScribEditStringList::InsertTexts(int index, const std::vector<std::string_view>& texts) {
  if (texts.empty()) return;
  CheckIndex(index, Count());
  UpdateScope update(*this);
  const int count = static_cast<int>(texts.size());
  SetCapacity(Count() + count);
  store_.InsertTexts(index, texts);
  indexOfLongestLine_ = -1;
  Fire(OnInserted, index, count);
}

void TScribEditStringList::DeleteLines(int index, int numLines) {
  if (numLines <= 0) return;
  CheckIndex(index, Count() - 1);
  const int removed = std::min(numLines, Count() - index);
  {
    UpdateScope update(*this);
    store_.Remove(index, removed);
    indexOfLongestLine_ = -1;
  }
  Fire(OnDeleted, index, removed);
}

void TScribEditStringList::PutObject(int index, void* object) {
  CheckIndex(index, Count() - 1);
  UpdateScope update(*this);
  store_.SetObject(index, object);
}

void TScribEditStringList::PutRange(int index, std::int32_t range) {
  CheckIndex(index, Count() - 1);
  UpdateScope update(*this);
  store_.SetRange(index, range);
}

void TScribEditStringList::CacheRange(int index, std::int32_t range) {
  CheckIndex(index, Count() - 1);
  store_.SetRange(index, range);
}

void TScribEditStringList::SetTabWidth(int tabWidth) {
  if (tabWidth == tabWidth_) return;
  tabWidth_ = tabWidth;
  ForgetWidths();
}

void TScribEditStringList::SetEncoding(TTextEncoding encoding) {
  const bool cellsChange = IsUtf8(encoding) != IsUtf8(encoding_);
  encoding_ = encoding;
  if (cellsChange) ForgetWidths();
}

void TScribEditStringList::ForgetWidths() {
  indexOfLongestLine_ = -1;
  store_.ForgetWidths();
}

std::uint32_t TScribEditStringList::WidthOf(int index) {
  std::uint32_t& width = store_.Width(index);
  if (width == TScribLineStore::kUnknownWidth) {
    const std::string_view text = store_.Text(index);
    const auto length = static_cast<std::uint32_t>(ExpandedLength(text, CellRules())) & kWidthBits;
    width = text.find('\t') == std::string_view::npos ? length : length | kHasTabs;
  }
  return width;
}

std::string TScribEditStringList::ExpandedStrings(int index) {
  if (!InRange(index)) return {};
  const std::string_view text = store_.Text(index);
  if ((WidthOf(index) & kHasTabs) == 0) return std::string(text);
  return ExpandTabs(text, CellRules());
}

int TScribEditStringList::ExpandedStringLengths(int index) {
  return InRange(index) ? static_cast<int>(WidthOf(index) & kWidthBits) : 0;
}

int TScribEditStringList::LengthOfLongestLine() {
  if (indexOfLongestLine_ < 0) {
    int longest = 0;
    for (int i = 0; i < Count(); ++i) {
      const int length = ExpandedStringLengths(i);
      if (length > longest) {
        longest = length;
        indexOfLongestLine_ = i;
      }
    }
  }
  return InRange(indexOfLongestLine_) ? ExpandedStringLengths(indexOfLongestLine_) : 0;
}

void TScribEditStringList::ConsiderForLongest(int index) {
  if (indexOfLongestLine_ < 0) return;
  const int length = ExpandedStringLengths(index);
  const int longest = ExpandedStringLengths(indexOfLongestLine_);
  if (length > longest || (length == longest && index < indexOfLongestLine_))
    indexOfLongestLine_ = index;
}
