#include "core/data/phonebook_export.h"

#include <gtest/gtest.h>

namespace pdx::core {
namespace {

using text::fromUtf8;

class PhonebookExportTest : public ::testing::Test {
protected:
  void SetUp() override {
    groups_.ensureDefaultGroup();
    PhoneGroup family;
    family.id = 3;
    family.name.setWhole(fromUtf8("가족"));
    groups_.insert(family);
    PhoneBookEntry a;
    a.name.set(fromUtf8("홍길동"));
    a.group = 3;
    a.numbers[0].set("02-555-1234");
    a.numbers[2].set("011-234-5678");
    entries_.append(a);
    PhoneBookEntry b;
    b.name.set("Kim, \"Jr\";");
    b.group = static_cast<uint16_t>(groups_[0].id);
    b.numbers[3].set("012-345");
    entries_.append(b);
    entries_.append(PhoneBookEntry()); // empty entries are left out
  }
  GroupTable groups_;
  PhonebookList entries_;
};

TEST_F(PhonebookExportTest, VcardHasOneCardPerEntryWithTypedNumbers) {
  const std::string v = phonebookToVcard(entries_, groups_);
  EXPECT_EQ(v.substr(0, v.find("END:VCARD")),
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:홍길동\r\nN:홍길동;;;;\r\nTEL;TYPE=home:02-555-1234\r\n"
            "TEL;TYPE=cell:011-234-5678\r\nCATEGORIES:가족\r\n");
  const size_t second = v.find("BEGIN:VCARD", 1);
  ASSERT_NE(second, std::string::npos);
  const std::string card = v.substr(second);
  EXPECT_NE(card.find("FN:Kim\\, \"Jr\"\\;\r\n"), std::string::npos);
  EXPECT_NE(card.find("TEL;TYPE=pager:012-345\r\n"), std::string::npos);
  EXPECT_EQ(card.find("CATEGORIES"), std::string::npos); // the default group is no group
  EXPECT_EQ(v.find("BEGIN:VCARD", second + 1), std::string::npos);
}

TEST_F(PhonebookExportTest, CsvQuotesWhereNeeded) {
  EXPECT_EQ(phonebookToCsv(entries_, groups_), "이름,그룹,집,회사,휴대폰,삐삐\n"
                                               "홍길동,가족,02-555-1234,,011-234-5678,\n"
                                               "\"Kim, \"\"Jr\"\";\",,,,,012-345\n");
}

} // namespace
} // namespace pdx::core
