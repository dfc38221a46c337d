// The speed-dial, alarm and options pages and the alarm edit dialog, driven
// as a user drives them.
#include "core/base/cp949.h"
#include "core/data/clock_fakes.h"
#include "core/data/samples.h"
#include "features/alarms/ui/alarm_edit_dlg.h"
#include "features/alarms/ui/alarm_page.h"
#include "features/common/ui/text_fields.h"
#include "features/groups/ui/dialog_testing.h"
#include "features/options/ui/options_page.h"
#include "features/phonebook/phonebook_fakes.h"
#include "features/speeddial/ui/assign_dlg.h"
#include "features/speeddial/ui/speed_dial_page.h"
#include "platform/settings/settings.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_message_box.h"
#include "winlib/calendar/ui/month_calendar.h"
#include "winlib/testing/accessibility_check.h"
#include "winlib/testing/message_box_answerer.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gmock/gmock.h>

namespace pdx::features {
namespace {

const core::CivilTime kNow{1999, 3, 15, 9, 0, 0};

class FakeSettingsPhone : public AlarmPhone, public OptionsPhone {
public:
  bool writeAlarm(size_t, const core::AlarmEntry &) override { return ++writes, true; }
  bool deleteAlarm(size_t) override { return ++writes, true; }
  bool writeOptions(const core::PhoneOptions &) override { return ++writes, true; }
  void usePassword(std::string_view) override {}
  int writes = 0;
};

// Presses Enter in `target` and answers the message box that opens; its text,
// or empty when none opened.
QString enterAndAnswerMessage(QWidget *target) {
  const winlib::testing::MessageBoxAnswerer answerer;
  QTest::keyClick(target, Qt::Key_Return);
  return answerer.seen.empty() ? QString() : answerer.seen.front().first;
}

QAccessibleInterface *findAccessible(QAccessibleInterface *node, const QString &name) {
  if (node == nullptr || node->text(QAccessible::Name) == name) {
    return node;
  }
  for (int i = 0; i < node->childCount(); ++i) {
    if (QAccessibleInterface *found = findAccessible(node->child(i), name)) {
      return found;
    }
  }
  return nullptr;
}

class SettingsPagesTest : public ::testing::Test {
protected:
  SettingsPagesTest() : settings(platform::Settings::atFile(dir.filePath("p.ini").toStdString())) {
    core::fillSamplePhonebook(store);
    core::fillSampleAlarms(store, kNow);
    core::fillSampleOptions(store);
  }
  QTemporaryDir dir;
  platform::Settings settings;
  core::CDataStore store;
  testing::FakePhone phone;
  testing::FakeUser user;
  FakeSettingsPhone settingsPhone;
};

TEST_F(SettingsPagesTest, OptionsEditInPlaceAndReachThePhoneOnlyOnApply) {
  setChoice(store.options, 3, 7);
  COptionsPage page({store, settingsPhone, {}, &user});
  EXPECT_THAT(winlib::testing::accessibilityProblems(&page), ::testing::IsEmpty());
  EXPECT_EQ(text::toUtf8(page.list()->rowText(3)), "   벨/진동 선택\t진동 후 벨");
  page.openEditor(3);
  // Assistive technology reaches the choices as a list, the shown one selected.
  QAccessibleInterface *choices =
      findAccessible(QAccessible::queryAccessibleInterface(&page), "벨/진동 선택");
  ASSERT_TRUE(choices != nullptr && choices->role() == QAccessible::List);
  ASSERT_EQ(choices->childCount(), 3);
  EXPECT_TRUE(choices->child(2)->state().selected);
  QTest::keyClick(page.choiceEditor(), Qt::Key_Escape);
  EXPECT_EQ(page.choiceEditor(), nullptr);
  EXPECT_EQ(choiceValue(store.options, 3), 7);
  page.openEditor(3);
  QTest::keyClick(page.choiceEditor(), Qt::Key_Up);
  QTest::keyClick(page.choiceEditor(), Qt::Key_Return);
  EXPECT_EQ(choiceValue(store.options, 3), 1);

  page.openEditor(37); // the password
  ASSERT_NE(page.textEditor(), nullptr);
  EXPECT_NE(findAccessible(QAccessible::queryAccessibleInterface(&page), "비밀번호 변경"), nullptr);
  page.textEditor()->setText("12a4");
  page.openEditor(33); // a click elsewhere commits first
  EXPECT_EQ(user.told.back(), "비밀번호는 숫자로 네자를 입력해야 합니다.");
  EXPECT_EQ(store.options.password.view(), "0000");
  page.textEditor()->clear();
  QTest::keyClicks(page.textEditor(), "1234"); // the remote id takes three digits
  EXPECT_EQ(page.textEditor()->text(), "123");
  page.textEditor()->setText("042");
  QTest::keyClick(page.textEditor(), Qt::Key_Return);
  EXPECT_EQ(store.options.number3.view(), "042");
  EXPECT_EQ(settingsPhone.writes, 0);
  page.apply();
  EXPECT_EQ(settingsPhone.writes, 1);
}

TEST_F(SettingsPagesTest, SpeedDialPageAssignsThroughItsDialogAndRefusesBusyDrags) {
  int asked = 0;
  CSpeedDialPage page({store,
                       phone,
                       settings,
                       [] {},
                       {},
                       [] { return false; },
                       &user,
                       [&](int, int, int start) { return ++asked, start + 4; }});
  EXPECT_THAT(winlib::testing::accessibilityProblems(&page), ::testing::IsEmpty());
  page.keyList()->selectRow(2);
  page.numberList()->selectRow(0);
  page.assignSelected();
  EXPECT_EQ(asked, 1);
  const NumberRow &row = page.editor().numberRows()[0];
  // The dialog starts at the selected row's number, 3; the user chose 7.
  EXPECT_EQ(store.phoneSpeedDials[6].slot, row.slot);
  EXPECT_EQ(page.keyList()->currentRow(), 6);
  EXPECT_EQ(page.keyList()->rowText(6).substr(0, 2), "7\t");
  page.assignSelected(1); // a drop names its key: no dialog
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(store.phoneSpeedDials[1].isUnused());
}

TEST_F(SettingsPagesTest, AlarmPageAddsInDueOrderAndRefusesTheEleventhBeforeTheDialog) {
  int dialogs = 0;
  AlarmForm early = newAlarmForm(kNow);
  early.hour = 9;
  early.minute = 15; // due before the sample alarms (the first is at 9:30)
  early.choosePeriod(1);
  const core::testing::FixedKoreanClock clock(kNow);
  CAlarmPage page({store,
                   settingsPhone,
                   clock,
                   {},
                   [] { return false; },
                   &user,
                   [&](bool, const AlarmForm &) { return ++dialogs, std::optional(early); }});
  EXPECT_THAT(winlib::testing::accessibilityProblems(&page), ::testing::IsEmpty());
  EXPECT_EQ(std::pair(page.calendar()->year(), page.calendar()->month()),
            std::pair(1999, 3)); // the page's clock
  const int before = page.list()->rowCount();
  page.addAlarm();
  EXPECT_EQ(page.list()->rowCount(), before + 1);
  EXPECT_EQ(page.list()->currentRow(), 0);
  EXPECT_EQ(page.detailTime(), "매일\n오전 9시 15분");
  while (page.list()->rowCount() < 10) {
    page.addAlarm();
  }
  const int opened = dialogs;
  page.addAlarm();
  EXPECT_EQ(dialogs, opened);
  EXPECT_EQ(user.told.back(), "알람은 10개까지 등록할 수 있습니다.");
}

TEST(AssignDlgTest, ANumberOutsideTheKeysIsRefusedAndTheDialogStaysOpen) {
  CAssignDlg dialog("name", 2, "0111234567", 7);
  QTimer::singleShot(0, [&] {
    for (const char *typed : {"", "0", "150"}) {
      dialog.spin()->clear();
      QTest::keyClicks(dialog.spin(), typed);
      EXPECT_EQ(enterAndAnswerMessage(dialog.spin()), "단축다이얼 번호는 1에서 99 사이로 입력하세요.")
          << typed;
      EXPECT_TRUE(dialog.IsRunning()) << typed;
    }
    dialog.spin()->clear();
    QTest::keyClicks(dialog.spin(), "12");
    EXPECT_EQ(enterAndAnswerMessage(dialog.spin()), "");
  });
  ASSERT_EQ(dialog.DoModal(nullptr, std::nullopt, 0), winlib::kIdOkCommand);
  EXPECT_EQ(dialog.number(), 12);
}

TEST(AlarmEditDlgTest, AOneTimeAlarmShowsItsYearAndADateOfNoYearIsRefused) {
  AlarmForm form = newAlarmForm(kNow); // 1999-03-15 09:00
  form.memo = "x";
  CAlarmEditDlg dialog(CAlarmEditDlg::Mode::Add, form, kNow);
  QTimer::singleShot(0, [&] {
    EXPECT_EQ(dialog.periodText()->text(), "1999년");
    dialog.monthSpin()->setValue(2);
    EXPECT_EQ(dialog.periodText()->text(), "2000년");
    dialog.daySpin()->setValue(30);
    EXPECT_EQ(dialog.periodText()->text(), "");
    EXPECT_EQ(enterAndAnswerMessage(dialog.daySpin()), "2월 30일은 달력에 없는 날짜입니다.");
    EXPECT_TRUE(dialog.IsRunning());
    dialog.EndDialog(winlib::kIdCancelCommand);
  });
  dialog.DoModal(nullptr, std::nullopt, 0);
}

TEST(AlarmEditDlgTest, HalfSwitchMemoFillAndOk) {
  AlarmForm form = newAlarmForm(kNow);
  form.hour = 0;
  CAlarmEditDlg dialog(CAlarmEditDlg::Mode::Add, form, kNow);
  QTimer::singleShot(0, [&] {
    EXPECT_THAT(winlib::testing::accessibilityProblems(&dialog), ::testing::IsEmpty());
    EXPECT_EQ(dialog.okButton()->State(), winlib::ButtonState::Disabled);
    for (const int half : {1, 0, 1}) { // 0 becomes 12 after noon and back
      dialog.halfBox()->setCurrentIndex(half);
      Q_EMIT dialog.halfBox()->activated(half);
      EXPECT_EQ(dialog.hourSpin()->value(), half == 1 ? 12 : 0);
    }
    EXPECT_EQ(dialog.hourSpin()->minimum(), 1);
    dialog.periodBox()->setCurrentIndex(2);
    Q_EMIT dialog.periodBox()->activated(2);
    EXPECT_EQ(dialog.memoEdit()->text(), "오후12시00분");
    EXPECT_TRUE(dialog.weekdayBox()->isVisible());
    EXPECT_FALSE(dialog.monthSpin()->isVisible());
    EXPECT_NE(dialog.okButton()->State(), winlib::ButtonState::Disabled);
    dialog.EndDialog(winlib::kIdOkCommand);
  });
  ASSERT_EQ(dialog.DoModal(nullptr, std::nullopt, 0), winlib::kIdOkCommand);
  EXPECT_EQ(buildAlarm(dialog.form(), kNow).hour, 12);
}

} // namespace
} // namespace pdx::features
