#include "apps/velluto/import_dialog.h"
#include "winlib/testing/message_box_answerer.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace pdx::velluto {
using namespace animation;
namespace {

// A 24-bit BMP of one grey.
void writeBmp(const QString &path, int width, int height, uint8_t grey) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(qRgb(grey, grey, grey));
  ASSERT_TRUE(image.save(path, "BMP"));
}

// Runs `check` inside the next import dialog that opens, then ends it by
// typing `name` into its name field and pressing Enter, or with Escape when
// `name` is empty.
void whenOpen(const std::function<void(CImportDialog &)> &check, const QString &name) {
  QTimer::singleShot(50, [check, name] {
    for (QWidget *top : QApplication::topLevelWidgets()) {
      if (auto *dialog = qobject_cast<CImportDialog *>(top); dialog && dialog->isVisible()) {
        check(*dialog);
        dialog->findChildren<QLineEdit *>().front()->setText(name);
        QTest::keyClick(dialog, name.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
        return;
      }
    }
  });
}

class ImportDialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    CImportDialog::ForgetRunState();
    writeBmp(folder_.filePath(QStringLiteral("wide.bmp")), 192, 51, 0);
  }
  QTemporaryDir folder_;
};

TEST_F(ImportDialogTest, EnablingRulesAndTheResultOnThePicture) {
  CAnimation picture;
  picture.setPixel(0, 0, true);
  whenOpen(
      [this](CImportDialog &dialog) {
        EXPECT_EQ(dialog.size(), CImportDialog::kSize);
        EXPECT_FALSE(dialog.Brightness()->isEnabled()) << "no picture loaded yet";
        dialog.FitRadio(2)->click();
        EXPECT_FALSE(dialog.PositionRadio(1)->isEnabled());
        dialog.FitRadio(0)->click();
        EXPECT_TRUE(dialog.PositionRadio(1)->isEnabled());
        dialog.LoadPreview(folder_.filePath(QStringLiteral("wide.bmp")));
        EXPECT_TRUE(dialog.Contrast()->isEnabled());
        EXPECT_EQ(dialog.OriginalPreview().size(), QSize(192, 51)) << "never enlarged";
        EXPECT_EQ(dialog.ConvertedPreview().pixel(0, 13), qRgb(0, 0, 0));
        EXPECT_EQ(dialog.ConvertedPreview().pixel(0, 12), qRgb(255, 255, 255));
      },
      folder_.filePath(QStringLiteral("wide.bmp")));
  ASSERT_TRUE(runImport(nullptr, picture));
  int black = 0;
  for (int y = 0; y < 51; ++y) {
    for (int x = 0; x < 96; ++x) {
      black += picture.pixel(x, y);
      EXPECT_EQ(picture.pixel(x, y), (y >= 13 && y < 38) || (x == 0 && y == 0)) << x << "," << y;
    }
  }
  EXPECT_EQ(black, 96 * 25 + 1) << "96 x 25 at (0, 13); the rest kept";
  EXPECT_TRUE(picture.modified());
}

TEST_F(ImportDialogTest, SlidersReconvertExceptWhileDragged) {
  whenOpen(
      [this](CImportDialog &dialog) {
        writeBmp(folder_.filePath(QStringLiteral("grey.bmp")), 96, 51, 200);
        dialog.LoadPreview(folder_.filePath(QStringLiteral("grey.bmp")));
        const QImage before = dialog.ConvertedPreview();
        dialog.Brightness()->setSliderDown(true);
        dialog.Brightness()->setValue(-100);
        EXPECT_EQ(dialog.ConvertedPreview(), before) << "not while dragged";
        dialog.Brightness()->setSliderDown(false);
        EXPECT_NE(dialog.ConvertedPreview(), before) << "on release";
        EXPECT_EQ(dialog.Settings().brightness, -100);
      },
      QString());
  CAnimation picture;
  EXPECT_FALSE(runImport(nullptr, picture));
  EXPECT_EQ(picture.bits(), CAnimation().bits()) << "a cancelled import changes nothing";
}

TEST_F(ImportDialogTest, AFailedJpegShowsItsReaderMessageThenTheImportMessage) {
  using winlib::MessageBoxIcon;
  const QString cannotRead = QString::fromUtf8(importMessage(ImportResult::CannotRead)).replace('\n', ' ');
  const struct {
    const char *name;
    std::vector<std::pair<QString, MessageBoxIcon>> boxes;
  } cases[] = {
      {"bad.jpg",
       {{QStringLiteral("JPEG 파일을 읽어들일 때 에러가 발생하였습니다."), MessageBoxIcon::Stop},
        {cannotRead, MessageBoxIcon::Exclamation}}},
      {"bad.bmp", {{cannotRead, MessageBoxIcon::Exclamation}}},
  };
  for (const auto &c : cases) {
    QFile file(folder_.filePath(QString::fromLatin1(c.name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    whenOpen([](CImportDialog &) {}, file.fileName());
    const winlib::testing::MessageBoxAnswerer answerer;
    CAnimation picture;
    EXPECT_FALSE(runImport(nullptr, picture));
    EXPECT_EQ(answerer.seen, c.boxes) << c.name;
  }
}

} // namespace
} // namespace pdx::velluto
