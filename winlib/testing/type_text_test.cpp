#include "winlib/testing/type_text.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace pdx::winlib::testing {
namespace {

TEST(TypeText, TypesHangulAndSymbolsIntoAnEdit) {
  QLineEdit edit;
  edit.setText(QStringLiteral("집"));
  ASSERT_TRUE(typeText(&edit, QStringLiteral("전화번호부") + QChar(0xE004)));
  EXPECT_EQ(edit.text(), QStringLiteral("집전화번호부") + QChar(0xE004));
}

TEST(TypeText, GoesToTheFocusedChild) {
  QWidget form;
  auto *first = new QLineEdit(&form);
  auto *second = new QLineEdit(&form);
  form.show();
  second->setFocus();
  form.activateWindow();
  ASSERT_TRUE(typeText(&form, QStringLiteral("홍길동")));
  EXPECT_TRUE(first->text().isEmpty());
  EXPECT_EQ(second->text(), QStringLiteral("홍길동"));
}

TEST(TypeText, RefusesWidgetsWithoutTextInput) {
  QLabel label;
  EXPECT_FALSE(typeText(&label, QStringLiteral("가")));
}

} // namespace
} // namespace pdx::winlib::testing
