#include "apps/pelodex/ui/main_menu_page.h"
#include "apps/pelodex/ui/pelodex_app.h"
#include "apps/pelodex/ui/pin_dialog.h"
#include "core/base/test_support.h"
#include "features/groups/ui/dialog_testing.h"
#include "features/phonebook/ui/phonebook_page.h"
#include "features/sms/ui/received_page.h"
#include "features/sms/ui/sent_page.h"
#include "features/sms/ui/sms_dialogs.h"
#include "features/sms/ui/sms_menu_page.h"
#include "features/sms/ui/sms_text_box.h"
#include "link/frame/codes.h"
#include "link/ui/link_status_indicator.h"
#include "link/ui/password_page.h"
#include "platform/settings/settings.h"
#include "simulator/at/at_pty_modem.h"
#include "simulator/phone_model.h"
#include "simulator/pty_phone.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_message_box.h"
#include "winlib/testing/accessibility_check.h"
#include "winlib/testing/message_box_answerer.h"
#include "winlib/wait_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <thread>
#include <unistd.h>

namespace pdx::pelodex {
using namespace core;
namespace {

namespace fs = std::filesystem;

// A simulated device of class Pty on a pseudo-terminal, answering on its
// own thread.
template <class Pty> class PtyThread {
public:
  template <class Model> explicit PtyThread(Model &model) {
    std::string error;
    pty_ = Pty::create(model, error);
    if (pty_) {
      thread_ = std::thread([this] { pty_->run(stop_); });
    }
  }
  ~PtyThread() {
    stop_ = true;
    if (thread_.joinable()) {
      thread_.join();
    }
  }
  std::string device() const { return pty_ ? pty_->devicePath() : std::string(); }
  Pty &pty() { return *pty_; }

private:
  std::unique_ptr<Pty> pty_;
  std::atomic<bool> stop_ = false;
  std::thread thread_;
};

// The original phone.
class SimulatedPhone {
public:
  // The sample phone with only its first `entries` phonebook slots kept, so
  // that a read takes a moment, not the full 20 s of 200 slots.
  explicit SimulatedPhone(size_t entries = simulator::PhoneState::kSlots) : model_(trimmed(entries)) {}
  std::string device() const { return pty_.device(); }
  const simulator::PhoneState &state() const { return model_.state(); }
  // The phone refuses requests of this code (-1: none).
  void refuse(int code) { model_.setRefusedCode(code); }

  static simulator::PhoneState trimmed(size_t entries) {
    simulator::PhoneState state = simulator::sampleState();
    for (size_t slot = entries; slot < state.phonebook.size(); ++slot) {
      state.phonebook[slot].clear();
    }
    state.speedDials.assign(state.speedDials.size(), 0xFF);
    return state;
  }

private:
  simulator::PhoneModel model_;
  PtyThread<simulator::PtyPhone> pty_{model_};
};

// Every test runs with its own settings, data and runtime folders, and a
// port table that names no real device.
class PelodexAppTest : public ::testing::Test {
protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("pdx-app-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "runtime");
    fs::permissions(root_ / "runtime", fs::perms::owner_all);
    ::setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (root_ / "runtime").c_str(), 1);
    platform::Settings settings = platform::Settings::forProfile("Pelodex");
    for (int i = 1; i <= 8; ++i) {
      settings.setText("Communication", "COM" + std::to_string(i),
                       (root_ / ("no-port-" + std::to_string(i))).string());
    }
    settings.sync();
    // The original phone only: no search for AT before its password page.
    useProtocol("native");
  }
  void TearDown() override { fs::remove_all(root_); }

  static void useProtocol(const char *protocol) {
    platform::Settings settings = platform::Settings::forProfile("Pelodex");
    settings.setText("Communication", "Protocol", protocol);
    settings.sync();
  }

  // Pelodex on the simulated phone, answering its password page with the
  // phone's password once it asks.
  std::unique_ptr<PelodexApp> onPhone(const SimulatedPhone &phone) {
    PelodexOptions options;
    options.device = phone.device();
    auto app = std::make_unique<PelodexApp>(options);
    answerPasswordPage(*app, "0000", link::PasswordPage::kOkCommand);
    return app;
  }

