#include "features/common/ui/drag_drop_list_box.h"

#include "core/base/cp949.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace pdx::features {

namespace {

const QColor kFocusedSelection(0, 0, 128);
const QColor kUnfocusedSelection(192, 192, 192);
constexpr int kTextIndent = 4;
constexpr int kInlineIconGap = 2;

} // namespace

CDragDropListBox::CDragDropListBox(QWidget *parent, const QPixmap &iconStrip, int iconCount,
                                   bool multipleSelection)
    : QAbstractScrollArea(parent), icons_(iconStrip), iconCount_(iconStrip.isNull() ? 0 : iconCount),
      multiple_(multipleSelection) {
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  winlib::SetAccessibleItems(this, this, QAccessible::List, QAccessible::ListItem);
}

int CDragDropListBox::rowHeight() const {
  return std::max(fontMetrics().height() + 4, 18);
}

void CDragDropListBox::setColumns(int count, const std::vector<int> &positions) {
  layout_.setColumns(count, positions);
  viewport()->update();
}

void CDragDropListBox::moveColumn(int i, int width) {
  layout_.moveColumn(i, width);
  viewport()->update();
}

void CDragDropListBox::setRows(std::vector<std::string> rows) {
  rows_ = std::move(rows);
  selected_.clear();
  focusRow_ = -1;
  updateScrollRange();
  viewport()->update();
}

void CDragDropListBox::insertRow(int index, std::string row) {
  index = std::clamp(index, 0, rowCount());
  rows_.insert(rows_.begin() + index, std::move(row));
  std::set<int> shifted;
  for (int r : selected_) {
    shifted.insert(r >= index ? r + 1 : r);
  }
  selected_ = shifted;
  updateScrollRange();
  viewport()->update();
}

void CDragDropListBox::replaceRow(int index, std::string row) {
  rows_.at(static_cast<size_t>(index)) = std::move(row);
  viewport()->update();
}

void CDragDropListBox::removeRow(int index) {
  rows_.erase(rows_.begin() + index);
  std::set<int> shifted;
  for (int r : selected_) {
    if (r != index) {
      shifted.insert(r > index ? r - 1 : r);
    }
  }
  selected_ = shifted;
  focusRow_ = std::min(focusRow_, rowCount() - 1);
  updateScrollRange();
  viewport()->update();
}

int CDragDropListBox::rowAt(QPoint listPoint) const {
  const int row = (listPoint.y() + verticalScrollBar()->value() * rowHeight()) / rowHeight();
  return listPoint.y() >= 0 && row < rowCount() ? row : -1;
}

void CDragDropListBox::selectRow(int row) {
  setSelection(row >= 0 && row < rowCount() ? std::set<int>{row} : std::set<int>{});
}

void CDragDropListBox::selectRange(int first, int last) {
  std::set<int> rows;
  for (int r = std::max(0, std::min(first, last)); r <= std::min(rowCount() - 1, std::max(first, last));
       ++r) {
    rows.insert(r);
  }
  setSelection(rows);
}

void CDragDropListBox::selectRows(const std::vector<int> &rows) {
  std::set<int> valid;
  for (int row : rows) {
    if (row >= 0 && row < rowCount()) {
      valid.insert(row);
    }
  }
  setSelection(valid);
}

void CDragDropListBox::setSelection(std::set<int> rows) {
  if (!rows.empty()) {
    focusRow_ = *rows.begin();
    const int visible = std::max(1, viewport()->height() / rowHeight());
    QScrollBar *bar = verticalScrollBar();
    if (focusRow_ < bar->value()) {
      bar->setValue(focusRow_);
    } else if (focusRow_ >= bar->value() + visible) {
      bar->setValue(focusRow_ - visible + 1);
    }
  }
  if (rows != selected_) {
    selected_ = std::move(rows);
    Q_EMIT selectionChanged();
    winlib::AnnounceCurrentItem(this);
  }
  viewport()->update();
}

void CDragDropListBox::updateScrollRange() {
  const int visible = std::max(1, viewport()->height() / rowHeight());
  verticalScrollBar()->setRange(0, std::max(0, rowCount() - visible));
  verticalScrollBar()->setPageStep(visible);
}

void CDragDropListBox::paintEvent(QPaintEvent *) {
  updateScrollRange();
  QPainter painter(viewport());
  const int first = verticalScrollBar()->value();
  for (int row = first, top = 0; row < rowCount() && top < viewport()->height(); ++row, top += rowHeight()) {
    paintRow(painter, row, top);
  }
}

void CDragDropListBox::paintRow(QPainter &painter, int row, int top) {
  const QRect rect(0, top, viewport()->width(), rowHeight());
  const bool selected = selected_.count(row) != 0;
  QColor ink = Qt::black;
  if (selected) {
    painter.fillRect(rect, focusColour_ && hasFocus() ? kFocusedSelection : kUnfocusedSelection);
    ink = Qt::white;
  }
  const std::vector<std::string> cells = splitCells(rowText(row));
  for (int c = 0; c < static_cast<int>(cells.size()) && c < layout_.columnCount(); ++c) {
    const QRect cell(columnLeft(c), top, columnWidth(c), rowHeight());
    paintCell(painter, cells[static_cast<size_t>(c)], cell, ink);
  }
  if (row == focusRow_ && hasFocus()) {
    painter.setPen(QPen(ink, 1, Qt::DotLine));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
  }
}

