#include "winlib/marker/marked_window.h"

#include "winlib/marker/runtime_folder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QtEndian>

namespace pdx::winlib {

namespace {

constexpr qint64 kMessageSize = 4 + 8 + 8;

// Titles may hold any character; the file name keeps letters and digits of
// any script and escapes the rest, so that no title reaches outside the
// folder. Socket paths are short (108 bytes), so a long title is named by
// its hash instead.
QString fileNameFor(const QString &title) {
  QString name;
  for (const QChar c : title) {
    if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_')) {
      name += c;
    } else {
      name += QStringLiteral("%%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
  }
  if (static_cast<size_t>(name.toUtf8().size()) + kSocketSuffix.size() > kLongestSocketName) {
    const QByteArray hash = QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1).toHex();
    name = QStringLiteral("title-") + QString::fromLatin1(hash.left(24));
  }
  return name + QString::fromLatin1(kSocketSuffix.data(), static_cast<qsizetype>(kSocketSuffix.size()));
}

bool readExactly(QLocalSocket &socket, char *data, qint64 size, int timeoutMs) {
  while (socket.bytesAvailable() < size) {
    if (!socket.waitForReadyRead(timeoutMs)) {
      return false;
    }
  }
  return socket.read(data, size) == size;
}

std::optional<MarkedWindow> connectAndCheck(QLocalSocket &socket, const QString &path, int timeoutMs) {
  socket.connectToServer(path);
  if (!socket.waitForConnected(timeoutMs)) {
    return std::nullopt;
  }
  char marker[4];
  if (!readExactly(socket, marker, 4, timeoutMs) || qFromLittleEndian<quint32>(marker) != kWindowMarker) {
    return std::nullopt;
  }
  return MarkedWindow{path};
}

std::optional<int64_t> deliver(const MarkedWindow &window, uint32_t message, uint64_t wParam, uint64_t lParam,
                               const QByteArray &text, int timeoutMs) {
  QLocalSocket socket;
  if (!connectAndCheck(socket, window.path, timeoutMs)) {
    return std::nullopt;
  }
  QByteArray data(kMessageSize, '\0');
  qToLittleEndian<quint32>(message, data.data());
  qToLittleEndian<quint64>(wParam, data.data() + 4);
  qToLittleEndian<quint64>(lParam, data.data() + 12);
  data += text;
  if (socket.write(data) != data.size() || !socket.waitForBytesWritten(timeoutMs)) {
    return std::nullopt;
  }
  char answer[8];
  if (!readExactly(socket, answer, 8, timeoutMs)) {
    return std::nullopt;
  }
  return qFromLittleEndian<qint64>(answer);
}

} // namespace

QString markedWindowPath(const QString &title) {
  const RuntimeFolder folder = runtimeFolder();
  return folder.path.empty() ? QString()
                             : QDir(QString::fromStdString(folder.path)).filePath(fileNameFor(title));
}

MarkedWindowServer::MarkedWindowServer(QObject *parent) : QObject(parent) {}

MarkedWindowServer::~MarkedWindowServer() {
  Close();
}

bool MarkedWindowServer::Listen(const QString &title) {
  Close();
  if (FindMarkedWindow(title)) {
    return false;
  }
  const QString path = markedWindowPath(title);
  if (path.isEmpty()) {
    return false;
  }
  QLocalServer::removeServer(path);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, [this] { onConnection(); });
  if (!server_->listen(path)) {
    Close();
    return false;
  }
  return true;
}

void MarkedWindowServer::Close() {
  if (server_) {
    server_->close();
    delete server_;
    server_ = nullptr;
  }
}

bool MarkedWindowServer::IsListening() const {
  return server_ && server_->isListening();
}

void MarkedWindowServer::onConnection() {
  while (QLocalSocket *socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadable(socket); });
    char marker[4];
    qToLittleEndian<quint32>(kWindowMarker, marker);
    socket->write(marker, 4);
    socket->flush();
  }
}

void MarkedWindowServer::onReadable(QLocalSocket *rawSocket) {
  // The handler may run nested loops in which the peer goes away.
  QPointer<QLocalSocket> socket(rawSocket);
  while (socket && socket->bytesAvailable() >= kMessageSize) {
    char data[kMessageSize];
    socket->peek(data, kMessageSize);
    const auto message = qFromLittleEndian<quint32>(data);
    const auto wParam = qFromLittleEndian<quint64>(data + 4);
    const auto lParam = qFromLittleEndian<quint64>(data + 12);
    const bool carriesText = message >= kTextMessages;
    if (carriesText && wParam > kMaxMessageText) {
      socket->abort();
      return;
    }
    const qint64 textSize = carriesText ? static_cast<qint64>(wParam) : 0;
    if (socket->bytesAvailable() < kMessageSize + textSize) {
      return; // the rest of the text is on its way
    }
    socket->skip(kMessageSize);
    const QByteArray text = socket->read(textSize);
    int64_t result = 0;
    if (carriesText) {
      result = textHandler_ ? textHandler_(message, text) : 0;
    } else {
      result = handler_ ? handler_(message, wParam, lParam) : 0;
    }
    if (!socket) {
      return;
    }
    char answer[8];
    qToLittleEndian<qint64>(result, answer);
    socket->write(answer, 8);
    socket->flush();
  }
}

std::optional<MarkedWindow> FindMarkedWindow(const QString &title, int timeoutMs) {
  QLocalSocket socket;
  std::optional<MarkedWindow> found = connectAndCheck(socket, markedWindowPath(title), timeoutMs);
  if (found) {
    qDebug("Same Window Exist");
  }
  return found;
}

std::optional<int64_t> SendMessage(const MarkedWindow &window, uint32_t message, uint64_t wParam,
                                   uint64_t lParam, int timeoutMs) {
  return deliver(window, message, wParam, lParam, {}, timeoutMs);
}

std::optional<int64_t> SendText(const MarkedWindow &window, uint32_t message, const QByteArray &text,
                                int timeoutMs) {
  if (message < kTextMessages || static_cast<uint64_t>(text.size()) > kMaxMessageText) {
    return std::nullopt;
  }
  return deliver(window, message, static_cast<uint64_t>(text.size()), 0, text, timeoutMs);
}

} // namespace pdx::winlib
