// The symbol palette: the phone's ten symbols in a grid of pictures; a
// press and release over a symbol chooses it.
#pragma once

#include "features/common/symbol_grid.h"

#include <QPixmap>
#include <QWidget>

namespace pdx::features {

class SymbolPalette : public QWidget {
  Q_OBJECT

public:
  // `strip` holds the ten pictures side by side, `pictureWidth` each.
  SymbolPalette(QWidget *parent, const QPixmap &strip, int pictureWidth);

  int selection() const { return selection_; }
  void setSelection(int index);

Q_SIGNALS:
  void symbolChosen(int index);        // released over a symbol
  void symbolDoubleClicked(int index); // double click

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
  int hit(QPoint point) const;

  QPixmap strip_;
  int pictureWidth_;
  int selection_ = -1;
};

} // namespace pdx::features
