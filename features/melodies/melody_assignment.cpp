#include "features/melodies/melody_assignment.h"

#include "core/base/fixed_text.h"
#include "melody/encode/phone_encoding.h"

namespace pdx::features {

namespace fs = std::filesystem;

namespace {

// Reads `name` of `folder` only: a name the folder no longer holds is
// never looked for elsewhere.
bool loadFromFolder(melody::CMelodyFile &file, const fs::path &folder, const std::string &name) {
  std::error_code error;
  if (!fs::is_regular_file(folder / name, error)) {
    return false;
  }
  file.setFolder(folder);
  return file.Load(name) == DocResult::Ok;
}

} // namespace

std::optional<CatalogEntry> loadMelodyEntry(const fs::path &folder, const std::string &name) {
  melody::CMelodyFile file;
  if (!loadFromFolder(file, folder, name)) {
    return std::nullopt;
  }
  CatalogEntry entry;
  FixedText<16> title;
  title.setWhole(file.title().view());
  entry.title = std::string(title.view());
  entry.path = name;
  for (int i = 0; i < file.size(); ++i) {
    entry.names.emplace_back(file.at(i).name().view());
  }
  return entry;
}

MelodyAssignment::MelodyAssignment(fs::path folder, MediaPhone &phone, MediaUser &user,
                                   ProgramStarter &starter, BackgroundPlayer &player)
    : folder_(folder),
      catalog_(folder, ".pcm", [folder](const std::string &name) { return loadMelodyEntry(folder, name); }),
      phone_(phone), user_(user), starter_(starter), player_(player) {}

void MelodyAssignment::open() {
  catalog_.open();
}

std::optional<melody::CMelody> MelodyAssignment::loadChosen() const {
  const CatalogItem *item = catalog_.chosen();
  if (item == nullptr) {
    return std::nullopt;
  }
  melody::CMelodyFile file;
  if (!loadFromFolder(file, folder_, catalog_.files()[static_cast<size_t>(catalog_.chosenFile())].path)) {
    return std::nullopt;
  }
  std::vector<std::string> names;
  for (int i = 0; i < file.size(); ++i) {
    names.emplace_back(file.at(i).name().view());
  }
  const int index = findListedItem(names, *item);
  return index < 0 ? std::nullopt : std::optional<melody::CMelody>(file.at(index));
}

void MelodyAssignment::play() {
  stop();
  if (!catalog_.hasChoice()) {
    return;
  }
  const std::optional<melody::CMelody> melody = loadChosen();
  if (!melody) {
    user_.tell(text::translate("pdx::melodies", kMelodyPlayFailure), false);
    return;
  }
  player_.play(*melody, [this] {
    if (playingChanged_) {
      playingChanged_(false);
    }
  });
  if (playingChanged_) {
    playingChanged_(true);
  }
}

void MelodyAssignment::stop() {
  if (!player_.playing()) {
    return;
  }
  player_.stop();
  if (playingChanged_) {
    playingChanged_(false);
  }
}

bool MelodyAssignment::send(int slot) {
  stop();
  if (!catalog_.hasChoice() || slot < 0 || slot >= kMelodySlots) {
    return false;
  }
  const std::optional<melody::CMelody> melody = loadChosen();
  if (!melody || !phone_.sendMelody(melody::buildMelodySetPayload(static_cast<uint8_t>(slot), *melody))) {
    user_.tell(text::translate("pdx::melodies", kMelodySendFailure), false);
    return false;
  }
  return true;
}

void MelodyAssignment::startEditor() {
  stop();
  const std::string failure =
      starter_.start(kMelodyEditorProgram, text::translate("pdx::melodies", kMelodyEditorName));
  if (!failure.empty()) {
    user_.tell(failure, true);
  }
}

CatalogChange MelodyAssignment::onProgramMessage(uint32_t message) {
  if (message != kMsgMelodySaved) {
    return CatalogChange::Nothing;
  }
  stop();
  return catalog_.rescan();
}

} // namespace pdx::features
