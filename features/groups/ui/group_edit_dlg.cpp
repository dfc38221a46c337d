#include "features/groups/ui/group_edit_dlg.h"

#include "features/common/ui/symbol_palette.h"
#include "features/common/ui/text_fields.h"
#include "features/groups/ui/dialog_parts.h"
#include "resources/fonts.h"
#include "resources/resource_ids.h"
#include "resources/resource_store.h"
#include "winlib/bmp_button.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <algorithm>

namespace pdx::features {

namespace {

constexpr int kGroupNameBytes = 12;
constexpr int kSymbolWidth = 27;

} // namespace

CGroupEditDlg::CGroupEditDlg(Mode mode, const core::PhoneGroup &group) : group_(group) {
  SetDialogSize(QSize(280, 255));
  SetCaptionText(mode == Mode::Add ? tr("그룹 추가") : tr("그룹 수정"));
}

void CGroupEditDlg::OnInitDialog() {
  name_ = new ByteLimitedEdit(this, kGroupNameBytes);
  name_->setGeometry(70, 50, 180, 20);
  name_->setBytes(std::string(group_.name.view()));
  palette_ = new SymbolPalette(this, resources::ResourceStore::instance().pixmap(resources::kSymbolStrip),
                               kSymbolWidth);
  palette_->setGeometry(70, 75, 180, 58);
  connect(palette_, &SymbolPalette::symbolChosen, this, [this](int index) {
    name_->insertSymbol(index);
    name_->setFocus();
  });
  secret_ = new QCheckBox(tr("비밀그룹"), this);
  secret_->setGeometry(25, 140, 225, 20);
  secret_->setFont(resources::dialogFont());
  secret_->setChecked(group_.isSecret());
  bell_ = new QComboBox(this);
  bell_->setGeometry(70, 165, 180, 22);
  bell_->setFont(resources::dialogFont());
  bell_->setMaxVisibleItems(10);
  for (int i = 0; i < core::kBellNameCount; ++i) {
    bell_->addItem(QString::fromStdString(core::bellName(i)));
  }
  bell_->setCurrentIndex(group_.melody < core::kBellNameCount ? group_.melody : 0);
  ok_ = addOkCancel(this, QPoint(145, 210), QPoint(215, 210)).ok;
  connect(name_, &QLineEdit::textChanged, this, [this] { updateOk(); });
  updateOk();
  name_->selectAll();
  name_->setFocus();
}

void CGroupEditDlg::updateOk() {
  ok_->Enable(!name_->text().isEmpty());
}

void CGroupEditDlg::OnOK() {
  if (name_->text().isEmpty()) {
    return;
  }
  group_.name.setWhole(name_->bytes());
  group_.secret = secret_->isChecked() ? 1 : 0;
  group_.melody = static_cast<uint16_t>(std::max(0, bell_->currentIndex()));
  CBmpDialog::OnOK();
}

void CGroupEditDlg::paintEvent(QPaintEvent *event) {
  CBmpDialog::paintEvent(event);
  QPainter painter(this);
  drawLabels(painter, {{25, 53, tr("이름")}, {25, 168, tr("착신벨")}});
}

} // namespace pdx::features
