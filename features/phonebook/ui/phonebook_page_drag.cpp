// Drag and drop on the page: numbers between number cells, and rows onto
// the 삭제 and 수정 buttons.
#include "features/phonebook/ui/phonebook_page.h"
#include "winlib/bmp_button.h"

namespace pdx::features {

namespace {

bool isNumberColumn(int column) {
  return column >= kHomeColumn && column <= kPagerColumn;
}

} // namespace

winlib::CBmpButton *CPhonebookPage::buttonAt(QPoint globalPos) const {
  for (const Command command : {kDelete, kModify}) {
    winlib::CBmpButton *b = buttons_.at(command);
    if (b->State() != winlib::ButtonState::Disabled && b->rect().contains(b->mapFromGlobal(globalPos))) {
      return b;
    }
  }
  return nullptr;
}

// The number column under a point of the list and its row; -1 elsewhere.
int CPhonebookPage::numberKindAt(QPoint globalPos, int *row) const {
  const QPoint at = list_->viewport()->mapFromGlobal(globalPos);
  if (!list_->viewport()->rect().contains(at)) {
    return -1;
  }
  *row = list_->rowAt(at);
  const int column = list_->hitColumn(at);
  return *row >= 0 && isNumberColumn(column) ? column : -1;
}

bool CPhonebookPage::isValidDropTarget(QPoint globalPos, int sourceRow, int sourceColumn) {
  if (buttonAt(globalPos)) {
    return true;
  }
  int row = -1;
  const int column = numberKindAt(globalPos, &row);
  return isNumberColumn(sourceColumn) && column >= 0 && (row != sourceRow || column != sourceColumn);
}

void CPhonebookPage::dropAt(QPoint globalPos, int sourceRow, int sourceColumn,
                            Qt::KeyboardModifiers modifiers) {
  if (winlib::CBmpButton *b = buttonAt(globalPos)) {
    return OnCommand(b->CommandId(), winlib::kNotifyCommand);
  }
  if (!isValidDropTarget(globalPos, sourceRow, sourceColumn)) {
    return;
  }
  int row = -1;
  const int column = numberKindAt(globalPos, &row);
  beginOperation();
  const bool copy = modifiers.testFlag(Qt::ControlModifier);
  // Both rows may move in the sorted list; the target stays selected.
  const std::string targetName(editor_.entry(row).name.view());
  if (editor_.moveNumber(sourceRow, sourceColumn - kHomeColumn, row, column - kHomeColumn, copy)) {
    for (int r = 0; r < static_cast<int>(editor_.rowCount()); ++r) {
      if (editor_.entry(r).name.view() == targetName) {
        return refill({r});
      }
    }
  }
  refill(selection());
}

} // namespace pdx::features
