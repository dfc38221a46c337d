// The main window's commands, one table from command to handler: document
// and melody commands, playback, note tools and score editing, help and exit.
#include "apps/carrowin/melody_window.h"
#include "melody/ui/entry_staff.h"
#include "melody/ui/score_strip.h"
#include "winlib/bmp_button.h"

#include <QComboBox>
#include <QPointer>
#include <algorithm>

namespace pdx::carrowin {
using namespace melody;
using namespace melody::ui;

void MelodyWindow::OnCommand(int id, int code) {
  if (code == winlib::kNotifyEnter || code == winlib::kNotifyLeave) {
    status_ = code == winlib::kNotifyEnter ? commandTip(id) : QString();
    update(QRect(4, 442, 497, 16));
    return;
  }
  if (code != winlib::kNotifyCommand) {
    return;
  }
  runCommand(id);
}

void MelodyWindow::runCommand(int id) {
  // Edited: the command changed the score, which the strip and the staff
  // then show again; Drawn: the handler showed what it changed itself.
  enum class After { Edited, Drawn };
  using Handler = void (*)(MelodyWindow &, int);
  struct Command {
    int id;
    Handler run;
    After after;
  };
  static constexpr Command kCommands[] = {
      {kCmdExit, [](MelodyWindow &w, int) { w.services_.exit(); }, After::Drawn},
      {kCmdHelp, [](MelodyWindow &w, int) { w.showHelp(); }, After::Drawn},
      {kCmdHelpMenu, [](MelodyWindow &w, int) { w.showHelp(); }, After::Drawn},
      {kCmdNewFile, [](MelodyWindow &w, int) { w.commands_.NewFile(); }, After::Edited},
      {kCmdOpen, [](MelodyWindow &w, int) { w.commands_.Open(std::nullopt); }, After::Edited},
      {kCmdSave, [](MelodyWindow &w, int) { w.save(); }, After::Drawn},
      {kCmdNewMelody, [](MelodyWindow &w, int) { w.newMelody(); }, After::Drawn},
      {kCmdRenameMelody, [](MelodyWindow &w, int) { w.renameMelody(); }, After::Drawn},
      {kCmdDeleteMelody, [](MelodyWindow &w, int) { w.deleteMelody(); }, After::Drawn},
      {kCmdPlay, [](MelodyWindow &w, int) { w.play(); }, After::Drawn},
      {kCmdPause, [](MelodyWindow &w, int) { w.stopOrPause(false); }, After::Drawn},
      {kCmdStop, [](MelodyWindow &w, int) { w.stopOrPause(true); }, After::Drawn},
      {kCmdGoToStart, [](MelodyWindow &w, int) { w.playback_.goToStart(); }, After::Edited},
      {kCmdDotted, [](MelodyWindow &w, int) { w.editor_.toggleDotted(); }, After::Edited},
      {kCmdSharp, [](MelodyWindow &w, int id) { w.setAccidental(id); }, After::Edited},
      {kCmdFlat, [](MelodyWindow &w, int id) { w.setAccidental(id); }, After::Edited},
      {kCmdNatural, [](MelodyWindow &w, int id) { w.setAccidental(id); }, After::Edited},
      {kCmdBar, [](MelodyWindow &w, int) { w.editor_.EnterBar(); }, After::Edited},
      {kCmdLeftRepeat, [](MelodyWindow &w, int) { w.editor_.EnterLeftRepeat(); }, After::Edited},
      {kCmdRightRepeat, [](MelodyWindow &w, int) { w.editor_.EnterRightRepeat(); }, After::Edited},
      {kCmdSemitoneUp, [](MelodyWindow &w, int) { w.editor_.Transpose(1); }, After::Edited},
      {kCmdSemitoneDown, [](MelodyWindow &w, int) { w.editor_.Transpose(-1); }, After::Edited},
      {kCmdDeleteBefore, [](MelodyWindow &w, int) { w.editor_.Backspace(); }, After::Edited},
      {kCmdDeleteAt, [](MelodyWindow &w, int) { w.editor_.DeleteForward(); }, After::Edited},
      {kCmdCopy, [](MelodyWindow &w, int) { w.editor_.Copy(); }, After::Edited},
      {kCmdCut, [](MelodyWindow &w, int) { w.editor_.Cut(); }, After::Edited},
      {kCmdPaste, [](MelodyWindow &w, int) { w.editor_.Paste(); }, After::Edited},
  };
  const auto *command = std::ranges::find(kCommands, id, &Command::id);
  if (command == std::end(kCommands)) {
    chooseTool(id);
  } else {
    command->run(*this, id);
    if (command->after == After::Drawn) {
      return;
    }
  }
  edited();
}

// The note and rest buttons: a rest is entered at once, a note length
// becomes the tool the piano and the staff enter with.
void MelodyWindow::chooseTool(int id) {
  if (isRestTool(id)) {
    editor_.EnterRest(id);
  } else if (id >= kWholeNote && id <= kThirtySecondNote) {
    editor_.chooseNoteTool(id);
  }
}

void MelodyWindow::showHelp() {
  pause();
  services_.help();
}

void MelodyWindow::save() {
  commands_.SaveCommand();
  update();
}

void MelodyWindow::newMelody() {
  if (const auto index = commands_.NewMelody()) {
    services_.doc->SetCurrent(*index);
    refresh();
  }
}

// Only the list changes: the cursor, the selection and the play position
// stay.
void MelodyWindow::renameMelody() {
  if (const auto index = commands_.RenameMelody()) {
    fillMelodyList();
    melodyList_->setCurrentIndex(melodyList_->findData(*index));
  }
}

void MelodyWindow::deleteMelody() {
  if (commands_.DeleteMelody()) {
    const int row = melodyList_->currentIndex();
    fillMelodyList();
    SelectMelody(melodyList_->itemData(std::min(row, melodyList_->count() - 1)).toInt());
  }
}

void MelodyWindow::setAccidental(int id) {
  const Accidental wanted = id == kCmdSharp  ? Accidental::Sharp
                            : id == kCmdFlat ? Accidental::Flat
                                             : Accidental::Natural;
  editor_.setAccidental(editor_.accidental() == wanted ? Accidental::None : wanted);
}

void MelodyWindow::setPlayingLook(bool playing) {
  buttons_[kCmdPlay]->Enable(!playing);
  buttons_[kCmdPause]->Enable(playing);
  buttons_[kCmdStop]->Enable(playing);
  strip_->setLocked(playing);
}

void MelodyWindow::play() {
  if (isPlaying()) {
    return;
  }
  setPlayingLook(true);
  // The play loop dispatches events while it waits; the window may be gone
  // when it returns (the program ended meanwhile).
  QPointer<MelodyWindow> self(this);
  playback_.play();
  if (self) {
    setPlayingLook(false);
    staff_->update();
  }
}

void MelodyWindow::stopOrPause(bool stop) {
  if (stop) {
    playback_.stop();
  } else {
    playback_.pause();
  }
  setPlayingLook(false);
  strip_->refresh();
}

void MelodyWindow::pause() {
  if (isPlaying()) {
    stopOrPause(false);
  }
}

} // namespace pdx::carrowin
