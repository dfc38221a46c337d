// The melody and animation pages in the program, on the simulated phone.
#include "core/app/ui/main_menu_page.h"
#include "core/app/ui/pelodex_app.h"
#include "features/animations/animation_test_files.h"
#include "features/animations/ui/animation_page.h"
#include "features/animations/ui/picture_view.h"
#include "features/groups/ui/dialog_testing.h"
#include "features/melodies/melody_test_files.h"
#include "features/melodies/ui/melody_page.h"
#include "link/frame/codes.h"
#include "link/ui/password_page.h"
#include "platform/settings/settings.h"
#include "simulator/pty_phone.h"
#include "winlib/bmp_message_box.h"

#include <QProcess>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace pdx::core {
namespace {

namespace fs = std::filesystem;
using features::testing::openDialog;

// Closes the next message box, which may open only after the link's own
// waits, and gives back its icon through `icon`.
void whenBoxOpens(winlib::MessageBoxIcon &icon) {
  auto *poll = new QTimer;
  auto tries = std::make_shared<int>(0);
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, tries, &icon] {
    if (auto *box = openDialog<winlib::CBmpMessageBox>()) {
      icon = box->Layout().icon;
      box->EndDialog(winlib::kIdOk);
    } else if (++*tries < 500) {
      return;
    } else {
      ADD_FAILURE() << "no message box opened";
    }
    poll->deleteLater();
    poll->stop();
  });
  poll->start();
}

// The sample phone on a pseudo-terminal, answering on its own thread and
// tracing every frame to `trace`.
class TracedPhone {
public:
  explicit TracedPhone(const fs::path &trace) : model_(simulator::sampleState()) {
    std::string error;
    pty_ = simulator::PtyPhone::create(model_, error);
    trace_ = std::fopen(trace.c_str(), "w");
    if (pty_) {
      pty_->setTrace(trace_);
      thread_ = std::thread([this] { pty_->run(stop_); });
    }
  }
  ~TracedPhone() {
    stop_ = true;
    if (thread_.joinable()) {
      thread_.join();
    }
    if (trace_ != nullptr) {
      std::fclose(trace_);
    }
  }
  std::string device() const { return pty_ ? pty_->devicePath() : std::string(); }
  simulator::PhoneModel &model() { return model_; }

private:
  simulator::PhoneModel model_;
  std::unique_ptr<simulator::PtyPhone> pty_;
  FILE *trace_ = nullptr;
  std::atomic<bool> stop_ = false;
  std::thread thread_;
};

class MediaPagesTest : public ::testing::Test {
protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("pdx-media-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "runtime");
    fs::create_directories(root_ / "empty-path");
    fs::permissions(root_ / "runtime", fs::perms::owner_all);
    ::setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (root_ / "runtime").c_str(), 1);
    path_ = ::getenv("PATH") ? ::getenv("PATH") : "";
    ::setenv("PATH", (root_ / "empty-path").c_str(), 1); // no editor to be found
  }
  void TearDown() override {
    ::setenv("PATH", path_.c_str(), 1);
    fs::remove_all(root_);
  }

  // Logs on to the phone on `device` and shows the menu.
  std::unique_ptr<PelodexApp> logOn(const std::string &device) {
    PelodexOptions options;
    options.device = device;
    auto app = std::make_unique<PelodexApp>(options);
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&app, &answer] {
      auto *page = dynamic_cast<link::PasswordPage *>(app->CurrentWindow());
      if (page != nullptr && page->IsWaiting()) {
        answer.stop();
        for (char d : std::string("0000")) {
          page->AddDigit(d);
        }
        page->OnCommand(link::PasswordPage::kOkCommand, 0);
      }
    });
    answer.start();
    return app->InitInstance() ? std::move(app) : nullptr;
  }
  template <typename Page> Page *openFromMenu(PelodexApp &app, int command) {
    auto *menu = qobject_cast<MainMenuPage *>(app.CurrentPage());
    EXPECT_TRUE(menu != nullptr && menu->IsEnabled(command));
    menu->OnCommand(command, winlib::kNotifyCommand);
    return dynamic_cast<Page *>(app.CurrentWindow());
  }
  std::string trace() const {
    std::ifstream in(root_ / "trace.txt");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path root_;
  std::string path_;
};

