#include "apps/velluto/dialog_ports.h"

#include "apps/velluto/editor_dialogs.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_message_box.h"
#include "winlib/marker/pelodex_notice.h"
#include "winlib/picker/ui/file_picker_dlg.h"

#include <QCoreApplication>

namespace pdx::velluto {
using namespace animation;

namespace {

constexpr int kAnimationNameBytes = 16;
constexpr int kFileNameCharacters = 260;

int captionResource(AskCaption caption) {
  switch (caption) {
  case AskCaption::Save:
    return resources::kCaptionSave;
  case AskCaption::Exit:
    return resources::kCaptionExit;
  case AskCaption::Delete:
    return resources::kCaptionDelete;
  case AskCaption::Notice:
    break;
  }
  return resources::kCaptionNotice;
}

} // namespace

int DialogPorts::Ask(const std::string &text, uint32_t type, AskCaption caption) {
  return winlib::CBmpMessageBox::Show(owner_, QString::fromStdString(text), QString(), type,
                                      captionResource(caption));
}

QPoint DialogPorts::corner() const {
  return owner_ ? owner_->pos() + QPoint(100, 100) : QPoint(100, 100);
}

std::optional<std::string> DialogPorts::pick(int mode) {
  // Every use starts in the animation folder and stays there: no drives,
  // no sub-folders.
  winlib::CFilePickerDlg::SetStartFolder(folder_);
  winlib::CFilePickerDlg picker;
  const QPoint at = corner();
  if (picker.DoModal(at.x(), at.y(), owner_, mode, QStringLiteral("*.pca"), winlib::kPickerFolderOnly) !=
      winlib::kIdOkCommand) {
    return std::nullopt;
  }
  return picker.ChosenPath().toStdString();
}

std::optional<std::string> DialogPorts::PickSaveName() {
  return pick(winlib::CFilePickerDlg::kSave);
}

std::optional<std::string> DialogPorts::PickOpenPath() {
  return pick(winlib::CFilePickerDlg::kOpen);
}

std::optional<std::string> DialogPorts::AskFileName() {
  CNameDlg dialog(QCoreApplication::translate("pdx::velluto::Dialogs", "새 파일"),
                  QCoreApplication::translate("pdx::velluto::Dialogs", "이름"), kFileNameCharacters, false);
  if (dialog.DoModal(owner_, std::nullopt, resources::kCaptionNewFile) != winlib::kIdOkCommand) {
    return std::nullopt;
  }
  return dialog.Text().toStdString();
}

std::optional<std::string> DialogPorts::AskAnimationName(const std::string &initial, bool rename) {
  CNameDlg dialog(rename ? QCoreApplication::translate("pdx::velluto::Dialogs", "이름 바꾸기")
                         : QCoreApplication::translate("pdx::velluto::Dialogs", "새 애니메이션"),
                  QCoreApplication::translate("pdx::velluto::Dialogs", "애니메이션 이름"),
                  kAnimationNameBytes, true, QString::fromStdString(initial));
  if (dialog.DoModal(owner_, std::nullopt, 0) != winlib::kIdOkCommand) {
    return std::nullopt;
  }
  return dialog.Text().toStdString();
}

void DialogPorts::Saved(bool outsideFolder, const std::string &) {
  (void)winlib::notifyPelodex(kMsgAnimationSaved, outsideFolder);
}

} // namespace pdx::velluto
