#include "core/base/cp949.h"
#include "core/base/user_text.h"
#include "features/options/options_editor.h"
#include "features/phonebook/phonebook_fakes.h"

#include <gtest/gtest.h>

namespace pdx::features {
namespace {

class FakeOptionsPhone : public OptionsPhone {
public:
  bool writeOptions(const core::PhoneOptions &options) override {
    writes.push_back(options);
    return accept;
  }
  void usePassword(std::string_view digits) override { password = digits; }
  bool accept = true;
  std::vector<core::PhoneOptions> writes;
  std::string password;
};

TEST(OptionTableTest, RowsMapToDistinctFieldsAndShowTheirValues) {
  core::PhoneOptions options;
  int choiceRows = 0;
  for (int row = 0; row < kOptionRows; ++row) {
    if (optionRow(row).kind == OptionKind::Choice) {
      setChoice(options, row, ++choiceRows);
    }
  }
  EXPECT_EQ(choiceRows, 25);
  EXPECT_EQ(options.head[0], 1);    // row 1
  EXPECT_EQ(options.middle[3], 18); // row 25
  EXPECT_EQ(options.middle[4], 19); // row 27, after the PC-only word
  EXPECT_EQ(options.pcOnly, 0);
  EXPECT_EQ(options.tail[1], 25); // row 35
  EXPECT_EQ(choicesOf(4).size(), 30u);
  EXPECT_EQ(choicesOf(4)[29], "(30) 기쁘다 구주 오셨네");

  // A value past the last choice shows the last one.
  setChoice(options, 3, 7);
  EXPECT_EQ(shownChoice(options, 3), 2);
  EXPECT_EQ(valueText(options, 3), "진동 후 벨");
  EXPECT_EQ(text::toUtf8(listRow(options, 3)), "   벨/진동 선택\t진동 후 벨");
  EXPECT_EQ(text::toUtf8(listRow(options, 0)), "단문 메시지");
  setTextValue(options, 21, "0012345");
  EXPECT_EQ(options.digitsB.view(), "0012345");
  EXPECT_EQ(valueText(options, 21), "0012345");
}

std::string englishBellRow(const char *context, const char *source) {
  const std::string_view s = source;
  if (std::string_view(context) != "pdx::options") {
    return {};
  }
  return s == "벨/진동 선택"           ? "Bell or vibration"
         : s == "벨\t진동\t진동 후 벨" ? "Bell\tVibration\tBoth"
                                       : "";
}

// The page shows the translation; scripts name the choices the phone's way.
TEST(OptionTableTest, OnlyWhatThePageShowsIsTranslated) {
  text::setLookup(&englishBellRow);
  core::PhoneOptions options;
  setChoice(options, 3, 1);
  EXPECT_EQ(text::toUtf8(listRow(options, 3)), "   Bell or vibration\tVibration");
  EXPECT_EQ(shownChoices(3), (std::vector<std::string>{"Bell", "Vibration", "Both"}));
  EXPECT_EQ(choicesOf(3)[1], "진동");
  EXPECT_EQ(valueText(options, 3), "진동");
  text::setLookup(nullptr);
}

TEST(OptionTableTest, TextRules) {
  struct Case {
    int row;
    const char *text;
    const char *refusal; // nullptr: accepted
  };
  const Case cases[] = {
      {37, "1234", nullptr},
      {37, "12a4", "비밀번호는 숫자로 네자를 입력해야 합니다."},
      {37, "123", "비밀번호는 숫자로 네자를 입력해야 합니다."},
      {33, "123", nullptr},
      {33, "12", "리모트 진동기 ID는 숫자로 세자를 입력해야 합니다."},
      {33, "1234", "리모트 진동기 ID는 숫자로 세자를 입력해야 합니다."},
      {21, "00182", nullptr},
      {21, "+82-2", "국제전화번호는 숫자로 7자까지 입력할 수 있습니다."},
      {21, "12345678", "국제전화번호는 숫자로 7자까지 입력할 수 있습니다."},
      {20, "", nullptr},
      {20, "02a", "자동지역번호는 숫자로 4자까지 입력할 수 있습니다."},
      {36, "", nullptr},
      {3, "1", "값을 입력할 수 없는 항목입니다."},
  };
  for (const Case &c : cases) {
    const auto refusal = refusalOf(c.row, c.text);
    EXPECT_EQ(refusal.value_or("ok"), c.refusal ? c.refusal : "ok") << c.row << " " << c.text;
  }
}

TEST(OptionsEditorTest, OnlyAReceivedRecordWithAFourDigitPasswordIsSent) {
  struct Case {
    bool received;
    const char *password;
    const char *told; // nullptr: sent
  };
  const Case cases[] = {
      {false, "1234", "휴대폰에서 환경 설정을 받지 못해 지정할 수 없습니다."},
      {true, "", "비밀번호는 숫자로 네자를 입력해야 합니다."},
      {true, "1234", nullptr},
  };
  for (const Case &c : cases) {
    core::CDataStore store;
    store.read.options = c.received;
    store.options.password.set(c.password);
    FakeOptionsPhone phone;
    testing::FakeUser user;
    OptionsEditor editor(store, phone, user);
    EXPECT_EQ(editor.canApply(), c.told == nullptr);
    EXPECT_EQ(editor.apply(), c.told == nullptr);
    EXPECT_EQ(phone.writes.size(), c.told ? 0u : 1u);
    EXPECT_EQ(user.told, c.told ? std::vector<std::string>{c.told} : std::vector<std::string>{});
  }
}

TEST(OptionsEditorTest, EditsStayInMemoryUntilApply) {
  core::CDataStore store;
  store.read.options = true;
  core::PhoneOptions &options = store.options;
  FakeOptionsPhone phone;
  testing::FakeUser user;
  OptionsEditor editor(store, phone, user);
  EXPECT_TRUE(editor.choose(1, 2));
  EXPECT_FALSE(editor.choose(1, 3));
  EXPECT_FALSE(editor.choose(0, 0));
  EXPECT_FALSE(editor.commitText(37, "12a4"));
  EXPECT_TRUE(editor.commitText(37, "4321"));
  EXPECT_TRUE(phone.writes.empty());

  phone.accept = false;
  EXPECT_FALSE(editor.apply());
  EXPECT_EQ(user.told.back(), "휴대폰에 지정할 수 없습니다.");
  EXPECT_EQ(phone.password, "");
  EXPECT_EQ(options.head[0], 2); // kept for another try
  phone.accept = true;
  EXPECT_TRUE(editor.apply());
  EXPECT_EQ(phone.writes.back().password.view(), "4321");
  EXPECT_EQ(phone.password, "4321");
}

} // namespace
} // namespace pdx::features
