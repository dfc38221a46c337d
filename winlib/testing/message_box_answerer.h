// Answering the suite's message boxes in widget tests: while an answerer
// lives, the newest running box is answered (Yes where it has that button,
// else OK) within a few milliseconds of opening, and its text and icon are
// kept in order.
#pragma once

#include "winlib/bmp_message_box.h"

#include <QApplication>
#include <QTimer>
#include <utility>
#include <vector>

namespace pdx::winlib::testing {

class MessageBoxAnswerer {
public:
  MessageBoxAnswerer() {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      CBmpMessageBox *newest = nullptr;
      for (QWidget *w : QApplication::allWidgets()) {
        if (auto *box = qobject_cast<CBmpMessageBox *>(w); box != nullptr && box->IsRunning()) {
          newest = box;
        }
      }
      if (newest != nullptr) {
        seen.emplace_back(newest->accessibleName(), newest->Layout().icon);
        newest->EndDialog(newest->Button(kIdYes) != nullptr ? kIdYes : kIdOk);
      }
    });
    poll_.start(10);
  }
  // The boxes answered: their text (lines joined by blanks) and icon.
  std::vector<std::pair<QString, MessageBoxIcon>> seen;

private:
  QTimer poll_;
};

} // namespace pdx::winlib::testing
