#include "melody/midi/midi_reader.h"

#include "core/base/user_text.h"

namespace pdx::melody {

namespace {

// Data bytes of the system common messages F1 to F6; real-time messages
// (F8 to FE) have none.
constexpr int systemDataBytes(uint8_t status) {
  return status == 0xF2 ? 2 : status == 0xF1 || status == 0xF3 ? 1 : 0;
}

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
    throw Damaged{pdx::text::translate("pdx::melody::MidiReader", "길이 값이 잘못되었습니다.")};
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
      throw Damaged{pdx::text::translate("pdx::melody::MidiReader", "파일이 중간에 끊겼습니다.")};
    }
  }
  std::span<const uint8_t> bytes_;
  size_t pos_ = 0;
};

class TrackReader {
public:
  TrackReader(MidiHandler &handler, int &skipped) : handler_(handler), skipped_(skipped) {}

  void read(std::span<const uint8_t> data) {
    Cursor in(data);
    int64_t now = 0;
    // Running status: the last channel status; meta, system-exclusive and
    // system messages in between leave it (some writers rely on that).
    uint8_t running = 0;
    while (!in.atEnd()) {
      now += in.vlq();
      const uint8_t first = in.byte();
      if (first == 0xFF) {
        if (meta(in, now)) {
          break;
        }
      } else if (first == 0xF0 || first == 0xF7) {
        in.take(in.vlq());
      } else if (first > 0xF0) {
        skipSystem(in, first);
      } else if (first >= 0x80) {
        running = first;
        channel(in, now, running, in.byte());
      } else if (running == 0) {
        throw Damaged{
            pdx::text::translate("pdx::melody::MidiReader", "상태 바이트가 없는 데이터가 있습니다.")};
      } else {
        channel(in, now, running, first);
      }
    }
    handler_.trackEnd(now);
  }

private:
  // True at the end of the track.
  bool meta(Cursor &in, int64_t now) {
    const uint8_t type = in.byte();
    const auto data = in.take(in.vlq());
    if (type == 0x2F) {
      return true;
    }
    if (type == 0x51 && data.size() == 3) {
      const uint32_t us = (uint32_t{data[0]} << 16) | (uint32_t{data[1]} << 8) | data[2];
      if (us > 0) {
        handler_.tempo(now, us);
      }
    } else if (type == 0x03 && !named_) {
      named_ = true;
      handler_.trackName({reinterpret_cast<const char *>(data.data()), data.size()});
    }
    return false;
  }

  void skipSystem(Cursor &in, uint8_t status) {
    ++skipped_;
    for (int i = systemDataBytes(status); i > 0 && !in.atEnd() && in.peek() < 0x80; --i) {
      in.byte();
    }
  }

  void channel(Cursor &in, int64_t now, uint8_t status, uint8_t first) {
    const int kind = status >> 4;
    const bool twoBytes = kind != 0xC && kind != 0xD;
    const uint8_t second = twoBytes ? in.byte() : 0;
    if ((first | second) & 0x80) {
      throw Damaged{
          pdx::text::translate("pdx::melody::MidiReader", "채널 메시지의 데이터가 잘못되었습니다.")};
    }
    if (kind == 0x8 || kind == 0x9) {
      handler_.note(now, status & 0x0F, first, kind == 0x9 && second > 0);
    }
  }

  MidiHandler &handler_;
  int &skipped_;
  bool named_ = false;
};

void readSong(std::span<const uint8_t> bytes, MidiHandler &handler, MidiReadResult &result) {
  Cursor in(bytes);
  if (in.left() < 14 || in.be(4) != 0x4D546864) {
    throw Damaged{pdx::text::translate("pdx::melody::MidiReader", "MIDI 파일이 아닙니다.")};
  }
  const uint32_t headerLength = in.be(4);
  if (headerLength < 6) {
    throw Damaged{pdx::text::translate("pdx::melody::MidiReader", "MIDI 파일의 머리말이 잘못되었습니다.")};
  }
  const uint32_t format = in.be(2);
  const uint32_t trackCount = in.be(2);
  const uint32_t division = in.be(2);
  in.take(headerLength - 6);
  if (format > 2) {
    throw Damaged{pdx::text::translate("pdx::melody::MidiReader", "지원하지 않는 MIDI 형식입니다.")};
  }
  if (division == 0 || (division & 0x8000) != 0) {
    throw Damaged{pdx::text::translate("pdx::melody::MidiReader", "지원하지 않는 MIDI 시간 단위입니다.")};
  }
  result.division = static_cast<int>(division);
  uint32_t tracks = 0;
  while (tracks < trackCount && !in.atEnd()) {
    const uint32_t id = in.be(4);
    const auto data = in.take(in.be(4));
    if (id == 0x4D54726B) {
      handler.trackStart(static_cast<int>(tracks++));
      TrackReader(handler, result.skippedSystemMessages).read(data);
    }
  }
  if (tracks < trackCount) {
    throw Damaged{pdx::text::translate("pdx::melody::MidiReader", "트랙이 머리말보다 적습니다.")};
  }
}

} // namespace

MidiReadResult readMidi(std::span<const uint8_t> bytes, MidiHandler &handler) {
  MidiReadResult result;
  try {
    readSong(bytes, handler, result);
    result.ok = true;
  } catch (const Damaged &d) {
    result.error = d.why;
  }
  return result;
}

} // namespace pdx::melody
