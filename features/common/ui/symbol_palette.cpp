#include "features/common/ui/symbol_palette.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace pdx::features {

namespace {

// What the ten pictures show, in index order.
const char *const kSymbolNames[kSymbolCount] = {
    QT_TRANSLATE_NOOP("pdx::features::SymbolPalette", "전화기"),
    QT_TRANSLATE_NOOP("pdx::features::SymbolPalette", "휴대폰"),
    QT_TRANSLATE_NOOP("pdx::features::SymbolPalette", "삐삐"),
    QT_TRANSLATE_NOOP("pdx::features::SymbolPalette", "편지"),
    QT_TRANSLATE_NOOP("pdx::features::SymbolPalette", "집"),
    QT_TRANSLATE_NOOP("pdx::features::SymbolPalette", "회사"),
    QT_TRANSLATE_NOOP("pdx::features::SymbolPalette", "하트"),
    QT_TRANSLATE_NOOP("pdx::features::SymbolPalette", "별"),
    QT_TRANSLATE_NOOP("pdx::features::SymbolPalette", "음표"),
    QT_TRANSLATE_NOOP("pdx::features::SymbolPalette", "웃는 얼굴")};

} // namespace

SymbolPalette::SymbolPalette(QWidget *parent, const QPixmap &strip, int pictureWidth)
    : QWidget(parent), strip_(strip), pictureWidth_(pictureWidth) {
  // Tab reaches the palette; a click leaves the focus in the text box.
  setFocusPolicy(Qt::TabFocus);
  winlib::SetAccessibleItems(this, this, QAccessible::List, QAccessible::ListItem);
  setAccessibleName(tr("기호"));
}

QString SymbolPalette::AccessibleItemText(int index) const {
  return index >= 0 && index < kSymbolCount ? tr(kSymbolNames[index]) : QString();
}

QRect SymbolPalette::AccessibleItemRect(int index) const {
  const SymbolGrid grid = SymbolGrid::forWidth(width(), pictureWidth_);
  return QRect(grid.cellX(index), grid.cellY(index, strip_.height()), pictureWidth_ + 1, strip_.height() + 1);
}

int SymbolPalette::hit(QPoint point) const {
  return SymbolGrid::forWidth(width(), pictureWidth_).hit(point.x(), point.y(), strip_.height());
}

void SymbolPalette::setSelection(int index) {
  const int chosen = index >= 0 && index < kSymbolCount ? index : -1;
  if (chosen != selection_) {
    selection_ = chosen;
    winlib::AnnounceCurrentItem(this);
  }
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
  if (hasFocus()) {
    painter.setPen(QPen(QColor(0x10, 0x20, 0x60), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
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

void SymbolPalette::keyPressEvent(QKeyEvent *event) {
  const int columns = SymbolGrid::forWidth(width(), pictureWidth_).columns;
  const int at = selection_ < 0 ? 0 : selection_;
  int step = 0;
  switch (event->key()) {
  case Qt::Key_Left:
    step = -1;
    break;
  case Qt::Key_Right:
    step = 1;
    break;
  case Qt::Key_Up:
    step = -columns;
    break;
  case Qt::Key_Down:
    step = columns;
    break;
  case Qt::Key_Return:
  case Qt::Key_Enter:
  case Qt::Key_Space:
    if (selection_ < 0) {
      event->ignore(); // the dialog's Enter
      return;
    }
    Q_EMIT symbolChosen(selection_);
    return;
  default:
    QWidget::keyPressEvent(event);
    return;
  }
  // The first arrow selects the first symbol; later ones move within the grid.
  setSelection(selection_ < 0 ? 0 : std::clamp(at + step, 0, kSymbolCount - 1));
}

void SymbolPalette::focusInEvent(QFocusEvent *event) {
  QWidget::focusInEvent(event);
  update();
}

void SymbolPalette::focusOutEvent(QFocusEvent *event) {
  QWidget::focusOutEvent(event);
  update();
}

} // namespace pdx::features
