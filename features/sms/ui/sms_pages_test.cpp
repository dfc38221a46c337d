#include "core/base/cp949.h"
#include "core/base/test_support.h"
#include "core/data/clock_fakes.h"
#include "features/common/ui/drag_drop_list_box.h"
#include "features/common/ui/text_fields.h"
#include "features/groups/ui/dialog_testing.h"
#include "features/phonebook/phonebook_fakes.h"
#include "features/sms/sms_fakes.h"
#include "features/sms/ui/phonebook_picker_dlg.h"
#include "features/sms/ui/received_page.h"
#include "features/sms/ui/sent_page.h"
#include "features/sms/ui/sms_dialogs.h"
#include "features/sms/ui/sms_menu_page.h"
#include "features/sms/ui/sms_text_box.h"
#include "platform/settings/settings.h"
#include "winlib/bmp_button.h"
#include "winlib/picker/ui/file_picker_dlg.h"
#include "winlib/testing/accessibility_check.h"
#include "winlib/testing/type_text.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>

namespace pdx::features {
namespace {

using testing::whenOpen;
using winlib::ButtonState;

core::SmsMessage message(int slot, int day, const char *number, const char *text) {
  core::SmsMessage m;
  m.slot = static_cast<uint16_t>(slot);
  m.year = 2026;
  m.month = 12;
  m.day = static_cast<uint8_t>(day);
  m.hour = 0;
  m.minute = 30;
  m.number.set(number);
  m.text.set(text::fromUtf8(text));
  return m;
}

// Records whether the page's list was disabled under the wait cursor while
// the phone was written (the first write comes while the page opens).
struct WatchingPhone : testing::FakeSmsPhone {
  std::vector<bool> busyDuringWrites;
  bool storeSms(const core::SmsMessage &m) override {
    bool listDisabled = false;
    for (QWidget *w : QApplication::allWidgets()) {
      if (auto *list = qobject_cast<CDragDropListBox *>(w)) {
        listDisabled = !list->isEnabled();
      }
    }
    busyDuringWrites.push_back(listDisabled && QApplication::overrideCursor() &&
                               QApplication::overrideCursor()->shape() == Qt::WaitCursor);
    return FakeSmsPhone::storeSms(m);
  }
};

class SmsPagesTest : public ::testing::Test {
protected:
  template <typename Page> std::unique_ptr<Page> open() {
    SmsPageContext context{store_, phone_, clock_, "0119998888", settings_, dir_.path(), {}, {}, &user_};
    auto page = std::make_unique<Page>(std::move(context));
    page->show();
    return page;
  }

