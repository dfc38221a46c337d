#include "resources/fonts.h"
#include "resources/resource_ids.h"
#include "resources/resource_store.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_message_box.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

// Each box is answered by a click on the button of `press` or, when `key`
// is set, by that key; -1 when the key leaves the box open.
TEST(MessageBox, ReturnsTheButtonPressedAndKeysAnswerSafely) {
  const struct {
    uint32_t type;
    int press;
    Qt::Key key;
    int expected;
  } cases[] = {
      {kMbOk, kIdOk, Qt::Key_unknown, kIdOk},
      {kMbOkCancel, kIdCancel, Qt::Key_unknown, kIdCancel},
      {kMbYesNo, kIdNo, Qt::Key_unknown, kIdNo},
      {kMbYesNoCancel | kMbIconQuestion, kIdYes, Qt::Key_unknown, kIdYes},
      {kMbRetryCancel, kIdRetry, Qt::Key_unknown, kIdRetry},
      {kMbOk, 0, Qt::Key_Escape, kIdOk},
      {kMbOkCancel, 0, Qt::Key_Escape, kIdCancel},
      {kMbYesNo, 0, Qt::Key_Escape, -1}, // a Yes/No question needs an answer
      {kMbYesNo, 0, Qt::Key_Return, kIdYes},
      {kMbYesNoCancel, 0, Qt::Key_Escape, kIdCancel},
  };
  for (const auto &c : cases) {
    CBmpMessageBox box;
    box.Prepare(QStringLiteral("멜로디가 변경되었습니다. 저장하시겠습니까?"), QString(), c.type, 0);
    QTimer::singleShot(0, [&] {
      if (c.key != Qt::Key_unknown) {
        QTest::keyClick(&box, c.key);
      } else if (CBmpButton *b = box.Button(c.press)) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, 4));
      }
      if (box.IsRunning()) {
        box.EndDialog(-1);
      }
    });
    EXPECT_EQ(box.RunAt(nullptr, false), c.expected) << c.type << " " << c.press << " " << c.key;
  }
}

TEST(MessageBox, EveryBoxHasACaption) {
  const struct {
    QString text;
    int id;
    int expectedId;
  } cases[] = {{QString(), 0, resources::kCaptionNotice},
               {QStringLiteral("확인"), 0, 0},
               {QString(), resources::kCaptionExit, resources::kCaptionExit}};
  for (const auto &c : cases) {
    CBmpMessageBox box;
    box.Prepare(QStringLiteral("저장할 수 없습니다."), c.text, kMbOk, c.id);
    EXPECT_EQ(box.CaptionId(), c.expectedId) << c.id;
    EXPECT_EQ(box.CaptionText(), c.text);
  }
}

TEST(MessageBox, LaidOutInTheDialogFontWithItsButtons) {
  const QString text = QStringLiteral("휴대폰을 찾을수 없습니다. 휴대폰을 연결하세요.");
  const QFontMetrics metrics(resources::dialogFont());
  CBmpMessageBox box;
  box.Prepare(text, QString(), kMbOkCancel | kMbIconStop, 0);
  EXPECT_EQ(box.width(), metrics.horizontalAdvance(text) + kMbIconSize + 10 + 60);
  EXPECT_EQ(box.height(), metrics.height() + 130);
  ASSERT_NE(box.Button(kIdOk), nullptr);
  EXPECT_EQ(box.Button(kIdOk)->Style(), kPushDisabledStyle);
  EXPECT_EQ(box.Button(kIdCancel)->y(), buttonRowTop(box.height(), box.Button(kIdCancel)->height()));
}

TEST(MessageBox, EveryButtonBitmapHasTheFramesItsStyleNeeds) {
  for (uint32_t type : {kMbOk, kMbOkCancel, kMbYesNo, kMbYesNoCancel, kMbRetryCancel}) {
    for (const MbButton &b : messageBoxButtons(type)) {
      EXPECT_EQ(resources::ResourceStore::frameCount(b.bitmap), b.frames) << "bitmap " << b.bitmap;
    }
  }
}

TEST(MessageBox, CentredOnTheOwnerOrTheScreen) {
  QWidget owner;
  owner.setGeometry(100, 80, 600, 460);
  CBmpMessageBox box;
  box.Prepare(QStringLiteral("저장할 수 없습니다."), QString(), kMbOk, 0);
  for (bool onScreen : {false, true}) {
    QPoint centre;
    QTimer::singleShot(0, [&] {
      centre = box.geometry().center();
      box.EndDialog(kIdOk);
    });
    (void)box.RunAt(&owner, onScreen);
    const QPoint expected =
        onScreen ? QGuiApplication::primaryScreen()->availableGeometry().center() : owner.geometry().center();
    EXPECT_LE((centre - expected).manhattanLength(), 2) << onScreen;
  }
}

} // namespace
} // namespace pdx::winlib
