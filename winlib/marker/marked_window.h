// How the programs find each other's main window and send it a message.
// Each main window listens on a local socket in the user's runtime folder,
// named after its title, and greets every peer with the window marker. A
// peer that reads the marker knows it reached a window of this suite; it may
// then send one message and wait until the receiver has handled it.
//
// Wire format (little-endian): the listener sends the 4-byte marker; the
// sender writes the message number (4 bytes) and two 8-byte parameters; the
// listener answers with the handler's 8-byte result once it has run. A
// message numbered from kTextMessages on carries a text: wParam is its
// length in bytes (at most kMaxMessageText), and the bytes follow lParam.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QLocalServer;
class QLocalSocket;

namespace pdx::winlib {

inline constexpr uint32_t kWindowMarker = 0x2BE2B417;
inline constexpr uint32_t kMsgActivate = 0x0006; // a second instance asks to be shown
inline constexpr uint32_t kTextMessages = 0x10000;
inline constexpr uint32_t kMsgOpenFile = kTextMessages + 1; // a second start hands over its file (UTF-8)
inline constexpr uint64_t kMaxMessageText = 4096;

// The socket path of the window titled `title` in the runtime folder
// (runtime_folder.h); empty when there is no usable folder.
QString markedWindowPath(const QString &title);

class MarkedWindowServer : public QObject {
  Q_OBJECT

public:
  using Handler = std::function<int64_t(uint32_t message, uint64_t wParam, uint64_t lParam)>;
  using TextHandler = std::function<int64_t(uint32_t message, const QByteArray &text)>;

  explicit MarkedWindowServer(QObject *parent = nullptr);
  ~MarkedWindowServer() override;

  // Starts listening under `title`. Fails when a live window of that title
  // already answers; a socket left behind by a program that ended is
  // replaced.
  bool Listen(const QString &title);
  void Close();
  bool IsListening() const;
  void SetHandler(Handler handler) { handler_ = std::move(handler); }
  void SetTextHandler(TextHandler handler) { textHandler_ = std::move(handler); }

private:
  void onConnection();
  void onReadable(QLocalSocket *socket);

  QLocalServer *server_ = nullptr;
  Handler handler_;
  TextHandler textHandler_;
};

// A window found by FindMarkedWindow.
struct MarkedWindow {
  QString path;
};

// The window titled exactly `title` that answers with the marker, if any.
std::optional<MarkedWindow> FindMarkedWindow(const QString &title, int timeoutMs = 1000);

// Delivers `message` and waits until the receiver has handled it; its
// result, or nothing when the window did not answer in time. The wait
// blocks this program, so the receiver must be another program.
std::optional<int64_t> SendMessage(const MarkedWindow &window, uint32_t message, uint64_t wParam = 0,
                                   uint64_t lParam = 0, int timeoutMs = 5000);
// The same for a text message (`message` at or above kTextMessages); nothing
// as well when the text is longer than kMaxMessageText.
std::optional<int64_t> SendText(const MarkedWindow &window, uint32_t message, const QByteArray &text,
                                int timeoutMs = 5000);

} // namespace pdx::winlib
