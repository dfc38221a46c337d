#include "features/phonebook/ui/entry_dlg.h"

#include "core/base/cp949.h"
#include "features/common/ui/symbol_palette.h"
#include "features/common/ui/text_fields.h"
#include "features/groups/group_editor.h"
#include "features/groups/ui/dialog_parts.h"
#include "resources/fonts.h"
#include "resources/resource_ids.h"
#include "resources/resource_store.h"
#include "winlib/bmp_button.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>

namespace pdx::features {

namespace {

constexpr int kNameBytes = 16;
constexpr int kNumberBytes = 32;
constexpr int kGroupNameBytes = 12;
constexpr int kSymbolWidth = 27;

QString groupLabel(const core::PhoneGroup &group) {
  const std::string_view name = group.name.view();
  const QString text = QString::fromStdString(text::toUtf8(name));
  return name.empty() || name == core::defaultGroupName()
             ? QCoreApplication::translate("pdx::features::CEntryDlg", "[지정안됨]")
             : text;
}

} // namespace

CEntryDlg::CEntryDlg(GroupEditor &groups, const EntryForm &initial, PhoneBox box)
    : groups_(groups), form_(initial), initialGroup_(initial.group), box_(box) {
  SetDialogSize(QSize(400, 325));
  SetCaptionText(tr("전화번호 입력"));
}

CEntryDlg::CEntryDlg(GroupEditor &groups, std::optional<int> commonGroup, PhoneBox box)
    : groups_(groups), groupOnly_(true), initialGroup_(commonGroup), box_(box) {
  SetDialogSize(QSize(400, 325));
  SetCaptionText(tr("전화번호 수정"));
}

void CEntryDlg::OnInitDialog() {
  name_ = new ByteLimitedEdit(this, kNameBytes);
  name_->setGeometry(80, 50, 295, 20);
  palette_ = new SymbolPalette(this, resources::ResourceStore::instance().pixmap(resources::kSymbolStrip),
                               kSymbolWidth);
  palette_->setGeometry(80, 75, 295, 30);
  connect(palette_, &SymbolPalette::symbolChosen, this, [this](int index) {
    name_->insertSymbol(index);
    name_->setFocus();
  });
  for (int k = 0; k < core::kNumberKinds; ++k) {
    auto *edit = new ByteLimitedEdit(this, kNumberBytes, ByteLimitValidator::PhoneNumber);
    edit->setGeometry(80, 110 + 25 * k, 295, 20);
    numbers_[static_cast<size_t>(k)] = edit;
    connect(edit, &QLineEdit::textChanged, this, [this] { updateOk(); });
  }
  group_ = new QComboBox(this);
  group_->setEditable(true);
  group_->setInsertPolicy(QComboBox::NoInsert);
  group_->setGeometry(80, 210, 295, 22);
  group_->setFont(resources::dialogFont());
  phone_ = new QCheckBox(tr("휴대폰에 전화번호 지정"), this);
  phone_->setGeometry(80, 240, 295, 20);
  phone_->setFont(resources::dialogFont());
  phone_->setTristate(groupOnly_);
  phone_->setCheckState(!box_.ticked ? Qt::PartiallyChecked : *box_.ticked ? Qt::Checked : Qt::Unchecked);
  phone_->setEnabled(box_.enabled);
  ok_ = addOkCancel(this, QPoint(265, 280), QPoint(335, 280)).ok;
  connect(name_, &QLineEdit::textChanged, this, [this] { updateOk(); });

  if (groupOnly_) {
    name_->setEnabled(false);
    palette_->setEnabled(false);
    for (ByteLimitedEdit *edit : numbers_) {
      edit->setEnabled(false);
    }
  } else {
    name_->setBytes(form_.name);
    for (size_t k = 0; k < numbers_.size(); ++k) {
      numbers_[k]->setBytes(form_.numbers[k]);
    }
  }
  fillGroups(initialGroup_.value_or(-1));
  updateOk();
  (groupOnly_ ? static_cast<QWidget *>(group_) : name_)->setFocus();
}

void CEntryDlg::fillGroups(int selectId) {
  group_->clear();
  groupIds_.clear();
  for (const core::PhoneGroup &g : groups_.groups()) {
    group_->addItem(groupLabel(g));
    groupIds_.push_back(g.id);
  }
  const auto it = std::find(groupIds_.begin(), groupIds_.end(), selectId);
  group_->setCurrentIndex(it == groupIds_.end() ? -1 : static_cast<int>(it - groupIds_.begin()));
  if (it == groupIds_.end()) {
    group_->setEditText(QString());
  }
}

std::optional<int> CEntryDlg::chosenGroup() {
  const QString typed = group_->currentText().trimmed();
  if (typed.isEmpty()) {
    return std::nullopt;
  }
  const int index = group_->findText(typed, Qt::MatchExactly);
  if (index >= 0) {
    return groupIds_[static_cast<size_t>(index)];
  }
  const std::string bytes = text::fromUtf8(typed.toStdString());
  const int id =
      groups_.createByName(std::string_view(bytes).substr(0, text::cutBytes(bytes, kGroupNameBytes)));
  if (id >= 0) {
    fillGroups(id);
  }
  return id;
}

void CEntryDlg::updateOk() {
  const bool anyNumber = std::any_of(numbers_.begin(), numbers_.end(),
                                     [](const ByteLimitedEdit *e) { return !e->text().isEmpty(); });
  ok_->Enable(groupOnly_ || (!name_->text().isEmpty() && anyNumber));
}

void CEntryDlg::OnOK() {
  if (ok_->State() == winlib::ButtonState::Disabled) {
    return;
  }
  const std::optional<int> group = chosenGroup();
  if (group == -1) {
    return; // the typed group was not created: the dialog stays open
  }
  const Qt::CheckState state = phone_->checkState();
  if (groupOnly_) {
    groupForm_.group = group;
    groupForm_.storeOnPhone =
        state == Qt::PartiallyChecked ? std::nullopt : std::optional<bool>(state == Qt::Checked);
  } else {
    form_.name = name_->bytes();
    for (size_t k = 0; k < numbers_.size(); ++k) {
      form_.numbers[k] = numbers_[k]->bytes();
    }
    form_.group = group.value_or(0);
    form_.storeOnPhone = state == Qt::Checked;
  }
  CBmpDialog::OnOK();
}

void CEntryDlg::paintEvent(QPaintEvent *event) {
  CBmpDialog::paintEvent(event);
  QPainter painter(this);
  drawLabels(painter, {{25, 53, tr("이름")},
                       {25, 113, tr("집")},
                       {25, 138, tr("회사")},
                       {25, 163, tr("휴대폰")},
                       {25, 188, tr("삐삐")},
                       {25, 213, tr("그룹")}});
}

} // namespace pdx::features
