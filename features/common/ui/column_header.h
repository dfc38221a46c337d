// The header above a column list: one item per column, resizable; resizing
// an item moves the list's boundary and every later one. Assistive
// technology sees a group of column headers named by their captions; an
// item without one (an icon column) by the list's name of its column.
#pragma once

#include "winlib/access/item_list.h"

#include <QHeaderView>
#include <QPixmap>
#include <QStringList>
#include <vector>

class QStandardItemModel;

namespace pdx::features {

class CDragDropListBox;

class ColumnHeader : public QHeaderView, public winlib::AccessibleItems {
  Q_OBJECT

public:
  // Items take their widths from the list's boundaries; an item whose
  // caption is empty shows `icon` instead (for icon columns).
  ColumnHeader(QWidget *parent, CDragDropListBox *list, const QStringList &captions,
               const QPixmap &icon = {});

  // Re-reads the widths from the list's boundaries.
  void syncWidths();

  int AccessibleItemCount() const override { return count(); }
  QString AccessibleItemText(int index) const override;
  QRect AccessibleItemRect(int index) const override {
    return QRect(sectionViewportPosition(index), 0, sectionSize(index), height());
  }
  bool AccessibleItemSelected(int) const override { return false; }
  int AccessibleCurrentItem() const override { return -1; }

Q_SIGNALS:
  // The boundaries after the user resized an item; the page stores them.
  void boundariesChanged(const std::vector<int> &boundaries);

private:
  void onSectionResized(int index, int oldSize, int newSize);

  CDragDropListBox *list_;
  QStringList captions_;
  QStandardItemModel *model_;
  bool syncing_ = false;
};

} // namespace pdx::features
