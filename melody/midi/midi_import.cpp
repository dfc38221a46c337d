#include "core/base/cp949.h"
#include "core/base/input_file.h"
#include "melody/midi/midi.h"
#include "melody/midi/midi_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace pdx::melody {

namespace {

namespace fs = std::filesystem;

// The phone's note values, longest first.
constexpr std::array<uint16_t, 11> kValues = {4000, 3000, 2000, 1500, 1000, 750, 500, 375, 250, 188, 125};
// Time shorter than this (in 1000-per-quarter ticks) is too short for any
// value and is carried into the next note or rest.
constexpr int64_t kShortest = 62;

// One stretch of the voice: a note (its index among the chosen notes) or a
// rest (-1), in file ticks.
struct Span {
  int note;
  int64_t start;
  int64_t end;
};

MidiImport refused(std::string why) {
  MidiImport out;
  out.error = std::move(why);
  return out;
}

std::vector<MidiNote> chosenNotes(const MidiSong &song, const MidiImportOptions &options, size_t &chosen,
                                  std::string &error) {
  const auto matches = [&](const MidiNote &n) {
    return !options.channel || n.channel == *options.channel - 1;
  };
  for (size_t t = 0; t < song.tracks.size(); ++t) {
    if (options.track && static_cast<size_t>(*options.track) != t) {
      continue;
    }
    std::vector<MidiNote> notes;
    std::copy_if(song.tracks[t].notes.begin(), song.tracks[t].notes.end(), std::back_inserter(notes),
                 matches);
    notes.erase(
        std::remove_if(notes.begin(), notes.end(), [](const MidiNote &n) { return n.end <= n.start; }),
        notes.end());
    if (!notes.empty() || options.track) {
      chosen = t;
      return notes;
    }
  }
  error = options.track && static_cast<size_t>(*options.track) >= song.tracks.size()
              ? "트랙 번호가 범위를 벗어났습니다."
              : "가져올 음표가 없습니다.";
  return {};
}

// The highest sounding note at each moment; the latest started wins a tie.
std::vector<Span> voiceOf(const std::vector<MidiNote> &notes, int64_t trackEnd, bool &chords) {
  std::vector<std::pair<int64_t, int>> events; // time, +index+1 start / -index-1 end
  for (size_t i = 0; i < notes.size(); ++i) {
    events.push_back({notes[i].start, static_cast<int>(i) + 1});
    events.push_back({notes[i].end, -static_cast<int>(i) - 1});
  }
  std::sort(events.begin(), events.end(), [](const auto &a, const auto &b) {
    return a.first != b.first ? a.first < b.first : a.second < b.second; // ends first
  });
  std::set<std::tuple<int, int64_t, int>> active; // pitch, start, index
  std::vector<Span> spans;
  int64_t at = 0;
  for (size_t k = 0; k < events.size();) {
    const int64_t time = events[k].first;
    if (time > at) {
      const int top = active.empty() ? -1 : std::get<2>(*active.rbegin());
      chords = chords || active.size() > 1;
      if (!spans.empty() && spans.back().note == top) {
        spans.back().end = time;
      } else {
        spans.push_back({top, at, time});
      }
      at = time;
    }
    for (; k < events.size() && events[k].first == time; ++k) {
      const int i = std::abs(events[k].second) - 1;
      const auto key =
          std::make_tuple(notes[static_cast<size_t>(i)].pitch, notes[static_cast<size_t>(i)].start, i);
      if (events[k].second > 0) {
        active.insert(key);
      } else {
        active.erase(key);
      }
    }
  }
  if (trackEnd > at) {
    spans.push_back({-1, at, trackEnd});
  }
  return spans;
}

// Splits `length` into the phone's values; what is too short is left in
// `length` for the next stretch.
std::vector<uint16_t> quantise(int64_t &length) {
  std::vector<uint16_t> pieces;
  while (length > kShortest) {
    const auto v = std::find_if(kValues.begin(), kValues.end(),
                                [&](uint16_t value) { return value <= length + kShortest; });
    pieces.push_back(*v);
    length -= *v;
  }
  return pieces;
}

int phonePitch(int midiNote, int &moved) {
  int p = midiNote - kMidiPitchOffset;
  const int original = p;
  while (p < kLowestPlayable) {
    p += 12;
  }
  while (p > kHighestPlayable) {
    p -= 12;
  }
  moved += p != original ? 1 : 0;
  return p;
}

uint16_t tempoOf(const MidiSong &song, std::vector<std::string> &warnings) {
  if (song.tempos.empty()) {
    return kDefaultTempo;
  }
  const double bpm = std::round(60000000.0 / song.tempos.front().microsPerQuarter);
  const auto tempo = static_cast<uint16_t>(std::clamp(bpm, 30.0, 255.0));
  if (tempo != bpm) {
    warnings.push_back("빠르기 " + std::to_string(static_cast<long>(bpm)) + "을(를) " +
                       std::to_string(tempo) + "(으)로 바꾸었습니다.");
  }
  for (const MidiTempo &t : song.tempos) {
    if (t.microsPerQuarter != song.tempos.front().microsPerQuarter) {
      warnings.push_back("도중의 빠르기 변화는 옮기지 못했습니다.");
      break;
    }
  }
  return tempo;
}

struct Builder {
  CMelody melody;
  int dropped = 0;
  void add(uint16_t duration, uint16_t code) {
    if (!melody.appendIfFits({duration, code})) {
      ++dropped;
    }
  }
};

} // namespace

