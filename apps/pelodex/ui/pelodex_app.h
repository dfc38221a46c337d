// The phone-data program: start-up, the log-on, page switching, the main
// menu's commands and the exit. It owns the store and the link for the
// whole run; pages borrow them.
#pragma once

#include "apps/pelodex/adapters/at_phones.h"
#include "apps/pelodex/adapters/transfers_phone.h"
#include "apps/pelodex/adapters/transfers_sms_phone.h"
#include "apps/pelodex/options.h"
#include "apps/pelodex/ui/when_idle.h"
#include "core/data/datafile.h"
#include "core/data/datafile_lock.h"
#include "core/data/store.h"
#include "features/common/ui/page_frame.h"
#include "link/transfer/read_texts.h"
#include "link/transfer/transfers.h"
#include "platform/event_loop/qt_event_loop.h"
#include "platform/event_loop/system_clock.h"
#include "platform/serial/comm_port.h"
#include "platform/settings/folders.h"
#include "platform/settings/settings.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_wnd_based_app.h"

#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace pdx::pelodex {
using namespace core;

class PelodexPage;
class MediaPages;

class PelodexApp {
public:
  explicit PelodexApp(PelodexOptions options);
  ~PelodexApp();

  // The start-up up to the main menu; false ends the program.
  bool InitInstance();
  // Saves the data file.
  void ExitInstance();

  // Replaces the current page by `page` (skin `bitmapId`).
  void ShowPage(winlib::CBmpWnd *page, int bitmapId);
  void ShowMenu();
  void ShowHelp();
  // Asks whether to quit; on OK ends the run.
  void AskExit();
  // What a page borrows: help topic `helpTopic` over the page, back to the
  // main menu (or `back`), and the exit after asking.
  features::PageContext PageContextFor(int helpTopic, std::function<void()> back = {});

  // A message box on the current page; returns the button pressed.
  int Message(const std::string &text, uint32_t type);

  CDataStore &Store() { return store_; }
  link::CPhoneLink &Link() { return link_; }
  link::PhoneTransfers &Transfers() { return transfers_; }
  bool Offline() const { return offline_; }
  // The phone of today over AT commands, when that is the phone logged on.
  AtSession *At() const { return at_.get(); }
  features::PhoneFeatures Features() const {
    return features::PhoneFeatures::of(at_ ? features::PhoneProtocol::At : features::PhoneProtocol::Native);
  }
  // The phonebook memory of an AT phone the phonebook page reads: "SM"
  // (the SIM) or "ME" (the phone).
  const std::string &AtMemory() const { return atMemory_; }
  PelodexPage *CurrentPage() const;
  // The window shown now: a page, or the password page during the log-on.
  QWidget *CurrentWindow() const;
  const platform::PelodexFolders &Folders() const { return folders_; }

  // Reads from the phone with the user-level rules: a wait window with the
  // progress, which Esc or its Cancel button stops (false, no question),
  // and Retry/Cancel while it fails. True when the read succeeded.
  bool ReadWithRetry(link::ReadKind kind, const std::function<link::Outcome()> &read);

  // The phonebook: read from the phone when online (the mirror is put
  // back when the user cancels), then the page, merged when online.
  // Without `fresh` (back from the speed dials) the page shows what it had.
  // False when the read was given up.
  bool OpenPhonebook(bool fresh = true);
  // The speed-dial page (from the phonebook page), the alarm page (the
  // alarms read first) and the options page (the settings read first; the
  // menu stays when the read is given up).
  void OpenSpeedDial();
  void OpenAlarms();
  void OpenPhoneSettings();
  // Messages: read from the phone, then the message menu and its pages.
  void OpenSms();
  void ShowSmsMenu();
  void ShowSmsPage(bool received);

private:
  // One Pelodex per data file, and one answering on its window socket: a
  // running one that answers is shown instead of starting again; one that
  // holds the data file without answering (frozen, stopped) keeps it, and
  // this start ends saying so. False ends the program.
  bool claimInstance();
  // Says why the program cannot start: on standard error and in a box.
  void tellStartFailure(const std::string &text);
  bool logOn();
  // The log-on with a phone of today: the search of the ports for one that
  // answers AT, then the SIM's PIN. False when none answered and the
  // protocol is not forced (the original phone's log-on follows); else the
  // program goes on, connected or working without the phone.
  bool logOnAt(bool forced);
  // The first port whose device answers AT, opened in a session (atPort_
  // set, `device` its name); null when none does or the user stopped the
  // search, which a wait window with Cancel shows when `shown`.
  std::unique_ptr<AtSession> findAt(bool shown, std::string &device);
  // Unlocks the SIM and keeps the session; a SIM that stays locked is told
  // and leaves the program working without the phone.
  void connectAt(std::unique_ptr<AtSession> session, const std::string &device);
  void onNewMessage();
  // The AT phone's device hung up: as when the original phone is lost.
  void onAtHangUp();
  // While the AT phone is lost, each search interval once idle: its device
  // is logged on again as at the start, and the menu's commands come back.
  void rejoinAt();
  PinAsker pinAsker();
  // The reads of an AT phone, as the transfers' outcomes.
  link::Outcome readAtPhonebook();
  link::Outcome readAtMessages();
  // The phonebook page's memory choice, for an AT phone.
  void addMemoryChoice(QWidget *page);
  // Disables `button`, whose command an AT phone lacks, saying so on it.
  static void markNativeOnly(winlib::CBmpButton *button);
  platform::PortTable ports() const;
  // Start-up's load; false when the program must end (an unreadable data
  // file that could not be set aside).
  bool loadDataFile();
  // Saves when anything changed; a failure is shown.
  void saveDataFile();
  void dataService();
  void onProgramMessage(uint32_t message);
  // The phone went away or came back: the menu's commands follow at once;
  // once idle, a loss is told and a page that needs the phone is left for
  // the menu.
  void onPhonePresence(bool present);
  void leaveForLostPhone();
  bool phoneGone() const { return offline_ || link_.deviceLost() || atLost_; }

  PelodexOptions options_;
  winlib::CBmpWndBasedApp base_;
  CDataStore store_;
  platform::QtEventLoop loop_;
  platform::CCommPort port_;
  link::CPhoneLink link_;
  link::PhoneTransfers transfers_;
  DataFile dataFile_;
  platform::PelodexFolders folders_;
  std::unique_ptr<DataFileLock> dataLock_;
  bool offline_ = false;
  platform::Settings settings_;
  // The phone of the phonebook, group, speed-dial, alarm and option pages.
  TransfersPhone phone_{transfers_, link_};
  TransfersSmsPhone smsPhone_{transfers_, link_};
  // What new messages and the alarms' due-time order are dated by.
  platform::SystemClock clock_;
  std::unique_ptr<platform::CCommPort> atPort_;
  std::unique_ptr<AtSession> at_;
  std::unique_ptr<AtPhonebookPhone> atPhone_;
  std::unique_ptr<AtSmsPhone> atSms_;
  std::string atMemory_ = "SM";
  bool atLost_ = false; // the AT phone's device hung up; its port is closed
  QTimer atRejoin_;
  std::unique_ptr<MediaPages> mediaPages_;
  WhenIdle whenIdle_;
};

} // namespace pdx::pelodex
