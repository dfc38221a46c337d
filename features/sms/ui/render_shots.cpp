// Renders the message pages and dialogs to PNG files, and prints a received
// message to PDF, offscreen, for looking at them: pdx_sms_shots OUTPUT_FOLDER.
#include "core/base/cp949.h"
#include "core/data/samples.h"
#include "features/phonebook/phonebook_fakes.h"
#include "features/sms/phonebook_choice.h"
#include "features/sms/sms_fakes.h"
#include "features/sms/ui/phonebook_picker_dlg.h"
#include "features/sms/ui/received_page.h"
#include "features/sms/ui/sent_page.h"
#include "features/sms/ui/sms_dialogs.h"
#include "features/sms/ui/sms_menu_page.h"
#include "features/sms/ui/sms_printing.h"
#include "platform/settings/settings.h"
#include "resources/fonts.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

using namespace pdx;
using namespace pdx::features;

// Opens the dialog, saves a picture of it once it is shown, and closes it.
void shoot(winlib::CBmpDialog &dialog, const QString &file) {
  QTimer::singleShot(50, [&dialog, file] {
    dialog.grab().save(file);
    dialog.EndDialog(winlib::kIdCancelCommand);
  });
  dialog.DoModal(nullptr, std::nullopt, 0);
}

void shootPage(QWidget &page, const QString &file) {
  page.show();
  QApplication::processEvents();
  page.grab().save(file);
}

void addSamples(core::CDataStore &store) {
  core::fillSampleSms(store);
  core::SmsMessage night = store.receivedSms[0];
  night.slot = 3;
  night.day = 4;
  night.hour = 0;
  night.minute = 30;
  night.attributes = 0x04;
  night.text.set(
      text::fromUtf8("자정 넘어 보낸 메시지입니다. 긴 글은 창의 너비에 맞추어 여러 줄로 나뉘어 보입니다."));
  store.receivedSms.insert(night);
  core::fillSamplePhonebook(store);
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "사용법: pdx_sms_shots OUTPUT_FOLDER\n");
    return 64;
  }
  QApplication app(argc, argv);
  resources::installFonts();
  const QDir out(QString::fromLocal8Bit(argv[1]));
  QTemporaryDir settingsDir;
  platform::Settings settings = platform::Settings::atFile(settingsDir.filePath("p.ini").toStdString());
  core::CDataStore store;
  addSamples(store);
  testing::FakeSmsPhone phone;
  testing::FakeUser user;
  testing::FixedClock clock;
  const SmsPageContext context{store, phone, clock, "0119998888", settings, out.path(),
                               {},    {},    {},    {},           &user};

  CSmsMenuPage menu({{CSmsMenuPage::kReceived, [] {}}, {CSmsMenuPage::kSent, [] {}}});
  shootPage(menu, out.filePath("sms-menu-page.png"));
  CSmsReceivedPage received(context);
  shootPage(received, out.filePath("sms-received-page.png"));
  CSmsSentPage sent(context);
  shootPage(sent, out.filePath("sms-sent-page.png"));

  CMessageDlg message(text::fromUtf8("내일 아침 8시에 출발"));
  shoot(message, out.filePath("sms-message-dialog.png"));
  CReplyDlg reply({"0112345678", "0119998888"});
  shoot(reply, out.filePath("sms-reply-dialog.png"));
  CSendDlg send({"", "0119998888"}, [](QWidget *) { return std::nullopt; });
  shoot(send, out.filePath("sms-send-dialog.png"));
  CPhonebookPickerDlg picker(pickerRows(store.phonePhonebook, store.phoneGroups), settings);
  shoot(picker, out.filePath("sms-phonebook-picker.png"));
  CPrintOptionsDlg printChoice(PrintOptions{}, true);
  shoot(printChoice, out.filePath("sms-print-dialog.png"));

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(out.filePath("sms-print.pdf"));
  return printSms(printer, store.receivedSms[0], true) == PrintOutcome::Printed ? 0 : 74;
}
