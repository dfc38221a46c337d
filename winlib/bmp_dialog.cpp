#include "winlib/bmp_dialog.h"

#include "winlib/access/accessibility.h"
#include "winlib/bmp_wnd_based_app.h"
#include "winlib/dialog_skin.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace pdx::winlib {

namespace {

std::vector<CBmpDialog *> &openDialogs() {
  static std::vector<CBmpDialog *> dialogs;
  return dialogs;
}

struct Waiting {
  QPointer<QObject> context;
  std::function<void()> action;
};

std::vector<Waiting> &waitingForNone() {
  static std::vector<Waiting> actions;
  return actions;
}

// Queued, so that the dialog's DoModal has returned to its caller first.
void runWaitingWhenNoneOpen() {
  if (!openDialogs().empty()) {
    return;
  }
  std::vector<Waiting> actions;
  actions.swap(waitingForNone());
  for (Waiting &w : actions) {
    if (w.context) {
      QTimer::singleShot(0, w.context, std::move(w.action));
    }
  }
}

void forget(CBmpDialog *dialog) {
  auto &dialogs = openDialogs();
  dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), dialog), dialogs.end());
  runWaitingWhenNoneOpen();
}

} // namespace

CBmpDialog::CBmpDialog(QWidget *parent) : CMouseMoveWnd(parent) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(300, 150);
  InstallAccessibility();
}

CBmpDialog::~CBmpDialog() {
  // Destroyed inside its own loop: the loop must not run on.
  if (loop_) {
    loop_->quit();
    forget(this);
  }
}

int CBmpDialog::DoModal(QWidget *owner, std::optional<QRect> rect, int captionId, int) {
  if (loop_) {
    return kIdCancelCommand;
  }
  QPointer<CBmpDialog> self(this);
  QPointer<QWidget> ownerWindow(owner ? owner->window() : nullptr);
  captionId_ = captionId;
  result_ = kIdCancelCommand;
  ended_ = false;
  place(ownerWindow, rect);
  OnInitDialog();
  composeSkin();
  if (ownerWindow) {
    ownerWindow->setEnabled(false);
    setEnabled(true);
  }
  openDialogs().push_back(this);
  QEventLoop loop;
  loop_ = &loop;
  show();
  raise();
  activateWindow();
  // The control OnInitDialog focused keeps the focus; else the first one.
  if (focusWidget() == nullptr) {
    focusNextChild();
  }
  loop.exec(QEventLoop::DialogExec);
  if (ownerWindow) {
    ownerWindow->setEnabled(true);
  }
  if (!self) {
    // Destroyed instead of ended: the program cannot go on sensibly.
    if (CBmpWndBasedApp *app = CBmpWndBasedApp::Instance()) {
      app->DestroyMainWindow();
    }
    return kIdCancelCommand;
  }
  forget(this);
  loop_ = nullptr;
  hide();
  return result_;
}

void CBmpDialog::place(QWidget *owner, std::optional<QRect> rect) {
  if (rect) {
    setGeometry(*rect);
    return;
  }
  if (owner) {
    move(owner->geometry().topLeft() + QPoint(100, 100));
    return;
  }
  if (const QScreen *screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

void CBmpDialog::EndDialog(int result) {
  result_ = result;
  ended_ = true;
  if (loop_) {
    loop_->quit();
  }
  hide();
}

QRect CBmpDialog::ContentRect() const {
  return contentRect_.value_or(defaultContentRect(size()));
}

void CBmpDialog::SetContentRect(const QRect &rect) {
  contentRect_ = rect;
  composeSkin();
}

void CBmpDialog::SetCaption(int captionId) {
  captionId_ = captionId;
  composeSkin();
}

void CBmpDialog::SetCaptionText(const QString &text) {
  captionText_ = text;
  setWindowTitle(text);
  composeSkin();
}

void CBmpDialog::CloseAll() {
  const std::vector<CBmpDialog *> dialogs = openDialogs();
  for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it) {
    (*it)->EndDialog(kIdCancelCommand);
  }
}

int CBmpDialog::OpenCount() {
  return static_cast<int>(openDialogs().size());
}

void CBmpDialog::WhenNoneOpen(QObject *context, std::function<void()> action) {
  waitingForNone().push_back({context, std::move(action)});
  runWaitingWhenNoneOpen();
}

void CBmpDialog::OnCommand(int id, int code) {
  if (code == kNotifyCommand && id == kIdOkCommand) {
    OnOK();
  } else if (code == kNotifyCommand && id == kIdCancelCommand) {
    OnCancel();
  } else {
    CMouseMoveWnd::OnCommand(id, code);
  }
}

void CBmpDialog::OnOK() {
  EndDialog(kIdOkCommand);
}

void CBmpDialog::OnCancel() {
  EndDialog(kIdCancelCommand);
}

void CBmpDialog::composeSkin() {
  skin_ = QPixmap::fromImage(composeDialogSkin(size(), ContentRect(), captionId_, captionText_));
  update();
}

void CBmpDialog::paintEvent(QPaintEvent *) {
  QPainter p(this);
  if (skin_.size() != size()) {
    composeSkin();
  }
  p.drawPixmap(0, 0, skin_);
}

void CBmpDialog::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
  case Qt::Key_Escape:
    OnCancel();
    return;
  case Qt::Key_Return:
  case Qt::Key_Enter:
    OnOK();
    return;
  default:
    CMouseMoveWnd::keyPressEvent(event);
  }
}

void CBmpDialog::resizeEvent(QResizeEvent *event) {
  CMouseMoveWnd::resizeEvent(event);
  composeSkin();
}

void CBmpDialog::closeEvent(QCloseEvent *event) {
  if (!loop_) {
    CMouseMoveWnd::closeEvent(event);
    return;
  }
  event->ignore();
  OnCancel();
}

} // namespace pdx::winlib
