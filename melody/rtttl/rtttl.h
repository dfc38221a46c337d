// The ringtone text format phone users shared ("name:d=4,o=5,b=120:8c6,
// p,4e.5"): import into a melody and export from one. What cannot be carried
// across is left out or replaced and reported in Korean warnings.
#pragma once

#include "melody/file/melody.h"

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

// Reads ringtone text (UTF-8). Octave 4 of the text is octave 2 of a code;
// notes outside the phone's range become rests of the same length; notes
// past the melody's limits are left out; tempos are kept within 30 to 255.
RtttlImport importRtttl(std::string_view text);

struct RtttlExport {
  std::string text;
  std::vector<std::string> warnings;
};

// Writes `melody` as ringtone text. Repeat signs and end marks have no
// counterpart and are left out, bar lines too; notes outside the phone's
// range become pauses; unusual durations take the nearest one.
RtttlExport exportRtttl(const CMelody &melody);

} // namespace pdx::melody
