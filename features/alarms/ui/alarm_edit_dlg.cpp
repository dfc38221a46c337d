#include "features/alarms/ui/alarm_edit_dlg.h"

#include "features/common/ui/text_fields.h"
#include "features/groups/ui/dialog_parts.h"
#include "features/groups/ui/dialog_user.h"
#include "resources/fonts.h"
#include "winlib/bmp_button.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>

namespace pdx::features {
namespace {

constexpr int kMemoBytes = 12;
const QColor kModifyTint(255, 248, 230);

QComboBox *comboBox(QWidget *parent, QRect rect, const QStringList &items, const QString &name) {
  auto *box = new QComboBox(parent);
  box->setGeometry(rect);
  box->setFont(resources::dialogFont());
  box->addItems(items);
  box->setAccessibleName(name);
  return box;
}

} // namespace

CAlarmEditDlg::CAlarmEditDlg(Mode mode, AlarmForm form, const core::CivilTime &now)
    : mode_(mode), form_(std::move(form)), now_(now) {
  SetDialogSize(QSize(340, 230));
  SetCaptionText(mode == Mode::Add ? tr("알람 추가") : tr("알람 수정"));
}

QSpinBox *CAlarmEditDlg::addSpin(QRect rect, int low, int high, int value, const QString &name) {
  auto *spin = new QSpinBox(this);
  spin->setGeometry(rect);
  spin->setFont(resources::dialogFont());
  spin->setRange(low, high);
  spin->setValue(value);
  spin->setAccessibleName(name);
  return spin;
}

void CAlarmEditDlg::OnInitDialog() {
  memo_ = new ByteLimitedEdit(this, kMemoBytes);
  memo_->setGeometry(QRect(QPoint(90, 50), QPoint(315, 70)));
  memo_->setBytes(form_.memo);
  memo_->setAccessibleName(tr("알람메모"));
  QStringList periods;
  for (int i = 0; i < kPeriodCount; ++i) {
    periods << QString::fromStdString(periodName(periodKind(i)));
  }
  period_ = comboBox(this, QRect(90, 80, 225, 22), periods, tr("알람주기"));
  period_->setCurrentIndex(form_.period);
  periodText_ = new QLabel(this);
  periodText_->setGeometry(QRect(QPoint(90, 113), QPoint(140, 130)));
  periodText_->setFont(resources::dialogFont());
  createDateRow();
  createTimeRow();
  const OkCancel buttons = addOkCancel(this, QPoint(205, 185), QPoint(275, 185));
  ok_ = buttons.ok;
  ok_->setAccessibleName(tr("확인"));
  connect(memo_, &QLineEdit::textChanged, this, [this] { updateOk(); });
  connect(period_, &QComboBox::activated, this, [this](int index) {
    readFields();
    if (form_.choosePeriod(index)) {
      memo_->setBytes(form_.memo);
      memo_->selectAll();
    }
    showPeriod();
  });
  for (QSpinBox *spin : {month_, day_, hour_, minute_}) {
    connect(spin, &QSpinBox::valueChanged, this, [this] { showYear(); });
  }
  connect(half_, &QComboBox::activated, this, [this](int index) {
    // The list already shows the new half: the switch rule needs the old one.
    const bool wasPm = form_.pm;
    readFields();
    form_.pm = wasPm;
    form_.setHalf(index == 1);
    const int hour = form_.hour; // the range change below rereads the fields
    hour_->setRange(form_.lowestHour(), form_.highestHour());
    hour_->setValue(hour);
    showYear();
  });
  showPeriod();
  memo_->selectAll();
  memo_->setFocus();
}

void CAlarmEditDlg::createDateRow() {
  month_ = addSpin(QRect(150, 110, 60, 20), 1, 12, form_.month, tr("월"));
  day_ = addSpin(QRect(230, 110, 60, 20), 1, 31, form_.day, tr("일"));
  QStringList weekdays;
  for (int d = 0; d < 7; ++d) {
    weekdays << QString::fromStdString(weekdayName(d));
  }
  weekday_ = comboBox(this, QRect(150, 108, 80, 22), weekdays, tr("요일"));
  weekday_->setCurrentIndex(form_.weekday);
}

void CAlarmEditDlg::createTimeRow() {
  half_ = comboBox(this, QRect(90, 138, 55, 22), {tr("오전"), tr("오후")}, tr("오전/오후"));
  half_->setCurrentIndex(form_.pm ? 1 : 0);
  hour_ = addSpin(QRect(150, 140, 60, 20), form_.lowestHour(), form_.highestHour(), form_.hour, tr("시"));
  minute_ = addSpin(QRect(230, 140, 60, 20), 0, 59, form_.minute, tr("분"));
}

// Shows the date row of the chosen period: month and day for once, the
// weekday for weekly, the day for monthly, nothing for daily.
void CAlarmEditDlg::showPeriod() {
  const uint16_t kind = form_.period >= 0 ? periodKind(form_.period) : 0;
  month_->setVisible(kind == core::kOnce);
  day_->setVisible(kind == core::kOnce || kind == core::kMonthly);
  weekday_->setVisible(kind == core::kWeekly);
  showYear();
  update();
  updateOk();
}

// The period's word, or for a one-time alarm the year it will ring in.
void CAlarmEditDlg::showYear() {
  static const QString kTexts[] = {QString(), tr("매일"), tr("매주"), tr("매월")};
  readFields();
  const auto year = onceYear(form_, now_);
  if (form_.period == 0) {
    periodText_->setText(year ? tr("%1년").arg(*year) : QString());
  } else {
    periodText_->setText(form_.period > 0 ? kTexts[form_.period] : QString());
  }
}

void CAlarmEditDlg::readFields() {
  form_.memo = memo_->bytes();
  form_.period = period_->currentIndex();
  form_.month = month_->value();
  form_.day = day_->value();
  form_.weekday = weekday_->currentIndex();
  form_.pm = half_->currentIndex() == 1;
  form_.hour = hour_->value();
  form_.minute = minute_->value();
}

void CAlarmEditDlg::updateOk() {
  readFields();
  ok_->Enable(form_.canAccept());
}

void CAlarmEditDlg::OnOK() {
  readFields();
  if (!form_.canAccept()) {
    return;
  }
  if (const auto refusal = alarmDateRefusal(form_)) {
    DialogUser(this).tell(*refusal);
    day_->setFocus();
    day_->selectAll();
    return;
  }
  CBmpDialog::OnOK();
}

void CAlarmEditDlg::paintEvent(QPaintEvent *event) {
  CBmpDialog::paintEvent(event);
  QPainter painter(this);
  if (mode_ == Mode::Modify) {
    painter.fillRect(ContentRect(), kModifyTint);
  }
  std::vector<DialogLabel> labels = {{25, 53, tr("알람메모")},
                                     {25, 83, tr("알람주기")},
                                     {25, 113, tr("알람시간")},
                                     {212, 143, tr("시", "unit after a spin box")},
                                     {292, 143, tr("분", "unit after a spin box")}};
  if (month_ != nullptr && month_->isVisible()) {
    labels.push_back({212, 113, tr("월", "unit after a spin box")});
  }
  if (day_ != nullptr && day_->isVisible()) {
    labels.push_back({292, 113, tr("일", "unit after a spin box")});
  }
  drawLabels(painter, labels);
}

} // namespace pdx::features
