#include "platform/settings/settings.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_wnd.h"
#include "winlib/bmp_wnd_based_app.h"
#include "winlib/rules/window_position.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

QSize screen() {
  return QGuiApplication::primaryScreen()->geometry().size();
}

class App : public ::testing::Test {
protected:
  void store(int x, int y) {
    platform::Settings s = platform::Settings::forProfile("WinlibTest");
    s.setNumber("General", "MainPosX", x);
    s.setNumber("General", "MainPosY", y);
    s.sync();
  }
};

TEST_F(App, MainWindowOpensAtTheStoredPlaceAndTheNextTakesItsPlace) {
  CBmpWndBasedApp app(QStringLiteral("WinlibTest"), QStringLiteral("Winlib test"));
  store(-20, 5000);
  EXPECT_EQ(app.LoadWindowPosition(), QPoint(0, screen().height() - 100)) << "kept on the screen";
  store(kDefaultPosition, kDefaultPosition);
  EXPECT_EQ(app.LoadWindowPosition(), std::nullopt);
  EXPECT_TRUE(app.ProgramDirectory().ends_with('/'));
  store(120, 90);
  auto *window = new CBmpWnd;
  ASSERT_TRUE(app.CreateMainWindow(window, resources::kPageMenu));
  EXPECT_EQ(window->pos(), QPoint(120, 90));
  EXPECT_EQ(window->size(), QSize(600, 460)) << "sized to its bitmap";
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Winlib test"));
  window->move(200, 150);
  EXPECT_EQ(app.LoadWindowPosition(), QPoint(200, 150)) << "the live window wins";

  QPointer<CBmpWnd> first(window);
  auto *second = new CBmpWnd;
  app.CreateMainWindow(second, resources::kPagePassword);
  EXPECT_TRUE(first->isHidden()) << "the previous main window goes at once";
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull()) << "and is destroyed once control returns to the event loop";
  EXPECT_EQ(app.MainWindow(), second);
  EXPECT_EQ(second->pos(), QPoint(200, 150)) << "the new one takes the old one's place";
}

TEST_F(App, CloseRequestSavesThePositionThenRunsTheExitCommand) {
  store(0, 0);
  CBmpWndBasedApp app(QStringLiteral("WinlibTest"), QStringLiteral("Winlib test"));
  auto *window = new CBmpWnd;
  app.CreateMainWindow(window, resources::kPageMenu);
  window->move(33, 44);
  int exits = 0;
  app.SetExitCommand([&] { ++exits; });
  window->close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return exits == 1; }, 1000));
  const platform::Settings s = platform::Settings::forProfile("WinlibTest");
  EXPECT_EQ((std::pair{s.number("General", "MainPosX"), s.number("General", "MainPosY")}),
            (std::pair{33, 44}));
  EXPECT_NE(app.MainWindow(), nullptr) << "the exit command decides";
  app.Exit();
  EXPECT_EQ(app.MainWindow(), nullptr);
  EXPECT_EQ(app.OwnerWindow(), nullptr);
}

TEST_F(App, RegistersFileTypesAndTheIconForTheUser) {
  CBmpWndBasedApp app(QStringLiteral("WinlibTest"), QStringLiteral("Winlib test"));
  const FileTypeRegistration r = app.RegisterFileTypes(SuiteProgram::Carrowin);
  EXPECT_FALSE(r.failed);
  const std::filesystem::path data = userDataHome();
  EXPECT_TRUE(std::filesystem::exists(data / "applications/carrowin.desktop"));
  EXPECT_TRUE(std::filesystem::exists(data / "mime/packages/pelodex-suite.xml"));
  const QImage icon(QString::fromStdString((data / "icons/hicolor/32x32/apps/carrowin.png").string()));
  EXPECT_EQ(icon.size(), QSize(32, 32));
}

TEST_F(App, WindowWithoutItsBitmapHasNoPicture) {
  CBmpWnd window;
  EXPECT_FALSE(window.Create(QStringLiteral("x"), 99999));
  EXPECT_TRUE(window.Background().isNull());
}

} // namespace
} // namespace pdx::winlib
