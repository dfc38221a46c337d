// The page's file and printer commands: import from text, print, export.
#include "core/base/atomic_file.h"
#include "core/base/input_file.h"
#include "core/data/phonebook_export.h"
#include "features/phonebook/import_file.h"
#include "features/phonebook/import_report.h"
#include "features/phonebook/phonebook_import.h"
#include "features/phonebook/ui/file_choice.h"
#include "features/phonebook/ui/phonebook_page.h"
#include "features/printing/ui/phonebook_printing.h"
#include "platform/settings/settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QScopedValueRollback>
#include <set>
#include <span>

namespace pdx::features {

namespace {

const std::string kImportFolderKey = "PhonebookImportDir";

// Holds the wait cursor for a scope.
struct WaitCursor {
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor &) = delete;
  WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

void CPhonebookPage::importFile() {
  const QString folder = QString::fromStdString(context_.settings.text("General", kImportFolderKey));
  // Text, vCard and CSV files are all taken: the list shows every file.
  const QString path = chooseFileToOpen(this, folder, QStringLiteral("*.*"));
  if (path.isEmpty()) {
    return;
  }
  context_.settings.setText("General", kImportFolderKey, QFileInfo(path).absolutePath().toStdString());
  importFrom(path);
}

void CPhonebookPage::importFrom(const QString &path) {
  if (running_) {
    return;
  }
  const QScopedValueRollback<bool> running(running_, true);
  const InputBytes in = readInputFile(QFile::encodeName(path).toStdString(), kMaxImportFileBytes);
  if (in.error != InputError::None) {
    context_.store.modified = true;
    user_.tell(tr("전화번호부를 읽어들일 수 없습니다.").toStdString());
    return;
  }
  core::CDataStore &store = context_.store;
  // A group the phone refused is neither written nor reported again.
  std::set<std::string, std::less<>> refusedByPhone;
  const GroupCreator createGroup = [this, &store, &refusedByPhone](std::string_view name) {
    const int id = store.phoneGroups.firstFreeId();
    if (id < 0 || refusedByPhone.contains(name)) {
      return -1;
    }
    core::PhoneGroup group;
    group.id = static_cast<uint16_t>(id);
    group.name.setWhole(name);
    if (store.phoneGroups.refusal(group) != core::GroupRefusal::None) {
      return -1;
    }
    if (context_.connected && !phone_.writeGroup(store.phoneGroups, id, group)) {
      refusedByPhone.emplace(name);
      user_.tell(tr("휴대폰에 그룹을 추가할 수 없습니다.").toStdString());
      return -1;
    }
    return store.phoneGroups.insert(group) ? id : -1;
  };
  const ImportResult result = importPhonebookFile(
      std::string_view(reinterpret_cast<const char *>(in.bytes.data()), in.bytes.size()), store, createGroup);
  sortKeepingSelection(editor_.sortColumn());
  user_.tell(importSummary(result));
}

void CPhonebookPage::print() {
  if (const std::optional<PrintOptions> options = choosePrintOptions(this, printOptions_, false)) {
    printOptions_ = *options;
    printWith(*options);
  }
}

void CPhonebookPage::printWith(const PrintOptions &options) {
  const WaitCursor wait;
  PrintOutcome outcome = PrintOutcome::CannotOpen;
  if (options.printer.isEmpty()) {
    outcome =
        printPhonebookToPdf(QFile::encodeName(options.pdfPath).toStdString(), context_.store.pcPhonebook,
                            context_.store.phoneGroups, options.size, options.order);
  } else {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(options.printer);
    printer.setDocName(
        QStringLiteral("Pelodex - %1")
            .arg(QString::fromStdString(text::translate("pdx::printing", kPhonebookDocument))));
    if (printer.isValid()) {
      outcome = printPhonebook(printer, context_.store.pcPhonebook, context_.store.phoneGroups, options.size,
                               options.order);
    }
  }
  if (outcome != PrintOutcome::Printed) {
    user_.tell(printOutcomeMessage(outcome));
  }
}

void CPhonebookPage::exportPhonebook() {
  // A name ending in .csv writes CSV; any other gets vCard.
  const QString path = chooseFileToSave(this, QDir::homePath(), QStringLiteral("*.vcf"));
  if (!path.isEmpty()) {
    exportTo(path);
  }
}

void CPhonebookPage::exportTo(const QString &path) {
  const core::CDataStore &store = context_.store;
  const bool csv = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
  const std::string text = csv ? core::phonebookToCsv(store.pcPhonebook, store.phoneGroups)
                               : core::phonebookToVcard(store.pcPhonebook, store.phoneGroups);
  const auto *data = reinterpret_cast<const uint8_t *>(text.data());
  const DocResult result = writeFileAtomically(path.toStdString(), std::span(data, text.size()));
  if (result != DocResult::Ok) {
    user_.tell(
        tr("전화번호부를 내보낼 수 없습니다.\n%1").arg(QString::fromUtf8(describe(result))).toStdString());
  }
}

} // namespace pdx::features
