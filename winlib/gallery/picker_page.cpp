// The file picker in open and save mode over a sample folder of melodies,
// and in the editors' folder-only mode.
#include "winlib/gallery/gallery.h"
#include "winlib/picker/ui/file_picker_dlg.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace pdx::winlib::gallery {
namespace {

void fillSampleFolder(const QDir &dir) {
  for (const char *folder : {"백업", "문자 메시지"}) {
    dir.mkpath(QString::fromUtf8(folder));
  }
  for (const char *file :
       {"생일 축하.pcm", "엘리제를 위하여.pcm", "학교종.pcm", "Canon.pcm", "전화번호.txt"}) {
    QFile(dir.filePath(QString::fromUtf8(file))).open(QIODevice::WriteOnly);
  }
}

void renderPicker(Output &out, const QString &name, int mode, const QString &pattern, int options) {
  CFilePickerDlg picker;
  QTimer::singleShot(0, &picker, [&] {
    out.save(name, picker.grab().toImage());
    picker.EndDialog(kIdCancelCommand);
  });
  (void)picker.DoModal(100, 100, nullptr, mode, pattern, options);
}

} // namespace

void renderFilePickers(Output &out) {
  QTemporaryDir temporary;
  const QDir dir(temporary.path());
  fillSampleFolder(dir);
  CFilePickerDlg::SetStartFolder(dir.path());
  renderPicker(out, QStringLiteral("file-picker-open"), CFilePickerDlg::kOpen, QStringLiteral("*.pcm"), 0);
  renderPicker(out, QStringLiteral("file-picker-save"), CFilePickerDlg::kSave, QStringLiteral("*.txt"), 0);
  renderPicker(out, QStringLiteral("file-picker-folder-only"), CFilePickerDlg::kSave, QStringLiteral("*.pcm"),
               kPickerFolderOnly);
  CFilePickerDlg::SetStartFolder(QString());
}

} // namespace pdx::winlib::gallery
