// TScribBlockTable: the blocks of a block store in order, each with its size
// in lines and in characters. The blocks sit in groups of about
// SetGroupBlocks() blocks, so adding or removing a block moves the entries of
// one group (and, when a group splits or goes, one entry per group) however
// many blocks there are. Blocks are addressed by their index 0 .. Count() - 1;
// TBlock gives its size with Count() (lines) and CharSize().
//
// Invariants:
//  - no group is empty; a group that grows past 2 * groupBlocks_ splits;
//  - blocksOfGroups_, linesOfGroups_ and charsOfGroups_ partition the blocks,
//    lines and characters into the groups; each group's own partitions do
//    the same for its blocks, from its first line and character.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <memory>
#include <vector>

#include "editor/ScribStepPartition.h"

template <typename TBlock>
class TScribBlockTable {
 public:
  using Blocks = std::vector<std::unique_ptr<TBlock>>;
  // A block with its index and where it starts in lines.
  struct Found {
    TBlock* block;
    int at;
    int firstLine;
  };

  void SetGroupBlocks(int blocks) { groupBlocks_ = std::max(blocks, 1); }

  int Count() const { return blocksOfGroups_.Total(); }
  int Lines() const { return linesOfGroups_.Total(); }
  std::int64_t Chars() const { return charsOfGroups_.Total(); }

  TBlock& operator[](int at) const {
    const Slot slot = SlotOf(at);
    return *groups_[slot.group].blocks[slot.index];
  }
  // 0 <= at <= Count().
  int LineStart(int at) const {
    if (at == Count()) return Lines();
    const Slot slot = SlotOf(at);
    return linesOfGroups_.Start(slot.group) + groups_[slot.group].lines.Start(slot.index);
  }
  std::int64_t CharStart(int at) const {
    if (at == Count()) return Chars();
    const Slot slot = SlotOf(at);
    return charsOfGroups_.Start(slot.group) + groups_[slot.group].chars.Start(slot.index);
  }
  // The block holding `line` (0 <= line < Lines()). Lookups in runs are cheap.
  Found FindLine(int line) const {
    Cached& cached = lastFound_;
    if (cached.lineLayout != lineLayout_ || line < cached.found.firstLine ||
        line >= cached.endLine) {
      ++cached.slot.index;
      if (!HoldsLine(cached.slot, line)) cached.slot = SearchLine(line);
      cached.found = Describe(cached.slot);
      cached.endLine = cached.found.firstLine + cached.found.block->Count();
      cached.lineLayout = lineLayout_;
    }
    return cached.found;
  }
  // The last block starting at or before `charIndex`, the first one below
  // the start; the table must not be empty.
  Found FindChar(std::int64_t charIndex) const {
    const int group = std::min(charsOfGroups_.BoundaryAtOrBefore(charIndex), GroupCount() - 1);
    const Group& found = groups_[group];
    const int index = std::min(
        found.chars.BoundaryAtOrBefore(charIndex - charsOfGroups_.Start(group)), found.Size() - 1);
    return Describe({group, index});
  }

  // Block `at` changed by `lines` lines and `chars` characters.
  void Resize(int at, int lines, std::int64_t chars) {
    if (lines != 0) ++lineLayout_;
    const Slot slot = SlotOf(at);
    Group& group = groups_[slot.group];
    group.lines.Resize(slot.index, lines);
    group.chars.Resize(slot.index, chars);
    linesOfGroups_.Resize(slot.group, lines);
    charsOfGroups_.Resize(slot.group, chars);
  }
  // The blocks before block `at` (0 <= at <= Count()).
  void Insert(int at, Blocks blocks) {
    if (blocks.empty()) return;
    ++lineLayout_;
    if (groups_.empty() || static_cast<int>(blocks.size()) > groupBlocks_) {
      // Many blocks come as groups of their own.
      const int group = SplitGroupBefore(at);
      const int added = InsertGroups(group, std::move(blocks));
      MergeGroupsIfSmall(group + added - 1);
      MergeGroupsIfSmall(group - 1);
      return;
    }
    const Slot slot = SlotOf(at);
    InsertInGroup(slot, std::move(blocks));
    if (groups_[slot.group].Size() > 2 * groupBlocks_)
      SplitGroup(slot.group, groups_[slot.group].Size() / 2);
  }
  // Blocks at .. at + count - 1, all existing.
  void Erase(int at, int count) {
    ++lineLayout_;
    while (count > 0) {
      const Slot slot = SlotOf(at);
      const int inGroup = std::min(count, groups_[slot.group].Size() - slot.index);
      EraseInGroup(slot, inGroup);
      count -= inGroup;
    }
    if (groups_.empty()) return;
    const int group = at < Count() ? SlotOf(at).group : GroupCount() - 1;
    MergeGroupsIfSmall(group);
    MergeGroupsIfSmall(group - 1);
  }
  void Clear() {
    ++lineLayout_;
    groups_.clear();
    groups_.shrink_to_fit();
    blocksOfGroups_.Clear();
    linesOfGroups_.Clear();
    charsOfGroups_.Clear();
  }

