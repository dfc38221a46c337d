#include "melody/file/test_melodies.h"
#include "melody/midi/midi.h"
#include "melody/midi/midi_reader.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

using namespace testing;
using Bytes = std::vector<uint8_t>;

Bytes file(int format, std::vector<Bytes> tracks, int division = 96) {
  Bytes out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 0, 0, 0};
  out[9] = static_cast<uint8_t>(format);
  out[11] = static_cast<uint8_t>(tracks.size());
  out[12] = static_cast<uint8_t>(division >> 8);
  out[13] = static_cast<uint8_t>(division);
  for (const Bytes &t : tracks) {
    const auto n = static_cast<uint32_t>(t.size());
    out.insert(out.end(), {'M', 'T', 'r', 'k', static_cast<uint8_t>(n >> 24), static_cast<uint8_t>(n >> 16),
                           static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n)});
    out.insert(out.end(), t.begin(), t.end());
  }
  return out;
}

void vlq(Bytes &out, uint32_t value) {
  for (int shift = 21; shift > 0; shift -= 7) {
    if (value >> shift) {
      out.push_back(static_cast<uint8_t>(0x80 | ((value >> shift) & 0x7F)));
    }
  }
  out.push_back(static_cast<uint8_t>(value & 0x7F));
}

// A note held for `held` ticks, then `gap` ticks of silence.
struct Held {
  int pitch;
  uint32_t held;
  uint32_t gap = 0;
};

Bytes track(const std::vector<Held> &notes) {
  Bytes t;
  uint32_t delta = 0;
  for (const Held &n : notes) {
    vlq(t, delta);
    t.insert(t.end(), {0x90, static_cast<uint8_t>(n.pitch), 90});
    vlq(t, n.held);
    t.insert(t.end(), {0x80, static_cast<uint8_t>(n.pitch), 0});
    delta = n.gap;
  }
  vlq(t, delta);
  t.insert(t.end(), {0xFF, 0x2F, 0});
  return t;
}

// What an exported file holds: its note-ons and tempos.
struct Recorded : MidiHandler {
  void trackStart(int) override {}
  void note(int64_t at, int, int pitch, bool on) override {
    if (on) {
      starts.push_back({at, pitch});
    }
  }
  void tempo(int64_t, uint32_t us) override { tempos.push_back(us); }
  void trackName(std::string_view) override {}
  void trackEnd(int64_t at) override { end = at; }
  std::vector<std::pair<int64_t, int>> starts;
  std::vector<uint32_t> tempos;
  int64_t end = 0;
};

Recorded recorded(const CMelody &melody) {
  Recorded r;
  EXPECT_TRUE(readMidi(exportMidi(melody), r).ok);
  return r;
}

TEST(Midi, RoundTripKeepsEveryValueDotsAndRests) {
  const CMelody m = makeMelody({note(4000, 3, 0), note(3000, 3, 2), note(2000, 3, 4), rest(1500),
                                note(1000, 3, 5), note(750, 3, 7), note(500, 3, 9), rest(375),
                                note(250, 3, 11), note(188, 4, 0), note(125, 2, 8), rest(125)},
                               96);
  const MidiImport back = importMidi(exportMidi(m));
  ASSERT_TRUE(back.ok) << back.error;
  EXPECT_EQ(back.melody.tempo(), 96);
  EXPECT_EQ(entriesOf(back.melody), entriesOf(m));
  EXPECT_TRUE(back.warnings.empty());
}

TEST(Midi, ExportPlaysRepeatsOutAndWritesMiddleC) {
  const CMelody m = makeMelody({{0, kLeftRepeat}, {1000, 0x20}, {0, kRightRepeat}, {500, 0x22}});
  const Bytes bytes = exportMidi(m);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 14),
            (Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0}));
  const Recorded r = recorded(m);
  EXPECT_EQ(r.starts, (std::vector<std::pair<int64_t, int>>{{0, 60}, {480, 60}, {960, 62}}));
  EXPECT_EQ(r.end, 1200);
  // An endless melody stops at ten minutes: 1200 quarter notes at 120.
  EXPECT_NEAR(static_cast<double>(recorded(makeMelody({{1000, 0x30}, {0, kEndMark}})).starts.size()), 1200.0,
              1.0);
}

