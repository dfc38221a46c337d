// Transposition and the editor's own clipboard.
#include "melody/score/score_editor.h"

#include <algorithm>
#include <vector>

namespace pdx::melody {

bool ScoreEditor::Transpose(int step) {
  if (melody_ == nullptr) {
    return false;
  }
  const int begin = hasSelection() ? selStart_ : 0;
  const int end = hasSelection() ? selEnd_ : count();
  bool leaves = false;
  bool anyNote = false;
  for (int i = begin; i < end; ++i) {
    if (kindOf(melody_->at(i).code) == EntryKind::Note) {
      anyNote = true;
      leaves = leaves || !isPlayablePitch(pitchOf(melody_->at(i).code) + step);
    }
  }
  if (leaves &&
      !host_.askYesNo(pdx::text::translate("pdx::melody::ScoreEditor", kOutOfRangeQuestion.data()))) {
    return false;
  }
  for (int i = begin; i < end; ++i) {
    if (kindOf(melody_->at(i).code) == EntryKind::Note) {
      const int pitch = std::clamp(pitchOf(melody_->at(i).code) + step, kLowestPlayable, kHighestPlayable);
      melody_->setNoteCode(i, codeOfPitch(pitch));
    }
  }
  if (anyNote) {
    melody_->markModified();
  }
  return true;
}

void ScoreEditor::Copy() {
  if (!hasSelection()) {
    return;
  }
  clipboard_.clearEntries();
  for (int i = selStart_; i < selEnd_; ++i) {
    clipboard_.appendIfFits(melody_->at(i));
  }
}

void ScoreEditor::Cut() {
  if (!hasSelection()) {
    return;
  }
  Copy();
  DeleteEntries(selStart_, selEnd_ - selStart_);
}

void ScoreEditor::Paste() {
  if (melody_ == nullptr || clipboard_.empty() || host_.isPlaying()) {
    return;
  }
  // The selection is only replaced when the pasted entries fit in its place,
  // so a refused paste loses nothing.
  CMelody trial = *melody_;
  int position = cursor_;
  if (hasSelection()) {
    trial.eraseRaw(selStart_, selEnd_ - selStart_);
    position = selStart_;
  }
  const int length = encodedLengthAfterInsert(trial, position, clipboard_.entries());
  if (trial.count() + clipboard_.count() > kMaxEntries || length >= kEncodedLimit) {
    host_.silence();
    host_.showMessage(pdx::text::translate("pdx::melody::ScoreEditor", kCannotAddMore.data()));
    return;
  }
  if (hasSelection()) {
    DeleteEntries(selStart_, selEnd_ - selStart_);
  }
  const std::vector<NoteEntry> block(clipboard_.entries().begin(), clipboard_.entries().end());
  InsertEntries(cursor_, block);
}

void ScoreEditor::SelectAll() {
  setSelection(0, count());
}

} // namespace pdx::melody
