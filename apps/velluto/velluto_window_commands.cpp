// The main window's commands: tools, clipboard, Undo, the preview, the
// document and animation commands, import, help and exit.
#include "animation/editor/editor_commands.h"
#include "animation/ui/effect_preview.h"
#include "animation/ui/picture_canvas.h"
#include "apps/velluto/velluto_window.h"
#include "winlib/bmp_message_box.h"
#include "winlib/help/ui/help_dialog.h"

#include <QComboBox>

namespace pdx::velluto {
using namespace animation;

namespace {

constexpr int kHelpTopic = 2113;

} // namespace

void CVellutoWnd::OnCommand(int id, int code) {
  if (code == winlib::kNotifyEnter || code == winlib::kNotifyLeave) {
    const char *help = code == winlib::kNotifyEnter ? buttonHelpText(id) : nullptr;
    setStatus(help != nullptr ? QString::fromUtf8(help) : QString());
    return;
  }
  if (code != winlib::kNotifyCommand) {
    return;
  }
  // Rename leaves the picture, and so its preview, as it is.
  if (id != kCmdPlay && id != kCmdRename) {
    preview_->Stop();
  }
  runCommand(id);
}

void CVellutoWnd::runCommand(int id) {
  CanvasModel &model = canvas_->Model();
  switch (id) {
  case kCmdPlay:
    preview_->Play();
    return;
  case kCmdStop:
    return;
  case kCmdUndo:
  case kCmdRedo:
    undoOrRedo(id == kCmdUndo);
    return;
  case kCmdCopy:
    model.Copy();
    break;
  case kCmdCut:
    model.Cut();
    break;
  case kCmdPaste:
    model.Paste();
    break;
  case kCmdSelectAll:
    model.SelectAll();
    break;
  case kCmdDeleteBlock:
    model.DeleteBlock();
    break;
  case kCmdClearSelection:
    model.ClearSelection();
    break;
  case kCmdImport:
    importPicture();
    return;
  case kCmdHelp:
    showHelp();
    return;
  case kCmdExit:
    exit();
    return;
  default:
    if (toolOfCommand(id)) {
      chooseTool(id);
      return;
    }
    documentCommand(id);
    return;
  }
  canvas_->update();
}

void CVellutoWnd::documentCommand(int id) {
  switch (id) {
  case kCmdNewFile:
    (void)session_.NewFile();
    return;
  case kCmdOpen:
    (void)session_.Open();
    return;
  case kCmdSave:
    (void)session_.SaveCommand();
    update();
    return;
  default:
    animationCommand(id);
    return;
  }
}

void CVellutoWnd::animationCommand(int id) {
  const int current = document_.currentIndex();
  std::optional<int> select;
  if (id == kCmdNewAnimation) {
    if (const auto name = ports_.AskAnimationName(std::string(), false)) {
      select = session_.NewAnimation(*name);
    }
  } else if (id == kCmdRename) {
    renameAnimation();
  } else if (id == kCmdDelete) {
    select = session_.DeleteAnimation(current);
  }
  if (select) {
    fillAnimationList(*select);
  }
}

void CVellutoWnd::renameAnimation() {
  const int current = document_.currentIndex();
  if (Current() == nullptr) {
    return;
  }
  const auto name = ports_.AskAnimationName(animations_->currentText().toStdString(), true);
  // Only the list changes: the animation stays current with its history,
  // selection and preview.
  if (name && session_.RenameAnimation(current, *name)) {
    animations_->setCurrentIndex(rebuildAnimationList(current));
    update();
  }
}

void CVellutoWnd::importPicture() {
  CAnimation *animation = Current();
  if (animation == nullptr || !importRunner_) {
    return;
  }
  // The runner lays the picture itself; only what it changed is shown here.
  if (importRunner_(this, *animation)) {
    canvas_->Model().ClearSelection();
    canvas_->update();
    preview_->update();
    update();
  }
}

void CVellutoWnd::showHelp() {
  winlib::ShowHelpDialog(this, x() + 100, y() + 100, kHelpTopic);
}

void CVellutoWnd::exit() {
  if (session_.Exit() && exitAction_) {
    exitAction_();
  }
}

} // namespace pdx::velluto