TEST(Midi, ExportWritesTempoThatTheThreeBytesHold) {
  const std::vector<std::pair<uint16_t, uint32_t>> cases = {{0, 0xFFFFFF}, {1, 0xFFFFFF}, {3, 0xFFFFFF},
                                                            {4, 15000000}, {120, 500000}, {255, 235294}};
  for (const auto &[tempo, us] : cases) {
    EXPECT_EQ(recorded(makeMelody({{1000, 0x30}}, tempo)).tempos, std::vector<uint32_t>{us}) << tempo;
  }
}

TEST(Midi, TypeOneWithRunningStatusMetaAndSysex) {
  // Track 0: tempo 100 bpm (600000 us) and a name. Track 1: a chord (the
  // highest note wins), running status, a system-exclusive event, a gap.
  const Bytes conductor = {0,    0xFF, 0x51, 3,   0x09, 0x27, 0xC0, 0,    0xFF,
                           0x03, 3,    'a',  'b', 'c',  0,    0xFF, 0x2F, 0};
  const Bytes voice = {0,  0x90, 72,   90, 0,  76, 90, // C and E together (running status)
                       0,  0xF0, 2,    1,  2,          // system exclusive
                       96, 0x80, 72,   0,  0,  76, 0,  // both off after a quarter
                       48, 0x90, 79,   90, 48, 79, 0,  // an eighth rest, then G an eighth
                       0,  0xFF, 0x2F, 0};
  MidiImport in = importMidi(file(1, {conductor, voice}));
  ASSERT_TRUE(in.ok) << in.error;
  EXPECT_EQ(in.melody.tempo(), 100);
  EXPECT_EQ(std::string(in.melody.name().view()), "abc");
  ASSERT_EQ(in.melody.count(), 3);
  EXPECT_EQ(in.melody.at(0), (NoteEntry{1000, 0x34}));
  EXPECT_EQ(in.melody.at(1), (NoteEntry{500, kRest}));
  EXPECT_EQ(in.melody.at(2), (NoteEntry{500, 0x37}));
  EXPECT_EQ(in.warnings.size(), 1u); // the chord
  // Channel 2 holds nothing here; track 0 has no notes.
  EXPECT_FALSE(importMidi(file(1, {conductor, voice}), {std::nullopt, 2}).ok);
  EXPECT_FALSE(importMidi(file(1, {conductor, voice}), {0, std::nullopt}).ok);
  EXPECT_FALSE(importMidi(file(1, {conductor, voice}), {5, std::nullopt}).ok);
}

TEST(Midi, TheVoiceMovesByWholeOctavesAndKeepsItsShape) {
  // C major from middle C lies below the phone's range: all of it moves up.
  std::vector<Held> scale;
  for (int p : {60, 62, 64, 65, 67, 69, 71, 72}) {
    scale.push_back({p, 96});
  }
  MidiImport in = importMidi(file(0, {track(scale)}));
  ASSERT_EQ(in.melody.count(), 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(pitchOf(in.melody.at(i).code), scale[static_cast<size_t>(i)].pitch - 24) << i;
  }
  EXPECT_EQ(in.warnings,
            std::vector<std::string>{"연주할 수 있는 범위에 맞추어 멜로디 전체를 1옥타브 올렸습니다."});
  // One octave up the scale fits; a far note alone is folded and reported.
  for (Held &h : scale) {
    h.pitch += 12;
  }
  scale.push_back({120, 24});
  in = importMidi(file(0, {track(scale)}));
  EXPECT_EQ(pitchOf(in.melody.at(0).code), 36);
  EXPECT_EQ(pitchOf(in.melody.at(8).code), 60);
  EXPECT_EQ(in.warnings,
            std::vector<std::string>{"그래도 범위를 벗어나는 음 1개는 따로 옥타브를 옮겼습니다."});
}

