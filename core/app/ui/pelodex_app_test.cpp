#include "core/app/ui/main_menu_page.h"
#include "core/app/ui/pelodex_app.h"
#include "features/phonebook/ui/phonebook_page.h"
#include "link/ui/password_page.h"
#include "platform/settings/settings.h"
#include "simulator/phone_model.h"
#include "simulator/pty_phone.h"
#include "winlib/bmp_button.h"
#include "winlib/testing/accessibility_check.h"
#include "winlib/wait_window.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace pdx::core {
namespace {

namespace fs = std::filesystem;

// A simulated phone on a pseudo-terminal, answering on its own thread.
class SimulatedPhone {
public:
  // The sample phone with only its first `entries` phonebook slots kept, so
  // that a read takes a moment, not the full 20 s of 200 slots.
  explicit SimulatedPhone(size_t entries = simulator::PhoneState::kSlots) : model_(trimmed(entries)) {
    std::string error;
    pty_ = simulator::PtyPhone::create(model_, error);
    if (pty_) {
      thread_ = std::thread([this] { pty_->run(stop_); });
    }
  }
  ~SimulatedPhone() {
    stop_ = true;
    if (thread_.joinable()) {
      thread_.join();
    }
  }
  std::string device() const { return pty_ ? pty_->devicePath() : std::string(); }
  const simulator::PhoneState &state() const { return model_.state(); }

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
  std::unique_ptr<simulator::PtyPhone> pty_;
  std::atomic<bool> stop_ = false;
  std::thread thread_;
};

// With PDX_SHOTS_DIR set, saves a picture of the window shown now.
void shoot(PelodexApp &app, const char *name) {
  const char *dir = std::getenv("PDX_SHOTS_DIR");
  if (dir != nullptr && app.CurrentWindow() != nullptr) {
    app.CurrentWindow()->grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
  }
}

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
  }
  void TearDown() override { fs::remove_all(root_); }

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
      shoot(app, "logon");
      for (char d : digits) {
        page->AddDigit(d);
      }
      page->OnCommand(command, 0);
    });
    answer_.start();
  }

  QTimer answer_;

  fs::path root_;
};

TEST_F(PelodexAppTest, LogsOnToTheSimulatedPhoneAndShowsTheMenu) {
  SimulatedPhone phone;
  ASSERT_FALSE(phone.device().empty());
  PelodexOptions options;
  options.device = phone.device();
  PelodexApp app(options);
  answerPasswordPage(app, "0000", link::PasswordPage::kOkCommand);
  ASSERT_TRUE(app.InitInstance());
  EXPECT_FALSE(app.Offline());
  shoot(app, "menu-online");
  auto *menu = qobject_cast<MainMenuPage *>(app.CurrentPage());
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->IsEnabled(MainMenuPage::kDataService));
  EXPECT_FALSE(menu->IsEnabled(MainMenuPage::kSms)); // its page does not exist yet
  // The folders of the start-up exist, and the exit saves the data file.
  const fs::path base = root_ / "data" / "QZ Telecom";
  EXPECT_TRUE(fs::is_directory(base / "save") && fs::is_directory(base / "melody") &&
              fs::is_directory(base / "animate"));
  app.ExitInstance();
  EXPECT_EQ(fs::file_size(base / "Pelodex.dat"), 72u + 21u); // the header and the default group
  // The port that answered is remembered.
  EXPECT_EQ(platform::Settings::forProfile("Pelodex").number("Communication", "Port", -1), 0);
}

TEST_F(PelodexAppTest, PhonebookOpensMergedWithThePhoneAndWritesReachIt) {
  SimulatedPhone phone(3);
  PelodexOptions options;
  options.device = phone.device();
  PelodexApp app(options);
  answerPasswordPage(app, "0000", link::PasswordPage::kOkCommand);
  ASSERT_TRUE(app.InitInstance());
  app.OpenPhonebook();
  auto *page = dynamic_cast<features::CPhonebookPage *>(app.CurrentWindow());
  ASSERT_NE(page, nullptr);
  shoot(app, "phonebook-online");
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
  PelodexOptions options;
  options.device = phone.device();
  PelodexApp app(options);
  answerPasswordPage(app, "0000", link::PasswordPage::kOkCommand);
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

TEST_F(PelodexAppTest, TestModeAcceptsItsCodeWithoutAPhone) {
  PelodexOptions options;
  options.testMode = true;
  PelodexApp app(options);
  answerPasswordPage(app, "1999", link::PasswordPage::kOkCommand);
  ASSERT_TRUE(app.InitInstance());
  EXPECT_FALSE(app.Offline());
  EXPECT_TRUE(app.Store().testMode);
}

TEST_F(PelodexAppTest, OfflinePhonebookShowsThePcData) {
  PelodexApp app(PelodexOptions{});
  answerPasswordPage(app, "", link::PasswordPage::kWithoutPhoneCommand);
  ASSERT_TRUE(app.InitInstance());
  // The menu's own button replaces the menu page while its click is handled.
  winlib::CBmpButton *button = nullptr;
  for (auto *b : app.CurrentWindow()->findChildren<winlib::CBmpButton *>()) {
    button = b->CommandId() == MainMenuPage::kPhonebook ? b : button;
  }
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  auto *page = dynamic_cast<features::CPhonebookPage *>(app.CurrentWindow());
  ASSERT_NE(page, nullptr);
  EXPECT_FALSE(page->editor().connected());
}

TEST_F(PelodexAppTest, WithoutAPhoneTheMenuIsOffline) {
  PelodexApp app(PelodexOptions{});
  answerPasswordPage(app, "", link::PasswordPage::kWithoutPhoneCommand);
  ASSERT_TRUE(app.InitInstance());
  EXPECT_TRUE(app.Offline());
  shoot(app, "menu-offline");
  app.ShowHelp();
  shoot(app, "help");
  EXPECT_THAT(winlib::testing::accessibilityProblems(app.CurrentWindow()), ::testing::IsEmpty());
  app.ShowMenu();
  auto *menu = qobject_cast<MainMenuPage *>(app.CurrentPage());
  ASSERT_NE(menu, nullptr);
  EXPECT_FALSE(menu->IsEnabled(MainMenuPage::kDataService));
  EXPECT_TRUE(menu->IsEnabled(MainMenuPage::kPhonebook));
  EXPECT_TRUE(menu->IsEnabled(MainMenuPage::kHelp));
  EXPECT_TRUE(menu->IsEnabled(MainMenuPage::kExit));
  EXPECT_THAT(winlib::testing::accessibilityProblems(menu), ::testing::IsEmpty());
}

TEST_F(PelodexAppTest, ClosingThePasswordPageEndsTheProgram) {
  PelodexApp app(PelodexOptions{});
  answerPasswordPage(app, "", link::PasswordPage::kExitCommand);
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(app.CurrentWindow(), nullptr);
}

} // namespace
} // namespace pdx::core
