// CBmpWndBasedApp: the application base of the three programs. It knows the
// program's folder and settings profile, keeps the main window's position,
// owns the hidden owner window that carries the program's title and answers
// other programs through the window marker, and creates and ends the main
// window. One object per program, made after the QApplication.
#pragma once

#include "winlib/bmp_wnd.h"
#include "winlib/filetypes/file_types.h"
#include "winlib/marker/marked_window.h"

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace pdx::winlib {

// A second start: when a program titled `title` already runs, asks it to
// come forward and, with `file`, to open that file as its Open command
// would. True when it answered: this start then ends. A relative `file`
// that exists here is handed over as an absolute path; any other stays as
// given, for the running program to look up as it looks up its arguments.
bool HandOverToRunning(const QString &title, const std::optional<std::string> &file);

class CBmpWndBasedApp {
public:
  // `profile` names the settings profile ("Pelodex", "Brevanto",
  // "Tesselin"); `title` the program's window title.
  CBmpWndBasedApp(QString profile, QString title);
  ~CBmpWndBasedApp();
  CBmpWndBasedApp(const CBmpWndBasedApp &) = delete;
  CBmpWndBasedApp &operator=(const CBmpWndBasedApp &) = delete;

  static CBmpWndBasedApp *Instance();

  // Single instance: when a window of this title already runs, asks it to
  // show itself and returns false (the caller ends). Otherwise starts
  // answering under the title and returns true.
  bool ClaimSingleInstance();
  // Messages from other programs (0x472, 0x477) reach this handler.
  void SetMessageHandler(MarkedWindowServer::Handler handler);
  // A file handed over by a later start (HandOverToRunning). The open
  // dialogs are cancelled first; `open` runs once they are gone.
  void SetOpenHandler(std::function<void(const std::string &path)> open) { open_ = std::move(open); }

  // Registers the file types, the program's desktop entry and its icon for
  // the current user when they are missing (see file_types.h). The icon is
  // the program's own picture (128 Pelodex, 129 Carrowin, 130 Velluto),
  // which also becomes the windows' icon.
  FileTypeRegistration RegisterFileTypes(SuiteProgram program);

  std::string ProgramDirectory() const;
  // The main window's place when it exists; otherwise the stored place,
  // clamped to the screen; nothing for the system's default place.
  std::optional<QPoint> LoadWindowPosition() const;
  void SaveWindowPosition();

  // Places `window` at the loaded position, sizes it to its bitmap, shows it
  // and makes it the main window, destroying a previous one. Takes
  // ownership.
  bool CreateMainWindow(CBmpWnd *window, int bitmapId);
  CBmpWnd *MainWindow() const { return mainWindow_; }
  QWidget *OwnerWindow() const { return owner_.get(); }
  void DestroyMainWindow();

  // The program's exit command, run on a close request after the position
  // is saved; without one the application quits.
  void SetExitCommand(std::function<void()> command) { exitCommand_ = std::move(command); }
  // A close request of the main window or the owner window.
  void RequestClose();
  // Destroys the main window and the owner window, which ends the run.
  void Exit();

  const QString &Title() const { return title_; }
  const QString &Profile() const { return profile_; }

private:
  void BringForward();

  QString profile_;
  QString title_;
  std::unique_ptr<QWidget> owner_;
  QPointer<CBmpWnd> mainWindow_;
  MarkedWindowServer server_;
  MarkedWindowServer::Handler handler_;
  std::function<void(const std::string &)> open_;
  std::function<void()> exitCommand_;
  int iconId_ = 128;
};

} // namespace pdx::winlib
