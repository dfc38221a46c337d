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
  notes_.insert(notes_.begin() + position, block.begin(), block.end());
  encodedLength_ = newEncodedLength;
  modified_ = true;
}

bool CMelody::eraseRaw(int position, int n) {
  if (n < 0 || position < 0 || position >= count() || n > count() - position) {
    return false;
  }
  notes_.erase(notes_.begin() + position, notes_.begin() + position + n);
  if (n > 0) {
    modified_ = true;
  }
  recomputeEncodedLength();
  return true;
}

bool CMelody::appendIfFits(const NoteEntry &entry) {
  if (count() >= kMaxEntries) {
    return false;
  }
  int previous = -1;
  for (auto it = notes_.rbegin(); it != notes_.rend(); ++it) {
    if (isTimed(it->code)) {
      previous = it->duration;
      break;
    }
  }
  const int length = encodedLength_ + entryCost(entry, previous);
  if (length >= kEncodedLimit) {
    return false;
  }
  notes_.push_back(entry);
  encodedLength_ = length;
  return true;
}

void CMelody::clearEntries() {
  notes_.clear();
  encodedLength_ = 0;
}

void CMelody::assignStored(std::span<const NoteEntry> entries) {
  notes_.assign(entries.begin(), entries.begin() + std::min<size_t>(entries.size(), kMaxEntries));
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
  for (; keep < count(); ++keep) {
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
  notes_.resize(static_cast<size_t>(keep));
  encodedLength_ = length;
}

} // namespace pdx::melody
