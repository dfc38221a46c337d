#include "animation/picture/undo_history.h"

namespace pdx::animation {

void CUndoHistory::Clear() {
  snapshots_.clear();
  position_ = 0;
}

void CUndoHistory::Push(const CMonoPicture::Bits &bits) {
  if (snapshots_.size() > position_ + 1) {
    snapshots_.resize(position_ + 1);
  }
  if (position_ >= kLimit) {
    snapshots_.erase(snapshots_.begin());
  }
  snapshots_.push_back(bits);
  position_ = snapshots_.size();
}

bool CUndoHistory::CanUndo() const {
  return position_ > 0 && snapshots_.size() > 1;
}

bool CUndoHistory::CanRedo() const {
  return position_ + 1 < snapshots_.size();
}

bool CUndoHistory::Undo(CMonoPicture::Bits &bits) {
  if (!CanUndo()) {
    return false;
  }
  if (position_ == snapshots_.size() && position_ > 1) {
    --position_;
  }
  bits = snapshots_[position_ - 1];
  --position_;
  return true;
}

bool CUndoHistory::Redo(CMonoPicture::Bits &bits) {
  if (!CanRedo()) {
    return false;
  }
  bits = snapshots_[position_ + 1];
  ++position_;
  return true;
}

} // namespace pdx::animation
