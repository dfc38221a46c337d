// Choosing files for the phonebook's and the message pages' import, export
// and print to file: the suite's own picker, unrestricted (drives and
// folders), placed 100 pixels right of and below the owner's window.
#pragma once

#include "features/printing/ui/print_options_dlg.h"

#include <QString>
#include <optional>

class QWidget;

namespace pdx::features {

// The file to open, starting in `folder` and listing `pattern` ("*.txt");
// empty when cancelled.
QString chooseFileToOpen(QWidget *owner, const QString &folder, const QString &pattern);
// The file to write, starting in `folder`; a name typed without an
// extension gets the pattern's. Empty when cancelled.
QString chooseFileToSave(QWidget *owner, const QString &folder, const QString &pattern);
// The print options chosen in the print options dialog, starting from
// `last`; printing to PDF asks for the file (starting in the home folder).
// Nothing when either was cancelled.
std::optional<PrintOptions> choosePrintOptions(QWidget *owner, const PrintOptions &last, bool printerOnly);

} // namespace pdx::features
