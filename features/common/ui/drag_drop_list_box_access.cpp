// What assistive technology reads of the column list's rows.
#include "core/base/cp949.h"
#include "features/common/ui/drag_drop_list_box.h"

#include <QScrollBar>

namespace pdx::features {

QStringList CDragDropListBox::spokenCells(int row) const {
  QStringList cells;
  for (const std::string &cell : splitCells(rowText(row))) {
    QString spoken;
    for (const CellPart &part : parseCell(cell, iconCount_)) {
      const QString piece = part.kind == CellPart::Text     ? QString::fromStdString(text::toUtf8(part.text))
                            : part.icon < iconNames_.size() ? iconNames_[part.icon]
                                                            : QString();
      if (!piece.isEmpty()) {
        spoken += (spoken.isEmpty() ? QString() : QStringLiteral(" ")) + piece;
      }
    }
    cells.push_back(spoken);
  }
  return cells;
}

QString CDragDropListBox::AccessibleItemText(int row) const {
  QStringList said;
  for (const QString &cell : spokenCells(row)) {
    if (!cell.isEmpty()) {
      said.push_back(cell);
    }
  }
  return said.join(QStringLiteral(", "));
}

QString CDragDropListBox::AccessibleItemDescription(int row) const {
  const QStringList cells = spokenCells(row);
  QStringList said;
  for (int i = 0; i < cells.size() && i < columnNames_.size(); ++i) {
    if (!cells[i].isEmpty() && !columnNames_[i].isEmpty()) {
      said.push_back(columnNames_[i] + QStringLiteral(": ") + cells[i]);
    }
  }
  return said.join(QStringLiteral(", "));
}

QRect CDragDropListBox::AccessibleItemRect(int row) const {
  const int top = (row - verticalScrollBar()->value()) * rowHeight();
  if (row < 0 || row >= rowCount() || top + rowHeight() <= 0 || top >= viewport()->height()) {
    return {};
  }
  return QRect(viewport()->mapTo(this, QPoint(0, top)), QSize(viewport()->width(), rowHeight()));
}

} // namespace pdx::features
