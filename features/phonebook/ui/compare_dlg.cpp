#include "features/phonebook/ui/compare_dlg.h"

#include "features/groups/ui/dialog_parts.h"
#include "resources/fonts.h"
#include "winlib/bmp_button.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace pdx::features {

namespace {

constexpr QSize kSize(500, 220);
constexpr QSize kAnswerSize(200, 30);

const char *const kCaptions[4] = {
    QT_TRANSLATE_NOOP("pdx::features::CCompareDlg", "PC의 데이터로 휴대폰 데이터 수정"),
    QT_TRANSLATE_NOOP("pdx::features::CCompareDlg", "휴대폰의 데이터로 PC 데이터 수정"),
    QT_TRANSLATE_NOOP("pdx::features::CCompareDlg", "항상 PC의 데이터로 휴대폰 데이터 수정"),
    QT_TRANSLATE_NOOP("pdx::features::CCompareDlg", "항상 휴대폰의 데이터로 PC 데이터 수정"),
};
constexpr QPoint kPlaces[4] = {{50, 135}, {275, 135}, {50, 175}, {275, 175}};

} // namespace

CCompareDlg::CCompareDlg(const Conflict &conflict) : conflict_(conflict) {
  SetDialogSize(kSize);
  SetCaptionText(tr("데이터 비교"));
}

void CCompareDlg::OnInitDialog() {
  for (int i = 0; i < 4; ++i) {
    answers_[i] = addTextButton(this, kFirstAnswer + i, tr(kCaptions[i]), kPlaces[i], kAnswerSize);
    answers_[i]->setAccessibleDescription(tr("%1번").arg(i + 1));
  }
  answers_[0]->setFocus();
}

winlib::CBmpButton *CCompareDlg::answerButton(MergeChoice choice) const {
  return answers_[static_cast<int>(choice)];
}

void CCompareDlg::keyPressEvent(QKeyEvent *event) {
  // The digits 1 to 4 give the four answers in their reading order.
  const int answer = event->key() - Qt::Key_1;
  if (answer >= 0 && answer < 4 && event->modifiers() == Qt::NoModifier) {
    EndDialog(kFirstAnswer + answer);
    return;
  }
  CBmpDialog::keyPressEvent(event);
}

void CCompareDlg::OnCommand(int id, int code) {
  if (code == winlib::kNotifyCommand && id >= kFirstAnswer && id < kFirstAnswer + 4) {
    EndDialog(id);
    return;
  }
  CBmpDialog::OnCommand(id, code);
}

void CCompareDlg::paintEvent(QPaintEvent *event) {
  CBmpDialog::paintEvent(event);
  QPainter painter(this);
  painter.setFont(resources::dialogFont());
  painter.drawText(QRect(5, 50, 490, 20), Qt::AlignCenter, QString::fromStdString(conflict_.line));
  drawLabels(painter, {{5, 75, QStringLiteral("PC :")},
                       {135, 75, QString::fromStdString(conflict_.pcValue)},
                       {5, 100, tr("휴대폰 :")},
                       {135, 100, QString::fromStdString(conflict_.phoneValue)}});
}

MergeChoice DialogResolver::resolve(const Conflict &conflict) {
  CCompareDlg dialog(conflict);
  const QScreen *screen = owner_ ? owner_->screen() : QGuiApplication::primaryScreen();
  QRect rect(QPoint(), kSize);
  rect.moveCenter(screen->availableGeometry().center());
  const int result = dialog.DoModal(owner_, rect, 0);
  if (result < CCompareDlg::kFirstAnswer || result >= CCompareDlg::kFirstAnswer + 4) {
    return MergeChoice::PhoneToPc; // closed with the program: the phone is left as it is
  }
  return CCompareDlg::choiceOf(result);
}

} // namespace pdx::features
