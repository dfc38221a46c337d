#include "winlib/bmp_wnd_based_app.h"

#include "core/base/atomic_file.h"
#include "platform/settings/settings.h"
#include "resources/fonts.h"
#include "resources/resource_store.h"
#include "winlib/bmp_dialog.h"
#include "winlib/bmp_wnd.h"
#include "winlib/rules/window_position.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
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
  // The title names the program to other instances untranslated; the user
  // sees it in the chosen language.
  owner_->setWindowTitle(QCoreApplication::translate("WindowTitle", title_.toUtf8().constData()));
  resources::installFonts();
  resources::ResourceStore::instance().applySettings(platform::Settings::forProfile(profile_.toStdString()));
  server_.SetHandler([this](uint32_t message, uint64_t w, uint64_t l) -> int64_t {
    if (message == kMsgActivate) {
      BringForward();
      return 1;
    }
    return handler_ ? handler_(message, w, l) : 0;
  });
  server_.SetTextHandler([this](uint32_t message, const QByteArray &text) -> int64_t {
    if (message != kMsgOpenFile || !open_) {
      return 0;
    }
    BringForward();
    // Answered at once: the sender waits for the answer, while opening may
    // ask questions. The dialogs open now are cancelled, so that the file
    // does not open beneath them.
    CBmpDialog::CloseAll();
    CBmpDialog::WhenNoneOpen(&server_, [this, path = text.toStdString()] {
      if (open_) {
        open_(path);
      }
    });
    return 1;
  });
}

void CBmpWndBasedApp::BringForward() {
  if (mainWindow_) {
    mainWindow_->showNormal();
    mainWindow_->raise();
    mainWindow_->activateWindow();
  }
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

bool HandOverToRunning(const QString &title, const std::optional<std::string> &file) {
  const std::optional<MarkedWindow> running = FindMarkedWindow(title);
  if (!running) {
    return false;
  }
  if (!file) {
    (void)SendMessage(*running, kMsgActivate);
    return true;
  }
  const QString given = QString::fromStdString(*file);
  const QFileInfo here(given);
  const QString path = here.isRelative() && here.exists() ? here.absoluteFilePath() : given;
  (void)SendText(*running, kMsgOpenFile, path.toUtf8());
  return true;
}

bool CBmpWndBasedApp::ClaimSingleInstance() {
  return !HandOverToRunning(title_, std::nullopt) && server_.Listen(title_);
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
