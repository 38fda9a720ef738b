// The definitions of TScribBlockStore; included by the one file that
// instantiates each kind of store.
#pragma once

#include <algorithm>
#include <stdexcept>

#include "editor/ScribBlockStore.h"
#include "support/Utf8.h"
#include "support/WordBytes.h"

namespace scrib_block_store {

inline std::int64_t Signed(std::size_t size) {
  return static_cast<std::int64_t>(size);
}

}  // namespace scrib_block_store

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::SetLimits(TLimits limits) {
  limits.blockLines = std::max(limits.blockLines, 1);
  limits.blockBytes = std::clamp<std::size_t>(limits.blockBytes, 1, kMaxBlockBytes);
  limits_ = limits;
  table_.SetGroupBlocks(limits.groupBlocks);
}

// --- Finding lines -------------------------------------------------------------

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
auto TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Locate(int line) const -> Place {
  const typename Table::Found found = table_.FindLine(line);
  return {found.at, line - found.firstLine, found.block};
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
auto TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Record(int line) -> LineRecord& {
  const Place place = Locate(line);
  return place.block->records[place.index];
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
auto TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Record(int line) const
    -> const LineRecord& {
  const Place place = Locate(line);
  return place.block->records[place.index];
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
std::string_view TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Text(int line) const {
  const Place place = Locate(line);
  return place.block->TextOf(place.index);
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void* TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Object(int line) const {
  const Place place = Locate(line);
  const auto& objects = place.block->objects;
  return objects.empty() ? nullptr : objects[place.index];
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::SetObject(int line, void* object) {
  const Place place = Locate(line);
  Block& block = *place.block;
  if (block.objects.empty()) {
    if (object == nullptr) return;
    block.objects.assign(block.records.size(), nullptr);
  }
  block.objects[place.index] = object;
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
std::int64_t TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::LineStart(int line) const {
  if (line >= Count()) return table_.Chars();
  const Place place = Locate(line);
  return table_.CharStart(place.at) + scrib_block_store::Signed(place.block->Begin(place.index)) +
         kBreakSize * static_cast<std::int64_t>(place.index);
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
int TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::LineOfChar(
    std::int64_t charIndex) const {
  if (Count() == 0) return 0;
  const typename Table::Found block = table_.FindChar(charIndex);
  const Block& found = *block.block;
  const std::int64_t local = charIndex - table_.CharStart(block.at);
  // Largest index whose line starts at or before `local`.
  int low = 0;
  int high = found.Count() - 1;
  while (low < high) {
    const int middle = low + (high - low + 1) / 2;
    if (scrib_block_store::Signed(found.Begin(middle)) +
            kBreakSize * static_cast<std::int64_t>(middle) <=
        local)
      low = middle;
    else
      high = middle - 1;
  }
  return block.firstLine + low;
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::CheckLineSize(std::size_t bytes) {
  if (bytes > kMaxLineBytes) throw std::length_error("Line too long");
}

// --- Blocks --------------------------------------------------------------------

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Recount(std::string_view removed,
                                                                      std::string_view added) {
  if constexpr (kCountsCharacters) {
    // A byte is a continuation byte by itself: only the bytes that differ count.
    const std::size_t prefix = word_bytes::CommonPrefix(removed, added);
    removed.remove_prefix(prefix);
    added.remove_prefix(prefix);
    const std::size_t suffix = word_bytes::CommonSuffix(removed, added);
    removed.remove_suffix(suffix);
    added.remove_suffix(suffix);
    const auto continuations = [](std::string_view text) {
      return scrib_block_store::Signed(text.size() - utf8::CharCount(text));
    };
    continuationBytes_ += continuations(added) - continuations(removed);
  }
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::InsertBlock(
    int at, std::unique_ptr<Block> block) {
  Blocks one;
  one.push_back(std::move(block));
  table_.Insert(at, std::move(one));
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
auto TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Packed(
    const std::vector<std::string_view>& texts) -> Blocks {
  Blocks packed;
  std::size_t next = 0;
  while (next < texts.size()) {
    // As many lines as the limits allow, but at least one.
    std::size_t last = next;
    std::size_t bytes = texts[next].size();
    CheckLineSize(bytes);
    while (last + 1 < texts.size() &&
           last + 1 - next < static_cast<std::size_t>(limits_.blockLines) &&
           bytes + texts[last + 1].size() <= limits_.blockBytes)
      bytes += texts[++last].size();
    auto block = std::make_unique<Block>();
    block->text.reserve(bytes);
    block->records.reserve(last + 1 - next);
    for (; next <= last; ++next) {
      block->text.append(texts[next]);
      block->records.push_back({static_cast<std::uint32_t>(block->text.size())});
    }
    Recount({}, block->text);
    packed.push_back(std::move(block));
  }
  return packed;
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Split(int at, int index) {
  Block& block = table_[at];
  auto tail = std::make_unique<Block>();
  const std::size_t cut = block.Begin(index);
  tail->text.assign(block.text, cut);
  tail->records.assign(block.records.begin() + index, block.records.end());
  for (LineRecord& record : tail->records) record.end -= static_cast<std::uint32_t>(cut);
  if (!block.objects.empty()) {
    tail->objects.assign(block.objects.begin() + index, block.objects.end());
    block.objects.resize(static_cast<std::size_t>(index));
  }
  block.text.resize(cut);
  block.text.shrink_to_fit();
  block.records.resize(static_cast<std::size_t>(index));
  table_.Resize(at, -tail->Count(), -tail->CharSize());
  InsertBlock(at + 1, std::move(tail));
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::SplitIfLarge(int at) {
  const Block& block = table_[at];
  if (block.Count() > 1 &&
      (block.text.size() > limits_.blockBytes || block.Count() > limits_.blockLines))
    Split(at, block.Count() / 2);
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::MergeIfSmall(int at) {
  if (at < 0 || at + 1 >= BlockCount()) return;
  Block& block = table_[at];
  Block& next = table_[at + 1];
  if ((block.Count() + next.Count()) * 2 > limits_.blockLines ||
      (block.text.size() + next.text.size()) * 2 > limits_.blockBytes)
    return;
  const auto shift = static_cast<std::uint32_t>(block.text.size());
  if (!block.objects.empty() || !next.objects.empty()) {
    block.objects.resize(block.records.size(), nullptr);
    next.objects.resize(next.records.size(), nullptr);
    block.objects.insert(block.objects.end(), next.objects.begin(), next.objects.end());
  }
  block.text += next.text;
  for (LineRecord record : next.records) {
    record.end += shift;
    block.records.push_back(record);
  }
  const int lines = next.Count();
  const std::int64_t chars = next.CharSize();
  table_.Erase(at + 1, 1);
  table_.Resize(at, lines, chars);
}

// --- Changing ------------------------------------------------------------------

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::InsertEmptyInBlock(int at, int index,
                                                                                 int count) {
  Block& block = table_[at];
  const LineRecord empty{static_cast<std::uint32_t>(block.Begin(index))};
  block.records.insert(block.records.begin() + index, static_cast<std::size_t>(count), empty);
  if (!block.objects.empty())
    block.objects.insert(block.objects.begin() + index, static_cast<std::size_t>(count), nullptr);
  table_.Resize(at, count, kBreakSize * static_cast<std::int64_t>(count));
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::InsertEmptyBlocks(int at, int count) {
  for (; count > 0; ++at) {
    auto block = std::make_unique<Block>();
    const int lines = std::min(count, limits_.blockLines);
    block->records.resize(static_cast<std::size_t>(lines));
    InsertBlock(at, std::move(block));
    count -= lines;
  }
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
auto TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::InsertionPlace(int line) const
    -> Place {
  // A line at the end goes into the last block.
  if (line < Count()) return Locate(line);
  Block& last = table_[BlockCount() - 1];
  return {BlockCount() - 1, last.Count(), &last};
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::InsertEmpty(int line, int count) {
  if (count <= 0) return;
  if (Count() == 0) {
    InsertEmptyBlocks(0, count);
    return;
  }
  const Place place = InsertionPlace(line);
  const int blockCount = place.block->Count();
  if (blockCount + count <= limits_.blockLines) {
    InsertEmptyInBlock(place.at, place.index, count);
    return;
  }
  if (count <= limits_.blockLines / 2 && blockCount > 1) {
    // Halving the full block leaves room on either side of the cut.
    Split(place.at, blockCount / 2);
    InsertEmpty(line, count);
    return;
  }
  int at = place.at;
  if (place.index > 0) {
    if (place.index < table_[at].Count()) Split(at, place.index);
    ++at;
  }
  InsertEmptyBlocks(at, count);
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::InsertTextsInBlock(
    int at, int index, const std::vector<std::string_view>& texts, std::size_t bytes) {
  Block& block = table_[at];
  const std::size_t begin = block.Begin(index);
  block.text.insert(begin, bytes, '\0');
  std::vector<LineRecord> records;
  records.reserve(texts.size());
  std::size_t end = begin;
  for (const std::string_view text : texts) {
    std::copy(text.begin(), text.end(), block.text.begin() + static_cast<std::ptrdiff_t>(end));
    end += text.size();
    records.push_back({static_cast<std::uint32_t>(end)});
    Recount({}, text);
  }
  for (auto record = block.records.begin() + index; record != block.records.end(); ++record)
    record->end += static_cast<std::uint32_t>(bytes);
  block.records.insert(block.records.begin() + index, records.begin(), records.end());
  const int count = static_cast<int>(texts.size());
  if (!block.objects.empty())
    block.objects.insert(block.objects.begin() + index, static_cast<std::size_t>(count), nullptr);
  table_.Resize(at, count,
                scrib_block_store::Signed(bytes) + kBreakSize * static_cast<std::int64_t>(count));
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::InsertTexts(
    int line, const std::vector<std::string_view>& texts) {
  if (texts.empty()) return;
  if (Count() == 0) {
    table_.Insert(0, Packed(texts));
    return;
  }
  std::size_t bytes = 0;
  for (const std::string_view text : texts) {
    CheckLineSize(text.size());
    bytes += text.size();
  }
  const int count = static_cast<int>(texts.size());
  const Place place = InsertionPlace(line);
  const Block& block = *place.block;
  if (block.Count() + count <= limits_.blockLines &&
      block.text.size() + bytes <= limits_.blockBytes) {
    InsertTextsInBlock(place.at, place.index, texts, bytes);
    return;
  }
  if (count <= limits_.blockLines / 2 && bytes <= limits_.blockBytes / 2 && block.Count() > 1) {
    // Halving the full block leaves room on either side of the cut.
    Split(place.at, block.Count() / 2);
    InsertTexts(line, texts);
    return;
  }
  int at = place.at;
  if (place.index > 0) {
    if (place.index < block.Count()) Split(at, place.index);
    ++at;
  }
  Blocks packed = Packed(texts);
  const int added = static_cast<int>(packed.size());
  table_.Insert(at, std::move(packed));
  // The blocks on either side may be small pieces of a split one.
  MergeIfSmall(at + added - 1);
  MergeIfSmall(at - 1);
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::RemoveInBlock(int at, int index,
                                                                            int count) {
  Block& block = table_[at];
  const std::size_t begin = block.Begin(index);
  const std::size_t end = block.records[index + count - 1].end;
  Recount(std::string_view(block.text).substr(begin, end - begin), {});
  block.text.erase(begin, end - begin);
  block.records.erase(block.records.begin() + index, block.records.begin() + index + count);
  for (auto record = block.records.begin() + index; record != block.records.end(); ++record)
    record->end -= static_cast<std::uint32_t>(end - begin);
  if (!block.objects.empty())
    block.objects.erase(block.objects.begin() + index, block.objects.begin() + index + count);
  table_.Resize(
      at, -count,
      -scrib_block_store::Signed(end - begin) - kBreakSize * static_cast<std::int64_t>(count));
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Remove(int line, int count) {
  while (count > 0) {
    const Place place = Locate(line);
    const int inBlock = std::min(count, place.block->Count() - place.index);
    if (inBlock == place.block->Count()) {
      // A run of whole blocks goes in one move.
      int end = place.at;
      int lines = 0;
      while (end < BlockCount() && lines + table_[end].Count() <= count) {
        Recount(table_[end].text, {});
        lines += table_[end++].Count();
      }
      table_.Erase(place.at, end - place.at);
      count -= lines;
    } else {
      RemoveInBlock(place.at, place.index, inBlock);
      count -= inBlock;
    }
  }
  if (line < Count()) {
    const int at = Locate(line).at;
    MergeIfSmall(at);
    MergeIfSmall(at - 1);
  }
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::ReplaceBytes(int line, std::size_t at,
                                                                           std::size_t count,
                                                                           std::string_view text) {
  Place place = Locate(line);
  CheckLineSize(place.block->TextOf(place.index).size() - count + text.size());
  if (place.block->text.size() - count + text.size() > kMaxBlockBytes) {
    // Record ends are 32-bit: a line this long gets a block of its own.
    if (place.index + 1 < place.block->Count()) Split(place.at, place.index + 1);
    if (place.index > 0) {
      Split(place.at, place.index);
      place = {place.at + 1, 0, &table_[place.at + 1]};
    }
  }
  Block& block = *place.block;
  const std::size_t begin = block.Begin(place.index) + at;
  Recount(block.TextOf(place.index).substr(at, count), text);
  block.text.replace(begin, count, text);
  const auto growth = static_cast<std::uint32_t>(text.size() - count);  // wraps when shrinking
  for (auto record = block.records.begin() + place.index; record != block.records.end(); ++record)
    record->end += growth;
  table_.Resize(place.at, 0,
                scrib_block_store::Signed(text.size()) - scrib_block_store::Signed(count));
  SplitIfLarge(place.at);
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Append(std::string_view text) {
  InsertEmpty(Count(), 1);
  Replace(Count() - 1, text);
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::AppendPacked(
    const std::vector<std::string_view>& texts) {
  table_.Insert(BlockCount(), Packed(texts));
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Clear() {
  table_.Clear();
  continuationBytes_ = 0;
}