  // Types `digits` and then presses `command` on the password page once the
  // log-on waits for it.
  void answerPasswordPage(PelodexApp &app, std::string digits, int command) {
    answer_.setInterval(20);
    QObject::connect(&answer_, &QTimer::timeout, [this, &app, digits, command] {
      auto *page = dynamic_cast<link::PasswordPage *>(app.CurrentWindow());
      if (page == nullptr || !page->IsWaiting()) {
        return;
      }
      answer_.stop();
      for (char d : digits) {
        page->AddDigit(d);
      }
      page->OnCommand(command, 0);
    });
    answer_.start();
  }

  void losePhoneOn(const std::function<void(PelodexApp &)> &open);
  void expectLoss(PelodexApp &app, const std::function<void()> &pull);
  // Answers the SIM's PIN dialogs with `pins`, one each, counting them.
  void answerPins(std::vector<std::string> pins) {
    pin_.setInterval(20);
    QObject::connect(&pin_, &QTimer::timeout, [this, pins] {
      auto *dialog = qobject_cast<PinDialog *>(QApplication::activeModalWidget());
      if (dialog == nullptr || pinsAsked_ >= static_cast<int>(pins.size())) {
        return;
      }
      dialog->field()->setText(QString::fromStdString(pins[static_cast<size_t>(pinsAsked_++)]));
      dialog->accept();
    });
    pin_.start();
  }
  // One offline run: start-up without a phone, then exit.
  void runOffline() {
    PelodexApp app(PelodexOptions{});
    answerPasswordPage(app, "", link::PasswordPage::kWithoutPhoneCommand);
    ASSERT_TRUE(app.InitInstance());
    app.ExitInstance();
  }
  QTimer answer_;
  QTimer pin_;
  int pinsAsked_ = 0;

  fs::path root_;
};

TEST_F(PelodexAppTest, LogsOnToTheSimulatedPhoneAndShowsTheMenu) {
  SimulatedPhone phone;
  ASSERT_FALSE(phone.device().empty());
  const auto owned = onPhone(phone);
  PelodexApp &app = *owned;
  ASSERT_TRUE(app.InitInstance());
  EXPECT_FALSE(app.Offline());
  auto *menu = qobject_cast<MainMenuPage *>(app.CurrentPage());
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->IsEnabled(MainMenuPage::kDataService));
  EXPECT_TRUE(menu->IsEnabled(MainMenuPage::kSms));
  // The folders of the start-up exist, and the exit saves the data file.
  const fs::path base = root_ / "data" / "QZ Telecom";
  EXPECT_TRUE(fs::is_directory(base / "save") && fs::is_directory(base / "melody") &&
              fs::is_directory(base / "animate"));
  app.ExitInstance();
  EXPECT_EQ(fs::file_size(base / "Pelodex.dat"), 72u + 21u); // the header and the default group
  // The port that answered is remembered.
  EXPECT_EQ(platform::Settings::forProfile("Pelodex").number("Communication", "Port", -1), 0);
}

// The original phone goes away on the page `open` shows.
void PelodexAppTest::losePhoneOn(const std::function<void(PelodexApp &)> &open) {
  auto phone = std::make_unique<SimulatedPhone>(0);
  const auto owned = onPhone(*phone);
  ASSERT_TRUE(owned->InitInstance());
  open(*owned);
  expectLoss(*owned, [&phone] { phone.reset(); });
}

// The menu is shown, its phone commands on or off, its indicator named so.
bool menuShows(PelodexApp &app, bool phoneCommands, const QString &indicator) {
  auto *menu = qobject_cast<MainMenuPage *>(app.CurrentPage());
  if (menu == nullptr || menu->IsEnabled(MainMenuPage::kSms) != phoneCommands) {
    return false;
  }
  for (QWidget *child : menu->findChildren<QWidget *>()) {
    if (dynamic_cast<link::LinkStatusIndicator *>(child) != nullptr) {
      return child->accessibleName() == indicator;
    }
  }
  return false;
}

