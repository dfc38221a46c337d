// pelodex-cli media: what the melody and animation pages list, for
// scripts: the files of a folder that load, sorted by name byte-wise, each
// with its items sorted by name and their places in the file (the --index
// of phone send-melody and send-animation).
#include "cli/commands.h"
#include "cli/output.h"
#include "core/base/cp949.h"
#include "core/base/user_text.h"
#include "features/animations/animation_assignment.h"
#include "features/melodies/melody_assignment.h"
#include "platform/settings/folders.h"

#include <cstdio>
#include <nlohmann/json.hpp>

namespace pdx::cli {
namespace {

namespace fs = std::filesystem;

// The page's lists of `folder` as JSON.
nlohmann::json listFolder(const fs::path &folder, bool melodies) {
  features::MediaCatalog catalog(folder, melodies ? ".pcm" : ".pca", [&](const std::string &name) {
    return melodies ? features::loadMelodyEntry(folder, name) : features::loadAnimationEntry(folder, name);
  });
  catalog.open();
  nlohmann::json files = nlohmann::json::array();
  for (int f = 0; f < static_cast<int>(catalog.files().size()); ++f) {
    catalog.chooseFile(f);
    nlohmann::json items = nlohmann::json::array();
    for (const features::CatalogItem &item : catalog.items()) {
      items.push_back({{"name", text::toUtf8(item.name)}, {"index", item.index}});
    }
    const features::CatalogEntry &entry = catalog.files()[static_cast<size_t>(f)];
    files.push_back({{"file", entry.path},
                     {"label", catalog.fileLabel(f)},
                     {"title", text::toUtf8(entry.title)},
                     {"items", std::move(items)}});
  }
  return files;
}

} // namespace

int runMedia(Args &args) {
  const auto command = args.positional();
  const auto kind = args.positional();
  const auto folderOption = args.option("--folder");
  if (!args.finish() || command != "list" || (kind != "melodies" && kind != "animations")) {
    std::fprintf(stderr, "%s\n",
                 text::fill(text::translate("pdx::cli", "사용법: %1"),
                            {"pelodex-cli media list melodies|animations [--folder DIR]"})
                     .c_str());
    return kBadArguments;
  }
  const bool melodies = *kind == "melodies";
  fs::path folder;
  if (folderOption) {
    folder = *folderOption;
  } else {
    const platform::PelodexFolders folders = platform::loadPelodexFolders();
    folder = melodies ? folders.melody : folders.animation;
  }
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    printError(text::fill(text::translate("pdx::cli", "폴더를 읽을 수 없습니다: %1"), {folder.string()}));
    return 66;
  }
  // File names need not be UTF-8: what does not decode is replaced.
  const std::string out =
      listFolder(folder, melodies).dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
  // A failed write is reported once the command has ended.
  std::printf("%s\n", out.c_str());
  return 0;
}

} // namespace pdx::cli
