// The comparison dialog of the merge: what differs, the PC's and the
// phone's values, and four answers (this time, or always for the rest of
// the merge).
#pragma once

#include "features/phonebook/phonebook_ports.h"
#include "winlib/bmp_dialog.h"

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {

class CCompareDlg : public winlib::CBmpDialog {
  Q_OBJECT

public:
  // The answers' commands, in the order of MergeChoice.
  static constexpr int kFirstAnswer = 3401;

  explicit CCompareDlg(const Conflict &conflict);
  // The answer given; meaningful after DoModal returned an answer command.
  static MergeChoice choiceOf(int command) { return static_cast<MergeChoice>(command - kFirstAnswer); }
  winlib::CBmpButton *answerButton(MergeChoice choice) const;

  void OnCommand(int id, int code) override;

protected:
  void OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override {}
  void paintEvent(QPaintEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  Conflict conflict_;
  winlib::CBmpButton *answers_[4] = {};
};

// Asks through the comparison dialog, centred on the screen. The keys 1 to
// 4 give the answers and Enter the focused one (the first at the start);
// Esc does not answer it, there being no answer that changes nothing. A
// dialog closed with the program leaves the phone as it is.
class DialogResolver : public ConflictResolver {
public:
  explicit DialogResolver(QWidget *owner) : owner_(owner) {}
  MergeChoice resolve(const Conflict &conflict) override;

private:
  QWidget *owner_;
};

} // namespace pdx::features