// After `pull` takes the phone away, within the search interval the menu is
// shown with the phone's commands off, its indicator says so, and the user
// is told once.
void PelodexAppTest::expectLoss(PelodexApp &app, const std::function<void()> &pull) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  winlib::testing::MessageBoxAnswerer boxes;
  pull();
  const auto menuShowsTheLoss = [&app] { return menuShows(app, false, QStringLiteral("휴대폰 연결 안됨")); };
  EXPECT_TRUE(QTest::qWaitFor(menuShowsTheLoss, static_cast<int>(link::kSearchInterval.count())));
  QTest::qWait(100);
  ASSERT_EQ(boxes.seen.size(), 1u);
  EXPECT_EQ(boxes.seen[0].first, QString::fromUtf8(link::describe(link::Outcome::Disconnected)));
  auto *menu = qobject_cast<MainMenuPage *>(app.CurrentPage());
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->IsEnabled(MainMenuPage::kPhonebook));
  EXPECT_FALSE(menu->IsEnabled(MainMenuPage::kDataService));
}

TEST_F(PelodexAppTest, APhoneThatGoesAwayShowsOnTheMenu) {
  losePhoneOn([](PelodexApp &app) {
    app.ShowHelp();
    app.ShowMenu();
  });
}

TEST_F(PelodexAppTest, APhoneThatGoesAwayTakesTheUserOffItsPages) {
  losePhoneOn([](PelodexApp &app) { app.ShowSmsMenu(); });
}

TEST_F(PelodexAppTest, PhonebookOpensMergedWithThePhoneAndWritesReachIt) {
  SimulatedPhone phone(3);
  const auto owned = onPhone(phone);
  PelodexApp &app = *owned;
  ASSERT_TRUE(app.InitInstance());
  app.OpenPhonebook();
  auto *page = dynamic_cast<features::CPhonebookPage *>(app.CurrentWindow());
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(app.Store().pcPhonebook.size(), 3u);
  EXPECT_EQ(app.Store().pcPhonebook[0].phoneState, kStoredOnPhone);
  // The merged phonebook is in the data file at once.
  const fs::path data = root_ / "data" / "QZ Telecom" / "Pelodex.dat";
  CDataStore saved;
  ASSERT_EQ(loadDataFileAt(data, saved), DocResult::Ok);
  EXPECT_EQ(saved.pcPhonebook.size(), 3u);
  // A new entry goes to the lowest free slot of the phone.
  features::EntryForm form;
  form.name = text::fromUtf8("새사람");
  form.numbers[2] = "011-777-8888";
  form.storeOnPhone = true;
  ASSERT_TRUE(page->editor().addNew(form));
  EXPECT_FALSE(phone.state().phonebook[3].empty());
  EXPECT_TRUE(phone.state().phonebook[4].empty());
}

TEST_F(PelodexAppTest, EscInTheWaitWindowStopsTheReadAndLeavesTheMirrorAsItWas) {
  SimulatedPhone phone(3);
  const auto owned = onPhone(phone);
  PelodexApp &app = *owned;
  ASSERT_TRUE(app.InitInstance());
  const size_t mirrorBefore = app.Store().phonePhonebook.size();
  // Esc once the wait window counts the first record.
  QString count;
  QTimer watch;
  watch.setInterval(2);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    for (QWidget *w : QApplication::topLevelWidgets()) {
      auto *wait = qobject_cast<winlib::CWaitWindow *>(w);
      if (wait && wait->isVisible() && !wait->CountText().isEmpty() && !wait->CancelAsked()) {
        count = wait->CountText();
        QTest::keyClick(wait, Qt::Key_Escape);
      }
    }
  });
  watch.start();
  app.OpenPhonebook();
  watch.stop();
  EXPECT_TRUE(count.endsWith(QStringLiteral(" / 3"))) << count.toStdString();
  EXPECT_NE(qobject_cast<MainMenuPage *>(app.CurrentPage()), nullptr) << "no phonebook page, no question";
  EXPECT_EQ(app.Store().phonePhonebook.size(), mirrorBefore);
  EXPECT_FALSE(app.Store().read.phonebook);
}

