// The page's file and printer commands: import from text, print, export.
#include "core/base/atomic_file.h"
#include "core/base/input_file.h"
#include "core/data/phonebook_export.h"
#include "features/phonebook/import_file.h"
#include "features/phonebook/text_import.h"
#include "features/phonebook/ui/file_choice.h"
#include "features/phonebook/ui/phonebook_page.h"
#include "features/printing/ui/phonebook_printing.h"
#include "platform/settings/settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
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
  const QString path = chooseFileToOpen(this, folder, QStringLiteral("텍스트 파일 (*.txt)"));
  if (path.isEmpty()) {
    return;
  }
  context_.settings.setText("General", kImportFolderKey, QFileInfo(path).absolutePath().toStdString());
  importFrom(path);
}

void CPhonebookPage::importFrom(const QString &path) {
  const InputBytes in = readInputFile(QFile::encodeName(path).toStdString(), kMaxImportFileBytes);
  if (in.error != InputError::None) {
    context_.store.modified = true;
    user_.tell("전화번호부를 읽어들일 수 없습니다.");
    return;
  }
  core::CDataStore &store = context_.store;
  const GroupCreator createGroup = [this, &store](std::string_view name) {
    const int id = store.phoneGroups.firstFreeId();
    if (id < 0) {
      return -1;
    }
    core::PhoneGroup group;
    group.id = static_cast<uint16_t>(id);
    group.name.setWhole(name);
    if (context_.connected && !phone_.writeGroup(store.phoneGroups, id, group)) {
      user_.tell("휴대폰에 그룹을 추가할 수 없습니다.");
      return -1;
    }
    store.phoneGroups.insert(group);
    return id;
  };
  const ImportResult result = importPhonebookText(
      std::string_view(reinterpret_cast<const char *>(in.bytes.data()), in.bytes.size()), store, createGroup);
  const std::vector<int> keep = selection();
  editor_.sortBy(editor_.sortColumn());
  refill(keep);
  if (result.status == ImportResult::BadFormat) {
    user_.tell("파일 형식이 잘못되어 있습니다.");
  }
}

void CPhonebookPage::print() {
  CPrintOptionsDlg dialog(printOptions_);
  if (dialog.DoModal(this, std::nullopt, 0) != winlib::kIdOkCommand) {
    return;
  }
  PrintOptions options = dialog.options();
  if (options.printer.isEmpty()) {
    options.pdfPath = chooseFileToSave(this, QDir::home().filePath(QStringLiteral("전화번호부.pdf")),
                                       QStringLiteral("PDF 파일 (*.pdf)"));
    if (options.pdfPath.isEmpty()) {
      return;
    }
  }
  printOptions_ = options;
  printWith(options);
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
    printer.setDocName(QStringLiteral("Pelodex - %1").arg(QString::fromUtf8(kPhonebookDocument)));
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
  const QString path = chooseFileToSave(this, QDir::home().filePath(QStringLiteral("전화번호부.vcf")),
                                        QStringLiteral("vCard (*.vcf);;CSV (*.csv)"));
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
    user_.tell("전화번호부를 내보낼 수 없습니다.\n" + std::string(describe(result)));
  }
}

} // namespace pdx::features
