#include "features/common/ui/column_header.h"
#include "features/common/ui/drag_drop_list_box.h"

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace pdx::features {
namespace {

// Three 10 x 10 icons: red, green, blue.
QPixmap threeIcons() {
  QPixmap strip(30, 10);
  QPainter p(&strip);
  p.fillRect(0, 0, 10, 10, Qt::red);
  p.fillRect(10, 0, 10, 10, Qt::green);
  p.fillRect(20, 0, 10, 10, Qt::blue);
  return strip;
}

class ListBoxTest : public ::testing::Test {
protected:
  ListBoxTest() : list_(nullptr, threeIcons(), 3, true) {
    list_.resize(300, 200);
    list_.setColumns(3, {100, 200});
    std::vector<std::string> rows;
    for (int i = 0; i < 8; ++i) {
      rows.push_back("row" + std::to_string(i) + "\tx\ty");
    }
    list_.setRows(rows);
    list_.show();
  }

  QPoint rowPoint(int row) const { return QPoint(150, row * list_.rowHeight() + list_.rowHeight() / 2); }

  CDragDropListBox list_;
};

TEST_F(ListBoxTest, ShiftClickSelectsFromTheCurrentRow) {
  QSignalSpy changed(&list_, &CDragDropListBox::selectionChanged);
  QTest::mouseClick(list_.viewport(), Qt::LeftButton, Qt::NoModifier, rowPoint(5));
  QTest::mouseClick(list_.viewport(), Qt::LeftButton, Qt::ShiftModifier, rowPoint(2));
  EXPECT_EQ(list_.selectedRows(), (std::set<int>{2, 3, 4, 5}));
  QTest::mouseClick(list_.viewport(), Qt::LeftButton, Qt::ControlModifier, rowPoint(3));
  EXPECT_EQ(list_.selectedRows(), (std::set<int>{2, 4, 5}));
  EXPECT_EQ(list_.currentRow(), 2);
  EXPECT_EQ(changed.count(), 3);
}

TEST_F(ListBoxTest, IconPairsDrawCentredOrInline) {
  list_.setRows({std::string("\xFF\x02"
                             "abc\tz"),
                 std::string("\xFF\x82"
                             "abc\tz"),
                 std::string("\xFF\x05")});
  const QImage image = list_.viewport()->grab().toImage();
  const int h = list_.rowHeight();
  // Row 0: icon 1 (green) centred in the 100-pixel column.
  EXPECT_EQ(image.pixelColor(50, h / 2), QColor(Qt::green));
  EXPECT_NE(image.pixelColor(8, h / 2), QColor(Qt::green));
  // Row 1: the same icon drawn at the column's text start.
  EXPECT_EQ(image.pixelColor(8, h + h / 2), QColor(Qt::green));
  EXPECT_NE(image.pixelColor(50, h + h / 2), QColor(Qt::green));
  // Row 2: an icon number past the strip draws nothing.
  for (int x = 0; x < 100; ++x) {
    const QColor c = image.pixelColor(x, 2 * h + h / 2);
    ASSERT_TRUE(c != QColor(Qt::red) && c != QColor(Qt::green) && c != QColor(Qt::blue)) << x;
  }
}

TEST_F(ListBoxTest, RowsInsertAndRemoveKeepTheSelection) {
  list_.selectRow(3);
  list_.insertRow(0, "new");
  EXPECT_EQ(list_.currentRow(), 4);
  list_.removeRow(0);
  EXPECT_EQ(list_.currentRow(), 3);
  list_.removeRow(3);
  EXPECT_EQ(list_.currentRow(), -1);
  EXPECT_EQ(list_.rowCount(), 7);
}

TEST_F(ListBoxTest, HeaderResizeMovesLaterBoundaries) {
  ColumnHeader header(nullptr, &list_, {"", "이름", "번호"});
  QSignalSpy stored(&header, &ColumnHeader::boundariesChanged);
  header.resizeSection(0, 60);
  EXPECT_EQ(list_.boundaries(), (std::vector<int>{60, 160}));
  ASSERT_EQ(stored.count(), 1);
  EXPECT_EQ(header.sectionSize(1), 100);
  EXPECT_EQ(list_.hitColumn(QPoint(159, 0)), 1);
}

class RecordingOwner : public DragOwner {
public:
  bool isValidDropTarget(QPoint, int, int column) override { return column == 1; }
  void dropAt(QPoint, int row, int column, Qt::KeyboardModifiers) override {
    drops.emplace_back(row, column);
  }
  std::vector<std::pair<int, int>> drops;
};

TEST_F(ListBoxTest, DragAsksTheOwnerAndDropsOnRelease) {
  RecordingOwner owner;
  list_.setOwner(&owner);
  list_.setDragEnabled(true);
  const QPoint start(150, list_.rowHeight() / 2);
  QTest::mousePress(list_.viewport(), Qt::LeftButton, Qt::NoModifier, start);
  QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(0, 40)),
                   list_.viewport()->mapToGlobal(QPointF(start + QPoint(0, 40))), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(list_.viewport(), &move);
  QTest::mouseRelease(list_.viewport(), Qt::LeftButton, Qt::NoModifier, start + QPoint(0, 40));
  ASSERT_EQ(owner.drops.size(), 1u);
  EXPECT_EQ(owner.drops[0], std::make_pair(0, 1));
}

} // namespace
} // namespace pdx::features
