#include "apps/carrowin/name_dialog.h"

#include "core/base/cp949.h"
#include "resources/fonts.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPainter>

namespace pdx::carrowin {

namespace {

constexpr int kFileNameChars = 260;
constexpr size_t kMelodyNameBytes = 16;

bool isFileDialog(int captionId) {
  return captionId == resources::kCaptionNewFile;
}

QString label(int captionId) {
  return isFileDialog(captionId) ? QCoreApplication::translate("pdx::carrowin::NameDialog", "이름")
                                 : QCoreApplication::translate("pdx::carrowin::NameDialog", "멜로디이름");
}

} // namespace

CNameDlg::CNameDlg(int captionId, const QString &initial) : captionId_(captionId), name_(initial) {
  SetDialogSize(QSize(300, 150));
}

void CNameDlg::OnInitDialog() {
  field_ = new QLineEdit(this);
  field_->setFont(resources::dialogFont());
  field_->setAccessibleName(label(captionId_));
  if (isFileDialog(captionId_)) {
    field_->setGeometry(QRect(QPoint(70, 55), QPoint(274, 74)));
    field_->setMaxLength(kFileNameChars);
  } else {
    field_->setGeometry(QRect(QPoint(110, 55), QPoint(274, 74)));
    // A melody name is 16 bytes in the file: longer typing is cut back.
    connect(field_, &QLineEdit::textEdited, this, [this](const QString &text) {
      QString cut = text;
      while (text::fromUtf8(cut.toStdString()).size() > kMelodyNameBytes) {
        cut.chop(1);
      }
      if (cut != text) {
        field_->setText(cut);
      }
    });
  }
  field_->setText(name_);
  field_->selectAll();
  ok_ = new winlib::CBmpButton(this);
  ok_->Create(winlib::kPushDisabledStyle, QRect(165, 105, 1, 1), this, winlib::kIdOkCommand,
              resources::kButtonOk, 4);
  ok_->setAccessibleName(QCoreApplication::translate("pdx::carrowin::NameDialog", "확인"));
  auto *cancel = new winlib::CBmpButton(this);
  cancel->Create(winlib::kPushStyle, QRect(235, 105, 1, 1), this, winlib::kIdCancelCommand,
                 resources::kButtonCancel, 3);
  cancel->setAccessibleName(QCoreApplication::translate("pdx::carrowin::NameDialog", "취소"));
  const auto updateOk = [this] { ok_->Enable(!field_->text().isEmpty()); };
  connect(field_, &QLineEdit::textChanged, this, updateOk);
  updateOk();
  field_->setFocus();
}

void CNameDlg::OnOK() {
  if (field_->text().isEmpty()) {
    return;
  }
  name_ = field_->text();
  CBmpDialog::OnOK();
}

void CNameDlg::paintEvent(QPaintEvent *event) {
  CBmpDialog::paintEvent(event);
  QPainter painter(this);
  painter.setFont(resources::dialogFont());
  painter.drawText(QPoint(25, 58 + painter.fontMetrics().ascent()), label(captionId_));
}

std::optional<QString> askNameAt(QWidget *owner, int x, int y, int captionId, const QString &initial) {
  CNameDlg dialog(captionId, initial);
  if (dialog.DoModal(owner, QRect(x, y, 300, 150), captionId) != winlib::kIdOkCommand) {
    return std::nullopt;
  }
  return dialog.Name();
}

} // namespace pdx::carrowin
