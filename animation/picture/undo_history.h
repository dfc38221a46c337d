// Snapshots of the picture bytes for Undo and Redo, at most 100, the
// current state included.
#pragma once

#include "animation/file/mono_picture.h"

#include <vector>

namespace pdx::animation {

class CUndoHistory {
public:
  static constexpr size_t kLimit = 100;

  void Clear();
  // Records the state after a change; states Redo could reach are dropped.
  void Push(const CMonoPicture::Bits &bits);
  // Restores the previous state into `bits`; false when there is none.
  [[nodiscard]] bool Undo(CMonoPicture::Bits &bits);
  // Restores the state undone last into `bits`; false when there is none.
  [[nodiscard]] bool Redo(CMonoPicture::Bits &bits);
  bool CanUndo() const;
  bool CanRedo() const;

  size_t size() const { return snapshots_.size(); }
  size_t position() const { return position_; }

private:
  std::vector<CMonoPicture::Bits> snapshots_;
  // After a push, the number of snapshots; after Undo or Redo, the index of
  // the snapshot shown.
  size_t position_ = 0;
};

} // namespace pdx::animation
