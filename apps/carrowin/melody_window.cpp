#include "apps/carrowin/melody_window.h"

#include "core/base/cp949.h"
#include "melody/ui/entry_staff.h"
#include "melody/ui/score_strip.h"
#include "resources/fonts.h"
#include "resources/render_util.h"
#include "resources/resource_store.h"
#include "winlib/bmp_button.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QSpinBox>
#include <QUrl>

namespace pdx::carrowin {
using namespace melody;
using namespace melody::ui;

namespace {

enum class Kind { Push, Choice, Toggle, Player };

struct ButtonPlace {
  int id;
  int x;
  int y;
  Kind kind;
};

constexpr ButtonPlace kButtons[] = {
    {4401, 487, 386, Kind::Push},   {4400, 537, 386, Kind::Push},   {4402, 295, 386, Kind::Push},
    {4403, 345, 386, Kind::Push},   {4404, 395, 386, Kind::Push},   {4431, 45, 124, Kind::Choice},
    {4433, 75, 124, Kind::Choice},  {4435, 105, 124, Kind::Choice}, {4437, 135, 124, Kind::Choice},
    {4439, 165, 124, Kind::Choice}, {4441, 195, 124, Kind::Choice}, {4421, 230, 124, Kind::Toggle},
    {4408, 38, 382, Kind::Player},  {4411, 78, 382, Kind::Player},  {4409, 118, 382, Kind::Player},
    {4412, 486, 125, Kind::Push},   {4484, 519, 125, Kind::Push},   {4485, 552, 125, Kind::Push},
    {4451, 260, 124, Kind::Push},   {4453, 290, 124, Kind::Push},   {4455, 320, 124, Kind::Push},
    {4457, 348, 124, Kind::Push},   {4459, 376, 124, Kind::Push},   {4461, 405, 124, Kind::Push},
    {4471, 429, 141, Kind::Push},   {4473, 449, 141, Kind::Push},   {4405, 105, 92, Kind::Push},
    {4407, 135, 92, Kind::Push},    {4406, 165, 92, Kind::Push},    {4477, 493, 197, Kind::Toggle},
    {4479, 526, 197, Kind::Toggle}, {4481, 555, 197, Kind::Toggle}, {4486, 486, 155, Kind::Push},
    {4487, 519, 155, Kind::Push},   {4488, 552, 155, Kind::Push},   {4482, 519, 95, Kind::Push},
    {4483, 552, 95, Kind::Push},
};

constexpr std::pair<int, const char *> kTips[] = {
    {4405, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "새 멜로디를 입력합니다.")},
    {4407, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "현재 멜로디를 삭제합니다.")},
    {4406, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "현재 멜로디의 이름을 바꿉니다.")},
    {4482, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "음정을 반음 올립니다.")},
    {4483, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "음정을 반음 낮춥니다.")},
    {4412, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "마디를 입력합니다.")},
    {4484, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "커서 이전 위치의 음표를 삭제합니다.")},
    {4485, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "커서 위치의 음표를 삭제합니다.")},
    {4486, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "선택한 악보를 클립보드에 복사합니다.")},
    {4487, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "선택한 악보를 클립보드에 잘라 넣습니다.")},
    {4488, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "현재 위치에 클립보드의 악보를 끼워 넣습니다.")},
    {4408, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "멜로디를 연주합니다.")},
    {4411, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "멜로디를 일시 정지합니다.")},
    {4409, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "멜로디 연주를 중지합니다.")},
    {4410, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "멜로디의 맨 처음으로 갑니다.")},
    {4431, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "온음표를 입력합니다.")},
    {4433, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "2분음표를 입력합니다.")},
    {4435, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "4분음표를 입력합니다.")},
    {4437, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "8분음표를 입력합니다.")},
    {4439, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "16분음표를 입력합니다.")},
    {4441, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "32분음표를 입력합니다.")},
    {4451, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "온쉼표를 입력합니다.")},
    {4453, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "2분쉼표를 입력합니다.")},
    {4455, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "4분쉼표를 입력합니다.")},
    {4457, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "8분쉼표를 입력합니다.")},
    {4459, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "16분쉼표를 입력합니다.")},
    {4461, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "32분쉼표를 입력합니다.")},
    {4421, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "점음표를 입력합니다.")},
    {4471, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "왼쪽 도돌이표를 입력합니다.")},
    {4473, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "오른쪽 도돌이표를 입력합니다.")},
    {4477, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "올림표를 가진 음표를 입력합니다.")},
    {4479, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "내림표를 가진 음표를 입력합니다.")},
    {4481, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "제자리표를 가진 음표를 입력합니다.")},
    {4402, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "새 멜로디 파일을 만듭니다.")},
    {4403, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "멜로디 파일을 읽어들입니다.")},
    {4404, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "멜로디 파일을 저장합니다.")},
    {4401, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "도움말을 봅니다.")},
    {4400, QT_TRANSLATE_NOOP("pdx::carrowin::MelodyWindow", "멜로디 편집기 프로그램을 종료합니다.")},
};

