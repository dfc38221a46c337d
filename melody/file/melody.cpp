#include "melody/file/melody.h"

#include <algorithm>

namespace pdx::melody {

int entryCost(const NoteEntry &entry, int previous) {
  switch (kindOf(entry.code)) {
  case EntryKind::Note:
  case EntryKind::Rest:
    return previous == entry.duration ? 1 : 2;
  case EntryKind::Mark:
    return 1;
  default:
    return 0;
  }
}

int encodedLengthOf(std::span<const NoteEntry> entries) {
  int length = 0;
  int previous = -1;
  for (const NoteEntry &entry : entries) {
    length += entryCost(entry, previous);
    if (isTimed(entry.code)) {
      previous = entry.duration;
    }
  }
  return length;
}

void CMelody::SetTempo(uint16_t tempo) {
  tempo_ = tempo;
  modified_ = true;
}

void CMelody::SetKey(uint16_t key) {
  key_ = key;
  modified_ = true;
}

void CMelody::insertRaw(int position, std::span<const NoteEntry> block, int newEncodedLength) {
  const auto n = static_cast<int>(block.size());
  const auto begin = notes_.begin();
  std::copy_backward(begin + position, begin + count_, begin + count_ + n);
  std::copy(block.begin(), block.end(), begin + position);
  count_ += n;
  encodedLength_ = newEncodedLength;
  modified_ = true;
}

bool CMelody::eraseRaw(int position, int n) {
  if (n < 0 || position < 0 || position >= count_ || n > count_ - position) {
    return false;
  }
  const auto begin = notes_.begin();
  std::copy(begin + position + n, begin + count_, begin + position);
  std::fill(begin + count_ - n, begin + count_, NoteEntry{});
  count_ -= n;
  if (n > 0) {
    modified_ = true;
  }
  recomputeEncodedLength();
  return true;
}

bool CMelody::appendIfFits(const NoteEntry &entry) {
  if (count_ >= kMaxEntries) {
    return false;
  }
  int previous = -1;
  for (int i = count_ - 1; i >= 0; --i) {
    if (isTimed(notes_[static_cast<size_t>(i)].code)) {
      previous = notes_[static_cast<size_t>(i)].duration;
      break;
    }
  }
  const int length = encodedLength_ + entryCost(entry, previous);
  if (length >= kEncodedLimit) {
    return false;
  }
  notes_[static_cast<size_t>(count_++)] = entry;
  encodedLength_ = length;
  return true;
}

void CMelody::clearEntries() {
  notes_.fill(NoteEntry{});
  count_ = 0;
  encodedLength_ = 0;
}

void CMelody::assignStored(std::span<const NoteEntry> entries) {
  notes_.fill(NoteEntry{});
  count_ = static_cast<int>(std::min(entries.size(), notes_.size()));
  std::copy_n(entries.begin(), count_, notes_.begin());
}

void CMelody::cutFromEndTo(int limit) {
  if (encodedLength_ <= limit) {
    return;
  }
  // Prefix lengths never decrease, so the longest prefix within the limit is
  // what dropping entries from the end one at a time leaves.
  int length = 0;
  int previous = -1;
  int keep = 0;
  for (; keep < count_; ++keep) {
    const NoteEntry &entry = notes_[static_cast<size_t>(keep)];
    const int next = length + entryCost(entry, previous);
    if (next > limit) {
      break;
    }
    length = next;
    if (isTimed(entry.code)) {
      previous = entry.duration;
    }
  }
  std::fill(notes_.begin() + keep, notes_.begin() + count_, NoteEntry{});
  count_ = keep;
  encodedLength_ = length;
}

} // namespace pdx::melody
