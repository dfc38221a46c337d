#include "winlib/bmp_dialog.h"
#include "winlib/bmp_wnd_based_app.h"
#include "winlib/marker/marked_window.h"
#include "winlib/marker/pelodex_notice.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

QString peerProgram() {
  return qEnvironmentVariable("PDX_MARKER_PEER");
}

// Runs the peer while this program keeps handling its own events, as a
// receiving main window does.
int runPeer(const QStringList &args, QByteArray *output = nullptr) {
  QProcess peer;
  QEventLoop loop;
  QObject::connect(&peer, &QProcess::finished, &loop, &QEventLoop::quit);
  peer.start(peerProgram(), args);
  if (!peer.waitForStarted(5000)) {
    return -1;
  }
  if (peer.state() != QProcess::NotRunning) {
    loop.exec();
  }
  if (output) {
    *output = peer.readAllStandardOutput();
  }
  return peer.exitStatus() == QProcess::NormalExit ? peer.exitCode() : -1;
}

class MarkedWindows : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_FALSE(peerProgram().isEmpty()) << "PDX_MARKER_PEER not set"; }
};

TEST_F(MarkedWindows, AnotherProgramFindsTheWindowAndItsMessageIsHandledBeforeTheAnswer) {
  MarkedWindowServer server;
  std::vector<std::tuple<uint32_t, uint64_t, uint64_t>> received;
  server.SetHandler([&](uint32_t m, uint64_t w, uint64_t l) -> int64_t {
    received.emplace_back(m, w, l);
    return 42;
  });
  ASSERT_TRUE(server.Listen(QStringLiteral("Pelodex")));

  QByteArray output;
  EXPECT_EQ(runPeer({QStringLiteral("send"), QStringLiteral("Pelodex"), QStringLiteral("0x472")}, &output),
            0);
  EXPECT_EQ(output.trimmed(), "42") << "the sender gets the handler's result";
  EXPECT_EQ(runPeer({QStringLiteral("send"), QStringLiteral("Pelodex"), QStringLiteral("0x477")}), 0);
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0], std::make_tuple(kMsgMelodySaved, uint64_t{11}, uint64_t{22}));
  EXPECT_EQ(std::get<0>(received[1]), kMsgAnimationSaved);
}

TEST_F(MarkedWindows, ThisProgramSendsToAnotherAndWaitsForIt) {
  QProcess peer;
  peer.start(peerProgram(), {QStringLiteral("listen"), QStringLiteral("Velluto-test")});
  ASSERT_TRUE(peer.waitForReadyRead(5000));
  ASSERT_EQ(peer.readLine().trimmed(), "ready");

  const std::optional<MarkedWindow> window = FindMarkedWindow(QStringLiteral("Velluto-test"));
  ASSERT_TRUE(window.has_value());
  EXPECT_EQ(SendMessage(*window, kMsgAnimationSaved), std::optional<int64_t>(7));
  EXPECT_TRUE(notifyPelodex(kMsgMelodySaved, true, QStringLiteral("Velluto-test")));
  ASSERT_TRUE(peer.waitForFinished(5000));
  EXPECT_EQ(peer.exitCode(), 0);
  EXPECT_EQ(peer.readAllStandardOutput(), "0x477\n0x472\n");
  EXPECT_FALSE(notifyPelodex(kMsgMelodySaved, false, QStringLiteral("Velluto-test")))
      << "no window: no notice";
}

TEST_F(MarkedWindows, ASocketWithoutTheMarkerIsNotAWindowOfOurs) {
  const QString path = markedWindowPath(QStringLiteral("Impostor"));
  QLocalServer::removeServer(path);
  QLocalServer impostor;
  ASSERT_TRUE(impostor.listen(path));
  QObject::connect(&impostor, &QLocalServer::newConnection, [&] {
    QLocalSocket *s = impostor.nextPendingConnection();
    s->write("\x17\xB4\xE2\x2C", 4); // a different number
    s->flush();
  });
  EXPECT_EQ(runPeer({QStringLiteral("find"), QStringLiteral("Impostor")}), 1);
}

TEST_F(MarkedWindows, NobodyListeningMeansNoWindowAndNoMessage) {
  EXPECT_FALSE(FindMarkedWindow(QStringLiteral("Nobody here"), 200).has_value());
  EXPECT_FALSE(SendMessage(MarkedWindow{markedWindowPath(QStringLiteral("Nobody here"))}, 1, 0, 0, 200));
}

