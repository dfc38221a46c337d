#include "melody/midi/midi_reader.h"

#include <algorithm>
#include <map>

namespace pdx::melody {

namespace {

// Notes a file may hold before it is refused, so that a small file cannot
// ask for unbounded memory.
constexpr size_t kMaxNotes = 1u << 20;

struct Damaged {
  std::string why;
};

class Cursor {
public:
  explicit Cursor(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  bool atEnd() const { return pos_ >= bytes_.size(); }
  size_t left() const { return bytes_.size() - pos_; }
  uint8_t byte() {
    need(1);
    return bytes_[pos_++];
  }
  uint8_t peek() {
    need(1);
    return bytes_[pos_];
  }
  uint32_t be(int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) {
      v = (v << 8) | byte();
    }
    return v;
  }
  // A variable-length quantity of at most four bytes.
  uint32_t vlq() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const uint8_t b = byte();
      v = (v << 7) | (b & 0x7F);
      if ((b & 0x80) == 0) {
        return v;
      }
    }
    throw Damaged{"길이 값이 잘못되었습니다."};
  }
  std::span<const uint8_t> take(size_t n) {
    need(n);
    const auto out = bytes_.subspan(pos_, n);
    pos_ += n;
    return out;
  }

private:
  void need(size_t n) const {
    if (left() < n) {
      throw Damaged{"파일이 중간에 끊겼습니다."};
    }
  }
  std::span<const uint8_t> bytes_;
  size_t pos_ = 0;
};

class TrackReader {
public:
  TrackReader(MidiSong &song, size_t &noteCount) : song_(song), noteCount_(noteCount) {}

  void read(std::span<const uint8_t> data) {
    Cursor in(data);
    MidiTrack track;
    int64_t now = 0;
    // Running status: the last channel status; meta and system-exclusive
    // events in between leave it (some writers rely on that).
    uint8_t running = 0;
    while (!in.atEnd()) {
      now += in.vlq();
      const uint8_t first = in.byte();
      if (first == 0xFF) {
        if (meta(in, track, now)) {
          break;
        }
      } else if (first == 0xF0 || first == 0xF7) {
        in.take(in.vlq());
      } else if (first > 0xF0) {
        throw Damaged{"파일에 둘 수 없는 시스템 메시지가 있습니다."};
      } else if (first >= 0x80) {
        running = first;
        channel(in, track, now, running, in.byte());
      } else if (running == 0) {
        throw Damaged{"상태 바이트가 없는 데이터가 있습니다."};
      } else {
        channel(in, track, now, running, first);
      }
    }
    closeHanging(track, now);
    track.end = now;
    song_.tracks.push_back(std::move(track));
  }

private:
  // True at the end of the track.
  bool meta(Cursor &in, MidiTrack &track, int64_t now) {
    const uint8_t type = in.byte();
    const auto data = in.take(in.vlq());
    if (type == 0x2F) {
      return true;
    }
    if (type == 0x51 && data.size() == 3) {
      const uint32_t us = (uint32_t{data[0]} << 16) | (uint32_t{data[1]} << 8) | data[2];
      if (us > 0) {
        song_.tempos.push_back({now, us});
      }
    } else if (type == 0x03 && track.name.empty()) {
      track.name.assign(data.begin(), data.end());
    }
    return false;
  }

  void channel(Cursor &in, MidiTrack &track, int64_t now, uint8_t status, uint8_t first) {
    const int kind = status >> 4;
    const int ch = status & 0x0F;
    const bool twoBytes = kind != 0xC && kind != 0xD;
    const uint8_t second = twoBytes ? in.byte() : 0;
    if ((first | second) & 0x80) {
      throw Damaged{"채널 메시지의 데이터가 잘못되었습니다."};
    }
    const int key = ch * 128 + first;
    if (kind == 0x9 && second > 0) {
      noteOff(track, key, now);
      if (++noteCount_ > kMaxNotes) {
        throw Damaged{"음표가 너무 많습니다."};
      }
      open_[key] = track.notes.size();
      track.notes.push_back({now, now, first, ch});
    } else if (kind == 0x8 || kind == 0x9) {
      noteOff(track, key, now);
    }
  }

  void noteOff(MidiTrack &track, int key, int64_t now) {
    const auto it = open_.find(key);
    if (it != open_.end()) {
      track.notes[it->second].end = now;
      open_.erase(it);
    }
  }

  void closeHanging(MidiTrack &track, int64_t now) {
    for (const auto &[key, index] : open_) {
      track.notes[index].end = now;
    }
    open_.clear();
  }

  MidiSong &song_;
  size_t &noteCount_;
  std::map<int, size_t> open_; // channel x 128 + pitch -> sounding note
};

MidiSong readSong(std::span<const uint8_t> bytes) {
  Cursor in(bytes);
  if (in.left() < 14 || in.be(4) != 0x4D546864) {
    throw Damaged{"MIDI 파일이 아닙니다."};
  }
  const uint32_t headerLength = in.be(4);
  if (headerLength < 6) {
    throw Damaged{"MIDI 파일의 머리말이 잘못되었습니다."};
  }
  MidiSong song;
  song.format = static_cast<int>(in.be(2));
  const uint32_t trackCount = in.be(2);
  const uint32_t division = in.be(2);
  in.take(headerLength - 6);
  if (song.format > 2) {
    throw Damaged{"지원하지 않는 MIDI 형식입니다."};
  }
  if (division == 0 || (division & 0x8000) != 0) {
    throw Damaged{"지원하지 않는 MIDI 시간 단위입니다."};
  }
  song.division = static_cast<int>(division);
  size_t noteCount = 0;
  while (song.tracks.size() < trackCount && !in.atEnd()) {
    const uint32_t id = in.be(4);
    const auto data = in.take(in.be(4));
    if (id == 0x4D54726B) {
      TrackReader(song, noteCount).read(data);
    }
  }
  if (song.tracks.size() < trackCount) {
    throw Damaged{"트랙이 머리말보다 적습니다."};
  }
  std::stable_sort(song.tempos.begin(), song.tempos.end(),
                   [](const MidiTempo &a, const MidiTempo &b) { return a.at < b.at; });
  return song;
}

} // namespace

MidiReadResult readMidi(std::span<const uint8_t> bytes) {
  try {
    return {readSong(bytes), {}};
  } catch (const Damaged &d) {
    return {std::nullopt, d.why};
  }
}

} // namespace pdx::melody