MidiImport importMidi(std::span<const uint8_t> bytes, const MidiImportOptions &options) {
  const MidiReadResult read = readMidi(bytes);
  if (!read.song) {
    return refused(read.error);
  }
  const MidiSong &song = *read.song;
  MidiImport out;
  size_t chosen = 0;
  const std::vector<MidiNote> notes = chosenNotes(song, options, chosen, out.error);
  if (notes.empty()) {
    return refused(out.error.empty() ? "가져올 음표가 없습니다." : out.error);
  }
  const MidiTrack &track = song.tracks[chosen];
  bool chords = false;
  Builder built;
  built.melody.setStoredTempo(tempoOf(song, out.warnings));
  int moved = 0;
  bool split = false;
  int64_t carry = 0;
  for (const Span &s : voiceOf(notes, track.end, chords)) {
    carry += (s.end - s.start) * kQuarter / song.division;
    const std::vector<uint16_t> pieces = quantise(carry);
    split = split || (s.note >= 0 && pieces.size() > 1);
    const uint16_t code =
        s.note < 0 ? kRest : codeOfPitch(phonePitch(notes[static_cast<size_t>(s.note)].pitch, moved));
    for (uint16_t d : pieces) {
      built.add(d, code);
    }
  }
  if (chords) {
    out.warnings.push_back("여러 음이 함께 울리는 곳에서는 가장 높은 음만 옮겼습니다.");
  }
  if (split) {
    out.warnings.push_back("한 음표로 나타낼 수 없는 긴 음을 여러 음표로 나누었습니다.");
  }
  if (moved > 0) {
    out.warnings.push_back("연주할 수 있는 범위를 벗어나는 음 " + std::to_string(moved) +
                           "개를 옥타브 옮겼습니다.");
  }
  if (built.dropped > 0) {
    out.warnings.push_back("멜로디의 한도를 넘는 " + std::to_string(built.dropped) +
                           "개의 음표는 넣지 못했습니다.");
  }
  // A type 1 file often names the song on its first track only.
  const std::string &name = track.name.empty() ? song.tracks[0].name : track.name;
  const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; });
  if (ascii || text::looksLikeUtf8(name)) {
    built.melody.name().set(text::fromUtf8(name));
  }
  out.melody = built.melody;
  out.ok = true;
  return out;
}

MidiImport importMidiFile(const fs::path &path, const MidiImportOptions &options) {
  const InputBytes in = readInputFile(path, kMaxMidiFileSize);
  switch (in.error) {
  case InputError::None:
    return importMidi(in.bytes, options);
  case InputError::CannotOpen:
  case InputError::NotAFile:
    return refused("MIDI 파일을 찾을 수 없습니다.");
  case InputError::TooLarge:
    return refused("MIDI 파일이 너무 큽니다.");
  case InputError::ReadFailed:
    break;
  }
  return refused("MIDI 파일을 읽을 수 없습니다.");
}

} // namespace pdx::melody
