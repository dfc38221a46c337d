#include "apps/pelodex/ui/pelodex_app.h"

#include "apps/pelodex/launch.h"
#include "apps/pelodex/ui/help_page.h"
#include "apps/pelodex/ui/main_menu_page.h"
#include "apps/pelodex/ui/media_pages.h"
#include "apps/pelodex/ui/pelodex_page.h"
#include "core/base/user_text.h"
#include "core/data/datafile_startup.h"
#include "features/phonebook/ui/phonebook_page.h"
#include "link/ui/password_page.h"
#include "platform/serial/port_table.h"
#include "platform/settings/settings.h"
#include "resources/fonts.h"
#include "resources/help/help_tables.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_message_box.h"
#include "winlib/help/help_topics.h"
#include "winlib/help/ui/help_dialog.h"
#include "winlib/marker/marked_window.h"
#include "winlib/marker/runtime_folder.h"
#include "winlib/wait_window.h"

#include <QApplication>
#include <QLabel>
#include <cstdio>
#include <ctime>

namespace pdx::pelodex {
using namespace core;

namespace {

constexpr const char *kProfile = "Pelodex";

platform::PortTable portTable(const PelodexOptions &options) {
  platform::PortTable ports = platform::loadPortTable(platform::Settings::forProfile(kProfile));
  if (options.device) {
    ports[0] = *options.device;
  }
  return ports;
}

// Start-up's questions about the data file, as message boxes on the page.
class MessageBoxDataFileUser : public DataFileUser {
public:
  explicit MessageBoxDataFileUser(QWidget *page) : page_(page) {}
  void tell(const std::string &message) override {
    winlib::CBmpMessageBox::Show(page_, QString::fromStdString(message), QString(),
                                 winlib::kMbOk | winlib::kMbIconExclamation);
  }
  bool ask(const std::string &question) override {
    return winlib::CBmpMessageBox::Show(page_, QString::fromStdString(question), QString(),
                                        winlib::kMbYesNo | winlib::kMbIconQuestion) == winlib::kIdYes;
  }

private:
  QWidget *page_;
};

} // namespace

PelodexApp::PelodexApp(PelodexOptions options)
    : options_(std::move(options)), base_(kProfile, kProfile), port_(loop_, portTable(options_)),
      link_(port_, loop_), transfers_(link_, store_), dataFile_(store_),
      settings_(platform::Settings::forProfile(kProfile)), mediaPages_(std::make_unique<MediaPages>(*this)),
      whenIdle_([this] {
        const QWidget *window = CurrentWindow();
        return window != nullptr && window->isEnabled() && !link_.waiting();
      }) {
  atRejoin_.setInterval(link::kSearchInterval);
  QObject::connect(&atRejoin_, &QTimer::timeout, [this] { rejoinAt(); });
}

PelodexApp::~PelodexApp() {
  // The pages follow the link's status, which goes with this object: none
  // may outlive it, neither the current one nor those replaced and waiting
  // for their deferred deletion.
  delete base_.MainWindow();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget *PelodexApp::CurrentWindow() const {
  return base_.MainWindow();
}

platform::PortTable PelodexApp::ports() const {
  return portTable(options_);
}

PelodexPage *PelodexApp::CurrentPage() const {
  return qobject_cast<PelodexPage *>(base_.MainWindow());
}

bool PelodexApp::InitInstance() {
  folders_ = platform::loadPelodexFolders();
  if (!claimInstance()) {
    return false;
  }
  resources::installFonts();
  winlib::setHelpTopics(resources::pelodexHelpTopics());
  base_.SetMessageHandler([this](uint32_t message, unsigned long, unsigned long) -> long {
    onProgramMessage(message);
    return 0;
  });
  base_.SetExitCommand([this] { AskExit(); });
  store_.dataDir = folders_.data;
  store_.melodyDir = folders_.melody;
  store_.animationDir = folders_.animation;
  store_.testMode = options_.testMode;
  if (!logOn()) {
    base_.DestroyMainWindow();
    return false;
  }
  if (!loadDataFile()) {
    base_.DestroyMainWindow();
    return false;
  }
  ShowMenu();
  link_.setPresenceListener([this](bool present) { onPhonePresence(present); });
  return true;
}

bool PelodexApp::claimInstance() {
  dataLock_ = std::make_unique<DataFileLock>(folders_.data);
  if (dataLock_->state() == DataFileLock::State::Taken) {
    const std::optional<winlib::MarkedWindow> running = winlib::FindMarkedWindow(kProfile);
    if (running) {
      (void)winlib::SendMessage(*running, winlib::kMsgActivate);
    } else {
      tellStartFailure(text::translate("pdx::pelodex", "Pelodex가 이미 실행 중입니다."));
    }
    return false;
  }
  if (base_.ClaimSingleInstance()) {
    return true;
  }
  if (const std::string error = winlib::runtimeFolder().error; !error.empty()) {
    tellStartFailure(error);
  }
  return false;
}

void PelodexApp::tellStartFailure(const std::string &text) {
  std::fprintf(stderr, "Pelodex: %s\n", text.c_str());
  winlib::CBmpMessageBox::Show(nullptr, QString::fromStdString(text), QString(),
                               winlib::kMbOk | winlib::kMbIconStop);
}

bool PelodexApp::logOn() {
  const features::ProtocolChoice protocol =
      features::protocolChoice(settings_.text(features::kProtocolSection, features::kProtocolKey, "auto"))
          .value_or(features::ProtocolChoice::Auto);
  // A phone of today has no four-digit password: its page never shows.
  if (protocol == features::ProtocolChoice::At && !options_.testMode) {
    return logOnAt(true);
  }
  auto *page = new link::PasswordPage(link_.status());
  base_.CreateMainWindow(page, resources::kPagePassword);
  page->SetHelp([page] { winlib::ShowHelpDialog(page, page->x() + 100, page->y() + 100, 2101); });
  // A phone of today answers AT at once; the original one only after its
  // password, so the search for AT comes first.
  if (protocol == features::ProtocolChoice::Auto && !options_.testMode) {
    // The keypad waits while the ports are asked: what is typed meanwhile
    // would be lost before the original log-on begins.
    page->setEnabled(false);
    const bool found = logOnAt(false);
    page->setEnabled(true);
    if (found) {
      return true;
    }
  }
  platform::Settings settings = platform::Settings::forProfile(kProfile);
  link::LogOnSettings logOnSettings;
  logOnSettings.testMode = options_.testMode;
  logOnSettings.preferredPort = options_.device ? 0 : settings.number("Communication", "Port", 0);
  logOnSettings.rememberPort = [&settings](int port) {
    settings.setNumber("Communication", "Port", port);
    settings.sync();
  };
  const link::LogOnResult result = link::logOn(link_, *page, logOnSettings);
  offline_ = result == link::LogOnResult::Offline;
  return result != link::LogOnResult::Failed;
}

bool PelodexApp::loadDataFile() {
  MessageBoxDataFileUser user(base_.MainWindow());
  if (loadAtStartup(dataFile_, store_, user, std::time(nullptr)) == StartupLoad::Refused) {
    return false;
  }
  // The loaded groups become the group table; nothing is sent.
  store_.phoneGroups = store_.pcGroups;
  return true;
}

void PelodexApp::saveDataFile() {
  const DocResult result = dataFile_.save();
  if (result != DocResult::Ok) {
    winlib::CBmpMessageBox::Show(base_.MainWindow(), QString::fromUtf8(describe(result)), QString(),
                                 winlib::kMbOk | winlib::kMbIconStop);
  }
}

void PelodexApp::ExitInstance() {
  saveDataFile();
}

void PelodexApp::ShowPage(winlib::CBmpWnd *page, int bitmapId) {
  base_.CreateMainWindow(page, bitmapId);
}

void PelodexApp::ShowMenu() {
  std::map<int, std::function<void()>> handlers{
      {MainMenuPage::kHelp, [this] { ShowHelp(); }},
      {MainMenuPage::kExit, [this] { AskExit(); }},
      {MainMenuPage::kDataService, [this] { dataService(); }},
  };
  handlers[MainMenuPage::kPhonebook] = [this] { OpenPhonebook(); };
  handlers[MainMenuPage::kAlarms] = [this] { OpenAlarms(); };
  handlers[MainMenuPage::kPhoneSettings] = [this] { OpenPhoneSettings(); };
  handlers[MainMenuPage::kSms] = [this] { OpenSms(); };
  handlers[MainMenuPage::kMelody] = [this] { mediaPages_->OpenMelodies(); };
  handlers[MainMenuPage::kAnimation] = [this] { mediaPages_->OpenAnimations(); };
  const features::PhoneFeatures features = Features();
  const std::pair<int, bool> offered[] = {{MainMenuPage::kAlarms, features.alarms},
                                          {MainMenuPage::kPhoneSettings, features.options},
                                          {MainMenuPage::kMelody, features.media},
                                          {MainMenuPage::kAnimation, features.media}};
  for (const auto &[command, offer] : offered) {
    if (!offer) {
      handlers.erase(command);
    }
  }
  auto *menu = new MainMenuPage(link_.status(), phoneGone(), std::move(handlers));
  ShowPage(menu, resources::kPageMenu);
  for (const auto &[command, offer] : offered) {
    if (!offer && !phoneGone()) {
      markNativeOnly(menu->Button(command));
    }
  }
}

void PelodexApp::ShowHelp() {
  ShowPage(new HelpPage(
               link_.status(), [this] { ShowMenu(); }, [this] { AskExit(); }),
           resources::kPageHelp);
}

void PelodexApp::AskExit() {
  if (Message(text::translate("pdx::pelodex", "프로그램을 종료하시겠습니까?"),
              winlib::kMbOkCancel | winlib::kMbIconQuestion) == winlib::kIdOk) {
    base_.Exit();
  }
}

features::PageContext PelodexApp::PageContextFor(int helpTopic, std::function<void()> back) {
  const auto showHelp = [this, helpTopic] {
    QWidget *page = CurrentWindow();
    winlib::ShowHelpDialog(page, page->x() + 100, page->y() + 100, helpTopic);
  };
  if (!back) {
    back = [this] { ShowMenu(); };
  }
  return {showHelp, std::move(back), [this] { AskExit(); }};
}

int PelodexApp::Message(const std::string &text, uint32_t type) {
  return winlib::CBmpMessageBox::Show(base_.MainWindow(), QString::fromStdString(text), QString(), type);
}

void PelodexApp::dataService() {
  const DialupState state = checkDialup();
  if (state != DialupState::Ready) {
    Message(dialupMessage(state), winlib::kMbOk | winlib::kMbIconStop);
    return;
  }
  link_.close();
  if (!startDialup()) {
    Message(dialupMessage(DialupState::NotInstalled), winlib::kMbOk | winlib::kMbIconStop);
  }
}

bool PelodexApp::ReadWithRetry(link::ReadKind kind, const std::function<link::Outcome()> &read) {
  const link::ReadTexts texts = link::readTexts(kind);
  QWidget *page = base_.MainWindow();
  while (true) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    winlib::CWaitWindow wait(page, QString::fromUtf8(texts.reading), [this] { transfers_.cancel(); });
    transfers_.setProgress([&wait](int done, int total) { wait.SetProgress(done, total); });
    if (page != nullptr) {
      page->setEnabled(false);
    }
    wait.show();
    wait.activateWindow();
    wait.setFocus();
    const link::Outcome outcome = read();
    transfers_.setProgress(nullptr);
    wait.hide();
    if (page != nullptr) {
      page->setEnabled(true);
    }
    QApplication::restoreOverrideCursor();
    if (outcome == link::Outcome::Ok) {
      return true;
    }
    if (outcome == link::Outcome::Cancelled ||
        Message(texts.failed, winlib::kMbRetryCancel | winlib::kMbIconQuestion) != winlib::kIdRetry) {
      return false;
    }
  }
}

bool PelodexApp::OpenPhonebook(bool fresh) {
  // Without the phone the page shows the PC's own phonebook.
  const bool online = !phoneGone();
  if (online && fresh) {
    const PhonebookList mirror = store_.phonePhonebook;
    const GroupTable groups = store_.phoneGroups;
    const auto read = [this] { return at_ ? readAtPhonebook() : transfers_.readPhonebook(); };
    if (!ReadWithRetry(link::ReadKind::Phonebook, read)) {
      store_.phonePhonebook = mirror;
      store_.phoneGroups = groups;
      return false;
    }
  }
  features::PhonebookPhone &phone = at_ ? static_cast<features::PhonebookPhone &>(*atPhone_) : phone_;
  std::function<void()> openSpeedDial;
  if (Features().speedDials) {
    openSpeedDial = [this] { OpenSpeedDial(); };
  }
  features::PhonebookPageContext context{
      store_, phone, online, settings_, PageContextFor(2106), openSpeedDial, nullptr, nullptr, [this] {
        saveDataFile();
      }};
  auto *page = new features::CPhonebookPage(context);
  ShowPage(page, resources::kPagePhonebook);
  if (at_) {
    markNativeOnly(page->button(features::CPhonebookPage::kSpeedDial));
  }
  if (at_ && online) {
    addMemoryChoice(page);
  }
  if (online && fresh) {
    page->mergeOnOpen();
    saveDataFile();
  }
  return true;
}

void PelodexApp::onProgramMessage(uint32_t message) {
  if (auto *page = qobject_cast<features::CPageFrame *>(base_.MainWindow())) {
    page->OnProgramMessage(message);
  }
}

void PelodexApp::onPhonePresence(bool present) {
  if (auto *menu = qobject_cast<MainMenuPage *>(CurrentPage())) {
    menu->SetOffline(phoneGone());
  }
  if (present) {
    whenIdle_.cancel();
  } else {
    whenIdle_.run([this] { leaveForLostPhone(); });
  }
}

// The menu and the help page stay; every other page works on the phone.
void PelodexApp::leaveForLostPhone() {
  Message(link::describe(link::Outcome::Disconnected), winlib::kMbOk | winlib::kMbIconStop);
  if (CurrentPage() == nullptr) {
    ShowMenu();
  }
}

} // namespace pdx::pelodex
