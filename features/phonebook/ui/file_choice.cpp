#include "features/phonebook/ui/file_choice.h"

#include "winlib/picker/ui/file_picker_dlg.h"

#include <QDir>
#include <QWidget>

namespace pdx::features {

namespace {

constexpr int kDialogOffset = 100;

QString choose(QWidget *owner, int mode, const QString &folder, const QString &pattern) {
  winlib::CFilePickerDlg::SetStartFolder(folder);
  winlib::CFilePickerDlg picker;
  const QWidget *window = owner->window();
  const int chosen =
      picker.DoModal(window->x() + kDialogOffset, window->y() + kDialogOffset, owner, mode, pattern);
  return chosen == 1 ? picker.ChosenPath() : QString();
}

} // namespace

QString chooseFileToOpen(QWidget *owner, const QString &folder, const QString &pattern) {
  return choose(owner, winlib::CFilePickerDlg::kOpen, folder, pattern);
}

QString chooseFileToSave(QWidget *owner, const QString &folder, const QString &pattern) {
  return choose(owner, winlib::CFilePickerDlg::kSave, folder, pattern);
}

std::optional<PrintOptions> choosePrintOptions(QWidget *owner, const PrintOptions &last, bool printerOnly) {
  CPrintOptionsDlg dialog(last, printerOnly);
  if (dialog.DoModal(owner, std::nullopt, 0) != winlib::kIdOkCommand) {
    return std::nullopt;
  }
  PrintOptions options = dialog.options();
  if (options.printer.isEmpty()) {
    options.pdfPath = chooseFileToSave(owner, QDir::homePath(), QStringLiteral("*.pdf"));
    if (options.pdfPath.isEmpty()) {
      return std::nullopt;
    }
  }
  return options;
}

} // namespace pdx::features