TEST_F(PelodexAppTest, MessagePagesWriteThroughToThePhone) {
  SimulatedPhone phone(0);
  const auto owned = onPhone(phone);
  PelodexApp &app = *owned;
  ASSERT_TRUE(app.InitInstance());
  app.OpenSms();
  app.ShowSmsPage(true);
  auto *received = dynamic_cast<features::CSmsReceivedPage *>(app.CurrentWindow());
  ASSERT_NE(received, nullptr);
  ASSERT_EQ(received->list()->rowCount(), 3);
  EXPECT_EQ(phone.state().received[1][2], 0);
  received->list()->selectRow(2); // the one unread message
  EXPECT_EQ(phone.state().received[1][2], 1);
  features::testing::whenOpen<features::CReplyDlg>([](features::CReplyDlg &d) {
    d.textBox()->setBytes("re");
    d.OnCommand(winlib::kIdOkCommand, winlib::kNotifyCommand);
  });
  received->OnCommand(features::CSmsListPage::kReply, winlib::kNotifyCommand);
  ASSERT_FALSE(phone.state().saved[2].empty()) << "slot 130, the lowest free one";

  app.ShowSmsPage(false);
  auto *sent = dynamic_cast<features::CSmsSentPage *>(app.CurrentWindow());
  ASSERT_NE(sent, nullptr);
  ASSERT_EQ(sent->list()->rowCount(), 3);
  ASSERT_TRUE(sent->editor().addNew("new"));
  EXPECT_FALSE(phone.state().saved[3].empty());
  const size_t oldest = sent->editor().box(features::SmsBoxKind::Saved)[3].slot - 0x80u;
  const std::optional<int> row = sent->editor().modify(3, "changed");
  ASSERT_TRUE(row);
  const simulator::Bytes &modified = phone.state().saved[oldest];
  EXPECT_EQ(std::string(modified.begin() + 43, modified.begin() + 50), "changed");
  const winlib::testing::MessageBoxAnswerer boxes;
  ASSERT_TRUE(sent->editor().remove(features::SmsBoxKind::Saved, *row));
  EXPECT_TRUE(phone.state().saved[oldest].empty());
}

TEST_F(PelodexAppTest, EveryPageOfTheConnectedMenuPassesTheScreenReaderCheck) {
  SimulatedPhone phone(3);
  const auto owned = onPhone(phone);
  PelodexApp &app = *owned;
  ASSERT_TRUE(app.InitInstance());
  const auto menuCommand = [&app](int id) {
    return [&app, id] {
      app.ShowMenu();
      qobject_cast<MainMenuPage *>(app.CurrentPage())->OnCommand(id, winlib::kNotifyCommand);
    };
  };
  const std::pair<const char *, std::function<void()>> pages[] = {
      {"messages", [&app] { app.OpenSms(); }},          {"received", [&app] { app.ShowSmsPage(true); }},
      {"sent", [&app] { app.ShowSmsPage(false); }},     {"speed dials", [&app] { app.OpenSpeedDial(); }},
      {"alarms", [&app] { app.OpenAlarms(); }},         {"settings", [&app] { app.OpenPhoneSettings(); }},
      {"melodies", menuCommand(MainMenuPage::kMelody)}, {"animations", menuCommand(MainMenuPage::kAnimation)},
  };
  for (const auto &[name, open] : pages) {
    SCOPED_TRACE(name);
    open();
    EXPECT_THAT(winlib::testing::accessibilityProblems(app.CurrentWindow()), ::testing::IsEmpty());
  }
}

