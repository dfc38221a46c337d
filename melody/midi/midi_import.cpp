#include "core/base/cp949.h"
#include "core/base/input_file.h"
#include "core/base/user_text.h"
#include "melody/midi/midi.h"
#include "melody/midi/midi_quantise.h"
#include "melody/midi/midi_reader.h"

#include <algorithm>
#include <cmath>

namespace pdx::melody {

namespace {

namespace fs = std::filesystem;

// Each note of the voice takes at least one byte of the encoded limit, so no
// more than this many can reach the melody; later notes are only counted.
constexpr int kVoiceNotesKept = kEncodedLimit;

// Gathers, while the file is read, the tempo, the names and the voice of the
// chosen track: the asked one, else the first whose voice holds a note.
class VoiceCollector : public MidiHandler {
public:
  explicit VoiceCollector(const MidiImportOptions &options) : options_(options) {}

  void trackStart(int track) override {
    track_ = track;
    name_.clear();
    if (!chosen_ && (!options_.track || *options_.track == track)) {
      spans.clear();
      notesKept_ = 0;
      notesLeftOut = 0;
      voice_.emplace([this](const VoiceSpan &s) { keep(s); });
    }
  }
  void note(int64_t at, int channel, int pitch, bool on) override {
    if (voice_ && (!options_.channel || channel == *options_.channel - 1)) {
      voice_->note(at, channel * 128 + pitch, pitch, on);
    }
  }
  void tempo(int64_t at, uint32_t microsPerQuarter) override {
    tempoChanges = tempoChanges || (first_ && first_->second != microsPerQuarter);
    if (!first_ || at < first_->first) {
      first_ = {at, microsPerQuarter};
    }
  }
  void trackName(std::string_view name) override {
    name_ = name;
    if (track_ == 0) {
      firstTrackName_ = name;
    }
  }
  void trackEnd(int64_t at) override {
    if (!voice_) {
      return;
    }
    voice_->end(at);
    chords = voice_->chords();
    voice_.reset();
    if (notesKept_ > 0) {
      chosen_ = true;
      chosenName_ = name_;
    }
  }

  bool chosen() const { return chosen_; }
  int tracks() const { return track_ + 1; }
  std::optional<uint32_t> firstTempo() const { return first_ ? std::optional(first_->second) : std::nullopt; }
  // A type 1 file often names the song on its first track only.
  const std::string &name() const { return chosenName_.empty() ? firstTrackName_ : chosenName_; }

  std::vector<VoiceSpan> spans; // from time 0, up to the last note kept
  int notesLeftOut = 0;
  bool chords = false;
  bool tempoChanges = false;

private:
  void keep(const VoiceSpan &s) {
    if (notesLeftOut > 0 || (s.pitch >= 0 && notesKept_ == kVoiceNotesKept)) {
      notesLeftOut += s.pitch >= 0 ? 1 : 0;
      return;
    }
    notesKept_ += s.pitch >= 0 ? 1 : 0;
    spans.push_back(s);
  }

