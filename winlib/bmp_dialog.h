// CBmpDialog: a modal skinned dialog with its own loop. DoModal disables the
// owner, shows the dialog, runs until EndDialog, re-enables the owner and
// returns the identifier the dialog ended with. The frame is composed from
// the seventeen dialog pieces (5200..5207, 5209..5217) to the dialog's size;
// the caption bitmap sits at (5, 2), or at (0, 0) for the title bar 5208.
// Enter validates and ends with OK (1); Escape ends with Cancel (2); Tab and
// Shift+Tab move between the controls.
#pragma once

#include "winlib/mouse_move_wnd.h"

#include <QPixmap>
#include <functional>
#include <optional>

class QEventLoop;

namespace pdx::winlib {

inline constexpr int kIdOkCommand = 1;
inline constexpr int kIdCancelCommand = 2;

class CBmpDialog : public CMouseMoveWnd {
  Q_OBJECT

public:
  explicit CBmpDialog(QWidget *parent = nullptr);
  ~CBmpDialog() override;

  // `rect` in screen coordinates; without one the dialog keeps its size
  // (SetDialogSize) and opens at the owner's top-left corner plus 100
  // pixels, or centred on the screen without an owner. `captionId` 0 draws
  // no caption bitmap.
  int DoModal(QWidget *owner, std::optional<QRect> rect, int captionId, int flags = 0);
  void EndDialog(int result);

  void SetDialogSize(QSize size) { resize(size); }
  // The client area less 14 pixels left and right, 33 at the top and 52 at
  // the bottom, unless the dialog set its own.
  QRect ContentRect() const;
  void SetContentRect(const QRect &rect);
  // The caption bitmap (DoModal sets it too); 0 for none.
  void SetCaption(int captionId);
  int CaptionId() const { return captionId_; }
  // A caption as text, drawn on the title band when no caption bitmap is set.
  void SetCaptionText(const QString &text);
  const QString &CaptionText() const { return captionText_; }

  // True from the start of DoModal until EndDialog.
  bool IsRunning() const { return loop_ != nullptr && !ended_; }
  int Result() const { return result_; }

  // Ends every open dialog with Cancel, the newest first.
  static void CloseAll();
  static int OpenCount();
  // Runs `action` from the event loop once no dialog is open: at the next
  // turn of the loop, or after the last open one has returned from DoModal.
  // Dropped when `context` is destroyed first.
  static void WhenNoneOpen(QObject *context, std::function<void()> action);

  void OnCommand(int id, int code) override;

protected:
  // Called once the dialog is placed and before it is shown.
  virtual void OnInitDialog() {}
  // Enter and the OK command: checks the fields; the default ends with OK.
  virtual void OnOK();
  // Escape and the Cancel command: the default ends with Cancel.
  virtual void OnCancel();

  void paintEvent(QPaintEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void closeEvent(QCloseEvent *event) override;

private:
  void composeSkin();
  void place(QWidget *owner, std::optional<QRect> rect);

  QEventLoop *loop_ = nullptr;
  int result_ = kIdCancelCommand;
  bool ended_ = false;
  int captionId_ = 0;
  QString captionText_;
  std::optional<QRect> contentRect_;
  QPixmap skin_;
};

} // namespace pdx::winlib
