#include "features/alarms/ui/alarm_page.h"

#include "core/base/cp949.h"
#include "features/alarms/ui/alarm_edit_dlg.h"
#include "features/groups/ui/dialog_parts.h"
#include "resources/fonts.h"
#include "resources/resource_ids.h"
#include "resources/resource_store.h"
#include "winlib/access/accessibility.h"
#include "winlib/bmp_button.h"
#include "winlib/calendar/ui/month_calendar.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace pdx::features {
namespace {

constexpr QRect kDetailRect(QPoint(32, 279), QPoint(241, 370));

QLabel *label(QWidget *parent, const QString &text, QPoint at) {
  auto *l = new QLabel(text, parent);
  l->setFont(resources::dialogFont());
  l->move(at);
  return l;
}

} // namespace

CAlarmPage::CAlarmPage(AlarmPageContext context, QWidget *parent)
    : CPageFrame(context.page, {kHelp, kBack, kExit}), context_(std::move(context)), dialogUser_(this),
      user_(context_.user ? *context_.user : dialogUser_), phone_(*this, context_.phone),
      editor_(context_.store, phone_, user_, context_.clock) {
  Create(tr("알람 지정"), resources::kPageAlarm, parent);
  list_ = new CDragDropListBox(this, resources::ResourceStore::instance().pixmap(resources::kAlarmIcons), 9,
                               false);
  list_->setGeometry(QRect(QPoint(25, 60), QPoint(244, 249)));
  list_->setColumns(2, {25, 219});
  list_->setDragEnabled(true);
  list_->setOwner(this);
  list_->setAccessibleName(tr("알람 목록"));
  connect(list_, &CDragDropListBox::selectionChanged, this, [this] {
    showDetail();
    updateButtons();
  });
  connect(list_, &CDragDropListBox::rowActivated, this, [this](int) { modifySelected(); });
  createDetail();
  calendar_ = new winlib::CMonthCalendar(this, QRect(QPoint(358, 64), QPoint(577, 290)), kCalendarId,
                                         winlib::CMonthCalendar::kSmallDays);
  calendar_->setAccessibleName(tr("달력"));
  calendar_->previousButton().setAccessibleName(tr("이전 달"));
  calendar_->nextButton().setAccessibleName(tr("다음 달"));
  // The month of the clock the alarms are ordered by, not the computer's zone.
  const core::CivilTime now = editor_.now();
  (void)calendar_->SetMonth(now.year, now.month);
  createButtons();
  refill(0);
  list_->setFocus();
}

void CAlarmPage::createDetail() {
  auto *pane = new QWidget(this);
  winlib::SetAccessibleRole(pane, QAccessible::Grouping);
  pane->setAccessibleName(tr("선택한 알람"));
  pane->setGeometry(kDetailRect);
  pane->setAutoFillBackground(true);
  QPalette white = pane->palette();
  white.setColor(QPalette::Window, Qt::white);
  pane->setPalette(white);
  label(pane, tr("알람주기"), {0, 3});
  detailPeriod_ = new QComboBox(pane);
  detailPeriod_->setGeometry(QRect(QPoint(70, 0), QPoint(205, 20)));
  detailPeriod_->setFont(resources::dialogFont());
  detailPeriod_->setEnabled(false);
  detailPeriod_->setAccessibleName(tr("알람주기"));
  label(pane, tr("알람시간 :"), {0, 28});
  detailTime_ = label(pane, QString(), {75, 27});
  detailTime_->resize(130, 40);
  detailTime_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  detailTime_->setAccessibleName(tr("알람시간"));
  label(pane, tr("메모"), {0, 73});
  detailMemo_ = new QLineEdit(pane);
  detailMemo_->setGeometry(QRect(QPoint(40, 70), QPoint(205, 90)));
  detailMemo_->setFont(resources::dialogFont());
  detailMemo_->setReadOnly(true);
  detailMemo_->setAccessibleName(tr("메모"));
}

void CAlarmPage::createButtons() {
  const auto add = [this](Command command, const QString &caption, QPoint at) {
    buttons_[command] = addTextButton(this, command, caption, at, QSize(46, 40));
  };
  add(kAdd, tr("추가"), {277, 134});
  add(kModify, tr("수정"), {277, 193});
  add(kDelete, tr("삭제"), {277, 251});
  addRow(RowLook::Text);
}

bool CAlarmPage::busy() const {
  return phone_.busy() || (context_.linkBusy && context_.linkBusy());
}

void CAlarmPage::refill(int select) {
  std::vector<std::string> rows;
  for (size_t i = 0; i < editor_.size(); ++i) {
    rows.push_back(editor_.rowText(i));
  }
  list_->setRows(std::move(rows));
  if (select >= 0 && select < list_->rowCount()) {
    list_->selectRow(select);
  }
  showDetail();
  updateButtons();
}

