// Carrowin, the melody editor program: start-up (settings profile
// "Brevanto", the melody folder, file types, the window), the one open
// document, the player and the tone output, and the notice to a running
// Pelodex after every save.
#pragma once

#include "melody/file/melody_file.h"
#include "melody/player/melody_player.h"
#include "platform/event_loop/qt_event_loop.h"
#include "winlib/bmp_wnd_based_app.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace pdx::carrowin {
using namespace melody;

class MelodyWindow;

inline constexpr const char *kProfile = "Brevanto";
inline constexpr const char *kWindowTitle = QT_TRANSLATE_NOOP("WindowTitle", "멜로디 편집기");

// The melody folder: "MelodyDir" of section "General", or the per-user
// data folder's "melody"; created when missing.
std::filesystem::path melodyFolder();
// The file the command line names (a path or a file URL), if any.
std::optional<std::string> fileArgument(const QStringList &arguments);

class CarrowinApp {
public:
  // `output` null: the automatic choice of tone output.
  explicit CarrowinApp(std::unique_ptr<ToneOutput> output = nullptr);
  ~CarrowinApp();

  // Start-up up to the window; then opens `file`, or shows the picker.
  bool InitInstance(const std::optional<std::string> &file);
  // Silences the speaker at the end of the program.
  void ExitInstance();

  MelodyWindow *Window() const;
  CMelodyFile &Document() { return doc_; }
  CMelodyPlayer &Player() { return player_; }

private:
  void askExit();

  winlib::CBmpWndBasedApp base_;
  platform::QtEventLoop loop_;
  std::unique_ptr<ToneOutput> output_;
  CMelodyPlayer player_;
  CMelodyFile doc_;
};

} // namespace pdx::carrowin
