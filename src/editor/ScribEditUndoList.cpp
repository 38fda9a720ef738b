#include "editor/ScribEditUndoList.h"

#include <utility>

void TScribEditUndoList::AdvanceChangeNumber() {
  // Wraps around like a 32-bit counter; 0 means "no change" and -1 "saved
  // state unreachable", so neither may become a record's number.
  do {
    nextChangeNumber_ =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(nextChangeNumber_) + 1u);
  } while (nextChangeNumber_ == 0 || nextChangeNumber_ == -1);
}

void TScribEditUndoList::AddChange(TScribChangeReason reason, const TBufferCoord& start,
                                   const TBufferCoord& end, const std::string& text,
                                   TScribSelectionMode selMode) {
  if (lockCount_ > 0) return;
  TScribEditUndoItem item{reason, selMode, start, end, text, blockChangeNumber_};
  if (blockChangeNumber_ == 0) {
    item.ChangeNumber = nextChangeNumber_;
    AdvanceChangeNumber();
  }
  PushItem(std::move(item));
}

void TScribEditUndoList::BeginBlock() {
  ++blockCount_;
  blockChangeNumber_ = nextChangeNumber_;
}

void TScribEditUndoList::EndBlock() {
  if (blockCount_ == 0) return;
  if (--blockCount_ > 0) return;
  const std::int32_t finished = blockChangeNumber_;
  blockChangeNumber_ = 0;
  AdvanceChangeNumber();
  if (!items_.empty() && items_.back().ChangeNumber == finished) FireAddedUndo();
}

void TScribEditUndoList::AddGroupBreak() {
  if (LastChangeReason() == urGroupBreak) return;
  AddChange(urGroupBreak, TBufferCoord{0, 0}, TBufferCoord{0, 0}, std::string(), smNormal);
}

std::optional<TScribEditUndoItem> TScribEditUndoList::PopItem() {
  if (items_.empty()) return std::nullopt;
  TScribEditUndoItem item = std::move(items_.back());
  items_.pop_back();
  return item;
}

void TScribEditUndoList::PushItem(TScribEditUndoItem item) {
  const bool isGroupBreak = item.ChangeReason == urGroupBreak;
  items_.push_back(std::move(item));
  TrimToMax();
  if (!isGroupBreak) FireAddedUndo();
}

void TScribEditUndoList::TrimToMax() {
  if (items_.size() <= static_cast<std::size_t>(maxUndoActions_)) return;
  fullUndoImpossible_ = true;
  // The empty list no longer stands for the saved state once records under
  // it are gone; without this an emptied list would claim "unmodified".
  if (initialChangeNumber_ == 0) initialChangeNumber_ = -1;
  while (items_.size() > static_cast<std::size_t>(maxUndoActions_)) items_.pop_front();
}

void TScribEditUndoList::FireAddedUndo() {
  if (OnAddedUndo) OnAddedUndo(*this);
}

TScribChangeReason TScribEditUndoList::LastChangeReason() const {
  return items_.empty() ? urNothing : items_.back().ChangeReason;
}

void TScribEditUndoList::Clear() {
  items_.clear();
  fullUndoImpossible_ = false;
}

void TScribEditUndoList::Unlock() {
  if (lockCount_ > 0) --lockCount_;
}

void TScribEditUndoList::SetMaxUndoActions(int maxUndoActions) {
  if (maxUndoActions < 0) maxUndoActions = 0;
  if (maxUndoActions == maxUndoActions_) return;
  maxUndoActions_ = maxUndoActions;
  TrimToMax();
}

bool TScribEditUndoList::InitialState() const {
  return items_.empty() ? initialChangeNumber_ == 0
                        : items_.back().ChangeNumber == initialChangeNumber_;
}

void TScribEditUndoList::SetInitialState(bool initialState) {
  if (initialState)
    initialChangeNumber_ = items_.empty() ? 0 : items_.back().ChangeNumber;
  else if (InitialState())
    initialChangeNumber_ = -1;
}

void TScribEditUndoList::Assign(const TScribEditUndoList& other) {
  if (&other == this) return;
  Clear();
  items_ = other.items_;
  blockChangeNumber_ = other.blockChangeNumber_;
  blockCount_ = other.blockCount_;
  fullUndoImpossible_ = other.fullUndoImpossible_;
  lockCount_ = other.lockCount_;
  maxUndoActions_ = other.maxUndoActions_;
  nextChangeNumber_ = other.nextChangeNumber_;
  initialChangeNumber_ = other.initialChangeNumber_;
  insideRedo_ = other.insideRedo_;
}
