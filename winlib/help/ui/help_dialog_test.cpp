#include "resources/help/help_tables.h"
#include "winlib/bmp_button.h"
#include "winlib/help/help_topics.h"
#include "winlib/help/ui/help_dialog.h"

#include <QApplication>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

class HelpDialogTest : public testing::Test {
protected:
  void SetUp() override { setHelpTopics(resources::pelodexHelpTopics()); }
  void TearDown() override { setHelpTopics({}); }

  // Runs `steps` on the open help dialog once its loop has started.
  static void whileOpen(std::function<void(CHelpDialog &)> steps) {
    QTimer::singleShot(0, [steps = std::move(steps)] {
      for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<CHelpDialog *>(widget); dialog != nullptr && dialog->IsRunning()) {
          steps(*dialog);
          return;
        }
      }
      ADD_FAILURE() << "no help dialog open";
      CBmpDialog::CloseAll();
    });
  }
};

TEST_F(HelpDialogTest, OpensAtTheGivenCornerWithTheTopicAndClosesOnEscape) {
  QWidget parent;
  parent.setGeometry(40, 40, 600, 460);
  parent.show();
  whileOpen([&](CHelpDialog &dialog) {
    EXPECT_EQ(dialog.geometry(), QRect(140, 140, 400, 300));
    EXPECT_EQ(dialog.View()->geometry(), QRect(30, 50, 350, 187));
    EXPECT_TRUE(dialog.View()->toPlainText().startsWith(QString("알람 지정")));
    EXPECT_EQ(dialog.focusWidget(), dialog.View());
    ASSERT_NE(dialog.CloseButton(), nullptr);
    EXPECT_EQ(dialog.CloseButton()->pos(), QPoint(335, 255));
    EXPECT_EQ(dialog.CloseButton()->CommandId(), 1);
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  ShowHelpDialog(&parent, 140, 140, 2110);
  EXPECT_EQ(CBmpDialog::OpenCount(), 0);
}

TEST_F(HelpDialogTest, HelpPageControlsAndCommands) {
  QWidget page;
  page.resize(600, 460);
  const HelpPageControls controls = createHelpPageControls(page);
  EXPECT_EQ(controls.view->geometry(), QRect(50, 92, 498, 257));
  EXPECT_TRUE(controls.view->toPlainText().startsWith(QString("Pelodex 도움말")));
  EXPECT_EQ(controls.back->pos(), QPoint(490, 383));
  EXPECT_EQ(controls.back->CommandId(), 4361);
  EXPECT_EQ(controls.exit->pos(), QPoint(539, 383));
  EXPECT_EQ(controls.exit->CommandId(), 4360);
  EXPECT_EQ(helpPageAction(4361), HelpPageAction::Back);
  EXPECT_EQ(helpPageAction(1003), HelpPageAction::Back);
  EXPECT_EQ(helpPageAction(4360), HelpPageAction::Exit);
  EXPECT_EQ(helpPageAction(1000), HelpPageAction::Exit);
  EXPECT_EQ(helpPageAction(1001), HelpPageAction::None);
}

} // namespace
} // namespace pdx::winlib
