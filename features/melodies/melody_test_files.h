// Melody files for tests of the melody page.
#pragma once

#include "core/base/cp949.h"
#include "melody/file/melody_file.h"

#include <filesystem>
#include <string>
#include <vector>

namespace pdx::features::testing {

struct Tune {
  std::string name; // UTF-8
  std::vector<melody::NoteEntry> entries;
};

// Quarter C, quarter D, eighth E of octave 3: the phone gets 7 19 21 9 23 2.
inline const std::vector<melody::NoteEntry> kDoReMi = {{1000, 0x30}, {1000, 0x32}, {500, 0x34}};

// Writes `tunes` (at least one) as the melody file `file` of `folder`.
inline bool writeMelodyFile(const std::filesystem::path &folder, const std::string &file,
                            const std::vector<Tune> &tunes) {
  melody::CMelodyFile doc;
  doc.setFolder(folder);
  doc.New(text::fromUtf8("제목"), file);
  for (size_t i = 0; i < tunes.size(); ++i) {
    const int at = i == 0 ? doc.RenameMelody(0, text::fromUtf8(tunes[0].name))
                          : doc.AddMelody(text::fromUtf8(tunes[i].name));
    if (at < 0) {
      return false;
    }
    doc.at(at).assignStored(tunes[i].entries);
    doc.at(at).recomputeEncodedLength();
  }
  return doc.Save() == DocResult::Ok;
}

} // namespace pdx::features::testing
