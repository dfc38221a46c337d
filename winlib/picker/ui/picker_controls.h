// The controls of the file picker inside its dialog: the name field, the
// folder list and the drive list, kept in step with a PickerSession.
#pragma once

#include "winlib/picker/picker_session.h"

#include <QObject>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QWidget;

namespace pdx::winlib {

class PickerControls : public QObject {
  Q_OBJECT

public:
  static constexpr int kNameField = 5211;
  static constexpr int kFileList = 5212;
  static constexpr int kDriveList = 5213;

  // Places the controls in `dialog` (client coordinates of the 300 x 350
  // picker); the drive list only without folder-only mode.
  PickerControls(QWidget &dialog, PickerSession &session);

  // Shows the session's folder, list and drive, and the pattern in the
  // field, all selected.
  void refresh();
  QLineEdit &nameField() { return *nameField_; }
  QListWidget &fileList() { return *fileList_; }
  QComboBox *driveList() { return driveList_; }

  // The list item Enter should open: the current one while the list has
  // the focus, else none.
  QString itemForEnter() const;

Q_SIGNALS:
  // A list item was double-clicked.
  void itemActivated(const QString &item);
  // A list item became the current one.
  void itemSelected(const QString &item);
  // Another drive was chosen.
  void driveChosen(int index);

private:
  void selectItem(QListWidgetItem *item);

  PickerSession &session_;
  QLineEdit *nameField_;
  QListWidget *fileList_;
  QComboBox *driveList_ = nullptr;
};

} // namespace pdx::winlib
