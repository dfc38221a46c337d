// CBmpMessageBox: the suite's message box, a skinned dialog sized to its
// text, with the button set and icon of its type (winlib/rules/
// message_box_layout.h). Show returns the button pressed: 1 OK, 2 Cancel,
// 4 Retry, 6 Yes, 7 No.
#pragma once

#include "winlib/bmp_dialog.h"
#include "winlib/rules/message_box_layout.h"

namespace pdx::winlib {

class CBmpButton;

class CBmpMessageBox : public CBmpDialog {
  Q_OBJECT

public:
  CBmpMessageBox();

  // The title band shows the caption bitmap `captionId`, else the text
  // `caption`; a box given neither carries the notice caption ("알림").
  // Centred on the owner's window, or on the screen
  // without an owner or when `centreOnScreen` is set.
  static int Show(QWidget *owner, const QString &text, const QString &caption, uint32_t type,
                  int captionId = 0, bool centreOnScreen = false);

  // Builds the box without running it (the gallery and tests look at it).
  void Prepare(const QString &text, const QString &caption, uint32_t type, int captionId);
  const MessageBoxLayout &Layout() const { return layout_; }
  CBmpButton *Button(int result) const;
  int RunAt(QWidget *owner, bool centreOnScreen);

protected:
  void OnOK() override;
  void OnCancel() override;
  void OnCommand(int id, int code) override;
  void paintEvent(QPaintEvent *event) override;
  // Opening is announced to assistive technology as an alert.
  void showEvent(QShowEvent *event) override;

private:
  QStringList lines_;
  MessageBoxLayout layout_;
  std::vector<CBmpButton *> buttons_;
};

} // namespace pdx::winlib
