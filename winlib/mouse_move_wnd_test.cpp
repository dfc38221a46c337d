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

TEST(MouseMoveWnd, DraggingTheBackgroundMovesTheWindowWithThePointerUntilTheRelease) {
  // A top-level window moves on the screen, a child in its parent; a press
  // on a control in the window is the control's.
  QWidget parent;
  parent.setGeometry(300, 200, 400, 400);
  CMouseMoveWnd top;
  auto *child = new CMouseMoveWnd(&parent);
  top.setGeometry(100, 100, 200, 150);
  child->setGeometry(10, 10, 100, 100);
  auto *button = new CBmpButton(&top);
  button->Create(kPushStyle, QRect(150, 100, 0, 0), &top, 1, resources::kButtonCancel, 3);
  top.show();
  parent.show();
  send(button, QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton);
  EXPECT_FALSE(top.IsDragging());
  send(button, QEvent::MouseButtonRelease, QPoint(3, 3), Qt::NoButton);
  for (auto [window, press, to, placed] :
       {std::tuple<CMouseMoveWnd *, QPoint, QPoint, QPoint>{&top, {20, 30}, {70, 70}, {150, 140}},
        {child, {5, 5}, {25, 15}, {30, 20}}}) {
    send(window, QEvent::MouseButtonPress, press, Qt::LeftButton);
    EXPECT_TRUE(window->IsDragging());
    send(window, QEvent::MouseMove, to, Qt::LeftButton);
    EXPECT_EQ(window->pos(), placed);
    send(window, QEvent::MouseButtonRelease, to, Qt::NoButton);
    EXPECT_FALSE(window->IsDragging());
    send(window, QEvent::MouseMove, to + QPoint(20, 20), Qt::NoButton);
    EXPECT_EQ(window->pos(), placed) << "no drag after the release";
  }
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
