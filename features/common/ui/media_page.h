// What the melody and animation pages share: the frame with the skin's
// row, the list of files and the list of the chosen file's items, their
// refill, the editors' save messages that rescan, the keys, and the gate
// before every command (playing and sending need a chosen item; what plays
// stops first).
#pragma once

#include "features/common/media_catalog.h"
#include "features/common/ui/drag_drop_list_box.h"
#include "features/common/ui/page_frame.h"

#include <map>

namespace pdx::features {

class CMediaPage : public CPageFrame, public DragOwner {
  Q_OBJECT

public:
  struct Ids {
    int play;      // plays or previews the chosen item: Ctrl+P, Enter
    int stop;      // Esc while something plays
    int firstSlot; // sends to slot 0, the next two ids to slots 1 and 2: keys 1 to 3
    int editor;    // Ctrl+E
    PageRowIds row;
  };

  CDragDropListBox *files() const { return files_; }
  winlib::CBmpButton *button(int command) const { return buttons_.at(command); }

  void OnProgramMessage(uint32_t message) override;
  // A dragged item dropped on a command's place runs that command for it.
  bool isValidDropTarget(QPoint globalPos, int sourceRow, int sourceColumn) override;
  void dropAt(QPoint globalPos, int sourceRow, int sourceColumn, Qt::KeyboardModifiers modifiers) override;

protected:
  CMediaPage(PageContext context, Ids ids);

  // The lists, named for assistive technology; items can be dragged.
  void createLists(QRect files, QRect items, const QString &filesName, const QString &itemsName);
  void refillFiles();
  void refillItems();

  virtual MediaLogic &mediaLogic() = 0;
  // The command a drop at `globalPos` runs; 0 for none.
  virtual int dropCommandAt(QPoint globalPos) const = 0;
  virtual void updateButtons() = 0;

  bool runCommand(int id) override;
  void keyPressEvent(QKeyEvent *event) override;
  // Leaving the page stops what plays.
  void hideEvent(QHideEvent *event) override;

  CDragDropListBox *items_ = nullptr;
  std::map<int, winlib::CBmpButton *> buttons_;

private:
  int keyCommand(const QKeyEvent &event);

  Ids ids_;
  CDragDropListBox *files_ = nullptr;
  bool filling_ = false;
};

} // namespace pdx::features