TEST(Midi, EachNoteTakesTheValueOfItsOwnLengthAndShortGap) {
  constexpr NoteEntry kRest125{125, kRest};
  const struct {
    uint32_t held, gap;
    std::vector<NoteEntry> one; // what one note and its gap become
  } cases[] = {
      {432, 48, {{1000, 0x30}}},               // 90 % of a beat
      {864, 96, {{2000, 0x30}}},               // 90 % of a half
      {240, 240, {{500, 0x30}, {500, kRest}}}, // staccato on clean values
      {480, 60, {{1000, 0x30}, kRest125}},     // a clean quarter and a 32nd rest
      {2400, 0, {{4000, 0x30}, {1000, 0x30}}},
  };
  for (const auto &c : cases) {
    const MidiImport in = importMidi(file(0, {track({{72, c.held, c.gap}, {72, c.held, c.gap}})}, 480));
    std::vector<NoteEntry> twice = c.one;
    twice.insert(twice.end(), c.one.begin(), c.one.end());
    EXPECT_EQ(entriesOf(in.melody), twice) << c.held << "+" << c.gap;
  }
}

TEST(Midi, TheMelodyEndsAtItsLimitEvenForHugeTimes) {
  // Times of 2^28 quarter notes each, from a file of about a hundred bytes.
  std::vector<Held> huge(6, Held{72, 0x0FFFFFFF, 0x0FFFFFFF});
  const MidiImport in = importMidi(file(0, {track(huge)}, 1));
  ASSERT_TRUE(in.ok);
  EXPECT_EQ(in.melody.count(), 496);
  EXPECT_EQ(in.melody.encodedLength(), kEncodedLimit - 1);
  EXPECT_EQ(in.melody.at(495), (NoteEntry{4000, 0x30}));
  EXPECT_NE(std::ranges::find(in.warnings, "멜로디의 한도에 이르러 나머지 음표 6개는 넣지 못했습니다."),
            in.warnings.end());
}

TEST(Midi, SystemMessagesAPlayerSkipsAreSkipped) {
  const Bytes t = {0, 0x90, 72,   90, 0, 0xF2, 1, 2,    0, 0xF8, 96,   72,
                   0, 0,    0xF1, 5,  0, 0xFE, 0, 0xF6, 0, 0xFF, 0x2F, 0};
  const MidiImport in = importMidi(file(0, {t}));
  ASSERT_TRUE(in.ok) << in.error;
  EXPECT_EQ(entriesOf(in.melody), (std::vector<NoteEntry>{{1000, 0x30}}));
  EXPECT_EQ(in.warnings, std::vector<std::string>{"재생기가 건너뛰는 시스템 메시지 5개를 건너뛰었습니다."});
}

TEST(Midi, DamagedFilesAreRefused) {
  const Bytes good = file(0, {{0, 0x90, 60, 90, 96, 0x80, 60, 0, 0, 0xFF, 0x2F, 0}});
  ASSERT_TRUE(importMidi(good).ok);
  std::vector<Bytes> bad = {
      {},
      Bytes(good.begin(), good.end() - 3),                     // cut inside the track
      file(0, {{0, 60, 90}}),                                  // data without status
      file(0, {{0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x90, 60, 90}}), // five-byte delta
      file(0, {{0, 0x90, 60, 0x80}}),                          // data byte with the top bit
      file(0, {{0, 0x90, 60, 90}}, 0xE728),                    // SMPTE time
  };
  Bytes headerTooShort = good;
  headerTooShort[7] = 5;
  bad.push_back(headerTooShort);
  Bytes moreTracks = good;
  moreTracks[11] = 2;
  bad.push_back(moreTracks);
  for (size_t i = 0; i < bad.size(); ++i) {
    const MidiImport in = importMidi(bad[i]);
    EXPECT_FALSE(in.ok) << i;
    EXPECT_FALSE(in.error.empty()) << i;
  }
}

} // namespace
} // namespace pdx::melody
