// The phonebook page (3008): the PC phonebook in a column list with its
// header, the buttons and keys of every command, drag and drop of numbers,
// and the merge with the phone's phonebook on opening while connected.
// Every exchange with the phone runs with the page disabled under the wait
// cursor.
#pragma once

#include "features/common/ui/drag_drop_list_box.h"
#include "features/common/ui/page_frame.h"
#include "features/groups/ui/busy_phone.h"
#include "features/groups/ui/dialog_user.h"
#include "features/phonebook/phonebook_editor.h"
#include "features/phonebook/ui/compare_dlg.h"
#include "features/printing/ui/print_options_dlg.h"

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

// What the page borrows from the program.
struct PhonebookPageContext {
  core::CDataStore &store;
  PhonebookPhone &phone;
  bool connected = false;
  platform::Settings &settings; // the program's profile
  PageContext page;
  // Switches to the speed-dial page; the button stays disabled without it.
  std::function<void()> openSpeedDial;
  // Stand-ins for the message boxes and the comparison dialog (tests).
  PageUser *user = nullptr;
  ConflictResolver *resolver = nullptr;
  // Saves the data file; called after each completed change, so that a
  // crash or a killed process loses no edit.
  std::function<void()> saveData;
};

class CPhonebookPage : public CPageFrame, public DragOwner {
  Q_OBJECT

public:
  enum Command {
    kImport = 3080,
    kGroups,
    kNew,
    kDelete,
    kModify,
    kFind,
    kSpeedDial,
    kPrint,
    kHelp,
    kBack,
    kExit,
    kExport
  };
  inline static const std::string kColumnKey = "DiaryPhoneItemPos";

  CPhonebookPage(PhonebookPageContext context, QWidget *parent = nullptr);

  // Merges the phone's groups and phonebook (just read) into the PC's when
  // connected, then shows the result.
  void mergeOnOpen();

  PhonebookEditor &editor() { return editor_; }
  CDragDropListBox *list() const { return list_; }
  winlib::CBmpButton *button(Command command) const { return buttons_.at(command); }
  bool cancelFlag() const { return cancel_; }

  bool isValidDropTarget(QPoint globalPos, int sourceRow, int sourceColumn) override;
  void dropAt(QPoint globalPos, int sourceRow, int sourceColumn, Qt::KeyboardModifiers modifiers) override;

  // The commands, as the buttons and keys run them.
  void newEntry();
  void modifySelected();
  void deleteSelected();
  void find();
  void findNext(bool upward);
  void openGroups();
  void importFile();
  void print();
  void exportPhonebook();
  // The parts after the file or printer was chosen.
  void importFrom(const QString &path);
  void printWith(const PrintOptions &options);
  void exportTo(const QString &path);

protected:
  std::function<void()> ownCommand(int id) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  void createControls();
  void addButton(Command command, const QString &caption, QPoint at, QSize size);
  // Rebuilds the rows, selects `select`, and saves when anything changed.
  void refill(const std::vector<int> &select);
  void sortKeepingSelection(PhonebookColumn column);
  std::vector<int> selection() const;
  void updateButtons();
  int numberKindAt(QPoint globalPos, int *row) const;
  winlib::CBmpButton *buttonAt(QPoint globalPos) const;
  void beginOperation();

  PhonebookPageContext context_;
  DialogUser dialogUser_;
  DialogResolver dialogResolver_;
  PageUser &user_;
  BusyPhone phone_;
  PhonebookEditor editor_;
  CDragDropListBox *list_ = nullptr;
  ColumnHeader *header_ = nullptr;
  std::map<int, winlib::CBmpButton *> buttons_;
  PrintOptions printOptions_;
  bool cancel_ = false;
  bool running_ = false; // an editing command is running: others are ignored
};

} // namespace pdx::features
