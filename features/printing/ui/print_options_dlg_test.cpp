#include "features/groups/ui/dialog_testing.h"
#include "features/printing/ui/print_options_dlg.h"
#include "winlib/testing/accessibility_check.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTest>
#include <gmock/gmock.h>

namespace pdx::features {
namespace {

using testing::whenOpen;

TEST(PrintOptionsDialog, StartsFromTheLastChoiceAndOffersPdf) {
  PrintOptions last;
  last.size = PrintSize::Normal;
  last.order = PrintOrder::ByName;
  CPrintOptionsDlg dialog(last);
  whenOpen<CPrintOptionsDlg>([](CPrintOptionsDlg &d) {
    EXPECT_THAT(winlib::testing::accessibilityProblems(&d), ::testing::IsEmpty());
    EXPECT_TRUE(d.normalButton()->isChecked());
    EXPECT_TRUE(d.byNameButton()->isChecked());
    EXPECT_GE(d.printerBox()->findText(CPrintOptionsDlg::pdfChoice()), 0);
    QTest::mouseClick(d.walletButton(), Qt::LeftButton);
    QTest::mouseClick(d.byGroupButton(), Qt::LeftButton);
    EXPECT_FALSE(d.normalButton()->isChecked()) << "the sizes exclude each other";
    d.printerBox()->setCurrentIndex(d.printerBox()->findText(CPrintOptionsDlg::pdfChoice()));
    QTest::keyClick(&d, Qt::Key_Return);
  });
  ASSERT_EQ(dialog.DoModal(nullptr, std::nullopt, 0), winlib::kIdOkCommand);
  EXPECT_EQ(dialog.options().size, PrintSize::Wallet);
  EXPECT_EQ(dialog.options().order, PrintOrder::ByGroup);
  EXPECT_TRUE(dialog.options().printer.isEmpty()) << "PDF";
}

TEST(PrintOptionsDialog, CancelKeepsTheOptions) {
  CPrintOptionsDlg dialog(PrintOptions{});
  whenOpen<CPrintOptionsDlg>([](CPrintOptionsDlg &d) {
    QTest::mouseClick(d.normalButton(), Qt::LeftButton);
    QTest::keyClick(&d, Qt::Key_Escape);
  });
  EXPECT_EQ(dialog.DoModal(nullptr, std::nullopt, 0), winlib::kIdCancelCommand);
  EXPECT_EQ(dialog.options().size, PrintSize::Wallet);
}

} // namespace
} // namespace pdx::features
