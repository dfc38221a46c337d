#include "winlib/bmp_button.h"
#include "winlib/calendar/month_layout.h"
#include "winlib/calendar/ui/month_calendar.h"

#include <QApplication>
#include <QDate>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

constexpr int kId = 777;

// A day's cell without its border lines.
QRect cellRect(const CMonthCalendar &calendar, int day) {
  const Rect cell =
      MonthLayout(calendar.year(), calendar.month(), calendar.width(), calendar.height()).cellOf(day);
  return QRect(QPoint(cell.left + 1, cell.top + 1), QPoint(cell.right - 1, cell.bottom - 1));
}

class MonthCalendarTest : public testing::Test {
protected:
  QWidget parent_;
};

TEST_F(MonthCalendarTest, OpensOnTheCurrentMonthAndItsArrowsPageTheMonthsAcrossTheYear) {
  CMonthCalendar calendar(&parent_, QRect(358, 64, 219, 226), kId, CMonthCalendar::kSmallDays);
  EXPECT_EQ(calendar.year(), QDate::currentDate().year());
  EXPECT_EQ(calendar.month(), QDate::currentDate().month());
  EXPECT_EQ(calendar.selectedDay(), 0);
  ASSERT_TRUE(calendar.SetMonth(2001, 1));
  CBmpButton &previous = calendar.previousButton();
  CBmpButton &next = calendar.nextButton();
  EXPECT_EQ(previous.pos(), QPoint(0, 0));
  EXPECT_EQ(next.geometry().topRight(), QPoint(calendar.width() - 1, 0));
  QTest::mouseClick(&previous, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(calendar.year(), 2000);
  EXPECT_EQ(calendar.month(), 12);
  QTest::mouseClick(&next, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(&next, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(calendar.year(), 2001);
  EXPECT_EQ(calendar.month(), 2);
  EXPECT_FALSE(calendar.SetMonth(2001, 13));
  EXPECT_FALSE(calendar.SetMonth(0, 5));
  EXPECT_EQ(calendar.month(), 2);
  ASSERT_TRUE(calendar.SetMonth(9999, 12));
  calendar.showNextMonth();
  EXPECT_EQ(calendar.year(), 9999);
}

// A parent that records the commands it receives.
class RecordingParent : public QWidget, public CommandTarget {
public:
  void OnCommand(int id, int code) override { commands.emplace_back(id, code); }
  std::vector<std::pair<int, int>> commands;
};

TEST_F(MonthCalendarTest, ADayChosenWithTheLeftButtonIsSentToTheParent) {
  RecordingParent page;
  CMonthCalendar calendar(&page, QRect(0, 0, 280, 252), kId, 0);
  ASSERT_TRUE(calendar.SetMonth(2000, 2));
  QTest::mouseClick(&calendar, Qt::LeftButton, {}, QPoint(10, 60)); // the Sunday before the 1st
  EXPECT_EQ(calendar.selectedDay(), 0);
  QTest::mouseClick(&calendar, Qt::LeftButton, {}, QPoint(100, 10)); // the title
  QTest::mouseClick(&calendar, Qt::RightButton, {}, cellRect(calendar, 3).center());
  EXPECT_TRUE(page.commands.empty());

  QTest::mousePress(&calendar, Qt::LeftButton, {}, cellRect(calendar, 10).center());
  EXPECT_EQ(calendar.selectedDay(), 10);
  EXPECT_TRUE(page.commands.empty()) << "nothing before the release";
  QMouseEvent move(QEvent::MouseMove, cellRect(calendar, 17).center(),
                   calendar.mapToGlobal(cellRect(calendar, 17).center()), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&calendar, &move);
  EXPECT_EQ(calendar.selectedDay(), 17);
  QTest::mouseRelease(&calendar, Qt::LeftButton, {}, cellRect(calendar, 17).center());
  EXPECT_EQ(page.commands, (std::vector<std::pair<int, int>>{{kId, kNotifyCommand}}));
  QTest::mouseClick(&calendar.nextButton(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(page.commands.size(), 1U) << "paging is not a choice";
}

// Counts pixels of exactly `colour` inside `rect`.
int countColour(const QImage &image, const QRect &rect, QRgb colour) {
  int count = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF) ? 1 : 0;
    }
  }
  return count;
}

TEST_F(MonthCalendarTest, DayNumbersTakeTheirWeekdayColour) {
  CMonthCalendar calendar(&parent_, QRect(0, 0, 350, 352), kId, 0);
  ASSERT_TRUE(calendar.SetMonth(1999, 1));
  const QImage image = calendar.grab().toImage();
  EXPECT_GT(countColour(image, cellRect(calendar, 1), qRgb(0, 128, 0)), 10); // Friday
  EXPECT_EQ(countColour(image, cellRect(calendar, 1), qRgb(255, 0, 0)), 0);
  EXPECT_GT(countColour(image, cellRect(calendar, 2), qRgb(0, 0, 255)), 10); // Saturday
  EXPECT_GT(countColour(image, cellRect(calendar, 3), qRgb(255, 0, 0)), 10); // Sunday
}

// The bottom-right corner of a day's cell, where its lunar date goes.
QRect lunarCorner(const CMonthCalendar &calendar, int day) {
  QRect corner = cellRect(calendar, day);
  corner.setTop(corner.bottom() - 9);
  corner.setLeft(corner.right() - 20);
  return corner;
}

bool isBlank(const QImage &image, const QRect &rect) {
  return countColour(image, rect, qRgb(255, 255, 255)) == rect.width() * rect.height();
}

TEST_F(MonthCalendarTest, SmallTwoDigitDaysStandClearOfTheirCellEdges) {
  // The alarm page's size: 31-pixel cells.
  CMonthCalendar calendar(&parent_, QRect(0, 0, 219, 226), kId, CMonthCalendar::kSmallDays);
  ASSERT_TRUE(calendar.SetMonth(1999, 1));
  const QImage image = calendar.grab().toImage();
  for (int day = 10; day <= 31; ++day) {
    const QRect cell = cellRect(calendar, day);
    const QRect left(cell.left(), cell.top(), 3, cell.height());
    const QRect right(cell.right() - 2, cell.top(), 3, cell.height());
    EXPECT_TRUE(isBlank(image, left) && isBlank(image, right)) << day;
    EXPECT_FALSE(isBlank(image, cell)) << day;
  }
}

TEST_F(MonthCalendarTest, LunarDatesAddTextAtTheBottomRight) {
  CMonthCalendar plain(&parent_, QRect(0, 0, 350, 352), kId, 0);
  CMonthCalendar lunar(&parent_, QRect(0, 0, 350, 352), kId, CMonthCalendar::kShowLunar);
  ASSERT_TRUE(plain.SetMonth(1999, 1));
  ASSERT_TRUE(lunar.SetMonth(1999, 1));
  const QImage without = plain.grab().toImage();
  const QImage with = lunar.grab().toImage();
  for (int day = 1; day <= 31; ++day) {
    EXPECT_FALSE(isBlank(with, lunarCorner(lunar, day))) << day;
  }
  EXPECT_TRUE(isBlank(without, lunarCorner(plain, 13)));
  // 1880 lies before the table: no lunar text at all.
  ASSERT_TRUE(lunar.SetMonth(1880, 6));
  const QImage before = lunar.grab().toImage();
  for (int day = 1; day <= 30; ++day) {
    EXPECT_TRUE(isBlank(before, lunarCorner(lunar, day))) << day;
  }
}

} // namespace
} // namespace pdx::winlib