uint32_t styleOf(Kind kind) {
  switch (kind) {
  case Kind::Choice:
    return winlib::kChoiceStyle;
  case Kind::Toggle:
    return winlib::kToggleStyle;
  case Kind::Player:
    return winlib::kPushDisabledStyle;
  case Kind::Push:
    break;
  }
  return winlib::kPushStyle;
}

// A drop-down list that pauses playback when it opens.
class PausingCombo : public QComboBox {
public:
  PausingCombo(QWidget *parent, std::function<void()> opening)
      : QComboBox(parent), opening_(std::move(opening)) {}
  void showPopup() override {
    opening_();
    QComboBox::showPopup();
  }

private:
  std::function<void()> opening_;
};

// The file's name without its folder, for the screen: the default name is
// code page 949, names from the disk and the picker are UTF-8.
std::string displayName(const std::string &path) {
  const std::string name = std::filesystem::path(path).filename().string();
  const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; });
  return ascii || text::looksLikeUtf8(name) ? name : text::toUtf8(name);
}

} // namespace

QString commandTip(int command) {
  for (const auto &[id, text] : kTips) {
    if (id == command) {
      return QCoreApplication::translate("pdx::carrowin::MelodyWindow", text);
    }
  }
  return {};
}

MelodyWindow::MelodyWindow(EditorServices services)
    : services_(std::move(services)), editor_(*this), commands_(*services_.doc, *this),
      playback_(*services_.player, editor_) {
  setAcceptDrops(true);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(QCoreApplication::translate("pdx::carrowin::MelodyWindow", "멜로디 편집기"));
}

MelodyWindow::~MelodyWindow() = default;

void MelodyWindow::OnCreate() {
  createButtons();
  createLists();
  NoteInput input{&editor_, services_.output, [this] { return isPlaying(); }, [this] { edited(); }};
  strip_ = new ScoreStrip(editor_, glyphs_, this);
  strip_->setGeometry(QRect(QPoint(34, 230), QPoint(461, 374)));
  staff_ = new EntryStaff(input, glyphs_, this);
  staff_->setGeometry(QRect(QPoint(493, 230), QPoint(578, 341)));
  piano_ = new PianoKeyboard(input, this);
  services_.doc->New(std::nullopt, std::nullopt);
  editor_.chooseNoteTool(kQuarterNote);
  editor_.setAccidental(Accidental::None);
  editor_.setSeparateRepeatedNotes(false);
  refresh();
  syncToggles();
  setPlayingLook(false);
  setFocus();
}

void MelodyWindow::createButtons() {
  for (const ButtonPlace &b : kButtons) {
    auto *button = new winlib::CBmpButton(this);
    button->Create(styleOf(b.kind), QRect(b.x, b.y, 1, 1), this, b.id, b.id,
                   resources::ResourceStore::frameCount(b.id));
    const QString tip = commandTip(b.id);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    buttons_[b.id] = button;
  }
}

void MelodyWindow::createLists() {
  const auto pauseFirst = [this] { pause(); };
  melodyList_ = new PausingCombo(this, pauseFirst);
  melodyList_->setGeometry(105, 63, 165, 22);
  melodyList_->setAccessibleName(QCoreApplication::translate("pdx::carrowin::MelodyWindow", "멜로디 목록"));
  melodyList_->setToolTip(melodyList_->accessibleName());
  connect(melodyList_, &QComboBox::activated, this, [this](int row) {
    SelectMelody(melodyList_->itemData(row).toInt());
    setFocus();
  });
  tempo_ = new QSpinBox(this);
  tempo_->setGeometry(340, 40, 70, 20);
  tempo_->setRange(30, 255);
  tempo_->setAccessibleName(QCoreApplication::translate("pdx::carrowin::MelodyWindow", "템포"));
  tempo_->setToolTip(tempo_->accessibleName());
  connect(tempo_, &QSpinBox::valueChanged, this, [this](int value) {
    if (!filling_ && editor_.SetTempo(value)) {
      edited();
    }
  });
  keyList_ = new PausingCombo(this, pauseFirst);
  keyList_->setGeometry(340, 63, 155, 22);
  keyList_->setAccessibleName(QCoreApplication::translate("pdx::carrowin::MelodyWindow", "조성"));
  keyList_->setToolTip(keyList_->accessibleName());
  for (const KeySignature &k : kKeySignatures) {
    keyList_->addItem(QCoreApplication::translate("pdx::melody::Keys", k.label.data()), k.id);
  }
  connect(keyList_, &QComboBox::activated, this, [this](int row) {
    if (editor_.SetKey(static_cast<uint16_t>(keyList_->itemData(row).toInt()))) {
      edited();
    }
    setFocus();
  });
  for (QWidget *w : {static_cast<QWidget *>(melodyList_), static_cast<QWidget *>(tempo_),
                     static_cast<QWidget *>(keyList_)}) {
    w->setFont(resources::dialogFont());
  }
}

