#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_wnd.h"
#include "winlib/mouse_move_wnd.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

void send(QWidget *target, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
  const QPointF global = target->mapToGlobal(QPointF(local));
  QMouseEvent event(type, QPointF(local), global, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                    buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &event);
}

TEST(MouseMoveWnd, DraggingTheBackgroundMovesTheWindowWithThePointer) {
  CMouseMoveWnd window;
  window.setGeometry(100, 100, 200, 150);
  window.show();
  send(&window, QEvent::MouseButtonPress, QPoint(20, 30), Qt::LeftButton);
  EXPECT_TRUE(window.IsDragging());
  // The pointer moves 50 right and 40 down on the screen.
  const QPointF global = window.mapToGlobal(QPointF(70, 70));
  QMouseEvent move(QEvent::MouseMove, QPointF(70, 70), global, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &move);
  EXPECT_EQ(window.pos(), QPoint(150, 140));
  send(&window, QEvent::MouseButtonRelease, QPoint(20, 30), Qt::NoButton);
  EXPECT_FALSE(window.IsDragging());
  send(&window, QEvent::MouseMove, QPoint(90, 90), Qt::NoButton);
  EXPECT_EQ(window.pos(), QPoint(150, 140)) << "no drag after the release";
}

TEST(MouseMoveWnd, ChildWindowMovesInItsParentsCoordinates) {
  QWidget parent;
  parent.setGeometry(300, 200, 400, 400);
  auto *child = new CMouseMoveWnd(&parent);
  child->setGeometry(10, 10, 100, 100);
  parent.show();
  send(child, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
  const QPointF global = child->mapToGlobal(QPointF(25, 15));
  QMouseEvent move(QEvent::MouseMove, QPointF(25, 15), global, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(child, &move);
  EXPECT_EQ(child->pos(), QPoint(30, 20));
  send(child, QEvent::MouseButtonRelease, QPoint(25, 15), Qt::NoButton);
}

TEST(MouseMoveWnd, PressOnAChildControlDoesNotDrag) {
  CMouseMoveWnd window;
  window.resize(200, 100);
  auto *button = new CBmpButton(&window);
  button->Create(kPushStyle, QRect(10, 10, 0, 0), &window, 1, resources::kButtonCancel, 3);
  window.show();
  send(button, QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton);
  EXPECT_FALSE(window.IsDragging());
  send(button, QEvent::MouseButtonRelease, QPoint(3, 3), Qt::NoButton);
}

// A page that writes a line of text over its skin.
class TextPage : public CBmpWnd {
protected:
  void PaintText(QPainter &p) override {
    font = p.font();
    transparent = p.backgroundMode() == Qt::TransparentMode;
    p.setPen(Qt::red);
    p.drawText(QPoint(100, 100), QStringLiteral("그룹목록"));
  }

public:
  QFont font;
  bool transparent = false;
};

TEST(BmpWnd, PaintsItsSkinThenItsTextInElevenPointGulim) {
  TextPage page;
  ASSERT_TRUE(page.Create(QStringLiteral("페이지"), resources::kPageMenu));
  EXPECT_EQ(page.size(), QSize(600, 460));
  const QImage shot = page.grab().toImage();
  EXPECT_EQ(shot.pixelColor(300, 10), page.Background().toImage().pixelColor(300, 10)) << "the skin";
  EXPECT_EQ(page.font.family(), QStringLiteral("굴림"));
  EXPECT_EQ(page.font.pointSize(), 11);
  EXPECT_TRUE(page.transparent);
  bool red = false;
  for (int x = 100; x < 160 && !red; ++x) {
    for (int y = 85; y < 102 && !red; ++y) {
      red = shot.pixelColor(x, y).red() > 200 && shot.pixelColor(x, y).green() < 80;
    }
  }
  EXPECT_TRUE(red) << "the text over the skin";
}

} // namespace
} // namespace pdx::winlib
