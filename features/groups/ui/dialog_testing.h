// Driving modal dialogs from widget tests: steps queued before a dialog's
// loop starts run inside it, on the newest open dialog of the wanted class.
#pragma once

#include "features/common/symbol_grid.h"
#include "features/common/ui/symbol_palette.h"
#include "winlib/bmp_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace pdx::features::testing {

// The newest running dialog of class T, or nullptr.
template <typename T> T *openDialog() {
  T *found = nullptr;
  for (QWidget *w : QApplication::allWidgets()) {
    if (auto *d = qobject_cast<T *>(w); d && d->IsRunning()) {
      found = d;
    }
  }
  return found;
}

// Runs `steps` on the next dialog of class T once it is open. When no such
// dialog opens, the test fails and every open dialog (the suite's, and a
// modal one of Qt's) is cancelled so that the test does not hang.
template <typename T> void whenOpen(std::function<void(T &)> steps) {
  QTimer::singleShot(0, [steps = std::move(steps)] {
    if (T *dialog = openDialog<T>()) {
      steps(*dialog);
      return;
    }
    ADD_FAILURE() << "the expected dialog did not open";
    winlib::CBmpDialog::CloseAll();
    if (auto *other = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
      other->reject();
    }
  });
}

// Clicks symbol `index` of a palette of 27-pixel pictures.
inline void clickSymbol(SymbolPalette *palette, int index) {
  const SymbolGrid grid = SymbolGrid::forWidth(palette->width(), 27);
  QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(grid.cellX(index) + 14, grid.cellY(index, 27) + 14));
}

} // namespace pdx::features::testing
