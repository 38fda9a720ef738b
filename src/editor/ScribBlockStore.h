// TScribBlockStore: a sequence of byte strings ("lines") in blocks. A block
// holds the texts of up to Limits().blockLines consecutive lines back to back
// in one string, plus a small record per line (where its text ends, and the
// owner's TExtra data), and an object per line once one was ever set. A block
// table gives where each block starts in lines and in characters, where the
// break after every line counts kBreakSize characters.
//
// So inserting or removing lines moves only the records and bytes of one
// block (and, when a block splits or goes, the entries of one group of
// blocks), a line costs its record beside its text, and the whole text is
// still at hand at once.
// The buffer keeps its lines here; word wrap keeps the row lengths of each line.
//
// Invariants:
//  - no block is empty; a block's text holds at most Limits().blockBytes bytes
//    unless it is a single line;
//  - table_ partitions the lines and the characters of the joined text into
//    the blocks;
//  - record k of a block: its text is block.text[end of k - 1 .. end of k).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/ScribBlockTable.h"

// How many lines and bytes a block holds at most, and about how many blocks
// make a group.
struct TScribBlockLimits {
  int blockLines = 1024;
  std::size_t blockBytes = 8 * 1024;
  int groupBlocks = 256;
};

// The extra data of lines that have none.
struct TScribNoExtra {};

// With kCountsCharacters the store also counts the UTF-8 characters of its
// text (the bytes that start one) as lines change.
template <typename TExtra, int kBreakSize, bool kCountsCharacters = false>
class TScribBlockStore {
 public:
  using TLimits = TScribBlockLimits;
  // Longer lines raise std::length_error: positions in a line are 32-bit.
  static constexpr std::size_t kMaxLineBytes = 0x7FFFFFFF;

  explicit TScribBlockStore(TLimits limits = {}) : limits_(limits) {}
  TScribBlockStore(TScribBlockStore&&) noexcept = default;
  TScribBlockStore& operator=(TScribBlockStore&&) noexcept = default;

  const TLimits& Limits() const { return limits_; }
  void SetLimits(TLimits limits);

  int Count() const { return table_.Lines(); }
  // Valid until the store changes.
  std::string_view Text(int line) const;
  TExtra& Extra(int line) { return Record(line).extra; }
  const TExtra& Extra(int line) const { return Record(line).extra; }
  void* Object(int line) const;
  void SetObject(int line, void* object);

  // Character offsets, each line break counting kBreakSize.
  std::int64_t CharCount() const { return Count() == 0 ? 0 : table_.Chars() - kBreakSize; }
  // CharCount() with every UTF-8 character counting one.
  std::int64_t Utf8CharCount() const requires kCountsCharacters {
    return CharCount() - continuationBytes_;
  }
  // 0 <= line <= Count(); Count() gives CharCount() + kBreakSize.
  std::int64_t LineStart(int line) const;
  // The line holding `charIndex`, clamped to 0..Count() - 1; 0 without lines.
  int LineOfChar(std::int64_t charIndex) const;

  // Lines with empty texts and default extras.
  void InsertEmpty(int line, int count);
  // Lines line .. line + count - 1, all existing.
  void Remove(int line, int count);
  // Lines with these texts before `line` (0 <= line <= Count()) in one pass;
  // the views may point anywhere but into this store.
  void InsertTexts(int line, const std::vector<std::string_view>& texts);
  // Replaces the text; extra and object stay.
  void Replace(int line, std::string_view text) { ReplaceBytes(line, 0, Text(line).size(), text); }
  // Replaces `count` bytes of the line's text from byte `at` (both within
  // the text); a small change moves only the bytes after it.
  void ReplaceBytes(int line, std::size_t at, std::size_t count, std::string_view text);
  void Append(std::string_view text);
  // Appends the lines as blocks of exactly their size; the views may point
  // anywhere but into this store.
  void AppendPacked(const std::vector<std::string_view>& texts);
  void Clear();

  // Calls visit(text) for every line in order.
  template <typename Visit>
  void ForEachText(Visit&& visit) const {
    table_.ForEach([&visit](const Block& block) {
      for (int k = 0; k < block.Count(); ++k) visit(block.TextOf(k));
    });
  }
  // Calls change(extra) for every line.
  template <typename Change>
  void ForEachExtra(Change&& change) {
    table_.ForEach([&change](Block& block) {
      for (LineRecord& record : block.records) change(record.extra);
    });
  }

 private:
  struct LineRecord {
    std::uint32_t end = 0;
    [[no_unique_address]] TExtra extra{};
  };
  struct Block {
    std::string text;
    std::vector<LineRecord> records;
    std::vector<void*> objects;  // empty while no line of the block has one

    int Count() const { return static_cast<int>(records.size()); }
    std::size_t Begin(int k) const { return k == 0 ? 0 : records[k - 1].end; }
    std::string_view TextOf(int k) const {
      return std::string_view(text).substr(Begin(k), records[k].end - Begin(k));
    }
    std::int64_t CharSize() const {
      return static_cast<std::int64_t>(text.size()) + kBreakSize * std::int64_t{Count()};
    }
  };
  struct Place {
    int at;     // the block's index
    int index;  // in the block
    Block* block;
  };
  using Table = TScribBlockTable<Block>;

  static constexpr std::size_t kMaxBlockBytes = 0xFFFFFFFF;
  static void CheckLineSize(std::size_t bytes);

  int BlockCount() const { return table_.Count(); }
  Place Locate(int line) const;
  LineRecord& Record(int line);
  const LineRecord& Record(int line) const;

  using Blocks = typename Table::Blocks;
  // The texts in blocks as full as the limits allow, counted as added.
  Blocks Packed(const std::vector<std::string_view>& texts);
  void InsertBlock(int at, std::unique_ptr<Block> block);
  // Moves the records from `index` on into a new block after `at`.
  void Split(int at, int index);
  void SplitIfLarge(int at);
  // Joins block `at` with the next one when both are small.
  void MergeIfSmall(int at);
  void InsertEmptyInBlock(int at, int index, int count);
  void InsertTextsInBlock(int at, int index, const std::vector<std::string_view>& texts,
                          std::size_t bytes);
  // Where lines inserted before `line` go.
  Place InsertionPlace(int line) const;
  void InsertEmptyBlocks(int at, int count);
  void RemoveInBlock(int at, int index, int count);
  // Keeps the count of UTF-8 continuation bytes as `added` replaces `removed`.
  void Recount(std::string_view removed, std::string_view added);

  TLimits limits_;
  Table table_;
  std::int64_t continuationBytes_ = 0;  // bytes that continue a UTF-8 character
};