  // Calls visit(block) for every block in order.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    for (const Group& group : groups_)
      for (const auto& block : group.blocks) visit(*block);
  }

 private:
  struct Group {
    Blocks blocks;
    TScribStepPartition<int> lines;
    TScribStepPartition<std::int64_t> chars;

    int Size() const { return static_cast<int>(blocks.size()); }
  };
  struct Slot {
    int group;
    int index;  // in the group
  };
  // The last lookup by line, valid while the lines stay in their blocks.
  struct Cached {
    Slot slot{0, 0};
    Found found{};
    int endLine = 0;
    std::uint64_t lineLayout = 0;
  };

  int GroupCount() const { return static_cast<int>(groups_.size()); }

  // Where block `at` is; Count() gives the end of the last group.
  Slot SlotOf(int at) const {
    int group = lastGroup_;
    if (group >= GroupCount() || at < blocksOfGroups_.Start(group) ||
        at >= blocksOfGroups_.Start(group + 1)) {
      group = std::min(blocksOfGroups_.BoundaryAtOrBefore(at), GroupCount() - 1);
      lastGroup_ = group;
    }
    return {group, at - blocksOfGroups_.Start(group)};
  }
  bool HoldsLine(Slot slot, int line) const {
    if (slot.group >= GroupCount() || slot.index >= groups_[slot.group].Size()) return false;
    const TScribStepPartition<int>& lines = groups_[slot.group].lines;
    const int local = line - linesOfGroups_.Start(slot.group);
    return lines.Start(slot.index) <= local && local < lines.Start(slot.index + 1);
  }
  Slot SearchLine(int line) const {
    const int group = std::min(linesOfGroups_.BoundaryAtOrBefore(line), GroupCount() - 1);
    const Group& found = groups_[group];
    return {group, std::min(found.lines.BoundaryAtOrBefore(line - linesOfGroups_.Start(group)),
                            found.Size() - 1)};
  }
  Found Describe(Slot slot) const {
    const Group& group = groups_[slot.group];
    return {group.blocks[slot.index].get(), blocksOfGroups_.Start(slot.group) + slot.index,
            linesOfGroups_.Start(slot.group) + group.lines.Start(slot.index)};
  }

  void InsertInGroup(Slot slot, Blocks blocks) {
    Group& group = groups_[slot.group];
    const int count = static_cast<int>(blocks.size());
    group.lines.InsertEmpty(slot.index, count);
    group.chars.InsertEmpty(slot.index, count);
    int lines = 0;
    std::int64_t chars = 0;
    for (int k = 0; k < count; ++k) {
      group.lines.Resize(slot.index + k, blocks[k]->Count());
      group.chars.Resize(slot.index + k, blocks[k]->CharSize());
      lines += blocks[k]->Count();
      chars += blocks[k]->CharSize();
    }
    group.blocks.insert(group.blocks.begin() + slot.index, std::make_move_iterator(blocks.begin()),
                        std::make_move_iterator(blocks.end()));
    Resized(slot.group, count, lines, chars);
  }
  void EraseInGroup(Slot slot, int count) {
    Group& group = groups_[slot.group];
    const int end = slot.index + count;
    const int lines = group.lines.Start(end) - group.lines.Start(slot.index);
    const std::int64_t chars = group.chars.Start(end) - group.chars.Start(slot.index);
    group.blocks.erase(group.blocks.begin() + slot.index, group.blocks.begin() + end);
    group.lines.Remove(slot.index, count);
    group.chars.Remove(slot.index, count);
    Resized(slot.group, -count, -lines, -chars);
    if (group.Size() == 0) EraseGroups(slot.group, 1);
  }
  void Resized(int group, int blocks, int lines, std::int64_t chars) {
    blocksOfGroups_.Resize(group, blocks);
    linesOfGroups_.Resize(group, lines);
    charsOfGroups_.Resize(group, chars);
  }

  // A group of the blocks; their sizes come from the blocks themselves.
  static Group MakeGroup(Blocks blocks) {
    Group group;
    group.lines.Reserve(static_cast<int>(blocks.size()));
    group.chars.Reserve(static_cast<int>(blocks.size()));
    for (const auto& block : blocks) {
      group.lines.Append(block->Count());
      group.chars.Append(block->CharSize());
    }
    group.blocks = std::move(blocks);
    return group;
  }
  // The groups before group `at` (0 <= at <= GroupCount()).
  void InsertMadeGroups(int at, std::vector<Group> made) {
    const int count = static_cast<int>(made.size());
    blocksOfGroups_.InsertEmpty(at, count);
    linesOfGroups_.InsertEmpty(at, count);
    charsOfGroups_.InsertEmpty(at, count);
    for (int k = 0; k < count; ++k)
      Resized(at + k, made[k].Size(), made[k].lines.Total(), made[k].chars.Total());
    groups_.insert(groups_.begin() + at, std::make_move_iterator(made.begin()),
                   std::make_move_iterator(made.end()));
  }
  // The blocks as groups of groupBlocks_ before group `at`; gives how many.
  int InsertGroups(int at, Blocks blocks) {
    std::vector<Group> made;
    for (std::size_t first = 0; first < blocks.size();) {
      const std::size_t last = std::min(blocks.size(), first + std::size_t(groupBlocks_));
      made.push_back(MakeGroup(Blocks(std::make_move_iterator(blocks.begin() + first),
                                      std::make_move_iterator(blocks.begin() + last))));
      first = last;
    }
    const int added = static_cast<int>(made.size());
    InsertMadeGroups(at, std::move(made));
    return added;
  }
  void EraseGroups(int at, int count) {
    groups_.erase(groups_.begin() + at, groups_.begin() + at + count);
    blocksOfGroups_.Remove(at, count);
    linesOfGroups_.Remove(at, count);
    charsOfGroups_.Remove(at, count);
  }
  // Moves the blocks from `index` on into a new group after `group`.
  void SplitGroup(int group, int index) {
    Group& head = groups_[group];
    Blocks tail(std::make_move_iterator(head.blocks.begin() + index),
                std::make_move_iterator(head.blocks.end()));
    const int count = head.Size() - index;
    head.blocks.resize(static_cast<std::size_t>(index));
    head.blocks.shrink_to_fit();
    head.lines.Remove(index, count);
    head.chars.Remove(index, count);
    std::vector<Group> made;
    made.push_back(MakeGroup(std::move(tail)));
    Resized(group, -count, -made[0].lines.Total(), -made[0].chars.Total());
    InsertMadeGroups(group + 1, std::move(made));
  }
  // The group that block `at` will start; splits the group holding it.
  int SplitGroupBefore(int at) {
    if (at == Count()) return GroupCount();
    const Slot slot = SlotOf(at);
    if (slot.index == 0) return slot.group;
    SplitGroup(slot.group, slot.index);
    return slot.group + 1;
  }
  // Joins group `at` with the next one when together they fit one group.
  void MergeGroupsIfSmall(int at) {
    if (at < 0 || at + 1 >= GroupCount() ||
        groups_[at].Size() + groups_[at + 1].Size() > groupBlocks_)
      return;
    Group& group = groups_[at];
    Group& next = groups_[at + 1];
    for (int k = 0; k < next.Size(); ++k) {
      group.lines.Append(next.lines.Size(k));
      group.chars.Append(next.chars.Size(k));
    }
    group.blocks.insert(group.blocks.end(), std::make_move_iterator(next.blocks.begin()),
                        std::make_move_iterator(next.blocks.end()));
    const int blocks = next.Size();
    const int lines = next.lines.Total();
    const std::int64_t chars = next.chars.Total();
    EraseGroups(at + 1, 1);
    Resized(at, blocks, lines, chars);
  }

  std::vector<Group> groups_;
  TScribStepPartition<int> blocksOfGroups_;
  TScribStepPartition<int> linesOfGroups_;
  TScribStepPartition<std::int64_t> charsOfGroups_;
  int groupBlocks_ = 256;
  std::uint64_t lineLayout_ = 1;  // changes whenever lines move between blocks
  mutable int lastGroup_ = 0;     // where the last lookup by index ended
  mutable Cached lastFound_;
};
