#include "resources/resource_ids.h"
#include "resources/resource_store.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_dialog.h"
#include "winlib/dialog_skin.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

// A dialog with a name field; Enter is refused while it is empty.
class NameDialog : public CBmpDialog {
public:
  QLineEdit *name = nullptr;
  int okRefused = 0;

protected:
  void OnInitDialog() override {
    name = new QLineEdit(this);
    name->setGeometry(70, 55, 200, 20);
  }
  void OnOK() override {
    if (name->text().isEmpty()) {
      ++okRefused;
      return;
    }
    CBmpDialog::OnOK();
  }
};

// Runs `steps` once the dialog's loop has started.
void whileRunning(std::function<void()> steps) {
  QTimer::singleShot(0, std::move(steps));
}

TEST(Dialogs, ContentAreaLeavesTheFrame) {
  EXPECT_EQ(defaultContentRect(QSize(300, 150)), QRect(14, 33, 272, 65));
  CBmpDialog d;
  d.SetDialogSize(QSize(400, 300));
  EXPECT_EQ(d.ContentRect(), QRect(14, 33, 372, 215));
  d.SetContentRect(QRect(5, 40, 390, 200));
  EXPECT_EQ(d.ContentRect(), QRect(5, 40, 390, 200));
}

TEST(Dialogs, ModalLoopDisablesTheOwnerAndReturnsTheEndingIdentifier) {
  QWidget owner;
  owner.setGeometry(50, 60, 600, 460);
  owner.show();
  NameDialog d;
  bool ownerWasDisabled = false;
  QPoint placedAt;
  whileRunning([&] {
    ownerWasDisabled = !owner.isEnabled();
    placedAt = d.pos();
    EXPECT_EQ(CBmpDialog::OpenCount(), 1);
    d.EndDialog(4402);
  });
  EXPECT_EQ(d.DoModal(&owner, std::nullopt, resources::kCaptionNewFile), 4402);
  EXPECT_TRUE(ownerWasDisabled);
  EXPECT_TRUE(owner.isEnabled());
  EXPECT_EQ(placedAt, owner.geometry().topLeft() + QPoint(100, 100));
  EXPECT_EQ(CBmpDialog::OpenCount(), 0);
  EXPECT_FALSE(d.isVisible());
}

TEST(Dialogs, EnterValidatesAndEscapeCancels) {
  NameDialog d;
  whileRunning([&] {
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_EQ(d.okRefused, 1);
    EXPECT_TRUE(d.IsRunning()) << "an empty name keeps the dialog open";
    d.name->setText(QStringLiteral("새멜로디"));
    QTest::keyClick(d.name, Qt::Key_Return);
  });
  EXPECT_EQ(d.DoModal(nullptr, QRect(10, 10, 300, 150), resources::kCaptionNewMelody), kIdOkCommand);

  NameDialog e;
  whileRunning([&] { QTest::keyClick(&e, Qt::Key_Escape); });
  EXPECT_EQ(e.DoModal(nullptr, QRect(10, 10, 300, 150), 0), kIdCancelCommand);
}

TEST(Dialogs, OkAndCancelButtonsEndTheDialog) {
  CBmpDialog d;
  auto *ok = new CBmpButton(&d);
  ok->Create(kPushDisabledStyle, QRect(165, 105, 0, 0), &d, kIdOkCommand, resources::kButtonOk, 4);
  whileRunning([&] { QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(3, 3)); });
  EXPECT_EQ(d.DoModal(nullptr, QRect(0, 0, 300, 150), 0), kIdOkCommand);
}

TEST(Dialogs, CloseAllEndsEveryOpenDialogNewestFirst) {
  CBmpDialog outer;
  CBmpDialog inner;
  std::vector<std::string> order;
  int innerResult = -1;
  whileRunning([&] {
    whileRunning([&] {
      EXPECT_EQ(CBmpDialog::OpenCount(), 2);
      CBmpDialog::CloseAll();
    });
    innerResult = inner.DoModal(&outer, std::nullopt, 0);
    order.push_back("inner");
  });
  const int outerResult = outer.DoModal(nullptr, std::nullopt, 0);
  order.push_back("outer");
  EXPECT_EQ(innerResult, kIdCancelCommand);
  EXPECT_EQ(outerResult, kIdCancelCommand);
  EXPECT_EQ(order, (std::vector<std::string>{"inner", "outer"}));
  EXPECT_EQ(CBmpDialog::OpenCount(), 0);
}

TEST(Dialogs, DialogDestroyedInsideItsLoopEndsTheLoop) {
  auto *d = new CBmpDialog;
  whileRunning([&] { delete d; });
  EXPECT_EQ(d->DoModal(nullptr, std::nullopt, 0), kIdCancelCommand);
  EXPECT_EQ(CBmpDialog::OpenCount(), 0);
}

TEST(DialogSkin, FrameIsComposedAroundAWhiteContentAreaWithItsCaption) {
  for (QSize size : {QSize(200, 130), QSize(300, 150), QSize(520, 400)}) {
    const QRect content = defaultContentRect(size);
    const QImage skin = composeDialogSkin(size, content, resources::kCaptionHelp, {});
    ASSERT_EQ(skin.size(), size);
    EXPECT_EQ(skin.pixelColor(content.center()), QColor(Qt::white));
    EXPECT_EQ(skin.pixelColor(content.topLeft()), QColor(Qt::white));
    EXPECT_NE(skin.pixelColor(3, size.height() / 2), QColor(Qt::white)) << "left edge";
    EXPECT_NE(skin.pixelColor(size.width() - 3, size.height() - 3), QColor(Qt::white)) << "corner";
    // The caption bitmap sits at (5, 2).
    const QImage caption = resources::ResourceStore::instance().image(resources::kCaptionHelp);
    EXPECT_EQ(skin.copy(5, 2, caption.width(), caption.height()), caption.convertToFormat(skin.format()));
  }
  // The title bar sits at the corner instead.
  const QImage skin =
      composeDialogSkin(QSize(300, 150), defaultContentRect(QSize(300, 150)), resources::kDialogTitleBar, {});
  const QImage bar = resources::ResourceStore::instance().image(resources::kDialogTitleBar);
  EXPECT_EQ(skin.copy(0, 0, bar.width(), bar.height()), bar.convertToFormat(skin.format()));
}

} // namespace
} // namespace pdx::winlib
