#include "winlib/calendar/ui/month_painter.h"

#include "resources/fonts.h"
#include "winlib/calendar/ui/month_calendar.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>

namespace pdx::winlib {
namespace {

const QColor kLineColour(128, 128, 128);
const QColor kTitleColour(0, 0, 0);
const QColor kLunarColour(96, 96, 96);

constexpr const char *kContext = "pdx::winlib::Calendar";
constexpr std::array kWeekdays = {
    QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "일"), QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "월"),
    QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "화"), QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "수"),
    QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "목"), QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "금"),
    QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "토")};
constexpr std::array kMonths = {
    QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "1월"),  QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "2월"),
    QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "3월"),  QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "4월"),
    QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "5월"),  QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "6월"),
    QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "7월"),  QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "8월"),
    QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "9월"),  QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "10월"),
    QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "11월"), QT_TRANSLATE_NOOP("pdx::winlib::Calendar", "12월")};

// "1999년 1월" in Korean, "January 1999" in English.
QString titleText(int year, int month) {
  return QCoreApplication::translate("pdx::winlib::Calendar", "%1년 %2")
      .arg(year)
      .arg(QCoreApplication::translate(kContext, kMonths.at(static_cast<size_t>(month - 1))));
}

QFont font(const char *family, int points, bool bold = false) {
  return resources::font(QString::fromUtf8(family), points, bold);
}

// Clear space kept between a day number's ink and each edge of its cell, in
// pixels; the cell's own grid line is not part of it.
int dayMargin(int cellWidth) {
  return std::max(4, cellWidth / 7);
}

// The day numbers' bold 고딕 at its design size, made smaller until the ink
// of the widest number leaves the margin on both sides of a narrow cell, so
// that neighbouring two-digit days read as separate numbers. One pixel more
// is kept for the grid line and one for rounding the centred text.
QFont dayFont(int points, int cellWidth) {
  QFont f = font("고딕", points, true);
  const auto widestInk = [&f] {
    const QFontMetrics metrics(f);
    int width = 0;
    for (int day = 10; day <= 31; ++day) {
      width = std::max(width, metrics.tightBoundingRect(QString::number(day)).width());
    }
    return width;
  };
  const int room = cellWidth - 2 * dayMargin(cellWidth) - 2;
  while (f.pointSizeF() > 6 && widestInk() > room) {
    f.setPointSizeF(f.pointSizeF() - 0.5);
  }
  return f;
}

QRect toQRect(const Rect &rect) {
  return QRect(QPoint(rect.left, rect.top), QPoint(rect.right, rect.bottom));
}

} // namespace

MonthPainter::MonthPainter(QPainter &painter, const MonthLayout &layout, int options)
    : painter_(painter), layout_(layout), options_(options) {}

void MonthPainter::paint(int year, int month, int framedDay) {
  const QRect all(0, 0, layout_.columnX(7), layout_.rowY(layout_.rows()) + 1);
  painter_.fillRect(all, Qt::white);
  paintTitle(year, month);
  paintGrid();
  for (int day = 1; day <= layout_.days(); ++day) {
    paintDay(year, month, day);
  }
  if (framedDay != 0) {
    paintFrame(framedDay);
  }
}

void MonthPainter::paintTitle(int year, int month) {
  painter_.setFont(font("굴림", 20));
  painter_.setPen(kTitleColour);
  painter_.drawText(toQRect(layout_.titleBand()), Qt::AlignCenter | Qt::TextSingleLine,
                    titleText(year, month));
}

void MonthPainter::paintGrid() {
  const int bottom = layout_.rowY(layout_.rows());
  const int right = layout_.columnX(7);
  painter_.setPen(kLineColour);
  for (int i = 1; i <= 6; ++i) {
    painter_.drawLine(layout_.columnX(i), kWeekdayTop, layout_.columnX(i), bottom);
  }
  for (int row = 0; row < layout_.rows(); ++row) {
    painter_.drawLine(0, layout_.rowY(row), right, layout_.rowY(row));
  }
  painter_.setFont(font("굴림", 9));
  for (int column = 0; column < 7; ++column) {
    const Rgb colour = dayColour(column);
    painter_.setPen(QColor(colour.red, colour.green, colour.blue));
    painter_.drawText(toQRect(layout_.weekdayCell(column)), Qt::AlignCenter | Qt::TextSingleLine,
                      QCoreApplication::translate(kContext, kWeekdays.at(static_cast<size_t>(column))));
  }
}

void MonthPainter::paintDay(int year, int month, int day) {
  const QRect cell = toQRect(layout_.cellOf(day));
  const Rgb colour = dayColour(layout_.columnOf(day));
  const bool small = (options_ & CMonthCalendar::kSmallDays) != 0;
  const bool lunarShown = (options_ & CMonthCalendar::kShowLunar) != 0;
  // With lunar dates the number is centred above the lunar line, so that
  // the two never overlap in short rows.
  const int lunarLine = lunarShown ? QFontMetrics(font("굴림", 9)).height() + kLunarBottomGap : 0;
  // Sized by the narrowest column, so that every day has the same size.
  painter_.setFont(dayFont(small ? 17 : 21, layout_.columnX(7) / 7));
  painter_.setPen(QColor(colour.red, colour.green, colour.blue));
  painter_.drawText(cell.adjusted(0, 0, 0, -lunarLine), Qt::AlignCenter | Qt::TextSingleLine,
                    QString::number(day));
  if (!lunarShown) {
    return;
  }
  const QString lunar = QString::fromStdString(lunarLabel(
      year, month, day, QCoreApplication::translate("pdx::winlib::Calendar", "윤 ").toStdString()));
  if (!lunar.isEmpty()) {
    painter_.setFont(font("굴림", 9));
    painter_.setPen(kLunarColour);
    painter_.drawText(cell.adjusted(0, 0, -2, -kLunarBottomGap),
                      Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine, lunar);
  }
}

void MonthPainter::paintFrame(int day) {
  painter_.setPen(QPen(Qt::black, 1));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(toQRect(layout_.cellOf(day)).adjusted(1, 1, -1, -1));
}

} // namespace pdx::winlib
