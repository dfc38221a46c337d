// The melody and animation pages in the program, against a running
// `pelodex-cli simulate` whose phone state and trace the tests read.
#include "apps/pelodex/ui/main_menu_page.h"
#include "apps/pelodex/ui/pelodex_app.h"
#include "core/base/test_support.h"
#include "features/animations/animation_test_files.h"
#include "features/animations/ui/animation_page.h"
#include "features/animations/ui/picture_view.h"
#include "features/melodies/melody_test_files.h"
#include "features/melodies/ui/melody_page.h"
#include "link/ui/password_page.h"
#include "simulator/state_json.h"
#include "winlib/testing/message_box_answerer.h"

#include <QProcess>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <unistd.h>

namespace pdx::pelodex {
using namespace core;
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

// `pelodex-cli simulate` keeping its state in phone.json and its trace in
// trace.txt of `dir`; stopped with SIGTERM.
class SimulatedPhone {
public:
  SimulatedPhone(const fs::path &dir, const QStringList &extra) : dir_(dir) {
    process_.start(QStringLiteral(PDX_CLI),
                   QStringList{QStringLiteral("simulate"), QStringLiteral("--state"),
                               QString::fromStdString((dir / "phone.json").string()),
                               QStringLiteral("--trace"),
                               QString::fromStdString((dir / "trace.txt").string())} +
                       extra);
    if (process_.waitForReadyRead(10000)) {
      device_ = process_.readLine().trimmed().toStdString();
    }
  }
  ~SimulatedPhone() {
    process_.terminate();
    process_.waitForFinished(5000);
  }
  const std::string &device() const { return device_; }
  // The saved state once `ready` holds for it (or the last one read).
  simulator::PhoneState stateWhen(const std::function<bool(const simulator::PhoneState &)> &ready) const {
    simulator::PhoneState state;
    (void)QTest::qWaitFor(
        [&] {
          std::string error;
          return simulator::loadState(dir_ / "phone.json", state, error) == simulator::StateLoad::Loaded &&
                 ready(state);
        },
        5000);
    return state;
  }
  std::string trace() const { return readWholeFile(dir_ / "trace.txt"); }

private:
  fs::path dir_;
  QProcess process_;
  std::string device_;
};

// The bytes as the trace writes them.
std::string traced(const Bytes &bytes) {
  std::string out;
  char hex[4];
  for (uint8_t b : bytes) {
    std::snprintf(hex, sizeof hex, " %02X", b);
    out += hex;
  }
  return out;
}

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

  fs::path root_;
  std::string path_;
};

