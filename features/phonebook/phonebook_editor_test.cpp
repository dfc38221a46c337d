#include "features/phonebook/phonebook_editor.h"
#include "features/phonebook/phonebook_fakes.h"

#include <gtest/gtest.h>

namespace pdx::features {
namespace {

using core::PhoneBookEntry;
using text::fromUtf8;

EntryForm form(const char *name, const char *home, bool onPhone = true, int group = 0) {
  EntryForm f;
  f.name = fromUtf8(name);
  f.numbers[0] = home;
  f.storeOnPhone = onPhone;
  f.group = group;
  return f;
}

class EditorTest : public ::testing::Test {
protected:
  void SetUp() override {
    store_.phonePhonebook.resetSlots(200);
    store_.phoneGroups.ensureDefaultGroup();
  }
  PhonebookEditor editor(bool connected = true) { return PhonebookEditor(store_, phone_, user_, connected); }
  int rowOf(const char *name) const {
    for (size_t i = 0; i < store_.pcPhonebook.size(); ++i) {
      if (store_.pcPhonebook[i].name.utf8() == name) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }
  core::CDataStore store_;
  testing::FakePhone phone_;
  testing::FakeUser user_;
};

TEST_F(EditorTest, NewEntriesGoToTheLowestFreeSlotAndNamesAreUnique) {
  PhonebookEditor e = editor();
  ASSERT_TRUE(e.addNew(form("홍길동", "02-1")));
  ASSERT_EQ(phone_.entryWrites.size(), 1u);
  EXPECT_EQ(phone_.entryWrites[0].first, 0);
  const PhoneBookEntry &hong = e.entry(rowOf("홍길동"));
  EXPECT_EQ(hong.phoneSlot, 0);
  EXPECT_EQ(hong.phoneState, core::kStoredOnPhone);
  EXPECT_EQ(store_.phonePhonebook[0].name.utf8(), "홍길동");
  EXPECT_FALSE(e.addNew(form("홍길동", "03-9")));
  EXPECT_EQ(user_.told.back(), "같은 이름이 이미 존재하고 있습니다");
  ASSERT_TRUE(e.addNew(form("김철수", "02-2", false)));
  EXPECT_EQ(e.entry(rowOf("김철수")).phoneState, core::kNotOnPhone);
  EXPECT_EQ(phone_.entryWrites.size(), 1u);
  EXPECT_TRUE(store_.modified);
  // A modified entry may take a name that exists.
  ASSERT_TRUE(e.modifyOne(rowOf("김철수"), form("홍길동", "02-2", false)));
  EXPECT_EQ(store_.pcPhonebook.size(), 2u);
}

TEST_F(EditorTest, ARefusedOrFullPhoneKeepsTheNewEntryOnThePcOnlyAndAFullPcTakesNone) {
  PhonebookEditor e = editor();
  phone_.acceptEntries = false;
  ASSERT_TRUE(e.addNew(form("z", "1")));
  EXPECT_EQ(user_.told.back(), "휴대폰에 전화번호를 추가할 수 없습니다.");
  EXPECT_EQ(e.entry(0).phoneState, core::kNotOnPhone);
  EXPECT_TRUE(store_.phonePhonebook[0].isEmpty());
  phone_.acceptEntries = true;
  PhoneBookEntry used;
  used.name.set("x");
  for (size_t slot = 0; slot < 199; ++slot) {
    store_.phonePhonebook.replaceAt(slot, used);
  }
  ASSERT_TRUE(e.addNew(form("a", "1")));
  EXPECT_EQ(user_.told.back(), "휴대폰에 더이상 전화번호를 추가할 수 없습니다.");
  EXPECT_EQ(e.entry(0).phoneState, core::kNotOnPhone);
  EXPECT_EQ(e.entry(0).phoneSlot, core::kNoPhoneSlot);
  EXPECT_EQ(phone_.entryWrites.size(), 1u) << "only the refused write";
  // A full PC phonebook takes nothing more, on the phone or off it.
  for (size_t i = store_.pcPhonebook.size(); i < core::kMaxPcEntries; ++i) {
    store_.pcPhonebook.append(used);
  }
  EXPECT_FALSE(e.addNew(form("b", "2", false)));
  EXPECT_EQ(user_.told.back(), "전화번호부에는 200,000건까지 넣을 수 있습니다.");
  EXPECT_EQ(store_.pcPhonebook.size(), core::kMaxPcEntries);
}

TEST_F(EditorTest, OfflineChangesMarkPhoneEntriesUnconfirmed) {
  PhoneBookEntry on;
  on.name.set("a");
  on.phoneState = core::kStoredOnPhone;
  store_.pcPhonebook.append(on);
  PhonebookEditor e = editor(false);
  ASSERT_TRUE(e.modifyOne(0, form("a", "5")));
  EXPECT_EQ(e.entry(0).phoneState, core::kUnconfirmed);
  ASSERT_TRUE(e.addNew(form("b", "6")));
  EXPECT_EQ(e.entry(rowOf("b")).phoneState, core::kNotOnPhone);
  EXPECT_TRUE(phone_.entryWrites.empty());
}

TEST_F(EditorTest, TakingAnEntryOffThePhoneClearsItsSlot) {
  PhonebookEditor e = editor();
  ASSERT_TRUE(e.addNew(form("a", "1")));
  ASSERT_TRUE(e.modifyOne(0, form("a", "1", false)));
  ASSERT_EQ(phone_.entryWrites.size(), 2u);
  EXPECT_EQ(phone_.entryWrites[1].first, 0);
  EXPECT_TRUE(phone_.entryWrites[1].second.isEmpty());
  EXPECT_EQ(e.entry(0).phoneState, core::kNotOnPhone);
  EXPECT_TRUE(store_.phonePhonebook[0].isEmpty());
  // A refused modification changes nothing.
  ASSERT_TRUE(e.modifyOne(0, form("a", "1", true)));
  phone_.acceptEntries = false;
  EXPECT_FALSE(e.modifyOne(0, form("a", "2", true)));
  EXPECT_EQ(e.entry(0).numbers[0].view(), "1");
  EXPECT_EQ(user_.told.back(), "휴대폰의 전화번호를 수정할 수 없습니다.");
}

TEST_F(EditorTest, DeletingClearsSpeedDialsPointingAtTheSlotFirst) {
  PhonebookEditor e = editor();
  ASSERT_TRUE(e.addNew(form("a", "1")));
  store_.phoneSpeedDials[3] = core::SpeedDialKey{0, 0};
  store_.phoneSpeedDials[7] = core::SpeedDialKey{0, 0};
  store_.phoneSpeedDials[8] = core::SpeedDialKey{1, 0};
  phone_.acceptSpeedDials = false;
  EXPECT_FALSE(e.deleteRows({0}));
  EXPECT_EQ(user_.asked.back(), "\"a\" 전화번호를 삭제하시겠습니까?");
  EXPECT_EQ(user_.told.back(), "전화번호와 연결된 단축다이얼을 삭제할 수 없습니다.");
  EXPECT_EQ(store_.pcPhonebook.size(), 1u);
  phone_.acceptSpeedDials = true;
  EXPECT_TRUE(e.deleteRows({0}));
  ASSERT_EQ(phone_.speedDialWrites.size(), 2u);
  EXPECT_TRUE(phone_.speedDialWrites[1][3].isUnused());
  EXPECT_TRUE(phone_.speedDialWrites[1][7].isUnused());
  EXPECT_FALSE(phone_.speedDialWrites[1][8].isUnused());
  EXPECT_TRUE(store_.phoneSpeedDials[3].isUnused());
  EXPECT_TRUE(store_.pcPhonebook.size() == 0u);
  EXPECT_TRUE(store_.phonePhonebook[0].isEmpty());
}

TEST_F(EditorTest, DeletingSeveralAsksOnceAndStopsOnRefusal) {
  PhonebookEditor e = editor();
  for (const char *name : {"a", "b", "c"}) {
    ASSERT_TRUE(e.addNew(form(name, "1")));
  }
  user_.answer = false;
  EXPECT_FALSE(e.deleteRows({0, 2}));
  EXPECT_EQ(user_.asked.back(), "선택한 전화번호를 모두 삭제하시겠습니까?");
  EXPECT_TRUE(user_.progressSeen.empty()) << "nothing written, no progress";
  user_.answer = true;
  EXPECT_TRUE(e.deleteRows({0, 2}));
  ASSERT_EQ(store_.pcPhonebook.size(), 1u);
  EXPECT_EQ(e.entry(0).name.view(), "b");
  EXPECT_EQ(user_.asked.size(), 2u);
  EXPECT_EQ(user_.progressSeen, (std::vector<std::pair<int, int>>{{0, 2}, {1, 2}, {2, 2}}));
}

TEST_F(EditorTest, FindByNumberOrNameAndFindNextStopsAtTheEnd) {
  PhonebookEditor e = editor(false);
  for (const char *name : {"kim", "lee", "park"}) {
    ASSERT_TRUE(e.addNew(form(name, name[0] == 'l' ? "02-555" : "031-1")));
  }
  EXPECT_EQ(e.find("kim", "999", -1), -1); // with both given, only the number decides
  ASSERT_FALSE(user_.told.empty());
  EXPECT_EQ(user_.told.back(), "찾는 항목이 등록되어 있지 않습니다.");
  EXPECT_EQ(e.find("", "031", -1), 0);
  EXPECT_EQ(e.find("", "031", 0), 2); // the same text again: find next
  EXPECT_EQ(e.findNext(2, false), -1);
  EXPECT_EQ(user_.told.back(), "더 이상 찾을 수 없습니다.");
  EXPECT_EQ(e.findNext(2, true), 0);
  EXPECT_EQ(e.find("ar", "", -1), 2);
  ASSERT_TRUE(e.addNew(form("홍길동", "02-1")));
  EXPECT_EQ(e.find(fromUtf8("ㅎㄱㄷ"), "", -1), 3); // initial consonants
}

TEST_F(EditorTest, GroupOnlyChangeStopsAtTheFirstRefusal) {
  PhonebookEditor e = editor();
  for (const char *name : {"a", "b", "c"}) {
    ASSERT_TRUE(e.addNew(form(name, "1")));
  }
  phone_.acceptEntries = false;
  const auto rows = e.modifySeveral({0, 1, 2}, GroupOnlyForm{5, std::nullopt});
  EXPECT_EQ(rows.size(), 3u);
  EXPECT_EQ(e.entry(rowOf("a")).group, 0);
  EXPECT_EQ(user_.progressSeen, (std::vector<std::pair<int, int>>{{0, 3}, {3, 3}})) << "ends at the refusal";
  phone_.acceptEntries = true;
  e.modifySeveral({0, 1, 2}, GroupOnlyForm{5, false});
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(e.entry(row).group, 5);
    EXPECT_EQ(e.entry(row).phoneState, core::kNotOnPhone);
  }
}

TEST_F(EditorTest, DraggingANumberMovesItBetweenEntriesOnThePhone) {
  PhonebookEditor e = editor();
  ASSERT_TRUE(e.addNew(form("a", "02-111")));
  ASSERT_TRUE(e.addNew(form("b", "")));
  const size_t before = phone_.entryWrites.size();
  ASSERT_TRUE(e.moveNumber(rowOf("a"), 0, rowOf("b"), 2, false));
  EXPECT_EQ(e.entry(rowOf("b")).numbers[2].view(), "02-111");
  EXPECT_EQ(e.entry(rowOf("a")).numbers[0].view(), "");
  EXPECT_EQ(phone_.entryWrites.size(), before + 2);
  ASSERT_TRUE(e.moveNumber(rowOf("b"), 2, rowOf("a"), 1, true));
  EXPECT_EQ(e.entry(rowOf("a")).numbers[1].view(), "02-111");
  EXPECT_EQ(e.entry(rowOf("b")).numbers[2].view(), "02-111");
  phone_.acceptEntries = false;
  EXPECT_FALSE(e.moveNumber(rowOf("b"), 2, rowOf("a"), 3, false));
  EXPECT_EQ(user_.told.back(), "휴대폰에 전화번호를 옮길 수 없습니다.");
  EXPECT_EQ(e.entry(rowOf("a")).numbers[3].view(), "");
}

TEST_F(EditorTest, RowsShowStateGroupAndTextsAndSortByColumn) {
  PhonebookEditor e = editor(false);
  ASSERT_TRUE(e.addNew(form("b", "2", false, store_.phoneGroups[0].id)));
  ASSERT_TRUE(e.addNew(form("a", "3")));
  EXPECT_EQ(e.entry(0).name.view(), "a");
  EXPECT_EQ(e.rowText(1),
            std::string("\xFF\x02\t[") + std::string(core::defaultGroupName()) + "]\tb\t2\t\t\t");
  e.sortBy(kHomeColumn);
  EXPECT_EQ(e.entry(0).name.view(), "b");
  ASSERT_TRUE(e.addNew(form("c", "1")));
  EXPECT_EQ(e.entry(0).name.view(), "c");
}

TEST(FollowMove, OtherRowsShiftWithAMovedRow) {
  EXPECT_EQ(followMove(3, 1, 5), 2);
  EXPECT_EQ(followMove(6, 1, 5), 6);
  EXPECT_EQ(followMove(2, 5, 1), 3);
  EXPECT_EQ(followMove(0, 5, 1), 0);
}

} // namespace
} // namespace pdx::features
