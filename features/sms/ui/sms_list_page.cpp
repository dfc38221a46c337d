#include "features/sms/ui/sms_list_page.h"

#include "core/base/cp949.h"
#include "features/common/column_settings.h"
#include "features/common/ui/column_header.h"
#include "features/groups/ui/dialog_parts.h"
#include "features/phonebook/ui/file_choice.h"
#include "features/sms/ui/sms_printing.h"
#include "resources/resource_ids.h"
#include "resources/resource_store.h"
#include "winlib/bmp_button.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPrinter>

namespace pdx::features {

namespace {

constexpr int kMessageIconCount = 15;

} // namespace

CSmsListPage::CSmsListPage(SmsPageContext context, Layout layout, QWidget *parent)
    : CPageFrame(context.page, {kHelp, kBack, kExit}), context_(std::move(context)),
      layout_(std::move(layout)), dialogUser_(this), user_(context_.user ? *context_.user : dialogUser_),
      phone_(context_.phone), editor_(context_.store, phone_, user_, context_.clock, context_.callback) {
  Create(layout_.caption, layout_.skin, parent);
  createControls();
}

void CSmsListPage::createControls() {
  const bool icons = layout_.box == SmsBoxKind::Received;
  list_ = new CDragDropListBox(
      this, icons ? resources::ResourceStore::instance().pixmap(resources::kMessageIcons) : QPixmap(),
      icons ? kMessageIconCount : 0, false);
  list_->setGeometry(layout_.list);
  list_->setAccessibleName(tr("메시지 목록"));
  std::vector<int> bounds =
      loadColumnBoundaries(context_.settings, layout_.columnKey, layout_.defaultBoundaries);
  bounds.push_back(layout_.lastBoundary);
  list_->setColumns(static_cast<int>(bounds.size()), bounds);
  list_->setDragEnabled(true);
  list_->setOwner(this);
  auto *header = new ColumnHeader(this, list_, layout_.columns);
  header->setGeometry(layout_.header);
  header->setAccessibleName(tr("목록 머리글"));
  connect(header, &ColumnHeader::boundariesChanged, this, [this](const std::vector<int> &b) {
    const size_t stored = layout_.defaultBoundaries.size();
    storeColumnBoundaries(
        context_.settings, layout_.columnKey,
        std::vector<int>(b.begin(), b.begin() + static_cast<long>(std::min(b.size(), stored))));
  });
  connect(list_, &CDragDropListBox::selectionChanged, this, [this] {
    showSelected();
    selectionChanged();
    updateButtons();
  });
  pane_ = new QPlainTextEdit(this);
  pane_->setGeometry(layout_.pane);
  pane_->setReadOnly(true);
  pane_->setTabChangesFocus(true);
  pane_->setFrameShape(QFrame::NoFrame);
  pane_->setStyleSheet(QStringLiteral("QPlainTextEdit { background: white; }"));
  pane_->setAccessibleName(tr("메시지 내용"));
  buttonKeys_ = new ButtonKeys(this);
  addButton(kSave, tr("저장"), {310, 385});
  addButton(kPrint, tr("인쇄"), {360, 385});
  addRow(RowLook::Text);
  for (winlib::CBmpButton *button : rowButtons()) {
    buttonKeys_->add(button);
    buttons_[button->CommandId()] = button;
  }
  phone_.setBusyWidgets({list_});
}

void CSmsListPage::addButton(Command command, const QString &caption, QPoint at, QSize size) {
  winlib::CBmpButton *button = addTextButton(this, command, caption, at, size);
  buttonKeys_->add(button);
  buttons_[command] = button;
}

void CSmsListPage::finishSetUp(std::initializer_list<Command> tabOrder) {
  QWidget *previous = pane_;
  QWidget::setTabOrder(list_, pane_);
  for (Command command : tabOrder) {
    QWidget::setTabOrder(previous, buttons_.at(command));
    previous = buttons_.at(command);
  }
  refill(0);
  list_->setFocus();
}

void CSmsListPage::refill(int select) {
  std::vector<std::string> rows;
  for (int row = 0; row < static_cast<int>(editor_.box(layout_.box).size()); ++row) {
    rows.push_back(rowText(row));
  }
  list_->setRows(std::move(rows));
  select = std::min(select, list_->rowCount() - 1);
  if (select >= 0) {
    list_->selectRow(select);
  }
  showSelected();
  updateButtons();
}

void CSmsListPage::showSelected() {
  const int row = selectedRow();
  pane_->setPlainText(row < 0 ? QString()
                              : QString::fromStdString(layout_.formatPane(message(row), wholeText(row))));
}

std::function<void()> CSmsListPage::ownCommand(int id) {
  static constexpr PageCommand<CSmsListPage> kShared[] = {
      {kSave, [](CSmsListPage &page) { page.saveSelected(); }},
      {kPrint, [](CSmsListPage &page) { page.print(); }},
  };
  std::function<void()> run = tableCommand<CSmsListPage>(*this, ownCommands(), id);
  return run ? run : tableCommand<CSmsListPage>(*this, kShared, id);
}

bool CSmsListPage::runCommand(int id) {
  const auto button = buttons_.find(id);
  if (button != buttons_.end() && button->second->State() == winlib::ButtonState::Disabled) {
    return true;
  }
  return CPageFrame::runCommand(id);
}

winlib::CBmpButton *CSmsListPage::buttonAt(QPoint globalPos) const {
  for (const auto &[command, button] : buttons_) {
    if (dropCommands().count(command) != 0 && button->isVisible() &&
        button->State() != winlib::ButtonState::Disabled &&
        button->rect().contains(button->mapFromGlobal(globalPos))) {
      return button;
    }
  }
  return nullptr;
}

bool CSmsListPage::isValidDropTarget(QPoint globalPos, int, int) {
  return !busy() && buttonAt(globalPos) != nullptr;
}

void CSmsListPage::dropAt(QPoint globalPos, int sourceRow, int, Qt::KeyboardModifiers) {
  if (busy()) {
    return;
  }
  if (winlib::CBmpButton *button = buttonAt(globalPos)) {
    list_->selectRow(sourceRow);
    OnCommand(button->CommandId(), winlib::kNotifyCommand);
  }
}

void CSmsListPage::saveSelected() {
  if (selectedRow() < 0) {
    return;
  }
  const QString path = chooseFileToSave(this, context_.messageFolder, QStringLiteral("*.txt"));
  if (!path.isEmpty()) {
    saveTo(path);
  }
}

std::string CSmsListPage::wholeText(int row) const {
  const core::SmsMessage &message = editor_.box(layout_.box)[static_cast<size_t>(row)];
  return context_.wholeText ? context_.wholeText(message) : text::toUtf8(message.text.view());
}

void CSmsListPage::saveTo(const QString &path) {
  const int row = selectedRow();
  if (row < 0) {
    return;
  }
  if (core::exportSmsText(path.toStdString(), message(row), text::fromUtf8(wholeText(row))) !=
      DocResult::Ok) {
    user_.tell(tr("메시지를 저장할 수 없습니다.").toStdString());
  }
}

void CSmsListPage::print() {
  if (selectedRow() < 0) {
    return;
  }
  if (const std::optional<PrintOptions> options = choosePrintOptions(this, printOptions_, true)) {
    printOptions_ = *options;
    printWith(*options);
  }
}

void CSmsListPage::printWith(const PrintOptions &options) {
  const int row = selectedRow();
  if (row < 0) {
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  if (options.printer.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(options.pdfPath);
  } else {
    printer.setPrinterName(options.printer);
  }
  printer.setDocName(QStringLiteral("Pelodex - %1").arg(layout_.caption));
  PrintOutcome outcome = PrintOutcome::CannotOpen;
  if (printer.isValid()) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    outcome =
        printSms(printer, message(row), text::fromUtf8(wholeText(row)), layout_.box == SmsBoxKind::Received);
    QApplication::restoreOverrideCursor();
  }
  if (outcome != PrintOutcome::Printed) {
    user_.tell(printOutcomeMessage(outcome));
  }
}

} // namespace pdx::features