TEST_F(MediaPagesTest, MelodiesReachThePhoneInItsEncodingAndASavedFileAppearsAtOnce) {
  TracedPhone phone(root_ / "trace.txt");
  auto app = logOn(phone.device());
  ASSERT_NE(app, nullptr);
  const fs::path folder = app->Store().melodyDir;
  ASSERT_TRUE(features::testing::writeMelodyFile(folder, "곡.pcm", {{"도레미", features::testing::kDoReMi}}));
  auto *page = openFromMenu<features::CMelodyPage>(*app, MainMenuPage::kMelody);
  ASSERT_NE(page, nullptr);

  // Playing returns at once and keeps the page working; the send stops it.
  page->OnCommand(features::CMelodyPage::kPlay, winlib::kNotifyCommand);
  EXPECT_TRUE(page->logic().playing());
  QTest::keyClick(page->melodies(), Qt::Key_2);
  EXPECT_FALSE(page->logic().playing());
  const std::vector<uint8_t> &sent = phone.model().state().melodies[1];
  ASSERT_EQ(sent.size(), 28u);
  EXPECT_NE(trace().find("pc>phone PC_MD_SET_REQ"), std::string::npos);
  EXPECT_NE(trace().find(" 00 06 07 13 15 09 17 02 00 "), std::string::npos) << trace();

  // The phone refuses: a message, and its slot keeps the melody it had.
  phone.model().setRefusedCode(link::PC_MD_SET_REQ);
  winlib::MessageBoxIcon icon = winlib::MessageBoxIcon::None;
  whenBoxOpens(icon);
  QTest::keyClick(page->melodies(), Qt::Key_1);
  EXPECT_EQ(icon, winlib::MessageBoxIcon::Exclamation);
  EXPECT_TRUE(phone.model().state().melodies[0].empty());

  // The editor is nowhere: the launcher's message.
  whenBoxOpens(icon);
  QTest::keyClick(page->melodies(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(icon, winlib::MessageBoxIcon::Stop);

  // The melody editor saves a file and says so over the marker's socket.
  ASSERT_TRUE(features::testing::writeMelodyFile(folder, "새곡.pcm", {{"솔", features::testing::kDoReMi}}));
  QProcess peer;
  peer.start(QStringLiteral(PDX_MARKER_PEER),
             {QStringLiteral("send"), QStringLiteral("Pelodex"), QStringLiteral("0x472")});
  EXPECT_TRUE(QTest::qWaitFor([page] { return page->files()->rowCount() == 2; }, 5000));
  EXPECT_TRUE(peer.waitForFinished(5000));
  EXPECT_EQ(peer.exitCode(), 0);
  app->ExitInstance();
}

TEST_F(MediaPagesTest, TheSecondSlotPreviewFillsPhoneSlotTwo) {
  TracedPhone phone(root_ / "trace.txt");
  auto app = logOn(phone.device());
  ASSERT_NE(app, nullptr);
  ASSERT_TRUE(features::testing::writeAnimationFile(app->Store().animationDir, "그림.pca", 2, 3));
  auto *page = openFromMenu<features::CAnimationPage>(*app, MainMenuPage::kAnimation);
  ASSERT_NE(page, nullptr);
  page->OnCommand(features::CAnimationPage::kSlot2, winlib::kNotifyCommand);
  const std::vector<uint8_t> &sent = phone.model().state().animations[2];
  ASSERT_EQ(sent.size(), 631u);
  EXPECT_EQ(sent[18], 4); // effect 3, plus one
  EXPECT_TRUE(page->slotView(1)->hasPicture());
  page->OnCommand(features::CAnimationPage::kBack, winlib::kNotifyCommand);
  EXPECT_NE(qobject_cast<MainMenuPage *>(app->CurrentPage()), nullptr);
  app->ExitInstance();
}

} // namespace
} // namespace pdx::core
