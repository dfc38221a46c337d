#include "features/groups/group_editor.h"
#include "features/phonebook/phonebook_fakes.h"

#include <gtest/gtest.h>

namespace pdx::features {
namespace {

using text::fromUtf8;

core::PhoneGroup named(const char *utf8, int secret = 0, int melody = 0) {
  core::PhoneGroup g;
  g.name.setWhole(fromUtf8(utf8));
  g.secret = static_cast<uint16_t>(secret);
  g.melody = static_cast<uint16_t>(melody);
  return g;
}

class GroupEditorTest : public ::testing::Test {
protected:
  void SetUp() override { store_.phoneGroups.ensureDefaultGroup(); }
  GroupEditor editor(bool connected = true) { return GroupEditor(store_, phone_, user_, connected); }
  size_t positionOf(const char *utf8) const {
    return static_cast<size_t>(store_.phoneGroups.findByName(fromUtf8(utf8)));
  }
  core::CDataStore store_;
  testing::FakePhone phone_;
  testing::FakeUser user_;
};

TEST_F(GroupEditorTest, AddTakesTheLowestFreeIdAndRefusesDuplicates) {
  GroupEditor g = editor();
  for (int i = 1; i < 10; ++i) {
    ASSERT_TRUE(g.add(named(("g" + std::to_string(i)).c_str())));
  }
  ASSERT_TRUE(g.remove(positionOf("g3")));
  EXPECT_EQ(phone_.groupWrites.back().second.name.view(), ""); // an empty record under id 3
  EXPECT_EQ(phone_.groupWrites.back().first, 3);
  ASSERT_TRUE(g.add(named("가족", 1, 12)));
  const core::PhoneGroup &family = store_.phoneGroups[positionOf("가족")];
  EXPECT_EQ(family.id, 3);
  EXPECT_TRUE(family.isSecret());
  EXPECT_FALSE(g.add(named("가족")));
  EXPECT_EQ(user_.told.back(), "같은 이름의 그룹이 있습니다.");
  EXPECT_EQ(store_.pcGroups.size(), store_.phoneGroups.size());
  EXPECT_TRUE(store_.modified && g.changed());
  EXPECT_EQ(g.listedGroups().size(), store_.phoneGroups.size() - 1); // the default group is not listed
}

TEST_F(GroupEditorTest, RefusalsByThePhoneChangeNothing) {
  GroupEditor g = editor();
  ASSERT_TRUE(g.add(named("친구")));
  phone_.acceptGroups = false;
  EXPECT_FALSE(g.add(named("동창")));
  EXPECT_EQ(user_.told.back(), "휴대폰에 그룹을 추가할 수 없습니다.");
  EXPECT_FALSE(g.modify(positionOf("친구"), named("벗")));
  EXPECT_EQ(user_.told.back(), "휴대폰의 그룹설정을 바꿀 수 없습니다.");
  EXPECT_FALSE(g.remove(positionOf("친구")));
  EXPECT_EQ(user_.told.back(), "휴대폰의 그룹을 삭제할 수 없습니다.");
  EXPECT_GE(store_.phoneGroups.findByName(fromUtf8("친구")), 0);
}

TEST_F(GroupEditorTest, RenamingNeverDuplicatesANameOrEmptiesIt) {
  GroupEditor g = editor(false);
  ASSERT_TRUE(g.add(named("a")));
  ASSERT_TRUE(g.add(named("b")));
  EXPECT_TRUE(g.modify(positionOf("b"), named("b", 1)));
  for (const char *taken : {"a", "지정안됨", ""}) {
    EXPECT_FALSE(g.modify(positionOf("b"), named(taken))) << taken;
  }
  EXPECT_EQ(user_.told.back(), "그룹 이름을 입력하십시오.");
  EXPECT_EQ(store_.phoneGroups.size(), 3u); // nothing removed by a refused change
  EXPECT_TRUE(phone_.groupWrites.empty());  // offline
}

TEST_F(GroupEditorTest, GroupsInUseCannotBeDeleted) {
  GroupEditor g = editor(false);
  ASSERT_TRUE(g.add(named("a")));
  core::PhoneBookEntry e;
  e.name.set("x");
  e.group = store_.phoneGroups[positionOf("a")].id;
  store_.pcPhonebook.append(e); // not on the phone, still in use
  EXPECT_FALSE(g.remove(positionOf("a")));
  EXPECT_EQ(user_.told.back(), "사람이 등록되어 있는 그룹은 삭제할 수 없습니다.");
  store_.pcPhonebook.clear();
  user_.answer = false;
  EXPECT_FALSE(g.remove(positionOf("a")));
  EXPECT_EQ(user_.asked.back(), "그룹을 삭제하시겠습니까?");
}

TEST_F(GroupEditorTest, CreateByNameAsksAndStopsWhenFull) {
  GroupEditor g = editor();
  user_.answer = false;
  EXPECT_EQ(g.createByName(fromUtf8("동창")), -1);
  user_.answer = true;
  EXPECT_EQ(g.createByName(fromUtf8("동창")), 1);
  EXPECT_EQ(user_.asked.back(), "해당하는 그룹이 없습니다. 새로 만들까요?");
  // Names are looked up as they are stored: the default group's own name,
  // and a long name typed again, find the existing group without a question.
  const size_t questions = user_.asked.size();
  EXPECT_EQ(g.createByName(fromUtf8("지정안됨")), 0);
  EXPECT_EQ(g.createByName(fromUtf8("아주긴그룹이름입니다")), 2);
  EXPECT_EQ(g.createByName(fromUtf8("아주긴그룹이름이지요")), 2);
  EXPECT_EQ(user_.asked.size(), questions + 1);
  for (int i = 3; i < 20; ++i) {
    ASSERT_TRUE(g.add(named(("g" + std::to_string(i)).c_str())));
  }
  EXPECT_FALSE(g.canAdd());
  EXPECT_EQ(g.createByName("new"), -1);
  EXPECT_EQ(user_.told.back(), "더이상 그룹을 추가할 수 없습니다.");
}

} // namespace
} // namespace pdx::features
