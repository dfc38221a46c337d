// Carrowin: the melody editor.
#include "core/base/last_resort.h"
#include "melody/ui/carrowin_app.h"

#include <QApplication>

namespace {

int run(int argc, char **argv) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Carrowin"));
  const std::optional<std::string> file = pdx::melody::ui::fileArgument(QApplication::arguments());
  if (pdx::winlib::HandOverToRunning(QString::fromUtf8(pdx::melody::ui::kWindowTitle), file)) {
    return 0;
  }
  pdx::melody::ui::CarrowinApp app;
  if (!app.InitInstance(file)) {
    return 1;
  }
  const int status = QApplication::exec();
  app.ExitInstance();
  return status;
}

} // namespace

int main(int argc, char **argv) {
  return pdx::runGuarded("Carrowin", [&] { return run(argc, argv); });
}
