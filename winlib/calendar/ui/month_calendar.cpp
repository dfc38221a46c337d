#include "winlib/calendar/ui/month_calendar.h"

#include "core/calendar/gregorian.h"
#include "winlib/bmp_button.h"
#include "winlib/calendar/ui/month_painter.h"

#include <QDate>
#include <QMouseEvent>
#include <QPainter>

namespace pdx::winlib {

CMonthCalendar::CMonthCalendar(QWidget *parent, const QRect &geometry, int identifier, int options)
    : QWidget(parent), year_(QDate::currentDate().year()), month_(QDate::currentDate().month()),
      identifier_(identifier), options_(options), previous_(new CBmpButton(this)),
      next_(new CBmpButton(this)) {
  setGeometry(geometry);
  setAttribute(Qt::WA_OpaquePaintEvent);
  (void)previous_->Create(kSizeFromFrame, QRect(0, 0, 1, 1), this, kPreviousButton, kPreviousButton, 1);
  (void)next_->Create(kSizeFromFrame | kRightAligned, QRect(width(), 0, 1, 1), this, kNextButton, kNextButton,
                      1);
}

void CMonthCalendar::OnCommand(int id, int code) {
  if (code != kNotifyCommand) {
    return;
  }
  if (id == kPreviousButton) {
    showPreviousMonth();
  } else if (id == kNextButton) {
    showNextMonth();
  }
}

bool CMonthCalendar::SetMonth(int year, int month) {
  if (year < 1 || year > 9999 || month < 1 || month > 12) {
    return false;
  }
  if (year != year_ || month != month_) {
    year_ = year;
    month_ = month;
    selectedDay_ = std::min(selectedDay_, calendar::daysInMonth(year, month));
    update();
  }
  return true;
}

void CMonthCalendar::showPreviousMonth() {
  (void)(month_ == 1 ? SetMonth(year_ - 1, 12) : SetMonth(year_, month_ - 1));
}

void CMonthCalendar::showNextMonth() {
  (void)(month_ == 12 ? SetMonth(year_ + 1, 1) : SetMonth(year_, month_ + 1));
}

void CMonthCalendar::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  MonthPainter(painter, MonthLayout(year_, month_, width(), height()), options_)
      .paint(year_, month_, tracking_ ? selectedDay_ : 0);
}

void CMonthCalendar::selectAt(const QPoint &point) {
  const int day = MonthLayout(year_, month_, width(), height()).dayAt(point.x(), point.y());
  if (day != selectedDay_) {
    selectedDay_ = day;
    update();
  }
}

void CMonthCalendar::mousePressEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  tracking_ = true;
  selectAt(event->position().toPoint());
  update();
}

void CMonthCalendar::mouseMoveEvent(QMouseEvent *event) {
  if (tracking_) {
    selectAt(event->position().toPoint());
  }
}

void CMonthCalendar::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton || !tracking_) {
    return;
  }
  tracking_ = false;
  update();
  if (selectedDay_ != 0) {
    if (auto *target = dynamic_cast<CommandTarget *>(parentWidget())) {
      target->OnCommand(identifier_, kNotifyCommand);
    }
  }
}

} // namespace pdx::winlib
