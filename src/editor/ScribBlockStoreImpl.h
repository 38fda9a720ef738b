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
}

// --- Finding lines -------------------------------------------------------------

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
int TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::BlockOfLine(int line) const {
  const auto holds = [this, line](int block) {
    return block < BlockCount() && blockLines_.Start(block) <= line &&
           line < blockLines_.Start(block + 1);
  };
  if (holds(lastBlock_)) return lastBlock_;
  if (holds(lastBlock_ + 1)) return ++lastBlock_;
  lastBlock_ = std::min(blockLines_.BoundaryAtOrBefore(line), BlockCount() - 1);
  return lastBlock_;
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
auto TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Locate(int line) const -> Place {
  const int block = BlockOfLine(line);
  return {block, line - blockLines_.Start(block)};
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
auto TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Record(int line) -> LineRecord& {
  const Place place = Locate(line);
  return blocks_[place.block]->records[place.index];
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
auto TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Record(int line) const
    -> const LineRecord& {
  const Place place = Locate(line);
  return blocks_[place.block]->records[place.index];
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
std::string_view TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Text(int line) const {
  const Place place = Locate(line);
  return blocks_[place.block]->TextOf(place.index);
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void* TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Object(int line) const {
  const Place place = Locate(line);
  const auto& objects = blocks_[place.block]->objects;
  return objects.empty() ? nullptr : objects[place.index];
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::SetObject(int line, void* object) {
  const Place place = Locate(line);
  Block& block = *blocks_[place.block];
  if (block.objects.empty()) {
    if (object == nullptr) return;
    block.objects.assign(block.records.size(), nullptr);
  }
  block.objects[place.index] = object;
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
std::int64_t TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::LineStart(int line) const {
  if (line >= Count()) return blockChars_.Total();
  const Place place = Locate(line);
  return blockChars_.Start(place.block) +
         scrib_block_store::Signed(blocks_[place.block]->Begin(place.index)) +
         kBreakSize * static_cast<std::int64_t>(place.index);
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
int TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::LineOfChar(
    std::int64_t charIndex) const {
  if (Count() == 0) return 0;
  const int block = std::min(blockChars_.BoundaryAtOrBefore(charIndex), BlockCount() - 1);
  const Block& found = *blocks_[block];
  const std::int64_t local = charIndex - blockChars_.Start(block);
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
  return blockLines_.Start(block) + low;
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::CheckLineSize(std::size_t bytes) {
  if (bytes > kMaxLineBytes) throw std::length_error("Line too long");
}

// --- Blocks --------------------------------------------------------------------

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Resized(int at, int lines,
                                                                      std::int64_t chars) {
  blockLines_.Resize(at, lines);
  blockChars_.Resize(at, chars);
}

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
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::InsertBlocks(int at, Blocks blocks) {
  const int count = static_cast<int>(blocks.size());
  blockLines_.InsertEmpty(at, count);
  blockChars_.InsertEmpty(at, count);
  for (int k = 0; k < count; ++k) Resized(at + k, blocks[k]->Count(), blocks[k]->CharSize());
  blocks_.insert(blocks_.begin() + at, std::make_move_iterator(blocks.begin()),
                 std::make_move_iterator(blocks.end()));
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::InsertBlock(
    int at, std::unique_ptr<Block> block) {
  Blocks one;
  one.push_back(std::move(block));
  InsertBlocks(at, std::move(one));
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
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::EraseBlocks(int at, int count) {
  blocks_.erase(blocks_.begin() + at, blocks_.begin() + at + count);
  blockLines_.Remove(at, count);
  blockChars_.Remove(at, count);
  lastBlock_ = 0;
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Split(int at, int index) {
  Block& block = *blocks_[at];
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
  Resized(at, -tail->Count(), -tail->CharSize());
  InsertBlock(at + 1, std::move(tail));
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::SplitIfLarge(int at) {
  const Block& block = *blocks_[at];
  if (block.Count() > 1 &&
      (block.text.size() > limits_.blockBytes || block.Count() > limits_.blockLines))
    Split(at, block.Count() / 2);
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::MergeIfSmall(int at) {
  if (at < 0 || at + 1 >= BlockCount()) return;
  Block& block = *blocks_[at];
  Block& next = *blocks_[at + 1];
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
  EraseBlocks(at + 1, 1);
  Resized(at, lines, chars);
}

// --- Changing ------------------------------------------------------------------

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::InsertEmptyInBlock(int at, int index,
                                                                                 int count) {
  Block& block = *blocks_[at];
  const LineRecord empty{static_cast<std::uint32_t>(block.Begin(index))};
  block.records.insert(block.records.begin() + index, static_cast<std::size_t>(count), empty);
  if (!block.objects.empty())
    block.objects.insert(block.objects.begin() + index, static_cast<std::size_t>(count), nullptr);
  Resized(at, count, kBreakSize * static_cast<std::int64_t>(count));
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
  return line < Count() ? Locate(line) : Place{BlockCount() - 1, blocks_.back()->Count()};
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::InsertEmpty(int line, int count) {
  if (count <= 0) return;
  if (Count() == 0) {
    InsertEmptyBlocks(0, count);
    return;
  }
  const Place place = InsertionPlace(line);
  const int blockCount = blocks_[place.block]->Count();
  if (blockCount + count <= limits_.blockLines) {
    InsertEmptyInBlock(place.block, place.index, count);
    return;
  }
  if (count <= limits_.blockLines / 2 && blockCount > 1) {
    // Halving the full block leaves room on either side of the cut.
    Split(place.block, blockCount / 2);
    InsertEmpty(line, count);
    return;
  }
  int at = place.block;
  if (place.index > 0) {
    if (place.index < blocks_[at]->Count()) Split(at, place.index);
    ++at;
  }
  InsertEmptyBlocks(at, count);
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::InsertTextsInBlock(
    int at, int index, const std::vector<std::string_view>& texts, std::size_t bytes) {
  Block& block = *blocks_[at];
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
  Resized(at, count,
          scrib_block_store::Signed(bytes) + kBreakSize * static_cast<std::int64_t>(count));
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::InsertTexts(
    int line, const std::vector<std::string_view>& texts) {
  if (texts.empty()) return;
  if (Count() == 0) {
    InsertBlocks(0, Packed(texts));
    return;
  }
  std::size_t bytes = 0;
  for (const std::string_view text : texts) {
    CheckLineSize(text.size());
    bytes += text.size();
  }
  const int count = static_cast<int>(texts.size());
  const Place place = InsertionPlace(line);
  const Block& block = *blocks_[place.block];
  if (block.Count() + count <= limits_.blockLines &&
      block.text.size() + bytes <= limits_.blockBytes) {
    InsertTextsInBlock(place.block, place.index, texts, bytes);
    return;
  }
  if (count <= limits_.blockLines / 2 && bytes <= limits_.blockBytes / 2 && block.Count() > 1) {
    // Halving the full block leaves room on either side of the cut.
    Split(place.block, block.Count() / 2);
    InsertTexts(line, texts);
    return;
  }
  int at = place.block;
  if (place.index > 0) {
    if (place.index < block.Count()) Split(at, place.index);
    ++at;
  }
  Blocks packed = Packed(texts);
  const int added = static_cast<int>(packed.size());
  InsertBlocks(at, std::move(packed));
  // The blocks on either side may be small pieces of a split one.
  MergeIfSmall(at + added - 1);
  MergeIfSmall(at - 1);
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::RemoveInBlock(int at, int index,
                                                                            int count) {
  Block& block = *blocks_[at];
  const std::size_t begin = block.Begin(index);
  const std::size_t end = block.records[index + count - 1].end;
  Recount(std::string_view(block.text).substr(begin, end - begin), {});
  block.text.erase(begin, end - begin);
  block.records.erase(block.records.begin() + index, block.records.begin() + index + count);
  for (auto record = block.records.begin() + index; record != block.records.end(); ++record)
    record->end -= static_cast<std::uint32_t>(end - begin);
  if (!block.objects.empty())
    block.objects.erase(block.objects.begin() + index, block.objects.begin() + index + count);
  Resized(at, -count,
          -scrib_block_store::Signed(end - begin) - kBreakSize * static_cast<std::int64_t>(count));
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Remove(int line, int count) {
  while (count > 0) {
    const Place place = Locate(line);
    const int inBlock = std::min(count, blocks_[place.block]->Count() - place.index);
    if (inBlock == blocks_[place.block]->Count()) {
      // A run of whole blocks goes in one move.
      int end = place.block;
      int lines = 0;
      while (end < BlockCount() && lines + blocks_[end]->Count() <= count) {
        Recount(blocks_[end]->text, {});
        lines += blocks_[end++]->Count();
      }
      EraseBlocks(place.block, end - place.block);
      count -= lines;
    } else {
      RemoveInBlock(place.block, place.index, inBlock);
      count -= inBlock;
    }
  }
  if (line < Count()) {
    const int at = Locate(line).block;
    MergeIfSmall(at);
    MergeIfSmall(at - 1);
  }
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Replace(int line,
                                                                      std::string_view text) {
  CheckLineSize(text.size());
  Place place = Locate(line);
  const std::size_t oldSize = blocks_[place.block]->TextOf(place.index).size();
  if (blocks_[place.block]->text.size() - oldSize + text.size() > kMaxBlockBytes) {
    // Record ends are 32-bit: a line this long gets a block of its own.
    if (place.index + 1 < blocks_[place.block]->Count()) Split(place.block, place.index + 1);
    if (place.index > 0) {
      Split(place.block, place.index);
      place = {place.block + 1, 0};
    }
  }
  Block& block = *blocks_[place.block];
  const std::size_t begin = block.Begin(place.index);
  Recount(block.TextOf(place.index), text);
  block.text.replace(begin, oldSize, text);
  const auto growth = static_cast<std::uint32_t>(text.size() - oldSize);  // wraps when shrinking
  for (auto record = block.records.begin() + place.index; record != block.records.end(); ++record)
    record->end += growth;
  Resized(place.block, 0,
          scrib_block_store::Signed(text.size()) - scrib_block_store::Signed(oldSize));
  SplitIfLarge(place.block);
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Append(std::string_view text) {
  InsertEmpty(Count(), 1);
  Replace(Count() - 1, text);
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::AppendPacked(
    const std::vector<std::string_view>& texts) {
  InsertBlocks(BlockCount(), Packed(texts));
}

template <typename TExtra, int kBreakSize, bool kCountsCharacters>
void TScribBlockStore<TExtra, kBreakSize, kCountsCharacters>::Clear() {
  blocks_.clear();
  blocks_.shrink_to_fit();
  blockLines_.Clear();
  blockChars_.Clear();
  lastBlock_ = 0;
  continuationBytes_ = 0;
}
