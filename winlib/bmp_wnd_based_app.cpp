#include "winlib/bmp_wnd_based_app.h"

#include "core/base/atomic_file.h"
#include "platform/settings/settings.h"
#include "resources/fonts.h"
#include "resources/resource_store.h"
#include "winlib/bmp_wnd.h"
#include "winlib/rules/window_position.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace pdx::winlib {

namespace {

CBmpWndBasedApp *gInstance = nullptr;

QSize screenSize() {
  const QScreen *screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize(1024, 768);
}

} // namespace

CBmpWndBasedApp::CBmpWndBasedApp(QString profile, QString title)
    : profile_(std::move(profile)), title_(std::move(title)), owner_(std::make_unique<QWidget>()) {
  gInstance = this;
  owner_->setWindowTitle(title_);
  resources::installFonts();
  resources::ResourceStore::instance().applySettings(platform::Settings::forProfile(profile_.toStdString()));
  server_.SetHandler([this](uint32_t message, uint64_t w, uint64_t l) -> int64_t {
    if (message == kMsgActivate) {
      if (mainWindow_) {
        mainWindow_->showNormal();
        mainWindow_->raise();
        mainWindow_->activateWindow();
      }
      return 1;
    }
    return handler_ ? handler_(message, w, l) : 0;
  });
}

CBmpWndBasedApp::~CBmpWndBasedApp() {
  DestroyMainWindow();
  if (gInstance == this) {
    gInstance = nullptr;
  }
}

CBmpWndBasedApp *CBmpWndBasedApp::Instance() {
  return gInstance;
}

bool CBmpWndBasedApp::ClaimSingleInstance() {
  if (const std::optional<MarkedWindow> running = FindMarkedWindow(title_)) {
    (void)SendMessage(*running, kMsgActivate);
    return false;
  }
  return server_.Listen(title_);
}

void CBmpWndBasedApp::SetMessageHandler(MarkedWindowServer::Handler handler) {
  handler_ = std::move(handler);
}

FileTypeRegistration CBmpWndBasedApp::RegisterFileTypes(SuiteProgram program) {
  iconId_ = 128 + static_cast<int>(program);
  const std::filesystem::path data = userDataHome();
  const std::filesystem::path icon =
      data / "icons" / "hicolor" / "32x32" / "apps" / (std::string(programBaseName(program)) + ".png");
  std::error_code ec;
  if (!std::filesystem::exists(icon, ec)) {
    std::filesystem::create_directories(icon.parent_path(), ec);
    // Saved atomically: a half-written icon would stay, as it is never
    // written again once there.
    QByteArray png;
    QBuffer buffer(&png);
    if (buffer.open(QIODevice::WriteOnly) &&
        resources::ResourceStore::instance().image(iconId_).save(&buffer, "PNG")) {
      (void)writeFileAtomically(
          icon, {reinterpret_cast<const uint8_t *>(png.constData()), static_cast<size_t>(png.size())});
    }
  }
  return registerFileTypes(program, data, QCoreApplication::applicationFilePath().toStdString());
}

std::string CBmpWndBasedApp::ProgramDirectory() const {
  return programDirectoryOf(QCoreApplication::applicationFilePath().toStdString());
}

std::optional<QPoint> CBmpWndBasedApp::LoadWindowPosition() const {
  if (mainWindow_) {
    return mainWindow_->pos();
  }
  const platform::Settings settings = platform::Settings::forProfile(profile_.toStdString());
  const int x = settings.number("General", "MainPosX", kDefaultPosition);
  const int y = settings.number("General", "MainPosY", kDefaultPosition);
  const QSize screen = screenSize();
  const std::optional<int> cx = clampStoredCoordinate(x, screen.width());
  const std::optional<int> cy = clampStoredCoordinate(y, screen.height());
  if (!cx || !cy) {
    return std::nullopt;
  }
  return QPoint(*cx, *cy);
}

void CBmpWndBasedApp::SaveWindowPosition() {
  if (!mainWindow_) {
    return;
  }
  platform::Settings settings = platform::Settings::forProfile(profile_.toStdString());
  settings.setNumber("General", "MainPosX", mainWindow_->x());
  settings.setNumber("General", "MainPosY", mainWindow_->y());
  settings.sync();
}

bool CBmpWndBasedApp::CreateMainWindow(CBmpWnd *window, int bitmapId) {
  const std::optional<QPoint> position = LoadWindowPosition();
  DestroyMainWindow();
  const bool loaded = window->Create(title_, bitmapId);
  if (position) {
    window->move(*position);
  }
  QGuiApplication::setWindowIcon(resources::ResourceStore::instance().pixmap(iconId_));
  window->show();
  mainWindow_ = window;
  return loaded;
}

void CBmpWndBasedApp::DestroyMainWindow() {
  if (mainWindow_) {
    // The window may be destroyed from one of its own controls' handlers (a
    // menu button that switches pages): it goes away once they returned.
    CBmpWnd *window = mainWindow_.data();
    mainWindow_ = nullptr;
    window->hide();
    window->deleteLater();
  }
}

void CBmpWndBasedApp::RequestClose() {
  SaveWindowPosition();
  if (exitCommand_) {
    exitCommand_();
  } else {
    Exit();
  }
}

void CBmpWndBasedApp::Exit() {
  DestroyMainWindow();
  server_.Close();
  owner_.reset();
  QCoreApplication::exit(0);
}

} // namespace pdx::winlib