void CDragDropListBox::paintCell(QPainter &painter, const std::string &cell, QRect rect, QColor ink) {
  painter.save();
  painter.setClipRect(rect);
  painter.setPen(ink);
  const int iconWidth = iconCount_ > 0 ? icons_.width() / iconCount_ : 0;
  int x = rect.left() + kTextIndent;
  for (const CellPart &part : parseCell(cell, iconCount_)) {
    if (part.kind == CellPart::Text) {
      const QString text = QString::fromStdString(text::toUtf8(part.text));
      painter.drawText(QRect(x, rect.top(), rect.right() - x, rect.height()),
                       Qt::AlignVCenter | Qt::AlignLeft, text);
      x += painter.fontMetrics().horizontalAdvance(text);
      continue;
    }
    const QRect source(part.icon * iconWidth, 0, iconWidth, icons_.height());
    const int y = rect.top() + (rect.height() - icons_.height()) / 2;
    if (part.kind == CellPart::CentredIcon) {
      painter.drawPixmap(rect.left() + (rect.width() - iconWidth) / 2, y, icons_, source.x(), 0, iconWidth,
                         icons_.height());
    } else {
      painter.drawPixmap(x, y, icons_, source.x(), 0, iconWidth, icons_.height());
      x += iconWidth + kInlineIconGap;
    }
  }
  painter.restore();
}

void CDragDropListBox::mousePressEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  const int row = rowAt(event->position().toPoint());
  pressRow_ = row;
  pressColumn_ = hitColumn(event->position().toPoint());
  pressPos_ = event->position().toPoint();
  if (row < 0) {
    return;
  }
  const bool control = multiple_ && (event->modifiers() & Qt::ControlModifier);
  const bool shift = multiple_ && (event->modifiers() & Qt::ShiftModifier);
  setSelection(selectAfterClick(selected_, currentRow(), {row, control, shift}));
  focusRow_ = row;
}

void CDragDropListBox::mouseMoveEvent(QMouseEvent *event) {
  if (!(event->buttons() & Qt::LeftButton) || pressRow_ < 0 || owner_ == nullptr || !dragEnabled_) {
    return;
  }
  if (!dragging_ &&
      (event->position().toPoint() - pressPos_).manhattanLength() < QApplication::startDragDistance()) {
    return;
  }
  dragging_ = true;
  const QPoint global = event->globalPosition().toPoint();
  const bool valid = owner_->isValidDropTarget(global, pressRow_, pressColumn_);
  viewport()->setCursor(valid ? Qt::DragCopyCursor : Qt::ForbiddenCursor);
}

void CDragDropListBox::mouseReleaseEvent(QMouseEvent *event) {
  if (dragging_ && owner_ != nullptr) {
    const QPoint global = event->globalPosition().toPoint();
    const int row = pressRow_;
    const int column = pressColumn_;
    endDrag();
    if (owner_->isValidDropTarget(global, row, column)) {
      owner_->dropAt(global, row, column, event->modifiers());
    }
    return;
  }
  endDrag();
}

void CDragDropListBox::endDrag() {
  dragging_ = false;
  pressRow_ = -1;
  pressColumn_ = -1;
  viewport()->unsetCursor();
}

void CDragDropListBox::mouseDoubleClickEvent(QMouseEvent *event) {
  const int row = rowAt(event->position().toPoint());
  if (row >= 0) {
    Q_EMIT rowActivated(row);
  }
}

void CDragDropListBox::keyPressEvent(QKeyEvent *event) {
  const int current = focusRow_ >= 0 ? focusRow_ : currentRow();
  const int page = std::max(1, viewport()->height() / rowHeight());
  int target = -1;
  switch (event->key()) {
  case Qt::Key_Escape:
    if (dragging_) {
      endDrag();
      return;
    }
    event->ignore();
    return;
  case Qt::Key_Up:
    target = current - 1;
    break;
  case Qt::Key_Down:
    target = current + 1;
    break;
  case Qt::Key_PageUp:
    target = current - page;
    break;
  case Qt::Key_PageDown:
    target = current + page;
    break;
  case Qt::Key_Home:
    target = 0;
    break;
  case Qt::Key_End:
    target = rowCount() - 1;
    break;
  default:
    event->ignore();
    return;
  }
  if (rowCount() > 0) {
    target = std::clamp(target, 0, rowCount() - 1);
    if (multiple_ && (event->modifiers() & Qt::ShiftModifier) && current >= 0) {
      selectRange(current, target);
      focusRow_ = target;
    } else {
      selectRow(target);
    }
  }
}

void CDragDropListBox::focusInEvent(QFocusEvent *event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void CDragDropListBox::focusOutEvent(QFocusEvent *event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

} // namespace pdx::features
