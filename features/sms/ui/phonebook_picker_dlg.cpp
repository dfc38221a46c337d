#include "features/sms/ui/phonebook_picker_dlg.h"

#include "features/common/column_settings.h"
#include "features/common/row_find.h"
#include "features/common/ui/column_header.h"
#include "features/common/ui/drag_drop_list_box.h"
#include "features/common/ui/type_to_find.h"
#include "features/groups/ui/dialog_parts.h"
#include "features/sms/ui/button_keys.h"
#include "winlib/bmp_button.h"

namespace pdx::features {

namespace {

const std::vector<int> kDefaultBoundaries = {100, 190};
constexpr int kLastBoundary = 300;

} // namespace

CPhonebookPickerDlg::CPhonebookPickerDlg(std::vector<PickerRow> rows, platform::Settings &settings)
    : rows_(std::move(rows)), settings_(settings) {
  SetDialogSize(QSize(360, 330));
  SetCaptionText(tr("전화번호부"));
}

void CPhonebookPickerDlg::OnInitDialog() {
  list_ = new CDragDropListBox(this, QPixmap(), 0, false);
  list_->setGeometry(25, 65, 310, 210);
  list_->setAccessibleName(tr("전화번호 목록"));
  std::vector<int> bounds = loadColumnBoundaries(settings_, kColumnKey, kDefaultBoundaries);
  bounds.push_back(kLastBoundary);
  list_->setColumns(3, bounds);
  auto *header = new ColumnHeader(this, list_, {tr("이름"), tr("그룹"), tr("전화번호")});
  header->setGeometry(25, 45, 310, 20);
  header->setAccessibleName(tr("목록 머리글"));
  connect(header, &ColumnHeader::boundariesChanged, this, [this](const std::vector<int> &b) {
    storeColumnBoundaries(settings_, kColumnKey,
                          std::vector<int>(b.begin(), b.begin() + std::min<size_t>(b.size(), 2)));
  });
  connect(header, &QHeaderView::sectionClicked, this, [this](int column) { sortBy(column); });
  connect(list_, &CDragDropListBox::rowActivated, this, [this](int) { OnOK(); });
  new TypeToFind(list_, [this](const std::string &query) {
    if (const int row = firstRowByName(rows_, query); row >= 0) {
      list_->selectRow(row);
    }
  });
  addOkCancel(this, QPoint(205, 290), QPoint(275, 290));
  (new ButtonKeys(this))->addAll();
  refill();
  list_->setFocus();
}

void CPhonebookPickerDlg::sortBy(int column) {
  if (column >= 0 && column < 2) {
    sortPickerRows(rows_, column);
    refill();
  }
}

void CPhonebookPickerDlg::refill() {
  std::vector<std::string> texts;
  for (const PickerRow &row : rows_) {
    texts.push_back(row.text);
  }
  list_->setRows(std::move(texts));
  if (!rows_.empty()) {
    list_->selectRow(0);
  }
}

void CPhonebookPickerDlg::OnOK() {
  const int row = list_->currentRow();
  if (row < 0) {
    return;
  }
  number_ = rows_[static_cast<size_t>(row)].number;
  CBmpDialog::OnOK();
}

} // namespace pdx::features
