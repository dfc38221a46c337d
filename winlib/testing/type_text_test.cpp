#include "winlib/testing/type_text.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace pdx::winlib::testing {
namespace {

TEST(TypeText, TypesHangulAndSymbolsIntoTheFocusedEditOnly) {
  QWidget form;
  auto *first = new QLineEdit(&form);
  auto *second = new QLineEdit(QStringLiteral("집"), &form);
  form.show();
  second->setFocus();
  form.activateWindow();
  ASSERT_TRUE(typeText(&form, QStringLiteral("전화번호부") + QChar(0xE004)));
  EXPECT_TRUE(first->text().isEmpty());
  EXPECT_EQ(second->text(), QStringLiteral("집전화번호부") + QChar(0xE004));
  QLabel label;
  EXPECT_FALSE(typeText(&label, QStringLiteral("가"))) << "a label takes no text";
}

} // namespace
} // namespace pdx::winlib::testing
