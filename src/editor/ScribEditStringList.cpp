// Line records: reading, single and bulk changes, the update bracket, tab
// widths and the longest line. Text, loading and saving are in
// ScribEditStringListText.cpp.
#include "editor/ScribEditStringList.h"

#include <algorithm>
#include <iterator>

#include "editor/ScribEditTabExpansion.h"

namespace {

const std::string kEmptyLine;

std::int64_t LengthOf(const std::string& text) {
  return static_cast<std::int64_t>(text.size());
}

}  // namespace

void TScribEditStringList::RaiseIndexError(int index) {
  throw EScribEditStringList("Invalid stringlist index " + std::to_string(index));
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

const std::string& TScribEditStringList::Get(int index) const {
  return InRange(index) ? records_[static_cast<std::size_t>(index)].text : kEmptyLine;
}

void* TScribEditStringList::Objects(int index) const {
  return InRange(index) ? records_[static_cast<std::size_t>(index)].object : nullptr;
}

std::int32_t TScribEditStringList::Ranges(int index) const {
  return InRange(index) ? records_[static_cast<std::size_t>(index)].range : 0;
}

std::int64_t TScribEditStringList::LineStartCharIndex(int lineIndex) const {
  CheckIndex(lineIndex, Count());
  return lineStarts_.Start(lineIndex);
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
  const auto wanted = static_cast<std::size_t>(capacity);
  if (wanted > records_.capacity()) {
    records_.reserve(wanted);
  } else if (wanted < records_.capacity()) {
    std::vector<Record> smaller;
    smaller.reserve(wanted);
    std::move(records_.begin(), records_.end(), std::back_inserter(smaller));
    records_.swap(smaller);
  }
  capacity_ = capacity;
}

void TScribEditStringList::GrowForOneMore() {
  if (Count() < capacity_) return;
  SetCapacity(capacity_ + (capacity_ > 64 ? capacity_ / 4 : 16));
}

void TScribEditStringList::InsertRecord(int index, std::string text) {
  GrowForOneMore();
  const std::int64_t length = LengthOf(text);
  records_.insert(records_.begin() + index, Record{std::move(text)});
  lineStarts_.InsertEmpty(index, 1);
  lineStarts_.ChangeLength(index, length);
  if (indexOfLongestLine_ >= index) ++indexOfLongestLine_;
  ConsiderForLongest(index);
}

int TScribEditStringList::Add(std::string text) {
  UpdateScope update(*this);
  const int index = Count();
  InsertRecord(index, std::move(text));
  Fire(OnInserted, index, 1);
  return index;
}

void TScribEditStringList::Insert(int index, std::string text) {
  CheckIndex(index, Count());
  UpdateScope update(*this);
  InsertRecord(index, std::move(text));
  Fire(OnInserted, index, 1);
}

void TScribEditStringList::Put(int index, std::string text) {
  if (index == Count()) {
    Add(std::move(text));
    return;
  }
  CheckIndex(index, Count() - 1);
  UpdateScope update(*this);
  Record& record = records_[static_cast<std::size_t>(index)];
  const int oldExpandedLength = record.expandedLength;
  lineStarts_.ChangeLength(index, LengthOf(text) - LengthOf(record.text));
  record.text = std::move(text);
  record.flags = ExpandedLengthInvalid;
  if (index == indexOfLongestLine_) {
    // The longest line stays first as long as it did not shrink.
    if (ExpandedStringLengths(index) < oldExpandedLength) indexOfLongestLine_ = -1;
  } else {
    ConsiderForLongest(index);
  }
  Fire(OnPutted, index, 1);
}

void TScribEditStringList::Delete(int index) {
  CheckIndex(index, Count() - 1);
  UpdateScope update(*this);
  records_.erase(records_.begin() + index);
  lineStarts_.Remove(index, 1);
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
  std::vector<Record>().swap(records_);
  capacity_ = 0;
  lineStarts_.Clear();
  Fire(OnCleared);
}

void TScribEditStringList::Exchange(int index1, int index2) {
  CheckIndex(index1, Count() - 1);
  CheckIndex(index2, Count() - 1);
  UpdateScope update(*this);
  if (index1 == index2) return;
  auto& record1 = records_[static_cast<std::size_t>(index1)];
  auto& record2 = records_[static_cast<std::size_t>(index2)];
  const std::int64_t growth = LengthOf(record2.text) - LengthOf(record1.text);
  std::swap(record1, record2);
  lineStarts_.ChangeLength(index1, growth);
  lineStarts_.ChangeLength(index2, -growth);
  if (indexOfLongestLine_ == index1)
    indexOfLongestLine_ = index2;
  else if (indexOfLongestLine_ == index2)
    indexOfLongestLine_ = index1;
}

void TScribEditStringList::AddStrings(const std::vector<std::string>& lines) {
  AppendLines(static_cast<int>(lines.size()), [&lines](int i, Record& record) {
    record.text = lines[static_cast<std::size_t>(i)];
  });
}

void TScribEditStringList::AddStrings(const TScribEditStringList& other) {
  // Reads by index so that adding a list to itself is safe.
  AppendLines(other.Count(), [&other](int i, Record& record) {
    record.text = other.Get(i);
    record.object = other.Objects(i);
  });
}

void TScribEditStringList::AppendLines(int count, const std::function<void(int, Record&)>& fill) {
  if (count <= 0) return;
  UpdateScope update(*this);
  const int first = Count();
  const int needed = first + count;
  if (needed > capacity_) SetCapacity((needed + 15) / 16 * 16);
  lineStarts_.Reserve(needed);
  for (int i = 0; i < count; ++i) {
    Record record;
    fill(i, record);
    lineStarts_.Append(LengthOf(record.text));
    records_.push_back(std::move(record));
  }
  indexOfLongestLine_ = -1;
  Fire(OnInserted, first, count);
}

void TScribEditStringList::InsertLines(int index, int numLines) {
  if (numLines <= 0) return;
  CheckIndex(index, Count());
  UpdateScope update(*this);
  SetCapacity(Count() + numLines);
  records_.insert(records_.begin() + index, static_cast<std::size_t>(numLines), Record{});
  lineStarts_.InsertEmpty(index, numLines);
  indexOfLongestLine_ = -1;
  Fire(OnInserted, index, numLines);
}

void TScribEditStringList::DeleteLines(int index, int numLines) {
  if (numLines <= 0) return;
  CheckIndex(index, Count() - 1);
  const int removed = std::min(numLines, Count() - index);
  {
    UpdateScope update(*this);
    records_.erase(records_.begin() + index, records_.begin() + index + removed);
    lineStarts_.Remove(index, removed);
    indexOfLongestLine_ = -1;
  }
  Fire(OnDeleted, index, removed);
}

void TScribEditStringList::PutObject(int index, void* object) {
  CheckIndex(index, Count() - 1);
  UpdateScope update(*this);
  records_[static_cast<std::size_t>(index)].object = object;
}

void TScribEditStringList::PutRange(int index, std::int32_t range) {
  CheckIndex(index, Count() - 1);
  UpdateScope update(*this);
  records_[static_cast<std::size_t>(index)].range = range;
}

void TScribEditStringList::SetTabWidth(int tabWidth) {
  if (tabWidth == tabWidth_) return;
  tabWidth_ = tabWidth;
  indexOfLongestLine_ = -1;
  for (Record& record : records_) {
    record.expandedLength = -1;
    record.flags = static_cast<std::uint8_t>((record.flags & ~HasNoTabs) | ExpandedLengthInvalid);
  }
}

void TScribEditStringList::UpdateExpandedLength(Record& record) const {
  record.expandedLength = ExpandedLength(record.text, tabWidth_);
  record.flags = record.text.find('\t') == std::string::npos ? HasNoTabs : HasTabs;
}

std::string TScribEditStringList::ExpandedStrings(int index) {
  if (!InRange(index)) return {};
  Record& record = records_[static_cast<std::size_t>(index)];
  if (record.flags & ExpandedLengthInvalid) UpdateExpandedLength(record);
  if (record.flags & HasNoTabs) return record.text;
  return ExpandTabs(record.text, tabWidth_);
}

int TScribEditStringList::ExpandedStringLengths(int index) {
  if (!InRange(index)) return 0;
  Record& record = records_[static_cast<std::size_t>(index)];
  if (record.flags & ExpandedLengthInvalid) UpdateExpandedLength(record);
  return record.expandedLength;
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