// A modem of today.
class SimulatedModem {
public:
  explicit SimulatedModem(simulator::at::AtModemState state = simulator::at::sampleModemState())
      : modem_(std::move(state)) {}
  std::string device() const { return pty_.device(); }
  // New messages arrive from the network, with their notices, or stop.
  void deliver(bool on) {
    simulator::at::AtFaults faults;
    if (on) {
      faults.push = {simulator::at::AtPush::NewMessage};
      faults.pushEvery = std::chrono::milliseconds(300);
    }
    pty_.pty().setFaults(faults);
  }

private:
  simulator::at::AtModem modem_;
  PtyThread<simulator::at::AtPtyModem> pty_{modem_};
};

TEST_F(PelodexAppTest, AnAtPhoneLogsOnWithTheSimPinAndOffersItsBookAndMessagesOnly) {
  SimulatedModem modem;
  ASSERT_FALSE(modem.device().empty());
  useProtocol("auto");
  PelodexOptions options;
  options.device = modem.device();
  PelodexApp app(options);
  // A wrong PIN first, then the right one; never the password page's four digits.
  answerPins({"9999", "1234"});
  ASSERT_TRUE(app.InitInstance());
  EXPECT_EQ(pinsAsked_, 2);
  ASSERT_NE(app.At(), nullptr);
  auto *menu = qobject_cast<MainMenuPage *>(app.CurrentPage());
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->IsEnabled(MainMenuPage::kPhonebook) && menu->IsEnabled(MainMenuPage::kSms));
  for (int command : {MainMenuPage::kAlarms, MainMenuPage::kPhoneSettings, MainMenuPage::kMelody,
                      MainMenuPage::kAnimation}) {
    EXPECT_FALSE(menu->IsEnabled(command)) << command;
    EXPECT_FALSE(menu->Button(command)->toolTip().isEmpty()) << command;
  }

  // The phonebook reads the SIM, then the phone's memory when chosen,
  // each merged with the PC's as the original phone's.
  const winlib::testing::MessageBoxAnswerer boxes;
  QTimer compare;
  compare.setInterval(20);
  int compared = 0;
  QObject::connect(&compare, &QTimer::timeout, [&compared] {
    if (auto *dialog = features::testing::openDialog<features::CCompareDlg>()) {
      ++compared;
      dialog->EndDialog(features::CCompareDlg::kFirstAnswer +
                        static_cast<int>(features::MergeChoice::AlwaysPhoneToPc));
    }
  });
  compare.start();
  ASSERT_TRUE(app.OpenPhonebook());
  auto *memory = app.CurrentWindow()->findChild<QComboBox *>(QStringLiteral("phonebookMemory"));
  ASSERT_NE(memory, nullptr);
  EXPECT_FALSE(memory->accessibleName().isEmpty());
  EXPECT_FALSE(app.Store().phonePhonebook[0].isEmpty());
  memory->setCurrentIndex(1);
  Q_EMIT memory->activated(1);
  ASSERT_TRUE(QTest::qWaitFor([&app] { return app.AtMemory() == "ME"; }));
  ASSERT_TRUE(QTest::qWaitFor([&app] { return app.Store().phonePhonebook[0].name.utf8() == "우리집"; }));
  EXPECT_GT(compared, 0);

  // A received message of three parts shows whole.
  app.OpenSms();
  app.ShowSmsPage(true);
  auto *page = dynamic_cast<features::CSmsReceivedPage *>(app.CurrentWindow());
  ASSERT_NE(page, nullptr);
  bool whole = false;
  for (int row = 0; row < page->list()->rowCount(); ++row) {
    page->list()->selectRow(row);
    whole = whole || page->pane()->toPlainText().endsWith(QStringLiteral("미리 알려 주세요."));
  }
  EXPECT_TRUE(whole);

  // A notice refreshes the received page and says that a message came.
  const int rows = page->list()->rowCount();
  modem.deliver(true);
  const auto noticed = [&app] {
    return app.CurrentWindow()->findChild<QLabel *>(QStringLiteral("newMessageNotice")) != nullptr;
  };
  ASSERT_TRUE(QTest::qWaitFor(noticed, 5000));
  modem.deliver(false);
  auto *refreshed = dynamic_cast<features::CSmsReceivedPage *>(app.CurrentWindow());
  ASSERT_NE(refreshed, nullptr);
  EXPECT_GT(refreshed->list()->rowCount(), rows);
}

