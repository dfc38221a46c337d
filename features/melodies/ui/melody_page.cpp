#include "features/melodies/ui/melody_page.h"

#include "features/common/ui/page_buttons.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"

#include <QPainter>

namespace pdx::features {

namespace {

constexpr QRect kFileList(22, 64, 200, 300);
constexpr QRect kMelodyList(236, 64, 200, 300);
constexpr QPoint kPlayAt(480, 72);
constexpr int kSlotX = 480;
constexpr int kSlotTop = 158;
constexpr int kSlotStep = 48;

} // namespace

CMelodyPage::CMelodyPage(MediaPageContext context, BackgroundPlayer::OutputSource tones, QWidget *parent)
    : CMediaPage(context.page, {kPlay, kStop, kSlot1, kEditor, {kHelp, kBack, kExit}}),
      context_(std::move(context)), boxUser_(this), user_(context_.user ? *context_.user : boxUser_),
      phone_(context_.phone, this), player_(context_.loop, std::move(tones)),
      logic_(context_.folder, phone_, user_, context_.starter, player_) {
  Create(tr("나만의 멜로디 지정"), resources::kPageMelody, parent);
  setAccessibleName(tr("나만의 멜로디 지정"));
  createControls();
  logic_.onPlayingChanged([this](bool playing) { showPlaying(playing); });
  logic_.open();
  refillFiles();
  items_->setFocus();
}

CMelodyPage::~CMelodyPage() {
  logic_.onPlayingChanged(nullptr);
  logic_.stop();
}

void CMelodyPage::createControls() {
  createLists(kFileList, kMelodyList, tr("멜로디 파일 목록"), tr("멜로디 목록"));
  buttons_[kPlay] = addSkinButton(this, kPlay, kPlayAt, tr("연주"));
  buttons_[kStop] = addSkinButton(this, kStop, kPlayAt, tr("정지"));
  buttons_[kStop]->hide();
  for (int slot = 0; slot < kMelodySlots; ++slot) {
    const int command = kSlot1 + slot;
    buttons_[command] = addSkinButton(this, command, QPoint(kSlotX, kSlotTop + slot * kSlotStep),
                                      tr("휴대폰 %1번 멜로디로 지정").arg(slot + 1));
  }
  buttons_[kEditor] = addSkinButton(this, kEditor, QPoint(22, 385), tr("멜로디 편집기"));
  addRow(RowLook::Skin);
}

void CMelodyPage::updateButtons() {
  const bool chosen = logic_.catalog().hasChoice();
  for (int command : {kPlay, kSlot1, kSlot2, kSlot3}) {
    buttons_[command]->Enable(chosen);
  }
}

void CMelodyPage::showPlaying(bool playing) {
  buttons_[kStop]->setVisible(playing);
  buttons_[kPlay]->setVisible(!playing);
}

std::function<void()> CMelodyPage::ownCommand(int id) {
  static constexpr PageCommand<CMelodyPage> kCommands[] = {
      {kPlay, [](CMelodyPage &page) { page.logic_.play(); }},
      {kStop, [](CMelodyPage &page) { page.logic_.stop(); }},
      {kSlot1, [](CMelodyPage &page) { (void)page.logic_.send(0); }},
      {kSlot2, [](CMelodyPage &page) { (void)page.logic_.send(1); }},
      {kSlot3, [](CMelodyPage &page) { (void)page.logic_.send(2); }},
      {kEditor, [](CMelodyPage &page) { page.logic_.startEditor(); }},
  };
  return tableCommand<CMelodyPage>(*this, kCommands, id);
}

int CMelodyPage::dropCommandAt(QPoint globalPos) const {
  // While a melody plays the stop button stands in for play: a drop there
  // plays the dragged melody instead.
  for (int command : {kPlay, kStop, kSlot1, kSlot2, kSlot3}) {
    const winlib::CBmpButton *b = buttons_.at(command);
    if (b->isVisible() && b->State() != winlib::ButtonState::Disabled &&
        b->rect().contains(b->mapFromGlobal(globalPos))) {
      return command == kStop ? kPlay : command;
    }
  }
  return 0;
}

void CMelodyPage::PaintText(QPainter &painter) {
  drawPageLabels(
      painter, {{{22, 45}, tr("멜로디 파일")}, {{236, 45}, tr("멜로디")}, {{458, 136}, tr("휴대폰에 지정")}});
}

} // namespace pdx::features