QString CAlarmPage::detailTime() const {
  return detailTime_->text();
}

void CAlarmPage::showDetail() {
  const int row = list_->currentRow();
  detailPeriod_->clear();
  if (row < 0 || static_cast<size_t>(row) >= editor_.size()) {
    detailTime_->clear();
    detailMemo_->clear();
    return;
  }
  const core::AlarmEntry &alarm = editor_.alarm(static_cast<size_t>(row));
  detailPeriod_->addItem(QString::fromStdString(periodName(alarm.repeat)));
  detailTime_->setText(QString::fromStdString(alarmTimeText(alarm)));
  detailMemo_->setText(QString::fromStdString(alarm.title.utf8()));
}

void CAlarmPage::updateButtons() {
  const bool selected = list_->currentRow() >= 0;
  buttons_[kAdd]->Enable(true);
  buttons_[kModify]->Enable(selected && !busy());
  buttons_[kDelete]->Enable(selected && !busy());
}

std::optional<AlarmForm> CAlarmPage::edit(bool adding, const AlarmForm &start) {
  if (context_.editForm) {
    return context_.editForm(adding, start);
  }
  CAlarmEditDlg dialog(adding ? CAlarmEditDlg::Mode::Add : CAlarmEditDlg::Mode::Modify, start, editor_.now());
  if (dialog.DoModal(this, std::nullopt, 0) != winlib::kIdOkCommand) {
    return std::nullopt;
  }
  return dialog.form();
}

bool CAlarmPage::BusyAlarmPhone::writeAlarm(size_t position, const core::AlarmEntry &alarm) {
  return busy_.run([&] { return phone_.writeAlarm(position, alarm); });
}

bool CAlarmPage::BusyAlarmPhone::deleteAlarm(size_t position) {
  return busy_.run([&] { return phone_.deleteAlarm(position); });
}

void CAlarmPage::addAlarm() {
  if (busy() || !editor_.mayAdd()) {
    return;
  }
  const auto form = edit(true, newAlarmForm(editor_.now()));
  if (!form) {
    return;
  }
  const auto position = editor_.add(buildAlarm(*form, editor_.now()));
  refill(position ? static_cast<int>(*position) : list_->currentRow());
}

void CAlarmPage::modifySelected() {
  const int row = list_->currentRow();
  if (busy() || row < 0) {
    return;
  }
  const auto form = edit(false, formOf(editor_.alarm(static_cast<size_t>(row))));
  if (!form) {
    return;
  }
  const auto position = editor_.modify(static_cast<size_t>(row), buildAlarm(*form, editor_.now()));
  refill(position ? static_cast<int>(*position) : row);
}

void CAlarmPage::deleteSelected() {
  const int row = list_->currentRow();
  if (busy() || row < 0) {
    return;
  }
  refill(editor_.remove(static_cast<size_t>(row)).value_or(row));
}

std::function<void()> CAlarmPage::ownCommand(int id) {
  static constexpr PageCommand<CAlarmPage> kCommands[] = {
      {kAdd, [](CAlarmPage &page) { page.addAlarm(); }},
      {kModify, [](CAlarmPage &page) { page.modifySelected(); }},
      {kDelete, [](CAlarmPage &page) { page.deleteSelected(); }},
  };
  return tableCommand<CAlarmPage>(*this, kCommands, id);
}

winlib::CBmpButton *CAlarmPage::buttonAt(QPoint globalPos) const {
  for (const Command command : {kModify, kDelete}) {
    winlib::CBmpButton *b = buttons_.at(command);
    if (b->State() != winlib::ButtonState::Disabled && b->rect().contains(b->mapFromGlobal(globalPos))) {
      return b;
    }
  }
  return nullptr;
}

bool CAlarmPage::isValidDropTarget(QPoint globalPos, int, int) {
  return !busy() && buttonAt(globalPos) != nullptr;
}

void CAlarmPage::dropAt(QPoint globalPos, int sourceRow, int, Qt::KeyboardModifiers) {
  if (winlib::CBmpButton *b = isValidDropTarget(globalPos, sourceRow, 0) ? buttonAt(globalPos) : nullptr) {
    list_->selectRow(sourceRow);
    OnCommand(b->CommandId(), winlib::kNotifyCommand);
  }
}

void CAlarmPage::keyPressEvent(QKeyEvent *event) {
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  switch (event->key()) {
  case Qt::Key_Insert:
    return addAlarm();
  case Qt::Key_N:
    return ctrl ? addAlarm() : CPageFrame::keyPressEvent(event);
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return modifySelected();
  case Qt::Key_Delete:
    return deleteSelected();
  default:
    CPageFrame::keyPressEvent(event);
  }
}

} // namespace pdx::features
