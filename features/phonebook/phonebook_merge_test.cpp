#include "features/phonebook/phonebook_fakes.h"
#include "features/phonebook/phonebook_merge.h"

#include <gtest/gtest.h>
#include <set>

namespace pdx::features {
namespace {

using core::PhoneBookEntry;
using core::PhoneGroup;
using text::fromUtf8;

PhoneBookEntry entry(const char *name, std::array<const char *, 4> numbers, int group = 0) {
  PhoneBookEntry e;
  e.name.set(fromUtf8(name));
  for (size_t k = 0; k < 4; ++k) {
    e.numbers[k].set(numbers[k]);
  }
  e.group = static_cast<uint16_t>(group);
  return e;
}

PhoneGroup group(int id, const char *name, int secret = 0, int melody = 0) {
  PhoneGroup g;
  g.id = static_cast<uint16_t>(id);
  g.secret = static_cast<uint16_t>(secret);
  g.melody = static_cast<uint16_t>(melody);
  g.name.setWhole(fromUtf8(name));
  return g;
}

class MergeTest : public ::testing::Test {
protected:
  void SetUp() override {
    store_.phonePhonebook.resetSlots(200);
    store_.pcGroups.ensureDefaultGroup();
    store_.phoneGroups.insert(group(0, "지정안됨"));
  }
  void putOnPhone(int slot, const PhoneBookEntry &e) {
    PhoneBookEntry p = e;
    p.phoneSlot = static_cast<uint16_t>(slot);
    store_.phonePhonebook.replaceAt(static_cast<size_t>(slot), p);
  }
  const PhoneBookEntry *pc(const char *name) {
    for (const auto &e : store_.pcPhonebook) {
      if (e.name.utf8() == name) {
        return &e;
      }
    }
    return nullptr;
  }
  void merge() { PhonebookMerge(store_, phone_, user_, resolver_).run(); }

