#include "features/speeddial/ui/speed_dial_page.h"

#include "features/common/column_settings.h"
#include "features/common/row_find.h"
#include "features/common/ui/column_header.h"
#include "features/common/ui/type_to_find.h"
#include "features/groups/ui/dialog_parts.h"
#include "features/speeddial/ui/assign_dlg.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"

#include <QKeyEvent>

namespace pdx::features {
namespace {

const std::vector<int> kKeyBoundaries = {25, 100};
constexpr int kKeyLast = 233;
const std::vector<int> kNumberBoundaries = {90, 233};

} // namespace

CSpeedDialPage::CSpeedDialPage(SpeedDialPageContext context, QWidget *parent)
    : CPageFrame(context.page, {kHelp, kBack, kExit}), context_(std::move(context)), dialogUser_(this),
      user_(context_.user ? *context_.user : dialogUser_), phone_(context_.phone),
      editor_(context_.store, phone_, user_) {
  Create(tr("단축 다이얼 편집"), resources::kPageSpeedDial, parent);
  phone_.setBusyWidgets({this});
  createLists();
  createButtons();
  refillNumbers();
  refillKeys(0);
  keys_->setFocus();
}

void CSpeedDialPage::createLists() {
  keys_ = new CDragDropListBox(this, QPixmap(), 0, false);
  keys_->setGeometry(QRect(QPoint(22, 90), QPoint(255, 369)));
  std::vector<int> bounds = loadColumnBoundaries(context_.settings, kColumnKey, kKeyBoundaries);
  bounds.push_back(kKeyLast);
  keys_->setColumns(3, bounds);
  keys_->setAccessibleName(tr("단축 다이얼 목록"));
  keys_->setColumnNames({tr("단축다이얼 번호"), tr("이름"), tr("전화번호")});
  keyHeader_ = new ColumnHeader(this, keys_, {QString(), tr("이름"), tr("전화번호")});
  keyHeader_->setGeometry(QRect(QPoint(22, 70), QPoint(255, 89)));
  keyHeader_->setAccessibleName(tr("단축 다이얼 목록 머리글"));
  connect(keyHeader_, &ColumnHeader::boundariesChanged, this, [this](const std::vector<int> &b) {
    storeColumnBoundaries(context_.settings, kColumnKey, std::vector<int>(b.begin(), b.begin() + 2));
  });
  numbers_ = new CDragDropListBox(this, QPixmap(), 0, false);
  numbers_->setGeometry(QRect(QPoint(347, 90), QPoint(580, 369)));
  numbers_->setColumns(2, kNumberBoundaries);
  numbers_->setAccessibleName(tr("휴대폰 전화번호부 목록"));
  numberHeader_ = new ColumnHeader(this, numbers_, {tr("이름"), tr("전화번호")});
  numberHeader_->setGeometry(QRect(QPoint(347, 70), QPoint(580, 89)));
  numberHeader_->setAccessibleName(tr("휴대폰 전화번호부 목록 머리글"));
  connect(numberHeader_, &QHeaderView::sectionClicked, this, [this](int column) {
    editor_.sortNumbers(column == 0 ? NumberSort::ByName : NumberSort::ByNumber);
    refillNumbers();
  });
  for (auto [list, drag] : {std::pair{keys_, &keyDrag_}, std::pair{numbers_, &numberDrag_}}) {
    list->setDragEnabled(true);
    list->setOwner(drag);
    connect(list, &CDragDropListBox::selectionChanged, this, [this] { updateButtons(); });
  }
  connect(numbers_, &CDragDropListBox::rowActivated, this, [this](int) { assignSelected(); });
  new TypeToFind(numbers_, [this](const std::string &query) {
    if (const int row = firstRowByName(editor_.numberRows(), query); row >= 0) {
      numbers_->selectRow(row);
    }
  });
}

void CSpeedDialPage::createButtons() {
  const auto add = [this](Command command, const QString &caption, QPoint at) {
    buttons_[command] = addTextButton(this, command, caption, at, QSize(46, 40));
  };
  add(kAssign, tr("지정"), {279, 74});
  add(kDelete, tr("삭제"), {279, 137});
  add(kPhonebook, tr("전화번호부"), {362, 385});
  addRow(RowLook::Text);
}

bool CSpeedDialPage::busy() const {
  return phone_.busy() || (context_.linkBusy && context_.linkBusy());
}

void CSpeedDialPage::refillKeys(int select) {
  std::vector<std::string> rows;
  for (int key = 0; key < core::kSpeedDialKeys; ++key) {
    rows.push_back(editor_.keyRow(key));
  }
  keys_->setRows(std::move(rows));
  keys_->selectRow(select);
  updateButtons();
}

void CSpeedDialPage::refillNumbers() {
  std::vector<std::string> rows;
  for (const NumberRow &row : editor_.numberRows()) {
    rows.push_back(row.text);
  }
  numbers_->setRows(std::move(rows));
  updateButtons();
}

void CSpeedDialPage::updateButtons() {
  buttons_[kAssign]->Enable(numbers_->currentRow() >= 0 && !busy());
  buttons_[kDelete]->Enable(editor_.assigned(keys_->currentRow()));
  buttons_[kPhonebook]->Enable(context_.backToPhonebook != nullptr);
}

int CSpeedDialPage::askNumber(int slot, int kind, int start) {
  if (context_.chooseNumber) {
    return context_.chooseNumber(slot, kind, start);
  }
  const core::PhoneBookEntry &entry = context_.store.phonePhonebook[static_cast<size_t>(slot)];
  CAssignDlg dialog(std::string(entry.name.view()), kind,
                    std::string(entry.numbers[static_cast<size_t>(kind)].view()), start);
  return dialog.DoModal(this, std::nullopt, 0) == winlib::kIdOkCommand ? dialog.number() : 0;
}

void CSpeedDialPage::assignSelected(std::optional<int> targetKey) {
  const int row = numbers_->currentRow();
  if (row < 0 || busy()) {
    return;
  }
  const NumberRow number = editor_.numberRows()[static_cast<size_t>(row)];
  int key = targetKey.value_or(-1);
  if (!targetKey) {
    const int selected = keys_->currentRow();
    key = askNumber(number.slot, number.kind,
                    editor_.startNumber(selected >= 0 ? std::optional(selected) : std::nullopt)) -
          1;
  }
  if (key >= 0 && editor_.assign(key, number.slot, number.kind)) {
    refillKeys(key);
  }
  updateButtons();
}

void CSpeedDialPage::deleteSelected() {
  const int key = keys_->currentRow();
  if (editor_.clear(key)) {
    refillKeys(key);
  }
  updateButtons();
}

std::function<void()> CSpeedDialPage::ownCommand(int id) {
  static constexpr PageCommand<CSpeedDialPage> kCommands[] = {
      {kAssign, [](CSpeedDialPage &page) { page.assignSelected(); }},
      {kDelete, [](CSpeedDialPage &page) { page.deleteSelected(); }},
      {kPhonebook,
       [](CSpeedDialPage &page) {
         if (page.context_.backToPhonebook) {
           page.context_.backToPhonebook();
         }
       }},
  };
  return tableCommand<CSpeedDialPage>(*this, kCommands, id);
}

std::optional<std::pair<DropTarget, int>> CSpeedDialPage::targetAt(QPoint globalPos) const {
  for (const auto &[command, target] :
       {std::pair{kAssign, DropTarget::AssignButton}, std::pair{kDelete, DropTarget::DeleteButton}}) {
    const winlib::CBmpButton *b = buttons_.at(command);
    if (b->rect().contains(b->mapFromGlobal(globalPos))) {
      return std::pair{target, -1};
    }
  }
  const QPoint at = keys_->viewport()->mapFromGlobal(globalPos);
  if (keys_->viewport()->rect().contains(at) && keys_->rowAt(at) >= 0) {
    return std::pair{DropTarget::Key, keys_->rowAt(at)};
  }
  return std::nullopt;
}

bool CSpeedDialPage::validDrop(bool fromKeys, QPoint globalPos, int sourceRow) const {
  const auto target = targetAt(globalPos);
  if (!target) {
    return false;
  }
  return fromKeys ? editor_.keyDropAllowed(sourceRow, target->first, target->second, busy())
                  : editor_.numberDropAllowed(target->first, target->second, busy());
}

void CSpeedDialPage::drop(bool fromKeys, QPoint globalPos, int sourceRow) {
  if (!validDrop(fromKeys, globalPos, sourceRow)) {
    return;
  }
  const auto [target, key] = *targetAt(globalPos);
  if (!fromKeys) {
    numbers_->selectRow(sourceRow);
    return assignSelected(target == DropTarget::Key ? std::optional(key) : std::nullopt);
  }
  if (target == DropTarget::DeleteButton) {
    keys_->selectRow(sourceRow);
    return deleteSelected();
  }
  if (editor_.move(sourceRow, key)) {
    refillKeys(key);
  }
}

void CSpeedDialPage::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Insert && numbers_->hasFocus()) {
    return assignSelected();
  }
  if (event->key() == Qt::Key_Delete && keys_->hasFocus()) {
    return deleteSelected();
  }
  CPageFrame::keyPressEvent(event);
}

} // namespace pdx::features
