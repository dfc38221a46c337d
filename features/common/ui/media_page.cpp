#include "features/common/ui/media_page.h"

#include "core/base/cp949.h"

#include <QKeyEvent>

namespace pdx::features {

namespace {

CDragDropListBox *makeList(QWidget *page, QRect rect, const QString &name) {
  auto *list = new CDragDropListBox(page, QPixmap(), 0, false);
  list->setGeometry(rect);
  list->setColumns(1, {rect.width()});
  list->setAccessibleName(name);
  return list;
}

// The main menu's ids of exit (1000), help (1001) and back (1003) as the
// page's row; other ids unchanged.
int fromMenu(int id, const PageRowIds &row) {
  switch (id) {
  case 1000:
    return row.exit;
  case 1001:
    return row.help;
  case 1003:
    return row.back;
  default:
    return id;
  }
}

} // namespace

CMediaPage::CMediaPage(PageContext context, Ids ids) : CPageFrame(std::move(context), ids.row), ids_(ids) {}

void CMediaPage::createLists(QRect files, QRect items, const QString &filesName, const QString &itemsName) {
  files_ = makeList(this, files, filesName);
  items_ = makeList(this, items, itemsName);
  items_->setDragEnabled(true);
  items_->setOwner(this);
  connect(files_, &CDragDropListBox::selectionChanged, this, [this] {
    if (!filling_) {
      mediaLogic().catalog().chooseFile(files_->currentRow());
      refillItems();
    }
  });
  connect(items_, &CDragDropListBox::selectionChanged, this, [this] {
    if (!filling_) {
      mediaLogic().catalog().chooseItem(items_->currentRow());
      mediaLogic().choiceChanged();
      updateButtons();
    }
  });
  connect(items_, &CDragDropListBox::rowActivated, this,
          [this](int) { OnCommand(ids_.play, winlib::kNotifyCommand); });
}

void CMediaPage::refillFiles() {
  const MediaCatalog &catalog = mediaLogic().catalog();
  filling_ = true;
  std::vector<std::string> rows;
  for (int i = 0; i < static_cast<int>(catalog.files().size()); ++i) {
    rows.push_back(text::fromUtf8(catalog.fileLabel(i)));
  }
  files_->setRows(std::move(rows));
  if (catalog.chosenFile() >= 0) {
    files_->selectRow(catalog.chosenFile());
  }
  filling_ = false;
  refillItems();
}

void CMediaPage::refillItems() {
  const MediaCatalog &catalog = mediaLogic().catalog();
  filling_ = true;
  std::vector<std::string> rows;
  for (const CatalogItem &item : catalog.items()) {
    rows.push_back(item.name);
  }
  items_->setRows(std::move(rows));
  if (catalog.chosenItem() >= 0) {
    items_->selectRow(catalog.chosenItem());
  }
  filling_ = false;
  mediaLogic().choiceChanged();
  updateButtons();
}

void CMediaPage::OnProgramMessage(uint32_t message) {
  switch (mediaLogic().onProgramMessage(message)) {
  case CatalogChange::Everything:
    return refillFiles();
  case CatalogChange::Items:
    return refillItems();
  case CatalogChange::Nothing:
    break;
  }
}

bool CMediaPage::isValidDropTarget(QPoint globalPos, int, int) {
  return dropCommandAt(globalPos) != 0;
}

void CMediaPage::dropAt(QPoint globalPos, int sourceRow, int, Qt::KeyboardModifiers) {
  const int command = dropCommandAt(globalPos);
  if (command == 0 || sourceRow < 0) {
    return;
  }
  items_->selectRow(sourceRow); // chooses the dragged item
  OnCommand(command, winlib::kNotifyCommand);
}

bool CMediaPage::runCommand(int id) {
  id = fromMenu(id, ids_.row);
  const std::function<void()> run = commandFor(id);
  if (!run) {
    return false;
  }
  const bool needsChoice = id == ids_.play || (id >= ids_.firstSlot && id < ids_.firstSlot + 3);
  if (needsChoice && !mediaLogic().catalog().hasChoice()) {
    return true;
  }
  mediaLogic().beforeCommand();
  // The command may replace the page; it goes away only once we returned.
  run();
  return true;
}

int CMediaPage::keyCommand(const QKeyEvent &event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  const int key = event.key();
  if (modifiers == Qt::ControlModifier) {
    return key == Qt::Key_P ? ids_.play : key == Qt::Key_E ? ids_.editor : 0;
  }
  if (modifiers != Qt::NoModifier) {
    return 0;
  }
  if (key >= Qt::Key_1 && key <= Qt::Key_3) {
    return ids_.firstSlot + (key - Qt::Key_1);
  }
  switch (key) {
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return ids_.play;
  case Qt::Key_F1:
    return ids_.row.help;
  case Qt::Key_Escape:
    return mediaLogic().running() ? ids_.stop : ids_.row.back;
  default:
    return 0;
  }
}

void CMediaPage::keyPressEvent(QKeyEvent *event) {
  const int command = keyCommand(*event);
  if (command == 0) {
    return CPageFrame::keyPressEvent(event);
  }
  OnCommand(command, winlib::kNotifyCommand);
}

void CMediaPage::hideEvent(QHideEvent *event) {
  mediaLogic().beforeCommand();
  CPageFrame::hideEvent(event);
}

} // namespace pdx::features
