// The melody page (3010): the melody files of the melody folder, the
// melodies of the chosen file, play and stop, the three phone slots
// (buttons, keys 1 to 3, and drops of a dragged melody), the melody editor,
// help, back and exit. Leaving the page stops the melody.
#pragma once

#include "features/common/ui/media_page.h"
#include "features/common/ui/media_page_parts.h"
#include "features/melodies/melody_assignment.h"

namespace pdx::features {

class CMelodyPage : public CMediaPage {
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
  CDragDropListBox *melodies() const { return items_; }

protected:
  std::function<void()> ownCommand(int id) override;
  MediaLogic &mediaLogic() override { return logic_; }
  int dropCommandAt(QPoint globalPos) const override;
  void updateButtons() override;
  void PaintText(QPainter &painter) override;

private:
  void createControls();
  void showPlaying(bool playing);

  MediaPageContext context_;
  MessageBoxUser boxUser_;
  MediaUser &user_;
  BusyMediaPhone phone_;
  BackgroundPlayer player_;
  MelodyAssignment logic_;
};

} // namespace pdx::features
