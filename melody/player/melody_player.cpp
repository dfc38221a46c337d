#include "melody/player/melody_player.h"

#include <algorithm>

namespace pdx::melody {

namespace {

// Entries that may pass without any time passing before play gives up: a
// melody whose loop holds nothing that lasts (only marks, or notes of no
// length) would otherwise never let the program respond again.
constexpr long kMaxSilentSteps = static_cast<long>(kMaxEntries) * (RepeatMemory::kCapacity + 2);

} // namespace

bool RepeatMemory::forgetIfRemembered(int index) {
  if (std::find(indices_.begin(), indices_.begin() + count_, index) == indices_.begin() + count_) {
    return false;
  }
  --count_;
  return true;
}

bool RepeatMemory::remember(int index) {
  if (count_ == kCapacity) {
    return false;
  }
  indices_[static_cast<size_t>(count_++)] = index;
  return true;
}

void CMelodyPlayer::SetMelody(const CMelody *melody) {
  melody_ = melody;
  playing_ = false;
  position_ = 0;
  repeats_.clear();
}

bool CMelodyPlayer::Play(int start, int end) {
  if (melody_ == nullptr) {
    return false;
  }
  playing_ = true;
  if (start == -1) {
    start = position_;
  } else {
    position_ = start;
    repeats_.clear();
  }
  const int count = melody_->count();
  if (end == -1) {
    end = count;
  }
  if (start >= count || start < 0) {
    start = 0;
  }
  end = std::min(end, kMaxEntries);
  timer_.setTempo(melody_->tempo());
  int i = start;
  long silentSteps = 0;
  while (i < end && playing_) {
    position_ = i + 1;
    const NoteEntry entry = melody_->at(i);
    if (isTimed(entry.code)) {
      Sound(output_, entry.code);
      const bool lasts = timer_.noteLength(entry.duration).count() > 0;
      timer_.WaitTicks(entry.duration);
      silentSteps = lasts ? 0 : silentSteps + 1;
    } else {
      ++silentSteps;
    }
    if (silentSteps > kMaxSilentSteps) {
      break;
    }
    if (entry.code == kRightRepeat) {
      i = afterRightRepeat(i);
    } else if (entry.code == kEndMark) {
      i = 0;
    } else {
      ++i;
    }
  }
  playing_ = false;
  ToneOff(output_);
  return i >= end;
}

int CMelodyPlayer::afterRightRepeat(int i) {
  // A full memory ignores further signs: play goes on after them.
  if (repeats_.forgetIfRemembered(i) || !repeats_.remember(i)) {
    return i + 1;
  }
  for (int j = i - 1; j >= 0; --j) {
    if (melody_->at(j).code == kLeftRepeat) {
      return j;
    }
  }
  return 0;
}

void CMelodyPlayer::Pause() {
  timer_.Cancel();
  ToneOff(output_);
  playing_ = false;
}

void CMelodyPlayer::Stop() {
  Pause();
  Rewind();
}

void CMelodyPlayer::Rewind() {
  position_ = 0;
  repeats_.clear();
}

bool playFromEditor(CMelodyPlayer &player, const PlayRequest &request) {
  if (request.hasSelection) {
    player.ForgetRepeats();
    return player.Play(request.selectionStart, request.selectionEnd);
  }
  const int count = player.melody() ? player.melody()->count() : 0;
  const int c = request.cursor;
  if (c == 0 || c == count) {
    return player.Play(0, -1);
  }
  if (c == player.position()) {
    return player.Play(-1, -1);
  }
  return player.Play(c, -1);
}

} // namespace pdx::melody
