// The melody page (3010): the melody files of the melody folder, the
// melodies of the chosen file, play and stop, the three phone slots
// (buttons, keys 1 to 3, and drops of a dragged melody), the melody editor,
// help, back and exit. Leaving the page stops the melody.
#pragma once

#include "features/common/ui/drag_drop_list_box.h"
#include "features/common/ui/media_page_parts.h"
#include "features/common/ui/program_message_target.h"
#include "features/melodies/melody_assignment.h"
#include "winlib/bmp_wnd.h"

#include <array>
#include <functional>
#include <map>

namespace pdx::features {

class CMelodyPage : public winlib::CBmpWnd, public DragOwner, public ProgramMessageTarget {
  Q_OBJECT

public:
  enum Command {
    kPlay = 3940,
    kSlot1 = 3941,
    kSlot2 = 3942,
    kSlot3 = 3943,
    kEditor = 3944,
    kStop = 3945,
    kExit = 3960,
    kBack = 3961,
    kHelp = 3962,
  };

  CMelodyPage(MediaPageContext context, BackgroundPlayer::OutputSource tones, QWidget *parent = nullptr);
  ~CMelodyPage() override;

  MelodyAssignment &logic() { return logic_; }
  CDragDropListBox *files() const { return files_; }
  CDragDropListBox *melodies() const { return melodies_; }
  winlib::CBmpButton *button(Command command) const { return buttons_.at(command); }

  void OnCommand(int id, int code) override;
  void OnProgramMessage(uint32_t message) override;
  bool isValidDropTarget(QPoint globalPos, int sourceRow, int sourceColumn) override;
  void dropAt(QPoint globalPos, int sourceRow, int sourceColumn, Qt::KeyboardModifiers modifiers) override;

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void hideEvent(QHideEvent *event) override;
  void PaintText(QPainter &painter) override;

private:
  void createControls();
  void refillFiles();
  void refillMelodies();
  void updateButtons();
  void showPlaying(bool playing);
  int dropCommandAt(QPoint globalPos) const;

  MediaPageContext context_;
  MessageBoxUser boxUser_;
  MediaUser &user_;
  BusyMediaPhone phone_;
  BackgroundPlayer player_;
  MelodyAssignment logic_;
  CDragDropListBox *files_ = nullptr;
  CDragDropListBox *melodies_ = nullptr;
  std::map<int, winlib::CBmpButton *> buttons_;
  bool filling_ = false;
};

} // namespace pdx::features
