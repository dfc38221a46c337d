// The frame every Pelodex page stands in: a skinned window with the bottom
// row of help (도움말), back (이전) and exit (종료) at x 442, 491 and 539,
// y 385, the dispatch of the page's own commands and of that row, and the
// hook for the messages other programs send to the main window.
#pragma once

#include "features/common/ui/page_commands.h"
#include "winlib/bmp_wnd.h"

#include <array>
#include <cstdint>
#include <functional>

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {

// What every page borrows from the program: its help and the ways out.
// A page that needs more holds this in its own context.
struct PageContext {
  std::function<void()> showHelp;
  std::function<void()> backToMenu;
  std::function<void()> exitProgram;
};

// The command ids of the bottom row's buttons.
struct PageRowIds {
  int help;
  int back;
  int exit;
};

class CPageFrame : public winlib::CBmpWnd {
  Q_OBJECT

public:
  // How the row is drawn: text buttons (46 x 40) or the skin's pictures,
  // which carry the row's ids.
  enum class RowLook { Text, Skin };

  CPageFrame(PageContext context, PageRowIds ids);

  // Runs a notified command: the page's own, else the row's; other ids and
  // codes go to the window as before.
  void OnCommand(int id, int code) override;
  // A message another program sent to the main window (kMsgMelodySaved,
  // kMsgAnimationSaved); pages that show those programs' files refill.
  virtual void OnProgramMessage(uint32_t message);

  // The row's buttons in the order help, back, exit; null before addRow.
  const std::array<winlib::CBmpButton *, 3> &rowButtons() const { return row_; }

protected:
  // Makes the row. Pages call it after their own controls: Tab and
  // assistive technology reach the row last.
  void addRow(RowLook look);
  // What the page's own command `id` runs; empty for ids it has none for.
  virtual std::function<void()> ownCommand(int id) = 0;
  // What command `id` runs: the page's own or the row's; empty for other
  // ids and for a callback the program did not give.
  std::function<void()> commandFor(int id);
  // Runs command `id`; false when the page has no such command. Pages that
  // gate their commands override it.
  virtual bool runCommand(int id);

private:
  std::function<void()> rowCommand(int id) const;

  PageContext context_;
  PageRowIds ids_;
  std::array<winlib::CBmpButton *, 3> row_{};
};

} // namespace pdx::features
