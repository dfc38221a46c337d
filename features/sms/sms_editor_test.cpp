#include "core/data/clock_fakes.h"
#include "features/phonebook/phonebook_fakes.h"
#include "features/sms/sms_editor.h"
#include "features/sms/sms_fakes.h"

#include <gtest/gtest.h>

namespace pdx::features {
namespace {

using core::SmsMessage;

SmsMessage message(int slot, int day, int hour, const char *text, int read = 0) {
  SmsMessage m;
  m.slot = static_cast<uint16_t>(slot);
  m.year = 2026;
  m.month = 12;
  m.day = static_cast<uint8_t>(day);
  m.hour = static_cast<uint8_t>(hour);
  m.readState = static_cast<uint16_t>(read);
  m.text.set(text);
  m.number.set("0111234567");
  return m;
}

class SmsEditorTest : public ::testing::Test {
protected:
  void fillSavedBox(int count) {
    for (int n = 0; n < count; ++n) {
      store_.savedSms.insert(message(kFirstSavedSlot + n, 1 + n, 9, "saved"));
    }
  }
  std::string savedText(int row) const {
    return std::string(store_.savedSms[static_cast<size_t>(row)].text.view());
  }

  core::CDataStore store_;
  testing::FakeSmsPhone phone_;
  testing::FakeUser user_;
  core::testing::FixedKoreanClock clock_{{2026, 12, 7, 10, 15, 30}};
  SmsEditor editor_{store_, phone_, user_, clock_, "0119998888"};
};

TEST_F(SmsEditorTest, AFullSavedBoxRefusesNewRepliesAndFilesWithoutWriting) {
  fillSavedBox(10);
  EXPECT_EQ(editor_.freeSlot(), -1);
  EXPECT_FALSE(editor_.canAdd());
  EXPECT_FALSE(editor_.canReply());
  EXPECT_TRUE(editor_.load("one\ntwo\nthree\n").stored.empty());
  EXPECT_EQ(user_.told,
            (std::vector<std::string>{"단문은 10개까지 저장할 수 있습니다.",
                                      "단문은 10개까지 저장할 수 있습니다. 답장을 쓸 수 없습니다."}));
  EXPECT_TRUE(phone_.stored.empty());
  EXPECT_EQ(store_.savedSms.size(), 10u);
}

TEST_F(SmsEditorTest, NewMessagesTakeTheLowestFreeSlotAndTheClock) {
  fillSavedBox(3);
  store_.savedSms.removeAt(1); // frees slot 130; 131 stays taken
  ASSERT_EQ(editor_.addNew("hi"), 0);
  const SmsMessage &m = store_.savedSms[0];
  EXPECT_EQ(m.slot, 130);
  EXPECT_EQ(m.readState, 0);
  EXPECT_EQ(m.hour, 10);
  EXPECT_TRUE(m.number.empty());
  EXPECT_EQ(editor_.freeSlot(), 132);
}

TEST_F(SmsEditorTest, ModifyingTheOldestMessageMovesItToTheTopUnderItsSlotWithItsStatus) {
  fillSavedBox(3);
  SmsMessage oldest = store_.savedSms[2];
  oldest.readState = 1;
  oldest.attributes = 0x06;
  store_.savedSms.replaceAt(2, oldest);
  ASSERT_EQ(editor_.modify(2, "changed"), 0);
  EXPECT_EQ(savedText(0), "changed");
  EXPECT_EQ(phone_.stored.back().readState, 1);
  EXPECT_EQ(phone_.stored.back().attributes, 0x06);
  EXPECT_EQ(store_.savedSms[0].slot, kFirstSavedSlot);
  EXPECT_EQ(store_.savedSms[0].hour, clock_.at.hour);
  EXPECT_EQ(store_.savedSms.size(), 3u);

  phone_.acceptWrites = 0;
  EXPECT_EQ(editor_.modify(1, "refused"), std::nullopt);
  EXPECT_EQ(savedText(1), "saved");
  EXPECT_EQ(user_.told.back(), "단문을 수정할 수 없습니다.");
}

TEST_F(SmsEditorTest, ReadMarkingGivesUpAfterTwoFailuresInARow) {
  for (int day = 1; day <= 4; ++day) {
    store_.receivedSms.insert(message(day, day, 8, "in"));
  }
  phone_.acceptWrites = 0;
  EXPECT_FALSE(editor_.markRead(0));
  phone_.acceptWrites = -1;
  EXPECT_TRUE(editor_.markRead(0)); // a success resets the count
  EXPECT_EQ(store_.receivedSms[0].readState, 1);
  EXPECT_FALSE(editor_.markRead(0)); // already read: no request
  phone_.acceptWrites = 0;
  EXPECT_FALSE(editor_.markRead(1));
  EXPECT_FALSE(editor_.markRead(2));
  phone_.acceptWrites = -1;
  EXPECT_FALSE(editor_.markRead(3));
  EXPECT_EQ(phone_.stored.size(), 4u);
  EXPECT_EQ(user_.told, std::vector<std::string>(3, "읽음 표시를 할 수 없습니다."));
  EXPECT_EQ(store_.receivedSms[3].readState, 0);
}

TEST_F(SmsEditorTest, ARepliesNumberIsTheRecipientOnlyWhenSentNow) {
  const SmsAddress address{"0167776666", "0119998888"};
  ASSERT_TRUE(editor_.storeReply("kept", address, false));
  EXPECT_TRUE(store_.savedSms[0].number.empty());
  EXPECT_TRUE(phone_.sent.empty());

  clock_.at.minute = 16;
  ASSERT_EQ(editor_.storeReply("sent", address, true), 0);
  EXPECT_EQ(store_.savedSms[0].number.view(), "0167776666");
  ASSERT_EQ(phone_.sent.size(), 1u);
  EXPECT_EQ(phone_.sent[0].callback, "0119998888");
  EXPECT_EQ(phone_.sent[0].recipient, "0167776666");

  phone_.acceptWrites = 0;
  EXPECT_EQ(editor_.storeReply("refused", address, true), std::nullopt);
  EXPECT_EQ(phone_.sent.size(), 1u);
  EXPECT_EQ(user_.told, std::vector<std::string>{"단문을 저장할 수 없습니다."});
}

TEST_F(SmsEditorTest, DeleteAsksAndChangesNothingOnARefusal) {
  store_.receivedSms.insert(message(0, 1, 8, "in"));
  fillSavedBox(1);
  struct Case {
    SmsBoxKind box;
    bool answer;
    int accept;
    bool removed;
    const char *told;
  };
  const Case cases[] = {{SmsBoxKind::Received, false, -1, false, nullptr},
                        {SmsBoxKind::Received, true, 0, false, "단문을 지울 수 없습니다."},
                        {SmsBoxKind::Saved, true, 0, false, "단문을 삭제할 수 없습니다."},
                        {SmsBoxKind::Saved, true, -1, true, nullptr}};
  for (const Case &c : cases) {
    user_.told.clear();
    user_.answer = c.answer;
    phone_.acceptWrites = c.accept;
    EXPECT_EQ(editor_.remove(c.box, 0), c.removed);
    EXPECT_EQ(editor_.box(c.box).size(), c.removed ? 0u : 1u);
    EXPECT_EQ(user_.told, c.told ? std::vector<std::string>{c.told} : std::vector<std::string>{});
  }
  EXPECT_EQ(user_.asked.back(), "메시지를 삭제하시겠습니까?");
}

TEST_F(SmsEditorTest, LoadingStopsAtTheFirstRefusalOrWhenTheBoxIsFull) {
  phone_.acceptWrites = 1;
  EXPECT_EQ(editor_.load("1998-7-1 9:5:0\ta\t\nb\nc\n").stored.size(), 1u);
  EXPECT_EQ(user_.told, std::vector<std::string>{"단문을 추가할 수 없습니다."});
  EXPECT_EQ(phone_.stored.size(), 2u);

  phone_.acceptWrites = -1;
  const auto result = editor_.load("2000-1-1 0:0:0\told\t\nnew\n1999-1-1 0:0:0\tolder\t\n");
  EXPECT_EQ(result.stored.size(), 3u);
  EXPECT_EQ(result.lastRow, 2); // "older" sits between "old" and the 1998 message
  EXPECT_EQ(savedText(0), "new");
  EXPECT_EQ(store_.savedSms[0].slot, 131);
}

TEST_F(SmsEditorTest, LoadingTellsWhichMessagesLostATimeTheRecordCannotHold) {
  EXPECT_EQ(editor_.load("2023-02-30 1:2:3\ta\t\nb\n99-1-1 0:0:0\tc\t\n").stored.size(), 3u);
  EXPECT_EQ(user_.told, std::vector<std::string>{"파일의 1, 3번째 메시지는 시간이 달력에 없거나 휴대폰이 "
                                                 "저장할 수 없는 해여서 지금 시각의 메시지로 읽었습니다."});
}

} // namespace
} // namespace pdx::features
