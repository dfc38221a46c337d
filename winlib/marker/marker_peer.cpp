// A second program for the marker tests:
//   pdx_marker_peer send TITLE MESSAGE   delivers MESSAGE, prints the result
//   pdx_marker_peer find TITLE           exits 0 when the window answers
//   pdx_marker_peer listen TITLE         answers until it receives 0x472,
//                                        then prints it and ends
//   pdx_marker_peer single TITLE [FILE]  the single-instance test: exits 3
//                                        when another instance runs (and
//                                        was handed FILE)
#include "core/base/program_messages.h"
#include "winlib/bmp_wnd_based_app.h"
#include "winlib/marker/marked_window.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

using namespace pdx::winlib;

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 3) {
    return 64;
  }
  const QString mode = args[1];
  const QString title = args[2];
  if (mode == QLatin1String("find")) {
    return FindMarkedWindow(title) ? 0 : 1;
  }
  if (mode == QLatin1String("send") && args.size() >= 4) {
    const std::optional<MarkedWindow> window = FindMarkedWindow(title);
    if (!window) {
      return 1;
    }
    const std::optional<int64_t> result = SendMessage(*window, args[3].toUInt(nullptr, 0), 11, 22);
    if (!result) {
      return 2;
    }
    std::printf("%lld\n", static_cast<long long>(*result));
    return 0;
  }
  if (mode == QLatin1String("listen")) {
    MarkedWindowServer server;
    server.SetHandler([](uint32_t message, uint64_t, uint64_t) -> int64_t {
      std::printf("0x%x\n", message);
      std::fflush(stdout);
      if (message == pdx::kMsgMelodySaved) {
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
      }
      return 7;
    });
    if (!server.Listen(title)) {
      return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    QTimer::singleShot(10000, [] { QCoreApplication::exit(5); });
    return app.exec();
  }
  if (mode == QLatin1String("single") && args.size() >= 4) {
    return HandOverToRunning(title, args[3].toStdString()) ? 3 : 0;
  }
  if (mode == QLatin1String("single")) {
    CBmpWndBasedApp suite(QStringLiteral("MarkerPeer"), title);
    return suite.ClaimSingleInstance() ? 0 : 3;
  }
  return 64;
}
