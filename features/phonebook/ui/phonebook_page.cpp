#include "features/phonebook/ui/phonebook_page.h"

#include "features/common/column_settings.h"
#include "features/common/ui/column_header.h"
#include "features/groups/ui/dialog_parts.h"
#include "features/groups/ui/group_list_dlg.h"
#include "features/phonebook/phonebook_merge.h"
#include "features/phonebook/ui/entry_dlg.h"
#include "features/phonebook/ui/find_dlg.h"
#include "resources/resource_ids.h"
#include "resources/resource_store.h"
#include "winlib/bmp_button.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <algorithm>

namespace pdx::features {

namespace {

const std::vector<int> kDefaultBoundaries = {20, 87, 160, 260, 360, 460};
constexpr int kColumns = 7;
constexpr int kLastBoundary = 560;
constexpr QRect kHeaderRect(22, 121, 560, 20);
constexpr QRect kListRect(22, 141, 560, 226);

} // namespace

CPhonebookPage::CPhonebookPage(PhonebookPageContext context, QWidget *parent)
    : CPageFrame(context.page, {kHelp, kBack, kExit}), context_(std::move(context)), dialogUser_(this),
      dialogResolver_(this), user_(context_.user ? *context_.user : dialogUser_), phone_(context_.phone),
      editor_(context_.store, phone_, user_, context_.connected) {
  Create(tr("다이어리 전화번호부"), resources::kPagePhonebook, parent);
  phone_.setBusyWidgets({this});
  createControls();
  editor_.sortBy(kNameColumn);
  refill({});
  list_->setFocus();
}

void CPhonebookPage::createControls() {
  list_ = new CDragDropListBox(this, resources::ResourceStore::instance().pixmap(resources::kPhonebookIcons),
                               3, true);
  list_->setGeometry(kListRect);
  std::vector<int> bounds = loadColumnBoundaries(context_.settings, kColumnKey, kDefaultBoundaries);
  bounds.push_back(kLastBoundary);
  list_->setColumns(kColumns, bounds);
  list_->setDragEnabled(true);
  list_->setOwner(this);
  const QStringList columns = {QString(),  tr("그룹"),   tr("이름"), tr("집"),
                               tr("회사"), tr("휴대폰"), tr("삐삐")};
  list_->setAccessibleName(tr("전화번호 목록"));
  list_->setColumnNames(QStringList(columns).replaceInStrings(QRegularExpression("^$"), tr("상태")));
  list_->setIconNames({tr("휴대폰 저장"), QString(), tr("휴대폰 확인 안됨")});
  header_ = new ColumnHeader(this, list_, columns,
                             resources::ResourceStore::instance().pixmap(resources::kHeaderPhone));
  header_->setGeometry(kHeaderRect);
  connect(header_, &ColumnHeader::boundariesChanged, this, [this](const std::vector<int> &b) {
    storeColumnBoundaries(context_.settings, kColumnKey,
                          std::vector<int>(b.begin(), b.begin() + std::min<size_t>(b.size(), 6)));
  });
  connect(header_, &QHeaderView::sectionClicked, this,
          [this](int column) { sortKeepingSelection(static_cast<PhonebookColumn>(column)); });
  connect(list_, &CDragDropListBox::selectionChanged, this, [this] { updateButtons(); });
  connect(list_, &CDragDropListBox::rowActivated, this, [this](int) { modifySelected(); });

  addButton(kImport, tr("파일에서 추가"), {186, 43}, {90, 40});
  addButton(kGroups, tr("그룹이름 수정"), {281, 43}, {86, 40});
  addButton(kNew, tr("새 전화번호 입력"), {371, 43}, {46, 40});
  addButton(kDelete, tr("삭제"), {421, 43}, {46, 40});
  addButton(kModify, tr("수정"), {490, 43}, {46, 40});
  addButton(kFind, tr("찾기"), {540, 43}, {46, 40});
  addButton(kExport, tr("내보내기"), {22, 384}, {64, 40});
  addButton(kSpeedDial, tr("단축 다이얼 편집"), {312, 384}, {46, 40});
  addButton(kPrint, tr("인쇄"), {360, 384}, {46, 40});
  addRow(RowLook::Text);
}

void CPhonebookPage::addButton(Command command, const QString &caption, QPoint at, QSize size) {
  buttons_[command] = addTextButton(this, command, caption, at, size);
}

void CPhonebookPage::mergeOnOpen() {
  if (!context_.connected) {
    return;
  }
  PhonebookMerge merge(context_.store, phone_, user_,
                       context_.resolver ? *context_.resolver : dialogResolver_);
  merge.run();
  editor_.sortBy(editor_.sortColumn());
  refill({0});
}

void CPhonebookPage::refill(const std::vector<int> &select) {
  std::vector<std::string> rows;
  for (int row = 0; row < static_cast<int>(editor_.rowCount()); ++row) {
    rows.push_back(editor_.rowText(row));
  }
  list_->setRows(std::move(rows));
  list_->selectRows(select);
  updateButtons();
  if (context_.store.modified && context_.saveData) {
    context_.saveData();
  }
}

// Sorts by `column`, keeping the selected entries selected where they land.
void CPhonebookPage::sortKeepingSelection(PhonebookColumn column) {
  std::vector<core::PhoneBookEntry> chosen;
  for (int row : selection()) {
    chosen.push_back(editor_.entry(row));
  }
  editor_.sortBy(column);
  std::vector<int> rows;
  std::vector<bool> taken(editor_.rowCount(), false);
  for (const core::PhoneBookEntry &entry : chosen) {
    for (size_t row = 0; row < taken.size(); ++row) {
      const core::PhoneBookEntry &e = editor_.entry(static_cast<int>(row));
      if (!taken[row] && compareBySortKey(e, entry) == 0 && e.phoneSlot == entry.phoneSlot) {
        taken[row] = true;
        rows.push_back(static_cast<int>(row));
        break;
      }
    }
  }
  refill(rows);
}

std::vector<int> CPhonebookPage::selection() const {
  const std::set<int> &rows = list_->selectedRows();
  return {rows.begin(), rows.end()};
}

void CPhonebookPage::updateButtons() {
  const bool selected = !list_->selectedRows().empty();
  buttons_[kDelete]->Enable(selected);
  buttons_[kModify]->Enable(selected);
  buttons_[kSpeedDial]->Enable(context_.connected && context_.openSpeedDial != nullptr);
}

void CPhonebookPage::beginOperation() {
  cancel_ = false;
  dialogUser_.setCancel(false);
}

std::function<void()> CPhonebookPage::ownCommand(int id) {
  static constexpr PageCommand<CPhonebookPage> kCommands[] = {
      {kImport, [](CPhonebookPage &page) { page.importFile(); }},
      {kGroups, [](CPhonebookPage &page) { page.openGroups(); }},
      {kNew, [](CPhonebookPage &page) { page.newEntry(); }},
      {kDelete, [](CPhonebookPage &page) { page.deleteSelected(); }},
      {kModify, [](CPhonebookPage &page) { page.modifySelected(); }},
      {kFind, [](CPhonebookPage &page) { page.find(); }},
      {kPrint, [](CPhonebookPage &page) { page.print(); }},
      {kExport, [](CPhonebookPage &page) { page.exportPhonebook(); }},
      {kSpeedDial,
       [](CPhonebookPage &page) {
         if (page.context_.openSpeedDial) {
           page.context_.openSpeedDial();
         }
       }},
  };
  return tableCommand<CPhonebookPage>(*this, kCommands, id);
}

void CPhonebookPage::keyPressEvent(QKeyEvent *event) {
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
  switch (event->key()) {
  case Qt::Key_Escape:
    cancel_ = true;
    dialogUser_.setCancel(true);
    return event->ignore();
  case Qt::Key_Insert:
    return newEntry();
  case Qt::Key_Delete:
    return deleteSelected();
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return modifySelected();
  case Qt::Key_F3:
    return findNext(shift);
  default:
    break;
  }
  if (!ctrl) {
    return CPageFrame::keyPressEvent(event);
  }
  switch (event->key()) {
  case Qt::Key_N:
    return newEntry();
  case Qt::Key_F:
    return find();
  case Qt::Key_L:
    return findNext(shift);
  case Qt::Key_G:
    return openGroups();
  case Qt::Key_P:
    return print();
  default:
    break;
  }
  // Ctrl+1 to Ctrl+7 sort by the columns, as a click on their header does.
  if (event->key() >= Qt::Key_1 && event->key() < Qt::Key_1 + kColumns) {
    editor_.sortBy(static_cast<PhonebookColumn>(event->key() - Qt::Key_1));
    return refill({});
  }
  CPageFrame::keyPressEvent(event);
}

} // namespace pdx::features
