// The phone-options page: the 38 rows of settings under their headings,
// edited in place with a dropped-down list of choices or an edit box over
// the value cell, and the apply button that sends the whole record. Edits
// stay in memory until apply, which is enabled only while the record can be
// sent. The editors sit on the page beside the list, so that assistive
// technology reaches them as the list's neighbours.
#pragma once

#include "features/common/ui/drag_drop_list_box.h"
#include "features/common/ui/page_frame.h"
#include "features/common/ui/text_fields.h"
#include "features/groups/ui/dialog_user.h"
#include "features/options/options_editor.h"

#include <QListWidget>
#include <QPointer>
#include <functional>
#include <map>

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {

struct OptionsPageContext {
  core::CDataStore &store; // its options record, as the phone sent it
  OptionsPhone &phone;
  PageContext page;
  PageUser *user = nullptr; // stand-in for the message boxes (tests)
};

class COptionsPage : public CPageFrame {
  Q_OBJECT

public:
  enum Command { kApply = 4170, kHelp, kBack, kExit };

  explicit COptionsPage(OptionsPageContext context, QWidget *parent = nullptr);

  OptionsEditor &editor() { return editor_; }
  CDragDropListBox *list() const { return list_; }
  winlib::CBmpButton *button(Command command) const { return buttons_.at(command); }
  QListWidget *choiceEditor() const { return choice_; }
  ByteLimitedEdit *textEditor() const { return edit_; }

  // Opens the row's list of choices or edit box (headings have none),
  // after committing an open edit box.
  void openEditor(int row);
  // Stores an open edit box's text (with the row's checks) and closes it.
  void commitEdit();
  // Closes an open editor without storing.
  void cancelEditor();
  void apply();

protected:
  std::function<void()> ownCommand(int id) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void createButtons();
  // In the page's coordinates.
  QRect valueCell(int row) const;
  void openChoices(int row, const QString &name);
  void choose(int row, int index);
  void refreshRow(int row);

  OptionsPageContext context_;
  DialogUser dialogUser_;
  PageUser &user_;
  OptionsEditor editor_;
  CDragDropListBox *list_ = nullptr;
  QPointer<QListWidget> choice_;
  QPointer<ByteLimitedEdit> edit_;
  int editRow_ = -1;
  std::map<int, winlib::CBmpButton *> buttons_;
};

} // namespace pdx::features
