#include "features/common/ui/symbol_palette.h"

#include <QMouseEvent>
#include <QPainter>

namespace pdx::features {

SymbolPalette::SymbolPalette(QWidget *parent, const QPixmap &strip, int pictureWidth)
    : QWidget(parent), strip_(strip), pictureWidth_(pictureWidth) {}

int SymbolPalette::hit(QPoint point) const {
  return SymbolGrid::forWidth(width(), pictureWidth_).hit(point.x(), point.y(), strip_.height());
}

void SymbolPalette::setSelection(int index) {
  selection_ = index >= 0 && index < kSymbolCount ? index : -1;
  update();
}

void SymbolPalette::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  const SymbolGrid grid = SymbolGrid::forWidth(width(), pictureWidth_);
  const int h = strip_.height();
  for (int i = 0; i < kSymbolCount; ++i) {
    const QRect cell(grid.cellX(i), grid.cellY(i, h), pictureWidth_ + 1, h + 1);
    painter.drawPixmap(cell.left() + 1, cell.top() + 1, strip_, i * pictureWidth_, 0, pictureWidth_, h);
    painter.setPen(i == selection_ ? QColor(0, 0, 128) : QColor(160, 160, 160));
    painter.drawRect(cell);
  }
}

void SymbolPalette::mousePressEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton) {
    setSelection(hit(event->position().toPoint()));
  }
}

void SymbolPalette::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  const int index = hit(event->position().toPoint());
  setSelection(index);
  if (index >= 0) {
    Q_EMIT symbolChosen(index);
  }
}

void SymbolPalette::mouseDoubleClickEvent(QMouseEvent *event) {
  const int index = hit(event->position().toPoint());
  if (index >= 0) {
    Q_EMIT symbolDoubleClicked(index);
  }
}

} // namespace pdx::features
