// Renders the speed-dial, alarm and phone-options pages, the assign and
// alarm edit dialogs and the main menu to PNG files, offscreen, for looking
// at them: pdx_settings_shots OUTPUT_FOLDER.
#include "core/app/ui/main_menu_page.h"
#include "core/base/cp949.h"
#include "core/data/samples.h"
#include "features/alarms/ui/alarm_edit_dlg.h"
#include "features/alarms/ui/alarm_page.h"
#include "features/options/ui/options_page.h"
#include "features/phonebook/phonebook_fakes.h"
#include "features/speeddial/ui/assign_dlg.h"
#include "features/speeddial/ui/speed_dial_page.h"
#include "link/connection/link_status.h"
#include "platform/settings/settings.h"
#include "resources/fonts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

using namespace pdx;
using namespace pdx::features;

void shoot(winlib::CBmpDialog &dialog, const QString &file) {
  QTimer::singleShot(50, [&dialog, file] {
    dialog.grab().save(file);
    dialog.EndDialog(winlib::kIdCancelCommand);
  });
  dialog.DoModal(nullptr, std::nullopt, 0);
}

class NoAlarmPhone : public AlarmPhone {
public:
  bool writeAlarm(size_t, const core::AlarmEntry &) override { return true; }
  bool deleteAlarm(size_t) override { return true; }
};

class NoOptionsPhone : public OptionsPhone {
public:
  bool writeOptions(const core::PhoneOptions &) override { return true; }
  void usePassword(std::string_view) override {}
};

void save(QWidget &page, const QDir &out, const char *name) {
  page.show();
  QApplication::processEvents();
  page.grab().save(out.filePath(QString::fromLatin1(name)));
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "사용법: pdx_settings_shots OUTPUT_FOLDER\n");
    return 64;
  }
  QApplication app(argc, argv);
  resources::installFonts();
  const QDir out(QString::fromLocal8Bit(argv[1]));
  QTemporaryDir settingsDir;
  platform::Settings settings = platform::Settings::atFile(settingsDir.filePath("p.ini").toStdString());
  core::CDataStore store;
  core::fillSamplePhonebook(store);
  store.phoneSpeedDials[0] = {0, 2};
  store.phoneSpeedDials[2] = {1, 0};
  const core::CivilTime now{1999, 3, 15, 9, 0, 0};
  core::fillSampleAlarms(store, now);
  core::fillSampleOptions(store);
  testing::FakePhone phone;
  testing::FakeUser user;

  CSpeedDialPage speedDials(
      {store, phone, settings, [] {}, [] {}, [] {}, [] {}, [] { return false; }, &user, {}});
  speedDials.numberList()->selectRow(1);
  save(speedDials, out, "speed-dial-page.png");

  NoAlarmPhone alarmPhone;
  CAlarmPage alarms({store, alarmPhone, {}, {}, {}, {}, &user, {}, [now] { return now; }});
  save(alarms, out, "alarm-page.png");

  NoOptionsPhone optionsPhone;
  COptionsPage options({store, optionsPhone, {}, {}, {}, &user});
  save(options, out, "options-page.png");
  options.openEditor(4);
  options.choiceEditor()->hidePopup();
  save(options, out, "options-page-choice.png");
  options.openEditor(37);
  save(options, out, "options-page-edit.png");

  link::LinkStatus status;
  core::MainMenuPage menu(status, false,
                          {{core::MainMenuPage::kPhonebook, [] {}},
                           {core::MainMenuPage::kAlarms, [] {}},
                           {core::MainMenuPage::kPhoneSettings, [] {}}});
  menu.Create(QStringLiteral("시작메뉴"), 3002);
  menu.CreateControls();
  save(menu, out, "main-menu.png");

  const core::PhoneBookEntry &entry = store.phonePhonebook[0];
  CAssignDlg assign(std::string(entry.name.view()), 2, std::string(entry.numbers[2].view()), 2);
  shoot(assign, out.filePath("assign-dialog.png"));
  AlarmForm form = newAlarmForm(now);
  form.choosePeriod(0);
  form.month = 1; // already past: the dialog shows next year
  CAlarmEditDlg add(CAlarmEditDlg::Mode::Add, form, now);
  shoot(add, out.filePath("alarm-edit-dialog.png"));
  CAlarmEditDlg modify(CAlarmEditDlg::Mode::Modify, formOf(store.alarms[0]), now);
  shoot(modify, out.filePath("alarm-modify-dialog.png"));
  return 0;
}
