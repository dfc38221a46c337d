#include "features/animations/ui/animation_page.h"

#include "features/animations/ui/picture_view.h"
#include "features/common/ui/page_buttons.h"
#include "resources/fonts.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"

#include <QCheckBox>
#include <QPainter>

namespace pdx::features {

namespace {

constexpr QRect kFileList(22, 64, 168, 300);
constexpr QRect kAnimationList(200, 64, 184, 160);
constexpr QRect kPreviewArea(200, 252, 110, 63);
constexpr QRect kEffectSwitch(200, 322, 110, 20);
// The slot previews span x 430..532 inside their areas.
constexpr int kSlotPreviewLeft = 430;
constexpr int kSlotPreviewWidth = 103;
constexpr int kSlotPreviewHeight = 57;

} // namespace

CAnimationPage::CAnimationPage(MediaPageContext context, QWidget *parent)
    : CMediaPage(context.page, {kPreview, kStopPreview, kSlot1, kEditor, {kHelp, kBack, kExit}}),
      context_(std::move(context)), boxUser_(this), user_(context_.user ? *context_.user : boxUser_),
      phone_(context_.phone, this),
      logic_(context_.folder, phone_, user_, context_.starter, context_.loop, random_) {
  Create(tr("애니메이션 지정"), resources::kPageAnimation, parent);
  setAccessibleName(tr("애니메이션 지정"));
  createControls();
  logic_.onPictureChanged([this] { showPictures(); });
  logic_.open();
  refillFiles();
  items_->setFocus();
}

CAnimationPage::~CAnimationPage() {
  logic_.onPictureChanged(nullptr);
}

void CAnimationPage::createControls() {
  createLists(kFileList, kAnimationList, tr("애니메이션 파일 목록"),
              tr("애니메이션 목록"));
  preview_ = new PictureView(this, tr("애니메이션 미리보기"));
  preview_->setGeometry(kPreviewArea);
  effects_ = new QCheckBox(tr("효과 보기"), this);
  effects_->setGeometry(kEffectSwitch);
  effects_->setFont(resources::dialogFont());
  effects_->setChecked(logic_.effects());
  effects_->setAccessibleName(tr("효과 보기"));
  connect(effects_, &QCheckBox::toggled, this, [this](bool on) { logic_.setEffects(on); });
  buttons_[kPreview] = addSkinButton(this, kPreview, QPoint(318, 252), tr("미리보기"));
  buttons_[kStopPreview] = addSkinButton(this, kStopPreview, QPoint(318, 298), tr("미리보기 정지"));
  createSlots();
  buttons_[kEditor] = addSkinButton(this, kEditor, QPoint(22, 385), tr("애니메이션 편집기"));
  addRow(RowLook::Skin);
}

void CAnimationPage::createSlots() {
  for (int k = 0; k < kAnimationSlots; ++k) {
    const QRect area = kSlotAreas[static_cast<size_t>(k)];
    const int command = kSlot1 + k;
    buttons_[command] = addCaptionButton(this, command, tr("%1번").arg(k + 1),
                                         QRect(area.left() + 1, area.center().y() - 20, 28, 40),
                                         tr("%1번 애니메이션으로 지정").arg(k + 1));
    auto *view = new PictureView(this, tr("%1번 애니메이션").arg(k + 1));
    view->setGeometry(kSlotPreviewLeft, area.center().y() - kSlotPreviewHeight / 2, kSlotPreviewWidth,
                      kSlotPreviewHeight);
    slots_[static_cast<size_t>(k)] = view;
  }
}

void CAnimationPage::updateButtons() {
  const bool chosen = logic_.catalog().hasChoice();
  for (int command : {kPreview, kSlot1, kSlot2, kSlot3}) {
    buttons_[command]->Enable(chosen);
  }
  buttons_[kStopPreview]->Enable(logic_.previewRunning());
}

void CAnimationPage::showPictures() {
  preview_->setPicture(logic_.previewPicture());
  for (int k = 0; k < kAnimationSlots; ++k) {
    const auto &sent = logic_.slot(k);
    slots_[static_cast<size_t>(k)]->setPicture(sent ? &*sent : nullptr);
    slots_[static_cast<size_t>(k)]->setAccessibleDescription(
        sent ? QString::fromStdString(sent->name().utf8()) : tr("비어 있음"));
  }
  if (buttons_.count(kStopPreview) != 0) {
    buttons_[kStopPreview]->Enable(logic_.previewRunning());
  }
}

std::function<void()> CAnimationPage::ownCommand(int id) {
  static constexpr PageCommand<CAnimationPage> kCommands[] = {
      {kPreview, [](CAnimationPage &page) { page.logic_.preview(); }},
      {kStopPreview, [](CAnimationPage &page) { page.logic_.stopPreview(); }},
      {kSlot1, [](CAnimationPage &page) { (void)page.logic_.send(0); }},
      {kSlot2, [](CAnimationPage &page) { (void)page.logic_.send(1); }},
      {kSlot3, [](CAnimationPage &page) { (void)page.logic_.send(2); }},
      {kEditor, [](CAnimationPage &page) { page.logic_.startEditor(); }},
  };
  return tableCommand<CAnimationPage>(*this, kCommands, id);
}

int CAnimationPage::dropCommandAt(QPoint globalPos) const {
  const QPoint at = mapFromGlobal(globalPos);
  for (int k = 0; k < kAnimationSlots; ++k) {
    if (kSlotAreas[static_cast<size_t>(k)].contains(at)) {
      return kSlot1 + k;
    }
  }
  return 0;
}

void CAnimationPage::PaintText(QPainter &painter) {
  drawPageLabels(painter, {{{22, 45}, tr("애니메이션 파일")},
                           {{200, 45}, tr("애니메이션")},
                           {{200, 233}, tr("미리보기")},
                           {{398, 50}, tr("휴대폰에 지정")}});
  painter.setPen(Qt::gray);
  for (const QRect &area : kSlotAreas) {
    painter.drawRect(area.adjusted(0, 0, -1, -1));
  }
}

} // namespace pdx::features
