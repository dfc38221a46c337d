// The header above a column list: one item per column, resizable; resizing
// an item moves the list's boundary and every later one.
#pragma once

#include <QHeaderView>
#include <QPixmap>
#include <QStringList>
#include <vector>

class QStandardItemModel;

namespace pdx::features {

class CDragDropListBox;

class ColumnHeader : public QHeaderView {
  Q_OBJECT

public:
  // Items take their widths from the list's boundaries; an item whose
  // caption is empty shows `icon` instead (for icon columns).
  ColumnHeader(QWidget *parent, CDragDropListBox *list, const QStringList &captions,
               const QPixmap &icon = {});

  // Re-reads the widths from the list's boundaries.
  void syncWidths();

Q_SIGNALS:
  // The boundaries after the user resized an item; the page stores them.
  void boundariesChanged(const std::vector<int> &boundaries);

private:
  void onSectionResized(int index, int oldSize, int newSize);

  CDragDropListBox *list_;
  QStandardItemModel *model_;
  bool syncing_ = false;
};

} // namespace pdx::features
