// The column list of the feature pages: rows of tab-separated code page 949
// texts drawn in columns, with icons from a strip, single or multiple
// selection, and dragging onto other parts of the owner page.
#pragma once

#include "features/common/column_rules.h"
#include "winlib/access/item_list.h"

#include <QAbstractScrollArea>
#include <QPixmap>
#include <QStringList>
#include <set>
#include <string>
#include <vector>

namespace pdx::features {

// What the owner page answers while a row is dragged.
class DragOwner {
public:
  virtual ~DragOwner() = default;
  // Whether a drop at `globalPos` would do something.
  virtual bool isValidDropTarget(QPoint globalPos, int sourceRow, int sourceColumn) = 0;
  // Performs the drop at `globalPos`.
  virtual void dropAt(QPoint globalPos, int sourceRow, int sourceColumn, Qt::KeyboardModifiers modifiers) = 0;
};

// Assistive technology sees a list whose items are the rows, each named by
// its cells (an icon by its meaning) and described with the column names.
class CDragDropListBox : public QAbstractScrollArea, public winlib::AccessibleItems {
  Q_OBJECT

public:
  // `iconStrip` holds `iconCount` icons side by side (none when null).
  CDragDropListBox(QWidget *parent, const QPixmap &iconStrip, int iconCount, bool multipleSelection);

  void setColumns(int count, const std::vector<int> &positions);
  int columnLeft(int i) const { return layout_.columnLeft(i); }
  int columnWidth(int i) const { return layout_.columnWidth(i, viewport()->width()); }
  void moveColumn(int i, int width);
  const std::vector<int> &boundaries() const { return layout_.boundaries(); }
  // The column under a point of the list (-1 left of it).
  int hitColumn(QPoint listPoint) const { return layout_.hitColumn(listPoint.x()); }

  void setRows(std::vector<std::string> rows);
  void insertRow(int index, std::string row);
  void replaceRow(int index, std::string row);
  void removeRow(int index);
  int rowCount() const { return static_cast<int>(rows_.size()); }
  const std::string &rowText(int index) const { return rows_.at(static_cast<size_t>(index)); }
  int rowAt(QPoint listPoint) const;

  int currentRow() const { return selected_.empty() ? -1 : *selected_.begin(); }
  const std::set<int> &selectedRows() const { return selected_; }
  void selectRow(int row);
  void selectRange(int first, int last);
  // Selects exactly the given rows (those outside the list are left out).
  void selectRows(const std::vector<int> &rows);

  void setDragEnabled(bool enabled) { dragEnabled_ = enabled; }
  void setOwner(DragOwner *owner) { owner_ = owner; }
  void setFocusColour(bool on) { focusColour_ = on; }
  // What assistive technology says for the columns and for the icons of
  // the strip (empty names are left out).
  void setColumnNames(QStringList names) { columnNames_ = std::move(names); }
  QString columnName(int i) const { return columnNames_.value(i); }
  void setIconNames(QStringList names) { iconNames_ = std::move(names); }

  int AccessibleItemCount() const override { return rowCount(); }
  QString AccessibleItemText(int row) const override;
  QString AccessibleItemDescription(int row) const override;
  QRect AccessibleItemRect(int row) const override;
  bool AccessibleItemSelected(int row) const override { return selected_.count(row) != 0; }
  int AccessibleCurrentItem() const override { return focusRow_ >= 0 ? focusRow_ : currentRow(); }
  int rowHeight() const;

Q_SIGNALS:
  void selectionChanged();
  void rowActivated(int row);

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;

private:
  void paintRow(QPainter &painter, int row, int top);
  void paintCell(QPainter &painter, const std::string &cell, QRect rect, QColor ink);
  void setSelection(std::set<int> rows);
  void updateScrollRange();
  void endDrag();
  QStringList spokenCells(int row) const;

  ColumnLayout layout_;
  QStringList columnNames_;
  QStringList iconNames_;
  QPixmap icons_;
  int iconCount_ = 0;
  bool multiple_ = false;
  std::vector<std::string> rows_;
  std::set<int> selected_;
  int focusRow_ = -1;
  bool focusColour_ = true;
  bool dragEnabled_ = false;
  DragOwner *owner_ = nullptr;
  int pressRow_ = -1;
  int pressColumn_ = -1;
  QPoint pressPos_;
  bool dragging_ = false;
};

} // namespace pdx::features
