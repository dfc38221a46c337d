#include "features/phonebook/phonebook_fakes.h"
#include "features/speeddial/speed_dial_editor.h"

#include <gtest/gtest.h>

namespace pdx::features {
namespace {

using testing::FakePhone;
using testing::FakeUser;

class SpeedDialEditorTest : public ::testing::Test {
protected:
  SpeedDialEditorTest() {
    store.phonePhonebook.resetSlots(core::kPhoneSlots);
    put(3, "Kim", {"111", "", "333", "444"});
    put(7, "Ahn", {"", "222", "", ""});
    store.phoneSpeedDials[0] = {3, 2};
    editor = std::make_unique<SpeedDialEditor>(store, phone, user);
  }
  void put(int slot, const char *name, std::array<const char *, 4> numbers) {
    core::PhoneBookEntry e;
    e.name.set(name);
    for (size_t k = 0; k < 4; ++k) {
      e.numbers[k].set(numbers[k]);
    }
    e.phoneSlot = static_cast<uint16_t>(slot);
    store.phonePhonebook.replaceAt(static_cast<size_t>(slot), e);
  }

  core::CDataStore store;
  FakePhone phone;
  FakeUser user;
  std::unique_ptr<SpeedDialEditor> editor;
};

TEST_F(SpeedDialEditorTest, RowsShowNamesSymbolsAndOneRowPerNumber) {
  EXPECT_EQ(editor->keyRow(0), "1\tKim\t\xC9\xA2"
                               "333");
  EXPECT_EQ(editor->keyRow(1), "2");
  // Three numbers give three rows, the name on the first only; by name Ahn
  // comes first, by number Kim's 111 does.
  const auto &rows = editor->numberRows();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].text, "Ahn\t\xC9\xA6"
                          "222");
  EXPECT_EQ(rows[1].text, "Kim\t\xC9\xA5"
                          "111");
  EXPECT_EQ(rows[2].text, "\t\xC9\xA2"
                          "333");
  EXPECT_EQ(rows[3].code(), 3 * 4 + 3);
  editor->sortNumbers(NumberSort::ByNumber);
  EXPECT_EQ(editor->numberRows()[0].slot, 3);
}

TEST_F(SpeedDialEditorTest, ChangesSendTheWholeTableAndApplyOnlyWhenAccepted) {
  // Assigning over an assigned key replaces it without a question.
  ASSERT_TRUE(editor->assign(0, 7, 1));
  EXPECT_TRUE(user.asked.empty());
  EXPECT_EQ(store.phoneSpeedDials[0].slot, 7);
  EXPECT_EQ(phone.speedDialWrites.back()[0].kind, 1);
  // A number that is not there is never assigned.
  EXPECT_FALSE(editor->assign(5, 7, 0));

  ASSERT_TRUE(editor->move(0, 4));
  EXPECT_TRUE(store.phoneSpeedDials[0].isUnused());
  EXPECT_EQ(store.phoneSpeedDials[4].slot, 7);
  EXPECT_FALSE(editor->move(0, 5)); // the source is empty now

  phone.acceptSpeedDials = false;
  const core::SpeedDialTable before = store.phoneSpeedDials;
  EXPECT_FALSE(editor->move(4, 9));
  EXPECT_FALSE(editor->assign(1, 3, 0));
  EXPECT_EQ(user.told,
            (std::vector<std::string>{"단축다이얼을 이동할 수 없습니다", "단축다이얼을 지정할 수 없습니다"}));
  EXPECT_EQ(store.phoneSpeedDials[4].slot, before[4].slot);
  EXPECT_TRUE(store.phoneSpeedDials[1].isUnused());
}

TEST_F(SpeedDialEditorTest, DeleteAsksOnlyForAnAssignedKey) {
  EXPECT_FALSE(editor->clear(5));
  EXPECT_TRUE(user.asked.empty());
  EXPECT_TRUE(phone.speedDialWrites.empty());
  user.answer = false;
  EXPECT_FALSE(editor->clear(0));
  EXPECT_EQ(user.asked.back(), "단축다이얼 1번을 삭제하시겠습니까?");
  user.answer = true;
  EXPECT_TRUE(editor->clear(0));
  EXPECT_TRUE(store.phoneSpeedDials[0].isUnused());
}

TEST_F(SpeedDialEditorTest, DragRulesAndStartNumber) {
  struct Case {
    bool fromKey;
    int source;
    DropTarget target;
    int targetKey;
    bool busy;
    bool allowed;
  };
  const Case cases[] = {
      {true, 0, DropTarget::Key, 1, false, true},
      {true, 0, DropTarget::DeleteButton, -1, false, true},
      {true, 1, DropTarget::Key, 2, false, false},
      {true, 0, DropTarget::Key, 0, false, false},
      {true, 0, DropTarget::AssignButton, -1, false, false},
      {true, 0, DropTarget::Key, 1, true, false},
      {false, 0, DropTarget::Key, 1, false, true},
      {false, 0, DropTarget::Key, 0, false, false},
      {false, 0, DropTarget::AssignButton, -1, false, true},
      {false, 0, DropTarget::DeleteButton, -1, false, false},
      {false, 0, DropTarget::Key, 1, true, false},
  };
  for (const Case &c : cases) {
    const bool allowed = c.fromKey ? editor->keyDropAllowed(c.source, c.target, c.targetKey, c.busy)
                                   : editor->numberDropAllowed(c.target, c.targetKey, c.busy);
    EXPECT_EQ(allowed, c.allowed) << c.fromKey << " " << static_cast<int>(c.target) << " " << c.targetKey;
  }
  EXPECT_EQ(editor->startNumber(std::nullopt), 2);
  EXPECT_EQ(editor->startNumber(40), 41);
  for (const auto &[number, refused] :
       {std::pair{0, true}, {1, false}, {99, false}, {100, true}, {150, true}}) {
    EXPECT_EQ(speedDialNumberRefusal(number).has_value(), refused) << number;
  }
}

} // namespace
} // namespace pdx::features
