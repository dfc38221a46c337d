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

// Shows a box and presses `press` (a result code) once it runs, or the key.
int answer(uint32_t type, int press, QWidget *owner = nullptr) {
  CBmpMessageBox box;
  box.Prepare(QStringLiteral("멜로디가 변경되었습니다. 저장하시겠습니까?"), QString(), type, 0);
  QTimer::singleShot(0, [&] {
    CBmpButton *b = box.Button(press);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, 4));
  });
  return box.RunAt(owner, false);
}

TEST(MessageBox, ReturnsTheButtonPressed) {
  EXPECT_EQ(answer(kMbOk, kIdOk), kIdOk);
  EXPECT_EQ(answer(kMbOkCancel, kIdCancel), kIdCancel);
  EXPECT_EQ(answer(kMbYesNo, kIdNo), kIdNo);
  EXPECT_EQ(answer(kMbYesNoCancel | kMbIconQuestion, kIdYes), kIdYes);
  EXPECT_EQ(answer(kMbRetryCancel, kIdRetry), kIdRetry);
}

TEST(MessageBox, KeysAnswerSafely) {
  auto withKey = [](uint32_t type, Qt::Key key) {
    CBmpMessageBox box;
    box.Prepare(QStringLiteral("확인"), QString(), type, 0);
    QTimer::singleShot(0, [&] {
      QTest::keyClick(&box, key);
      if (box.IsRunning()) {
        box.EndDialog(-1); // the key left the box open
      }
    });
    return box.RunAt(nullptr, true);
  };
  EXPECT_EQ(withKey(kMbOk, Qt::Key_Escape), kIdOk);
  EXPECT_EQ(withKey(kMbOkCancel, Qt::Key_Escape), kIdCancel);
  EXPECT_EQ(withKey(kMbYesNo, Qt::Key_Escape), -1) << "a Yes/No question needs an answer";
  EXPECT_EQ(withKey(kMbYesNo, Qt::Key_Return), kIdYes);
  EXPECT_EQ(withKey(kMbYesNoCancel, Qt::Key_Escape), kIdCancel);
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

TEST(MessageBox, SizeFollowsTheTextInTheDialogFont) {
  const QFontMetrics metrics(resources::dialogFont());
  CBmpMessageBox one;
  one.Prepare(QStringLiteral("휴대폰을 찾을수 없습니다. 휴대폰을 연결하세요."), QString(),
              kMbOk | kMbIconStop, 0);
  const int w = metrics.horizontalAdvance(QStringLiteral("휴대폰을 찾을수 없습니다. 휴대폰을 연결하세요."));
  EXPECT_EQ(one.width(), w + kMbIconSize + 10 + 60);
  EXPECT_EQ(one.height(), metrics.height() + 130);
}

TEST(MessageBox, ButtonsUseTheirBitmapsAndStyles) {
  CBmpMessageBox box;
  box.Prepare(QStringLiteral("삭제하시겠습니까?"), QString(), kMbOkCancel | kMbIconQuestion, 0);
  ASSERT_NE(box.Button(kIdOk), nullptr);
  EXPECT_EQ(box.Button(kIdOk)->Style(), kPushDisabledStyle);
  EXPECT_EQ(box.Button(kIdOk)->FrameCount(), 4);
  EXPECT_EQ(box.Button(kIdCancel)->Style(), kPushStyle);
  EXPECT_EQ(box.Button(kIdCancel)->y(), buttonRowTop(box.height(), box.Button(kIdCancel)->height()));
  EXPECT_EQ(box.Button(kIdYes), nullptr);
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
  QPoint onOwner;
  QTimer::singleShot(0, [&] {
    onOwner = box.geometry().center();
    box.EndDialog(kIdOk);
  });
  (void)box.RunAt(&owner, false);
  EXPECT_LE((onOwner - owner.geometry().center()).manhattanLength(), 2);

  QPoint onScreen;
  QTimer::singleShot(0, [&] {
    onScreen = box.geometry().center();
    box.EndDialog(kIdOk);
  });
  (void)box.RunAt(&owner, true);
  const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
  EXPECT_LE((onScreen - screenCentre).manhattanLength(), 2);
}

} // namespace
} // namespace pdx::winlib
