#include "features/phonebook/text_import.h"

#include <gtest/gtest.h>

namespace pdx::features {
namespace {

using text::fromUtf8;

class TextImportTest : public ::testing::Test {
protected:
  ImportResult run(const std::string &utf8Lines) {
    return importPhonebookText(fromUtf8(utf8Lines), store_, offlineGroupCreator(store_));
  }
  const core::PhoneBookEntry *find(const char *utf8Name) const {
    for (const auto &e : store_.pcPhonebook) {
      if (e.name.utf8() == utf8Name) {
        return &e;
      }
    }
    return nullptr;
  }
  core::CDataStore store_;
};

TEST_F(TextImportTest, NameGroupAndNumbersByPrefix) {
  store_.phoneGroups.ensureDefaultGroup();
  const ImportResult r = run("홍길동 친구 0212345678 0111234567\n");
  EXPECT_EQ(r.status, ImportResult::Ok);
  EXPECT_EQ(r.added, 1);
  const auto *e = find("홍길동");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->numbers[0].view(), "0212345678");
  EXPECT_EQ(e->numbers[2].view(), "0111234567");
  EXPECT_TRUE(e->numbers[1].empty() && e->numbers[3].empty());
  const int group = store_.phoneGroups.findByName(fromUtf8("친구"));
  ASSERT_GE(group, 0);
  EXPECT_EQ(e->group, store_.phoneGroups[static_cast<size_t>(group)].id);
  EXPECT_EQ(e->phoneSlot, core::kNoPhoneSlot);
  EXPECT_EQ(e->phoneState, core::kNotOnPhone);
  EXPECT_TRUE(store_.modified);
}

TEST_F(TextImportTest, PagerPrefixesOtherNumbersAndRefusedTokens) {
  run("김철수\t0151234567\n"
      "이영희 02-123-4567 02/123 031-111 032-222 033-333 034-444\n"
      "박민수 0161111111 0172222222 0123 0159\r\n");
  const auto *kim = find("김철수");
  ASSERT_NE(kim, nullptr);
  EXPECT_EQ(kim->numbers[3].view(), "0151234567");
  EXPECT_TRUE(kim->numbers[0].empty());
  const auto *lee = find("이영희");
  ASSERT_NE(lee, nullptr);
  EXPECT_EQ(lee->numbers[0].view(), "02-123-4567");
  EXPECT_EQ(lee->numbers[1].view(), "031-111");
  EXPECT_EQ(lee->numbers[2].view(), "032-222");
  EXPECT_EQ(lee->numbers[3].view(), "033-333"); // 034-444 finds every field filled
  const auto *park = find("박민수");
  ASSERT_NE(park, nullptr);
  EXPECT_EQ(park->numbers[2].view(), "0172222222"); // a later mobile replaces an earlier one
  EXPECT_EQ(park->numbers[3].view(), "0159");
  EXPECT_EQ(park->numbers[0].view(), "");
}

TEST_F(TextImportTest, NameOnlyAndExistingNamesAreSkipped) {
  const ImportResult r = run("홍길동\n\n김철수 0212345678\n김철수 0311111111\n");
  EXPECT_EQ(r.added, 1);
  EXPECT_EQ(r.skipped, 2);
  EXPECT_EQ(store_.pcPhonebook.size(), 1u);
  EXPECT_EQ(store_.pcPhonebook[0].numbers[0].view(), "0212345678");
}

TEST_F(TextImportTest, OverlongLineStopsTheImportKeepingEarlierEntries) {
  const ImportResult r = run("김철수 0212345678\n" + std::string(1200, 'x') + "\n이영희 0311111111\n");
  EXPECT_EQ(r.status, ImportResult::BadFormat);
  EXPECT_EQ(store_.pcPhonebook.size(), 1u);
  EXPECT_EQ(run(std::string(997, 'y') + " 02\n").status, ImportResult::Ok); // 1000 bytes
  EXPECT_EQ(run(std::string(1001, 'z') + "\n").status, ImportResult::BadFormat);
}

TEST_F(TextImportTest, GroupsAreReusedAndNotCreatedWhenFull) {
  run("a 가족 02\nb 가족 03\n");
  EXPECT_EQ(store_.phoneGroups.size(), 1u);
  for (int i = 0; i < 19; ++i) {
    store_.phoneGroups.addGroup("g" + std::to_string(i), 0);
  }
  run("c 새그룹 04\n");
  const auto *c = find("c");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->group, 0);
  EXPECT_LT(store_.phoneGroups.findByName(fromUtf8("새그룹")), 0);
}

TEST_F(TextImportTest, LongGroupNamesMatchTheirStoredForm) {
  run("a 아주아주긴그룹이름입니다 02\nb 아주아주긴그룹이름입니다 03\n");
  EXPECT_EQ(store_.phoneGroups.size(), 1u);
  EXPECT_EQ(store_.phoneGroups[0].name.utf8(), "아주아주긴그"); // 12 bytes
}

TEST_F(TextImportTest, Utf8FilesAreConverted) {
  const ImportResult r = importPhonebookText("최지은 0519998888\n", store_, offlineGroupCreator(store_));
  EXPECT_EQ(r.added, 1);
  EXPECT_NE(find("최지은"), nullptr);
}

TEST_F(TextImportTest, RefusedGroupLeavesTheEntryWithoutGroup) {
  const ImportResult r =
      importPhonebookText(fromUtf8("a 동창 02\n"), store_, [](std::string_view) { return -1; });
  EXPECT_EQ(r.added, 1);
  EXPECT_EQ(find("a")->group, 0);
}

} // namespace
} // namespace pdx::features
