// Choosing files for the phonebook's import and export. One place, so that
// the program can switch to the suite's own file picker.
#pragma once

#include <QString>

class QWidget;

namespace pdx::features {

// The file to open, starting in `folder`; empty when cancelled.
QString chooseFileToOpen(QWidget *owner, const QString &folder, const QString &filter);
// The file to write; empty when cancelled.
QString chooseFileToSave(QWidget *owner, const QString &suggested, const QString &filter);

} // namespace pdx::features