// When no phone of today can be used, one box says why and the program goes
// on without the phone; the original phone's password page never shows.
TEST_F(PelodexAppTest, AnAtLogOnThatCannotUseThePhoneGoesOnWithoutIt) {
  simulator::at::AtModemState pukLocked = simulator::at::sampleModemState();
  pukLocked.pinAttempts = 0;
  const QString locked = QString::fromStdString(at::describe({at::AtStatus::PukLocked}));
  struct Row {
    const char *what;
    std::optional<simulator::at::AtModemState> sim;
    std::vector<std::string> pins;
    QString box;
  };
  const Row rows[] = {
      {"no phone",
       std::nullopt,
       {},
       QStringLiteral(
           "휴대폰을 찾을수 없습니다. 휴대폰을 연결하세요. [취소]를 누르면 휴대폰 없이 사용합니다.")},
      {"SIM locked with its PUK", pukLocked, {}, locked},
      {"third wrong PIN", simulator::at::sampleModemState(), {"1111", "2222", "3333"}, locked},
  };
  useProtocol("at");
  for (const Row &row : rows) {
    SCOPED_TRACE(row.what);
    std::optional<SimulatedModem> modem;
    PelodexOptions options;
    if (row.sim) {
      options.device = modem.emplace(*row.sim).device();
    }
    PelodexApp app(options);
    pinsAsked_ = 0;
    answerPins(row.pins);
    bool passwordPage = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      passwordPage = passwordPage || dynamic_cast<link::PasswordPage *>(app.CurrentWindow()) != nullptr;
    });
    watch.start(5);
    const winlib::testing::MessageBoxAnswerer boxes; // OK: not Retry
    ASSERT_TRUE(app.InitInstance());
    pin_.disconnect();
    EXPECT_FALSE(passwordPage);
    EXPECT_TRUE(app.Offline() && app.At() == nullptr);
    EXPECT_EQ(pinsAsked_, static_cast<int>(row.pins.size()));
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].first, row.box);
  }
}

// The phone is reached through a link, as through /dev/serial/by-id: the
// modem plugged in again is a new device behind the same name.
TEST_F(PelodexAppTest, AnAtPhoneUnpluggedWhileIdleIsToldAndLoggedOnAgainWhenItReturns) {
  auto modem = std::make_unique<SimulatedModem>();
  const fs::path byId = root_ / "modem";
  fs::create_symlink(modem->device(), byId);
  useProtocol("at");
  PelodexOptions options;
  options.device = byId.string();
  PelodexApp app(options);
  answerPins({"1234", "1234"});
  ASSERT_TRUE(app.InitInstance());
  app.OpenSms();
  expectLoss(app, [&modem, &byId] {
    modem.reset();
    fs::remove(byId);
  });

  modem = std::make_unique<SimulatedModem>();
  fs::create_symlink(modem->device(), byId);
  const auto back = [&app] { return menuShows(app, true, QStringLiteral("휴대폰 연결됨")); };
  ASSERT_TRUE(QTest::qWaitFor(back, 3 * static_cast<int>(link::kSearchInterval.count())));
  EXPECT_EQ(pinsAsked_, 2) << "the SIM of the returning phone wants its PIN again";
  app.OpenSms(); // reads the returned phone's messages
  EXPECT_NE(qobject_cast<features::CSmsMenuPage *>(app.CurrentWindow()), nullptr);
}

TEST_F(PelodexAppTest, WithoutTheSettingsRecordTheMenuStays) {
  SimulatedPhone phone(3);
  const auto owned = onPhone(phone);
  PelodexApp &app = *owned;
  ASSERT_TRUE(app.InitInstance());
  phone.refuse(link::PC_OPT_DATA_REQ);
  const winlib::testing::MessageBoxAnswerer boxes; // the failure's question: not Retry
  app.OpenPhoneSettings();
  EXPECT_NE(qobject_cast<MainMenuPage *>(app.CurrentPage()), nullptr);
}

