#include "winlib/wait_window.h"

#include "resources/fonts.h"
#include "resources/resource_ids.h"
#include "winlib/access/accessibility.h"
#include "winlib/bmp_button.h"
#include "winlib/rules/button_rules.h"
#include "winlib/rules/time_left.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace pdx::winlib {

namespace {

constexpr QSize kSize(360, 150);

} // namespace

CWaitWindow::CWaitWindow(QWidget *page, const QString &text, std::function<void()> onCancel)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      onCancel_(std::move(onCancel)) {
  setAccessibleName(text);
  setFont(resources::dialogFont());
  setStyleSheet(
      QStringLiteral("pdx--winlib--CWaitWindow { background: #f4f6fa; border: 2px solid #29467a; }"));
  setAttribute(Qt::WA_StyledBackground);
  resize(kSize);
  text_ = new QLabel(text, this);
  text_->setAlignment(Qt::AlignCenter);
  text_->setGeometry(10, 14, kSize.width() - 20, 20);
  bar_ = new QProgressBar(this);
  bar_->setAccessibleName(text);
  bar_->setTextVisible(false);
  bar_->setRange(0, 0);
  bar_->setGeometry(20, 44, kSize.width() - 40, 18);
  count_ = new QLabel(this);
  count_->setGeometry(20, 68, 120, 18);
  timeLeft_ = new QLabel(this);
  timeLeft_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  timeLeft_->setGeometry(kSize.width() - 200, 68, 180, 18);
  cancel_ = new CBmpButton(this);
  cancel_->Create(kPushStyle, QRect((kSize.width() - 42) / 2, 106, 0, 0), this, 2, resources::kButtonCancel,
                  3);
  connect(cancel_, &CBmpButton::commandSent, this, [this] { askCancel(); });
  const QRect area = page ? page->geometry() : QGuiApplication::primaryScreen()->availableGeometry();
  move(area.center() - QPoint(kSize.width() / 2, kSize.height() / 2));
  clock_.start();
}

QString CWaitWindow::CountText() const {
  return count_->text();
}

QString CWaitWindow::TimeLeftText() const {
  return timeLeft_->text();
}

void CWaitWindow::SetProgress(int done, int total) {
  if (total <= 0) {
    bar_->setRange(0, 0);
    count_->clear();
    timeLeft_->clear();
    return;
  }
  if (done == 0) {
    clock_.restart(); // the pace counts from the first record asked for
  }
  bar_->setRange(0, total);
  bar_->setValue(done);
  count_->setText(QStringLiteral("%1 / %2").arg(done).arg(total));
  timeLeft_->setText(QString::fromStdString(timeLeftText(done, total, clock_.elapsed())));
  AnnounceName(count_, count_->text());
}

void CWaitWindow::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape) {
    askCancel();
    return;
  }
  QWidget::keyPressEvent(event);
}

void CWaitWindow::askCancel() {
  if (cancelAsked_) {
    return;
  }
  cancelAsked_ = true;
  cancel_->hide();
  text_->setText(QCoreApplication::translate("pdx::winlib::WaitWindow", "취소하는 중입니다."));
  if (onCancel_) {
    onCancel_();
  }
}

} // namespace pdx::winlib
