#include "winlib/bmp_button.h"
#include "winlib/command_target.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

// A parent that records what its buttons send.
class Recorder : public QWidget, public CommandTarget {
public:
  Recorder() { resize(200, 200); }
  void OnCommand(int id, int code) override { events.emplace_back(id, code); }
  int commands(int id) const {
    return static_cast<int>(std::count(events.begin(), events.end(), std::make_pair(id, 0)));
  }
  std::vector<std::pair<int, int>> events;
};

// A strip of `frames` frames, each a solid colour of its own.
QImage strip(int frames, QSize frame = {20, 10}) {
  QImage image(frame.width() * frames, frame.height(), QImage::Format_RGB32);
  for (int i = 0; i < frames; ++i) {
    for (int y = 0; y < frame.height(); ++y) {
      for (int x = 0; x < frame.width(); ++x) {
        image.setPixel(i * frame.width() + x, y, qRgb(10 * (i + 1), 20, 30));
      }
    }
  }
  return image;
}

class Buttons : public ::testing::Test {
protected:
  CBmpButton *make(uint32_t style, int frames, int id = 77) {
    auto *b = new CBmpButton(&parent);
    b->Create(style, QRect(10, 10, 40, 20), &parent, id, strip(frames), frames);
    return b;
  }
  Recorder parent;
};

// Each click presses at (5, 5) and lets go at `release`; the sticky styles
// click twice.
TEST_F(Buttons, ReleasingInsideSendsTheCommandAndStickyStylesKeepTheirState) {
  const struct {
    uint32_t style;
    int clicks;
    QPoint release;
    bool pressed;
    int frame;
    int commands;
  } cases[] = {
      {kPushStyle, 1, {5, 5}, false, 2, 1}, // still hovered
      {kPushStyle, 1, {60, 60}, false, 0, 0},
      {kNoPressedLook | kHoverFrame, 1, {5, 5}, false, 2, 1}, // still hovered
      {kChoiceStyle, 2, {5, 5}, true, 2, 2},
      {kToggleStyle, 2, {5, 5}, false, 0, 2},
  };
  int id = 100;
  for (const auto &c : cases) {
    CBmpButton *b = make(c.style, 3, ++id);
    for (int i = 0; i < c.clicks; ++i) {
      QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
      if (c.clicks == 1) {
        EXPECT_EQ(parent.commands(id), 0) << "a push button sends nothing at the press";
      }
      QTest::mouseMove(b, c.release);
      QTest::mouseRelease(b, Qt::LeftButton, {}, c.release);
    }
    EXPECT_EQ(b->IsPressed(), c.pressed) << id;
    EXPECT_EQ(b->CurrentFrame(), c.frame) << id;
    EXPECT_EQ(parent.commands(id), c.commands) << id;
  }
}

TEST_F(Buttons, DisabledButtonShowsItsFrameAndIgnoresPresses) {
  CBmpButton *b = make(kPushDisabledStyle, 4);
  b->Enable(false);
  EXPECT_EQ(b->State(), ButtonState::Disabled);
  EXPECT_EQ(b->CurrentFrame(), 3);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(parent.commands(77), 0);
  b->Enable(true);
  EXPECT_EQ(b->State(), ButtonState::Normal);
}

TEST_F(Buttons, EnterAndLeaveAreAnnouncedToTheParent) {
  CBmpButton *b = make(kPushStyle, 3, 4405);
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(b, &enter);
  EXPECT_EQ(b->State(), ButtonState::Hover);
  EXPECT_EQ(b->CurrentFrame(), 2);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(b, &leave);
  EXPECT_EQ(b->State(), ButtonState::Normal);
  EXPECT_EQ(parent.events, (std::vector<std::pair<int, int>>{{4405, 6}, {4405, 7}}));
}

TEST_F(Buttons, SizeFromFrameWithRightAndBottomEdges) {
  auto *b = new CBmpButton(&parent);
  b->Create(kPushStyle | kRightAligned | kBottomAligned, QRect(100, 50, 0, 0), &parent, 1, strip(3), 3);
  EXPECT_EQ(b->geometry(), QRect(80, 40, 20, 10));
  auto *fixed = new CBmpButton(&parent);
  fixed->Create(kHoverFrame, QRect(0, 0, 33, 17), &parent, 2, strip(2), 2);
  EXPECT_EQ(fixed->size(), QSize(33, 17)) << "without the size flag the rectangle counts";
}

TEST_F(Buttons, MissingBitmapPaintsWhite) {
  auto *b = new CBmpButton(&parent);
  EXPECT_FALSE(b->Create(kPushStyle, QRect(0, 0, 12, 8), &parent, 3, 99999, 1));
  const QImage shot = b->grab().toImage();
  EXPECT_EQ(shot.pixelColor(4, 4), QColor(Qt::white));
}

TEST_F(Buttons, TransparentColourLetsTheParentShowThrough) {
  QImage image(10, 10, QImage::Format_RGB32);
  image.fill(Qt::white);
  image.setPixel(5, 5, qRgb(0, 0, 0));
  parent.setAutoFillBackground(true);
  QPalette pal;
  pal.setColor(QPalette::Window, Qt::green);
  parent.setPalette(pal);
  auto *see = new CBmpButton(&parent);
  see->Create(kSizeFromFrame, QRect(0, 0, 0, 0), &parent, 5, image, 1);
  auto *opaque = new CBmpButton(&parent);
  opaque->Create(kSizeFromFrame | kOpaque, QRect(50, 0, 0, 0), &parent, 6, image, 1);
  const QImage shot = parent.grab().toImage();
  EXPECT_EQ(shot.pixelColor(1, 1), QColor(Qt::green));
  EXPECT_EQ(shot.pixelColor(5, 5), QColor(Qt::black));
  EXPECT_EQ(shot.pixelColor(51, 1), QColor(Qt::white));
}

TEST_F(Buttons, PressedLookWithoutPressedFrameIsOffsetTwoPixels) {
  auto *b = new CBmpButton(&parent);
  b->Create(kOpaque, QRect(0, 0, 20, 10), &parent, 8, strip(1), 1);
  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
  const QImage shot = b->grab().toImage();
  EXPECT_NE(shot.pixelColor(0, 0), QColor(qRgb(10, 20, 30))) << "left and top margin";
  EXPECT_EQ(shot.pixelColor(3, 3), QColor(qRgb(10, 20, 30)));
  QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(Buttons, AnimationStepsThroughTheFramesWhileHovered) {
  auto *b = new CBmpButton(&parent);
  b->Create(kAnimated | kAnimateOnHover | kSizeFromFrame, QRect(0, 0, 0, 0), &parent, 9, strip(4), 4);
  b->SetAnimationInterval(5);
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(b, &enter);
  EXPECT_EQ(b->State(), ButtonState::Animating);
  EXPECT_TRUE(QTest::qWaitFor([b] { return b->CurrentFrame() == 2; }, 2000));
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(b, &leave);
  EXPECT_EQ(b->State(), ButtonState::Normal);
  EXPECT_EQ(b->CurrentFrame(), 0);
}

} // namespace
} // namespace pdx::winlib
