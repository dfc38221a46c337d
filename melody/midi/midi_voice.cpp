#include "melody/midi/midi_voice.h"

namespace pdx::melody {

void VoiceTracker::note(int64_t at, int key, int pitch, bool on) {
  advance(at);
  stopKey(key);
  if (on) {
    const Sounding s{pitch, at, ++read_};
    sounding_.insert(s);
    byKey_[key] = s;
  }
}

void VoiceTracker::end(int64_t at) {
  advance(at);
  sounding_.clear();
  byKey_.clear();
  if (pending_.end > pending_.start) {
    sink_(pending_);
  }
  pending_ = {-1, at, at};
  pendingId_ = 0;
}

void VoiceTracker::advance(int64_t to) {
  if (to <= at_) {
    return;
  }
  chords_ = chords_ || sounding_.size() > 1;
  const uint64_t id = sounding_.empty() ? 0 : std::get<2>(*sounding_.rbegin());
  if (id != pendingId_ && pending_.end > pending_.start) {
    sink_(pending_);
    pending_ = {-1, at_, at_};
  }
  pending_.pitch = sounding_.empty() ? -1 : std::get<0>(*sounding_.rbegin());
  pending_.end = to;
  pendingId_ = id;
  at_ = to;
}

void VoiceTracker::stopKey(int key) {
  const auto it = byKey_.find(key);
  if (it != byKey_.end()) {
    sounding_.erase(it->second);
    byKey_.erase(it);
  }
}

} // namespace pdx::melody
