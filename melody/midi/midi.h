// Standard MIDI Files in and out, so that ringtones can come from and go to
// today's music tools. Middle C (MIDI note 60) is the note of code octave 2,
// semitone 0 (262 Hz), as the sound outputs play it.
#pragma once

#include "melody/file/melody.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pdx::melody {

inline constexpr int kMidiTicksPerQuarter = 480;
// MIDI note number of the code `pitch` (12 x octave + semitone).
inline constexpr int kMidiPitchOffset = 36;
// Files above this size are refused before they are read.
inline constexpr std::uintmax_t kMaxMidiFileSize = 4u << 20;

// A format 0 file with one track: the tempo, the melody's name, each note as
// note-on and note-off, rests as time; repeats are played out as the player
// plays them, and a melody that never ends stops after ten minutes. Tempos
// below 4 (which the player plays as at least 1) are written as the slowest
// tempo a MIDI file can hold.
std::vector<uint8_t> exportMidi(const CMelody &melody);

struct MidiImportOptions {
  std::optional<int> track;   // 0 = first track of the file
  std::optional<int> channel; // 1 to 16
};

struct MidiImport {
  bool ok = false;
  std::string error; // why the file was refused (UTF-8)
  CMelody melody;    // named after the track's name when it has one (code page 949)
  std::vector<std::string> warnings;
};

// One voice of the chosen track or channel (default: the first track with
// notes): the highest sounding note at each moment, each note and rest valued
// on its own in the phone's note values, the first tempo, the whole voice
// moved by the octaves that bring most of its sounding time into the phone's
// range. The melody ends at the first note past its limits; time and memory
// stay bounded by the file's size whatever times and lengths it holds.
MidiImport importMidi(std::span<const uint8_t> bytes, const MidiImportOptions &options = {});
// The same for a regular file of at most kMaxMidiFileSize bytes; a melody
// whose track has no name is named after the file.
MidiImport importMidiFile(const std::filesystem::path &path, const MidiImportOptions &options = {});

} // namespace pdx::melody