TEST_F(MediaPagesTest, MelodiesAndAnimationsReachTheSimulatedPhoneInItsEncoding) {
  SimulatedPhone phone(root_, {});
  auto app = logOn(phone.device());
  ASSERT_NE(app, nullptr);
  ASSERT_TRUE(features::testing::writeMelodyFile(app->Store().melodyDir, "곡.pcm",
                                                 {{"도레미", features::testing::kDoReMi}}));
  auto *page = openFromMenu<features::CMelodyPage>(*app, MainMenuPage::kMelody);
  ASSERT_NE(page, nullptr);

  // Playing returns at once and keeps the page working; the send (2: the
  // second slot) stops it. The payload: slot, name, zero, tempo, length,
  // the data, a zero.
  page->OnCommand(features::CMelodyPage::kPlay, winlib::kNotifyCommand);
  EXPECT_TRUE(page->logic().playing());
  QTest::keyClick(page->melodies(), Qt::Key_2);
  EXPECT_FALSE(page->logic().playing());
  const Bytes data{7, 19, 21, 9, 23, 2}; // quarter C, quarter D, eighth E
  const auto dataOf = [](const Bytes &payload) {
    return payload.size() < 22 ? Bytes() : Bytes(payload.begin() + 21, payload.end() - 1);
  };
  const Bytes sent =
      phone.stateWhen([&](const simulator::PhoneState &s) { return dataOf(s.melodies[1]) == data; })
          .melodies[1];
  EXPECT_EQ(dataOf(sent), data);
  EXPECT_EQ(text::toUtf8(std::string(reinterpret_cast<const char *>(&sent.at(1)))), "도레미");
  EXPECT_NE(phone.trace().find(traced(data)), std::string::npos);

  page->OnCommand(features::CMelodyPage::kBack, winlib::kNotifyCommand);
  ASSERT_TRUE(features::testing::writeAnimationFile(app->Store().animationDir, "그림.pca", 2, 3));
  auto *pictures = openFromMenu<features::CAnimationPage>(*app, MainMenuPage::kAnimation);
  ASSERT_NE(pictures, nullptr);
  pictures->OnCommand(features::CAnimationPage::kSlot2, winlib::kNotifyCommand);
  const Bytes picture =
      phone.stateWhen([](const simulator::PhoneState &s) { return !s.animations[2].empty(); }).animations[2];
  ASSERT_EQ(picture.size(), 631u);
  EXPECT_EQ(picture[18], 4); // effect 3, plus one
  EXPECT_TRUE(pictures->slotView(1)->hasPicture());
  pictures->OnCommand(features::CAnimationPage::kBack, winlib::kNotifyCommand);
  EXPECT_NE(qobject_cast<MainMenuPage *>(app->CurrentPage()), nullptr);
  app->ExitInstance();
}

TEST_F(MediaPagesTest, RefusalsAndMissingEditorsAreToldAndAnEditorsSaveAppearsAtOnce) {
  SimulatedPhone phone(root_, {QStringLiteral("--refuse"), QStringLiteral("PC_MD_SET_REQ")});
  auto app = logOn(phone.device());
  ASSERT_NE(app, nullptr);
  const fs::path folder = app->Store().melodyDir;
  ASSERT_TRUE(features::testing::writeMelodyFile(folder, "곡.pcm", {{"도레미", features::testing::kDoReMi}}));
  auto *page = openFromMenu<features::CMelodyPage>(*app, MainMenuPage::kMelody);
  ASSERT_NE(page, nullptr);

  const winlib::testing::MessageBoxAnswerer boxes;
  QTest::keyClick(page->melodies(), Qt::Key_1);
  ASSERT_EQ(boxes.seen.size(), 1u);
  EXPECT_EQ(boxes.seen[0].second, winlib::MessageBoxIcon::Exclamation);
  EXPECT_NE(phone.trace().find("pc>phone PC_MD_SET_REQ"), std::string::npos);
  EXPECT_TRUE(phone.stateWhen([](const simulator::PhoneState &) { return true; }).melodies[0].empty());

  // The editor is nowhere: the launcher's message with the stop icon.
  QTest::keyClick(page->melodies(), Qt::Key_E, Qt::ControlModifier);
  ASSERT_EQ(boxes.seen.size(), 2u);
  EXPECT_EQ(boxes.seen[1].second, winlib::MessageBoxIcon::Stop);

  // The melody editor saves a file and says so over the marker's socket;
  // the animation editor's message leaves the melody page alone.
  ASSERT_TRUE(features::testing::writeMelodyFile(folder, "새곡.pcm", {{"솔", features::testing::kDoReMi}}));
  for (const char *message : {"0x477", "0x472"}) {
    QProcess peer;
    peer.start(QStringLiteral(PDX_MARKER_PEER),
               {QStringLiteral("send"), QStringLiteral("Pelodex"), QString::fromLatin1(message)});
    EXPECT_TRUE(QTest::qWaitFor([&peer] { return peer.state() == QProcess::NotRunning; }, 5000));
    EXPECT_EQ(peer.exitCode(), 0);
    EXPECT_EQ(page->files()->rowCount(), std::string(message) == "0x472" ? 2 : 1) << message;
  }
  app->ExitInstance();
}

} // namespace
} // namespace pdx::pelodex
