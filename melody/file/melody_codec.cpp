#include "melody/file/melody_codec.h"

#include "core/base/bytes.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace pdx::melody {

namespace {

constexpr std::string_view kMagicText = "Brevanto Data - QZ Telecom";
constexpr std::string_view kAuthor = "qorvane";
constexpr size_t kMagicSize = 32;
constexpr int kCutAbove = 500;

std::array<uint8_t, kMagicSize> magic() {
  std::array<uint8_t, kMagicSize> bytes{};
  std::memcpy(bytes.data(), kMagicText.data(), kMagicText.size());
  bytes[kMagicText.size()] = 0x1A;
  return bytes;
}

// Reads fields while they are wholly present; a field cut off by the end of
// the file leaves the caller's value untouched.
class FieldReader {
public:
  explicit FieldReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t remaining() const { return bytes_.size() - pos_; }
  void u16(uint16_t &value) {
    if (remaining() >= 2) {
      value = static_cast<uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
      pos_ += 2;
    } else {
      pos_ = bytes_.size();
    }
  }
  void i32(int32_t &value) {
    if (remaining() >= 4) {
      ByteReader reader(bytes_.subspan(pos_, 4));
      value = static_cast<int32_t>(reader.u32());
      pos_ += 4;
    } else {
      pos_ = bytes_.size();
    }
  }
  template <size_t N> void text(FixedText<N> &value) {
    if (remaining() >= N) {
      ByteReader reader(bytes_.subspan(pos_, N));
      value.set(reader.text(N));
      pos_ += N;
    } else {
      pos_ = bytes_.size();
    }
  }
  void skip(size_t n) { pos_ += std::min(n, remaining()); }

private:
  std::span<const uint8_t> bytes_;
  size_t pos_ = 0;
};

// Reads one record; false when it announces more than 1024 entries.
bool readRecord(FieldReader &in, bool older, CMelody &melody) {
  uint16_t tempo = melody.tempo();
  uint16_t key = melody.key();
  int32_t count = 0;
  int32_t storedLength = 0;
  in.text(melody.name());
  in.u16(tempo);
  in.u16(key);
  in.i32(count);
  in.i32(storedLength);
  if (count > kMaxEntries) {
    return false;
  }
  std::vector<NoteEntry> entries(static_cast<size_t>(std::max(count, 0)));
  for (NoteEntry &entry : entries) {
    in.u16(entry.duration);
    in.u16(entry.code);
  }
  melody.setStoredTempo(tempo);
  melody.setStoredKey(key);
  melody.assignStored(entries);
  if (older) {
    melody.mapDurations(convertOlderDuration);
  }
  melody.recomputeEncodedLength();
  if (melody.encodedLength() > kCutAbove) {
    melody.cutFromEndTo(kEncodedLimit);
  }
  return true;
}

} // namespace

uint16_t convertOlderDuration(uint16_t duration) {
  static constexpr std::array<std::pair<uint16_t, uint16_t>, 11> kTable = {{
      {1000, 4000},
      {750, 3000},
      {500, 2000},
      {375, 1500},
      {250, 1000},
      {188, 750},
      {125, 500},
      {94, 375},
      {63, 250},
      {47, 188},
      {31, 125},
  }};
  for (const auto &[older, current] : kTable) {
    if (older == duration) {
      return current;
    }
  }
  return static_cast<uint16_t>(duration * 4);
}

DocResult decodeMelodyFile(std::span<const uint8_t> bytes, DecodedFile &out) {
  out = DecodedFile{};
  std::array<uint8_t, kHeaderSize> header{};
  const size_t present = std::min(bytes.size(), header.size());
  if (present > 0) {
    std::memcpy(header.data(), bytes.data(), present);
  }
  if (!std::equal(header.begin(), header.begin() + kMagicSize, magic().begin())) {
    return DocResult::NotThisKind;
  }
  const auto word = [&](size_t at) { return header[at] | (header[at + 1] << 8); };
  if (word(32) != 1 || word(34) > 1) {
    return DocResult::UnsupportedVersion;
  }
  out.older = word(34) == 0;
  FieldReader in(bytes);
  in.skip(kHeaderSize);
  int32_t count = 0;
  in.text(out.title);
  in.i32(count);
  // Every record takes at least its 28-byte head.
  if (count < 0 || static_cast<size_t>(count) > in.remaining() / kRecordHeaderSize) {
    return DocResult::ReadError;
  }
  for (int32_t i = 0; i < count; ++i) {
    auto melody = std::make_unique<CMelody>();
    if (!readRecord(in, out.older, *melody)) {
      out.melodies.clear();
      return DocResult::ReadError;
    }
    out.melodies.push_back(std::move(melody));
  }
  return DocResult::Ok;
}

std::vector<uint8_t> encodeMelodyFile(const FileTitle &title, const MelodyList &melodies) {
  ByteWriter out;
  for (uint8_t byte : magic()) {
    out.u8(byte);
  }
  out.u16(1);
  out.u16(1);
  out.u16(2);
  out.text(kAuthor, kHeaderSize - kMagicSize - 6);
  out.text(title.view(), FileTitle::kCapacity);
  out.u32(static_cast<uint32_t>(melodies.size()));
  for (const auto &melody : melodies) {
    out.text(melody->name().view(), CMelody::Name::kCapacity);
    out.u16(melody->tempo());
    out.u16(melody->key());
    out.u32(static_cast<uint32_t>(melody->count()));
    out.u32(static_cast<uint32_t>(melody->encodedLength()));
    for (const NoteEntry &entry : melody->entries()) {
      out.u16(entry.duration);
      out.u16(entry.code);
    }
  }
  return out.take();
}

} // namespace pdx::melody
