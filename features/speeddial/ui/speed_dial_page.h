// The speed-dial page (3009): the 99 speed dials on the left, the numbers
// of the phone's phonebook on the right, with assigning, deleting and
// moving by buttons, keys and drag and drop. Every exchange runs with the
// page disabled under the wait cursor.
#pragma once

#include "features/common/ui/drag_drop_list_box.h"
#include "features/common/ui/page_frame.h"
#include "features/groups/ui/busy_phone.h"
#include "features/groups/ui/dialog_user.h"
#include "features/speeddial/speed_dial_editor.h"

#include <functional>
#include <map>

namespace pdx::platform {
class Settings;
}

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {

class ColumnHeader;

struct SpeedDialPageContext {
  core::CDataStore &store;
  PhonebookPhone &phone;
  platform::Settings &settings;
  std::function<void()> backToPhonebook;
  PageContext page;
  // Whether the link is busy (drags show no target, 지정 is disabled).
  std::function<bool()> linkBusy;
  // Stand-ins for the message boxes and the assign dialog (tests): the
  // chosen speed-dial number, or 0 for Cancel.
  PageUser *user = nullptr;
  std::function<int(int slot, int kind, int start)> chooseNumber;
};

class CSpeedDialPage : public CPageFrame {
  Q_OBJECT

public:
  enum Command { kAssign = 3090, kDelete, kPhonebook, kHelp, kBack, kExit };
  inline static const std::string kColumnKey = "ShortDialItemPos";

  explicit CSpeedDialPage(SpeedDialPageContext context, QWidget *parent = nullptr);

  SpeedDialEditor &editor() { return editor_; }
  CDragDropListBox *keyList() const { return keys_; }
  CDragDropListBox *numberList() const { return numbers_; }
  winlib::CBmpButton *button(Command command) const { return buttons_.at(command); }

  void assignSelected(std::optional<int> targetKey = std::nullopt);
  void deleteSelected();

  // Drags from the key list (`fromKeys`) or the number list.
  bool validDrop(bool fromKeys, QPoint globalPos, int sourceRow) const;
  void drop(bool fromKeys, QPoint globalPos, int sourceRow);

protected:
  std::function<void()> ownCommand(int id) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  void createLists();
  void createButtons();
  void refillKeys(int select);
  void refillNumbers();
  void updateButtons();
  bool busy() const;
  // What lies under a point: a key row, a button or nothing.
  std::optional<std::pair<DropTarget, int>> targetAt(QPoint globalPos) const;
  int askNumber(int slot, int kind, int start);

  class ListDrag : public DragOwner {
  public:
    ListDrag(CSpeedDialPage &page, bool fromKeys) : page_(page), fromKeys_(fromKeys) {}
    bool isValidDropTarget(QPoint globalPos, int sourceRow, int) override {
      return page_.validDrop(fromKeys_, globalPos, sourceRow);
    }
    void dropAt(QPoint globalPos, int sourceRow, int, Qt::KeyboardModifiers) override {
      page_.drop(fromKeys_, globalPos, sourceRow);
    }

  private:
    CSpeedDialPage &page_;
    bool fromKeys_;
  };

  SpeedDialPageContext context_;
  DialogUser dialogUser_;
  PageUser &user_;
  BusyPhone phone_;
  SpeedDialEditor editor_;
  CDragDropListBox *keys_ = nullptr;
  CDragDropListBox *numbers_ = nullptr;
  ColumnHeader *keyHeader_ = nullptr;
  ColumnHeader *numberHeader_ = nullptr;
  std::map<int, winlib::CBmpButton *> buttons_;
  ListDrag keyDrag_{*this, true};
  ListDrag numberDrag_{*this, false};
};

} // namespace pdx::features
