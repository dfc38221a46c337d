#include "apps/velluto/editor_dialogs.h"

#include "core/base/cp949.h"
#include "resources/fonts.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"

#include <QCoreApplication>
#include <QFontDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace pdx::velluto {

namespace {

// The font of the text tool, kept for the program run once chosen.
std::optional<QFont> &rememberedFont() {
  static std::optional<QFont> font;
  return font;
}

void drawLabel(QPainter &painter, QPoint at, const QString &text) {
  painter.setFont(resources::dialogFont());
  painter.setPen(Qt::black);
  painter.drawText(at.x(), at.y() + QFontMetrics(painter.font()).ascent(), text);
}

QLineEdit *addEdit(QWidget *dialog, const QString &name, const QRect &place) {
  auto *edit = new QLineEdit(dialog);
  edit->setGeometry(place);
  edit->setFont(resources::dialogFont());
  edit->setAccessibleName(name);
  edit->setToolTip(name);
  return edit;
}

} // namespace

winlib::CBmpButton *addOkCancel(QWidget *dialog, QPoint ok, QPoint cancel) {
  auto *okButton = new winlib::CBmpButton(dialog);
  (void)okButton->Create(winlib::kPushDisabledStyle, QRect(ok, QSize(1, 1)), dialog, winlib::kIdOkCommand,
                         resources::kButtonOk, 4);
  okButton->setAccessibleName(QCoreApplication::translate("pdx::velluto::Dialogs", "확인"));
  okButton->setToolTip(QCoreApplication::translate("pdx::velluto::Dialogs", "확인"));
  auto *cancelButton = new winlib::CBmpButton(dialog);
  (void)cancelButton->Create(winlib::kPushStyle, QRect(cancel, QSize(1, 1)), dialog, winlib::kIdCancelCommand,
                             resources::kButtonCancel, 3);
  cancelButton->setAccessibleName(QCoreApplication::translate("pdx::velluto::Dialogs", "취소"));
  cancelButton->setToolTip(QCoreApplication::translate("pdx::velluto::Dialogs", "취소"));
  return okButton;
}

CNameDlg::CNameDlg(const QString &caption, const QString &label, int limit, bool byteLimit,
                   const QString &initial)
    : label_(label), limit_(limit), byteLimit_(byteLimit), initial_(initial) {
  SetDialogSize(QSize(300, 140));
  SetCaptionText(caption);
}

void CNameDlg::OnInitDialog() {
  edit_ = addEdit(this, label_, QRect(120, 45, 160, 22));
  if (!byteLimit_) {
    edit_->setMaxLength(limit_);
  }
  edit_->setText(initial_);
  ok_ = addOkCancel(this, QPoint(160, 90), QPoint(230, 90));
  connect(edit_, &QLineEdit::textChanged, this, [this] {
    limit();
    ok_->Enable(!edit_->text().isEmpty());
  });
  ok_->Enable(!edit_->text().isEmpty());
  edit_->selectAll();
  edit_->setFocus();
}

void CNameDlg::limit() {
  if (!byteLimit_) {
    return;
  }
  QString text = edit_->text();
  while (!text.isEmpty() && text::fromUtf8(text.toStdString()).size() > static_cast<size_t>(limit_)) {
    text.chop(1);
  }
  if (text != edit_->text()) {
    edit_->setText(text);
  }
}

QString CNameDlg::Text() const {
  return edit_ ? edit_->text() : QString();
}

void CNameDlg::OnOK() {
  if (!Text().isEmpty()) {
    CBmpDialog::OnOK();
  }
}

void CNameDlg::paintEvent(QPaintEvent *event) {
  CBmpDialog::paintEvent(event);
  QPainter painter(this);
  drawLabel(painter, QPoint(20, 49), label_);
}

CTextDlg::CTextDlg() : font_(rememberedFont().value_or(DefaultFont())) {
  SetDialogSize(QSize(320, 140));
  SetCaptionText(QCoreApplication::translate("pdx::velluto::Dialogs", "글자 입력"));
}

QFont CTextDlg::DefaultFont() {
  QFont font = resources::dialogFont();
  font.setWeight(QFont::Normal);
  return font;
}

void CTextDlg::OnInitDialog() {
  edit_ = addEdit(this, QCoreApplication::translate("pdx::velluto::Dialogs", "내용"), QRect(60, 45, 240, 22));
  auto *fontButton = new QPushButton(QCoreApplication::translate("pdx::velluto::Dialogs", "글꼴..."), this);
  fontButton->setGeometry(20, 90, 70, 26);
  fontButton->setFont(resources::dialogFont());
  fontButton->setAccessibleName(QCoreApplication::translate("pdx::velluto::Dialogs", "글꼴"));
  fontButton->setToolTip(QCoreApplication::translate("pdx::velluto::Dialogs", "글꼴을 고릅니다."));
  connect(fontButton, &QPushButton::clicked, this, [this] {
    bool ok = false;
    const QFont chosen =
        QFontDialog::getFont(&ok, font_, this, QCoreApplication::translate("pdx::velluto::Dialogs", "글꼴"));
    if (ok) {
      font_ = chosen;
      rememberedFont() = chosen;
    }
    edit_->setFocus();
  });
  ok_ = addOkCancel(this, QPoint(180, 90), QPoint(250, 90));
  connect(edit_, &QLineEdit::textChanged, this, [this] { ok_->Enable(!edit_->text().isEmpty()); });
  ok_->Enable(false);
  edit_->setFocus();
}

QString CTextDlg::Text() const {
  return edit_ ? edit_->text() : QString();
}

void CTextDlg::OnOK() {
  if (!Text().isEmpty()) {
    CBmpDialog::OnOK();
  }
}

void CTextDlg::paintEvent(QPaintEvent *event) {
  CBmpDialog::paintEvent(event);
  QPainter painter(this);
  drawLabel(painter, QPoint(20, 49), QCoreApplication::translate("pdx::velluto::Dialogs", "내용"));
}

} // namespace pdx::velluto
