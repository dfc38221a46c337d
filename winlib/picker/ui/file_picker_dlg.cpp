#include "winlib/picker/ui/file_picker_dlg.h"

#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_message_box.h"
#include "winlib/picker/ui/picker_controls.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QStorageInfo>

namespace pdx::winlib {

CFilePickerDlg::CFilePickerDlg() {
  SetDialogSize(QSize(300, 350));
}

CFilePickerDlg::~CFilePickerDlg() = default;

void CFilePickerDlg::SetStartFolder(const QString &folder) {
  pickerStartFolders().current = folder.toStdString();
}

void CFilePickerDlg::SetAlternateStartFolder(const QString &folder) {
  pickerStartFolders().alternate = folder.toStdString();
}

std::vector<PickerDrive> CFilePickerDlg::SystemDrives() {
  std::vector<MountedVolume> volumes;
  for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
    volumes.push_back({volume.rootPath().toStdString(), volume.name().toStdString()});
  }
  return listDrives(QDir::homePath().toStdString(), volumes);
}

int CFilePickerDlg::DoModal(int x, int y, QWidget *owner, int mode, const QString &pattern, int options,
                            int skinId) {
  mode_ = mode;
  options_ = options;
  pattern_ = pattern;
  const int caption = skinId != 0     ? skinId
                      : mode == kOpen ? resources::kCaptionOpen
                                      : resources::kCaptionSave;
  return CBmpDialog::DoModal(owner, QRect(QPoint(x, y), size()), caption);
}

void CFilePickerDlg::OnInitDialog() {
  session_ = std::make_unique<PickerSession>(mode_, pattern_.toStdString(), options_,
                                             QDir::homePath().toStdString(), SystemDrives());
  controls_ = new PickerControls(*this, *session_);
  connect(controls_, &PickerControls::itemActivated, this,
          [this](const QString &item) { Handle(session_->activateItem(item.toStdString())); });
  connect(controls_, &PickerControls::driveChosen, this,
          [this](int index) { Handle(session_->chooseDrive(static_cast<size_t>(index))); });
  connect(controls_, &PickerControls::itemSelected, this, &CFilePickerDlg::OnItemSelected);
  ok_ = new CBmpButton(this);
  (void)ok_->Create(kPushDisabledStyle, QRect(165, 305, 1, 1), this, kIdOkCommand, resources::kButtonOk, 4);
  cancel_ = new CBmpButton(this);
  (void)cancel_->Create(kPushStyle, QRect(235, 305, 1, 1), this, kIdCancelCommand, resources::kButtonCancel,
                        3);
}

void CFilePickerDlg::OnOK() {
  const QString item = controls_->itemForEnter();
  Handle(item.isEmpty() ? session_->submit(controls_->nameField().text().toStdString())
                        : session_->activateItem(item.toStdString()));
}

void CFilePickerDlg::OnItemSelected(const QString &) {}

int CFilePickerDlg::notify(const char *text, uint32_t type) {
  return CBmpMessageBox::Show(this, QCoreApplication::translate("pdx::winlib::Picker", text), QString(), type,
                              resources::kCaptionNotice);
}

void CFilePickerDlg::Handle(PickerOutcome outcome) {
  switch (outcome) {
  case PickerOutcome::Nothing:
    return;
  case PickerOutcome::Refilled:
    controls_->refresh();
    controls_->nameField().setFocus();
    return;
  case PickerOutcome::Done:
    EndDialog(kIdOkCommand);
    return;
  case PickerOutcome::AskOverwrite:
    if (notify(QT_TRANSLATE_NOOP("pdx::winlib::Picker", "파일이 이미 있습니다. 덮어쓸까요?"),
               kMbOkCancel | kMbIconQuestion) == kIdOkCommand) {
      Handle(session_->confirmOverwrite());
    }
    return;
  case PickerOutcome::FileMissing:
    (void)notify(QT_TRANSLATE_NOOP("pdx::winlib::Picker", "파일이 존재하지 않습니다"),
                 kMbOkCancel | kMbIconExclamation);
    return;
  case PickerOutcome::FolderMissing:
    (void)notify(QT_TRANSLATE_NOOP("pdx::winlib::Picker", "폴더를 찾을 수 없습니다."),
                 kMbOk | kMbIconExclamation);
    return;
  case PickerOutcome::IsFolder:
    (void)notify(
        QT_TRANSLATE_NOOP("pdx::winlib::Picker", "폴더는 고를 수 없습니다. 파일 이름을 입력하십시오."),
        kMbOk | kMbIconExclamation);
    return;
  }
}

QString CFilePickerDlg::ChosenPath() const {
  return session_ ? QString::fromStdString(session_->chosenPath()) : QString();
}

QString CFilePickerDlg::FileName() const {
  return session_ ? QString::fromStdString(session_->fileName()) : QString();
}

QString CFilePickerDlg::Folder() const {
  return session_ ? QString::fromStdString(session_->folder()) : QString();
}

} // namespace pdx::winlib
