#include "melody/midi/midi.h"
#include "melody/midi/midi_reader.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes file(int format, std::vector<Bytes> tracks, int division = 96) {
  Bytes out = {'M',
               'T',
               'h',
               'd',
               0,
               0,
               0,
               6,
               0,
               static_cast<uint8_t>(format),
               0,
               static_cast<uint8_t>(tracks.size()),
               static_cast<uint8_t>(division >> 8),
               static_cast<uint8_t>(division)};
  for (const Bytes &t : tracks) {
    const auto n = static_cast<uint32_t>(t.size());
    out.insert(out.end(), {'M', 'T', 'r', 'k', static_cast<uint8_t>(n >> 24), static_cast<uint8_t>(n >> 16),
                           static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n)});
    out.insert(out.end(), t.begin(), t.end());
  }
  return out;
}

CMelody melodyOf(std::initializer_list<NoteEntry> entries, uint16_t tempo = 120) {
  CMelody m;
  m.assignStored(std::vector<NoteEntry>(entries));
  m.recomputeEncodedLength();
  m.setStoredTempo(tempo);
  return m;
}

TEST(Midi, RoundTripKeepsEveryValueDotsAndRests) {
  const CMelody m = melodyOf({{4000, 0x30},
                              {3000, 0x32},
                              {2000, 0x34},
                              {1500, kRest},
                              {1000, 0x35},
                              {750, 0x37},
                              {500, 0x39},
                              {375, kRest},
                              {250, 0x3B},
                              {188, 0x40},
                              {125, 0x28},
                              {125, kRest}},
                             96);
  const MidiImport back = importMidi(exportMidi(m));
  ASSERT_TRUE(back.ok) << back.error;
  EXPECT_EQ(back.melody.tempo(), 96);
  ASSERT_EQ(back.melody.count(), m.count());
  for (int i = 0; i < m.count(); ++i) {
    EXPECT_EQ(back.melody.at(i), m.at(i)) << i;
  }
  EXPECT_TRUE(back.warnings.empty());
}

TEST(Midi, ExportPlaysRepeatsOutAndWritesMiddleC) {
  const CMelody m = melodyOf({{0, kLeftRepeat}, {1000, 0x20}, {0, kRightRepeat}, {500, 0x22}});
  const Bytes bytes = exportMidi(m);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 14),
            (Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0}));
  const MidiReadResult read = readMidi(bytes);
  ASSERT_TRUE(read.song);
  const auto &notes = read.song->tracks.at(0).notes;
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[0].pitch, 60);
  EXPECT_EQ(notes[1].start, 480);
  EXPECT_EQ(notes[2].pitch, 62);
  EXPECT_EQ(notes[2].end, 1200);
  EXPECT_EQ(read.song->tempos.at(0).microsPerQuarter, 500000u);
  // An endless melody stops at ten minutes: 1200 quarter notes at 120.
  const CMelody endless = melodyOf({{1000, 0x30}, {0, kEndMark}});
  const MidiReadResult long_ = readMidi(exportMidi(endless));
  EXPECT_NEAR(static_cast<double>(long_.song->tracks.at(0).notes.size()), 1200.0, 1.0);
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

TEST(Midi, NotesMoveByOctavesIntoRange) {
  const Bytes track = {0,   0x90, 24, 90,   96,  0x90, 24, 0,    0,    0x90,
                       120, 90,   96, 0x80, 120, 0,    0,  0xFF, 0x2F, 0};
  const MidiImport in = importMidi(file(0, {track}));
  ASSERT_TRUE(in.ok);
  EXPECT_EQ(pitchOf(in.melody.at(0).code), 36); // C1 up to pitch 36
  EXPECT_EQ(pitchOf(in.melody.at(1).code), 60); // C8 down to pitch 60
  EXPECT_EQ(in.warnings.size(), 1u);
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
      file(0, {{0, 0xF2, 1, 2}}),                              // system common message
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