TEST_F(PelodexAppTest, TestModeAcceptsItsCodeWithoutAPhone) {
  PelodexOptions options;
  options.testMode = true;
  PelodexApp app(options);
  answerPasswordPage(app, "1999", link::PasswordPage::kOkCommand);
  ASSERT_TRUE(app.InitInstance());
  EXPECT_FALSE(app.Offline());
  EXPECT_TRUE(app.Store().testMode);
}

TEST_F(PelodexAppTest, ADamagedDataFileSurvivesTwoRunsAndTheBackupIsTakenOnRequest) {
  const fs::path base = root_ / "data" / "QZ Telecom";
  runOffline(); // the first start: an empty data file
  std::string entry(157, '\0');
  entry.replace(4, 3, "kim");
  entry.replace(21, 3, "021");
  std::string backup = readWholeFile(base / "Pelodex.dat");
  backup.replace(68 + 21, 4, std::string("\x01\0\0\0", 4));
  backup += entry;
  writeWholeFile(base / "Pelodex.old", backup);
  const std::string damaged = backup.substr(0, backup.size() - 10);
  writeWholeFile(base / "Pelodex.dat", damaged);
  const winlib::testing::MessageBoxAnswerer boxes;
  runOffline();
  EXPECT_EQ(boxes.seen.size(), 2u) << "told why, then asked about the backup";
  runOffline();
  EXPECT_EQ(boxes.seen.size(), 2u) << "the second run reads what the first one wrote";
  std::vector<fs::path> aside;
  for (const auto &f : fs::directory_iterator(base)) {
    if (f.path().filename().string().starts_with("Pelodex.dat.unreadable-")) {
      aside.push_back(f.path());
    }
  }
  ASSERT_EQ(aside.size(), 1u);
  EXPECT_EQ(readWholeFile(aside[0]), damaged);
  EXPECT_EQ(fs::file_size(base / "Pelodex.dat"), backup.size()) << "started from the backup's entry";
  EXPECT_EQ(fs::file_size(base / "Pelodex.old"), backup.size());
}

TEST_F(PelodexAppTest, WithoutAPhoneTheMenuIsOfflineAndThePhonebookShowsThePcData) {
  PelodexApp app(PelodexOptions{});
  answerPasswordPage(app, "", link::PasswordPage::kWithoutPhoneCommand);
  ASSERT_TRUE(app.InitInstance());
  EXPECT_TRUE(app.Offline());
  app.ShowHelp();
  EXPECT_THAT(winlib::testing::accessibilityProblems(app.CurrentWindow()), ::testing::IsEmpty());
  app.ShowMenu();
  auto *menu = qobject_cast<MainMenuPage *>(app.CurrentPage());
  ASSERT_NE(menu, nullptr);
  EXPECT_FALSE(menu->IsEnabled(MainMenuPage::kDataService));
  EXPECT_TRUE(menu->IsEnabled(MainMenuPage::kPhonebook));
  EXPECT_TRUE(menu->IsEnabled(MainMenuPage::kHelp));
  EXPECT_TRUE(menu->IsEnabled(MainMenuPage::kExit));
  EXPECT_THAT(winlib::testing::accessibilityProblems(menu), ::testing::IsEmpty());
  // The menu's own button replaces the menu page while its click is handled.
  winlib::CBmpButton *button = menu->Button(MainMenuPage::kPhonebook);
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  auto *page = dynamic_cast<features::CPhonebookPage *>(app.CurrentWindow());
  ASSERT_NE(page, nullptr);
  EXPECT_FALSE(page->editor().connected());
}

TEST_F(PelodexAppTest, ClosingThePasswordPageEndsTheProgram) {
  PelodexApp app(PelodexOptions{});
  answerPasswordPage(app, "", link::PasswordPage::kExitCommand);
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(app.CurrentWindow(), nullptr);
}

} // namespace
} // namespace pdx::pelodex