  core::CDataStore store_;
  testing::FakePhone phone_;
  testing::FakeUser user_;
  testing::ScriptedResolver resolver_;
};

TEST_F(MergeTest, NumbersFillGapsBothWaysAndDashesDoNotMatter) {
  store_.pcPhonebook.append(entry("홍길동", {"011-123-4567", "02-111", "", ""}));
  putOnPhone(3, entry("홍길동", {"0111234567", "", "016-1", ""}));
  putOnPhone(5, entry("김철수", {"02-9", "", "", ""}));
  merge();
  EXPECT_TRUE(resolver_.seen.empty());
  const PhoneBookEntry *hong = pc("홍길동");
  ASSERT_NE(hong, nullptr);
  EXPECT_EQ(hong->numbers[2].view(), "016-1"); // taken from the phone
  EXPECT_EQ(hong->phoneSlot, 3);
  EXPECT_EQ(hong->phoneState, core::kStoredOnPhone);
  ASSERT_EQ(phone_.entryWrites.size(), 1u); // the phone lacked the office number
  EXPECT_EQ(phone_.entryWrites[0].first, 3);
  EXPECT_EQ(phone_.entryWrites[0].second.numbers[1].view(), "02-111");
  EXPECT_EQ(store_.phonePhonebook[3].numbers[1].view(), "02-111");
  const PhoneBookEntry *kim = pc("김철수");
  ASSERT_NE(kim, nullptr);
  EXPECT_EQ(kim->phoneSlot, 5);
  EXPECT_EQ(kim->phoneState, core::kStoredOnPhone);
  EXPECT_TRUE(store_.modified);
}

TEST_F(MergeTest, ConflictsAskUntilAnAlwaysAnswerIsGiven) {
  store_.pcPhonebook.append(entry("a", {"011 123", "1", "2", ""}));
  putOnPhone(0, entry("a", {"011123", "9", "8", ""}));
  resolver_.answers = {MergeChoice::PhoneToPc, MergeChoice::AlwaysPcToPhone};
  merge();
  ASSERT_EQ(resolver_.seen.size(), 2u); // home (a blank is not a dash), then office; mobile follows "always"
  EXPECT_EQ(resolver_.seen[0].line, "a의 집 전화번호가 PC와 휴대폰에 다르게 입력되어 있습니다.");
  EXPECT_EQ(resolver_.seen[0].pcValue, "011 123");
  EXPECT_EQ(resolver_.seen[0].phoneValue, "011123");
  EXPECT_EQ(pc("a")->numbers[0].view(), "011123");
  ASSERT_EQ(phone_.entryWrites.size(), 1u);
  EXPECT_EQ(phone_.entryWrites[0].second.numbers[1].view(), "1");
  EXPECT_EQ(phone_.entryWrites[0].second.numbers[2].view(), "2");
  // The next merge asks again.
  resolver_.answers = {MergeChoice::PhoneToPc};
  store_.phonePhonebook.replaceAt(0, entry("a", {"011123", "7", "2", ""}));
  merge();
  EXPECT_EQ(resolver_.seen.size(), 3u);
}

TEST_F(MergeTest, GroupIdsMapByNameAndNewPhoneGroupsAreAdded) {
  store_.pcGroups.insert(group(2, "친구"));
  store_.phoneGroups.insert(group(5, "친구"));
  store_.phoneGroups.insert(group(6, "동창"));
  store_.phoneGroups.insert(group(7, "(지정안함)"));
  putOnPhone(0, entry("a", {"1", "", "", ""}, 5));
  putOnPhone(1, entry("b", {"2", "", "", ""}, 6));
  putOnPhone(2, entry("c", {"3", "", "", ""}, 7));
  putOnPhone(3, entry("d", {"4", "", "", ""}, 12)); // a group the phone does not have
  merge();
  EXPECT_EQ(pc("a")->group, 2);
  const int added = store_.pcGroups.findByName(fromUtf8("동창"));
  ASSERT_GE(added, 0);
  const int addedId = store_.pcGroups[static_cast<size_t>(added)].id;
  EXPECT_EQ(addedId, 6); // its own id, free on the PC
  EXPECT_EQ(pc("b")->group, addedId);
  EXPECT_EQ(pc("c")->group, 0);
  EXPECT_EQ(pc("d")->group, 0);
  EXPECT_LT(store_.pcGroups.findByName(fromUtf8("(지정안함)")), 0);
  ASSERT_EQ(phone_.groupWrites.size(), 1u);
  EXPECT_EQ(phone_.groupWrites[0].first, addedId);
  EXPECT_EQ(store_.phoneGroups.size(), store_.pcGroups.size());
}

TEST_F(MergeTest, RefusedNewGroupIsNotAddedAndItsEntriesHaveNoGroup) {
  phone_.acceptGroups = false;
  store_.phoneGroups.insert(group(6, "동창"));
  putOnPhone(0, entry("b", {"2", "", "", ""}, 6));
  merge();
  EXPECT_LT(store_.pcGroups.findByName(fromUtf8("동창")), 0);
  EXPECT_EQ(pc("b")->group, 0);
  EXPECT_EQ(user_.told, std::vector<std::string>{"휴대폰에 그룹을 추가할 수 없습니다."});
}

TEST_F(MergeTest, GroupSettingsAreSettledOneWayOrTheOther) {
  store_.pcGroups.insert(group(2, "친구", 0, 11));
  store_.phoneGroups.insert(group(5, "친구", 7, 12));
  resolver_.answers = {MergeChoice::PhoneToPc, MergeChoice::PcToPhone};
  phone_.acceptGroups = false;
  merge();
  ASSERT_EQ(resolver_.seen.size(), 2u);
  EXPECT_EQ(resolver_.seen[0].line, "친구 그룹의 비밀설정이 PC와 휴대폰에 다르게 지정되어 있습니다.");
  EXPECT_EQ(resolver_.seen[0].phoneValue, "비밀");
  EXPECT_EQ(resolver_.seen[1].pcValue, "(11)하이든 트럼펫");
  const PhoneGroup &friends =
      store_.pcGroups[static_cast<size_t>(store_.pcGroups.findByName(fromUtf8("친구")))];
  EXPECT_TRUE(friends.isSecret());
  EXPECT_EQ(friends.melody, 11);
  EXPECT_EQ(user_.told, std::vector<std::string>{"휴대폰의 그룹 속성을 수정할 수 없습니다."});
}

TEST_F(MergeTest, EntryGroupConflictAndRefusedRewrite) {
  store_.pcGroups.insert(group(2, "친구"));
  store_.pcGroups.insert(group(3, "회사"));
  store_.phoneGroups.insert(group(2, "친구"));
  store_.phoneGroups.insert(group(3, "회사"));
  store_.pcPhonebook.append(entry("a", {"1", "", "", ""}, 2));
  putOnPhone(4, entry("a", {"1", "", "", ""}, 3));
  phone_.acceptEntries = false;
  merge();
  ASSERT_EQ(resolver_.seen.size(), 1u);
  EXPECT_EQ(resolver_.seen[0].line, "a의 그룹이 PC와 휴대폰에 다르게 지정되어 있습니다.");
  EXPECT_EQ(resolver_.seen[0].pcValue, "친구");
  EXPECT_EQ(resolver_.seen[0].phoneValue, "회사");
  EXPECT_EQ(user_.told, std::vector<std::string>{"휴대폰의 전화번호를 수정할 수 없습니다."});
  EXPECT_EQ(pc("a")->phoneState, core::kNotOnPhone);
  EXPECT_EQ(store_.phonePhonebook[4].group, 3); // the mirror keeps what the phone holds
}

// The phone numbers its groups from 0; the PC already has its default group
// at 0. New groups never replace another of the phone's groups, and a second
// merge after saving finds no conflicts.
TEST_F(MergeTest, PhoneGroupsFromZeroKeepTheirIdsAndASecondMergeFindsNoConflicts) {
  store_.phoneGroups.clear();
  for (const auto &[id, name] : {std::pair{0, "가족"}, {1, "학교"}, {2, "회사"}}) {
    store_.phoneGroups.insert(group(id, name));
    putOnPhone(id, entry(name, {"1", "", "", ""}, id));
  }
  const core::CDataStore phoneAsRead = store_;
  merge();
  EXPECT_TRUE(resolver_.seen.empty());
  const auto idOf = [&](const char *name) {
    return store_.pcGroups[static_cast<size_t>(store_.pcGroups.findByName(fromUtf8(name)))].id;
  };
  EXPECT_EQ(std::vector<int>({idOf("학교"), idOf("회사"), idOf("가족")}), std::vector<int>({1, 2, 3}));
  std::set<int> written;
  for (const auto &[id, g] : phone_.groupWrites) {
    EXPECT_TRUE(written.insert(id).second) << id;
    EXPECT_EQ(id, idOf(g.name.utf8().c_str()));
  }
  // What the data file keeps, then the next opening reads the phone again.
  core::CDataStore next = phoneAsRead;
  next.pcGroups = store_.phoneGroups;
  next.pcPhonebook = store_.pcPhonebook;
  PhonebookMerge(next, phone_, user_, resolver_).run();
  EXPECT_TRUE(resolver_.seen.empty()) << resolver_.seen[0].line;
  for (const PhoneBookEntry &e : next.pcPhonebook) {
    EXPECT_GE(next.phoneGroups.findById(e.group), 0) << e.name.utf8();
  }
}

TEST_F(MergeTest, AFullPcPhonebookLeavesFurtherNewEntriesOnThePhone) {
  store_.pcPhonebook.append(entry("홍길동", {"02-1", "", "", ""}));
  while (store_.pcPhonebook.size() < core::kMaxPcEntries) {
    store_.pcPhonebook.append(entry("x", {"1", "", "", ""}));
  }
  putOnPhone(0, entry("홍길동", {"02-1", "", "", ""}));
  putOnPhone(1, entry("김철수", {"02-9", "", "", ""}));
  merge();
  EXPECT_EQ(store_.pcPhonebook.size(), core::kMaxPcEntries);
  EXPECT_EQ(pc("홍길동")->phoneSlot, 0);
  EXPECT_EQ(pc("김철수"), nullptr);
}

} // namespace
} // namespace pdx::features
