// Renders the phonebook page and its dialogs to PNG files, offscreen, for
// looking at them: pdx_phonebook_shots OUTPUT_FOLDER.
#include "core/base/cp949.h"
#include "core/data/samples.h"
#include "features/groups/ui/group_edit_dlg.h"
#include "features/groups/ui/group_list_dlg.h"
#include "features/phonebook/phonebook_fakes.h"
#include "features/phonebook/ui/compare_dlg.h"
#include "features/phonebook/ui/entry_dlg.h"
#include "features/phonebook/ui/phonebook_page.h"
#include "features/printing/ui/print_options_dlg.h"
#include "platform/settings/settings.h"
#include "resources/fonts.h"

#include <QApplication>
#include <QDir>
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

void fillStore(core::CDataStore &store) {
  core::fillSamplePhonebook(store);
  store.phoneGroups.ensureDefaultGroup();
  for (const char *name : {"친구", "회사"}) {
    if (store.phoneGroups.findByName(text::fromUtf8(name)) < 0) {
      store.phoneGroups.addGroup(text::fromUtf8(name), 0);
    }
  }
  int i = 0;
  for (const core::PhoneBookEntry &e : store.phonePhonebook) {
    if (!e.isEmpty()) {
      core::PhoneBookEntry copy = e;
      copy.group = static_cast<uint16_t>(i % 3);
      copy.phoneState = static_cast<uint16_t>(i++ % 3);
      store.pcPhonebook.append(copy);
    }
  }
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "사용법: pdx_phonebook_shots OUTPUT_FOLDER\n");
    return 64;
  }
  QApplication app(argc, argv);
  resources::installFonts();
  const QDir out(QString::fromLocal8Bit(argv[1]));
  QTemporaryDir settingsDir;
  platform::Settings settings = platform::Settings::atFile(settingsDir.filePath("p.ini").toStdString());
  core::CDataStore store;
  fillStore(store);
  testing::FakePhone phone;
  testing::FakeUser user;

  CPhonebookPage page({store, phone, true, settings, {}, {}, {}, {}, &user, nullptr, {}});
  page.list()->selectRow(1);
  page.show();
  page.grab().save(out.filePath("phonebook-page.png"));

  GroupEditor groups(store, phone, user, true);
  EntryForm form;
  form.name = text::fromUtf8("홍길동") + "\xC9\xA5";
  form.numbers = {"02-123-4567", "", "011-234-5678", ""};
  form.group = 1;
  CEntryDlg entry(groups, form, {true, true});
  shoot(entry, out.filePath("entry-dialog.png"));
  CCompareDlg compare({text::toUtf8(form.name) + "의 집 전화번호가 PC와 휴대폰에 다르게 입력되어 있습니다.",
                       "02-123-4567", "02-765-4321"});
  shoot(compare, out.filePath("compare-dialog.png"));
  CGroupListDlg list(store, phone, user, true);
  shoot(list, out.filePath("group-list-dialog.png"));
  CGroupEditDlg edit(CGroupEditDlg::Mode::Modify, store.phoneGroups[1]);
  shoot(edit, out.filePath("group-edit-dialog.png"));
  CPrintOptionsDlg print(PrintOptions{});
  shoot(print, out.filePath("print-options-dialog.png"));
  return 0;
}
