#include "features/melodies/ui/melody_page.h"

#include "core/base/cp949.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"

#include <QKeyEvent>
#include <QPainter>

namespace pdx::features {

namespace {

constexpr QRect kFileList(22, 64, 200, 300);
constexpr QRect kMelodyList(236, 64, 200, 300);
constexpr QPoint kPlayAt(480, 72);
constexpr int kSlotX = 480;
constexpr int kSlotTop = 158;
constexpr int kSlotStep = 48;

CDragDropListBox *makeList(QWidget *page, QRect rect, const QString &name) {
  auto *list = new CDragDropListBox(page, QPixmap(), 0, false);
  list->setGeometry(rect);
  list->setColumns(1, {rect.width()});
  list->setAccessibleName(name);
  return list;
}

} // namespace

CMelodyPage::CMelodyPage(MediaPageContext context, BackgroundPlayer::OutputSource tones, QWidget *parent)
    : context_(std::move(context)), boxUser_(this), user_(context_.user ? *context_.user : boxUser_),
      phone_(context_.phone, this), player_(context_.loop, std::move(tones)),
      logic_(context_.folder, phone_, user_, context_.starter, player_) {
  Create(tr("나만의 멜로디 지정"), resources::kPageMelody, parent);
  setAccessibleName(tr("나만의 멜로디 지정"));
  createControls();
  logic_.onPlayingChanged([this](bool playing) { showPlaying(playing); });
  logic_.open();
  refillFiles();
  melodies_->setFocus();
}

CMelodyPage::~CMelodyPage() {
  logic_.onPlayingChanged(nullptr);
  logic_.stop();
}

void CMelodyPage::createControls() {
  files_ = makeList(this, kFileList, tr("멜로디 파일 목록"));
  melodies_ = makeList(this, kMelodyList, tr("멜로디 목록"));
  melodies_->setDragEnabled(true);
  melodies_->setOwner(this);
  connect(files_, &CDragDropListBox::selectionChanged, this, [this] {
    if (!filling_) {
      logic_.beforeCommand();
      logic_.catalog().chooseFile(files_->currentRow());
      refillMelodies();
    }
  });
  connect(melodies_, &CDragDropListBox::selectionChanged, this, [this] {
    if (!filling_) {
      logic_.beforeCommand();
      logic_.catalog().chooseItem(melodies_->currentRow());
      updateButtons();
    }
  });
  connect(melodies_, &CDragDropListBox::rowActivated, this, [this](int) { OnCommand(kPlay, 0); });
  buttons_[kPlay] = addSkinButton(this, kPlay, kPlayAt, tr("연주"));
  buttons_[kStop] = addSkinButton(this, kStop, kPlayAt, tr("정지"));
  buttons_[kStop]->hide();
  for (int slot = 0; slot < kMelodySlots; ++slot) {
    const int command = kSlot1 + slot;
    buttons_[command] = addSkinButton(this, command, QPoint(kSlotX, kSlotTop + slot * kSlotStep),
                                      tr("휴대폰 %1번 멜로디로 지정").arg(slot + 1));
  }
  buttons_[kEditor] = addSkinButton(this, kEditor, QPoint(22, 385), tr("멜로디 편집기"));
  buttons_[kHelp] = addSkinButton(this, kHelp, QPoint(442, 385), QStringLiteral("도움말"));
  buttons_[kBack] = addSkinButton(this, kBack, QPoint(491, 385), QStringLiteral("이전"));
  buttons_[kExit] = addSkinButton(this, kExit, QPoint(539, 385), QStringLiteral("종료"));
}

void CMelodyPage::refillFiles() {
  filling_ = true;
  std::vector<std::string> rows;
  for (int i = 0; i < static_cast<int>(logic_.catalog().files().size()); ++i) {
    rows.push_back(text::fromUtf8(logic_.catalog().fileLabel(i)));
  }
  files_->setRows(std::move(rows));
  if (logic_.catalog().chosenFile() >= 0) {
    files_->selectRow(logic_.catalog().chosenFile());
  }
  filling_ = false;
  refillMelodies();
}

void CMelodyPage::refillMelodies() {
  filling_ = true;
  std::vector<std::string> rows;
  for (const CatalogItem &item : logic_.catalog().items()) {
    rows.push_back(item.name);
  }
  melodies_->setRows(std::move(rows));
  if (logic_.catalog().chosenItem() >= 0) {
    melodies_->selectRow(logic_.catalog().chosenItem());
  }
  filling_ = false;
  updateButtons();
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

void CMelodyPage::OnCommand(int id, int code) {
  if (code != winlib::kNotifyCommand) {
    return CBmpWnd::OnCommand(id, code);
  }
  static constexpr PageCommand<CMelodyPage> kCommands[] = {
      {kPlay, [](CMelodyPage &page) { page.logic_.play(); }},
      {kStop, [](CMelodyPage &page) { page.logic_.stop(); }},
      {kSlot1, [](CMelodyPage &page) { (void)page.logic_.send(0); }},
      {kSlot2, [](CMelodyPage &page) { (void)page.logic_.send(1); }},
      {kSlot3, [](CMelodyPage &page) { (void)page.logic_.send(2); }},
      {kEditor, [](CMelodyPage &page) { page.logic_.startEditor(); }},
  };
  runMediaCommand<CMelodyPage>(*this, logic_, kCommands, context_, {kPlay, kSlot1, {kHelp, kBack, kExit}},
                               id);
}

void CMelodyPage::OnProgramMessage(uint32_t message) {
  switch (logic_.onProgramMessage(message)) {
  case CatalogChange::Everything:
    return refillFiles();
  case CatalogChange::Items:
    return refillMelodies();
  case CatalogChange::Nothing:
    break;
  }
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

bool CMelodyPage::isValidDropTarget(QPoint globalPos, int, int) {
  return dropCommandAt(globalPos) != 0;
}

void CMelodyPage::dropAt(QPoint globalPos, int sourceRow, int, Qt::KeyboardModifiers) {
  const int command = dropCommandAt(globalPos);
  if (command == 0 || sourceRow < 0) {
    return;
  }
  melodies_->selectRow(sourceRow); // chooses the dragged melody
  OnCommand(command, winlib::kNotifyCommand);
}

void CMelodyPage::keyPressEvent(QKeyEvent *event) {
  const int command =
      mediaPageCommand(*event, {kPlay, kStop, kSlot1, kEditor, kHelp, kBack}, logic_.playing());
  if (command == 0) {
    return CBmpWnd::keyPressEvent(event);
  }
  OnCommand(command, winlib::kNotifyCommand);
}

void CMelodyPage::hideEvent(QHideEvent *event) {
  logic_.stop();
  CBmpWnd::hideEvent(event);
}

void CMelodyPage::PaintText(QPainter &painter) {
  drawPageLabels(
      painter, {{{22, 45}, tr("멜로디 파일")}, {{236, 45}, tr("멜로디")}, {{458, 136}, tr("휴대폰에 지정")}});
}

} // namespace pdx::features