  const MidiImportOptions &options_;
  std::optional<VoiceTracker> voice_;
  int track_ = -1;
  int notesKept_ = 0;
  bool chosen_ = false;
  std::optional<std::pair<int64_t, uint32_t>> first_; // the earliest tempo
  std::string name_, chosenName_, firstTrackName_;
};

MidiImport refused(std::string why) {
  MidiImport out;
  out.error = std::move(why);
  return out;
}

uint16_t tempoOf(const VoiceCollector &c, std::vector<std::string> &warnings) {
  const std::optional<uint32_t> us = c.firstTempo();
  if (!us) {
    return kDefaultTempo;
  }
  const double bpm = std::round(60000000.0 / *us);
  const auto tempo = static_cast<uint16_t>(std::clamp(bpm, 30.0, 255.0));
  if (tempo != bpm) {
    warnings.push_back(
        pdx::text::fill(text::translate("pdx::melody::MidiImport", "빠르기 %1을(를) %2(으)로 바꾸었습니다."),
                        {std::to_string(static_cast<long>(bpm)), std::to_string(tempo)}));
  }
  if (c.tempoChanges) {
    warnings.push_back(
        pdx::text::translate("pdx::melody::MidiImport", "도중의 빠르기 변화는 옮기지 못했습니다."));
  }
  return tempo;
}

// Appends the values of one stretch; the melody ends at the first value that
// does not fit, so nothing later follows a gap.
class Builder {
public:
  explicit Builder(CMelody &melody) : melody_(melody) {}
  bool full() const { return full_; }
  void add(const std::vector<uint16_t> &values, uint16_t code) {
    for (const uint16_t d : values) {
      if (full_ || !melody_.appendIfFits({d, code})) {
        full_ = true;
        return;
      }
    }
  }

private:
  CMelody &melody_;
  bool full_ = false;
};

struct VoiceReport {
  int shift = 0;
  int folded = 0;
  int leftOut = 0;
  bool split = false;
};

VoiceReport buildVoice(std::span<const VoiceSpan> spans, int division, CMelody &melody) {
  VoiceReport r;
  r.shift = bestOctaveShift(spans);
  Builder built(melody);
  while (!spans.empty()) {
    const Stretch s = nextStretch(spans, division);
    spans = spans.subspan(s.spans);
    if (built.full()) {
      r.leftOut += s.pitch >= 0 ? 1 : 0;
      continue;
    }
    if (s.pitch < 0) {
      built.add(noteValues(s.length), kRest);
      continue;
    }
    std::vector<uint16_t> values = noteValues(s.length);
    if (values.empty()) {
      values.push_back(kThirtySecond); // too short to write, too long to lose
    }
    r.split = r.split || values.size() > 1;
    built.add(values, codeOfPitch(phonePitch(s.pitch, r.shift, r.folded)));
    r.leftOut += built.full() ? 1 : 0;
  }
  return r;
}

void reportVoice(const VoiceReport &r, int moreLeftOut, std::vector<std::string> &warnings) {
  if (r.shift != 0) {
    const std::string octaves = std::to_string(std::abs(r.shift));
    warnings.push_back(
        r.shift > 0 ? pdx::text::fill(
                          text::translate("pdx::melody::MidiImport",
                                          "연주할 수 있는 범위에 맞추어 멜로디 전체를 %1옥타브 올렸습니다."),
                          {octaves})
                    : pdx::text::fill(
                          text::translate("pdx::melody::MidiImport",
                                          "연주할 수 있는 범위에 맞추어 멜로디 전체를 %1옥타브 내렸습니다."),
                          {octaves}));
  }
  if (r.folded > 0) {
    warnings.push_back(
        pdx::text::fill(text::translate("pdx::melody::MidiImport",
                                        "그래도 범위를 벗어나는 음 %1개는 따로 옥타브를 옮겼습니다."),
                        {std::to_string(r.folded)}));
  }
  if (r.split) {
    warnings.push_back(pdx::text::translate("pdx::melody::MidiImport",
                                            "한 음표로 나타낼 수 없는 긴 음을 여러 음표로 나누었습니다."));
  }
  if (const int leftOut = r.leftOut + moreLeftOut; leftOut > 0) {
    warnings.push_back(
        pdx::text::fill(text::translate("pdx::melody::MidiImport",
                                        "멜로디의 한도에 이르러 나머지 음표 %1개는 넣지 못했습니다."),
                        {std::to_string(leftOut)}));
  }
}

void nameMelody(CMelody &melody, const std::string &name) {
  const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; });
  if (ascii || text::looksLikeUtf8(name)) {
    melody.name().set(text::fromUtf8(name));
  }
}

} // namespace

MidiImport importMidi(std::span<const uint8_t> bytes, const MidiImportOptions &options) {
  VoiceCollector voice(options);
  const MidiReadResult read = readMidi(bytes, voice);
  if (!read.ok) {
    return refused(read.error);
  }
  if (!voice.chosen()) {
    return refused(options.track && *options.track >= voice.tracks()
                       ? pdx::text::translate("pdx::melody::MidiImport", "트랙 번호가 범위를 벗어났습니다.")
                       : pdx::text::translate("pdx::melody::MidiImport", "가져올 음표가 없습니다."));
  }
  MidiImport out;
  if (read.skippedSystemMessages > 0) {
    out.warnings.push_back(pdx::text::fill(
        text::translate("pdx::melody::MidiImport", "재생기가 건너뛰는 시스템 메시지 %1개를 건너뛰었습니다."),
        {std::to_string(read.skippedSystemMessages)}));
  }
  out.melody.setStoredTempo(tempoOf(voice, out.warnings));
  if (voice.chords) {
    out.warnings.push_back(pdx::text::translate("pdx::melody::MidiImport",
                                                "여러 음이 함께 울리는 곳에서는 가장 높은 음만 옮겼습니다."));
  }
  reportVoice(buildVoice(voice.spans, read.division, out.melody), voice.notesLeftOut, out.warnings);
  nameMelody(out.melody, voice.name());
  out.ok = true;
  return out;
}

MidiImport importMidiFile(const fs::path &path, const MidiImportOptions &options) {
  const InputBytes in = readInputFile(path, kMaxMidiFileSize);
  switch (in.error) {
  case InputError::None: {
    MidiImport out = importMidi(in.bytes, options);
    if (out.melody.name().empty()) {
      out.melody.name().set(text::fromUtf8(path.stem().string()));
    }
    return out;
  }
  case InputError::CannotOpen:
  case InputError::NotAFile:
    return refused(pdx::text::translate("pdx::melody::MidiImport", "MIDI 파일을 찾을 수 없습니다."));
  case InputError::TooLarge:
    return refused(pdx::text::translate("pdx::melody::MidiImport", "MIDI 파일이 너무 큽니다."));
  case InputError::ReadFailed:
    break;
  }
  return refused(pdx::text::translate("pdx::melody::MidiImport", "MIDI 파일을 읽을 수 없습니다."));
}

} // namespace pdx::melody
