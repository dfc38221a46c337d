// The main window's keyboard: cursor moves with Shift selection, the tools
// on 1 to 6, the dot, and the Ctrl shortcuts.
#include "apps/carrowin/melody_window.h"
#include "melody/ui/score_strip.h"

#include <QKeyEvent>
#include <optional>

namespace pdx::carrowin {
using namespace melody;
using namespace melody::ui;

namespace {

std::optional<CursorMove> cursorMove(int key) {
  switch (key) {
  case Qt::Key_Left:
    return CursorMove::Left;
  case Qt::Key_Right:
    return CursorMove::Right;
  case Qt::Key_PageUp:
    return CursorMove::PageUp;
  case Qt::Key_PageDown:
    return CursorMove::PageDown;
  case Qt::Key_Home:
    return CursorMove::Home;
  case Qt::Key_End:
    return CursorMove::End;
  default:
    return std::nullopt;
  }
}

// Ctrl shortcuts that run a command of the window.
int ctrlCommand(int key, bool shift) {
  switch (key) {
  case Qt::Key_C:
    return kCmdCopy;
  case Qt::Key_X:
    return kCmdCut;
  case Qt::Key_V:
    return kCmdPaste;
  case Qt::Key_H:
    return kCmdHelp;
  case Qt::Key_M:
    return kCmdBar;
  case Qt::Key_N:
    return shift ? kCmdNewMelody : kCmdNewFile;
  case Qt::Key_O:
    return kCmdOpen;
  case Qt::Key_S:
    return kCmdSave;
  case Qt::Key_P:
    return kCmdPlay;
  case Qt::Key_R:
    return kCmdRenameMelody;
  default:
    return 0;
  }
}

constexpr int kNoteTools[] = {kWholeNote,  kHalfNote,      kQuarterNote,
                              kEighthNote, kSixteenthNote, kThirtySecondNote};
constexpr int kRestTools[] = {kWholeRest,  kHalfRest,      kQuarterRest,
                              kEighthRest, kSixteenthRest, kThirtySecondRest};

} // namespace

void MelodyWindow::keyPressEvent(QKeyEvent *event) {
  const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
  const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
  const int key = event->key();
  if (key == Qt::Key_Shift || key == Qt::Key_Control) {
    return;
  }
  editor_.noteKeyPress(ctrl && key == Qt::Key_R);
  if (isPlaying()) {
    return;
  }
  if (const auto move = cursorMove(key)) {
    editor_.moveCursor(*move, shift, strip_->pageMetric());
    strip_->refresh();
    return;
  }
  if (key >= Qt::Key_1 && key <= Qt::Key_6) {
    runCommand((ctrl ? kRestTools : kNoteTools)[key - Qt::Key_1]);
    return;
  }
  if (ctrl && handleCtrlKey(key, shift)) {
    return;
  }
  if (key == Qt::Key_Backspace) {
    runCommand(kCmdDeleteBefore);
  } else if (key == Qt::Key_Delete) {
    runCommand(kCmdDeleteAt);
  } else if (event->text() == QLatin1String(".")) {
    runCommand(kCmdDotted);
  } else {
    CBmpWnd::keyPressEvent(event);
  }
}

bool MelodyWindow::handleCtrlKey(int key, bool shift) {
  if (key == Qt::Key_A) {
    editor_.SelectAll();
    strip_->refresh();
    return true;
  }
  const int command = ctrlCommand(key, shift);
  if (command != 0) {
    runCommand(command);
  }
  return command != 0;
}

void MelodyWindow::keyReleaseEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Shift) {
    editor_.releaseShift();
  }
  CBmpWnd::keyReleaseEvent(event);
}

} // namespace pdx::carrowin
