// The symbol palette: the phone's ten symbols in a grid of pictures; a
// press and release over a symbol chooses it. From the keyboard the arrows
// move the selection and Enter or Space chooses it; assistive technology
// sees a list of the symbols by name.
#pragma once

#include "features/common/symbol_grid.h"
#include "winlib/access/item_list.h"

#include <QPixmap>
#include <QWidget>

namespace pdx::features {

class SymbolPalette : public QWidget, public winlib::AccessibleItems {
  Q_OBJECT

public:
  // `strip` holds the ten pictures side by side, `pictureWidth` each.
  SymbolPalette(QWidget *parent, const QPixmap &strip, int pictureWidth);

  int selection() const { return selection_; }
  void setSelection(int index);

  int AccessibleItemCount() const override { return kSymbolCount; }
  QString AccessibleItemText(int index) const override;
  QRect AccessibleItemRect(int index) const override;
  bool AccessibleItemSelected(int index) const override { return index == selection_; }
  int AccessibleCurrentItem() const override { return selection_; }

Q_SIGNALS:
  void symbolChosen(int index);        // released over a symbol
  void symbolDoubleClicked(int index); // double click

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;

private:
  int hit(QPoint point) const;

  QPixmap strip_;
  int pictureWidth_;
  int selection_ = -1;
};

} // namespace pdx::features
