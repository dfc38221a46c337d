// The alarm edit dialog: memo, period, the date row of the period (for a
// one-time alarm with the year it will ring in), and the time with
// 오전/오후. The rules live in AlarmForm; the dialog shows them, and OK
// refuses a date that exists in no year with a message.
#pragma once

#include "features/alarms/alarm_form.h"
#include "winlib/bmp_dialog.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {

class ByteLimitedEdit;

class CAlarmEditDlg : public winlib::CBmpDialog {
  Q_OBJECT

public:
  enum class Mode { Add, Modify };
  // `now`: the phone's local time, for a one-time alarm's year.
  CAlarmEditDlg(Mode mode, AlarmForm form, const core::CivilTime &now);

  // The form as edited; valid after OK.
  const AlarmForm &form() const { return form_; }

  ByteLimitedEdit *memoEdit() const { return memo_; }
  QComboBox *periodBox() const { return period_; }
  QComboBox *halfBox() const { return half_; }
  QSpinBox *hourSpin() const { return hour_; }
  QSpinBox *minuteSpin() const { return minute_; }
  QSpinBox *monthSpin() const { return month_; }
  QSpinBox *daySpin() const { return day_; }
  QComboBox *weekdayBox() const { return weekday_; }
  // "2027년" beside a one-time alarm's date; empty for the other periods.
  QLabel *periodText() const { return periodText_; }
  winlib::CBmpButton *okButton() const { return ok_; }

protected:
  void OnInitDialog() override;
  void OnOK() override;
  void paintEvent(QPaintEvent *event) override;

private:
  QSpinBox *addSpin(QRect rect, int low, int high, int value, const QString &name);
  void createDateRow();
  void createTimeRow();
  void readFields();
  void showPeriod();
  void showYear();
  void updateOk();

  Mode mode_;
  AlarmForm form_;
  core::CivilTime now_;
  ByteLimitedEdit *memo_ = nullptr;
  QComboBox *period_ = nullptr;
  QLabel *periodText_ = nullptr;
  QSpinBox *month_ = nullptr;
  QSpinBox *day_ = nullptr;
  QComboBox *weekday_ = nullptr;
  QComboBox *half_ = nullptr;
  QSpinBox *hour_ = nullptr;
  QSpinBox *minute_ = nullptr;
  winlib::CBmpButton *ok_ = nullptr;
};

} // namespace pdx::features
