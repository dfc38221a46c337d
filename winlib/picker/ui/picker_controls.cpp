#include "winlib/picker/ui/picker_controls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace pdx::winlib {
namespace {

QLabel *label(QWidget &parent, const char *text, int x, int y) {
  auto *result = new QLabel(QCoreApplication::translate("pdx::winlib::Picker", text), &parent);
  result->move(x, y);
  result->adjustSize();
  return result;
}

QString identifier(int id) {
  return QString::number(id);
}

} // namespace

PickerControls::PickerControls(QWidget &dialog, PickerSession &session)
    : QObject(&dialog), session_(session), nameField_(new QLineEdit(&dialog)),
      fileList_(new QListWidget(&dialog)) {
  label(dialog, QT_TRANSLATE_NOOP("pdx::winlib::Picker", "파일이름"), 25, 50);
  nameField_->setObjectName(identifier(kNameField));
  nameField_->setAccessibleName(QCoreApplication::translate("pdx::winlib::Picker", "파일이름"));
  nameField_->setGeometry(25, 70, 250, 20);
  fileList_->setObjectName(identifier(kFileList));
  fileList_->setAccessibleName(QCoreApplication::translate("pdx::winlib::Picker", "파일 목록"));
  fileList_->setGeometry(25, 95, 250, 165);
  connect(fileList_, &QListWidget::currentItemChanged, this,
          [this](QListWidgetItem *item, QListWidgetItem *) { selectItem(item); });
  connect(fileList_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem *item) { Q_EMIT itemActivated(item->text()); });
  if (!session_.folderOnly()) {
    label(dialog, QT_TRANSLATE_NOOP("pdx::winlib::Picker", "드라이브선택"), 25, 268);
    driveList_ = new QComboBox(&dialog);
    driveList_->setObjectName(identifier(kDriveList));
    driveList_->setAccessibleName(QCoreApplication::translate("pdx::winlib::Picker", "드라이브선택"));
    driveList_->setGeometry(120, 265, 155, 22);
    connect(driveList_, &QComboBox::activated, this, [this](int index) {
      if (static_cast<size_t>(index) != session_.currentDrive()) {
        Q_EMIT driveChosen(index);
      }
    });
  }
  refresh();
}

void PickerControls::refresh() {
  const QSignalBlocker blockList(fileList_);
  fileList_->clear();
  for (const auto &item : session_.items()) {
    fileList_->addItem(QString::fromStdString(item));
  }
  if (driveList_ != nullptr) {
    const QSignalBlocker blockDrives(driveList_);
    driveList_->clear();
    for (const auto &drive : session_.drives()) {
      driveList_->addItem(QString::fromStdString(drive.label), QString::fromStdString(drive.path));
    }
    driveList_->setCurrentIndex(static_cast<int>(session_.currentDrive()));
  }
  nameField_->setText(QString::fromStdString(session_.pattern()));
  nameField_->selectAll();
}

void PickerControls::selectItem(QListWidgetItem *item) {
  if (item != nullptr) {
    nameField_->setText(QString::fromStdString(PickerSession::fieldTextOf(item->text().toStdString())));
    Q_EMIT itemSelected(item->text());
  }
}

QString PickerControls::itemForEnter() const {
  const QListWidgetItem *item = fileList_->currentItem();
  return fileList_->hasFocus() && item != nullptr ? item->text() : QString();
}

} // namespace pdx::winlib
