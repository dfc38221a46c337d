// CWaitWindow: what a page shows while a long exchange with the phone runs:
// the sentence of the exchange, a progress bar with the count ("37 / 200")
// and the time left, and a Cancel button. Esc and the button ask the
// exchange to stop (the caller's `onCancel`); the window stays until the
// caller closes it. Assistive technology hears the progress and the count.
#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <functional>

class QLabel;
class QProgressBar;

namespace pdx::winlib {

class CBmpButton;

class CWaitWindow : public QWidget {
  Q_OBJECT

public:
  // Centred on `page` (on the screen without one), above it.
  CWaitWindow(QWidget *page, const QString &text, std::function<void()> onCancel);

  // `done` of `total` records; total 0 leaves the bar moving without a count.
  void SetProgress(int done, int total);
  bool CancelAsked() const { return cancelAsked_; }
  QString CountText() const;
  QString TimeLeftText() const;

protected:
  void keyPressEvent(QKeyEvent *event) override;

private:
  void askCancel();

  QLabel *text_ = nullptr;
  QProgressBar *bar_ = nullptr;
  QLabel *count_ = nullptr;
  QLabel *timeLeft_ = nullptr;
  CBmpButton *cancel_ = nullptr;
  std::function<void()> onCancel_;
  QElapsedTimer clock_;
  bool cancelAsked_ = false;
};

} // namespace pdx::winlib
