// What the received and sent message pages share: the column list of one
// box with its header, the read-only text pane, the buttons, save to a text
// file, print, drops of a row onto a button, and the page's keys. Every
// exchange with the phone runs with the list and buttons disabled under the
// wait cursor.
#pragma once

#include "features/common/ui/drag_drop_list_box.h"
#include "features/common/ui/page_commands.h"
#include "features/groups/ui/dialog_user.h"
#include "features/printing/ui/print_options_dlg.h"
#include "features/sms/sms_editor.h"
#include "features/sms/ui/busy_sms_phone.h"
#include "features/sms/ui/button_keys.h"
#include "winlib/bmp_wnd.h"

#include <QStringList>
#include <functional>
#include <map>
#include <set>

class QPlainTextEdit;

namespace pdx::platform {
class Settings;
}

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {

// What the message pages borrow from the program.
struct SmsPageContext {
  core::CDataStore &store;
  SmsPhone &phone;
  const Clock &clock;
  std::string callback; // the phone information text (code page 949)
  platform::Settings &settings;
  QString messageFolder;
  std::function<void()> backToMenu;
  std::function<void()> exitProgram;
  std::function<void()> showHelp;
  // Makes sure the phone phonebook has been read; false when the user gave
  // up. Without it the send dialog's 전화번호부 button is disabled.
  std::function<bool()> readPhonebook;
  PageUser *user = nullptr; // a stand-in for the message boxes (tests)
  // The whole text (UTF-8) of a message whose record may hold it cut;
  // without it the record's text is the whole.
  std::function<std::string(const core::SmsMessage &)> wholeText = nullptr;
};

class CSmsListPage : public winlib::CBmpWnd, public DragOwner {
  Q_OBJECT

public:
  enum Command { kReply = 3400, kDelete, kSave, kPrint, kHelp, kBack, kExit, kNew, kModify, kSendNow, kOpen };

  SmsEditor &editor() { return editor_; }
  CDragDropListBox *list() const { return list_; }
  QPlainTextEdit *pane() const { return pane_; }
  winlib::CBmpButton *button(Command command) const { return buttons_.at(command); }
  int selectedRow() const { return list_->currentRow(); }

  void OnCommand(int id, int code) override;
  bool isValidDropTarget(QPoint globalPos, int sourceRow, int sourceColumn) override;
  void dropAt(QPoint globalPos, int sourceRow, int sourceColumn, Qt::KeyboardModifiers modifiers) override;

  void saveSelected();
  void print();
  // The parts after the file or printer was chosen.
  void saveTo(const QString &path);
  void printWith(const PrintOptions &options);

protected:
  struct Layout {
    QString caption;
    int skin;
    SmsBoxKind box;
    QRect header;
    QRect list;
    QRect pane;
    QStringList columns;
    std::vector<int> defaultBoundaries; // the stored ones; the last is fixed
    int lastBoundary;
    std::string columnKey;
  };
  CSmsListPage(SmsPageContext context, Layout layout, QWidget *parent);

  virtual std::string rowText(int row) const = 0;
  virtual std::string paneText(int row) const = 0; // UTF-8
  virtual void selectionChanged() {}
  virtual void updateButtons() = 0;
  // The commands of the page's own buttons.
  virtual std::span<const PageCommand<CSmsListPage>> ownCommands() const = 0;
  // The commands a dropped row runs.
  virtual std::set<int> dropCommands() const = 0;

  void addButton(Command command, const QString &caption, QPoint at, QSize size = QSize(46, 40));
  // Tab goes from the list to the pane, then through these buttons.
  void orderTabs(std::initializer_list<Command> commands);
  void refill(int select);
  // The whole text of the message on `row` (UTF-8).
  std::string wholeText(int row) const;
  void showSelected();
  bool busy() const { return phone_.busy(); }

  SmsPageContext context_;
  Layout layout_;
  DialogUser dialogUser_;
  PageUser &user_;
  BusySmsPhone phone_;
  SmsEditor editor_;
  CDragDropListBox *list_ = nullptr;
  QPlainTextEdit *pane_ = nullptr;
  std::map<int, winlib::CBmpButton *> buttons_;
  PrintOptions printOptions_;
  ButtonKeys *buttonKeys_ = nullptr;

private:
  void createControls();
  winlib::CBmpButton *buttonAt(QPoint globalPos) const;
};

} // namespace pdx::features
