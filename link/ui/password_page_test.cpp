#include "link/ui/password_page.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"
#include "winlib/testing/accessibility_check.h"

#include <QAccessible>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pdx::link {
namespace {

class PasswordPageTest : public ::testing::Test {
protected:
  PasswordPageTest() : page_(status_) {
    page_.Create("Pelodex", resources::kPagePassword);
    page_.show();
  }
  winlib::CBmpButton *button(int id) {
    for (auto *b : page_.findChildren<winlib::CBmpButton *>()) {
      if (b->CommandId() == id) {
        return b;
      }
    }
    return nullptr;
  }
  void click(int id) {
    winlib::CBmpButton *b = button(id);
    ASSERT_NE(b, nullptr) << id;
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
  }
  LinkStatus status_;
  PasswordPage page_;
};

TEST_F(PasswordPageTest, KeypadAndKeysEnterAtMostFourDigits) {
  click(3100);
  click(3109);
  QTest::keyClick(&page_, Qt::Key_7);
  EXPECT_EQ(page_.Digits(), "107");
  EXPECT_EQ(button(3120)->State(), winlib::ButtonState::Disabled);
  QTest::keyClick(&page_, Qt::Key_3);
  QTest::keyClick(&page_, Qt::Key_4);
  EXPECT_EQ(page_.Digits(), "1073");
  EXPECT_NE(button(3120)->State(), winlib::ButtonState::Disabled);
  QTest::keyClick(&page_, Qt::Key_Backspace);
  EXPECT_EQ(page_.Digits(), "107");
  QTest::keyClick(&page_, Qt::Key_Escape);
  EXPECT_EQ(page_.Digits(), "");
  click(3113); // "*" and "#" do nothing
  click(3114);
  EXPECT_EQ(page_.Digits(), "");
}

TEST_F(PasswordPageTest, StarsShowOnTheDisplay) {
  for (const char *digit : {"1", "2"}) {
    QTest::keyClicks(&page_, digit);
  }
  PasswordDisplay *display = page_.Display();
  ASSERT_NE(display, nullptr);
  EXPECT_EQ(display->digits(), 2);
  const QImage image = display->grab().toImage();
  int dark = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width() / 2; ++x) {
      dark += qGray(image.pixel(x, y)) < 100;
    }
  }
  EXPECT_GT(dark, 50); // two large stars and the caret
}

TEST_F(PasswordPageTest, ResultsOfThePage) {
  QTimer::singleShot(0, [this] {
    for (const char *digit : {"0", "0", "0", "0"}) {
      QTest::keyClicks(&page_, digit);
    }
    QTest::keyClick(&page_, Qt::Key_Return);
  });
  std::string digits;
  EXPECT_EQ(page_.askPassword(digits), LogOnView::Choice::Ok);
  EXPECT_EQ(digits, "0000");
  QTimer::singleShot(0, [this] { click(PasswordPage::kWithoutPhoneCommand); });
  EXPECT_EQ(page_.askPassword(digits), LogOnView::Choice::WithoutPhone);
  QTimer::singleShot(0, [this] { page_.close(); });
  EXPECT_EQ(page_.askPassword(digits), LogOnView::Choice::Close);
}

TEST_F(PasswordPageTest, AScreenReaderUserLogsOnWithTabSpaceAndEnter) {
  EXPECT_THAT(winlib::testing::accessibilityProblems(&page_), ::testing::IsEmpty());
  const std::vector<std::string> order = winlib::testing::tabOrder(&page_);
  EXPECT_THAT(std::vector<std::string>(order.begin(), order.begin() + 3),
              ::testing::ElementsAre("1", "2", "3"));
  button(3104)->setFocus(); // "5"
  QTest::keyClick(button(3104), Qt::Key_Space);
  QTest::keyClick(button(3104), Qt::Key_Enter);
  EXPECT_EQ(page_.Digits(), "55");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(page_.Display())->text(QAccessible::Name),
            QStringLiteral("비밀번호 2자리 입력됨"));
}

TEST_F(PasswordPageTest, ShakeReturnsThePageToItsPlace) {
  page_.move(200, 100);
  const QPoint home = page_.pos();
  page_.shake();
  EXPECT_EQ(page_.pos(), home);
}

} // namespace
} // namespace pdx::link
