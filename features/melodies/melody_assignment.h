// The logic of the melody page: the melody files of the melody folder and
// the melodies of the chosen one, playing the chosen melody on the PC,
// sending it to one of the phone's three melody slots, starting the melody
// editor, and the rescan after the editor saved a file. Every command first
// stops the melody that plays.
#pragma once

#include "core/base/user_text.h"
#include "features/common/media_catalog.h"
#include "features/common/media_ports.h"
#include "features/melodies/background_player.h"
#include "melody/file/melody_file.h"

#include <functional>
#include <optional>

namespace pdx::features {

inline constexpr int kMelodySlots = 3;
inline constexpr const char *kMelodyPlayFailure =
    QT_TRANSLATE_NOOP("pdx::melodies", "멜로디를 연주할 수 없습니다.");
inline constexpr const char *kMelodySendFailure =
    QT_TRANSLATE_NOOP("pdx::melodies", "멜로디를 지정할 수 없습니다.");
inline constexpr const char *kMelodyEditorProgram = "Carrowin";
inline constexpr const char *kMelodyEditorName = QT_TRANSLATE_NOOP("pdx::melodies", "멜로디 편집기");

// The catalogue entry of a melody file (the scan's loader).
std::optional<CatalogEntry> loadMelodyEntry(const std::filesystem::path &folder, const std::string &name);

class MelodyAssignment : public MediaLogic {
public:
  MelodyAssignment(std::filesystem::path folder, MediaPhone &phone, MediaUser &user, ProgramStarter &starter,
                   BackgroundPlayer &player);
  ~MelodyAssignment() override { player_.stop(); }
  MelodyAssignment(const MelodyAssignment &) = delete;
  MelodyAssignment &operator=(const MelodyAssignment &) = delete;

  // Scans the folder; the first file and its first melody are chosen.
  void open();
  MediaCatalog &catalog() override { return catalog_; }

  // Plays the chosen melody; `changed` is told when playing starts and
  // when it ends or stops.
  void play();
  void stop();
  bool playing() const { return player_.playing(); }
  bool running() const override { return playing(); }
  void onPlayingChanged(std::function<void(bool)> changed) { playingChanged_ = std::move(changed); }

  // Sends the chosen melody to phone slot 0..2; true when the phone took it.
  bool send(int slot);
  void startEditor();
  // Stops first; commands reach the page through the other calls.
  void beforeCommand() override { stop(); }
  // Another choice stops the melody that plays.
  void choiceChanged() override { stop(); }
  CatalogChange onProgramMessage(uint32_t message) override;

private:
  // The chosen melody as the file holds it now.
  std::optional<melody::CMelody> loadChosen() const;

  std::filesystem::path folder_;
  MediaCatalog catalog_;
  MediaPhone &phone_;
  MediaUser &user_;
  ProgramStarter &starter_;
  BackgroundPlayer &player_;
  std::function<void(bool)> playingChanged_;
};

} // namespace pdx::features
