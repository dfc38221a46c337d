#include "features/common/ui/column_header.h"

#include "features/common/ui/drag_drop_list_box.h"

#include <QStandardItemModel>

namespace pdx::features {

ColumnHeader::ColumnHeader(QWidget *parent, CDragDropListBox *list, const QStringList &captions,
                           const QPixmap &icon)
    : QHeaderView(Qt::Horizontal, parent), list_(list), captions_(captions),
      model_(new QStandardItemModel(0, captions.size(), this)) {
  winlib::SetAccessibleItems(this, this, QAccessible::Grouping, QAccessible::ColumnHeader);
  setAccessibleName(tr("열 제목"));
  for (int i = 0; i < captions.size(); ++i) {
    auto *item = new QStandardItem(captions[i]);
    if (captions[i].isEmpty() && !icon.isNull()) {
      item->setIcon(icon);
    }
    item->setTextAlignment(Qt::AlignCenter);
    model_->setHorizontalHeaderItem(i, item);
  }
  setModel(model_);
  setDefaultAlignment(Qt::AlignCenter);
  setSectionsClickable(true);
  setStretchLastSection(true);
  setMinimumSectionSize(1);
  syncWidths();
  connect(this, &QHeaderView::sectionResized, this, &ColumnHeader::onSectionResized);
}

QString ColumnHeader::AccessibleItemText(int index) const {
  const QString caption = captions_.value(index);
  return caption.isEmpty() ? list_->columnName(index) : caption;
}

void ColumnHeader::syncWidths() {
  syncing_ = true;
  for (int i = 0; i + 1 < count(); ++i) {
    resizeSection(i, list_->columnWidth(i));
  }
  syncing_ = false;
}

void ColumnHeader::onSectionResized(int index, int, int newSize) {
  if (syncing_ || index + 1 >= count()) {
    return;
  }
  list_->moveColumn(index, newSize);
  syncWidths();
  Q_EMIT boundariesChanged(list_->boundaries());
}

} // namespace pdx::features
