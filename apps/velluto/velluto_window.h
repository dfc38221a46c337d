// CVellutoWnd: the animation editor's main window (skin 3060, 600 x 460).
// It holds the animation and effect lists, the canvas, the effect preview,
// the buttons, the status line, the file name and the mouse position, and
// runs the editor's commands on the open document.
#pragma once

#include "animation/editor/editor_session.h"
#include "animation/file/random_source.h"
#include "animation/picture/canvas_model.h"
#include "animation/picture/undo_history.h"
#include "winlib/bmp_wnd.h"
#include "winlib/command_target.h"

#include <functional>
#include <map>
#include <memory>

class QComboBox;

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::animation {
class CEffectPreview;
class CPictureCanvas;
} // namespace pdx::animation

namespace pdx::velluto {
using namespace animation;

class CVellutoWnd : public winlib::CBmpWnd, private CanvasOwner {
  Q_OBJECT

public:
  // Runs the import dialog over `owner` and lays its result onto the
  // picture; true when the picture changed.
  using ImportRunner = std::function<bool(QWidget *owner, CAnimation &picture)>;
  // `ports` answers the document commands' questions.
  CVellutoWnd(CAnimationFile &document, EditorPorts &ports);
  ~CVellutoWnd() override;

  // Shows the document (also on its own after New file and Open): lists
  // rebuilt, the first row (by name) current.
  void Refresh();
  // Runs a command as its button or key does.
  void OnCommand(int id, int code) override;
  void SetImportRunner(ImportRunner runner) { importRunner_ = std::move(runner); }
  // Where Exit goes once the user agreed to end.
  void SetExitAction(std::function<void()> action) { exitAction_ = std::move(action); }

  EditorSession &Session() { return session_; }
  CPictureCanvas *Canvas() const { return canvas_; }
  CEffectPreview *Preview() const { return preview_; }
  QComboBox *AnimationList() const { return animations_; }
  QComboBox *EffectList() const { return effects_; }
  winlib::CBmpButton *Button(int command) const;
  const CUndoHistory &History() const { return history_; }
  const QString &StatusText() const { return status_; }
  const QString &MouseText() const { return mouse_; }
  CAnimation *Current() const;

protected:
  // Makes the controls and shows the document.
  void OnCreate() override;
  void PaintText(QPainter &painter) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  // CanvasOwner
  void stopPreview() override;
  void pictureChanged() override;
  void changeFinished() override;
  void toolChanged(Tool tool) override;
  void pointerMoved(Point pixel) override;

  void addButtons();
  void addLists();
  void makeCurrent(int index);
  // Refills the animation list; the row of `selectIndex` (else 0).
  int rebuildAnimationList(int selectIndex);
  void fillAnimationList(int selectIndex);
  void renameAnimation();
  void chooseTool(int command);
  void chooseEffect(int row);
  void undoOrRedo(bool undo);
  void updateUndoButtons();
  void runCommand(int id);
  void documentCommand(int id);
  void animationCommand(int id);
  void importPicture();
  void showHelp();
  void exit();
  void setStatus(const QString &text);

  CAnimationFile &document_;
  EditorPorts &ports_;
  EditorSession session_;
  SystemRandom random_;
  CUndoHistory history_;
  CPictureCanvas *canvas_ = nullptr;
  CEffectPreview *preview_ = nullptr;
  QComboBox *animations_ = nullptr;
  QComboBox *effects_ = nullptr;
  std::map<int, winlib::CBmpButton *> buttons_;
  QString status_;
  QString mouse_;
  ImportRunner importRunner_;
  std::function<void()> exitAction_;
};

} // namespace pdx::velluto
