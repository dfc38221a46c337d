// What the received and sent message pages share: the column list of one
// box with its header, the read-only text pane, the buttons, save to a text
// file, print, drops of a row onto a button, and the page's keys. Every
// exchange with the phone runs with the list and buttons disabled under the
// wait cursor.
#pragma once

#include "features/common/ui/drag_drop_list_box.h"
#include "features/common/ui/page_frame.h"
#include "features/groups/ui/dialog_user.h"
#include "features/printing/ui/print_options_dlg.h"
#include "features/sms/sms_editor.h"
#include "features/sms/ui/busy_sms_phone.h"
#include "features/sms/ui/button_keys.h"

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
  PageContext page;
  // Makes sure the phone phonebook has been read; false when the user gave
  // up. Without it the send dialog's 전화번호부 button is disabled.
  std::function<bool()> readPhonebook;
  PageUser *user = nullptr; // a stand-in for the message boxes (tests)
  // The whole text (UTF-8) of a message whose record may hold it cut;
  // without it the record's text is the whole.
  std::function<std::string(const core::SmsMessage &)> wholeText = nullptr;
};

class CSmsListPage : public CPageFrame, public DragOwner {
  Q_OBJECT

public:
  enum Command { kReply = 3400, kDelete, kSave, kPrint, kHelp, kBack, kExit, kNew, kModify, kSendNow, kOpen };

  SmsEditor &editor() { return editor_; }
  CDragDropListBox *list() const { return list_; }
  QPlainTextEdit *pane() const { return pane_; }
  winlib::CBmpButton *button(Command command) const { return buttons_.at(command); }
  int selectedRow() const { return list_->currentRow(); }

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
    // A message's list row (code page 949) after its 1-based position, and
    // its pane text (UTF-8).
    std::string (*formatRow)(int position, const core::SmsMessage &message);
    std::string (*formatPane)(const core::SmsMessage &message, std::string_view wholeText);
  };
  CSmsListPage(SmsPageContext context, Layout layout, QWidget *parent);

  const core::SmsMessage &message(int row) const {
    return editor_.box(layout_.box)[static_cast<size_t>(row)];
  }
  std::string rowText(int row) const { return layout_.formatRow(row + 1, message(row)); }
  virtual void selectionChanged() {}
  virtual void updateButtons() = 0;
  // The commands of the buttons only this page has.
  virtual std::span<const PageCommand<CSmsListPage>> ownCommands() const = 0;
  std::function<void()> ownCommand(int id) override;
  // A disabled button's command does not run.
  bool runCommand(int id) override;
  // The commands a dropped row runs.
  virtual std::set<int> dropCommands() const = 0;

  void addButton(Command command, const QString &caption, QPoint at, QSize size = QSize(46, 40));
  // Ends the set-up: Tab goes from the list to the pane, then through
  // these buttons; the list shows the first message and has the focus.
  void finishSetUp(std::initializer_list<Command> tabOrder);
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
