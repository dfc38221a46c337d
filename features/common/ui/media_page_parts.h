// Pieces the melody and animation pages share: their buttons, labels, the
// user's message boxes, and the phone whose sends run with the page
// disabled under the wait cursor.
#pragma once

#include "core/base/event_loop.h"
#include "features/common/media_ports.h"
#include "features/common/ui/busy_widgets.h"
#include "features/common/ui/page_commands.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <vector>

class QKeyEvent;
class QPainter;

namespace pdx::winlib {
class CBmpButton;
}

namespace pdx::features {

// What the melody and animation pages borrow from the program.
struct MediaPageContext {
  std::filesystem::path folder;
  MediaPhone &phone;
  ProgramStarter &starter;
  EventLoop &loop;
  std::function<void()> backToMenu;
  std::function<void()> exitProgram;
  std::function<void()> showHelp;
  // Stands in for the message boxes (tests).
  MediaUser *user = nullptr;
};

// A button of the program's own picture `command` (a text button of the
// skin) at `at`, sending `command` to `parent`, named `accessibleName`.
winlib::CBmpButton *addSkinButton(QWidget *parent, int command, QPoint at, const QString &accessibleName);
// A text button of the given size, for places the skin's buttons do not fit.
winlib::CBmpButton *addCaptionButton(QWidget *parent, int command, const QString &caption, QRect rect,
                                     const QString &accessibleName);

struct PageLabel {
  QPoint at; // top left of the text line
  QString text;
};
// Draws labels in the page's bold label font.
void drawPageLabels(QPainter &painter, const std::vector<PageLabel> &labels);

// The commands of a page that the keyboard reaches, in its lists or
// anywhere on the page.
struct MediaPageKeys {
  int play;      // Ctrl+P, Enter
  int stop;      // Esc while something plays
  int firstSlot; // 1, 2, 3: this command and the two after it
  int editor;    // Ctrl+E
  int help;      // F1
  int back;      // Esc while nothing plays
};
// The command of `event` (0: none of the page's keys). `running` tells
// whether a melody or a preview plays.
int mediaPageCommand(const QKeyEvent &event, const MediaPageKeys &keys, bool running);

// The main menu's ids of exit (1000), help (1001) and back (1003) as the
// page's own `exits`; other ids unchanged.
int mediaMenuCommand(int id, const PageExitIds &exits);

struct MediaCommandIds {
  int play;      // plays or previews the chosen item
  int firstSlot; // sends to slot 0; the next two ids to slots 1 and 2
  PageExitIds exits;
};

// Runs command `id` of a melody or animation page from `table` or the
// bottom row (the menu's ids included). Playing and sending need a chosen
// item; what plays stops before any command runs.
template <typename Page, typename Logic>
void runMediaCommand(Page &page, Logic &logic, std::span<const PageCommand<Page>> table,
                     const MediaPageContext &context, const MediaCommandIds &ids, int id) {
  id = mediaMenuCommand(id, ids.exits);
  const std::function<void()> run = pageCommand(page, table, context, ids.exits, id);
  if (!run) {
    return;
  }
  const bool needsChoice = id == ids.play || (id >= ids.firstSlot && id < ids.firstSlot + 3);
  if (needsChoice && !logic.catalog().hasChoice()) {
    return;
  }
  logic.beforeCommand();
  // The handler may replace the page; it goes away only once we returned.
  run();
}

class MessageBoxUser : public MediaUser {
public:
  explicit MessageBoxUser(QWidget *owner) : owner_(owner) {}
  void tell(const std::string &message, bool error) override;

private:
  QPointer<QWidget> owner_;
};

// Sends through `phone` with `page` disabled under the wait cursor; the
// page is enabled again only when it still exists.
class BusyMediaPhone : public MediaPhone {
public:
  BusyMediaPhone(MediaPhone &phone, QWidget *page) : phone_(phone) { busy_.set({page}); }
  bool sendMelody(std::span<const uint8_t> payload) override;
  bool sendAnimation(std::span<const uint8_t> payload) override;

private:
  MediaPhone &phone_;
  BusyWidgets busy_;
};

} // namespace pdx::features
