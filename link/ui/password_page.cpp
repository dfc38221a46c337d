#include "link/ui/password_page.h"

#include "link/ui/link_status_indicator.h"
#include "resources/fonts.h"
#include "resources/resource_ids.h"
#include "winlib/access/accessibility.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_message_box.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace pdx::link {

namespace {

constexpr int kKeyX[] = {390, 435, 480};
constexpr int kKeyY[] = {203, 250, 297, 344};
// Commands of the keypad, row by row as on a phone.
constexpr int kKeys[4][3] = {{3100, 3101, 3102}, {3103, 3104, 3105}, {3106, 3107, 3108}, {3113, 3109, 3114}};
constexpr int kStar = 3113;
constexpr int kHash = 3114;
constexpr int kZero = 3109;
constexpr int kPasswordLength = 4;
const QRect kDisplay(75, 240, 190, 105);

// Pauses with the user interface running.
void pause(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

} // namespace

PasswordDisplay::PasswordDisplay(QWidget *parent) : QWidget(parent) {
  setGeometry(kDisplay);
  winlib::SetAccessibleRole(this, QAccessible::StaticText);
  setDigits(0);
  show();
}

void PasswordDisplay::setDigits(int count) {
  digits_ = count;
  // The digits stay secret; their number is said.
  winlib::AnnounceName(
      this, QCoreApplication::translate("pdx::link::PasswordDisplay", "비밀번호 %1자리 입력됨").arg(count));
  update();
}

void PasswordDisplay::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const QFont font = resources::font("Times New Roman", 60);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QString stars(digits_, QChar('*'));
  const QFontMetrics metrics(font);
  const int baseline = (height() + metrics.ascent() - metrics.descent()) / 2 + metrics.descent();
  painter.drawText(5, baseline, stars);
  const int caretX = 5 + metrics.horizontalAdvance(stars) + 1;
  painter.drawLine(caretX, (height() - metrics.height()) / 2 + 4, caretX,
                   (height() + metrics.height()) / 2 - 4);
}

PasswordPage::PasswordPage(LinkStatus &status) : status_(status) {
  setFocusPolicy(Qt::StrongFocus);
}

void PasswordPage::OnCreate() {
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 3; ++column) {
      auto *key = new winlib::CBmpButton(this);
      const int id = kKeys[row][column];
      key->Create(winlib::kPushStyle, QRect(kKeyX[column], kKeyY[row], 0, 0), this, id, id, 3);
      key->Enable(id != kStar && id != kHash);
    }
  }
  const struct {
    int id;
    QPoint at;
    int frames;
  } buttons[] = {{kOkCommand, {547, 49}, 4},
                 {kExitCommand, {547, 99}, 3},
                 {kHelpCommand, {547, 148}, 3},
                 {kWithoutPhoneCommand, {545, 384}, 3}};
  for (const auto &b : buttons) {
    auto *button = new winlib::CBmpButton(this);
    button->setObjectName(QString::number(b.id));
    button->Create(b.frames == 4 ? winlib::kPushDisabledStyle : winlib::kPushStyle, QRect(b.at, QSize()),
                   this, b.id, b.id, b.frames);
  }
  display_ = new PasswordDisplay(this);
  indicator_ = new LinkStatusIndicator(this, status_);
  Refresh();
}

void PasswordPage::Refresh() {
  display_->setDigits(static_cast<int>(digits_.size()));
  if (auto *ok = findChild<winlib::CBmpButton *>(QString::number(kOkCommand))) {
    ok->Enable(digits_.size() == kPasswordLength);
  }
}

void PasswordPage::AddDigit(char digit) {
  if (digits_.size() < kPasswordLength) {
    digits_.push_back(digit);
    Refresh();
  }
}

void PasswordPage::OnCommand(int id, int code) {
  if (code != winlib::kNotifyCommand) {
    return;
  }
  if (id >= kKeys[0][0] && id <= kKeys[2][2]) {
    AddDigit(static_cast<char>('1' + id - kKeys[0][0]));
  } else if (id == kZero) {
    AddDigit('0');
  } else if (id == kOkCommand && digits_.size() == kPasswordLength) {
    End(kOk);
  } else if (id == kExitCommand) {
    End(kClose);
  } else if (id == kWithoutPhoneCommand) {
    End(kWithoutPhone);
  } else if ((id == kHelpCommand || id == 1001) && help_) {
    help_();
  }
}

void PasswordPage::keyPressEvent(QKeyEvent *event) {
  const int key = event->key();
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    AddDigit(static_cast<char>('0' + key - Qt::Key_0));
  } else if (key == Qt::Key_Backspace) {
    if (!digits_.empty()) {
      digits_.pop_back();
      Refresh();
    }
  } else if (key == Qt::Key_Escape) {
    digits_.clear();
    Refresh();
  } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && digits_.size() == kPasswordLength) {
    End(kOk);
  } else {
    winlib::CBmpWnd::keyPressEvent(event);
  }
}

void PasswordPage::closeEvent(QCloseEvent *event) {
  event->ignore();
  End(kClose);
}

void PasswordPage::End(Result result) {
  result_ = result;
  if (loop_ != nullptr) {
    loop_->quit();
  }
}

PasswordPage::Result PasswordPage::RunPage() {
  QEventLoop loop;
  loop_ = &loop;
  result_ = kClose;
  setFocus();
  loop.exec();
  loop_ = nullptr;
  return result_;
}

LogOnView::Choice PasswordPage::askPassword(std::string &digits) {
  switch (RunPage()) {
  case kOk:
    digits = digits_;
    return Choice::Ok;
  case kWithoutPhone:
    return Choice::WithoutPhone;
  case kClose:
    break;
  }
  return Choice::Close;
}

void PasswordPage::showWaiting(const char *text) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  auto *label = new QLabel(QString::fromUtf8(text), this, Qt::Tool | Qt::FramelessWindowHint);
  label->setFont(resources::dialogFont());
  label->setAlignment(Qt::AlignCenter);
  label->setStyleSheet("QLabel { background: #f4f6fa; border: 2px solid #29467a; padding: 16px; }");
  label->adjustSize();
  label->move(mapToGlobal(QPoint((width() - label->width()) / 2, (height() - label->height()) / 2)));
  label->show();
  waiting_ = label;
  QApplication::processEvents();
}

void PasswordPage::hideWaiting() {
  delete waiting_;
  QApplication::restoreOverrideCursor();
}

void PasswordPage::showStop(const char *text) {
  winlib::CBmpMessageBox::Show(this, QString::fromUtf8(text), QString(), winlib::kMbOk | winlib::kMbIconStop);
}

void PasswordPage::shake() {
  const QPoint home = pos();
  for (int i = 0; i < 3; ++i) {
    move(home - QPoint(10, 0));
    pause(10);
    move(home + QPoint(10, 0));
    pause(10);
  }
  move(home);
}

} // namespace pdx::link
