// Animation files for tests of the animation page.
#pragma once

#include "animation/file/animation_file.h"
#include "core/base/cp949.h"

#include <filesystem>
#include <string>

namespace pdx::features::testing {

// Writes `count` animations named "0", "1", ... as the file `file` of
// `folder`; animation i has pixel (i, 0) set and effect `effect`.
inline bool writeAnimationFile(const std::filesystem::path &folder, const std::string &file, int count,
                               uint16_t effect) {
  animation::CAnimationFile doc;
  doc.setFolder(folder);
  doc.New(text::fromUtf8("그림"), file);
  for (int i = 0; i < count; ++i) {
    const int at = i == 0 ? doc.RenameAnimation(0, "0") : doc.AddAnimation(std::to_string(i));
    if (at < 0) {
      return false;
    }
    doc.at(at)->setPixel(i, 0, true);
    doc.at(at)->setEffect(effect);
  }
  return doc.Save() == DocResult::Ok;
}

} // namespace pdx::features::testing