  QTemporaryDir dir_;
  platform::Settings settings_ = platform::Settings::atFile(dir_.filePath("p.ini").toStdString());
  core::CDataStore store_;
  WatchingPhone phone_;
  testing::FakeUser user_;
  core::testing::FixedKoreanClock clock_{{2026, 12, 7, 10, 15, 30}};
};

TEST_F(SmsPagesTest, ReceivedPageShowsAndMarksTheSelectionWithTheListDisabled) {
  store_.receivedSms.insert(message(0, 3, "0111234567", "첫째"));
  store_.receivedSms.insert(message(1, 2, "", "둘째"));
  store_.receivedSms.insert(message(2, 1, "0161112222", "셋째"));
  auto page = open<CSmsReceivedPage>();
  EXPECT_EQ(page->pane()->toPlainText(),
            QStringLiteral("발신번호 : 0111234567\n수신시간 : 2026년 12월 3일 오전 12시 30분\n첫째"));
  EXPECT_EQ(page->list()->rowText(0).substr(2, 2), "\xFF\x0C") << "read on opening";
  EXPECT_EQ(phone_.busyDuringWrites, std::vector<bool>{true});
  EXPECT_TRUE(page->list()->isEnabled());
  EXPECT_NE(page->button(CSmsListPage::kReply)->State(), ButtonState::Disabled);
  page->list()->selectRow(1);
  EXPECT_EQ(page->button(CSmsListPage::kReply)->State(), ButtonState::Disabled) << "no sender";
  EXPECT_EQ(phone_.stored.size(), 2u);
}

TEST_F(SmsPagesTest, NewMessageCountsBytesLeftAndLandsOnTopSelected) {
  store_.savedSms.insert(message(129, 1, "", "old"));
  auto page = open<CSmsSentPage>();
  whenOpen<CMessageDlg>([](CMessageDlg &d) {
    EXPECT_EQ(d.bytesLeftLabel()->text(), QStringLiteral("남은 글자 : 80"));
    winlib::testing::typeText(d.textBox(), QStringLiteral("안녕 hi"));
    EXPECT_EQ(d.bytesLeftLabel()->text(), QStringLiteral("남은 글자 : 73"));
    d.OnCommand(winlib::kIdOkCommand, winlib::kNotifyCommand);
  });
  QTest::keyClick(page->list(), Qt::Key_Insert);
  ASSERT_EQ(store_.savedSms.size(), 2u);
  EXPECT_EQ(page->selectedRow(), 0);
  EXPECT_EQ(page->pane()->toPlainText(),
            QStringLiteral("저장시간 : 2026년 12월 7일 오전 10시 15분\n안녕 hi"));
}

TEST_F(SmsPagesTest, TheTextBoxRefusesWhatGoesPastItsLimit) {
  QWidget owner;
  SmsTextBox box(&owner, 6);
  winlib::testing::typeText(&box, QStringLiteral("가나"));
  winlib::testing::typeText(&box, QStringLiteral("다a"));
  EXPECT_EQ(box.toPlainText(), QStringLiteral("가나"));
  winlib::testing::typeText(&box, QStringLiteral("a\n"));
  EXPECT_EQ(box.toPlainText(), QStringLiteral("가나a ")) << "a line break becomes a blank";
  EXPECT_EQ(box.bytesLeft(), 0);
  winlib::testing::typeText(&box, QStringLiteral("b"));
  EXPECT_EQ(box.toPlainText(), QStringLiteral("가나a "));
}

TEST_F(SmsPagesTest, SendingNeedsARecipientAndKeepsTheStoredMessage) {
  store_.savedSms.insert(message(129, 1, "", "old"));
  auto page = open<CSmsSentPage>();
  whenOpen<CSendDlg>([](CSendDlg &d) {
    EXPECT_EQ(d.callbackEdit()->text(), QStringLiteral("0119998888"));
    EXPECT_EQ(d.okButton()->State(), ButtonState::Disabled);
    QTest::keyClicks(d.recipientEdit(), "0167776666");
    d.OnCommand(winlib::kIdOkCommand, winlib::kNotifyCommand);
  });
  page->OnCommand(CSmsListPage::kSendNow, winlib::kNotifyCommand);
  ASSERT_EQ(phone_.sent.size(), 1u);
  EXPECT_EQ(phone_.sent[0].recipient, "0167776666");
  EXPECT_EQ(phone_.sent[0].message.text.view(), "old");
  EXPECT_TRUE(phone_.stored.empty());
}

TEST_F(SmsPagesTest, OpeningAFileStoresItsLinesAndSelectsTheLastOne) {
  auto page = open<CSmsSentPage>();
  const QString path = dir_.filePath("m.txt");
  writeWholeFile(path.toStdString(), "1998-7-1 9:5:0\tabc\t0111234567\nhello\n");
  page->openFrom(path);
  ASSERT_EQ(page->list()->rowCount(), 2);
  EXPECT_EQ(page->selectedRow(), 0) << "hello, stamped now, is the newest";
  page->openFrom(dir_.path());
  EXPECT_EQ(user_.told, std::vector<std::string>{"메시지를 읽어들일 수 없습니다."});
}

// 열기, 저장 and printing to a file take their file from the suite's picker.
TEST_F(SmsPagesTest, FilesComeFromTheSuitesPicker) {
  store_.savedSms.insert(message(129, 1, "", "old"));
  const QString in = dir_.filePath("in.txt");
  writeWholeFile(in.toStdString(), "hello\n");
  auto page = open<CSmsSentPage>();
  const struct {
    CSmsListPage::Command command;
    QString path;
  } cases[] = {{CSmsListPage::kOpen, in},
               {CSmsListPage::kSave, dir_.filePath("out.txt")},
               {CSmsListPage::kPrint, dir_.filePath("out.pdf")}};
  for (const auto &c : cases) {
    const auto pick = [path = c.path](winlib::CFilePickerDlg &picker) {
      auto *field = picker.findChild<QLineEdit *>(QStringLiteral("5211"));
      field->setText(path);
      QTest::keyClick(field, Qt::Key_Return);
    };
    if (c.command == CSmsListPage::kPrint) {
      whenOpen<CPrintOptionsDlg>([pick](CPrintOptionsDlg &d) {
        d.printerBox()->setCurrentIndex(d.printerBox()->findText(CPrintOptionsDlg::pdfChoice()));
        whenOpen<winlib::CFilePickerDlg>(pick);
        QTest::keyClick(&d, Qt::Key_Return);
      });
    } else {
      whenOpen<winlib::CFilePickerDlg>(pick);
    }
    page->OnCommand(c.command, winlib::kNotifyCommand);
    EXPECT_TRUE(QFile::exists(c.path)) << c.path.toStdString();
  }
  EXPECT_EQ(page->list()->rowCount(), 2) << "the opened file's message";
}

TEST_F(SmsPagesTest, EveryControlIsNamedAndReachedByTheKeyboard) {
  store_.savedSms.insert(message(129, 1, "", "old"));
  store_.receivedSms.insert(message(0, 1, "0111234567", "in"));
  CSmsMenuPage menu({{CSmsMenuPage::kReceived, [] {}}});
  auto received = open<CSmsReceivedPage>();
  auto sent = open<CSmsSentPage>();
  for (QWidget *page : std::initializer_list<QWidget *>{&menu, received.get(), sent.get()}) {
    EXPECT_THAT(winlib::testing::accessibilityProblems(page), ::testing::IsEmpty())
        << page->metaObject()->className();
  }
  EXPECT_EQ(winlib::testing::tabOrder(sent.get()),
            (std::vector<std::string>{"메시지 목록", "메시지 내용", "새 단문 작성", "수정", "지금 보내기",
                                      "삭제", "열기", "저장", "인쇄", "도움말", "이전", "종료"}));

  // The dialogs open on the field the user fills first, and Esc cancels.
  CMessageDlg compose("x");
  CReplyDlg reply({"011", ""});
  CSendDlg send({}, [](QWidget *) { return std::nullopt; });
  CPhonebookPickerDlg picker({}, settings_);
  const std::pair<winlib::CBmpDialog *, QString> dialogs[] = {
      {&compose, "메시지 내용"}, {&reply, "메시지 내용"}, {&send, "수신번호"}, {&picker, "전화번호 목록"}};
  for (const auto &[shown, firstName] : dialogs) {
    winlib::CBmpDialog *dialog = shown;
    const QString first = firstName;
    QTimer::singleShot(0, [dialog, first] {
      EXPECT_THAT(winlib::testing::accessibilityProblems(dialog), ::testing::IsEmpty())
          << dialog->metaObject()->className();
      ASSERT_NE(dialog->focusWidget(), nullptr);
      EXPECT_EQ(dialog->focusWidget()->accessibleName(), first);
      QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(dialog->DoModal(sent.get(), std::nullopt, 0), winlib::kIdCancelCommand);
  }

  // Space on the focused 새 단문 작성 opens the dialog; Right, Right and
  // Space on the palette add the second symbol; Enter stores.
  whenOpen<CMessageDlg>([](CMessageDlg &d) {
    winlib::testing::typeText(d.textBox(), QStringLiteral("new"));
    d.palette()->setFocus();
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Space}) {
      QTest::keyClick(d.palette(), key);
    }
    QTest::keyClick(d.textBox(), Qt::Key_Return);
  });
  sent->button(CSmsListPage::kNew)->setFocus();
  QTest::keyClick(sent->button(CSmsListPage::kNew), Qt::Key_Space);
  ASSERT_EQ(store_.savedSms.size(), 2u);
  EXPECT_EQ(store_.savedSms[0].text.view(), "new\xC9\xA2");
}

TEST_F(SmsPagesTest, PickerJumpsToTheFirstNameTypedOrGivenByInitialConsonants) {
  std::vector<PickerRow> rows;
  for (const char *name : {"kim", "lee", "홍길동", "황금돼지"}) {
    rows.push_back({text::fromUtf8(name) + "\t\t1", "1", rows.size()});
  }
  CPhonebookPickerDlg picker(rows, settings_);
  QTimer::singleShot(0, [&picker] {
    CDragDropListBox *list = picker.list();
    QTest::keyClicks(list, "le");
    EXPECT_EQ(list->currentRow(), 1);
    QTest::keyClick(list, Qt::Key_Home); // ends that search
    QInputMethodEvent composing(QStringLiteral("ㄷ"), {});
    composing.setCommitString(QStringLiteral("ㅎㄱ"));
    QApplication::sendEvent(list, &composing);
    EXPECT_EQ(list->currentRow(), 2) << "ㅎㄱ, with ㄷ still being composed";
    QTest::keyClick(list, Qt::Key_Escape);
  });
  EXPECT_EQ(picker.DoModal(nullptr, std::nullopt, 0), winlib::kIdCancelCommand);
}

} // namespace
} // namespace pdx::features
