// The dialog frame composed at three sizes, each with a caption, a label,
// an edit and the OK and Cancel buttons as the programs place them.
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_dialog.h"
#include "winlib/gallery/gallery.h"

#include <QLabel>
#include <QLineEdit>

namespace pdx::winlib::gallery {

void renderDialogFrames(Output &out) {
  const struct {
    const char *name;
    QSize size;
    int caption;
  } frames[] = {
      {"small", {300, 150}, resources::kCaptionNewMelody},
      {"help", {400, 300}, resources::kCaptionHelp},
      {"large", {560, 420}, resources::kCaptionOpen},
  };
  for (const auto &frame : frames) {
    CBmpDialog dialog;
    dialog.SetDialogSize(frame.size);
    dialog.SetCaption(frame.caption);
    auto *label = new QLabel(QStringLiteral("멜로디이름"), &dialog);
    label->move(25, 58);
    auto *edit = new QLineEdit(QStringLiteral("새멜로디"), &dialog);
    edit->setGeometry(110, 55, frame.size.width() - 135, 20);
    const int right = frame.size.width();
    const int top = frame.size.height() - 45;
    auto *ok = new CBmpButton(&dialog);
    ok->Create(kPushDisabledStyle, QRect(right - 135, top, 0, 0), &dialog, kIdOkCommand, resources::kButtonOk,
               4);
    auto *cancel = new CBmpButton(&dialog);
    cancel->Create(kPushStyle, QRect(right - 65, top, 0, 0), &dialog, kIdCancelCommand,
                   resources::kButtonCancel, 3);
    out.save(QStringLiteral("dialog-frame-%1").arg(QString::fromLatin1(frame.name)), dialog.grab().toImage());
  }
}

} // namespace pdx::winlib::gallery