TEST_F(MarkedWindows, ASocketLeftBehindIsReplaced) {
  const QString path = markedWindowPath(QStringLiteral("Stale"));
  QFile stale(path);
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.close();
  MarkedWindowServer server;
  EXPECT_TRUE(server.Listen(QStringLiteral("Stale")));
  EXPECT_EQ(runPeer({QStringLiteral("find"), QStringLiteral("Stale")}), 0);
}

TEST_F(MarkedWindows, TitlesMakeDistinctSocketsInTheRuntimeFolderFoundOnlyByTheWholeTitle) {
  const QString path = markedWindowPath(QStringLiteral("../../etc/passwd"));
  EXPECT_FALSE(path.contains(QStringLiteral("..")));
  EXPECT_TRUE(path.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")));
  const QString longTitle = QString(60, QChar(u'가'));
  const QString other = QString(59, QChar(u'가')) + QStringLiteral("나");
  EXPECT_NE(markedWindowPath(longTitle), markedWindowPath(other));
  MarkedWindowServer server;
  ASSERT_TRUE(server.Listen(longTitle));
  EXPECT_EQ(runPeer({QStringLiteral("find"), longTitle}), 0);
  EXPECT_EQ(runPeer({QStringLiteral("find"), other}), 1);
  EXPECT_EQ(runPeer({QStringLiteral("find"), longTitle.left(10)}), 1) << "titles must match exactly";
}

TEST_F(MarkedWindows, SecondInstanceAsksTheFirstToShowItselfAndEnds) {
  CBmpWndBasedApp first(QStringLiteral("MarkerTest"), QStringLiteral("Single-test"));
  ASSERT_TRUE(first.ClaimSingleInstance());
  std::vector<uint32_t> seen;
  first.SetMessageHandler([&](uint32_t m, uint64_t, uint64_t) -> int64_t {
    seen.push_back(m);
    return 0;
  });
  EXPECT_EQ(runPeer({QStringLiteral("single"), QStringLiteral("Single-test")}), 3);
  EXPECT_TRUE(seen.empty()) << "the activation request is the library's own";
  EXPECT_EQ(runPeer({QStringLiteral("send"), QStringLiteral("Single-test"), QStringLiteral("0x477")}), 0);
  EXPECT_EQ(seen, std::vector<uint32_t>{kMsgAnimationSaved}) << "the editors' messages reach the program";
  EXPECT_EQ(runPeer({QStringLiteral("single"), QStringLiteral("Another-title")}), 0);
}

TEST_F(MarkedWindows, ASecondStartHandsItsFileOverOnceTheDialogsAreClosed) {
  CBmpWndBasedApp first(QStringLiteral("MarkerTest"), QStringLiteral("Open-test"));
  ASSERT_TRUE(first.ClaimSingleInstance());
  std::vector<std::pair<std::string, int>> opened; // path, dialogs open then
  first.SetOpenHandler([&](const std::string &path) { opened.emplace_back(path, CBmpDialog::OpenCount()); });
  // The peer runs in this program's folder: a file there arrives with its
  // full path, a name of no file here as it was given.
  QFile here(QStringLiteral("handed-over.pcm"));
  ASSERT_TRUE(here.open(QIODevice::WriteOnly));
  here.close();
  EXPECT_EQ(runPeer({QStringLiteral("single"), QStringLiteral("Open-test"), here.fileName()}), 3);
  CBmpDialog dialog;
  dialog.SetDialogSize(QSize(200, 100));
  QTimer::singleShot(0, [] {
    EXPECT_EQ(runPeer({QStringLiteral("single"), QStringLiteral("Open-test"), QStringLiteral("b.pcm")}), 3);
  });
  EXPECT_EQ(dialog.DoModal(nullptr, std::nullopt, 0), kIdCancelCommand);
  EXPECT_TRUE(QTest::qWaitFor([&] { return opened.size() == 2; }));
  const std::string full = QFileInfo(here).absoluteFilePath().toStdString();
  here.remove();
  EXPECT_EQ(opened, (std::vector<std::pair<std::string, int>>{{full, 0}, {"b.pcm", 0}}));
}

} // namespace
} // namespace pdx::winlib
