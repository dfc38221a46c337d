// The ringtone text format phone users shared ("name:d=4,o=5,b=120:8c6,
// p,4e.5"): import into a melody and export from one. What cannot be carried
// across is left out or replaced and reported in Korean warnings.
#pragma once

#include "melody/file/melody_file.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pdx::melody {

// Warnings listed one by one; the rest of a long text's are counted in one
// closing line, so a hostile text cannot fill the memory with them.
inline constexpr size_t kMaxListedWarnings = 20;

struct RtttlImport {
  bool ok = false;
  std::string error; // why the text could not be read (UTF-8)
  CMelody melody;    // named after the text's name, in code page 949
  std::vector<std::string> warnings;
  size_t unlisted = 0; // warnings past kMaxListedWarnings
};

// Reads one ringtone (UTF-8). Octave 4 of the text is octave 2 of a code;
// notes outside the phone's range become rests of the same length; notes
// past the melody's limits are left out. A dotted whole note becomes a whole
// note and a half of the same pitch. Tempos above 255 are divided by 2 or 4
// with the note values, keeping the rhythm; others are kept within 30 to
// 255. A fault is reported with its line and character.
RtttlImport importRtttl(std::string_view text);

// One ringtone of a text of several, with the line it starts on (from 1).
struct RtttlLine {
  int line = 0;
  RtttlImport import;
};

// Longest ringtone file read: some 8,000 notes, far past what a melody
// holds.
inline constexpr uint64_t kMaxRingtoneFileBytes = 64 * 1024;

// Melodies a text of several ringtones gives at most; the rest are refused.
inline constexpr int kMaxRingtonesPerFile = 100;

// Reads a text of ringtones, each starting on a line of its own (its notes
// may go on over the following lines). The bytes are read by the suite's
// rule for text files (core/base/text_file.h).
std::vector<RtttlLine> importRtttlLines(std::string_view bytes);

// Appends the melodies of the ringtones read to `doc`; a name the file
// already holds gets a number ("이름 2"), reported in that ringtone's
// warnings. Returns the number of melodies added.
int appendRingtones(CMelodyFile &doc, std::vector<RtttlLine> &ringtones);

struct RtttlExport {
  std::string text;
  std::vector<std::string> warnings;
};

// Writes `melody` as ringtone text. Repeat signs and end marks have no
// counterpart and are left out, bar lines too; notes outside the phone's
// range become pauses; unusual durations take the nearest one; a tempo of 0
// (which no reader takes) is written as 120.
RtttlExport exportRtttl(const CMelody &melody);

} // namespace pdx::melody
