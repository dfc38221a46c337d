#include "features/phonebook/ui/file_choice.h"

#include <QFileDialog>

namespace pdx::features {

QString chooseFileToOpen(QWidget *owner, const QString &folder, const QString &filter) {
  return QFileDialog::getOpenFileName(owner, QStringLiteral("파일 열기"), folder, filter);
}

QString chooseFileToSave(QWidget *owner, const QString &suggested, const QString &filter) {
  return QFileDialog::getSaveFileName(owner, QStringLiteral("파일 저장"), suggested, filter);
}

} // namespace pdx::features
