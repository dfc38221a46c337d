// The modal help dialog a window opens over itself, and the controls of the
// main window's help page.
#pragma once

#include "winlib/bmp_dialog.h"

class QTextEdit;

namespace pdx::winlib {

class CBmpButton;

inline constexpr int kHelpDialogWidth = 400;
inline constexpr int kHelpDialogHeight = 300;

// The help dialog: the topic in a read-only view and the close button.
class CHelpDialog : public CBmpDialog {
  Q_OBJECT

public:
  explicit CHelpDialog(int topic);

  QTextEdit *View() const { return view_; }
  CBmpButton *CloseButton() const { return close_; }

protected:
  void OnInitDialog() override;

private:
  int topic_;
  QTextEdit *view_ = nullptr;
  CBmpButton *close_ = nullptr;
};

// Shows `topic` in the help dialog with its top-left corner at (x, y) on the
// screen (callers pass their own window's corner plus 100 each way) and runs
// it until it is closed; `parent` is disabled meanwhile. A missing topic
// shows an empty dialog.
void ShowHelpDialog(QWidget *parent, int x, int y, int topic);

// The help page of the main window (page 3014): the overview topic and the
// back and exit buttons.
inline constexpr int kHelpPageTopic = 2100;
inline constexpr int kHelpPageExit = 4360;
inline constexpr int kHelpPageBack = 4361;

struct HelpPageControls {
  QTextEdit *view;
  CBmpButton *back;
  CBmpButton *exit;
};

// Places the help page's controls on `page`; their commands reach the page
// when it is a CommandTarget.
HelpPageControls createHelpPageControls(QWidget &page);

enum class HelpPageAction { None, Back, Exit };
// What a command means on the help page: 4361 and 1003 go back to the page
// shown before, 4360 and 1000 ask to quit the program.
HelpPageAction helpPageAction(int command);

} // namespace pdx::winlib