winlib::CBmpButton *MelodyWindow::Button(int command) const {
  const auto it = buttons_.find(command);
  return it == buttons_.end() ? nullptr : it->second;
}

void MelodyWindow::fillMelodyList() {
  filling_ = true;
  melodyList_->clear();
  CMelodyFile &doc = *services_.doc;
  for (int i = 0; i < doc.size(); ++i) {
    const QString name = QString::fromStdString(doc.at(i).name().utf8());
    int row = 0;
    while (row < melodyList_->count() && melodyList_->itemText(row) <= name) {
      ++row;
    }
    melodyList_->insertItem(row, name, i);
  }
  filling_ = false;
}

void MelodyWindow::refresh() {
  fillMelodyList();
  SelectMelody(std::max(0, services_.doc->currentIndex()));
  update();
}

void MelodyWindow::SelectMelody(int index) {
  pause();
  CMelody *m = services_.doc->SetCurrent(index);
  services_.player->SetMelody(m);
  editor_.setMelody(m);
  filling_ = true;
  melodyList_->setCurrentIndex(melodyList_->findData(index));
  if (m) {
    tempo_->setValue(m->tempo());
    keyList_->setCurrentIndex(std::max(0, keyList_->findData(keySignature(m->key()).id)));
  }
  filling_ = false;
  strip_->refresh();
  staff_->update();
}

void MelodyWindow::edited() {
  syncToggles();
  strip_->refresh();
  staff_->update();
}

void MelodyWindow::syncToggles() {
  for (int tool : {kWholeNote, kHalfNote, kQuarterNote, kEighthNote, kSixteenthNote, kThirtySecondNote}) {
    buttons_[tool]->SetState(tool == editor_.noteTool() ? winlib::ButtonState::Pressed
                                                        : winlib::ButtonState::Normal);
  }
  const auto pressedIf = [](bool on) {
    return on ? winlib::ButtonState::Pressed : winlib::ButtonState::Normal;
  };
  buttons_[kCmdDotted]->SetState(pressedIf(editor_.dotted()));
  buttons_[kCmdSharp]->SetState(pressedIf(editor_.accidental() == Accidental::Sharp));
  buttons_[kCmdFlat]->SetState(pressedIf(editor_.accidental() == Accidental::Flat));
  buttons_[kCmdNatural]->SetState(pressedIf(editor_.accidental() == Accidental::Natural));
}

bool MelodyWindow::isPlaying() const {
  return services_.player->playing();
}

void MelodyWindow::silence() {
  ToneOff(*services_.output);
}

void MelodyWindow::rewindPlayer() {
  services_.player->Rewind();
}

void MelodyWindow::showMessage(std::string_view text) {
  ask(text, kBoxOk, kCaptionNotice);
}

bool MelodyWindow::askYesNo(std::string_view text) {
  return ask(text, 0x24, 5402) == kIdYes;
}

int MelodyWindow::ask(std::string_view text, uint32_t box, int captionId) {
  return services_.ask(QString::fromUtf8(text.data(), static_cast<int>(text.size())), box, captionId);
}

std::optional<std::string> MelodyWindow::pickFile(bool save) {
  return services_.pickFile(save);
}

std::optional<std::string> MelodyWindow::askName(int captionId, std::string_view initial) {
  const auto name =
      services_.askName(captionId, QString::fromUtf8(initial.data(), static_cast<int>(initial.size())));
  return name ? std::optional<std::string>(name->toStdString()) : std::nullopt;
}

void MelodyWindow::redraw() {
  update();
}

void MelodyWindow::notifySaved(bool outsideFolder, const std::string &path) {
  update();
  if (services_.saved) {
    services_.saved(outsideFolder, path);
  }
}

void MelodyWindow::PaintText(QPainter &painter) {
  painter.setFont(resources::font(QStringLiteral("굴림"), 12));
  painter.setPen(Qt::black);
  const QString name = QString::fromStdString(displayName(services_.doc->path()));
  painter.drawText(QRect(QPoint(105, 40), QPoint(294, 59)), Qt::AlignVCenter | Qt::AlignLeft, name);
  const QRect status(QPoint(4, 442), QPoint(499, 456));
  painter.fillRect(status, Qt::black);
  painter.setPen(Qt::white);
  painter.setFont(
      resources::fitText(status_, resources::font(QStringLiteral("굴림"), 10), status.size(), false).font);
  painter.drawText(status, Qt::AlignBottom | Qt::AlignLeft | Qt::TextSingleLine, status_);
}

void MelodyWindow::dragEnterEvent(QDragEnterEvent *event) {
  if (event->mimeData()->hasUrls()) {
    event->acceptProposedAction();
  }
}

void MelodyWindow::dropEvent(QDropEvent *event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (!urls.isEmpty() && urls.first().isLocalFile()) {
    event->acceptProposedAction();
    const std::string path = urls.first().toLocalFile().toStdString();
    QMetaObject::invokeMethod(
        this, [this, path] { commands_.Open(path); }, Qt::QueuedConnection);
  }
}

} // namespace pdx::carrowin
