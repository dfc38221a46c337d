#include "winlib/access/accessibility.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_message_box.h"
#include "winlib/testing/accessibility_check.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

QAccessibleInterface *iface(QWidget *w) {
  return QAccessible::queryAccessibleInterface(w);
}

// A window holding one bitmap button of the given style, made from the
// resource `bitmap`, whose commands are counted.
struct ButtonWindow {
  ButtonWindow(uint32_t style, int bitmap, int frames) {
    window.setAccessibleName(QStringLiteral("시험 창"));
    window.resize(200, 100);
    button = new CBmpButton(&window);
    button->Create(style, QRect(10, 10, 0, 0), &window, 42, bitmap, frames);
    QObject::connect(button, &CBmpButton::commandSent, [this](int) { ++commands; });
    window.show();
  }
  QWidget window;
  CBmpButton *button = nullptr;
  int commands = 0;
};

TEST(Accessibility, BitmapButtonsAreNamedPushButtonsOrCheckBoxesWithTheirStates) {
  struct Case {
    uint32_t style;
    int bitmap;
    int frames;
    bool enabled;
    QAccessible::Role role;
    const char *name;
    bool checkedAfterSpace;
    int commandsAfterSpaceAndEnter;
  };
  const Case cases[] = {
      {kPushDisabledStyle, 5000, 4, true, QAccessible::Button, "확인", false, 2},
      {kPushDisabledStyle, 3243, 4, false, QAccessible::Button, "다이어리 전화번호부", false, 0},
      {kChoiceStyle, 4431, 3, true, QAccessible::CheckBox, "온음표", true, 2},
      {kToggleStyle, 4477, 3, true, QAccessible::CheckBox, "올림표", true, 2},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    ButtonWindow w(c.style, c.bitmap, c.frames);
    w.button->Enable(c.enabled);
    EXPECT_EQ(iface(w.button)->role(), c.role);
    EXPECT_EQ(iface(w.button)->text(QAccessible::Name).toStdString(), c.name);
    EXPECT_EQ(iface(w.button)->state().disabled, !c.enabled);
    EXPECT_EQ(w.button->focusPolicy(), Qt::TabFocus); // a mouse click leaves the focus alone
    QTest::keyClick(w.button, Qt::Key_Space);
    EXPECT_EQ(iface(w.button)->state().checked, c.checkedAfterSpace);
    QTest::keyClick(w.button, Qt::Key_Return);
    EXPECT_EQ(w.commands, c.commandsAfterSpaceAndEnter);
  }
}

TEST(Accessibility, PressActionAndTheFocusMarkOfABitmapButton) {
  ButtonWindow w(kPushStyle, 5001, 3);
  const QImage unfocused = w.button->grab().toImage();
  w.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
  w.button->setFocus();
  EXPECT_NE(w.button->grab().toImage(), unfocused);
  iface(w.button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(w.commands, 0) << "the press comes from the event loop";
  QCoreApplication::processEvents();
  EXPECT_EQ(w.commands, 1);
}

TEST(Accessibility, CheckerFindsWhatAScreenReaderOrKeyboardUserWouldMiss) {
  struct Case {
    const char *fault;
    std::function<void(QWidget &)> build;
    const char *expected; // a piece of the one problem, or "" for none
  };
  const Case cases[] = {
      {"none",
       [](QWidget &w) {
         (new CBmpButton(&w))->Create(kPushStyle, QRect(0, 0, 0, 0), &w, 1, 5000, 4);
         (new QLineEdit(&w))->setAccessibleName(QStringLiteral("이름"));
       },
       ""},
      {"English name", [](QWidget &w) { new QPushButton(QStringLiteral("OK"), &w); },
       "한국어 이름이 없습니다"},
      {"unnamed filler", [](QWidget &w) { (new QWidget(&w))->resize(5, 5); }, "역할이 없습니다"},
      {"not reached by Tab",
       [](QWidget &w) {
         auto *edit = new QLineEdit(&w);
         edit->setAccessibleName(QStringLiteral("이름"));
         edit->setFocusPolicy(Qt::ClickFocus);
       },
       "Tab으로 갈 수 없습니다"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.fault);
    QWidget window;
    window.setAccessibleName(QStringLiteral("창"));
    c.build(window);
    window.show();
    const std::vector<std::string> problems = testing::accessibilityProblems(&window);
    if (*c.expected == '\0') {
      EXPECT_THAT(problems, IsEmpty());
    } else {
      EXPECT_THAT(problems, ElementsAre(HasSubstr(c.expected)));
    }
  }
}

TEST(Accessibility, MessageBoxIsADialogNamedByItsTextAndPassesTheCheck) {
  CBmpMessageBox box;
  box.Prepare(QStringLiteral("저장할까요?\n바뀐 내용이 있습니다."), QString(),
              kMbYesNoCancel | kMbIconQuestion, 0);
  std::vector<std::string> problems;
  QTimer::singleShot(0, [&] {
    problems = testing::accessibilityProblems(&box);
    QTest::keyClick(&box, Qt::Key_Escape);
  });
  EXPECT_EQ(box.RunAt(nullptr, true), kIdCancel);
  EXPECT_EQ(iface(&box)->role(), QAccessible::Dialog);
  EXPECT_EQ(iface(&box)->text(QAccessible::Name), QStringLiteral("저장할까요? 바뀐 내용이 있습니다."));
  EXPECT_THAT(problems, IsEmpty());
}

} // namespace
} // namespace pdx::winlib
