// The month calendar: a title with the year and month, arrows to page the
// months, weekday names and a grid of days, optionally with lunar dates. A
// day chosen with the mouse is reported to the parent.
#pragma once

#include "winlib/command_target.h"

#include <QWidget>

namespace pdx::winlib {

class CBmpButton;

// The notification goes to the parent as a command (the calendar's
// identifier, code 0) when the parent is a CommandTarget.
class CMonthCalendar : public QWidget, public CommandTarget {
  Q_OBJECT

public:
  static constexpr int kShowLunar = 0x1; // option bit 0
  static constexpr int kSmallDays = 0x4; // option bit 2: 17-point day numbers
  static constexpr int kPreviousButton = 4103;
  static constexpr int kNextButton = 4104;

  // Shows the current local month with no day selected, at `geometry` in
  // `parent`, with the arrow buttons in the top corners.
  CMonthCalendar(QWidget *parent, const QRect &geometry, int identifier, int options);

  int year() const { return year_; }
  int month() const { return month_; }
  int selectedDay() const { return selectedDay_; }
  int identifier() const { return identifier_; }
  int options() const { return options_; }

  // Shows another month (1 to 12 of a year 1 to 9999; anything else is
  // refused); redraws only when it changed.
  bool SetMonth(int year, int month);
  void showPreviousMonth();
  void showNextMonth();
  CBmpButton &previousButton() { return *previous_; }
  CBmpButton &nextButton() { return *next_; }

  // The arrow buttons' commands.
  void OnCommand(int id, int code) override;

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

private:
  void selectAt(const QPoint &point);

  int year_;
  int month_;
  int selectedDay_ = 0;
  bool tracking_ = false;
  int identifier_;
  int options_;
  CBmpButton *previous_;
  CBmpButton *next_;
};

} // namespace pdx::winlib
