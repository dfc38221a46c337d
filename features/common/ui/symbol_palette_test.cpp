#include "features/common/ui/symbol_palette.h"
#include "features/common/ui/text_fields.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace pdx::features {
namespace {

class SymbolPaletteTest : public ::testing::Test {
protected:
  SymbolPaletteTest() : palette_(nullptr, QPixmap(270, 27), 27), name_(nullptr, 16) {
    palette_.resize(295, 30);
    QObject::connect(&palette_, &SymbolPalette::symbolChosen, [this](int i) { name_.insertSymbol(i); });
  }
  QPoint centreOf(int index) const {
    const SymbolGrid grid = SymbolGrid::forWidth(palette_.width(), 27);
    return QPoint(grid.cellX(index) + 14, grid.cellY(index, 27) + 14);
  }
  SymbolPalette palette_;
  ByteLimitedEdit name_;
};

TEST_F(SymbolPaletteTest, ClickingTheFourthSymbolInsertsItsTwoBytesAtTheCaret) {
  name_.setText("ab");
  name_.setCursorPosition(1);
  QTest::mouseClick(&palette_, Qt::LeftButton, Qt::NoModifier, centreOf(3));
  EXPECT_EQ(name_.bytes(), "a\xC9\xA4"
                           "b");
  EXPECT_EQ(palette_.selection(), 3);
}

TEST_F(SymbolPaletteTest, ReleasingOutsideEverySymbolInsertsNothing) {
  QSignalSpy chosen(&palette_, &SymbolPalette::symbolChosen);
  QTest::mousePress(&palette_, Qt::LeftButton, Qt::NoModifier, centreOf(2));
  QTest::mouseRelease(&palette_, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
  EXPECT_EQ(chosen.count(), 0);
  EXPECT_EQ(name_.bytes(), "");
  EXPECT_EQ(palette_.selection(), -1);
}

TEST(ByteLimitedEdit, NumbersRefuseOtherPrintableCharacters) {
  ByteLimitedEdit number(nullptr, 32, ByteLimitValidator::PhoneNumber);
  QTest::keyClicks(&number, "02-555a*#pP x");
  EXPECT_EQ(number.text(), "02-555*#pP");
  QTest::keyClicks(&number, std::string(40, '9').c_str());
  EXPECT_EQ(number.bytes().size(), 32u);
}

} // namespace
} // namespace pdx::features
