// The undo list and, as a second instance, the redo list of the editor.
//
// Invariants:
//  - the last record is the top;
//  - records added while a block is open (BlockChangeNumber() != 0) carry the
//    block's number, others get a fresh number each;
//  - InitialChangeNumber is the top's number at the saved state, 0 for the
//    empty list, -1 when the saved state can no longer be reached.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "editor/ScribEditUndoItem.h"

class TScribEditUndoList {
 public:
  using TNotifyEvent = std::function<void(TScribEditUndoList& sender)>;

  TScribEditUndoList() = default;
  TScribEditUndoList(const TScribEditUndoList&) = delete;
  TScribEditUndoList& operator=(const TScribEditUndoList&) = delete;

  // Records one change; nothing while locked.
  void AddChange(TScribChangeReason reason, const TBufferCoord& start, const TBufferCoord& end,
                 const std::string& text, TScribSelectionMode selMode);
  // Blocks nest; every change inside the outermost block shares one number.
  void BeginBlock();
  void EndBlock();
  // Appends a group break unless the top already is one.
  void AddGroupBreak();

  const TScribEditUndoItem* PeekItem() const { return items_.empty() ? nullptr : &items_.back(); }
  std::optional<TScribEditUndoItem> PopItem();
  void PushItem(TScribEditUndoItem item);

  TScribChangeReason LastChangeReason() const;
  bool CanUndo() const { return !items_.empty(); }
  int ItemCount() const { return static_cast<int>(items_.size()); }
  void Clear();

  void Lock() { ++lockCount_; }
  void Unlock();
  bool IsLocked() const { return lockCount_ > 0; }

  int MaxUndoActions() const { return maxUndoActions_; }
  void SetMaxUndoActions(int maxUndoActions);
  bool FullUndoImpossible() const { return fullUndoImpossible_; }

  // Whether the list stands where the document was last saved.
  bool InitialState() const;
  void SetInitialState(bool initialState);

  // The editor lends the redo list the undone action's number while it undoes.
  std::int32_t BlockChangeNumber() const { return blockChangeNumber_; }
  void SetBlockChangeNumber(std::int32_t number) { blockChangeNumber_ = number; }
  int BlockCount() const { return blockCount_; }
  bool InsideRedo() const { return insideRedo_; }
  void SetInsideRedo(bool insideRedo) { insideRedo_ = insideRedo; }

  // Copies every record and setting of `other`, not its event.
  void Assign(const TScribEditUndoList& other);

  // After a record other than a group break was added, and after an
  // outermost block that recorded something closed.
  TNotifyEvent OnAddedUndo;

 private:
  void AdvanceChangeNumber();
  void TrimToMax();
  void FireAddedUndo();

  std::deque<TScribEditUndoItem> items_;
  std::int32_t blockChangeNumber_ = 0;
  int blockCount_ = 0;
  bool fullUndoImpossible_ = false;
  int lockCount_ = 0;
  int maxUndoActions_ = 1024;
  std::int32_t nextChangeNumber_ = 1;
  std::int32_t initialChangeNumber_ = 0;
  bool insideRedo_ = false;
};
