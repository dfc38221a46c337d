// The alarm page (3012): the phone's alarms in due-time order, the detail
// pane of the selected alarm, a month calendar to look at, and the add,
// modify and delete commands. Every exchange runs with the page disabled
// under the wait cursor.
#pragma once

#include "features/alarms/alarm_editor.h"
#include "features/alarms/alarm_form.h"
#include "features/common/ui/busy_widgets.h"
#include "features/common/ui/drag_drop_list_box.h"
#include "features/common/ui/page_frame.h"
#include "features/groups/ui/dialog_user.h"

#include <functional>
#include <map>

class QComboBox;
class QLabel;
class QLineEdit;

namespace pdx::winlib {
class CBmpButton;
class CMonthCalendar;
} // namespace pdx::winlib

namespace pdx::features {

struct AlarmPageContext {
  core::CDataStore &store;
  AlarmPhone &phone;
  // Dates the due-time order of the list.
  const Clock &clock;
  PageContext page;
  std::function<bool()> linkBusy;
  // Stand-ins, for tests, for the message boxes and the edit dialog (the
  // accepted form or nothing for Cancel).
  PageUser *user = nullptr;
  std::function<std::optional<AlarmForm>(bool adding, const AlarmForm &start)> editForm;
};

class CAlarmPage : public CPageFrame, public DragOwner {
  Q_OBJECT

public:
  enum Command { kAdd = 3120 + 1000, kModify, kDelete, kHelp, kBack, kExit };
  static constexpr int kCalendarId = 4130;

  explicit CAlarmPage(AlarmPageContext context, QWidget *parent = nullptr);

  AlarmEditor &editor() { return editor_; }
  CDragDropListBox *list() const { return list_; }
  winlib::CBmpButton *button(Command command) const { return buttons_.at(command); }
  winlib::CMonthCalendar *calendar() const { return calendar_; }
  QString detailTime() const;

  void addAlarm();
  void modifySelected();
  void deleteSelected();

  bool isValidDropTarget(QPoint globalPos, int sourceRow, int sourceColumn) override;
  void dropAt(QPoint globalPos, int sourceRow, int sourceColumn, Qt::KeyboardModifiers modifiers) override;

protected:
  std::function<void()> ownCommand(int id) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  void createDetail();
  void createButtons();
  void refill(int select);
  void showDetail();
  void updateButtons();
  bool busy() const;
  std::optional<AlarmForm> edit(bool adding, const AlarmForm &start);
  winlib::CBmpButton *buttonAt(QPoint globalPos) const;

  // The phone with every exchange run with the page disabled under the
  // wait cursor.
  class BusyAlarmPhone : public AlarmPhone {
  public:
    BusyAlarmPhone(CAlarmPage &page, AlarmPhone &phone) : phone_(phone) { busy_.set({&page}); }
    bool writeAlarm(size_t position, const core::AlarmEntry &alarm) override;
    bool deleteAlarm(size_t position) override;
    bool busy() const { return busy_.busy(); }

  private:
    AlarmPhone &phone_;
    BusyWidgets busy_;
  };

  AlarmPageContext context_;
  DialogUser dialogUser_;
  PageUser &user_;
  BusyAlarmPhone phone_;
  AlarmEditor editor_;
  CDragDropListBox *list_ = nullptr;
  QComboBox *detailPeriod_ = nullptr;
  QLabel *detailTime_ = nullptr;
  QLineEdit *detailMemo_ = nullptr;
  winlib::CMonthCalendar *calendar_ = nullptr;
  std::map<int, winlib::CBmpButton *> buttons_;
};

} // namespace pdx::features
