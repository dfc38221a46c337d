// The melody editor's main window (skin 3050): the melody, tempo and key
// controls, the tool buttons, the piano, the entry staff and the score
// strip. It paints and forwards input; ScoreEditor and EditorCommands hold
// the logic, and the window answers them as their host.
#pragma once

#include "melody/editor/editor_commands.h"
#include "melody/player/melody_player.h"
#include "melody/score/playback_commands.h"
#include "melody/score/score_editor.h"
#include "melody/ui/score_painter.h"
#include "winlib/bmp_wnd.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>

class QComboBox;
class QSpinBox;

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::melody::ui {
class ScoreStrip;
class EntryStaff;
class PianoKeyboard;
} // namespace pdx::melody::ui

namespace pdx::carrowin {
using namespace melody;
using namespace melody::ui;

// Command identifiers of the window.
enum EditorCommand : int {
  kCmdExit = 4400,
  kCmdHelp = 4401,
  kCmdHelpMenu = 1001,
  kCmdNewFile = 4402,
  kCmdOpen = 4403,
  kCmdSave = 4404,
  kCmdNewMelody = 4405,
  kCmdRenameMelody = 4406,
  kCmdDeleteMelody = 4407,
  kCmdPlay = 4408,
  kCmdStop = 4409,
  kCmdGoToStart = 4410,
  kCmdPause = 4411,
  kCmdBar = 4412,
  kCmdDotted = 4421,
  kCmdLeftRepeat = 4471,
  kCmdRightRepeat = 4473,
  kCmdSharp = 4477,
  kCmdFlat = 4479,
  kCmdNatural = 4481,
  kCmdSemitoneUp = 4482,
  kCmdSemitoneDown = 4483,
  kCmdDeleteBefore = 4484,
  kCmdDeleteAt = 4485,
  kCmdCopy = 4486,
  kCmdCut = 4487,
  kCmdPaste = 4488,
};

// The tooltip (and accessible name) of a command; empty when it has none.
QString commandTip(int command);

// What the window needs from the program around it.
struct EditorServices {
  CMelodyFile *doc = nullptr;
  CMelodyPlayer *player = nullptr;
  ToneOutput *output = nullptr;
  std::function<void()> help;
  std::function<void()> exit;
  std::function<void(bool outside, const std::string &path)> saved;
  // The dialogs; tests replace them.
  std::function<int(const QString &text, uint32_t box, int captionId)> ask;
  std::function<std::optional<std::string>(bool save)> pickFile;
  std::function<std::optional<QString>(int captionId, const QString &initial)> askName;
};

class MelodyWindow : public winlib::CBmpWnd, public ScoreHost, public EditorUser {
  Q_OBJECT

public:
  explicit MelodyWindow(EditorServices services);
  ~MelodyWindow() override;

  void OnCommand(int id, int code) override;
  EditorCommands &Commands() { return commands_; }
  // The services, to set the dialogs that need the window as their owner.
  EditorServices &Services() { return services_; }
  ScoreEditor &Editor() { return editor_; }
  ScoreStrip *Strip() const { return strip_; }
  EntryStaff *Staff() const { return staff_; }
  PianoKeyboard *Piano() const { return piano_; }
  winlib::CBmpButton *Button(int command) const;
  QComboBox *MelodyList() const { return melodyList_; }
  QComboBox *KeyList() const { return keyList_; }
  QSpinBox *Tempo() const { return tempo_; }
  const QString &StatusText() const { return status_; }
  // Shows the melody at `index` of the document.
  void SelectMelody(int index);

  // ScoreHost.
  bool isPlaying() const override;
  void silence() override;
  void rewindPlayer() override;
  void showMessage(std::string_view text) override;
  bool askYesNo(std::string_view text) override;
  // EditorUser.
  int ask(std::string_view text, uint32_t box, int captionId) override;
  std::optional<std::string> pickFile(bool save) override;
  std::optional<std::string> askName(int captionId, std::string_view initial) override;
  void refresh() override;
  void redraw() override;
  void pause() override;
  void notifySaved(bool outsideFolder, const std::string &path) override;

protected:
  // Builds the controls at the end of Create, before the window is shown,
  // and starts a new untitled document.
  void OnCreate() override;
  void PaintText(QPainter &painter) override;
  void keyPressEvent(QKeyEvent *event) override;
  void keyReleaseEvent(QKeyEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  void createButtons();
  void createLists();
  void runCommand(int id);
  void chooseTool(int id);
  void showHelp();
  void save();
  void newMelody();
  void renameMelody();
  void deleteMelody();
  void play();
  void stopOrPause(bool stop);
  void setPlayingLook(bool playing);
  void setAccidental(int id);
  void edited();
  void syncToggles();
  void fillMelodyList();
  bool handleCtrlKey(int key, bool shift);

  EditorServices services_;
  ScoreGlyphs glyphs_;
  ScoreEditor editor_;
  EditorCommands commands_;
  PlaybackCommands playback_;
  std::map<int, winlib::CBmpButton *> buttons_;
  ScoreStrip *strip_ = nullptr;
  EntryStaff *staff_ = nullptr;
  PianoKeyboard *piano_ = nullptr;
  QComboBox *melodyList_ = nullptr;
  QComboBox *keyList_ = nullptr;
  QSpinBox *tempo_ = nullptr;
  QString status_;
  bool filling_ = false;
};

} // namespace pdx::carrowin
