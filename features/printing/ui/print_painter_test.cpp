#include "core/base/cp949.h"
#include "core/base/test_support.h"
#include "features/printing/ui/phonebook_printing.h"
#include "resources/fonts.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pdx::features {
namespace {

// Pages of a PDF written by Qt: one "/Type /Page" object each.
int pdfPages(const QString &path) {
  const QByteArray bytes = QByteArray::fromStdString(readWholeFile(path.toStdString()));
  return static_cast<int>(bytes.count("/Type /Page") - bytes.count("/Type /Pages"));
}

PrintPage pageWith(const std::string &text) {
  return PrintPage{{{200, 300, PrintFont::NormalEntry, text}}};
}

class PainterTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  std::unique_ptr<QPdfWriter> writer(const QString &name, int dpi = 600) {
    auto w = std::make_unique<QPdfWriter>(dir_.filePath(name));
    w->setResolution(dpi);
    w->setPageSize(QPageSize(QPageSize::A4));
    w->setPageMargins(QMarginsF());
    return w;
  }
  QTemporaryDir dir_;
};

TEST_F(PainterTest, PrintsThePagesOfTheRangeOnly) {
  auto w = writer("range.pdf");
  const std::vector<PrintPage> pages = {pageWith("a"), pageWith("b"), pageWith("c"), pageWith("d")};
  EXPECT_EQ(printPages(*w, kPhonebookDocument, pages, 2, 3), PrintOutcome::Printed);
  w.reset();
  EXPECT_EQ(pdfPages(dir_.filePath("range.pdf")), 2);
}

TEST_F(PainterTest, APageSizeIsTheSameInLayoutUnitsAtAnyResolution) {
  const LayoutPage at600 = layoutPageOf(*writer("a.pdf"));
  const LayoutPage at1200 = layoutPageOf(*writer("b.pdf", 1200));
  EXPECT_NEAR(at600.width, 2480, 3) << "A4 is 210 mm wide";
  EXPECT_NEAR(at1200.width, at600.width, 2);
  EXPECT_NEAR(at1200.height, at600.height, 2);
}

TEST_F(PainterTest, AnUnwritableDeviceCannotBeOpened) {
  QPdfWriter w(dir_.filePath("no/such/folder/x.pdf"));
  EXPECT_EQ(printPages(w, kPhonebookDocument, {pageWith("a")}), PrintOutcome::CannotOpen);
  EXPECT_EQ(printOutcomeMessage(PrintOutcome::CannotOpen), "프린터를 열 수 없습니다.");
  EXPECT_EQ(printOutcomeMessage(PrintOutcome::PageFailed), "인쇄 도중에 에러가 발생하였습니다.");
  EXPECT_EQ(printOutcomeMessage(PrintOutcome::Printed), "");
}

TEST(PrintFonts, SizesFollowThePointsAndSymbolsFallBackToThePhoneFont) {
  const QtTextMeasure measure;
  const int entry = measure.height(PrintFont::WalletEntry, text::fromUtf8("홍길동"));
  const int heading = measure.height(PrintFont::NormalHeading, text::fromUtf8("홍길동"));
  EXPECT_GT(entry, 20) << "7 points are 29 layout pixels";
  EXPECT_LE(entry, 40) << "a wallet line is 40 pixels";
  EXPECT_GT(heading, 2 * entry - 10);
  EXPECT_TRUE(
      printFont(PrintFont::WalletEntry).families().contains(QString::fromLatin1(resources::kSymbolFamily)));
  EXPECT_EQ(printFont(PrintFont::NormalEntry).pixelSize(), 42);
}

TEST_F(PainterTest, ThePhonebookPrintsEveryPageOfItsLayout) {
  core::PhonebookList entries;
  core::GroupTable groups;
  groups.ensureDefaultGroup();
  for (int i = 0; i < 120; ++i) {
    core::PhoneBookEntry e;
    e.name.set(text::fromUtf8("사람" + std::to_string(1000 + i)));
    e.numbers[0].set("02-123-" + std::to_string(1000 + i));
    entries.append(e);
  }
  auto w = writer("pb.pdf");
  const LayoutPage page = layoutPageOf(*w);
  const QtTextMeasure measure;
  const size_t expected = layoutPhonebook(entries, groups, PrintSize::Normal, PrintOrder::ByName,
                                          printArea(page.width, page.height), measure)
                              .size();
  ASSERT_GT(expected, 1u);
  EXPECT_EQ(printPhonebook(*w, entries, groups, PrintSize::Normal, PrintOrder::ByName),
            PrintOutcome::Printed);
  w.reset();
  EXPECT_EQ(pdfPages(dir_.filePath("pb.pdf")), static_cast<int>(expected));
}

} // namespace
} // namespace pdx::features
