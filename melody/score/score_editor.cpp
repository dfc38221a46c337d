#include "melody/score/score_editor.h"

#include <algorithm>

namespace pdx::melody {

namespace {

int lastTimedDurationBefore(const CMelody &melody, int position) {
  for (int i = position - 1; i >= 0; --i) {
    if (isTimed(melody.at(i).code)) {
      return melody.at(i).duration;
    }
  }
  return -1;
}

bool withinLimits(int count, int encodedLength) {
  return count <= kMaxEntries && encodedLength < kEncodedLimit;
}

} // namespace

int encodedLengthAfterInsert(const CMelody &melody, int position, std::span<const NoteEntry> block) {
  const int before = lastTimedDurationBefore(melody, position);
  int previous = before;
  int cost = 0;
  for (const NoteEntry &entry : block) {
    cost += entryCost(entry, previous);
    if (isTimed(entry.code)) {
      previous = entry.duration;
    }
  }
  for (int i = position; i < melody.count(); ++i) {
    if (isTimed(melody.at(i).code)) {
      cost += entryCost(melody.at(i), previous) - entryCost(melody.at(i), before);
      break;
    }
  }
  return melody.encodedLength() + cost;
}

void ScoreEditor::setMelody(CMelody *melody) {
  melody_ = melody;
  cursor_ = count();
  clearSelection();
  anchor_.reset();
}

bool ScoreEditor::hasSelection() const {
  return selStart_ >= 0 && selStart_ < selEnd_ && selEnd_ <= count();
}

void ScoreEditor::chooseNoteTool(int tool) {
  if (isWholeTool(tool)) {
    dotted_ = false;
  }
  noteTool_ = tool;
}

void ScoreEditor::toggleDotted() {
  dotted_ = !dotted_;
}

void ScoreEditor::noteKeyPress(bool ctrlR) {
  ctrlRCount_ = ctrlR ? ctrlRCount_ + 1 : 0;
  if (ctrlRCount_ == 3) {
    separate_ = !separate_;
    ctrlRCount_ = 0;
  }
}

bool ScoreEditor::InsertEntries(int position, std::span<const NoteEntry> entries) {
  if (melody_ == nullptr || host_.isPlaying() || entries.empty() || position < 0 || position > count()) {
    return false;
  }
  const auto n = static_cast<int>(entries.size());
  if (!withinLimits(count() + n, encodedLengthAfterInsert(*melody_, position, entries))) {
    host_.silence();
    host_.showMessage(pdx::text::translate("pdx::melody::ScoreEditor", kCannotAddMore.data()));
    return false;
  }
  int separators = 0;
  const NoteEntry &first = entries.front();
  const NoteEntry &last = entries.back();
  if (separate_ && kindOf(last.code) == EntryKind::Note && position < count() &&
      melody_->at(position).code == last.code) {
    separators += insertSeparator(position);
  }
  // The block was accepted: a separator that leaves no room for it goes.
  if (!withinLimits(count() + n, encodedLengthAfterInsert(*melody_, position, entries))) {
    melody_->eraseRaw(position, separators);
    separators = 0;
  }
  melody_->insertRaw(position, entries, encodedLengthAfterInsert(*melody_, position, entries));
  if (separate_ && kindOf(first.code) == EntryKind::Note && position > 0 &&
      melody_->at(position - 1).code == first.code) {
    separators += insertSeparator(position);
  }
  dotted_ = false;
  host_.rewindPlayer();
  const int inserted = n + separators;
  cursor_ = position + inserted;
  if (selStart_ >= position) {
    selStart_ += inserted;
  }
  if (selEnd_ >= position) {
    selEnd_ += inserted;
  }
  return true;
}

int ScoreEditor::insertSeparator(int position) {
  const NoteEntry rest{kThirtySecond, kRest};
  const std::span<const NoteEntry> block(&rest, 1);
  const int length = encodedLengthAfterInsert(*melody_, position, block);
  if (!withinLimits(count() + 1, length)) {
    return 0;
  }
  melody_->insertRaw(position, block, length);
  return 1;
}

bool ScoreEditor::insertNoteCode(uint16_t code) {
  const NoteEntry entry{currentDuration(), code};
  return InsertEntries(cursor_, std::span<const NoteEntry>(&entry, 1));
}

bool ScoreEditor::EnterNote(int octave, int semitone) {
  if (host_.isPlaying()) {
    return false;
  }
  const auto note = adjustForKey({octave, semitone}, accidental_, melody_ ? melody_->key() : 0);
  accidental_ = Accidental::None;
  return note && insertNoteCode(*noteCode(*note));
}

bool ScoreEditor::EnterPitch(int octave, int semitone) {
  const auto code = noteCode({octave, semitone});
  return code && insertNoteCode(*code);
}

bool ScoreEditor::EnterRest(int restTool) {
  if (isWholeTool(restTool)) {
    dotted_ = false;
  }
  const NoteEntry entry{toolDuration(restTool, dotted_), kRest};
  return InsertEntries(cursor_, std::span<const NoteEntry>(&entry, 1));
}

bool ScoreEditor::insertMark(uint16_t code) {
  const NoteEntry entry{0, code};
  return InsertEntries(cursor_, std::span<const NoteEntry>(&entry, 1));
}

bool ScoreEditor::DeleteEntries(int position, int n) {
  if (melody_ == nullptr || !melody_->eraseRaw(position, n)) {
    return false;
  }
  cursor_ = position;
  if (!host_.isPlaying()) {
    host_.rewindPlayer();
  }
  const auto shift = [&](int &boundary) {
    if (boundary > position) {
      boundary = std::max(position, boundary - n);
    }
  };
  shift(selStart_);
  shift(selEnd_);
  if (!hasSelection()) {
    clearSelection();
  }
  return true;
}

void ScoreEditor::Backspace() {
  if (cursor_ > 0 && count() > 0) {
    DeleteEntries(cursor_ - 1, 1);
  }
}

void ScoreEditor::DeleteForward() {
  if (cursor_ >= count()) {
    return;
  }
  if (hasSelection()) {
    DeleteEntries(selStart_, selEnd_ - selStart_);
  } else {
    DeleteEntries(cursor_, 1);
  }
}

bool ScoreEditor::SetTempo(int tempo) {
  if (melody_ == nullptr || tempo < 30 || tempo > 255) {
    return false;
  }
  melody_->SetTempo(static_cast<uint16_t>(tempo));
  return true;
}

bool ScoreEditor::SetKey(uint16_t keyId) {
  if (melody_ == nullptr || !isKnownKey(keyId)) {
    return false;
  }
  melody_->SetKey(keyId);
  return true;
}

} // namespace pdx::melody
