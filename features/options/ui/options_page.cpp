#include "features/options/ui/options_page.h"

#include "core/base/cp949.h"
#include "features/common/ui/text_fields.h"
#include "features/groups/ui/dialog_parts.h"
#include "resources/fonts.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

namespace pdx::features {

COptionsPage::COptionsPage(OptionsPageContext context, QWidget *parent)
    : CPageFrame(context.page, {kHelp, kBack, kExit}), context_(std::move(context)), dialogUser_(this),
      user_(context_.user ? *context_.user : dialogUser_), editor_(context_.store, context_.phone, user_) {
  Create(tr("휴대폰 환경 설정"), resources::kPageOptions, parent);
  list_ = new CDragDropListBox(this, QPixmap(), 0, false);
  list_->setGeometry(QRect(QPoint(22, 69), QPoint(377, 365)));
  list_->setColumns(2, {200, 347});
  list_->setAccessibleName(tr("휴대폰 환경 설정 목록"));
  std::vector<std::string> rows;
  for (int row = 0; row < kOptionRows; ++row) {
    rows.push_back(listRow(editor_.options(), row));
  }
  list_->setRows(std::move(rows));
  list_->viewport()->installEventFilter(this);
  list_->installEventFilter(this);
  connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { cancelEditor(); });
  createButtons();
  list_->selectRow(0);
  list_->setFocus();
}

void COptionsPage::createButtons() {
  const auto add = [this](Command command, const QString &caption, QPoint at) {
    buttons_[command] = addTextButton(this, command, caption, at, QSize(46, 40));
    buttons_[command]->Enable(true);
  };
  add(kApply, tr("적용"), {346, 383});
  addRow(RowLook::Text);
  buttons_[kApply]->Enable(editor_.canApply());
}

QRect COptionsPage::valueCell(int row) const {
  const int top = (row - list_->verticalScrollBar()->value()) * list_->rowHeight();
  const QPoint origin = list_->viewport()->mapTo(this, QPoint(list_->columnLeft(1), top));
  return QRect(origin, QSize(list_->columnWidth(1), list_->rowHeight()));
}

void COptionsPage::refreshRow(int row) {
  list_->replaceRow(row, listRow(editor_.options(), row));
}

void COptionsPage::openEditor(int row) {
  commitEdit();
  cancelEditor();
  if (!OptionsEditor::editable(row)) {
    return;
  }
  editRow_ = row;
  const QString name = QString::fromStdString(shownLabel(row)).trimmed();
  if (optionRow(row).kind == OptionKind::Choice) {
    return openChoices(row, name);
  }
  edit_ = new ByteLimitedEdit(this, optionRow(row).length);
  edit_->setFont(resources::dialogFont());
  edit_->setBytes(textValue(editor_.options(), row));
  edit_->setGeometry(valueCell(row));
  edit_->setAccessibleName(name);
  edit_->installEventFilter(this);
  connect(edit_, &QLineEdit::editingFinished, this, [this] { commitEdit(); });
  edit_->show();
  edit_->selectAll();
  edit_->setFocus();
}

// The choices drop down from the value cell, at most this much taller than
// the cell, and rise above it where the settings list ends.
void COptionsPage::openChoices(int row, const QString &name) {
  constexpr int kDropHeight = 140;
  choice_ = new QListWidget(this);
  choice_->setFont(resources::dialogFont());
  choice_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (const std::string &choice : shownChoices(row)) {
    choice_->addItem(QString::fromStdString(choice));
  }
  choice_->setAccessibleName(name);
  choice_->setCurrentRow(shownChoice(editor_.options(), row));
  const QRect cell = valueCell(row);
  const int height = std::min(choice_->count() * choice_->sizeHintForRow(0) + 2 * choice_->frameWidth(),
                              cell.height() + kDropHeight);
  const int top = cell.top() + height <= list_->geometry().bottom() ? cell.top() : cell.bottom() + 1 - height;
  choice_->setGeometry(cell.left(), top, cell.width(), height);
  choice_->scrollToItem(choice_->currentItem());
  choice_->installEventFilter(this);
  connect(choice_, &QListWidget::clicked, this,
          [this, row](const QModelIndex &index) { choose(row, index.row()); });
  choice_->show();
  choice_->raise();
  choice_->setFocus();
}

void COptionsPage::choose(int row, int index) {
  editor_.choose(row, index);
  refreshRow(row);
  cancelEditor();
  list_->setFocus();
}

void COptionsPage::commitEdit() {
  if (!edit_) {
    return;
  }
  const std::string text = edit_->bytes();
  const int row = editRow_;
  cancelEditor();
  if (editor_.commitText(row, text)) {
    refreshRow(row);
    buttons_[kApply]->Enable(editor_.canApply());
  }
}

void COptionsPage::cancelEditor() {
  // Detached first: hiding moves the focus, which must not commit.
  const QPointer<QWidget> open[] = {choice_.data(), edit_.data()};
  choice_ = nullptr;
  edit_ = nullptr;
  editRow_ = -1;
  for (const QPointer<QWidget> &widget : open) {
    if (widget) {
      widget->removeEventFilter(this);
      widget->disconnect(this);
      widget->hide();
      widget->deleteLater();
    }
  }
}

void COptionsPage::apply() {
  commitEdit();
  list_->setEnabled(false);
  buttons_[kApply]->Enable(false);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  (void)editor_.apply();
  QApplication::restoreOverrideCursor();
  list_->setEnabled(true);
  buttons_[kApply]->Enable(editor_.canApply());
  list_->setFocus();
}

std::function<void()> COptionsPage::ownCommand(int id) {
  static constexpr PageCommand<COptionsPage> kCommands[] = {
      {kApply, [](COptionsPage &page) { page.apply(); }},
  };
  return tableCommand<COptionsPage>(*this, kCommands, id);
}

bool COptionsPage::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::KeyPress) {
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == edit_ && enter) {
      commitEdit();
      list_->setFocus();
      return true;
    }
    if (watched == choice_ && enter && choice_->currentRow() >= 0) {
      choose(editRow_, choice_->currentRow());
      return true;
    }
    if (key->key() == Qt::Key_Escape && (watched == choice_ || watched == edit_)) {
      cancelEditor();
      list_->setFocus();
      return true;
    }
    if (enter && watched == list_ && !choice_ && !edit_) {
      openEditor(list_->currentRow());
      return true;
    }
  }
  if (event->type() == QEvent::FocusOut && watched == choice_) {
    cancelEditor(); // as a drop-down closes when the user turns elsewhere
  }
  if (event->type() == QEvent::MouseButtonRelease && watched == list_->viewport()) {
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const int row = list_->rowAt(mouse->position().toPoint());
    if (mouse->button() == Qt::LeftButton && row >= 0) {
      openEditor(row);
    }
  }
  return CPageFrame::eventFilter(watched, event);
}

} // namespace pdx::features
