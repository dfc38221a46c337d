#include "features/printing/phonebook_print.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace pdx::features {
namespace {

using core::PhoneBookEntry;

// Every text of a font is as high as one wallet line, or 60 pixels in the
// normal sizes.
class FixedMeasure : public TextMeasure {
public:
  int height(PrintFont font, const std::string &) const override {
    return font == PrintFont::NormalHeading ? 70 : font == PrintFont::NormalEntry ? 60 : 40;
  }
};

class PhonebookPrintTest : public ::testing::Test {
protected:
  void SetUp() override {
    groups_.ensureDefaultGroup();
    for (const char *name : {"가족", "회사", "친구"}) {
      groups_.addGroup(text::fromUtf8(name), 0);
    }
    // 60 entries with one to four numbers, in several groups.
    for (int i = 0; i < 60; ++i) {
      PhoneBookEntry e;
      e.name.set("name" + std::to_string(100 + (i * 37) % 60));
      e.group = static_cast<uint16_t>(i % 4);
      for (int k = 0; k <= i % 4; ++k) {
        e.numbers[static_cast<size_t>(k)].set("02-" + std::to_string(1000 + i));
      }
      entries_.append(e);
    }
  }

  // The names in the order they were printed, checking that every text lies
  // inside the area.
  std::vector<std::string> printedNames(const std::vector<PrintPage> &pages, PrintSize size,
                                        const PrintRect &a) {
    std::vector<std::string> names;
    for (const PrintPage &page : pages) {
      for (const PrintText &t : page.texts) {
        const int h = measure_.height(t.font, t.text);
        EXPECT_GE(t.x, a.left);
        EXPECT_LT(t.x, a.right);
        EXPECT_GE(t.y, a.top);
        EXPECT_LE(t.y + h, a.bottom) << t.text;
        const bool entryFont = t.font == PrintFont::WalletEntry || t.font == PrintFont::NormalEntry;
        const bool nameColumn = size == PrintSize::Wallet ? (t.x - a.left) % 690 == 0 : t.x == a.left;
        if (entryFont && nameColumn) {
          names.push_back(t.text);
        }
      }
    }
    return names;
  }

  int groupOf(const std::string &name) const {
    for (const PhoneBookEntry &e : entries_) {
      if (e.name.view() == name) {
        return e.group;
      }
    }
    return -1;
  }

  core::GroupTable groups_;
  core::PhonebookList entries_;
  FixedMeasure measure_;
};

TEST_F(PhonebookPrintTest, EveryEntryPrintedOnceInOrderInsideTheArea) {
  // A4 at 600 dpi, and a short page that forces many page breaks.
  for (const PrintRect area : {printArea(4960, 7016), printArea(4960, 1400)}) {
    for (PrintSize size : {PrintSize::Wallet, PrintSize::Normal}) {
      for (PrintOrder order : {PrintOrder::ByGroup, PrintOrder::ByName}) {
        SCOPED_TRACE(testing::Message() << area.width() << " " << int(size) << " " << int(order));
        const auto pages = layoutPhonebook(entries_, groups_, size, order, area, measure_);
        std::vector<std::string> expected;
        for (const PhoneBookEntry &e : phonebookPrintOrder(entries_, order)) {
          expected.emplace_back(e.name.view());
        }
        std::vector<std::string> printed = printedNames(pages, size, area);
        if (order == PrintOrder::ByGroup) {
          // Groups stand side by side in bands: each group's entries are in
          // order, and the groups follow each other.
          std::stable_sort(printed.begin(), printed.end(), [&](const std::string &a, const std::string &b) {
            return groupOf(a) < groupOf(b);
          });
        }
        EXPECT_EQ(printed, expected);
        EXPECT_FALSE(pages.back().texts.empty());
      }
    }
  }
}

TEST_F(PhonebookPrintTest, WalletEntriesShowKindSymbolsBesideTheName) {
  core::PhonebookList one;
  PhoneBookEntry e;
  e.name.set("kim");
  e.numbers[1].set("02-777");
  e.numbers[3].set("012-345");
  one.append(e);
  const PrintRect area = printArea(4960, 7016);
  const auto pages = layoutPhonebook(one, groups_, PrintSize::Wallet, PrintOrder::ByName, area, measure_);
  ASSERT_EQ(pages.size(), 1u);
  ASSERT_EQ(pages[0].texts.size(), 3u);
  EXPECT_EQ(pages[0].texts[1].text, "\xC9\xA6"
                                    "02-777");
  EXPECT_EQ(pages[0].texts[1].x, area.left + 200);
  EXPECT_EQ(pages[0].texts[1].y, area.top);
  EXPECT_EQ(pages[0].texts[2].text, "\xC9\xA3"
                                    "012-345");
  EXPECT_EQ(pages[0].texts[2].y, area.top + 40);
}

TEST_F(PhonebookPrintTest, NormalByGroupStartsEachGroupWithAHeading) {
  const PrintRect area = printArea(4960, 7016);
  const auto pages =
      layoutPhonebook(entries_, groups_, PrintSize::Normal, PrintOrder::ByGroup, area, measure_);
  ASSERT_FALSE(pages.empty());
  const PrintText &heading = pages[0].texts[0];
  EXPECT_EQ(heading.font, PrintFont::NormalHeading);
  EXPECT_EQ(heading.text, "* " + std::string(core::defaultGroupName()));
  EXPECT_EQ(heading.x, area.left + 37);
  EXPECT_EQ(heading.y, area.top + 27);
  EXPECT_EQ(pages[0].texts[1].y, area.top + 54 + 70);
}

TEST_F(PhonebookPrintTest, EmptyPhonebookPrintsOnePageAndAnEmptyEntryEndsTheList) {
  core::PhonebookList list;
  const PrintRect area = printArea(4960, 7016);
  EXPECT_EQ(layoutPhonebook(list, groups_, PrintSize::Normal, PrintOrder::ByName, area, measure_).size(), 1u);
  list.append(entries_[0]);
  list.append(PhoneBookEntry());
  list.append(entries_[1]);
  EXPECT_EQ(phonebookPrintOrder(list, PrintOrder::ByName).size(), 1u);
}

TEST(PrintFrame, AreaAndHeader) {
  const PrintRect a = printArea(4960, 7016);
  EXPECT_EQ(a.left, 127);
  EXPECT_EQ(a.top, 252);
  EXPECT_EQ(a.right, 4833);
  EXPECT_EQ(a.bottom, 6764);
  const PageHeader h = pageHeader(a, "전화번호부");
  EXPECT_EQ(h.title, "Pelodex - 전화번호부");
  EXPECT_EQ(h.thinRule.top, 200);
  EXPECT_EQ(h.thinRule.height(), 2);
  EXPECT_EQ(h.thickRule.top, 204);
  EXPECT_EQ(h.thickRule.height(), 4);
  EXPECT_EQ(pageHeader(a, "").title, "Pelodex");
}

} // namespace
} // namespace pdx::features
