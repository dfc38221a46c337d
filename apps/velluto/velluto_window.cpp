#include "apps/velluto/velluto_window.h"

#include "animation/editor/editor_commands.h"
#include "animation/effects/effect_table.h"
#include "animation/ui/effect_preview.h"
#include "animation/ui/picture_canvas.h"
#include "apps/velluto/editor_dialogs.h"
#include "resources/fonts.h"
#include "resources/render_util.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

namespace pdx::velluto {
using namespace animation;

namespace {

struct ButtonPlace {
  int command;
  QPoint at;
  uint32_t style;
  int frames;
  const char *caption; // accessible name
};

constexpr ButtonPlace kButtons[] = {
    {kCmdHelp, {487, 386}, winlib::kPushStyle, 3, QT_TRANSLATE_NOOP("pdx::velluto::Window", "도움말")},
    {kCmdExit, {537, 386}, winlib::kPushStyle, 3, QT_TRANSLATE_NOOP("pdx::velluto::Window", "종료")},
    {kCmdNewFile, {295, 386}, winlib::kPushStyle, 3, QT_TRANSLATE_NOOP("pdx::velluto::Window", "새파일")},
    {kCmdOpen, {345, 386}, winlib::kPushStyle, 3, QT_TRANSLATE_NOOP("pdx::velluto::Window", "열기")},
    {kCmdSave, {395, 386}, winlib::kPushStyle, 3, QT_TRANSLATE_NOOP("pdx::velluto::Window", "저장")},
    {kCmdImport, {198, 386}, winlib::kPushStyle, 3, QT_TRANSLATE_NOOP("pdx::velluto::Window", "그림읽기")},
    {kCmdNewAnimation,
     {130, 92},
     winlib::kPushStyle,
     3,
     QT_TRANSLATE_NOOP("pdx::velluto::Window", "새 애니메이션")},
    {kCmdDelete,
     {160, 92},
     winlib::kPushStyle,
     3,
     QT_TRANSLATE_NOOP("pdx::velluto::Window", "애니메이션 삭제")},
    {kCmdRename, {190, 92}, winlib::kPushStyle, 3, QT_TRANSLATE_NOOP("pdx::velluto::Window", "이름 바꾸기")},
    {kCmdToolSelect,
     {28, 149},
     winlib::kChoiceStyle,
     2,
     QT_TRANSLATE_NOOP("pdx::velluto::Window", "블록 지정")},
    {kCmdToolPoint, {28, 176}, winlib::kChoiceStyle, 2, QT_TRANSLATE_NOOP("pdx::velluto::Window", "점")},
    {kCmdToolLine, {28, 203}, winlib::kChoiceStyle, 2, QT_TRANSLATE_NOOP("pdx::velluto::Window", "선")},
    {kCmdToolRectangle,
     {28, 230},
     winlib::kChoiceStyle,
     2,
     QT_TRANSLATE_NOOP("pdx::velluto::Window", "네모")},
    {kCmdToolEllipse, {28, 257}, winlib::kChoiceStyle, 2, QT_TRANSLATE_NOOP("pdx::velluto::Window", "원")},
    {kCmdToolFill, {28, 284}, winlib::kChoiceStyle, 2, QT_TRANSLATE_NOOP("pdx::velluto::Window", "채우기")},
    {kCmdToolSpray,
     {28, 311},
     winlib::kChoiceStyle,
     2,
     QT_TRANSLATE_NOOP("pdx::velluto::Window", "스프레이")},
    {kCmdToolText, {28, 338}, winlib::kChoiceStyle, 2, QT_TRANSLATE_NOOP("pdx::velluto::Window", "글자")},
    {kCmdPlay, {509, 223}, winlib::kPushStyle, 3, QT_TRANSLATE_NOOP("pdx::velluto::Window", "효과 시작")},
    {kCmdStop, {539, 223}, winlib::kPushStyle, 3, QT_TRANSLATE_NOOP("pdx::velluto::Window", "효과 중지")},
    {kCmdUndo,
     {31, 385},
     winlib::kPushDisabledStyle,
     4,
     QT_TRANSLATE_NOOP("pdx::velluto::Window", "되돌리기")},
    {kCmdRedo,
     {63, 385},
     winlib::kPushDisabledStyle,
     4,
     QT_TRANSLATE_NOOP("pdx::velluto::Window", "다시 실행")},
};

constexpr QRect kAnimationList(130, 63, 165, 22);
constexpr QRect kEffectList(362, 63, 207, 22);
constexpr QRect kCanvas(60, 140, 320, 218);
constexpr QRect kPreview(453, 141, 105, 67);
constexpr QRect kStatusLine(4, 442, 496, 15);
constexpr QRect kFileName(300, 100, 270, 20);
constexpr QRect kMousePosition(300, 362, 80, 14);

int keyOf(const QKeyEvent &event) {
  if (event.key() == Qt::Key_Delete) {
    return kKeyDelete;
  }
  if (event.key() == Qt::Key_Escape) {
    return kKeyEscape;
  }
  return event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z ? event.key() : 0;
}

} // namespace

CVellutoWnd::CVellutoWnd(CAnimationFile &document, EditorPorts &ports)
    : document_(document), ports_(ports), session_(document, ports) {
  setAcceptDrops(true);
  session_.SetReplacedHandler([this] {
    if (canvas_ != nullptr) {
      Refresh();
    }
  });
  setAccessibleName(QCoreApplication::translate("pdx::velluto::Window", "애니메이션 편집기"));
  qApp->installEventFilter(this);
}

CVellutoWnd::~CVellutoWnd() {
  qApp->removeEventFilter(this);
}

void CVellutoWnd::OnCreate() {
  canvas_ = new CPictureCanvas(this, *this, random_);
  canvas_->setGeometry(kCanvas);
  canvas_->SetTextSource([this](bool) -> std::optional<std::pair<QString, QFont>> {
    CTextDlg dialog;
    if (dialog.DoModal(this, std::nullopt, 0) != winlib::kIdOkCommand) {
      return std::nullopt;
    }
    return std::make_pair(dialog.Text(), dialog.ChosenFont());
  });
  preview_ = new CEffectPreview(this, random_);
  preview_->setGeometry(kPreview);
  addLists();
  addButtons();
  chooseTool(kCmdToolSelect);
  Refresh();
}

void CVellutoWnd::addButtons() {
  for (const ButtonPlace &place : kButtons) {
    auto *button = new winlib::CBmpButton(this);
    (void)button->Create(place.style, QRect(place.at, QSize(1, 1)), this, place.command, place.command,
                         place.frames);
    const char *help = buttonHelpText(place.command);
    const QString caption = QCoreApplication::translate("pdx::velluto::Window", place.caption);
    button->setAccessibleName(caption);
    button->setToolTip(help != nullptr ? QString::fromUtf8(help) : caption);
    buttons_[place.command] = button;
  }
}

void CVellutoWnd::addLists() {
  animations_ = new QComboBox(this);
  animations_->setGeometry(kAnimationList);
  animations_->setFont(resources::dialogFont());
  animations_->setAccessibleName(QCoreApplication::translate("pdx::velluto::Window", "애니메이션"));
  animations_->setToolTip(
      QCoreApplication::translate("pdx::velluto::Window", "편집할 애니메이션을 고릅니다."));
  connect(animations_, &QComboBox::activated, this, [this](int row) {
    preview_->Stop();
    makeCurrent(animations_->itemData(row).toInt());
  });
  effects_ = new QComboBox(this);
  effects_->setGeometry(kEffectList);
  effects_->setFont(resources::dialogFont());
  effects_->setMaxVisibleItems(13);
  effects_->setAccessibleName(QCoreApplication::translate("pdx::velluto::Window", "효과"));
  effects_->setToolTip(
      QCoreApplication::translate("pdx::velluto::Window", "애니메이션이 나타나는 효과를 고릅니다."));
  for (const EffectRow &row : effectTable()) {
    effects_->addItem(QCoreApplication::translate("pdx::animation::Effects", row.name));
  }
  connect(effects_, &QComboBox::activated, this, [this](int row) { chooseEffect(row); });
}

winlib::CBmpButton *CVellutoWnd::Button(int command) const {
  const auto found = buttons_.find(command);
  return found == buttons_.end() ? nullptr : found->second;
}

CAnimation *CVellutoWnd::Current() const {
  return document_.at(document_.currentIndex());
}

void CVellutoWnd::Refresh() {
  fillAnimationList(-1);
  update();
}

int CVellutoWnd::rebuildAnimationList(int selectIndex) {
  animations_->clear();
  int selectRow = 0;
  for (const AnimationRow &row : session_.Rows()) {
    if (row.index == selectIndex) {
      selectRow = animations_->count();
    }
    animations_->addItem(QString::fromStdString(row.name), row.index);
  }
  return selectRow;
}

void CVellutoWnd::fillAnimationList(int selectIndex) {
  const int row = rebuildAnimationList(selectIndex);
  animations_->setCurrentIndex(row);
  makeCurrent(animations_->count() == 0 ? -1 : animations_->itemData(row).toInt());
}

void CVellutoWnd::makeCurrent(int index) {
  CAnimation *animation = document_.SetCurrent(index);
  canvas_->SetPicture(animation);
  preview_->SetAnimation(animation);
  const std::optional<int> row = animation ? effectRowOf(animation->effect()) : std::nullopt;
  effects_->setCurrentIndex(row.value_or(-1));
  history_.Clear();
  if (animation != nullptr) {
    history_.Push(animation->bits());
  }
  updateUndoButtons();
  update();
}

void CVellutoWnd::chooseEffect(int row) {
  CAnimation *animation = Current();
  const std::optional<uint16_t> code = effectCodeAt(row);
  if (animation == nullptr || !code) {
    return;
  }
  animation->setEffect(*code);
  setFocus();
  // The new effect shows at once.
  preview_->Play();
}

void CVellutoWnd::chooseTool(int command) {
  const std::optional<int> tool = toolOfCommand(command);
  if (!tool) {
    return;
  }
  canvas_->Model().SetTool(*tool);
  canvas_->update();
  toolChanged(canvas_->Model().tool());
}

void CVellutoWnd::toolChanged(Tool tool) {
  const std::optional<int> pressed = commandOfTool(static_cast<int>(tool));
  for (int command : kToolCommands) {
    if (winlib::CBmpButton *button = Button(command)) {
      button->SetState(command == pressed ? winlib::ButtonState::Pressed : winlib::ButtonState::Normal);
    }
  }
}

void CVellutoWnd::stopPreview() {
  preview_->Stop();
}

void CVellutoWnd::pictureChanged() {
  preview_->update();
  update(kFileName);
}

void CVellutoWnd::changeFinished() {
  if (CAnimation *animation = Current()) {
    history_.Push(animation->bits());
  }
  updateUndoButtons();
}

void CVellutoWnd::pointerMoved(Point pixel) {
  const QString text = pixel.x < 0 ? QString() : QString::asprintf("(%d, %d)", pixel.x, pixel.y);
  if (text != mouse_) {
    mouse_ = text;
    update(kMousePosition);
  }
}

void CVellutoWnd::undoOrRedo(bool undo) {
  CAnimation *animation = Current();
  if (animation == nullptr) {
    return;
  }
  CMonoPicture::Bits bits = animation->bits();
  if (!(undo ? history_.Undo(bits) : history_.Redo(bits))) {
    return;
  }
  animation->setBits(bits);
  animation->setModified();
  if (undo) {
    canvas_->Model().ClearSelection();
  }
  canvas_->update();
  preview_->update();
  updateUndoButtons();
}

void CVellutoWnd::updateUndoButtons() {
  if (winlib::CBmpButton *undo = Button(kCmdUndo)) {
    undo->Enable(history_.CanUndo());
  }
  if (winlib::CBmpButton *redo = Button(kCmdRedo)) {
    redo->Enable(history_.CanRedo());
  }
}

void CVellutoWnd::setStatus(const QString &text) {
  if (text != status_) {
    status_ = text;
    update(kStatusLine);
  }
}

void CVellutoWnd::PaintText(QPainter &painter) {
  painter.fillRect(kStatusLine, Qt::black);
  painter.setPen(Qt::white);
  const QRect status = kStatusLine.adjusted(4, 0, 0, 0);
  painter.setFont(
      resources::fitText(status_, resources::font(QStringLiteral("굴림"), 10), status.size(), false).font);
  painter.drawText(status, Qt::AlignLeft | Qt::AlignVCenter, status_);
  painter.setPen(Qt::black);
  painter.setFont(resources::font(QStringLiteral("굴림"), 12));
  QString name = QString::fromStdString(session_.FileName());
  if (document_.IsModified()) {
    name += QStringLiteral(" *");
  }
  painter.drawText(kFileName, Qt::AlignLeft | Qt::AlignVCenter, name);
  painter.setFont(resources::font(QStringLiteral("고딕"), 8));
  painter.drawText(kMousePosition, Qt::AlignRight | Qt::AlignVCenter, mouse_);
}

bool CVellutoWnd::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
      static_cast<QWidget *>(watched)->window() != this) {
    return false;
  }
  const auto *key = static_cast<QKeyEvent *>(event);
  const std::optional<int> command = commandForKey(keyOf(*key), (key->modifiers() & Qt::ControlModifier) != 0,
                                                   (key->modifiers() & Qt::ShiftModifier) != 0);
  if (!command) {
    return false;
  }
  OnCommand(*command, winlib::kNotifyCommand);
  return true;
}

void CVellutoWnd::dragEnterEvent(QDragEnterEvent *event) {
  if (event->mimeData()->hasUrls()) {
    event->acceptProposedAction();
  }
}

void CVellutoWnd::dropEvent(QDropEvent *event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.front().isLocalFile()) {
    return;
  }
  event->acceptProposedAction();
  preview_->Stop();
  (void)session_.Open(urls.front().toLocalFile().toStdString());
}

} // namespace pdx::velluto
